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

TSize MinimumWindowSize(const TMinimumSizeParts& parts) {
  // Never smaller than a window in which the tool bar's buttons and a few
  // cells can be used.
  constexpr TSize kSmallestUsable{200, 250};
  const int clientHeight = kToolBarHeight + parts.TabRowsHeight + kFolderBarHeight +
                           parts.CellHeight + parts.StatusBarHeight;
  return {kSmallestUsable.Width, std::max(kSmallestUsable.Height, clientHeight + parts.Frame.Height)};
}
