#include "hook/DesktopViews_win.h"

#include <commctrl.h>

namespace {

// The first top-level window of the class that holds a "SHELLDLL_DefView".
HWND FindDefViewUnder(const wchar_t* topLevelClass) noexcept {
  HWND topLevel = nullptr;
  while ((topLevel = FindWindowExW(nullptr, topLevel, topLevelClass, nullptr))) {
    if (HWND defView = FindWindowExW(topLevel, nullptr, L"SHELLDLL_DefView", nullptr)) {
      return defView;
    }
  }
  return nullptr;
}

}  // namespace

TDesktopViews FindDesktopViews() noexcept {
  HWND defView = FindDefViewUnder(L"Progman");
  if (!defView) defView = FindDefViewUnder(L"WorkerW");
  if (!defView) return {};
  return {FindWindowExW(defView, nullptr, L"SysListView32", nullptr),
          FindWindowExW(defView, nullptr, L"Internet Explorer_Server", nullptr)};
}

bool IsDesktopView(const TDesktopViews& views, HWND window) noexcept {
  return window && (window == views.IconView || window == views.WebView);
}

int SelectedIconCount(HWND iconView) noexcept {
  if (!iconView) return 0;
  return static_cast<int>(SendMessageW(iconView, LVM_GETSELECTEDCOUNT, 0, 0));
}
