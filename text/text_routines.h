// Text routines with 1-based positions and inclusive ranges; position 0 means
// "not found". The same routines serve wide texts (UTF-16 code units) and
// 8-bit texts (bytes).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zuvo {

// Code units first..last of the text; nothing when last < first or the range
// leaves the text.
std::optional<std::u16string> TextSlice(std::u16string_view text, std::size_t first, std::size_t last);
// count code units from position first; nothing when they do not fit.
std::optional<std::u16string> TextMid(std::u16string_view text, std::size_t first, std::size_t count);
// Removes positions first..last; nothing changes when last < first or last is
// beyond the end.
void TextDelete(std::u16string& text, std::size_t first, std::size_t last);
// Inserts so that the source starts at the position; nothing changes when the
// position is beyond length + 1.
void TextInsert(std::u16string& text, std::size_t position, std::u16string_view source);
// 0 when equal, 1 when a is greater at the first difference, 255 when smaller;
// a proper prefix is smaller.
int TextCompare(std::u16string_view a, std::u16string_view b);
// First position >= from where the pattern occurs; 0 when there is none. An
// empty pattern is found at from.
std::size_t TextFind(std::u16string_view text, std::u16string_view pattern, std::size_t from = 1);
// Occurrences of the pattern, counted without overlap; 0 for an empty pattern.
std::size_t TextCount(std::u16string_view text, std::u16string_view pattern);

std::optional<std::string> TextSlice8(std::string_view text, std::size_t first, std::size_t last);
std::optional<std::string> TextMid8(std::string_view text, std::size_t first, std::size_t count);
// Compares over the common length only: a prefix counts as equal.
int TextCompare8(std::string_view a, std::string_view b);
std::size_t TextFind8(std::string_view text, std::string_view pattern, std::size_t from = 1);
std::size_t TextCount8(std::string_view text, std::string_view pattern);

}  // namespace zuvo
