#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/matrix.h"

namespace zuvo {
namespace {

using test::Arr;
using test::Args;
using test::Mat;
using test::Messages;
using test::Num;
using test::ShapeOf;
using test::Vec;

class MatrixTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

// n x n matrix with the given cell function (1-based row, column).
template <class F>
Value Grid(int n, F cell) {
  Value v = Value::Shaped(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) v.At(i, j) = cell(i, j);
  return v;
}

Value Minor(const Value& a, int r, int c) {
  const int n = a.Rows();
  Value m = Value::Shaped(n - 1, n - 1);
  for (int i = 1, mi = 1; i <= n; ++i) {
    if (i == r) continue;
    for (int j = 1, mj = 1; j <= n; ++j) {
      if (j == c) continue;
      m.At(mi, mj++) = a.At(i, j);
    }
    ++mi;
  }
  return m;
}

TEST_F(MatrixTest, DeterminantOfSmallValues) {
  struct Case {
    Value a;
    double det;
  };
  const std::vector<Case> cases = {
      {Mat({{1, 2}, {3, 4}}), -2},
      {Mat({{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}), 24},
      {Num(7), 7},
      {Value::Empty(), 0},
      // The cofactor expansion cancels exactly here; elimination would leave
      // a rounding residue.
      {Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), 0},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = CallDeterminant(Args({c.a}));
    ASSERT_TRUE(r);
    EXPECT_EQ(ShapeOf(*r), ShapeOf(Num(c.det)));
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, DeterminantFollowsTheHandExpansionBitForBit) {
  const Value a = Mat({{0.1, 0.7, 0.3}, {0.2, 0.5, 0.9}, {0.4, 0.6, 0.8}});
  // Expansion along the first column, each term added to a sum from 0.
  const double m1 = 0.0 + 0.5 * 0.8 + -0.6 * 0.9;
  const double m2 = 0.0 + 0.7 * 0.8 + -0.6 * 0.3;
  const double m3 = 0.0 + 0.7 * 0.9 + -0.5 * 0.3;
  const double expected = 0.0 + 0.1 * m1 + -0.2 * m2 + 0.4 * m3;
  EXPECT_EQ(Determinant(a, 2).First(), expected);
}

TEST_F(MatrixTest, DeterminantOfNonSquareValueReports) {
  const Value r = Determinant(Mat({{1, 2, 3}, {4, 5, 6}}), 2);
  EXPECT_TRUE(r.IsEmpty());
  EXPECT_EQ(Messages(), std::vector<std::string>{"行列式的宽和高不相同，无法计算！"});
}

TEST_F(MatrixTest, DeterminantOfLargeMatrices) {
  // det(I + u·1ᵀ) = 1 + Σ u_i with u_i = i / 1000.
  const Value rank_one_update = Grid(100, [](int i, int j) { return (i == j ? 1.0 : 0.0) + i / 1000.0; });
  EXPECT_NEAR(Determinant(rank_one_update, 2).First(), 1 + 5050 / 1000.0, 1e-9);
  // Reversing the rows of the identity: n = 9 takes four swaps, n = 10 five.
  EXPECT_EQ(Determinant(Grid(9, [](int i, int j) { return i + j == 10 ? 1.0 : 0.0; }), 2).First(), 1);
  EXPECT_EQ(Determinant(Grid(10, [](int i, int j) { return i + j == 11 ? 1.0 : 0.0; }), 2).First(), -1);
  // A repeated row makes a pivot exactly zero.
  EXPECT_EQ(Determinant(Grid(12, [](int i, int j) { return i == 12 ? j : i == 1 ? j : i * j % 7; }), 2)
                .First(),
            0);
}

TEST_F(MatrixTest, AdjugateOfSmallValues) {
  EXPECT_EQ(ShapeOf(Adjugate(Mat({{1, 2}, {3, 4}}), 2)), ShapeOf(Mat({{4, -2}, {-3, 1}})));
  EXPECT_EQ(ShapeOf(Adjugate(Mat({{1, 2, 3}, {0, 1, 4}, {5, 6, 0}}), 2)),
            ShapeOf(Mat({{-24, 18, 5}, {20, -15, -4}, {-5, 4, 1}})));
  EXPECT_EQ(ShapeOf(*CallAdjugate(Args({Num(5)}))), ShapeOf(Num(1)));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, AdjugateOfNonSquareValueReports) {
  EXPECT_TRUE(Adjugate(Arr({1, 2}), 2).IsEmpty());
  EXPECT_EQ(Messages(), std::vector<std::string>{"矩阵{1.00,2.00}不符合转换为伴随矩阵的条件，无法计算。"});
}

// Past the cofactor size every entry must still be the signed minor, here
// checked against 8 x 8 determinants worked by cofactors.
TEST_F(MatrixTest, LargeAdjugateEntriesAreSignedMinors) {
  const Value regular = Grid(9, [](int i, int j) { return std::sin(i * 1.3 + j * j * 0.7) * 4; });
  Value rank_deficient = regular;  // last row = row 1 + row 2
  for (int j = 1; j <= 9; ++j) rank_deficient.At(9, j) = regular.At(1, j) + regular.At(2, j);
  for (const Value& a : {regular, rank_deficient}) {
    const Value adj = Adjugate(a, 2);
    ASSERT_EQ(adj.Rows(), 9);
    for (int i = 1; i <= 9; ++i)
      for (int j = 1; j <= 9; ++j) {
        const double cofactor = ((i + j) % 2 ? -1 : 1) * Determinant(Minor(a, i, j), 2).First();
        EXPECT_NEAR(adj.At(j, i), cofactor, 1e-9 * (1 + std::fabs(cofactor))) << i << "," << j;
      }
  }
}

TEST_F(MatrixTest, LargeSingularAdjugates) {
  // One zero on the diagonal: only that cofactor survives.
  const Value one_zero = Grid(10, [](int i, int j) { return i == j && i != 4 ? i : 0.0; });
  const Value adj = Adjugate(one_zero, 2);
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 10; ++j) EXPECT_EQ(adj.At(i, j), i == 4 && j == 4 ? 3628800.0 / 4 : 0.0);
  // Rank 1: every minor of size 9 vanishes.
  const Value ones = Grid(10, [](int, int) { return 1.0; });
  for (double cell : test::CellsOf(Adjugate(ones, 2))) EXPECT_EQ(cell, 0.0);
}

TEST_F(MatrixTest, InverseOfSmallValues) {
  EXPECT_EQ(ShapeOf(*CallInverse(Args({Mat({{1, 2}, {3, 4}})}))), ShapeOf(Mat({{-2, 1}, {1.5, -0.5}})));
  EXPECT_EQ(ShapeOf(Inverse(Num(4), 2)), ShapeOf(Num(0.25)));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, InverseOfSingularValuesReports) {
  struct Case {
    Value a;
    std::string message;
  };
  const std::vector<Case> cases = {
      {Mat({{1, 2}, {2, 4}}), "矩阵[1.00 2.00,2.00 4.00]没有逆矩阵，无法计算。"},
      {Num(0), "矩阵0.00没有逆矩阵，无法计算。"},
      {Mat({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
       "矩阵[1.00 2.00 3.00,4.00 5.00 6.00,7.00 8.00 9.00]没有逆矩阵，无法计算。"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_TRUE(Inverse(c.a, 2).IsEmpty());
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(MatrixTest, InverseOfNonSquareValueReportsThreeTimes) {
  EXPECT_TRUE(Inverse(Vec({1, 2}), 1).IsEmpty());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"矩阵<1.0,2.0>不符合转换为伴随矩阵的条件，无法计算。",
                                                  "行列式的宽和高不相同，无法计算！",
                                                  "矩阵<1.0,2.0>没有逆矩阵，无法计算。"}));
}

TEST_F(MatrixTest, LargeInverseTimesMatrixIsIdentity) {
  const Value a = Grid(100, [](int i, int j) { return (i == j ? 50.0 : 0.0) + std::cos(i * 0.37 + j * 1.1); });
  const Value inv = Inverse(a, 2);
  ASSERT_EQ(inv.Rows(), 100);
  for (int i = 1; i <= 100; ++i)
    for (int j = 1; j <= 100; ++j) {
      double s = 0;
      for (int k = 1; k <= 100; ++k) s += inv.At(i, k) * a.At(k, j);
      EXPECT_NEAR(s, i == j ? 1.0 : 0.0, 1e-12);
    }
  EXPECT_TRUE(Inverse(Grid(20, [](int i, int j) { return i <= 2 ? j * i : i + j; }), 2).IsEmpty());
}

TEST_F(MatrixTest, IdentityMatrixSizes) {
  EXPECT_EQ(ShapeOf(*CallIdentityMatrix(Args({Num(3)}))),
            ShapeOf(Mat({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}})));
  EXPECT_EQ(ShapeOf(IdentityMatrix(Num(1), 2)), ShapeOf(Num(1)));
  EXPECT_TRUE(IdentityMatrix(Num(0), 2).IsEmpty());
  const Value big = IdentityMatrix(Num(100), 2);
  EXPECT_EQ(big.Rows(), 100);
  EXPECT_EQ(big.At(100, 100), 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, IdentityMatrixRefusals) {
  struct Case {
    Value x;
    std::string message;
  };
  const std::vector<Case> cases = {
      {Num(2.5), "单位矩阵(x)中的参数x必须为正整数，2.50不是正整数。"},
      {Vec({1, 2}), "单位矩阵(x)中的参数x必须为正整数，不能是向量或者矩阵<1.00,2.00>不是正整数。"},
      {Num(-1), "单位矩阵(x)中的参数x必须为正整数，(-1.00)不是正整数。"},
      {Num(101), "单位矩阵(x)中的参数x不能大于100，101.00超出了矩阵最多100行100列的范围。"},
      {Num(1e300), "单位矩阵(x)中的参数x不能大于100，"
                   " 1.0E+0300超出了矩阵最多100行100列的范围。"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_TRUE(IdentityMatrix(c.x, 2).IsEmpty());
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(MatrixTest, TransposeSwapsRowsAndColumns) {
  EXPECT_EQ(ShapeOf(*CallTranspose(Args({Vec({1, 2, 3})}))), ShapeOf(Arr({1, 2, 3})));
  EXPECT_EQ(ShapeOf(Transpose(Mat({{1, 2, 3}, {4, 5, 6}}))), ShapeOf(Mat({{1, 4}, {2, 5}, {3, 6}})));
  EXPECT_EQ(ShapeOf(Transpose(Num(7))), ShapeOf(Num(7)));
  EXPECT_TRUE(Transpose(Value::Empty()).IsEmpty());
}

}  // namespace
}  // namespace zuvo
