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

// A bitmap of the icon's size filled with the colour, the icon drawn at
// (0, 0). When the source's file or icon is missing (mydocs.dll and
// explorer.exe are not on every system) the shell's own icon of the
// special folder (CSIDL) stands in; with neither the glyph is empty, of the
// system's large-icon size in that colour.
[[nodiscard]] HBITMAP MakeGlyph(const TIconSource& source, int shellFolder, COLORREF background);

// Run at start-up and after the settings dialog closes with OK.
[[nodiscard]] TQuickBarGlyphs LoadQuickBarIcons(TColor LeftC);
