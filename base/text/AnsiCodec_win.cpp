#include "base/text/AnsiCodec_win.h"

#include <windows.h>

std::optional<std::string> TAnsiCodec::Encode(std::wstring_view text) const {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  // No best-fit mapping: a character without an exact ANSI form is refused,
  // not stored as a look-alike.
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr,
                                       0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size,
                      nullptr, &usedDefault);
  return bytes;
}

std::wstring TAnsiCodec::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), size);
  return text;
}

namespace {

std::wstring MapString(std::wstring_view text, DWORD flags) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = LCMapStringW(LOCALE_INVARIANT, flags, text.data(), length, nullptr, 0);
  if (size <= 0) return std::wstring(text);
  std::wstring mapped(static_cast<std::size_t>(size), L'\0');
  LCMapStringW(LOCALE_INVARIANT, flags, text.data(), length, mapped.data(), size);
  return mapped;
}

}  // namespace

// Half-width katakana become full-width first: the kana mapping passes
// them over.
std::wstring TAnsiCodec::Fold(std::wstring_view text) const {
  return MapString(MapString(text, LCMAP_FULLWIDTH | LCMAP_LOWERCASE), LCMAP_HIRAGANA);
}
