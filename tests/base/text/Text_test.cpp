#include <gtest/gtest.h>

#include "base/errors/Errors.h"
#include "base/text/AnsiField.h"
#include "base/text/Paths.h"
#include "base/text/TextEncoding.h"
#include "base/text/TextFit.h"
#include "tests/support/Cp932Codec.h"

TEST(AnsiField, PathWithTrailByte5CSplitsOnDecodedText) {
  // ソ is 83 5C and 表 is 95 5C in Shift-JIS: byte-wise splitting would cut them.
  const Cp932Codec codec;
  char field[256];
  EncodeField(field, L"C:\\ソフト\\表.exe", codec);
  ASSERT_EQ(std::string(field), "C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C.exe");

  const std::wstring path = DecodeField(field, codec);
  EXPECT_EQ(path, L"C:\\ソフト\\表.exe");
  EXPECT_EQ(FolderOf(path), L"C:\\ソフト");
  EXPECT_EQ(FileNameOf(path), L"表.exe");
  EXPECT_EQ(WithoutExtension(FileNameOf(path)), L"表");
  EXPECT_EQ(FolderOf(L"C:\\表.exe"), L"C:\\");
}

TEST(AnsiField, FieldWithoutTerminatorDecodesWholeField) {
  const Cp932Codec codec;
  char field[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(DecodeField(field, codec), L"abcd");
}

TEST(AnsiField, RefusesTextThatDoesNotFitAndKeepsTheOldValue) {
  const Cp932Codec codec;
  char field[8];
  EncodeField(field, L"old", codec);

  EXPECT_THROW(EncodeField(field, L"12345678", codec), EZelkError);  // 9 bytes with NUL
  EXPECT_THROW(EncodeField(field, L"表表表表", codec), EZelkError);  // 8 bytes of Shift-JIS
  EXPECT_THROW(EncodeField(field, L"한국", codec), EZelkError);      // no form in code page 932
  EXPECT_EQ(DecodeField(field, codec), L"old");

  EncodeField(field, L"表表表", codec);  // 6 bytes + NUL fit
  EXPECT_EQ(DecodeField(field, codec), L"表表表");
  EXPECT_TRUE(FitsField(8, L"1234567", codec));
  EXPECT_FALSE(FitsField(8, L"한", codec));
}

TEST(AnsiField, CountsBytesOfTheCodePageAndNamesTheFieldInsteadOfRepeatingTheText) {
  const Cp932Codec codec;
  EXPECT_EQ(AnsiByteLength(L"ab表示", codec), 6u);  // two bytes per Japanese character
  EXPECT_EQ(AnsiByteLength(L"a한\U0001F600", codec), 3u) << "no ANSI form: one byte each";

  char field[8];
  const std::wstring longText(20, L'x');
  try {
    EncodeField(field, longText, codec, L"表示名");
    ADD_FAILURE() << "not refused";
  } catch (const EZelkError& error) {
    EXPECT_EQ(error.Message(), L"表示名は長すぎます。7 バイトまでにしてください。");
  }
}

TEST(Paths, ExtensionsAsTheRegistrationNamesNeedThem) {
  EXPECT_EQ(WithoutExtension(L"archive.tar.gz"), L"archive.tar");
  EXPECT_EQ(WithoutExtension(L"Ver1.5"), L"Ver1");
  EXPECT_EQ(WithoutExtension(L".profile"), L"");
  EXPECT_EQ(WithoutExtension(L"README"), L"README");
  EXPECT_EQ(JoinPath(L"C:\\ZELK", L"Data"), L"C:\\ZELK\\Data");
  EXPECT_EQ(JoinPath(L"C:\\", L"Data"), L"C:\\Data");
}

TEST(TextEncoding, OnlyBytesThatComeBackAsTheyAreDecode) {
  const Cp932Codec codec;
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    TTextEncoding encoding;
    bool decodes;
  } cases[] = {
      {"Shift-JIS", {'a', 0x95, 0x5C}, TTextEncoding::Ansi, true},
      {"a lead byte without its trail", {'a', 0x95}, TTextEncoding::Ansi, false},
      {"UTF-8, a pair of UTF-16 units",
       {0xEF, 0xBB, 0xBF, 0xF0, 0x9F, 0x98, 0x80},
       TTextEncoding::Utf8,
       true},
      {"UTF-8, overlong", {0xEF, 0xBB, 0xBF, 0xC0, 0xAF}, TTextEncoding::Utf8, false},
      {"UTF-8, a surrogate", {0xEF, 0xBB, 0xBF, 0xED, 0xA0, 0x80}, TTextEncoding::Utf8, false},
      {"UTF-8, cut short", {0xEF, 0xBB, 0xBF, 0xE3, 0x81}, TTextEncoding::Utf8, false},
      {"UTF-16LE, a lone surrogate", {0xFF, 0xFE, 0x00, 0xD8}, TTextEncoding::Utf16Le, true},
      {"UTF-16BE", {0xFE, 0xFF, 0x30, 0x42}, TTextEncoding::Utf16Be, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectTextEncoding(c.bytes), c.encoding) << c.what;
    const auto text = DecodeText(c.bytes, c.encoding, codec);
    ASSERT_EQ(text.has_value(), c.decodes) << c.what;
    if (text) {
      EXPECT_EQ(EncodeText(*text, c.encoding, codec), c.bytes) << c.what;
    }
  }
}

TEST(TextFit, AnEllipsisCutsBetweenWholeCharacters) {
  const auto measure = [](std::wstring_view text) { return 6 * static_cast<int>(text.size()); };
  const struct {
    std::wstring text;
    int width;
    std::wstring shown;
  } cases[] = {
      {L"abcdef", 36, L"abcdef"},                              // fits
      {L"abcdef", 30, L"abcd…"},
      {L"a\xD842\xDFB7\xD842\xDFB7\xD842\xDFB7", 30, L"a\xD842\xDFB7…"},  // no half of a pair
      {L"ab\u304B\u3099cd", 24, L"ab…"},                      // nor a mark without its kana
      {L"abcdef", 3, L"…"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitWithEllipsis(c.text, c.width, measure), c.shown) << "width " << c.width;
  }
}
