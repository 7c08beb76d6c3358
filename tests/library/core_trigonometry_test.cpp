#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/trigonometry.h"

namespace zuvo {
namespace {

using test::Args;
using test::Mat;
using test::Messages;
using test::Num;
using test::Vec;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;

class TrigonometryTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

TEST_F(TrigonometryTest, NumberForms) {
  struct Case {
    Operation call;
    double x, expected;
  };
  const std::vector<Case> cases = {
      {CallSine, kPi / 2, 1},
      {CallCosine, 0, 1},
      {CallTangent, kPi / 4, std::tan(kPi / 4)},
      {CallCotangent, 0, kInf},
      {CallSecant, 0, 1},
      {CallCosecant, kPi / 6, 1 / std::sin(kPi / 6)},  // 2, the cosecant, not the secant
      {CallHyperbolicSine, 1, std::sinh(1.0)},
      {CallHyperbolicCosine, 0, 1},
      {CallHyperbolicTangent, 1, std::tanh(1.0)},
      {CallHyperbolicCotangent, 0, kInf},
      {CallHyperbolicSecant, 0, 1},
      {CallHyperbolicCosecant, 0, kInf},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args({Num(c.x)}));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_EQ(r->First(), c.expected) << c.x;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TrigonometryTest, NumberFormRefusesOtherKindsUnderItsOwnName) {
  EXPECT_TRUE(CallSine(Args({Vec({1, 2})}))->IsEmpty());
  EXPECT_TRUE(CallCosecant(Args({Mat({{1, 2}, {3, 4}})}))->IsEmpty());
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "参数x=<1.00,2.00>不为数字，需要注意的是正弦(x)的参数必须为数字，不能是向量或者矩阵！",
                "参数x=[1.00 2.00,3.00 4.00]不为数字，需要注意的是余割(x)的参数必须为数字，不能是向量或者矩阵！"}));
}

TEST_F(TrigonometryTest, TwoVectorForms) {
  struct Case {
    Operation call;
    Value x1, x2;
    double expected, tolerance;
  };
  const std::vector<Case> cases = {
      {CallCosine, Vec({1, 0}), Vec({0, 1}), 0, 0},
      {CallSine, Vec({1, 0}), Vec({0, 2}), 1, 0},
      {CallCosine, Vec({2, 0}), Vec({3, 0}), 1, 0},  // lengths divide out
      {CallTangent, Vec({1, 0}), Vec({1, 1}), 1, 1e-15},
      {CallCosecant, Vec({1, 0}), Vec({1, 1}), std::sqrt(2.0), 1e-15},
      {CallHyperbolicCosine, Vec({1, 0, 0}), Vec({0, 0, 5}), std::cosh(kPi / 2), 1e-15},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args({c.x1, c.x2}));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_NEAR(r->First(), c.expected, c.tolerance);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TrigonometryTest, TwoVectorFormRefusals) {
  struct Case {
    Operation call;
    Value x1, x2;
    std::string message;
  };
  const std::string tail = "需要注意的是正弦(x1,x2)的两个参数必须为向量，不能是数字或者矩阵！";
  const std::vector<Case> cases = {
      {CallSine, Num(1), Vec({1, 2}), "参数x1=1.00不为向量，" + tail},
      {CallSine, Vec({1, 2}), Num(-1), "参数x2=(-1.00)不为向量，" + tail},
      {CallSine, Num(1), Num(2), "参数x1=1.00和参数x2=2.00都不为向量，" + tail},
      {CallHyperbolicCosecant, Mat({{1, 2}, {3, 4}}), Vec({1, 2}),
       "参数x1=[1.00 2.00,3.00 4.00]不为向量，需要注意的是双曲余割(x1,x2)的两个参数必须为向量，不能是数字或者矩阵！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_TRUE(c.call(Args({c.x1, c.x2}))->IsEmpty());
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(TrigonometryTest, VectorsOfDifferentSizesTakeARightAngleAfterTheProductMessage) {
  const Value r = TrigAngle(TrigFunction::kSine, Vec({1, 0}), Vec({1, 0, 0}), 2);
  EXPECT_EQ(r.First(), 1);
  EXPECT_EQ(Messages(), std::vector<std::string>{"<1.00,0.00>和<1.00,0.00,0.00>不符合相乘条件，无法相乘。"});
}

TEST_F(TrigonometryTest, InverseFunctionsAcceptTheirDomains) {
  struct Case {
    Operation call;
    double x, expected;
  };
  const std::vector<Case> cases = {
      {CallArcSine, -1, -kPi / 2},
      {CallArcCosine, -1, kPi},
      {CallArcTangent, 1, kPi / 4},
      {CallArcCotangent, 0, kPi / 2},
      {CallArcCotangent, -1, -kPi / 4},
      {CallArcSecant, 1, 0},
      {CallArcSecant, -1, kPi},
      {CallArcCosecant, 1, kPi / 2},
      {CallInverseHyperbolicSine, -1, -std::asinh(1.0)},  // negative x accepted
      {CallInverseHyperbolicSine, 1e200, std::asinh(1e200)},
      {CallInverseHyperbolicCosine, 1, 0},
      {CallInverseHyperbolicTangent, 1, kInf},
      {CallInverseHyperbolicTangent, -1, -kInf},
      {CallInverseHyperbolicCotangent, 1, kInf},
      {CallInverseHyperbolicCotangent, -1, -kInf},
      {CallInverseHyperbolicSecant, 1, 0},
      {CallInverseHyperbolicCosecant, 1, std::asinh(1.0)},
      {CallInverseHyperbolicCosecant, 4, std::asinh(0.25)},  // beyond 1 accepted
      {CallInverseHyperbolicCosecant, -2, -std::asinh(0.5)},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args({Num(c.x)}));
    ASSERT_TRUE(r && r->IsNumber());
    EXPECT_DOUBLE_EQ(r->First(), c.expected) << c.x;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TrigonometryTest, InverseFunctionRefusals) {
  struct Case {
    Operation call;
    Value x;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CallArcSine, Num(2), "参数x=2.00必须在-1到1之间！"},
      {CallArcCosine, Num(-1.5), "参数x=(-1.50)必须在-1到1之间！"},
      {CallArcSecant, Num(0.5), "参数x=0.50必须在大于1或者小于-1之间！"},
      {CallArcCosecant, Num(0), "参数x=0.00必须在大于1或者小于-1之间！"},
      {CallInverseHyperbolicCosine, Num(0.5), "参数x=0.50必须大于等于1！"},
      {CallInverseHyperbolicTangent, Num(2), "参数x=2.00必须在-1到1之间！"},
      {CallInverseHyperbolicCotangent, Num(0.5), "参数x=0.50必须大于1或者小于-1！"},
      {CallInverseHyperbolicSecant, Num(0), "参数x=0.00必须大于0小于等于1！"},
      {CallInverseHyperbolicSecant, Num(1.5), "参数x=1.50必须大于0小于等于1！"},
      {CallInverseHyperbolicCosecant, Num(0), "参数x=0.00不能为0！"},
      {CallArcTangent, Vec({1, 2}),
       "参数x=<1.00,2.00>不为数字，需要注意的是反正切(x)的参数必须为数字，不能是向量或者矩阵！"},
      {CallInverseHyperbolicSine, Value::Empty(),
       "参数x=不为数字，需要注意的是反双曲正弦(x)的参数必须为数字，不能是向量或者矩阵！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_TRUE(c.call(Args({c.x}))->IsEmpty());
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

}  // namespace
}  // namespace zuvo
