// Conversions between UTF-8 and UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace zuvo {

// Malformed UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace zuvo
