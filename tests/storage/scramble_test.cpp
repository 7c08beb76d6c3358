#include "storage/scramble.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zuvo {
namespace {

// The code unit whose shifted code at the given position (from 1) is v.
char16_t CharWithShiftedCode(std::size_t position, unsigned v) {
  return static_cast<char16_t>((v - static_cast<unsigned>(kScrambleShifts[position % kShiftCount]) + 65536u) & 0xFFFF);
}

// The digit segments of a scrambled text: for each "/" the bytes after the
// selector up to the next "/".
std::vector<std::string> Segments(const std::string& s) {
  std::vector<std::string> out;
  for (std::size_t p = s.find('/'); p != std::string::npos;) {
    const std::size_t next = s.find('/', p + 1);
    out.push_back(s.substr(p + 2, (next == std::string::npos ? s.size() : next) - p - 2));
    p = next;
  }
  return out;
}

TEST(ScrambleTest, RoundTripsTexts) {
  std::u16string every_hundredth;
  for (unsigned u = 0; u < 65536; u += 97) every_hundredth.push_back(static_cast<char16_t>(u));
  const std::u16string cases[] = {
      u"",
      u"a",
      u"Settings",
      u"结果1+正弦(π/2)",
      std::u16string(1, CharWithShiftedCode(1, 0)),
      std::u16string(1, CharWithShiftedCode(1, 65535)),
      std::u16string(u"\0\xffff\xd800", 3),
      every_hundredth,
  };
  std::mt19937 generator(7);
  for (const std::u16string& text : cases) {
    const std::string scrambled = ScrambleText(text, generator);
    EXPECT_EQ(UnscrambleText(scrambled), text);
    EXPECT_GE(scrambled.size(), 2 * text.size());
    EXPECT_LE(scrambled.size(), 8 * text.size());
    for (char c : scrambled) {
      EXPECT_GE(c, 33);
      EXPECT_LE(c, 126);
      EXPECT_NE(c, '|');
      EXPECT_NE(c, ':');
    }
  }
}

TEST(ScrambleTest, ShiftedCodeZeroIsSlashAndSelectorOnly) {
  const std::u16string text(1, CharWithShiftedCode(1, 0));
  const std::string scrambled = ScrambleText(text);
  ASSERT_EQ(scrambled.size(), 2u);
  EXPECT_EQ(scrambled[0], '/');
  EXPECT_NE(kAlphabetSelectors.find(scrambled[1]), std::string_view::npos);
  EXPECT_EQ(UnscrambleText(scrambled), text);
}

TEST(ScrambleTest, ShiftedCode65535IsDigits4_8_3) {
  const std::string scrambled = ScrambleText(std::u16string(1, CharWithShiftedCode(1, 65535)));
  ASSERT_EQ(scrambled.size(), 8u);
  const char selector = scrambled[1];
  EXPECT_EQ(DecodeDigit(scrambled.substr(2, 2), selector), 4);
  EXPECT_EQ(DecodeDigit(scrambled.substr(4, 2), selector), 8);
  EXPECT_EQ(DecodeDigit(scrambled.substr(6, 2), selector), 3);
}

TEST(ScrambleTest, Position30UsesShift0AndPosition31Shift1) {
  // Characters 30 and 31 are chosen so that only the right shift makes
  // their code 0, which is written without digits.
  std::u16string text(31, u'x');
  text[29] = CharWithShiftedCode(30, 0);
  text[30] = CharWithShiftedCode(31, 0);
  ASSERT_NE(text[29], text[30]);
  const std::string scrambled = ScrambleText(text);
  const std::vector<std::string> segments = Segments(scrambled);
  ASSERT_EQ(segments.size(), 31u);
  EXPECT_EQ(segments[29], "");
  EXPECT_EQ(segments[30], "");
  EXPECT_FALSE(segments[28].empty());
  EXPECT_EQ(UnscrambleText(scrambled), text);
}

TEST(ScrambleTest, SameTextScramblesDifferentlyAndDecodesAlike) {
  const std::u16string text = u"常数库里的一段较长的文本 with ASCII 1234567890";
  std::mt19937 a(1), b(2);
  const std::string x = ScrambleText(text, a), y = ScrambleText(text, b);
  EXPECT_NE(x, y);
  EXPECT_EQ(x.size(), y.size());
  EXPECT_EQ(UnscrambleText(x), UnscrambleText(y));
}

TEST(ScrambleTest, EveryAlphabetIsUsedUniformly) {
  std::mt19937 generator(3);
  const std::string scrambled = ScrambleText(std::u16string(13000, u'q'), generator);
  std::vector<int> seen(256, 0);
  for (std::size_t p = 0; p < scrambled.size(); ++p)
    if (scrambled[p] == '/') ++seen[static_cast<unsigned char>(scrambled[p + 1])];
  for (char selector : kAlphabetSelectors) {
    EXPECT_GT(seen[static_cast<unsigned char>(selector)], 800) << selector;
    EXPECT_LT(seen[static_cast<unsigned char>(selector)], 1200) << selector;
  }
}

TEST(ScrambleTest, DecodeDigitFindsEveryCodeOfEveryAlphabet) {
  for (std::size_t k = 0; k < kAlphabetCount; ++k)
    for (int d = 0; d < kDigitBase; ++d)
      ASSERT_EQ(DecodeDigit(kScrambleAlphabets[k].substr(2 * d, 2), kAlphabetSelectors[k]), d) << k << " " << d;
}

TEST(ScrambleTest, DecodeDigitGivesZeroForUnknownInput) {
  const std::string_view first = kScrambleAlphabets[0];
  std::set<std::string> codes;
  for (int d = 0; d < kDigitBase; ++d) codes.insert(std::string(first.substr(2 * d, 2)));
  std::string missing;
  for (char a = '!'; missing.empty() && a <= '~'; ++a)
    for (char b = '!'; b <= '~'; ++b)
      if (!codes.count(std::string{a, b})) {
        missing = std::string{a, b};
        break;
      }
  ASSERT_FALSE(missing.empty());
  const std::string last_code(first.substr(2 * 126, 2));
  EXPECT_EQ(DecodeDigit(missing, kAlphabetSelectors[0]), 0);
  EXPECT_EQ(DecodeDigit(last_code, '/'), 0);        // no alphabet has this selector
  EXPECT_EQ(DecodeDigit(last_code, ' '), 0);
  EXPECT_EQ(DecodeDigit(last_code.substr(0, 1), kAlphabetSelectors[0]), 0);
  EXPECT_EQ(DecodeDigit("\x80\x81", kAlphabetSelectors[0]), 0);
}

TEST(ScrambleTest, UnscramblesTextsTheProgramNeverWrites) {
  const char sel = kAlphabetSelectors[0];
  const std::string_view alphabet = kScrambleAlphabets[0];
  const std::string d1(alphabet.substr(2, 2));  // digit 1
  auto expect = [](unsigned v, std::size_t position) {
    return static_cast<char16_t>((v - static_cast<unsigned>(kScrambleShifts[position % kShiftCount]) + 65536u) & 0xFFFF);
  };
  struct Case {
    std::string text;
    std::u16string decoded;
  };
  const Case cases[] = {
      {"", u""},
      {"no slash at all", u""},
      // Bytes before the first "/" are ignored.
      {"junk/" + std::string(1, sel) + d1, std::u16string{expect(1, 1)}},
      // A last odd character of a segment is ignored.
      {"/" + std::string(1, sel) + d1 + "x", std::u16string{expect(1, 1)}},
      // "//" is two characters of code 0; a final "/" is one more.
      {"///", std::u16string{expect(0, 1), expect(0, 2), expect(0, 3)}},
      // An unknown selector reads every digit as 0.
      {"/ " + d1 + d1, std::u16string{expect(0, 1)}},
      // Long segments keep reading modulo 65536: 1,1,1,1 is 127^3+127^2+127+1.
      {"/" + std::string(1, sel) + d1 + d1 + d1 + d1,
       std::u16string{expect((127u * 127 * 127 + 127 * 127 + 127 + 1) & 0xFFFF, 1)}},
  };
  for (const Case& c : cases) EXPECT_EQ(UnscrambleText(c.text), c.decoded) << c.text;
}

TEST(ScrambleTest, UnscrambleStopsAtTheFieldCapacity) {
  const std::string scrambled = ScrambleText(u"abcdef");
  EXPECT_EQ(UnscrambleText(scrambled, 3), u"abc");
  EXPECT_EQ(UnscrambleText(scrambled, 0), u"");
}

}  // namespace
}  // namespace zuvo
