// 一元二次方程根: the two real roots of a x^2 + b x + c = 0 as the array
// {(sqrt(D) - b) / 2a, (-b - sqrt(D)) / 2a} with D = b^2 - 4ac. On a failed
// test the result is the empty value.
#pragma once

#include "engine/value.h"

namespace zuvo {

// The three-coefficient form: a, b and c must each be a number and a not 0.
Value QuadraticRoots(const Value& a, const Value& b, const Value& c);
// The array form: the first three cells of row 1 of a value with three
// columns are a, b and c.
Value QuadraticRootsOfArray(const Value& coefficients);

}  // namespace zuvo
