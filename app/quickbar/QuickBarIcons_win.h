#pragma once
// LoadQuickBarIcons: the glyphs of the quick bar's buttons, each the shell's
// icon drawn on the bar colour LeftC.

#include <windows.h>

#include <array>

#include "app/settings/Colors.h"
#include "app/shortcuts/QuickBarIconSources.h"
#include "base/win32/Handles_win.h"

// Five glyph bitmaps in the order of kQuickBar; owns them.
class TQuickBarGlyphs {
 public:
  // The button keeps using it only while this object lives.
  [[nodiscard]] HBITMAP Glyph(std::size_t button) const { return glyphs_.at(button).Get(); }
  void Set(std::size_t button, HBITMAP glyph) { glyphs_.at(button).Reset(glyph); }

 private:
  std::array<TBitmap, 5> glyphs_;
};

// A bitmap of size x size pixels filled with the colour, the icon drawn on
// it at that size. When the source's file or icon is missing (mydocs.dll
// and explorer.exe are not on every system) the shell's own icon of the
// special folder (CSIDL) stands in; with neither the glyph is empty, in
// that colour.
[[nodiscard]] HBITMAP MakeGlyph(const TIconSource& source, int shellFolder, COLORREF background,
                                int size);

// Run at start-up, after the settings dialog closes with OK and when the
// window's DPI changes; size is the icon size at that DPI.
[[nodiscard]] TQuickBarGlyphs LoadQuickBarIcons(TColor LeftC, int size);
