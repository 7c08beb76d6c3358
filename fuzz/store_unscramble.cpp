// Unscrambling arbitrary bytes: one character per "/", and the result must
// scramble and unscramble back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/scramble.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::u16string decoded = zuvo::UnscrambleText(text);
  std::size_t slashes = 0;
  for (char c : text) slashes += c == '/';
  if (decoded.size() != slashes) std::abort();
  if (zuvo::UnscrambleText(zuvo::ScrambleText(decoded)) != decoded) std::abort();
  if (size >= 3) (void)zuvo::DecodeDigit(text.substr(0, 2), text[2]);
  return 0;
}
