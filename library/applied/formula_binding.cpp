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
  if (name.empty() || name.size() > formula.size()) {
    out.assign(formula);
    return out;
  }
  out.reserve(formula.size() + 4 * value_text.size());
  std::size_t i = 0;
  const std::size_t last_start = formula.size() - name.size();
  while (i <= last_start) {
    // The character before a candidate is the one already written out, which
    // is the end of the inserted text right after an occurrence.
    const bool starts_token = out.empty() || IsDelimiter(out.back());
    if (starts_token && formula.compare(i, name.size(), name) == 0) {
      const std::size_t after = i + name.size();
      if (after == formula.size() || IsDelimiter(formula[after])) {
        out.append(value_text);
        i = after;
        continue;
      }
    }
    out.push_back(formula[i]);
    ++i;
  }
  out.append(formula.substr(i));
  return out;
}

std::u16string BindVariable(std::u16string_view formula, std::u16string_view name, const Value& value,
                            int decimals) {
  return BindText(formula, name, ValueToExpressionText(value, decimals));
}

}  // namespace zuvo
