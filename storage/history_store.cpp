#include "storage/history_store.h"

#include <deque>
#include <limits>

#include "storage/scramble.h"

namespace zuvo {
namespace {

const std::vector<unsigned char> kHistorySignature = {0xB1, 0x9C, 0x86, 0xA0, 0xBD};

std::u16string DecimalText(std::int64_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

PairStore NewHistory() {
  PairStore s;
  s.store_name = std::u16string(kHistoryStoreName);
  s.signature = kHistorySignature;
  return s;
}

void AddHistoryNode(PairStore& store, std::u16string_view text) {
  if (store.entries.size() >= kMaxHistoryNodes)
    store.entries.erase(store.entries.begin(),
                        store.entries.begin() + static_cast<std::ptrdiff_t>(store.entries.size() - kMaxHistoryNodes + 1));
  // The serial saturates rather than overflowing (a file can hold any value).
  if (store.serial < std::numeric_limits<std::int64_t>::max()) ++store.serial;
  store.entries.push_back({DecimalText(store.serial), std::u16string(text.substr(0, kHistorySnapshotCapacity))});
}

void DeleteHistoryNode(PairStore& store, std::size_t position) {
  if (position < 1 || position > store.entries.size()) return;
  store.entries.erase(store.entries.begin() + static_cast<std::ptrdiff_t>(position - 1));
}

std::int64_t ParseSerialText(std::u16string_view text) {
  if (text.empty()) return 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t n = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return 0;
    const int d = c - u'0';
    if (n > (kMax - d) / 10) return 0;
    n = n * 10 + d;
  }
  return n;
}

std::int64_t HistoryNodeSerial(const PairStore& store, std::size_t position) {
  if (position < 1 || position > store.entries.size()) return 0;
  return ParseSerialText(store.entries[position - 1].first);
}

std::u16string HistoryNodeText(const PairStore& store, std::size_t position) {
  if (position < 1 || position > store.entries.size()) return {};
  return store.entries[position - 1].second;
}

void ClearHistory(PairStore& store) { store.entries.clear(); }

void FreeHistory(PairStore& store) { store.entries.clear(); }

std::string SerializeHistory(const PairStore& store) {
  std::mt19937& g = ScrambleGenerator();
  std::size_t estimate = 64;
  for (const StoreEntry& e : store.entries) estimate += 8 * (e.first.size() + e.second.size()) + 6;
  std::string out;
  out.reserve(estimate);
  out += "|C|";
  AppendScrambled(out, store.store_name, g);
  out += "|M|";
  AppendScrambled(out, DecimalText(store.serial), g);
  for (const StoreEntry& e : store.entries) {
    out += "|O|";
    AppendScrambled(out, e.first, g);
    out += "|V|";
    AppendScrambled(out, e.second, g);
  }
  return out;
}

PairStore ParseHistory(std::string_view text) {
  constexpr auto npos = std::string_view::npos;
  PairStore store = NewHistory();
  const std::size_t a = text.find("|C|");
  const std::size_t b = text.find("|M|");
  if (a == npos || b == npos) return store;
  const std::size_t o = text.find("|O|");
  const std::u16string name = UnscrambleRange(text, a + 3, b, kHistoryStoreName.size() + 1);
  store.serial = ParseSerialText(UnscrambleRange(text, b + 3, o == npos ? text.size() : o, kHistorySerialCapacity));
  if (name != kHistoryStoreName || o == npos) return store;
  // Only the newest nodes are kept, so older ones are dropped while reading.
  std::deque<StoreEntry> nodes;
  std::size_t pos = o;
  while (pos < text.size()) {
    const std::size_t v = text.find("|V|", pos + 3);
    const std::size_t n = text.find("|O|", pos + 3);
    if (v == npos) break;
    nodes.push_back({UnscrambleRange(text, pos + 3, v, kHistorySerialCapacity),
                     UnscrambleRange(text, v + 3, n == npos ? text.size() : n, kHistorySnapshotCapacity)});
    if (nodes.size() > kMaxHistoryNodes) nodes.pop_front();
    pos = n == npos ? text.size() : n;
  }
  store.entries.assign(std::make_move_iterator(nodes.begin()), std::make_move_iterator(nodes.end()));
  return store;
}

SaveResult SaveHistory(const PairStore& store, const std::filesystem::path& path) {
  try {
    return SaveStoreText(path, kHistorySignature,
                         SerializeHistory(store));
  } catch (const std::bad_alloc&) {
    return SaveResult::Failed("out of memory while saving history");
  }
}

PairStore LoadHistory(const std::filesystem::path& path) {
  try {
    const std::optional<std::string> text = LoadStoreText(path, kHistorySignature.size());
    return text ? ParseHistory(*text) : NewHistory();
  } catch (const std::bad_alloc&) {
    return NewHistory();
  }
}

}  // namespace zuvo
