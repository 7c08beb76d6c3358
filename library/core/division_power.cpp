#include "library/core/division_power.h"

#include <cmath>
#include <cstdint>

#include "engine/errors.h"
#include "engine/stop.h"
#include "library/core/arithmetic.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// Repeated products above this many steps take too long for a matrix and are
// computed by squaring instead.
constexpr double kMaxRepeatedSteps = 64;
// Vector bases and non-square matrices have no shortcut: their repeated
// products stop being computed beyond this exponent.
constexpr double kMaxExponentWithoutShortcut = 65535;

Value Identity(int n) {
  Value out = Value::Shaped(n, n);
  for (int i = 1; i <= n; ++i) out.At(i, i) = 1;
  return out;
}

Value MatrixPowerBySquaring(Value base, std::uint64_t n, int d) {
  Value result = Identity(base.Rows());
  while (n > 0 && !StopRequested()) {
    if (n & 1) result = Product(result, base, d);
    n >>= 1;
    if (n) base = Product(base, base, d);
  }
  return result;
}

}  // namespace

Value Divide(const Value& dividend, const Value& divisor, int d) {
  if (!divisor.IsNumber()) {
    AddError(ValueToText(divisor, d) + u"不是数量，无法相除计算");
    return Value::Empty();
  }
  const double q = divisor.First();
  if (q == 0) {
    AddError(u"除数不能为0，不然无法计算。");
    return Value::Empty();
  }
  return dividend.Map([q](double e) { return e / q; });
}

Value Remainder(const Value& dividend, const Value& modulus, int d) {
  if (!IsWhole(dividend.First())) {
    AddError(u"被取余数不能为非整数，不然无法计算。");
    return Value::Empty();
  }
  if (!modulus.IsNumber()) {
    AddError(ValueToText(modulus, d) + u"不是数量，无法取余计算");
    return Value::Empty();
  }
  const double m = modulus.First();
  if (!IsWhole(m)) {
    AddError(u"取余数不能为非整数，不然无法计算。");
    return Value::Empty();
  }
  if (m == 0) {
    AddError(u"取余数不能为0，不然无法计算。");
    return Value::Empty();
  }
  // The quotient is floored in double precision, so it never leaves a range.
  return dividend.Map([m](double e) { return e - std::floor(e / m) * m; });
}

Value Percent(const Value& x) {
  return x.Map([](double e) { return e / 100; });
}

Value PerMille(const Value& x) {
  return x.Map([](double e) { return e / 1000; });
}

double RealPower(double b, double n) {
  if (n == 0) return 1;
  if (b == 0 && n > 0) return 0;
  if (IsWhole(n) && std::fabs(n) <= 2147483647.0) {
    std::int64_t k = static_cast<std::int64_t>(std::fabs(n));
    double result = 1, square = b;
    while (k > 0) {
      if (k & 1) result *= square;
      k >>= 1;
      if (k) square *= square;
    }
    return n < 0 ? 1 / result : result;
  }
  // Exponents that are not whole take the C library's power.
  return std::pow(b, n);
}

Value Power(const Value& base, const Value& exponent, int d) {
  if (base.IsEmpty() || exponent.IsEmpty()) return Value::Empty();
  switch (exponent.GetKind()) {
    case kVector:
      AddError(ValueToText(exponent, d) + u"是向量，不是实数，不能作为指数！");
      return Value::Empty();
    case kMatrix:
      AddError(ValueToText(exponent, d) + u"是矩阵，不是实数，不能作为指数！");
      return Value::Empty();
    case kArray:
      AddError(ValueToText(exponent, d) + u"是数组，不是实数，不能作为指数！");
      return Value::Empty();
    default:
      break;
  }
  const double n = exponent.First();
  const Kind kind = base.GetKind();
  if (kind == kNumber || kind == kArray)
    return base.Map([n](double b) { return RealPower(b, n); });
  if (!IsWhole(n) || n < 0) {
    AddError(ValueToText(exponent, d) +
             (kind == kVector ? u"是非正整数，不是正整数，不能作为指数！" : u"是非正整数，不是正整数，不能作为指数幂！"));
    return Value::Empty();
  }
  const bool square = kind == kMatrix && base.Rows() == base.Columns();
  if (n == 0 && square) return Identity(base.Rows());
  if (n <= 1) return base;
  if (square && n > kMaxRepeatedSteps && n < 0x1p63)
    return MatrixPowerBySquaring(base, static_cast<std::uint64_t>(n), d);
  if (n > kMaxExponentWithoutShortcut) {
    AddError(ValueToText(exponent, d) + u"太大了，不能作为向量或矩阵的指数！");
    return Value::Empty();
  }
  Value result = base;
  const long steps = static_cast<long>(n) - 1;
  for (long i = 0; i < steps && !StopRequested(); ++i) result = Product(result, base, d);
  return result;
}

Value FactorialSign(const Value& x, int d) {
  if (x.Rows() > 1 || x.Columns() > 1) {
    AddError(u"阶乘的对象必须是数字，" + ValueToText(x, d) + u"不是数字！");
    return Value::Empty();
  }
  const double v = x.First();
  if (!IsWhole(v) && !std::isinf(v)) {
    AddError(u"阶乘的对象必须是整数，" + ValueToText(x, d) + u"不是整数！");
    return Value::Empty();
  }
  if (v < 0) {
    AddError(u"阶乘的对象必须是正数，" + ValueToText(x, d) + u"不是正数！");
    return Value::Empty();
  }
  // From 171! on the product overflows; stop multiplying there.
  if (v > 170) return Value::Number(INFINITY);
  double result = 1;
  for (int k = 2; k <= static_cast<int>(v); ++k) result *= k;
  return Value::Number(result);
}

Value DegreeSign(const Value& x, int d) {
  if (!x.IsNumber()) {
    AddError(u"角度符号前面的数据只能是数字，不能是向量、数组和矩阵，而+" + ValueToText(x, d) + u"不是数字数据！");
    return Value::Zero();
  }
  return Value::Number(x.First() * 0.017453292519943295);
}

Value SquareRootSign(const Value& x, int d) {
  Value out = x;
  for (int r = 1; r <= x.Rows(); ++r)
    for (int c = 1; c <= x.Columns(); ++c) {
      const double e = x.At(r, c);
      if (e < 0) {
        const std::u16string t = FixedText(e, d);
        switch (x.GetKind()) {
          case kNumber:
            AddError(u"开平方符号不能求取小于0的开平方数字，" + t + u"小于0，故无法计算！");
            break;
          case kVector:
            AddError(u"开平方符号不能求取小于0的开平方项，向量的第" + DecimalText(r) + u"个分量" + t + u"小于0，故无法计算！");
            break;
          case kMatrix:
            AddError(u"开平方符号不能求取小于0的开平方项，矩阵的第" + DecimalText(r) + u"行第" + DecimalText(c) +
                     u"列的项" + t + u"小于0，故无法计算！");
            break;
          default:
            AddError(u"开平方符号不能求取小于0的开平方项，数组的第" + DecimalText(c) + u"项" + t + u"小于0，故无法计算！");
            break;
        }
        return Value::Zero();
      }
      out.At(r, c) = std::sqrt(e);
    }
  return out;
}

}  // namespace zuvo
