// Small builders and readers shared by the tests of the applied functions.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/call_args.h"
#include "engine/errors.h"
#include "engine/value.h"
#include "text/utf.h"

namespace zuvo::applied_test {

inline Value Num(double x) { return Value::Number(x); }
// <a,b,...>: one column.
inline Value Vec(std::initializer_list<double> items) {
  Value v = Value::Shaped(static_cast<int>(items.size()), 1);
  int r = 1;
  for (double x : items) v.At(r++, 1) = x;
  return v;
}
// {a,b,...}: one row.
inline Value Arr(std::initializer_list<double> items) {
  Value v = Value::Shaped(1, static_cast<int>(items.size()));
  int c = 1;
  for (double x : items) v.At(1, c++) = x;
  return v;
}
// [a b,c d]: rows of entries.
inline Value Mat(std::initializer_list<std::initializer_list<double>> rows) {
  Value v = Value::Shaped(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  int r = 1;
  for (const auto& row : rows) {
    int c = 1;
    for (double x : row) v.At(r, c++) = x;
    ++r;
  }
  return v;
}

inline std::vector<double> Cells(const Value& v) {
  std::vector<double> out;
  for (std::size_t i = 0; i < v.Size(); ++i) out.push_back(v.Cell(i));
  return out;
}

// The messages added since the last call, as UTF-8 for readable failures;
// the list is emptied.
inline std::vector<std::string> TakeMessages() {
  std::vector<std::string> out;
  for (const auto& m : Errors()) out.push_back(Utf16ToUtf8(m));
  ClearErrors();
  return out;
}

// Arguments as the dispatch hands them over: read values, their texts unused.
inline CallArgs Args(std::vector<Value> values, int decimals = 2) {
  CallArgs args;
  args.values = std::move(values);
  args.texts.assign(args.values.size(), u"");
  args.decimals = decimals;
  return args;
}

// Every test starts with an empty message list.
class AppliedTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
  void TearDown() override { ClearErrors(); }
};

}  // namespace zuvo::applied_test
