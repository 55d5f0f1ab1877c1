#include <gtest/gtest.h>

#include <windows.h>

#include "tests/app/itemarea/ItemAreaFixture_win.h"

namespace {

// Paints the item area into a memory bitmap and reads pixels back.
class PaintedArea {
 public:
  PaintedArea(TZELKForm& form, int width, int height) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    form.PAria().PAriaPaint(dc_, width, height);
  }
  ~PaintedArea() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

constexpr COLORREF kFace = RGB(200, 200, 200);
constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(100, 100, 100);
constexpr COLORREF kBlack = RGB(0, 0, 0);
const char kColours[] = "[\x90\x46]\r\nBM=13158600\r\nBH=16777215\r\nBL=6579300\r\n";
// An item out of sight, so that the area shows its lines without the hint
// of an empty sheet.
const std::vector<std::pair<std::wstring, int>> kFarItem{{L"far", 399}};

}  // namespace

TEST(ItemAreaPixels, ButtonLookOf251PixelsEndsItsLinesAt246AndKeepsTheFaceBeyond) {
  ItemArea a(kColours, kFarItem);
  TZELKForm& form = *a.form;
  const PaintedArea area(form, 251, 100);
  EXPECT_EQ(area.At(0, 20), kBlack);
  EXPECT_EQ(area.At(1, 20), kLight);
  EXPECT_EQ(area.At(81, 20), kShadow);
  EXPECT_EQ(area.At(82, 20), kBlack);
  EXPECT_EQ(area.At(246, 20), kBlack);
  for (int x = 247; x < 251; ++x) EXPECT_EQ(area.At(x, 20), kFace) << "x = " << x;
  EXPECT_EQ(area.At(40, 36), kBlack);
  EXPECT_EQ(area.At(40, 37), kLight);
  EXPECT_EQ(area.At(40, 35), kShadow);
  EXPECT_EQ(area.At(248, 36), kFace);  // the row lines end at 246 too
  EXPECT_EQ(area.At(40, 20), kFace);
}

TEST(ItemAreaPixels, GridLookOutlinesTheAreaInTheLineColour) {
  ItemArea a(std::string("BTN_PAT=1\r\n") + kColours, kFarItem);
  TZELKForm& form = *a.form;
  const PaintedArea area(form, 251, 100);
  EXPECT_EQ(area.At(0, 50), kShadow);
  EXPECT_EQ(area.At(250, 50), kShadow);
  EXPECT_EQ(area.At(82, 50), kShadow);
  EXPECT_EQ(area.At(120, 36), kShadow);
  EXPECT_EQ(area.At(120, 50), kFace);
  EXPECT_EQ(area.At(248, 50), kFace);
}

TEST(ItemAreaPixels, CellsGrowWithNameAndCountLines) {
  ItemArea a(std::string("FILE_DISP=1\r\nCOUNT_DISP=1\r\n") + kColours, kFarItem);
  TZELKForm& form = *a.form;
  EXPECT_EQ(form.PAria().CellHeight(), 60);
  const PaintedArea area(form, 251, 130);
  EXPECT_EQ(area.At(40, 60), kBlack);
  EXPECT_EQ(area.At(40, 36), kFace);
}
