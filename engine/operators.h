// The operator engine: evaluates a text without bracket groups.
#pragma once

#include <string_view>

#include "engine/value.h"

namespace zuvo {

// Operands joined by + - · * × / ÷ % ^ and the signs ! ° ² ³ ‰ % √. Powers
// bind tightest (from the right), then products and quotients, then sums,
// each left to right.
Value EvaluateOperators(std::u16string_view text, int decimals);

}  // namespace zuvo
