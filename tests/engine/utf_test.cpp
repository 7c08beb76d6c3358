#include "text/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace zuvo {
namespace {

TEST(Utf, RoundTripsChineseSymbolsAndAstralCharacters) {
  const std::string text = "结果0+√16×π÷2，【1】😀";
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"结果0+√16×π÷2，【1】😀");
  EXPECT_EQ(wide.size(), 17u);  // the emoji takes a surrogate pair
  EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Utf, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string in;
    std::u16string out;
  } cases[] = {
      {"\xff", u"\uFFFD"},                       // never a lead byte
      {"a\x80" "b", u"a\uFFFDb"},                // stray continuation byte
      {"\xe7\xbb", u"\uFFFD\uFFFD"},             // cut-off sequence
      {"\xc0\xaf", u"\uFFFD\uFFFD"},             // overlong "/"
      {"\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"},   // encoded surrogate
      {"\xf4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xe7\xbb" "1", u"\uFFFD\uFFFD" "1"},     // the digit after survives
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << c.in.size() << " bytes";
}

TEST(Utf, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00), u'1'}), "\xef\xbf\xbd" "1");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00)}),
            "\xef\xbf\xbd\xf0\x9f\x98\x80");
}

}  // namespace
}  // namespace zuvo
