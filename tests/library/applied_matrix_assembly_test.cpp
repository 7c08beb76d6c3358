// 向量合并到矩阵, 数组合并到矩阵, 矩阵分离为向量 and 矩阵分离为数组.
#include "library/applied/matrix_assembly.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using MatrixAssembly = AppliedTest;

struct Shaped {
  int rows, columns;
  std::vector<double> cells;
};
void ExpectShaped(const std::optional<Value>& got, const Shaped& want) {
  ASSERT_TRUE(got);
  EXPECT_EQ(got->Rows(), want.rows);
  EXPECT_EQ(got->Columns(), want.columns);
  EXPECT_EQ(Cells(*got), want.cells);
}

TEST_F(MatrixAssembly, Merges) {
  ExpectShaped(CallVectorsToMatrix(Args({Vec({1, 2}), Vec({3, 4}), Vec({5, 6})})),
               {2, 3, {1, 3, 5, 2, 4, 6}});
  ExpectShaped(CallArraysToMatrix(Args({Arr({1, 2}), Arr({3, 4}), Arr({5, 6})})),
               {3, 2, {1, 2, 3, 4, 5, 6}});
  // One entry comes back in its own shape.
  ExpectShaped(CallVectorsToMatrix(Args({Vec({7, 8, 9})})), {3, 1, {7, 8, 9}});
  ExpectShaped(CallArraysToMatrix(Args({Arr({7, 8})})), {1, 2, {7, 8}});
  // Shorter entries and empty ones are filled with 0.
  ExpectShaped(CallVectorsToMatrix(Args({Vec({1, 2, 3}), Value::Empty(), Vec({4, 5})})),
               {3, 3, {1, 0, 4, 2, 0, 5, 3, 0, 0}});
  ExpectShaped(CallArraysToMatrix(Args({Arr({1, 2}), Arr({3, 4, 5})})), {2, 3, {1, 2, 0, 3, 4, 5}});
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MatrixAssembly, MergeMessages) {
  struct Case {
    Operation call;
    std::vector<Value> list;
    std::string message;
  } cases[] = {
      {CallVectorsToMatrix, {Vec({1, 2}), Arr({3, 4}), Num(1)}, "{3.00,4.00}不是向量，无法合并为矩阵！"},
      {CallVectorsToMatrix, {Num(-1)}, "(-1.00)不是向量，无法合并为矩阵！"},
      {CallArraysToMatrix, {Arr({1, 2}), Mat({{1, 2}, {3, 4}})},
       "[1.00 2.00,3.00 4.00]不是数组，无法合并为矩阵！"},
      {CallVectorsToMatrix, std::vector<Value>(101, Vec({1, 2})),
       "向量合并到矩阵(<...>,...,<...>)最多只能合并100个向量，现在的向量太多了，故无法计算！"},
      {CallArraysToMatrix, std::vector<Value>(101, Arr({1, 2})),
       "数组合并到矩阵({...},...,{...})最多只能合并100个数组，现在的数组太多了，故无法计算！"},
  };
  for (auto& c : cases) {
    ExpectShaped(c.call(Args(c.list)), {1, 1, {0}});
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
  // A full hundred rows is accepted.
  std::vector<double> hundred_rows;
  for (int i = 0; i < 100; ++i) hundred_rows.insert(hundred_rows.end(), {1, 2});
  ExpectShaped(CallArraysToMatrix(Args(std::vector<Value>(100, Arr({1, 2})))),
               {100, 2, hundred_rows});
}

TEST_F(MatrixAssembly, Splits) {
  ExpectShaped(CallColumnOfMatrix(Args({Mat({{1, 2}, {3, 4}}), Num(2)})), {2, 1, {2, 4}});
  ExpectShaped(CallRowOfMatrix(Args({Mat({{1, 2, 3}, {4, 5, 6}}), Num(2)})), {1, 3, {4, 5, 6}});
  ExpectShaped(CallColumnOfMatrix(Args({Vec({1, 2}), Num(1)})), {2, 1, {1, 2}});
  ExpectShaped(CallColumnOfMatrix(Args({Arr({5, 6, 7}), Num(3)})), {1, 1, {7}});
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MatrixAssembly, SplitMessages) {
  const Value m = Mat({{1, 2}, {3, 4}});
  struct Case {
    Operation call;
    Value index;
    std::string message;
  } cases[] = {
      {CallColumnOfMatrix, Num(3), "矩阵分离为向量([...],x)中的x不在矩阵的列取值范围里面，故无法计算！"},
      {CallColumnOfMatrix, Num(0), "矩阵分离为向量([...],x)中的x不在矩阵的列取值范围里面，故无法计算！"},
      {CallColumnOfMatrix, Num(1e300), "矩阵分离为向量([...],x)中的x不在矩阵的列取值范围里面，故无法计算！"},
      {CallRowOfMatrix, Num(3), "矩阵分离为数组([...],x)中的x不在矩阵的行取值范围里面，故无法计算！"},
  };
  for (auto& c : cases) {
    ExpectShaped(c.call(Args({m, c.index})), {1, 1, {0}});
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
  struct Rejected {
    Operation call;
    Value index;
    std::string message;
  } rejected[] = {
      {CallColumnOfMatrix, Num(1.5), "矩阵分离为向量([...],基准列)的基准列参数为1.50，不是整数，无法进行计算！"},
      {CallColumnOfMatrix, Num(-1), "矩阵分离为向量([...],基准列)的基准列参数为(-1.00)，不是整数，无法进行计算！"},
      {CallRowOfMatrix, Vec({1, 2}), "矩阵分离为数组([...],基准行)的基准行参数为<1.00,2.00>，不是整数，无法进行计算！"},
  };
  for (auto& c : rejected) {
    EXPECT_FALSE(c.call(Args({m, c.index})));
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
}

}  // namespace
}  // namespace zuvo::applied_test
