// Rounding and integer parts, element by element on a value of any kind.
#pragma once

#include "engine/value.h"

namespace zuvo {

// How a discarded part of exactly one half is rounded.
enum class HalfRule {
  kAwayFromZero,  // 老式舍入: 2.5 → 3, -2.5 → -3
  kToEven,        // 舍入 (四舍六入五留双): 2.5 → 2, 3.5 → 4
};

// x rounded to the given number of decimal places (negative: tens, hundreds,
// ...), judged on the shortest decimal digits that read back as x, so the
// digits the user sees decide: 2.675 counts as exactly 2.675. The result is
// the double nearest the rounded decimal. Infinities and NaN are returned
// as they are.
double RoundDecimal(double x, long long places, HalfRule rule);

// 老式舍入 and 舍入: every element of x rounded to d decimal places, d being
// the number in `places`; d must be a whole number, otherwise a message and
// the empty value.
Value OldStyleRound(const Value& x, const Value& places, int decimals);
Value RoundToPlaces(const Value& x, const Value& places, int decimals);

Value Floor(const Value& x);           // 向下取整
Value Ceiling(const Value& x);         // 向上取整
Value IntegerPart(const Value& x);     // 取整: truncation toward zero
Value FractionalPart(const Value& x);  // 取小数: x − 取整(x), sign of x

}  // namespace zuvo
