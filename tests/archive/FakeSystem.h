#pragma once
// Files, search path and folder tree in memory for the native tests.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/errors/Errors.h"
#include "archive/ArchiverSystem.h"
#include "archive/FileSearch.h"

class TFakeArchiverSystem : public IArchiverSystem {
 public:
  std::vector<std::uint8_t> ReadBytes(const std::wstring& path) override {
    const auto found = Files.find(path);
    if (found == Files.end()) throw EInOutError(L"no file " + path);
    return found->second;
  }
  void WriteBytes(const std::wstring& path, std::span<const std::uint8_t> bytes) override {
    Files[path].assign(bytes.begin(), bytes.end());
  }
  bool RemoveFile(const std::wstring& path) override {
    Removed.push_back(path);
    Files.erase(path);
    return true;
  }
  bool FileExists(const std::wstring& path) override { return Files.contains(path); }
  std::wstring FullPath(const std::wstring& path) override {
    return path.size() > 1 && path[1] == L':' ? path : L"C:\\Work\\" + path;
  }
  std::optional<std::wstring> FindOnSearchPath(const std::wstring& fileName) override {
    const std::wstring path = L"C:\\WINDOWS\\" + fileName;
    return Files.contains(path) ? std::optional(path) : std::nullopt;
  }
  std::optional<std::wstring> SevenZipFolder() override { return SevenZip; }

  std::map<std::wstring, std::vector<std::uint8_t>> Files;
  std::vector<std::wstring> Removed;
  std::optional<std::wstring> SevenZip;
};

// A folder tree under drive C: with a current folder. Paths are compared
// case-insensitively; "*.*" matches every name, as on Windows.
class TFakeFileSearch : public IFileSearch {
 public:
  TFakeFileSearch();
  // Adds a file (and its folders) at a full path.
  void AddFile(const std::wstring& path, std::uint32_t attributes = faArchive,
               std::int64_t localWriteTime = 0, const std::wstring& shortName = L"");
  void AddFolder(const std::wstring& path, std::uint32_t attributes = faDirectory);

  std::vector<TFoundFile> Find(const std::wstring& pattern) override;
  bool IsFolder(const std::wstring& path) override;
  std::wstring CurrentFolder() override { return current_; }
  std::wstring DriveFolder(wchar_t drive) override;
  void SetCurrentFolder(const std::wstring& path) override;
  int CurrentYear() override { return Year; }

  int Year = 2004;
  std::vector<std::wstring> FolderChanges;
  std::map<wchar_t, std::wstring> DriveFolders;

 private:
  struct TNode {
    TFoundFile File;
    std::map<std::wstring, TNode> Children;  // by upper-case name
  };
  [[nodiscard]] std::wstring Absolute(const std::wstring& path) const;
  TNode* NodeAt(const std::wstring& absolutePath);
  TNode& MakeFolders(const std::wstring& absolutePath);

  TNode root_;
  std::wstring current_ = L"C:\\";
};

// 100 ns ticks of a local date and time.
[[nodiscard]] std::int64_t LocalTicks(int year, int month, int day, int hour = 0, int minute = 0,
                                      int second = 0);
