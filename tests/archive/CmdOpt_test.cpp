#include <gtest/gtest.h>

#include "archive/ArchiverOptions.h"
#include "archive/CmdOpt.h"
#include "tests/archive/FakeSystem.h"
#include "tests/support/Cp932Codec.h"

TEST(CommandLineBuilder, NumbersAreWrittenFromZeroAndMinusOneMeansNotGiven) {
  TCmdOpt line;
  line.AddNumber(L"x", -1);
  line.AddNumber(L"a", 0);
  line.AddNumber(L"jso", 1);
  line.AddFlag(L"r", false);
  line.AddFlag(L"j", true);
  EXPECT_EQ(line.Text(), L" -a0 -jso1 -j");
}

TEST(CommandLineBuilder, EveryItemStartsWithOneBlankEvenWhenEmpty) {
  TCmdOpt line;
  line.Add(L"-+");
  line.Add(L"");
  EXPECT_EQ(line.Text(), L" -+ ");
}

TEST(CommandLineBuilder, NamedTextWithEmptyValueWritesNothingAtAll) {
  TCmdOpt line;
  line.AddQuoted(L"jo", L"");
  line.AddDir(L"w", L"");
  line.AddFile(L"jx", L"");
  EXPECT_EQ(line.Text(), L"");
}

TEST(CommandLineBuilder, SwitchStandsInsideTheQuotesOrBeforeTheQuotedValue) {
  TCmdOpt inside;
  inside.AddQuoted(L"x", L"C:\\A B");
  inside.AddQuoted(L"", L"C:\\A B");
  inside.AddQuoted(L" --name=", L"v");
  EXPECT_EQ(inside.Text(), L" \"-xC:\\A B\" \"C:\\A B\" \"--name=v\"");

  TCmdOpt separate;
  separate.SeparateValue = true;
  separate.AddQuoted(L"x", L"C:\\A B");
  EXPECT_EQ(separate.Text(), L" -x \"C:\\A B\"");
}

TEST(CommandLineBuilder, FolderGetsExactlyOneTrailingBackslash) {
  TCmdOpt line;
  line.AddDir(L"", L"C:\\");
  line.AddDir(L"", L"C:\\Work");
  line.AddDir(L"o", L"D:\\Out\\");
  EXPECT_EQ(line.Text(), L" \"C:\\\" \"C:\\Work\\\" \"-oD:\\Out\\\"");
}

TEST(CommandLineBuilder, FileNamesPassTheNameFilterAndEmptyNamesAreDropped) {
  TCmdOpt line;
  line.NameFilter = [](std::wstring_view name) { return L"<" + std::wstring(name) + L">"; };
  const wchar_t* const array[] = {L"c.txt", L"", L"d.txt", nullptr};
  const int count =
      line.AddFiles(L"", TFileList{L"a.txt", L"", std::vector<std::wstring>{L"b.txt", L""}, array});
  EXPECT_EQ(count, 4);
  EXPECT_EQ(line.Text(), L" \"<a.txt>\" \"<b.txt>\" \"<c.txt>\" \"<d.txt>\"");
}

TEST(CommandLineBuilder, ResponseFileHoldsOneQuotedNamePerCrLfLineAndTheLineOneAtItem) {
  TFakeArchiverSystem system;
  Cp932Codec codec;
  TCmdOpt line;
  line.Add(L"u");
  const int count = line.AddResponseFile(TFileList{L"a.txt", L"b c.txt", L"表.txt"},
                                         L"C:\\T\\list.rsp", codec, system);
  EXPECT_EQ(count, 3);
  const std::string expected = "\"a.txt\"\r\n\"b c.txt\"\r\n\"" + Sjis(L"表.txt") + "\"\r\n";
  const auto& bytes = system.Files.at(L"C:\\T\\list.rsp");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(line.Text(), L" u \"@C:\\T\\list.rsp\"");
}

TEST(ArchiverOptionsSet, ResetGivesDefaultsAndAssignCopiesEveryPropertyWithResFileUsage) {
  TArchiverOptions options;
  EXPECT_EQ(options.x, -1);
  EXPECT_EQ(options.gw, -1);
  EXPECT_EQ(options.PackFilter, pfComponent);
  EXPECT_EQ(options.ResFileUsage, (TResFileUsage{ruOnPack, ruOnUnpack, ruOnRemoveItem}));

  options.a = 1;
  options.w = L"C:\\Tmp";
  options.jo = L"20040101";
  options.jx = {L"*.bak", L"*.tmp"};
  options.gw = 0;
  options.UserOptions = L"-extra";
  options.UserFileList = L"more.txt";
  options.PackFilter = pfArchiver;
  options.ResFileName = L"C:\\list.rsp";
  options.ResFileUsage = {ruOnUpdate};

  TArchiverOptions copy;
  copy = options;
  EXPECT_EQ(copy, options);
  EXPECT_EQ(copy.ResFileUsage, TResFileUsage{ruOnUpdate});
  copy.ResFileUsage.Include(ruOnPack);
  EXPECT_NE(copy, options);

  options.Reset();
  EXPECT_EQ(options, TArchiverOptions{});
}
