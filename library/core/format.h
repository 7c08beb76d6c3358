// Text forms of values: the literal form used in messages and written back
// into expressions, and the result form shown to the user.
#pragma once

#include <string>

#include "engine/value.h"

namespace zuvo {

// One number in fixed-point notation with D decimals (D above 216 counts as
// 216). NaN and infinities read "Nan", "+Inf", "-Inf". In messages, numbers
// beyond 2^119 or with a decimal exponent outside -35..35 take the ten
// character scientific form (" 1.0E+0040"); FixedExpressionText never does.
std::u16string FixedText(double x, int decimals);
std::u16string FixedExpressionText(double x, int decimals);

// A value in literal form for messages: numbers (negative ones in
// parentheses), <vectors>, [matrix rows], {arrays}; the empty value is "".
std::u16string ValueToText(const Value& v, int decimals);
// The same literal form for writing a value back into an expression text: it
// always uses fixed notation so that the text reads back as the value.
std::u16string ValueToExpressionText(const Value& v, int decimals);

// One number in radix 2, 8, 10 or 16 with at most count fraction digits,
// truncated, trailing zeros removed; prefixes B, O, H mark the radix.
std::u16string RadixText(double x, int radix, int count);

// The result text of a line. Radix 10 with fixed decimals first rounds to 15
// significant digits; automatic decimals and the other radixes show the exact
// digits of the stored double.
std::u16string FormatResult(const Value& v, int radix, bool automatic, int decimals);

// A whole number written in decimal, for positions and counts in messages.
std::u16string DecimalText(long long n);

}  // namespace zuvo
