#include "storage/settings_store.h"

#include "storage/scramble.h"

namespace zuvo {
namespace {

const std::vector<unsigned char> kSettingsSignature = {0xB1, 0x91, 0x86};

std::u16string Clip(std::u16string_view text, std::size_t capacity) {
  return std::u16string(text.substr(0, capacity));
}

// A whole decimal number of at most three digits, or -1.
int SmallNumber(const std::optional<std::u16string>& text) {
  if (!text || text->empty() || text->size() > 3) return -1;
  int n = 0;
  for (char16_t c : *text) {
    if (c < u'0' || c > u'9') return -1;
    n = n * 10 + (c - u'0');
  }
  return n;
}

std::u16string Flag(bool on) { return on ? u"Y" : u"N"; }

std::u16string DecimalText(unsigned n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

PairStore NewSettings() {
  PairStore s;
  s.store_name = std::u16string(kSettingsStoreName);
  s.signature = kSettingsSignature;
  return s;
}

void AddSetting(PairStore& store, std::u16string_view key, std::u16string_view value) {
  if (store.entries.size() >= kMaxStoreEntries) return;
  store.entries.push_back({Clip(key, kSettingKeyCapacity), Clip(value, kSettingValueCapacity)});
}

std::size_t FindSetting(const PairStore& store, std::u16string_view key) {
  if (key.empty()) return 0;
  for (std::size_t i = 0; i < store.entries.size(); ++i)
    if (store.entries[i].first == key) return i + 1;
  return 0;
}

std::optional<std::u16string> GetSetting(const PairStore& store, std::u16string_view key) {
  const std::size_t i = FindSetting(store, key);
  if (i == 0) return std::nullopt;
  return store.entries[i - 1].second;
}

bool SettingIs(const PairStore& store, std::u16string_view key, std::u16string_view value) {
  const std::size_t i = FindSetting(store, key);
  return i != 0 && store.entries[i - 1].second == value;
}

void SetSetting(PairStore& store, std::u16string_view key, std::u16string_view value) {
  const std::size_t i = FindSetting(store, key);
  if (i != 0) store.entries[i - 1].second = Clip(value, kSettingValueCapacity);
}

void FreeSettings(PairStore& store) { store.entries.clear(); }

std::string SerializeSettings(const PairStore& store) {
  std::mt19937& g = ScrambleGenerator();
  std::string out = "|C|";
  AppendScrambled(out, store.store_name, g);
  for (const StoreEntry& e : store.entries) {
    out += "|N|";
    AppendScrambled(out, e.first, g);
    out += "|V|";
    AppendScrambled(out, e.second, g);
  }
  return out;
}

PairStore ParseSettings(std::string_view text) {
  constexpr auto npos = std::string_view::npos;
  const std::size_t a = text.find("|C|");
  if (a == npos) return NewSettings();
  const std::size_t b = text.find("|N|");
  // One character more than the name's capacity, so a longer name differs.
  const std::u16string name =
      UnscrambleRange(text, a + 3, b == npos ? text.size() : b, kSettingsStoreName.size() + 1);
  if (name != kSettingsStoreName || b == npos) return NewSettings();
  PairStore store = NewSettings();
  std::size_t pos = b;
  while (pos < text.size() && store.entries.size() < kMaxStoreEntries) {
    const std::size_t n = text.find("|N|", pos + 3);
    const std::size_t v = text.find("|V|", pos + 3);
    if (v == npos) return NewSettings();
    store.entries.push_back({UnscrambleRange(text, pos + 3, v, kSettingKeyCapacity),
                             UnscrambleRange(text, v + 3, n == npos ? text.size() : n, kSettingValueCapacity)});
    pos = n == npos ? text.size() : n;
  }
  return store;
}

SaveResult SaveSettings(const PairStore& store, const std::filesystem::path& path) {
  try {
    return SaveStoreText(path, kSettingsSignature,
                         SerializeSettings(store));
  } catch (const std::bad_alloc&) {
    return SaveResult::Failed("out of memory while saving settings");
  }
}

PairStore LoadSettings(const std::filesystem::path& path) {
  try {
    const std::optional<std::string> text = LoadStoreText(path, kSettingsSignature.size());
    return text ? ParseSettings(*text) : NewSettings();
  } catch (const std::bad_alloc&) {
    return NewSettings();
  }
}

PairStore DefaultSettingsStore() {
  PairStore s = NewSettings();
  AddSetting(s, kKeyNumberSystem, u"10");
  AddSetting(s, kKeyAutoSizeEnable, u"N");
  AddSetting(s, kKeyDecimalNumber, u"10");
  AddSetting(s, kKeyHistoryCacheEnable, u"N");
  AddSetting(s, kKeyHistoryRecall, u"N");
  AddSetting(s, kKeyConstantLibraryEnable, u"N");
  AddSetting(s, kKeyAnswerInherit, u"N");
  return s;
}

Settings SettingsFromStore(const PairStore& store) {
  Settings s;
  const int radix = SmallNumber(GetSetting(store, kKeyNumberSystem));
  const int decimals = SmallNumber(GetSetting(store, kKeyDecimalNumber));
  const bool radix_ok = radix == 2 || radix == 8 || radix == 10 || radix == 16;
  const bool decimals_ok = decimals >= 0 && decimals <= 20;
  if (radix_ok && decimals_ok) {
    s.number_system = static_cast<std::uint8_t>(radix);
    s.decimal_number = static_cast<std::uint8_t>(decimals);
  }
  s.auto_size_enable = SettingIs(store, kKeyAutoSizeEnable, u"Y");
  s.history_cache_enable = SettingIs(store, kKeyHistoryCacheEnable, u"Y");
  s.history_recall = SettingIs(store, kKeyHistoryRecall, u"Y");
  s.constant_library_enable = SettingIs(store, kKeyConstantLibraryEnable, u"Y");
  s.answer_inherit = SettingIs(store, kKeyAnswerInherit, u"Y");
  return s;
}

void StoreSettings(PairStore& store, const Settings& settings) {
  const std::pair<std::u16string_view, std::u16string> values[] = {
      {kKeyNumberSystem, DecimalText(settings.number_system)},
      {kKeyAutoSizeEnable, Flag(settings.auto_size_enable)},
      {kKeyDecimalNumber, DecimalText(settings.decimal_number)},
      {kKeyHistoryCacheEnable, Flag(settings.history_cache_enable)},
      {kKeyHistoryRecall, Flag(settings.history_recall)},
      {kKeyConstantLibraryEnable, Flag(settings.constant_library_enable)},
      {kKeyAnswerInherit, Flag(settings.answer_inherit)},
  };
  for (const auto& [key, value] : values) {
    if (FindSetting(store, key) != 0)
      SetSetting(store, key, value);
    else
      AddSetting(store, key, value);
  }
}

}  // namespace zuvo
