#include "base/text/AnsiField.h"

#include <cstring>

#include "base/errors/Errors.h"

std::wstring DecodeField(const char* field, std::size_t size, const ITextCodec& codec) {
  const void* terminator = std::memchr(field, '\0', size);
  const std::size_t length =
      terminator ? static_cast<std::size_t>(static_cast<const char*>(terminator) - field) : size;
  return codec.Decode(std::string_view(field, length));
}

bool FitsField(std::size_t size, std::wstring_view text, const ITextCodec& codec) {
  const auto bytes = codec.Encode(text);
  return bytes && bytes->size() < size && bytes->find('\0') == std::string::npos;
}

std::size_t AnsiByteLength(std::wstring_view text, const ITextCodec& codec) {
  if (const auto bytes = codec.Encode(text)) return bytes->size();
  std::size_t length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const auto bytes = codec.Encode(text.substr(i, pair ? 2 : 1));
    length += bytes ? bytes->size() : 1;
    if (pair) ++i;
  }
  return length;
}

void EncodeField(char* field, std::size_t size, std::wstring_view text, const ITextCodec& codec,
                 std::wstring_view what) {
  const std::wstring named = what.empty() ? L"「" + std::wstring(text) + L"」" : std::wstring(what);
  const auto bytes = codec.Encode(text);
  if (!bytes || bytes->find('\0') != std::string::npos) {
    throw EZelkError(named + L"には、このシステムの文字コードで保存できない文字が含まれています。");
  }
  if (bytes->size() >= size) {
    throw EZelkError(named + L"は長すぎます。" + std::to_wstring(size - 1) +
                     L" バイトまでにしてください。");
  }
  std::memcpy(field, bytes->data(), bytes->size());
  field[bytes->size()] = '\0';
}
