// The main window's child windows, the item popup menu and the layout of
// the regions.

#include <windows.h>

#include <commctrl.h>

#include "app/form/ControlIds.h"
#include "app/form/Panel_win.h"
#include "app/form/ToolButton_win.h"
#include "app/form/ZELK_win.h"

namespace {

constexpr int kToolButtonWidth = 47;
constexpr int kToolButtonHeight = 38;
constexpr int kDropTargetSize = 40;

}  // namespace

void TZELKForm::CreateControls() {
  controls_.Create(Handle());
  controls_.Add(kPanel1, CreatePanel(Handle(), kPanel1, settings_.TopC, true));
  controls_.Add(kPanel2, CreatePanel(Handle(), kPanel2, settings_.TabBC, false));
  controls_.Add(kStatusBar1,
                CreateChildControl(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, Handle(), kStatusBar1));
  SendMessageW(Control(kStatusBar1), SB_SIMPLE, TRUE, 0);
  CreateToolBar();
  quickBar_.Create(Control(kPanel2), settings_.LeftC, controls_);
  CreatePopMenu();
  CreateTabArea();
}

void TZELKForm::CreateToolBar() {
  const HWND bar = Control(kPanel1);
  CreateImageList1();
  const auto dropTarget = [&](int id, int left, const wchar_t* hint, int picture) {
    controls_.Add(id, CreatePanel(bar, id, settings_.TopC, false), hint);
    MoveWindow(Control(id), left, 3, kDropTargetSize, kToolButtonHeight, FALSE);
    SetPanelPicture(Control(id), imageList1_.Get(), picture);
  };
  dropTarget(kArcPnl, 4, L"圧縮ファイルをドロップしてください。指定フォルダに展開します。", 0);
  dropTarget(kFreezePnl, 46, L"ファイルをドロップしてください。圧縮します。", 1);
  CreateChildControl(WC_STATICW, L"", SS_ETCHEDVERT, bar, 0, {84, 3, 86, 1 + kToolButtonHeight});
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
  int left = 88;
  for (const auto& button : buttons) {
    const RECT bounds{left, 2, left + kToolButtonWidth, 2 + kToolButtonHeight};
    controls_.Add(button.id,
                  CreateFlatButton(bar, button.id, button.caption, bounds, button.toggle),
                  button.hint);
    left += kToolButtonWidth;
  }
}

// The pictures of the drop targets: an archive opening, an archive closing.
void TZELKForm::CreateImageList1() {
  imageList1_.Reset(ImageList_Create(25, 32, ILC_COLOR24 | ILC_MASK, 2, 0));
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
  for (const wchar_t* name : {L"MELT", L"FREEZE"}) {
    const TBitmap picture(
        static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ImageList_AddMasked(imageList1_.Get(), picture.Get(), RGB(255, 0, 255));
  }
}

void TZELKForm::CreateTabArea() {
  const HWND tabs = ATab_.Create(Control(kPanel2), moveTo_, controls_);
  controls_.Add(kPanel3, CreatePanel(tabs, kPanel3, settings_.FoldaC, false));
  controls_.Add(kProgBtn, CreateFlatButton(Control(kPanel3), kProgBtn, L"PROGRAM", {4, 3, 79, 25}));
  controls_.Add(kStartBtn,
                CreateFlatButton(Control(kPanel3), kStartBtn, L"ｽﾀｰﾄｱｯﾌﾟ", {83, 3, 158, 25}));
  controls_.Add(kPanel4, CreatePanel(tabs, kPanel4, settings_.BM, false));
  PAria_.Create(Control(kPanel4), tabs, controls_);
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
      LayoutForm(client.right, client.bottom, statusHeight, IsShown(quickBar_.Panel()));
  // Each part repaints all of itself: edges drawn at its old size would
  // otherwise be copied along.
  const auto place = [](HWND window, const TRect& r) {
    SetWindowPos(window, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  };
  place(Control(kPanel1), regions.Panel1);
  place(Control(kPanel2), regions.Panel2);
  place(quickBar_.Panel(), regions.SysPanel);
  place(ATab_.Handle(), regions.ATab);
  RECT display{0, 0, regions.ATab.Width(), regions.ATab.Height()};
  TabCtrl_AdjustRect(ATab_.Handle(), FALSE, &display);
  const TTabRegions inner = LayoutTabArea(
      {display.left, display.top, display.right, display.bottom}, settings_.RS_Direction != 0);
  place(Control(kPanel3), inner.Panel3);
  place(Control(kPanel4), inner.Panel4);
  place(PAria_.PaintBar(), inner.PaintBar);
  // An open find field takes the bottom of the item panel.
  const int findHeight = findField_.IsOpen() ? TFindField::Height() : 0;
  const int areaHeight = inner.Panel4.Height() - findHeight;
  place(PAria_.Handle(), {0, 0, inner.Panel4.Width(), areaHeight});
  place(findField_.Handle(), {0, areaHeight, inner.Panel4.Width(), inner.Panel4.Height()});
}
