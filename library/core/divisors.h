// Greatest common divisor and least common multiple of whole numbers.
#pragma once

#include <vector>

#include "engine/value.h"

namespace zuvo {

// Largest magnitude served: every whole number up to it is exact in a double.
inline constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53

// Both work by Euclid's algorithm on the absolute values: gcd(0, x) = |x|,
// the gcd of zeros is 0, and an lcm with a 0 among its values is 0. Values
// must be whole numbers of magnitude at most 2^53, and so must the lcm; the
// first failure gives one message and the zero number.
//
// List forms: the values are separate number arguments.
Value GreatestCommonDivisor(const std::vector<Value>& values, int decimals);
Value LeastCommonMultiple(const std::vector<Value>& values, int decimals);
// Array forms: the values are the items of one array.
Value GreatestCommonDivisorOfArray(const Value& x, int decimals);
Value LeastCommonMultipleOfArray(const Value& x, int decimals);

}  // namespace zuvo
