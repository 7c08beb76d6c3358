#include "library/core/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// Beyond these place counts every double is either kept whole or rounds to 0.
constexpr long long kMaxPlaces = 400;

// Adds one to a string of decimal digits ("" counts as 0).
std::string Increment(std::string digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return digits;
    }
    digits[i] = '0';
  }
  return "1" + digits;
}

// Turns -0 into +0 so that a zero result never shows a minus sign.
double PlainZero(double x) { return x + 0.0; }

Value RoundElements(const Value& x, const Value& places, int decimals, const char16_t* what,
                    HalfRule rule) {
  if (places.GetKind() != kNumber) {
    AddError(ValueToText(places, decimals) + u"不是数字，无法进行" + what + u"计算！");
    return Value::Empty();
  }
  const double d = places.First();
  if (!IsWhole(d)) {
    AddError(ValueToText(places, decimals) + u"不是整数，无法进行" + what + u"计算！");
    return Value::Empty();
  }
  const long long p = static_cast<long long>(std::clamp(d, -1.0 * kMaxPlaces, 1.0 * kMaxPlaces));
  return x.Map([p, rule](double e) { return RoundDecimal(e, p, rule); });
}

}  // namespace

double RoundDecimal(double x, long long places, HalfRule rule) {
  if (!std::isfinite(x) || x == 0.0) return PlainZero(x);
  places = std::clamp(places, -kMaxPlaces, kMaxPlaces);

  // Shortest round-trip digits: "d.ddde±XX" → digits "dddd", exponent XX,
  // the first digit standing for d × 10^XX.
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific);
  const std::string text(buffer, written.ptr);
  const std::size_t e = text.find('e');
  std::string digits;
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  const long long exponent = std::stoll(text.substr(e + 1));

  // Digits kept: those worth at least 10^-places.
  const long long keep = exponent + places + 1;
  if (keep >= static_cast<long long>(digits.size())) return x;
  bool up = false;
  if (keep >= 0) {
    const char next = digits[keep];
    if (rule == HalfRule::kAwayFromZero) {
      up = next >= '5';
    } else if (next != '5') {
      up = next > '5';
    } else {
      const bool beyond_half =
          digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) != std::string::npos;
      const int last = keep > 0 ? digits[keep - 1] - '0' : 0;
      up = beyond_half || last % 2 == 1;
    }
  }
  std::string kept = keep > 0 ? digits.substr(0, static_cast<std::size_t>(keep)) : std::string();
  if (up) kept = Increment(kept);
  if (kept.empty()) return 0.0;

  // The rounded magnitude is the whole number `kept` times 10^-places.
  const std::string rounded = kept + "e" + std::to_string(-places);
  double magnitude = 0.0;
  const auto read = std::from_chars(rounded.data(), rounded.data() + rounded.size(), magnitude);
  if (read.ec == std::errc::result_out_of_range) magnitude = places < 0 ? HUGE_VAL : 0.0;
  return PlainZero(x < 0 ? -magnitude : magnitude);
}

Value OldStyleRound(const Value& x, const Value& places, int decimals) {
  return RoundElements(x, places, decimals, u"老版舍入", HalfRule::kAwayFromZero);
}

Value RoundToPlaces(const Value& x, const Value& places, int decimals) {
  return RoundElements(x, places, decimals, u"舍入", HalfRule::kToEven);
}

Value Floor(const Value& x) {
  return x.Map([](double e) { return PlainZero(std::floor(e)); });
}

Value Ceiling(const Value& x) {
  return x.Map([](double e) { return PlainZero(std::ceil(e)); });
}

// Worked in double precision, so integer parts beyond 32 bits stay exact.
Value IntegerPart(const Value& x) {
  return x.Map([](double e) { return PlainZero(std::trunc(e)); });
}

Value FractionalPart(const Value& x) {
  return x.Map([](double e) { return e - std::trunc(e); });
}

std::optional<Value> CallCeiling(const CallArgs& args) { return Ceiling(args.values.at(0)); }
std::optional<Value> CallFloor(const CallArgs& args) { return Floor(args.values.at(0)); }
std::optional<Value> CallIntegerPart(const CallArgs& args) {
  return IntegerPart(args.values.at(0));
}
std::optional<Value> CallFractionalPart(const CallArgs& args) {
  return FractionalPart(args.values.at(0));
}
std::optional<Value> CallRoundToPlaces(const CallArgs& args) {
  return RoundToPlaces(args.values.at(0), args.values.at(1), args.decimals);
}
std::optional<Value> CallOldStyleRound(const CallArgs& args) {
  return OldStyleRound(args.values.at(0), args.values.at(1), args.decimals);
}

}  // namespace zuvo
