#include "app/form/Layout.h"

#include <algorithm>

TFormRegions LayoutForm(int clientWidth, int clientHeight, int statusBarHeight, bool quickBarShown,
                        TScale scale) {
  TFormRegions regions;
  regions.Panel1 = {0, 0, clientWidth, std::min(scale.Pixels(kToolBarHeight), clientHeight)};
  const int statusTop = std::max(regions.Panel1.Bottom, clientHeight - statusBarHeight);
  if (statusBarHeight > 0) regions.StatusBar1 = {0, statusTop, clientWidth, clientHeight};
  regions.Panel2 = {0, regions.Panel1.Bottom, clientWidth, statusTop};
  const int bodyHeight = regions.Panel2.Height();
  const int quickBarWidth = quickBarShown ? std::min(scale.Pixels(kQuickBarWidth), clientWidth) : 0;
  if (quickBarShown) regions.SysPanel = {0, 0, quickBarWidth, bodyHeight};
  regions.ATab = {quickBarWidth, 0, clientWidth, bodyHeight};
  return regions;
}

TTabRegions LayoutTabArea(TRect display, bool folderBarAtBottom, TScale scale) {
  TTabRegions regions;
  const int folderHeight = std::min(scale.Pixels(kFolderBarHeight), std::max(0, display.Height()));
  regions.Panel3 = folderBarAtBottom
                       ? TRect{display.Left, display.Bottom - folderHeight, display.Right, display.Bottom}
                       : TRect{display.Left, display.Top, display.Right, display.Top + folderHeight};
  const int top = folderBarAtBottom ? display.Top : regions.Panel3.Bottom;
  const int bottom = folderBarAtBottom ? regions.Panel3.Top : display.Bottom;
  const int itemRight =
      std::max(display.Left, regions.Panel3.Right - scale.Pixels(kItemPanelInset));
  regions.Panel4 = {display.Left, top, itemRight, bottom};
  const int barWidth = scale.Pixels(kScrollBarWidth);
  const int barLeft = std::max(display.Left, regions.Panel3.Right - barWidth);
  regions.PaintBar = {barLeft, top, barLeft + barWidth, bottom};
  return regions;
}
