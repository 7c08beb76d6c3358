#include "text/text_routines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zuvo {
namespace {

TEST(TextRoutines, FindReturnsFirstPositionFromStart) {
  struct Case {
    std::u16string text, pattern;
    std::size_t from, expected;
  } cases[] = {
      {u"abc", u"bc", 1, 2},   {u"abc", u"bc", 3, 0},  {u"ab", u"abcd", 1, 0},
      {u"abcabc", u"bc", 3, 5}, {u"abc", u"", 2, 2},   {u"abc", u"c", 3, 3},
      {u"abc", u"a", 4, 0},    {u"", u"a", 1, 0},      {u"结果10", u"结果1", 1, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextFind(c.text, c.pattern, c.from), c.expected)
        << "pattern " << c.pattern.size() << " from " << c.from;
}

TEST(TextRoutines, CountDoesNotOverlap) {
  EXPECT_EQ(TextCount(u"aaaa", u"aa"), 2u);
  EXPECT_EQ(TextCount(u"aaa", u"aa"), 1u);
  EXPECT_EQ(TextCount(u"a,b,,c", u","), 3u);
  EXPECT_EQ(TextCount(u"ab", u"abc"), 0u);
  EXPECT_EQ(TextCount(u"abc", u""), 0u);
  EXPECT_EQ(TextCount8("aaaa", "aa"), 2u);
}

TEST(TextRoutines, DeleteClosesTheGapOrChangesNothing) {
  struct Case {
    std::size_t first, last;
    std::u16string expected;
  } cases[] = {
      {2, 3, u"adef"}, {5, 9, u"abcdef"}, {3, 2, u"abcdef"}, {1, 6, u""}, {6, 6, u"abcde"},
  };
  for (const auto& c : cases) {
    std::u16string t = u"abcdef";
    TextDelete(t, c.first, c.last);
    EXPECT_EQ(t, c.expected) << c.first << ".." << c.last;
  }
}

TEST(TextRoutines, InsertPutsSourceAtPosition) {
  struct Case {
    std::size_t position;
    std::u16string expected;
  } cases[] = {{1, u"xyabc"}, {2, u"axybc"}, {4, u"abcxy"}, {5, u"abc"}};
  for (const auto& c : cases) {
    std::u16string t = u"abc";
    TextInsert(t, c.position, u"xy");
    EXPECT_EQ(t, c.expected) << c.position;
  }
}

TEST(TextRoutines, CompareWideTreatsPrefixAsSmallerButNarrowAsEqual) {
  EXPECT_EQ(TextCompare(u"ab", u"abc"), 255);
  EXPECT_EQ(TextCompare(u"abc", u"ab"), 1);
  EXPECT_EQ(TextCompare(u"abc", u"abc"), 0);
  EXPECT_EQ(TextCompare(u"b", u"abc"), 1);
  // Code units compare as unsigned numbers: a CJK character is above ASCII.
  EXPECT_EQ(TextCompare(u"结", u"z"), 1);
  EXPECT_EQ(TextCompare8("ab", "abc"), 0);
  EXPECT_EQ(TextCompare8("abd", "abc"), 1);
  EXPECT_EQ(TextCompare8("\x80", "a"), 1);  // bytes are unsigned too
  EXPECT_EQ(TextCompare8("a", "\x80"), 255);
}

TEST(TextRoutines, MidAndSliceGiveNothingOutsideTheText) {
  EXPECT_EQ(TextMid(u"abc", 3, 2), std::nullopt);
  EXPECT_EQ(TextMid(u"abc", 2, 0), std::optional<std::u16string>(u""));
  EXPECT_EQ(TextMid(u"abc", 2, 2), std::optional<std::u16string>(u"bc"));
  EXPECT_EQ(TextMid(u"abc", 4, 0), std::optional<std::u16string>(u""));
  EXPECT_EQ(TextSlice(u"abcdef", 2, 4), std::optional<std::u16string>(u"bcd"));
  EXPECT_EQ(TextSlice(u"abc", 3, 2), std::nullopt);
  EXPECT_EQ(TextSlice(u"abc", 2, 4), std::nullopt);
  EXPECT_EQ(TextMid8("abc", 1, 3), std::optional<std::string>("abc"));
  EXPECT_EQ(TextSlice8("abc", 0, 1), std::nullopt);
}

}  // namespace
}  // namespace zuvo
