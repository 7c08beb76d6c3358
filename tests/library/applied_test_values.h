// The library test builders as the tests of the applied functions use them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/library/core_values.h"

namespace zuvo::applied_test {

using test::Args;
using test::Arr;
using test::Mat;
using test::Num;
using test::Vec;

inline std::vector<double> Cells(const Value& v) { return test::CellsOf(v); }

// The messages added since the last call, as UTF-8 for readable failures;
// the list is emptied.
inline std::vector<std::string> TakeMessages() {
  std::vector<std::string> out = test::Messages();
  ClearErrors();
  return out;
}

// Every test starts with an empty message list.
class AppliedTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearErrors(); }
  void TearDown() override { ClearErrors(); }
};

}  // namespace zuvo::applied_test
