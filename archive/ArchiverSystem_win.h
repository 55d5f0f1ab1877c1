#pragma once
// Files, folders, the search path and the registry of the running system,
// as the archive formats and the pack filter see them.

#include "archive/ArchiverSystem.h"
#include "archive/FileSearch.h"

class TWin32ArchiverSystem : public IArchiverSystem {
 public:
  [[nodiscard]] std::vector<std::uint8_t> ReadBytes(const std::wstring& path) override;
  void WriteBytes(const std::wstring& path, std::span<const std::uint8_t> bytes) override;
  bool RemoveFile(const std::wstring& path) override;
  [[nodiscard]] bool FileExists(const std::wstring& path) override;
  [[nodiscard]] std::wstring FullPath(const std::wstring& path) override;
  [[nodiscard]] std::optional<std::wstring> FindOnSearchPath(const std::wstring& fileName) override;
  [[nodiscard]] std::optional<std::wstring> SevenZipFolder() override;
};

class TWin32FileSearch : public IFileSearch {
 public:
  [[nodiscard]] std::vector<TFoundFile> Find(const std::wstring& pattern) override;
  [[nodiscard]] bool IsFolder(const std::wstring& path) override;
  [[nodiscard]] std::wstring CurrentFolder() override;
  [[nodiscard]] std::wstring DriveFolder(wchar_t drive) override;
  void SetCurrentFolder(const std::wstring& path) override;
  [[nodiscard]] int CurrentYear() override;
};
