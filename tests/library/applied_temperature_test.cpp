// 温度转换.
#include <cmath>

#include "library/applied/temperature.h"
#include "library/calls.h"
#include "tests/library/applied_test_values.h"

namespace zuvo::applied_test {
namespace {

using Temperature = AppliedTest;

CallArgs Convert(std::u16string from, std::u16string to, Value x) {
  CallArgs args = Args({Value(), Value(), x});
  args.texts = {from, to, u"x"};
  return args;
}

TEST_F(Temperature, ConversionsPassThroughKelvins) {
  struct Case { std::u16string from, to; Value x; std::vector<double> want; } cases[] = {
      {u"摄氏度", u"华氏度", Num(100), {211.99999999999994}},
      {u"华氏度", u"摄氏度", Num(-40), {-40}},
      {u"开尔文", u"摄氏度", Num(0), {-273.15}},
      {u"摄氏度", u"开尔文", Num(-273.15), {0}},
      {u"兰金", u"开尔文", Num(9), {5}},
      {u"开尔文", u"兰金", Arr({0, 10}), {0, 18}},
      {u"摄氏度", u"华氏度", Mat({{0, 100}, {-40, 37}}),
       {31.999999999999943, 211.99999999999994, -40.00000000000006, 98.59999999999997}},
  };
  for (auto& c : cases) {
    const auto got = CallConvertTemperature(Convert(c.from, c.to, c.x));
    ASSERT_TRUE(got);
    EXPECT_EQ(Cells(*got), c.want);
    EXPECT_EQ(got->Rows(), c.x.Rows());
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Temperature, NotANumberStaysNotANumber) {
  const Value got = ConvertTemperature(u"摄氏度", u"开尔文", Vec({NAN, 1}), 2);
  EXPECT_TRUE(std::isnan(got.Cell(0)));
  EXPECT_EQ(got.Cell(1), 274.15);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Temperature, Messages) {
  const std::string head = "温度转换(摄氏度/华氏度/开尔文/兰金,摄氏度/华氏度/开尔文/兰金,x)";
  struct Case {
    std::u16string from, to;
    Value x;
    std::vector<double> result;
    std::vector<std::string> messages;
  } cases[] = {
      {u"", u"华氏度", Num(1), {0}, {head + "的第一个参数不能为空！"}},
      {u"", u"", Num(1), {0}, {head + "的第一个参数不能为空！", head + "的第二个参数不能为空！"}},
      {u"摄氏", u"华氏度", Num(1), {0},
       {head + "的前两项每项只能从摄氏度、华氏度、开尔文、兰金这四个里面选择1个！"}},
      {u"摄氏度", u" 开尔文", Num(1), {0},
       {head + "的前两项每项只能从摄氏度、华氏度、开尔文、兰金这四个里面选择1个！"}},
      // The same scale: the message, and x unchanged.
      {u"摄氏度", u"摄氏度", Num(5), {5}, {head + "的原温度类型和转换后温度类型相同，所以无需进行转换！"}},
      {u"摄氏度", u"开尔文", Vec({20, -300}), {0},
       {"温度转换(摄氏度,摄氏度/华氏度/开尔文/兰金,x)中的x第2行第1列的项-300.00不符合摄氏度取值范围(大于等于-273.15°C)，故无法计算！"}},
      {u"华氏度", u"开尔文", Arr({1, -460}), {0},
       {"温度转换(华氏度,摄氏度/华氏度/开尔文/兰金,x)中的x第1行第2列的项-460.00不符合华氏度取值范围(大于等于-459.67°F)，故无法计算！"}},
      {u"开尔文", u"兰金", Mat({{1, 2}, {-0.5, 3}}), {0},
       {"温度转换(开尔文,摄氏度/华氏度/开尔文/兰金,x)中的x第2行第1列的项-0.50不符合开尔文取值范围(大于等于0K)，故无法计算！"}},
      {u"兰金", u"摄氏度", Num(-1), {0},
       {"温度转换(兰金,摄氏度/华氏度/开尔文/兰金,x)中的x第1行第1列的项-1.00不符合兰金取值范围(大于等于0°R)，故无法计算！"}},
  };
  for (auto& c : cases) {
    const auto got = CallConvertTemperature(Convert(c.from, c.to, c.x));
    ASSERT_TRUE(got);
    EXPECT_EQ(Cells(*got), c.result);
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

}  // namespace
}  // namespace zuvo::applied_test
