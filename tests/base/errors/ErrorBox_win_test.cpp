// The message the standard error box shows for a failure.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"

namespace {

template <typename Exception>
std::wstring MessageShownFor(const Exception& failure) {
  try {
    throw failure;
  } catch (...) {
    return CurrentExceptionMessage();
  }
}

}  // namespace

TEST(ErrorBoxMessage, JapaneseTextOfAnyFailureArrivesIntact) {
  EXPECT_EQ(MessageShownFor(EZelkError(L"書庫の形式を判別できません。")),
            L"書庫の形式を判別できません。");
  // what() in UTF-8, as the program's own sources write it.
  EXPECT_EQ(MessageShownFor(std::runtime_error("ファイル「表.txt」が見つかりません")),
            L"ファイル「表.txt」が見つかりません");
  // Bytes that are no UTF-8 come from the system in its ANSI code page: 表
  // (95 5C) and ソ (83 5C) in Shift-JIS, under which these tests run.
  EXPECT_EQ(MessageShownFor(std::runtime_error("\x95\x5C\x83\x5C")), L"表ソ");
  EXPECT_EQ(MessageShownFor(42), L"予期しないエラーが発生しました。");
}
