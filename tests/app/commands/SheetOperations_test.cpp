#include <gtest/gtest.h>

#include "app/commands/SheetOperations.h"
#include "app/commands/SortModel.h"
#include "base/errors/Errors.h"
#include "tests/app/commands/SheetFixture.h"

namespace {

const std::vector<std::wstring> kFive = {L"一般", L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ"};

// The message a refused name raises; empty when it was accepted.
std::wstring RefusalOf(const std::wstring& text, const std::vector<std::wstring>& names = kFive) {
  TSheetList sheets{names, 0};
  try {
    CreateSheet(sheets, text, Cp932Codec());
  } catch (const EZelkError& error) {
    EXPECT_EQ(sheets.Names, names) << "a refused name must not be added";
    return error.Message();
  }
  return {};
}

std::vector<std::wstring> Names(const std::vector<TSortEntry>& entries) {
  std::vector<std::wstring> names;
  for (const auto& entry : entries) names.push_back(entry.Name);
  return names;
}

}  // namespace

TEST(SheetOperations, CreateAppendsTheSheetAndKeepsTheCurrentOne) {
  TSheetList sheets{kFive, 2};
  EXPECT_TRUE(CreateSheet(sheets, L"  仕事 ", Cp932Codec()));
  EXPECT_EQ(sheets.Names.back(), L"仕事") << "blanks around the name are dropped";
  EXPECT_EQ(sheets.Names.size(), 6u);
  EXPECT_EQ(sheets.Current, 2);
  EXPECT_FALSE(CreateSheet(sheets, L"", Cp932Codec())) << "an empty text is like Cancel";
  EXPECT_EQ(sheets.Names.size(), 6u);
}

TEST(SheetOperations, FiftySecondSheetIsRefused) {
  TSheetList sheets;
  for (int i = 0; i < 51; ++i) sheets.Names.push_back(L"S" + std::to_wstring(i));
  try {
    CreateSheet(sheets, L"もう一枚", Cp932Codec());
    FAIL() << "a 52nd sheet was created";
  } catch (const EZelkError& error) {
    EXPECT_EQ(error.Message(), L"シートは 51 枚までしか作れません。");
  }
  EXPECT_EQ(sheets.Names.size(), 51u);
}

TEST(SheetOperations, NamesThatCannotNameASheetOfTheirOwnAreRefusedWithTheirReason) {
  EXPECT_EQ(RefusalOf(L"仕事"), L"");
  EXPECT_NE(RefusalOf(L"   ").find(L"空白"), std::wstring::npos) << "got: " << RefusalOf(L"   ");
  // Windows takes names that differ only in case for one file.
  EXPECT_NE(RefusalOf(L"画像").find(L"既にあります"), std::wstring::npos);
  EXPECT_NE(RefusalOf(L"office").find(L"既にあります"), std::wstring::npos);
  EXPECT_NE(RefusalOf(L"ＯＦＦＩＣＥ", {L"ｏｆｆｉｃｅ"}).find(L"既にあります"),
            std::wstring::npos);
  for (const std::wstring escaping : {L"..\\..\\Windows", L"a/b", L"CON", L"..", L"x:y", L"a?"}) {
    EXPECT_NE(RefusalOf(escaping).find(L"ファイル名として使えません"), std::wstring::npos)
        << "name of " << escaping.size() << " characters was not refused as a file name";
  }
  // Hangul has no Shift-JIS form; 50 kanji are 100 bytes, one more than Group holds.
  EXPECT_NE(RefusalOf(L"한국").find(L"文字コード"), std::wstring::npos);
  EXPECT_NE(RefusalOf(std::wstring(50, L'漢')).find(L"99 バイト"), std::wstring::npos);
  EXPECT_EQ(RefusalOf(std::wstring(49, L'漢')), L"");
}

TEST(SheetOperations, RenameRenamesGroupsSavesUnderTheNewNameAndKeepsTheOldFile) {
  SheetFixture f;
  f.WriteSheet(L"OFFICE",
               {GroupItem(L"C:\\word.exe", 0, L"OFFICE"), GroupItem(L"C:\\moved.exe", 1, L"一般")});
  f.WriteSheet(L"一般", {GroupItem(L"C:\\a.exe", 0, L"一般")});
  TSheetList sheets{kFive, 1};
  f.current.Load(L"OFFICE", f.options);

  EXPECT_TRUE(RenameSheet(sheets, L"事務", f.current, f.files, f.options));
  EXPECT_EQ(sheets.Names[1], L"事務");
  EXPECT_EQ(f.current.Name(), L"事務");
  EXPECT_TRUE(f.store.Exists(L"C:\\ZELK\\Data\\OFFICE")) << "the old file stays";

  // Switch away and back: the items are there under the new name.
  f.current.Load(L"一般", f.options);
  f.current.Load(sheets.Names[1], f.options);
  ASSERT_EQ(f.current.Buffer().Count, 2);
  EXPECT_EQ(GroupOf(f.current.Buffer().Items[0]), L"事務");
  EXPECT_EQ(GroupOf(f.current.Buffer().Items[1]), L"一般") << "an item of another group keeps it";
}

TEST(SheetOperations, RenameToARefusedNameOrOneThatCannotBeSavedChangesNothing) {
  SheetFixture f;
  f.WriteSheet(L"OFFICE", {GroupItem(L"C:\\word.exe", 0, L"OFFICE")});
  TSheetList sheets{kFive, 1};
  f.current.Load(L"OFFICE", f.options);

  EXPECT_THROW(RenameSheet(sheets, L"画像", f.current, f.files, f.options), EZelkError);
  EXPECT_TRUE(RenameSheet(sheets, L"Office", f.current, f.files, f.options))
      << "a sheet may keep its own name in another case";
  f.store.failWrites = true;
  EXPECT_THROW(RenameSheet(sheets, L"事務", f.current, f.files, f.options), EInOutError);
  EXPECT_EQ(sheets.Names[1], L"Office");
  EXPECT_EQ(GroupOf(f.current.Buffer().Items[0]), L"Office");
  EXPECT_FALSE(RenameSheet(sheets, L"", f.current, f.files, f.options));
}

TEST(SheetOperations, RenameOntoTheKeptFileOfADeletedSheetIsRefusedAndOverwritesNothing) {
  SheetFixture f;
  f.WriteSheet(L"旧", {GroupItem(L"C:\\kept.exe", 0, L"旧")});  // a deleted sheet's file
  f.WriteSheet(L"OFFICE", {GroupItem(L"C:\\word.exe", 0, L"OFFICE")});
  const auto kept = f.store.files.at(L"C:\\ZELK\\Data\\旧");
  TSheetList sheets{kFive, 1};
  f.current.Load(L"OFFICE", f.options);

  try {
    RenameSheet(sheets, L"旧", f.current, f.files, f.options);
    FAIL() << "the rename must be refused";
  } catch (const EZelkError& error) {
    EXPECT_NE(error.Message().find(L"C:\\ZELK\\Data\\旧"), std::wstring::npos) << "names the file";
  }
  EXPECT_EQ(f.store.files.at(L"C:\\ZELK\\Data\\旧"), kept);
  EXPECT_EQ(sheets.Names[1], L"OFFICE");
  EXPECT_EQ(f.current.Name(), L"OFFICE");
}

TEST(SheetOperations, DeleteRemovesTheCurrentSheetAndRecreatingItBringsItsItemsBack) {
  SheetFixture f;
  f.WriteSheet(L"画像", {GroupItem(L"C:\\paint.exe", 0, L"画像")});
  TSheetList sheets{kFive, 2};

  EXPECT_EQ(DeleteSheetQuestion(L"画像"), L"画像シートを削除します。よろしいですか？");
  EXPECT_TRUE(DeleteSheet(sheets));
  EXPECT_EQ(sheets.Names, (std::vector<std::wstring>{L"一般", L"OFFICE", L"通信", L"ｹﾞｰﾑ"}));
  EXPECT_EQ(sheets.Current, 0) << "the first sheet becomes current";

  EXPECT_TRUE(CreateSheet(sheets, L"画像", Cp932Codec()));
  f.current.Load(sheets.Names.back(), f.options);
  EXPECT_EQ(f.current.Buffer().Count, 1);

  TSheetList single{{L"一般"}, 0};
  EXPECT_FALSE(DeleteSheet(single));
  EXPECT_EQ(single.Names.size(), 1u);
}

TEST(SortModel, MovesGiveTheOrderDBAC) {
  TSortModel model({L"A", L"B", L"C", L"D"});
  model.MoveRight();  // nothing selected: the last one, D
  EXPECT_EQ(Names(model.List1()), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_EQ(model.Selected1, 2) << "the old position is past the end: the last entry";
  model.Selected1 = 1;
  model.MoveRight();  // B
  EXPECT_EQ(Names(model.List2()), (std::vector<std::wstring>{L"D", L"B"}));
  EXPECT_EQ(model.Selected1, 1) << "the entry now at the old position, C";
  EXPECT_EQ(model.Accept(), (std::vector<int>{3, 1, 0, 2}));
}

TEST(SortModel, LeftMovesBackAndEmptyListsDoNothing) {
  TSortModel model({L"A", L"B"});
  model.MoveLeft();
  EXPECT_EQ(Names(model.List1()), (std::vector<std::wstring>{L"A", L"B"}));
  model.MoveRight();
  model.MoveRight();
  model.MoveRight();
  EXPECT_EQ(Names(model.List2()), (std::vector<std::wstring>{L"B", L"A"}));
  EXPECT_EQ(model.Selected1, -1);
  model.Selected2 = 0;
  model.MoveLeft();
  EXPECT_EQ(Names(model.List1()), (std::vector<std::wstring>{L"B"}));
  EXPECT_EQ(model.Selected2, 0);
  EXPECT_EQ(model.Accept(), (std::vector<int>{0, 1}));
}

TEST(SheetOperations, AfterAReorderTheSheetThatWasCurrentStaysCurrentAtItsNewPlace) {
  TSheetList sheets{{L"A", L"B", L"C", L"D"}, 0};
  ApplySheetOrder(sheets, {3, 1, 0, 2});
  EXPECT_EQ(sheets.Names, (std::vector<std::wstring>{L"D", L"B", L"A", L"C"}));
  EXPECT_EQ(sheets.Current, 2);
  EXPECT_EQ(sheets.Names[static_cast<std::size_t>(sheets.Current)], L"A");
}
