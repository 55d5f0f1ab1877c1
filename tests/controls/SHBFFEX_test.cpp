#include <gtest/gtest.h>

#include "controls/SHBFFEX.h"

TEST(SHBrowseForFolderEx, OptionsGiveTheBrowserFlagsInTheirOrder) {
  using enum TSHBrowseOption;
  const struct {
    TSHBrowseOptions options;
    unsigned flags;
    bool showPath;
  } cases[] = {
      {{sboReturnOnlyFSDirs}, 0x1, false},
      {{sboDontGoBelowDomain, sboReturnFSAncestors, sboStatusText}, 0xE, false},
      {{sboStatusTextAndShowPath}, 0x4, true},
      {{sboDontGoBelowDomain, sboReturnFSAncestors, sboReturnOnlyFSDirs, sboStatusTextAndShowPath,
        sboStatusText},
       0xF,
       true},
  };
  for (const auto& c : cases) {
    const TBrowseFlags flags = BrowseFlagsOf(c.options);
    EXPECT_EQ(flags.Flags, c.flags);
    EXPECT_EQ(flags.ShowPath, c.showPath);
  }
}

TEST(SHBrowseForFolderEx, ACentredBrowserCountsFromTheScreenOrigin) {
  EXPECT_EQ(CentredPosition({0, 0, 1024, 738}, 400, 300), (TPoint{312, 146}));
  EXPECT_EQ(CentredPosition({100, 30, 1124, 768}, 400, 300), (TPoint{312, 146}));
  EXPECT_EQ(CentredPosition({0, 0, 800, 600}, 900, 700), (TPoint{-50, -33}));
}

TEST(SHBrowseForFolderEx, AGoneFolderIsLookedForInItsParentsUpToTheRoot) {
  EXPECT_EQ(PathAndParents(L"C:\\ソフト\\表\\gone"),
            (std::vector<std::wstring>{L"C:\\ソフト\\表\\gone", L"C:\\ソフト\\表", L"C:\\ソフト",
                                       L"C:\\"}));
  EXPECT_EQ(PathAndParents(L"C:\\"), (std::vector<std::wstring>{L"C:\\"}));
  EXPECT_TRUE(PathAndParents(L"").empty());
}
