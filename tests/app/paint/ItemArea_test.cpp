#include <gtest/gtest.h>

#include "app/paint/ItemArea.h"
#include "tests/support/Items.h"
#include "tests/support/RecordingCanvas.h"

namespace {

using Steps = std::vector<std::string>;

struct Area {
  TItemAreaLook look;
  TSheetBuffer sheet;
  Cp932Codec codec;
  RecordingCanvas canvas;
  int Paint(int width, int height, int scroll = 0) {
    TItemAreaPainter painter(canvas, look, sheet, codec);
    return painter.Paint(width, height, CellHeight(look, canvas.dpi), scroll);
  }
};

}  // namespace

TEST(ItemArea, ButtonLinesOfA251PixelAreaWithThreeColumnsEndAt246) {
  Area a;
  EXPECT_EQ(a.Paint(251, 100), 82);
  const std::string black = "pen " + std::to_string(clBlack);
  const auto first = std::find(a.canvas.steps.begin(), a.canvas.steps.end(), black);
  ASSERT_NE(first, a.canvas.steps.end());
  EXPECT_EQ(Steps(first + 1, a.canvas.steps.end()),
            (Steps{"line 0,0 0,100", "line 82,0 82,100", "line 164,0 164,100", "line 246,0 246,100",
                   "line 0,0 246,0", "line 0,36 246,36", "line 0,72 246,72"}));
  EXPECT_EQ(a.canvas.steps[2], "rect 0,0-251,100");
  // Light line inside the top of each row, shadow line inside the bottom of the one above.
  EXPECT_EQ(a.canvas.steps[4], "line 0,1 246,1");
  EXPECT_EQ(a.canvas.steps[6], "line 0,-1 246,-1");
}

TEST(ItemArea, GridLookOutlinesTheAreaAndDrawsInnerLinesOnly) {
  Area a;
  a.look.BTN_PAT = 1;
  a.Paint(251, 80);
  EXPECT_EQ(Steps(a.canvas.steps.begin(), a.canvas.steps.begin() + 3),
            (Steps{"pen " + std::to_string(clBtnShadow), "brush " + std::to_string(clBtnFace),
                   "rect 0,0-251,80"}));
  EXPECT_EQ(a.canvas.StepsStartingWith("line"),
            (Steps{"line 82,0 82,80", "line 164,0 164,80", "line 0,36 251,36", "line 0,72 251,72"}));
}

TEST(ItemArea, CellHeightGrowsByATextLineForNameAndCountAndFollowsTheDpi) {
  struct Case {
    int dpi, icon, name, both, list;
  };
  for (const Case c : {Case{96, 36, 48, 60, 36}, Case{120, 45, 60, 75, 45},
                       Case{144, 54, 72, 90, 54}, Case{192, 72, 96, 120, 72}}) {
    TItemAreaLook look;
    EXPECT_EQ(CellHeight(look, c.dpi), c.icon) << c.dpi;
    look.FILE_DISP = 1;
    EXPECT_EQ(CellHeight(look, c.dpi), c.name) << c.dpi;
    look.COUNT_DISP = 1;
    EXPECT_EQ(CellHeight(look, c.dpi), c.both) << c.dpi;
    look.Colum = 1;
    EXPECT_EQ(CellHeight(look, c.dpi), c.list) << c.dpi;
  }
  EXPECT_EQ(CharacterHeight(14, 96), 19);
}

TEST(ItemArea, At150PercentTheIconItsMarginsAndTheTextLinesAreHalfAsLargeAgain) {
  Area a;
  a.canvas.dpi = 144;
  a.look.FILE_DISP = a.look.COUNT_DISP = 1;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 4, 12, L"memo"));
  a.Paint(377, 300);
  // Slot 4: column 1, row 1 of 90-pixel cells; the cell is 127..245 wide.
  EXPECT_EQ(a.canvas.StepsStartingWith("icon"), Steps{"icon 0 162,93"});
  EXPECT_EQ(a.canvas.StepsStartingWith("text"),
            (Steps{"text memo 174,141 in 127,90-245,180", "text 12 180,159 in 127,90-245,180"}));
}

TEST(ItemArea, NameAndCountAreCentredUnderTheIconAt34And46) {
  Area a;
  a.look.FILE_DISP = a.look.COUNT_DISP = 1;
  a.look.NameC = 0x0000FF;
  a.look.CountC = 0x00FF00;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 4, 12, L"memo"));
  a.Paint(251, 200);
  // Slot 4: column 1, row 1 of 60-pixel cells; the cell is 84..162 wide.
  EXPECT_EQ(a.canvas.StepsStartingWith("icon"), Steps{"icon 0 107,62"});
  EXPECT_EQ(a.canvas.StepsStartingWith("text"),
            (Steps{"text memo 111,94 in 84,60-162,120", "text 12 117,106 in 84,60-162,120"}));
  EXPECT_EQ(a.canvas.StepsStartingWith("font colour"),
            (Steps{"font colour 255", "font colour 65280"}));
}

TEST(ItemArea, NamesWiderThanTheCellEndWithAnEllipsisInsideIt) {
  Area a;
  a.look.FILE_DISP = 1;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0, 0, L"a-very-long-display-name"));
  a.Paint(251, 100);
  // 78 pixels hold 13 characters of 6: 12 and the ellipsis.
  EXPECT_EQ(a.canvas.StepsStartingWith("text"), Steps{"text a-very-long-? 2,34 in 2,0-80,48"});

  a.canvas.steps.clear();
  a.look.Colum = 1;  // the list keeps the count whole
  a.Paint(120, 36);
  EXPECT_EQ(a.canvas.StepsStartingWith("text"), Steps{"text a-very-lon?:0 38,8 in 2,0-117,36"});
}

TEST(ItemArea, CountAloneTakesTheNamesLine) {
  Area a;
  a.look.COUNT_DISP = 1;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0, 7, L"name"));
  a.Paint(251, 100);
  EXPECT_EQ(a.canvas.StepsStartingWith("text"), Steps{"text 7 38,34 in 2,0-80,48"});
}

TEST(ItemArea, ListLookShowsIconThenNameColonCountCentredVertically) {
  Area a;
  a.look.Colum = 1;
  a.look.FILE_DISP = a.look.COUNT_DISP = 0;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 2, 5, L"memo"));
  a.Paint(200, 150);
  EXPECT_EQ(a.canvas.StepsStartingWith("icon"), Steps{"icon 0 4,74"});
  EXPECT_EQ(a.canvas.StepsStartingWith("text"), Steps{"text memo:5 38,80 in 2,72-197,108"});
  EXPECT_TRUE(a.canvas.StepsStartingWith("font colour").empty());
}

TEST(ItemArea, ScrollPositionFifteenPutsSlot45InTheTopLeftCell) {
  Area a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 45));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 44));
  a.Paint(251, 100, 15);
  EXPECT_EQ(a.canvas.StepsStartingWith("icon"), Steps{"icon 0 25,2"});  // slot 44 lies above the area
  const TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  EXPECT_EQ(painter.CellRect(45, 82, 36, 15), (TRect{2, 0, 80, 36}));
  EXPECT_EQ(painter.CellRect(44, 82, 36, 15), (TRect{166, -36, 244, 0}));
  EXPECT_EQ(SlotAt({10, 10}, 3, 82, 36, 15), 45);
  EXPECT_EQ(SlotAt({170, 40}, 3, 82, 36, 0), 5);
}

TEST(ItemArea, EmptySheetPaintsBackgroundAndLinesOnly) {
  Area a;
  a.Paint(251, 100);
  EXPECT_TRUE(a.canvas.StepsStartingWith("icon").empty());
  EXPECT_TRUE(a.canvas.StepsStartingWith("text").empty());
}

TEST(ItemArea, AnAreaWithoutItemsSaysItsTextInLinesInTheMiddleUntilItHasOne) {
  Area a;
  a.look.NameC = 0x123456;
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  painter.SetEmptyText(L"drop-files-here-to-register");  // 27 characters, 162 pixels
  painter.Paint(150, 100, 36, 0);
  // 150 - 2 x (8 + 6) leaves 122 pixels, 20 characters: two lines, made even.
  const Steps drawn(a.canvas.steps.end() - 5, a.canvas.steps.end());
  EXPECT_EQ(drawn, (Steps{"rect 27,30-123,70", "brush clear", "font colour " + std::to_string(0x123456),
                          "text drop-files-her 33,36 in 27,30-123,70",
                          "text e-to-register 36,50 in 27,30-123,70"}));
  a.canvas.steps.clear();
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0));
  painter.Paint(150, 100, 36, 0);
  EXPECT_TRUE(a.canvas.StepsStartingWith("text").empty());
}

TEST(ItemArea, NoColumnsGiveCellWidthZeroAndPaintingGoesOn) {
  EXPECT_EQ(CellWidth(251, 0), 0);
  EXPECT_EQ(SlotAt({10, 10}, 0, 0, 36, 0), 0);
}

TEST(ItemArea, PressedButtonCellLooksSunkAndReleasedRaised) {
  Area a;
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  painter.DrawCellFrame(false, {1, 0}, 82, 36);
  EXPECT_EQ(a.canvas.steps,
            (Steps{"pen " + std::to_string(clBtnShadow), "brush " + std::to_string(clBtnShadow),
                   "rect 83,1-163,35", "pen 0", "line 83,1 163,1", "line 83,1 83,35"}));
  a.canvas.steps.clear();
  painter.DrawCellFrame(true, {1, 0}, 82, 36);
  EXPECT_EQ(Steps(a.canvas.steps.begin() + 3, a.canvas.steps.end()),
            (Steps{"pen " + std::to_string(clBtnHighlight), "line 83,1 163,1", "line 83,1 83,35",
                   "pen " + std::to_string(clBtnShadow), "line 163,35 163,1", "line 163,35 83,35"}));
}

TEST(ItemArea, PressedGridCellIsFilledWithTheLineColour) {
  Area a;
  a.look.BTN_PAT = 1;
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  painter.DrawCellFrame(false, {0, 2}, 82, 36);
  EXPECT_EQ(a.canvas.steps.back(), "rect 1,73-82,108");
}

TEST(ItemArea, StripRightOfTheLastColumnGetsNoLightLine) {
  Area a;
  a.Paint(251, 30);
  for (const auto& step : a.canvas.StepsStartingWith("line 247,")) {
    ADD_FAILURE() << "a line falls into the strip: " << step;
  }
  EXPECT_EQ(a.canvas.StepsStartingWith("line 245,").size(), 1u);  // the shadow of the last cell
}

TEST(ItemArea, SelectedCellGetsATwoPixelFrameInTheNameColourInsideItsEdges) {
  Area a;
  a.look.NameC = 0x123456;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 4));
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  painter.SetSelectedSlot(4);
  painter.Paint(251, 72, 36, 1);  // slot 4: second column of the top row
  const Steps frame(a.canvas.steps.end() - 9, a.canvas.steps.end());
  EXPECT_EQ(frame, (Steps{"pen " + std::to_string(0x123456), "line 84,2 162,2", "line 162,2 162,34",
                          "line 162,34 84,34", "line 84,34 84,2", "line 85,3 161,3",
                          "line 161,3 161,33", "line 161,33 85,33", "line 85,33 85,3"}));
}

TEST(ItemArea, GivenIconIndexesPickEachItemsImage) {
  Area a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 1));
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  const int images[] = {7, 3};
  painter.SetIconIndexes(images);
  painter.Paint(251, 36, 36, 0);
  EXPECT_EQ(a.canvas.StepsStartingWith("icon "), (Steps{"icon 7 25,2", "icon 3 107,2"}));
}

TEST(ItemArea, ARepaintOfPartDrawsOnlyTheItemsTouchingIt) {
  Area a;
  AddItem(a.sheet, MakeItem(L"C:\\a.exe", 0));
  AddItem(a.sheet, MakeItem(L"C:\\b.exe", 5));
  AddItem(a.sheet, MakeItem(L"C:\\c.exe", 3));
  TItemAreaPainter painter(a.canvas, a.look, a.sheet, a.codec);
  painter.SetDirtyRect({0, 40, 100, 50});  // inside the first cell of the second row
  painter.Paint(251, 108, 36, 0);
  EXPECT_EQ(a.canvas.StepsStartingWith("icon "), (Steps{"icon 2 25,38"}));
}
