#pragma once
// Seam for the system's library loader: LoadLibrary and GetProcAddress on
// Windows, modules of test entries elsewhere.

#include <string>

#include "archive/ArchiverTypes.h"

class IModuleLoader {
 public:
  using TModule = void*;  // a loaded library (HMODULE); null = none

  virtual ~IModuleLoader() = default;
  // Loads by file name with the system's search order; null on failure.
  [[nodiscard]] virtual TModule Load(const std::wstring& fileName) = 0;
  // The named entry of a loaded module, or null.
  [[nodiscard]] virtual TEntryAddress Entry(TModule module, const std::string& name) = 0;
  // The module's full file name.
  [[nodiscard]] virtual std::wstring FileName(TModule module) = 0;
  virtual void Free(TModule module) = 0;
};
