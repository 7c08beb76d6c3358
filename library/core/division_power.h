// Division, remainder, powers and the one-operand signs % ‰ ! ° √.
#pragma once

#include "engine/value.h"

namespace zuvo {

Value Divide(const Value& dividend, const Value& divisor, int decimals);
Value Remainder(const Value& dividend, const Value& modulus, int decimals);
Value Percent(const Value& x);
Value PerMille(const Value& x);
Value Power(const Value& base, const Value& exponent, int decimals);
// The real power of two numbers.
double RealPower(double base, double exponent);
Value FactorialSign(const Value& x, int decimals);
Value DegreeSign(const Value& x, int decimals);
Value SquareRootSign(const Value& x, int decimals);

}  // namespace zuvo
