#include "app/sheets/ShellIcons_win.h"

#include <commoncontrols.h>
#include <shellapi.h>

#include <array>

#include "base/win32/Handles_win.h"

namespace {

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP described{};
  if (!bitmap || !GetObjectW(bitmap, sizeof described, &described)) return {};
  return {described.bmWidth, described.bmHeight};
}

std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, SIZE size) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
  BITMAPINFO info = TopDownInfo(size.cx, size.cy);
  const TWindowDC screen(nullptr);
  if (!GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                 DIB_RGB_COLORS)) {
    pixels.clear();
  }
  return pixels;
}

// The three system image lists an icon can come from, smallest first; the
// size of each one's icons follows the system's DPI.
constexpr std::array<int, 3> kSystemLists = {SHIL_LARGE, SHIL_EXTRALARGE, SHIL_JUMBO};
constexpr std::size_t kExtraLarge = 1;
constexpr std::size_t kJumbo = 2;

HICON ListIcon(const TComPtr<IImageList>& list, int index) {
  HICON icon = nullptr;
  if (!list || FAILED(list->GetIcon(index, ILD_TRANSPARENT, &icon))) return nullptr;
  return icon;
}

HICON SystemListIcon(int index, int size) {
  std::array<TComPtr<IImageList>, kSystemLists.size()> lists;
  std::array<int, kSystemLists.size()> sizes{};
  for (std::size_t i = 0; i < lists.size(); ++i) {
    int height = 0;
    if (SUCCEEDED(SHGetImageList(kSystemLists[i], __uuidof(IImageList), lists[i].PutVoid()))) {
      lists[i]->GetIconSize(&sizes[i], &height);
    }
  }
  const int source = SourceSizeFor(sizes, size);
  if (source == 0) return nullptr;
  std::size_t chosen = 0;
  while (chosen + 1 < lists.size() && sizes[chosen] != source) ++chosen;
  HICON icon = ListIcon(lists[chosen], index);
  // An icon without a large image sits small in the jumbo list's corner:
  // the extra-large list then has the better picture of it.
  if (icon && chosen == kJumbo && OpaqueExtent(PictureOfIcon(icon)) <= sizes[kExtraLarge]) {
    if (HICON smaller = ListIcon(lists[kExtraLarge], index)) {
      DestroyIcon(icon);
      icon = smaller;
    }
  }
  return icon ? IconAtSize(icon, size) : nullptr;
}

// The icon of a path or, with SHGFI_PIDL, of an item of the namespace.
HICON FileInfoIcon(LPCWSTR path, UINT flags, int size) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(path, 0, &info, sizeof info, flags | SHGFI_SYSICONINDEX)) return nullptr;
  if (HICON icon = SystemListIcon(info.iIcon, size)) return icon;
  // Without the system's lists: its large icon.
  if (!SHGetFileInfoW(path, 0, &info, sizeof info, flags | SHGFI_ICON | SHGFI_LARGEICON)) {
    return nullptr;
  }
  return IconAtSize(info.hIcon, size);
}

}  // namespace

HICON ShellIcon(const std::wstring& target, int size) {
  return FileInfoIcon(target.c_str(), 0, size);
}

HICON ShellItemIcon(PCIDLIST_ABSOLUTE item, int size) {
  return FileInfoIcon(reinterpret_cast<LPCWSTR>(item), SHGFI_PIDL, size);
}

HICON IconAtSize(HICON icon, int size) {
  TIcon owned(icon);
  const TPicture picture = PictureOfIcon(owned.Get());
  if (picture.Pixels.empty() || (picture.Width == size && picture.Height == size)) {
    return owned.Release();
  }
  HICON scaled = IconOfPicture(ScalePicture(picture, size, size));
  return scaled ? scaled : owned.Release();
}

TPicture PictureOfIcon(HICON icon) {
  ICONINFO parts{};
  if (!icon || !GetIconInfo(icon, &parts)) return {};
  const TBitmap color(parts.hbmColor);
  const TBitmap mask(parts.hbmMask);
  const SIZE size = BitmapSize(color.Get());
  TPicture picture{size.cx, size.cy,
                   color ? PixelsOf(color.Get(), size) : std::vector<std::uint32_t>{}};
  if (picture.Pixels.empty()) return {};
  bool hasAlpha = false;
  for (const std::uint32_t pixel : picture.Pixels) hasAlpha = hasAlpha || (pixel >> 24) != 0;
  if (hasAlpha) return picture;
  // An icon of the older kind: opaque wherever its mask is black.
  const std::vector<std::uint32_t> maskPixels = PixelsOf(mask.Get(), size);
  for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
    const bool clear = i < maskPixels.size() && (maskPixels[i] & 0xFFFFFF) != 0;
    picture.Pixels[i] = clear ? 0 : (picture.Pixels[i] | 0xFF000000u);
  }
  return picture;
}

TPicture PictureOfBitmap(HBITMAP bitmap) {
  const SIZE size = BitmapSize(bitmap);
  return {size.cx, size.cy, PixelsOf(bitmap, size)};
}

HBITMAP BitmapOfPicture(const TPicture& picture) {
  const BITMAPINFO info = TopDownInfo(picture.Width, picture.Height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  std::copy(picture.Pixels.begin(), picture.Pixels.end(), static_cast<std::uint32_t*>(bits));
  return bitmap;
}

HICON IconOfPicture(const TPicture& picture) {
  if (picture.Pixels.empty()) return nullptr;
  const TBitmap color(BitmapOfPicture(picture));
  // The mask says the same as the alpha, for whoever draws without it.
  const int stride = (picture.Width + 15) / 16 * 2;
  std::vector<BYTE> maskBits(static_cast<std::size_t>(stride) * picture.Height, 0);
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) {
      if ((picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x] >> 24) == 0) {
        maskBits[static_cast<std::size_t>(y) * stride + x / 8] |=
            static_cast<BYTE>(0x80 >> (x % 8));
      }
    }
  }
  const TBitmap mask(CreateBitmap(picture.Width, picture.Height, 1, 1, maskBits.data()));
  ICONINFO parts{TRUE, 0, 0, mask.Get(), color.Get()};
  return color && mask ? CreateIconIndirect(&parts) : nullptr;
}
