#pragma once
// The shell's icons at any size, sharp: each is taken from the system image
// list whose icons are at least as large (32, 48 or 256 pixels at 96 DPI)
// and scaled down with an area filter; pictures to and from icons and
// bitmaps for the rest of the window.

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "app/paint/Picture.h"

// The shell's icon of a file or folder at size x size pixels, owned by the
// caller; null when the shell has none (the target is away).
[[nodiscard]] HICON ShellIcon(const std::wstring& target, int size);
// The same for an item of the shell's namespace (a special folder).
[[nodiscard]] HICON ShellItemIcon(PCIDLIST_ABSOLUTE item, int size);
// The icon at size x size pixels: itself when it has that size, else scaled
// down (or, from a smaller source only, up). Takes the icon; the result is
// the caller's.
[[nodiscard]] HICON IconAtSize(HICON icon, int size);

// The pixels of an icon, transparent where its mask is; empty for a
// monochrome icon.
[[nodiscard]] TPicture PictureOfIcon(HICON icon);
// The pixels of a 32-bit bitmap.
[[nodiscard]] TPicture PictureOfBitmap(HBITMAP bitmap);
// A 32-bit bitmap and an icon of the picture, owned by the caller.
[[nodiscard]] HBITMAP BitmapOfPicture(const TPicture& picture);
[[nodiscard]] HICON IconOfPicture(const TPicture& picture);
