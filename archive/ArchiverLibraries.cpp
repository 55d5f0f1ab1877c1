#include "archive/ArchiverLibraries.h"

#include "archive/ArchiverErrors.h"

namespace {

struct TLibraryName {
  const wchar_t* DisplayName;
  const char* Prefix;
  const wchar_t* FileName;
};

// By TLibrary; the ZIP entry is unused (its wrapper has three libraries).
constexpr TLibraryName kNames[kLibraryCount] = {
    {L"LHA 形式書庫", "Unlha", L"UNLHA32.DLL"},
    {L"", "", L""},
    {L"CAB 形式書庫", "Cab", L"CAB32.DLL"},
    {L"ARJ 形式書庫", "Unarj", L"UNARJ32J.DLL"},
    {L"tar/tgz/taz/bz2 形式書庫", "Tar", L"TAR32.DLL"},
    {L"RAR 形式書庫", "Unrar", L"UNRAR32.DLL"},
    {L"BGA 形式書庫", "Bga", L"BGA32.DLL"},
    {L"YZ1 形式書庫", "Yz1", L"YYZ32.DLL"},
    {L"7z 形式書庫", "SevenZip", L"7-zip32.dll"},
};

const wchar_t* const kYz1Files[] = {L"YYZ32.DLL", L"YZ1.DLL"};

}  // namespace

TCustomArchiverDll& TArchiverLibraries::Load(TLibrary library) {
  auto& wrapper = wrappers_[static_cast<std::size_t>(library)];
  if (library == TLibrary::Yz1) {
    if (!wrapper) LoadYz1();
  } else if (!wrapper) {
    if (library == TLibrary::Zip) {
      wrapper = std::make_unique<TZipDll>(loader_);
    } else {
      const TLibraryName& name = kNames[static_cast<std::size_t>(library)];
      wrapper =
          std::make_unique<TArchiverDll>(loader_, name.DisplayName, name.Prefix, name.FileName);
    }
  }
  wrapper->LoadDLL();
  return *wrapper;
}

void TArchiverLibraries::LoadYz1() {
  const TLibraryName& name = kNames[static_cast<std::size_t>(TLibrary::Yz1)];
  for (const wchar_t* fileName : kYz1Files) {
    auto wrapper = std::make_unique<TYZ1Dll>(loader_, name.DisplayName, name.Prefix, fileName);
    try {
      wrapper->LoadDLL();
    } catch (const ENoArchiverDLL&) {
      continue;
    }
    wrappers_[static_cast<std::size_t>(TLibrary::Yz1)] = std::move(wrapper);
    return;
  }
  throw EArchiver(std::wstring(L"Yz1 形式書庫を扱うには ") + kYz1Files[0] + L" か " + kYz1Files[1] +
                  L" が必要です。");
}

void TArchiverLibraries::Free(TLibrary library) {
  wrappers_[static_cast<std::size_t>(library)].reset();
}

void TArchiverLibraries::FreeAll() {
  for (auto& wrapper : wrappers_) wrapper.reset();
}
