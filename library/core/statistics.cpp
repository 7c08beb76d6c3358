#include "library/core/statistics.h"

#include <cmath>
#include <optional>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

// The words of one statistic's messages.
struct Words {
  const char16_t* list_prefix;
  const char16_t* list_suffix;
  const char16_t* array_prefix;
  const char16_t* array_suffix;
};

constexpr Words kMaximum{u"最大值(x1,...,xn)的参数必须都是数字，", u"不是数字，无法继续进行最大值运算！",
                         u"最大值({...})的参数必须是数组，", u"不是数组，无法继续进行最大值运算！"};
constexpr Words kMinimum{u"最小值(x1,...,xn)的参数必须都是数字，", u"不是数字，无法继续进行最小值运算！",
                         u"最小值({...})的参数必须是数组，", u"不是数组，无法继续进行最小值运算！"};
constexpr Words kMean{u"平均值(x1,...,xn)的参数必须都是数字，", u"不是数字，无法继续进行平均值运算！",
                      u"平均值({...})的参数必须是数组，", u"不是数组，无法继续进行平均值运算！"};
constexpr Words kVariance{u"方差(x1,...,xn)的参数必须都是数字，", u"不是数字，无法继续进行方差运算！",
                          u"方差({...})的参数必须是数组，", u"不是数组，无法进行计算！"};
constexpr Words kDeviation{u"标准差(x1,...,xn)的参数必须都是数字，",
                           u"不是数字，无法继续进行标准差运算！", u"标准差({...})的参数必须是数组，",
                           u"不是数组，无法进行计算！"};

void Report(const char16_t* prefix, const Value& x, const char16_t* suffix, int decimals) {
  AddError(prefix + ValueToText(x, decimals) + suffix);
}

// Reports the first argument that is not a number; true when all are numbers.
bool AllNumbers(const std::vector<Value>& values, const Words& words, int decimals) {
  for (const Value& v : values)
    if (v.GetKind() != kNumber) {
      Report(words.list_prefix, v, words.list_suffix, decimals);
      return false;
    }
  return true;
}

// The running extreme is replaced only by a strictly larger (smaller) value.
template <class Better>
Value Extreme(const std::vector<Value>& values, const Words& words, int decimals, Better better) {
  if (!AllNumbers(values, words, decimals)) return Value::Empty();
  double best = values.at(0).First();
  for (const Value& v : values)
    if (better(v.First(), best)) best = v.First();
  return Value::Number(best);
}

// Population variance. The mean is taken from the whole list for every
// argument, after that argument passed its check; a non-number further along
// makes those mean calls report before this statistic reports it.
std::optional<double> PopulationVariance(const std::vector<Value>& values, const Words& words,
                                         int decimals) {
  double sum = 0.0;
  for (const Value& v : values) {
    if (v.GetKind() != kNumber) {
      Report(words.list_prefix, v, words.list_suffix, decimals);
      return std::nullopt;
    }
    const double m1 = Mean(values, decimals).First();
    const double m2 = Mean(values, decimals).First();
    sum += (v.First() - m1) * (v.First() - m2);
  }
  return sum / static_cast<double>(values.size());
}

std::vector<Value> Items(const Value& array) {
  std::vector<Value> items;
  items.reserve(array.Size());
  for (std::size_t i = 0; i < array.Size(); ++i) items.push_back(Value::Number(array.Cell(i)));
  return items;
}

bool IsArray(const Value& x, const Words& words, int decimals) {
  if (x.GetKind() == kArray) return true;
  Report(words.array_prefix, x, words.array_suffix, decimals);
  return false;
}

// One argument, or a first argument that is an array: the array form on that
// argument alone. Otherwise the list form on all arguments.
std::optional<Value> Dispatch(const CallArgs& args, Value (*list)(const std::vector<Value>&, int),
                              Value (*array)(const Value&, int)) {
  const std::vector<Value>& v = args.values;
  if (v.empty()) return std::nullopt;
  if (v.size() == 1 || v[0].GetKind() == kArray) return array(v[0], args.decimals);
  return list(v, args.decimals);
}

}  // namespace

Value Maximum(const std::vector<Value>& values, int decimals) {
  return Extreme(values, kMaximum, decimals, [](double a, double b) { return a > b; });
}

Value Minimum(const std::vector<Value>& values, int decimals) {
  return Extreme(values, kMinimum, decimals, [](double a, double b) { return a < b; });
}

Value Mean(const std::vector<Value>& values, int decimals) {
  if (!AllNumbers(values, kMean, decimals)) return Value::Empty();
  double sum = 0.0;
  for (const Value& v : values) sum += v.First();
  return Value::Number(sum / static_cast<double>(values.size()));
}

Value Variance(const std::vector<Value>& values, int decimals) {
  const std::optional<double> variance = PopulationVariance(values, kVariance, decimals);
  return variance ? Value::Number(*variance) : Value::Empty();
}

Value StandardDeviation(const std::vector<Value>& values, int decimals) {
  const std::optional<double> variance = PopulationVariance(values, kDeviation, decimals);
  return variance ? Value::Number(std::sqrt(*variance)) : Value::Empty();
}

Value MaximumOfArray(const Value& x, int decimals) {
  if (!IsArray(x, kMaximum, decimals)) return Value::Empty();
  return Maximum(Items(x), decimals);
}

Value MinimumOfArray(const Value& x, int decimals) {
  if (!IsArray(x, kMinimum, decimals)) return Value::Empty();
  return Minimum(Items(x), decimals);
}

Value MeanOfArray(const Value& x, int decimals) {
  if (!IsArray(x, kMean, decimals)) return Value::Zero();
  return Mean(Items(x), decimals);
}

Value VarianceOfArray(const Value& x, int decimals) {
  if (!IsArray(x, kVariance, decimals)) return Value::Zero();
  return Variance(Items(x), decimals);
}

Value StandardDeviationOfArray(const Value& x, int decimals) {
  if (!IsArray(x, kDeviation, decimals)) return Value::Zero();
  return StandardDeviation(Items(x), decimals);
}

std::optional<Value> CallMaximum(const CallArgs& args) {
  return Dispatch(args, Maximum, MaximumOfArray);
}
std::optional<Value> CallMinimum(const CallArgs& args) {
  return Dispatch(args, Minimum, MinimumOfArray);
}
std::optional<Value> CallMean(const CallArgs& args) { return Dispatch(args, Mean, MeanOfArray); }
std::optional<Value> CallVariance(const CallArgs& args) {
  return Dispatch(args, Variance, VarianceOfArray);
}
std::optional<Value> CallStandardDeviation(const CallArgs& args) {
  return Dispatch(args, StandardDeviation, StandardDeviationOfArray);
}

}  // namespace zuvo
