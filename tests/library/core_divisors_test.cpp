#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/divisors.h"

namespace zuvo {
namespace {

using test::Arr;
using test::Args;
using test::Messages;
using test::Num;
using test::ShapeOf;
using test::Vec;

class DivisorsTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

TEST_F(DivisorsTest, Results) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    double expected;
  };
  const double two53 = 9007199254740992.0;
  const std::vector<Case> cases = {
      {CallGreatestCommonDivisor, {Num(12), Num(18)}, 6},
      {CallGreatestCommonDivisor, {Num(7), Num(13)}, 1},
      {CallGreatestCommonDivisor, {Arr({12, 18, 30})}, 6},
      {CallGreatestCommonDivisor, {Num(5)}, 5},
      {CallGreatestCommonDivisor, {Num(65535), Num(65535 * 3.0)}, 65535},
      {CallGreatestCommonDivisor, {Num(0), Num(-12)}, 12},
      {CallGreatestCommonDivisor, {Num(0), Num(0)}, 0},
      {CallGreatestCommonDivisor, {Num(-4), Num(6)}, 2},
      {CallGreatestCommonDivisor, {Num(two53), Num(two53 - 2)}, 2},
      {CallLeastCommonMultiple, {Num(4), Num(6)}, 12},
      {CallLeastCommonMultiple, {Num(3), Num(5), Num(7)}, 105},
      {CallLeastCommonMultiple, {Arr({6, 4})}, 12},
      {CallLeastCommonMultiple, {Num(5)}, 5},
      {CallLeastCommonMultiple, {Num(-4), Num(6)}, 12},
      {CallLeastCommonMultiple, {Num(0), Num(6)}, 0},
      {CallLeastCommonMultiple, {Num(65521), Num(65519)}, 65521.0 * 65519.0},
      {CallLeastCommonMultiple, {Num(two53), Num(2)}, two53},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args(c.args));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_EQ(r->First(), c.expected);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DivisorsTest, RefusalsGiveOneMessageAndZero) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CallGreatestCommonDivisor, {Num(12), Num(2.5), Vec({1, 2})},
       "最大公约数(x1,...,xn)的参数必须都是整数，而2.50是实数不是整数，所以无法计算！"},
      {CallGreatestCommonDivisor, {Vec({1, 2})},
       "最大公约数(x1,...,xn)的参数必须都是整数，而<1.00,2.00>不是整数，所以无法计算！"},
      {CallGreatestCommonDivisor, {Arr({4, 2.5})}, "最大公约数({...})数组的项2不为整数，无法计算数组的最大公约数！"},
      {CallGreatestCommonDivisor, {Arr({4, -2.5})}, "最大公约数({...})数组的项-3不为整数，无法计算数组的最大公约数！"},
      {CallLeastCommonMultiple, {Num(4), Vec({1, 2})},
       "最小公倍数(x1,...,xn)的所有参数必须为整数，而<1.00,2.00>不是整数，无法计算！"},
      {CallLeastCommonMultiple, {Num(4), Num(-0.5)},
       "最小公倍数(x1,...,xn)的所有参数必须为整数，而(-0.50)是实数不是整数，无法计算！"},
      {CallLeastCommonMultiple, {Arr({4, 2.5})},
       "最小公倍数({...})数组的项{4.00,2.50}是实数不是整数，无法进行计算！"},
      // Values and results beyond 2^53 are not exact in a double.
      {CallGreatestCommonDivisor, {Num(1), Num(1e16)},
       "最大公约数(x1,...,xn)的参数的绝对值不能超过9007199254740992，而10000000000000000.00超出了这个范围，所以无法计算！"},
      {CallGreatestCommonDivisor, {Arr({1, -1e16})},
       "最大公约数({...})数组的项-10000000000000000的绝对值超过了9007199254740992，无法计算数组的最大公约数！"},
      {CallLeastCommonMultiple, {Num(-1e16)},
       "最小公倍数(x1,...,xn)的所有参数的绝对值不能超过9007199254740992，而(-10000000000000000.00)超出了这个范围，无法计算！"},
      {CallLeastCommonMultiple, {Arr({3, 1e16})},
       "最小公倍数({...})数组的项{3.00,10000000000000000.00}中有绝对值超过9007199254740992的数，无法进行计算！"},
      {CallLeastCommonMultiple, {Num(9007199254740991), Num(2)},
       "最小公倍数(x1,...,xn)的结果超过了9007199254740992，无法精确计算！"},
      {CallLeastCommonMultiple, {Arr({4294967311, 4294967291})},
       "最小公倍数({...})的结果超过了9007199254740992，无法精确计算！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_EQ(ShapeOf(*c.call(Args(c.args))), ShapeOf(Num(0)));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(DivisorsTest, ArrayFormRefusesOtherKinds) {
  EXPECT_EQ(ShapeOf(GreatestCommonDivisorOfArray(Vec({1, 2}), 2)), ShapeOf(Num(0)));
  EXPECT_EQ(ShapeOf(LeastCommonMultipleOfArray(Num(3), 2)), ShapeOf(Num(0)));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"最大公约数({...})输入的参数<1.00,2.00>不为数组，无法进行计算！",
                                                  "最小公倍数({...})输入的参数3.00不为数组，所以无法进行计算！"}));
}

}  // namespace
}  // namespace zuvo
