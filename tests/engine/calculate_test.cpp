#include "engine/calculate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/stop.h"
#include "engine_test_support.h"

namespace zuvo {
namespace {

using test::Lines;
using test::Messages;
using test::S;
using test::U;

Lines Listing(const char* input, const CalculateOptions& options = {}, bool* all_correct = nullptr) {
  Lines out;
  for (const auto& l : CalculateAll(U(input), options, all_correct)) out.push_back(S(l));
  return out;
}

CalculateOptions Inherit() {
  CalculateOptions o;
  o.inherit = true;
  return o;
}

TEST(FindName, WholeWordsOnly) {
  struct Case {
    const char* text;
    const char* name;
    std::size_t position;
  } cases[] = {
      {"2*x", "x", 3},       {"(x)", "x", 2},      {"x1", "x", 0},        {"2x", "x", 0},
      {"x", "x", 1},         {"xx", "x", 1},       {"x+x1", "x", 1},      {"x1+x", "x", 4},
      {"结果10", "结果1", 0}, {"结果1+结果10", "结果10", 5}, {"πx", "x", 0}, {"Hx", "x", 0},
      {"x", "xy", 0},        {"gx", "x", 2},       {"x.", "x", 1},        {"", "x", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FindName(U(c.text), U(c.name)), c.position) << c.text << " / " << c.name;
}

TEST(SubstituteName, EveryOccurrenceGetsTheValueOfTheContent) {
  ClearErrors();
  std::u16string text = u"x+x*2+x1";
  SubstituteName(text, u"x", u"1+2", 2);
  EXPECT_EQ(S(text), "3.00+3.00*2+x1");
  text = u"x*2";
  SubstituteName(text, u"x", u"0-3", 2);
  EXPECT_EQ(S(text), "(-3.00)*2");
  // A value text that contains the name is not replaced again.
  text = u"a+1";
  SubstituteName(text, u"a", u"Ha", 0);
  EXPECT_EQ(S(text), "10+1");
  EXPECT_EQ(Messages(), Lines{});
  // An empty content replaces the name by nothing.
  text = u"结果0+1";
  SubstituteName(text, u"结果0", u"", 10);
  EXPECT_EQ(S(text), "+1");
  // Messages of the content belong to the line.
  text = u"y+y";
  SubstituteName(text, u"y", u"1/0", 0);
  EXPECT_EQ(S(text), "+");
  EXPECT_EQ(Messages(), (Lines{"除数不能为0，不然无法计算。", "除数不能为0，不然无法计算。"}));
  ClearErrors();
}

TEST(SplitLines, LineFeedsCarriageReturnsAndTheFinalBreak) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> lines;
  } cases[] = {
      {u"1", {u"1"}},
      {u"1\n2", {u"1", u"2"}},
      {u"1\n2\n", {u"1", u"2"}},
      {u"1\r\n2\r\n", {u"1", u"2"}},
      {u"1\n\n2", {u"1", u"", u"2"}},
      {u"\n", {u""}},
      {u"\n\n", {u"", u""}},
      {u"1\r", {u"1\r"}},
      {u"1\r\r\n", {u"1\r"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << S(c.text);
}

TEST(CalculateAll, ListingLinesAreExact) {
  bool all_correct = true;
  EXPECT_EQ(Listing("1+1\n5/0\n1+2)\n", {}, &all_correct),
            (Lines{"算式1正确，计算结果为：2", "算式2错误，错误如下：", "错误1为:除数不能为0，不然无法计算。",
                   "算式3错误，错误如下：", "错误1为:左括号太少了，不能一一对应右括号。",
                   "错误2为:2)不是正确的10进制数。"}));
  EXPECT_FALSE(all_correct);
  EXPECT_EQ(Listing("2*3", {}, &all_correct), Lines{"算式1正确，计算结果为：6"});
  EXPECT_TRUE(all_correct);
  EXPECT_EQ(ErrorCount(), 0u);  // the list is left empty after a calculation
}

TEST(CalculateAll, EmptyLinesCrLfAndTrailingEquals) {
  EXPECT_EQ(Listing("1\r\n\r\n2=\r\n1+2 =  \n"),
            (Lines{"算式1正确，计算结果为：1", "算式2正确，计算结果为：", "算式3正确，计算结果为：2",
                   "算式4正确，计算结果为：3"}));
  EXPECT_EQ(Listing("=\n=="), (Lines{"算式1正确，计算结果为：", "算式2错误，错误如下：", "错误1为:运算符=不存在。"}));
}

TEST(CalculateAll, RadixAndDecimalsOfTheListing) {
  CalculateOptions hex;
  hex.radix = 16;
  EXPECT_EQ(Listing("255\n<1,-2>*3\n[1 2,3 4]²", hex),
            (Lines{"算式1正确，计算结果为：HFF", "算式2正确，计算结果为：<H3,-H6>",
                   "算式3正确，计算结果为：[H7 HA,HF H16]"}));
  CalculateOptions automatic;
  automatic.automatic = true;
  automatic.decimals = 3;  // ignored: automatic decimals use 25 places
  EXPECT_EQ(Listing("0.1\n1/8", automatic),
            (Lines{"算式1正确，计算结果为：0.1000000000000000055511151", "算式2正确，计算结果为：0.125"}));
  CalculateOptions two;
  two.decimals = 2;
  EXPECT_EQ(Listing("2/3\n<1,2>+3", two),
            (Lines{"算式1正确，计算结果为：0.66", "算式2错误，错误如下：",
                   "错误1为:<1.00,2.00>和3.00不符合相加条件，无法相加。"}));
}

TEST(CalculateAll, EarlierResultsWithInheritance) {
  EXPECT_EQ(Listing("1+1\n结果0*3\n结果1+结果0", Inherit()),
            (Lines{"算式1正确，计算结果为：2", "算式2正确，计算结果为：6", "算式3正确，计算结果为：8"}));
  // Without inheritance the name stays and is not understood.
  EXPECT_EQ(Listing("1+1\n结果0*3"),
            (Lines{"算式1正确，计算结果为：2", "算式2错误，错误如下：", "错误1为:运算符结不存在。",
                   "错误2为:运算符果不存在。"}));
  // 结果1 is not found inside 结果10; eleven lines make 结果10 exist.
  EXPECT_EQ(Listing("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n结果10+结果1", Inherit()).back(),
            "算式12正确，计算结果为：11");
  // Results are read back as shown: in the radix and with the decimals of the listing.
  CalculateOptions hex = Inherit();
  hex.radix = 16;
  EXPECT_EQ(Listing("255\n结果0+1", hex).back(), "算式2正确，计算结果为：H100");
  CalculateOptions two = Inherit();
  two.decimals = 2;
  EXPECT_EQ(Listing("2/3\n结果0*3", two).back(), "算式2正确，计算结果为：1.98");
  // A failed line that gave the empty value leaves an empty result.
  EXPECT_EQ(Listing("1/0\n结果0+1", Inherit()).back(), "算式2正确，计算结果为：1");
  // A negative result is read back whole, not as a subtraction.
  EXPECT_EQ(Listing("0-3\n结果0^2", Inherit()).back(), "算式2正确，计算结果为：9");
}

TEST(CalculateAll, ConstantsAreSubstitutedInOrder) {
  CalculateOptions o;
  o.constants = {{u"半径", u"2"}, {u"x", u"2+1"}};
  EXPECT_EQ(Listing("π*半径^2\n2*x\nx1\n(x)x", o),
            (Lines{"算式1正确，计算结果为：12.5663706143", "算式2正确，计算结果为：6", "算式3错误，错误如下：",
                   "错误1为:运算符x不存在。", "算式4正确，计算结果为：9"}));
  // Earlier results are substituted before the constants.
  CalculateOptions both = Inherit();
  both.constants = {{u"y", u"结果0"}};
  EXPECT_EQ(Listing("5\ny", both).back(), "错误2为:运算符果不存在。");
}

TEST(CalculateAll, StopRequestEndsTheCalculation) {
  std::atomic<bool> stop{true};
  SetStopFlag(&stop);
  bool all_correct = true;
  EXPECT_EQ(Listing("(1)+(1)\n2\n3", {}, &all_correct),
            (Lines{"算式1错误，错误如下：", "错误1为:计算已被中止。"}));
  EXPECT_FALSE(all_correct);
  SetStopFlag(nullptr);

  SetWorkBudget(5);
  Calculation calculation({});
  std::u16string many = u"(1)";
  for (int i = 0; i < 50; ++i) many += u"+(1)";
  EXPECT_EQ(calculation.Line(many).back(), u"错误1为:计算已被中止。");
  EXPECT_TRUE(calculation.Stopped());
  SetWorkBudget(-1);
  ClearErrors();
}

TEST(Calculation, LinesOfOneSessionShareResults) {
  Calculation session(Inherit());
  EXPECT_EQ(session.Line(u"6*7"), std::vector<std::u16string>{u"算式1正确，计算结果为：42"});
  EXPECT_EQ(session.Line(u"结果0/2"), std::vector<std::u16string>{u"算式2正确，计算结果为：21"});
  EXPECT_TRUE(session.AllCorrect());
  session.Line(u"1/0");
  EXPECT_FALSE(session.AllCorrect());
}

}  // namespace
}  // namespace zuvo
