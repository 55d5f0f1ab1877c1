#include "app/sheets/IconList_win.h"

#include <shellapi.h>

#include <string>

TShellIconList::~TShellIconList() {
  if (images_) ImageList_Destroy(images_);
}

void TShellIconList::Clear() {
  if (images_) ImageList_Destroy(images_);
  images_ = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 16);
}

bool TShellIconList::AppendIconOf(std::wstring_view target) {
  if (!images_) Clear();
  SHFILEINFOW info{};
  const std::wstring path(target);
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) ||
      !info.hIcon) {
    return false;
  }
  const int index = ImageList_AddIcon(images_, info.hIcon);
  DestroyIcon(info.hIcon);
  return index >= 0;
}

void TShellIconList::Delete(int index) {
  if (images_) ImageList_Remove(images_, index);
}
