// The record shared by the three stores and the framing of store files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zuvo {

// Most entries a store holds.
inline constexpr std::size_t kMaxStoreEntries = 4096;
// Largest serialized text a save writes (2^30 bytes); a larger store is not
// saved and the old file stays.
inline constexpr std::size_t kMaxSerializedBytes = std::size_t{1} << 30;

struct StoreEntry {
  std::u16string first;
  std::u16string second;
  bool operator==(const StoreEntry&) const = default;
};

// One store in memory: its name, its signature bytes, its entries in order
// (entry i of the file format is entries[i - 1]) and a 64-bit serial that
// only the history uses.
struct PairStore {
  std::u16string store_name;
  std::vector<unsigned char> signature;
  std::vector<StoreEntry> entries;
  std::int64_t serial = 0;

  std::size_t Count() const { return entries.size(); }
  bool operator==(const PairStore&) const = default;
};

// Outcome of a save. A failed save leaves the file on disk as it was and
// the store in memory untouched; error says what went wrong.
struct SaveResult {
  bool ok = true;
  std::string error;

  static SaveResult Ok() { return {}; }
  static SaveResult Failed(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// The bytes of a store file: signature, every byte of the serialized text
// plus 128 (mod 256), signature reversed.
std::string FrameStoreText(const std::vector<unsigned char>& signature, std::string_view serialized);
// The serialized text inside the bytes of a store file; nothing when the
// bytes are not longer than twice the signature length. The signature bytes
// themselves are not compared.
std::optional<std::string> UnframeStoreBytes(std::string_view bytes, std::size_t signature_length);

// Writes the bytes to a temporary file beside the path, flushes it to disk
// and renames it over the path, so the path always holds either the old or
// the new content whole. Never throws.
SaveResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);
// The whole content of a file; nothing when it does not exist or cannot be
// read. Never throws.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Frames the serialized text and writes it crash-safely; refuses texts above
// kMaxSerializedBytes.
SaveResult SaveStoreText(const std::filesystem::path& path, const std::vector<unsigned char>& signature,
                         std::string_view serialized);
// The serialized text of a store file, or nothing when the file is missing,
// unreadable or too short to hold a body.
std::optional<std::string> LoadStoreText(const std::filesystem::path& path, std::size_t signature_length);

// Deletes a file if present; true when it is gone afterwards.
bool RemoveStoreFile(const std::filesystem::path& path);

// Helpers of the three parsers, working on the serialized text with 0-based
// offsets: the text from first up to (not including) last, unscrambled and
// clipped to max_chars; empty when the range is empty or reversed.
std::u16string UnscrambleRange(std::string_view text, std::size_t first, std::size_t last, std::size_t max_chars);

}  // namespace zuvo
