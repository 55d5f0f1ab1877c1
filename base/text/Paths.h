#pragma once
// Splitting Windows paths. Works on decoded text only: in Shift-JIS bytes
// 0x5C is also the second byte of characters such as ソ and 表.

#include <string>
#include <string_view>

// "C:\ソフト\表.exe" -> "C:\ソフト", "C:\x.exe" -> "C:\"; no separator -> "".
[[nodiscard]] std::wstring FolderOf(std::wstring_view path);
// Everything up to and including the last "\" or ":": "C:\Tools\a.exe" ->
// "C:\Tools\"; "" when there is none.
[[nodiscard]] std::wstring PathPartOf(std::wstring_view path);
// "C:\ソフト\表.exe" -> "表.exe".
[[nodiscard]] std::wstring FileNameOf(std::wstring_view path);
// "表.exe" -> "表"; "archive.tar.gz" -> "archive.tar"; ".profile" -> "".
[[nodiscard]] std::wstring WithoutExtension(std::wstring_view fileName);
// Joins a folder and a name with exactly one backslash between them.
[[nodiscard]] std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
