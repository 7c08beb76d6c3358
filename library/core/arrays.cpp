#include "library/core/arrays.h"

#include <cmath>
#include <optional>
#include <string>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

using Items = std::vector<double>;

bool IsArray(const Value& v) { return v.GetKind() == kArray; }

Items ItemsOf(const Value& v) {
  Items items(v.Size());
  for (std::size_t i = 0; i < v.Size(); ++i) items[i] = v.Cell(i);
  return items;
}

Value RowOf(const Items& items) {
  if (items.empty()) return Value::Empty();
  if (items.size() == 1) return Value::Number(items[0]);
  Value out = Value::Shaped(1, static_cast<int>(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i) out.Cell(i) = items[i];
  return out;
}

// A whole number (a position or a count) in decimal digits.
std::u16string WholeText(double x) {
  if (std::fabs(x) < 9.2e18) return DecimalText(static_cast<long long>(x));
  return FixedText(x, 0);
}

std::u16string T(const Value& v, int decimals) { return ValueToText(v, decimals); }

// The checks the call makes on the two position arguments of 数组截取,
// 数组删除 and 数组复制: both numbers, whole and at least 1.
bool PositionsValid(std::u16string_view name, const Value& x1, const Value& x2) {
  const std::u16string head = std::u16string(name) + u"({...},x1,x2)的参数";
  const std::u16string tail = u"必须为大于等于1的正整数！";
  const bool n1 = x1.GetKind() == kNumber;
  const bool n2 = x2.GetKind() == kNumber;
  bool ok = true;
  if (!n1) AddError(head + u"x1" + tail), ok = false;
  if (!n2) AddError(head + u"x2" + tail), ok = false;
  if (n1 && !(IsWhole(x1.First()) && x1.First() >= 1)) AddError(head + u"x1" + tail), ok = false;
  if (n2 && !(IsWhole(x2.First()) && x2.First() >= 1)) AddError(head + u"x2" + tail), ok = false;
  return ok;
}

bool PositionValid(const Value& x) {
  return x.GetKind() == kNumber && IsWhole(x.First()) && x.First() >= 1;
}

}  // namespace

Value ArrayMerge(const std::vector<Value>& values, int decimals) {
  Items items;
  std::size_t total = 0;
  for (std::size_t k = 0; k < values.size(); ++k) {
    const Value& v = values[k];
    if (!IsArray(v) && v.GetKind() != kNumber) {
      AddError(u"数组合并(x1,...,xn)中的项x" + DecimalText(static_cast<long long>(k + 1)) + u"=" +
               T(v, decimals) + u"不为数组或数字，无法进行函数数组合并(x1,...xn)！");
      return Value::Zero();
    }
    total += v.Size();
    if (total <= static_cast<std::size_t>(kMaxDim)) {
      const Items more = ItemsOf(v);
      items.insert(items.end(), more.begin(), more.end());
    }
  }
  if (total > static_cast<std::size_t>(kMaxDim)) {
    AddError(u"数组合并(x1,...,xn)合并后的数组有" + DecimalText(static_cast<long long>(total)) +
             u"项，超过了数组最多100项的限制，无法进行函数数组合并(x1,...xn)！");
    return Value::Zero();
  }
  return RowOf(items);
}

Value ArraySlice(const Value& a, double first, double last, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组截取({...},x1,x2)的参数{...}=" + T(a, decimals) +
             u"不是数组，故无法计算数组截取({...},x2,x3)！");
    return Value::Zero();
  }
  if (last < first) {
    AddError(u"数组截取({...},x1,x2)的截取长度不能小于等于0！");
    return Value::Zero();
  }
  const Items items = ItemsOf(a);
  if (last > static_cast<double>(items.size())) {
    AddError(u"数组截取({...},x1,x2)的参数x2=" + WholeText(last) + u"超出了数组的范围，数组只有" +
             DecimalText(static_cast<long long>(items.size())) +
             u"项，故无法计算数组截取({...},x1,x2)！");
    return Value::Zero();
  }
  return RowOf(Items(items.begin() + static_cast<long>(first) - 1,
                     items.begin() + static_cast<long>(last)));
}

Value ArrayDelete(const Value& a, double first, double last, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组删除({...},x1,x2)的参数{...}=" + T(a, decimals) +
             u"不是数组，故无法计算数组删除({...},x1,x2)！");
    return Value::Zero();
  }
  if (last < first) {
    AddError(u"数组删除({...},x1,x2)的截取长度不能为0！");
    return Value::Zero();
  }
  Items items = ItemsOf(a);
  if (last > static_cast<double>(items.size())) {
    AddError(u"数组删除({...},x1,x2)的参数x2=" + WholeText(last) + u"超出了数组的范围，数组只有" +
             DecimalText(static_cast<long long>(items.size())) +
             u"项，故无法计算数组删除({...},x1,x2)！");
    return Value::Zero();
  }
  items.erase(items.begin() + static_cast<long>(first) - 1, items.begin() + static_cast<long>(last));
  return RowOf(items);
}

Value ArrayInsert(const Value& a, double position, const Value& b, int decimals) {
  const bool a_ok = IsArray(a);
  const bool b_ok = IsArray(b) || b.GetKind() == kNumber;
  if (!a_ok && !b_ok) {
    AddError(u"数组插入({...},x,{...})的第一个参数{...}=" + T(a, decimals) + u"和第三个参数{...}=" +
             T(b, decimals) + u"都不是数组，故此函数无法计算！");
    return Value::Zero();
  }
  if (!a_ok) {
    AddError(u"数组插入({...},x,{...})的第一个参数{...}=" + T(a, decimals) +
             u"不是数组，故此函数无法计算！");
    return Value::Zero();
  }
  if (!b_ok) {
    AddError(u"数组插入({...},x,{...})的第三个参数{...}=" + T(b, decimals) +
             u"不是数组，故此函数无法计算！");
    return Value::Zero();
  }
  Items items = ItemsOf(a);
  const Items more = ItemsOf(b);
  if (position < 1 || position > static_cast<double>(items.size() + 1)) {
    AddError(u"数组插入({...},x,{...})的第二个参数x=" + WholeText(position) +
             u"表示的位置在数组a的范围之外，故此函数无法计算！");
    return Value::Zero();
  }
  const std::size_t total = items.size() + more.size();
  if (total > static_cast<std::size_t>(kMaxDim)) {
    AddError(u"数组插入({...},x,{...})插入后的数组有" + DecimalText(static_cast<long long>(total)) +
             u"项，超过了数组最多100项的限制，故此函数无法计算！");
    return Value::Zero();
  }
  items.insert(items.begin() + static_cast<long>(position) - 1, more.begin(), more.end());
  return RowOf(items);
}

Value ArrayItem(const Value& a, double position, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组取项({...},x)的第一个参数{...}=" + T(a, decimals) +
             u"不是数组，故无法进行数组取项计算！");
    return Value::Zero();
  }
  if (position < 1 || position > static_cast<double>(a.Size())) {
    AddError(u"数组取项({...},x)的第二个参数x指向的位置在数组a的范围之外，故此函数无法计算");
    return Value::Zero();
  }
  return Value::Number(a.Cell(static_cast<std::size_t>(position) - 1));
}

Value ArrayCopy(const Value& a, double start, double count, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组复制({...},x1,x2)的第一个参数{...}=" + T(a, decimals) +
             u"不是数组，所以数组复制({...},x1,x2)无法计算！");
    return Value::Zero();
  }
  const double n = static_cast<double>(a.Size());
  if (start < 1 || start > n) {
    AddError(u"数组复制({...},x1,x2)的第二个参数x1=" + WholeText(start) +
             u"指向的位置超出了数组的位置范围，所以数组复制({...},x1,x2)无法计算！");
    return Value::Zero();
  }
  if (count < 1 || count > n - start + 1) {
    AddError(u"数组复制({...},x1,x2)的第三个参数x2=" + WholeText(count) +
             u"指向的位置范围超出了数组的位置范围，所以数组复制({...},x1,x2)无法计算！");
    return Value::Zero();
  }
  const Items items = ItemsOf(a);
  const auto begin = items.begin() + static_cast<long>(start) - 1;
  return RowOf(Items(begin, begin + static_cast<long>(count)));
}

Value ArrayReverse(const Value& a, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组反向({...})的第一个参数{...}=" + T(a, decimals) +
             u"不是数组，所以数组反向({...})无法计算！");
    return Value::Zero();
  }
  const Items items = ItemsOf(a);
  return RowOf(Items(items.rbegin(), items.rend()));
}

Value ArraySort(const Value& a, std::u16string_view order, int decimals) {
  if (!IsArray(a)) {
    AddError(u"数组排序({...},是否升序)的第一个参数{...}=" + T(a, decimals) +
             u"不是数组，所以数组排序({...},是否升序无法计算！");
    return Value::Zero();
  }
  if (order.empty()) {
    AddError(u"数组排序({...},是否升序)的第二个参数不能为空！");
    return Value::Zero();
  }
  bool ascending;
  if (order == u"是" || order == u"真") {
    ascending = true;
  } else if (order == u"否" || order == u"假") {
    ascending = false;
  } else {
    AddError(u"数组排序({...},是否升序)的第二个参数为" + std::u16string(order) +
             u"，既不属于是/真也不属于否/假，无法进行数组排序({...},是否升序)的计算！");
    return Value::Zero();
  }
  // Exchange sort: after pass i the i-th place holds the smallest (largest)
  // of the remaining items; equal items are never swapped.
  Items items = ItemsOf(a);
  for (std::size_t i = 0; i + 1 < items.size(); ++i)
    for (std::size_t j = i + 1; j < items.size(); ++j)
      if (ascending ? items[i] > items[j] : items[j] > items[i]) std::swap(items[i], items[j]);
  return RowOf(items);
}

std::optional<Value> CallArrayConcat(const CallArgs& args) {
  return ArrayMerge(args.values, args.decimals);
}

std::optional<Value> CallArraySlice(const CallArgs& args) {
  const auto& v = args.values;
  if (!PositionsValid(u"数组截取", v.at(1), v.at(2))) return std::nullopt;
  return ArraySlice(v[0], std::floor(v[1].First()), std::floor(v[2].First()), args.decimals);
}

std::optional<Value> CallArrayDelete(const CallArgs& args) {
  const auto& v = args.values;
  if (!PositionsValid(u"数组删除", v.at(1), v.at(2))) return std::nullopt;
  return ArrayDelete(v[0], std::floor(v[1].First()), std::floor(v[2].First()), args.decimals);
}

std::optional<Value> CallArrayCopy(const CallArgs& args) {
  const auto& v = args.values;
  if (!PositionsValid(u"数组复制", v.at(1), v.at(2))) return std::nullopt;
  return ArrayCopy(v[0], std::floor(v[1].First()), std::floor(v[2].First()), args.decimals);
}

std::optional<Value> CallArrayInsert(const CallArgs& args) {
  const auto& v = args.values;
  if (!PositionValid(v.at(1))) {
    AddError(u"数组插入({...},x,{...})的参数x必须为大于等于1的正整数！");
    return std::nullopt;
  }
  return ArrayInsert(v[0], std::floor(v[1].First()), v.at(2), args.decimals);
}

std::optional<Value> CallArrayItem(const CallArgs& args) {
  const auto& v = args.values;
  if (!PositionValid(v.at(1))) {
    AddError(u"数组取项({...},x)的第二个参数x必须为大于等于1的正整数！");
    return std::nullopt;
  }
  return ArrayItem(v[0], std::floor(v[1].First()), args.decimals);
}

std::optional<Value> CallArrayReverse(const CallArgs& args) {
  return ArrayReverse(args.values.at(0), args.decimals);
}

std::optional<Value> CallArraySort(const CallArgs& args) {
  const std::u16string order = args.texts.size() >= 2 ? args.texts[1] : std::u16string();
  return ArraySort(args.values.at(0), order, args.decimals);
}

}  // namespace zuvo
