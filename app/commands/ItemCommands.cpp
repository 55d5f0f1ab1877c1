#include "app/commands/ItemCommands.h"

#include <memory>

#include "app/commands/SheetOperations.h"
#include "base/errors/Errors.h"
#include "base/text/AnsiField.h"
#include "base/text/Paths.h"

namespace {

template <typename Sheet>
auto* ItemOf(Sheet& sheet, int slot) {
  const int index = sheet.ItemAtSlot(slot);
  return index < 0 ? nullptr : &sheet.Items[static_cast<std::size_t>(index)];
}

const wchar_t* FieldName(TItemField field) {
  return field == TItemField::Display ? L"表示名" : L"パラメータ";
}

bool IsBlankOnly(std::wstring_view text) {
  return text.find_first_not_of(L" \t\u3000") == std::wstring_view::npos;
}

void EncodeItemText(TLauncherItem& item, TItemField field, std::wstring_view text,
                    const ITextCodec& codec) {
  if (field == TItemField::Display) {
    // A name that shows nothing leaves no way to tell the item.
    if (IsBlankOnly(text)) throw EZelkError(L"表示名を入力してください。");
    EncodeField(item.Display, text, codec, FieldName(field));
  } else {
    EncodeField(item.Params, text, codec, FieldName(field));
  }
}

void AppendItem(TSheetBuffer& sheet, TLauncherItem item) {
  item.Slot = sheet.FreeSlot();
  sheet.Items[static_cast<std::size_t>(sheet.Count++)] = item;
}

}  // namespace

std::optional<TItemTextEntry> ItemTextEntry(const TSheetBuffer& sheet, int slot, TItemField field,
                                            const ITextCodec& codec) {
  const TLauncherItem* item = ItemOf(sheet, slot);
  if (!item) return std::nullopt;
  const bool display = field == TItemField::Display;
  return TItemTextEntry{
      FileNameOf(DecodeField(item->Target, codec)),
      display ? L"表示名を変更します。" : L"パラメータを変更します。",
      display ? DecodeField(item->Display, codec) : DecodeField(item->Params, codec),
      (display ? sizeof item->Display : sizeof item->Params) - 1};
}

void StoreItemText(TSheetBuffer& sheet, int slot, TItemField field, std::wstring_view text,
                   const ITextCodec& codec) {
  TLauncherItem* item = ItemOf(sheet, slot);
  if (item) EncodeItemText(*item, field, text, codec);
}

void CheckItemText(TItemField field, std::wstring_view text, const ITextCodec& codec) {
  TLauncherItem scratch{};
  EncodeItemText(scratch, field, text, codec);
}

void OpenItemFolder(const TSheetBuffer& sheet, int slot, const ITextCodec& codec,
                    IShellRunner& shell) {
  const TLauncherItem* item = ItemOf(sheet, slot);
  if (!item) return;
  shell.ShellRun(L"Explorer", FolderOf(DecodeField(item->Target, codec)), L"", kShowNormal);
}

std::wstring DeleteItemQuestion(std::wstring_view target) {
  return L"「" + std::wstring(target) + L"」を削除します。よろしいですか？";
}

std::wstring CountResetQuestion(std::wstring_view sheetName) {
  return L"「" + std::wstring(sheetName) + L"」シート内のカウントを初期化します。";
}

void ResetSheetCounts(TSheetBuffer& sheet, std::wstring_view sheetName, const ITextCodec& codec,
                      IMessageBoxes& messageBoxes) {
  if (!messageBoxes.Confirm(CountResetQuestion(sheetName))) return;
  for (int i = 0; i < sheet.Count; ++i) {
    TLauncherItem& item = sheet.Items[static_cast<std::size_t>(i)];
    if (DecodeField(item.Group, codec) == sheetName) item.Count = 0;
  }
}

void DeleteItemCommand(TCurrentSheet& sheet, int slot, IMessageBoxes& messageBoxes,
                       const TArrangeOptions& options) {
  const int index = sheet.Buffer().ItemAtSlot(slot);
  if (index >= 0) {
    const auto& item = sheet.Buffer().Items[static_cast<std::size_t>(index)];
    if (messageBoxes.Confirm(DeleteItemQuestion(DecodeField(item.Target, sheet.Codec())))) {
      sheet.Delete(index, options);
    }
  }
  sheet.Save();
}

void MoveItemToSheet(TCurrentSheet& sheet, TSheetFiles& files, int slot,
                     std::wstring_view destination, const TArrangeOptions& options) {
  const int index = sheet.Buffer().ItemAtSlot(slot);
  if (index < 0) return;
  const TLauncherItem item = sheet.Buffer().Items[static_cast<std::size_t>(index)];
  if (SameSheetName(destination, sheet.Name())) {
    // One file: take the item out first, so that it is neither doubled nor
    // lost, then give it the lowest free slot and show the sheet again.
    sheet.Delete(index, options);
    AppendItem(sheet.Buffer(), item);
    sheet.Save();
    sheet.Load(sheet.Name(), options);
    return;
  }
  auto target = std::make_unique<TSheetBuffer>();
  files.Load(destination, *target);
  if (target->Count >= kItemLimit) throw EZelkError(L"これ以上登録できません。");
  AppendItem(*target, item);
  files.Save(destination, *target);
  sheet.Delete(index, options);
  sheet.Save();
}
