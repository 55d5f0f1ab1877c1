#include <gtest/gtest.h>

#include "archive/ArchiverErrors.h"
#include "archive/BGA32.h"
#include "archive/CAB32.h"
#include "archive/LHA32.h"
#include "archive/RAR32.h"
#include "archive/SZIP32.h"
#include "archive/TAR32.h"
#include "archive/YZ132.h"
#include "archive/ZIP32.h"
#include "tests/archive/ArchiverWorld.h"
#include "tests/archive/ErrorMessage.h"

namespace {

// The options the drop targets set.
TArchiverOptions DropOptions() {
  TArchiverOptions options;
  options.x = 1;
  options.jso = 1;
  return options;
}

// The drop options after the pack filter has chosen the files.
TArchiverOptions FilteredPackOptions() {
  TArchiverOptions options = DropOptions();
  options.p = 1;
  return options;
}

struct Formats : ::testing::Test {
  Formats() { world.loader.InstallAll(); }

  template <typename Format>
  std::wstring ExtractLine(const TArchiverOptions& options, const std::wstring& archive) {
    Format format(world.libraries);
    format.Extract({nullptr, archive, options, L"C:\\Dest", {}, false, output});
    return format.LastCommandLine();
  }
  template <typename Format>
  std::wstring PackLine(const TArchiverOptions& options, const std::wstring& archive) {
    Format format(world.libraries);
    format.Pack({nullptr, archive, options, L"C:\\Work\\", TFileList{L"a.txt", L"Docs\\b c.txt"},
                 false, output});
    return format.LastCommandLine();
  }

  ArchiverWorld world;
  std::string output = std::string(64, '\0');
};

}  // namespace

TEST_F(Formats, LhaLinesForTheDropTargets) {
  EXPECT_EQ(ExtractLine<TLha32>(DropOptions(), L"C:\\In\\a.lzh"),
            L"x -+ -x1 -jso1 \"C:\\In\\a.lzh\" \"C:\\Dest\\\"");
  EXPECT_EQ(PackLine<TLha32>(FilteredPackOptions(), L"C:\\Out\\TEMP.LZH"),
            L"u -+ -p1 -x1 -jso1 \"C:\\Out\\TEMP.LZH\" \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
  EXPECT_EQ(world.Commands().back(),
            "u -+ -p1 -x1 -jso1 \"C:\\Out\\TEMP.LZH\" \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
}

TEST_F(Formats, LhaPackWithEveryOptionUnsetSendsOnlyWordArchiveFolderAndFiles) {
  EXPECT_EQ(PackLine<TLha32>(TArchiverOptions{}, L"C:\\a.lzh"),
            L"u -+ \"C:\\a.lzh\" \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
}

TEST_F(Formats, LhaWritesTheOptionsInTheirOrderWithQuotedTexts) {
  TArchiverOptions options;
  options.gw = 1;
  options.jx = {L"*.bak"};
  options.job = L"20041231";
  options.jo = L"20040101";
  options.w = L"C:\\Tmp";
  options.n = 0;
  options.a = 2;
  options.UserOptions = L"-extra";
  options.UserFileList = L"more.txt";
  EXPECT_EQ(ExtractLine<TLha32>(options, L"a.lzh"),
            L"x -+ -a2 -n0 \"-wC:\\Tmp\\\" \"-jo20040101\" \"-job20041231\" \"-jx*.bak\" -gw1 "
            L"-extra \"a.lzh\" \"C:\\Dest\\\" more.txt");
}

TEST_F(Formats, LhaAsksForNoDialogsWhileProgressGoesToAWindow) {
  TLha32 lha(world.libraries);
  lha.SetOwnerWindow(reinterpret_cast<TWindowHandle>(0x10), nullptr);
  lha.Extract({nullptr, L"a.lzh", TArchiverOptions{}, L"", {}, false, output});
  EXPECT_EQ(lha.LastCommandLine(), L"x -+ -n1 \"a.lzh\"");
  lha.KillOwnerWindow(reinterpret_cast<TWindowHandle>(0x10));
  lha.Delete({nullptr, L"a.lzh", TArchiverOptions{}, L"C:\\ignored", {L"m.txt"}, false, output});
  EXPECT_EQ(lha.LastCommandLine(), L"d -+ \"a.lzh\" \"m.txt\"");
}

TEST_F(Formats, ResponseFileReplacesTheNamesWhenTheOperationUsesOne) {
  TArchiverOptions options;
  options.ResFileName = L"C:\\T\\names.rsp";
  TLha32 lha(world.libraries);
  lha.Pack({nullptr, L"a.lzh", options, L"C:\\Work", TFileList{L"a.txt", L"b.txt"}, true, output});
  EXPECT_EQ(lha.LastCommandLine(), L"u -+ \"a.lzh\" \"C:\\Work\\\" \"@C:\\T\\names.rsp\"");
  const auto& bytes = world.system.Files.at(L"C:\\T\\names.rsp");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "\"a.txt\"\r\n\"b.txt\"\r\n");
}

TEST_F(Formats, ZipLinesForTheDropTargetsWithTheNameFilter) {
  EXPECT_EQ(ExtractLine<TZip32>(DropOptions(), L"C:\\a.zip"), L"-x \"C:\\a.zip\" \"C:\\Dest\\\"");
  TZip32 zip(world.libraries);
  zip.Pack({nullptr, L"C:\\a.zip", FilteredPackOptions(), L"C:\\Work\\",
            TFileList{L"Docs\\b.txt", L"-x.txt", L"[1].txt"}, false, output});
  EXPECT_EQ(zip.LastCommandLine(),
            L" -D \"C:\\a.zip\" \"C:\\Work\\\" \"Docs/b.txt\" \"[-]x.txt\" \"[[]1].txt\"");
}

TEST_F(Formats, ZipSwitchesFollowTheOptions) {
  TArchiverOptions options;
  options.a = 2;
  options.n = 1;
  options.r = 1;
  options.x = 0;
  options.jm = 9;
  options.gd = 1;
  options.c = 1;
  EXPECT_EQ(PackLine<TZip32>(options, L"a.zip"),
            L" -S -q -r -o -j -9 -J \"a.zip\" \"C:\\Work\\\" \"a.txt\" \"Docs/b c.txt\"");
  EXPECT_EQ(ExtractLine<TZip32>(options, L"a.zip"), L"-x -o --i -j \"a.zip\" \"C:\\Dest\\\"");
}

TEST_F(Formats, ZipPackThroughLmZip32ReplacesTheArchiveAndSkipsTheNameFilter) {
  world.loader.Uninstall(L"ZIP32J.DLL");
  world.system.Files[L"C:\\a.zip"] = {1, 2, 3};
  EXPECT_EQ(PackLine<TZip32>(DropOptions(), L"C:\\a.zip"),
            L"-ru \"C:\\a.zip\" \"a.txt\" \"Docs\\b c.txt\"");
  EXPECT_EQ(world.system.Removed, std::vector<std::wstring>{L"C:\\a.zip"});
}

TEST_F(Formats, ZipWithoutItsLibrariesIsRefusedWithTheirNames) {
  for (const wchar_t* name : {L"ZIP32J.DLL", L"LMZIP32.DLL", L"UNZIP32.DLL"}) {
    world.loader.Uninstall(name);
  }
  TZip32 zip(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              zip.Pack({nullptr, L"a.zip", TArchiverOptions{}, L"", {L"a"}, false, output});
            }),
            L"ZIP 形式書庫の作成には ZIP32J.DLL または LMZIP32.DLL が必要です。");
  EXPECT_EQ(MessageOf([&] {
              zip.Extract({nullptr, L"a.zip", TArchiverOptions{}, L"", {}, false, output});
            }),
            L"ZIP 形式書庫の解凍には UNZIP32.DLL または LMZIP32.DLL が必要です。");
}

TEST_F(Formats, CabExtractsTheFullPathAndPacksWithItsSwitches) {
  EXPECT_EQ(ExtractLine<TCab32>(DropOptions(), L"a.cab"), L"-x \"C:\\Work\\a.cab\" \"C:\\Dest\\\"");
  TArchiverOptions options = FilteredPackOptions();
  options.c = 1;
  options.r = 1;
  options.w = L"C:\\Tmp";
  options.ji = 1;
  EXPECT_EQ(
      PackLine<TCab32>(options, L"C:\\a.cab"),
      L"-a -o -r \"-hC:\\Tmp\\\" -q \"C:\\a.cab\" \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
}

TEST_F(Formats, TarFamilyPutsSwitchesBeforeQuotedValuesAndAddsItsCompression) {
  EXPECT_EQ(ExtractLine<TTgz32>(DropOptions(), L"C:\\a.tgz"),
            L"x --use-directory=1 -z -f \"C:\\a.tgz\" -o \"C:\\Dest\\\"");
  EXPECT_EQ(ExtractLine<TBZ232>(DropOptions(), L"C:\\a.bz2"),
            L"x --use-directory=1 -B -f \"C:\\a.bz2\" -o \"C:\\Dest\\\"");
  TArchiverOptions options = FilteredPackOptions();
  options.a = 0;
  options.n = 1;
  options.o = 1;
  options.jm = 9;
  EXPECT_EQ(PackLine<TTgz32>(options, L"a.tgz"),
            L"c -I --display-dialog=0 -g --check-all-path=1 --use-directory=1 -z9 -f \"a.tgz\" "
            L"-o \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
  EXPECT_EQ(PackLine<TTar32>(TArchiverOptions{}, L"a.tar"),
            L"c -f \"a.tar\" -o \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
}

TEST_F(Formats, RarChoosesTheWordByX) {
  EXPECT_EQ(ExtractLine<TRar32>(DropOptions(), L"a.rar"), L"-x -u \"a.rar\" \"C:\\Dest\\\"");
  TArchiverOptions flat;
  flat.x = 0;
  flat.c = 1;
  flat.m = 1;
  flat.p = 1;
  EXPECT_EQ(ExtractLine<TRar32>(flat, L"a.rar"), L"-e -y -s \"a.rar\" \"C:\\Dest\\\"");
}

TEST_F(Formats, BgaSwitches) {
  EXPECT_EQ(ExtractLine<TBGA32>(DropOptions(), L"a.gza"), L"x -n \"a.gza\" \"C:\\Dest\\\"");
  TArchiverOptions options;
  options.a = 1;
  options.c = 1;
  options.n = 1;
  options.r = 1;
  options.jm = 5;
  EXPECT_EQ(PackLine<TBGA32>(options, L"a.gza"),
            L"a -a -o -i -r -j -l5 \"a.gza\" \"C:\\Work\\\" \"a.txt\" \"Docs\\b c.txt\"");
}

TEST_F(Formats, Yz1MapsMToTheYSwitchAndForcesCWithIt) {
  EXPECT_EQ(ExtractLine<TYZ1>(DropOptions(), L"a.yz1"), L"x -+ -x1 \"a.yz1\" \"C:\\Dest\\\"");
  TArchiverOptions options;
  options.c = 1;
  for (const auto& [m, expected] : std::vector<std::pair<int, std::wstring>>{{0, L"x -+ -y2 -c2"},
                                                                             {1, L"x -+ -y1 -c1"},
                                                                             {2, L"x -+ -y2 -c2"},
                                                                             {9, L"x -+ -y0 -c1"},
                                                                             {5, L"x -+ -c1"}}) {
    options.m = static_cast<std::int8_t>(m);
    EXPECT_EQ(ExtractLine<TYZ1>(options, L"a.yz1"), expected + L" \"a.yz1\" \"C:\\Dest\\\"")
        << "m = " << m;
  }
}

TEST_F(Formats, SevenZipWritesTheOutputFolderAsSwitchBeforeTheArchive) {
  EXPECT_EQ(ExtractLine<TSevenZip32>(DropOptions(), L"a.7z"),
            L"x -ms=off \"-oC:\\Dest\\\" \"a.7z\"");
  TArchiverOptions options;
  options.x = 0;
  options.c = 1;
  options.r = 0;
  options.y = 1;
  options.n = 1;
  options.jx = {L"*.bak"};
  EXPECT_EQ(ExtractLine<TSevenZip32>(options, L"a.7z"),
            L"e -aoa -ms=off -hide -r- -y \"-x!*.bak\" \"-oC:\\Dest\\\" \"a.7z\"");
  options.m = 2;
  options.r = 2;
  EXPECT_EQ(ExtractLine<TSevenZip32>(options, L"a.7z").substr(0, 18), L"e -aou -ms=off -hi");
}

TEST_F(Formats, ChecksPassTheModesAsEachLibraryTakesThem) {
  TLha32 lha(world.libraries);
  TZip32 zip(world.libraries);
  TBGA32 bga(world.libraries);
  lha.CheckArchive(L"a.lzh", 1, 16);
  zip.CheckArchive(L"a.zip", 1, 16);
  bga.CheckArchive(L"a.gza", 2, 0);
  std::vector<int> modes;
  for (const TFakeCall& call : Fake().Calls) modes.push_back(call.Number);
  EXPECT_EQ(modes, (std::vector<int>{17, 1, 1}));
}

TEST_F(Formats, ArjExtractsThroughItsOwnLibraryWithTheLhaLine) {
  TArj32 arj(world.libraries);
  arj.Extract({nullptr, L"a.arj", DropOptions(), L"C:\\Dest", {}, false, output});
  ASSERT_EQ(Fake().Calls.size(), 1u);
  EXPECT_EQ(Fake().Calls[0].Library, kUnarj32J);
  EXPECT_EQ(Fake().Calls[0].Text, "x -+ -x1 -jso1 \"a.arj\" \"C:\\Dest\\\"");
}

TEST_F(Formats, MemoryExtractionSendsTheMemberAsTheOnlyFile) {
  TLha32 lha(world.libraries);
  std::uint8_t buffer[16];
  std::uint32_t written = 99;
  lha.ExtractToMemory(nullptr, L"a.lzh", DropOptions(), L"readme.txt", buffer, 16, written);
  EXPECT_EQ(lha.LastCommandLine(), L" -+ -x1 -jso1 \"a.lzh\" \"readme.txt\"");
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(Fake().Calls.back().Entry, "ExtractMem");
}

TEST_F(Formats, Yz1SelfExtractorIsStubArchiveAndBigEndianSize) {
  world.system.Files[L"C:\\WINDOWS\\yzdos16.sfx"] = {0xAA, 0xBB};
  world.system.Files[L"C:\\In\\a.yz1"] = std::vector<std::uint8_t>(0x0102, 0x11);
  TYZ1 yz1(world.libraries);
  EXPECT_EQ(
      yz1.MakeSfx({nullptr, L"C:\\In\\a.yz1", TArchiverOptions{}, L"C:\\Out", {}, false, output}),
      0);
  std::vector<std::uint8_t> expected = {0xAA, 0xBB};
  expected.insert(expected.end(), 0x0102, 0x11);
  expected.insert(expected.end(), {0x00, 0x00, 0x01, 0x02});
  EXPECT_EQ(world.system.Files.at(L"C:\\Out\\a.exe"), expected);
  EXPECT_TRUE(world.Commands().empty());
}

TEST_F(Formats, SelfExtractorsReportTheirMissingFiles) {
  std::string out;
  TZip32 zip(world.libraries);
  TArchiverOptions windows;
  windows.gw = 1;
  EXPECT_EQ(MessageOf([&] {
              zip.MakeSfx({nullptr, L"a.zip", windows, L"", {}, false, out});
            }),
            L"zip 書庫からのWin32自己解凍書庫の作成には 'sfx32gui.dat' ファイルが必要です。");
  TYZ1 yz1(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              yz1.MakeSfx({nullptr, L"a.yz1", windows, L"", {}, false, out});
            }),
            L"yz1 書庫からのWin32自己解凍書庫の作成には yzw32cui.sfx か yzdec.exe が必要です。");
  TTar32 tar(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              tar.MakeSfx({nullptr, L"a.tar", TArchiverOptions{}, L"", {}, false, out});
            }),
            L"tar/tgz 書庫からの自己解凍書庫の作成には 'kmtarsef.exe' ファイルが必要です。");
  TBZ232 bz2(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              bz2.MakeSfx({nullptr, L"a.bz2", TArchiverOptions{}, L"", {}, false, out});
            }),
            L"BZ2 形式書庫は自己解凍形式にできません。");
  TSevenZip32 sevenZip(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              sevenZip.MakeSfx({nullptr, L"a.7z", TArchiverOptions{}, L"", {}, false, out});
            }),
            L"16bit SFX を作成することはできません。");
  world.libraries.Free(TLibrary::Zip);
  world.loader.Uninstall(L"ZIP32J.DLL");
  TZip32 zipWithoutZip32J(world.libraries);
  EXPECT_EQ(MessageOf([&] {
              zipWithoutZip32J.MakeSfx({nullptr, L"a.zip", windows, L"", {}, false, out});
            }),
            L"zip 書庫からの自己解凍書庫の作成には 'ZIP32J.DLL' ファイルが必要です。");
}

TEST_F(Formats, ZipSelfExtractorIsWrittenThenCompletedByTheLibrary) {
  world.system.Files[L"C:\\WINDOWS\\sfx16.dat"] = {0x4D, 0x5A};
  world.system.Files[L"C:\\My Files\\a.zip"] = {0x50, 0x4B};
  TZip32 zip(world.libraries);
  zip.MakeSfx({nullptr, L"C:\\My Files\\a.zip", TArchiverOptions{}, L"", {}, false, output});
  EXPECT_EQ(world.system.Files.at(L"C:\\My Files\\a.EXE"),
            (std::vector<std::uint8_t>{0x4D, 0x5A, 0x50, 0x4B}));
  EXPECT_EQ(world.Commands(), std::vector<std::string>{"-A \"C:\\My Files\\a.EXE\""});
}

TEST_F(Formats, SevenZipFindsItsStubInTheInstallFolderFirst) {
  world.system.SevenZip = L"C:\\Program Files\\7-Zip";
  world.system.Files[L"C:\\Program Files\\7-Zip\\7z.sfx"] = {1};
  world.system.Files[L"C:\\WINDOWS\\7z.sfx"] = {2};
  world.system.Files[L"C:\\a.7z"] = {3};
  TArchiverOptions options;
  options.gw = 1;
  TSevenZip32 sevenZip(world.libraries);
  sevenZip.MakeSfx({nullptr, L"C:\\a.7z", options, L"", {}, false, output});
  EXPECT_EQ(world.system.Files.at(L"C:\\a.exe"), (std::vector<std::uint8_t>{1, 3}));
}
