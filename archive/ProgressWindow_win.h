#pragma once
// A hidden top-level window that answers the libraries' "wm_arcextract"
// messages: the handler gets State and the record, and the reply 1 asks the
// library to abort.

#include <windows.h>

#include "archive/ProgressWindow.h"

class TProgressWindow : public IProgressWindow {
 public:
  explicit TProgressWindow(TProgressHandler handler);
  ~TProgressWindow() override;
  TProgressWindow(const TProgressWindow&) = delete;
  TProgressWindow& operator=(const TProgressWindow&) = delete;

  [[nodiscard]] TWindowHandle Handle() const override { return window_; }

  // The factory for the archive component.
  static std::unique_ptr<IProgressWindow> Create(TProgressHandler handler);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT OnArcExtract(WPARAM state, LPARAM info);

  TProgressHandler handler_;
  HWND window_ = nullptr;
};

// The registered message, registered on first use.
[[nodiscard]] UINT ArcExtractMessage();
