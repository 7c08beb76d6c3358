// 线性插值, 平滑过渡, 正态线性插值 and 圆滑线性插值.
#include <cmath>

#include "library/applied/interpolation.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Interpolation = AppliedTest;

TEST_F(Interpolation, LinearWeightBelongsToTheFirstValue) {
  struct Case { double x1, x2, w, want; } cases[] = {
      {10, 20, 0.25, 17.5}, {10, 20, 1, 10}, {10, 20, 0, 20}};
  for (const auto& c : cases) {
    const auto got = CallLerp(Args({Num(c.x1), Num(c.x2), Num(c.w)}));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->First(), c.want);
  }
  EXPECT_EQ(Lerp(10, 20, 1.5, 2).First(), 0.0);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "线性插值(x1,x2,x3)中的参数x3=1.50没有在[0,1]区间上，故无法计算！"});
}

TEST_F(Interpolation, SmoothStepVersions) {
  struct Case { double a, b, x; std::u16string version; double want; } cases[] = {
      {0, 10, 5, u"旧", 0.5},      {0, 10, 2.5, u"新版", 0.103515625}, {0, 10, -3, u"旧", 0},
      {0, 10, 12, u"新", 1},       {0, 10, 2.5, u"旧版", 0.15625},
      // Equal edges: a step at the edge.
      {4, 4, 3.9, u"旧", 0},       {4, 4, 4, u"新", 1},                {4, 4, 9, u"旧", 1}};
  for (const auto& c : cases) {
    CallArgs args = Args({Num(c.a), Num(c.b), Num(c.x), Value()});
    args.texts[3] = c.version;
    const auto got = CallSmoothStep(args);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->First(), c.want) << c.x;
  }
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_TRUE(std::isnan(SmoothStep(4, 4, NAN, u"旧").First()));
}

TEST_F(Interpolation, SmoothStepWithAnotherVersionIsEmpty) {
  for (std::u16string version : {u"other", u" 新", u""}) {
    EXPECT_TRUE(SmoothStep(0, 10, 5, version).IsEmpty());
    EXPECT_EQ(TakeMessages(),
              std::vector<std::string>{"平滑过渡(x1,x2,x3,使用版本)中的第4个参数使用版本既不是新/新版或旧/旧版，不能确定所需要的版本，故无法计算！"});
  }
}

TEST_F(Interpolation, VectorForms) {
  const double h = std::sqrt(0.5);
  struct Case {
    Operation call;
    Value p, q;
    double t;
    std::vector<double> want;
  } cases[] = {
      {CallSphericalLerp, Vec({1, 0}), Vec({0, 1}), 0.5, {h, h}},
      {CallSphericalLerp, Vec({1, 0}), Vec({0, 1}), 0, {1, 0}},
      {CallSphericalLerp, Vec({2, 0}), Vec({0, 2}), 1, {0, 2}},
      // One direction: the straight line between them.
      {CallSphericalLerp, Vec({1, 2}), Vec({2, 4}), 0.5, {1.5, 3}},
      {CallSphericalLerp, Vec({1, 1, 1}), Vec({1, 1, 1}), 0.3, {1, 1, 1}},
      {CallNormalizedLerp, Vec({1, 0}), Vec({0, 1}), 0.5, {h, h}},
      {CallNormalizedLerp, Vec({3, 4}), Vec({0, 1}), 0, {0.6, 0.8}},
  };
  for (auto& c : cases) {
    const auto got = c.call(Args({c.p, c.q, Num(c.t)}));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->Columns(), 1);
    const auto cells = Cells(*got);
    ASSERT_EQ(cells.size(), c.want.size());
    for (std::size_t i = 0; i < cells.size(); ++i) EXPECT_NEAR(cells[i], c.want[i], 1e-15);
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Interpolation, VectorFormMessages) {
  struct Case {
    Value (*op)(const Value&, const Value&, double, int);
    Value p, q;
    double t;
    std::string message;
  } cases[] = {
      // The dimensions are tested before the weight.
      {NormalizedLerp, Vec({1, 0}), Vec({1, 0, 0}), 2,
       "正态线性插值(<...>,<...>,x)中的第一个和第二个参数不是维度相同的向量，故无法进行计算！"},
      {NormalizedLerp, Vec({1, 0}), Vec({0, 1}), -0.5,
       "正态线性插值(<...>,<...>,x)中的第三个参数x=-0.50没有在[0,1]区间上，故无法计算！"},
      {NormalizedLerp, Vec({1, 2}), Vec({-1, -2}), 0.5,
       "正态线性插值(<...>,<...>,x)中的两个向量按权重相加后是零向量，没有方向，故无法计算！"},
      {SphericalLerp, Vec({1, 0}), Vec({1, 0, 0}), 2,
       "圆滑线性插值(<...>,<...>,x)中的第一个和第二个参数不是维度相同的向量，故无法进行计算！"},
      {SphericalLerp, Vec({1, 0}), Vec({0, 1}), 1.25,
       "球形线性插值(<...>,<...>,x)中的第三个参数x=1.25没有在[0,1]区间上，故无法计算！"},
      {SphericalLerp, Vec({0, 0}), Vec({0, 1}), 0.5,
       "圆滑线性插值(<...>,<...>,x)中的第一个或第二个参数是零向量，没有方向，故无法计算！"},
      {SphericalLerp, Vec({1, 2}), Vec({-2, -4}), 0.5,
       "圆滑线性插值(<...>,<...>,x)中的两个向量方向相反，插值的路径不唯一，故无法计算！"},
  };
  for (auto& c : cases) {
    const Value got = c.op(c.p, c.q, c.t, 2);
    EXPECT_TRUE(got.IsNumber());
    EXPECT_EQ(got.First(), 0.0);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
  }
}

TEST_F(Interpolation, KindMessagesOfTheCalls) {
  CallArgs smooth = Args({Vec({1, 2}), Num(1), Arr({1, 2}), Value()});
  smooth.texts[3] = u"旧";
  EXPECT_FALSE(CallSmoothStep(smooth));
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                "平滑过渡(左值,右值,取值权重,选用版本)的第一个参数左值<1.00,2.00>不是数字，故无法计算！",
                                "平滑过渡(左值,右值,取值权重,选用版本)的第三个参数取值权重{1.00,2.00}不是数字，故无法计算！"}));
  EXPECT_FALSE(CallLerp(Args({Num(1), Mat({{1, 2}, {3, 4}}), Num(-1)})));
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                "线性插值(左值,右值,取值权重)的第二个参数右值[1.00 2.00,3.00 4.00]不是数字，故无法计算！"}));
  EXPECT_FALSE(CallLerp(Args({Value::Empty(), Num(1), Num(0.5)})));
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                "线性插值(左值,右值,取值权重)的第一个参数左值不是数字，故无法计算！"}));
  EXPECT_FALSE(CallNormalizedLerp(Args({Num(-1), Arr({1, 2}), Vec({1, 2})})));
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                "正态线性插值(左向量,右向量,取值权重)的第一个输入参数左向量(-1.00)不是向量，所以函数无法计算！",
                                "正态线性插值(左向量,右向量,取值权重)的第二个输入参数右向量{1.00,2.00}不是向量，所以函数无法计算！",
                                "正态线性插值(左向量,右向量,取值权重)的第三个输入参数取值权重<1.00,2.00>不是数字，所以函数无法计算！"}));
  EXPECT_FALSE(CallSphericalLerp(Args({Vec({1, 0}), Num(3), Num(0.5)})));
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                "圆滑线性插值(左向量,右向量,取值权重)的第二个输入参数右向量3.00不是向量，所以函数无法计算！"}));
}

}  // namespace
}  // namespace zuvo::applied_test
