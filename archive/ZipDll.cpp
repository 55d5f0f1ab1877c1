#include "archive/ZipDll.h"

#include "archive/ArchiverErrors.h"

namespace {
const wchar_t kUnzip32[] = L"UNZIP32.DLL";
const wchar_t kZip32J[] = L"ZIP32J.DLL";
const wchar_t kLmZip32[] = L"LMZIP32.DLL";

std::string ZipEntryName(TEntryId id) { return "UnZip" + EntrySuffix(id); }
}  // namespace

TZipDll::~TZipDll() { TZipDll::FreeDLL(); }

void TZipDll::LoadDLL() {
  if (!unzip32_) unzip32_ = loader_.Load(kUnzip32);
  if (!zip32j_) zip32j_ = loader_.Load(kZip32J);
  if (!lmzip32_) lmzip32_ = loader_.Load(kLmZip32);
}

void TZipDll::FreeDLL() {
  TCustomArchiverDll::FreeDLL();
  for (TModule* module : {&unzip32_, &lmzip32_, &zip32j_}) {
    if (*module) loader_.Free(*module);
    *module = nullptr;
  }
  zip_ = nullptr;
  unzip_ = nullptr;
}

TEntryAddress TZipDll::LookupIn(std::initializer_list<TModule> order, const std::string& name) {
  for (const TModule module : order) {
    if (!module) continue;
    std::string lookedUp = name;
    if (module == lmzip32_ && lookedUp.size() >= 3 && lookedUp[2] == 'Z') lookedUp[2] = 'z';
    if (const TEntryAddress entry = loader_.Entry(module, lookedUp)) return entry;
  }
  return nullptr;
}

TEntryAddress TZipDll::Lookup(TEntryId id) {
  const std::string name = ZipEntryName(id);
  switch (id) {
    case TEntryId::OpenArchive:
    case TEntryId::CloseArchive:
    case TEntryId::FindFirst:
    case TEntryId::FindNext:
    case TEntryId::GetWriteTimeEx:
    case TEntryId::GetCreateTimeEx:
    case TEntryId::GetAccessTimeEx:
      return LookupIn({lmzip32_, zip32j_, unzip32_}, name);
    case TEntryId::CheckArchive:
    case TEntryId::ExtractMem:
      return LookupIn({unzip32_, lmzip32_, zip32j_}, name);
    case TEntryId::SetOwnerWindowEx:
    case TEntryId::KillOwnerWindowEx:
      return unzip32_ ? loader_.Entry(unzip32_, name) : nullptr;
    default:
      // No size entries, no archive-type entry and no plain command.
      return nullptr;
  }
}

void TZipDll::RaiseMissing(TEntryId id) {
  if (id == TEntryId::SetOwnerWindowEx || id == TEntryId::KillOwnerWindowEx) {
    RaiseMissingIn(unzip32_, kUnzip32, ZipEntryName(id));
  }
  throw EEntryNotFound(
      FormatText(L"%0:s のエントリが DLL に見つかりませんでした。", {Widen(ZipEntryName(id))}));
}

TEntryAddress TZipDll::ResolveCommand(TEntryAddress& field, const std::string& name,
                                      std::initializer_list<TModule> order) {
  if (!field) field = LookupIn(order, name);
  if (!field) {
    throw EEntryNotFound(
        FormatText(L"%0:s のエントリが DLL に見つかりませんでした。", {Widen(name)}));
  }
  return field;
}

int TZipDll::Zip(TWindowHandle owner, const std::string& commandLine, char* output,
                 std::uint32_t size) {
  LoadDLL();
  const auto entry =
      reinterpret_cast<TCommandEntry>(ResolveCommand(zip_, "Zip", {zip32j_, lmzip32_}));
  return entry(owner, commandLine.c_str(), size == 0 ? nullptr : output, size);
}

int TZipDll::UnZip(TWindowHandle owner, const std::string& commandLine, char* output,
                   std::uint32_t size) {
  LoadDLL();
  const auto entry =
      reinterpret_cast<TCommandEntry>(ResolveCommand(unzip_, "UnZip", {unzip32_, lmzip32_}));
  return entry(owner, commandLine.c_str(), size == 0 ? nullptr : output, size);
}
