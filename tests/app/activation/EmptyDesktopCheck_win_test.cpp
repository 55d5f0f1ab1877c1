#include <gtest/gtest.h>

#include "app/activation/EmptyDesktopCheck_win.h"
#include "hook/DesktopViews_win.h"
#include "hook/HookRecord.h"
#include "hook/zelkhook_win.h"
#include "tests/e2e/desktop/DesktopWindows_win.h"

#include <commctrl.h>

namespace {

// A stand-in desktop in the test process, gone with the test.
class StandIn {
 public:
  explicit StandIn(TDesktopShape shape) : desktop_(CreateStandInDesktop(shape, 400, 300)) {}
  ~StandIn() { DestroyStandInDesktop(desktop_); }
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;
  const TStandInDesktop& operator*() const { return desktop_; }
  const TStandInDesktop* operator->() const { return &desktop_; }

 private:
  TStandInDesktop desktop_;
};

// What the hook procedure writes on every mouse event.
void SetMouseWindow(HWND window) {
  HANDLE mapping = nullptr;
  void* view = nullptr;
  ASSERT_EQ(GetFMObj(&mapping, &view), 0);
  static_cast<THookRecord*>(view)->MouseWindow = static_cast<std::uint32_t>(HandleToLong(window));
  ReleaseFMObj(mapping, view);
}

void SelectTheIcon(HWND iconView) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageW(iconView, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

}  // namespace

TEST(DesktopViews, FindsTheIconViewUnderProgman) {
  const StandIn desktop(TDesktopShape::Progman);
  const TDesktopViews views = FindDesktopViews();
  EXPECT_EQ(views.IconView, desktop->IconView);
  EXPECT_EQ(views.WebView, nullptr);
}

TEST(DesktopViews, FindsBothViewsUnderWorkerWWhenProgmanHoldsNone) {
  const StandIn desktop(TDesktopShape::WorkerW);
  const TDesktopViews views = FindDesktopViews();
  EXPECT_EQ(views.IconView, desktop->IconView);
  EXPECT_EQ(views.WebView, desktop->WebView);
}

TEST(DesktopViews, AViewThatWasNotFoundMatchesNoWindow) {
  EXPECT_EQ(FindDesktopViews().IconView, nullptr) << "no desktop outside the tests' own";
  EXPECT_FALSE(IsDesktopView(TDesktopViews{}, nullptr));
  EXPECT_EQ(SelectedIconCount(nullptr), 0);
}

TEST(DesktopTest, JudgesTheRecordedMouseWindowAndTheSelectedIcons) {
  const StandIn desktop(TDesktopShape::WorkerW);
  TEmptyDesktopCheck test;

  SetMouseWindow(desktop->IconView);
  EXPECT_TRUE(IsEmptyDesktop(test.Look()));
  SetMouseWindow(desktop->WebView);
  EXPECT_TRUE(IsEmptyDesktop(test.Look()));
  SetMouseWindow(desktop->DefView);
  EXPECT_FALSE(test.Look().MouseOnDesktopView) << "the view's parent is not a desktop view";

  SelectTheIcon(desktop->IconView);
  SetMouseWindow(desktop->IconView);
  const TDesktopLook look = test.Look();
  EXPECT_TRUE(look.MouseOnDesktopView);
  EXPECT_EQ(look.SelectedIcons, 1);
  EXPECT_FALSE(IsEmptyDesktop(look));
  SetMouseWindow(nullptr);
}
