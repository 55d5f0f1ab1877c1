#include "app/sheets/FileStore_win.h"

#include <windows.h>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"
#include "base/text/Paths.h"
#include "base/win32/Handles_win.h"

namespace {

bool IsFileNotFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// `failed` ends the sentence: "開けませんでした", "保存できませんでした"...
[[noreturn]] void RaiseInOut(const std::wstring& failed, const std::wstring& path,
                             const std::wstring& reason) {
  throw EInOutError(L"ファイル「" + path + L"」を" + failed + L"。\n" + reason, reason);
}

[[noreturn]] void RaiseInOut(const std::wstring& failed, const std::wstring& path, DWORD error) {
  const std::wstring folder = FolderOf(path);
  RaiseInOut(failed, path,
             IsFileNotFolder(folder) ? L"「" + folder + L"」はフォルダーではなくファイルです。"
                                     : SystemErrorText(error));
}

bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> TWin32FileStore::Read(const std::wstring& path,
                                                               std::size_t limit) const {
  const TFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    const DWORD error = GetLastError();
    // A data folder that is a file is no empty folder: that must be said.
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) &&
        !IsFileNotFolder(FolderOf(path))) {
      return std::nullopt;
    }
    RaiseInOut(L"開けませんでした", path, error);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) RaiseInOut(L"読み込めませんでした", path, GetLastError());
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(
      std::min<std::uint64_t>(static_cast<std::uint64_t>(size.QuadPart), limit)));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) {
      RaiseInOut(L"読み込めませんでした", path, GetLastError());
    }
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

void TWin32FileStore::Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  // Windows refuses to replace a read-only file, but not every system that
  // runs the program does; the user's protection holds either way.
  if (IsReadOnly(path)) {
    RaiseInOut(L"保存できませんでした", path, L"読み取り専用のファイルです。");
  }
  const std::wstring folder = FolderOf(path);
  wchar_t temporary[MAX_PATH];
  if (!GetTempFileNameW(folder.c_str(), L"zlk", 0, temporary)) {
    RaiseInOut(L"保存できませんでした", path, GetLastError());
  }
  TFileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD error = ERROR_SUCCESS;
  if (!file.Valid() || !WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get())) {
    error = GetLastError();
  }
  file.Reset();  // closed before the move
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary);
    RaiseInOut(L"保存できませんでした", path, error);
  }
}

bool TWin32FileStore::Exists(const std::wstring& path) const {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TWin32FileStore::Rename(const std::wstring& from, const std::wstring& to) {
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
    RaiseInOut(L"移動できませんでした", from, GetLastError());
  }
}

void TWin32FileStore::Copy(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) {
    RaiseInOut(L"複製できませんでした", from, GetLastError());
  }
}

void TWin32FileStore::EnsureFolder(const std::wstring& path) {
  if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    RaiseInOut(L"作成できませんでした", path, GetLastError());
  }
}
