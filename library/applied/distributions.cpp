#include "library/applied/distributions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "library/applied/combinatorics.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

bool InUnitInterval(double p) { return p >= 0.0 && p <= 1.0; }  // false for NaN
bool IsCountingNumber(double x) { return IsWhole(x) && x >= 0; }

// k log(a), taking 0 log(0) as 0 like the power a^0 = 1.
double LogPowerTerm(double a, double k) { return k == 0 ? 0.0 : k * std::log(a); }

// C(n, k) a^k b^(n - k). When the coefficient leaves the double range the
// product is formed in logarithms, so a tiny probability times a huge
// coefficient never becomes infinity times zero.
double BinomialTerm(double n, double k, double a, double b) {
  const double c = CombinationsOfWhole(n, k);
  if (c == 0.0) return 0.0;
  if (std::isfinite(c)) return c * std::pow(a, k) * std::pow(b, n - k);
  return std::exp(std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1) +
                  LogPowerTerm(a, k) + LogPowerTerm(b, n - k));
}

// How the element at cell i is named in messages: 数字x, 向量x的第i个分量,
// 矩阵x的第r行第s列的项 or 数组x的第i个项.
std::u16string ElementName(const Value& x, std::size_t i) {
  const auto columns = static_cast<std::size_t>(x.Columns());
  const auto row = static_cast<long long>(i / columns) + 1;
  const auto column = static_cast<long long>(i % columns) + 1;
  switch (x.GetKind()) {
    case kNumber:
      return u"数字x";
    case kVector:
      return u"向量x的第" + DecimalText(row) + u"个分量";
    case kArray:
      return u"数组x的第" + DecimalText(column) + u"个项";
    default:
      return u"矩阵x的第" + DecimalText(row) + u"行第" + DecimalText(column) + u"列的项";
  }
}

// Applies term to every element of x after check; the first element that
// fails gets message(cell) and the result is the zero number.
template <class Check, class Term, class Message>
Value AtEveryElement(const Value& x, Check check, Term term, Message message) {
  Value out = x;
  for (std::size_t i = 0; i < x.Size(); ++i) {
    if (!check(x.Cell(i))) {
      AddError(message(i));
      return Value::Zero();
    }
    out.Cell(i) = term(x.Cell(i));
  }
  return out;
}

// Tests shared by the binomial forms; name is 二项分布 or 负二项分布 and
// signature the call's argument list as the messages write it.
bool BinomialParametersHold(const std::u16string& name, const std::u16string& signature,
                            double n, double p) {
  bool ok = true;
  if (!IsCountingNumber(n)) {
    AddError(name + signature + u"的总数必须为正整数，现在不是正整数，故无法计算！");
    ok = false;
  }
  if (!InUnitInterval(p)) {
    AddError(name + signature + u"的概率不在0-1之间，故无法计算！");
    ok = false;
  }
  return ok;
}

// The table of k = 0 ... n; success is the probability raised to k.
Value BinomialTableOf(const std::u16string& name, double n, double success, double p) {
  if (!BinomialParametersHold(name, u"(总数,概率)", n, p)) return Value::Zero();
  if (n > kMaxDim - 1) {
    AddError(name + u"(总数,概率)的总数大于99，分布列超过100项，故无法计算！");
    return Value::Zero();
  }
  const int items = static_cast<int>(n) + 1;
  Value out = Value::Shaped(1, items);
  for (int k = 0; k < items; ++k) out.At(1, k + 1) = BinomialTerm(n, k, success, 1.0 - success);
  return out;
}

Value BinomialAtOf(const std::u16string& name, const Value& x, double n, double success,
                   double p) {
  if (!BinomialParametersHold(name, u"(x,总数,概率)", n, p)) return Value::Zero();
  return AtEveryElement(
      x, [n](double e) { return IsCountingNumber(e) && e <= n; },
      [=](double e) { return BinomialTerm(n, e, success, 1.0 - success); },
      [&](std::size_t i) {
        return name + u"(x,总数,概率)中的" + ElementName(x, i) +
               u"应是1-总数的正整数，现在不符合条件，故无法计算！";
      });
}

const std::u16string kHypergeometric = u"超几何分布(x,取数据数量,总量,为0的数据总量)";

}  // namespace

Value TwoPointTable(double p) {
  Value out = Value::Shaped(1, 2);
  out.At(1, 1) = p;
  out.At(1, 2) = 1.0 - p;
  return out;
}

Value TwoPointAt(const Value& x, double p, int decimals) {
  if (!InUnitInterval(p)) {
    AddError(u"两点分布(数据,概率)的第二个参数必须在0到1之间，不然的话无法计算！");
    return Value::Zero();
  }
  return AtEveryElement(
      x, [](double e) { return e == 0.0 || e == 1.0; },
      [p](double e) { return std::pow(p, e) * std::pow(1.0 - p, 1.0 - e); },
      [&](std::size_t i) {
        const auto columns = static_cast<std::size_t>(x.Columns());
        const auto row = static_cast<long long>(i / columns) + 1;
        const auto column = static_cast<long long>(i % columns) + 1;
        const std::u16string e = FixedText(x.Cell(i), decimals);
        std::u16string where;
        switch (x.GetKind()) {
          case kNumber: where = u"数字" + e; break;
          case kVector: where = u"向量的第" + DecimalText(row) + u"个分量" + e; break;
          case kArray: where = u"数组的第" + DecimalText(column) + u"个项" + e; break;
          default:
            where = u"矩阵中的第" + DecimalText(row) + u"行第" + DecimalText(column) + u"项" + e;
        }
        return where + u"既不是0也不是1，故无法计算！";
      });
}

Value BinomialTable(double n, double p) { return BinomialTableOf(u"二项分布", n, p, p); }
Value BinomialAt(const Value& x, double n, double p) {
  return BinomialAtOf(u"二项分布", x, n, p, p);
}
Value NegativeBinomialTable(double n, double p) {
  return BinomialTableOf(u"负二项分布", n, 1.0 - p, p);
}
Value NegativeBinomialAt(const Value& x, double n, double p) {
  return BinomialAtOf(u"负二项分布", x, n, 1.0 - p, p);
}

Value PoissonAt(const Value& x, double lambda) {
  if (!(lambda >= 0)) {
    AddError(u"泊松分布(x,事件平均发生次数)中的事件平均发生次数不是非负数，故无法计算！");
    return Value::Zero();
  }
  return AtEveryElement(
      x, IsCountingNumber,
      [lambda](double e) {
        const double power = std::pow(lambda, e), factorial = FactorialOf(e);
        if (std::isfinite(power) && std::isfinite(factorial))
          return power / factorial * std::exp(-lambda);
        // Past the double range of x! or lambda^x: the same quotient in logarithms.
        return std::exp(LogPowerTerm(lambda, e) - std::lgamma(e + 1) - lambda);
      },
      [&](std::size_t i) {
        return u"泊松分布(x,事件平均发生次数)中的" + ElementName(x, i) + u"不是正整数，故无法计算！";
      });
}

Value GeometricAt(const Value& x, double p) {
  if (!(p > 0.0 && p <= 1.0)) {
    AddError(u"几何分布(x,概率)的概率必须大于0且不大于1，故无法计算！");
    return Value::Zero();
  }
  return AtEveryElement(
      x, [](double e) { return IsWhole(e) && e >= 1; },
      [p](double e) { return p * std::pow(1.0 - p, e - 1.0); },
      [&](std::size_t i) {
        return u"几何分布(x,概率)中的" + ElementName(x, i) +
               u"应是大于等于1的正整数，现在不符合条件，故无法计算！";
      });
}

Value HypergeometricAt(const Value& x, double drawn, double total, double zeros) {
  auto positive_whole = [](double v) { return IsWhole(v) && v > 0; };
  if (!positive_whole(drawn)) {
    AddError(kHypergeometric + u"的第二个参数取数据数量应为不大于m正整数，现在不是正整数，故无法计算！");
    return Value::Zero();
  }
  if (!positive_whole(total)) {
    AddError(kHypergeometric + u"的第三个参数取总量应为正整数，现在不是正整数，故无法计算！");
    return Value::Zero();
  }
  if (!positive_whole(zeros)) {
    AddError(kHypergeometric +
             u"的第四个参数为0的数据总量应为不大于n的正整数，现在不是正整数，故无法计算！");
    return Value::Zero();
  }
  bool ok = true;
  if (drawn > total) {
    AddError(kHypergeometric + u"的第二个参数取数据数量大于第三个参数总量，故无法计算！");
    ok = false;
  }
  if (zeros > total) {
    AddError(kHypergeometric + u"的第四个参数为0的数据总量大于第三个参数总量，故无法计算！");
    ok = false;
  }
  if (!ok) return Value::Zero();
  const double limit = std::min(drawn, zeros);
  return AtEveryElement(
      x, [limit](double e) { return IsCountingNumber(e) && e <= limit; },
      [=](double e) {
        const double a = CombinationsOfWhole(zeros, e);
        const double b = CombinationsOfWhole(total - zeros, drawn - e);
        const double c = CombinationsOfWhole(total, drawn);
        if (b == 0.0) return 0.0;
        if (std::isfinite(a) && std::isfinite(b) && std::isfinite(c)) return a * b / c;
        auto log_c = [](double n, double k) {
          return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1);
        };
        return std::exp(log_c(zeros, e) + log_c(total - zeros, drawn - e) - log_c(total, drawn));
      },
      [&](std::size_t i) {
        const std::u16string now = x.GetKind() == kNumber   ? u"数字x"
                                   : x.GetKind() == kVector ? u"该分量"
                                                            : u"该项";
        return kHypergeometric + u"的" + ElementName(x, i) +
               u"应该在0-最小值(取数据数量，为0的数据总量)之间，现在" + now +
               u"不在0-取数据数量之间，故输入不正确，无法继续计算！";
      });
}

Value NormalAt(const Value& x, double mu, double sigma) {
  if (!(sigma > 0)) {
    AddError(u"正态分布(x,位置参数,离散程度)的第三个参数离散程度不是正数，故无法计算！");
    return Value::Zero();
  }
  const double two_sigma_squared = 2.0 * sigma * sigma;
  const double scale = sigma * std::sqrt(6.283185307179586);
  return x.Map([=](double e) {
    const double d = e - mu;
    return std::exp(-(d * d) / two_sigma_squared) / scale;
  });
}

Value UniformAt(const Value& x, double a, double b) {
  if (a > b) {
    AddError(u"均匀分布(x,左边界,右边界)的左边界输入参数不能大于右边界输入参数！");
    return Value::Zero();
  }
  const double density = 1.0 / (b - a);
  return x.Map([=](double e) { return a < e && e < b ? density : 0.0; });
}

Value ExponentialAt(const Value& x, double lambda) {
  if (lambda < 0) {
    AddError(u"指数分布(x,衰减系数)的第二个参数衰减系数是负数，故无法计算！");
    return Value::Zero();
  }
  return x.Map([lambda](double e) { return e < 0 ? 0.0 : lambda * std::exp(-lambda * e); });
}

// Adapters: the dispatch has counted and evaluated the arguments; these run
// the kind tests of the parameters, every failing one adding its message.
namespace {
bool NumberOrMessage(const Value& v, const std::u16string& message) {
  if (v.IsNumber()) return true;
  AddError(message);
  return false;
}
}  // namespace

std::optional<Value> CallTwoPoint(const CallArgs& args) {
  const std::size_t count = args.values.size();
  if (count != 1 && count != 2) return std::nullopt;
  const Value& p = args.values[count - 1];
  if (!NumberOrMessage(p, u"两点分布(x,概率)中的概率必须为数字，现在" +
                              ValueToText(p, args.decimals) + u"不是数字，所以无法计算！"))
    return std::nullopt;
  if (count == 1) return TwoPointTable(p.First());
  return TwoPointAt(args.values[0], p.First(), args.decimals);
}

namespace {
// 二项分布 and 负二项分布: two arguments (总数, 概率) give the table, three
// (x, 总数, 概率) the value at x. messages holds the four kind messages:
// table 总数, table 概率, at-x 总数, at-x 概率.
std::optional<Value> CallBinomialFamily(const CallArgs& args, const std::u16string (&messages)[4],
                                        Value (*table)(double, double),
                                        Value (*at)(const Value&, double, double)) {
  const std::size_t count = args.values.size();
  if (count != 2 && count != 3) return std::nullopt;
  const Value& n = args.values[count - 2];
  const Value& p = args.values[count - 1];
  const int offset = count == 2 ? 0 : 2;
  bool ok = NumberOrMessage(n, messages[offset]);
  ok = NumberOrMessage(p, messages[offset + 1]) && ok;
  if (!ok) return std::nullopt;
  if (count == 2) return table(n.First(), p.First());
  return at(args.values[0], n.First(), p.First());
}
}  // namespace

std::optional<Value> CallBinomial(const CallArgs& args) {
  static const std::u16string kMessages[4] = {
      u"二项分布(总数,概率)的第一个参数总数不是数字,故无法继续计算！",
      u"二项分布(总数,概率)的第二个参数概率不是数字,故无法继续计算！",
      u"二项分布(x,总数,概率)的第二个参数总数不是数字,故无法继续计算！",
      u"二项分布(x,总数,概率)的第三个参数概率不是数字,故无法继续计算！"};
  return CallBinomialFamily(args, kMessages, BinomialTable, BinomialAt);
}

std::optional<Value> CallNegativeBinomial(const CallArgs& args) {
  static const std::u16string kMessages[4] = {
      u"负二项分布(总数,概率)的第一个参数总数填入的数据不是数字，故无法计算！",
      u"负二项分布(总数,概率)的第二个参数概率填入的数据不是数字，故无法计算！",
      u"负二项分布(x,总数,概率)的第二个参数总数填入的数据不是数字，故无法计算！",
      u"负二项分布(x,总数,概率)的第三个参数概率填入的数据不是数字，故无法计算！"};
  return CallBinomialFamily(args, kMessages, NegativeBinomialTable, NegativeBinomialAt);
}

std::optional<Value> CallPoisson(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  if (!NumberOrMessage(args.values[1],
                       u"泊松分布(x,事件平均发生次数)的事件平均发生次数输入的不是数字，故无法进行计算！"))
    return std::nullopt;
  return PoissonAt(args.values[0], args.values[1].First());
}

std::optional<Value> CallGeometric(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  if (!NumberOrMessage(args.values[1],
                       u"几何分布(x,概率)的第二个输入参数概率输入的数据不是数字，故无法计算！"))
    return std::nullopt;
  return GeometricAt(args.values[0], args.values[1].First());
}

std::optional<Value> CallHypergeometric(const CallArgs& args) {
  if (args.values.size() != 4) return std::nullopt;
  bool ok = NumberOrMessage(args.values[1], kHypergeometric +
                                                u"的第二个参数取数据数量输入的不是常数，故不能进行计算！");
  ok = NumberOrMessage(args.values[2],
                       kHypergeometric + u"的第三个参数总量输入的不是常数，故不能进行计算！") &&
       ok;
  ok = NumberOrMessage(args.values[3], kHypergeometric +
                                           u"的第四个参数为0的数据总量输入的不是常数，故不能进行计算！") &&
       ok;
  if (!ok) return std::nullopt;
  return HypergeometricAt(args.values[0], args.values[1].First(), args.values[2].First(),
                          args.values[3].First());
}

std::optional<Value> CallNormal(const CallArgs& args) {
  if (args.values.size() != 3) return std::nullopt;
  bool ok = NumberOrMessage(
      args.values[1],
      u"正态分布(x,位置参数,离散程度)的第二个输入参数位置参数输入的，不是数字，故无法继续进行计算！");
  ok = NumberOrMessage(
           args.values[2],
           u"正态分布(x,位置参数,离散程度)的第三个输入参数离散程度输入的，不是数字，故无法继续进行计算！") &&
       ok;
  if (!ok) return std::nullopt;
  return NormalAt(args.values[0], args.values[1].First(), args.values[2].First());
}

std::optional<Value> CallUniform(const CallArgs& args) {
  if (args.values.size() != 3) return std::nullopt;
  bool ok = NumberOrMessage(args.values[1],
                            u"均匀分布(x,左边界,右边界)的第二个参数左边界输入数据不是数字，故无法计算！");
  ok = NumberOrMessage(args.values[2],
                       u"均匀分布(x,左边界,右边界)的第三个参数右边界输入数据不是数字，故无法计算！") &&
       ok;
  if (!ok) return std::nullopt;
  return UniformAt(args.values[0], args.values[1].First(), args.values[2].First());
}

std::optional<Value> CallExponential(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  if (!NumberOrMessage(args.values[1], u"指数分布(x,衰减系数)的第二个输入参数衰减系数不是数字，故无法计算！"))
    return std::nullopt;
  return ExponentialAt(args.values[0], args.values[1].First());
}

}  // namespace zuvo
