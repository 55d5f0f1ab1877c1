#include <gtest/gtest.h>

#include <stdexcept>

#include "base/win32/Window_win.h"

namespace {

constexpr wchar_t kTestClass[] = L"WindowBaseTest";

class TTestWindow final : public TWindow {
 public:
  TTestWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, kTestClass, 0, nullptr);
    CreateWindowOf(0, kTestClass, L"", WS_POPUP, RECT{}, nullptr, nullptr, instance);
  }
  int failures = 0;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) throw std::runtime_error("the handler failed");
    return DefaultHandling(message, wParam, lParam);
  }
  void ReportFailure() noexcept override { ++failures; }
};

}  // namespace

TEST(WindowBase, AFailingHandlerIsReportedAndTheWindowRunsOn) {
  TTestWindow window;
  ASSERT_NE(window.Handle(), nullptr);
  SendMessageW(window.Handle(), WM_APP, 0, 0);
  EXPECT_EQ(window.failures, 1);
  EXPECT_TRUE(IsWindow(window.Handle()));
  EXPECT_EQ(TWindow::FromHandle(window.Handle()), &window);

  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
  SetWindowLongPtrW(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
  EXPECT_EQ(TWindow::FromHandle(other), nullptr) << "another class's user data is no object";
  DestroyWindow(other);
}

TEST(WindowBase, TheWindowGoesWithItsObject) {
  HWND handle = nullptr;
  {
    const TTestWindow window;
    handle = window.Handle();
    ASSERT_TRUE(IsWindow(handle));
  }
  EXPECT_FALSE(IsWindow(handle));
}
