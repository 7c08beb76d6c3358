// Matrix assembly and splitting: 向量合并到矩阵, 数组合并到矩阵, 矩阵分离为向量
// and 矩阵分离为数组. A vector is one column, an array one row.
#pragma once

#include <string_view>
#include <vector>

#include "engine/value.h"

namespace zuvo {

// The vectors side by side as the columns of a matrix, in list order. The
// matrix is as tall as the longest vector; cells below a shorter vector, and
// the column of an empty entry, are 0. At most 100 entries.
Value VectorsToMatrix(const std::vector<Value>& list, int decimals);
// The arrays stacked as the rows of a matrix, shorter rows filled with 0.
Value ArraysToMatrix(const std::vector<Value>& list, int decimals);
// Column x (counted from 1) of m as a vector; the kind of m is not tested.
Value ColumnOfMatrix(const Value& m, long long x);
// Row x (counted from 1) of m as an array; the kind of m is not tested.
Value RowOfMatrix(const Value& m, long long x);

}  // namespace zuvo
