// What a built-in function receives from the function dispatch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/value.h"

namespace zuvo {

// The arguments of one call, cut at their separators and trimmed of spaces.
struct CallArgs {
  // The argument texts in order; functions that read their whole argument
  // text as one expression or literal get exactly one text.
  std::vector<std::u16string> texts;
  // Each argument read as the function's table entry says (an expression, a
  // literal); arguments passed as raw text hold the empty value here.
  std::vector<Value> values;
  // Decimal count of the evaluation: used to write values into messages.
  int decimals = 10;
};

// A built-in function: runs its checks, adding a message for each failing one,
// and returns its result, or nothing when the call is rejected (the evaluator
// then puts the zero number in its place).
using Operation = std::optional<Value> (*)(const CallArgs&);

// Reading helpers for functions that read some arguments themselves.
// An argument as an expression without bracket groups (the operator engine).
Value ReadExpression(const std::u16string& text, int decimals);
// An argument as a number or data literal.
Value ReadLiteral(const std::u16string& text);

}  // namespace zuvo
