#include "app/form/Panel_win.h"

#include <memory>

#include "app/paint/ColorRef_win.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"

namespace {

// The panel's look. The object belongs to its window and is freed with it.
class TPanel final : public TWindow {
 public:
  TPanel(TColor color, bool beveled) : color_(color), beveled_(beveled) {}

  static void Register(HINSTANCE instance) {
    // A resized panel paints all of itself: its bevel lies at its edges.
    RegisterWindowClass(instance, kPanelClass, CS_HREDRAW | CS_VREDRAW, nullptr);
  }

  // The panel's window, which from then on owns this object; null when the
  // system refused, and the object is then freed here.
  static HWND Create(std::unique_ptr<TPanel> panel, HWND parent, int id) {
    const HWND window = panel->CreateWindowOf(
        0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, RECT{},
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)));
    if (window) panel.release()->ownedByWindow_ = true;
    return window;
  }

  void SetColor(TColor color) {
    color_ = color;
    // The flat buttons on it paint its colour behind themselves.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

  void SetPicture(HIMAGELIST images, int index, POINT at) {
    images_ = images;
    pictureIndex_ = index;
    pictureAt_ = at;
    InvalidateRect(Handle(), nullptr, TRUE);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT forwarded = 0;
    if (ForwardToMainWindow(Handle(), message, wParam, lParam, forwarded)) return forwarded;
    if (message != WM_ERASEBKGND) return DefaultHandling(message, wParam, lParam);
    EraseBackground(reinterpret_cast<HDC>(wParam));
    return 1;
  }

  void EraseBackground(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const TBrush brush(CreateSolidBrush(ToColorRef(color_)));
    FillRect(dc, &client, brush.Get());
    if (beveled_) DrawEdge(dc, &client, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
    if (images_) {
      ImageList_Draw(images_, pictureIndex_, dc, pictureAt_.x, pictureAt_.y, ILD_TRANSPARENT);
    }
  }

  void OnFinalMessage() noexcept override {
    if (ownedByWindow_) delete this;
  }

  TColor color_;
  bool beveled_;
  HIMAGELIST images_ = nullptr;
  int pictureIndex_ = 0;
  POINT pictureAt_{};
  bool ownedByWindow_ = false;
};

}  // namespace

bool ForwardToMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
      return true;
    default:
      return false;
  }
}

void RegisterPanelClass(HINSTANCE instance) { TPanel::Register(instance); }

HWND CreatePanel(HWND parent, int id, TColor color, bool beveled) {
  return TPanel::Create(std::make_unique<TPanel>(color, beveled), parent, id);
}

void SetPanelColor(HWND panel, TColor color) {
  if (auto* object = dynamic_cast<TPanel*>(TWindow::FromHandle(panel))) object->SetColor(color);
}

void SetPanelPicture(HWND panel, HIMAGELIST images, int index, POINT at) {
  if (auto* object = dynamic_cast<TPanel*>(TWindow::FromHandle(panel))) {
    object->SetPicture(images, index, at);
  }
}
