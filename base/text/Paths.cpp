#include "base/text/Paths.h"

namespace {
std::size_t LastSeparator(std::wstring_view path) {
  return path.find_last_of(L"\\/:");
}
}  // namespace

std::wstring FolderOf(std::wstring_view path) {
  const std::size_t separator = LastSeparator(path);
  if (separator == std::wstring_view::npos) return {};
  // A root keeps its backslash: "C:\x.exe" lies in "C:\", not in "C:".
  const bool keepSeparator =
      path[separator] == L':' || separator == 0 || path[separator - 1] == L':' ||
      path[separator - 1] == L'\\';
  return std::wstring(path.substr(0, keepSeparator ? separator + 1 : separator));
}

std::wstring PathPartOf(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\:");
  return separator == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, separator + 1));
}

std::wstring FileNameOf(std::wstring_view path) {
  const std::size_t separator = LastSeparator(path);
  return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

std::wstring WithoutExtension(std::wstring_view fileName) {
  const std::size_t dot = fileName.find_last_of(L'.');
  return std::wstring(dot == std::wstring_view::npos ? fileName : fileName.substr(0, dot));
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring joined(folder);
  if (!joined.empty() && joined.back() != L'\\') joined += L'\\';
  joined += name;
  return joined;
}
