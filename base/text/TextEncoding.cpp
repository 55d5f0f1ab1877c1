#include "base/text/TextEncoding.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr std::uint8_t kUtf16LeMark[] = {0xFF, 0xFE};
constexpr std::uint8_t kUtf16BeMark[] = {0xFE, 0xFF};

std::span<const std::uint8_t> MarkOf(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8:
      return kUtf8Mark;
    case TTextEncoding::Utf16Le:
      return kUtf16LeMark;
    case TTextEncoding::Utf16Be:
      return kUtf16BeMark;
    case TTextEncoding::Ansi:
      break;
  }
  return {};
}

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUnit(std::wstring& text, std::uint32_t codePoint) {
  if (codePoint < 0x10000) {
    text += static_cast<wchar_t>(codePoint);
    return;
  }
  codePoint -= 0x10000;
  text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
  text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
}

// Strict: no overlong forms, no surrogates, nothing past U+10FFFF.
std::optional<std::wstring> DecodeUtf8(std::span<const std::uint8_t> bytes) {
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::uint8_t lead = bytes[i];
    const int length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) return std::nullopt;
    std::uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const std::uint8_t next = bytes[i + static_cast<std::size_t>(k)];
      if ((next & 0xC0) != 0x80) return std::nullopt;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return std::nullopt;
    }
    AppendUnit(text, codePoint);
    i += static_cast<std::size_t>(length);
  }
  return text;
}

// One or two units: a surrogate pair is one character, a lone surrogate too.
std::size_t CharacterLength(std::wstring_view text, std::size_t at) {
  return IsHighSurrogate(static_cast<std::uint32_t>(text[at])) && at + 1 < text.size() &&
                 IsLowSurrogate(static_cast<std::uint32_t>(text[at + 1]))
             ? 2
             : 1;
}

std::uint32_t CodePointOf(std::wstring_view character) {
  const auto unit = static_cast<std::uint32_t>(character[0]);
  if (character.size() == 1) return unit;
  return 0x10000 + ((unit - 0xD800) << 10) + (static_cast<std::uint32_t>(character[1]) - 0xDC00);
}

bool AppendUtf8(std::vector<std::uint8_t>& bytes, std::uint32_t codePoint) {
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return false;  // a lone surrogate
  if (codePoint < 0x80) {
    bytes.push_back(static_cast<std::uint8_t>(codePoint));
  } else if (codePoint < 0x800) {
    bytes.push_back(static_cast<std::uint8_t>(0xC0 | (codePoint >> 6)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    bytes.push_back(static_cast<std::uint8_t>(0xE0 | (codePoint >> 12)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | ((codePoint >> 6) & 0x3F)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | (codePoint & 0x3F)));
  } else {
    bytes.push_back(static_cast<std::uint8_t>(0xF0 | (codePoint >> 18)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | ((codePoint >> 12) & 0x3F)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | ((codePoint >> 6) & 0x3F)));
    bytes.push_back(static_cast<std::uint8_t>(0x80 | (codePoint & 0x3F)));
  }
  return true;
}

void AppendUtf16(std::vector<std::uint8_t>& bytes, std::uint32_t codePoint, bool bigEndian) {
  std::wstring units;
  AppendUnit(units, codePoint);
  for (const wchar_t unit : units) {
    const auto low = static_cast<std::uint8_t>(unit & 0xFF);
    const auto high = static_cast<std::uint8_t>((unit >> 8) & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
}

}  // namespace

TTextEncoding DetectTextEncoding(std::span<const std::uint8_t> bytes) {
  for (const TTextEncoding encoding :
       {TTextEncoding::Utf8, TTextEncoding::Utf16Le, TTextEncoding::Utf16Be}) {
    if (StartsWith(bytes, MarkOf(encoding))) return encoding;
  }
  return TTextEncoding::Ansi;
}

std::optional<std::wstring> DecodeText(std::span<const std::uint8_t> bytes, TTextEncoding encoding,
                                       const ITextCodec& codec) {
  const std::span<const std::uint8_t> body = bytes.subspan(MarkOf(encoding).size());
  switch (encoding) {
    case TTextEncoding::Utf8:
      return DecodeUtf8(body);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: {
      if (body.size() % 2 != 0) return std::nullopt;
      const bool bigEndian = encoding == TTextEncoding::Utf16Be;
      std::wstring text;
      for (std::size_t i = 0; i < body.size(); i += 2) {
        const std::uint8_t first = body[i];
        const std::uint8_t second = body[i + 1];
        text += static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
      }
      return text;
    }
    case TTextEncoding::Ansi:
      break;
  }
  // The codec puts a stand-in where the bytes are no character: such a text
  // would come back as other bytes.
  const std::string_view ansi(reinterpret_cast<const char*>(body.data()), body.size());
  std::wstring text = codec.Decode(ansi);
  const auto back = codec.Encode(text);
  if (!back || *back != ansi) return std::nullopt;
  return text;
}

std::optional<std::vector<std::uint8_t>> EncodeText(std::wstring_view text, TTextEncoding encoding,
                                                    const ITextCodec& codec) {
  if (encoding == TTextEncoding::Ansi) {
    const auto ansi = codec.Encode(text);
    if (!ansi) return std::nullopt;
    const auto* data = reinterpret_cast<const std::uint8_t*>(ansi->data());
    return std::vector<std::uint8_t>(data, data + ansi->size());
  }
  const std::span<const std::uint8_t> mark = MarkOf(encoding);
  std::vector<std::uint8_t> bytes(mark.begin(), mark.end());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    const std::uint32_t codePoint = CodePointOf(text.substr(at, length));
    if (encoding != TTextEncoding::Utf8) {
      AppendUtf16(bytes, codePoint, encoding == TTextEncoding::Utf16Be);
    } else if (!AppendUtf8(bytes, codePoint)) {
      return std::nullopt;
    }
    at += length;
  }
  return bytes;
}

std::wstring FirstUnwritableCharacter(std::wstring_view text, TTextEncoding encoding,
                                      const ITextCodec& codec) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    if (!EncodeText(text.substr(at, length), encoding, codec)) {
      return std::wstring(text.substr(at, length));
    }
    at += length;
  }
  return {};
}
