#include "library/applied/matrix_assembly.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// Shared body of the two merges. as_columns: entries become columns (vectors)
// rather than rows (arrays); length(v) is an entry's item count.
Value Merge(const std::vector<Value>& list, int decimals, bool as_columns) {
  const Kind wanted = as_columns ? kVector : kArray;
  if (list.size() > static_cast<std::size_t>(kMaxDim)) {
    AddError(as_columns
                 ? u"向量合并到矩阵(<...>,...,<...>)最多只能合并100个向量，现在的向量太多了，故无法计算！"
                 : u"数组合并到矩阵({...},...,{...})最多只能合并100个数组，现在的数组太多了，故无法计算！");
    return Value::Zero();
  }
  int longest = 0;
  for (const Value& entry : list) {
    // An empty entry has no items and leaves its column (row) at 0.
    if (entry.GetKind() != wanted && !entry.IsEmpty()) {
      AddError(ValueToText(entry, decimals) +
               (as_columns ? u"不是向量，无法合并为矩阵！" : u"不是数组，无法合并为矩阵！"));
      return Value::Zero();
    }
    longest = std::max(longest, as_columns ? entry.Rows() : entry.Columns());
  }
  const int count = static_cast<int>(list.size());
  Value out = as_columns ? Value::Shaped(longest, count) : Value::Shaped(count, longest);
  for (int k = 1; k <= count; ++k) {
    const Value& entry = list[k - 1];
    if (entry.IsEmpty()) continue;
    for (std::size_t i = 0; i < entry.Size(); ++i) {
      const int item = static_cast<int>(i) + 1;
      if (as_columns)
        out.At(item, k) = entry.Cell(i);
      else
        out.At(k, item) = entry.Cell(i);
    }
  }
  return out;
}

}  // namespace

Value VectorsToMatrix(const std::vector<Value>& list, int decimals) {
  return Merge(list, decimals, true);
}

Value ArraysToMatrix(const std::vector<Value>& list, int decimals) {
  return Merge(list, decimals, false);
}

Value ColumnOfMatrix(const Value& m, long long x) {
  if (x < 1 || x > m.Columns()) {
    AddError(u"矩阵分离为向量([...],x)中的x不在矩阵的列取值范围里面，故无法计算！");
    return Value::Zero();
  }
  Value out = Value::Shaped(m.Rows(), 1);
  for (int r = 1; r <= m.Rows(); ++r) out.At(r, 1) = m.At(r, static_cast<int>(x));
  return out;
}

Value RowOfMatrix(const Value& m, long long x) {
  if (x < 1 || x > m.Rows()) {
    AddError(u"矩阵分离为数组([...],x)中的x不在矩阵的行取值范围里面，故无法计算！");
    return Value::Zero();
  }
  Value out = Value::Shaped(1, m.Columns());
  for (int c = 1; c <= m.Columns(); ++c) out.At(1, c) = m.At(static_cast<int>(x), c);
  return out;
}

// Adapters.
namespace {
// The index argument of the splitting functions: a whole number >= 0 (0 is
// left to the operation's range test), passed on as its floor. Indexes far
// past the grid are passed as one past it: they are out of range either way.
std::optional<long long> IndexOrMessage(const Value& v, const std::u16string& head, int decimals) {
  const double x = v.First();
  if (!v.IsNumber() || !IsWhole(x) || x < 0) {
    AddError(head + ValueToText(v, decimals) + u"，不是整数，无法进行计算！");
    return std::nullopt;
  }
  return static_cast<long long>(std::min(std::floor(x), static_cast<double>(kMaxDim + 1)));
}
}  // namespace

std::optional<Value> CallVectorsToMatrix(const CallArgs& args) {
  return VectorsToMatrix(args.values, args.decimals);
}

std::optional<Value> CallArraysToMatrix(const CallArgs& args) {
  return ArraysToMatrix(args.values, args.decimals);
}

std::optional<Value> CallColumnOfMatrix(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  const auto x = IndexOrMessage(args.values[1], u"矩阵分离为向量([...],基准列)的基准列参数为",
                                args.decimals);
  if (!x) return std::nullopt;
  return ColumnOfMatrix(args.values[0], *x);
}

std::optional<Value> CallRowOfMatrix(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  const auto x = IndexOrMessage(args.values[1], u"矩阵分离为数组([...],基准行)的基准行参数为",
                                args.decimals);
  if (!x) return std::nullopt;
  return RowOfMatrix(args.values[0], *x);
}

}  // namespace zuvo
