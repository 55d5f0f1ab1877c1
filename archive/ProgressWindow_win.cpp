#include "archive/ProgressWindow_win.h"

#include "archive/ArchiverErrors.h"

UINT ArcExtractMessage() {
  static const UINT message = RegisterWindowMessageW(L"wm_arcextract");
  return message;
}

TProgressWindow::TProgressWindow(TProgressHandler handler, IMessageBoxes& messageBoxes)
    : THiddenWindow(L"TArchiveFileProgress", messageBoxes), handler_(std::move(handler)) {
  if (!THiddenWindow::Handle()) {
    throw EArchiver(L"書庫の進行状況を受け取るウィンドウを作成できませんでした。");
  }
}

TProgressWindowFactory TProgressWindow::Factory(IMessageBoxes& messageBoxes) {
  return [&messageBoxes](TProgressHandler handler) -> std::unique_ptr<IProgressWindow> {
    return std::make_unique<TProgressWindow>(std::move(handler), messageBoxes);
  };
}

LRESULT TProgressWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != ArcExtractMessage()) return DefaultHandling(message, wParam, lParam);
  try {
    return handler_(static_cast<int>(wParam), reinterpret_cast<void*>(lParam)) ? 1 : 0;
  } catch (const EZelkError&) {
    // A failing handler is shown, and the library is asked to stop.
    ReportFailure();
    return 1;
  }
}
