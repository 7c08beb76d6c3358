#include "library/applied/formula_calculus.h"

#include <cmath>
#include <limits>

#include "engine/evaluator.h"
#include "engine/stop.h"
#include "library/applied/formula_binding.h"
#include "library/core/arithmetic.h"
#include "library/core/division_power.h"

namespace zuvo {
namespace {

// The sample after x on the way to `end`: one step on while that does not
// pass the end, else the end itself.
double NextPoint(double x, double end, double step) {
  if (x <= end - step) return x + step;
  if (x >= end + step) return x - step;
  return end;
}

Value Sample(const std::u16string& formula, const std::u16string& name, const Value& x, int decimals) {
  return Evaluate(BindVariable(formula, name, x, decimals), decimals);
}

Value Scaled(const Value& v, double factor) {
  return v.Map([factor](double x) { return x * factor; });
}

// A variable of a grid walk with its current point and the width of the step
// that led there (0 at the left value).
struct Axis {
  const Range* range;
  double x;
  double width_before;
};

// Walks every grid point of the ranges, first variable fastest, and adds the
// formula's value at each point, weighted by the product of the per-variable
// trapezoid weights when `trapezoid` is set.
Value WalkGrid(const std::u16string& formula, const std::vector<Range>& ranges, double step, bool trapezoid,
               int decimals) {
  std::vector<Axis> axes;
  axes.reserve(ranges.size());
  for (const Range& r : ranges) axes.push_back({&r, r.left, 0.0});
  Value result = Value::Zero();
  std::u16string text;
  std::u16string bound;
  for (;;) {
    if (SpendWorkStep()) break;
    text = formula;
    double weight = 1.0;
    for (const Axis& a : axes) {
      bound = BindVariable(text, a.range->name, Value::Number(a.x), decimals);
      text.swap(bound);
      if (trapezoid) {
        const double width_after = a.x == a.range->right ? 0.0 : std::fabs(NextPoint(a.x, a.range->right, step) - a.x);
        weight *= (a.width_before + width_after) / 2;
      }
    }
    const Value f = Evaluate(text, decimals);
    result = AddOrSubtract(result, trapezoid ? Scaled(f, weight) : f, AddOp::kAdd, decimals);

    std::size_t k = 0;
    while (k < axes.size() && axes[k].x == axes[k].range->right) ++k;
    if (k == axes.size()) break;
    for (std::size_t j = 0; j < k; ++j) {
      axes[j].x = axes[j].range->left;
      axes[j].width_before = 0.0;
    }
    const double next = NextPoint(axes[k].x, axes[k].range->right, step);
    if (next == axes[k].x) break;  // a step that cannot move; WalkReachesEnd rules it out
    axes[k].width_before = std::fabs(next - axes[k].x);
    axes[k].x = next;
  }
  return result;
}

}  // namespace

bool WalkReachesEnd(double left, double right, double step) {
  if (!std::isfinite(left) || !std::isfinite(right) || !(step > 0)) return false;
  if (left == right) return true;
  const double m = std::fmax(std::fabs(left), std::fabs(right));
  const double spacing = std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
  return step > spacing;
}

Value Sum(const std::u16string& formula, const std::u16string& name, std::int64_t a, std::int64_t b,
          int decimals) {
  const std::int64_t direction = a <= b ? 1 : -1;
  Value result;
  for (std::int64_t k = a;; k += direction) {
    if (SpendWorkStep()) break;
    const Value f = Sample(formula, name, Value::Number(static_cast<double>(k)), decimals);
    result = k == a ? f : AddOrSubtract(result, f, AddOp::kAdd, decimals);
    if (k == b) break;
  }
  return result;
}

Value Integral(const std::u16string& formula, const std::u16string& name, double a, double b, double h,
               int decimals) {
  Value result;
  double x = a;
  double width_before = 0.0;
  for (bool first = true;; first = false) {
    if (SpendWorkStep()) break;
    const bool last = x == b;
    const double next = last ? x : NextPoint(x, b, h);
    const double width_after = std::fabs(next - x);
    const Value f = Sample(formula, name, Value::Number(x), decimals);
    const Value term = Scaled(f, (width_before + width_after) / 2);
    result = first ? term : AddOrSubtract(result, term, AddOp::kAdd, decimals);
    if (last || next == x) break;
    width_before = width_after;
    x = next;
  }
  return a > b ? Negate(result) : result;
}

Value Derivative(const std::u16string& formula, const std::u16string& name, const Value& x, double h,
                 int decimals) {
  const double at = x.First();
  const Value below = Sample(formula, name, Value::Number(at - h), decimals);
  const Value above = Sample(formula, name, Value::Number(at + h), decimals);
  return Divide(AddOrSubtract(above, below, AddOp::kMin, decimals), Value::Number(2 * h), decimals);
}

Value FunctionValue(const std::u16string& formula, const std::u16string& name, const Value& value, int decimals) {
  return Sample(formula, name, value, decimals);
}

Value FunctionDifference(const std::u16string& formula, const std::u16string& name, const Value& first,
                         const Value& second, int decimals) {
  const Value at_first = Sample(formula, name, first, decimals);
  const Value at_second = Sample(formula, name, second, decimals);
  return AddOrSubtract(at_first, at_second, AddOp::kMin, decimals);
}

Value MultiSum(const std::u16string& formula, const std::vector<Range>& ranges, int decimals) {
  return WalkGrid(formula, ranges, 1.0, false, decimals);
}

Value MultiIntegral(const std::u16string& formula, const std::vector<Range>& ranges, double h, int decimals) {
  const Value result = WalkGrid(formula, ranges, h, true, decimals);
  std::size_t reversed = 0;
  for (const Range& r : ranges) reversed += r.left > r.right;
  return reversed % 2 == 1 ? Negate(result) : result;
}

Value MultiFunctionValue(const std::u16string& formula, const std::vector<Point>& points, int decimals) {
  std::u16string text = formula;
  for (const Point& p : points) text = BindVariable(text, p.name, p.value, decimals);
  return Evaluate(text, decimals);
}

Value MultiFunctionDifference(const std::u16string& formula, const std::vector<PointPair>& pairs, int decimals) {
  std::u16string first = formula;
  std::u16string second = formula;
  for (const PointPair& p : pairs) {
    first = BindVariable(first, p.name, p.first, decimals);
    second = BindVariable(second, p.name, p.second, decimals);
  }
  const Value at_first = Evaluate(first, decimals);
  const Value at_second = Evaluate(second, decimals);
  return AddOrSubtract(at_first, at_second, AddOp::kMin, decimals);
}

}  // namespace zuvo
