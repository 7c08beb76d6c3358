#include "library/applied/interpolation.h"

#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

bool InUnitInterval(double t) { return t >= 0.0 && t <= 1.0; }  // false for NaN

double Dot(const Value& a, const Value& b) {
  double sum = 0.0;
  for (std::size_t i = 0; i < a.Size(); ++i) sum += a.Cell(i) * b.Cell(i);
  return sum;
}

// The dimension and weight tests shared by the two vector forms.
bool VectorArgumentsHold(const Value& p, const Value& q, double t, int decimals,
                         std::u16string_view dimension_name, std::u16string_view weight_name) {
  if (p.Rows() != q.Rows()) {
    AddError(std::u16string(dimension_name) +
             u"(<...>,<...>,x)中的第一个和第二个参数不是维度相同的向量，故无法进行计算！");
    return false;
  }
  if (!InUnitInterval(t)) {
    AddError(std::u16string(weight_name) + u"(<...>,<...>,x)中的第三个参数x=" +
             FixedText(t, decimals) + u"没有在[0,1]区间上，故无法计算！");
    return false;
  }
  return true;
}

}  // namespace

Value Lerp(double x1, double x2, double w, int decimals) {
  if (!InUnitInterval(w)) {
    AddError(u"线性插值(x1,x2,x3)中的参数x3=" + FixedText(w, decimals) +
             u"没有在[0,1]区间上，故无法计算！");
    return Value::Zero();
  }
  return Value::Number(x1 * w + x2 * (1.0 - w));
}

Value SmoothStep(double a, double b, double x, std::u16string_view version) {
  const bool old_version = version == u"旧" || version == u"旧版";
  if (!old_version && version != u"新" && version != u"新版") {
    AddError(
        u"平滑过渡(x1,x2,x3,使用版本)中的第4个参数使用版本既不是新/新版或旧/旧版，不能确定所需要的版本，故无法计算！");
    return Value::Empty();
  }
  double e;
  if (a == b) {
    e = x < a ? 0.0 : (x >= a ? 1.0 : x);  // a NaN x stays NaN
  } else {
    e = (x - a) / (b - a);
    if (e < 0.0) e = 0.0;
    if (e > 1.0) e = 1.0;
  }
  return Value::Number(old_version ? e * e * (3.0 - 2.0 * e)
                                   : e * e * e * (e * (6.0 * e - 15.0) + 10.0));
}

Value NormalizedLerp(const Value& p, const Value& q, double t, int decimals) {
  if (!VectorArgumentsHold(p, q, t, decimals, u"正态线性插值", u"正态线性插值"))
    return Value::Zero();
  Value sum = p;
  for (std::size_t i = 0; i < p.Size(); ++i) sum.Cell(i) = (1.0 - t) * p.Cell(i) + t * q.Cell(i);
  const double length = std::sqrt(Dot(sum, sum));
  if (length == 0.0) {
    AddError(u"正态线性插值(<...>,<...>,x)中的两个向量按权重相加后是零向量，没有方向，故无法计算！");
    return Value::Zero();
  }
  return sum.Map([length](double c) { return c / length; });
}

Value SphericalLerp(const Value& p, const Value& q, double t, int decimals) {
  // The weight message names the function 球形线性插值.
  if (!VectorArgumentsHold(p, q, t, decimals, u"圆滑线性插值", u"球形线性插值"))
    return Value::Zero();
  const double p_length = std::sqrt(Dot(p, p)), q_length = std::sqrt(Dot(q, q));
  if (p_length == 0.0 || q_length == 0.0) {
    AddError(u"圆滑线性插值(<...>,<...>,x)中的第一个或第二个参数是零向量，没有方向，故无法计算！");
    return Value::Zero();
  }
  // The angle between p and q as 2 atan(|p^ - q^| / |p^ + q^|) with the unit
  // vectors p^ and q^: accurate near 0 and near pi, where arccos of the
  // cosine is not.
  double difference = 0.0, sum = 0.0;
  for (std::size_t i = 0; i < p.Size(); ++i) {
    const double a = p.Cell(i) / p_length, b = q.Cell(i) / q_length;
    difference += (a - b) * (a - b);
    sum += (a + b) * (a + b);
  }
  const double theta = 2.0 * std::atan2(std::sqrt(difference), std::sqrt(sum));
  const double sine = std::sin(theta);
  Value out = p;
  if (theta == 0.0) {
    // One direction: the limit of the formula is the straight line.
    for (std::size_t i = 0; i < p.Size(); ++i) out.Cell(i) = p.Cell(i) * (1.0 - t) + q.Cell(i) * t;
    return out;
  }
  if (theta > std::numbers::pi / 2 && sine < 1e-12) {
    AddError(u"圆滑线性插值(<...>,<...>,x)中的两个向量方向相反，插值的路径不唯一，故无法计算！");
    return Value::Zero();
  }
  const double from_p = std::sin((1.0 - t) * theta) / sine, from_q = std::sin(t * theta) / sine;
  for (std::size_t i = 0; i < p.Size(); ++i) out.Cell(i) = p.Cell(i) * from_p + q.Cell(i) * from_q;
  return out;
}

// Adapters: kind tests of the dispatch, every failing one adding its message.
namespace {
bool KindOrMessage(const Value& v, Kind kind, const std::u16string& head, int decimals,
                   std::u16string_view tail) {
  if (v.GetKind() == kind) return true;
  AddError(head + ValueToText(v, decimals) + std::u16string(tail));
  return false;
}

std::optional<Value> CallVectorForm(const CallArgs& args, const std::u16string& name,
                                    Value (*operation)(const Value&, const Value&, double, int)) {
  if (args.values.size() != 3) return std::nullopt;
  const std::u16string head = name + u"(左向量,右向量,取值权重)的";
  const int d = args.decimals;
  bool ok = KindOrMessage(args.values[0], kVector, head + u"第一个输入参数左向量", d,
                          u"不是向量，所以函数无法计算！");
  ok = KindOrMessage(args.values[1], kVector, head + u"第二个输入参数右向量", d,
                     u"不是向量，所以函数无法计算！") &&
       ok;
  ok = KindOrMessage(args.values[2], kNumber, head + u"第三个输入参数取值权重", d,
                     u"不是数字，所以函数无法计算！") &&
       ok;
  if (!ok) return std::nullopt;
  return operation(args.values[0], args.values[1], args.values[2].First(), d);
}
}  // namespace

std::optional<Value> CallLerp(const CallArgs& args) {
  if (args.values.size() != 3) return std::nullopt;
  const std::u16string head = u"线性插值(左值,右值,取值权重)的";
  const std::u16string_view tail = u"不是数字，故无法计算！";
  const int d = args.decimals;
  bool ok = KindOrMessage(args.values[0], kNumber, head + u"第一个参数左值", d, tail);
  ok = KindOrMessage(args.values[1], kNumber, head + u"第二个参数右值", d, tail) && ok;
  ok = KindOrMessage(args.values[2], kNumber, head + u"第三个参数取值权重", d, tail) && ok;
  if (!ok) return std::nullopt;
  return Lerp(args.values[0].First(), args.values[1].First(), args.values[2].First(), d);
}

std::optional<Value> CallSmoothStep(const CallArgs& args) {
  if (args.values.size() != 4 || args.texts.size() != 4) return std::nullopt;
  const std::u16string head = u"平滑过渡(左值,右值,取值权重,选用版本)的";
  const std::u16string_view tail = u"不是数字，故无法计算！";
  const int d = args.decimals;
  bool ok = KindOrMessage(args.values[0], kNumber, head + u"第一个参数左值", d, tail);
  ok = KindOrMessage(args.values[1], kNumber, head + u"第二个参数右值", d, tail) && ok;
  ok = KindOrMessage(args.values[2], kNumber, head + u"第三个参数取值权重", d, tail) && ok;
  if (!ok) return std::nullopt;
  // The fourth argument, the version, arrives as raw text.
  return SmoothStep(args.values[0].First(), args.values[1].First(), args.values[2].First(),
                    args.texts[3]);
}

std::optional<Value> CallNormalizedLerp(const CallArgs& args) {
  return CallVectorForm(args, u"正态线性插值", NormalizedLerp);
}

std::optional<Value> CallSphericalLerp(const CallArgs& args) {
  return CallVectorForm(args, u"圆滑线性插值", SphericalLerp);
}

}  // namespace zuvo
