// The formula functions: sums, integrals, derivatives and function values of
// a formula text over named variables. Every sample binds its values into the
// formula text and evaluates the result afresh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/value.h"

namespace zuvo {

// One variable of a multi-dimensional sum or integral and its range.
struct Range {
  std::u16string name;
  double left = 0;
  double right = 0;
};
// One variable and the value bound to it.
struct Point {
  std::u16string name;
  Value value;
};
// One variable and the two values of a difference.
struct PointPair {
  std::u16string name;
  Value first;
  Value second;
};

// True when the walk from left to right in steps of `step` (left, left ± step,
// …, then right itself) is finite: both ends finite and the step larger than
// the spacing of doubles over the range, so that every step moves.
bool WalkReachesEnd(double left, double right, double step);

// Sum of the formula over the whole numbers from a to b, both included, in
// either direction.
Value Sum(const std::u16string& formula, const std::u16string& name, std::int64_t a, std::int64_t b,
          int decimals);
// Trapezoid rule over the points a, a ± h, … that do not pass b, then b;
// negated when a > b. Callers check WalkReachesEnd(a, b, h) first.
Value Integral(const std::u16string& formula, const std::u16string& name, double a, double b, double h,
               int decimals);
// (f(x + h) − f(x − h)) / (2h) for the number x.
Value Derivative(const std::u16string& formula, const std::u16string& name, const Value& x, double h,
                 int decimals);
Value FunctionValue(const std::u16string& formula, const std::u16string& name, const Value& value, int decimals);
// Value at the first argument minus value at the second.
Value FunctionDifference(const std::u16string& formula, const std::u16string& name, const Value& first,
                         const Value& second, int decimals);

// Sum over every grid point, each variable stepping by 1 from its left value
// to its right value (which is always the last point, hit exactly), the
// first variable fastest. The running result starts at the number 0.
Value MultiSum(const std::u16string& formula, const std::vector<Range>& ranges, int decimals);
// Trapezoid rule over the grid of the single-variable sample points, each
// point weighted by the product of its per-variable weights; negated when an
// odd number of ranges run backwards.
Value MultiIntegral(const std::u16string& formula, const std::vector<Range>& ranges, double h, int decimals);
// The names are bound in order, each into the text of the previous binding.
Value MultiFunctionValue(const std::u16string& formula, const std::vector<Point>& points, int decimals);
Value MultiFunctionDifference(const std::u16string& formula, const std::vector<PointPair>& pairs, int decimals);

}  // namespace zuvo
