#include <gtest/gtest.h>

#include "archive/ArchiverErrors.h"
#include "archive/EntryRecord.h"
#include "archive/PackDates.h"
#include "archive/PackFilter.h"
#include "tests/archive/FakeSystem.h"

namespace {

using Names = std::vector<std::wstring>;

struct PackFilterTree : ::testing::Test {
  PackFilterTree() {
    search.AddFile(L"C:\\Work\\a.txt", faArchive, LocalTicks(2004, 1, 1));
    search.AddFile(L"C:\\Work\\Docs\\b.txt", faArchive, LocalTicks(2003, 12, 31, 23, 59, 59));
    search.AddFile(L"C:\\Work\\Docs\\A.doc", faReadOnly, LocalTicks(2004, 12, 31, 23, 59, 59));
    search.AddFile(L"C:\\Work\\Docs\\hidden.txt", faHidden, LocalTicks(2004, 6, 1));
    search.AddFile(L"C:\\Work\\Docs\\system.sys", faSysFile, LocalTicks(2004, 6, 1));
    search.AddFile(L"C:\\Work\\Docs\\Long Name.txt", faArchive, LocalTicks(2005, 1, 1),
                   L"LONGNA~1.TXT");
    search.AddFile(L"C:\\Work\\Docs\\Sub\\c.txt", faArchive, LocalTicks(2004, 3, 3));
    search.AddFile(L"C:\\Work\\Docs\\Sub\\Deeper\\d.txt", faArchive, LocalTicks(2004, 3, 3));
    search.AddFile(L"C:\\Work\\Docs\\Sub\\a.bak", faArchive, LocalTicks(2004, 3, 3));
    search.SetCurrentFolder(L"C:\\Elsewhere\\");
  }
  void SetUp() override { search.FolderChanges.clear(); }

  TPackList Build(const TFileList& files, const std::wstring& base = L"C:\\Work\\") {
    return BuildPackList(base, files, options, search, {});
  }

  TFakeFileSearch search = [] {
    TFakeFileSearch tree;
    tree.AddFolder(L"C:\\Elsewhere");
    return tree;
  }();
  TArchiverOptions options;
};

}  // namespace

TEST_F(PackFilterTree, WildcardEntryTakesTheFolderFilesSortedWithoutHiddenSystemOrSubfolders) {
  EXPECT_EQ(Build({L"Docs\\*.*"}).Names,
            (Names{L"Docs\\A.doc", L"Docs\\b.txt", L"Docs\\Long Name.txt"}));
}

TEST_F(PackFilterTree, AttributeOptionATakesHiddenAndSystemFilesToo) {
  options.a = 1;
  EXPECT_EQ(Build({L"Docs\\*.*"}).Names, (Names{L"Docs\\A.doc", L"Docs\\b.txt", L"Docs\\hidden.txt",
                                                L"Docs\\Long Name.txt", L"Docs\\system.sys"}));
}

TEST_F(PackFilterTree, FolderEntryWithR2TakesTheWholeTree) {
  options.r = 2;
  EXPECT_EQ(Build({L"Docs"}).Names,
            (Names{L"Docs\\A.doc", L"Docs\\b.txt", L"Docs\\Long Name.txt", L"Docs\\Sub\\a.bak",
                   L"Docs\\Sub\\c.txt", L"Docs\\Sub\\Deeper\\d.txt"}));
}

TEST_F(PackFilterTree, R1SearchesTheMaskInEverySubfolder) {
  options.r = 1;
  EXPECT_EQ(Build({L"Docs\\*.txt"}).Names,
            (Names{L"Docs\\b.txt", L"Docs\\Long Name.txt", L"Docs\\Sub\\c.txt",
                   L"Docs\\Sub\\Deeper\\d.txt"}));
  options.r = 1;
  options.p = 1;
  EXPECT_EQ(Build({L"Docs\\b.txt"}).Names, Names{L"Docs\\b.txt"});
}

TEST_F(PackFilterTree, EmptyListTakesTheBaseFolderFilesAndDuplicatesCountOnce) {
  EXPECT_EQ(Build({}).Names, Names{L"a.txt"});
  EXPECT_EQ(Build({L"a.txt", L"A.TXT", L"Docs\\b.txt", L"docs\\B.TXT"}).Names,
            (Names{L"a.txt", L"Docs\\b.txt"}));
}

TEST_F(PackFilterTree, DateBoundsOf2004KeepTheWholeYearInclusive) {
  options.r = 2;
  options.jo = L"20040101";
  options.job = L"20041231";
  EXPECT_EQ(Build({L"."}).Names, (Names{L".\\a.txt", L".\\Docs\\A.doc", L".\\Docs\\Sub\\a.bak",
                                        L".\\Docs\\Sub\\c.txt", L".\\Docs\\Sub\\Deeper\\d.txt"}));
}

TEST_F(PackFilterTree, ExclusionPatternsRemoveTheirFilesAndShortNamesReplaceLongOnes) {
  options.r = 1;
  options.ji = 1;
  options.jx = {L"Docs\\b.txt", L"Docs\\Sub\\*.bak"};
  EXPECT_EQ(Build({L"Docs\\*.*"}).Names, (Names{L"Docs\\A.doc", L"Docs\\LONGNA~1.TXT",
                                                L"Docs\\Sub\\c.txt", L"Docs\\Sub\\Deeper\\d.txt"}));
}

TEST_F(PackFilterTree, AbsoluteEntriesBecomeRelativeWithJfMinus2) {
  options.jf = -2;
  EXPECT_EQ(Build({L"C:\\Work\\Docs\\b.txt", L"C:\\Work\\Docs\\Sub\\*.txt"}).Names,
            (Names{L"Docs\\b.txt", L"Docs\\Sub\\c.txt"}));
  EXPECT_EQ(RelativeName(L"C:\\Work\\Docs\\", L"C:\\Work\\a.txt"), L"..\\a.txt");
  EXPECT_EQ(RelativeName(L"C:\\Work\\", L"D:\\a.txt"), L"D:\\a.txt");
}

TEST_F(PackFilterTree, TheBaseFolderIsCurrentOnlyWhileTheListIsBuilt) {
  search.DriveFolders[L'C'] = L"C:\\Elsewhere";
  (void)Build({L"Docs\\*.*"});
  EXPECT_EQ(search.FolderChanges, (Names{L"C:\\Work\\", L"C:\\Elsewhere", L"C:\\Elsewhere\\"}));
  EXPECT_EQ(search.CurrentFolder(), L"C:\\Elsewhere\\");
  EXPECT_THROW((void)Build({L"x"}, L"C:\\Missing\\"), EInOutError);
  EXPECT_EQ(search.CurrentFolder(), L"C:\\Elsewhere\\");
}

TEST_F(PackFilterTree, OptionsAreLeftForTheLibraryToTakeTheListAsGiven) {
  options.r = 2;
  options.p = 0;
  options.jo = L"040101";
  options.job = L"041231";
  (void)Build({L"Docs"});
  EXPECT_EQ(options.r, -1);
  EXPECT_EQ(options.p, 1);
  EXPECT_EQ(options.jo, L"");
  EXPECT_EQ(options.job, L"");
}

TEST_F(PackFilterTree, ProgressHearsEveryNewNameAndCanAbort) {
  Names heard;
  const TPackList list = BuildPackList(L"C:\\Work\\", {L"Docs\\*.*", L"Docs\\b.txt"}, options,
                                       search, [&](const std::wstring& name) {
                                         heard.push_back(name);
                                         return false;
                                       });
  EXPECT_FALSE(list.Aborted);
  EXPECT_EQ(heard.size(), 3u);
  heard.clear();
  const TPackList aborted = BuildPackList(L"C:\\Work\\", {L"Docs\\*.*", L"a.txt"}, options, search,
                                          [&](const std::wstring& name) {
                                            heard.push_back(name);
                                            return true;
                                          });
  EXPECT_TRUE(aborted.Aborted);
  EXPECT_EQ(heard.size(), 1u);
}

TEST(PackDateBounds, TwoDigitYearsFallInTheFiftyYearWindowAroundTheCurrentYear) {
  const auto year = [](const std::wstring& text) {
    const std::int64_t seconds = *DateBound(text, L"000000", 2004);
    for (int y = 1900; y < 2100; ++y) {
      if (DaysSince1601(y + 1, 1, 1) * 86400 > seconds) return y;
    }
    return 0;
  };
  EXPECT_EQ(year(L"990101"), 1999);
  EXPECT_EQ(year(L"100101"), 2010);
  EXPECT_EQ(year(L"530101"), 2053);
  EXPECT_EQ(year(L"540101"), 1954);
  EXPECT_EQ(year(L"l20040101"), 2004);
}

TEST(PackDateBounds, TimeDefaultsAndOtherLengthsMeanNoBound) {
  const std::int64_t day = DaysSince1601(2004, 12, 31) * 86400;
  EXPECT_EQ(DateBound(L"20041231", L"235959", 2004), day + 86399);
  EXPECT_EQ(DateBound(L"041231120000", L"235959", 2004), day + 43200);
  EXPECT_EQ(DateBound(L"20041231063015", L"000000", 2004), day + 6 * 3600 + 30 * 60 + 15);
  EXPECT_EQ(DateBound(L"", L"000000", 2004), std::nullopt);
  EXPECT_EQ(DateBound(L"2004123", L"000000", 2004), std::nullopt);
}

TEST(PackDateBounds, DigitsThatFormNoDateAreAConversionError) {
  EXPECT_THROW((void)DateBound(L"20040230", L"000000", 2004), EConvertError);
  EXPECT_THROW((void)DateBound(L"20041301", L"000000", 2004), EConvertError);
  EXPECT_THROW((void)DateBound(L"2004010a", L"000000", 2004), EConvertError);
  EXPECT_THROW((void)DateBound(L"20040101246000", L"000000", 2004), EConvertError);
}
