// Number literals (decimal, B binary, O octal, H hexadecimal, with π ε τ)
// and data literals (<vectors>, [matrices], {arrays}).
#pragma once

#include <string_view>

#include "engine/value.h"

namespace zuvo {

// One number; a malformed one adds a message and reads as 0.
double ParseNumber(std::u16string_view text);
// One operand: a number, a negative number (-x) or a data literal, possibly
// negated by a leading "-".
Value ParseLiteral(std::u16string_view text);

}  // namespace zuvo
