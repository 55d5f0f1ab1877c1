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

void EncodeField(char* field, std::size_t size, std::wstring_view text, const ITextCodec& codec) {
  const auto bytes = codec.Encode(text);
  if (!bytes || bytes->find('\0') != std::string::npos) {
    throw EZelkError(L"「" + std::wstring(text) +
                     L"」には、このシステムの文字コードで保存できない文字が含まれています。");
  }
  if (bytes->size() >= size) {
    throw EZelkError(L"「" + std::wstring(text) + L"」は長すぎます。" +
                     std::to_wstring(size - 1) + L" バイトまでにしてください。");
  }
  std::memcpy(field, bytes->data(), bytes->size());
  field[bytes->size()] = '\0';
}
