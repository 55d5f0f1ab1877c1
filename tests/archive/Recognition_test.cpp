#include <gtest/gtest.h>

#include "archive/Recognition.h"
#include "tests/archive/ArchiverWorld.h"

TEST(RecognitionByName, TheLastExtensionChoosesTheFormatInAnyCase) {
  ArchiverWorld world;
  const auto type = [&](const std::wstring& name) {
    return ArchiverTypeByName(name, true, world.libraries);
  };
  EXPECT_EQ(type(L"C:\\a.LZH"), atLha);
  EXPECT_EQ(type(L"C:\\a.lzh"), atLha);
  EXPECT_EQ(type(L"C:\\backup.2004\\a.tar.gz"), atTgz);
  EXPECT_EQ(type(L"lib.JAR"), atZip);
  EXPECT_EQ(type(L"x.Z"), atTgz);
  EXPECT_EQ(type(L"x.a"), atTar);
  EXPECT_EQ(type(L"x.bza"), atBga);
  EXPECT_EQ(type(L"x.7z"), at7z);
  EXPECT_EQ(type(L"x.gca"), atGCA);
  EXPECT_EQ(type(L"x.txt"), atNone);
  EXPECT_EQ(type(L"C:\\dir.lzh\\noextension"), atNone);
}

TEST(RecognitionByContent, TheLastAcceptingProbeWinsSoLhaBeatsZip) {
  ArchiverWorld world;
  world.loader.InstallAll();
  world.system.Files[L"C:\\In\\setup.exe"] = {0x4D, 0x5A};
  Fake().Answers[kUnzip32].Check = 1;
  Fake().Answers[kLmZip32].Opens = true;
  EXPECT_EQ(ArchiverTypeByName(L"C:\\In\\setup.exe", true, world.libraries), atZip);

  Fake().Answers[kUnlha32].Check = 1;
  Fake().Answers[kUnlha32].Opens = true;
  EXPECT_EQ(ArchiverTypeByName(L"C:\\In\\setup.exe", true, world.libraries), atLha);

  std::vector<std::string> checks;
  for (const TFakeCall& call : Fake().Calls) {
    if (call.Entry == "CheckArchive") checks.push_back(std::to_string(call.Number));
    if (call.Entry == "OpenArchive") {
      EXPECT_EQ(call.Number, 8388610);
    }
  }
  EXPECT_EQ(checks, (std::vector<std::string>{"24", "16", "24", "16"}));
}

TEST(RecognitionByContent, ProbesThatFailOrLackTheirLibraryAreSilent) {
  ArchiverWorld world;
  EXPECT_EQ(ArchiverTypeByName(L"C:\\setup.exe", true, world.libraries), atNone);
  world.loader.InstallAll();
  EXPECT_EQ(ArchiverTypeByContent(L"C:\\setup.exe", world.libraries), atNone);
}

TEST(RecognitionByContent, TarAnswersTheTypeOfItsArchives) {
  ArchiverWorld world;
  world.loader.Install(kTar32);
  for (const auto& [answer, expected] : std::vector<std::pair<int, TArchiverType>>{
           {1, atTar}, {2, atTgz}, {5, atTgz}, {6, atBZ2}, {7, atBZ2}, {8, atNone}, {0, atNone}}) {
    Fake().Answers[kTar32].ArchiveType = answer;
    EXPECT_EQ(ArchiverTypeByContent(L"C:\\a.exe", world.libraries), expected)
        << "TAR32 answered " << answer;
  }
}

TEST(RecognitionByContent, ZipBgaAndYz1NeedTheFileToExist) {
  ArchiverWorld world;
  world.loader.InstallAll();
  Fake().Answers[kBga32].Opens = true;
  EXPECT_EQ(ArchiverTypeByContent(L"C:\\a.exe", world.libraries), atNone);
  world.system.Files[L"C:\\a.exe"] = {};
  EXPECT_EQ(ArchiverTypeByContent(L"C:\\a.exe", world.libraries), atBga);
}
