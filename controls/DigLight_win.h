#pragma once
// The digit entry control TDigLight: a right-aligned edit whose text the
// number decides. No character reaches the edit's own logic; the text is
// written again after every change. Register the class once; a dialog
// template then names it "TDigLight", and TDigLight::Of gives the object of
// such a control. The window owns its object.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/errors/MessageBoxes.h"
#include "base/win32/Handles_win.h"
#include "base/win32/Window_win.h"
#include "controls/DigLight.h"

inline constexpr wchar_t kDigLightClass[] = L"TDigLight";

class TDigLight : public TSubclass {
 public:
  // Registers the class "TDigLight" for the running program; again is harmless.
  static void RegisterDigLightClass();
  // The object of a TDigLight window; nullptr for any other window.
  [[nodiscard]] static TDigLight* Of(HWND window);

  [[nodiscard]] const TDigLightNumber& Number() const { return number_; }
  // The setters of the number's properties; the text follows at once.
  void SetDigKeta(int digits);     // raises EZelkError outside 1..17
  void SetDigSKeta(int decimals);  // raises EZelkError outside 0..4
  void SetOption(TOptionAttrib option);
  void SetMaxDigit(std::int32_t bound) { number_.MaxDigit = bound; }
  void SetMinDigit(std::int32_t bound) { number_.MinDigit = bound; }
  void SetZeroDisplay(bool display);
  bool SetMoneyHugou(std::wstring_view sign);  // false unless one character

  // The background while the control has the focus.
  void SetFocusColor(COLORREF color);
  [[nodiscard]] COLORREF FocusColor() const { return focusColor_; }
  bool NextFocus = false;  // Enter and Escape move on to the next control
  bool AutoSelect = true;  // gaining the focus selects the whole text
  // Where the range message goes; the real boxes unless a test answers.
  void SetMessageBoxes(IMessageBoxes& boxes) { boxes_ = &boxes; }

  // False when the whole part has more than DigKeta digits: nothing changes.
  bool SetValue(TCurrency value);
  [[nodiscard]] TCurrency GetValue() const { return number_.GetValue(); }
  [[nodiscard]] std::wstring Text() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReportFailure() noexcept override;

 private:
  // Answers the parent's colour question for this control while it has the
  // focus; the parent's own answer otherwise.
  class TParentColours : public TSubclass {
   public:
    explicit TParentColours(TDigLight& control) : control_(control) {}

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    TDigLight& control_;
  };

  TDigLight();
  static LRESULT CALLBACK ClassProcedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept;

  LRESULT DialogCode(WPARAM wParam, LPARAM lParam);
  void KeyPress(wchar_t key);
  [[nodiscard]] bool KeyDown(WPARAM key);
  void HandDialogKey(wchar_t key);
  void FocusGained();
  void FocusLost(HWND newFocus);
  void MouseReleased(bool leftButton);
  void PasteClipboard();
  void ClearSelection();
  void Apply(TInputResult result);
  void ShowNumber();
  void SelectAll();
  void CaretToEnd();
  [[nodiscard]] bool ReadOnly() const;
  [[nodiscard]] bool TextSelected() const;

  TDigLightNumber number_;
  COLORREF focusColor_;
  TBrush focusBrush_;
  bool focused_ = false;
  IMessageBoxes* boxes_;  // not owned
  TParentColours parentColours_{*this};
};
