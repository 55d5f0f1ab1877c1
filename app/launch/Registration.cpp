#include "app/launch/Registration.h"

#include "base/errors/Errors.h"
#include "base/text/AnsiField.h"
#include "base/text/Paths.h"

namespace {

bool IsShortcut(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot == std::wstring::npos) return false;
  std::wstring extension = name.substr(dot);
  for (wchar_t& c : extension) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return extension == L".lnk";
}

std::wstring TargetOf(const std::wstring& path, IShortcutResolver& shortcuts,
                      const std::wstring& windowsFolder) {
  if (!IsShortcut(path)) return path;
  const std::wstring target = shortcuts.ResolveShortcut(path).Target;
  // An installed-on-demand program's shortcut leads into the installer
  // cache; the shortcut itself is what starts it.
  if (target.find(windowsFolder + L"\\Installer") != std::wstring::npos) return path;
  return target;
}

// Fills the record at the end of the buffer; raises EZelkError, naming the
// field but not its text (the path heads the message already), when a text
// does not fit or has no ANSI form.
void FillRecord(TLauncherItem& item, const std::wstring& target, const std::wstring& display,
                const std::wstring& group, int slot, const ITextCodec& codec) {
  TLauncherItem record{};
  EncodeField(record.Target, target, codec, L"パス");
  EncodeField(record.Display, display, codec, L"表示名");
  EncodeField(record.Group, group, codec, L"シート名");
  record.Slot = slot;
  record.Count = 0;
  item = record;
}

}  // namespace

TRegistration DropFilesOnSheet(TCurrentSheet& sheet, const std::vector<std::wstring>& paths,
                               IShortcutResolver& shortcuts, const std::wstring& windowsFolder,
                               const TArrangeOptions& options, int firstSlot) {
  TRegistration result;
  TSheetBuffer& buffer = sheet.Buffer();
  for (const std::wstring& path : paths) {
    if (buffer.Count >= kItemLimit) break;
    const std::wstring target = TargetOf(path, shortcuts, windowsFolder);
    if (target.empty()) {
      result.Refused.push_back(path + L"（ショートカットの参照先が見つかりません）");
      continue;
    }
    TLauncherItem& item = buffer.Items[static_cast<std::size_t>(buffer.Count)];
    try {
      FillRecord(item, target, WithoutExtension(FileNameOf(path)), sheet.Name(),
                 buffer.FreeSlot(firstSlot), sheet.Codec());
    } catch (const EZelkError& error) {
      result.Refused.push_back(path + L"（" + error.Message() + L"）");
      continue;
    }
    if (!sheet.AppendIcon(target)) {
      result.Refused.push_back(path + L"（アイコンを取得できません）");
      continue;
    }
    ++buffer.Count;
    ++result.Registered;
    sheet.Arrange(options);
  }
  result.SheetFull = buffer.Count >= kItemLimit;
  return result;
}

std::wstring SheetFullMessage(int files, int registered) {
  std::wstring message = L"これ以上登録できません。\n";
  if (registered == files) {
    return message + std::to_wstring(files) + L" 個のファイルを登録しました。";
  }
  return message + std::to_wstring(files) + L" 個のファイルのうち " + std::to_wstring(registered) +
         L" 個を登録しました。残りの " + std::to_wstring(files - registered) +
         L" 個は登録していません。";
}

std::wstring RefusedFilesMessage(const std::vector<std::wstring>& refused) {
  if (refused.empty()) return {};
  std::wstring message = L"次のファイルは登録できませんでした。";
  for (const auto& line : refused) message += L"\n" + line;
  return message;
}
