#include "engine/dispatch.h"

#include <string>

#include "engine/char_sets.h"
#include "engine/errors.h"
#include "engine/function_table.h"
#include "engine/separators.h"

namespace zuvo {
namespace {

char16_t ReadingOf(const FunctionEntry& f, std::size_t k) {
  return k < f.reading.size() ? f.reading[k] : f.reading.back();
}

Value Read(char16_t how, const std::u16string& text, int decimals) {
  switch (how) {
    case u'l': return ReadLiteral(text);
    case u'r': return Value::Empty();
    default: return ReadExpression(text, decimals);
  }
}

// The message for a wrong number of arguments, or nothing when n is accepted.
std::u16string CountMessage(const FunctionEntry& f, std::size_t n) {
  if (f.count_rule) {
    if (n > kMaxListArguments) return std::u16string(f.name) + u"最多只能有1023个输入参数！";
    return std::u16string(f.count_rule(n));
  }
  if (n > f.max_args) {
    if (!f.too_many_message.empty()) return std::u16string(f.too_many_message);
    return std::u16string(f.name) + u"最多只能有1023个输入参数！";
  }
  if (n < f.min_args) return std::u16string(f.too_few_message);
  return {};
}

}  // namespace

const FunctionEntry* MatchFunctionName(std::u16string_view text, std::size_t open) {
  for (const FunctionEntry& f : FunctionTable()) {
    const std::size_t n = f.name.size();
    if (n <= open && text.substr(open - n, n) == f.name) return &f;
  }
  return nullptr;
}

std::size_t FunctionNameLength(const FunctionEntry& entry) { return entry.name.size(); }

CallOutcome CallFunction(const FunctionEntry& f, std::optional<std::u16string_view> arguments, int decimals,
                         Value& result) {
  // Brackets holding nothing but spaces count as empty.
  if (!arguments || TrimSpaces(*arguments).empty()) {
    AddError(f.empty_message);
    return CallOutcome::kEndEvaluation;
  }
  CallArgs args;
  args.decimals = decimals;
  if (f.whole_text) {
    args.texts.emplace_back(TrimSpaces(*arguments));
  } else {
    args.texts = CutArguments(*arguments);
    const std::u16string problem = CountMessage(f, args.texts.size());
    if (!problem.empty()) {
      AddError(problem);
      return CallOutcome::kRejected;
    }
  }
  args.values.reserve(args.texts.size());
  for (std::size_t k = 0; k < args.texts.size(); ++k)
    args.values.push_back(Read(ReadingOf(f, k), args.texts[k], decimals));
  std::optional<Value> out = f.operation(args);
  if (!out) return CallOutcome::kRejected;
  result = std::move(*out);
  return CallOutcome::kValue;
}

}  // namespace zuvo
