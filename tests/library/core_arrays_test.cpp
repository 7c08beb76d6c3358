#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core_values.h"
#include "library/calls.h"
#include "library/core/arrays.h"

namespace zuvo {
namespace {

using test::Arr;
using test::Args;
using test::Mat;
using test::Messages;
using test::Num;
using test::ShapeOf;
using test::Vec;

class ArraysTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
};

// {1,2,...,n}
Value Counting(int n) {
  Value v = Value::Shaped(1, n);
  for (int i = 0; i < n; ++i) v.Cell(i) = i + 1;
  return v;
}

TEST_F(ArraysTest, Results) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    Value expected;
  };
  const std::vector<Case> cases = {
      {CallArrayConcat, {Arr({1, 2}), Num(3), Arr({4, 5})}, Arr({1, 2, 3, 4, 5})},
      {CallArrayConcat, {Num(3)}, Num(3)},
      {CallArrayConcat, {Counting(60), Counting(40)}, [] {
         Value v = Value::Shaped(1, 100);
         for (int i = 0; i < 100; ++i) v.Cell(i) = i < 60 ? i + 1 : i - 59;
         return v;
       }()},
      {CallArraySlice, {Arr({1, 2, 3, 4}), Num(2), Num(3)}, Arr({2, 3})},
      {CallArraySlice, {Arr({1, 2, 3, 4}), Num(3), Num(3)}, Num(3)},
      {CallArraySlice, {Arr({1, 2, 3, 4}), Num(1), Num(4)}, Arr({1, 2, 3, 4})},
      {CallArrayDelete, {Arr({1, 2, 3, 4}), Num(2), Num(3)}, Arr({1, 4})},
      {CallArrayDelete, {Arr({1, 2, 3}), Num(1), Num(2)}, Num(3)},
      {CallArrayDelete, {Arr({1, 2}), Num(1), Num(2)}, Value::Empty()},
      {CallArrayInsert, {Arr({1, 2, 3}), Num(2), Arr({8, 9})}, Arr({1, 8, 9, 2, 3})},
      {CallArrayInsert, {Arr({1, 2}), Num(3), Num(9)}, Arr({1, 2, 9})},
      {CallArrayInsert, {Arr({1, 2}), Num(1), Num(9)}, Arr({9, 1, 2})},
      {CallArrayItem, {Arr({5, 6, 7}), Num(3)}, Num(7)},
      {CallArrayCopy, {Arr({1, 2, 3, 4, 5}), Num(2), Num(3)}, Arr({2, 3, 4})},
      {CallArrayCopy, {Arr({1, 2, 3}), Num(3), Num(1)}, Num(3)},
      {CallArrayReverse, {Arr({1, 2, 3})}, Arr({3, 2, 1})},
  };
  for (const Case& c : cases) {
    const std::optional<Value> r = c.call(Args(c.args));
    ASSERT_TRUE(r);
    EXPECT_EQ(ShapeOf(*r), ShapeOf(c.expected));
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ArraysTest, Sort) {
  struct Case {
    Value a;
    std::u16string order;
    Value expected;
  };
  const std::vector<Case> cases = {
      {Arr({3, 1, 2}), u"是", Arr({1, 2, 3})},
      {Arr({1, 3, 2}), u"真", Arr({1, 2, 3})},
      {Arr({1, 3, 2}), u"假", Arr({3, 2, 1})},
      {Arr({2, -1, 2, 0}), u"否", Arr({2, 2, 0, -1})},
  };
  for (const Case& c : cases) {
    CallArgs args = Args({c.a, Value::Empty()});
    args.texts[1] = c.order;
    EXPECT_EQ(ShapeOf(*CallArraySort(args)), ShapeOf(c.expected));
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ArraysTest, OperationRefusalsGiveOneMessageAndZero) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {CallArrayConcat, {Arr({1, 2}), Vec({1, 2})},
       "数组合并(x1,...,xn)中的项x2=<1.00,2.00>不为数组或数字，无法进行函数数组合并(x1,...xn)！"},
      {CallArrayConcat, {Counting(60), Counting(41), Vec({1, 2})},
       "数组合并(x1,...,xn)中的项x3=<1.00,2.00>不为数组或数字，无法进行函数数组合并(x1,...xn)！"},
      {CallArrayConcat, {Counting(60), Counting(41)},
       "数组合并(x1,...,xn)合并后的数组有101项，超过了数组最多100项的限制，无法进行函数数组合并(x1,...xn)！"},
      {CallArraySlice, {Num(1), Num(1), Num(1)},
       "数组截取({...},x1,x2)的参数{...}=1.00不是数组，故无法计算数组截取({...},x2,x3)！"},
      {CallArraySlice, {Arr({1, 2, 3, 4}), Num(3), Num(2)}, "数组截取({...},x1,x2)的截取长度不能小于等于0！"},
      {CallArraySlice, {Arr({1, 2, 3}), Num(2), Num(5)},
       "数组截取({...},x1,x2)的参数x2=5超出了数组的范围，数组只有3项，故无法计算数组截取({...},x1,x2)！"},
      {CallArrayDelete, {Vec({1, 2}), Num(1), Num(1)},
       "数组删除({...},x1,x2)的参数{...}=<1.00,2.00>不是数组，故无法计算数组删除({...},x1,x2)！"},
      {CallArrayDelete, {Arr({1, 2, 3}), Num(3), Num(2)}, "数组删除({...},x1,x2)的截取长度不能为0！"},
      {CallArrayDelete, {Arr({1, 2, 3}), Num(4), Num(4)},
       "数组删除({...},x1,x2)的参数x2=4超出了数组的范围，数组只有3项，故无法计算数组删除({...},x1,x2)！"},
      {CallArrayInsert, {Num(1), Num(1), Arr({1, 2})},
       "数组插入({...},x,{...})的第一个参数{...}=1.00不是数组，故此函数无法计算！"},
      {CallArrayInsert, {Arr({1, 2}), Num(1), Vec({1, 2})},
       "数组插入({...},x,{...})的第三个参数{...}=<1.00,2.00>不是数组，故此函数无法计算！"},
      {CallArrayInsert, {Num(1), Num(1), Value::Empty()},
       "数组插入({...},x,{...})的第一个参数{...}=1.00和第三个参数{...}=都不是数组，故此函数无法计算！"},
      {CallArrayInsert, {Arr({1, 2}), Num(4), Arr({9, 9})},
       "数组插入({...},x,{...})的第二个参数x=4表示的位置在数组a的范围之外，故此函数无法计算！"},
      {CallArrayInsert, {Counting(99), Num(1), Arr({9, 9})},
       "数组插入({...},x,{...})插入后的数组有101项，超过了数组最多100项的限制，故此函数无法计算！"},
      {CallArrayItem, {Mat({{1, 2}, {3, 4}}), Num(1)},
       "数组取项({...},x)的第一个参数{...}=[1.00 2.00,3.00 4.00]不是数组，故无法进行数组取项计算！"},
      {CallArrayItem, {Arr({5, 6, 7}), Num(4)},
       "数组取项({...},x)的第二个参数x指向的位置在数组a的范围之外，故此函数无法计算"},
      {CallArrayCopy, {Num(2), Num(1), Num(1)},
       "数组复制({...},x1,x2)的第一个参数{...}=2.00不是数组，所以数组复制({...},x1,x2)无法计算！"},
      {CallArrayCopy, {Arr({1, 2, 3}), Num(4), Num(1)},
       "数组复制({...},x1,x2)的第二个参数x1=4指向的位置超出了数组的位置范围，所以数组复制({...},x1,x2)无法计算！"},
      {CallArrayCopy, {Arr({1, 2, 3}), Num(3), Num(2)},
       "数组复制({...},x1,x2)的第三个参数x2=2指向的位置范围超出了数组的位置范围，所以数组复制({...},x1,x2)无法计算！"},
      {CallArrayReverse, {Num(-3)},
       "数组反向({...})的第一个参数{...}=(-3.00)不是数组，所以数组反向({...})无法计算！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    const std::optional<Value> r = c.call(Args(c.args));
    ASSERT_TRUE(r) << c.message;
    EXPECT_EQ(ShapeOf(*r), ShapeOf(Num(0)));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(ArraysTest, SortRefusals) {
  struct Case {
    Value a;
    std::u16string order;
    std::string message;
  };
  const std::vector<Case> cases = {
      {Vec({1, 2}), u"是",
       "数组排序({...},是否升序)的第一个参数{...}=<1.00,2.00>不是数组，所以数组排序({...},是否升序无法计算！"},
      {Arr({1, 2}), u"", "数组排序({...},是否升序)的第二个参数不能为空！"},
      {Arr({1, 2}), u"对",
       "数组排序({...},是否升序)的第二个参数为对，既不属于是/真也不属于否/假，无法进行数组排序({...},是否升序)的计算！"},
  };
  for (const Case& c : cases) {
    ClearErrors();
    CallArgs args = Args({c.a, Value::Empty()});
    args.texts[1] = c.order;
    EXPECT_EQ(ShapeOf(*CallArraySort(args)), ShapeOf(Num(0)));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
  }
}

// Position arguments are checked before the operation runs; a failing check
// rejects the call after every failing message.
TEST_F(ArraysTest, PositionChecksRejectTheCall) {
  struct Case {
    Operation call;
    std::vector<Value> args;
    std::vector<std::string> messages;
  };
  const std::string slice = "数组截取({...},x1,x2)的参数";
  const std::string tail = "必须为大于等于1的正整数！";
  const std::vector<Case> cases = {
      {CallArraySlice, {Arr({1, 2, 3}), Num(1.5), Num(2)}, {slice + "x1" + tail}},
      {CallArraySlice, {Arr({1, 2, 3}), Num(1), Vec({1, 2})}, {slice + "x2" + tail}},
      // Kinds first, then whole numbers: the x2 message comes first here.
      {CallArraySlice, {Arr({1, 2, 3}), Num(0), Vec({1, 2})}, {slice + "x2" + tail, slice + "x1" + tail}},
      {CallArrayDelete, {Arr({1, 2, 3}), Vec({1, 2}), Num(-1)},
       {"数组删除({...},x1,x2)的参数x1" + tail, "数组删除({...},x1,x2)的参数x2" + tail}},
      {CallArrayCopy, {Arr({1, 2, 3}), Num(1), Num(0.5)}, {"数组复制({...},x1,x2)的参数x2" + tail}},
      {CallArrayInsert, {Arr({1, 2, 3}), Num(0), Arr({1, 2})}, {"数组插入({...},x,{...})的参数x" + tail}},
      {CallArrayItem, {Arr({1, 2, 3}), Arr({1, 2})}, {"数组取项({...},x)的第二个参数x" + tail}},
  };
  for (const Case& c : cases) {
    ClearErrors();
    EXPECT_FALSE(c.call(Args(c.args)));
    EXPECT_EQ(Messages(), c.messages);
  }
}

}  // namespace
}  // namespace zuvo
