#include "app/dialogs/StNames/StNames_win.h"

#include <algorithm>

#include "app/dialogs/StNames/StNamesIds.h"
#include "base/errors/Errors.h"
#include "base/text/AnsiField.h"

bool TStDlg::ShowModal(HWND owner) { return RunModal(owner, L"TStDlg") == IDOK; }

void TStDlg::OnInitDialog() {
  SetWindowTextW(Handle(), Caption.c_str());
  SetDlgItemTextW(Handle(), IDC_STDLG_GROUPBOX1, Prompt.c_str());
  accepted_ = Text;
  SetDlgItemTextW(Handle(), IDC_STDLG_EDIT1, Text.c_str());
  CenterOnScreen();
}

bool TStDlg::OnCommand(int id, int notification) {
  if (id == IDC_STDLG_EDIT1) {
    if (notification == EN_UPDATE) KeepWithinLimit();
    return false;
  }
  if (id == IDOK) {
    const std::wstring typed = WindowText(Item(IDC_STDLG_EDIT1));
    if (!Accepts(typed)) return true;
    Text = typed;
  }
  if (id != IDOK && id != IDCANCEL) return false;
  Close(id);
  return true;
}

// The edit counts characters, the field bytes of the ANSI code page: a
// change that makes the text too long is undone, whether typed or pasted.
void TStDlg::KeepWithinLimit() {
  const HWND edit = Item(IDC_STDLG_EDIT1);
  const std::wstring typed = WindowText(edit);
  if (!Rule || typed == accepted_ || AnsiByteLength(typed, Rule->Codec) <= Rule->MaxBytes) {
    accepted_ = typed;
    return;
  }
  DWORD caret = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  const auto grown =
      static_cast<long long>(typed.size()) - static_cast<long long>(accepted_.size());
  // The caret goes back to where the refused change began.
  const auto restored = static_cast<WPARAM>(std::clamp(static_cast<long long>(caret) - grown, 0LL,
                                                       static_cast<long long>(accepted_.size())));
  SetWindowTextW(edit, accepted_.c_str());
  SendMessageW(edit, EM_SETSEL, restored, static_cast<LPARAM>(restored));
  MessageBeep(MB_OK);
}

bool TStDlg::Accepts(const std::wstring& typed) {
  if (!Rule || !Rule->Check) return true;
  try {
    Rule->Check(typed);
    return true;
  } catch (const EZelkError& refusal) {
    Rule->MessageBoxes.ShowError(refusal.Message());
    const HWND edit = Item(IDC_STDLG_EDIT1);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
  }
}

std::optional<std::wstring> AskText(HWND owner, const std::wstring& caption,
                                    const std::wstring& prompt, const std::wstring& text,
                                    const TTextEntryRule& rule) {
  TStDlg dialog;
  dialog.Caption = caption;
  dialog.Prompt = prompt;
  dialog.Text = text;
  dialog.Rule = &rule;
  if (!dialog.ShowModal(owner)) return std::nullopt;
  return dialog.Text;
}

std::optional<std::wstring> AskItemText(HWND owner, const TItemTextEntry& entry, TItemField field,
                                        const ITextCodec& codec, IMessageBoxes& messageBoxes) {
  const TTextEntryRule rule{entry.MaxBytes, codec, messageBoxes,
                            [&](const std::wstring& text) { CheckItemText(field, text, codec); }};
  return AskText(owner, entry.Caption, entry.Prompt, entry.Text, rule);
}

std::optional<std::wstring> AskSheetName(HWND owner, const TSheetList& sheets, bool rename,
                                         const ITextCodec& codec, IMessageBoxes& messageBoxes) {
  const TTextEntryRule rule{kSheetNameMaxBytes, codec, messageBoxes, [&](const std::wstring& text) {
                              CheckTypedSheetName(text, sheets, codec, rename);
                            }};
  return AskText(owner, kStDlgCaption, rename ? kRenameSheetPrompt : kCreateSheetPrompt,
                 rename ? sheets.Names.at(static_cast<std::size_t>(sheets.Current)) : L"", rule);
}
