// The expression evaluator: rewrites the text group by group until no
// bracket group is left, then hands it to the operator engine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/value.h"

namespace zuvo {

// A pair of grouping brackets: positions (0-based) of the opening bracket and
// of its closing bracket, or kUnclosed.
struct BracketPair {
  static constexpr std::size_t kUnclosed = static_cast<std::size_t>(-1);
  std::size_t open;
  std::size_t close;
};

// Most bracket pairs one line may hold.
inline constexpr std::size_t kMaxBracketPairs = 10000;
// Most levels of evaluations nested inside each other (literal entries,
// formula samples, substitutions).
inline constexpr int kMaxNesting = 100;

// Evaluates one expression; messages go to the error list, which it never
// clears. An empty text gives the empty value without a message.
Value Evaluate(std::u16string_view text, int decimals);

// Replaces work[start..end] (inclusive) by the literal text of the value,
// inserting "*" where the value meets another value, and brings the pairs in
// line with the new text. Used by the evaluator and the formula stage.
void ReplaceWithValue(std::u16string& work, std::vector<BracketPair>& pairs, std::size_t start,
                      std::size_t end, const Value& value, int decimals);

}  // namespace zuvo
