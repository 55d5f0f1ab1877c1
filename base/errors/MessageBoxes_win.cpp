#include "base/errors/MessageBoxes_win.h"

#include <windows.h>

#include "base/errors/ErrorBox_win.h"

bool TWin32MessageBoxes::Confirm(const std::wstring& text) {
  return MessageBoxW(nullptr, text.c_str(), L"ZELK", MB_OKCANCEL | MB_ICONINFORMATION | MB_TASKMODAL) == IDOK;
}

bool TWin32MessageBoxes::AskYesNo(const std::wstring& text) {
  return MessageBoxW(nullptr, text.c_str(), L"ZELK", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

void TWin32MessageBoxes::Inform(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), L"ZELK", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

void TWin32MessageBoxes::ShowError(const std::wstring& text) { ShowErrorBox(nullptr, text); }
