// Counting functions: 组合数, 排列数, and the integer sequences 汉诺塔数,
// 卡特兰数 and 斐波那契数. Each works element by element on a value of any
// kind and keeps its shape; on a failed test it adds one message and returns
// the zero number.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/value.h"

namespace zuvo {

// The binomial coefficient C(n, k); 0 when k > n. While the falling factorial
// n(n-1)...(n-k+1) and k! both fit 64 bits, the two products are converted
// to doubles and divided (exact below 2^53). Beyond that the exact
// coefficient is rounded once to a double (infinity past the double range).
double Combinations(std::uint64_t n, std::uint64_t k);
// The same for whole, non-negative doubles of any size.
double CombinationsOfWhole(double n, double k);
// The number of arrangements n! / (n-k)! of whole, non-negative doubles,
// rounded once to a double; 0 when k > n.
double PermutationsOfWhole(double n, double k);
// The factorial of floor(x), formed in doubles; 1 when floor(x) <= 0.
double FactorialOf(double x);

// 组合数(x1,x2): element-wise C(x1, x2) of two values of one shape.
Value CombinationsOf(const Value& x1, const Value& x2, int decimals);
// 排列数(x1,x2): element-wise x1! / (x1 - x2)! of two values of one shape.
Value PermutationsOf(const Value& x1, const Value& x2, int decimals);
// 汉诺塔数(x): element-wise 2^x - 1, every element a whole number >= 1.
Value HanoiNumbers(const Value& x, int decimals);
// 卡特兰数(x): element-wise Catalan number, exact while it fits a double.
Value CatalanNumbers(const Value& x, int decimals);
// 斐波那契数(x): element-wise F(x), F(1) = F(2) = 1, sums formed in doubles.
Value FibonacciNumbers(const Value& x, int decimals);

}  // namespace zuvo
