#include "library/core/divisors.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

using Whole = std::uint64_t;
constexpr Whole kLimit = Whole{1} << 53;
const std::u16string kLimitText = u"9007199254740992";

bool InRange(double x) { return std::fabs(x) <= kLargestExactWhole; }

Whole Gcd(Whole a, Whole b) {
  while (b != 0) {
    const Whole r = a % b;
    a = b;
    b = r;
  }
  return a;
}

Whole GcdOf(const std::vector<double>& values) {
  Whole g = 0;
  for (double v : values) g = Gcd(g, static_cast<Whole>(std::fabs(v)));
  return g;
}

// The lcm, or nothing when it exceeds 2^53.
std::optional<Whole> LcmOf(const std::vector<double>& values) {
  Whole l = 1;
  for (double v : values) {
    const Whole a = static_cast<Whole>(std::fabs(v));
    if (a == 0) return 0;
    const Whole step = a / Gcd(l, a);
    if (l > kLimit / step) return std::nullopt;
    l *= step;
  }
  return l;
}

// An array item rounded down, in decimal digits, for messages.
std::u16string FloorText(double x) {
  const double f = std::floor(x);
  if (std::isfinite(f) && std::fabs(f) < 9.2e18) return DecimalText(static_cast<long long>(f));
  return FixedText(f, 0);
}

// The number arguments of a list form, or nothing after the message for the
// first argument that fails.
struct ListWords {
  const char16_t* not_number_head;
  const char16_t* not_number_tail;
  const char16_t* not_whole_tail;
  const char16_t* too_large_head;
  const char16_t* too_large_tail;
};

constexpr ListWords kGcdList{
    u"最大公约数(x1,...,xn)的参数必须都是整数，而", u"不是整数，所以无法计算！",
    u"是实数不是整数，所以无法计算！",
    u"最大公约数(x1,...,xn)的参数的绝对值不能超过9007199254740992，而",
    u"超出了这个范围，所以无法计算！"};
constexpr ListWords kLcmList{
    u"最小公倍数(x1,...,xn)的所有参数必须为整数，而", u"不是整数，无法计算！",
    u"是实数不是整数，无法计算！",
    u"最小公倍数(x1,...,xn)的所有参数的绝对值不能超过9007199254740992，而",
    u"超出了这个范围，无法计算！"};

std::optional<std::vector<double>> ListNumbers(const std::vector<Value>& values,
                                               const ListWords& w, int decimals) {
  std::vector<double> numbers;
  for (const Value& v : values) {
    const std::u16string t = ValueToText(v, decimals);
    if (v.GetKind() != kNumber) {
      AddError(w.not_number_head + t + w.not_number_tail);
      return std::nullopt;
    }
    if (!IsWhole(v.First())) {
      AddError(w.not_number_head + t + w.not_whole_tail);
      return std::nullopt;
    }
    if (!InRange(v.First())) {
      AddError(w.too_large_head + t + w.too_large_tail);
      return std::nullopt;
    }
    numbers.push_back(v.First());
  }
  return numbers;
}

std::vector<double> ItemsOf(const Value& x) {
  std::vector<double> items(x.Size());
  for (std::size_t i = 0; i < x.Size(); ++i) items[i] = x.Cell(i);
  return items;
}

std::optional<Value> Dispatch(const CallArgs& args, Value (*list)(const std::vector<Value>&, int),
                              Value (*array)(const Value&, int)) {
  if (args.values.empty()) return std::nullopt;
  if (args.values.size() == 1 && args.values[0].GetKind() == kArray)
    return array(args.values[0], args.decimals);
  return list(args.values, args.decimals);
}

}  // namespace

Value GreatestCommonDivisor(const std::vector<Value>& values, int decimals) {
  const auto numbers = ListNumbers(values, kGcdList, decimals);
  if (!numbers) return Value::Zero();
  return Value::Number(static_cast<double>(GcdOf(*numbers)));
}

Value LeastCommonMultiple(const std::vector<Value>& values, int decimals) {
  const auto numbers = ListNumbers(values, kLcmList, decimals);
  if (!numbers) return Value::Zero();
  const auto lcm = LcmOf(*numbers);
  if (!lcm) {
    AddError(u"最小公倍数(x1,...,xn)的结果超过了" + kLimitText + u"，无法精确计算！");
    return Value::Zero();
  }
  return Value::Number(static_cast<double>(*lcm));
}

Value GreatestCommonDivisorOfArray(const Value& x, int decimals) {
  if (x.GetKind() != kArray) {
    AddError(u"最大公约数({...})输入的参数" + ValueToText(x, decimals) + u"不为数组，无法进行计算！");
    return Value::Zero();
  }
  const std::vector<double> items = ItemsOf(x);
  for (double item : items) {
    if (!IsWhole(item)) {
      AddError(u"最大公约数({...})数组的项" + FloorText(item) + u"不为整数，无法计算数组的最大公约数！");
      return Value::Zero();
    }
    if (!InRange(item)) {
      AddError(u"最大公约数({...})数组的项" + FloorText(item) + u"的绝对值超过了" + kLimitText +
               u"，无法计算数组的最大公约数！");
      return Value::Zero();
    }
  }
  return Value::Number(static_cast<double>(GcdOf(items)));
}

Value LeastCommonMultipleOfArray(const Value& x, int decimals) {
  if (x.GetKind() != kArray) {
    AddError(u"最小公倍数({...})输入的参数" + ValueToText(x, decimals) +
             u"不为数组，所以无法进行计算！");
    return Value::Zero();
  }
  const std::vector<double> items = ItemsOf(x);
  for (double item : items) {
    if (!IsWhole(item)) {
      AddError(u"最小公倍数({...})数组的项" + ValueToText(x, decimals) +
               u"是实数不是整数，无法进行计算！");
      return Value::Zero();
    }
    if (!InRange(item)) {
      AddError(u"最小公倍数({...})数组的项" + ValueToText(x, decimals) + u"中有绝对值超过" +
               kLimitText + u"的数，无法进行计算！");
      return Value::Zero();
    }
  }
  const auto lcm = LcmOf(items);
  if (!lcm) {
    AddError(u"最小公倍数({...})的结果超过了" + kLimitText + u"，无法精确计算！");
    return Value::Zero();
  }
  return Value::Number(static_cast<double>(*lcm));
}

std::optional<Value> CallGreatestCommonDivisor(const CallArgs& args) {
  return Dispatch(args, GreatestCommonDivisor, GreatestCommonDivisorOfArray);
}
std::optional<Value> CallLeastCommonMultiple(const CallArgs& args) {
  return Dispatch(args, LeastCommonMultiple, LeastCommonMultipleOfArray);
}

}  // namespace zuvo
