#include "library/core/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zuvo {
namespace {

constexpr int kMaxDecimals = 216;

std::u16string Widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::u16string NonFinite(double x) {
  if (std::isnan(x)) return u"Nan";
  return x > 0 ? u"+Inf" : u"-Inf";
}

// The significant digits of |x| rounded to `digits` places and the decimal
// exponent of the leading one.
void SignificantDigits(double x, int digits, std::string& sig, int& exponent) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(x));
  std::string s(buf);
  const auto e = s.find('e');
  exponent = std::stoi(s.substr(e + 1));
  sig.clear();
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') sig.push_back(s[i]);
}

// Lays a digit string with the given exponent out as integer digits and
// `decimals` fraction digits; digits beyond the string are zeros. With
// round_half_up the digit after the last kept one decides a carry, otherwise
// the fraction is truncated.
void LayOut(const std::string& sig, int exponent, int decimals, bool round_half_up,
            std::string& integer, std::string& fraction) {
  auto digit_at = [&](int power) -> char {
    const long i = static_cast<long>(exponent) - power;
    return (i >= 0 && i < static_cast<long>(sig.size())) ? sig[i] : '0';
  };
  integer.clear();
  fraction.clear();
  for (int p = exponent > 0 ? exponent : 0; p >= 0; --p) integer.push_back(digit_at(p));
  for (int p = -1; p >= -decimals; --p) fraction.push_back(digit_at(p));
  if (round_half_up && digit_at(-decimals - 1) >= '5') {
    std::string all = integer + fraction;
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i >= 0) ++all[i];
    else all.insert(all.begin(), '1');
    integer = all.substr(0, all.size() - fraction.size());
    fraction = all.substr(all.size() - fraction.size());
  }
  const auto nz = integer.find_first_not_of('0');
  integer = nz == std::string::npos ? "0" : integer.substr(nz);
}

bool NeedsScientific(double x) {
  const double a = std::fabs(x);
  if (a == 0) return false;
  if (a > 0x1p119) return true;
  std::string sig;
  int e;
  SignificantDigits(x, 18, sig, e);
  return e > 35 || e < -35;
}

std::u16string Scientific(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.1e", std::fabs(x));
  std::string s(buf);  // d.de+XX
  const auto e = s.find('e');
  const int exponent = std::stoi(s.substr(e + 1));
  char out[32];
  std::snprintf(out, sizeof out, "%c%c.%cE%c%04d", x < 0 ? '-' : ' ', s[0], s[2],
                exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
  return Widen(out);
}

// Whole numbers up to this magnitude are written straight from their
// integer digits: formula samples write one such number per step.
constexpr double kMaxDirectWhole = 1e15;

std::u16string WholeText(double x, int decimals) {
  unsigned long long magnitude = static_cast<unsigned long long>(std::fabs(x));
  char16_t digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::u16string text;
  text.reserve(n + static_cast<std::size_t>(decimals) + 2);
  if (x < 0) text.push_back(u'-');
  while (n > 0) text.push_back(digits[--n]);
  if (decimals > 0) {
    text.push_back(u'.');
    text.append(static_cast<std::size_t>(decimals), u'0');
  }
  return text;
}

std::u16string Fixed(double x, int decimals, bool allow_scientific) {
  if (!std::isfinite(x)) return NonFinite(x);
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  if (decimals < 0) decimals = 0;
  if (std::trunc(x) == x && std::fabs(x) <= kMaxDirectWhole) return WholeText(x, decimals);
  if (allow_scientific && NeedsScientific(x)) return Scientific(x);
  std::string sig, integer, fraction;
  int exponent;
  SignificantDigits(x, 18, sig, exponent);
  LayOut(sig, exponent, decimals, true, integer, fraction);
  std::string out = x < 0 ? "-" : "";
  out += integer;
  if (decimals > 0) out += "." + fraction;
  return Widen(out);
}

template <class F>
std::u16string Literal(const Value& v, F element, bool parenthesize_negative_number) {
  switch (v.GetKind()) {
    case kEmpty:
      return u"";
    case kNumber: {
      std::u16string t = element(v.First());
      if (parenthesize_negative_number && !t.empty() && t[0] == u'-') return u"(" + t + u")";
      return t;
    }
    case kVector:
    case kArray: {
      const bool vec = v.GetKind() == kVector;
      std::u16string t(1, vec ? u'<' : u'{');
      for (std::size_t i = 0; i < v.Size(); ++i) {
        if (i) t += u',';
        t += element(v.Cell(i));
      }
      t += vec ? u'>' : u'}';
      return t;
    }
    case kMatrix: {
      std::u16string t = u"[";
      for (int r = 1; r <= v.Rows(); ++r) {
        if (r > 1) t += u',';
        for (int c = 1; c <= v.Columns(); ++c) {
          if (c > 1) t += u' ';
          t += element(v.At(r, c));
        }
      }
      return t + u"]";
    }
  }
  return u"";
}

// Exact digits of |x| in radix 2, 8 or 16, from the bits of the double.
void BinaryRadixDigits(double a, int bits_per_digit, std::string& integer, std::string& fraction) {
  static const char* kDigits = "0123456789ABCDEF";
  integer.clear();
  fraction.clear();
  if (a == 0) return;
  int e;
  const double m = std::frexp(a, &e);  // a = m * 2^e, 0.5 <= m < 1
  std::uint64_t mant = static_cast<std::uint64_t>(std::ldexp(m, 64 - 11));  // 53 bits
  int q = e - 53;                                                           // a = mant * 2^q
  std::string bits;
  for (int i = 52; i >= 0; --i) bits.push_back(((mant >> i) & 1) ? '1' : '0');
  std::string ibits, fbits;
  if (q >= 0) {
    ibits = bits + std::string(q, '0');
  } else {
    const int point = -q;  // fraction bits
    const int len = static_cast<int>(bits.size());
    if (len > point) {
      ibits = bits.substr(0, len - point);
      fbits = bits.substr(len - point);
    } else {
      fbits = std::string(point - len, '0') + bits;
    }
  }
  while (ibits.size() % bits_per_digit) ibits.insert(ibits.begin(), '0');
  while (fbits.size() % bits_per_digit) fbits.push_back('0');
  auto group = [&](const std::string& b, std::string& out) {
    for (std::size_t i = 0; i < b.size(); i += bits_per_digit) {
      int d = 0;
      for (int k = 0; k < bits_per_digit; ++k) d = d * 2 + (b[i + k] - '0');
      out.push_back(kDigits[d]);
    }
  };
  group(ibits, integer);
  group(fbits, fraction);
  const auto nz = integer.find_first_not_of('0');
  integer = nz == std::string::npos ? "" : integer.substr(nz);
}

// Exact decimal digits of |x|: glibc prints the exact expansion when the
// precision covers every fraction bit.
void DecimalDigits(double a, std::string& integer, std::string& fraction) {
  int e;
  std::frexp(a, &e);
  int fraction_bits = a == 0 ? 0 : 53 - e;
  if (fraction_bits < 0) fraction_bits = 0;
  if (fraction_bits > 1100) fraction_bits = 1100;
  std::vector<char> buf(static_cast<std::size_t>(fraction_bits) + 400);
  std::snprintf(buf.data(), buf.size(), "%.*f", fraction_bits, a);
  std::string s(buf.data());
  const auto dot = s.find('.');
  integer = s.substr(0, dot);
  fraction = dot == std::string::npos ? "" : s.substr(dot + 1);
  if (integer == "0") integer.clear();
}

std::u16string Assemble(bool negative, const char* prefix, std::string integer, std::string fraction,
                        int count) {
  if (count < 0) count = 0;
  if (fraction.size() > static_cast<std::size_t>(count)) fraction.resize(count);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string out = negative ? "-" : "";
  out += prefix;
  if (integer.empty() && fraction.empty()) out += "0";
  else if (integer.empty()) out += "0." + fraction;
  else if (fraction.empty()) out += integer;
  else out += integer + "." + fraction;
  return Widen(out);
}

// Radix 10 result digits: 15 significant digits, then truncated to the
// decimals, so that representation noise such as 0.30000000000000004 never
// shows.
std::u16string ResultDecimal(double x, int decimals) {
  if (!std::isfinite(x)) return NonFinite(x);
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  std::string sig, integer, fraction;
  int exponent;
  SignificantDigits(x, 15, sig, exponent);
  if (x == 0) sig = "0";
  LayOut(sig, exponent, decimals, false, integer, fraction);
  if (integer == "0") integer.clear();
  return Assemble(x < 0, "", integer, fraction, decimals);
}

}  // namespace

std::u16string FixedText(double x, int decimals) { return Fixed(x, decimals, true); }
std::u16string FixedExpressionText(double x, int decimals) { return Fixed(x, decimals, false); }

std::u16string ValueToText(const Value& v, int decimals) {
  return Literal(v, [&](double x) { return FixedText(x, decimals); }, true);
}

std::u16string ValueToExpressionText(const Value& v, int decimals) {
  return Literal(v, [&](double x) { return FixedExpressionText(x, decimals); }, true);
}

std::u16string RadixText(double x, int radix, int count) {
  if (!std::isfinite(x)) return NonFinite(x);
  const double a = std::fabs(x);
  std::string integer, fraction;
  const char* prefix = "";
  switch (radix) {
    case 2: BinaryRadixDigits(a, 1, integer, fraction); prefix = "B"; break;
    case 8: BinaryRadixDigits(a, 3, integer, fraction); prefix = "O"; break;
    case 16: BinaryRadixDigits(a, 4, integer, fraction); prefix = "H"; break;
    default: DecimalDigits(a, integer, fraction); break;
  }
  return Assemble(x < 0, prefix, integer, fraction, count);
}

std::u16string FormatResult(const Value& v, int radix, bool automatic, int decimals) {
  const int count = automatic ? 25 : decimals;
  const bool decimal = radix != 2 && radix != 8 && radix != 16;
  return Literal(
      v,
      [&](double x) {
        std::u16string t = (decimal && !automatic) ? ResultDecimal(x, count) : RadixText(x, radix, count);
        if (automatic && t.find(u'.') != std::u16string::npos) {
          while (!t.empty() && t.back() == u'0') t.pop_back();
          if (!t.empty() && t.back() == u'.') t.pop_back();
        }
        return t;
      },
      true);
}

std::u16string DecimalText(long long n) { return Widen(std::to_string(n)); }

}  // namespace zuvo
