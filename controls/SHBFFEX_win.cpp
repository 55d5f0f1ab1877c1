#include "controls/SHBFFEX_win.h"

#include <array>
#include <utility>

#include "base/win32/Handles_win.h"

namespace {

// A path as an item of the shell, when it names a folder (or something with
// subfolders); none otherwise.
TItemIdList ParsedFolder(IShellFolder& desktop, HWND owner, const std::wstring& path) {
  std::wstring name = path;  // the call wants a writable string
  LPITEMIDLIST item = nullptr;
  ULONG attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
  if (FAILED(desktop.ParseDisplayName(owner, nullptr, name.data(), nullptr, &item, &attributes))) {
    return {};
  }
  TItemIdList owned(item);
  if ((attributes & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER)) == 0) return {};
  return owned;
}

TItemIdList SpecialFolderItem(HWND owner, int specialFolder) {
  LPITEMIDLIST item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, specialFolder, &item))) return {};
  return TItemIdList(item);
}

// The owner is disabled while the browser is shown and comes to the front
// afterwards, also when the browser call raises; a window that was disabled
// before (by a modal dialog of its own) stays so.
class TOwnerDisabled {
 public:
  explicit TOwnerDisabled(HWND owner) noexcept
      : owner_(owner), wasDisabled_(owner && EnableWindow(owner, FALSE)) {}
  ~TOwnerDisabled() {
    if (!owner_) return;
    EnableWindow(owner_, wasDisabled_ ? FALSE : TRUE);
    SetForegroundWindow(owner_);
  }
  TOwnerDisabled(const TOwnerDisabled&) = delete;
  TOwnerDisabled& operator=(const TOwnerDisabled&) = delete;

 private:
  HWND owner_;  // not owned
  bool wasDisabled_;
};

}  // namespace

TSHBrowseForFolderEx::TSHBrowseForFolderEx(HWND owner, IFolderBrowserDialog& dialog)
    : owner_(owner), dialog_(dialog) {}

IFolderBrowserDialog& TSHBrowseForFolderEx::RealDialog() {
  static TShellFolderBrowserDialog dialog;
  return dialog;
}

bool TSHBrowseForFolderEx::Execute() {
  folderPath_.clear();
  displayName_.clear();
  TComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Put())) || !desktop) return false;

  TItemIdList initial;
  if (SelectFolder == TSelectFolder::sfManual && !SelectFolderName.empty()) {
    // A folder that is gone opens the browser at its nearest existing parent.
    for (const std::wstring& candidate : PathAndParents(SelectFolderName)) {
      initial = ParsedFolder(*desktop.Get(), owner_, candidate);
      if (initial) break;
    }
  }
  if (!initial) initial = SpecialFolderItem(owner_, SpecialFolderOf(SelectFolder));

  TItemIdList root;
  if (RootFolder == TRootFolder::rfManual && !RootFolderName.empty()) {
    root = ParsedFolder(*desktop.Get(), owner_, RootFolderName);
  }
  if (!root) root = SpecialFolderItem(owner_, SpecialFolderOf(RootFolder));
  if (!root) return false;

  // MAX_PATH characters: what the wide browser writes at most.
  std::array<wchar_t, MAX_PATH> displayName{};
  const TBrowseFlags flags = BrowseFlagsOf(Options);
  showPath_ = flags.ShowPath;
  BROWSEINFOW info{};
  info.hwndOwner = owner_;
  info.pidlRoot = root.Get();
  info.pszDisplayName = displayName.data();
  info.lpszTitle = Caption.c_str();
  info.ulFlags = flags.Flags;
  info.lpfn = &BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);

  initialSelection_ = initial.Get();
  failure_ = nullptr;
  TItemIdList chosen;
  {
    const TOwnerDisabled ownerDisabled(owner_);
    try {
      chosen.Reset(dialog_.Browse(info));
    } catch (...) {
      initialSelection_ = nullptr;
      throw;
    }
  }
  initialSelection_ = nullptr;
  // A failure inside the browser's callback closed it; it is raised here,
  // outside the shell's call.
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  if (!chosen) return false;

  displayName_ = displayName.data();
  std::array<wchar_t, MAX_PATH> path{};
  if (SHGetPathFromIDListW(chosen.Get(), path.data())) folderPath_ = path.data();
  return true;
}

int CALLBACK TSHBrowseForFolderEx::BrowseCallback(HWND browser, UINT message, LPARAM lParam,
                                                  LPARAM data) noexcept {
  auto* self = reinterpret_cast<TSHBrowseForFolderEx*>(data);
  if (!self) return 0;
  try {
    self->BrowserMessage(browser, message, lParam);
  } catch (...) {
    if (!self->failure_) self->failure_ = std::current_exception();
    PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
  }
  return 0;
}

void TSHBrowseForFolderEx::BrowserMessage(HWND browser, UINT message, LPARAM lParam) {
  std::wstring pathText;
  std::wstring showText;
  TOKButtonState okButtonState = TOKButtonState::Unchanged;
  if (message == BFFM_INITIALIZED) {
    if (initialSelection_) {
      SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(initialSelection_));
    }
    Place(browser);
  } else if (message == BFFM_SELCHANGED) {
    std::array<wchar_t, MAX_PATH> path{};
    if (lParam && SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(lParam), path.data())) {
      pathText = path.data();
    }
    if (OnSelectionChanged) OnSelectionChanged(*this, browser, pathText, showText, okButtonState);
  }
  if (showPath_) showText = pathText;
  SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(showText.c_str()));
  if (okButtonState != TOKButtonState::Unchanged) {
    SendMessageW(browser, BFFM_ENABLEOK, 0, okButtonState == TOKButtonState::Enabled ? 1 : 0);
  }
}

void TSHBrowseForFolderEx::Place(HWND browser) const {
  if (ShowStyle == TShowStyle::ssCenterScreen) {
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
    RECT bounds{};
    GetWindowRect(browser, &bounds);
    const TPoint at = CentredPosition({work.left, work.top, work.right, work.bottom},
                                      bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(browser, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  } else if (ShowStyle == TShowStyle::ssClient && owner_ && IsWindow(owner_)) {
    POINT origin{0, 0};
    ClientToScreen(owner_, &origin);
    SetWindowPos(browser, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
}
