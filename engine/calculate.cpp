#include "engine/calculate.h"

#include "engine/char_sets.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/stop.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

constexpr std::u16string_view kIdentifierChars = u"0123456789ABCDEFabcdefOHohπετ";

// A line may end in "=" (as typed on a pocket calculator); it is not part of
// the expression.
std::u16string_view WithoutEquals(std::u16string_view line) {
  std::u16string_view t = line;
  while (!t.empty() && t.back() == u' ') t.remove_suffix(1);
  if (!t.empty() && t.back() == u'=') return t.substr(0, t.size() - 1);
  return line;
}

}  // namespace

std::size_t FindName(std::u16string_view text, std::u16string_view name, std::size_t from) {
  const std::size_t n = text.size(), m = name.size();
  if (m == 0 || n < m || from < 1) return 0;
  for (std::size_t p = text.find(name, from - 1); p != std::u16string_view::npos; p = text.find(name, p + 1)) {
    const bool before = p > 0 && In(kIdentifierChars, text[p - 1]);
    const bool after = p + m < n && In(kIdentifierChars, text[p + m]);
    if (!before && !after) return p + 1;
  }
  return 0;
}

void SubstituteName(std::u16string& text, std::u16string_view name, std::u16string_view content, int decimals) {
  // An empty content (the result of a line that gave the empty value) is
  // still a value text: the name is replaced by nothing.
  if (name.empty()) return;
  // The search goes on after each inserted value, so a value text that
  // happens to contain the name is never replaced again.
  for (std::size_t p = FindName(text, name); p > 0 && !StopRequested();) {
    const std::u16string value = ValueToExpressionText(Evaluate(content, decimals), decimals);
    text.replace(p - 1, name.size(), value);
    p = FindName(text, name, p + value.size());
  }
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto lf = text.find(u'\n', start);
    std::u16string_view line = text.substr(start, lf == std::u16string_view::npos ? std::u16string_view::npos : lf - start);
    if (lf != std::u16string_view::npos && !line.empty() && line.back() == u'\r') line.remove_suffix(1);
    lines.emplace_back(line);
    // A final line break ends the last line rather than starting another.
    if (lf == std::u16string_view::npos || lf + 1 == text.size()) break;
    start = lf + 1;
  }
  return lines;
}

std::vector<std::u16string> Calculation::Line(std::u16string_view line) {
  const int d = options_.EvaluationDecimals();
  const std::u16string k = DecimalText(static_cast<long long>(++line_number_));
  ClearErrors();
  std::u16string work(WithoutEquals(line));
  if (options_.inherit)
    for (std::size_t n = 0; n < results_.size(); ++n)
      SubstituteName(work, u"结果" + DecimalText(static_cast<long long>(n)), results_[n], d);
  for (const auto& [name, content] : options_.constants) SubstituteName(work, name, content, d);
  const Value result = Evaluate(work, d);
  if (StopRequested()) {
    stopped_ = true;
    AddError(kStoppedMessage);
  }
  const std::u16string text = FormatResult(result, options_.radix, options_.automatic, d);
  if (options_.inherit) results_.push_back(text);
  std::vector<std::u16string> listing;
  if (ErrorCount() > 0) {
    all_correct_ = false;
    listing.push_back(u"算式" + k + u"错误，错误如下：");
    const auto& errors = Errors();
    for (std::size_t j = 0; j < errors.size(); ++j)
      listing.push_back(u"错误" + DecimalText(static_cast<long long>(j + 1)) + u"为:" + errors[j]);
  } else {
    listing.push_back(u"算式" + k + u"正确，计算结果为：" + text);
  }
  ClearErrors();
  return listing;
}

std::vector<std::u16string> CalculateAll(std::u16string_view text, const CalculateOptions& options,
                                         bool* all_correct) {
  Calculation calculation(options);
  std::vector<std::u16string> listing;
  for (const std::u16string& line : SplitLines(text)) {
    for (auto& l : calculation.Line(line)) listing.push_back(std::move(l));
    if (calculation.Stopped()) break;
  }
  if (all_correct) *all_correct = calculation.AllCorrect();
  return listing;
}

}  // namespace zuvo
