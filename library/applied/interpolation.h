// Interpolation: 线性插值, 平滑过渡, 正态线性插值 and 圆滑线性插值.
#pragma once

#include <string>
#include <string_view>

#include "engine/value.h"

namespace zuvo {

// x1 w + x2 (1 - w): the weight belongs to the first value. w outside [0, 1]
// adds a message and gives the zero number.
Value Lerp(double x1, double x2, double w, int decimals);
// The smooth step of x between the edges a and b, a number in [0, 1]:
// e = (x - a) / (b - a) clamped to [0, 1], then e^2 (3 - 2e) for the version
// "旧"/"旧版" or e^3 (e (6e - 15) + 10) for "新"/"新版". Equal edges make a
// step: 0 below the edge, 1 at or above it. Another version text adds a
// message and gives the empty value.
Value SmoothStep(double a, double b, double x, std::u16string_view version);
// The unit vector in the direction of (1 - t) p + t q.
Value NormalizedLerp(const Value& p, const Value& q, double t, int decimals);
// Spherical interpolation from p (t = 0) to q (t = 1) along the angle between
// them; vectors of one direction are interpolated linearly.
Value SphericalLerp(const Value& p, const Value& q, double t, int decimals);

}  // namespace zuvo
