#include "library/applied/random.h"

#include <chrono>
#include <cmath>
#include <mutex>
#include <random>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

struct Generator {
  std::mutex lock;
  std::mt19937_64 engine{static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count())};
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

constexpr double kTwoTo63 = 9223372036854775808.0;

// A uniform 64-bit whole number from -2^63 to 2^63 - 1, as the largest double
// not above it (rounding to nearest could reach 2^63, outside the range).
double RandomWhole64() {
  const auto n = static_cast<std::int64_t>(RandomBits());  // modular since C++20
  const double d = static_cast<double>(n);
  if (d >= kTwoTo63) return std::nextafter(kTwoTo63, 0.0);
  if (static_cast<std::int64_t>(d) > n) return std::nextafter(d, -kTwoTo63);
  return d;
}

enum class NumberType { kWhole, kReal, kUnknown };
NumberType TypeOf(std::u16string_view type) {
  if (type == u"整数") return NumberType::kWhole;
  if (type == u"实数") return NumberType::kReal;
  return NumberType::kUnknown;
}

}  // namespace

void SeedRandom(std::uint64_t seed) {
  Generator& g = TheGenerator();
  std::lock_guard<std::mutex> hold(g.lock);
  g.engine.seed(seed);
}

std::uint64_t RandomBits() {
  Generator& g = TheGenerator();
  std::lock_guard<std::mutex> hold(g.lock);
  return g.engine();
}

double RandomUnit() { return std::ldexp(static_cast<double>(RandomBits() >> 11), -53); }

Value RandomFill(int columns, int rows, std::u16string_view type) {
  const NumberType kind = TypeOf(type);
  if (kind == NumberType::kUnknown) {
    AddError(u"随机数(数的类型/长,宽,数的类型)的数的类型既不是整数也不是实数，故无法计算！");
    return Value::Zero();
  }
  Value out = Value::Shaped(rows, columns);
  for (std::size_t i = 0; i < out.Size(); ++i)
    out.Cell(i) = kind == NumberType::kWhole ? RandomWhole64()
                                             : RandomUnit() * (2 * kTwoTo63) - kTwoTo63;
  return out;
}

Value RandomFillRange(int columns, int rows, double least, double greatest,
                      std::u16string_view type) {
  const NumberType kind = TypeOf(type);
  if (kind == NumberType::kUnknown) {
    AddError(u"随机数(长,宽,最小数,最大数,数的类型)的数的类型既不是整数也不是实数，故无法计算！");
    return Value::Zero();
  }
  // Real numbers fill [least, end), whole ones are floored from [least, end).
  const double end = kind == NumberType::kWhole ? greatest + 1 : greatest;
  const double span = end - least;
  Value out = Value::Shaped(rows, columns);
  for (std::size_t i = 0; i < out.Size(); ++i) {
    const double r = RandomUnit();
    // A span past the double range is blended from the two ends instead.
    double v = std::isfinite(span) ? r * span + least : least * (1 - r) + end * r;
    // Rounding can land exactly on the open end; stay below it.
    if (least < end && v >= end) v = std::nextafter(end, least);
    out.Cell(i) = kind == NumberType::kWhole ? std::floor(v) : v;
  }
  return out;
}

// Adapter: one argument (the type), three (长, 宽 as literals, the type) or
// five (长, 宽, 最小数, 最大数 as expressions, the type), all as raw texts.
// 长 is the number of columns and 宽 the number of rows.
namespace {

// Reads an argument; a reading that adds its own messages fails the call.
bool Read(const std::u16string& text, bool as_expression, int decimals, Value& out) {
  const std::size_t before = ErrorCount();
  out = as_expression ? ReadExpression(text, decimals) : ReadLiteral(text);
  return ErrorCount() == before;
}

// 长 or 宽: a whole number from 1 to 100.
bool SizeHolds(const Value& v, int k, const std::u16string& head, int decimals) {
  const double x = v.First();
  if (!v.IsNumber() || !IsWhole(x) || x <= 0) {
    AddError(head + u"的第" + DecimalText(k) + u"个参数" + ValueToText(v, decimals) +
             u"不是正整数，故无法计算！");
    return false;
  }
  if (x > kMaxDim) {
    AddError(head + u"的第" + DecimalText(k) + u"个参数" + ValueToText(v, decimals) +
             u"大于100，结果最多只能有100行100列，故无法计算！");
    return false;
  }
  return true;
}

}  // namespace

std::optional<Value> CallRandom(const CallArgs& args) {
  const int d = args.decimals;
  const std::size_t count = args.texts.size();
  if (count == 1) return RandomFill(1, 1, args.texts[0]);
  if (count == 3) {
    const std::u16string head = u"随机数(长,宽,整数或实数)";
    Value size[2];
    bool ok = true;
    for (int k = 0; k < 2; ++k)
      if (Read(args.texts[k], false, d, size[k]))
        ok = SizeHolds(size[k], k + 1, head, d) && ok;
      else
        ok = false;
    if (!ok) return std::nullopt;
    return RandomFill(static_cast<int>(size[0].First()), static_cast<int>(size[1].First()),
                      args.texts[2]);
  }
  if (count == 5) {
    const std::u16string head = u"随机数(长,宽,最小数,最大数,整数或实数)";
    Value v[4];
    bool read = true, numbers = true;
    for (int k = 0; k < 4; ++k) {
      if (!Read(args.texts[k], true, d, v[k])) {
        read = false;
        continue;
      }
      if (!v[k].IsNumber()) {
        AddError(head + u"的第" + DecimalText(k + 1) + u"个参数" + ValueToText(v[k], d) +
                 u"不是数字，故无法计算！");
        numbers = false;
      }
    }
    if (!read || !numbers) return std::nullopt;
    bool ok = SizeHolds(v[0], 1, head, d);
    ok = SizeHolds(v[1], 2, head, d) && ok;
    if (!ok) return std::nullopt;
    return RandomFillRange(static_cast<int>(v[0].First()), static_cast<int>(v[1].First()),
                           v[2].First(), v[3].First(), args.texts[4]);
  }
  return std::nullopt;
}

}  // namespace zuvo
