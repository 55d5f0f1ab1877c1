#pragma once
// The sheet files: program folder\Data\<sheet name>, no extension, exactly
// 288,004 bytes (the item count, then 400 records of 720 bytes).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/sheets/FileStore.h"
#include "app/sheets/SheetBuffer.h"

inline constexpr std::size_t kSheetFileSize = 4 + sizeof(TLauncherItem) * kItemLimit;
static_assert(kSheetFileSize == 288004);

[[nodiscard]] std::vector<std::uint8_t> SheetFileBytes(const TSheetBuffer& sheet);
// Fills the buffer from a file's bytes. A file shorter or longer than the
// format, or with a count outside 0 ... 400, raises ESheetDamaged and changes
// nothing. Items whose slot the grid has no cell for get free slots.
void ReadSheetFileBytes(std::span<const std::uint8_t> bytes, std::wstring_view sheetName,
                        TSheetBuffer& sheet);

class TSheetFiles {
 public:
  // Not owned: the store outlives this object.
  TSheetFiles(std::wstring programFolder, IFileStore& store);

  [[nodiscard]] std::wstring DataFolder() const;
  // Raises EZelkError for a name that is not a valid file name of its own.
  [[nodiscard]] std::wstring PathOf(std::wstring_view sheetName) const;
  void EnsureDataFolder();
  // Raises EZelkError naming the file when the sheet name already has one,
  // for example kept from a deleted sheet: a rename must not overwrite it.
  void RefuseKeptFile(std::wstring_view sheetName) const;

  // A sheet without a file is empty (the count set to 0). A damaged file (of
  // which no more than the format's size and one byte is read) is
  // not loaded: it is renamed aside, so no later save can overwrite it, the
  // sheet is left empty, and ESheetDamaged tells where the bytes are kept.
  void Load(std::wstring_view sheetName, TSheetBuffer& sheet);
  void Save(std::wstring_view sheetName, const TSheetBuffer& sheet);
  // Reads a sheet's items and changes no file: false, with the sheet
  // untouched, when the sheet has no file, a damaged one or an unusable name.
  [[nodiscard]] bool Peek(std::wstring_view sheetName, TSheetBuffer& sheet) const;

 private:
  [[nodiscard]] std::wstring FreeBackupPath(const std::wstring& path) const;

  std::wstring programFolder_;
  IFileStore& store_;
};
