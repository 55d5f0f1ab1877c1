#pragma once
// The library wrappers of the format classes, one per library family and
// shared by every format object of the family, with the seams they work
// through. A wrapper is created and its library loaded on first need, and
// stays until it is freed.

#include <array>
#include <memory>

#include "base/text/TextCodec.h"
#include "archive/ArchiverDll.h"
#include "archive/ArchiverSystem.h"
#include "archive/ModuleLoader.h"
#include "archive/ZipDll.h"

enum class TLibrary { Lha, Zip, Cab, Arj, Tar, Rar, Bga, Yz1, SevenZip };
inline constexpr std::size_t kLibraryCount = 9;

class TArchiverLibraries {
 public:
  TArchiverLibraries(IModuleLoader& loader, const ITextCodec& codec, IArchiverSystem& system)
      : loader_(loader), codec_(codec), system_(system) {}
  ~TArchiverLibraries() { FreeAll(); }
  TArchiverLibraries(const TArchiverLibraries&) = delete;
  TArchiverLibraries& operator=(const TArchiverLibraries&) = delete;

  // The family's wrapper with its library loaded; raises when it cannot be.
  // The ZIP wrapper's load never raises.
  TCustomArchiverDll& Load(TLibrary library);
  TArchiverDll& Dll(TLibrary library) { return static_cast<TArchiverDll&>(Load(library)); }
  TZipDll& Zip() { return static_cast<TZipDll&>(Load(TLibrary::Zip)); }
  // Destroys the family's wrapper, unloading its library.
  void Free(TLibrary library);
  void FreeAll();

  [[nodiscard]] const ITextCodec& Codec() const { return codec_; }
  [[nodiscard]] IArchiverSystem& System() { return system_; }

 private:
  void LoadYz1();

  IModuleLoader& loader_;
  const ITextCodec& codec_;
  IArchiverSystem& system_;
  std::array<std::unique_ptr<TCustomArchiverDll>, kLibraryCount> wrappers_;
};
