#pragma once
// Shortcut files read through the shell's link object.

#include "app/launch/Registration.h"

class TShellLinkResolver : public IShortcutResolver {
 public:
  [[nodiscard]] TShortcutInfo ResolveShortcut(const std::wstring& shortcut) override;
};
