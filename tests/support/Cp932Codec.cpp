#include "tests/support/Cp932Codec.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

namespace {

// Converts all of the input or nothing.
std::optional<std::string> Convert(const char* to, const char* from, const char* data,
                                   std::size_t size) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
  std::vector<char> output(size * 4 + 16);
  char* in = const_cast<char*>(data);
  char* out = output.data();
  std::size_t inLeft = size;
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(output.data(), output.size() - outLeft);
}

}  // namespace

std::optional<std::string> Cp932Codec::Encode(std::wstring_view text) const {
  return Convert("CP932", "WCHAR_T", reinterpret_cast<const char*>(text.data()),
                 text.size() * sizeof(wchar_t));
}

std::wstring Cp932Codec::Decode(std::string_view bytes) const {
  const auto wide = Convert("WCHAR_T", "CP932", bytes.data(), bytes.size());
  if (!wide) return L"?";
  return std::wstring(reinterpret_cast<const wchar_t*>(wide->data()),
                      wide->size() / sizeof(wchar_t));
}

std::string Sjis(std::wstring_view text) {
  auto bytes = Cp932Codec().Encode(text);
  if (!bytes) throw std::invalid_argument("no Shift-JIS form");
  return *bytes;
}

namespace {

constexpr std::wstring_view kHalfWidthKana =
    L"ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
constexpr std::wstring_view kHiragana =
    L"をぁぃぅぇぉゃゅょっーあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも"
    L"やゆよらりるれろわん";

}  // namespace

// Full-width, lower case, hiragana: what the system's mapping gives.
std::wstring Cp932Codec::Fold(std::wstring_view text) const {
  std::wstring folded;
  for (wchar_t c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c >= L'!' && c <= L'~') c = static_cast<wchar_t>(c - L'!' + 0xFF01);
    if (c >= 0xFF21 && c <= 0xFF3A) c = static_cast<wchar_t>(c + 0x20);
    if (c >= 0x30A1 && c <= 0x30F6) c = static_cast<wchar_t>(c - 0x60);
    if (c == L' ') c = 0x3000;
    if (const auto at = kHalfWidthKana.find(c); at != std::wstring_view::npos) c = kHiragana[at];
    // The voiced marks join the kana before them.
    if (!folded.empty() && (c == 0xFF9E || c == 0xFF9F)) {
      folded.back() = static_cast<wchar_t>(folded.back() + (c == 0xFF9E ? 1 : 2));
      continue;
    }
    folded += c;
  }
  return folded;
}
