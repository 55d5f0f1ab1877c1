#pragma once
// The main window's sizes at 96 DPI (100 %), every part in this one table.
// A TScale made from the window's DPI turns each into pixels; nothing else
// holds a size in pixels.

#include "base/Scale.h"

// The form's font, "ＭＳ Ｐゴシック".
inline constexpr TDip kFormFontHeight{12};

// The tool bar Panel1: the two drop targets, a separator, five buttons.
inline constexpr TDip kToolBarHeight{43};
inline constexpr TDip kArcPnlLeft{4};
inline constexpr TDip kFreezePnlLeft{46};
inline constexpr TDip kDropTargetTop{3};
inline constexpr TDip kDropTargetWidth{40};
inline constexpr TDip kDropTargetHeight{38};
inline constexpr TDip kDropPictureLeft{5};  // the picture on its target
inline constexpr TDip kDropPictureTop{1};
inline constexpr TDip kDropPictureWidth{25};
inline constexpr TDip kDropPictureHeight{32};
inline constexpr TDip kSeparatorLeft{84};
inline constexpr TDip kSeparatorRight{86};
inline constexpr TDip kSeparatorTop{3};
inline constexpr TDip kSeparatorBottom{39};
inline constexpr TDip kToolButtonsLeft{88};
inline constexpr TDip kToolButtonTop{2};
inline constexpr TDip kToolButtonWidth{47};
inline constexpr TDip kToolButtonHeight{38};
inline constexpr int kToolButtonCount = 5;
// Where the last tool button ends: the window is never narrower.
inline constexpr TDip kToolBarWidth = kToolButtonsLeft + kToolButtonWidth * kToolButtonCount;

// The quick bar SysPanel; its buttons' tops are in the quick bar's table.
inline constexpr TDip kQuickBarWidth{45};
inline constexpr TDip kQuickButtonLeft{4};
inline constexpr TDip kQuickButtonSize{38};

// The folder bar Panel3 and its two buttons.
inline constexpr TDip kFolderBarHeight{28};
inline constexpr TDip kFolderButtonTop{3};
inline constexpr TDip kFolderButtonBottom{25};
inline constexpr TDip kProgBtnLeft{4};
inline constexpr TDip kProgBtnRight{79};
inline constexpr TDip kStartBtnLeft{83};
inline constexpr TDip kStartBtnRight{158};

// The sheet tabs: a longer name ends in "…" within this width.
inline constexpr TDip kTabTextMaxWidth{150};

// The item panel is this much narrower than the folder bar; the scroll bar
// stands at its right.
inline constexpr TDip kItemPanelInset{18};
inline constexpr TDip kScrollBarWidth{17};
inline constexpr TDip kFindFieldHeight{22};

// The item area's cells; text lines come from the font's size in points.
inline constexpr TDip kIconCellHeight{36};
inline constexpr TDip kIconSize{32};
// Free on the left and right of each cell, and above the icon.
inline constexpr TDip kCellMargin{2};
inline constexpr TDip kNameTop{34};  // the name's line below the cell's top
inline constexpr TDip kListTextLeft{36};
inline constexpr TDip kSelectionFrameWidth{2};
inline constexpr TDip kPendingFrameInset{6};  // the placeholder's frame in an icon

// The item hint: room round its text.
inline constexpr TDip kHintTextLeft{2};
inline constexpr TDip kHintExtraWidth{6};
inline constexpr TDip kHintExtraHeight{2};

// The smallest window in which the tool bar and a few cells can be used.
inline constexpr TDip kSmallestUsableWidth{200};
inline constexpr TDip kSmallestUsableHeight{250};
// The steps by which the smallest window widens until its tab rows fit.
inline constexpr TDip kMinimumWidthStep{8};
// Rows of items the window always keeps room for.
inline constexpr int kLeastItemRows = 2;
