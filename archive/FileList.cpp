#include "archive/FileList.h"

namespace {
void Take(std::vector<std::wstring>& names, std::wstring_view name) {
  if (!name.empty()) names.emplace_back(name);
}
}  // namespace

std::vector<std::wstring> TFileList::Flatten() const {
  std::vector<std::wstring> names;
  for (const TFileListValue& value : values_) {
    if (const auto* text = std::get_if<std::wstring>(&value)) {
      Take(names, *text);
    } else if (const auto* lines = std::get_if<std::vector<std::wstring>>(&value)) {
      for (const std::wstring& line : *lines) Take(names, line);
    } else {
      for (const wchar_t* const* item = std::get<const wchar_t* const*>(value); item && *item;
           ++item) {
        Take(names, *item);
      }
    }
  }
  return names;
}
