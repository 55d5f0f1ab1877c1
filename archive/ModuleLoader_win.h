#pragma once
// The system's library loader.

#include "archive/ModuleLoader.h"

class TWin32ModuleLoader : public IModuleLoader {
 public:
  [[nodiscard]] TModule Load(const std::wstring& fileName) override;
  [[nodiscard]] TEntryAddress Entry(TModule module, const std::string& name) override;
  [[nodiscard]] std::wstring FileName(TModule module) override;
  void Free(TModule module) override;
};
