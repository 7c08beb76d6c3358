#include "library/applied/logarithm_roots.h"

#include <cmath>
#include <initializer_list>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// How the element at cell i of a vector, matrix or array is named after
// 参数底数 / 参数真数: 向量的第i项, 矩阵的第r行第s列, 数组的第i项.
std::u16string LogarithmPlace(const Value& v, std::size_t i) {
  const auto columns = static_cast<std::size_t>(v.Columns());
  const auto row = static_cast<long long>(i / columns) + 1;
  const auto column = static_cast<long long>(i % columns) + 1;
  switch (v.GetKind()) {
    case kVector: return u"向量的第" + DecimalText(row) + u"项";
    case kArray: return u"数组的第" + DecimalText(column) + u"项";
    default: return u"矩阵的第" + DecimalText(row) + u"行第" + DecimalText(column) + u"列";
  }
}

// The real cube root. The library's cbrt may miss by one unit in the last
// place (cbrt(27) = 3.0000000000000004), so of the result and its two
// neighbours the one whose cube, formed in extended precision, lies nearest
// x is kept: perfect cubes come out exact.
double CubeRootOf(double x) {
  const double y = std::cbrt(x);
  if (!std::isfinite(y) || y == 0) return y;
  auto miss = [x](double c) {
    const long double c3 = static_cast<long double>(c) * c * c;
    return std::fabs(c3 - static_cast<long double>(x));
  };
  double best = y;
  for (const double c : {std::nextafter(y, -INFINITY), std::nextafter(y, INFINITY)})
    if (miss(c) < miss(best)) best = c;
  return best;
}

}  // namespace

Value Logarithm(const Value& base, const Value& x, int decimals) {
  const std::u16string head = u"对数(底数,真数)的参数";
  if (base.GetKind() != x.GetKind()) {
    AddError(head + u"底数" + ValueToText(base, decimals) + u"和参数真数" +
             ValueToText(x, decimals) + u"的数据类型不匹配，故无法继续计算！");
    return Value::Zero();
  }
  if (base.Rows() != x.Rows() || base.Columns() != x.Columns()) {
    AddError(head + u"底数" + ValueToText(base, decimals) + u"和参数真数" +
             ValueToText(x, decimals) + u"的行数或列数不相同，故无法继续计算！");
    return Value::Zero();
  }
  const bool number = base.IsNumber();
  Value out = base;
  for (std::size_t i = 0; i < base.Size(); ++i) {
    const double b = base.Cell(i), a = x.Cell(i);
    const bool bad_base = b <= 0, bad_true = a <= 0;
    const bool base_one = !bad_base && !bad_true && b == 1 && a != 1;
    if (bad_base || bad_true || base_one) {
      // A number is written whole (negative ones in parentheses), an element
      // with its place.
      const std::u16string base_text =
          number ? ValueToText(base, decimals) : LogarithmPlace(base, i) + FixedText(b, decimals);
      const std::u16string true_text =
          number ? ValueToText(x, decimals) : LogarithmPlace(x, i) + FixedText(a, decimals);
      if (bad_base)
        AddError(head + u"底数" + base_text + u"是非正数，不符合底数取值范围，故无法计算！");
      if (bad_true)
        AddError(head + u"真数" + true_text + u"是非正数，不符合真数取值范围，故无法计算！");
      if (base_one)
        AddError(head + u"底数" + base_text + u"是1而真数" + true_text +
                 u"不是1，不符合底数取值范围，故无法计算！");
      return Value::Zero();
    }
    out.Cell(i) = (b == 1 && a == 1) ? 1.0 : std::log(a) / std::log(b);
  }
  return out;
}

Value SquareRoot(const Value& x, int decimals) {
  Value out = x;
  for (std::size_t i = 0; i < x.Size(); ++i) {
    const double e = x.Cell(i);
    if (e >= 0) {
      out.Cell(i) = std::sqrt(e);
      continue;
    }
    const auto columns = static_cast<std::size_t>(x.Columns());
    const auto row = static_cast<long long>(i / columns) + 1;
    const auto column = static_cast<long long>(i % columns) + 1;
    const std::u16string text = FixedText(e, decimals);
    std::u16string where;
    switch (x.GetKind()) {
      case kNumber: where = u"数字x=" + text; break;
      case kVector: where = u"向量x的第" + DecimalText(row) + u"个分量" + text; break;
      case kArray: where = u"数组x的第" + DecimalText(column) + u"项" + text; break;
      default:
        where = u"矩阵x的第" + DecimalText(row) + u"行第" + DecimalText(column) + u"列的项" + text;
    }
    AddError(u"开平方(x)的参数" + where + u"不为正数，故无法计算开平方(x)！");
    return Value::Zero();
  }
  return out;
}

Value CubeRoot(const Value& x) {
  return x.Map(CubeRootOf);
}

Value Square(const Value& x) {
  return x.Map([](double e) { return e * e; });
}

Value Cube(const Value& x) {
  return x.Map([](double e) { return e * e * e; });
}

// Adapters: the dispatch makes no kind tests for these functions.
std::optional<Value> CallLogarithm(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  return Logarithm(args.values[0], args.values[1], args.decimals);
}
std::optional<Value> CallSquareRoot(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return SquareRoot(args.values[0], args.decimals);
}
std::optional<Value> CallCubeRoot(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return CubeRoot(args.values[0]);
}
std::optional<Value> CallSquare(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return Square(args.values[0]);
}
std::optional<Value> CallCube(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return Cube(args.values[0]);
}

}  // namespace zuvo
