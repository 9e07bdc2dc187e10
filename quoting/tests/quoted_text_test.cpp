#include "quoting/quoted_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using quoting::kMaxQuotedCharacters;
using quoting::quotedText;

TEST(QuotedText, EscapesControlsBidiControlsAndBytesThatAreNotUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"ab\x1b[31mRED", "ab\\x1B[31mRED"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"one\r\ntwo\t\x7f", "one\\x0D\\x0Atwo\\x09\\x7F"},
      {"c1\xC2\x85\xC2\x9B", "c1\\u{0085}\\u{009B}"},
      {"x\xE2\x80\xAA\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9y",
       "x\\u{202A}\\u{202E}\\u{2066}\\u{2069}y"},
      {"p\xE2\x80\xA8q\xE2\x80\xA9", "p\\u{2028}q\\u{2029}"},
      {"\xFF\xC0\x80", "\\xFF\\xC0\\x80"},          // a stray byte, an overlong NUL
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},          // a surrogate
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
      {"end\xE4\xB8", "end\\xE4\\xB8"},             // cut short
  };
  for (const auto &[text, expected] : cases) {
    EXPECT_EQ(quotedText(text), expected);
  }
}

TEST(QuotedText, KeepsOrdinaryTextAsItIs) {
  for (const std::string text : {"/home/user/My Data/records.csv", "C:\\Temp\\drv\\a.inf",
                                 "光谱 數據 é", "emoji \xF0\x9F\x98\x80", ""}) {
    EXPECT_EQ(quotedText(text), text);
  }
}

TEST(QuotedText, CutsLongTextAtWholeCharactersAndGivesItsLength) {
  const std::string exact(kMaxQuotedCharacters, 'a');
  EXPECT_EQ(quotedText(exact), exact);
  EXPECT_EQ(quotedText(exact + "b"), exact + "\u2026 (201 bytes)");

  // An escape or a multi-byte character counts as one character.
  std::string text;
  std::string expected;
  for (std::size_t i = 0; i < kMaxQuotedCharacters / 2; ++i) {
    text += "\x1b\xE5\x85\x89";
    expected += "\\x1B\xE5\x85\x89";
  }
  text += "tail";
  EXPECT_EQ(quotedText(text), expected + "\u2026 (" + std::to_string(text.size()) + " bytes)");
}
