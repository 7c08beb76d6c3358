// 对数, 平方根, 立方根, 平方 and 立方.
#include <cmath>

#include "library/applied/logarithm_roots.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using LogarithmRoots = AppliedTest;

TEST_F(LogarithmRoots, LogarithmsPairElementsByPlace) {
  struct Case { Value base, x; std::vector<double> want; } cases[] = {
      {Num(2), Num(8), {3}},
      {Num(10), Num(1000), {std::log(1000.0) / std::log(10.0)}},
      {Num(1), Num(1), {1}},
      {Vec({1, 2}), Vec({1, 8}), {1, 3}},
      {Arr({2, 1}), Arr({4, 1}), {2, 1}},
      {Mat({{2, 3}, {4, 5}}), Mat({{8, 9}, {2, 1}}), {3, 2, 0.5, 0}},
      {Value::Empty(), Value::Empty(), {}},
  };
  for (auto& c : cases) {
    const auto got = CallLogarithm(Args({c.base, c.x}));
    ASSERT_TRUE(got);
    EXPECT_EQ(Cells(*got), c.want);
    EXPECT_EQ(got->Rows(), c.base.Rows());
  }
  EXPECT_EQ(Logarithm(Num(10), Num(1000), 2).First(), 2.9999999999999996);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(LogarithmRoots, LogarithmMessagesStopAtTheFirstBadPlace) {
  const std::string head = "对数(底数,真数)的参数";
  struct Case { Value base, x; std::vector<std::string> messages; } cases[] = {
      {Num(2), Vec({1, 2}),
       {head + "底数2.00和参数真数<1.00,2.00>的数据类型不匹配，故无法继续计算！"}},
      {Vec({2, 3}), Vec({8, 9, 27}),
       {head + "底数<2.00,3.00>和参数真数<8.00,9.00,27.00>的行数或列数不相同，故无法继续计算！"}},
      {Num(1), Num(5), {head + "底数1.00是1而真数5.00不是1，不符合底数取值范围，故无法计算！"}},
      {Num(1), Num(0), {head + "真数0.00是非正数，不符合真数取值范围，故无法计算！"}},
      {Num(-2), Num(-3),
       {head + "底数(-2.00)是非正数，不符合底数取值范围，故无法计算！",
        head + "真数(-3.00)是非正数，不符合真数取值范围，故无法计算！"}},
      {Vec({2, 3}), Vec({8, 0}), {head + "真数向量的第2项0.00是非正数，不符合真数取值范围，故无法计算！"}},
      {Vec({2, 1}), Vec({8, 2}),
       {head + "底数向量的第2项1.00是1而真数向量的第2项2.00不是1，不符合底数取值范围，故无法计算！"}},
      {Mat({{2, 2}, {2, -1}}), Mat({{1, 1}, {1, 1}}),
       {head + "底数矩阵的第2行第2列-1.00是非正数，不符合底数取值范围，故无法计算！"}},
      {Mat({{1, 2}, {2, 2}}), Mat({{3, 1}, {1, 1}}),
       {head + "底数矩阵的第1行第1列1.00是1而真数矩阵的第1行第1列3.00不是1，不符合底数取值范围，故无法计算！"}},
      {Arr({0, 2}), Arr({-1, 2}),
       {head + "底数数组的第1项0.00是非正数，不符合底数取值范围，故无法计算！",
        head + "真数数组的第1项-1.00是非正数，不符合真数取值范围，故无法计算！"}},
      {Arr({2, 1}), Arr({2, 3}),
       {head + "底数数组的第2项1.00是1而真数数组的第2项3.00不是1，不符合底数取值范围，故无法计算！"}},
  };
  for (auto& c : cases) {
    const auto got = CallLogarithm(Args({c.base, c.x}));
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->IsNumber());
    EXPECT_EQ(got->First(), 0.0);
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

TEST_F(LogarithmRoots, SquareRootsAcceptZero) {
  struct Case { Value x; std::vector<double> want; } cases[] = {
      {Num(9), {3}}, {Num(0), {0}}, {Vec({4, 9}), {2, 3}}, {Mat({{4, 0}, {9, 16}}), {2, 0, 3, 4}}};
  for (auto& c : cases) {
    const auto got = CallSquareRoot(Args({c.x}));
    ASSERT_TRUE(got);
    EXPECT_EQ(Cells(*got), c.want);
    EXPECT_EQ(got->Columns(), c.x.Columns());
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(LogarithmRoots, SquareRootMessagesForNegativeElements) {
  struct Case { Value x; std::string message; } cases[] = {
      {Num(-4), "开平方(x)的参数数字x=-4.00不为正数，故无法计算开平方(x)！"},
      {Vec({4, -1}), "开平方(x)的参数向量x的第2个分量-1.00不为正数，故无法计算开平方(x)！"},
      {Mat({{4, 1}, {-9, -16}}), "开平方(x)的参数矩阵x的第2行第1列的项-9.00不为正数，故无法计算开平方(x)！"},
      {Arr({1, 2, -0.5}), "开平方(x)的参数数组x的第3项-0.50不为正数，故无法计算开平方(x)！"},
  };
  for (auto& c : cases) {
    const Value got = SquareRoot(c.x, 2);
    EXPECT_TRUE(got.IsNumber());
    EXPECT_EQ(got.First(), 0.0);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
}

TEST_F(LogarithmRoots, RootsAndPowersElementWise) {
  EXPECT_EQ(Cells(*CallCubeRoot(Args({Arr({8, -8, 0, 27, -125, 1e-9})}))),
            (std::vector<double>{2, -2, 0, 3, -5, 0.001}));
  EXPECT_EQ(Cells(*CallSquare(Args({Mat({{1, 2}, {3, 4}})}))), (std::vector<double>{1, 4, 9, 16}));
  EXPECT_EQ(Cells(*CallSquare(Args({Num(-3)}))), std::vector<double>{9});
  EXPECT_EQ(Cells(*CallCube(Args({Mat({{1, -2}, {3, 0.5}})}))), (std::vector<double>{1, -8, 27, 0.125}));
  EXPECT_EQ(CallCube(Args({Vec({1, 2, 3})}))->Rows(), 3);
  EXPECT_TRUE(TakeMessages().empty());
}

}  // namespace
}  // namespace zuvo::applied_test
