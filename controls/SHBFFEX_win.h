#pragma once
// The folder browse component TSHBrowseForFolderEx: the shell's folder
// browser as a modal dialog, with a chosen root and initial folder (a
// special folder or a path), a caption, placement, and an event while the
// selection moves that sets the status line and the OK button.

#include <shlobj.h>
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "controls/SHBFFEX.h"

// The shell's browser call: the one step that shows a window, so that tests
// answer it.
class IFolderBrowserDialog {
 public:
  virtual ~IFolderBrowserDialog() = default;
  // The chosen item, allocated by the shell allocator; null when cancelled.
  virtual LPITEMIDLIST Browse(BROWSEINFOW& info) = 0;
};

class TShellFolderBrowserDialog : public IFolderBrowserDialog {
 public:
  LPITEMIDLIST Browse(BROWSEINFOW& info) override { return SHBrowseForFolderW(&info); }
};

class TSHBrowseForFolderEx;

// The OK button's state as the event leaves it.
enum class TOKButtonState { Unchanged = 0, Enabled = 1, Disabled = 2 };

// Sender, the browser's window, the new selection's path (empty when it has
// none), the status text (starts empty) and the OK button's state.
using TSHBrowseEvent =
    std::function<void(TSHBrowseForFolderEx& sender, HWND browser, const std::wstring& path,
                       std::wstring& showText, TOKButtonState& okButtonState)>;

class TSHBrowseForFolderEx {
 public:
  // The owner form: the browser's owner, disabled while it is shown, and the
  // origin of the ssClient placement. The dialog must outlive this object.
  explicit TSHBrowseForFolderEx(HWND owner, IFolderBrowserDialog& dialog = RealDialog());
  TSHBrowseForFolderEx(const TSHBrowseForFolderEx&) = delete;
  TSHBrowseForFolderEx& operator=(const TSHBrowseForFolderEx&) = delete;

  TRootFolder RootFolder = TRootFolder::rfDesktop;
  std::wstring RootFolderName;  // with rfManual
  TSelectFolder SelectFolder = TSelectFolder::sfDrives;
  std::wstring SelectFolderName;  // with sfManual
  std::wstring Caption;
  TSHBrowseOptions Options{TSHBrowseOption::sboReturnOnlyFSDirs};
  TShowStyle ShowStyle = TShowStyle::ssClient;
  TSHBrowseEvent OnSelectionChanged;

  // Shows the browser; true when the user confirmed a folder. A failure of
  // the shell gives false; FolderPath and DisplayName are empty then.
  bool Execute();
  [[nodiscard]] const std::wstring& FolderPath() const { return folderPath_; }
  [[nodiscard]] const std::wstring& DisplayName() const { return displayName_; }

 private:
  static IFolderBrowserDialog& RealDialog();
  static int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam,
                                     LPARAM data) noexcept;
  void BrowserMessage(HWND browser, UINT message, LPARAM lParam);
  void Place(HWND browser) const;

  HWND owner_;  // not owned
  IFolderBrowserDialog& dialog_;
  std::wstring folderPath_;
  std::wstring displayName_;
  // During Execute only.
  LPCITEMIDLIST initialSelection_ = nullptr;  // not owned: Execute holds it
  bool showPath_ = false;
  std::exception_ptr failure_;
};
