// The formula functions as the user writes them: whole lines through
// Evaluate, results in the result form, messages compared exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/stop.h"
#include "engine_test_support.h"
#include "library/applied/formula_binding.h"
#include "library/applied/formula_calculus.h"
#include "library/core/format.h"

namespace zuvo::test {
namespace {

struct LineResult {
  std::string result;
  Lines messages;
};

LineResult RunLine(const std::string& line, int decimals = 10) {
  ClearErrors();
  const Value v = Evaluate(U(line), decimals);
  return {S(FormatResult(v, 10, decimals == 25, decimals)), Messages()};
}

struct ResultCase {
  std::string line;
  std::string result;
  int decimals = 10;
};

void ExpectResults(const std::vector<ResultCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const LineResult r = RunLine(c.line, c.decimals);
    EXPECT_EQ(r.messages, Lines{});
    EXPECT_EQ(r.result, c.result);
  }
}

struct MessageCase {
  std::string line;
  Lines messages;
};

void ExpectMessages(const std::vector<MessageCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(RunLine(c.line).messages, c.messages);
  }
}

TEST(FormulaFunctions, ComputeTheirResults) {
  ExpectResults({
      {"累加(x^2,x,1,3)", "14"},
      {"累加(x,x,3,1)", "6"},
      {"累加(x,x,2,2)", "2"},
      {"累加(x,x,-2,1)", "(-2)"},
      {"累加(<x,x*2+0>,x,1,2)", "<3,6>"},
      {"函数差值(x^2,x,3,1)", "8"},
      {"函数值(x+x,x,<1,2>)", "<2,4>"},
      {"多维累加(x*y,x,1,2,y,1,3)", "18"},
      {"多维函数值(x+y,x,1,y,2)", "3"},
      {"多维函数差值(x*y,x,2,1,y,3,1)", "5"},
      {"导数(x^2,x,3,0.001)", "6"},
      {"2累加(x,x,1,3)", "12"},
      {"累加(x,x,1,3)+累加(x,x,1,2)", "9"},
      {"累加(累加(y,y,1,x),x,1,3)", "10"},
      {"正弦(累加(x-x,x,1,3))", "0"},
      // Spaces around arguments and inside formulas.
      {"累加(x, x, 1, 10)", "55"},
      {"累加(x + 1,x,1,3)", "9"},
      {"多维函数值( x*y , x , 2 , y , 3 )", "6"},
      // Commas of nested calls and literals stay inside their argument.
      {"函数值(最大值(平方(x),正弦(x)),x,3)", "9"},
      {"函数值(x,x,[1 2,3 4])", "[1 2,3 4]"},
      // The longer name wins.
      {"多维函数值(x,x,4)", "4"},
      {"多维函数差值(x,x,4,1)", "3"},
  });
}

TEST(FormulaFunctions, IntegralsUseTheTrapezoidRule) {
  ExpectResults({
      {"积分(1,x,0,1,0.25)", "1"},
      {"积分(1,x,1,0,0.25)", "(-1)"},
      {"积分(x,x,0,1,0.5)", "0.5"},
      {"积分(x^2,x,0,1,0.01)", "0.33335"},
      // The shortened last step 0.9 .. 1 counts with its own width.
      {"积分(x,x,0,1,0.3)", "0.5"},
      {"积分(x,x,2,2,0.5)", "0"},
      {"积分(<1,x>,x,0,2,0.5)", "<2,2>"},
      {"多维积分(1,x,0,1,y,0,1,0.5)", "1"},
      {"多维积分(x*y,x,0,1,y,0,2,0.5)", "1"},
      {"多维积分(1,x,0,1,y,1,0,0.5)", "(-1)"},
      {"多维积分(1,x,1,0,y,1,0,0.5)", "1"},
      {"多维积分(1,x,0,1,y,2,2,0.5)", "0"},
  });
}

TEST(FormulaFunctions, BoundValuesCarryTheDecimalCount) {
  ExpectResults({
      // Both 2.999 and 3.001 are written 3.00.
      {"导数(x^2,x,3,0.001)", "0", 2},
      // Samples 0.001 and 0.002 are both bound as 0.00.
      {"积分(x,x,0,0.003,0.001)", "0", 2},
      {"函数值(x,x,1/3)", "0.33", 2},
      {"函数值(x^2,x,(-2))", "4", 2},
  });
  ClearErrors();
  const Value d = Evaluate(u"导数(x^2,x,3,0.001)", 25);
  EXPECT_EQ(Messages(), Lines{});
  ASSERT_TRUE(d.IsNumber());
  EXPECT_NEAR(d.First(), 6.0, 1e-9);
}

// Array products report their operands, which shows each bound sample.
TEST(FormulaFunctions, SamplePointsAndGridOrder) {
  const auto product = [](const std::string& a, const std::string& b) {
    return "被乘数{" + a + "," + b + "}和{" + a + "," + b + "}为数组，无法计算！";
  };
  const std::string p0 = "0.0000000000", p3 = "0.3000000000", p6 = "0.6000000000", p9 = "0.9000000000",
                    one = "1.0000000000", two = "2.0000000000", three = "3.0000000000",
                    half1 = "1.5000000000", half2 = "2.5000000000";
  ExpectMessages({
      {"积分({x,x}*{x,x},x,0,1,0.3)",
       {product(p0, p0), product(p3, p3), product(p6, p6), product(p9, p9), product(one, one)}},
      {"累加({x,x}*{x,x},x,3,1)", {product(three, three), product(two, two), product(one, one)}},
      {"多维累加({x,y}*{x,y},x,1,2,y,1,3)",
       {product(one, one), product(two, one), product(one, two), product(two, two), product(one, three),
        product(two, three)}},
      // Bounds that are not whole: steps of 1 from the left value, the right
      // value always last.
      {"多维累加({x,x}*{x,x},x,1.5,3)", {product(half1, half1), product(half2, half2), product(three, three)}},
      {"多维累加({x,x}*{x,x},x,3,1.5)", {product(three, three), product(two, two), product(half1, half1)}},
  });
  ExpectResults({{"多维累加(x,x,1.5,3)", "7"}, {"多维累加(x,x,0.5,0.5)", "0.5"}});
}

TEST(FormulaFunctions, ArgumentMessages) {
  const std::string sum = "累加(公式,代数符号,开始端,结束端)";
  const std::string integral = "积分(公式,代数符号,开始端,结束端,精度)";
  const std::string derivative = "导数(公式,代数符号,代数值,精度)";
  const std::string multi_sum = "多维累加(公式,代数符号1,左值1,右值1,...,代数符号n,左值n,右值n)";
  const std::string multi_integral = "多维积分(公式,代数1,左值1,右值1,...,代数n,左值n,右值n,精度)";
  const std::string multi_difference = "多维函数差值(公式,代数符号1,值1-1，值1-2,...,代数符号n,值n-1,值n-2)";
  ExpectMessages({
      {"累加()", {sum + "需要4个参数！"}},
      {"累加(x,x,1,2,3)", {sum + "只需要4个参数，现在参数数量太多了！"}},
      {"累加(x,x,1)", {sum + "只需要4个参数，现在参数数量太少了！"}},
      {"累加(x,a,1,2.5)", {sum + "的第2个参数不符合变量名，无法计算！", sum + "的第4个参数不是整数，无法计算！"}},
      {"累加(x,-x,<1,2>,3)", {sum + "的第2个参数不符合变量名，无法计算！", sum + "的第3个参数不是整数，无法计算！"}},
      {"累加(x,x,1,3000000000)", {sum + "的第4个参数超出了-2147483648到2147483647的范围，无法计算！"}},
      {"积分()", {integral + "需要5个参数！"}},
      {"积分(x,x,0,1,1,1)", {integral + "只需要5个参数，现在参数数量太多了！"}},
      {"积分(x,x,0,1)", {integral + "只需要5个参数，现在参数数量太少了！"}},
      {"积分(x,π,<0>,[1 2,3 4],{1,2})",
       {integral + "的第2个参数不符合变量名，无法计算！", integral + "的第4个参数不是数字，无法计算！",
        integral + "的第5个参数不是数字，无法计算！"}},
      {"积分(1,x,0,1,0)", {integral + "的第5个参数精度0.0000000000不大于0，无法计算！"}},
      {"积分(1,x,0,1,-1)", {integral + "的第5个参数精度(-1.0000000000)不大于0，无法计算！"}},
      {"积分(1,x,0,2^1000,1)",
       {integral + "的开始端0.0000000000和结束端" + S(ValueToText(Value::Number(std::pow(2.0, 1000)), 10)) +
        "不是有限的数字或对精度1.0000000000来说太大，无法计算！"}},
      {"导数()", {derivative + "需要正好4个参数才能计算！"}},
      {"导数(x,x,1,1,1)", {derivative + "需要正好4个参数才能计算，现在的参数太多了！"}},
      {"导数(x,x,1)", {derivative + "需要正好4个参数才能计算，现在的参数太少了！"}},
      {"导数(x,x,<1,2>,{1,2})",
       {derivative + "的第三个参数代数值不为数字，故无法计算！", derivative + "的第四个参数精度不为数字，故无法计算！"}},
      {"导数(x^2,x,3,0)", {"除数不能为0，不然无法计算。"}},
      {"函数值()", {"函数值(公式,代数符号,参数)需要3个参数！"}},
      {"函数值(x,x,1,2)", {"函数值(公式,代数符号,参数)仅需要3个参数，现在的参数数量太多了！"}},
      {"函数值(x,x)", {"函数值(公式,代数符号,参数)仅需要3个参数，现在的参数数量太少了！"}},
      {"函数差值()", {"函数差值(公式,代数符号,参数1,参数2)需要4个参数！"}},
      {"函数差值(x,x,1,2,3)", {"函数差值(公式,代数符号,参数1,参数2)仅需要4个参数，现在的参数数量太多了！"}},
      {"函数差值(x,x,1)", {"函数差值(公式,代数符号,参数1,参数2)仅需要4个参数，现在的参数数量太少了！"}},
      {"多维累加()", {"多维累加(公式,代数符号1,左值1,右值1,...代数符号n,左值n,右值n)必须填入至少4个参数！"}},
      {"多维累加(x,x,1)", {multi_sum + "必须填入3n+1个参数(n=1,2,...,20)！"}},
      // A single triple has both bounds tested; later triples stop at the first.
      {"多维累加(x,x,<1,2>,{3,4})",
       {multi_sum + "的左值1<1.0000000000,2.0000000000>不是数字，故无法计算！",
        multi_sum + "的右值1{3.0000000000,4.0000000000}不是数字，故无法计算！"}},
      {"多维累加(x,x,<1,2>,{3,4},y,<1,2>,1)", {multi_sum + "的左值1<1.0000000000,2.0000000000>不是数字，故无法计算！"}},
      {"多维累加(x,x,1,2,y,1,<1,2>)", {multi_sum + "的右值2<1.0000000000,2.0000000000>不是数字，故无法计算！"}},
      {"多维累加(x,x,0,2^60)",
       {multi_sum + "的左值10.0000000000和右值1" + S(ValueToText(Value::Number(std::pow(2.0, 60)), 10)) +
        "不是有限的数字或对步长1来说太大，故无法计算！"}},
      {"多维积分()", {multi_integral + "必须填入至少五个输入参数！"}},
      {"多维积分(1,x,0,1)", {multi_integral + "必须填入正好3n+2个参数！"}},
      {"多维积分(1,x,0,<1,2>,y,<1>,1,0.5)", {multi_integral + "的右值1<1.0000000000,2.0000000000>不是数字，故无法计算！"}},
      {"多维积分(1,x,0,1,{1,2})", {multi_integral + "的精度{1.0000000000,2.0000000000}不是数字，故无法计算！"}},
      {"多维积分(1,x,0,1,(-0.5))", {multi_integral + "的精度(-0.5000000000)不大于0，故无法计算！"}},
      {"多维积分(1,x,0,1,y,0,1,0)", {multi_integral + "的精度0.0000000000不大于0，故无法计算！"}},
      {"多维函数值()", {"多维函数值(公式,代数符号1,值1,...,代数符号n,值n)需要至少3个参数！"}},
      {"多维函数值(x,x,1,y)",
       {"多维函数值(公式,代数符号1,值1,...,代数符号n,值n)需要填入正好2n+1(n=1...20)个参数才能进行计算！"}},
      {"多维函数差值()", {multi_difference + "需要至少4个参数！"}},
      {"多维函数差值(x,x,1)", {multi_difference + "需要填入正好3n+1(n=1,2,...,20)个参数才能进行计算！"}},
  });
}

TEST(FormulaFunctions, VariableCountLimits) {
  // Twenty variables are accepted, twenty-one are not.
  std::string twenty = "多维函数值(1";
  for (int k = 0; k < 20; ++k) twenty += ",v" + std::to_string(k) + ",1";
  EXPECT_EQ(RunLine(twenty + ")").messages, Lines{});
  EXPECT_EQ(RunLine(twenty + ",w,1)").messages,
            Lines{"多维函数值(公式,代数符号1,值1,...,代数符号n,值n)需要填入正好2n+1(n=1...20)个参数才能进行计算！"});
}

TEST(FormulaFunctions, FailedCallsBecomeZeroAndEmptyBracketsEndTheLine) {
  // The rejected call turns into 0, so the rest of the line still counts.
  const LineResult rejected = RunLine("累加(x,x,1,2.5)+5");
  EXPECT_EQ(rejected.result, "5");
  const LineResult empty = RunLine("5+累加()");
  EXPECT_EQ(empty.result, "");
  // A sample that fails adds its message and counts as nothing.
  const LineResult failing = RunLine("累加(1/(x-2),x,1,3)");
  EXPECT_EQ(failing.messages, Lines{"除数不能为0，不然无法计算。"});
  EXPECT_EQ(failing.result, "0");
  // The multi-dimensional sum starts from the number 0, so a formula with
  // vector values cannot be added to it.
  EXPECT_EQ(RunLine("多维累加(<x,x>,x,1,1)").messages,
            Lines{"0.0000000000和<1.0000000000,1.0000000000>不符合相加条件，无法相加。"});
}

TEST(FormulaFunctions, LongWorkStopsWhenAsked) {
  // Each line would take hours; with a budget of work steps both end at once
  // with the empty value.
  for (const char16_t* line : {u"累加(x,x,1,1000000000)",
                               u"多维积分(多维积分(x*y,x,0,1,y,0,1,0.000001),z,0,1,w,0,1,0.000001)"}) {
    SetWorkBudget(5000);
    ClearErrors();
    const Value v = Evaluate(line, 10);
    SetWorkBudget(-1);
    EXPECT_TRUE(v.IsEmpty()) << S(line);
  }
}

TEST(BindVariable, ReplacesWholeTokensOnly) {
  struct Case {
    std::string formula, name, value, bound;
  };
  const std::vector<Case> cases = {
      {"x*xy+(x)", "x", "3", "3*xy+(3)"},
      {"xx", "x", "3", "xx"},
      {"x", "x", "(-2.00)", "(-2.00)"},
      {"x^2", "x", "(-2.00)", "(-2.00)^2"},
      {"正弦(x)+x‰", "x", "1", "正弦(1)+x‰"},
      {"x + x", "x", "1", "1 + 1"},
      {"<x,x>", "x", "1", "<1,1>"},
      {"（x）【x】", "x", "1", "（1）【1】"},
      {"长度*长度", "长度", "2", "2*2"},
      // Inserted text is never searched again.
      {"x+y", "x", "x", "x+y"},
      {"a+a", "a", "a+a", "a+a+a+a"},
      {"x", "", "1", "x"},
      {"", "x", "1", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.formula + " / " + c.name);
    EXPECT_EQ(S(BindText(U(c.formula), U(c.name), U(c.value))), c.bound);
  }
  EXPECT_EQ(S(BindVariable(u"x/2", u"x", Value::Number(1.0 / 3), 2)), "0.33/2");
  EXPECT_EQ(S(BindVariable(u"x/2", u"x", Value::Number(-2), 2)), "(-2.00)/2");
}

TEST(IsVariableName, RejectsTextsThatBeginLikeNumbers) {
  struct Case {
    std::string name;
    bool ok;
  };
  const std::vector<Case> cases = {
      {"x", true},  {"长度", true}, {"y1", true},  {"_a", true}, {"", false},  {"1x", false}, {"a", false},
      {"F", false}, {"O", false},   {"h", false},  {"-x", false}, {"π", false}, {"ε", false}, {"τ", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsVariableName(U(c.name)), c.ok) << c.name;
}

}  // namespace
}  // namespace zuvo::test
