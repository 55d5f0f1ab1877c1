#include "tests/support/TempFolder_win.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/win32/Handles_win.h"

namespace {

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const TFindHandle search(FindFirstFileW((path + L"\\*").c_str(), &found));
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search.Get(), &found));
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

TTempFolder::TTempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int serial = 0;
  for (;;) {
    path_ = std::wstring(base) + L"zelktest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(++serial);
    if (CreateDirectoryW(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temporary folder");
  }
}

TTempFolder::~TTempFolder() { RemoveTree(path_); }

std::vector<std::wstring> TTempFolder::Entries(const std::wstring& subfolder) const {
  std::vector<std::wstring> names;
  const std::wstring folder = subfolder.empty() ? path_ : File(subfolder);
  WIN32_FIND_DATAW found;
  const TFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search.Get(), &found));
  return names;
}

std::vector<std::uint8_t> ReadBytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path.c_str(), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
