#include "engine/formula_stage.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/char_sets.h"
#include "engine/errors.h"
#include "engine/separators.h"
#include "engine/stop.h"
#include "library/applied/formula_binding.h"
#include "library/applied/formula_calculus.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

using Args = std::vector<std::u16string>;
// A formula function: checks its cut arguments, adding a message for each
// failing check, and computes its result, or nothing when the call fails.
using FormulaRun = std::optional<Value> (*)(const Args& args, int decimals);

struct FormulaForm {
  std::u16string_view name;
  std::u16string_view empty_message;
  FormulaRun run;
};

Value Read(const std::u16string& text, int decimals) { return Evaluate(text, decimals); }

std::u16string Text(const Value& v, int decimals) { return ValueToText(v, decimals); }

// ---- 累加 -----------------------------------------------------------------

constexpr std::u16string_view kSum = u"累加(公式,代数符号,开始端,结束端)";

// Reads a bound of 累加: a whole number within the 32-bit range.
std::optional<std::int64_t> SumBound(const Value& v, int position) {
  const std::u16string place = u"的第" + DecimalText(position) + u"个参数";
  if (!v.IsNumber() || !IsWhole(v.First())) {
    AddError(std::u16string(kSum) + place + u"不是整数，无法计算！");
    return std::nullopt;
  }
  const double x = v.First();
  if (x < -2147483648.0 || x > 2147483647.0) {
    AddError(std::u16string(kSum) + place + u"超出了-2147483648到2147483647的范围，无法计算！");
    return std::nullopt;
  }
  return static_cast<std::int64_t>(x);
}

std::optional<Value> RunSum(const Args& a, int d) {
  if (a.size() > 4) {
    AddError(std::u16string(kSum) + u"只需要4个参数，现在参数数量太多了！");
    return std::nullopt;
  }
  if (a.size() < 4) {
    AddError(std::u16string(kSum) + u"只需要4个参数，现在参数数量太少了！");
    return std::nullopt;
  }
  const Value start = Read(a[2], d);
  const Value end = Read(a[3], d);
  bool ok = true;
  if (!IsVariableName(a[1])) {
    AddError(std::u16string(kSum) + u"的第2个参数不符合变量名，无法计算！");
    ok = false;
  }
  const auto from = SumBound(start, 3);
  const auto to = SumBound(end, 4);
  if (!ok || !from || !to) return std::nullopt;
  return Sum(a[0], a[1], *from, *to, d);
}

// ---- 积分 -----------------------------------------------------------------

constexpr std::u16string_view kIntegral = u"积分(公式,代数符号,开始端,结束端,精度)";

std::optional<Value> RunIntegral(const Args& a, int d) {
  const std::u16string form(kIntegral);
  if (a.size() > 5) {
    AddError(form + u"只需要5个参数，现在参数数量太多了！");
    return std::nullopt;
  }
  if (a.size() < 5) {
    AddError(form + u"只需要5个参数，现在参数数量太少了！");
    return std::nullopt;
  }
  const Value start = Read(a[2], d);
  const Value end = Read(a[3], d);
  const Value step = Read(a[4], d);
  bool ok = true;
  auto fail = [&](std::u16string_view what) {
    AddError(form + std::u16string(what));
    ok = false;
  };
  if (!IsVariableName(a[1])) fail(u"的第2个参数不符合变量名，无法计算！");
  if (!start.IsNumber()) fail(u"的第3个参数不是数字，无法计算！");
  if (!end.IsNumber()) fail(u"的第4个参数不是数字，无法计算！");
  if (!step.IsNumber()) {
    fail(u"的第5个参数不是数字，无法计算！");
  } else if (!(step.First() > 0)) {
    fail(u"的第5个参数精度" + Text(step, d) + u"不大于0，无法计算！");
  } else if (start.IsNumber() && end.IsNumber() && !WalkReachesEnd(start.First(), end.First(), step.First())) {
    fail(u"的开始端" + Text(start, d) + u"和结束端" + Text(end, d) + u"不是有限的数字或对精度" + Text(step, d) +
         u"来说太大，无法计算！");
  }
  if (!ok) return std::nullopt;
  return Integral(a[0], a[1], start.First(), end.First(), step.First(), d);
}

// ---- 导数 -----------------------------------------------------------------

constexpr std::u16string_view kDerivative = u"导数(公式,代数符号,代数值,精度)";

std::optional<Value> RunDerivative(const Args& a, int d) {
  const std::u16string form(kDerivative);
  if (a.size() > 4) {
    AddError(form + u"需要正好4个参数才能计算，现在的参数太多了！");
    return std::nullopt;
  }
  if (a.size() < 4) {
    AddError(form + u"需要正好4个参数才能计算，现在的参数太少了！");
    return std::nullopt;
  }
  const Value at = Read(a[2], d);
  const Value step = Read(a[3], d);
  bool ok = true;
  if (!at.IsNumber()) {
    AddError(form + u"的第三个参数代数值不为数字，故无法计算！");
    ok = false;
  }
  if (!step.IsNumber()) {
    AddError(form + u"的第四个参数精度不为数字，故无法计算！");
    ok = false;
  }
  if (!ok) return std::nullopt;
  return Derivative(a[0], a[1], at, step.First(), d);
}

// ---- 函数值, 函数差值 -------------------------------------------------------

std::optional<Value> RunFunctionValue(const Args& a, int d) {
  const std::u16string form = u"函数值(公式,代数符号,参数)";
  if (a.size() != 3) {
    AddError(form + (a.size() > 3 ? u"仅需要3个参数，现在的参数数量太多了！" : u"仅需要3个参数，现在的参数数量太少了！"));
    return std::nullopt;
  }
  return FunctionValue(a[0], a[1], Read(a[2], d), d);
}

std::optional<Value> RunFunctionDifference(const Args& a, int d) {
  const std::u16string form = u"函数差值(公式,代数符号,参数1,参数2)";
  if (a.size() != 4) {
    AddError(form + (a.size() > 4 ? u"仅需要4个参数，现在的参数数量太多了！" : u"仅需要4个参数，现在的参数数量太少了！"));
    return std::nullopt;
  }
  const Value first = Read(a[2], d);
  const Value second = Read(a[3], d);
  return FunctionDifference(a[0], a[1], first, second, d);
}

// ---- 多维累加, 多维积分 -----------------------------------------------------

constexpr std::size_t kMaxVariables = 20;

// Number of groups of `size` arguments after the formula (and before
// `trailing` further arguments), or 0 when the count does not fit 1..20 groups.
std::size_t Groups(const Args& a, std::size_t size, std::size_t trailing) {
  if (a.size() < 1 + size + trailing) return 0;
  const std::size_t rest = a.size() - 1 - trailing;
  if (rest % size != 0 || rest / size > kMaxVariables) return 0;
  return rest / size;
}

// Reads the ranges of 多维累加 or 多维积分, testing the triples in order and
// stopping at the first bound that is not a number. A single triple of
// 多维累加 has both of its bounds tested.
std::optional<std::vector<Range>> ReadRanges(const Args& a, std::size_t groups, const std::vector<Value>& bounds,
                                             std::u16string_view form, bool test_both_of_one, int d) {
  std::vector<Range> ranges;
  for (std::size_t k = 0; k < groups; ++k) {
    const Value& left = bounds[2 * k];
    const Value& right = bounds[2 * k + 1];
    const std::u16string number = DecimalText(static_cast<long long>(k + 1));
    bool ok = true;
    if (!left.IsNumber()) {
      AddError(std::u16string(form) + u"的左值" + number + Text(left, d) + u"不是数字，故无法计算！");
      ok = false;
    }
    if ((ok || (test_both_of_one && groups == 1)) && !right.IsNumber()) {
      AddError(std::u16string(form) + u"的右值" + number + Text(right, d) + u"不是数字，故无法计算！");
      ok = false;
    }
    if (!ok) return std::nullopt;
    ranges.push_back({a[1 + 3 * k], left.First(), right.First()});
  }
  return ranges;
}

// Every range must be walkable with the step; the first one that is not is
// reported.
bool RangesWalkable(const std::vector<Range>& ranges, double step, std::u16string_view form,
                    std::u16string_view step_words, int d) {
  for (std::size_t k = 0; k < ranges.size(); ++k) {
    const Range& r = ranges[k];
    if (WalkReachesEnd(r.left, r.right, step)) continue;
    const std::u16string number = DecimalText(static_cast<long long>(k + 1));
    AddError(std::u16string(form) + u"的左值" + number + Text(Value::Number(r.left), d) + u"和右值" + number +
             Text(Value::Number(r.right), d) + u"不是有限的数字或对" + std::u16string(step_words) +
             u"来说太大，故无法计算！");
    return false;
  }
  return true;
}

std::vector<Value> ReadBounds(const Args& a, std::size_t groups, int d) {
  std::vector<Value> bounds;
  bounds.reserve(2 * groups);
  for (std::size_t k = 0; k < groups; ++k) {
    bounds.push_back(Read(a[2 + 3 * k], d));
    bounds.push_back(Read(a[3 + 3 * k], d));
  }
  return bounds;
}

constexpr std::u16string_view kMultiSum = u"多维累加(公式,代数符号1,左值1,右值1,...,代数符号n,左值n,右值n)";

std::optional<Value> RunMultiSum(const Args& a, int d) {
  const std::size_t groups = Groups(a, 3, 0);
  if (groups == 0) {
    AddError(std::u16string(kMultiSum) + u"必须填入3n+1个参数(n=1,2,...,20)！");
    return std::nullopt;
  }
  const auto ranges = ReadRanges(a, groups, ReadBounds(a, groups, d), kMultiSum, true, d);
  if (!ranges || !RangesWalkable(*ranges, 1.0, kMultiSum, u"步长1", d)) return std::nullopt;
  return MultiSum(a[0], *ranges, d);
}

constexpr std::u16string_view kMultiIntegral = u"多维积分(公式,代数1,左值1,右值1,...,代数n,左值n,右值n,精度)";

std::optional<Value> RunMultiIntegral(const Args& a, int d) {
  const std::size_t groups = Groups(a, 3, 1);
  if (groups == 0) {
    AddError(std::u16string(kMultiIntegral) + u"必须填入正好3n+2个参数！");
    return std::nullopt;
  }
  const std::vector<Value> bounds = ReadBounds(a, groups, d);
  const Value step = Read(a.back(), d);
  const auto ranges = ReadRanges(a, groups, bounds, kMultiIntegral, false, d);
  bool ok = ranges.has_value();
  if (!step.IsNumber()) {
    AddError(std::u16string(kMultiIntegral) + u"的精度" + Text(step, d) + u"不是数字，故无法计算！");
    ok = false;
  } else if (!(step.First() > 0)) {
    AddError(std::u16string(kMultiIntegral) + u"的精度" + Text(step, d) + u"不大于0，故无法计算！");
    ok = false;
  }
  if (!ok || !RangesWalkable(*ranges, step.First(), kMultiIntegral, u"精度" + Text(step, d), d))
    return std::nullopt;
  return MultiIntegral(a[0], *ranges, step.First(), d);
}

// ---- 多维函数值, 多维函数差值 -----------------------------------------------

std::optional<Value> RunMultiFunctionValue(const Args& a, int d) {
  const std::size_t groups = Groups(a, 2, 0);
  if (groups == 0) {
    AddError(u"多维函数值(公式,代数符号1,值1,...,代数符号n,值n)需要填入正好2n+1(n=1...20)个参数才能进行计算！");
    return std::nullopt;
  }
  std::vector<Point> points;
  for (std::size_t k = 0; k < groups; ++k) points.push_back({a[1 + 2 * k], Read(a[2 + 2 * k], d)});
  return MultiFunctionValue(a[0], points, d);
}

std::optional<Value> RunMultiFunctionDifference(const Args& a, int d) {
  const std::size_t groups = Groups(a, 3, 0);
  if (groups == 0) {
    AddError(
        u"多维函数差值(公式,代数符号1,值1-1，值1-2,...,代数符号n,值n-1,值n-2)需要填入正好3n+1(n=1,2,...,20)"
        u"个参数才能进行计算！");
    return std::nullopt;
  }
  std::vector<PointPair> pairs;
  for (std::size_t k = 0; k < groups; ++k) {
    Value first = Read(a[2 + 3 * k], d);
    Value second = Read(a[3 + 3 * k], d);
    pairs.push_back({a[1 + 3 * k], std::move(first), std::move(second)});
  }
  return MultiFunctionDifference(a[0], pairs, d);
}

// Longest names first, so that 多维函数差值( is never taken for 函数差值(.
constexpr FormulaForm kForms[] = {
    {u"多维函数差值", u"多维函数差值(公式,代数符号1,值1-1，值1-2,...,代数符号n,值n-1,值n-2)需要至少4个参数！",
     RunMultiFunctionDifference},
    {u"多维函数值", u"多维函数值(公式,代数符号1,值1,...,代数符号n,值n)需要至少3个参数！", RunMultiFunctionValue},
    {u"函数差值", u"函数差值(公式,代数符号,参数1,参数2)需要4个参数！", RunFunctionDifference},
    {u"多维累加", u"多维累加(公式,代数符号1,左值1,右值1,...代数符号n,左值n,右值n)必须填入至少4个参数！", RunMultiSum},
    {u"多维积分", u"多维积分(公式,代数1,左值1,右值1,...,代数n,左值n,右值n,精度)必须填入至少五个输入参数！",
     RunMultiIntegral},
    {u"函数值", u"函数值(公式,代数符号,参数)需要3个参数！", RunFunctionValue},
    {u"累加", u"累加(公式,代数符号,开始端,结束端)需要4个参数！", RunSum},
    {u"积分", u"积分(公式,代数符号,开始端,结束端,精度)需要5个参数！", RunIntegral},
    {u"导数", u"导数(公式,代数符号,代数值,精度)需要正好4个参数才能计算！", RunDerivative},
};

const FormulaForm* MatchFormulaName(std::u16string_view work, std::size_t open) {
  for (const FormulaForm& f : kForms)
    if (f.name.size() <= open && work.substr(open - f.name.size(), f.name.size()) == f.name) return &f;
  return nullptr;
}

}  // namespace

bool MayHoldFormulaCall(std::u16string_view text) {
  // Every formula name holds 累加, 积分, 导数 or 函数 (the 多维 names too);
  // one pass over the text looks for any of these pairs.
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char16_t a = text[i - 1], b = text[i];
    if ((b == u'加' && a == u'累') || (b == u'分' && a == u'积') || (b == u'数' && (a == u'导' || a == u'函')))
      return true;
  }
  return false;
}

StageOutcome RunFormulaStage(std::u16string& work, std::vector<BracketPair>& pairs, std::size_t i,
                             int decimals) {
  const BracketPair pair = pairs[i];
  const FormulaForm* form = MatchFormulaName(work, pair.open);
  if (form == nullptr) return StageOutcome::kNone;
  if (pair.close == BracketPair::kUnclosed || pair.close == pair.open + 1) {
    AddError(form->empty_message);
    return StageOutcome::kEndEvaluation;
  }
  const Args args = CutArguments(std::u16string_view(work).substr(pair.open + 1, pair.close - pair.open - 1));
  const std::optional<Value> result = form->run(args, decimals);
  // A stop request ends the whole evaluation instead of writing back a
  // partial result.
  if (StopRequested()) return StageOutcome::kEndEvaluation;
  ReplaceWithValue(work, pairs, pair.open - form->name.size(), pair.close, result.value_or(Value::Zero()), decimals);
  return StageOutcome::kReplaced;
}

}  // namespace zuvo
