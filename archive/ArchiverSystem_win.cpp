#include "archive/ArchiverSystem_win.h"

#include <windows.h>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"
#include "base/win32/Handles_win.h"

namespace {

[[noreturn]] void RaiseInOut(const std::wstring& what, const std::wstring& path) {
  const DWORD error = GetLastError();
  throw EInOutError(L"ファイル「" + path + L"」を" + what + L"できませんでした。\n" +
                    SystemErrorText(error));
}

std::wstring FullPathOf(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(length);
  return full;
}

std::int64_t LocalTicks(const FILETIME& time) {
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return 0;
  FILETIME local;
  if (!FileTimeToLocalFileTime(&time, &local)) return 0;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(local.dwHighDateTime) << 32 |
                                   local.dwLowDateTime);
}

}  // namespace

std::vector<std::uint8_t> TWin32ArchiverSystem::ReadBytes(const std::wstring& path) {
  const TFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) RaiseInOut(L"開くことが", path);
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  DWORD read = 0;
  do {
    if (!::ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
      RaiseInOut(L"読み込むことが", path);
    }
    bytes.insert(bytes.end(), chunk, chunk + read);
  } while (read > 0);
  return bytes;
}

void TWin32ArchiverSystem::WriteBytes(const std::wstring& path,
                                      std::span<const std::uint8_t> bytes) {
  const TFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) RaiseInOut(L"作成することが", path);
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    if (!::WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
      RaiseInOut(L"書き込むことが", path);
    }
    bytes = bytes.subspan(written);
  }
}

bool TWin32ArchiverSystem::RemoveFile(const std::wstring& path) {
  return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool TWin32ArchiverSystem::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring TWin32ArchiverSystem::FullPath(const std::wstring& path) { return FullPathOf(path); }

std::optional<std::wstring> TWin32ArchiverSystem::FindOnSearchPath(const std::wstring& fileName) {
  wchar_t found[MAX_PATH];
  const DWORD length = SearchPathW(nullptr, fileName.c_str(), nullptr, MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return std::wstring(found, length);
}

std::optional<std::wstring> TWin32ArchiverSystem::SevenZipFolder() {
  wchar_t folder[MAX_PATH];
  DWORD size = sizeof folder;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\7-ZIP", L"Path", RRF_RT_REG_SZ, nullptr, folder,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(folder);
}

std::vector<TFoundFile> TWin32FileSearch::Find(const std::wstring& pattern) {
  std::vector<TFoundFile> files;
  WIN32_FIND_DATAW found;
  const TFindHandle search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) return files;
  do {
    files.push_back({found.cFileName, found.cAlternateFileName, found.dwFileAttributes,
                     LocalTicks(found.ftLastWriteTime)});
  } while (FindNextFileW(search.Get(), &found));
  return files;
}

bool TWin32FileSearch::IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring TWin32FileSearch::CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  folder.resize(GetCurrentDirectoryW(size, folder.data()));
  return folder;
}

std::wstring TWin32FileSearch::DriveFolder(wchar_t drive) {
  return FullPathOf(std::wstring{drive, L':'});
}

void TWin32FileSearch::SetCurrentFolder(const std::wstring& path) {
  if (!SetCurrentDirectoryW(path.c_str())) {
    const DWORD error = GetLastError();
    throw EInOutError(L"フォルダ「" + path + L"」に移動できませんでした。\n" +
                      SystemErrorText(error));
  }
}

int TWin32FileSearch::CurrentYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}
