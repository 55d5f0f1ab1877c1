#pragma once
// Registering dropped files as items of the current sheet.

#include <string>
#include <vector>

#include "app/sheets/CurrentSheet.h"

// What the shell's link object says of a shortcut; each text empty when it
// cannot be read.
struct TShortcutInfo {
  std::wstring Target;
  std::wstring WorkingFolder;
  std::wstring Arguments;
};

class IShortcutResolver {
 public:
  virtual ~IShortcutResolver() = default;
  [[nodiscard]] virtual TShortcutInfo ResolveShortcut(const std::wstring& shortcut) = 0;
};

struct TRegistration {
  int Registered = 0;
  bool SheetFull = false;  // the sheet holds 400 items now: say so once
  // Files not registered, each with the reason, for one message.
  std::vector<std::wstring> Refused;
};

// DropFilesOnSheet: each path, while the sheet has room, becomes an item in
// the smallest free slot from firstSlot on (a drop: from 0), named after its
// file name; a shortcut stands for its target unless that lies in the
// installer cache. A path the record cannot hold, or that the shell gives no
// icon for, is refused and named. The caller repaints and saves once.
[[nodiscard]] TRegistration DropFilesOnSheet(TCurrentSheet& sheet, const std::vector<std::wstring>& paths,
                                             IShortcutResolver& shortcuts, const std::wstring& windowsFolder,
                                             const TArrangeOptions& options, int firstSlot = 0);

// The full sheet's message, with how many of the files were registered and
// how many were not.
[[nodiscard]] std::wstring SheetFullMessage(int files, int registered);

// The message for the files that were not registered; empty when none.
[[nodiscard]] std::wstring RefusedFilesMessage(const std::vector<std::wstring>& refused);
