#include "app/activation/EmptyDesktopCheck_win.h"

#include "hook/DesktopViews_win.h"
#include "hook/HookRecord.h"
#include "hook/zelkhook_win.h"

namespace {

// The window under the mouse at the latest mouse event the hook has seen;
// 0 when the record cannot be had.
HWND ReadMouseWindow() {
  HANDLE mapping = nullptr;
  void* view = nullptr;
  HWND window = nullptr;
  if (GetFMObj(&mapping, &view) == 0) {
    const auto field = static_cast<const THookRecord*>(view)->MouseWindow;
    window = static_cast<HWND>(LongToHandle(static_cast<LONG>(field)));
  }
  ReleaseFMObj(mapping, view);
  return window;
}

}  // namespace

TDesktopLook TEmptyDesktopCheck::Look() {
  const TDesktopViews views = FindDesktopViews();
  TDesktopLook look;
  look.MouseOnDesktopView = IsDesktopView(views, ReadMouseWindow());
  // The shell is only asked when the click was on its desktop.
  if (look.MouseOnDesktopView) look.SelectedIcons = SelectedIconCount(views.IconView);
  return look;
}
