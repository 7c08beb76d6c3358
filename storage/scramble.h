// Scrambling of store texts: every wide character becomes "/", an alphabet
// selector and up to three two-character base-127 digits of its shifted code.
// The three tables below are the key; a file reads back only with the tables
// that wrote it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace zuvo {

inline constexpr std::size_t kShiftCount = 30;
inline constexpr std::size_t kAlphabetCount = 13;
inline constexpr std::size_t kAlphabetLength = 254;
inline constexpr int kDigitBase = 127;

// Shift added to the character at position p (counted from 1) of a field is
// kScrambleShifts[p % 30].
extern const std::array<std::int16_t, kShiftCount> kScrambleShifts;
// 13 alphabets of 254 printable characters (33..126, none of / | :); code d
// of an alphabet is its characters 2d and 2d+1, and the 127 codes of one
// alphabet are pairwise different.
extern const std::array<std::string_view, kAlphabetCount> kScrambleAlphabets;
// kAlphabetSelectors[k] names alphabet k (0-based here).
extern const std::string_view kAlphabetSelectors;

// Scrambles with a generator of the caller's (tests use a fixed seed).
std::string ScrambleText(std::u16string_view text, std::mt19937& generator);
// Scrambles with the program's clock-seeded generator.
std::string ScrambleText(std::u16string_view text);
// Appends the scrambled text to out; the form the serializers use.
void AppendScrambled(std::string& out, std::u16string_view text, std::mt19937& generator);

// Unscrambles at most max_chars characters (the capacity of the field being
// read). Bytes before the first "/" are ignored, so the result has as many
// characters as the text has "/" (up to max_chars). Digit segments of any
// length are read pair by pair modulo 65536; a last odd character is ignored.
std::u16string UnscrambleText(std::string_view text,
                              std::size_t max_chars = std::numeric_limits<std::size_t>::max());

// The digit 0..126 of a two-character code in the alphabet named by the
// selector; 0 when the selector names no alphabet, the code is not in it, or
// the code is not two characters long.
int DecodeDigit(std::string_view code, char selector);

// The program's generator, seeded from the clock and the system's entropy.
std::mt19937& ScrambleGenerator();

}  // namespace zuvo
