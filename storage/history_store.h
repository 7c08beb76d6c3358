// The history store: up to 128 snapshots of the input text, oldest first,
// each numbered by a running 64-bit serial, kept in History.mqh.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/pair_store.h"

namespace zuvo {

inline constexpr std::u16string_view kHistoryStoreName = u"HistoryCache";
inline constexpr std::size_t kMaxHistoryNodes = 128;
inline constexpr std::size_t kHistorySerialCapacity = 128;
// The input box's own limit.
inline constexpr std::size_t kHistorySnapshotCapacity = 1048576;

PairStore NewHistory();
// Drops the oldest node when 128 are held, counts the serial up and appends
// the text (clipped to the snapshot capacity) under the new serial.
void AddHistoryNode(PairStore& store, std::u16string_view text);
// Removes node number position (1..Count); other positions do nothing.
void DeleteHistoryNode(PairStore& store, std::size_t position);
// The node's serial; 0 when its text is not a decimal number within 64 bits
// or the position is outside 1..Count.
std::int64_t HistoryNodeSerial(const PairStore& store, std::size_t position);
// A copy of the node's snapshot; empty outside 1..Count.
std::u16string HistoryNodeText(const PairStore& store, std::size_t position);
// Removes all nodes; the serial keeps counting from where it was.
void ClearHistory(PairStore& store);
void FreeHistory(PairStore& store);

// A serial text as a number: decimal digits only, at most 2^63 - 1; anything
// else (a sign, other characters, an empty text, a larger number) reads as 0,
// since serials count additions and are never negative.
std::int64_t ParseSerialText(std::u16string_view text);

std::string SerializeHistory(const PairStore& store);
// Never fails. A file naming another store gives no nodes but keeps the
// serial read and this store's own name; more than 128 nodes keep the
// newest 128.
PairStore ParseHistory(std::string_view text);
SaveResult SaveHistory(const PairStore& store, const std::filesystem::path& path);
PairStore LoadHistory(const std::filesystem::path& path);

}  // namespace zuvo
