#include "app/services/HookLibraryMouseHook_win.h"

#include "hook/zelkhook_win.h"

void THookLibraryMouseHook::SetHook(std::uintptr_t window) {
  // Its result is not checked: the library reports its own failures.
  (void)::SetHook(reinterpret_cast<HWND>(window));
}

void THookLibraryMouseHook::RemoveHook() { ::RemoveHook(); }

std::string THookLibraryMouseHook::HookMessageName() { return GetHookMsgString(); }
