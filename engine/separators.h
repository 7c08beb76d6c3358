// Which commas of an argument text separate the arguments of a call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuvo {

// A comma separates arguments only at bracket depth 0, counting the grouping
// brackets ( （ 【 and the literal brackets [ < { with their closers, so the
// commas inside vectors, matrices, arrays and nested calls stay with their
// argument. A stray closer never takes the depth below 0. Depth is always
// counted from the start of the text.

// Position (1-based) of the first separating comma at or after the 1-based
// position start, or 0 when there is none.
std::size_t FindSeparator(std::u16string_view args, std::size_t start);

// Number of separating commas in the text.
std::size_t CountSeparators(std::u16string_view args);

// The argument texts between the separating commas, in order, each trimmed
// of spaces at both ends: CountSeparators + 1 of them.
std::vector<std::u16string> CutArguments(std::u16string_view args);

}  // namespace zuvo
