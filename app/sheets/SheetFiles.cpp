#include "app/sheets/SheetFiles.h"

#include <cstring>

#include "base/errors/Errors.h"
#include "app/sheets/SheetNames.h"
#include "base/text/Paths.h"

std::vector<std::uint8_t> SheetFileBytes(const TSheetBuffer& sheet) {
  std::vector<std::uint8_t> bytes(kSheetFileSize);
  std::memcpy(bytes.data(), &sheet.Count, sizeof sheet.Count);
  std::memcpy(bytes.data() + 4, sheet.Items.data(), sizeof(TLauncherItem) * kItemLimit);
  return bytes;
}

void ReadSheetFileBytes(std::span<const std::uint8_t> bytes, std::wstring_view sheetName,
                        TSheetBuffer& sheet) {
  std::int32_t count = -1;
  if (bytes.size() >= sizeof count) std::memcpy(&count, bytes.data(), sizeof count);
  if (bytes.size() != kSheetFileSize || count < 0 || count > kItemLimit) {
    throw ESheetDamaged(L"シート「" + std::wstring(sheetName) + L"」のファイルが壊れています。");
  }
  sheet.Count = count;
  std::memcpy(sheet.Items.data(), bytes.data() + 4, sizeof(TLauncherItem) * kItemLimit);
  GiveFreeSlotsToStrayItems(sheet);
}

TSheetFiles::TSheetFiles(std::wstring programFolder, IFileStore& store)
    : programFolder_(std::move(programFolder)), store_(store) {}

std::wstring TSheetFiles::DataFolder() const { return JoinPath(programFolder_, L"Data"); }

std::wstring TSheetFiles::PathOf(std::wstring_view sheetName) const {
  if (!IsValidSheetFileName(sheetName)) {
    throw EZelkError(L"シート名「" + std::wstring(sheetName) +
                     L"」はファイル名として使えないため、このシートは開けません。");
  }
  return JoinPath(DataFolder(), sheetName);
}

void TSheetFiles::EnsureDataFolder() { store_.EnsureFolder(DataFolder()); }

void TSheetFiles::RefuseKeptFile(std::wstring_view sheetName) const {
  const std::wstring path = PathOf(sheetName);
  if (!store_.Exists(path)) return;
  throw EZelkError(
      L"ファイル「" + path + L"」が既にあり、シート「" + std::wstring(sheetName) +
      L"」の項目が入っています。名前を変更するとこの項目が失われるため、変更しません。\n"
      L"その項目を戻すには、この名前でシートを作成してください。");
}

void TSheetFiles::Load(std::wstring_view sheetName, TSheetBuffer& sheet) {
  const std::wstring path = PathOf(sheetName);
  unkept_.erase(path);
  std::optional<std::vector<std::uint8_t>> bytes;
  try {
    // One byte past the format tells a longer file without reading it all.
    bytes = store_.Read(path, kSheetFileSize + 1);
  } catch (const EInOutError& failure) {
    sheet.Count = 0;
    unkept_[path] = TUnkept::Unread;
    throw EInOutError(failure.Message() +
                          L"\nシートは空で開きますが、ファイルを上書きしないよう、"
                          L"読み込めるまでこのシートは保存しません。",
                      failure.Reason());
  }
  if (!bytes) {
    sheet.Count = 0;
    return;
  }
  try {
    ReadSheetFileBytes(*bytes, sheetName, sheet);
  } catch (const ESheetDamaged& damaged) {
    sheet.Count = 0;
    throw ESheetDamaged(damaged.Message() + L"\n" + KeepDamaged(path));
  }
}

TSheetFiles::TKept TSheetFiles::KeepAside(const std::wstring& path) {
  const std::wstring backup = FreeBackupPath(store_, path);
  try {
    store_.Rename(path, backup);
    return {backup, false};
  } catch (const EInOutError&) {
    // Held without leave to move it (a virus scanner, say): it can still be read.
  }
  store_.Copy(path, backup);
  return {backup, true};
}

std::wstring TSheetFiles::KeepDamaged(const std::wstring& path) {
  try {
    const TKept kept = KeepAside(path);
    return (kept.Copied ? L"元のファイルは移動できないため、その写しを「" : L"元のファイルは「") +
           kept.Backup + L"」として残し、空のシートとして開きます。";
  } catch (const EInOutError& failure) {
    unkept_[path] = TUnkept::Damaged;
    return L"元のファイルを別の名前で残せないため、空のシートとして開きますが、"
           L"ファイルを残せるまでこのシートは保存しません。\n" +
           failure.Reason();
  }
}

void TSheetFiles::RefuseUnkept(const std::wstring& path, std::wstring_view sheetName) {
  const auto found = unkept_.find(path);
  if (found == unkept_.end()) return;
  // A file gone meanwhile has nothing left to lose.
  if (!store_.Exists(path)) {
    unkept_.erase(found);
    return;
  }
  const std::wstring sheet = L"シート「" + std::wstring(sheetName) + L"」のファイル";
  if (found->second == TUnkept::Unread) {
    const std::wstring reason =
        L"読み込めなかったファイルのため、上書きしないよう保存しません。"
        L"シートを選び直すと、もう一度読み込みます。";
    throw EInOutError(sheet + L"を保存できませんでした。\n" + reason, reason);
  }
  try {
    static_cast<void>(KeepAside(path));
    unkept_.erase(found);
  } catch (const EInOutError& failure) {
    const std::wstring reason =
        L"壊れたファイルをまだ別の名前で残せないため、上書きしないよう保存しません。";
    throw EInOutError(sheet + L"を保存できませんでした。\n" + reason + L"\n" + failure.Reason(),
                      reason);
  }
}

void TSheetFiles::Save(std::wstring_view sheetName, const TSheetBuffer& sheet) {
  const std::wstring path = PathOf(sheetName);
  RefuseUnkept(path, sheetName);
  EnsureDataFolder();
  store_.Replace(path, SheetFileBytes(sheet));
}

bool TSheetFiles::Peek(std::wstring_view sheetName, TSheetBuffer& sheet) const {
  if (!IsValidSheetFileName(sheetName)) return false;
  const auto bytes = store_.Read(PathOf(sheetName), kSheetFileSize + 1);
  if (!bytes) return false;
  try {
    ReadSheetFileBytes(*bytes, sheetName, sheet);
  } catch (const ESheetDamaged&) {
    return false;
  }
  return true;
}
