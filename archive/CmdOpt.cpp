#include "archive/CmdOpt.h"

#include <cstdint>
#include <vector>

#include "archive/LibraryText.h"

void TCmdOpt::Add(std::wstring_view text) {
  text_ += L' ';
  text_ += text;
}

void TCmdOpt::AddNumber(std::wstring_view name, int value) {
  if (value >= 0) Add(L"-" + std::wstring(name) + std::to_wstring(value));
}

void TCmdOpt::AddFlag(std::wstring_view name, bool on) {
  if (on) Add(L"-" + std::wstring(name));
}

void TCmdOpt::AddQuoted(std::wstring_view name, std::wstring_view value) {
  if (value.empty()) return;
  const std::wstring quoted = L"\"" + std::wstring(value) + L"\"";
  if (name.empty()) {
    Add(quoted);
    return;
  }
  const std::wstring switchName =
      name.front() == L' ' ? std::wstring(name.substr(1)) : L"-" + std::wstring(name);
  if (SeparateValue) {
    Add(switchName + L" " + quoted);
  } else {
    Add(L"\"" + switchName + std::wstring(value) + L"\"");
  }
}

void TCmdOpt::AddDir(std::wstring_view name, std::wstring_view folder) {
  if (folder.empty()) return;
  std::wstring withSeparator(folder);
  if (withSeparator.back() != L'\\') withSeparator += L'\\';
  AddQuoted(name, withSeparator);
}

std::wstring TCmdOpt::Filtered(std::wstring_view file) const {
  return NameFilter ? NameFilter(file) : std::wstring(file);
}

void TCmdOpt::AddFile(std::wstring_view name, std::wstring_view file) {
  AddQuoted(name, Filtered(file));
}

int TCmdOpt::AddFiles(std::wstring_view name, const TFileList& files) {
  const std::vector<std::wstring> names = files.Flatten();
  for (const std::wstring& file : names) AddFile(name, file);
  return static_cast<int>(names.size());
}

int TCmdOpt::AddResponseFile(const TFileList& files, const std::wstring& path,
                             const ITextCodec& codec, IArchiverSystem& system) {
  const std::vector<std::wstring> names = files.Flatten();
  std::string lines;
  for (const std::wstring& file : names) {
    lines += '"' + LibraryText(codec, Filtered(file)) + "\"\r\n";
  }
  system.WriteBytes(path,
                    std::span(reinterpret_cast<const std::uint8_t*>(lines.data()), lines.size()));
  Add(L"\"@" + path + L"\"");
  return static_cast<int>(names.size());
}
