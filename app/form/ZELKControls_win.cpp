// The main window's child windows, their hints and the item popup menu.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "app/form/ControlIds.h"
#include "app/form/GdiCanvas_win.h"
#include "app/paint/ItemArea.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "app/form/Panel_win.h"
#include "app/form/ZELK_win.h"

namespace {

constexpr int kToolButtonWidth = 47;
constexpr int kToolButtonHeight = 38;
constexpr int kDropTargetSize = 40;
constexpr int kQuickButtonSize = 38;

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent, int id,
                 int x = 0, int y = 0, int width = 0, int height = 0) {
  return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

HWND CreateButton(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height,
                  bool toggle = false) {
  const DWORD style = toggle ? (BS_AUTOCHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
  return CreateChild(WC_BUTTONW, text, style | BS_FLAT, parent, id, x, y, width, height);
}

// Shown by its own state, whether or not the main window is visible yet.
bool IsShown(HWND window) { return GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE; }


}  // namespace

HWND TZELKForm::AddControl(int id, HWND window, const wchar_t* hint) {
  controls_[id] = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  if (hint) {
    hints_[window] = hint;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle_;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = const_cast<wchar_t*>(hints_[window].c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return window;
}

void TZELKForm::CreateControls() {
  // The form's font: "ＭＳ Ｐゴシック", 12 pixels.
  formFont_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                          L"ＭＳ Ｐゴシック");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                             0, 0, handle_, nullptr, nullptr, nullptr);
  // The application's hint pause.
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
  AddControl(kPanel1, CreatePanel(handle_, kPanel1, settings_.TopC, true));
  AddControl(kPanel2, CreatePanel(handle_, kPanel2, settings_.TabBC, false));
  AddControl(kStatusBar1, CreateChild(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, handle_, kStatusBar1));
  SendMessageW(Control(kStatusBar1), SB_SIMPLE, TRUE, 0);
  CreateToolBar();
  CreateQuickBar();
  CreateTabArea();
  CreatePopMenu();
}

void TZELKForm::CreateToolBar() {
  const HWND bar = Control(kPanel1);
  AddControl(kArcPnl, CreatePanel(bar, kArcPnl, settings_.TopC, true));
  MoveWindow(Control(kArcPnl), 2, 2, kDropTargetSize, kToolButtonHeight, FALSE);
  AddControl(kFreezePnl, CreatePanel(bar, kFreezePnl, settings_.TopC, true));
  MoveWindow(Control(kFreezePnl), 2 + kDropTargetSize, 2, kDropTargetSize, kToolButtonHeight, FALSE);
  CreateChild(WC_STATICW, L"", SS_ETCHEDVERT, bar, 0, 84, 3, 2, kToolButtonHeight - 2);
  struct TToolButton {
    int id;
    const wchar_t* caption;
    const wchar_t* hint;
    bool toggle;
  };
  const TToolButton buttons[] = {
      {kSetteiBtn, L"設定", L"各種設定", false},
      {kFowardBtn, L"前面", L"前面表示", true},
      {kLDBtn, L"ｸｲｯｸ", L"クイックバー表示", true},
      {kToolBtn, L"ﾂｰﾙ", L"ツールボックス", false},
      {kHelpBtn, L"?", L"ヘルプ", false},
  };
  int left = 88;
  for (const auto& button : buttons) {
    AddControl(button.id, CreateButton(bar, button.id, button.caption, left, 2, kToolButtonWidth,
                                       kToolButtonHeight, button.toggle),
               button.hint);
    left += kToolButtonWidth;
  }
}

void TZELKForm::CreateQuickBar() {
  const HWND bar = CreatePanel(Control(kPanel2), kSysPanel, settings_.LeftC, false);
  AddControl(kSysPanel, bar);
  for (const auto& entry : kQuickBar) {
    const int id = kMyDocBtn + static_cast<int>(entry.Button);
    const HWND button = CreateChild(WC_BUTTONW, L"", BS_PUSHBUTTON | BS_FLAT | BS_BITMAP, bar, id, 4,
                                    entry.Top, kQuickButtonSize, kQuickButtonSize);
    AddControl(id, button, std::wstring(entry.Hint).c_str());
    // The right release opens the shell's own menu of the button's object.
    SetWindowSubclass(button, QuickButtonProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
  }
}

void TZELKForm::CreateTabArea() {
  const HWND tabs = CreateChild(WC_TABCONTROLW, L"",
                                WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_OWNERDRAWFIXED,
                                Control(kPanel2), kATab);
  AddControl(kATab, tabs);
  // Controls on the tabs send their commands to the tabs; pass them on.
  SetWindowSubclass(tabs, ATabProc, 0, reinterpret_cast<DWORD_PTR>(this));
  AddControl(kPanel3, CreatePanel(tabs, kPanel3, settings_.FoldaC, false));
  AddControl(kProgBtn, CreateButton(Control(kPanel3), kProgBtn, L"PROGRAM", 4, 3, 75, 22));
  AddControl(kStartBtn, CreateButton(Control(kPanel3), kStartBtn, L"ｽﾀｰﾄｱｯﾌﾟ", 83, 3, 75, 22));
  AddControl(kPanel4, CreatePanel(tabs, kPanel4, settings_.BM, false));
  AddControl(kPAria, CreateWindowExW(0, L"TPaintBox", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                     Control(kPanel4), reinterpret_cast<HMENU>(kPAria),
                                     reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle_, GWLP_HINSTANCE)),
                                     this));
  AddControl(kPaintBar, CreateChild(WC_SCROLLBARW, L"", SBS_VERT, tabs, kPaintBar));
  SCROLLINFO range{sizeof range, SIF_RANGE | SIF_POS | SIF_PAGE, 0, kMaxScrollPosition, 0, 0, 0};
  SetScrollInfo(Control(kPaintBar), SB_CTL, &range, FALSE);
}

void TZELKForm::CreatePopMenu() {
  pop_ = CreatePopupMenu();
  moveTo_ = CreatePopupMenu();
  AppendMenuW(pop_, MF_STRING, kK9, L"登録アプリのフォルダを開く");
  AppendMenuW(pop_, MF_STRING, kN7, L"表示名の変更");
  AppendMenuW(pop_, MF_STRING, kN5, L"起動オプション編集");
  AppendMenuW(pop_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop_, MF_STRING, kDelete1, L"削除");
  AppendMenuW(pop_, MF_POPUP, reinterpret_cast<UINT_PTR>(moveTo_), L"移動");
  AppendMenuW(pop_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop_, MF_STRING, kK8, L"コントロールパネル");
  AppendMenuW(pop_, MF_STRING, kN4, L"レジストリエディタ");
  AppendMenuW(pop_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pop_, MF_STRING, kKZELK1, L"ZELKの終了");
  AppendMenuW(pop_, MF_STRING, kKWindows1, L"Windows終了");
  seetpop_ = CreatePopupMenu();
  AppendMenuW(seetpop_, MF_STRING, kStCreate, L"ｼｰﾄの作成");
  AppendMenuW(seetpop_, MF_STRING, kStRename, L"ｼｰﾄ名変更");
  AppendMenuW(seetpop_, MF_STRING, kStDelete, L"ｼｰﾄの削除");
  AppendMenuW(seetpop_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(seetpop_, MF_STRING, kK4, L"並びの変更");
}

void TZELKForm::LayoutRegions() {
  RECT client;
  GetClientRect(handle_, &client);
  const HWND status = Control(kStatusBar1);
  int statusHeight = 0;
  if (IsShown(status)) {
    SendMessageW(status, WM_SIZE, 0, 0);
    RECT statusRect;
    GetWindowRect(status, &statusRect);
    statusHeight = statusRect.bottom - statusRect.top;
  }
  const TFormRegions regions =
      LayoutForm(client.right, client.bottom, statusHeight, IsShown(Control(kSysPanel)));
  const auto place = [](HWND window, const TRect& r) {
    MoveWindow(window, r.Left, r.Top, r.Width(), r.Height(), TRUE);
  };
  place(Control(kPanel1), regions.Panel1);
  place(Control(kPanel2), regions.Panel2);
  place(Control(kSysPanel), regions.SysPanel);
  place(Control(kATab), regions.ATab);
  RECT display{0, 0, regions.ATab.Width(), regions.ATab.Height()};
  TabCtrl_AdjustRect(Control(kATab), FALSE, &display);
  const TTabRegions inner = LayoutTabArea({display.left, display.top, display.right, display.bottom},
                                          settings_.RS_Direction != 0);
  place(Control(kPanel3), inner.Panel3);
  place(Control(kPanel4), inner.Panel4);
  place(Control(kPaintBar), inner.PaintBar);
  place(Control(kPAria), {0, 0, inner.Panel4.Width(), inner.Panel4.Height()});
}

LRESULT CALLBACK TZELKForm::ATabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR form) noexcept {
  if (message == WM_RBUTTONDOWN) {
    reinterpret_cast<TZELKForm*>(form)->ATabMouseDown();
    return 0;
  }
  LRESULT forwarded = 0;
  if (message != WM_NOTIFY && ForwardToMainWindow(window, message, wParam, lParam, forwarded)) {
    return forwarded;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
