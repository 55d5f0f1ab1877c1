#pragma once
// The texts ShellContextMenu takes: a file-system path, or the name of one
// of the quick bar's special objects.

#include <string>
#include <string_view>

struct TShellObjectText {
  std::wstring Folder;  // empty for a special object
  std::wstring Name;
  int SpecialFolder = -1;  // CSIDL of a special object, else -1
};

// "C:\ソフト\表.exe" -> folder "C:\ソフト", name "表.exe"; "C:\x" -> "C:\",
// "x"; "MYCOM" -> the special folder 17.
[[nodiscard]] TShellObjectText SplitShellObjectText(std::wstring_view text);
