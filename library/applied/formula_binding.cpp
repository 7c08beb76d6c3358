#include "library/applied/formula_binding.h"

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

std::u16string BindVariable(std::u16string_view formula, std::u16string_view name, const Value& value,
                            int decimals) {
  return BindText(formula, name, ValueToExpressionText(value, decimals));
}

}  // namespace zuvo
