#pragma once
// The quick bar SysPanel: five buttons with the shell's icons of the system
// shortcuts. A click is a command of the main window; a right release opens
// the shell's own menu of the button's object.

#include <windows.h>

#include <array>

#include "app/form/FormControls_win.h"
#include "app/quickbar/QuickBarIcons_win.h"
#include "app/settings/Colors.h"
#include "base/errors/MessageBoxes.h"
#include "base/win32/Window_win.h"

class TQuickBar {
 public:
  explicit TQuickBar(IMessageBoxes& messageBoxes) : messageBoxes_(messageBoxes) {}

  // SysPanel on the body, in the bar colour LeftC.
  void Create(HWND body, TColor LeftC, TFormControls& controls);
  // The buttons' places and the size of their glyphs, at the window's scale.
  void PlaceButtons(TScale scale);
  // The glyphs of the buttons drawn on the bar colour.
  void LoadQuickBarIcons(TColor LeftC);
  [[nodiscard]] HWND Panel() const { return panel_; }
  // True for the command identifiers of the bar's buttons.
  [[nodiscard]] static bool IsButton(int id);

 private:
  // QuickButtonProc: the right release of one button.
  class TQuickButton : public TSubclass {
   public:
    void Attach(HWND button, int id, IMessageBoxes& messageBoxes);

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ReportFailure() noexcept override;

   private:
    int id_ = 0;
    IMessageBoxes* messageBoxes_ = nullptr;  // not owned
  };

  IMessageBoxes& messageBoxes_;
  HWND panel_ = nullptr;    // not owned: a child of the body
  TScale scale_;
  TQuickBarGlyphs glyphs_;  // outlives the buttons, which show them
  std::array<TQuickButton, 5> buttons_;
};
