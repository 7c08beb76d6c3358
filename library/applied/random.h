// 随机数: values filled with pseudo-random numbers, and the program's one
// random generator, which the scrambling of store files draws from too.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/value.h"

namespace zuvo {

// Restarts the generator from a fixed seed (zuvo-calc --seed N), so that a
// run can be repeated. Without it the generator is seeded from the clock.
void SeedRandom(std::uint64_t seed);
// A uniform real r with 0 <= r < 1 (53 random bits).
double RandomUnit();
// 64 uniform random bits.
std::uint64_t RandomBits();

// A rows x columns value over the widest range, -2^63 <= v < 2^63: type
// "整数" gives whole numbers (every 64-bit whole number equally likely before
// rounding down to a double), "实数" real numbers. Other type texts add a
// message and give the zero number. Callers keep rows and columns within
// 1..100.
Value RandomFill(int columns, int rows, std::u16string_view type);
// The same from a range: "实数" draws from [least, greatest), "整数" the whole
// numbers floor(r (greatest - least + 1) + least), so for whole bounds every
// number from least to greatest inclusive is equally likely.
Value RandomFillRange(int columns, int rows, double least, double greatest,
                      std::u16string_view type);

}  // namespace zuvo
