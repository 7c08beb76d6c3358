#include "engine/evaluator.h"

#include "engine/char_sets.h"
#include "engine/dispatch.h"
#include "engine/errors.h"
#include "engine/formula_stage.h"
#include "engine/operators.h"
#include "engine/stop.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

thread_local int g_depth = 0;

struct NestingGuard {
  NestingGuard() { ++g_depth; }
  ~NestingGuard() { --g_depth; }
};

constexpr std::u16string_view kOpensAfterValue = u"0123456789.πετ√(（【<[{";

// Pairs the grouping brackets of the text; each pass reports the bracket
// faults it meets. Returns false when the line holds too many pairs.
bool PairBrackets(const std::u16string& t, std::vector<BracketPair>& pairs) {
  pairs.clear();
  std::size_t openers = 0;
  for (char16_t c : t) openers += In(kGroupOpeners, c);
  if (openers > kMaxBracketPairs) {
    AddError(u"算式中的括号超过了10000对，无法计算！");
    return false;
  }
  pairs.reserve(openers);
  std::vector<std::size_t> open_pairs;
  for (std::size_t p = 0; p < t.size(); ++p) {
    const char16_t c = t[p];
    const auto opener = kGroupOpeners.find(c);
    if (opener != std::u16string_view::npos) {
      open_pairs.push_back(pairs.size());
      pairs.push_back({p, BracketPair::kUnclosed});
      continue;
    }
    const auto closer = kGroupClosers.find(c);
    if (closer == std::u16string_view::npos) continue;
    if (open_pairs.empty()) {
      AddError(u"左括号太少了，不能一一对应右括号。");
      continue;
    }
    BracketPair& pair = pairs[open_pairs.back()];
    open_pairs.pop_back();
    if (t[pair.open] != kGroupOpeners[closer]) {
      AddError(u"右括号" + std::u16string(1, c) + u"不与左括号" + std::u16string(1, kGroupOpeners[closer]) +
               u"对应！");
    }
    pair.close = p;
  }
  if (!open_pairs.empty()) AddError(u"右括号太少了，不能一一对应左括号。");
  return true;
}

bool Contains(const BracketPair& outer, const BracketPair& inner) {
  return outer.open < inner.open && (outer.close == BracketPair::kUnclosed || outer.close > inner.close);
}

// A group such as (-2.5) that holds only a negative number stays in the text
// as an operand; a bracket with a function name before it is always a call.
bool IsNegativeLiteral(const std::u16string& t, const BracketPair& pair) {
  if (pair.close == BracketPair::kUnclosed || pair.close < pair.open + 2) return false;
  if (t[pair.open + 1] != u'-') return false;
  const std::u16string_view group(t.data() + pair.open, pair.close - pair.open + 1);
  if (CountOperatorSigns(group) != 1) return false;
  return MatchFunctionName(t, pair.open) == nullptr;
}

}  // namespace

void ReplaceWithValue(std::u16string& work, std::vector<BracketPair>& pairs, std::size_t start,
                      std::size_t end, const Value& value, int decimals) {
  std::u16string text = ValueToExpressionText(value, decimals);
  if (!text.empty()) {
    std::size_t b = start;
    while (b > 0 && work[b - 1] == u' ') --b;
    if (b > 0 && In(kValueEndChars, work[b - 1])) text.insert(text.begin(), u'*');
    std::size_t a = end + 1;
    while (a < work.size() && work[a] == u' ') ++a;
    if (a < work.size() && In(kOpensAfterValue, work[a])) text.push_back(u'*');
  }
  const std::size_t old_length = end - start + 1;
  work.replace(start, old_length, text);
  const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(old_length);
  std::vector<BracketPair> kept;
  kept.reserve(pairs.size());
  for (BracketPair p : pairs) {
    if (p.open >= start && p.open <= end) continue;  // inside the replaced stretch
    if (p.open > end) p.open += delta;
    if (p.close != BracketPair::kUnclosed && p.close > end) p.close += delta;
    kept.push_back(p);
  }
  pairs.swap(kept);
}

Value Evaluate(std::u16string_view text, int decimals) {
  if (text.empty()) return Value::Empty();
  if (g_depth >= kMaxNesting) {
    AddError(u"计算的嵌套层数超过了100层，无法计算！");
    return Value::Empty();
  }
  NestingGuard guard;
  std::u16string work(text);
  for (char16_t& c : work)
    if (c == u'，') c = u',';
  std::vector<BracketPair> pairs;
  for (;;) {
    if (SpendWorkStep()) return Value::Empty();
    if (!PairBrackets(work, pairs)) return Value::Empty();

    // Formula calls first, outermost first; negative numbers leave the table.
    std::vector<bool> literal(pairs.size(), false);
    const bool formulas = MayHoldFormulaCall(work);
    for (std::size_t i = 0; i < pairs.size();) {
      const std::size_t before = pairs.size();
      const StageOutcome stage = formulas ? RunFormulaStage(work, pairs, i, decimals) : StageOutcome::kNone;
      if (stage == StageOutcome::kEndEvaluation) return Value::Empty();
      if (stage == StageOutcome::kReplaced) {
        literal.resize(literal.size() - (before - pairs.size()));
        continue;
      }
      if (i + 1 < pairs.size() && Contains(pairs[i], pairs[i + 1])) {
        ++i;
        continue;
      }
      literal[i] = IsNegativeLiteral(work, pairs[i]);
      ++i;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i)
      if (!literal[i]) pairs[kept++] = pairs[i];
    pairs.resize(kept);

    if (pairs.empty()) return EvaluateOperators(work, decimals);

    // The pair opened last holds no other group: evaluate it as a call or as
    // a plain group.
    const BracketPair last = pairs.back();
    const bool has_argument = last.close != BracketPair::kUnclosed && last.close > last.open + 1;
    std::optional<std::u16string_view> argument;
    if (has_argument) argument = std::u16string_view(work).substr(last.open + 1, last.close - last.open - 1);
    if (const FunctionEntry* f = MatchFunctionName(work, last.open)) {
      Value result;
      const CallOutcome outcome = CallFunction(*f, argument, decimals, result);
      if (outcome == CallOutcome::kEndEvaluation) return Value::Empty();
      if (outcome == CallOutcome::kRejected) result = Value::Zero();
      ReplaceWithValue(work, pairs, last.open - FunctionNameLength(*f), last.close, result, decimals);
    } else {
      if (!argument) return Value::Empty();
      const Value result = EvaluateOperators(*argument, decimals);
      ReplaceWithValue(work, pairs, last.open, last.close, result, decimals);
    }
  }
}

}  // namespace zuvo
