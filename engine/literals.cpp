#include "engine/literals.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "engine/char_sets.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "library/core/arithmetic.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;
constexpr double kTau = 6.283185307179586;

// Value of a constant letter, or 0 for any other character.
double ConstantLetter(char16_t c) {
  switch (c) {
    case u'π': return kPi;
    case u'ε': return kE;
    case u'τ': return kTau;
    default: return 0;
  }
}

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

int RadixOf(char16_t c) {
  switch (c) {
    case u'B': case u'b': return 2;
    case u'O': case u'o': return 8;
    case u'H': case u'h': return 16;
    default: return 10;
  }
}

double Fail(std::u16string_view whole, int radix) {
  if (radix == 10) AddError(std::u16string(whole) + u"不是正确的10进制数。");
  else AddError(std::u16string(whole) + u"不是正确的" + DecimalText(radix) + u"进制数。");
  return 0;
}

// Digit by digit: the rule for other radixes and for numbers with constant
// letters (2π is 2 times π, π alone is π).
double ReadDigits(std::u16string_view t, std::u16string_view whole, int radix) {
  double v = 0;
  int k = 0;
  bool fraction = false;
  for (char16_t c : t) {
    if (c == u'.') {
      fraction = true;
      continue;
    }
    const int d = DigitValue(c);
    if (d >= 0 && d < radix) {
      if (!fraction) {
        v = v * radix + d;
      } else {
        ++k;
        v += d * std::pow(static_cast<double>(radix), -k);
      }
      continue;
    }
    const double w = ConstantLetter(c);
    if (w != 0) {
      v = (radix == 10 && v == 0) ? w : v * w;
      continue;
    }
    return Fail(whole, radix);
  }
  return v;
}

// A plain decimal number is the double nearest to its digits; points after
// the first are ignored.
double ReadDecimal(std::u16string_view t, std::u16string_view whole) {
  std::string digits;
  digits.reserve(t.size());
  bool point = false;
  for (char16_t c : t) {
    if (c >= u'0' && c <= u'9') {
      digits.push_back(static_cast<char>(c));
    } else if (c == u'.') {
      if (!point) digits.push_back('.');
      point = true;
    } else {
      return Fail(whole, 10);
    }
  }
  double v = 0;
  if (digits.empty() || digits == ".") return 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
  return v;
}

// Splits at a separator character.
std::vector<std::u16string_view> Split(std::u16string_view t, char16_t sep) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const auto p = t.find(sep, start);
    if (p == std::u16string_view::npos) {
      parts.push_back(t.substr(start));
      return parts;
    }
    parts.push_back(t.substr(start, p - start));
    start = p + 1;
  }
}

// One entry of a data literal: a plain number, or an expression when it has
// two or more operator signs.
double ReadEntry(std::u16string_view entry, int decimals) {
  entry = TrimSpaces(entry);
  if (entry.empty()) return 0;
  if (CountOperatorSigns(entry) <= 1) return ParseNumber(entry);
  return Evaluate(entry, decimals).First();
}

}  // namespace

double ParseNumber(std::u16string_view whole) {
  std::u16string_view t = whole;
  if (t.empty()) return 0;
  if (t[0] == u'(') t = t.size() >= 2 ? t.substr(1, t.size() - 2) : std::u16string_view();
  // Values that left the finite range are written back in these forms.
  if (t == u"Nan") return NAN;
  if (t == u"Inf" || t == u"+Inf") return INFINITY;
  if (t == u"-Inf") return -INFINITY;
  bool negative = false;
  if (!t.empty() && t[0] == u'-') {
    negative = true;
    t.remove_prefix(1);
  }
  if (t.empty()) return 0;
  const int radix = RadixOf(t[0]);
  if (radix != 10) t.remove_prefix(1);
  double v;
  if (radix == 10 && t.find_first_of(u"πετ") == std::u16string_view::npos) v = ReadDecimal(t, whole);
  else v = ReadDigits(t, whole, radix);
  return negative ? -v : v;
}

Value ParseLiteral(std::u16string_view text) {
  text = TrimSpaces(text);
  if (text.empty()) return Value::Empty();
  std::size_t prefix = 0;
  if (text[0] == u'-') {
    if (text.size() == 1) return Value::Empty();
    prefix = 1;
  } else if (text.size() >= 2 && text[0] == u'(' && text[1] == u'-') {
    prefix = 2;
  }
  const std::size_t last = text.size() - (prefix == 2 ? 2 : 1);  // where a closing bracket stands
  const char16_t after = prefix < text.size() ? text[prefix] : u'\0';
  static constexpr struct {
    char16_t open, close;
    const char16_t* message;
  } kKinds[] = {
      {u'<', u'>', u"向量括号<>无法一一对应，不能视为向量定义！"},
      {u'[', u']', u"矩阵括号[]无法一一对应，不能视为矩阵定义！"},
      {u'{', u'}', u"数组括号{}无法一一对应，不能视为数组定义！"},
  };
  bool failed = false, data = false;
  for (const auto& k : kKinds) {
    const bool opens = after == k.open;
    const bool closes = last > prefix && last < text.size() && text[last] == k.close;
    if (opens || closes) {
      if (opens && closes) data = true;
      else {
        AddError(k.message);
        failed = true;
      }
    }
  }
  if (failed) return Value::Empty();
  std::u16string_view content;
  if (data) content = text.substr(prefix + 1, last - prefix - 1);
  else content = text.substr(prefix, (prefix == 2 ? text.size() - 1 : text.size()) - prefix);
  content = TrimSpaces(content);
  if (content.empty()) return Value::Zero();

  const bool array = data && after == u'{';
  std::vector<std::u16string_view> rows = Split(content, u',');
  std::size_t row_count, column_count;
  if (array) {
    row_count = 1;
    column_count = rows.size();
  } else {
    row_count = rows.size();
    column_count = Split(TrimSpaces(rows[0]), u' ').size();
  }
  if (!Value::FitsGrid(static_cast<long long>(row_count), static_cast<long long>(column_count))) {
    AddError(u"数据超过了100行或100列的上限，无法表示！");
    return Value::Empty();
  }
  const double sign = prefix ? -1.0 : 1.0;
  if (row_count == 1 && column_count == 1) return Value::Number(sign * ParseNumber(content));

  Value out = Value::Shaped(static_cast<int>(row_count), static_cast<int>(column_count));
  if (array) {
    for (std::size_t j = 0; j < column_count; ++j)
      out.At(1, static_cast<int>(j + 1)) = sign * ReadEntry(rows[j], j + 1 < column_count ? 30 : 25);
  } else {
    for (std::size_t i = 0; i < row_count; ++i) {
      const auto entries = Split(TrimSpaces(rows[i]), u' ');
      for (std::size_t j = 0; j < entries.size() && j < column_count; ++j)
        out.At(static_cast<int>(i + 1), static_cast<int>(j + 1)) = sign * ReadEntry(entries[j], 25);
    }
  }
  return out;
}

}  // namespace zuvo
