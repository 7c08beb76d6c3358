#include "library/applied/quadratic.h"

#include <cmath>

#include "engine/errors.h"
#include "library/calls.h"

namespace zuvo {
namespace {

Value Roots(double a, double b, double c) {
  if (a == 0) {
    // Not a quadratic equation: both roots would divide by 2a = 0.
    AddError(u"一元二次方程根(系数1,系数2,常数)的第一个参数系数1为0，不是一元二次方程，故无法计算！");
    return Value::Empty();
  }
  const double discriminant = b * b - a * 4 * c;
  if (discriminant < 0) {
    AddError(u"一元二次方程根(系数1,系数2,常数)无解，请输入其他值进行计算！");
    return Value::Empty();
  }
  const double root = std::sqrt(discriminant);
  Value out = Value::Shaped(1, 2);
  out.At(1, 1) = (root - b) / (a * 2);
  out.At(1, 2) = (-b - root) / (a * 2);
  return out;
}

}  // namespace

Value QuadraticRoots(const Value& a, const Value& b, const Value& c) {
  bool ok = true;
  if (!a.IsNumber()) {
    AddError(u"一元二次方程根(系数1,系数2,常数)的第一个参数系数1填入的不是数字，故无法计算！");
    ok = false;
  }
  if (!b.IsNumber()) {
    AddError(u"一元二次方程根(系数1,系数2,常数)的第二个参数系数2填入的不是数字，故无法计算！");
    ok = false;
  }
  if (!c.IsNumber()) {
    AddError(u"一元二次方程根(系数1,系数2,常数)的第三个参数常数填入的不是数字，故无法计算！");
    ok = false;
  }
  if (!ok) return Value::Empty();
  return Roots(a.First(), b.First(), c.First());
}

Value QuadraticRootsOfArray(const Value& coefficients) {
  if (coefficients.IsEmpty() || coefficients.Columns() != 3) {
    AddError(u"一元二次方程根({...})的{...}项总数不等于3个，故无法计算！");
    return Value::Empty();
  }
  return Roots(coefficients.At(1, 1), coefficients.At(1, 2), coefficients.At(1, 3));
}

// Adapter: one argument is the array form, three the coefficient form.
std::optional<Value> CallQuadraticRoots(const CallArgs& args) {
  if (args.values.size() == 1) return QuadraticRootsOfArray(args.values[0]);
  if (args.values.size() == 3) return QuadraticRoots(args.values[0], args.values[1], args.values[2]);
  return std::nullopt;
}

}  // namespace zuvo
