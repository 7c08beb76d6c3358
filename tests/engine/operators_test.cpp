#include "engine/operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine_test_support.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

using test::Lines;
using test::Messages;
using test::S;
using test::U;

// The operator engine's value, written as the result listing writes it.
std::string Result(const char* text, int decimals = 10) {
  return S(FormatResult(EvaluateOperators(U(text), decimals), 10, false, decimals));
}

struct Case {
  const char* text;
  const char* result;
};

class OperatorsTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
  void TearDown() override { ClearErrors(); }
  void ExpectClean(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
      ClearErrors();
      EXPECT_EQ(Result(c.text), c.result) << c.text;
      EXPECT_EQ(Messages(), Lines{}) << c.text;
    }
  }
};

TEST_F(OperatorsTest, Precedence) {
  ExpectClean({
      {"1+2*3", "7"},       {"2*3-4", "2"},        {"10-2*3*4", "(-14)"}, {"2^3*2", "16"},
      {"2^2^3", "256"},     {"2*3^2", "18"},       {"1-2*3^2", "(-17)"},  {"2-3^2", "(-7)"},
      {"2+3^2*2", "20"},    {"8/2/2", "2"},        {"2*3%4", "2"},        {"7%4*2", "6"},
      {"2^3^0", "2"},       {"12/3^2", "1.3333333333"}, {"2·3^2", "18"},   {"100-10%3", "99"},
  });
}

TEST_F(OperatorsTest, MinusSigns) {
  ExpectClean({
      {"2*-3", "(-6)"},     {"2^-1", "0.5"},     {"1--1", "2"},        {"7%-3", "(-2)"},
      {"2*-3^2", "(-18)"},  {"2^-2^2", "0.0625"}, {"3²-1", "8"},        {"5!-3", "117"},
      {"-2^2", "(-4)"},     {"-5", "(-5)"},       {"+5", "5"},          {"5++3", "8"},
      {"2*--3", "6"},       {"2/-4", "(-0.5)"},   {"-(-3)", "3"},       {"1-(-3)", "4"},
      {"2- -3", "5"},       {"-<1,2>", "<-1,-2>"}, {"1 - 1", "0"},
      {"2×-3", "(-6)"},     {"2÷-4", "(-0.5)"},   {"5‰-1", "(-0.995)"},  {"3³-1", "26"},
  });
}

TEST_F(OperatorsTest, SpacesAndPercent) {
  ExpectClean({
      {"2 * 3", "6"},       {"1 + 2", "3"},       {"5! + 1", "121"},    {"3² + 4²", "25"},
      {"50% * 2", "1"},     {"20% + 30%", "0.5"}, {"10 % 3", "1"},      {"10%3", "1"},
      {"50%", "0.5"},       {"50% ", "0.5"},      {"  7  ", "7"},       {"(-7)%3", "2"},
      {"50%+1", "1.5"},     {"10%<1>", "0"},      {"200%%", "0.02"},
  });
}

TEST_F(OperatorsTest, ImpliedProducts) {
  ExpectClean({
      {"2√4", "4"},         {"5!3", "360"},       {"2(-3)", "(-6)"},     {"(-2)(-3)", "6"},
      {"2<1,2>", "<2,4>"},  {"3²2", "18"},        {"2 √4", "4"},         {"2π", "6.2831853071"},
      {"(-2)<1,2>", "<-2,-4>"}, {"<1,2>(-1)", "<-1,-2>"},
  });
}

TEST_F(OperatorsTest, SignsOfOneOperand) {
  ExpectClean({
      {"5!", "120"},   {"0!", "1"},    {"3²", "9"},   {"2³", "8"},     {"√16", "4"},
      {"√√16", "2"},   {"√4!", "2"},   {"180°", "3.1415926535"}, {"1000‰", "1"},
      {"[1 2,3 4]²", "[7 10,15 22]"}, {"[1 1,0 1]³", "[1 3,0 1]"}, {"√<4,9>", "<2,3>"},
  });
}

TEST_F(OperatorsTest, ShapesAndRealDivision) {
  ExpectClean({
      {"1/3", "0.3333333333"},  {"7/2", "3.5"},  {"9/2", "4.5"},  {"-7/2", "(-3.5)"},
      {"[4 6,8 10]/4", "[1 1.5,2 2.5]"}, {"<7,7.5>/2", "<3.5,3.75>"},
      {"25^0.5", "5"},  {"4^1.5", "8"},  {"[1 2,3 4]^0", "[1 0,0 1]"}, {"2^0.5", "1.4142135623"},
      {"{1,2,3}·{4,5,6}", "32"}, {"[1 2,3 4]·[1 2,3 4]", "30"}, {"<1,2,3>·<4,5,6>", "32"},
      {"<1,0,0>×<0,1,0>", "<0,0,1>"}, {"<1,2>*{3,4,5}", "[3 4 5,6 8 10]"}, {"{1,2}*<3,4>", "11"},
      {"(-8)^0.5", "Nan"}, {"0^-1", "+Inf"}, {"Nan+1", "Nan"}, {"+Inf", "+Inf"}, {"(-Inf)*2", "(-Inf)"},
      {"-Inf", "(-Inf)"}, {"1-Inf", "(-Inf)"}, {"10^400", "+Inf"},
  });
}

TEST_F(OperatorsTest, LeftoverOperatorsAndEmptyText) {
  ExpectClean({{"5+", "5"}, {"5*", "5"}, {"5^", "5"}, {"", ""}, {"   ", ""}});
}

TEST_F(OperatorsTest, FaultsAndTheirMessages) {
  struct Fault {
    const char* text;
    const char* result;
    Lines messages;
  } cases[] = {
      {"5-", "0", {"减号没有减数！"}},
      {"-", "0", {"减号没有减数！"}},
      {"5 - ", "0", {"减号没有减数！"}},
      {"2x", "2", {"运算符x不存在。"}},
      {"<1,<2>>", "0", {"数据变量不能在里面嵌套数据变量！"}},
      {"<1,2]", "0", {"向量括号<>没有对应！"}},
      {"[1 2>", "0", {"矩阵括号[]没有对应！"}},
      {"{1,2]", "0", {"数组括号{}没有对应！"}},
      {"<1,2", "0", {"向量括号<>没有对应！"}},
      {"1+<", "0", {"向量括号<>没有对应！"}},
      {"!", "", {"运算符!前面没有运算对象，无法计算！"}},
      {"%", "", {"运算符%前面没有运算对象，无法计算！"}},
      {"1+²", "1", {"运算符²前面没有运算对象，无法计算！"}},
      {"5/0", "", {"除数不能为0，不然无法计算。"}},
      {"1+5/0", "1", {"除数不能为0，不然无法计算。"}},
      {"√-4", "0", {"开平方符号不能求取小于0的开平方数字，-4.0000000000小于0，故无法计算！"}},
      {"2.5!", "", {"阶乘的对象必须是整数，2.5000000000不是整数！"}},
      {"(-3)!", "", {"阶乘的对象必须是正数，(-3.0000000000)不是正数！"}},
      {"7.5%2", "", {"被取余数不能为非整数，不然无法计算。"}},
      {"<1,2>+3", "", {"<1.0000000000,2.0000000000>和3.0000000000不符合相加条件，无法相加。"}},
      {"{1,2}*{3,4}", "", {"被乘数{1.0000000000,2.0000000000}和{3.0000000000,4.0000000000}为数组，无法计算！"}},
      {"<1,2>·<1,2,3>", "", {"<1.0000000000,2.0000000000>和<1.0000000000,2.0000000000,3.0000000000>不符合相乘条件，无法相乘。"}},
      {"2^<1,2>", "", {"<1.0000000000,2.0000000000>是向量，不是实数，不能作为指数！"}},
      {"😀", "", {"运算符😀不存在。"}},
  };
  for (const auto& c : cases) {
    ClearErrors();
    EXPECT_EQ(Result(c.text), c.result) << c.text;
    EXPECT_EQ(Messages(), c.messages) << c.text;
  }
}

TEST_F(OperatorsTest, DecimalsOnlyShapeTheMessages) {
  EXPECT_EQ(Result("<1,2>+3", 2), "");
  EXPECT_EQ(Messages(), Lines{"<1.00,2.00>和3.00不符合相加条件，无法相加。"});
  ClearErrors();
  EXPECT_EQ(Result("√<4,-9>", 2), "0");
  EXPECT_EQ(Messages(), Lines{"开平方符号不能求取小于0的开平方项，向量的第2个分量-9.00小于0，故无法计算！"});
}

TEST_F(OperatorsTest, LongSumOfManyOperands) {
  std::u16string text = u"1";
  for (int i = 1; i < 5000; ++i) text += u"+1";
  const Value v = EvaluateOperators(text, 10);
  EXPECT_EQ(v.First(), 5000);
  EXPECT_EQ(Messages(), Lines{});
}

}  // namespace
}  // namespace zuvo
