#pragma once
// The sheet files: program folder\Data\<sheet name>, no extension, exactly
// 288,004 bytes (the item count, then 400 records of 720 bytes).

#include <cstdint>
#include <map>
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
  // which no more than the format's size and one byte is read) is not
  // loaded: it is renamed aside, or copied aside when another program holds
  // it, so no later save can overwrite its bytes; the sheet is left empty,
  // and ESheetDamaged tells where the bytes are kept. A file that can be
  // neither kept aside nor read leaves the sheet empty too, and raises.
  void Load(std::wstring_view sheetName, TSheetBuffer& sheet);
  // Makes the data folder when it is missing. Refuses (EInOutError) to
  // replace a file whose bytes are kept nowhere else: a damaged one not yet
  // kept aside (it is tried again first) or one that could not be read.
  void Save(std::wstring_view sheetName, const TSheetBuffer& sheet);
  // Reads a sheet's items and changes no file: false, with the sheet
  // untouched, when the sheet has no file, a damaged one or an unusable name.
  [[nodiscard]] bool Peek(std::wstring_view sheetName, TSheetBuffer& sheet) const;

 private:
  enum class TUnkept { Damaged, Unread };
  struct TKept {
    std::wstring Backup;
    bool Copied = false;  // the file itself could not be moved
  };

  // Moves a damaged file aside, or copies it when it cannot be moved. Raises
  // EInOutError when neither works.
  [[nodiscard]] TKept KeepAside(const std::wstring& path);
  // KeepAside, said for the user; a file it could not keep is marked.
  [[nodiscard]] std::wstring KeepDamaged(const std::wstring& path);
  void RefuseUnkept(const std::wstring& path, std::wstring_view sheetName);

  std::wstring programFolder_;
  IFileStore& store_;
  // Sheet files whose bytes are kept nowhere else, so that no save replaces them.
  std::map<std::wstring, TUnkept> unkept_;
};
