#include <gtest/gtest.h>

#include <algorithm>

#include "archive/ArchiverErrors.h"
#include "archive/LHA32.h"
#include "archive/YZ132.h"
#include "archive/ZIP32.h"
#include "tests/archive/ArchiverWorld.h"
#include "tests/archive/ErrorMessage.h"

namespace {

int Count(const std::vector<std::string>& lookUps, const std::string& lookUp) {
  return static_cast<int>(std::count(lookUps.begin(), lookUps.end(), lookUp));
}

}  // namespace

TEST(ArchiverLibrary, MissingLibraryFailsTheFormatAtConstruction) {
  ArchiverWorld world;
  EXPECT_EQ(MessageOf<ENoArchiverDLL>([&] { TLha32 lha(world.libraries); }),
            L"LHA 形式書庫 を扱うには UNLHA32.DLL が 必要です。");
}

TEST(ArchiverLibrary, MissingMandatoryEntryNamesTheModuleFileAndTheEntry) {
  ArchiverWorld world;
  world.loader.Install(kUnlha32, TFakeExports::WithoutFindFirst);
  TLha32 lha(world.libraries);
  TArchiveEntryRecord record;
  EXPECT_EQ(MessageOf<EEntryNotFound>([&] { lha.FindFirst(nullptr, L"*", record); }),
            L"C:\\WINDOWS\\UNLHA32.DLL に UnlhaFindFirst のエントリが見つかりません。");
}

TEST(ArchiverLibrary, EntriesAreLookedUpOnceUntilTheLibraryIsFreed) {
  ArchiverWorld world;
  world.loader.Install(kUnlha32);
  TLha32 first(world.libraries), second(world.libraries);
  std::string output(16, '\0');
  first.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, output});
  second.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, output});
  EXPECT_EQ(Count(world.loader.LookUps, "UNLHA32.DLL:Unlha"), 1);
  EXPECT_EQ(world.loader.Loads, std::vector<std::wstring>{L"UNLHA32.DLL"});

  first.FreeDLL();
  EXPECT_EQ(world.loader.Frees, std::vector<std::wstring>{L"UNLHA32.DLL"});
  second.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, output});
  EXPECT_EQ(Count(world.loader.LookUps, "UNLHA32.DLL:Unlha"), 2);
}

TEST(ArchiverLibrary, CommandPassesANullBufferWhenTheSizeIsZero) {
  ArchiverWorld world;
  world.loader.Install(kUnlha32);
  Fake().Answers[kUnlha32].Output = "done";
  TLha32 lha(world.libraries);
  std::string none;
  lha.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, none});
  std::string buffer(8, 'x');
  lha.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, buffer});
  ASSERT_EQ(Fake().Calls.size(), 2u);
  EXPECT_TRUE(Fake().Calls[0].NullBuffer);
  EXPECT_FALSE(Fake().Calls[1].NullBuffer);
  EXPECT_EQ(Fake().Calls[1].Number, 8);
  EXPECT_EQ(buffer.substr(0, 5), std::string("done\0", 5));
}

TEST(ArchiverLibrary, RecordTimesFallBackToTheDosTimeWithoutTimeEntries) {
  ArchiverWorld world;
  world.loader.Install(kUnlha32, TFakeExports::WithoutTimesAndSizes);
  TFakeAnswers& answers = Fake().Answers[kUnlha32];
  answers.DosDate = (24 << 9) | (2 << 5) | 29;    // 2004-02-29
  answers.DosTime = (13 << 11) | (45 << 5) | 15;  // 13:45:30
  answers.OriginalSize = 1000;
  answers.CompressedSize = 400;
  TLha32 lha(world.libraries);
  TArchiveEntryRecord record;
  ASSERT_EQ(lha.FindFirst(nullptr, L"*", record), 0);

  const std::uint64_t expected =
      static_cast<std::uint64_t>(DaysSince1601(2004, 2, 29) * 86400 + 13 * 3600 + 45 * 60 + 30) *
      10000000;
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kWriteTime), expected);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kAccessTime), expected);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kCreateTime), expected);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kOriginalSize), 1000u);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kCompressedSize), 400u);
}

TEST(ArchiverLibrary, RecordTimesAndSizesComeFromTheLibraryWhenItHasTheEntries) {
  ArchiverWorld world;
  world.loader.Install(kUnlha32);
  Fake().Answers[kUnlha32].WriteTime = 0x01C4000000000000;
  Fake().Answers[kUnlha32].OriginalSize64 = 5'000'000'000;
  TLha32 lha(world.libraries);
  TArchiveEntryRecord record;
  ASSERT_EQ(lha.FindFirst(nullptr, L"*", record), 0);
  ASSERT_EQ(lha.FindNext(nullptr, record), 0);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kWriteTime), 0x01C4000000000000u);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kOriginalSize), 5'000'000'000u);
}

TEST(ZipLibraries, WithLmZip32AloneEveryUnZipEntryIsLookedUpWithALowerCaseZ) {
  ArchiverWorld world;
  world.loader.Install(kLmZip32);
  TZip32 zip(world.libraries);
  std::string output(16, '\0');
  zip.Extract({nullptr, L"C:\\a.zip", TArchiverOptions{}, L"C:\\d", {}, false, output});
  zip.Pack({nullptr, L"C:\\a.zip", TArchiverOptions{}, L"C:\\w", {L"a.txt"}, false, output});
  TArchiveEntryRecord record;
  zip.OpenArchive(nullptr, L"C:\\a.zip", 0);
  zip.FindFirst(nullptr, L"*", record);
  const auto& lookUps = world.loader.LookUps;
  EXPECT_EQ(Count(lookUps, "LMZIP32.DLL:Unzip"), 1);
  EXPECT_EQ(Count(lookUps, "LMZIP32.DLL:Zip"), 1);
  EXPECT_EQ(Count(lookUps, "LMZIP32.DLL:UnzipOpenArchive"), 1);
  EXPECT_EQ(Count(lookUps, "LMZIP32.DLL:UnzipFindFirst"), 1);
  EXPECT_EQ(Count(lookUps, "LMZIP32.DLL:UnZipFindFirst"), 0);
}

TEST(ZipLibraries, EachEntryComesFromTheFirstLibraryOfItsOrder) {
  ArchiverWorld world;
  for (const TFakeLibrary library : {kUnzip32, kZip32J, kLmZip32}) world.loader.Install(library);
  TZip32 zip(world.libraries);
  std::string output(16, '\0');
  zip.Extract({nullptr, L"C:\\a.zip", TArchiverOptions{}, L"C:\\d", {}, false, output});
  zip.Pack({nullptr, L"C:\\a.zip", TArchiverOptions{}, L"C:\\w", {L"a.txt"}, false, output});
  zip.CheckArchive(L"C:\\a.zip", 0, 0);
  TArchiveEntryRecord record;
  zip.FindFirst(nullptr, L"*", record);
  zip.SetOwnerWindow(reinterpret_cast<TWindowHandle>(1), nullptr);

  std::vector<TFakeLibrary> callers;
  for (const TFakeCall& call : Fake().Calls) callers.push_back(call.Library);
  EXPECT_EQ(callers, (std::vector<TFakeLibrary>{kUnzip32, kZip32J, kUnzip32, kLmZip32, kUnzip32}));
  EXPECT_EQ(Fake().Calls[1].Entry, "Command");
}

TEST(ZipLibraries, EntryMissingFromEveryLibraryIsReportedByName) {
  ArchiverWorld world;
  world.loader.Install(kUnzip32);
  TZip32 zip(world.libraries);
  std::string output;
  EXPECT_EQ(MessageOf<EEntryNotFound>([&] {
              zip.Delete({nullptr, L"C:\\a.zip", TArchiverOptions{}, L"", {L"a"}, false, output});
            }),
            L"Zip のエントリが DLL に見つかりませんでした。");
}

TEST(Yz1Library, YZ1DllStandsInWhenYYZ32IsMissingAndBothMissingIsReported) {
  ArchiverWorld world;
  EXPECT_EQ(MessageOf<EArchiver>([&] { TYZ1 yz1(world.libraries); }),
            L"Yz1 形式書庫を扱うには YYZ32.DLL か YZ1.DLL が必要です。");
  world.loader.Install(kYz1);
  TYZ1 yz1(world.libraries);
  std::string output;
  yz1.Extract({nullptr, L"a.yz1", TArchiverOptions{}, L"", {}, false, output});
  ASSERT_EQ(Fake().Calls.size(), 1u);
  EXPECT_EQ(Fake().Calls[0].Library, kYz1);
}

TEST(Yz1Library, ListingAsksForAPasswordAndTriesAtMostFourTimes) {
  ArchiverWorld world;
  world.loader.Install(kYyz32);
  TFakeAnswers& answers = Fake().Answers[kYyz32];
  answers.FindFirstResults = {32778, 32778, 32778, 32778, 32778};
  answers.PasswordAnswer = 1;
  TYZ1 yz1(world.libraries);
  TArchiveEntryRecord record;
  EXPECT_EQ(yz1.FindFirst(nullptr, L"*", record), 32778);
  int findFirst = 0, passwords = 0;
  for (const TFakeCall& call : Fake().Calls) {
    findFirst += call.Entry == "FindFirst";
    passwords += call.Entry == "SetDefaultPassword" && call.Text == "secret";
  }
  EXPECT_EQ(findFirst, 4);
  EXPECT_EQ(passwords, 3);
}

TEST(Yz1Library, ARefusedPasswordEndsTheRetriesWithTheLastResult) {
  ArchiverWorld world;
  world.loader.Install(kYyz32);
  Fake().Answers[kYyz32].FindFirstResults = {32778, 0};
  Fake().Answers[kYyz32].PasswordAnswer = -1;
  TYZ1 yz1(world.libraries);
  TArchiveEntryRecord record;
  EXPECT_EQ(yz1.FindFirst(nullptr, L"*", record), 32778);

  Fake().Answers[kYyz32].FindFirstResults = {32778, 0};
  Fake().Answers[kYyz32].PasswordAnswer = 0;
  EXPECT_EQ(yz1.FindFirst(nullptr, L"*", record), 0);
}

TEST(ArchiverFormatBase, OperationsAFormatLacksAreRefusedWithTheirTexts) {
  ArchiverWorld world;
  world.loader.Install(kUnarj32J);
  TArj32 arj(world.libraries);
  std::string output;
  EXPECT_EQ(MessageOf<EArchiver>([&] {
              arj.Pack({nullptr, L"a.arj", TArchiverOptions{}, L"", {}, false, output});
            }),
            L"この形式では書庫ファイルの作成をサポートしておりません。");
  EXPECT_EQ(MessageOf<EArchiver>([&] {
              arj.Delete({nullptr, L"a.arj", TArchiverOptions{}, L"", {}, false, output});
            }),
            L"この形式の書庫ではファイルの削除をサポートしておりません。");
  EXPECT_EQ(MessageOf<EArchiver>([&] {
              arj.Update({nullptr, L"a.arj", TArchiverOptions{}, L"", {}, false, output});
            }),
            L"この形式の書庫では書庫の更新をサポートしておりません。");
  EXPECT_EQ(MessageOf<EArchiver>([&] {
              arj.MakeSfx({nullptr, L"a.arj", TArchiverOptions{}, L"", {}, false, output});
            }),
            L"この形式では自己解凍書庫の作成をサポートしておりません。");
  std::uint32_t written = 0;
  EXPECT_EQ(MessageOf<EArchiver>(
                [&] { arj.ExtractToMemory(nullptr, L"a.arj", {}, L"m", nullptr, 0, written); }),
            L"この形式ではメモリへの展開をサポートしておりません。");
  EXPECT_TRUE(Fake().Calls.empty());
}
