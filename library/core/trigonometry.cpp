#include "library/core/trigonometry.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/arithmetic.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

double Apply(TrigFunction f, double x) {
  switch (f) {
    case TrigFunction::kSine: return std::sin(x);
    case TrigFunction::kCosine: return std::cos(x);
    case TrigFunction::kTangent: return std::tan(x);
    case TrigFunction::kCotangent: return 1.0 / std::tan(x);
    case TrigFunction::kSecant: return 1.0 / std::cos(x);
    case TrigFunction::kCosecant: return 1.0 / std::sin(x);
    case TrigFunction::kHyperbolicSine: return std::sinh(x);
    case TrigFunction::kHyperbolicCosine: return std::cosh(x);
    case TrigFunction::kHyperbolicTangent: return std::tanh(x);
    case TrigFunction::kHyperbolicCotangent: return 1.0 / std::tanh(x);
    case TrigFunction::kHyperbolicSecant: return 1.0 / std::cosh(x);
    case TrigFunction::kHyperbolicCosecant: return 1.0 / std::sinh(x);
  }
  return std::nan("");
}

// Accepted arguments of the inverse functions and the text that follows the
// argument when it is refused.
struct Domain {
  bool (*accepts)(double);
  const char16_t* refusal;
};

bool All(double) { return true; }
bool MinusOneToOne(double x) { return x >= -1.0 && x <= 1.0; }
bool OutsideMinusOneToOne(double x) { return x <= -1.0 || x >= 1.0; }
bool AtLeastOne(double x) { return x >= 1.0; }
bool AboveZeroUpToOne(double x) { return x > 0.0 && x <= 1.0; }
bool NotZero(double x) { return x != 0.0; }

Domain DomainOf(InverseTrigFunction f) {
  switch (f) {
    case InverseTrigFunction::kArcSine:
    case InverseTrigFunction::kArcCosine:
    case InverseTrigFunction::kInverseHyperbolicTangent:
      return {MinusOneToOne, u"必须在-1到1之间！"};
    case InverseTrigFunction::kArcSecant:
    case InverseTrigFunction::kArcCosecant:
      return {OutsideMinusOneToOne, u"必须在大于1或者小于-1之间！"};
    case InverseTrigFunction::kInverseHyperbolicCotangent:
      return {OutsideMinusOneToOne, u"必须大于1或者小于-1！"};
    case InverseTrigFunction::kInverseHyperbolicCosine:
      return {AtLeastOne, u"必须大于等于1！"};
    case InverseTrigFunction::kInverseHyperbolicSecant:
      return {AboveZeroUpToOne, u"必须大于0小于等于1！"};
    case InverseTrigFunction::kInverseHyperbolicCosecant:
      return {NotZero, u"不能为0！"};
    case InverseTrigFunction::kArcTangent:
    case InverseTrigFunction::kArcCotangent:
    case InverseTrigFunction::kInverseHyperbolicSine:
      break;
  }
  return {All, u""};
}

// The inverse hyperbolic functions use the library's accurate forms, which
// keep full precision for negative and large arguments where the logarithm
// formulas cancel or overflow.
double ApplyInverse(InverseTrigFunction f, double x) {
  switch (f) {
    case InverseTrigFunction::kArcSine: return std::asin(x);
    case InverseTrigFunction::kArcCosine: return std::acos(x);
    case InverseTrigFunction::kArcTangent: return std::atan(x);
    case InverseTrigFunction::kArcCotangent:
      return std::fabs(x) <= 1e-12 ? std::numbers::pi / 2 : std::atan(1.0 / x);
    case InverseTrigFunction::kArcSecant: return std::acos(1.0 / x);
    case InverseTrigFunction::kArcCosecant: return std::asin(1.0 / x);
    case InverseTrigFunction::kInverseHyperbolicSine: return std::asinh(x);
    case InverseTrigFunction::kInverseHyperbolicCosine: return std::acosh(x);
    // ±1 give the infinities of the poles.
    case InverseTrigFunction::kInverseHyperbolicTangent: return std::atanh(x);
    case InverseTrigFunction::kInverseHyperbolicCotangent: return std::atanh(1.0 / x);
    case InverseTrigFunction::kInverseHyperbolicSecant: return std::acosh(1.0 / x);
    case InverseTrigFunction::kInverseHyperbolicCosecant: return std::asinh(1.0 / x);
  }
  return std::nan("");
}

void ReportNotNumber(std::u16string_view name, const Value& x, int decimals) {
  std::u16string m = u"参数x=" + ValueToText(x, decimals) + u"不为数字，需要注意的是";
  m += name;
  m += u"(x)的参数必须为数字，不能是向量或者矩阵！";
  AddError(m);
}

std::optional<Value> CallTrig(TrigFunction f, const CallArgs& args) {
  if (args.values.size() >= 2) return TrigAngle(f, args.values[0], args.values[1], args.decimals);
  return Trig(f, args.values.at(0), args.decimals);
}

std::optional<Value> CallInverseTrig(InverseTrigFunction f, const CallArgs& args) {
  return InverseTrig(f, args.values.at(0), args.decimals);
}

}  // namespace

std::u16string_view TrigName(TrigFunction f) {
  switch (f) {
    case TrigFunction::kSine: return u"正弦";
    case TrigFunction::kCosine: return u"余弦";
    case TrigFunction::kTangent: return u"正切";
    case TrigFunction::kCotangent: return u"余切";
    case TrigFunction::kSecant: return u"正割";
    case TrigFunction::kCosecant: return u"余割";
    case TrigFunction::kHyperbolicSine: return u"双曲正弦";
    case TrigFunction::kHyperbolicCosine: return u"双曲余弦";
    case TrigFunction::kHyperbolicTangent: return u"双曲正切";
    case TrigFunction::kHyperbolicCotangent: return u"双曲余切";
    case TrigFunction::kHyperbolicSecant: return u"双曲正割";
    case TrigFunction::kHyperbolicCosecant: return u"双曲余割";
  }
  return u"";
}

std::u16string_view InverseTrigName(InverseTrigFunction f) {
  switch (f) {
    case InverseTrigFunction::kArcSine: return u"反正弦";
    case InverseTrigFunction::kArcCosine: return u"反余弦";
    case InverseTrigFunction::kArcTangent: return u"反正切";
    case InverseTrigFunction::kArcCotangent: return u"反余切";
    case InverseTrigFunction::kArcSecant: return u"反正割";
    case InverseTrigFunction::kArcCosecant: return u"反余割";
    case InverseTrigFunction::kInverseHyperbolicSine: return u"反双曲正弦";
    case InverseTrigFunction::kInverseHyperbolicCosine: return u"反双曲余弦";
    case InverseTrigFunction::kInverseHyperbolicTangent: return u"反双曲正切";
    case InverseTrigFunction::kInverseHyperbolicCotangent: return u"反双曲余切";
    case InverseTrigFunction::kInverseHyperbolicSecant: return u"反双曲正割";
    case InverseTrigFunction::kInverseHyperbolicCosecant: return u"反双曲余割";
  }
  return u"";
}

Value Trig(TrigFunction f, const Value& x, int decimals) {
  if (x.GetKind() != kNumber) {
    ReportNotNumber(TrigName(f), x, decimals);
    return Value::Empty();
  }
  return Value::Number(Apply(f, x.First()));
}

Value TrigAngle(TrigFunction f, const Value& x1, const Value& x2, int decimals) {
  const bool v1 = x1.GetKind() == kVector;
  const bool v2 = x2.GetKind() == kVector;
  if (!v1 || !v2) {
    std::u16string m;
    if (!v1 && !v2)
      m = u"参数x1=" + ValueToText(x1, decimals) + u"和参数x2=" + ValueToText(x2, decimals) +
          u"都不为向量，";
    else if (!v1)
      m = u"参数x1=" + ValueToText(x1, decimals) + u"不为向量，";
    else
      m = u"参数x2=" + ValueToText(x2, decimals) + u"不为向量，";
    m += u"需要注意的是";
    m += TrigName(f);
    m += u"(x1,x2)的两个参数必须为向量，不能是数字或者矩阵！";
    AddError(m);
    return Value::Empty();
  }
  // Vectors of different sizes make the dot product report; its empty result
  // reads as 0, so the angle is taken as a right angle.
  const double dot = DotProduct(x1, x2, decimals).First();
  const double q =
      dot / (VectorLength(x1, decimals).First() * VectorLength(x2, decimals).First());
  if (f == TrigFunction::kCosine) return Value::Number(q);
  return Value::Number(Apply(f, std::acos(q)));
}

Value InverseTrig(InverseTrigFunction f, const Value& x, int decimals) {
  if (x.GetKind() != kNumber) {
    ReportNotNumber(InverseTrigName(f), x, decimals);
    return Value::Empty();
  }
  const Domain domain = DomainOf(f);
  if (!domain.accepts(x.First())) {
    AddError(u"参数x=" + ValueToText(x, decimals) + domain.refusal);
    return Value::Empty();
  }
  return Value::Number(ApplyInverse(f, x.First()));
}

#define ZUVO_TRIG_CALL(Call, F) \
  std::optional<Value> Call(const CallArgs& args) { return CallTrig(TrigFunction::F, args); }
ZUVO_TRIG_CALL(CallSine, kSine)
ZUVO_TRIG_CALL(CallCosine, kCosine)
ZUVO_TRIG_CALL(CallTangent, kTangent)
ZUVO_TRIG_CALL(CallCotangent, kCotangent)
ZUVO_TRIG_CALL(CallSecant, kSecant)
ZUVO_TRIG_CALL(CallCosecant, kCosecant)
ZUVO_TRIG_CALL(CallHyperbolicSine, kHyperbolicSine)
ZUVO_TRIG_CALL(CallHyperbolicCosine, kHyperbolicCosine)
ZUVO_TRIG_CALL(CallHyperbolicTangent, kHyperbolicTangent)
ZUVO_TRIG_CALL(CallHyperbolicCotangent, kHyperbolicCotangent)
ZUVO_TRIG_CALL(CallHyperbolicSecant, kHyperbolicSecant)
ZUVO_TRIG_CALL(CallHyperbolicCosecant, kHyperbolicCosecant)
#undef ZUVO_TRIG_CALL

#define ZUVO_INVERSE_CALL(Call, F) \
  std::optional<Value> Call(const CallArgs& args) { return CallInverseTrig(InverseTrigFunction::F, args); }
ZUVO_INVERSE_CALL(CallArcSine, kArcSine)
ZUVO_INVERSE_CALL(CallArcCosine, kArcCosine)
ZUVO_INVERSE_CALL(CallArcTangent, kArcTangent)
ZUVO_INVERSE_CALL(CallArcCotangent, kArcCotangent)
ZUVO_INVERSE_CALL(CallArcSecant, kArcSecant)
ZUVO_INVERSE_CALL(CallArcCosecant, kArcCosecant)
ZUVO_INVERSE_CALL(CallInverseHyperbolicSine, kInverseHyperbolicSine)
ZUVO_INVERSE_CALL(CallInverseHyperbolicCosine, kInverseHyperbolicCosine)
ZUVO_INVERSE_CALL(CallInverseHyperbolicTangent, kInverseHyperbolicTangent)
ZUVO_INVERSE_CALL(CallInverseHyperbolicCotangent, kInverseHyperbolicCotangent)
ZUVO_INVERSE_CALL(CallInverseHyperbolicSecant, kInverseHyperbolicSecant)
ZUVO_INVERSE_CALL(CallInverseHyperbolicCosecant, kInverseHyperbolicCosecant)
#undef ZUVO_INVERSE_CALL

}  // namespace zuvo
