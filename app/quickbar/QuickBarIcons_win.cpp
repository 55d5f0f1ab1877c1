#include "app/quickbar/QuickBarIcons_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "app/paint/ColorRef_win.h"
#include "app/sheets/ShellIcons_win.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "base/win32/Handles_win.h"

namespace {

TSystemVersion SystemVersion() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return {2, 0, 0};
  return {static_cast<int>(version.dwPlatformId), static_cast<int>(version.dwMajorVersion),
          static_cast<int>(version.dwMinorVersion)};
}

// Read only: a missing key is an empty command, not a key to create.
std::wstring InternetOpenCommand() {
  wchar_t value[MAX_PATH * 2] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, kInternetOpenCommandKey, nullptr, RRF_RT_REG_SZ, nullptr,
                   value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

// The file's icon drawn at the size from its best image.
HICON ExtractedIcon(const TIconSource& source, int size) {
  HICON extracted = nullptr;
  if (source.File.empty() || SHDefExtractIconW(source.File.c_str(), source.Index, 0, &extracted,
                                               nullptr, static_cast<UINT>(size)) != S_OK) {
    return nullptr;
  }
  return IconAtSize(extracted, size);
}

HICON ShellFolderIcon(int folder, int size) {
  PIDLIST_ABSOLUTE handedOver = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &handedOver))) return nullptr;
  const TItemIdList list(handedOver);
  return list ? ShellItemIcon(list.Get(), size) : nullptr;
}

}  // namespace

HBITMAP MakeGlyph(const TIconSource& source, int shellFolder, COLORREF background, int side) {
  HICON found = ExtractedIcon(source, side);
  if (!found) found = ShellFolderIcon(shellFolder, side);
  const TIcon icon(found);
  const SIZE size{side, side};
  TBitmap glyph;
  TMemoryDC dc;
  {
    const TWindowDC screen(nullptr);
    glyph.Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    dc.Reset(CreateCompatibleDC(screen.Get()));
  }
  {
    const TSelectObject selected(dc.Get(), glyph.Get());
    const TBrush brush(CreateSolidBrush(background));
    const RECT rect{0, 0, size.cx, size.cy};
    FillRect(dc.Get(), &rect, brush.Get());
    if (icon) DrawIconEx(dc.Get(), 0, 0, icon.Get(), size.cx, size.cy, 0, nullptr, DI_NORMAL);
  }
  return glyph.Release();
}

TQuickBarGlyphs LoadQuickBarIcons(TColor LeftC, int size) {
  const auto sources = QuickBarIconSources(WindowsFolder(), SystemVersion(), InternetOpenCommand());
  TQuickBarGlyphs glyphs;
  for (std::size_t i = 0; i < sources.size(); ++i)
    glyphs.Set(i, MakeGlyph(sources[i], kQuickBar[i].Folder, ToColorRef(LeftC), size));
  return glyphs;
}
