#include "library/core/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "engine/errors.h"
#include "engine/literals.h"
#include "engine_test_support.h"

namespace zuvo {
namespace {

using test::S;

Value Vec(std::initializer_list<double> cells) {
  Value v = Value::Shaped(static_cast<int>(cells.size()), 1);
  std::size_t i = 0;
  for (double c : cells) v.Cell(i++) = c;
  return v;
}
Value Arr(std::initializer_list<double> cells) {
  Value v = Value::Shaped(1, static_cast<int>(cells.size()));
  std::size_t i = 0;
  for (double c : cells) v.Cell(i++) = c;
  return v;
}
Value Mat2(double a, double b, double c, double d) {
  Value v = Value::Shaped(2, 2);
  v.Cell(0) = a;
  v.Cell(1) = b;
  v.Cell(2) = c;
  v.Cell(3) = d;
  return v;
}

TEST(FixedText, RoundsHalfUpAtTheDecimals) {
  struct Case {
    double x;
    int decimals;
    const char* text;
  } cases[] = {
      {3.14159, 2, "3.14"},
      {1.5, 2, "1.50"},
      {1.5, 25, "1.5000000000000000000000000"},
      {-0.001, 2, "-0.00"},
      {2.5, 0, "3"},
      {-2.5, 0, "-3"},
      {0.5, 0, "1"},
      {0.0, 0, "0"},
      {0.0, 3, "0.000"},
      {9.9999, 2, "10.00"},
      {-9.995, 2, "-9.99"},  // the double is 9.99499999999999921…
      {123456789.0, 1, "123456789.0"},
      {0.1, 25, "0.1000000000000000060000000"},  // 18 significant digits, then zeros
      {1.0 / 3, 20, "0.33333333333333331500"},
      {1e35, 0, "99999999999999996900000000000000000"},
      {-0.0, 2, "0.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(FixedText(c.x, c.decimals)), c.text) << c.x << " D=" << c.decimals;
}

TEST(FixedText, ScientificFormForMessagesOnly) {
  struct Case {
    double x;
    const char* message_text;
    const char* expression_text;
  } cases[] = {
      {1e40, " 1.0E+0040", "10000000000000000300000000000000000000000.00"},
      {-2.5e-40, "-2.5E-0040", "-0.00"},
      {1e-40, " 1.0E-0040", "0.00"},
      {1e36, " 1.0E+0036", "1000000000000000040000000000000000000.00"},
      {-1.26e36, "-1.3E+0036", "-1259999999999999940000000000000000000.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(S(FixedText(c.x, 2)), c.message_text) << c.x;
    EXPECT_EQ(S(FixedExpressionText(c.x, 2)), c.expression_text) << c.x;
  }
}

// Whole numbers are written from their integer digits: the same text as the
// rounding path gives, for every decimal count, around the 10^15 boundary
// of that shortcut too.
TEST(FixedText, WholeNumbersHaveTheirDigitsAndZeroDecimals) {
  for (double x : {0.0, -0.0, 1.0, -1.0, 7.0, -100.0, 123456789.0, 999999999999999.0, -1e15, 1e15, 1e15 + 2, -4e15})
    for (int decimals : {0, 1, 2, 10, 25, 216, 255}) {
      SCOPED_TRACE(std::to_string(x) + " / " + std::to_string(decimals));
      char digits[32];
      std::snprintf(digits, sizeof digits, "%.0f", std::fabs(x));
      const int places = decimals > 216 ? 216 : decimals;
      std::string want = std::string(x < 0 ? "-" : "") + digits;
      if (places > 0) want += "." + std::string(places, '0');
      EXPECT_EQ(test::S(FixedExpressionText(x, decimals)), want);
      EXPECT_EQ(test::S(FixedText(x, decimals)), want);
      const std::string literal = x < 0 ? "(" + want + ")" : want;
      EXPECT_EQ(test::S(ValueToExpressionText(Value::Number(x), decimals)), literal);
    }
}

TEST(FixedText, NonFiniteNumbers) {
  EXPECT_EQ(S(FixedText(NAN, 2)), "Nan");
  EXPECT_EQ(S(FixedText(INFINITY, 2)), "+Inf");
  EXPECT_EQ(S(FixedText(-INFINITY, 2)), "-Inf");
  EXPECT_EQ(S(FixedExpressionText(-INFINITY, 2)), "-Inf");
}

TEST(FixedText, DecimalsAbove216CountAs216) {
  EXPECT_EQ(FixedText(1.0, 255), FixedText(1.0, 216));
  EXPECT_EQ(FixedText(1.0, 216).size(), 2u + 216u);
}

TEST(ValueToText, LiteralFormsByKind) {
  struct Case {
    Value v;
    const char* text;
  } cases[] = {
      {Value::Number(-3), "(-3.00)"},
      {Value::Number(3), "3.00"},
      {Vec({1, -2}), "<1.00,-2.00>"},
      {Mat2(1, 2, 3, 4), "[1.00 2.00,3.00 4.00]"},
      {Arr({0.5, 7}), "{0.50,7.00}"},
      {Value(), ""},
      {Value::Number(-0.0), "0.00"},
      {Value::Number(NAN), "Nan"},
      {Value::Number(-INFINITY), "(-Inf)"},
      {Value::Number(-0.001), "(-0.00)"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(ValueToText(c.v, 2)), c.text) << c.text;
  EXPECT_EQ(S(ValueToText(Value::Number(0.5), 0)), "1");
  EXPECT_EQ(S(ValueToText(Value::Number(-0.5), 0)), "(-1)");
  EXPECT_EQ(S(ValueToText(Value::Number(1e40), 2)), " 1.0E+0040");
}

TEST(ValueToText, ExpressionTextReadsBackAsTheSameValue) {
  // A value written back into an expression must survive the literal parser
  // at the decimals in use, however large or odd it is.
  const double numbers[] = {0.0, 2.375, -273.15, 1e36 * 2, 8.159152832478977e47, 1e23, 1152921504606846976.0,
                            -123456.5, NAN, INFINITY, -INFINITY};
  for (double x : numbers) {
    ClearErrors();
    const std::u16string text = ValueToExpressionText(Value::Number(x), 25);
    const Value back = ParseLiteral(text);
    EXPECT_TRUE(Errors().empty()) << S(text);
    ASSERT_EQ(back.GetKind(), kNumber) << S(text);
    if (std::isnan(x)) {
      EXPECT_TRUE(std::isnan(back.First())) << S(text);
    } else if (std::isinf(x)) {
      EXPECT_EQ(back.First(), x) << S(text);
    } else {
      // 18 significant digits are enough for a double to read back exactly
      // except in the last unit.
      EXPECT_NEAR(back.First(), x, std::fabs(x) * 1e-16) << S(text);
    }
  }
  ClearErrors();
}

TEST(RadixText, ExactDigitsTruncatedWithPrefixes) {
  struct Case {
    double x;
    int radix, count;
    const char* text;
  } cases[] = {
      {255, 16, 10, "HFF"},
      {-2.5, 2, 8, "-B10.1"},
      {0.1, 16, 4, "H0.1999"},
      {100, 10, 10, "100"},
      {101, 10, 3, "101"},
      {5, 2, 0, "B101"},
      {-0.001, 10, 2, "-0"},
      {1.05, 10, 2, "1.05"},
      {1.05, 10, 1, "1"},
      {1.5, 10, 2, "1.5"},
      {2.0 / 3, 10, 2, "0.66"},
      {0, 10, 5, "0"},
      {0, 16, 5, "H0"},
      {0.1, 10, 25, "0.1000000000000000055511151"},
      {64.5, 8, 3, "O100.4"},
      {1e23, 10, 0, "99999999999999991611392"},
      {0x1p-30, 16, 10, "H0.00000004"},
      {NAN, 16, 5, "Nan"},
      {INFINITY, 2, 5, "+Inf"},
      {-INFINITY, 8, 5, "-Inf"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(S(RadixText(c.x, c.radix, c.count)), c.text) << c.x << " radix " << c.radix << " count " << c.count;
}

TEST(RadixText, LargestDoubleHasAllItsIntegerDigits) {
  const std::u16string t = RadixText(1.7976931348623157e308, 2, 0);
  EXPECT_EQ(t.size(), 1u + 1024u);
  EXPECT_EQ(t.substr(0, 5), u"B1111");
  EXPECT_EQ(RadixText(1.7976931348623157e308, 10, 0).size(), 309u);
}

TEST(FormatResult, FifteenSignificantDigitsThenTruncatedAtRadix10) {
  struct Case {
    double x;
    int decimals;
    const char* text;
  } cases[] = {
      {216.95 + 381.38, 10, "598.33"},
      {1.15 * 100, 10, "115"},
      {0.3 - 0.1, 10, "0.2"},
      {0.7, 10, "0.7"},
      {1e23, 10, "100000000000000000000000"},
      {1152921504606846976.0, 10, "1152921504606850000"},
      {0.8333333333 * 3, 10, "2.4999999999"},
      {1 / 3.5, 10, "0.2857142857"},
      {0.3 - 0.1 - 0.2, 10, "(-0)"},
      {5, 3, "5"},
      {1.05, 1, "1"},
      {2.0 / 3, 0, "0"},
      {-2.0 / 3, 2, "(-0.66)"},
      {0.9999999999999999, 10, "1"},
      {123456789012345678.0, 2, "123456789012346000"},
      {1.23456789012345678e-5, 20, "0.0000123456789012346"},
      {-0.0, 10, "0"},
      {NAN, 10, "Nan"},
      {INFINITY, 10, "+Inf"},
      {-INFINITY, 10, "(-Inf)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(S(FormatResult(Value::Number(c.x), 10, false, c.decimals)), c.text) << c.x << " D=" << c.decimals;
}

TEST(FormatResult, AutomaticAndOtherRadixesShowExactDigits) {
  EXPECT_EQ(S(FormatResult(Value::Number(0.1), 10, true, 25)), "0.1000000000000000055511151");
  EXPECT_EQ(S(FormatResult(Value::Number(0.5), 10, true, 25)), "0.5");
  EXPECT_EQ(S(FormatResult(Value::Number(-2.5), 10, true, 25)), "(-2.5)");
  EXPECT_EQ(S(FormatResult(Value::Number(0.1), 16, false, 10)), "H0.1999999999");
  EXPECT_EQ(S(FormatResult(Vec({-1, 10}), 16, false, 10)), "<-H1,HA>");
  EXPECT_EQ(S(FormatResult(Arr({3, 4.25}), 2, false, 3)), "{B11,B100.01}");
  EXPECT_EQ(S(FormatResult(Mat2(1, -2, 0.5, 4), 10, false, 10)), "[1 -2,0.5 4]");
  EXPECT_EQ(S(FormatResult(Value(), 10, false, 10)), "");
  EXPECT_EQ(S(FormatResult(Value::Number(-INFINITY), 16, false, 10)), "(-Inf)");
}

}  // namespace
}  // namespace zuvo
