#pragma once
// The decisions of the folder browse component TSHBrowseForFolderEx that
// need no shell: which special folder a choice names, which browser flags
// the options give, where a centred browser goes, and the candidates for an
// initial folder given by path.

#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "controls/EnumSet.h"

// One list of shell folders for the root and the initial selection.
enum class TRootFolder {
  rfDesktop,
  rfManual,
  rfDrives,
  rfDesktopDir,
  rfFavorites,
  rfPrograms,
  rfRecent,
  rfSendTo,
  rfStartMenu,
  rfStartup,
  rfTemplates,
};
enum class TSelectFolder {
  sfDesktop,
  sfManual,
  sfDrives,
  sfDesktopDir,
  sfFavorites,
  sfPrograms,
  sfRecent,
  sfSendTo,
  sfStartMenu,
  sfStartup,
  sfTemplates,
};

enum class TSHBrowseOption {
  sboDontGoBelowDomain,
  sboReturnFSAncestors,
  sboReturnOnlyFSDirs,
  sboStatusTextAndShowPath,  // the status line shows the selected path
  sboStatusText,
};
using TSHBrowseOptions = TEnumSet<TSHBrowseOption>;

enum class TShowStyle { ssNone, ssCenterScreen, ssClient };

// The special-folder identifier (CSIDL) of a choice; the manual choice
// stands for the desktop when its path cannot be used.
[[nodiscard]] int SpecialFolderOf(TRootFolder folder);
[[nodiscard]] int SpecialFolderOf(TSelectFolder folder);

struct TBrowseFlags {
  unsigned Flags = 0;     // BIF_ values
  bool ShowPath = false;  // the status line follows the selection
};
[[nodiscard]] TBrowseFlags BrowseFlagsOf(TSHBrowseOptions options);

// The top-left corner of a centred browser: a half of the free width, a
// third of the free height, counted from the screen origin.
[[nodiscard]] TPoint CentredPosition(const TRect& workArea, int width, int height);

// The path and its parent folders, nearest first, up to the drive's root:
// an initial folder that no longer exists opens at its nearest parent.
[[nodiscard]] std::vector<std::wstring> PathAndParents(std::wstring_view path);
