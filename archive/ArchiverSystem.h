#pragma once
// Seam for the files and system facts the archive formats need besides the
// libraries: response files, self-extractor stubs and outputs, full paths,
// the search path and the 7-Zip install folder. Failures to read or write a
// file raise EInOutError with a finished message.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class IArchiverSystem {
 public:
  virtual ~IArchiverSystem() = default;
  [[nodiscard]] virtual std::vector<std::uint8_t> ReadBytes(const std::wstring& path) = 0;
  // Creates or truncates the file and writes all the bytes.
  virtual void WriteBytes(const std::wstring& path, std::span<const std::uint8_t> bytes) = 0;
  // Deletes the file when it exists; false when it could not be deleted.
  virtual bool RemoveFile(const std::wstring& path) = 0;
  [[nodiscard]] virtual bool FileExists(const std::wstring& path) = 0;
  [[nodiscard]] virtual std::wstring FullPath(const std::wstring& path) = 0;
  // The file found on the system's search path for programs and libraries.
  [[nodiscard]] virtual std::optional<std::wstring> FindOnSearchPath(
      const std::wstring& fileName) = 0;
  // The value "Path" of HKEY_LOCAL_MACHINE\SOFTWARE\7-ZIP, when present.
  [[nodiscard]] virtual std::optional<std::wstring> SevenZipFolder() = 0;
};
