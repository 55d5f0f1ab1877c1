#pragma once
// Wrappers of the archiver libraries: load a library by file name, resolve
// its entries lazily by name (cached until FreeDLL) and call them.

#include <array>
#include <cstdint>
#include <string>

#include "archive/ArchiverTypes.h"
#include "archive/EntryRecord.h"
#include "archive/ModuleLoader.h"

// The common entries, named by a library prefix and these suffixes.
enum class TEntryId {
  Command,
  OpenArchive,
  CloseArchive,
  FindFirst,
  FindNext,
  ExtractMem,
  CheckArchive,
  SetOwnerWindowEx,
  KillOwnerWindowEx,
  GetWriteTimeEx,
  GetCreateTimeEx,
  GetAccessTimeEx,
  GetOriginalSizeEx,
  GetCompressedSizeEx,
  GetArchiveType,
};
inline constexpr std::size_t kEntryCount = 15;

[[nodiscard]] std::string EntrySuffix(TEntryId id);
// ASCII entry and module names in messages.
[[nodiscard]] std::wstring Widen(const std::string& ascii);

class TCustomArchiverDll {
 public:
  explicit TCustomArchiverDll(IModuleLoader& loader) : loader_(loader) {}
  virtual ~TCustomArchiverDll() = default;
  TCustomArchiverDll(const TCustomArchiverDll&) = delete;
  TCustomArchiverDll& operator=(const TCustomArchiverDll&) = delete;

  virtual void LoadDLL() = 0;
  // Forgets every resolved entry.
  virtual void FreeDLL();

  // Passes a null buffer when the size is 0.
  int Command(TWindowHandle owner, const std::string& commandLine, char* output,
              std::uint32_t size);
  TLibBool CheckArchive(const std::string& path, int mode);
  int CloseArchive(TArchiveHandle archive);
  int ExtractMem(TWindowHandle owner, const std::string& commandLine, std::uint8_t* buffer,
                 std::uint32_t size, void* time, void* attributes, std::uint32_t* written);
  // Both complete the record's times and sizes when they return 0.
  virtual int FindFirst(TArchiveHandle archive, const std::string& wildName,
                        TArchiveEntryRecord& record);
  int FindNext(TArchiveHandle archive, TArchiveEntryRecord& record);
  TLibBool KillOwnerWindowEx(TWindowHandle owner);
  virtual TArchiveHandle OpenArchive(TWindowHandle owner, const std::string& path,
                                     std::uint32_t mode);
  TLibBool SetOwnerWindowEx(TWindowHandle owner, void* callback);
  // The time and size entries are optional: false when missing.
  TLibBool GetWriteTimeEx(TArchiveHandle archive, std::uint64_t& fileTime);
  TLibBool GetCreateTimeEx(TArchiveHandle archive, std::uint64_t& fileTime);
  TLibBool GetAccessTimeEx(TArchiveHandle archive, std::uint64_t& fileTime);
  TLibBool GetOriginalSizeEx(TArchiveHandle archive, std::int64_t& size);
  TLibBool GetCompressedSizeEx(TArchiveHandle archive, std::int64_t& size);
  int GetArchiveType(const std::string& path);

 protected:
  // The entry's address; null when an optional entry is missing. A missing
  // mandatory entry raises EEntryNotFound.
  TEntryAddress Resolve(TEntryId id, bool mandatory);
  template <typename Entry>
  Entry Get(TEntryId id, bool mandatory = true) {
    return reinterpret_cast<Entry>(Resolve(id, mandatory));
  }
  [[nodiscard]] virtual TEntryAddress Lookup(TEntryId id) = 0;
  [[noreturn]] virtual void RaiseMissing(TEntryId id) = 0;
  // The general message of a missing entry, naming the module's file.
  [[noreturn]] void RaiseMissingIn(IModuleLoader::TModule module, const std::wstring& fallbackName,
                                   const std::string& entryName);

  IModuleLoader& loader_;

 private:
  TLibBool CallTime(TEntryId id, TArchiveHandle archive, std::uint64_t& fileTime);
  TLibBool CallSize(TEntryId id, TArchiveHandle archive, std::int64_t& size);
  void CompleteRecord(TArchiveHandle archive, TArchiveEntryRecord& record);

  std::array<TEntryAddress, kEntryCount> entries_{};
};

// A library known by one file name and one entry prefix.
class TArchiverDll : public TCustomArchiverDll {
 public:
  TArchiverDll(IModuleLoader& loader, std::wstring displayName, std::string prefix,
               std::wstring fileName);
  ~TArchiverDll() override;

  // Raises ENoArchiverDLL when the library cannot be loaded.
  void LoadDLL() override;
  // Also unloads the library.
  void FreeDLL() override;

  [[nodiscard]] bool Loaded() const { return module_ != nullptr; }
  [[nodiscard]] const std::wstring& DisplayName() const { return displayName_; }
  [[nodiscard]] const std::string& Prefix() const { return prefix_; }
  [[nodiscard]] const std::wstring& FileName() const { return fileName_; }

 protected:
  [[nodiscard]] TEntryAddress Lookup(TEntryId id) override;
  [[noreturn]] void RaiseMissing(TEntryId id) override;
  // An optional entry outside the common family, cached in the given field.
  TEntryAddress OptionalEntry(TEntryAddress& field, const std::string& suffix);

 private:
  IModuleLoader::TModule module_ = nullptr;
  std::wstring displayName_;
  std::string prefix_;
  std::wstring fileName_;
};

// The YZ1 library, which asks for a password when a listing needs one.
class TYZ1Dll : public TArchiverDll {
 public:
  using TArchiverDll::TArchiverDll;
  void FreeDLL() override;
  // Remembers the owner window for the password dialog.
  TArchiveHandle OpenArchive(TWindowHandle owner, const std::string& path,
                             std::uint32_t mode) override;
  // While the library answers "password needed" (32778), asks for one and
  // tries again: at most four calls in all.
  int FindFirst(TArchiveHandle archive, const std::string& wildName,
                TArchiveEntryRecord& record) override;

 private:
  TWindowHandle owner_ = nullptr;
  TEntryAddress passwordDialog_ = nullptr;
  TEntryAddress setDefaultPassword_ = nullptr;
};
