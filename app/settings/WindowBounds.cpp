#include "app/settings/WindowBounds.h"

#include <algorithm>

#include "app/form/Metrics.h"

TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth, int screenHeight,
                                  TScale system, TScale monitor) {
  TWindowBounds bounds{system.Pixels(TDip{settings.LEFT}), system.Pixels(TDip{settings.TOP}),
                       monitor.Pixels(TDip{settings.Width}), monitor.Pixels(TDip{settings.Height})};
  if (settings.LEFT == -1) {
    bounds.Left = (screenWidth - bounds.Width) / 2;
    bounds.Top = (screenHeight - bounds.Height) / 2;
  }
  return bounds;
}

void StoreWindowBounds(TSettings& settings, TRect window, TScale system, TScale windowScale) {
  settings.LEFT = system.Dips(window.Left);
  settings.TOP = system.Dips(window.Top);
  settings.Width = windowScale.Dips(window.Width());
  settings.Height = windowScale.Dips(window.Height());
}

TRect KeepOnWorkArea(TRect window, TRect workArea) {
  const int width = window.Width();
  const int height = window.Height();
  const int left = std::max(workArea.Left, std::min(window.Left, workArea.Right - width));
  const int top = std::max(workArea.Top, std::min(window.Top, workArea.Bottom - height));
  return {left, top, left + width, top + height};
}

void TWindowPlace::Follow(TRect current) {
  // Anywhere else than where it was put, the user has placed it.
  if (current != shown_) saved_ = shown_ = current;
}

TRect TWindowPlace::Show(TRect current, TRect workArea) {
  Follow(current);
  shown_ = KeepOnWorkArea(current, workArea);
  return shown_;
}

TRect TWindowPlace::Move(TRect current, TRect moved) {
  Follow(current);
  shown_ = moved;
  return moved;
}

TRect MoveToWorkArea(TRect window, TRect fromWorkArea, TScale fromScale, TRect toWorkArea,
                     TScale toScale) {
  const int left = toWorkArea.Left + toScale.PixelsFrom(window.Left - fromWorkArea.Left, fromScale);
  const int top = toWorkArea.Top + toScale.PixelsFrom(window.Top - fromWorkArea.Top, fromScale);
  const TRect moved{left, top, left + toScale.PixelsFrom(window.Width(), fromScale),
                    top + toScale.PixelsFrom(window.Height(), fromScale)};
  return KeepOnWorkArea(moved, toWorkArea);
}

TRect TWindowPlace::Saved(TRect current) {
  Follow(current);
  return saved_;
}

namespace {

// The smallest height of a window of the width.
int MinimumHeightAt(const TMinimumSizeParts& parts, int width) {
  const TScale& scale = parts.Scale;
  // A row holds at least as many tabs as the widest one fits.
  const int perRow = std::max(1, (width - parts.SideWidth) / std::max(1, parts.WidestTab));
  const int rows = parts.OneTabRow ? 1 : std::max(1, (parts.TabCount + perRow - 1) / perRow);
  return parts.Frame.Height + scale.Pixels(kToolBarHeight) + rows * parts.TabRowHeight +
         parts.TabFrameHeight + scale.Pixels(kFolderBarHeight) + kLeastItemRows * parts.CellHeight +
         parts.StatusBarHeight;
}

}  // namespace

bool TabRowsFitWorkArea(TMinimumSizeParts parts) {
  parts.OneTabRow = false;
  return MinimumHeightAt(parts, parts.WorkArea.Width) <= parts.WorkArea.Height;
}

TSize MinimumWindowSize(const TMinimumSizeParts& parts) {
  const TScale& scale = parts.Scale;
  const auto heightAt = [&](int width) { return MinimumHeightAt(parts, width); };
  // Every tool button can be reached.
  int width =
      std::max(scale.Pixels(kSmallestUsableWidth), parts.Frame.Width + scale.Pixels(kToolBarWidth));
  const int step = scale.Pixels(kMinimumWidthStep);
  while (heightAt(width) > parts.WorkArea.Height && width < parts.WorkArea.Width) width += step;
  return {width, std::max(scale.Pixels(kSmallestUsableHeight), heightAt(width))};
}
