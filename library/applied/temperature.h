// 温度转换: temperatures between 摄氏度, 华氏度, 开尔文 and 兰金.
#pragma once

#include <string_view>

#include "engine/value.h"

namespace zuvo {

// Converts every element of x from the scale named from to the scale named
// to, passing through kelvins. Names are compared exactly. An element below
// the lowest temperature of its scale stops the conversion with a message
// and the zero number; a not-a-number element stays not-a-number. When both
// names are the same scale the message says so and x comes back unchanged.
Value ConvertTemperature(std::u16string_view from, std::u16string_view to, const Value& x,
                         int decimals);

}  // namespace zuvo
