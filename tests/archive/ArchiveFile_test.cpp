#include <gtest/gtest.h>

#include <cstring>

#include "archive/ArchiveFile.h"
#include "archive/ArchiverErrors.h"
#include "archive/LHA32.h"
#include "tests/archive/ArchiverWorld.h"
#include "tests/archive/ErrorMessage.h"

namespace {

TWindowHandle const kProgressWindow = reinterpret_cast<TWindowHandle>(0x77);

struct FakeProgressWindow : IProgressWindow {
  TWindowHandle Handle() const override { return kProgressWindow; }
};

struct ArchiveComponent : ::testing::Test {
  ArchiveComponent() {
    world.loader.InstallAll();
    search.AddFile(L"C:\\Work\\a.txt");
    search.AddFile(L"C:\\Work\\Docs\\c.txt");
    search.AddFile(L"C:\\Work\\Docs\\B.txt");
    search.AddFile(L"C:\\Work\\Docs\\Sub\\d.txt");
    search.AddFolder(L"C:\\Empty");
    archive.Options().x = 1;
    archive.Options().jso = 1;
    archive.SetOutputSize(8192);
  }

  ArchiverWorld world;
  TFakeFileSearch search;
  TProgressHandler windowHandler;
  TArchiveFile archive{world.libraries, search, [this](TProgressHandler handler) {
                         windowHandler = std::move(handler);
                         return std::make_unique<FakeProgressWindow>();
                       }};
};

}  // namespace

TEST_F(ArchiveComponent, FileNameChoosesTheFormatAndTypesWithoutAFormatAreRefused) {
  EXPECT_EQ(archive.ArchiverType(), atAutoDetect);
  archive.SetFileName(L"C:\\In\\a.LZH");
  EXPECT_EQ(archive.ArchiverType(), atLha);
  EXPECT_NE(dynamic_cast<TLha32*>(archive.Archiver()), nullptr);
  EXPECT_EQ(MessageOf([&] { archive.SetFileName(L"C:\\In\\a.gca"); }),
            L"書庫の形式を特定できませんでした。");
  EXPECT_EQ(archive.ArchiverType(), atLha);
  EXPECT_EQ(archive.FileName(), L"C:\\In\\a.LZH");
}

TEST_F(ArchiveComponent, ANameOfNoKnownFormatKeepsThePreviousFormatObject) {
  archive.SetFileName(L"C:\\In\\a.lzh");
  archive.SetFileName(L"C:\\In\\notes.txt");
  EXPECT_EQ(archive.ArchiverType(), atLha);
  archive.Extract(nullptr, nullptr, L"C:\\Out", {});
  EXPECT_EQ(world.Commands(),
            std::vector<std::string>{"x -+ -x1 -jso1 \"C:\\In\\notes.txt\" \"C:\\Out\\\""});

  TArchiveFile fresh(world.libraries, search);
  fresh.SetFileName(L"C:\\In\\noextension");
  EXPECT_EQ(MessageOf([&] { fresh.Extract(nullptr, nullptr, L"C:\\Out", {}); }),
            L"書庫の形式を判別できません。");
}

TEST_F(ArchiveComponent, AMissingLibraryLeavesTypeAndNameUnchanged) {
  world.loader.Uninstall(L"CAB32.DLL");
  EXPECT_EQ(MessageOf([&] { archive.SetFileName(L"C:\\a.cab"); }),
            L"CAB 形式書庫 を扱うには CAB32.DLL が 必要です。");
  EXPECT_EQ(archive.ArchiverType(), atAutoDetect);
  EXPECT_EQ(archive.FileName(), L"");
}

TEST_F(ArchiveComponent, ExtractSendsTheLineAndKeepsItAndTheLibraryMessages) {
  Fake().Answers[kUnlha32].Output = "展開しました";
  Fake().Answers[kUnlha32].Output = Sjis(L"展開しました");
  Fake().Answers[kUnlha32].CommandResult = 7;
  archive.SetFileName(L"C:\\In\\backup.2004.lzh");
  EXPECT_EQ(archive.Extract(nullptr, nullptr, L"C:\\Melt\\backup.2004\\", {}), 7);
  EXPECT_EQ(archive.LastCommandLine(),
            L"x -+ -x1 -jso1 \"C:\\In\\backup.2004.lzh\" \"C:\\Melt\\backup.2004\\\"");
  EXPECT_EQ(archive.OutputText(), L"展開しました");
  EXPECT_EQ(Fake().Calls.back().Number, 8192);
}

TEST_F(ArchiveComponent, PackSendsTheChosenFilesSortedForTheLibrary) {
  archive.SetFileName(L"C:\\Freeze\\TEMP.LZH");
  archive.Options().jx = {L"Docs\\c.txt"};
  EXPECT_EQ(archive.Pack(nullptr, nullptr, L"C:\\Work\\", {L"Docs\\*.*", L"a.txt"}), 0);
  EXPECT_EQ(world.Commands(),
            std::vector<std::string>{"u -+ -p1 -x1 -jso1 \"C:\\Freeze\\TEMP.LZH\" \"C:\\Work\\\" "
                                     "\"a.txt\" \"Docs\\B.txt\""});
  EXPECT_EQ(archive.Options().jx, std::vector<std::wstring>{L"Docs\\c.txt"});
  EXPECT_EQ(archive.Options().p, -1);
}

TEST_F(ArchiveComponent, AnEmptyPackListSendsNothingAndClearsTheMessages) {
  archive.SetFileName(L"C:\\Freeze\\TEMP.LZH");
  Fake().Answers[kUnlha32].Output = "old";
  archive.Extract(nullptr, nullptr, L"C:\\Out", {});
  ASSERT_EQ(archive.OutputText(), L"old");
  EXPECT_EQ(archive.Pack(nullptr, nullptr, L"C:\\Empty", {}), 0);
  EXPECT_EQ(archive.OutputBytes()[0], '\0');
  EXPECT_EQ(world.Commands().size(), 1u);
}

TEST_F(ArchiveComponent, AbortDuringTheFileChoiceReturns32800WithoutACommand) {
  archive.SetFileName(L"C:\\Freeze\\TEMP.LZH");
  std::vector<std::string> reported;
  archive.OnProgress = [&](TArchiveFile& sender, int state, void* info, bool& abort) {
    EXPECT_EQ(&sender, &archive);
    EXPECT_EQ(state, 2053);
    reported.emplace_back(static_cast<const char*>(info) + 8);
    abort = reported.size() == 2;
  };
  EXPECT_EQ(archive.Pack(nullptr, nullptr, L"C:\\Work", {L"Docs\\*.*", L"a.txt"}), 32800);
  EXPECT_EQ(reported, (std::vector<std::string>{"Docs\\B.txt", "Docs\\c.txt"}));
  EXPECT_TRUE(world.Commands().empty());
}

TEST_F(ArchiveComponent, ArchiverFilterPassesTheListAndOptionsUnchanged) {
  archive.SetFileName(L"C:\\Freeze\\TEMP.LZH");
  TArchiverOptions options;
  options.PackFilter = pfArchiver;
  options.r = 2;
  archive.Pack(nullptr, &options, L"C:\\Work", {L"Docs\\*.*"});
  EXPECT_EQ(
      world.Commands(),
      std::vector<std::string>{"u -+ -r2 \"C:\\Freeze\\TEMP.LZH\" \"C:\\Work\\\" \"Docs\\*.*\""});
}

TEST_F(ArchiveComponent, PackOnAnUndecidedTypeLooksAtTheContent) {
  archive.SetFileName(L"C:\\Freeze\\new.exe");
  EXPECT_EQ(archive.ArchiverType(), atAutoDetect);
  world.system.Files[L"C:\\Freeze\\new.exe"] = {0x4D, 0x5A};
  Fake().Answers[kUnlha32].Check = 1;
  Fake().Answers[kUnlha32].Opens = true;
  archive.Pack(nullptr, nullptr, L"C:\\Work", {L"a.txt"});
  EXPECT_EQ(archive.ArchiverType(), atLha);
  EXPECT_EQ(archive.LastCommandLine(),
            L"u -+ -p1 -x1 -jso1 \"C:\\Freeze\\new.exe\" \"C:\\Work\\\" \"a.txt\"");
}

TEST_F(ArchiveComponent, ProgressGoesThroughTheWindowWhileTheLibraryWorks) {
  archive.SetFileName(L"C:\\In\\a.lzh");
  std::vector<int> states;
  archive.OnProgress = [&](TArchiveFile&, int state, void*, bool& abort) {
    states.push_back(state);
    abort = state == 1;
  };
  archive.Extract(nullptr, nullptr, L"C:\\Out", {});
  EXPECT_EQ(archive.LastCommandLine(), L"x -+ -n1 -x1 -jso1 \"C:\\In\\a.lzh\" \"C:\\Out\\\"");
  std::vector<std::string> ownerCalls;
  for (const TFakeCall& call : Fake().Calls) {
    if (call.Entry.find("OwnerWindow") != std::string::npos) ownerCalls.push_back(call.Entry);
  }
  EXPECT_EQ(ownerCalls, (std::vector<std::string>{"SetOwnerWindowEx", "KillOwnerWindowEx"}));
  EXPECT_EQ(Fake().OwnerWindows[kUnlha32], nullptr);
  ASSERT_TRUE(windowHandler);
  EXPECT_FALSE(windowHandler(0, nullptr));
  EXPECT_TRUE(windowHandler(1, nullptr));
  EXPECT_EQ(states, (std::vector<int>{0, 1}));
}

TEST_F(ArchiveComponent, WithoutAProgressWindowTheOperationStillRuns) {
  TArchiveFile withoutWindow{world.libraries, search,
                             [](TProgressHandler) -> std::unique_ptr<IProgressWindow> {
                               throw EArchiver(L"進行状況のウィンドウを作成できませんでした。");
                             }};
  withoutWindow.SetFileName(L"C:\\In\\a.lzh");
  withoutWindow.OnProgress = [](TArchiveFile&, int, void*, bool&) {};
  EXPECT_EQ(withoutWindow.Extract(nullptr, nullptr, L"C:\\Out", {}), 0);
  EXPECT_EQ(withoutWindow.LastCommandLine(), L"x -+ \"C:\\In\\a.lzh\" \"C:\\Out\\\"");
}

TEST_F(ArchiveComponent, ResponseFilesAreUsedForTheOperationsOfResFileUsage) {
  archive.SetFileName(L"C:\\In\\a.lzh");
  archive.Options().ResFileName = L"C:\\T\\r.rsp";
  archive.Options().ResFileUsage.Exclude(ruOnUnpack);
  archive.Extract(nullptr, nullptr, L"C:\\Out", {L"m.txt"});
  EXPECT_EQ(archive.LastCommandLine(), L"x -+ -x1 -jso1 \"C:\\In\\a.lzh\" \"C:\\Out\\\" \"m.txt\"");
  archive.Pack(nullptr, nullptr, L"C:\\Work", {L"a.txt"});
  EXPECT_EQ(archive.LastCommandLine(),
            L"u -+ -p1 -x1 -jso1 \"C:\\In\\a.lzh\" \"C:\\Work\\\" \"@C:\\T\\r.rsp\"");
}

TEST_F(ArchiveComponent, OutputSizeSetsTheBufferAndAZeroFirstCharacter) {
  archive.SetOutputSize(4);
  EXPECT_EQ(archive.OutputSize(), 4u);
  EXPECT_EQ(archive.OutputBytes()[0], '\0');
  archive.SetOutputSize(0);
  EXPECT_EQ(archive.OutputText(), L"");
}
