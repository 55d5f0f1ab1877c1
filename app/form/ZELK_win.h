#pragma once
// The main window TZELKForm: composition and dispatch. It holds the sheet
// tabs, the item area and the quick bar as pieces of their own, and keeps
// what only the window can do: its lifecycle, the layout of the regions,
// activation, the hot key, the clock and the dispatch of commands. Its own
// handlers live in the ZELK*_win.cpp files of this folder.

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "ZelkVersion.h"
#include "app/find/FindField_win.h"
#include "app/form/FormControls_win.h"
#include "app/form/Layout.h"
#include "app/itemarea/ItemAreaWindow_win.h"
#include "app/quickbar/QuickBar_win.h"
#include "app/services/FormServices.h"
#include "app/settings/Settings.h"
#include "app/settings/WindowBounds.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/FileStore_win.h"
#include "app/sheets/IconList_win.h"
#include "app/sheettabs/SheetTabs_win.h"
#include "base/errors/ToldFailures.h"
#include "base/Scale.h"
#include "base/text/AnsiCodec_win.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

inline constexpr wchar_t kMainWindowClass[] = L"TZELKForm";
inline constexpr wchar_t kMainWindowCaption[] = L"ZELK Ver." ZELK_VERSION_TEXT;

// The dropped paths in drop order; releases the shell's drop handle.
[[nodiscard]] std::vector<std::wstring> TakeDroppedPaths(HDROP drop);

// Where the program's files lie: all beside the program.
struct TProgramFiles {
  std::wstring ProgramPath;
  [[nodiscard]] std::wstring Folder() const;
  [[nodiscard]] std::wstring SettingsFile() const;  // the program's path with ".ini"
  [[nodiscard]] std::wstring DataIni() const;
  [[nodiscard]] std::wstring HelpFile() const;
};

class TZELKForm : public TWindow, private IItemAreaEvents, private IClockUser {
 public:
  TZELKForm(TProgramFiles files, TFormServices services);
  ~TZELKForm() override;

  // Creates the window, owned by the application window, which runs FormCreate.
  [[nodiscard]] HWND Create(HINSTANCE instance, HWND applicationWindow);
  // The application message event: sees every message before it is
  // dispatched; true when it handled the message (files dropped on the tabs).
  bool ApplicationMessage(const MSG& message);

  [[nodiscard]] HWND Control(int id) const { return controls_.Control(id); }
  [[nodiscard]] const TSettings& Settings() const { return settings_; }
  [[nodiscard]] const TCurrentSheet& Sheet() const { return sheet_; }
  [[nodiscard]] const TIconCache& IconCache() const { return iconCache_; }
  [[nodiscard]] const TItemAreaWindow& PAria() const { return PAria_; }
  // The window's DPI as its parts are drawn at.
  [[nodiscard]] TScale Scale() const { return scale_; }
  [[nodiscard]] TItemAreaWindow& PAria() { return PAria_; }
  [[nodiscard]] bool Ready() const { return activation_.Ready(); }
  [[nodiscard]] bool Shown() const { return activation_.Shown(); }
  [[nodiscard]] bool DblTimerRunning() const { return activation_.DblTimerRunning(); }
  [[nodiscard]] UINT HookMessage() const { return hookMessage_; }
  [[nodiscard]] HMENU PopMenu() const { return pop_.Get(); }
  [[nodiscard]] bool NetTimerEnabled() const { return netTimerEnabled_; }
  [[nodiscard]] const std::wstring& TimeServerHost() const { return timeServerHost_; }

  // The exit and shutdown commands of the item popup menu.
  void KZELK1Click();
  void KWindows1Click();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReportFailure() noexcept override;

 private:
  bool HandleCommand(int id);
  void ShowStatusText(const std::wstring& text);

  // ZELKControls_win.cpp: the child windows and the popup menu.
  void CreateControls();
  void CreateToolBar();
  void CreateImageList1();
  void PlaceBarControls();
  void CreateTabArea();
  void CreatePopMenu();
  void LayoutRegions();

  // ZELKScale_win.cpp: the window moved to a monitor of another DPI.
  void FormDpiChanged(int dpi, const RECT& suggested);
  void ApplyScale(TScale scale);

  // ZELKLifecycle_win.cpp.
  void FormCreate();
  void ApplySettings();
  void ApplyColors();
  void FormShow();
  void FormResize();
  void FormClose();
  void FormDestroy();
  void SaveSettings();
  // The end of the Windows session saves what a close saves.
  void FormEndSession();
  void ShowByHotKey();
  void HelpBtnClick();
  void FowardClick();
  void LDBtnClick();
  // Around every modal dialog: out of the topmost band, back on top after.
  void LeaveTopmost();
  void RestoreTopmost();

  // ZELKWindowPlace_win.cpp: on a monitor's work area at every show, never
  // smaller than the parts need.
  void PlaceFromSettings();
  void KeepOnScreen();
  // With CURSOR_MONITOR, every activation brings the window to the monitor
  // under the mouse.
  void MoveToCursorMonitor();
  void SavePlace();
  void FormGetMinMaxInfo(MINMAXINFO& info) const;
  [[nodiscard]] TMinimumSizeParts MinimumSizeParts() const;
  // After a change of what the window must hold (tabs, fonts, bars): the
  // tabs in rows while these leave room for two rows of items on the
  // screen, else in one scrolling row; the window never smaller than its
  // minimum.
  void KeepMinimumSize();

  // ZELKLaunch_win.cpp: starting and registering items.
  void RunItem(int slot);
  void DropFilesOnSheet(const std::vector<std::wstring>& paths);
  void RegisterFilesClick();
  void RegisterFiles(const std::vector<std::wstring>& paths, int firstSlot);
  bool DropMessage(const MSG& message);

  // ZELKArchiveDrop_win.cpp: the extract and compress drop targets.
  void DropArchiveToExtract(const std::vector<std::wstring>& paths);
  void DropFilesToCompress(const std::vector<std::wstring>& paths);
  void RunArchiveWork(const std::function<void()>& work);

  // ZELKActivation_win.cpp: the mouse hook's notifications.
  void InstallMouseHook();
  void HandleHookMessage(WPARAM mouseMessage);
  void ShowByActivation();
  void HideByActivation();
  void DblTimerTimer();

  // ZELKItemCommands_win.cpp: the item popup menu and what the item area asks.
  void ItemCommand(int id);
  void EditItemText(bool display);
  void K1Click(int entry);
  void RunPressedItem() override;
  void PrepareItemMenu(bool onItem) override;
  void ShowItemMenu() override;
  void SheetChanged() override;

  // ZELKShortcuts_win.cpp: the system shortcuts of the quick bar, the folder
  // bar, the item popup menu and the toolbox.
  void ShortcutCommand(int id);
  void ToolBtnClick();
  [[nodiscard]] TShortcutShell ShortcutShell();

  // Runs one of the window's own modal dialogs and gives back its result.
  template <typename Dialog>
  auto WithDialog(Dialog&& dialog);

  // ZELKSheets_win.cpp: the sheet popup menu and the change of sheet.
  void SheetCommand(int id);
  void K4Click();
  void ApplySheetList(const std::vector<std::wstring>& names, int current);
  void ATabChange();
  void LoadSheet();
  // The icon cache announced finished look-ups.
  void IconsLookedUp();

  // ZELKSettingsDialog_win.cpp: the settings dialog 設定.
  void IE30Btn2Click();
  void ApplyDialogSettings();

  // ZELKKeys_win.cpp: the keyboard on the main window: moving over the
  // cells, the item keys, and finding items of every sheet by name.
  bool FormKeyDown(WPARAM key);
  void FormChar(wchar_t typed);
  void FormImeStartComposition();
  void FormImeEndComposition();
  bool FindKeyDown(WPARAM key);
  void OpenFind();
  void FindChange();
  void CloseFind();
  void RunFoundItem();
  void SwitchSheet(int step);
  void ShowSelectedItemMenu();
  void TrackItemMenu(POINT screen);

  // ZELKClock_win.cpp: the clock adjustment and NetTimer.
  void SetTimeServerHost();
  void NetTimerTimer();
  void ApplyNetTimer(TNetTimerChange change);
  bool ConfirmClock(const std::wstring& question) override;
  void ShowClockNote(const std::wstring& note) override;

  [[nodiscard]] TArrangeOptions ArrangeOptions() const;

  TProgramFiles files_;
  TFormServices services_;
  TFormControls controls_;
  std::wstring statusHint_;
  // A library is extracting or packing a drop.
  bool archiveWorking_ = false;
  TMenu pop_;
  HMENU moveTo_ = nullptr;  // submenu of pop_, destroyed with it
  TImageList imageList1_;   // the drop targets' pictures
  HWND separator_ = nullptr;  // not owned: a child of the tool bar
  TScale scale_;
  // The window is being moved to another monitor by the program itself,
  // at the size it computed for that monitor's DPI.
  bool placingOnMonitor_ = false;

  // The ready, shown and dialog-busy flags and the double-click guard.
  TDesktopActivation activation_;
  UINT hookMessage_ = 0;
  bool exiting_ = false;
  bool hotKeyRegistered_ = false;
  bool netTimerEnabled_ = false;

  TSettings settings_;
  TWindowPlace place_;
  std::wstring timeServerHost_;  // from NTP; empty until an index names one
  TClockAdjuster clockAdjuster_;

  TAnsiCodec codec_;
  TWin32FileStore store_;
  TToldFailures toldFailures_;  // of the settings saves
  TIconCache iconCache_;  // for every sheet and the find
  TSheetIcons icons_{iconCache_};
  TSheetFiles sheetFiles_;
  TCurrentSheet sheet_;

  TSheetTabs ATab_;
  TItemAreaWindow PAria_;
  TQuickBar quickBar_;
  TFindField findField_{iconCache_};
};

// Around each of the window's own modal dialogs: desktop clicks are ignored
// and the window leaves the topmost band, whatever way the dialog ends.
template <typename Dialog>
auto TZELKForm::WithDialog(Dialog&& dialog) {
  activation_.SetDialogBusy(true);
  LeaveTopmost();
  struct TRestore {
    TZELKForm& form;
    ~TRestore() {
      form.activation_.SetDialogBusy(false);
      form.RestoreTopmost();
    }
  } restore{*this};
  return dialog();
}
