#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/rounding.h"

namespace zuvo {
namespace {

using test::Args;
using test::Mat;
using test::Messages;
using test::Num;
using test::ShapeOf;
using test::Vec;

class RoundingTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

struct RoundCase {
  double x, places, expected;
};

TEST_F(RoundingTest, OldStyleRoundsHalfAwayFromZeroOnTheShownDigits) {
  const std::vector<RoundCase> cases = {
      {2.375, 2, 2.38}, {2.5, 0, 3},      {-2.5, 0, -3},     {-2.7, 0, -3},   {1.255, 2, 1.26},
      {1.005, 2, 1.01}, {-1.005, 2, -1.01}, {0.5, 0, 1},     {0.4, 0, 0},     {9.995, 2, 10},
      {1250, -2, 1300}, {49, -2, 0},       {50, -2, 100},    {2.375, 9, 2.375}, {0.07, 1, 0.1},
      {1e300, 2, 1e300}, {1e-300, 2, 0},   {-0.4, 0, 0},
  };
  for (const RoundCase& c : cases) {
    const std::optional<Value> r = CallOldStyleRound(Args({Num(c.x), Num(c.places)}));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_EQ(r->First(), c.expected) << c.x << " at " << c.places;
    EXPECT_FALSE(std::signbit(r->First()) && r->First() == 0) << c.x;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RoundingTest, RoundRoundsHalfToEvenOnTheShownDigits) {
  const std::vector<RoundCase> cases = {
      {2.675, 2, 2.68}, {2.665, 2, 2.66}, {2.5, 0, 2},      {3.5, 0, 4},     {-2.5, 0, -2},
      {-3.5, 0, -4},    {1250, -2, 1200}, {1350, -2, 1400}, {1251, -2, 1300}, {2.6, 0, 3},
      {2.4, 0, 2},      {0.5, 0, 0},      {1.5, 0, 2},      {2.50001, 0, 3}, {0.125, 2, 0.12},
      {99.5, 0, 100},   {0.05, 1, 0},     {0.15, 1, 0.2},
  };
  for (const RoundCase& c : cases) {
    const std::optional<Value> r = CallRoundToPlaces(Args({Num(c.x), Num(c.places)}));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_EQ(r->First(), c.expected) << c.x << " at " << c.places;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RoundingTest, RoundingKeepsShapeAndNonFiniteElements) {
  EXPECT_EQ(ShapeOf(OldStyleRound(Vec({1.24, 1.25}), Num(1), 2)), ShapeOf(Vec({1.2, 1.3})));
  EXPECT_EQ(ShapeOf(RoundToPlaces(Mat({{0.5, 1.5}, {2.5, -0.5}}), Num(0), 2)), ShapeOf(Mat({{0, 2}, {2, 0}})));
  EXPECT_TRUE(RoundToPlaces(Value::Empty(), Num(1), 2).IsEmpty());
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(RoundDecimal(-inf, 2, HalfRule::kToEven), -inf);
  EXPECT_TRUE(std::isnan(RoundDecimal(std::nan(""), 2, HalfRule::kAwayFromZero)));
  EXPECT_EQ(RoundDecimal(1.7976931348623157e308, -308, HalfRule::kAwayFromZero), inf);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RoundingTest, PlacesMustBeAWholeNumber) {
  struct Case {
    Operation call;
    Value places;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CallOldStyleRound, Vec({1, 2}), "<1.00,2.00>不是数字，无法进行老版舍入计算！"},
      {CallRoundToPlaces, Vec({1, 2}), "<1.00,2.00>不是数字，无法进行舍入计算！"},
      {CallOldStyleRound, Num(1.5), "1.50不是整数，无法进行老版舍入计算！"},
      {CallRoundToPlaces, Num(-0.5), "(-0.50)不是整数，无法进行舍入计算！"},
      {CallRoundToPlaces, Value::Empty(), "不是数字，无法进行舍入计算！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_TRUE(c.call(Args({Num(1.5), c.places}))->IsEmpty());
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(RoundingTest, IntegerAndFractionalParts) {
  struct Case {
    Operation call;
    Value x, expected;
  };
  const std::vector<Case> cases = {
      {CallFloor, Num(-2), Num(-2)},
      {CallFloor, Num(-2.5), Num(-3)},
      {CallFloor, Num(0), Num(0)},
      {CallCeiling, Num(2), Num(2)},
      {CallCeiling, Num(2.1), Num(3)},
      {CallCeiling, Num(-2.9), Num(-2)},
      {CallIntegerPart, Num(-2.9), Num(-2)},
      {CallIntegerPart, Num(2.9), Num(2)},
      {CallIntegerPart, Num(-1e15 - 0.5), Num(-1e15)},  // beyond 32 bits
      {CallIntegerPart, Num(5e9 + 0.25), Num(5e9)},
      {CallFractionalPart, Vec({1.5, -1.5}), Vec({0.5, -0.5})},
      {CallFractionalPart, Num(-2.25), Num(-0.25)},
      {CallFloor, Mat({{1.5, 2.5}, {3.5, 4.5}}), Mat({{1, 2}, {3, 4}})},
      {CallCeiling, Value::Empty(), Value::Empty()},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args({c.x}));
    ASSERT_TRUE(r);
    EXPECT_EQ(ShapeOf(*r), ShapeOf(c.expected));
  }
  // A zero result shows no minus sign.
  EXPECT_FALSE(std::signbit(Ceiling(Num(-0.5)).First()));
  EXPECT_FALSE(std::signbit(IntegerPart(Num(-0.5)).First()));
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace zuvo
