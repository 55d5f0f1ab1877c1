#include "archive/ArchiverDll.h"

#include <utility>

#include "archive/ArchiverErrors.h"

namespace {
constexpr int kPasswordNeeded = 32778;
constexpr int kPasswordCalls = 4;
}  // namespace

std::string EntrySuffix(TEntryId id) {
  static const char* const kSuffixes[kEntryCount] = {
      "",
      "OpenArchive",
      "CloseArchive",
      "FindFirst",
      "FindNext",
      "ExtractMem",
      "CheckArchive",
      "SetOwnerWindowEx",
      "KillOwnerWindowEx",
      "GetWriteTimeEx",
      "GetCreateTimeEx",
      "GetAccessTimeEx",
      "GetOriginalSizeEx",
      "GetCompressedSizeEx",
      "GetArchiveType",
  };
  return kSuffixes[static_cast<std::size_t>(id)];
}

std::wstring Widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

void TCustomArchiverDll::FreeDLL() { entries_.fill(nullptr); }

TEntryAddress TCustomArchiverDll::Resolve(TEntryId id, bool mandatory) {
  TEntryAddress& field = entries_[static_cast<std::size_t>(id)];
  if (!field) field = Lookup(id);
  if (!field && mandatory) RaiseMissing(id);
  return field;
}

void TCustomArchiverDll::RaiseMissingIn(IModuleLoader::TModule module,
                                        const std::wstring& fallbackName,
                                        const std::string& entryName) {
  const std::wstring moduleName = module ? loader_.FileName(module) : fallbackName;
  throw EEntryNotFound(
      FormatText(L"%0:s に %1:s のエントリが見つかりません。", {moduleName, Widen(entryName)}));
}

int TCustomArchiverDll::Command(TWindowHandle owner, const std::string& commandLine, char* output,
                                std::uint32_t size) {
  LoadDLL();
  return Get<TCommandEntry>(TEntryId::Command)(owner, commandLine.c_str(),
                                               size == 0 ? nullptr : output, size);
}

TLibBool TCustomArchiverDll::CheckArchive(const std::string& path, int mode) {
  LoadDLL();
  return Get<TCheckArchiveEntry>(TEntryId::CheckArchive)(path.c_str(), mode);
}

int TCustomArchiverDll::CloseArchive(TArchiveHandle archive) {
  LoadDLL();
  return Get<TCloseArchiveEntry>(TEntryId::CloseArchive)(archive);
}

int TCustomArchiverDll::ExtractMem(TWindowHandle owner, const std::string& commandLine,
                                   std::uint8_t* buffer, std::uint32_t size, void* time,
                                   void* attributes, std::uint32_t* written) {
  return Get<TExtractMemEntry>(TEntryId::ExtractMem)(owner, commandLine.c_str(), buffer, size, time,
                                                     attributes, written);
}

int TCustomArchiverDll::FindFirst(TArchiveHandle archive, const std::string& wildName,
                                  TArchiveEntryRecord& record) {
  LoadDLL();
  const int result =
      Get<TFindFirstEntry>(TEntryId::FindFirst)(archive, wildName.c_str(), record.Bytes.data());
  if (result == 0) CompleteRecord(archive, record);
  return result;
}

int TCustomArchiverDll::FindNext(TArchiveHandle archive, TArchiveEntryRecord& record) {
  const int result = Get<TFindNextEntry>(TEntryId::FindNext)(archive, record.Bytes.data());
  if (result == 0) CompleteRecord(archive, record);
  return result;
}

TLibBool TCustomArchiverDll::KillOwnerWindowEx(TWindowHandle owner) {
  return Get<TKillOwnerWindowExEntry>(TEntryId::KillOwnerWindowEx)(owner);
}

TArchiveHandle TCustomArchiverDll::OpenArchive(TWindowHandle owner, const std::string& path,
                                               std::uint32_t mode) {
  LoadDLL();
  return Get<TOpenArchiveEntry>(TEntryId::OpenArchive)(owner, path.c_str(), mode);
}

TLibBool TCustomArchiverDll::SetOwnerWindowEx(TWindowHandle owner, void* callback) {
  return Get<TSetOwnerWindowExEntry>(TEntryId::SetOwnerWindowEx)(owner, callback);
}

TLibBool TCustomArchiverDll::CallTime(TEntryId id, TArchiveHandle archive,
                                      std::uint64_t& fileTime) {
  const auto entry = Get<TGetTimeEntry>(id, false);
  return entry ? entry(archive, &fileTime) : 0;
}

TLibBool TCustomArchiverDll::CallSize(TEntryId id, TArchiveHandle archive, std::int64_t& size) {
  const auto entry = Get<TGetSizeEntry>(id, false);
  return entry ? entry(archive, &size) : 0;
}

TLibBool TCustomArchiverDll::GetWriteTimeEx(TArchiveHandle archive, std::uint64_t& fileTime) {
  return CallTime(TEntryId::GetWriteTimeEx, archive, fileTime);
}
TLibBool TCustomArchiverDll::GetCreateTimeEx(TArchiveHandle archive, std::uint64_t& fileTime) {
  return CallTime(TEntryId::GetCreateTimeEx, archive, fileTime);
}
TLibBool TCustomArchiverDll::GetAccessTimeEx(TArchiveHandle archive, std::uint64_t& fileTime) {
  return CallTime(TEntryId::GetAccessTimeEx, archive, fileTime);
}
TLibBool TCustomArchiverDll::GetOriginalSizeEx(TArchiveHandle archive, std::int64_t& size) {
  return CallSize(TEntryId::GetOriginalSizeEx, archive, size);
}
TLibBool TCustomArchiverDll::GetCompressedSizeEx(TArchiveHandle archive, std::int64_t& size) {
  return CallSize(TEntryId::GetCompressedSizeEx, archive, size);
}

int TCustomArchiverDll::GetArchiveType(const std::string& path) {
  LoadDLL();
  return Get<TGetArchiveTypeEntry>(TEntryId::GetArchiveType)(path.c_str());
}

void TCustomArchiverDll::CompleteRecord(TArchiveHandle archive, TArchiveEntryRecord& record) {
  const std::uint64_t dosTime = DosDateTimeToFileTime(record.DosDate(), record.DosTime());
  const auto time = [&](TEntryId id, std::size_t offset) {
    std::uint64_t fileTime = 0;
    record.Write64(offset, CallTime(id, archive, fileTime) ? fileTime : dosTime);
  };
  time(TEntryId::GetWriteTimeEx, TArchiveEntryRecord::kWriteTime);
  time(TEntryId::GetAccessTimeEx, TArchiveEntryRecord::kAccessTime);
  time(TEntryId::GetCreateTimeEx, TArchiveEntryRecord::kCreateTime);
  const auto size = [&](TEntryId id, std::size_t offset, std::uint32_t size32) {
    std::int64_t size64 = 0;
    if (!CallSize(id, archive, size64)) size64 = size32;
    record.Write64(offset, static_cast<std::uint64_t>(size64));
  };
  size(TEntryId::GetOriginalSizeEx, TArchiveEntryRecord::kOriginalSize, record.OriginalSize32());
  size(TEntryId::GetCompressedSizeEx, TArchiveEntryRecord::kCompressedSize,
       record.CompressedSize32());
}

TArchiverDll::TArchiverDll(IModuleLoader& loader, std::wstring displayName, std::string prefix,
                           std::wstring fileName)
    : TCustomArchiverDll(loader),
      displayName_(std::move(displayName)),
      prefix_(std::move(prefix)),
      fileName_(std::move(fileName)) {}

TArchiverDll::~TArchiverDll() { TArchiverDll::FreeDLL(); }

void TArchiverDll::LoadDLL() {
  if (!module_) module_ = loader_.Load(fileName_);
  if (!module_) {
    throw ENoArchiverDLL(
        FormatText(L"%0:s を扱うには %1:s が 必要です。", {displayName_, fileName_}));
  }
}

void TArchiverDll::FreeDLL() {
  TCustomArchiverDll::FreeDLL();
  if (module_) loader_.Free(module_);
  module_ = nullptr;
}

TEntryAddress TArchiverDll::Lookup(TEntryId id) {
  return module_ ? loader_.Entry(module_, prefix_ + EntrySuffix(id)) : nullptr;
}

void TArchiverDll::RaiseMissing(TEntryId id) {
  RaiseMissingIn(module_, fileName_, prefix_ + EntrySuffix(id));
}

TEntryAddress TArchiverDll::OptionalEntry(TEntryAddress& field, const std::string& suffix) {
  if (!field && module_) field = loader_.Entry(module_, prefix_ + suffix);
  return field;
}

void TYZ1Dll::FreeDLL() {
  passwordDialog_ = nullptr;
  setDefaultPassword_ = nullptr;
  TArchiverDll::FreeDLL();
}

TArchiveHandle TYZ1Dll::OpenArchive(TWindowHandle owner, const std::string& path,
                                    std::uint32_t mode) {
  owner_ = owner;
  return TArchiverDll::OpenArchive(owner, path, mode);
}

int TYZ1Dll::FindFirst(TArchiveHandle archive, const std::string& wildName,
                       TArchiveEntryRecord& record) {
  int result = TArchiverDll::FindFirst(archive, wildName, record);
  for (int calls = 1; result == kPasswordNeeded && calls < kPasswordCalls; ++calls) {
    const auto dialog =
        reinterpret_cast<TPasswordDialogEntry>(OptionalEntry(passwordDialog_, "PasswordDialog"));
    if (!dialog) break;
    char password[256] = {};
    if (dialog(owner_, password, sizeof password) < 0) break;
    const auto setPassword = reinterpret_cast<TSetDefaultPasswordEntry>(
        OptionalEntry(setDefaultPassword_, "SetDefaultPassword"));
    if (!setPassword) break;
    setPassword(archive, password);
    result = TArchiverDll::FindFirst(archive, wildName, record);
  }
  return result;
}
