#include "app/itemarea/ItemAreaWindow_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/form/ControlIds.h"
#include "app/paint/GdiCanvas_win.h"
#include "base/errors/ErrorBox_win.h"
#include "base/text/AnsiField.h"
#include "base/win32/Handles_win.h"

namespace {

constexpr wchar_t kItemAreaClass[] = L"TPaintBox";

TPoint PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

TItemAreaWindow::TItemAreaWindow(TSettings& settings, TCurrentSheet& sheet,
                                 const TSheetIcons& icons, const ITextCodec& codec,
                                 IMessageBoxes& messageBoxes, IItemAreaEvents& events)
    : settings_(settings),
      sheet_(sheet),
      icons_(icons),
      codec_(codec),
      messageBoxes_(messageBoxes),
      events_(events) {}

// The window goes while this object's handler can still see its messages.
TItemAreaWindow::~TItemAreaWindow() {
  if (Handle()) DestroyWindow(Handle());
}

void TItemAreaWindow::Create(HWND panel, HWND tabs, TFormControls& controls) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(panel, GWLP_HINSTANCE));
  RegisterWindowClass(instance, kItemAreaClass, CS_DBLCLKS, nullptr);
  controls.Add(kPAria,
               CreateWindowOf(0, kItemAreaClass, L"", WS_CHILD | WS_VISIBLE, {}, panel,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPAria)), instance));
  paintBar_ =
      controls.Add(kPaintBar, CreateChildControl(WC_SCROLLBARW, L"", SBS_VERT, tabs, kPaintBar));
  UpdateScrollRange();
}

void TItemAreaWindow::SetScale(TScale scale, HFONT hintFont) {
  scale_ = scale;
  itemHint_.SetLook(hintFont, scale);
  SetItemAreaFont();
}

void TItemAreaWindow::SetItemAreaFont() {
  cellHeight_ = ::CellHeight(ItemAreaLook(settings_), scale_.Dpi());
  UpdateScrollRange();
}

int TItemAreaWindow::PressedSlot() const {
  if (selectedSlot_ >= 0) return selectedSlot_;
  return SlotOfCell(mouse_.PressedCell(), settings_.Colum, ScrollPosition());
}

const TSheetBuffer& TItemAreaWindow::Shown() const {
  return find_ ? find_->Found() : sheet_.Buffer();
}

HIMAGELIST TItemAreaWindow::ShownIcons() const { return find_ ? foundIcons_ : icons_.Handle(); }

std::wstring_view TItemAreaWindow::EmptyAreaText() const {
  if (Shown().Count > 0) return {};
  return find_ ? kNothingFound : kEmptySheetHint;
}

std::wstring TItemAreaWindow::ItemHintText(int index) const {
  if (find_) return find_->FoundHint(index);
  return DecodeField(sheet_.Buffer().Items[static_cast<std::size_t>(index)].Display, codec_);
}

TItemAreaPainter TItemAreaWindow::ShownPainter(ICanvas& canvas, const TItemAreaLook& look) const {
  TItemAreaPainter painter(canvas, look, Shown(), codec_);
  painter.SetIconIndexes(find_ ? foundIconIndexes_ : icons_.Images());
  painter.SetSelectedSlot(selectedSlot_);
  painter.SetEmptyText(EmptyAreaText());
  return painter;
}

void TItemAreaWindow::ShowFound(const TItemFind* find, HIMAGELIST icons,
                                std::span<const int> iconIndexes) {
  find_ = find;
  foundIcons_ = icons;
  foundIconIndexes_ = iconIndexes;
  HideItemHint();
  SetScrollPos(paintBar_, SB_CTL, 0, FALSE);
  selectedSlot_ = find && find->Found().Count > 0 ? 0 : -1;
  Repaint();
}

void TItemAreaWindow::Select(int slot) {
  selectedSlot_ = slot;
  if (slot >= 0 && settings_.Colum > 0) {
    const int row = slot / settings_.Colum;
    const int position = ScrollPosition();
    const int page = Scroll().Page;
    if (row < position) ScrollTo(row);
    if (row >= position + page) ScrollTo(row - page + 1);
  }
  Repaint();
}

void TItemAreaWindow::MoveSelection(TNavigationKey key) {
  const TSheetBuffer& shown = Shown();
  int lastSlot = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(shown.Count); ++i) {
    lastSlot = std::max(lastSlot, static_cast<int>(shown.Items[i].Slot));
  }
  Select(NavigatedSlot(selectedSlot_, key, settings_.Colum, Scroll().Page, lastSlot));
}

POINT TItemAreaWindow::SelectedCellOnScreen() const {
  POINT point{};
  if (selectedSlot_ < 0 || settings_.Colum <= 0) {
    GetCursorPos(&point);
    return point;
  }
  point.x = selectedSlot_ % settings_.Colum * cellWidth_;
  point.y = (selectedSlot_ / settings_.Colum - ScrollPosition()) * cellHeight_;
  ClientToScreen(Handle(), &point);
  return point;
}

void TItemAreaWindow::Repaint() {
  UpdateScrollRange();
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TItemAreaWindow::ShowLoadedSheet() {
  HideItemHint();
  SetScrollPos(paintBar_, SB_CTL, 0, FALSE);
  Repaint();
}

void TItemAreaWindow::PAriaPaint(HDC dc, int width, int height, const RECT* dirty) {
  const TItemAreaLook look = ItemAreaLook(settings_);
  TGdiCanvas canvas(dc, scale_.Dpi(), ShownIcons(), itemFontColor_, gdiObjects_);
  TItemAreaPainter painter = ShownPainter(canvas, look);
  if (dirty) painter.SetDirtyRect({dirty->left, dirty->top, dirty->right, dirty->bottom});
  cellWidth_ = painter.Paint(width, height, cellHeight_, ScrollPosition());
  itemFontColor_ = canvas.FontColor();
}

void TItemAreaWindow::PaintToScreen() {
  const TPaintScope paint(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  const RECT& dirty = paint.Dirty();
  const int width = dirty.right - dirty.left;
  const int height = dirty.bottom - dirty.top;
  if (width <= 0 || height <= 0) return;
  // Painted off screen first, so that a repaint does not flicker: a bitmap
  // of the dirty part only, the area shifted onto it.
  const TMemoryDC memory(CreateCompatibleDC(paint.Get()));
  const TBitmap bitmap(CreateCompatibleBitmap(paint.Get(), width, height));
  const TSelectObject selected(memory.Get(), bitmap.Get());
  SetViewportOrgEx(memory.Get(), -dirty.left, -dirty.top, nullptr);
  PAriaPaint(memory.Get(), client.right, client.bottom, &dirty);
  BitBlt(paint.Get(), dirty.left, dirty.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT TItemAreaWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole area
    case WM_LBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Right, PointOf(lParam));
      return 0;
    case WM_MBUTTONDOWN:
      AppliGridMouseDown(TMouseButton::Middle, PointOf(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      // Reported with the second press, just before it is handled as a press.
      PAriaDblClick();
      AppliGridMouseDown(TMouseButton::Left, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        PAriaDragDrop(PointOf(lParam));
      } else {
        PAriaMouseUp(PointOf(lParam));
      }
      return 0;
    case WM_MOUSEMOVE:
      PAriaMouseMove(PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != Handle()) MouseCaptureLost();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE && dragging_) {
        EndDrag();  // Escape cancels a drag
        return 0;
      }
      [[fallthrough]];
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
      // The area has the focus after a press; the keys and the input
      // method's typing are the main window's.
      return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
    case WM_MOUSEWHEEL:
      PAriaMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_SIZE:
      UpdateScrollRange();
      return 0;
    case WM_TIMER:
      if (wParam == kHintTmId) HintTmTimer();
      return 0;
    case WM_PAINT:
      PaintToScreen();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(Handle(), &client);
      PAriaPaint(reinterpret_cast<HDC>(wParam), client.right, client.bottom);
      return 0;
    }
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void TItemAreaWindow::ReportFailure() noexcept {
  messageBoxes_.ShowError(CurrentExceptionMessage());
}
