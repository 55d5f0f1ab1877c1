#pragma once
// Seam for the directory search and current folders behind the pack filter.

#include <cstdint>
#include <string>
#include <vector>

// File attributes as the system reports them.
enum : std::uint32_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faVolumeID = 0x08,
  faDirectory = 0x10,
  faArchive = 0x20,
};

struct TFoundFile {
  std::wstring Name;
  std::wstring ShortName;  // the 8.3 name; empty when the file has none
  std::uint32_t Attributes = 0;
  // Last write as local time, in 100 ns units since 1601-01-01; 0 = none.
  std::int64_t LocalWriteTime = 0;
};

class IFileSearch {
 public:
  virtual ~IFileSearch() = default;
  // Every file and folder matching the pattern (a folder and a mask with
  // "*" and "?"), "." and ".." included when the system reports them.
  [[nodiscard]] virtual std::vector<TFoundFile> Find(const std::wstring& pattern) = 0;
  [[nodiscard]] virtual bool IsFolder(const std::wstring& path) = 0;
  [[nodiscard]] virtual std::wstring CurrentFolder() = 0;
  // The current folder of a drive ("C:"), as a full path.
  [[nodiscard]] virtual std::wstring DriveFolder(wchar_t drive) = 0;
  // Raises EInOutError when the folder cannot be made current.
  virtual void SetCurrentFolder(const std::wstring& path) = 0;
  // The current year, which places two-digit years of date bounds.
  [[nodiscard]] virtual int CurrentYear() = 0;
};
