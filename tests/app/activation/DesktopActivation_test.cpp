#include <gtest/gtest.h>

#include "app/activation/DesktopActivation.h"

namespace {

constexpr TRect kMonitor{0, 0, 1024, 768};
constexpr TPoint kWallpaper{500, 300};
constexpr TActivationStep kIgnore{};
constexpr TActivationStep kShow{TActivationAction::Show, false};
constexpr TActivationStep kHide{TActivationAction::Hide, false};
constexpr TActivationStep kShowAndGuard{TActivationAction::Show, true};

// A desktop whose look is set by the test; counts how often it was looked at.
class FakeDesktop final : public IDesktopTest {
 public:
  explicit FakeDesktop(TDesktopLook look) : look_(look) {}
  TDesktopLook Look() override {
    ++looks;
    return look_;
  }
  int looks = 0;

 private:
  TDesktopLook look_;
};

FakeDesktop EmptyDesktop() { return FakeDesktop({.MouseOnDesktopView = true, .SelectedIcons = 0}); }
FakeDesktop SelectedIcon() { return FakeDesktop({.MouseOnDesktopView = true, .SelectedIcons = 1}); }
FakeDesktop OtherWindow() { return FakeDesktop({.MouseOnDesktopView = false, .SelectedIcons = 0}); }

TSettings Modes(int dblmode, int sideclick) {
  TSettings settings;
  settings.DBLMODE = dblmode;
  settings.SIDECLICK = static_cast<std::uint8_t>(sideclick);
  return settings;
}

THookNotification At(unsigned message, TPoint cursor = kWallpaper) {
  return {message, cursor, kMonitor};
}

// A window that has been shown once, as after start-up.
TDesktopActivation ReadyWindow(bool shown) {
  TDesktopActivation activation;
  activation.SetReady();
  activation.SetShown(shown);
  return activation;
}

}  // namespace

TEST(ScreenEdge, OutermostPixelsAndTheRowFourAboveTheBottomOfTheMonitorClickedAreEdges) {
  struct Case {
    int x, y;
    bool edge;
  };
  const Case cases[] = {{0, 300, true},    {1, 300, false},   {1023, 300, true}, {1022, 300, false},
                        {500, 0, true},    {500, 1, false},   {500, 767, true},  {500, 766, false},
                        {500, 765, false}, {500, 764, true},  {500, 763, false}, {0, 0, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsScreenEdge({c.x, c.y}, kMonitor), c.edge) << "at " << c.x << "," << c.y;
  }
  // A monitor of 1280 x 1024 left of the primary one.
  const TRect left{-1280, 0, 0, 1024};
  const Case leftCases[] = {{-1280, 500, true}, {-1279, 500, false}, {-1, 500, true},
                            {-640, 1023, true}, {-640, 1020, true},  {-640, 767, false}};
  for (const Case& c : leftCases) {
    EXPECT_EQ(IsScreenEdge({c.x, c.y}, left), c.edge) << "at " << c.x << "," << c.y;
  }
}

TEST(ScreenEdge, OnlyLeftButtonDownsDoubleClicksAndFrameButtonDownsAreReported) {
  EXPECT_TRUE(IsReportedClick(0x0201));
  EXPECT_TRUE(IsReportedClick(0x0203));
  EXPECT_TRUE(IsReportedClick(0x00A1));
  for (unsigned other : {0x0200u, 0x0202u, 0x0204u, 0x0207u, 0x00A2u, 0x00A3u}) {
    EXPECT_FALSE(IsReportedClick(other)) << "message 0x" << std::hex << other;
  }
}

TEST(DesktopActivation, DoubleClickModeSingleClickOnWallpaperHidesAShownWindow) {
  TDesktopActivation activation = ReadyWindow(true);
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(0, 1), desktop), kHide);
  EXPECT_FALSE(activation.Shown());
  // A hidden window stays hidden.
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(0, 1), desktop), kHide);
  EXPECT_FALSE(activation.Shown());
}

TEST(DesktopActivation, DoubleClickOnWallpaperHidesThenShowsAndStartsTheGuard) {
  TDesktopActivation activation = ReadyWindow(false);
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(0, 1), desktop), kHide);
  EXPECT_EQ(activation.HookMessage(At(kLButtonDblClk), Modes(0, 1), desktop), kShowAndGuard);
  EXPECT_TRUE(activation.Shown());
  EXPECT_TRUE(activation.DblTimerRunning());
}

TEST(DesktopActivation, WhileTheGuardRunsButtonDownsAreIgnoredEvenAtTheEdge) {
  TDesktopActivation activation = ReadyWindow(false);
  FakeDesktop desktop = EmptyDesktop();
  (void)activation.HookMessage(At(kLButtonDblClk), Modes(0, 1), desktop);
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(0, 1), desktop), kIgnore);
  EXPECT_EQ(activation.HookMessage(At(kNCLButtonDown, {0, 300}), Modes(0, 1), desktop), kIgnore);
  EXPECT_TRUE(activation.Shown());

  activation.DblTimerStopped();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(0, 1), desktop), kHide);
}

TEST(DesktopActivation, SingleClickModeTogglesAndADoubleClickAddsNothing) {
  TDesktopActivation activation = ReadyWindow(false);
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(1, 1), desktop), kShow);
  EXPECT_TRUE(activation.Shown());
  EXPECT_EQ(activation.HookMessage(At(kLButtonDblClk), Modes(1, 1), desktop), kIgnore);
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown), Modes(1, 1), desktop), kHide);
  EXPECT_FALSE(activation.Shown());
  EXPECT_FALSE(activation.DblTimerRunning());
}

TEST(DesktopActivation, ClicksAwayFromTheEmptyDesktopNeitherShowNorHide) {
  for (int dblmode : {0, 1}) {
    for (bool shown : {false, true}) {
      TDesktopActivation activation = ReadyWindow(shown);
      FakeDesktop icon = SelectedIcon();
      FakeDesktop other = OtherWindow();
      for (unsigned message : {kLButtonDown, kNCLButtonDown, kLButtonDblClk}) {
        EXPECT_EQ(activation.HookMessage(At(message), Modes(dblmode, 1), icon), kIgnore)
            << "selected icon, DBLMODE " << dblmode << ", message " << message;
        EXPECT_EQ(activation.HookMessage(At(message), Modes(dblmode, 1), other), kIgnore)
            << "other window, DBLMODE " << dblmode << ", message " << message;
      }
      EXPECT_EQ(activation.Shown(), shown);
    }
  }
}

TEST(DesktopActivation, EdgeClickWithSideClickShowsWhateverIsUnderTheMouse) {
  for (TPoint edge :
       {TPoint{0, 300}, TPoint{1023, 300}, TPoint{500, 0}, TPoint{500, 767}, TPoint{500, 764}}) {
    TDesktopActivation activation = ReadyWindow(true);
    FakeDesktop other = OtherWindow();
    EXPECT_EQ(activation.HookMessage(At(kLButtonDown, edge), Modes(0, 1), other), kShow)
        << "shown window, at " << edge.X << "," << edge.Y;
    EXPECT_EQ(activation.HookMessage(At(kNCLButtonDown, edge), Modes(1, 1), other), kShow)
        << "single-click mode, at " << edge.X << "," << edge.Y;
    EXPECT_EQ(other.looks, 0);
    EXPECT_TRUE(activation.Shown());
  }
}

TEST(DesktopActivation, EdgeClickWithoutSideClickIsJudgedByTheDesktopTest) {
  const TPoint leftColumn{0, 300};
  TDesktopActivation activation = ReadyWindow(true);
  FakeDesktop other = OtherWindow();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown, leftColumn), Modes(0, 0), other), kIgnore);
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown, leftColumn), Modes(0, 0), desktop), kHide);
  // Only SIDECLICK 1 shows at the edge.
  EXPECT_EQ(activation.HookMessage(At(kLButtonDown, leftColumn), Modes(0, 2), desktop), kHide);
}

TEST(DesktopActivation, EdgeDoubleClickIsJudgedOnlyByTheDesktopTest) {
  TDesktopActivation activation = ReadyWindow(false);
  FakeDesktop other = OtherWindow();
  EXPECT_EQ(activation.HookMessage(At(kLButtonDblClk, {0, 300}), Modes(0, 1), other), kIgnore);
  EXPECT_FALSE(activation.DblTimerRunning());
}

TEST(DesktopActivation, NothingHappensBeforeTheFirstShowOrWhileADialogIsOpen) {
  TDesktopActivation notReady;
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(notReady.HookMessage(At(kLButtonDblClk), Modes(0, 1), desktop), kIgnore);
  EXPECT_EQ(notReady.HookMessage(At(kLButtonDown, {0, 300}), Modes(0, 1), desktop), kIgnore);
  EXPECT_TRUE(notReady.Shown());

  TDesktopActivation busy = ReadyWindow(false);
  busy.SetDialogBusy(true);
  for (unsigned message : {kLButtonDown, kNCLButtonDown, kLButtonDblClk}) {
    EXPECT_EQ(busy.HookMessage(At(message), Modes(0, 1), desktop), kIgnore) << message;
    EXPECT_EQ(busy.HookMessage(At(message, {0, 300}), Modes(1, 1), desktop), kIgnore) << message;
  }
  EXPECT_FALSE(busy.Shown());
  busy.SetDialogBusy(false);
  EXPECT_EQ(busy.HookMessage(At(kLButtonDblClk), Modes(0, 1), desktop), kShowAndGuard);
}

TEST(DesktopActivation, OtherMouseMessagesAreIgnored) {
  TDesktopActivation activation = ReadyWindow(true);
  FakeDesktop desktop = EmptyDesktop();
  EXPECT_EQ(activation.HookMessage(At(0x0202), Modes(1, 1), desktop), kIgnore);
  EXPECT_EQ(desktop.looks, 0);
}
