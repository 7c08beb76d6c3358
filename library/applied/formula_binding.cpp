#include "library/applied/formula_binding.h"

#include <cmath>

#include "library/core/format.h"

namespace zuvo {
namespace {

constexpr std::u16string_view kNumberStarts = u"0123456789ABCDEFabcdefOHoh-πετ";

bool IsDelimiter(char16_t c) { return kTokenDelimiters.find(c) != std::u16string_view::npos; }

}  // namespace

bool IsVariableName(std::u16string_view name) {
  return !name.empty() && kNumberStarts.find(name.front()) == std::u16string_view::npos;
}

std::u16string BindText(std::u16string_view formula, std::u16string_view name, std::u16string_view value_text) {
  std::u16string out;
  if (name.empty()) {
    out.assign(formula);
    return out;
  }
  out.reserve(formula.size() + 4 * value_text.size());
  std::size_t i = 0;
  for (;;) {
    const std::size_t at = formula.find(name, i);
    if (at == std::u16string_view::npos) break;
    out.append(formula.substr(i, at - i));
    // The character before a candidate is the one already written out, which
    // is the end of the inserted text right after an occurrence.
    const bool starts_token = out.empty() || IsDelimiter(out.back());
    const std::size_t after = at + name.size();
    if (starts_token && (after == formula.size() || IsDelimiter(formula[after]))) {
      out.append(value_text);
      i = after;
    } else {
      out.push_back(formula[at]);
      i = at + 1;
    }
  }
  out.append(formula.substr(i));
  return out;
}

std::u16string WholeNumberText(double x, int decimals) {
  const int places = decimals < 0 ? 0 : (decimals > kMaxFixedDecimals ? kMaxFixedDecimals : decimals);
  const bool negative = x < 0;
  unsigned long long magnitude = static_cast<unsigned long long>(negative ? -x : x);
  char16_t digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::u16string text;
  text.reserve(n + places + 4);
  if (negative) text.append(u"(-");
  while (n > 0) text.push_back(digits[--n]);
  if (places > 0) {
    text.push_back(u'.');
    text.append(static_cast<std::size_t>(places), u'0');
  }
  if (negative) text.push_back(u')');
  return text;
}

std::u16string BindVariable(std::u16string_view formula, std::u16string_view name, const Value& value,
                            int decimals) {
  if (value.IsNumber() && IsWhole(value.First()) && std::fabs(value.First()) <= kMaxWholeNumberText)
    return BindText(formula, name, WholeNumberText(value.First(), decimals));
  return BindText(formula, name, ValueToExpressionText(value, decimals));
}

}  // namespace zuvo
