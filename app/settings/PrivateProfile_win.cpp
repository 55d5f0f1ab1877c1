#include "app/settings/PrivateProfile_win.h"

#include <windows.h>

#include <vector>

#include "base/text/Paths.h"
#include "base/win32/Handles_win.h"

namespace {

// Given as the default so that a missing key can be told from an empty one.
constexpr wchar_t kMissing[] = L"\x01missing\x01";

std::wstring TemporaryFileIn(const std::wstring& folder) {
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"zlk", 0, name)) return {};
  return name;
}

}  // namespace

std::optional<std::wstring> TPrivateProfile::ReadString(std::wstring_view section,
                                                        std::wstring_view key) const {
  const std::wstring sectionText(section);
  const std::wstring keyText(key);
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    const DWORD length =
        GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(), kMissing, buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
    if (length + 1 < buffer.size()) {
      std::wstring value(buffer.data(), length);
      if (value == kMissing) return std::nullopt;
      return value;
    }
    buffer.resize(buffer.size() * 4);
  }
}

void TPrivateProfile::WriteString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view value) {
  WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                             std::wstring(value).c_str(), path_.c_str());
}

TProfileTransaction::TProfileTransaction(std::wstring path)
    : path_(std::move(path)), copy_(TemporaryFileIn(FolderOf(path_))) {
  if (copy_.Path().empty()) return;
  const bool exists = GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
  ready_ = !exists || CopyFileW(path_.c_str(), copy_.Path().c_str(), FALSE);
}

TProfileTransaction::~TProfileTransaction() {
  if (!copy_.Path().empty()) DeleteFileW(copy_.Path().c_str());
}

bool TProfileTransaction::Commit() {
  if (!ready_) return false;
  // Flushes the system's cached copy of the file, then the file's own buffers.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy_.Path().c_str());
  {
    const TFileHandle file(CreateFileW(copy_.Path().c_str(), GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !FlushFileBuffers(file.Get())) return false;
  }  // closed before the move
  return MoveFileExW(copy_.Path().c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
