#include "engine/separators.h"

#include "engine/char_sets.h"

namespace zuvo {
namespace {

constexpr std::u16string_view kOpeners = u"([<{（【";
constexpr std::u16string_view kClosers = u")]>}）】";

// Applies one character to the running depth.
inline void Step(char16_t c, std::size_t& depth) {
  if (kOpeners.find(c) != std::u16string_view::npos) {
    ++depth;
  } else if (kClosers.find(c) != std::u16string_view::npos) {
    if (depth > 0) --depth;
  }
}

}  // namespace

std::size_t FindSeparator(std::u16string_view args, std::size_t start) {
  if (start == 0) start = 1;
  std::size_t depth = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const char16_t c = args[i];
    if (c == u',' && depth == 0 && i + 1 >= start) return i + 1;
    Step(c, depth);
  }
  return 0;
}

std::size_t CountSeparators(std::u16string_view args) {
  std::size_t depth = 0;
  std::size_t count = 0;
  for (char16_t c : args) {
    if (c == u',' && depth == 0) ++count;
    Step(c, depth);
  }
  return count;
}

std::vector<std::u16string> CutArguments(std::u16string_view args) {
  std::vector<std::u16string> pieces;
  std::size_t depth = 0, begin = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const char16_t c = args[i];
    if (c == u',' && depth == 0) {
      pieces.emplace_back(TrimSpaces(args.substr(begin, i - begin)));
      begin = i + 1;
    }
    Step(c, depth);
  }
  pieces.emplace_back(TrimSpaces(args.substr(begin)));
  return pieces;
}

}  // namespace zuvo
