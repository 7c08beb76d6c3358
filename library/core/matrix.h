// Matrix algebra: determinant, identity matrix, transpose, adjugate, inverse.
#pragma once

#include "engine/value.h"

namespace zuvo {

// Matrices up to this size are worked by cofactor expansion along the first
// column, the textbook method whose rounding users can follow by hand; larger
// ones by Gaussian elimination with full pivoting (cubic work).
inline constexpr int kCofactorMaxSize = 8;

// 行列式: the determinant of a square value (a number is its own, the empty
// value gives 0). Not square: a message and the empty value.
Value Determinant(const Value& a, int decimals);
// 单位矩阵: the n x n identity for a whole n from 0 to 100 held in x; n = 0
// gives the empty value. Anything else: a message and the empty value.
Value IdentityMatrix(const Value& x, int decimals);
// 转置: rows become columns; every kind, no message.
Value Transpose(const Value& a);
// 伴随: the transposed cofactor matrix; a number's adjugate is 1. Not
// square: a message and the empty value.
Value Adjugate(const Value& a, int decimals);
// 求逆: adjugate times the reciprocal of the determinant; a determinant of
// exactly 0 gives a message and the empty value.
Value Inverse(const Value& a, int decimals);

}  // namespace zuvo
