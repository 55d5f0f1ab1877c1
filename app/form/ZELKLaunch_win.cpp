// Starting the item of the pressed cell, and registering dropped files.

#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "app/launch/RunItem.h"
#include "app/services/OpenFileDialog_win.h"

void TZELKForm::RunItem(int slot) {
  const auto start = ::RunItem(sheet_, slot, ArrangeOptions());
  if (!start) return;
  PAria_.Repaint();
  if (settings_.EXE_HIDE == 1) {
    activation_.SetShown(false);
    ShowWindow(Handle(), SW_HIDE);
    KillTimer(Handle(), kDblTimerId);
    activation_.DblTimerStopped();
  }
  PAria_.HideItemHint();
  services_.Shell.ShellRun(start->File, start->Parameters, start->Folder, kShowNormal);
}

std::vector<std::wstring> TakeDroppedPaths(HDROP drop) {
  std::vector<std::wstring> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::vector<wchar_t> path(DragQueryFileW(drop, i, nullptr, 0) + 1);
    DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
    paths.emplace_back(path.data());
  }
  DragFinish(drop);
  return paths;
}

void TZELKForm::DropFilesOnSheet(const std::vector<std::wstring>& paths) {
  RegisterFiles(paths, 0);
}

// ファイルの登録...: the chosen files are registered as dropped ones, from the
// pressed cell on.
void TZELKForm::RegisterFilesClick() {
  const int firstSlot = PAria_.PressedSlot();
  const std::vector<std::wstring> paths =
      WithDialog([&] { return services_.OpenFile.PickFiles(Handle(), L"ファイルの登録"); });
  if (!paths.empty()) RegisterFiles(paths, firstSlot);
}

// What was registered is shown and saved before anything is said.
void TZELKForm::RegisterFiles(const std::vector<std::wstring>& paths, int firstSlot) {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const TRegistration result =
      ::DropFilesOnSheet(sheet_, paths, services_.Shortcuts, windows, ArrangeOptions(), firstSlot);
  PAria_.Repaint();
  sheet_.Save();
  if (result.SheetFull) {
    LeaveTopmost();
    services_.MessageBoxes.Inform(
        SheetFullMessage(static_cast<int>(paths.size()), result.Registered));
    RestoreTopmost();
  }
  if (const std::wstring refused = RefusedFilesMessage(result.Refused); !refused.empty()) {
    services_.MessageBoxes.ShowError(refused);
  }
}
