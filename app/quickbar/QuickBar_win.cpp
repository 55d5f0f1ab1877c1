#include "app/quickbar/QuickBar_win.h"

#include <commctrl.h>

#include <string>

#include "app/form/ControlIds.h"
#include "app/form/Metrics.h"
#include "app/form/Panel_win.h"
#include "app/shortcuts/ShellContextMenu_win.h"
#include "app/shortcuts/SystemShortcuts.h"
#include "base/errors/ErrorBox_win.h"

void TQuickBar::Create(HWND body, TColor LeftC, TFormControls& controls) {
  panel_ = controls.Add(kSysPanel, CreatePanel(body, kSysPanel, LeftC, false));
  for (std::size_t i = 0; i < kQuickBar.size(); ++i) {
    const auto& entry = kQuickBar[i];
    const int id = kMyDocBtn + static_cast<int>(entry.Button);
    const HWND button =
        CreateChildControl(WC_BUTTONW, L"", BS_PUSHBUTTON | BS_FLAT | BS_BITMAP, panel_, id);
    controls.Add(id, button, std::wstring(entry.Hint).c_str());
    buttons_[i].Attach(button, id, messageBoxes_);
  }
}

void TQuickBar::PlaceButtons(TScale scale) {
  scale_ = scale;
  for (std::size_t i = 0; i < kQuickBar.size(); ++i) {
    const TDip top = kQuickBar[i].Top;
    const TRect r = scale.Pixels(kQuickButtonLeft, top, kQuickButtonLeft + kQuickButtonSize,
                                 top + kQuickButtonSize);
    SetWindowPos(buttons_[i].Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TQuickBar::LoadQuickBarIcons(TColor LeftC) {
  glyphs_ = ::LoadQuickBarIcons(LeftC, scale_.Pixels(kIconSize));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    SendMessageW(buttons_[i].Handle(), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(glyphs_.Glyph(i)));
  }
}

bool TQuickBar::IsButton(int id) {
  return id >= kMyDocBtn && id < kMyDocBtn + static_cast<int>(kQuickBar.size());
}

void TQuickBar::TQuickButton::Attach(HWND button, int id, IMessageBoxes& messageBoxes) {
  id_ = id;
  messageBoxes_ = &messageBoxes;
  TSubclass::Attach(button);
}

LRESULT TQuickBar::TQuickButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_RBUTTONUP) return DefaultHandling(message, wParam, lParam);
  const auto button = static_cast<TQuickBarButton>(id_ - kMyDocBtn);
  ShellContextMenu(GetAncestor(Handle(), GA_ROOT),
                   {std::wstring(QuickBarEntry(button).SpecialObject)});
  return 0;
}

void TQuickBar::TQuickButton::ReportFailure() noexcept {
  messageBoxes_->ShowError(CurrentExceptionMessage());
}
