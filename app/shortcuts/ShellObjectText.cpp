#include "app/shortcuts/ShellObjectText.h"

#include <algorithm>

#include "app/shortcuts/SystemShortcuts.h"
#include "base/text/Paths.h"

TShellObjectText SplitShellObjectText(std::wstring_view text) {
  TShellObjectText split{FolderOf(text), FileNameOf(text)};
  const auto special = std::ranges::find(kQuickBar, split.Name, &TQuickBarEntry::SpecialObject);
  if (special != kQuickBar.end()) {
    split.Folder.clear();
    split.SpecialFolder = special->Folder;
  }
  return split;
}
