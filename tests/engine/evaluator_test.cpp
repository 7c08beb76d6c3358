#include "engine/evaluator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/stop.h"
#include "engine_test_support.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

using test::Lines;
using test::Messages;
using test::S;
using test::U;

std::string Result(std::u16string_view text, int decimals = 10) {
  return S(FormatResult(Evaluate(text, decimals), 10, false, decimals));
}

class EvaluatorTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
  void TearDown() override {
    ClearErrors();
    SetStopFlag(nullptr);
    SetWorkBudget(-1);
  }
};

struct Case {
  const char* text;
  const char* result;
  Lines messages;
};

void Expect(const std::vector<Case>& cases, int decimals = 10) {
  for (const auto& c : cases) {
    ClearErrors();
    EXPECT_EQ(Result(U(c.text), decimals), c.result) << c.text;
    EXPECT_EQ(Messages(), c.messages) << c.text;
  }
}

TEST_F(EvaluatorTest, GroupsAreReplacedByTheirValues) {
  Expect({
      {"(1+2)*3", "9", {}},
      {"2(3)", "6", {}},
      {"(1)(2)", "2", {}},
      {"2-(3)", "(-1)", {}},
      {"(1-5)*2", "(-8)", {}},
      {"（1+2）*3", "9", {}},
      {"【1+2】*3", "9", {}},
      {"((((2))))", "2", {}},
      {"(2)^(3)", "8", {}},
      {"<(1+1),2>", "<2,2>", {}},
      {"2^(1/2)", "1.4142135623", {}},
      {"(1，2)", "<1,2>", {}},
      {"<1，2>", "<1,2>", {}},
  });
}

TEST_F(EvaluatorTest, ValuesMeetValuesAsProducts) {
  Expect({
      {"(1+2)3", "9", {}},
      {"(1)2", "2", {}},
      {"2(3)(4)", "24", {}},
      {"(-2)(-3)", "6", {}},
      {"2(-3)", "(-6)", {}},
      {"(2)π", "6.2831853071", {}},
      {"(2)√4", "4", {}},
      {"(2)<1,2>", "<2,4>", {}},
      {"(2) (3)", "6", {}},
      {"(3)-1", "2", {}},
      {"(3)!", "6", {}},
      {"(3)²", "9", {}},
  });
}

TEST_F(EvaluatorTest, IntermediateValuesCarryTheDecimals) {
  Expect({{"(2.5/3)*3", "2.4999999999", {}}, {"(1/3)*3", "0.9999999999", {}}});
  // Written back rounded (0.67), while the listing shows digits cut (0.66).
  Expect({{"(2/3)*3", "2.01", {}}, {"2/3", "0.66", {}}}, 2);
  ClearErrors();
  EXPECT_EQ(S(FormatResult(Evaluate(u"(2.5/3)*3", 25), 10, true, 25)), "2.5");
}

TEST_F(EvaluatorTest, LargeAndNonFiniteValuesSurviveWriteBack) {
  Expect({
      {"(10^36)*2", "2000000000000000000000000000000000000", {}},
      {"(40!)/(38!)", "1560", {}},
      {"(10^400)-1", "+Inf", {}},
      {"(-(10^400))*2", "(-Inf)", {}},
      {"((10^400)-(10^400))+1", "Nan", {}},
      {"(0^-1)", "+Inf", {}},
  });
}

TEST_F(EvaluatorTest, NegativeNumbersStayAsOperands) {
  Expect({
      {"(-2.5)", "(-2.5)", {}},
      {"(-2)^2", "4", {}},
      {"-(2)^2", "(-4)", {}},
      {"(-(-3))", "3", {}},
      {"((-3))", "(-3)", {}},
      {"(-3)*(-3)", "9", {}},
      {"(-H10)", "(-16)", {}},
  });
}

TEST_F(EvaluatorTest, BracketFaults) {
  Expect({
      {"(1+2", "", {"右括号太少了，不能一一对应左括号。"}},
      {"1+2)", "1", {"左括号太少了，不能一一对应右括号。", "2)不是正确的10进制数。"}},
      {"(1)+2)", "1",
       {"左括号太少了，不能一一对应右括号。", "左括号太少了，不能一一对应右括号。", "2)不是正确的10进制数。"}},
      {"(1】", "1", {"右括号】不与左括号【对应！"}},
      {"(1）", "1", {"右括号）不与左括号（对应！"}},
      {"【1)", "1", {"右括号)不与左括号(对应！"}},
      {"((1)", "", {"右括号太少了，不能一一对应左括号。", "右括号太少了，不能一一对应左括号。"}},
      {"1+()", "", {}},
      {"()", "", {}},
      {")(", "", {"左括号太少了，不能一一对应右括号。", "右括号太少了，不能一一对应左括号。"}},
  });
}

TEST_F(EvaluatorTest, UnknownNamesAreNotCalls) {
  Expect({{"取名(1)", "1", {"运算符取不存在。", "运算符名不存在。"}}});
}

TEST_F(EvaluatorTest, EmptyTextGivesTheEmptyValueSilently) {
  EXPECT_TRUE(Evaluate(u"", 10).IsEmpty());
  EXPECT_EQ(Messages(), Lines{});
}

TEST_F(EvaluatorTest, TenThousandNestedGroupsAreEvaluated) {
  const std::u16string text = std::u16string(10000, u'(') + u"1" + std::u16string(10000, u')');
  EXPECT_EQ(Result(text), "1");
  EXPECT_EQ(Messages(), Lines{});
}

TEST_F(EvaluatorTest, MoreThanTenThousandPairsAreRefused) {
  const std::u16string nested = std::u16string(10001, u'(') + u"1" + std::u16string(10001, u')');
  EXPECT_TRUE(Evaluate(nested, 10).IsEmpty());
  EXPECT_EQ(Messages(), Lines{"算式中的括号超过了10000对，无法计算！"});
  ClearErrors();
  // Unclosed openers count as well.
  EXPECT_TRUE(Evaluate(std::u16string(10001, u'【'), 10).IsEmpty());
  EXPECT_EQ(Messages(), Lines{"算式中的括号超过了10000对，无法计算！"});
}

TEST_F(EvaluatorTest, ManyGroupsSideBySide) {
  std::u16string text = u"(1)";
  for (int i = 1; i < 2000; ++i) text += u"+(1)";
  EXPECT_EQ(Result(text), "2000");
  EXPECT_EQ(Messages(), Lines{});
}

TEST_F(EvaluatorTest, StopFlagEndsTheEvaluation) {
  std::atomic<bool> stop{true};
  SetStopFlag(&stop);
  EXPECT_TRUE(Evaluate(u"(1)+(2)", 10).IsEmpty());
  stop = false;
  EXPECT_EQ(Result(u"(1)+(2)"), "3");
  EXPECT_EQ(Messages(), Lines{});
}

TEST_F(EvaluatorTest, WorkBudgetBoundsThePasses) {
  std::u16string text = u"(1)";
  for (int i = 1; i < 100; ++i) text += u"+(1)";
  SetWorkBudget(10);
  EXPECT_TRUE(Evaluate(text, 10).IsEmpty());
  EXPECT_TRUE(StopRequested());
  SetWorkBudget(1000);
  EXPECT_EQ(Result(text), "100");
  EXPECT_FALSE(StopRequested());
}

TEST(ReplaceWithValue, InsertsProductsAroundTheValueAndMovesThePairs) {
  struct Case {
    std::u16string work;
    std::size_t start, end;
    double value;
    std::u16string expected;
  } cases[] = {
      {u"2(3)", 1, 3, 3, u"2*3.00"},
      {u"(3)2", 0, 2, 3, u"3.00*2"},
      {u"(3) (4)", 0, 2, 3, u"3.00* (4)"},
      {u"2-(3)", 2, 4, 3, u"2-3.00"},
      {u"(3)+1", 0, 2, -3, u"(-3.00)+1"},
      {u"(3)√4", 0, 2, 3, u"3.00*√4"},
      {u"(3)!", 0, 2, 3, u"3.00!"},
  };
  for (auto& c : cases) {
    std::vector<BracketPair> pairs;
    ReplaceWithValue(c.work, pairs, c.start, c.end, Value::Number(c.value), 2);
    EXPECT_EQ(S(c.work), S(c.expected));
  }
  // A pair after the stretch moves, one around it stretches, one inside goes.
  std::u16string work = u"((12)+(3))";
  std::vector<BracketPair> pairs = {{0, 9}, {1, 4}, {6, 8}};
  ReplaceWithValue(work, pairs, 1, 4, Value::Number(12), 0);
  EXPECT_EQ(S(work), "(12+(3))");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].open, 0u);
  EXPECT_EQ(pairs[0].close, 7u);
  EXPECT_EQ(pairs[1].open, 4u);
  EXPECT_EQ(pairs[1].close, 6u);
}

}  // namespace
}  // namespace zuvo
