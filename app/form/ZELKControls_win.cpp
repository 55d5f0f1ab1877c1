// The main window's child windows, the item popup menu and the layout of
// the regions, all at the window's scale.

#include <windows.h>

#include <commctrl.h>

#include <array>

#include "app/form/ControlIds.h"
#include "app/form/Metrics.h"
#include "app/form/Panel_win.h"
#include "app/form/ToolButton_win.h"
#include "app/form/ZELK_win.h"
#include "app/paint/Picture.h"
#include "app/sheets/ShellIcons_win.h"
#include "base/win32/Dpi_win.h"

namespace {

// The tool buttons from the left.
constexpr std::array<int, kToolButtonCount> kToolButtons = {kSetteiBtn, kFowardBtn, kLDBtn,
                                                            kToolBtn, kHelpBtn};

void Place(HWND window, const TRect& r) {
  SetWindowPos(window, nullptr, r.Left, r.Top, r.Width(), r.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

// A picture of the resources at the size: from its 96-DPI or its 200 %
// drawing, whichever is the smallest at least as large.
TPicture ScaledPicture(HINSTANCE instance, const std::wstring& name, int width, int height) {
  constexpr TDip kHeights[] = {kDropPictureHeight, kDropPictureHeight * 2};
  const int offered[] = {kHeights[0].Value, kHeights[1].Value};
  const bool large = SourceSizeFor(offered, height) == offered[1];
  const TBitmap bitmap(static_cast<HBITMAP>(LoadImageW(
      instance, (name + (large ? L"200" : L"")).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  const TPicture picture = PictureOfBitmap(bitmap.Get());
  if (picture.Width == width && picture.Height == height) return picture;
  return ScalePicture(picture, width, height);
}

}  // namespace

void TZELKForm::CreateControls() {
  scale_ = WindowScale(Handle());
  controls_.Create(Handle(), scale_);
  controls_.Add(kPanel1, CreatePanel(Handle(), kPanel1, settings_.TopC, true));
  controls_.Add(kPanel2, CreatePanel(Handle(), kPanel2, settings_.TabBC, false));
  controls_.Add(kStatusBar1,
                CreateChildControl(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, Handle(), kStatusBar1));
  SendMessageW(Control(kStatusBar1), SB_SIMPLE, TRUE, 0);
  CreateToolBar();
  quickBar_.Create(Control(kPanel2), settings_.LeftC, controls_);
  CreatePopMenu();
  CreateTabArea();
  PlaceBarControls();
}

void TZELKForm::CreateToolBar() {
  const HWND bar = Control(kPanel1);
  const auto dropTarget = [&](int id, const wchar_t* hint) {
    controls_.Add(id, CreatePanel(bar, id, settings_.TopC, false), hint);
  };
  dropTarget(kArcPnl, L"圧縮ファイルをドロップしてください。指定フォルダに展開します。");
  dropTarget(kFreezePnl, L"ファイルをドロップしてください。圧縮します。");
  separator_ = CreateChildControl(WC_STATICW, L"", SS_ETCHEDVERT, bar, 0);
  struct TToolButton {
    int id;
    const wchar_t* caption;
    const wchar_t* hint;
    bool toggle;
  };
  const TToolButton buttons[] = {
      {kSetteiBtn, L"設定", L"各種設定", false},    {kFowardBtn, L"前面", L"前面表示", true},
      {kLDBtn, L"ｸｲｯｸ", L"クイックバー表示", true}, {kToolBtn, L"ﾂｰﾙ", L"ツールボックス", false},
      {kHelpBtn, L"?", L"ヘルプ", false},
  };
  for (const auto& button : buttons) {
    controls_.Add(button.id, CreateFlatButton(bar, button.id, button.caption, {}, button.toggle),
                  button.hint);
  }
}

// The pictures of the drop targets: an archive opening, an archive closing.
void TZELKForm::CreateImageList1() {
  const int width = scale_.Pixels(kDropPictureWidth);
  const int height = scale_.Pixels(kDropPictureHeight);
  imageList1_.Reset(ImageList_Create(width, height, ILC_COLOR32, 2, 0));
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
  for (const wchar_t* name : {L"MELT", L"FREEZE"}) {
    const TBitmap picture(BitmapOfPicture(ScaledPicture(instance, name, width, height)));
    ImageList_Add(imageList1_.Get(), picture.Get(), nullptr);
  }
}

// The controls of a fixed size on the bars and the drop targets' pictures.
void TZELKForm::PlaceBarControls() {
  const TScale s = scale_;
  Place(Control(kArcPnl), s.Pixels(kArcPnlLeft, kDropTargetTop, kArcPnlLeft + kDropTargetWidth,
                                   kDropTargetTop + kDropTargetHeight));
  Place(Control(kFreezePnl),
        s.Pixels(kFreezePnlLeft, kDropTargetTop, kFreezePnlLeft + kDropTargetWidth,
                 kDropTargetTop + kDropTargetHeight));
  Place(separator_, s.Pixels(kSeparatorLeft, kSeparatorTop, kSeparatorRight, kSeparatorBottom));
  for (std::size_t i = 0; i < kToolButtons.size(); ++i) {
    const TDip left = kToolButtonsLeft + kToolButtonWidth * static_cast<int>(i);
    Place(Control(kToolButtons[i]), s.Pixels(left, kToolButtonTop, left + kToolButtonWidth,
                                             kToolButtonTop + kToolButtonHeight));
  }
  Place(Control(kProgBtn),
        s.Pixels(kProgBtnLeft, kFolderButtonTop, kProgBtnRight, kFolderButtonBottom));
  Place(Control(kStartBtn),
        s.Pixels(kStartBtnLeft, kFolderButtonTop, kStartBtnRight, kFolderButtonBottom));
  quickBar_.PlaceButtons(s);
  CreateImageList1();
  const POINT pictureAt{s.Pixels(kDropPictureLeft), s.Pixels(kDropPictureTop)};
  SetPanelPicture(Control(kArcPnl), imageList1_.Get(), 0, pictureAt);
  SetPanelPicture(Control(kFreezePnl), imageList1_.Get(), 1, pictureAt);
}

void TZELKForm::CreateTabArea() {
  const HWND tabs = ATab_.Create(Control(kPanel2), moveTo_, controls_);
  controls_.Add(kPanel3, CreatePanel(tabs, kPanel3, settings_.FoldaC, false));
  controls_.Add(kProgBtn, CreateFlatButton(Control(kPanel3), kProgBtn, L"PROGRAM", {}));
  controls_.Add(kStartBtn, CreateFlatButton(Control(kPanel3), kStartBtn, L"ｽﾀｰﾄｱｯﾌﾟ", {}));
  controls_.Add(kPanel4, CreatePanel(tabs, kPanel4, settings_.BM, false));
  PAria_.Create(Control(kPanel4), tabs, controls_);
  PAria_.SetScale(scale_, controls_.Font());
  findField_.Create(Control(kPanel4), kFindEdit, controls_);
}

void TZELKForm::CreatePopMenu() {
  pop_.Reset(CreatePopupMenu());
  moveTo_ = CreatePopupMenu();
  const HMENU pop = pop_.Get();
  AppendMenuW(pop, MF_STRING, kK9, L"登録アプリのフォルダを開く");
  AppendMenuW(pop, MF_STRING, kN7, L"表示名の変更");
  AppendMenuW(pop, MF_STRING, kN5, L"起動オプション編集");
  AppendMenuW(pop, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop, MF_STRING, kDelete1, L"削除");
  AppendMenuW(pop, MF_POPUP, reinterpret_cast<UINT_PTR>(moveTo_), L"移動");
  AppendMenuW(pop, MF_STRING, kRegisterFiles, L"ファイルの登録...");
  AppendMenuW(pop, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop, MF_STRING, kK8, L"コントロールパネル");
  AppendMenuW(pop, MF_STRING, kN4, L"レジストリエディタ");
  AppendMenuW(pop, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop, MF_STRING, kKZELK1, L"ZELKの終了");
  AppendMenuW(pop, MF_STRING, kKWindows1, L"Windows終了");
}

void TZELKForm::LayoutRegions() {
  RECT client;
  GetClientRect(Handle(), &client);
  const HWND status = Control(kStatusBar1);
  int statusHeight = 0;
  if (IsShown(status)) {
    SendMessageW(status, WM_SIZE, 0, 0);
    // The bar places itself; its size grip moves with its right edge.
    InvalidateRect(status, nullptr, TRUE);
    RECT statusRect;
    GetWindowRect(status, &statusRect);
    statusHeight = statusRect.bottom - statusRect.top;
  }
  const TFormRegions regions =
      LayoutForm(client.right, client.bottom, statusHeight, IsShown(quickBar_.Panel()), scale_);
  // Each part repaints all of itself: edges drawn at its old size would
  // otherwise be copied along.
  Place(Control(kPanel1), regions.Panel1);
  Place(Control(kPanel2), regions.Panel2);
  Place(quickBar_.Panel(), regions.SysPanel);
  Place(ATab_.Handle(), regions.ATab);
  RECT display{0, 0, regions.ATab.Width(), regions.ATab.Height()};
  TabCtrl_AdjustRect(ATab_.Handle(), FALSE, &display);
  const TTabRegions inner =
      LayoutTabArea({display.left, display.top, display.right, display.bottom},
                    settings_.RS_Direction != 0, scale_);
  Place(Control(kPanel3), inner.Panel3);
  Place(Control(kPanel4), inner.Panel4);
  Place(PAria_.PaintBar(), inner.PaintBar);
  // An open find field takes the bottom of the item panel.
  const int findHeight = findField_.IsOpen() ? scale_.Pixels(kFindFieldHeight) : 0;
  const int areaHeight = inner.Panel4.Height() - findHeight;
  Place(PAria_.Handle(), {0, 0, inner.Panel4.Width(), areaHeight});
  Place(findField_.Handle(), {0, areaHeight, inner.Panel4.Width(), inner.Panel4.Height()});
}
