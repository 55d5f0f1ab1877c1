#include "app/form/ToolButton_win.h"

#include <memory>
#include <string>

#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

namespace {

// The button's state. The object belongs to its window and is freed with it.
class TToolButton final : public TWindow {
 public:
  explicit TToolButton(bool toggle) : toggle_(toggle) {}

  // The button's window, which from then on owns this object; null when the
  // system refused, and the object is then freed here.
  static HWND Create(std::unique_ptr<TToolButton> button, HWND parent, int id, const wchar_t* text,
                     RECT bounds) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    RegisterWindowClass(instance, kToolButtonClass, CS_HREDRAW | CS_VREDRAW, nullptr);
    const HWND window =
        button->CreateWindowOf(0, kToolButtonClass, text, WS_CHILD | WS_VISIBLE, bounds, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance);
    if (window) button.release()->ownedByWindow_ = true;
    return window;
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT: {
        const TPaintScope paint(Handle());
        Paint(paint.Get());
        return 0;
      }
      case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
      case WM_ERASEBKGND:
        return 1;  // WM_PAINT paints all of it
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (lParam) Redraw();
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_SETTEXT: {
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        Redraw();
        return result;
      }
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        // No SetFocus: the keyboard focus stays where it was.
        SetCapture(Handle());
        pressed_ = pointerInside_ = true;
        Redraw();
        return 0;
      case WM_MOUSEMOVE:
        MouseMove(lParam);
        return 0;
      case WM_MOUSELEAVE:
        hot_ = false;
        Redraw();
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() == Handle()) {
          const bool clicked = pointerInside_;
          ReleaseCapture();
          if (clicked) Click();
        }
        return 0;
      case WM_CAPTURECHANGED:
        pressed_ = false;
        Redraw();
        return 0;
      case BM_CLICK:
        Click();
        return 0;
      case BM_GETCHECK:
        return down_ ? BST_CHECKED : BST_UNCHECKED;
      case BM_SETCHECK:
        down_ = wParam == BST_CHECKED;
        Redraw();
        return 0;
      default:
        return DefaultHandling(message, wParam, lParam);
    }
  }

  void MouseMove(LPARAM lParam) {
    if (!hot_) {
      hot_ = true;
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
      TrackMouseEvent(&track);
      Redraw();
    }
    if (!pressed_) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool inside = PtInRect(&client, point);
    if (inside == pointerInside_) return;
    pointerInside_ = inside;
    Redraw();
  }

  void Click() {
    if (toggle_) down_ = !down_;
    Redraw();
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
  }

  void Redraw() { InvalidateRect(Handle(), nullptr, FALSE); }

  void Paint(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const bool down = down_ || (pressed_ && pointerInside_);
    if (down) {
      FillRect(dc, &client, GetSysColorBrush(COLOR_HIGHLIGHT));
      DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    } else {
      PaintParentBackground(dc);
      if (hot_) DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    }
    wchar_t text[64] = {};
    const int length = GetWindowTextW(Handle(), text, 64);
    const TSelectObject font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(down ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
    if (down) OffsetRect(&client, 1, 1);
    DrawTextW(dc, text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  // The bar's own colour and bevel behind the button.
  void PaintParentBackground(HDC dc) const {
    const HWND parent = GetParent(Handle());
    POINT origin{0, 0};
    MapWindowPoints(Handle(), parent, &origin, 1);
    POINT previous;
    OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
  }

  void OnFinalMessage() noexcept override {
    if (ownedByWindow_) delete this;
  }

  bool toggle_;
  bool down_ = false;           // a toggle that is down
  bool pressed_ = false;        // the left button went down on it and is held
  bool pointerInside_ = false;  // while pressed
  bool hot_ = false;            // under the mouse
  HFONT font_ = nullptr;        // not owned: the form's font
  bool ownedByWindow_ = false;
};

}  // namespace

HWND CreateFlatButton(HWND parent, int id, const wchar_t* text, RECT bounds, bool toggle) {
  return TToolButton::Create(std::make_unique<TToolButton>(toggle), parent, id, text, bounds);
}
