// 两点分布, 二项分布, 负二项分布, 泊松分布, 几何分布, 超几何分布, 正态分布,
// 均匀分布 and 指数分布.
#include <cmath>
#include <functional>

#include "library/applied/distributions.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Distributions = AppliedTest;

void ExpectCellsNear(const Value& got, const std::vector<double>& want) {
  const std::vector<double> cells = Cells(got);
  ASSERT_EQ(cells.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(cells[i], want[i], 1e-12) << i;
}

TEST_F(Distributions, ValuesOfTheCalls) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    std::vector<double> want;
  } cases[] = {
      {CallTwoPoint, {Num(0.3)}, {0.3, 0.7}},
      {CallTwoPoint, {Num(1), Num(0.3)}, {0.3}},
      {CallTwoPoint, {Arr({0, 1, 0}), Num(0.3)}, {0.7, 0.3, 0.7}},
      {CallBinomial, {Num(3), Num(0.5)}, {0.125, 0.375, 0.375, 0.125}},
      {CallBinomial, {Num(0), Num(0.5)}, {1}},
      {CallBinomial, {Num(0), Num(3), Num(0.5)}, {0.125}},
      {CallBinomial, {Vec({0, 3}), Num(3), Num(0)}, {1, 0}},
      {CallNegativeBinomial, {Num(3), Num(0.2)}, {0.008, 0.096, 0.384, 0.512}},
      {CallNegativeBinomial, {Num(1), Num(3), Num(0.2)}, {0.096}},
      {CallPoisson, {Num(0), Num(2)}, {std::exp(-2.0)}},
      {CallPoisson, {Arr({0, 3}), Num(0)}, {1, 0}},
      {CallGeometric, {Arr({1, 2, 3}), Num(0.5)}, {0.5, 0.25, 0.125}},
      {CallGeometric, {Num(4), Num(1)}, {0}},
      {CallHypergeometric, {Num(1), Num(2), Num(5), Num(3)}, {0.6}},
      {CallHypergeometric, {Vec({0, 2}), Num(2), Num(5), Num(3)}, {0.1, 0.3}},
      {CallNormal, {Num(0), Num(0), Num(1)}, {0.3989422804014327}},
      {CallUniform, {Arr({1, 2, 3, 0}), Num(1), Num(3)}, {0, 0.5, 0, 0}},
      {CallUniform, {Num(2), Num(2), Num(2)}, {0}},
      {CallExponential, {Arr({0, -1, 1}), Num(2)}, {2, 0, 2 * std::exp(-2.0)}},
  };
  for (auto& c : cases) {
    const auto got = c.call(Args(c.args));
    ASSERT_TRUE(got);
    ExpectCellsNear(*got, c.want);
    EXPECT_TRUE(TakeMessages().empty());
  }
}

TEST_F(Distributions, FormsAtXKeepTheShape) {
  const Value x = Mat({{0, 1}, {2, 3}});
  for (const Value& got : {BinomialAt(x, 3, 0.5), PoissonAt(x, 1), NormalAt(x, 0, 1),
                           HypergeometricAt(x, 3, 6, 3), ExponentialAt(x, 1)}) {
    EXPECT_EQ(got.Rows(), 2);
    EXPECT_EQ(got.Columns(), 2);
  }
  ExpectCellsNear(BinomialAt(x, 3, 0.5), {0.125, 0.375, 0.375, 0.125});
}

TEST_F(Distributions, TablesSumToOne) {
  for (double n : {1.0, 7.0, 99.0}) {
    double sum = 0;
    for (double p : Cells(BinomialTable(n, 0.3))) sum += p;
    EXPECT_NEAR(sum, 1.0, 1e-12) << n;
  }
  EXPECT_EQ(BinomialTable(99, 0.5).Columns(), 100);
}

TEST_F(Distributions, LargeCountsStayFinite) {
  // C(2000, 1000) is past the double range; the probability is not.
  const double p = BinomialAt(Num(1000), 2000, 0.5).First();
  EXPECT_NEAR(p, 0.017839, 1e-6);
  EXPECT_NEAR(PoissonAt(Num(500), 500).First(), 0.017839, 1e-3);
  EXPECT_TRUE(std::isfinite(PoissonAt(Num(500), 500).First()));
}

TEST_F(Distributions, KindMessagesOfTheCalls) {
  const Value v = Vec({1, 2});
  struct Case {
    Operation call;
    std::vector<Value> args;
    std::vector<std::string> messages;
  } cases[] = {
      {CallTwoPoint, {v}, {"两点分布(x,概率)中的概率必须为数字，现在<1.00,2.00>不是数字，所以无法计算！"}},
      {CallBinomial, {v, Arr({1, 2})},
       {"二项分布(总数,概率)的第一个参数总数不是数字,故无法继续计算！",
        "二项分布(总数,概率)的第二个参数概率不是数字,故无法继续计算！"}},
      {CallBinomial, {Num(1), v, Num(0.5)}, {"二项分布(x,总数,概率)的第二个参数总数不是数字,故无法继续计算！"}},
      {CallBinomial, {Num(1), Num(3), v}, {"二项分布(x,总数,概率)的第三个参数概率不是数字,故无法继续计算！"}},
      {CallNegativeBinomial, {Num(3), v},
       {"负二项分布(总数,概率)的第二个参数概率填入的数据不是数字，故无法计算！"}},
      {CallNegativeBinomial, {Num(1), v, v},
       {"负二项分布(x,总数,概率)的第二个参数总数填入的数据不是数字，故无法计算！",
        "负二项分布(x,总数,概率)的第三个参数概率填入的数据不是数字，故无法计算！"}},
      {CallPoisson, {Num(1), v}, {"泊松分布(x,事件平均发生次数)的事件平均发生次数输入的不是数字，故无法进行计算！"}},
      {CallGeometric, {Num(1), v}, {"几何分布(x,概率)的第二个输入参数概率输入的数据不是数字，故无法计算！"}},
      {CallHypergeometric, {Num(1), v, Num(5), v},
       {"超几何分布(x,取数据数量,总量,为0的数据总量)的第二个参数取数据数量输入的不是常数，故不能进行计算！",
        "超几何分布(x,取数据数量,总量,为0的数据总量)的第四个参数为0的数据总量输入的不是常数，故不能进行计算！"}},
      {CallHypergeometric, {Num(1), Num(2), v, Num(3)},
       {"超几何分布(x,取数据数量,总量,为0的数据总量)的第三个参数总量输入的不是常数，故不能进行计算！"}},
      {CallNormal, {Num(0), v, v},
       {"正态分布(x,位置参数,离散程度)的第二个输入参数位置参数输入的，不是数字，故无法继续进行计算！",
        "正态分布(x,位置参数,离散程度)的第三个输入参数离散程度输入的，不是数字，故无法继续进行计算！"}},
      {CallUniform, {Num(0), v, v},
       {"均匀分布(x,左边界,右边界)的第二个参数左边界输入数据不是数字，故无法计算！",
        "均匀分布(x,左边界,右边界)的第三个参数右边界输入数据不是数字，故无法计算！"}},
      {CallExponential, {Num(0), v}, {"指数分布(x,衰减系数)的第二个输入参数衰减系数不是数字，故无法计算！"}},
  };
  for (auto& c : cases) {
    EXPECT_FALSE(c.call(Args(c.args)));
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

TEST_F(Distributions, RangeAndElementMessagesGiveTheZeroNumber) {
  const std::string hyper = "超几何分布(x,取数据数量,总量,为0的数据总量)";
  struct Run {
    std::function<Value()> run;
    std::vector<std::string> messages;
  } runs[] = {
      {[] { return TwoPointAt(Num(1), 1.5, 2); },
       {"两点分布(数据,概率)的第二个参数必须在0到1之间，不然的话无法计算！"}},
      {[] { return TwoPointAt(Num(2), 0.3, 2); }, {"数字2.00既不是0也不是1，故无法计算！"}},
      {[] { return TwoPointAt(Vec({0, 1, 0.5}), 0.3, 2); }, {"向量的第3个分量0.50既不是0也不是1，故无法计算！"}},
      {[] { return TwoPointAt(Mat({{0, 1}, {-1, 1}}), 0.3, 2); },
       {"矩阵中的第2行第1项-1.00既不是0也不是1，故无法计算！"}},
      {[] { return TwoPointAt(Arr({0, 3}), 0.3, 2); }, {"数组的第2个项3.00既不是0也不是1，故无法计算！"}},
      {[] { return BinomialTable(2.5, 1.5); },
       {"二项分布(总数,概率)的总数必须为正整数，现在不是正整数，故无法计算！",
        "二项分布(总数,概率)的概率不在0-1之间，故无法计算！"}},
      {[] { return BinomialTable(100, 0.5); },
       {"二项分布(总数,概率)的总数大于99，分布列超过100项，故无法计算！"}},
      {[] { return NegativeBinomialTable(-1, 0.5); },
       {"负二项分布(总数,概率)的总数必须为正整数，现在不是正整数，故无法计算！"}},
      {[] { return NegativeBinomialTable(120, 0.5); },
       {"负二项分布(总数,概率)的总数大于99，分布列超过100项，故无法计算！"}},
      {[] { return BinomialAt(Num(1), 3, -0.1); }, {"二项分布(x,总数,概率)的概率不在0-1之间，故无法计算！"}},
      {[] { return BinomialAt(Num(4), 3, 0.5); },
       {"二项分布(x,总数,概率)中的数字x应是1-总数的正整数，现在不符合条件，故无法计算！"}},
      {[] { return BinomialAt(Vec({1, 1.5}), 3, 0.5); },
       {"二项分布(x,总数,概率)中的向量x的第2个分量应是1-总数的正整数，现在不符合条件，故无法计算！"}},
      {[] { return NegativeBinomialAt(Mat({{1, 2}, {3, -1}}), 3, 0.5); },
       {"负二项分布(x,总数,概率)中的矩阵x的第2行第2列的项应是1-总数的正整数，现在不符合条件，故无法计算！"}},
      {[] { return NegativeBinomialAt(Arr({1, 9}), 3, 0.5); },
       {"负二项分布(x,总数,概率)中的数组x的第2个项应是1-总数的正整数，现在不符合条件，故无法计算！"}},
      {[] { return NegativeBinomialAt(Num(1), 0.5, 0.5); },
       {"负二项分布(x,总数,概率)的总数必须为正整数，现在不是正整数，故无法计算！"}},
      {[] { return PoissonAt(Num(1), -1); },
       {"泊松分布(x,事件平均发生次数)中的事件平均发生次数不是非负数，故无法计算！"}},
      {[] { return PoissonAt(Num(1.5), 2); }, {"泊松分布(x,事件平均发生次数)中的数字x不是正整数，故无法计算！"}},
      {[] { return PoissonAt(Arr({1, -2}), 2); },
       {"泊松分布(x,事件平均发生次数)中的数组x的第2个项不是正整数，故无法计算！"}},
      {[] { return PoissonAt(Mat({{1, 2}, {0.5, 1}}), 2); },
       {"泊松分布(x,事件平均发生次数)中的矩阵x的第2行第1列的项不是正整数，故无法计算！"}},
      {[] { return GeometricAt(Num(1), 0); }, {"几何分布(x,概率)的概率必须大于0且不大于1，故无法计算！"}},
      {[] { return GeometricAt(Vec({1, 0}), 0.5); },
       {"几何分布(x,概率)中的向量x的第2个分量应是大于等于1的正整数，现在不符合条件，故无法计算！"}},
      {[] { return HypergeometricAt(Num(1), 0, 5, 3); },
       {hyper + "的第二个参数取数据数量应为不大于m正整数，现在不是正整数，故无法计算！"}},
      {[] { return HypergeometricAt(Num(1), 2, 1.5, -3); },
       {hyper + "的第三个参数取总量应为正整数，现在不是正整数，故无法计算！"}},
      {[] { return HypergeometricAt(Num(1), 2, 5, 0.5); },
       {hyper + "的第四个参数为0的数据总量应为不大于n的正整数，现在不是正整数，故无法计算！"}},
      {[] { return HypergeometricAt(Num(1), 6, 5, 7); },
       {hyper + "的第二个参数取数据数量大于第三个参数总量，故无法计算！",
        hyper + "的第四个参数为0的数据总量大于第三个参数总量，故无法计算！"}},
      {[] { return HypergeometricAt(Num(3), 2, 5, 3); },
       {hyper + "的数字x应该在0-最小值(取数据数量，为0的数据总量)之间，现在数字x不在0-取数据数量之间，故输入不正确，无法继续计算！"}},
      {[] { return HypergeometricAt(Vec({1, 3}), 2, 5, 3); },
       {hyper + "的向量x的第2个分量应该在0-最小值(取数据数量，为0的数据总量)之间，现在该分量不在0-取数据数量之间，故输入不正确，无法继续计算！"}},
      {[] { return HypergeometricAt(Mat({{1, 0}, {0.5, 1}}), 2, 5, 3); },
       {hyper + "的矩阵x的第2行第1列的项应该在0-最小值(取数据数量，为0的数据总量)之间，现在该项不在0-取数据数量之间，故输入不正确，无法继续计算！"}},
      {[] { return HypergeometricAt(Arr({-1, 0}), 2, 5, 3); },
       {hyper + "的数组x的第1个项应该在0-最小值(取数据数量，为0的数据总量)之间，现在该项不在0-取数据数量之间，故输入不正确，无法继续计算！"}},
      {[] { return NormalAt(Num(0), 0, 0); },
       {"正态分布(x,位置参数,离散程度)的第三个参数离散程度不是正数，故无法计算！"}},
      {[] { return NormalAt(Num(0), 0, -1); },
       {"正态分布(x,位置参数,离散程度)的第三个参数离散程度不是正数，故无法计算！"}},
      {[] { return UniformAt(Num(2), 3, 1); },
       {"均匀分布(x,左边界,右边界)的左边界输入参数不能大于右边界输入参数！"}},
      {[] { return ExponentialAt(Num(1), -2); }, {"指数分布(x,衰减系数)的第二个参数衰减系数是负数，故无法计算！"}},
  };
  for (auto& r : runs) {
    const Value got = r.run();
    EXPECT_TRUE(got.IsNumber());
    EXPECT_EQ(got.First(), 0.0);
    EXPECT_EQ(TakeMessages(), r.messages);
  }
}

TEST_F(Distributions, ANormalDensityOfAFullGridIsQuick) {
  Value x = Value::Shaped(100, 100);
  for (std::size_t i = 0; i < x.Size(); ++i) x.Cell(i) = static_cast<double>(i) / 1000.0;
  const Value got = NormalAt(x, 5, 2);
  EXPECT_EQ(got.Size(), 10000u);
  EXPECT_NEAR(got.At(51, 1), 1 / (2 * std::sqrt(2 * M_PI)), 1e-15);
}

}  // namespace
}  // namespace zuvo::applied_test
