// Fuzz target for the calculate flow: any text, any options, through every
// stage from the line split to the result listing.
//
// Input layout: the first byte selects the options, the rest is UTF-8 text.
//   bits 0-1  radix: 10, 16, 2, 8
//   bit  2    automatic decimals
//   bit  3    result inheritance (结果n)
//   bit  4    two constants, x and 半径
//   bits 5-7  decimals: 0, 2, 10, 20, 5, 1, 15, 10
// So a seed file starting with "@" runs at radix 10 with 10 decimals and no
// flags; "H" adds inheritance, "P" constants, "D" automatic decimals and
// "A", "B", "C" switch to radix 16, 2 and 8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculate.h"
#include "engine/stop.h"
#include "text/utf.h"

namespace {

// Evaluation passes and formula samples one input may spend; enough for
// every seed, small enough that no input runs for long.
constexpr std::int64_t kWorkPerInput = 20000;

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr int kRadixes[] = {10, 16, 2, 8};
  static constexpr int kDecimals[] = {0, 2, 10, 20, 5, 1, 15, 10};
  const std::uint8_t bits = data[0];
  zuvo::CalculateOptions options;
  options.radix = kRadixes[bits & 3];
  options.automatic = (bits & 4) != 0;
  options.inherit = (bits & 8) != 0;
  if (bits & 16) options.constants = {{u"半径", u"结果0*2"}, {u"x", u"2+1"}};
  options.decimals = kDecimals[bits >> 5];

  const std::u16string text =
      zuvo::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  if (text.empty()) return 0;

  zuvo::SetWorkBudget(kWorkPerInput);
  bool all_correct = false;
  const std::vector<std::u16string> listing = zuvo::CalculateAll(text, options, &all_correct);
  zuvo::SetWorkBudget(-1);

  // Every input line gets a listing line of its own (unless the work budget
  // cut the run short), and the listing holds nothing but listing lines.
  std::size_t headers = 0;
  bool failed = false;
  for (const std::u16string& line : listing) {
    if (StartsWith(line, u"算式")) {
      ++headers;
      failed = failed || line.find(u"错误，错误如下：") != std::u16string::npos;
    } else if (!StartsWith(line, u"错误")) {
      __builtin_trap();
    }
  }
  const std::size_t lines = zuvo::SplitLines(text).size();
  if (headers > lines || headers == 0) __builtin_trap();
  if (headers == lines && failed == all_correct) __builtin_trap();
  (void)zuvo::Utf16ToUtf8(listing.back());
  return 0;
}
