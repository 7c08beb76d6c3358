// Sums, products and sign operations on values.
#pragma once

#include "engine/value.h"

namespace zuvo {

enum class AddOp { kAdd, kMin };

// Element-wise sum or difference of values of one shape; an empty operand
// counts as absent.
Value AddOrSubtract(const Value& left, const Value& right, AddOp op, int decimals);
// Products by kind: scaling, grid products, cross products of vectors.
Value Product(const Value& left, const Value& right, int decimals);
// Sum of the products of corresponding elements of two values of one shape.
Value DotProduct(const Value& left, const Value& right, int decimals);
// Euclidean length of a vector.
Value VectorLength(const Value& v, int decimals);
Value Negate(const Value& v);
Value AbsoluteValue(const Value& v);

}  // namespace zuvo
