// 组合数, 排列数, 汉诺塔数, 卡特兰数 and 斐波那契数.
#include <cmath>
#include <limits>

#include "library/applied/combinatorics.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Combinatorics = AppliedTest;

TEST_F(Combinatorics, CombinationsOfSmallArgumentsAreExact) {
  struct Case { double n, k, want; } cases[] = {
      {5, 2, 10}, {5, 0, 1}, {5, 5, 1}, {3, 5, 0}, {0, 0, 1}, {52, 5, 2598960}};
  for (const auto& c : cases) {
    const auto got = CallCombinations(Args({Num(c.n), Num(c.k)}));
    ASSERT_TRUE(got) << c.n << "," << c.k;
    EXPECT_EQ(Cells(*got), std::vector<double>{c.want}) << c.n << "," << c.k;
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Combinatorics, CombinationsPastSixtyFourBitProductsAreTheExactCoefficientRounded) {
  // 60!/55! wraps 64 bits; C(60,55) = C(60,5) = 5461512.
  EXPECT_EQ(Combinations(60, 55), 5461512.0);
  // C(100,50) = 100891344545564193334812497256, rounded once.
  EXPECT_EQ(Combinations(100, 50), 100891344545564193334812497256.0);
  EXPECT_EQ(Combinations(67, 33), 14226520737620288370.0);
  EXPECT_EQ(Combinations(2000, 1000), std::numeric_limits<double>::infinity());
  // Beyond 2^64 the first argument is taken exactly: C(2^70, 1) = 2^70.
  EXPECT_EQ(CombinationsOfWhole(std::ldexp(1.0, 70), 1), std::ldexp(1.0, 70));
  EXPECT_EQ(CombinationsOfWhole(std::ldexp(1.0, 70), 2), std::ldexp(1.0, 139) - std::ldexp(1.0, 69));
}

TEST_F(Combinatorics, CombinationsWorkElementWiseOnEqualShapes) {
  const Value got = CombinationsOf(Mat({{5, 6}, {4, 10}}), Mat({{2, 3}, {4, 1}}), 2);
  EXPECT_EQ(got.Rows(), 2);
  EXPECT_EQ(Cells(got), (std::vector<double>{10, 20, 1, 10}));
}

TEST_F(Combinatorics, CombinationAndPermutationMessages) {
  struct Case {
    Value (*op)(const Value&, const Value&, int);
    Value x1, x2;
    std::vector<std::string> messages;
  } cases[] = {
      {CombinationsOf, Vec({1, 2}), Vec({1, 2, 3}),
       {"<1.00,2.00>和<1.00,2.00,3.00>不是同一个数据类型，无法进行组合数计算！"}},
      {CombinationsOf, Num(5), Num(-1),
       {"组合数第二个参数的第1行第1列的数字-1.00不是大于等于0的整数，故无法继续进行计算！"}},
      // Both elements at one place fail: one message each, then it stops.
      {CombinationsOf, Arr({3, 1.5, -2}), Arr({1, -1, 0}),
       {"组合数第一个参数的第1行第2列的数字1.50不是大于等于0的整数，故无法继续进行计算！",
        "组合数第二个参数的第1行第2列的数字-1.00不是大于等于0的整数，故无法继续进行计算！"}},
      {PermutationsOf, Num(5), Arr({1, 2}),
       {"5.00和{1.00,2.00}不是同一个数据类型，无法进行排列数计算！"}},
      {PermutationsOf, Vec({4, 2.5}), Vec({1, 1}),
       {"排列数第一个参数的第2行第1列的数字2.50不是大于等于0的整数，故无法继续进行计算！"}},
  };
  for (auto& c : cases) {
    const Value got = c.op(c.x1, c.x2, 2);
    EXPECT_EQ(Cells(got), std::vector<double>{0});
    EXPECT_TRUE(got.IsNumber());
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

TEST_F(Combinatorics, PermutationsCountArrangements) {
  struct Case { double n, k, want; } cases[] = {
      {5, 2, 20}, {5, 0, 1}, {5, 5, 120}, {3, 5, 0}, {0, 0, 1}, {20, 20, 2432902008176640000.0},
      // 25!: the exact product rounded once, past 64 bits.
      {25, 25, 15511210043330985984000000.0}};
  for (const auto& c : cases) {
    const auto got = CallPermutations(Args({Num(c.n), Num(c.k)}));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->First(), c.want) << c.n << "," << c.k;
  }
  EXPECT_EQ(PermutationsOfWhole(200, 200), std::numeric_limits<double>::infinity());
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Combinatorics, SequencesKeepTheShape) {
  EXPECT_EQ(Cells(HanoiNumbers(Arr({1, 2, 10}), 2)), (std::vector<double>{1, 3, 1023}));
  EXPECT_EQ(Cells(CatalanNumbers(Vec({1, 2, 3, 4}), 2)), (std::vector<double>{1, 2, 5, 14}));
  EXPECT_EQ(Cells(FibonacciNumbers(Mat({{1, 2}, {10, 78}}), 2)),
            (std::vector<double>{1, 1, 55, 8944394323791464.0}));
  EXPECT_EQ(FibonacciNumbers(Mat({{1, 2}, {3, 4}}), 2).Rows(), 2);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Combinatorics, CatalanNumbersAreExactWhileTheyFitADouble) {
  EXPECT_EQ(CatalanNumbers(Num(20), 2).First(), 6564120420.0);
  EXPECT_EQ(CatalanNumbers(Num(35), 2).First(), 3116285494907301262.0);
  // C(100) = 896519947090131496687170070074100632420837521538745909320.
  EXPECT_EQ(CatalanNumbers(Num(100), 2).First(),
            896519947090131496687170070074100632420837521538745909320.0);
  EXPECT_TRUE(std::isinf(CatalanNumbers(Num(600), 2).First()));
}

TEST_F(Combinatorics, LargeSequenceArgumentsAnswerAtOnce) {
  EXPECT_TRUE(std::isinf(FibonacciNumbers(Num(1e15), 2).First()));
  EXPECT_TRUE(std::isinf(HanoiNumbers(Num(5000), 2).First()));
  EXPECT_NEAR(FibonacciNumbers(Num(1000), 2).First(), 4.346655768693743e208, 1e197);
}

TEST_F(Combinatorics, SequenceMessagesNameThePlaceOfTheFirstBadElement) {
  struct Case {
    Value (*op)(const Value&, int);
    Value x;
    std::string message;
  } cases[] = {
      {HanoiNumbers, Num(0), "数字0.00不是大于等于1的正整数，故无法进行汉诺塔计算！"},
      {HanoiNumbers, Vec({3, -1, 0}), "向量的第2个分量-1.00不是大于等于1的正整数，故无法进行汉诺塔计算！"},
      {HanoiNumbers, Mat({{1, 2, 3}, {4, 5, 0.5}}),
       "矩阵的第2行3列的分量0.50不是大于等于1的正整数，故无法进行汉诺塔计算！"},
      {HanoiNumbers, Arr({1, 0}), "数组的第2项0.00不是大于等于1的正整数，故无法进行汉诺塔计算！"},
      {CatalanNumbers, Num(2.5), "数字2.50不是大于等于1的正整数，故无法进行卡特兰数计算！"},
      {CatalanNumbers, Vec({0, 1}), "向量第1个分量0.00不是大于等于1的正整数，故无法进行卡特兰数计算！"},
      {CatalanNumbers, Mat({{1, 2}, {0, 4}}),
       "矩阵的第2行第1列0.00不是大于等于1的正整数，故无法进行卡特兰数计算！"},
      {CatalanNumbers, Arr({1, 2, -3}), "数组第3个项-3.00不是大于等于1的正整数，故无法进行卡特兰数计算！"},
      {FibonacciNumbers, Num(2.5), "数字2.50不是大于等于1的正整数，故无法进行斐波那契数计算！"},
      {FibonacciNumbers, Vec({1, 0}), "向量第2个分量0.00不是大于等于1的正整数，故无法进行斐波那契数计算！"},
      {FibonacciNumbers, Mat({{1, -2}, {0, 4}}),
       "矩阵的第1行第2列-2.00不是大于等于1的正整数，故无法进行斐波那契数计算！"},
      {FibonacciNumbers, Arr({0, 1}), "数组第1个项0.00不是大于等于1的正整数，故无法进行斐波那契数计算！"},
  };
  for (auto& c : cases) {
    const Value got = c.op(c.x, 2);
    EXPECT_TRUE(got.IsNumber());
    EXPECT_EQ(got.First(), 0.0);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
}

TEST_F(Combinatorics, FactorialOfTakesTheWholePart) {
  EXPECT_EQ(FactorialOf(5.9), 120.0);
  EXPECT_EQ(FactorialOf(0), 1.0);
  EXPECT_EQ(FactorialOf(-3), 1.0);
  EXPECT_TRUE(std::isinf(FactorialOf(171)));
}

}  // namespace
}  // namespace zuvo::applied_test
