#include "base/win32/Dpi_win.h"

namespace {

// An entry of a system library that older systems lack; null there. The
// library is one every process has loaded, or is loaded for good.
template <typename Function>
Function SystemEntry(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (!module) module = LoadLibraryW(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

int SystemDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

int MonitorDpi(HMONITOR monitor) {
  static const auto getDpiForMonitor =
      SystemEntry<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (getDpiForMonitor && monitor &&
      SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0) {
    return static_cast<int>(dpiY);
  }
  return SystemDpi();
}

int WindowDpi(HWND window) {
  static const auto getDpiForWindow =
      SystemEntry<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  static const auto getSystemMetricsForDpi =
      SystemEntry<TGetSystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi) return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}
