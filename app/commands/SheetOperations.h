#pragma once
// Creating, renaming, deleting and reordering sheets. The sheet list is the
// tab texts of ATab with the selected tab; the form copies it in and out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/Settings.h"
#include "app/sheets/CurrentSheet.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/TextCodec.h"

struct TSheetList {
  std::vector<std::wstring> Names;
  int Current = 0;  // the selected tab
};

// The name as typed, without leading and trailing blanks.
[[nodiscard]] std::wstring TrimSheetName(std::wstring_view text);

// True when the two names lead to one sheet file: Windows compares file
// names without case, full-width Latin letters too.
[[nodiscard]] bool SameSheetName(std::wstring_view a, std::wstring_view b);

// Raises EZelkError naming the reason when the name cannot name a sheet of
// its own: blank, already used by another sheet (Windows ignores case, so
// "Office" and "OFFICE" share one file), not a file name inside the data
// folder, or not storable in an item's Group field. The sheet at index
// `renamed` may keep its own name.
void CheckSheetName(std::wstring_view name, const std::vector<std::wstring>& names,
                    const ITextCodec& codec, int renamed = -1);

// The longest sheet name in bytes of the ANSI code page: an item's Group.
inline constexpr std::size_t kSheetNameMaxBytes = sizeof(TLauncherItem::Group) - 1;

// The name as typed into TStDlg, checked before the dialog closes: raises
// what CreateSheet (rename: false) or RenameSheet would raise for it. An
// empty text passes, as it changes nothing.
void CheckTypedSheetName(std::wstring_view text, const TSheetList& sheets, const ITextCodec& codec,
                         bool rename);

// The prompts of TStDlg for creating and renaming.
inline constexpr wchar_t kCreateSheetPrompt[] = L"作成するシート名を入力してください。";
inline constexpr wchar_t kRenameSheetPrompt[] = L"シート名を変更します。";

// StCreate: appends the sheet; the current sheet stays current. False for
// an empty text. Raises EZelkError for a refused name or a 52nd sheet.
bool CreateSheet(TSheetList& sheets, std::wstring_view text, const ITextCodec& codec);

// StRename: the current sheet's items that carry the old name in Group get
// the new one, the buffer is saved under the new name and loaded again from
// there, so the sheet stays current under its new name. The file under the
// old name stays. False for an empty text; raises for a refused name.
bool RenameSheet(TSheetList& sheets, std::wstring_view text, TCurrentSheet& sheet,
                 TSheetFiles& files, const TArrangeOptions& options);

// StDelete after the question: removes the current sheet when another is
// left and makes the first sheet current. Its file stays. False when it
// was the only sheet.
bool DeleteSheet(TSheetList& sheets);
[[nodiscard]] std::wstring DeleteSheetQuestion(std::wstring_view name);

// K4 on OK: `order` holds, for each new position, the sheet's old index.
// The sheet that was current stays current at its new position, so the
// selected tab and the buffer remain the same sheet.
void ApplySheetOrder(TSheetList& sheets, const std::vector<int>& order);
