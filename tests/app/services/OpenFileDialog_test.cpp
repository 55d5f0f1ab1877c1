#include <gtest/gtest.h>

#include "app/services/OpenFileDialog.h"

TEST(OpenFileDialog, ChosenFilesAreTheFolderJoinedToEachNameOrTheOneWholePath) {
  using namespace std::string_literals;
  EXPECT_EQ(ChosenFiles(L"C:\\ソフト\0表.exe\0b.lnk\0\0\0"s),
            (std::vector<std::wstring>{L"C:\\ソフト\\表.exe", L"C:\\ソフト\\b.lnk"}));
  EXPECT_EQ(ChosenFiles(L"C:\\\0a.txt\0\0"s), std::vector<std::wstring>{L"C:\\a.txt"});
  EXPECT_EQ(ChosenFiles(L"C:\\x\\one.exe\0\0"s), std::vector<std::wstring>{L"C:\\x\\one.exe"});
  EXPECT_TRUE(ChosenFiles(L"\0\0"s).empty());
}
