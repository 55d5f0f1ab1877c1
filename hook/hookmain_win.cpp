// zelkhook.dll: the global mouse hook. The system loads this library into
// every process that receives mouse input; each copy reaches the hook record
// only through the named mapping, never through a view kept between uses.
// Plain Win32 without the C++ runtime (see CMakeLists.txt): nothing here may
// throw, allocate or need RTTI.

#define ZELKHOOK_BUILD
#include "hook/zelkhook_win.h"

#include "hook/DesktopViews_win.h"
#include "hook/HookRecord.h"
#include "hook/ScreenEdge.h"
#include "hook/ScreenEdge_win.h"

namespace {

constexpr wchar_t kCaption[] = L"ZELKHOOKDLL";

HINSTANCE module = nullptr;
// This process's own handle of the mapping, kept from load to unload so that
// the record lives as long as any process holds the library.
HANDLE processMapping = nullptr;
// The hook this process installed through SetHook; in every other process none.
HHOOK installedHook = nullptr;

void ShowFailure(const wchar_t* message) noexcept {
  MessageBoxW(nullptr, message, kCaption, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

// The record's 32-bit fields back to handles (see HookRecord.h).
template <typename Handle>
Handle HandleOf(std::uint32_t field) noexcept {
  return static_cast<Handle>(LongToHandle(static_cast<LONG>(field)));
}

std::uint32_t FieldOf(HANDLE handle) noexcept {
  return static_cast<std::uint32_t>(HandleToLong(handle));
}

// Posts the notification for a left click on the desktop or at the edge of
// the monitor clicked.
void NotifyClick(const THookRecord& record, WPARAM message, HWND window, LPARAM lParam) noexcept {
  const TCursorOnMonitor cursor = CursorOnMonitor();
  if (IsDesktopView(FindDesktopViews(), window) || IsScreenEdge(cursor.Cursor, cursor.Monitor)) {
    PostMessageW(HandleOf<HWND>(record.TargetWindow), MessageIdField(record.MessageId), message,
                 lParam);
  }
}

// Records the window under the mouse, notifies clicks; returns the hook to
// pass on to. The desktop and the cursor are looked at only for the clicks:
// every other mouse event costs one write to the record.
HHOOK ObserveMouse(WPARAM message, LPARAM lParam) noexcept {
  HANDLE mapping = nullptr;
  void* view = nullptr;
  if (GetFMObj(&mapping, &view) != 0) return nullptr;
  auto* record = static_cast<THookRecord*>(view);
  const HWND window = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd;
  record->MouseWindow = FieldOf(window);
  if (IsReportedClick(static_cast<unsigned>(message))) NotifyClick(*record, message, window, lParam);
  const auto next = HandleOf<HHOOK>(record->HookHandle);
  ReleaseFMObj(mapping, view);
  return next;
}

// Runs on every mouse event of every process: a peeked message that stays
// in the queue (HC_NOREMOVE) comes back as HC_ACTION, so only HC_ACTION is
// looked at and one click posts one notification.
LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  const HHOOK next = code == HC_ACTION ? ObserveMouse(wParam, lParam) : nullptr;
  return CallNextHookEx(next, code, wParam, lParam);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    installedHook = nullptr;
    DisableThreadLibraryCalls(instance);
    processMapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(THookRecord), kHookRecordName);
    if (!processMapping) ShowFailure(L"Failed FileMapping!");
  } else if (reason == DLL_PROCESS_DETACH && processMapping) {
    CloseHandle(processMapping);
    processMapping = nullptr;
  }
  return TRUE;
}

ZELKHOOK_API void WINAPI ReleaseFMObj(HANDLE mapping, void* view) {
  if (view) UnmapViewOfFile(view);
  if (mapping) CloseHandle(mapping);
}

ZELKHOOK_API std::int32_t WINAPI GetFMObj(HANDLE* mapping, void** view) {
  *view = nullptr;
  *mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kHookRecordName);
  if (!*mapping) return -1;
  *view = MapViewOfFile(*mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
  if (*view) return 0;
  CloseHandle(*mapping);
  *mapping = nullptr;
  return -2;
}

// The message is registered and the receiver stored before the hook goes in,
// so that no hook procedure ever posts with an unset identifier, and a failed
// registration leaves no hook behind. A second SetHook in the same process
// replaces its first hook rather than leaving it installed for good.
ZELKHOOK_API BOOL WINAPI SetHook(HWND window) {
  HANDLE mapping = nullptr;
  void* view = nullptr;
  if (GetFMObj(&mapping, &view) != 0) return FALSE;
  auto* record = static_cast<THookRecord*>(view);
  record->TargetWindow = FieldOf(window);
  const UINT identifier = RegisterWindowMessageA(kHookMessageName);
  BOOL result = FALSE;
  if (identifier == 0) {
    ShowFailure(L"Failed Creating Message!");
  } else {
    record->MessageId = MessageIdField(identifier);
    RemoveHook();
    installedHook = SetWindowsHookExW(WH_MOUSE, MouseProc, module, 0);
    record->HookHandle = FieldOf(installedHook);
    result = installedHook != nullptr;
  }
  ReleaseFMObj(mapping, view);
  return result;
}

// Removes this process's own hook, not whichever hook the shared record
// names last: another process may have written its own there since.
ZELKHOOK_API void WINAPI RemoveHook() {
  if (!installedHook) return;
  UnhookWindowsHookEx(installedHook);
  installedHook = nullptr;
}

ZELKHOOK_API const char* WINAPI GetHookMsgString() { return kHookMessageName; }
