// Character classes of the expression language.
#pragma once

#include <string_view>

namespace zuvo {

// Characters that can belong to an operand (digits, radix and hexadecimal
// letters, literal brackets, separators, parentheses of negative numbers,
// the minus of a negative number, the point and the constant letters).
inline constexpr std::u16string_view kOperandChars = u"0123456789ABCDEFabcdefOHoh<>[], ()-.{}πετ";
// Characters that can end a written value: a product is implied when another
// value follows one of them directly.
inline constexpr std::u16string_view kValueEndChars = u"0123456789ABCDEFabcdefOHoh.)}>]πετ";
// The fifteen operator signs.
inline constexpr std::u16string_view kOperatorSigns = u"+-·*/%^!°²³√‰×÷";
// Signs that take an operand on each side.
inline constexpr std::u16string_view kTwoOperandSigns = u"+-·*/%^×÷";
// Signs that act on the operand before them.
inline constexpr std::u16string_view kPostfixSigns = u"!°²³‰";
inline constexpr std::u16string_view kGroupOpeners = u"(（【";
inline constexpr std::u16string_view kGroupClosers = u")）】";

inline bool In(std::u16string_view set, char16_t ch) { return set.find(ch) != std::u16string_view::npos; }

// Number of operator signs in a text.
inline std::size_t CountOperatorSigns(std::u16string_view text) {
  std::size_t n = 0;
  for (char16_t c : text) n += In(kOperatorSigns, c);
  return n;
}

// The text without spaces at either end.
inline std::u16string_view TrimSpaces(std::u16string_view t) {
  const auto a = t.find_first_not_of(u' ');
  if (a == std::u16string_view::npos) return {};
  const auto b = t.find_last_not_of(u' ');
  return t.substr(a, b - a + 1);
}

}  // namespace zuvo
