#pragma once
// TStDlg: the one-line text entry for sheet names, display names and
// parameters. Each user sets its caption, prompt, text and what the text
// may be.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "app/commands/ItemCommands.h"
#include "app/commands/SheetOperations.h"
#include "app/dialogs/ModalDialog_win.h"
#include "base/errors/MessageBoxes.h"
#include "base/text/TextCodec.h"

inline constexpr wchar_t kStDlgCaption[] = L"シート名入力";

// What Edit1 accepts. While typed: at most MaxBytes in the ANSI code page
// (a change past it is undone with a beep). On OK: what Check lets through;
// its refusal is shown and the dialog stays open with the typed text.
struct TTextEntryRule {
  std::size_t MaxBytes;
  const ITextCodec& Codec;
  IMessageBoxes& MessageBoxes;
  std::function<void(const std::wstring&)> Check;  // raises EZelkError with the reason
};

class TStDlg : public TModalDialog {
 public:
  std::wstring Caption = kStDlgCaption;
  std::wstring Prompt;                   // the caption of GroupBox1
  std::wstring Text;                     // Edit1
  const TTextEntryRule* Rule = nullptr;  // not owned; none: any text

  // Centred on the screen; true on OK, with Text holding Edit1.
  [[nodiscard]] bool ShowModal(HWND owner);

 private:
  void OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
  void KeepWithinLimit();
  [[nodiscard]] bool Accepts(const std::wstring& typed);

  std::wstring accepted_;  // Edit1's last text within the limit
};

// Opens TStDlg modally with that caption, prompt and text under the rule;
// the text of Edit1 on OK, nullopt on Cancel.
[[nodiscard]] std::optional<std::wstring> AskText(HWND owner, const std::wstring& caption,
                                                  const std::wstring& prompt,
                                                  const std::wstring& text,
                                                  const TTextEntryRule& rule);

// N7Click / N5Click: the item's display name or parameters, limited to
// what the field holds.
[[nodiscard]] std::optional<std::wstring> AskItemText(HWND owner, const TItemTextEntry& entry,
                                                      TItemField field, const ITextCodec& codec,
                                                      IMessageBoxes& messageBoxes);

// StCreate / StRename: a sheet name the sheet list would take.
[[nodiscard]] std::optional<std::wstring> AskSheetName(HWND owner, const TSheetList& sheets,
                                                       bool rename, const ITextCodec& codec,
                                                       IMessageBoxes& messageBoxes);
