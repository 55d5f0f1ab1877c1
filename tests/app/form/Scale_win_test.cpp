// The main window at the system's DPI. The test command runs these at 96
// DPI with the other tests, and again in a Wine of their own at 144 and 192.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/form/ControlIds.h"
#include "base/win32/Dpi_win.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

int IconListSize(HIMAGELIST images) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(images, &width, &height);
  return width;
}

int FontHeight(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// The parts every scale is checked on: all in the window's pixels.
void ExpectDrawnAt(FormFixture& f, TScale scale) {
  const TZELKForm& form = *f.form;
  EXPECT_EQ(form.Scale(), scale);
  EXPECT_EQ(form.PAria().CellHeight(), scale.Pixels(TDip{36})) << "the cell pitch";
  EXPECT_EQ(IconListSize(form.IconCache().Handle()), scale.Pixels(TDip{32})) << "the icons drawn";
  EXPECT_EQ(Height(f.ControlRect(kPanel1)), scale.Pixels(TDip{43})) << "the tool bar";
  EXPECT_EQ(f.ControlRect(kHelpBtn).right, scale.Pixels(TDip{323})) << "the last tool button";
  EXPECT_EQ(Width(f.ControlRect(kMyDocBtn)), scale.Pixels(TDip{38})) << "a quick bar button";
  EXPECT_EQ(FontHeight(form.Control(kStatusBar1)), -scale.Pixels(TDip{12})) << "the form's font";
}

}  // namespace

TEST(ScreenScale, TheWindowItsCellsIconsAndMinimumSizeFollowTheSystemsDpi) {
  const TScale scale(SystemDpi());
  FormFixture f;
  TZELKForm& form = f.Create();
  ExpectDrawnAt(f, scale);
  if (scale.Dpi() >= 144) {
    EXPECT_GE(IconListSize(form.IconCache().Handle()), 48) << "no 32-pixel icon stretched up";
  }
  RECT frame{};
  GetWindowRect(form.Handle(), &frame);
  EXPECT_EQ(Width(frame), scale.Pixels(TDip{331})) << "the file's 331 x 432 at 96 DPI";
  EXPECT_EQ(Height(frame), scale.Pixels(TDip{432}));
  RECT client{};
  GetClientRect(form.Handle(), &client);
  MINMAXINFO limits{};
  SendMessageW(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_GE(limits.ptMinTrackSize.x, Width(frame) - client.right + scale.Pixels(TDip{323}));
  EXPECT_GE(limits.ptMinTrackSize.y, scale.Pixels(TDip{43 + 28}) + 2 * form.PAria().CellHeight());
}

TEST(ScreenScale, AMoveToAMonitorOfAnotherDpiTakesTheSuggestedRectangleAndRedrawsEveryPart) {
  const TScale other(SystemDpi() + 48);
  FormFixture f;
  TZELKForm& form = f.Create();
  RECT suggested{40, 30, 40 + other.Pixels(TDip{331}), 30 + other.Pixels(TDip{432})};
  SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(other.Dpi(), other.Dpi()),
               reinterpret_cast<LPARAM>(&suggested));
  RECT frame{};
  GetWindowRect(form.Handle(), &frame);
  EXPECT_TRUE(EqualRect(&frame, &suggested))
      << frame.left << "," << frame.top << " " << Width(frame) << "x" << Height(frame);
  ExpectDrawnAt(f, other);
}
