#include "app/settings/IniFile.h"

#include <limits>
#include <span>

std::string EncodeAnsiText(std::wstring_view text, const ITextCodec& codec) {
  if (auto whole = codec.Encode(text)) return std::move(*whole);
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair is one character.
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const auto one = codec.Encode(text.substr(i, pair ? 2 : 1));
    bytes += one ? *one : std::string("?");
    if (pair) ++i;
  }
  return bytes;
}

namespace {

std::wstring DecodeIniText(const std::vector<std::uint8_t>& bytes, const ITextCodec& codec) {
  // An editor may have saved the file as UTF-16 text with its byte order mark;
  // the system reads such a file too, so it is read as it is, not as ANSI.
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      text.push_back(static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text;
  }
  return codec.Decode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

TIniFile::TIniFile(std::wstring path, IFileStore& store, const ITextCodec& codec)
    : path_(std::move(path)), store_(store), codec_(codec) {
  // The whole file: a save keeps every line of it.
  if (const auto bytes = store_.Read(path_, std::numeric_limits<std::size_t>::max()))
    document_ = TIniDocument(DecodeIniText(*bytes, codec_));
}

void TIniFile::Save() {
  const std::string bytes = EncodeAnsiText(document_.Text(), codec_);
  store_.Replace(path_,
                 std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}
