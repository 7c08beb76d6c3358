// The calculate flow: every input line evaluated on its own, with earlier
// results (结果0, 结果1, …) and named constants substituted first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/value.h"

namespace zuvo {

struct CalculateOptions {
  int radix = 10;          // 2, 8, 10 or 16
  int decimals = 10;       // 0..20
  bool automatic = false;  // automatic decimals: 25 places, exact digits shown
  bool inherit = false;    // 结果n names the result of line n + 1
  // Constants (name, content) substituted in this order; empty when the
  // constant library is off.
  std::vector<std::pair<std::u16string, std::u16string>> constants;

  int EvaluationDecimals() const { return automatic ? 25 : decimals; }
};

// Shown when the input holds no text at all.
inline constexpr std::u16string_view kEmptyInputMessage = u"你必须输入至少一个算式才能进行计算！";
// Added to the line that was running when a stop was requested.
inline constexpr std::u16string_view kStoppedMessage = u"计算已被中止。";

// Whole-word position (1-based) of a name in a text, 0 when none: the
// characters around it must not be digits, radix letters or constant letters.
std::size_t FindName(std::u16string_view text, std::u16string_view name, std::size_t from = 1);
// Replaces every whole-word occurrence of the name by the value of the
// content, evaluated anew for each occurrence.
void SubstituteName(std::u16string& text, std::u16string_view name, std::u16string_view content, int decimals);

// The input text split at LF; a CR before an LF is dropped.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// One calculation: lines are evaluated in order and the results of earlier
// lines stay available to later ones.
class Calculation {
 public:
  explicit Calculation(CalculateOptions options) : options_(std::move(options)) {}
  // Evaluates the next line and returns its listing lines.
  std::vector<std::u16string> Line(std::u16string_view line);
  // True once a line was cut short by a stop request.
  bool Stopped() const { return stopped_; }
  bool AllCorrect() const { return all_correct_; }

 private:
  CalculateOptions options_;
  std::vector<std::u16string> results_;
  std::size_t line_number_ = 0;
  bool stopped_ = false;
  bool all_correct_ = true;
};

// Runs every line of the text (the flow of the calculate button); lines after
// a stop request are not evaluated.
std::vector<std::u16string> CalculateAll(std::u16string_view text, const CalculateOptions& options,
                                         bool* all_correct = nullptr);

}  // namespace zuvo
