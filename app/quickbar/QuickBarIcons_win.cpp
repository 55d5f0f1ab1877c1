#include "app/quickbar/QuickBarIcons_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "app/paint/ColorRef_win.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "base/win32/Handles_win.h"

namespace {

SIZE IconSize(HICON icon) {
  SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return size;
  BITMAP bitmap{};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
    size = {bitmap.bmWidth, bitmap.bmHeight};
  } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bitmap, &bitmap)) {
    size = {bitmap.bmWidth, bitmap.bmHeight / 2};  // mask and image one above the other
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}

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

HICON ExtractedIcon(const TIconSource& source) {
  HICON extracted = nullptr;
  if (!source.File.empty())
    ExtractIconExW(source.File.c_str(), source.Index, &extracted, nullptr, 1);
  return extracted;
}

HICON ShellFolderIcon(int folder) {
  PIDLIST_ABSOLUTE handedOver = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &handedOver))) return nullptr;
  const TItemIdList list(handedOver);
  SHFILEINFOW info{};
  if (!list || !SHGetFileInfoW(reinterpret_cast<LPCWSTR>(list.Get()), 0, &info, sizeof info,
                               SHGFI_PIDL | SHGFI_ICON | SHGFI_LARGEICON)) {
    return nullptr;
  }
  return info.hIcon;
}

}  // namespace

HBITMAP MakeGlyph(const TIconSource& source, int shellFolder, COLORREF background) {
  HICON found = ExtractedIcon(source);
  if (!found) found = ShellFolderIcon(shellFolder);
  const TIcon icon(found);
  const SIZE size = IconSize(icon.Get());
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

TQuickBarGlyphs LoadQuickBarIcons(TColor LeftC) {
  const auto sources = QuickBarIconSources(WindowsFolder(), SystemVersion(), InternetOpenCommand());
  TQuickBarGlyphs glyphs;
  for (std::size_t i = 0; i < sources.size(); ++i)
    glyphs.Set(i, MakeGlyph(sources[i], kQuickBar[i].Folder, ToColorRef(LeftC)));
  return glyphs;
}
