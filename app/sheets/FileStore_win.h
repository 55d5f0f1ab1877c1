#pragma once
// The data folder on disk.

#include "app/sheets/FileStore.h"

class TWin32FileStore : public IFileStore {
 public:
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                              std::size_t limit) const override;
  void Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) override;
  [[nodiscard]] bool Exists(const std::wstring& path) const override;
  void Rename(const std::wstring& from, const std::wstring& to) override;
  void Copy(const std::wstring& from, const std::wstring& to) override;
  void EnsureFolder(const std::wstring& path) override;
};
