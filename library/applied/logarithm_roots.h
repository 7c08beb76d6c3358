// Element-wise logarithm, roots and powers: 对数, 平方根, 立方根, 平方 and 立方.
// Each keeps the shape of its argument.
#pragma once

#include "engine/value.h"

namespace zuvo {

// The logarithm of every element of x to the base element at the same place.
// The two values must have the same kind and shape; every base element > 0
// and not 1 unless its true number is 1 too (then the result is 1); every
// true number > 0. The first failing place adds its message (or two) and
// gives the zero number.
Value Logarithm(const Value& base, const Value& x, int decimals);
// The square root of every element; zero gives zero, and the first negative
// (or not-a-number) element adds its message and gives the zero number.
Value SquareRoot(const Value& x, int decimals);
// The real cube root of every element, negative ones included.
Value CubeRoot(const Value& x);
// Every element multiplied by itself (entry by entry, not a matrix product).
Value Square(const Value& x);
// Every element cubed, entry by entry.
Value Cube(const Value& x);

}  // namespace zuvo
