#include "app/settings/IniFile.h"

#include <limits>

#include "base/errors/Errors.h"

namespace {

// The line of the text that holds `part`.
std::wstring LineHolding(std::wstring_view text, std::wstring_view part) {
  const std::size_t at = text.find(part);
  if (at == std::wstring_view::npos) return std::wstring(part);
  const std::size_t start = text.find_last_of(L"\r\n", at);
  const std::size_t begin = start == std::wstring_view::npos ? 0 : start + 1;
  return std::wstring(text.substr(begin, text.find_first_of(L"\r\n", at) - begin));
}

}  // namespace

TIniFile::TIniFile(std::wstring path, IFileStore& store, const ITextCodec& codec)
    : path_(std::move(path)), store_(store), codec_(codec) {
  // The whole file: a save keeps every line of it.
  const auto bytes = store_.Read(path_, std::numeric_limits<std::size_t>::max());
  if (!bytes) return;
  encoding_ = DetectTextEncoding(*bytes);
  if (const auto text = DecodeText(*bytes, encoding_, codec_)) {
    document_ = TIniDocument(*text);
  } else {
    unreadable_ = *bytes;
    encoding_ = TTextEncoding::Ansi;
  }
}

void TIniFile::Save() {
  const std::wstring text = document_.Text();
  const auto bytes = EncodeText(text, encoding_, codec_);
  if (!bytes) {
    const std::wstring character = FirstUnwritableCharacter(text, encoding_, codec_);
    throw EInOutError(L"ファイル「" + path_ + L"」を保存できませんでした。\n「" +
                          LineHolding(text, character) + L"」の「" + character +
                          L"」は、このファイルの文字コードで書けない文字です。"
                          L"「?」に置き換えて書くことはせず、ファイルは前のまま残します。",
                      L"unwritable character");
  }
  if (!unreadable_.empty() && keptAside_.empty()) {
    keptAside_ = FreeBackupPath(store_, path_);
    store_.Replace(keptAside_, unreadable_);
  }
  store_.Replace(path_, *bytes);
}
