#include "engine/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/errors.h"

namespace zuvo {
namespace {

TEST(Value, KindFollowsTheShapeAlone) {
  struct Case {
    int rows, columns, kind;
  } cases[] = {
      {0, 0, kEmpty}, {1, 0, kEmpty}, {0, 3, kEmpty}, {1, 1, kNumber}, {3, 1, kVector},
      {2, 2, kMatrix}, {1, 3, kArray}, {100, 100, kMatrix}, {100, 1, kVector}, {1, 100, kArray},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ValueKind(Value::Shaped(c.rows, c.columns)), c.kind) << c.rows << "x" << c.columns;
}

TEST(Value, EmptyValueReadsZeroInItsFirstCell) {
  const Value e;
  EXPECT_TRUE(e.IsEmpty());
  EXPECT_EQ(e.First(), 0.0);
  EXPECT_EQ(e.Cell(0), 0.0);
  EXPECT_EQ(Value::Zero().GetKind(), kNumber);
  EXPECT_EQ(Value::Zero().First(), 0.0);
}

TEST(Value, CellsAreStoredRowByRowAndCopiesAreIndependent) {
  Value m = Value::Shaped(2, 3);
  double x = 1;
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) m.At(r, c) = x++;
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(m.Cell(i), static_cast<double>(i + 1));
  Value copy = m;
  copy.At(1, 1) = 100;
  copy.At(2, 3) = 200;
  EXPECT_EQ(m.At(1, 1), 1);
  EXPECT_EQ(m.At(2, 3), 6);
  EXPECT_EQ(copy.First(), 100);
}

TEST(Value, MapVisitsEveryCellAndKeepsTheShape) {
  Value v = Value::Shaped(3, 1);
  v.Cell(0) = 1;
  v.Cell(1) = -2;
  v.Cell(2) = 3;
  const Value doubled = v.Map([](double c) { return 2 * c; });
  EXPECT_EQ(doubled.GetKind(), kVector);
  EXPECT_EQ(doubled.Cell(0), 2);
  EXPECT_EQ(doubled.Cell(1), -4);
  EXPECT_EQ(doubled.Cell(2), 6);
  EXPECT_EQ(Value().Map([](double) { return 5.0; }).GetKind(), kEmpty);
}

TEST(Value, WholeNumbers) {
  EXPECT_TRUE(IsWhole(0.0));
  EXPECT_TRUE(IsWhole(-7.0));
  EXPECT_TRUE(IsWhole(1e300));
  EXPECT_FALSE(IsWhole(7.5));
  EXPECT_FALSE(IsWhole(INFINITY));
  EXPECT_FALSE(IsWhole(-INFINITY));
  EXPECT_FALSE(IsWhole(NAN));
}

TEST(ErrorList, KeepsMessagesInOrderAndStopsAtTheLimit) {
  ClearErrors();
  AddError(u"一");
  AddError(u"二");
  ASSERT_EQ(ErrorCount(), 2u);
  EXPECT_EQ(Errors()[0], u"一");
  EXPECT_EQ(Errors()[1], u"二");
  ClearErrors();
  EXPECT_EQ(ErrorCount(), 0u);
  AddError(u"三");
  EXPECT_EQ(Errors()[0], u"三");
  for (std::size_t i = 0; i < kMaxErrors + 50; ++i) AddError(u"x");
  EXPECT_EQ(ErrorCount(), kMaxErrors);
  EXPECT_EQ(Errors()[0], u"三");
  ClearErrors();
}

TEST(ErrorList, CopiesTheMessage) {
  ClearErrors();
  std::u16string message = u"原文";
  AddError(message);
  message[0] = u'改';
  EXPECT_EQ(Errors()[0], u"原文");
  ClearErrors();
}

}  // namespace
}  // namespace zuvo
