#include "app/form/ZelkHook_win.h"

#include "hook/zelkhook_win.h"

void TZelkMouseHook::SetHook(std::uintptr_t window) {
  // Its result is not checked: the library reports its own failures.
  (void)::SetHook(reinterpret_cast<HWND>(window));
}

void TZelkMouseHook::RemoveHook() { ::RemoveHook(); }

std::string TZelkMouseHook::HookMessageName() { return GetHookMsgString(); }
