#pragma once
// The main window's child windows by identifier, the hints they carry (as
// tool tips and on the status bar) and the form's font they all use.

#include <windows.h>

#include <map>
#include <string>

#include "base/Scale.h"
#include "base/win32/Handles_win.h"

class TFormControls {
 public:
  // The form's font and the tool tips of the window.
  void Create(HWND form, TScale scale);
  // The form's font made anew for the window's DPI and given to every control.
  void SetScale(TScale scale);
  [[nodiscard]] HFONT Font() const { return font_.Get(); }
  // Keeps the window under its identifier, gives it the form's font and,
  // with a hint, a tool tip.
  HWND Add(int id, HWND window, const wchar_t* hint = nullptr);
  [[nodiscard]] HWND Control(int id) const;
  // The hint of the window, or of the nearest window around it that has one.
  [[nodiscard]] std::wstring HintAt(HWND window) const;

 private:
  HWND form_ = nullptr;     // not owned
  // Not owned by the form's window: a window that owns a topmost popup
  // never enters the topmost band under Wine.
  TOwnedWindow tooltip_;
  TFont font_;              // outlives the controls, which use it
  std::map<int, HWND> controls_;
  std::map<HWND, std::wstring> hints_;
};

// A visible child window of a system class with the identifier.
HWND CreateChildControl(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                        int id, RECT bounds = {});
// Shown by its own state, whether or not the main window is visible yet.
[[nodiscard]] bool IsShown(HWND window);
