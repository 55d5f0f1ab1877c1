#pragma once
// Seam for the files of the data folder. Failures raise EInOutError with a
// finished message.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class IFileStore {
 public:
  virtual ~IFileStore() = default;
  // The file's first bytes, at most `limit` of them, so that an outsized file
  // costs no more than a right one; nullopt when there is no such file.
  [[nodiscard]] virtual std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                                      std::size_t limit) const = 0;
  // Replaces the file atomically: a failed or interrupted write leaves the old
  // file whole.
  virtual void Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) = 0;
  [[nodiscard]] virtual bool Exists(const std::wstring& path) const = 0;
  virtual void Rename(const std::wstring& from, const std::wstring& to) = 0;
  // Copies a file to a new name; fails when the new name exists.
  virtual void Copy(const std::wstring& from, const std::wstring& to) = 0;
  // Creates the folder when it does not exist.
  virtual void EnsureFolder(const std::wstring& path) = 0;
};

// The first free name for a damaged file kept aside: "<path>.damaged", then
// "<path>.damaged2", and so on.
[[nodiscard]] std::wstring FreeBackupPath(const IFileStore& store, const std::wstring& path);
