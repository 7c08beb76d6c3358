// Settings parser on arbitrary bytes: must not crash, and what it reads must
// survive a save and a parse unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zuvo::PairStore store = zuvo::ParseSettings(text);
  (void)zuvo::SettingsFromStore(store);
  if (zuvo::ParseSettings(zuvo::SerializeSettings(store)) != store) std::abort();
  return 0;
}
