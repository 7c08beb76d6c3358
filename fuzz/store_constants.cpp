// Constant library parser on arbitrary bytes: must not crash, keeps at most
// 4096 constants, and what it reads must survive sorting, a save and a parse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/constant_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zuvo::PairStore library = zuvo::ParseConstants(text);
  if (library.Count() > zuvo::kMaxConstants) std::abort();
  zuvo::SortConstants(library);
  if (zuvo::ParseConstants(zuvo::SerializeConstants(library)) != library) std::abort();
  for (const zuvo::StoreEntry& e : library.entries) (void)zuvo::CheckNewConstant(library, e.first, e.second);
  return 0;
}
