#include "archive/Recognition.h"

#include <cwctype>
#include <functional>

#include "base/text/Paths.h"
#include "archive/ArchiverErrors.h"
#include "archive/BGA32.h"
#include "archive/CAB32.h"
#include "archive/LHA32.h"
#include "archive/RAR32.h"
#include "archive/SZIP32.h"
#include "archive/TAR32.h"
#include "archive/YZ132.h"
#include "archive/ZIP32.h"

namespace {

struct TExtension {
  const wchar_t* Extension;
  TArchiverType Type;
};

constexpr TExtension kExtensions[] = {
    {L"lzh", atLha}, {L"zip", atZip}, {L"jar", atZip},  {L"ear", atZip}, {L"war", atZip},
    {L"cab", atCab}, {L"arj", atArj}, {L"tar", atTar},  {L"a", atTar},   {L"lib", atTar},
    {L"deb", atTar}, {L"rpm", atTar}, {L"cpio", atTar}, {L"tgz", atTgz}, {L"taz", atTgz},
    {L"gz", atTgz},  {L"z", atTgz},   {L"bz2", atBZ2},  {L"rar", atRar}, {L"gza", atBga},
    {L"bza", atBga}, {L"yz1", atYz1}, {L"gca", atGCA},  {L"7z", at7z},
};

// "Open with no owner window" in the mode the libraries take for a probe.
constexpr std::uint32_t kProbeOpenMode = 8388610;
constexpr int kZipCheckMode = 24;
constexpr int kLhaCheckMode = 16;

std::wstring LowerExtension(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot == std::wstring::npos) return {};
  std::wstring extension = name.substr(dot + 1);
  for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
  return extension;
}

bool Succeeds(const std::function<bool()>& probe) {
  try {
    return probe();
  } catch (const EZelkError&) {
    return false;
  }
}

class TProbe {
 public:
  TProbe(const std::wstring& path, TArchiverLibraries& libraries)
      : libraries_(libraries), path_(path), exists_(libraries.System().FileExists(path)) {}

  bool Opens(TLibrary library) {
    TCustomArchiverDll& dll = libraries_.Load(library);
    const std::string fullPath = Text(libraries_.System().FullPath(path_));
    const TArchiveHandle archive = dll.OpenArchive(nullptr, fullPath, kProbeOpenMode);
    if (!archive) return false;
    dll.CloseArchive(archive);
    return true;
  }
  bool Checks(TLibrary library, int mode) {
    return libraries_.Load(library).CheckArchive(Text(path_), mode) != 0;
  }
  TArchiverType TarType() {
    const int type = libraries_.Load(TLibrary::Tar).GetArchiveType(Text(path_));
    if (type == 1) return atTar;
    if (type >= 2 && type <= 5) return atTgz;
    if (type >= 6 && type <= 7) return atBZ2;
    return atNone;
  }
  [[nodiscard]] bool Exists() const { return exists_; }

 private:
  [[nodiscard]] std::string Text(const std::wstring& text) const {
    return LibraryText(libraries_.Codec(), text);
  }

  TArchiverLibraries& libraries_;
  std::wstring path_;
  bool exists_;
};

}  // namespace

TArchiverType ArchiverTypeByName(const std::wstring& path, bool byExtension,
                                 TArchiverLibraries& libraries) {
  if (!byExtension) return ArchiverTypeByContent(path, libraries);
  const std::wstring extension = LowerExtension(path);
  if (extension == L"exe") return ArchiverTypeByContent(path, libraries);
  for (const TExtension& known : kExtensions) {
    if (extension == known.Extension) return known.Type;
  }
  return atNone;
}

TArchiverType ArchiverTypeByContent(const std::wstring& path, TArchiverLibraries& libraries) {
  TProbe probe(path, libraries);
  TArchiverType type = atNone;
  Succeeds([&] {
    type = probe.TarType();
    return true;
  });
  const auto test = [&](TArchiverType candidate, const std::function<bool()>& accepts) {
    if (Succeeds(accepts)) type = candidate;
  };
  test(atRar, [&] { return probe.Opens(TLibrary::Rar); });
  test(atArj, [&] { return probe.Opens(TLibrary::Arj); });
  test(atZip, [&] {
    return probe.Checks(TLibrary::Zip, kZipCheckMode) && probe.Exists() &&
           probe.Opens(TLibrary::Zip);
  });
  test(atBga, [&] { return probe.Exists() && probe.Opens(TLibrary::Bga); });
  test(atYz1, [&] { return probe.Exists() && probe.Opens(TLibrary::Yz1); });
  test(atCab, [&] { return probe.Opens(TLibrary::Cab); });
  test(atLha,
       [&] { return probe.Checks(TLibrary::Lha, kLhaCheckMode) && probe.Opens(TLibrary::Lha); });
  return type;
}

std::unique_ptr<TArchiver> MakeArchiver(TArchiverType type, TArchiverLibraries& libraries) {
  switch (type) {
    case atLha:
      return std::make_unique<TLha32>(libraries);
    case atZip:
      return std::make_unique<TZip32>(libraries);
    case atCab:
      return std::make_unique<TCab32>(libraries);
    case atArj:
      return std::make_unique<TArj32>(libraries);
    case atTar:
      return std::make_unique<TTar32>(libraries);
    case atTgz:
      return std::make_unique<TTgz32>(libraries);
    case atBZ2:
      return std::make_unique<TBZ232>(libraries);
    case atRar:
      return std::make_unique<TRar32>(libraries);
    case atBga:
      return std::make_unique<TBGA32>(libraries);
    case atYz1:
      return std::make_unique<TYZ1>(libraries);
    case at7z:
      return std::make_unique<TSevenZip32>(libraries);
    default:
      return nullptr;
  }
}
