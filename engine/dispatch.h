// The function dispatch: recognises a built-in function name in front of a
// bracket, cuts and reads its arguments, and calls it.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/value.h"

namespace zuvo {

struct FunctionEntry;

// The entry whose name ends right before the opening bracket at `open`
// (0-based), longer names first; nullptr when none matches.
const FunctionEntry* MatchFunctionName(std::u16string_view text, std::size_t open);
std::size_t FunctionNameLength(const FunctionEntry& entry);

enum class CallOutcome { kValue, kRejected, kEndEvaluation };

// Calls the function on its argument text (nothing for empty brackets or an
// unclosed bracket: the empty-argument message ends the evaluation).
CallOutcome CallFunction(const FunctionEntry& entry, std::optional<std::u16string_view> arguments,
                         int decimals, Value& result);

}  // namespace zuvo
