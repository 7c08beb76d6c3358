// Helpers for the engine tests: UTF-8 literals in, UTF-8 texts out, so that
// failures print readable Chinese.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/errors.h"
#include "text/utf.h"

namespace zuvo::test {

inline std::u16string U(std::string_view utf8) { return Utf8ToUtf16(utf8); }
inline std::string S(std::u16string_view text) { return Utf16ToUtf8(text); }

// The messages of the error list, in order.
inline std::vector<std::string> Messages() {
  std::vector<std::string> out;
  for (const auto& m : Errors()) out.push_back(S(m));
  return out;
}

using Lines = std::vector<std::string>;

}  // namespace zuvo::test
