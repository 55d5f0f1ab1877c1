// A stand-in archiver library for the Win32 tests. Built once per real
// library name, exporting that library's entries (see standins.cmake). It
// records every call in "calls.log" beside itself and answers as the
// section of its own name in "standin.ini" there says:
//   Result, Check, Open, ArchiveType, FindFirst, DosDate, DosTime, Size,
//   Progress (1 = report begin, one file and end to the owner window),
//   Hold (1 = a command waits until the test releases it, StandInHold.h).

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "archive/ArchiverTypes.h"
#include "tests/archive/standin/StandInHold.h"

namespace {

HMODULE self = nullptr;
HWND ownerWindow = nullptr;
void* const kArchive = reinterpret_cast<void*>(1);
constexpr int kUserCancel = 0x8020;

std::string SelfPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  return path;
}

std::string Beside(const char* name) {
  const std::string path = SelfPath();
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::string Section() {
  const std::string path = SelfPath();
  const std::string file = path.substr(path.find_last_of('\\') + 1);
  return file.substr(0, file.find_last_of('.'));
}

int Answer(const char* key, int fallback = 0) {
  return static_cast<int>(
      GetPrivateProfileIntA(Section().c_str(), key, fallback, Beside("standin.ini").c_str()));
}

void Log(const char* entry, const char* text, long long number = 0) {
  const std::string line = Section() + "\t" + entry + "\t" + (text ? text : "(null)") + "\t" +
                           std::to_string(number) + "\r\n";
  const HANDLE log = CreateFileA(Beside("calls.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
}

// Reports begin (0), one file (1) and end (2); true when the window asked
// to abort.
bool ReportProgress() {
  if (!ownerWindow || !Answer("Progress")) return false;
  const UINT message = RegisterWindowMessageA("wm_arcextract");
  std::uint8_t record[1074] = {};
  std::strcpy(reinterpret_cast<char*>(record) + 8, "member.txt");
  for (WPARAM state = 0; state <= 2; ++state) {
    if (SendMessageA(ownerWindow, message, state, reinterpret_cast<LPARAM>(record))) return true;
  }
  return false;
}

void HoldWhileAsked() {
  if (!Answer("Hold")) return;
  const HANDLE held = CreateEventA(nullptr, TRUE, FALSE, StandInEventName("held").c_str());
  const HANDLE released = CreateEventA(nullptr, TRUE, FALSE, StandInEventName("released").c_str());
  SetEvent(held);
  WaitForSingleObject(released, INFINITE);
  CloseHandle(released);
  CloseHandle(held);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

int ARCHIVER_API StandInCommand(HWND, const char* line, char* output, DWORD size) {
  Log("Command", line, output ? static_cast<long long>(size) : -1);
  HoldWhileAsked();
  if (ReportProgress()) return kUserCancel;
  if (output && size > 2) std::strcpy(output, "ok");
  return Answer("Result");
}

HANDLE ARCHIVER_API StandInOpenArchive(HWND, const char* path, DWORD mode) {
  Log("OpenArchive", path, mode);
  return Answer("Open") ? kArchive : nullptr;
}

int ARCHIVER_API StandInCloseArchive(HANDLE) {
  Log("CloseArchive", "");
  return 0;
}

int ARCHIVER_API StandInFindFirst(HANDLE, const char* wildName, void* record) {
  Log("FindFirst", wildName);
  auto* bytes = static_cast<std::uint8_t*>(record);
  std::memset(bytes, 0, 558);
  const auto size = static_cast<std::uint32_t>(Answer("Size"));
  const auto date = static_cast<std::uint16_t>(Answer("DosDate"));
  const auto time = static_cast<std::uint16_t>(Answer("DosTime"));
  std::memcpy(bytes, &size, 4);
  std::memcpy(bytes + 4, &size, 4);
  std::memcpy(bytes + 22, &date, 2);
  std::memcpy(bytes + 24, &time, 2);
  return Answer("FindFirst");
}

int ARCHIVER_API StandInFindNext(HANDLE, void*) { return -1; }

int ARCHIVER_API StandInExtractMem(HWND, const char* line, void*, DWORD size, void*, void*,
                                   DWORD* written) {
  Log("ExtractMem", line, size);
  if (written) *written = 0;
  return Answer("Result");
}

BOOL ARCHIVER_API StandInCheckArchive(const char* path, int mode) {
  Log("CheckArchive", path, mode);
  return Answer("Check");
}

BOOL ARCHIVER_API StandInSetOwnerWindowEx(HWND window, void*) {
  Log("SetOwnerWindowEx", "", window != nullptr);
  ownerWindow = window;
  return TRUE;
}

BOOL ARCHIVER_API StandInKillOwnerWindowEx(HWND) {
  Log("KillOwnerWindowEx", "");
  ownerWindow = nullptr;
  return TRUE;
}

// Times and sizes that no DOS date could give, so a test tells them apart.
BOOL ARCHIVER_API StandInGetTimeEx(HANDLE, FILETIME* time) {
  time->dwHighDateTime = 0x01D00000;
  time->dwLowDateTime = 0x12345678;
  return TRUE;
}

BOOL ARCHIVER_API StandInGetSizeEx(HANDLE, std::int64_t* size) {
  *size = 0x100000000LL + Answer("Size");
  return TRUE;
}

int ARCHIVER_API StandInGetArchiveType(const char* path) {
  Log("GetArchiveType", path);
  return Answer("ArchiveType");
}

}  // extern "C"
