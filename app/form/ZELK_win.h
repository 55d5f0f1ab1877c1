#pragma once
// The main window TZELKForm: start-up, settings and the current sheet.

#include <windows.h>

#include "app/settings/Settings.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/FileStore_win.h"
#include "app/sheets/IconList_win.h"
#include "app/text/AnsiCodec_win.h"

inline constexpr wchar_t kMainWindowClass[] = L"TZELKForm";
inline constexpr wchar_t kMainWindowCaption[] = L"ZELK Ver.2.10";

class TZELKForm {
 public:
  TZELKForm();
  TZELKForm(const TZELKForm&) = delete;
  TZELKForm& operator=(const TZELKForm&) = delete;

  // Registers the window class and creates the window, which runs FormCreate.
  [[nodiscard]] HWND Create(HINSTANCE instance);
  [[nodiscard]] HWND Handle() const { return handle_; }
  [[nodiscard]] const TSettings& Settings() const { return settings_; }
  [[nodiscard]] const TCurrentSheet& Sheet() const { return sheet_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void FormCreate();
  void FormClose();
  // SaveSettings: the settings file, then the DATA.INI export.
  void SaveSettings();
  [[nodiscard]] TArrangeOptions ArrangeOptions() const;

  HWND handle_ = nullptr;  // owned by the system; destroyed with the window
  TSettings settings_;
  TAnsiCodec codec_;
  TWin32FileStore store_;
  TShellIconList icons_;
  TSheetFiles files_;
  TCurrentSheet sheet_;
};
