#include "app/commands/SheetOperations.h"

#include <algorithm>
#include <memory>

#include "app/sheets/SheetNames.h"
#include "base/errors/Errors.h"
#include "base/text/AnsiField.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u3000'; }

wchar_t FoldCase(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  if (c >= L'\uFF41' && c <= L'\uFF5A') return static_cast<wchar_t>(c - 0xFF41 + 0xFF21);
  return c;
}

std::wstring Quoted(std::wstring_view name) { return L"「" + std::wstring(name) + L"」"; }

}  // namespace

bool SameSheetName(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

std::wstring TrimSheetName(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::wstring(text);
}

void CheckSheetName(std::wstring_view name, const std::vector<std::wstring>& names,
                    const ITextCodec& codec, int renamed) {
  if (name.empty()) throw EZelkError(L"シート名が空白だけです。シート名を入力してください。");
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (static_cast<int>(i) != renamed && SameSheetName(names[i], name)) {
      throw EZelkError(L"シート" + Quoted(name) + L"は既にあります。別の名前にしてください。");
    }
  }
  if (!IsValidSheetFileName(name)) {
    throw EZelkError(
        L"シート名" + Quoted(name) +
        L"はファイル名として使えません。\\ / : * ? \" < > | や CON などの名前は使えません。");
  }
  if (!FitsField(sizeof(TLauncherItem::Group), name, codec)) {
    throw EZelkError(
        L"シート名" + Quoted(name) +
        L"は使えません。このシステムの文字コードで表せる 99 バイトまでの名前にしてください。");
  }
}

void CheckTypedSheetName(std::wstring_view text, const TSheetList& sheets, const ITextCodec& codec,
                         bool rename) {
  if (text.empty()) return;
  if (!rename && sheets.Names.size() >= kMaxSheets) {
    throw EZelkError(L"シートは " + std::to_wstring(kMaxSheets) + L" 枚までしか作れません。");
  }
  CheckSheetName(TrimSheetName(text), sheets.Names, codec, rename ? sheets.Current : -1);
}

bool CreateSheet(TSheetList& sheets, std::wstring_view text, const ITextCodec& codec) {
  CheckTypedSheetName(text, sheets, codec, false);
  if (text.empty()) return false;
  sheets.Names.push_back(TrimSheetName(text));
  return true;
}

bool RenameSheet(TSheetList& sheets, std::wstring_view text, TCurrentSheet& sheet,
                 TSheetFiles& files, const TArrangeOptions& options) {
  CheckTypedSheetName(text, sheets, sheet.Codec(), true);
  if (text.empty()) return false;
  const std::wstring name = TrimSheetName(text);
  const std::wstring oldName = sheets.Names.at(static_cast<std::size_t>(sheets.Current));
  // A copy, so that a failed save leaves the buffer as it was.
  auto renamed = std::make_unique<TSheetBuffer>(sheet.Buffer());
  for (int i = 0; i < renamed->Count; ++i) {
    auto& group = renamed->Items[static_cast<std::size_t>(i)].Group;
    if (DecodeField(group, sheet.Codec()) == oldName) EncodeField(group, name, sheet.Codec());
  }
  files.Save(name, *renamed);
  sheets.Names[static_cast<std::size_t>(sheets.Current)] = name;
  sheet.Load(name, options);
  return true;
}

bool DeleteSheet(TSheetList& sheets) {
  if (sheets.Names.size() <= 1) return false;
  sheets.Names.erase(sheets.Names.begin() + sheets.Current);
  sheets.Current = 0;
  return true;
}

std::wstring DeleteSheetQuestion(std::wstring_view name) {
  return std::wstring(name) + L"シートを削除します。よろしいですか？";
}

void ApplySheetOrder(TSheetList& sheets, const std::vector<int>& order) {
  std::vector<std::wstring> names;
  int current = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    names.push_back(sheets.Names.at(static_cast<std::size_t>(order[i])));
    if (order[i] == sheets.Current) current = static_cast<int>(i);
  }
  sheets.Names = std::move(names);
  sheets.Current = current;
}
