// 随机数 and the program's random generator.
#include <cmath>
#include <set>

#include "library/applied/random.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Random = AppliedTest;

CallArgs Texts(std::vector<std::u16string> texts) {
  CallArgs args;
  args.texts = std::move(texts);
  args.values.assign(args.texts.size(), Value());
  args.decimals = 2;
  return args;
}

TEST_F(Random, ASeedRepeatsTheDraws) {
  SeedRandom(7);
  const auto first = Cells(RandomFill(5, 5, u"实数"));
  SeedRandom(7);
  EXPECT_EQ(Cells(RandomFill(5, 5, u"实数")), first);
  SeedRandom(8);
  EXPECT_NE(Cells(RandomFill(5, 5, u"实数")), first);
  // Two draws in a row differ.
  EXPECT_NE(RandomFill(1, 1, u"实数").First(), RandomFill(1, 1, u"实数").First());
}

TEST_F(Random, LengthIsColumnsAndWidthIsRows) {
  struct Case { std::vector<std::u16string> texts; int rows, columns; } cases[] = {
      {{u"整数"}, 1, 1},
      {{u"3", u"2", u"实数"}, 2, 3},
      {{u"3", u"1", u"实数"}, 1, 3},
      {{u"1", u"3", u"实数"}, 3, 1},
      {{u"100", u"100", u"整数"}, 100, 100},
      {{u"4", u"5", u"0", u"1", u"实数"}, 5, 4},
  };
  for (auto& c : cases) {
    const auto got = CallRandom(Texts(c.texts));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->Rows(), c.rows);
    EXPECT_EQ(got->Columns(), c.columns);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Random, WidestRangeWholeNumbersUseAllSixtyFourBits) {
  SeedRandom(1);
  const Value v = RandomFill(100, 100, u"整数");
  bool small = false, negative = false;
  for (double x : Cells(v)) {
    EXPECT_TRUE(x == std::floor(x));
    EXPECT_GE(x, -9223372036854775808.0);
    EXPECT_LT(x, 9223372036854775808.0);
    small = small || std::fabs(x) < std::ldexp(1.0, 62);
    negative = negative || x < 0;
  }
  EXPECT_TRUE(small && negative);
  for (double x : Cells(RandomFill(100, 100, u"实数"))) {
    EXPECT_GE(x, -9223372036854775808.0);
    EXPECT_LT(x, 9223372036854775808.0);
  }
}

TEST_F(Random, RangesIncludeTheGreatestWholeNumberButNotPastIt) {
  SeedRandom(3);
  struct Case { double least, greatest; std::set<double> want; } cases[] = {
      {1, 6, {1, 2, 3, 4, 5, 6}}, {-10, -5, {-10, -9, -8, -7, -6, -5}}, {4, 4, {4}}};
  for (auto& c : cases) {
    std::set<double> seen;
    for (double x : Cells(RandomFillRange(100, 100, c.least, c.greatest, u"整数"))) seen.insert(x);
    EXPECT_EQ(seen, c.want);
  }
  // Real numbers lie in [least, greatest).
  for (double x : Cells(RandomFillRange(100, 100, 0, 1, u"实数"))) {
    EXPECT_GE(x, 0.0);
    EXPECT_LT(x, 1.0);
  }
  // A range past the double span still gives finite numbers.
  for (double x : Cells(RandomFillRange(10, 10, -1e308, 1e308, u"实数"))) EXPECT_TRUE(std::isfinite(x));
}

TEST_F(Random, TypeMessages) {
  EXPECT_EQ(Cells(*CallRandom(Texts({u"2", u"2", u"小数"}))), std::vector<double>{0});
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "随机数(数的类型/长,宽,数的类型)的数的类型既不是整数也不是实数，故无法计算！"});
  EXPECT_EQ(Cells(*CallRandom(Texts({u"2", u"2", u"1", u"6", u"整"}))), std::vector<double>{0});
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "随机数(长,宽,最小数,最大数,数的类型)的数的类型既不是整数也不是实数，故无法计算！"});
}

TEST_F(Random, SizeAndRangeMessagesRejectTheCall) {
  const std::string three = "随机数(长,宽,整数或实数)";
  const std::string five = "随机数(长,宽,最小数,最大数,整数或实数)";
  struct Case { std::vector<std::u16string> texts; std::vector<std::string> messages; } cases[] = {
      {{u"0", u"1.5", u"实数"},
       {three + "的第1个参数0.00不是正整数，故无法计算！", three + "的第2个参数1.50不是正整数，故无法计算！"}},
      {{u"-2", u"2", u"实数"}, {three + "的第1个参数(-2.00)不是正整数，故无法计算！"}},
      {{u"2", u"101", u"实数"}, {three + "的第2个参数101.00大于100，结果最多只能有100行100列，故无法计算！"}},
      {{u"2", u"{1,2}", u"1", u"<1,2>", u"实数"},
       {five + "的第2个参数{1.00,2.00}不是数字，故无法计算！",
        five + "的第4个参数<1.00,2.00>不是数字，故无法计算！"}},
      // Whole and positive is only tested once all four are numbers.
      {{u"0.5", u"2", u"1", u"[1 2,3 4]", u"实数"}, {five + "的第4个参数[1.00 2.00,3.00 4.00]不是数字，故无法计算！"}},
      {{u"0.5", u"1000", u"1", u"2", u"实数"},
       {five + "的第1个参数0.50不是正整数，故无法计算！",
        five + "的第2个参数1000.00大于100，结果最多只能有100行100列，故无法计算！"}},
  };
  for (auto& c : cases) {
    EXPECT_FALSE(CallRandom(Texts(c.texts)));
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

}  // namespace
}  // namespace zuvo::applied_test
