// The table of built-in functions that the dispatch recognises in front of a
// bracket: one record per name with its argument rule, reading, messages and
// operation. Formula functions (累加, 积分, …) are handled by the formula stage.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "engine/call_args.h"

namespace zuvo {

// Most arguments a function with a list of arguments takes.
inline constexpr std::size_t kMaxListArguments = 1023;

// Gives the message for a wrong number of arguments, or an empty view when n
// arguments are accepted. Used by functions whose counts have messages of
// their own.
using CountRule = std::u16string_view (*)(std::size_t n);

struct FunctionEntry {
  std::u16string_view name;
  // True: the argument text is read whole as one argument (no cutting, no
  // counting).
  bool whole_text;
  // How each argument is read, one letter per argument, the last repeating:
  // e an expression, l a literal, r raw text.
  std::u16string_view reading;
  std::size_t min_args, max_args;
  std::u16string_view empty_message;
  std::u16string_view too_many_message;  // empty: no message of its own
  std::u16string_view too_few_message;
  CountRule count_rule;  // overrides min/max and their messages when set
  Operation operation;
};

// The entries in the order names are tested: longer names first.
std::span<const FunctionEntry> FunctionTable();

}  // namespace zuvo
