#include "archive/LibraryText.h"

#include "archive/ArchiverErrors.h"

std::string LibraryText(const ITextCodec& codec, std::wstring_view text) {
  std::optional<std::string> bytes = codec.Encode(text);
  if (!bytes) {
    throw EArchiver(L"「" + std::wstring(text) +
                    L"」にはこのシステムの文字コードで表せない文字があるため、"
                    L"書庫ライブラリに渡せません。");
  }
  return std::move(*bytes);
}

std::wstring LibraryOutput(const ITextCodec& codec, std::string_view buffer) {
  return codec.Decode(buffer.substr(0, buffer.find('\0')));
}
