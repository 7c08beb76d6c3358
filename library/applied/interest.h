// Interest and discount: 单利, 复利 and 折扣, element by element over a
// principal (or two values) of any kind. On a failed test the result is the
// empty value.
#pragma once

#include "engine/value.h"

namespace zuvo {

// Every element p of the principal becomes p (r n + 1); r > 0 and n > 0.
Value SimpleInterest(const Value& principal, double rate, double periods);
// Every element p of the principal becomes p (r + 1)^n; r > 0 and n > 0.
Value CompoundInterest(const Value& principal, double rate, double periods);
// The discount rate (o - k) / o of every pair of elements of two values of one
// shape; both elements positive and the rate within [0, 1].
Value Discount(const Value& base, const Value& current, int decimals);

}  // namespace zuvo
