#include "tests/archive/FakeLibraries.h"

#include <algorithm>

#include "archive/EntryRecord.h"

TFakeWorld& Fake() {
  static TFakeWorld world;
  return world;
}

namespace {

// The fake archive handle every library hands out.
void* const kArchive = reinterpret_cast<void*>(0x4A);

void Record(TFakeLibrary library, const char* entry, std::string text, int number = 0,
            bool nullBuffer = false) {
  Fake().Calls.push_back({library, entry, std::move(text), number, nullBuffer});
}

template <TFakeLibrary L>
int ARCHIVER_API Command(void*, const char* line, char* output, std::uint32_t size) {
  Record(L, "Command", line, static_cast<int>(size), output == nullptr);
  const TFakeAnswers& answers = Fake().Answers[L];
  if (output && size > 0) {
    const std::size_t length = std::min<std::size_t>(answers.Output.size(), size - 1);
    std::memcpy(output, answers.Output.data(), length);
    output[length] = '\0';
  }
  return answers.CommandResult;
}
template <TFakeLibrary L>
void* ARCHIVER_API OpenArchive(void*, const char* path, std::uint32_t mode) {
  Record(L, "OpenArchive", path, static_cast<int>(mode));
  return Fake().Answers[L].Opens ? kArchive : nullptr;
}
template <TFakeLibrary L>
int ARCHIVER_API CloseArchive(void*) {
  Record(L, "CloseArchive", "");
  return 0;
}
template <TFakeLibrary L>
void FillRecord(void* record) {
  const TFakeAnswers& answers = Fake().Answers[L];
  auto* bytes = static_cast<std::uint8_t*>(record);
  std::memset(bytes, 0, TArchiveEntryRecord::kLibrarySize);
  std::memcpy(bytes + 0, &answers.OriginalSize, 4);
  std::memcpy(bytes + 4, &answers.CompressedSize, 4);
  std::memcpy(bytes + 22, &answers.DosDate, 2);
  std::memcpy(bytes + 24, &answers.DosTime, 2);
}
template <TFakeLibrary L>
int ARCHIVER_API FindFirst(void*, const char* wildName, void* record) {
  Record(L, "FindFirst", wildName);
  std::vector<int>& results = Fake().Answers[L].FindFirstResults;
  int result = 0;
  if (!results.empty()) {
    result = results.front();
    results.erase(results.begin());
  }
  if (result == 0) FillRecord<L>(record);
  return result;
}
template <TFakeLibrary L>
int ARCHIVER_API FindNext(void*, void* record) {
  Record(L, "FindNext", "");
  FillRecord<L>(record);
  return 0;
}
template <TFakeLibrary L>
int ARCHIVER_API ExtractMem(void*, const char* line, std::uint8_t*, std::uint32_t size, void*,
                            void*, std::uint32_t* written) {
  Record(L, "ExtractMem", line, static_cast<int>(size));
  if (written) *written = 0;
  return 0;
}
template <TFakeLibrary L>
TLibBool ARCHIVER_API CheckArchive(const char* path, int mode) {
  Record(L, "CheckArchive", path, mode);
  return Fake().Answers[L].Check;
}
template <TFakeLibrary L>
TLibBool ARCHIVER_API SetOwnerWindowEx(void* window, void*) {
  Record(L, "SetOwnerWindowEx", "");
  Fake().OwnerWindows[L] = window;
  return 1;
}
template <TFakeLibrary L>
TLibBool ARCHIVER_API KillOwnerWindowEx(void*) {
  Record(L, "KillOwnerWindowEx", "");
  Fake().OwnerWindows[L] = nullptr;
  return 1;
}
template <TFakeLibrary L>
TLibBool ARCHIVER_API GetTime(void*, std::uint64_t* time) {
  *time = Fake().Answers[L].WriteTime;
  return 1;
}
template <TFakeLibrary L>
TLibBool ARCHIVER_API GetSize(void*, std::int64_t* size) {
  *size = Fake().Answers[L].OriginalSize64;
  return 1;
}
template <TFakeLibrary L>
int ARCHIVER_API GetArchiveType(const char* path) {
  Record(L, "GetArchiveType", path);
  return Fake().Answers[L].ArchiveType;
}
template <TFakeLibrary L>
int ARCHIVER_API PasswordDialog(void*, char* buffer, std::uint32_t size) {
  Record(L, "PasswordDialog", "", static_cast<int>(size));
  std::strcpy(buffer, "secret");
  return Fake().Answers[L].PasswordAnswer;
}
template <TFakeLibrary L>
int ARCHIVER_API SetDefaultPassword(void*, const char* password) {
  Record(L, "SetDefaultPassword", password);
  return 0;
}

template <typename Function>
TEntryAddress Address(Function function) {
  return reinterpret_cast<TEntryAddress>(function);
}

// The common family of entries under a prefix.
template <TFakeLibrary L>
std::map<std::string, TEntryAddress> Entries(const std::string& prefix, TFakeExports exports) {
  std::map<std::string, TEntryAddress> entries = {
      {prefix + "OpenArchive", Address(OpenArchive<L>)},
      {prefix + "CloseArchive", Address(CloseArchive<L>)},
      {prefix + "FindFirst", Address(FindFirst<L>)},
      {prefix + "FindNext", Address(FindNext<L>)},
      {prefix + "ExtractMem", Address(ExtractMem<L>)},
      {prefix + "CheckArchive", Address(CheckArchive<L>)},
      {prefix + "SetOwnerWindowEx", Address(SetOwnerWindowEx<L>)},
      {prefix + "KillOwnerWindowEx", Address(KillOwnerWindowEx<L>)},
      {prefix + "GetArchiveType", Address(GetArchiveType<L>)},
      {prefix + "PasswordDialog", Address(PasswordDialog<L>)},
      {prefix + "SetDefaultPassword", Address(SetDefaultPassword<L>)},
  };
  if (exports != TFakeExports::WithoutTimesAndSizes) {
    for (const char* time : {"GetWriteTimeEx", "GetCreateTimeEx", "GetAccessTimeEx"}) {
      entries[prefix + time] = Address(GetTime<L>);
    }
    for (const char* size : {"GetOriginalSizeEx", "GetCompressedSizeEx"}) {
      entries[prefix + size] = Address(GetSize<L>);
    }
  }
  if (exports == TFakeExports::WithoutFindFirst) entries.erase(prefix + "FindFirst");
  return entries;
}

struct TFakeModuleName {
  const wchar_t* FileName;
  const char* Prefix;  // of the common entries
  const char* Command;
  const char* SecondCommand;  // "Zip" of LMZIP32.DLL
};

constexpr TFakeModuleName kModules[kFakeLibraryCount] = {
    {L"UNLHA32.DLL", "Unlha", "Unlha", nullptr}, {L"UNZIP32.DLL", "UnZip", "UnZip", nullptr},
    {L"ZIP32J.DLL", "UnZip", "Zip", nullptr},    {L"LMZIP32.DLL", "Unzip", "Unzip", "Zip"},
    {L"CAB32.DLL", "Cab", "Cab", nullptr},       {L"UNARJ32J.DLL", "Unarj", "Unarj", nullptr},
    {L"TAR32.DLL", "Tar", "Tar", nullptr},       {L"UNRAR32.DLL", "Unrar", "Unrar", nullptr},
    {L"BGA32.DLL", "Bga", "Bga", nullptr},       {L"YYZ32.DLL", "Yz1", "Yz1", nullptr},
    {L"YZ1.DLL", "Yz1", "Yz1", nullptr},         {L"7-zip32.dll", "SevenZip", "SevenZip", nullptr},
};

template <TFakeLibrary L>
std::map<std::string, TEntryAddress> ModuleEntries(TFakeExports exports) {
  const TFakeModuleName& name = kModules[L];
  auto entries = Entries<L>(name.Prefix, exports);
  entries[name.Command] = Address(Command<L>);
  if (name.SecondCommand) entries[name.SecondCommand] = Address(Command<L>);
  return entries;
}

template <std::size_t... L>
std::map<std::string, TEntryAddress> EntriesOf(TFakeLibrary library, TFakeExports exports,
                                               std::index_sequence<L...>) {
  std::map<std::string, TEntryAddress> entries;
  ((library == L ? void(entries = ModuleEntries<static_cast<TFakeLibrary>(L)>(exports)) : void()),
   ...);
  return entries;
}

}  // namespace

void TFakeModuleLoader::Install(TFakeLibrary library, TFakeExports exports) {
  const std::wstring fileName = kModules[library].FileName;
  modules_[fileName] = {fileName,
                        EntriesOf(library, exports, std::make_index_sequence<kFakeLibraryCount>())};
}

void TFakeModuleLoader::InstallAll() {
  for (int library = 0; library < kFakeLibraryCount; ++library) {
    Install(static_cast<TFakeLibrary>(library));
  }
}

IModuleLoader::TModule TFakeModuleLoader::Load(const std::wstring& fileName) {
  Loads.push_back(fileName);
  const auto found = modules_.find(fileName);
  return found == modules_.end() ? nullptr : &found->second;
}

TEntryAddress TFakeModuleLoader::Entry(TModule module, const std::string& name) {
  const auto* entries = static_cast<TModuleEntries*>(module);
  std::string file(entries->FileName.begin(), entries->FileName.end());
  LookUps.push_back(file + ":" + name);
  const auto found = entries->Entries.find(name);
  return found == entries->Entries.end() ? nullptr : found->second;
}

std::wstring TFakeModuleLoader::FileName(TModule module) {
  return L"C:\\WINDOWS\\" + static_cast<TModuleEntries*>(module)->FileName;
}

void TFakeModuleLoader::Free(TModule module) {
  Frees.push_back(static_cast<TModuleEntries*>(module)->FileName);
}
