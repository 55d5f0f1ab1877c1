#include "tests/app/form/FormFixture_win.h"

#include <fstream>

#include "base/win32/Handles_win.h"

void FormFixture::WriteSettings(const std::string& text) const {
  std::ofstream file(folder.File(L"ZELK.ini").c_str(), std::ios::binary);
  file << text;
}

TZELKForm& FormFixture::Create() {
  form = std::make_unique<TZELKForm>(
      TProgramFiles{folder.File(L"ZELK.exe")},
      TFormServices{messageBoxes, shutdown, help, shell, executor, folders, shortcuts, mouseHook,
                    desktop, timeSource, clock, connection, colorPicker, folderBrowser, openFile});
  if (!application) {
    application.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"ZELK", WS_POPUP, 0, 0, 0, 0,
                                      nullptr, nullptr, nullptr, nullptr));
  }
  const HWND window = form->Create(GetModuleHandleW(nullptr), application.Get());
  if (!window) throw std::runtime_error("the main window was not created");
  return *form;
}

RECT FormFixture::ControlRect(int id) const {
  RECT rect;
  GetWindowRect(form->Control(id), &rect);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

COLORREF FormFixture::BackgroundColor(int id) const {
  const HWND window = form->Control(id);
  const TWindowDC screen(nullptr);
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const TBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 64, 64));
  const TSelectObject selected(memory.Get(), bitmap.Get());
  SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
  return GetPixel(memory.Get(), 10, 10);
}
