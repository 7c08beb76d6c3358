// 单利, 复利 and 折扣.
#include <cmath>

#include "library/applied/interest.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Interest = AppliedTest;

TEST_F(Interest, SimpleAndCompoundInterest) {
  EXPECT_EQ(Cells(*CallSimpleInterest(Args({Num(1000), Num(0.05), Num(3)}))), std::vector<double>{1150});
  EXPECT_EQ(Cells(*CallSimpleInterest(Args({Vec({100, 200}), Num(0.1), Num(2)}))),
            (std::vector<double>{120, 240}));
  EXPECT_NEAR(CallCompoundInterest(Args({Num(1000), Num(0.1), Num(2)}))->First(), 1210, 1e-9);
  EXPECT_NEAR(CallCompoundInterest(Args({Num(1000), Num(0.1), Num(0.5)}))->First(),
              1000 * std::exp(0.5 * std::log(1.1)), 1e-9);
  EXPECT_EQ(CallCompoundInterest(Args({Mat({{1, 2}, {3, 4}}), Num(1), Num(3)}))->Rows(), 2);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Interest, RateAndPeriodMessages) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    bool rejected;  // by the kind tests, before the operation
    std::vector<std::string> messages;
  } cases[] = {
      {CallSimpleInterest, {Num(1000), Num(0), Num(3)}, false,
       {"单利(本金,利率,计息期数)的第二个参数利率不为正数,故无法计算！"}},
      {CallSimpleInterest, {Num(1000), Num(-0.1), Num(0)}, false,
       {"单利(本金,利率,计息期数)的第二个参数利率不为正数,故无法计算！",
        "单利(本金,利率,计息期数)的第三个参数计息期数不为正数,故无法计算！"}},
      {CallCompoundInterest, {Num(1000), Num(0.1), Num(-2)}, false,
       {"复利(本金,利率,计息期数)的第三个参数计息期数不为正数,故无法计算！"}},
      {CallSimpleInterest, {Num(1000), Vec({1, 2}), Arr({1, 2})}, true,
       {"单利(本金,利率,计息期数)的第二个参数利率填入的参数不是数字，故无法计算！",
        "单利(本金,利率,计息期数)的第三个参数计息期数填入的参数不是数字，故无法计算！"}},
      {CallCompoundInterest, {Num(1000), Value::Empty(), Vec({1, 2})}, true,
       {"复利(本金,利率,计息期数)的第二个参数利率的填入参数不是数字，故无法计算！",
        "复利(本金,利率,计息期数)的第三个参数计息期数的填入参数不是数字，故无法计算！"}},
  };
  for (auto& c : cases) {
    const auto got = c.call(Args(c.args));
    EXPECT_EQ(got.has_value(), !c.rejected);
    if (got) EXPECT_TRUE(got->IsEmpty());
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

TEST_F(Interest, DiscountsOfEveryPair) {
  struct Case { Value base, current; std::vector<double> want; } cases[] = {
      {Num(100), Num(80), {0.2}},
      {Num(100), Num(100), {0}},
      {Mat({{100, 50}, {40, 20}}), Mat({{90, 25}, {10, 20}}), {0.1, 0.5, 0.75, 0}},
      {Value::Empty(), Value::Empty(), {}},
  };
  for (auto& c : cases) {
    const auto got = CallDiscount(Args({c.base, c.current}));
    ASSERT_TRUE(got);
    EXPECT_EQ(Cells(*got), c.want);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Interest, DiscountMessagesGiveTheEmptyValue) {
  const std::string head = "折扣(原值,现值)的";
  struct Case { Value base, current; std::string message; } cases[] = {
      {Num(100), Num(120), "折扣(原值,现值)的计算结果必须在0到1之间！"},
      {Vec({1, 2}), Arr({1, 2}),
       "折扣(原值,现值)中的原值<1.00,2.00>与现值{1.00,2.00}不符合计算折扣的要求，无法计算折扣！"},
      {Num(-5), Num(-3), head + "原值(-5.00)和现值(-3.00)都不是正数，故无法计算！"},
      {Num(0), Num(3), head + "原值0.00不是正数，故无法计算！"},
      {Num(5), Num(-3), head + "现值(-3.00)不是正数，故无法计算！"},
      {Vec({100, 50}), Vec({80, 0}), head + "现值向量的第2个分量0.00不是正数，故无法计算！"},
      {Vec({-1, 50}), Vec({-2, 0}),
       head + "原值向量的第1个分量-1.00和现值向量的第1个分量-2.00都不是正数，故无法计算！"},
      {Mat({{1, 1}, {1, -4}}), Mat({{1, 1}, {1, 1}}), head + "原值矩阵的第2行第2列-4.00不是正数，故无法计算！"},
      {Mat({{1, 0}, {1, 1}}), Mat({{1, 0}, {1, 1}}),
       head + "原值矩阵的第1行第2列0.00和现值矩阵的第1行第2列0.00都不是正数，故无法计算！"},
      {Arr({1, 2, 3}), Arr({1, 2, -3}), head + "现值数组的第3个项-3.00不是正数，故无法计算！"},
      {Arr({0, 2}), Arr({0, 2}), head + "原值数组的第1个项0.00和现值数组的第1个项0.00都不是正数，故无法计算！"},
  };
  for (auto& c : cases) {
    const auto got = CallDiscount(Args({c.base, c.current}));
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->IsEmpty());
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
}

}  // namespace
}  // namespace zuvo::applied_test
