// Statistics over a list of numbers or the items of one array.
#pragma once

#include <vector>

#include "engine/value.h"

namespace zuvo {

// List forms: every argument must be a number; the first that is not stops
// the operation with a message and the empty value. Variance and standard
// deviation are those of the population (divided by n).
Value Maximum(const std::vector<Value>& values, int decimals);
Value Minimum(const std::vector<Value>& values, int decimals);
Value Mean(const std::vector<Value>& values, int decimals);
Value Variance(const std::vector<Value>& values, int decimals);
Value StandardDeviation(const std::vector<Value>& values, int decimals);

// Array forms: the same statistics over the items of an array. Any other kind
// gives a message and the empty value (maximum, minimum) or the zero number
// (mean, variance, standard deviation).
Value MaximumOfArray(const Value& x, int decimals);
Value MinimumOfArray(const Value& x, int decimals);
Value MeanOfArray(const Value& x, int decimals);
Value VarianceOfArray(const Value& x, int decimals);
Value StandardDeviationOfArray(const Value& x, int decimals);

}  // namespace zuvo
