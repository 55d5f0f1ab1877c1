#include "controls/SHBFFEX.h"

#include "base/text/Paths.h"

namespace {

// CSIDL values, in the order of the folder lists.
constexpr int kSpecialFolders[] = {
    0,   // desktop
    0,   // manual: the desktop when the path cannot be used
    17,  // My Computer
    16,  // desktop directory
    6,   // favourites
    2,   // programs menu
    8,   // recent documents
    9,   // send-to
    11,  // start menu
    7,   // startup
    21,  // templates
};

constexpr unsigned kBrowseFlags[] = {
    0x0002,  // BIF_DONTGOBELOWDOMAIN
    0x0008,  // BIF_RETURNFSANCESTORS
    0x0001,  // BIF_RETURNONLYFSDIRS
    0x0004,  // BIF_STATUSTEXT
    0x0004,  // BIF_STATUSTEXT
};

}  // namespace

int SpecialFolderOf(TRootFolder folder) { return kSpecialFolders[static_cast<int>(folder)]; }
int SpecialFolderOf(TSelectFolder folder) { return kSpecialFolders[static_cast<int>(folder)]; }

TBrowseFlags BrowseFlagsOf(TSHBrowseOptions options) {
  TBrowseFlags result;
  for (int index = 0; index < 5; ++index) {
    const auto option = static_cast<TSHBrowseOption>(index);
    if (!options.Has(option)) continue;
    result.Flags |= kBrowseFlags[index];
    if (option == TSHBrowseOption::sboStatusTextAndShowPath) {
      result.ShowPath = true;
      break;
    }
  }
  return result;
}

TPoint CentredPosition(const TRect& workArea, int width, int height) {
  // The work area's own left and top are not added: the browser sits where
  // it always sat, also beside a taskbar at the left or top.
  return {(workArea.Width() - width) / 2, (workArea.Height() - height) / 3};
}

std::vector<std::wstring> PathAndParents(std::wstring_view path) {
  std::vector<std::wstring> candidates;
  std::wstring current(path);
  while (!current.empty() && (candidates.empty() || candidates.back() != current)) {
    candidates.push_back(current);
    current = FolderOf(current);
  }
  return candidates;
}
