#include "engine/literals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine_test_support.h"

namespace zuvo {
namespace {

using test::Lines;
using test::Messages;
using test::U;

class LiteralsTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
  void TearDown() override { ClearErrors(); }
};

std::vector<double> Cells(const Value& v) {
  std::vector<double> c;
  for (std::size_t i = 0; i < v.Size(); ++i) c.push_back(v.Cell(i));
  return c;
}

TEST_F(LiteralsTest, NumbersInEveryRadixAndWithConstantLetters) {
  const double pi = 3.141592653589793, e = 2.718281828459045;
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12.5", 12.5},       {"1.2.3", 1.23},        {"2.375", 2.375},   {"-273.15", -273.15},
      {"0.1", 0.1},         {".5", 0.5},            {"7.", 7},          {"", 0},
      {"-", 0},             {"H1F", 31},            {"h1f", 31},        {"Hff", 255},
      {"B101.1", 5.5},      {"O17", 15},            {"o17", 15},        {"-H10", -16},
      {"HB", 11},           {"B1", 1},              {"H.8", 0.5},       {"(-3.5)", -3.5},
      {"(-H10)", -16},      {"π", pi},              {"2π", 2 * pi},     {"2ε", 2 * e},
      {"τ", 2 * pi},        {"Hπ", 0},              {"H2π", 2 * pi},    {"ππ", pi * pi},
      {"0.5π", 0.5 * pi},   {"123456789012345678901234567890", 1.2345678901234568e29},
      {"Nan", NAN},         {"+Inf", INFINITY},     {"Inf", INFINITY},  {"-Inf", -INFINITY},
      {"(-Inf)", -INFINITY},
  };
  for (const auto& c : cases) {
    const double v = ParseNumber(U(c.text));
    if (std::isnan(c.value)) EXPECT_TRUE(std::isnan(v)) << c.text;
    else EXPECT_EQ(v, c.value) << c.text;
    EXPECT_EQ(Messages(), Lines{}) << c.text;
  }
}

TEST_F(LiteralsTest, DecimalDigitsAreCorrectlyRounded) {
  // The digit rule (v = v + d × 10^-k) misses these by one unit in the last place.
  EXPECT_EQ(ParseNumber(u"0.3"), 0.3);
  EXPECT_EQ(ParseNumber(u"216.95"), 216.95);
  EXPECT_EQ(ParseNumber(u"1.15"), 1.15);
  EXPECT_EQ(ParseNumber(u"0.8333333333333333"), 0.8333333333333333);
}

TEST_F(LiteralsTest, MalformedNumbersNameTheWholeTextAndTheRadix) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"2A", "2A不是正确的10进制数。"},
      {"B12", "B12不是正确的2进制数。"},
      {"O8", "O8不是正确的8进制数。"},
      {"HG", "HG不是正确的16进制数。"},
      {"(-2A)", "(-2A)不是正确的10进制数。"},
      {"1 2", "1 2不是正确的10进制数。"},
      {"2πx", "2πx不是正确的10进制数。"},
      {"In", "In不是正确的10进制数。"},
  };
  for (const auto& c : cases) {
    ClearErrors();
    EXPECT_EQ(ParseNumber(U(c.text)), 0.0) << c.text;
    EXPECT_EQ(Messages(), Lines{c.message}) << c.text;
  }
}

TEST_F(LiteralsTest, DataLiteralShapes) {
  struct Case {
    const char* text;
    int rows, columns;
    std::vector<double> cells;
  } cases[] = {
      {"<1,2,3>", 3, 1, {1, 2, 3}},
      {"{1,2,3}", 1, 3, {1, 2, 3}},
      {"[1 2,3 4]", 2, 2, {1, 2, 3, 4}},
      {"[1 2 3]", 1, 3, {1, 2, 3}},
      {"[1,2,3]", 3, 1, {1, 2, 3}},
      {"<5>", 1, 1, {5}},
      {"<>", 1, 1, {0}},
      {"-<1,2>", 2, 1, {-1, -2}},
      {"-[1 2,3 4]", 2, 2, {-1, -2, -3, -4}},
      {"(-<1,2>)", 2, 1, {-1, -2}},
      {"1 2", 1, 2, {1, 2}},
      {"<1, 2>", 2, 1, {1, 2}},
      {"< 1 , 2 >", 2, 1, {1, 2}},
      {"[1 2, 3 4]", 2, 2, {1, 2, 3, 4}},
      {"[1  2,3 4 5]", 2, 3, {1, 0, 2, 3, 4, 5}},  // two spaces: an empty entry
      {"[1 2 3,4]", 2, 3, {1, 2, 3, 4, 0, 0}},     // a short row reads as zeros
      {"[1 2,3 4 5]", 2, 2, {1, 2, 3, 4}},          // entries beyond the first row are ignored
      {"{1,,2}", 1, 3, {1, 0, 2}},
      {"<1+2+3,4>", 2, 1, {6, 4}},
      {"{2*3*4,1}", 1, 2, {24, 1}},
      {"<H10,B11,π>", 3, 1, {16, 3, 3.141592653589793}},
      {"<Nan,-Inf>", 2, 1, {NAN, -INFINITY}},
  };
  for (const auto& c : cases) {
    ClearErrors();
    const Value v = ParseLiteral(U(c.text));
    EXPECT_EQ(v.Rows(), c.rows) << c.text;
    EXPECT_EQ(v.Columns(), c.columns) << c.text;
    const std::vector<double> cells = Cells(v);
    ASSERT_EQ(cells.size(), c.cells.size()) << c.text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (std::isnan(c.cells[i])) EXPECT_TRUE(std::isnan(cells[i])) << c.text;
      else EXPECT_EQ(cells[i], c.cells[i]) << c.text << " cell " << i;
    }
    EXPECT_EQ(Messages(), Lines{}) << c.text;
  }
}

TEST_F(LiteralsTest, EntryWithOneOperatorSignIsReadAsANumber) {
  const Value v = ParseLiteral(u"<1+2,4>");
  EXPECT_EQ(v.GetKind(), kVector);
  EXPECT_EQ(v.Cell(0), 0);
  EXPECT_EQ(Messages(), Lines{"1+2不是正确的10进制数。"});
}

TEST_F(LiteralsTest, UnpairedLiteralBracketsGiveTheEmptyValue) {
  struct Case {
    const char* text;
    Lines messages;
  } cases[] = {
      {"<1,2", {"向量括号<>无法一一对应，不能视为向量定义！"}},
      {"1,2>", {"向量括号<>无法一一对应，不能视为向量定义！"}},
      {"[1 2", {"矩阵括号[]无法一一对应，不能视为矩阵定义！"}},
      {"{1,2", {"数组括号{}无法一一对应，不能视为数组定义！"}},
      {"<1,2]", {"向量括号<>无法一一对应，不能视为向量定义！", "矩阵括号[]无法一一对应，不能视为矩阵定义！"}},
      {"(-<1,2)", {"向量括号<>无法一一对应，不能视为向量定义！"}},
  };
  for (const auto& c : cases) {
    ClearErrors();
    EXPECT_TRUE(ParseLiteral(U(c.text)).IsEmpty()) << c.text;
    EXPECT_EQ(Messages(), c.messages) << c.text;
  }
}

TEST_F(LiteralsTest, MoreThan100RowsOrColumnsIsRefused) {
  auto list = [](char16_t open, char16_t sep, char16_t close, int n) {
    std::u16string t(1, open);
    for (int i = 0; i < n; ++i) {
      if (i) t += sep;
      t += u'1';
    }
    return t + close;
  };
  const std::u16string fits[] = {list(u'<', u',', u'>', 100), list(u'{', u',', u'}', 100),
                                 list(u'[', u' ', u']', 100)};
  for (const auto& t : fits) {
    ClearErrors();
    EXPECT_FALSE(ParseLiteral(t).IsEmpty());
    EXPECT_EQ(Messages(), Lines{});
  }
  const std::u16string too_big[] = {list(u'<', u',', u'>', 101), list(u'{', u',', u'}', 101),
                                    list(u'[', u' ', u']', 101)};
  for (const auto& t : too_big) {
    ClearErrors();
    EXPECT_TRUE(ParseLiteral(t).IsEmpty());
    EXPECT_EQ(Messages(), Lines{"数据超过了100行或100列的上限，无法表示！"});
  }
}

TEST_F(LiteralsTest, EmptyAndDegenerateTexts) {
  EXPECT_TRUE(ParseLiteral(u"").IsEmpty());
  EXPECT_TRUE(ParseLiteral(u"-").IsEmpty());
  EXPECT_TRUE(ParseLiteral(u"   ").IsEmpty());
  EXPECT_EQ(ParseLiteral(u"(-").GetKind(), kNumber);
  EXPECT_EQ(ParseLiteral(u"(-)").GetKind(), kNumber);
  EXPECT_EQ(ParseLiteral(u"  7 ").First(), 7);
  EXPECT_EQ(Messages(), Lines{});
}

}  // namespace
}  // namespace zuvo
