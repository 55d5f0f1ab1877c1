#include "tests/app/form/FormFixture_win.h"

#include <fstream>

void FormFixture::WriteSettings(const std::string& text) const {
  std::ofstream file(folder.File(L"ZELK.ini").c_str(), std::ios::binary);
  file << text;
}

TZELKForm& FormFixture::Create() {
  form = std::make_unique<TZELKForm>(TProgramFiles{folder.File(L"ZELK.exe")},
                                     TFormServices{messageBoxes, shutdown, help, shell, executor, folders, shortcuts, mouseHook, desktop, timeSource, clock, connection});
  const HWND window = form->Create(GetModuleHandleW(nullptr), nullptr);
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
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  const COLORREF color = GetPixel(memory, 10, 10);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return color;
}
