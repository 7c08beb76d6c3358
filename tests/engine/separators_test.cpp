#include "engine/char_sets.h"
#include "engine/separators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuvo {
namespace {

// Every separating comma of the text, found by successive searches that each
// start one position after the previous comma.
std::vector<std::size_t> AllSeparators(std::u16string_view args) {
  std::vector<std::size_t> found;
  for (std::size_t p = FindSeparator(args, 1); p != 0; p = FindSeparator(args, p + 1)) found.push_back(p);
  return found;
}

struct SeparatorCase {
  std::u16string args;
  std::vector<std::size_t> positions;  // 1-based
};

TEST(Separators, OnlyCommasAtDepthZeroSeparate) {
  const std::vector<SeparatorCase> cases = {
      {u"", {}},
      {u"x", {}},
      {u",", {1}},
      {u"x^2,x,1,3", {4, 6, 8}},
      {u"<x,2*x>,x,1,2", {8, 10, 12}},
      {u"[1 2,3 4],x,{1,2}", {10, 12}},
      // The nearest-bracket rule would split this at the comma after 平方(x).
      {u"最大值(平方(x),正弦(x)),x,3", {17, 19}},
      {u"f((1,2),<3,4>),y", {15}},
      {u"正弦（1,2）,x", {8}},
      {u"正弦【1,2】,x", {8}},
      // A stray closer does not take the depth below 0.
      {u"a),b", {3}},
      // An opener that is never closed keeps the rest at depth 1.
      {u"<1,2,x", {}},
      {u"x, x, 1, 10", {2, 5, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.args.begin(), c.args.end()));
    EXPECT_EQ(AllSeparators(c.args), c.positions);
    EXPECT_EQ(CountSeparators(c.args), c.positions.size());
    // The cut pieces lie between exactly these commas, trimmed of spaces.
    std::vector<std::u16string> pieces;
    std::size_t begin = 0;
    for (std::size_t p : c.positions) {
      pieces.emplace_back(TrimSpaces(std::u16string_view(c.args).substr(begin, p - 1 - begin)));
      begin = p;
    }
    pieces.emplace_back(TrimSpaces(std::u16string_view(c.args).substr(begin)));
    EXPECT_EQ(CutArguments(c.args), pieces);
  }
}

TEST(Separators, SearchStartsAtTheGivenPositionWithDepthFromTheStart) {
  // Starting inside a bracket does not reset the depth: the commas of
  // <1,2> are never separators, wherever the search begins.
  const std::u16string args = u"<1,2>,3";
  EXPECT_EQ(FindSeparator(args, 1), 6u);
  EXPECT_EQ(FindSeparator(args, 3), 6u);
  EXPECT_EQ(FindSeparator(args, 6), 6u);
  EXPECT_EQ(FindSeparator(args, 7), 0u);
  EXPECT_EQ(FindSeparator(args, 100), 0u);
}

}  // namespace
}  // namespace zuvo
