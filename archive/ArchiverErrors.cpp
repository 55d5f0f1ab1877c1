#include "archive/ArchiverErrors.h"

#include <utility>

ESfxNoRequiredFile::ESfxNoRequiredFile(std::wstring archiveKind, std::wstring sfxKind,
                                       std::wstring requiredFile)
    : EArchiver(archiveKind + L" 書庫からの" + sfxKind + L"自己解凍書庫の作成には '" +
                requiredFile + L"' ファイルが必要です。"),
      archiveKind_(std::move(archiveKind)),
      sfxKind_(std::move(sfxKind)),
      requiredFile_(std::move(requiredFile)) {}

std::wstring FormatText(std::wstring_view pattern,
                        std::initializer_list<std::wstring_view> values) {
  std::wstring text(pattern);
  int index = 0;
  for (const std::wstring_view value : values) {
    const std::wstring place = L"%" + std::to_wstring(index++) + L":s";
    for (std::size_t at = text.find(place); at != std::wstring::npos;
         at = text.find(place, at + value.size())) {
      text.replace(at, place.size(), value);
    }
  }
  return text;
}
