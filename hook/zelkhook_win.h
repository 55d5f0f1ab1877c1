#pragma once
// The five exports of zelkhook.dll, as the main program links them.

#include <windows.h>

#include <cstdint>

#ifdef ZELKHOOK_BUILD
#define ZELKHOOK_API extern "C"
#else
#define ZELKHOOK_API extern "C" __declspec(dllimport)
#endif

// Gives the view back when it is not null and closes the mapping when it is not 0.
ZELKHOOK_API void WINAPI ReleaseFMObj(HANDLE mapping, void* view);
// Opens "ZELKMouseHookObject" and maps all of it: 0 on success, -1 when it
// cannot be opened (mapping 0), -2 when it cannot be mapped (mapping closed).
ZELKHOOK_API std::int32_t WINAPI GetFMObj(HANDLE* mapping, void** view);
// Installs the global mouse hook and makes the window the notifications' receiver.
ZELKHOOK_API BOOL WINAPI SetHook(HWND window);
// Removes the hook when this process installed it.
ZELKHOOK_API void WINAPI RemoveHook();
// The name of the notification message, "This is Mouse hook".
ZELKHOOK_API const char* WINAPI GetHookMsgString();
