#pragma once
// The main window TZELKForm: start-up, lifecycle and exit, the sheet tabs and
// the item area. Its pieces live in the ZELK*_win.cpp files of this folder.

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "app/form/FormServices.h"
#include "app/form/ItemHint_win.h"
#include "app/form/Layout.h"
#include "app/mouse/ItemAreaMouse.h"
#include "app/shortcuts/QuickBarIcons_win.h"
#include "app/settings/Settings.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/FileStore_win.h"
#include "app/sheets/IconList_win.h"
#include "base/text/AnsiCodec_win.h"

inline constexpr wchar_t kMainWindowClass[] = L"TZELKForm";
inline constexpr wchar_t kMainWindowCaption[] = L"ZELK Ver.2.10";

// Where the program's files lie: all beside the program.
struct TProgramFiles {
  std::wstring ProgramPath;
  [[nodiscard]] std::wstring Folder() const;
  [[nodiscard]] std::wstring SettingsFile() const;  // the program's path with ".ini"
  [[nodiscard]] std::wstring DataIni() const;
  [[nodiscard]] std::wstring HelpFile() const;
};

class TZELKForm {
 public:
  TZELKForm(TProgramFiles files, TFormServices services);
  ~TZELKForm();
  TZELKForm(const TZELKForm&) = delete;
  TZELKForm& operator=(const TZELKForm&) = delete;

  // Creates the window, owned by the application window, which runs FormCreate.
  [[nodiscard]] HWND Create(HINSTANCE instance, HWND applicationWindow);
  // The application message event: sees every message before it is
  // dispatched; true when it handled the message (files dropped on the tabs).
  bool ApplicationMessage(const MSG& message);

  [[nodiscard]] HWND Handle() const { return handle_; }
  [[nodiscard]] HWND Control(int id) const;
  [[nodiscard]] const TSettings& Settings() const { return settings_; }
  [[nodiscard]] const TCurrentSheet& Sheet() const { return sheet_; }
  [[nodiscard]] bool Ready() const { return activation_.Ready(); }
  [[nodiscard]] bool Shown() const { return activation_.Shown(); }
  [[nodiscard]] bool DblTimerRunning() const { return activation_.DblTimerRunning(); }
  [[nodiscard]] UINT HookMessage() const { return hookMessage_; }
  [[nodiscard]] int ScrollPosition() const;
  [[nodiscard]] int CellHeight() const { return cellHeight_; }
  [[nodiscard]] HMENU PopMenu() const { return pop_; }
  [[nodiscard]] HMENU SheetMenu() const { return seetpop_; }
  [[nodiscard]] bool NetTimerEnabled() const { return netTimerEnabled_; }
  [[nodiscard]] const TItemHint& ItemHint() const { return itemHint_; }
  [[nodiscard]] const std::wstring& TimeServerHost() const { return timeServerHost_; }
  // PAriaPaint onto any device context of the area's size (the screen, a
  // memory bitmap, WM_PRINTCLIENT).
  void PAriaPaint(HDC dc, int width, int height);

  // The exit and shutdown commands of the item popup menu.
  void KZELK1Click();
  void KWindows1Click();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK PAriaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK ATabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR form) noexcept;
  static LRESULT CALLBACK QuickButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR form) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleCommand(int id);

  // ZELKControls_win.cpp: the child windows and the popup menu.
  void CreateControls();
  HWND AddControl(int id, HWND window, const wchar_t* hint = nullptr);
  void CreateToolBar();
  void CreateQuickBar();
  void CreateTabArea();
  void CreatePopMenu();
  void LayoutRegions();

  // ZELKLifecycle_win.cpp.
  void FormCreate();
  void ApplySettings();
  void FormShow();
  void FormResize();
  void FormClose();
  void FormDestroy();
  void SaveSettings();
  void ShowByHotKey();
  void HelpBtnClick();
  void FowardClick();
  void LDBtnClick();
  // Around every modal dialog: out of the topmost band, back on top after.
  void LeaveTopmost();
  void RestoreTopmost();

  // ZELKMouse_win.cpp: the mouse on the item area, dragging and the item hint.
  enum class TMouseButton { Left, Right, Middle };
  void AppliGridMouseDown(TMouseButton button, TPoint point);
  void PAriaMouseUp();
  void PAriaMouseMove(TPoint point);
  void PAriaDblClick();
  void PAriaDragDrop(TPoint point);
  void EndDrag(bool dropped);
  void RedrawPressedCell(bool released);
  void ShowItemHint(const std::wstring& text);
  void HideItemHint();
  void HintTmTimer();
  [[nodiscard]] int ItemAtPoint(TPoint point) const;

  // ZELKLaunch_win.cpp: starting and registering items.
  void RunItem();
  void DropFilesOnSheet(HDROP drop);

  // ZELKActivation_win.cpp: the mouse hook's notifications.
  void InstallMouseHook();
  void HandleHookMessage(WPARAM mouseMessage);
  void ShowByActivation();
  void HideByActivation();
  void DblTimerTimer();

  // ZELKCommands_win.cpp: sheet operations, item commands, system shortcuts.
  template <typename Dialog>
  auto WithDialog(Dialog&& dialog);
  void ATabMouseDown();
  void SheetCommand(int id);
  void K4Click();
  void ApplySheetList(const std::vector<std::wstring>& names, int current);
  void ItemCommand(int id);
  void EditItemText(bool display);
  void K1Click(int entry);
  void ToolBtnClick();
  void LoadQuickBarIcons();
  [[nodiscard]] int PressedSlot() const;
  [[nodiscard]] TShortcutShell ShortcutShell();

  // ZELKClock_win.cpp: the clock adjustment and NetTimer.
  void SetTimeServerHost();
  void NetTimerTimer();
  void ApplyNetTimer(TNetTimerChange change);

  // ZELKSheets_win.cpp.
  void AddSheetTabs();
  void ATabChange();
  void ATabDrawTab(const DRAWITEMSTRUCT& item);
  void LoadSheet();
  void BuildMoveToMenu();
  void SetTabFont();
  [[nodiscard]] std::wstring SheetName(int index) const;
  [[nodiscard]] std::wstring CurrentSheetName() const;
  [[nodiscard]] std::vector<std::wstring> SheetNames() const;

  // ZELKPaint_win.cpp.
  void SetItemAreaFont();
  void RepaintItemArea();
  void PaintBarChange(int request, int thumb);
  [[nodiscard]] TArrangeOptions ArrangeOptions() const;

  TProgramFiles files_;
  TFormServices services_;
  HWND handle_ = nullptr;  // owned by the system; destroyed with the window
  std::map<int, HWND> controls_;
  std::map<HWND, std::wstring> hints_;
  std::wstring statusHint_;
  HWND tooltip_ = nullptr;
  HMENU pop_ = nullptr;
  HMENU moveTo_ = nullptr;  // submenu of pop_, destroyed with it
  HMENU seetpop_ = nullptr;
  TQuickBarGlyphs glyphs_;  // outlives the quick bar's buttons, which show them
  int moveToCount_ = 0;
  HFONT formFont_ = nullptr;
  HFONT tabFont_ = nullptr;

  // The ready, shown and dialog-busy flags and the double-click guard.
  TDesktopActivation activation_;
  UINT hookMessage_ = 0;
  bool exiting_ = false;
  bool hotKeyRegistered_ = false;
  bool netTimerEnabled_ = false;
  TItemAreaMouse mouse_;
  bool dragging_ = false;
  TItemHint itemHint_;
  THintWatch hintWatch_;

  TSettings settings_;
  std::wstring timeServerHost_;  // from NTP; empty until an index names one
  TClockAdjuster clockAdjuster_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  TColor itemFontColor_ = clBlack;

  TAnsiCodec codec_;
  TWin32FileStore store_;
  TShellIconList icons_;
  TSheetFiles sheetFiles_;
  TCurrentSheet sheet_;
};
