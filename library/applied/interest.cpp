#include "library/applied/interest.h"

#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/division_power.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// The rate and period tests of 单利 and 复利; name is the function's name.
bool RateAndPeriodsHold(const std::u16string& name, double rate, double periods) {
  bool ok = true;
  if (!(rate > 0)) {
    AddError(name + u"(本金,利率,计息期数)的第二个参数利率不为正数,故无法计算！");
    ok = false;
  }
  if (!(periods > 0)) {
    AddError(name + u"(本金,利率,计息期数)的第三个参数计息期数不为正数,故无法计算！");
    ok = false;
  }
  return ok;
}

}  // namespace

Value SimpleInterest(const Value& principal, double rate, double periods) {
  if (!RateAndPeriodsHold(u"单利", rate, periods)) return Value::Empty();
  const double factor = rate * periods + 1;
  return principal.Map([factor](double p) { return p * factor; });
}

Value CompoundInterest(const Value& principal, double rate, double periods) {
  if (!RateAndPeriodsHold(u"复利", rate, periods)) return Value::Empty();
  const double factor = RealPower(rate + 1, periods);
  return principal.Map([factor](double p) { return p * factor; });
}

Value Discount(const Value& base, const Value& current, int decimals) {
  const std::u16string head = u"折扣(原值,现值)的";
  if (base.Rows() != current.Rows() || base.Columns() != current.Columns()) {
    AddError(u"折扣(原值,现值)中的原值" + ValueToText(base, decimals) + u"与现值" +
             ValueToText(current, decimals) + u"不符合计算折扣的要求，无法计算折扣！");
    return Value::Empty();
  }
  Value out = base;
  for (std::size_t i = 0; i < base.Size(); ++i) {
    const double o = base.Cell(i), k = current.Cell(i);
    if (o > 0 && k > 0) {
      const double rate = (o - k) / o;
      if (rate < 0 || rate > 1) {
        AddError(u"折扣(原值,现值)的计算结果必须在0到1之间！");
        return Value::Empty();
      }
      out.Cell(i) = rate;
      continue;
    }
    // A number is written whole (negative ones in parentheses); an element
    // of another kind with its place.
    std::u16string base_text, current_text;
    if (base.IsNumber()) {
      base_text = ValueToText(base, decimals);
      current_text = ValueToText(current, decimals);
    } else {
      const auto columns = static_cast<std::size_t>(base.Columns());
      const auto row = static_cast<long long>(i / columns) + 1;
      const auto column = static_cast<long long>(i % columns) + 1;
      std::u16string place;
      switch (base.GetKind()) {
        case kVector: place = u"向量的第" + DecimalText(row) + u"个分量"; break;
        case kArray: place = u"数组的第" + DecimalText(column) + u"个项"; break;
        default: place = u"矩阵的第" + DecimalText(row) + u"行第" + DecimalText(column) + u"列";
      }
      base_text = place + FixedText(o, decimals);
      current_text = place + FixedText(k, decimals);
    }
    if (!(o > 0) && !(k > 0))
      AddError(head + u"原值" + base_text + u"和现值" + current_text + u"都不是正数，故无法计算！");
    else if (!(o > 0))
      AddError(head + u"原值" + base_text + u"不是正数，故无法计算！");
    else
      AddError(head + u"现值" + current_text + u"不是正数，故无法计算！");
    return Value::Empty();
  }
  return out;
}

// Adapters: the dispatch tests that 利率 and 计息期数 are numbers.
namespace {
std::optional<Value> CallInterest(const CallArgs& args, const std::u16string& rate_message,
                                  const std::u16string& periods_message,
                                  Value (*operation)(const Value&, double, double)) {
  if (args.values.size() != 3) return std::nullopt;
  bool ok = true;
  if (!args.values[1].IsNumber()) {
    AddError(rate_message);
    ok = false;
  }
  if (!args.values[2].IsNumber()) {
    AddError(periods_message);
    ok = false;
  }
  if (!ok) return std::nullopt;
  return operation(args.values[0], args.values[1].First(), args.values[2].First());
}
}  // namespace

std::optional<Value> CallSimpleInterest(const CallArgs& args) {
  return CallInterest(args, u"单利(本金,利率,计息期数)的第二个参数利率填入的参数不是数字，故无法计算！",
                      u"单利(本金,利率,计息期数)的第三个参数计息期数填入的参数不是数字，故无法计算！",
                      SimpleInterest);
}

std::optional<Value> CallCompoundInterest(const CallArgs& args) {
  return CallInterest(args, u"复利(本金,利率,计息期数)的第二个参数利率的填入参数不是数字，故无法计算！",
                      u"复利(本金,利率,计息期数)的第三个参数计息期数的填入参数不是数字，故无法计算！",
                      CompoundInterest);
}

std::optional<Value> CallDiscount(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  return Discount(args.values[0], args.values[1], args.decimals);
}

}  // namespace zuvo
