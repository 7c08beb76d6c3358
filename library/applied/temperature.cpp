#include "library/applied/temperature.h"

#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

const std::u16string kCall = u"温度转换(摄氏度/华氏度/开尔文/兰金,摄氏度/华氏度/开尔文/兰金,x)";

struct Scale {
  std::u16string_view name;
  double lowest;                 // the lowest temperature; equal to it is valid
  std::u16string_view range;     // the range as the message writes it
};
// In the order in which names are tested: 1 摄氏度, 2 华氏度, 3 开尔文, 4 兰金.
constexpr Scale kScales[] = {
    {u"摄氏度", -273.15, u"(大于等于-273.15°C)"},
    {u"华氏度", -459.67, u"(大于等于-459.67°F)"},
    {u"开尔文", 0.0, u"(大于等于0K)"},
    {u"兰金", 0.0, u"(大于等于0°R)"},
};

int ScaleNumber(std::u16string_view name) {
  for (int i = 0; i < 4; ++i)
    if (name == kScales[i].name) return i + 1;
  return 0;
}

double ToKelvin(int scale, double t) {
  switch (scale) {
    case 1: return t + 273.15;
    case 2: return (t + 459.67) * 5 / 9;
    case 3: return t;
    default: return t * 5 / 9;
  }
}

double FromKelvin(int scale, double k) {
  switch (scale) {
    case 1: return k - 273.15;
    case 2: return k * 1.8 - 459.67;
    case 3: return k;
    default: return k * 1.8;
  }
}

}  // namespace

Value ConvertTemperature(std::u16string_view from, std::u16string_view to, const Value& x,
                         int decimals) {
  if (from.empty()) AddError(kCall + u"的第一个参数不能为空！");
  if (to.empty()) AddError(kCall + u"的第二个参数不能为空！");
  if (from.empty() || to.empty()) return Value::Zero();
  const int source = ScaleNumber(from), target = ScaleNumber(to);
  if (source == 0 || target == 0) {
    AddError(kCall + u"的前两项每项只能从摄氏度、华氏度、开尔文、兰金这四个里面选择1个！");
    return Value::Zero();
  }
  if (source == target) {
    AddError(kCall + u"的原温度类型和转换后温度类型相同，所以无需进行转换！");
    return x;
  }
  const Scale& scale = kScales[source - 1];
  Value kelvins = x;
  for (std::size_t i = 0; i < x.Size(); ++i) {
    const double t = x.Cell(i);
    if (t < scale.lowest) {  // false for not-a-number, which passes on unchanged
      const auto columns = static_cast<std::size_t>(x.Columns());
      AddError(u"温度转换(" + std::u16string(scale.name) + u",摄氏度/华氏度/开尔文/兰金,x)中的x第" +
               DecimalText(static_cast<long long>(i / columns) + 1) + u"行第" +
               DecimalText(static_cast<long long>(i % columns) + 1) + u"列的项" +
               FixedText(t, decimals) + u"不符合" + std::u16string(scale.name) + u"取值范围" +
               std::u16string(scale.range) + u"，故无法计算！");
      return Value::Zero();
    }
    kelvins.Cell(i) = ToKelvin(source, t);
  }
  return kelvins.Map([target](double k) { return FromKelvin(target, k); });
}

// Adapter: the two scale names arrive as raw texts, x as a literal.
std::optional<Value> CallConvertTemperature(const CallArgs& args) {
  if (args.texts.size() != 3 || args.values.size() != 3) return std::nullopt;
  return ConvertTemperature(args.texts[0], args.texts[1], args.values[2], args.decimals);
}

}  // namespace zuvo
