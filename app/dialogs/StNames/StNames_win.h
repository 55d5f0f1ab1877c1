#pragma once
// TStDlg: the one-line text entry for sheet names, display names and
// parameters. Each user sets its caption, prompt and text.

#include <optional>
#include <string>

#include "app/dialogs/ModalDialog_win.h"

inline constexpr wchar_t kStDlgCaption[] = L"シート名入力";

class TStDlg : public TModalDialog {
 public:
  std::wstring Caption = kStDlgCaption;
  std::wstring Prompt;  // the caption of GroupBox1
  std::wstring Text;    // Edit1

  // Centred on the screen; true on OK, with Text holding Edit1.
  [[nodiscard]] bool ShowModal(HWND owner);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
};

// Opens TStDlg modally with that caption, prompt and text; the text of
// Edit1 on OK, nullopt on Cancel.
[[nodiscard]] std::optional<std::wstring> AskText(HWND owner, const std::wstring& caption,
                                                  const std::wstring& prompt,
                                                  const std::wstring& text);
