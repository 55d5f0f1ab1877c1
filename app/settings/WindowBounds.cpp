#include "app/settings/WindowBounds.h"

#include <algorithm>

#include "app/form/Layout.h"

TWindowBounds InitialWindowBounds(const TSettings& settings, int screenWidth, int screenHeight) {
  TWindowBounds bounds{settings.LEFT, settings.TOP, settings.Width, settings.Height};
  if (settings.LEFT == -1) {
    bounds.Left = (screenWidth - settings.Width) / 2;
    bounds.Top = (screenHeight - settings.Height) / 2;
  }
  return bounds;
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

TRect TWindowPlace::Saved(TRect current) {
  Follow(current);
  return saved_;
}

TSize MinimumWindowSize(const TMinimumSizeParts& parts) {
  // Never smaller than a window in which the tool bar's buttons and a few
  // cells can be used.
  constexpr TSize kSmallestUsable{200, 250};
  const auto heightAt = [&](int width) {
    // A row holds at least as many tabs as the widest one fits.
    const int perRow = std::max(1, (width - parts.SideWidth) / std::max(1, parts.WidestTab));
    const int rows = std::max(1, (parts.TabCount + perRow - 1) / perRow);
    return parts.Frame.Height + kToolBarHeight + rows * parts.TabRowHeight + parts.TabFrameHeight +
           kFolderBarHeight + parts.CellHeight + parts.StatusBarHeight;
  };
  int width = kSmallestUsable.Width;
  while (heightAt(width) > parts.WorkArea.Height && width < parts.WorkArea.Width) width += 8;
  return {width, std::max(kSmallestUsable.Height, heightAt(width))};
}
