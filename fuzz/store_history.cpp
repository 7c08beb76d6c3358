// History parser on arbitrary bytes: must not crash, keeps at most 128 nodes,
// and what it reads must survive a save and a parse unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/history_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zuvo::PairStore store = zuvo::ParseHistory(text);
  if (store.Count() > zuvo::kMaxHistoryNodes) std::abort();
  for (std::size_t i = 1; i <= store.Count(); ++i) (void)zuvo::HistoryNodeSerial(store, i);
  if (zuvo::ParseHistory(zuvo::SerializeHistory(store)) != store) std::abort();
  zuvo::AddHistoryNode(store, u"x");
  return 0;
}
