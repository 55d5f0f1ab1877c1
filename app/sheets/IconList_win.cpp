#include "app/sheets/IconList_win.h"

#include <shellapi.h>

#include <string>

void TShellIconList::Clear() {
  images_.Reset(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 16));
}

bool TShellIconList::AppendIconOf(std::wstring_view target) {
  if (!images_) Clear();
  SHFILEINFOW info{};
  const std::wstring path(target);
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)) {
    return false;
  }
  const TIcon icon(info.hIcon);
  return icon && ImageList_AddIcon(images_.Get(), icon.Get()) >= 0;
}

void TShellIconList::AppendPlaceholder() {
  if (!images_) Clear();
  // A shared system icon: not owned, never destroyed. The list keeps a copy.
  const HICON warning = LoadIconW(nullptr, IDI_WARNING);
  if (ImageList_AddIcon(images_.Get(), warning) < 0) {
    // Keeps the icons at their items' indexes even without a picture.
    ImageList_SetImageCount(images_.Get(),
                            static_cast<UINT>(ImageList_GetImageCount(images_.Get()) + 1));
  }
}

void TShellIconList::Delete(int index) {
  if (images_) ImageList_Remove(images_.Get(), index);
}
