#include "library/core/arithmetic.h"

#include <cmath>

#include "engine/errors.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

bool SameShape(const Value& a, const Value& b) {
  return a.Rows() == b.Rows() && a.Columns() == b.Columns();
}

Value Mismatch(const Value& left, const Value& right, int d) {
  AddError(ValueToText(left, d) + u"和" + ValueToText(right, d) + u"不符合相乘条件，无法相乘。");
  return Value::Empty();
}

Value Scale(const Value& v, double factor) {
  return v.Map([factor](double x) { return x * factor; });
}

// The ordinary product of an m x k grid and a k x p grid.
Value GridProduct(const Value& left, const Value& right) {
  const int m = left.Rows(), k = left.Columns(), p = right.Columns();
  Value out = Value::Shaped(m, p);
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= p; ++j) {
      double sum = 0;
      for (int t = 1; t <= k; ++t) sum += left.At(i, t) * right.At(t, j);
      out.At(i, j) = sum;
    }
  return out;
}

Value CrossProduct(const Value& v, const Value& w, int d) {
  if (v.Rows() != w.Rows()) return Mismatch(v, w, d);
  const int n = v.Rows();
  if (n == 2) return Value::Number(v.Cell(0) * w.Cell(1) - v.Cell(1) * w.Cell(0));
  if (n == 3) {
    Value out = Value::Shaped(3, 1);
    out.Cell(0) = v.Cell(1) * w.Cell(2) - v.Cell(2) * w.Cell(1);
    out.Cell(1) = v.Cell(2) * w.Cell(0) - v.Cell(0) * w.Cell(2);
    out.Cell(2) = v.Cell(0) * w.Cell(1) - v.Cell(1) * w.Cell(0);
    return out;
  }
  AddError(u"本软件不支持3维以上的向量叉乘。");
  return Value::Empty();
}

}  // namespace

Value AddOrSubtract(const Value& left, const Value& right, AddOp op, int d) {
  const bool left_empty = left.IsEmpty(), right_empty = right.IsEmpty();
  if (left_empty && !right_empty) return op == AddOp::kAdd ? right : Negate(right);
  if (right_empty && !left_empty) return left;
  if (left_empty && right_empty) return Value::Zero();
  if (SameShape(left, right)) {
    Value out = left;
    for (std::size_t i = 0; i < out.Size(); ++i)
      out.Cell(i) = op == AddOp::kAdd ? left.Cell(i) + right.Cell(i) : left.Cell(i) - right.Cell(i);
    return out;
  }
  AddError(ValueToText(left, d) + u"和" + ValueToText(right, d) + u"不符合相加条件，无法相加。");
  return Value::Empty();
}

Value Product(const Value& left, const Value& right, int d) {
  if (left.IsEmpty() || right.IsEmpty()) return Value::Zero();
  const Kind lk = left.GetKind(), rk = right.GetKind();
  if (lk == kNumber) return Scale(right, left.First());
  if (rk == kNumber) return Scale(left, right.First());
  switch (lk) {
    case kVector:
      if (rk == kVector) return CrossProduct(left, right, d);
      if (rk == kArray) return GridProduct(left, right);
      return Mismatch(left, right, d);
    case kMatrix:
      if ((rk == kVector || rk == kMatrix) && left.Columns() == right.Rows()) return GridProduct(left, right);
      return Mismatch(left, right, d);
    case kArray:
      if (rk == kVector && left.Columns() == right.Rows()) return GridProduct(left, right);
      if (rk == kArray) {
        AddError(u"被乘数" + ValueToText(left, d) + u"和" + ValueToText(right, d) + u"为数组，无法计算！");
        return Value::Empty();
      }
      return Mismatch(left, right, d);
    default:
      return Mismatch(left, right, d);
  }
}

Value DotProduct(const Value& left, const Value& right, int d) {
  if (left.Rows() == 0 || right.Rows() == 0) return Value::Empty();
  if (!SameShape(left, right)) return Mismatch(left, right, d);
  double sum = 0;
  for (std::size_t i = 0; i < left.Size(); ++i) sum += left.Cell(i) * right.Cell(i);
  return Value::Number(sum);
}

Value VectorLength(const Value& v, int d) {
  switch (v.GetKind()) {
    case kMatrix:
      AddError(ValueToText(v, d) + u"是矩阵，不是向量，无法计算向量长度！");
      return Value::Empty();
    case kNumber:
      AddError(ValueToText(v, d) + u"是数字，不是向量，无法计算向量长度！");
      return Value::Empty();
    case kEmpty:
      return Value::Empty();
    default: {
      double sum = 0;
      for (std::size_t i = 0; i < v.Size(); ++i) sum += v.Cell(i) * v.Cell(i);
      return Value::Number(std::sqrt(sum));
    }
  }
}

Value Negate(const Value& v) {
  return v.Map([](double x) { return -x; });
}

Value AbsoluteValue(const Value& v) {
  return v.Map([](double x) { return std::fabs(x); });
}

}  // namespace zuvo
