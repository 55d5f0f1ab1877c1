#pragma once
// The commands of the item popup menu Pop that act on the item of the
// pressed cell: open its folder, edit its display name or parameters,
// delete it, move it to another sheet. The item is looked up by the slot
// of the pressed cell each time a command runs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/launch/ShellRunner.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/SheetFiles.h"
#include "base/errors/MessageBoxes.h"
#include "base/text/TextCodec.h"

enum class TItemField { Display, Params };

// What the modal text entry TStDlg shows.
struct TItemTextEntry {
  std::wstring Caption;  // the target's file name, extension included
  std::wstring Prompt;   // GroupBox1
  std::wstring Text;     // Edit1: the field's present value
  std::size_t MaxBytes;  // what the field holds, in bytes of the ANSI code page
};

// N7Click / N5Click before the dialog; nullopt when the cell holds no item.
[[nodiscard]] std::optional<TItemTextEntry> ItemTextEntry(const TSheetBuffer& sheet, int slot,
                                                          TItemField field,
                                                          const ITextCodec& codec);
// N7Click / N5Click after OK. Text longer than the field (Display 255
// bytes, Params 99), not representable, or a display name of blanks only
// raises EZelkError naming the field, and the field keeps its value. Nothing happens when the cell
// holds no item.
void StoreItemText(TSheetBuffer& sheet, int slot, TItemField field, std::wstring_view text,
                   const ITextCodec& codec);
// Raises what StoreItemText would raise for the text, changing nothing.
void CheckItemText(TItemField field, std::wstring_view text, const ITextCodec& codec);

// K9Click: the file manager on the folder that holds the item's target.
void OpenItemFolder(const TSheetBuffer& sheet, int slot, const ITextCodec& codec,
                    IShellRunner& shell);

[[nodiscard]] std::wstring DeleteItemQuestion(std::wstring_view target);
// IE30Btn4Click: asks, deletes on OK; the sheet is saved in every case.
void DeleteItemCommand(TCurrentSheet& sheet, int slot, IMessageBoxes& messageBoxes,
                       const TArrangeOptions& options);

// The settings dialog's count reset: asks, and on OK every item registered
// on that sheet (its Group is the sheet's name, exactly) gets use count 0.
// Items registered on another sheet and moved here keep theirs. The sheet
// file takes the change with its next save.
[[nodiscard]] std::wstring CountResetQuestion(std::wstring_view sheetName);
void ResetSheetCounts(TSheetBuffer& sheet, std::wstring_view sheetName, const ITextCodec& codec,
                      IMessageBoxes& messageBoxes);

// K1Click: moves the item to the sheet of that name, into the smallest
// free slot of that sheet, keeping all its other fields. The destination
// is written first and the item removed from the current sheet after, so
// a failure never loses the item. A destination that holds 400 items
// raises "これ以上登録できません。" and changes nothing. Moving onto the
// current sheet itself moves the item into its lowest free slot.
void MoveItemToSheet(TCurrentSheet& sheet, TSheetFiles& files, int slot,
                     std::wstring_view destination, const TArrangeOptions& options);
