// The archiver layer against stand-in libraries loaded by the system loader,
// and the pack filter on real folders.

#include <gtest/gtest.h>

#include <windows.h>

#include "archive/ArchiveFile.h"
#include "archive/ArchiverErrors.h"
#include "archive/LHA32.h"
#include "archive/ProgressWindow_win.h"
#include "archive/ZIP32.h"
#include "tests/archive/ErrorMessage.h"
#include "tests/archive/StandIns_win.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

std::uint64_t Ticks(const FILETIME& time) {
  return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// A file written at the given local time.
void MakeFile(const std::wstring& path, WORD year, WORD month, WORD day, DWORD attributes = 0) {
  WriteBytes(path, Bytes("x"));
  SYSTEMTIME local{};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = 12;
  FILETIME localTime, time;
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &time);
  const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
  if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

// A base folder with a small tree and a component packing into an LZH.
struct PackOnDisk : ::testing::Test {
  PackOnDisk() {
    CreateDirectoryW(base.File(L"Docs").c_str(), nullptr);
    CreateDirectoryW(base.File(L"Docs\\Sub").c_str(), nullptr);
    CreateDirectoryW(base.File(L"Empty").c_str(), nullptr);
    MakeFile(base.File(L"a.txt"), 2003, 12, 31);
    MakeFile(base.File(L"Docs\\b.txt"), 2004, 1, 1);
    MakeFile(base.File(L"Docs\\A.doc"), 2004, 12, 31);
    MakeFile(base.File(L"Docs\\表.txt"), 2005, 1, 1);
    MakeFile(base.File(L"Docs\\hidden.txt"), 2004, 6, 1, FILE_ATTRIBUTE_HIDDEN);
    MakeFile(base.File(L"Docs\\system.txt"), 2004, 6, 1, FILE_ATTRIBUTE_SYSTEM);
    MakeFile(base.File(L"Docs\\Sub\\c.txt"), 2004, 7, 7);
    archive.SetFileName(base.File(L"TEMP.LZH"));
    archive.Options().x = 1;
    archive.Options().jso = 1;
    archive.SetOutputSize(8192);
  }

  std::string PackLine(const std::vector<std::string>& names) const {
    std::string line = "u -+ -p1 -x1 -jso1 \"" + Ansi(base.File(L"TEMP.LZH")) + "\" \"" +
                       Ansi(base.Path()) + "\\\"";
    for (const std::string& name : names) line += " \"" + name + "\"";
    return line;
  }

  TStandInLibraries standIns{{L"all\\UNLHA32.DLL"}};
  TTempFolder base;
  TWin32FileSearch search;
  FakeMessageBoxes boxes;
  TArchiveFile archive{standIns.libraries, search, TProgressWindow::Factory(boxes)};
};

}  // namespace

TEST(ArchiverLibraryOnWindows, MissingLibraryIsReportedWithDisplayAndFileName) {
  TStandInLibraries standIns({});
  TWin32FileSearch search;
  TArchiveFile archive(standIns.libraries, search);
  EXPECT_EQ(MessageOf([&] { archive.SetFileName(L"C:\\a.lzh"); }),
            L"LHA 形式書庫 を扱うには UNLHA32.DLL が 必要です。");
}

TEST(ArchiverLibraryOnWindows, MissingMandatoryEntryNamesTheLoadedFile) {
  TStandInLibraries standIns({L"nofindfirst\\UNLHA32.DLL"});
  TLha32 lha(standIns.libraries);
  TArchiveEntryRecord record;
  const std::wstring message = MessageOf([&] { lha.FindFirst(nullptr, L"*", record); });
  EXPECT_EQ(message,
            standIns.Folder() + L"\\UNLHA32.DLL に UnlhaFindFirst のエントリが見つかりません。");
}

TEST(ArchiverLibraryOnWindows, WithoutTimeEntriesTheRecordTimesAreTheDosTime) {
  TStandInLibraries standIns({L"notimes\\UNLHA32.DLL"});
  const WORD date = (24 << 9) | (7 << 5) | 14, time = (9 << 11) | (30 << 5) | 5;
  standIns.Answer(L"UNLHA32", L"DosDate", date);
  standIns.Answer(L"UNLHA32", L"DosTime", time);
  standIns.Answer(L"UNLHA32", L"Size", 1234);
  TLha32 lha(standIns.libraries);
  TArchiveEntryRecord record;
  ASSERT_EQ(lha.FindFirst(nullptr, L"*", record), 0);
  FILETIME expected;
  ASSERT_TRUE(DosDateTimeToFileTime(date, time, &expected));
  for (const std::size_t field : {TArchiveEntryRecord::kWriteTime, TArchiveEntryRecord::kAccessTime,
                                  TArchiveEntryRecord::kCreateTime}) {
    EXPECT_EQ(record.Read64(field), Ticks(expected)) << "field at " << field;
  }
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kOriginalSize), 1234u);
}

TEST(ArchiverLibraryOnWindows, WithTimeEntriesTheRecordTimesAreTheLibrarys) {
  TStandInLibraries standIns({L"all\\UNLHA32.DLL"});
  standIns.Answer(L"UNLHA32", L"Size", 5);
  TLha32 lha(standIns.libraries);
  TArchiveEntryRecord record;
  ASSERT_EQ(lha.FindFirst(nullptr, L"*", record), 0);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kWriteTime), 0x01D0000012345678u);
  EXPECT_EQ(record.Read64(TArchiveEntryRecord::kOriginalSize), 0x100000005u);
}

TEST(ArchiverLibraryOnWindows, LmZip32AloneServesExtractionUnderItsLowerCaseNames) {
  TStandInLibraries standIns({L"all\\LMZIP32.DLL"});
  TZip32 zip(standIns.libraries);
  std::string output(64, '\0');
  EXPECT_EQ(
      zip.Extract(
          {nullptr, L"C:\\In\\a.zip", TArchiverOptions{}, L"C:\\Out", {L"a.txt"}, false, output}),
      0);
  EXPECT_EQ(standIns.Commands(),
            std::vector<std::string>{"-x \"C:\\In\\a.zip\" \"C:\\Out\\\" \"a.txt\""});
  EXPECT_STREQ(output.c_str(), "ok");
}

TEST(ArchiverLibraryOnWindows, TheDropTargetLineReachesTheLibraryInTheAnsiCodePage) {
  TStandInLibraries standIns({L"all\\UNLHA32.DLL"});
  TWin32FileSearch search;
  TArchiveFile archive(standIns.libraries, search);
  archive.SetFileName(L"C:\\受信\\表.lzh");
  archive.Options().x = 1;
  archive.Options().jso = 1;
  archive.SetOutputSize(8192);
  EXPECT_EQ(archive.Extract(nullptr, nullptr, L"C:\\展開\\表\\", {}), 0);
  EXPECT_EQ(
      standIns.Commands(),
      std::vector<std::string>{Ansi(L"x -+ -x1 -jso1 \"C:\\受信\\表.lzh\" \"C:\\展開\\表\\\"")});
  EXPECT_EQ(standIns.Calls().front().Number, 8192);
}

TEST(ArchiverLibraryOnWindows, ExeAcceptedByZipAndLhaIsLha) {
  TStandInLibraries standIns({L"all\\UNLHA32.DLL", L"all\\UNZIP32.DLL", L"all\\TAR32.DLL"});
  const std::wstring exe = standIns.Folder() + L"\\setup.exe";
  WriteBytes(exe, Bytes("MZ"));
  standIns.Answer(L"UNZIP32", L"Check", 1);
  standIns.Answer(L"UNZIP32", L"Open", 1);
  TWin32FileSearch search;
  {
    TArchiveFile archive(standIns.libraries, search);
    archive.SetFileName(exe);
    EXPECT_EQ(archive.ArchiverType(), atZip);
  }
  standIns.Answer(L"UNLHA32", L"Check", 1);
  standIns.Answer(L"UNLHA32", L"Open", 1);
  TArchiveFile archive(standIns.libraries, search);
  archive.SetFileName(exe);
  EXPECT_EQ(archive.ArchiverType(), atLha);
}

TEST(ArchiverLibraryOnWindows, GcaHasNoFormat) {
  TStandInLibraries standIns({});
  TWin32FileSearch search;
  TArchiveFile archive(standIns.libraries, search);
  EXPECT_EQ(MessageOf([&] { archive.SetFileName(L"C:\\a.gca"); }),
            L"書庫の形式を特定できませんでした。");
}

TEST(ArchiverProgressOnWindows, LibraryMessagesReachOnProgressAndItsAbortStopsTheLibrary) {
  TStandInLibraries standIns({L"all\\UNLHA32.DLL"});
  standIns.Answer(L"UNLHA32", L"Progress", 1);
  TWin32FileSearch search;
  FakeMessageBoxes boxes;
  TArchiveFile archive(standIns.libraries, search, TProgressWindow::Factory(boxes));
  archive.SetFileName(L"C:\\a.lzh");
  std::vector<int> states;
  std::vector<std::string> names;
  bool abortInFile = false;
  archive.OnProgress = [&](TArchiveFile&, int state, void* info, bool& abort) {
    states.push_back(state);
    names.emplace_back(static_cast<const char*>(info) + 8);
    abort = abortInFile && state == 1;
  };
  EXPECT_EQ(archive.Extract(nullptr, nullptr, L"C:\\Out", {}), 0);
  EXPECT_EQ(states, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(names[1], "member.txt");
  EXPECT_EQ(standIns.Commands(), std::vector<std::string>{"x -+ -n1 \"C:\\a.lzh\" \"C:\\Out\\\""});

  states.clear();
  abortInFile = true;
  EXPECT_EQ(archive.Extract(nullptr, nullptr, L"C:\\Out", {}), 32800);
  EXPECT_EQ(states, (std::vector<int>{0, 1}));
  std::vector<std::string> owners;
  for (const TStandInCall& call : standIns.Calls()) {
    if (call.Entry.find("OwnerWindow") != std::string::npos) owners.push_back(call.Entry);
  }
  EXPECT_EQ(owners, (std::vector<std::string>{"SetOwnerWindowEx", "KillOwnerWindowEx",
                                              "SetOwnerWindowEx", "KillOwnerWindowEx"}));
}

TEST(ArchiverProgressOnWindows, AFailingHandlerIsShownThroughTheMessageBoxesAndStopsTheLibrary) {
  TStandInLibraries standIns({L"all\\UNLHA32.DLL"});
  standIns.Answer(L"UNLHA32", L"Progress", 1);
  TWin32FileSearch search;
  FakeMessageBoxes boxes;
  TArchiveFile archive(standIns.libraries, search, TProgressWindow::Factory(boxes));
  archive.SetFileName(L"C:\\a.lzh");
  archive.OnProgress = [](TArchiveFile&, int state, void*, bool&) {
    if (state == 1) throw EArchiver(L"展開先に書き込めません。");
  };
  EXPECT_EQ(archive.Extract(nullptr, nullptr, L"C:\\Out", {}), 32800);
  EXPECT_EQ(boxes.errors, std::vector<std::wstring>{L"展開先に書き込めません。"});
}

TEST_F(PackOnDisk, FolderEntryTakesItsVisibleFilesSortedAndNoSubfolders) {
  EXPECT_EQ(archive.Pack(nullptr, nullptr, base.Path(), {L"Docs\\*.*"}), 0);
  EXPECT_EQ(
      standIns.Commands(),
      std::vector<std::string>{PackLine({"Docs\\A.doc", "Docs\\b.txt", Ansi(L"Docs\\表.txt")})});
}

TEST_F(PackOnDisk, R2TakesTheWholeFolderTree) {
  archive.Options().r = 2;
  archive.Pack(nullptr, nullptr, base.Path(), {L"Docs"});
  EXPECT_EQ(standIns.Commands(),
            std::vector<std::string>{PackLine(
                {"Docs\\A.doc", "Docs\\b.txt", "Docs\\Sub\\c.txt", Ansi(L"Docs\\表.txt")})});
}

TEST_F(PackOnDisk, DateBoundsOf2004KeepOnlyThatYear) {
  archive.Options().r = 2;
  archive.Options().jo = L"20040101";
  archive.Options().job = L"20041231";
  archive.Pack(nullptr, nullptr, base.Path(), {});
  EXPECT_EQ(standIns.Commands(),
            std::vector<std::string>{PackLine({"Docs\\A.doc", "Docs\\b.txt", "Docs\\Sub\\c.txt"})});
}

TEST_F(PackOnDisk, AnEmptyListSendsNothingAndLeavesAZeroFirstCharacter) {
  EXPECT_EQ(archive.Pack(nullptr, nullptr, base.File(L"Empty"), {}), 0);
  EXPECT_EQ(archive.OutputBytes()[0], '\0');
  EXPECT_TRUE(standIns.Commands().empty());
}

TEST_F(PackOnDisk, AbortWhileChoosingFilesSendsNothingAndRestoresTheCurrentFolder) {
  const std::wstring before = search.CurrentFolder();
  int reports = 0;
  archive.OnProgress = [&](TArchiveFile&, int state, void*, bool& abort) {
    EXPECT_EQ(state, 2053);
    abort = ++reports == 2;
  };
  EXPECT_EQ(archive.Pack(nullptr, nullptr, base.Path(), {L"Docs\\*.*"}), 32800);
  EXPECT_EQ(reports, 2);
  EXPECT_TRUE(standIns.Commands().empty());
  EXPECT_EQ(search.CurrentFolder(), before);
}
