#include "tests/archive/FakeSystem.h"

#include "archive/EntryRecord.h"

namespace {

std::wstring Upper(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  }
  return text;
}

bool WildMatch(const wchar_t* mask, const wchar_t* name) {
  if (*mask == 0) return *name == 0;
  if (*mask == L'*') return WildMatch(mask + 1, name) || (*name && WildMatch(mask, name + 1));
  if (*name == 0) return false;
  return (*mask == L'?' || *mask == *name) && WildMatch(mask + 1, name + 1);
}

std::vector<std::wstring> Parts(const std::wstring& path) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (const wchar_t c : path) {
    if (c == L'\\' || c == L'/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

std::int64_t LocalTicks(int year, int month, int day, int hour, int minute, int second) {
  return (DaysSince1601(year, month, day) * 86400 + hour * 3600 + minute * 60 + second) * 10000000;
}

TFakeFileSearch::TFakeFileSearch() { root_.File = {L"C:", L"", faDirectory, 0}; }

std::wstring TFakeFileSearch::Absolute(const std::wstring& path) const {
  if (path.size() >= 2 && path[1] == L':') return path;
  return current_ + (current_.back() == L'\\' ? L"" : L"\\") + path;
}

TFakeFileSearch::TNode* TFakeFileSearch::NodeAt(const std::wstring& absolutePath) {
  TNode* node = &root_;
  const std::vector<std::wstring> parts = Parts(absolutePath.substr(2));
  for (const std::wstring& part : parts) {
    if (part == L".") continue;
    const auto found = node->Children.find(Upper(part));
    if (found == node->Children.end()) return nullptr;
    node = &found->second;
  }
  return node;
}

TFakeFileSearch::TNode& TFakeFileSearch::MakeFolders(const std::wstring& absolutePath) {
  TNode* node = &root_;
  for (const std::wstring& part : Parts(absolutePath.substr(2))) {
    TNode& child = node->Children[Upper(part)];
    if (child.File.Name.empty()) child.File = {part, L"", faDirectory, 0};
    node = &child;
  }
  return *node;
}

void TFakeFileSearch::AddFile(const std::wstring& path, std::uint32_t attributes,
                              std::int64_t localWriteTime, const std::wstring& shortName) {
  const std::size_t split = path.find_last_of(L'\\');
  TNode& folder = MakeFolders(path.substr(0, split));
  const std::wstring name = path.substr(split + 1);
  folder.Children[Upper(name)].File = {name, shortName, attributes, localWriteTime};
}

void TFakeFileSearch::AddFolder(const std::wstring& path, std::uint32_t attributes) {
  MakeFolders(path).File.Attributes = attributes;
}

std::vector<TFoundFile> TFakeFileSearch::Find(const std::wstring& pattern) {
  const std::wstring absolute = Absolute(pattern);
  const std::size_t split = absolute.find_last_of(L"\\/");
  const std::wstring mask = Upper(absolute.substr(split + 1));
  TNode* folder = NodeAt(absolute.substr(0, split));
  std::vector<TFoundFile> found;
  if (!folder || !(folder->File.Attributes & faDirectory)) return found;
  if (folder != &root_) {
    found.push_back({L".", L"", faDirectory, 0});
    found.push_back({L"..", L"", faDirectory, 0});
  }
  for (const auto& [upperName, child] : folder->Children) {
    if (mask == L"*.*" || WildMatch(mask.c_str(), upperName.c_str())) found.push_back(child.File);
  }
  return found;
}

bool TFakeFileSearch::IsFolder(const std::wstring& path) {
  const TNode* node = NodeAt(Absolute(path));
  return node && (node->File.Attributes & faDirectory);
}

std::wstring TFakeFileSearch::DriveFolder(wchar_t drive) {
  const auto found = DriveFolders.find(drive);
  return found == DriveFolders.end() ? std::wstring{drive, L':', L'\\'} : found->second;
}

void TFakeFileSearch::SetCurrentFolder(const std::wstring& path) {
  if (!IsFolder(path)) throw EInOutError(L"no folder " + path);
  FolderChanges.push_back(path);
  current_ = Absolute(path);
}
