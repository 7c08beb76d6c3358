// 一元二次方程根.
#include "library/applied/quadratic.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Quadratic = AppliedTest;

TEST_F(Quadratic, RootsWithThePlusRootFirst) {
  struct Case { std::vector<Value> args; std::vector<double> want; } cases[] = {
      {{Num(1), Num(-3), Num(2)}, {2, 1}},
      {{Arr({1, -3, 2})}, {2, 1}},
      {{Num(1), Num(2), Num(1)}, {-1, -1}},
      {{Num(-1), Num(0), Num(4)}, {-2, 2}},
      {{Mat({{1, 3, 2}, {4, 5, 6}})}, {-1, -2}},
  };
  for (auto& c : cases) {
    const auto got = CallQuadraticRoots(Args(c.args));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->Rows(), 1);
    EXPECT_EQ(Cells(*got), c.want);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Quadratic, MessagesGiveTheEmptyValue) {
  const std::string head = "一元二次方程根(系数1,系数2,常数)";
  struct Case { std::vector<Value> args; std::vector<std::string> messages; } cases[] = {
      {{Num(1), Num(0), Num(1)}, {head + "无解，请输入其他值进行计算！"}},
      {{Arr({1, 0, 1})}, {head + "无解，请输入其他值进行计算！"}},
      {{Vec({1, 2}), Num(1), Arr({1, 2})},
       {head + "的第一个参数系数1填入的不是数字，故无法计算！",
        head + "的第三个参数常数填入的不是数字，故无法计算！"}},
      {{Num(1), Value::Empty(), Num(1)}, {head + "的第二个参数系数2填入的不是数字，故无法计算！"}},
      {{Arr({1, 2})}, {"一元二次方程根({...})的{...}项总数不等于3个，故无法计算！"}},
      {{Vec({1, -3, 2})}, {"一元二次方程根({...})的{...}项总数不等于3个，故无法计算！"}},
      {{Value::Empty()}, {"一元二次方程根({...})的{...}项总数不等于3个，故无法计算！"}},
      // a = 0 is not a quadratic equation.
      {{Num(0), Num(2), Num(1)}, {head + "的第一个参数系数1为0，不是一元二次方程，故无法计算！"}},
      {{Arr({0, 0, 0})}, {head + "的第一个参数系数1为0，不是一元二次方程，故无法计算！"}},
  };
  for (auto& c : cases) {
    const auto got = CallQuadraticRoots(Args(c.args));
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->IsEmpty());
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

}  // namespace
}  // namespace zuvo::applied_test
