#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/statistics.h"

namespace zuvo {
namespace {

using test::Arr;
using test::Args;
using test::Mat;
using test::Messages;
using test::Num;
using test::ShapeOf;
using test::Vec;

class StatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

TEST_F(StatisticsTest, ResultsOfBothForms) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    double expected;
  };
  const std::vector<Case> cases = {
      {CallMaximum, {Num(-5), Num(-2), Num(-9)}, -2},
      {CallMinimum, {Num(3), Num(1), Num(2)}, 1},
      {CallMaximum, {Arr({-1, -3})}, -1},
      {CallMaximum, {Arr({1, 5}), Num(7)}, 5},  // array form on the first alone
      {CallMean, {Num(1), Num(2), Num(3), Num(4)}, 2.5},
      {CallVariance, {Num(1), Num(2), Num(3), Num(4)}, 1.25},
      {CallStandardDeviation, {Num(2), Num(4), Num(4), Num(4), Num(5), Num(5), Num(7), Num(9)}, 2},
      {CallVariance, {Arr({1, 2, 3, 4})}, 1.25},
      {CallStandardDeviation, {Arr({1, 1, 1})}, 0},
      {CallMean, {Arr({1, 2}), Vec({1, 2})}, 1.5},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args(c.args));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_EQ(r->First(), c.expected);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(StatisticsTest, ArrayFormRefusesOtherKinds) {
  struct Case {
    Operation call;
    Value x;
    Value result;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CallMaximum, Num(3), Value::Empty(), "最大值({...})的参数必须是数组，3.00不是数组，无法继续进行最大值运算！"},
      {CallMinimum, Vec({1, 2}), Value::Empty(),
       "最小值({...})的参数必须是数组，<1.00,2.00>不是数组，无法继续进行最小值运算！"},
      {CallMean, Vec({1, 2}), Num(0), "平均值({...})的参数必须是数组，<1.00,2.00>不是数组，无法继续进行平均值运算！"},
      {CallVariance, Mat({{1, 2}, {3, 4}}), Num(0),
       "方差({...})的参数必须是数组，[1.00 2.00,3.00 4.00]不是数组，无法进行计算！"},
      {CallStandardDeviation, Num(-1), Num(0), "标准差({...})的参数必须是数组，(-1.00)不是数组，无法进行计算！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_EQ(ShapeOf(*c.call(Args({c.x}))), ShapeOf(c.result));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(StatisticsTest, ListFormNamesTheFirstNonNumber) {
  EXPECT_TRUE(CallMaximum(Args({Num(1), Vec({1, 2}), Num(3)}))->IsEmpty());
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "最大值(x1,...,xn)的参数必须都是数字，<1.00,2.00>不是数字，无法继续进行最大值运算！"});
  ClearErrors();
  EXPECT_TRUE(Mean({Num(1), Num(2), Arr({1, 2}), Vec({3, 4})}, 1).IsEmpty());
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "平均值(x1,...,xn)的参数必须都是数字，{1.0,2.0}不是数字，无法继续进行平均值运算！"});
}

// The mean is taken twice for every argument before the failing one, so its
// message comes twice per such argument ahead of the statistic's own.
TEST_F(StatisticsTest, VarianceReportsTheMeanBeforeItself) {
  const std::string mean = "平均值(x1,...,xn)的参数必须都是数字，<1.00,2.00>不是数字，无法继续进行平均值运算！";
  EXPECT_TRUE(CallVariance(Args({Num(1), Vec({1, 2})}))->IsEmpty());
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            mean, mean, "方差(x1,...,xn)的参数必须都是数字，<1.00,2.00>不是数字，无法继续进行方差运算！"}));
  ClearErrors();
  EXPECT_TRUE(StandardDeviation({Num(1), Num(2), Vec({1, 2})}, 2).IsEmpty());
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                mean, mean, mean, mean,
                "标准差(x1,...,xn)的参数必须都是数字，<1.00,2.00>不是数字，无法继续进行标准差运算！"}));
}

}  // namespace
}  // namespace zuvo
