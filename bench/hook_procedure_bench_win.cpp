// Prints what one call of the hook procedure costs a process that receives
// mouse input: the median time of a synthetic mouse move, from SendInput to
// its WM_MOUSEMOVE in this thread, without a hook, with an empty mouse hook
// of this thread (the system's own cost of calling a hook) and with zelkhook.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "hook/zelkhook_win.h"

namespace {

constexpr int kMoves = 2000;

HWND CoveringWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"HookBench";
  RegisterClassExW(&windowClass);
  return CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"hook bench",
                         WS_POPUP | WS_VISIBLE, 100, 100, 400, 400, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

// Waits for the next WM_MOUSEMOVE; false when none came within a second.
bool NextMouseMove() {
  const ULONGLONG deadline = GetTickCount64() + 1000;
  MSG message;
  while (GetTickCount64() < deadline) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_MOUSEMOVE) return true;
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return false;
}

void Move(int step) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = step;
  input.mi.dy = 0;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

// The median time of one mouse move in microseconds; negative when moves got lost.
double MedianMoveMicroseconds() {
  SetCursorPos(300, 300);
  while (NextMouseMove()) {
  }
  std::vector<double> times;
  for (int i = 0; i < kMoves; ++i) {
    const auto start = std::chrono::steady_clock::now();
    Move(i % 2 == 0 ? 1 : -1);
    if (!NextMouseMove()) return -1;
    times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() -
                                                              start)
                        .count());
  }
  std::nth_element(times.begin(), times.begin() + kMoves / 2, times.end());
  return times[kMoves / 2];
}

LRESULT CALLBACK EmptyHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

double MedianWithEmptyHook() {
  const HHOOK hook = SetWindowsHookExW(WH_MOUSE, EmptyHook, nullptr, GetCurrentThreadId());
  const double median = MedianMoveMicroseconds();
  UnhookWindowsHookEx(hook);
  return median;
}

// The part of every call that the shared record costs: one open, map,
// unmap and close of the mapping, without the system's hook dispatch.
double MedianRecordCycleMicroseconds() {
  std::vector<double> times;
  for (int i = 0; i < kMoves; ++i) {
    const auto start = std::chrono::steady_clock::now();
    HANDLE mapping = nullptr;
    void* view = nullptr;
    if (GetFMObj(&mapping, &view) != 0) return -1;
    ReleaseFMObj(mapping, view);
    times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() -
                                                              start)
                        .count());
  }
  std::nth_element(times.begin(), times.begin() + kMoves / 2, times.end());
  return times[kMoves / 2];
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const HWND window = CoveringWindow();
  const double none = MedianMoveMicroseconds();
  const double empty = MedianWithEmptyHook();
  if (!SetHook(window)) return 1;
  const double zelkhook = MedianMoveMicroseconds();
  const double record = MedianRecordCycleMicroseconds();
  RemoveHook();
  std::printf("mouse move, median of %d: %.1f us without a hook, %.1f us with an empty hook, "
              "%.1f us with zelkhook\n",
              kMoves, none, empty, zelkhook);
  std::printf("one zelkhook call: %.1f us over no hook, %.1f us over an empty hook; "
              "the record's open/map/unmap/close alone: %.1f us\n",
              zelkhook - none, zelkhook - empty, record);
  return 0;
}
