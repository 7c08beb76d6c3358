// The settings store: seven key/value texts kept in Settings.mqs, and the
// in-memory settings the rest of the program reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/pair_store.h"

namespace zuvo {

inline constexpr std::u16string_view kSettingsStoreName = u"Settings";
inline constexpr std::size_t kSettingKeyCapacity = 128;
inline constexpr std::size_t kSettingValueCapacity = 32;

// Keys, in the order a new store lists them.
inline constexpr std::u16string_view kKeyNumberSystem = u"NumberSystem";
inline constexpr std::u16string_view kKeyAutoSizeEnable = u"AutoSizeEnable";
inline constexpr std::u16string_view kKeyDecimalNumber = u"DecimalNumber";
inline constexpr std::u16string_view kKeyHistoryCacheEnable = u"HistoryCacheEnable";
inline constexpr std::u16string_view kKeyHistoryRecall = u"HistoryRecall";
inline constexpr std::u16string_view kKeyConstantLibraryEnable = u"ConstantLibraryEnable";
inline constexpr std::u16string_view kKeyAnswerInherit = u"AnswerInherit";

// The seven settings as the program uses them.
struct Settings {
  std::uint8_t number_system = 10;   // 2, 8, 10 or 16
  std::uint8_t decimal_number = 10;  // 0..20
  bool auto_size_enable = false;
  bool history_cache_enable = false;
  bool history_recall = false;
  bool constant_library_enable = false;
  bool answer_inherit = false;
  bool operator==(const Settings&) const = default;
};

PairStore NewSettings();
// Appends the pair (clipped to the key and value capacities) without looking
// for an existing key; ignored once the store holds 4096 entries.
void AddSetting(PairStore& store, std::u16string_view key, std::u16string_view value);
// Number (from 1) of the first entry whose key equals the key exactly; 0 when
// there is none or the key is empty.
std::size_t FindSetting(const PairStore& store, std::u16string_view key);
std::optional<std::u16string> GetSetting(const PairStore& store, std::u16string_view key);
bool SettingIs(const PairStore& store, std::u16string_view key, std::u16string_view value);
// Overwrites the value of a present key; never adds.
void SetSetting(PairStore& store, std::u16string_view key, std::u16string_view value);
void FreeSettings(PairStore& store);

std::string SerializeSettings(const PairStore& store);
// Never fails: any damage gives NewSettings().
PairStore ParseSettings(std::string_view text);
SaveResult SaveSettings(const PairStore& store, const std::filesystem::path& path);
PairStore LoadSettings(const std::filesystem::path& path);

// The store a first start writes: the seven keys with their defaults.
PairStore DefaultSettingsStore();
// Reads the seven values from a store. A flag is on exactly when its value is
// "Y". When NumberSystem is not one of 2, 8, 10, 16 or DecimalNumber is not a
// whole number 0..20 (missing, damaged, out of range), both take 10.
Settings SettingsFromStore(const PairStore& store);
// Writes the seven values into the store in key order; keys the store lacks
// are appended so that they are saved too.
void StoreSettings(PairStore& store, const Settings& settings);

}  // namespace zuvo
