// The real message boxes' owner and the topmost band around them, through a
// stand-in for the system's box so that no test waits on a real one.

#include <gtest/gtest.h>

#include <windows.h>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"
#include "base/errors/MessageBoxes_win.h"
#include "base/win32/Handles_win.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

bool Topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

struct TBoxSeen {
  HWND owner = nullptr;
  UINT style = 0;
  bool ownerTopmost = false;
};

}  // namespace

TEST(MessageBoxes, ABoxIsOwnedByTheWindowWhichLeavesTheTopmostBandWhileItIsOpen) {
  TBoxSeen seen;
  TWin32MessageBoxes boxes([&](HWND owner, const std::wstring&, UINT style) {
    seen = {owner, style, owner && Topmost(owner)};
    return IDOK;
  });
  EXPECT_TRUE(boxes.Confirm(L"ＺＥＬＫを終了します。よろしいですか？"));
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_TRUE(seen.style & MB_TASKMODAL) << "without a window the box holds the whole program";

  const TOwnedWindow window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"ZELK Ver.2.10", WS_POPUP, 0,
                                            0, 100, 100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(Topmost(window.Get()));
  boxes.SetOwner(window.Get());
  boxes.ShowError(L"シート「一般」のファイルが壊れています。");
  EXPECT_EQ(seen.owner, window.Get());
  EXPECT_EQ(seen.style & (MB_ICONERROR | MB_OK | MB_TASKMODAL), UINT{MB_ICONERROR | MB_OK});
  EXPECT_FALSE(seen.ownerTopmost);
  EXPECT_TRUE(Topmost(window.Get())) << "the window returns to the topmost band after the box";

  SetWindowPos(window.Get(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(boxes.Confirm(L"一般シートを削除します。よろしいですか？"));
  EXPECT_FALSE(Topmost(window.Get())) << "a window that was not topmost does not become so";
}

TEST(MessageBoxes, AFailureAtAWindowsEdgeTakesTheRoutedBoxes) {
  FakeMessageBoxes boxes;
  {
    const TErrorBoxRoute route(boxes);
    try {
      throw EZelkError(L"Can't Regist Message ");
    } catch (...) {
      ShowCurrentException(nullptr);
    }
  }
  EXPECT_EQ(boxes.errors, (std::vector<std::wstring>{L"Can't Regist Message "}));
}
