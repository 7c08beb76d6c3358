// Probability distributions: 两点分布, 二项分布, 负二项分布, 泊松分布, 几何分布,
// 超几何分布, 正态分布, 均匀分布 and 指数分布. The forms at x work element by
// element and keep the shape of x; a table is an array whose item k + 1 is the
// probability of the value k. On a failed test an operation adds its message
// (or messages) and returns the zero number.
#pragma once

#include "engine/value.h"

namespace zuvo {

// {p, 1 - p}: the probability of 1 first.
Value TwoPointTable(double p);
// p^x (1 - p)^(1 - x) for every element x, which must be 0 or 1; p in [0, 1].
Value TwoPointAt(const Value& x, double p, int decimals);

// The n + 1 probabilities C(n, k) p^k (1 - p)^(n - k), k = 0 ... n (n = 0 gives
// the number 1). n whole, 0 <= n <= 99; p in [0, 1].
Value BinomialTable(double n, double p);
// C(n, x) p^x (1 - p)^(n - x) for every element x, whole with 0 <= x <= n.
Value BinomialAt(const Value& x, double n, double p);
// As the binomial forms with the roles of p and 1 - p exchanged.
Value NegativeBinomialTable(double n, double p);
Value NegativeBinomialAt(const Value& x, double n, double p);

// lambda^x / x! e^-lambda for every element x, whole and >= 0; lambda >= 0.
Value PoissonAt(const Value& x, double lambda);
// The probability that the first success comes at trial x: p (1 - p)^(x - 1),
// x whole and >= 1, 0 < p <= 1.
Value GeometricAt(const Value& x, double p);
// x items of the kind "0" among drawn items taken from total items of which
// zeros are of that kind: C(zeros, x) C(total - zeros, drawn - x) / C(total, drawn).
Value HypergeometricAt(const Value& x, double drawn, double total, double zeros);
// The normal density with mean mu and spread sigma > 0.
Value NormalAt(const Value& x, double mu, double sigma);
// 1 / (b - a) strictly between a and b, 0 elsewhere; a <= b.
Value UniformAt(const Value& x, double a, double b);
// 0 for x < 0, lambda e^(-lambda x) otherwise; lambda >= 0.
Value ExponentialAt(const Value& x, double lambda);

}  // namespace zuvo
