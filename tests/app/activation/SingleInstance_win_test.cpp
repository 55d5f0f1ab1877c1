#include <gtest/gtest.h>

#include "app/activation/SingleInstance_win.h"

namespace {

constexpr wchar_t kRunningClass[] = L"SingleInstanceTestWindow";

HWND RunningMainWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kRunningClass;
  RegisterClassExW(&windowClass);
  return CreateWindowExW(0, kRunningClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

}  // namespace

TEST(SingleInstance, OnlyTheFirstHolderIsFirstAndTheNameIsFreedAtTheEnd) {
  {
    TSingleInstance first;
    TSingleInstance second;
    EXPECT_TRUE(first.First());
    EXPECT_FALSE(second.First());
  }
  TSingleInstance again;
  EXPECT_TRUE(again.First());
}

TEST(SingleInstance, TheRunningWindowIsAskedToComeForwardAsOnItsHotKey) {
  const HWND window = RunningMainWindow();
  BringRunningInstanceForward(kRunningClass);
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, window, WM_HOTKEY, WM_HOTKEY, PM_REMOVE));
  EXPECT_EQ(message.wParam, 0u) << "the hot key's identifier";
  DestroyWindow(window);
  BringRunningInstanceForward(kRunningClass);
  EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
      << "no window, yet a hot key was posted";
}
