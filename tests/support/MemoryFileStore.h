#pragma once
// A data folder in memory.

#include <algorithm>
#include <map>
#include <set>

#include "base/errors/Errors.h"
#include "app/sheets/FileStore.h"

class MemoryFileStore : public IFileStore {
 public:
  std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                std::size_t limit) const override {
    if (locked.contains(path)) throw EInOutError(L"locked: " + path, L"locked");
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    const auto& bytes = found->second;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::min(bytes.size(), limit));
  }
  void Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) override {
    if (failWrites) throw EInOutError(L"write failed: " + path, L"write failed");
    files[path].assign(bytes.begin(), bytes.end());
  }
  bool Exists(const std::wstring& path) const override { return files.contains(path); }
  void Rename(const std::wstring& from, const std::wstring& to) override {
    if (held.contains(from) || locked.contains(from)) throw EInOutError(L"held: " + from, L"held");
    auto bytes = std::move(files.at(from));
    files.erase(from);
    files[to] = std::move(bytes);
  }
  void Copy(const std::wstring& from, const std::wstring& to) override {
    if (locked.contains(from)) throw EInOutError(L"locked: " + from, L"locked");
    if (failWrites) throw EInOutError(L"write failed: " + to, L"write failed");
    if (files.contains(to)) throw EInOutError(L"exists: " + to, L"exists");
    files[to] = files.at(from);
  }
  void EnsureFolder(const std::wstring& path) override {
    if (failFolders) throw EInOutError(L"no folder: " + path, L"no folder");
    folders.insert(path);
  }

  std::map<std::wstring, std::vector<std::uint8_t>> files;
  std::set<std::wstring> folders;
  bool failWrites = false;
  bool failFolders = false;
  // Held by another program: `held` files can be read but not moved,
  // `locked` ones not even read.
  std::set<std::wstring> held;
  std::set<std::wstring> locked;
};
