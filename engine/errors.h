// The list of messages produced while one input line is evaluated.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuvo {

// At most this many messages are kept for one line; further ones are dropped.
inline constexpr std::size_t kMaxErrors = 10000;

// Appends a copy of the message to the calling thread's list.
void AddError(std::u16string_view message);
// Empties the calling thread's list.
void ClearErrors();
std::size_t ErrorCount();
const std::vector<std::u16string>& Errors();

}  // namespace zuvo
