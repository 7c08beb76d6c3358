// Binding a value to a variable of a formula text.
#pragma once

#include <string>
#include <string_view>

#include "engine/value.h"

namespace zuvo {

// Characters that end a variable name in a formula: the operator signs
// except "‰", the brackets of every kind, the comma and the space.
inline constexpr std::u16string_view kTokenDelimiters = u"+-·*/%^!°²³√×÷([<{)]>},（【）】 ";

// False for an empty name and for one that begins like a number: a digit, a
// hexadecimal or radix letter, the minus sign or a constant letter.
bool IsVariableName(std::u16string_view name);

// The formula with every whole-token occurrence of the name replaced by the
// value text. Text inserted for one occurrence is not searched again. An
// empty name leaves the formula unchanged.
std::u16string BindText(std::u16string_view formula, std::u16string_view name, std::u16string_view value_text);

// BindText with the literal text of the value written with the decimal count.
std::u16string BindVariable(std::u16string_view formula, std::u16string_view name, const Value& value,
                            int decimals);

}  // namespace zuvo
