#include "app/shortcuts/QuickBarIcons_win.h"

#include <shellapi.h>

#include <string>
#include <utility>

#include "app/form/GdiCanvas_win.h"
#include "app/shortcuts/SpecialFolders_win.h"

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

}  // namespace

TQuickBarGlyphs::~TQuickBarGlyphs() { Release(); }

TQuickBarGlyphs::TQuickBarGlyphs(TQuickBarGlyphs&& other) noexcept
    : glyphs_(std::exchange(other.glyphs_, {})) {}

TQuickBarGlyphs& TQuickBarGlyphs::operator=(TQuickBarGlyphs&& other) noexcept {
  if (this != &other) {
    Release();
    glyphs_ = std::exchange(other.glyphs_, {});
  }
  return *this;
}

void TQuickBarGlyphs::Set(std::size_t button, HBITMAP glyph) {
  if (glyphs_.at(button)) DeleteObject(glyphs_[button]);
  glyphs_[button] = glyph;
}

void TQuickBarGlyphs::Release() {
  for (HBITMAP& glyph : glyphs_) {
    if (glyph) DeleteObject(glyph);
    glyph = nullptr;
  }
}

HBITMAP MakeGlyph(const TIconSource& source, COLORREF background) {
  HICON icon = nullptr;
  if (!source.File.empty()) ExtractIconExW(source.File.c_str(), source.Index, &icon, nullptr, 1);
  const SIZE size = IconSize(icon);
  const HDC screen = GetDC(nullptr);
  const HBITMAP glyph = CreateCompatibleBitmap(screen, size.cx, size.cy);
  const HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ original = SelectObject(dc, glyph);
  const HBRUSH brush = CreateSolidBrush(background);
  const RECT rect{0, 0, size.cx, size.cy};
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  if (icon) {
    DrawIconEx(dc, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
  }
  SelectObject(dc, original);
  DeleteDC(dc);
  return glyph;
}

TQuickBarGlyphs LoadQuickBarIcons(TColor LeftC) {
  const auto sources = QuickBarIconSources(WindowsFolder(), SystemVersion(), InternetOpenCommand());
  TQuickBarGlyphs glyphs;
  for (std::size_t i = 0; i < sources.size(); ++i)
    glyphs.Set(i, MakeGlyph(sources[i], ToColorRef(LeftC)));
  return glyphs;
}
