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

std::wstring TSheetFiles::FreeBackupPath(const std::wstring& path) const {
  std::wstring candidate = path + L".damaged";
  for (int n = 2; store_.Exists(candidate); ++n) candidate = path + L".damaged" + std::to_wstring(n);
  return candidate;
}

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
  // One byte past the format tells a longer file without reading it all.
  const auto bytes = store_.Read(path, kSheetFileSize + 1);
  if (!bytes) {
    sheet.Count = 0;
    return;
  }
  try {
    ReadSheetFileBytes(*bytes, sheetName, sheet);
  } catch (const ESheetDamaged& damaged) {
    sheet.Count = 0;
    const std::wstring backup = FreeBackupPath(path);
    store_.Rename(path, backup);
    throw ESheetDamaged(damaged.Message() + L"\n元のファイルは「" + backup +
                        L"」として残し、空のシートとして開きます。");
  }
}

void TSheetFiles::Save(std::wstring_view sheetName, const TSheetBuffer& sheet) {
  store_.Replace(PathOf(sheetName), SheetFileBytes(sheet));
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
