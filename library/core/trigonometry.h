// Trigonometric and hyperbolic functions, their inverses, and the angle
// between two vectors.
#pragma once

#include <string_view>

#include "engine/value.h"

namespace zuvo {

// The functions that have a number form f(x) and a two-vector form f(x1,x2)
// (the latter applied to the angle between the vectors).
enum class TrigFunction {
  kSine,                  // 正弦
  kCosine,                // 余弦
  kTangent,               // 正切
  kCotangent,             // 余切
  kSecant,                // 正割
  kCosecant,              // 余割
  kHyperbolicSine,        // 双曲正弦
  kHyperbolicCosine,      // 双曲余弦
  kHyperbolicTangent,     // 双曲正切
  kHyperbolicCotangent,   // 双曲余切
  kHyperbolicSecant,      // 双曲正割
  kHyperbolicCosecant,    // 双曲余割
};

enum class InverseTrigFunction {
  kArcSine,                       // 反正弦
  kArcCosine,                     // 反余弦
  kArcTangent,                    // 反正切
  kArcCotangent,                  // 反余切
  kArcSecant,                     // 反正割
  kArcCosecant,                   // 反余割
  kInverseHyperbolicSine,         // 反双曲正弦
  kInverseHyperbolicCosine,       // 反双曲余弦
  kInverseHyperbolicTangent,      // 反双曲正切
  kInverseHyperbolicCotangent,    // 反双曲余切
  kInverseHyperbolicSecant,       // 反双曲正割
  kInverseHyperbolicCosecant,     // 反双曲余割
};

// The Chinese name under which a function reports.
std::u16string_view TrigName(TrigFunction f);
std::u16string_view InverseTrigName(InverseTrigFunction f);

// Number form: f(x) for a number x; any other kind gives a message and the
// empty value.
Value Trig(TrigFunction f, const Value& x, int decimals);
// Two-vector form: f(θ) where θ is the angle between the vectors x1 and x2
// (余弦 gives cos θ itself). Arguments that are not vectors give one message
// and the empty value.
Value TrigAngle(TrigFunction f, const Value& x1, const Value& x2, int decimals);
// Inverse functions of a number, each with its domain check.
Value InverseTrig(InverseTrigFunction f, const Value& x, int decimals);

}  // namespace zuvo
