#include "storage/settings_store.h"

#include <gtest/gtest.h>

#include "storage/scramble.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

std::string S(std::u16string_view text) { return ScrambleText(text); }

TEST(SettingsStoreTest, DefaultStoreListsTheSevenKeysInOrder) {
  const PairStore s = DefaultSettingsStore();
  const std::vector<StoreEntry> expected = {
      {u"NumberSystem", u"10"},      {u"AutoSizeEnable", u"N"},        {u"DecimalNumber", u"10"},
      {u"HistoryCacheEnable", u"N"}, {u"HistoryRecall", u"N"},          {u"ConstantLibraryEnable", u"N"},
      {u"AnswerInherit", u"N"},
  };
  EXPECT_EQ(s.entries, expected);
  EXPECT_EQ(s.store_name, u"Settings");
  EXPECT_EQ(SettingsFromStore(s), Settings{});
}

TEST(SettingsStoreTest, RoundTripsThroughText) {
  PairStore s = DefaultSettingsStore();
  AddSetting(s, u"", u"");
  AddSetting(s, u"键", u"值\t|V|::");
  SetSetting(s, u"NumberSystem", u"16");
  EXPECT_EQ(ParseSettings(SerializeSettings(s)), s);
}

TEST(SettingsStoreTest, LookupIsExactAndCaseSensitive) {
  PairStore s = DefaultSettingsStore();
  AddSetting(s, u"AnswerInherit", u"Y");  // a second entry with the same key
  EXPECT_EQ(FindSetting(s, u"AnswerInherit"), 7u);
  EXPECT_EQ(FindSetting(s, u"answerinherit"), 0u);
  EXPECT_EQ(FindSetting(s, u""), 0u);
  EXPECT_EQ(GetSetting(s, u"Missing"), std::nullopt);
  EXPECT_EQ(GetSetting(s, u"DecimalNumber"), u"10");
  SetSetting(s, u"Missing", u"1");
  EXPECT_EQ(s.Count(), 8u);
}

TEST(SettingsStoreTest, ParseFailuresGiveAnEmptyStore) {
  const std::string name = "|C|" + S(u"Settings");
  const std::string entry = "|N|" + S(u"NumberSystem") + "|V|" + S(u"16");
  const std::string cases[] = {
      "",
      entry,                                   // no header
      "|C|" + S(u"Setting") + entry,           // another name
      "|C|" + S(u"SettingsX") + entry,         // a longer name
      "|C|" + S(u"HistoryCache") + entry,      // another store's name
      name,                                    // header only
      name + entry + "|N|" + S(u"AutoSize"),   // last entry lacks "|V|"
      name + entry + entry + "|N|",            // entries read before the damage are dropped too
  };
  for (const std::string& text : cases) {
    const PairStore s = ParseSettings(text);
    EXPECT_EQ(s, NewSettings()) << text;
  }
  EXPECT_EQ(ParseSettings(name + entry).entries, (std::vector<StoreEntry>{{u"NumberSystem", u"16"}}));
}

TEST(SettingsStoreTest, ReadsValuesFromTheStore) {
  struct Case {
    std::u16string radix, decimals;
    int want_radix, want_decimals;
  };
  const Case cases[] = {
      {u"16", u"5", 16, 5},   {u"2", u"0", 2, 0},     {u"8", u"20", 8, 20},
      // An unusable radix or decimal count gives 10 and 10.
      {u"7", u"5", 10, 10},   {u"16", u"21", 10, 10}, {u"abc", u"5", 10, 10},
      {u"16", u"", 10, 10},   {u"256", u"5", 10, 10}, {u" 16", u"5", 10, 10},
      {u"16", u"-1", 10, 10},
  };
  for (const Case& c : cases) {
    PairStore s = DefaultSettingsStore();
    SetSetting(s, u"NumberSystem", c.radix);
    SetSetting(s, u"DecimalNumber", c.decimals);
    const Settings v = SettingsFromStore(s);
    EXPECT_EQ(v.number_system, c.want_radix);
    EXPECT_EQ(v.decimal_number, c.want_decimals);
  }
  EXPECT_EQ(SettingsFromStore(NewSettings()).number_system, 10);
  EXPECT_EQ(SettingsFromStore(NewSettings()).decimal_number, 10);
}

TEST(SettingsStoreTest, FlagIsOnOnlyForExactlyY) {
  const std::pair<std::u16string, bool> cases[] = {{u"Y", true}, {u"y", false}, {u"Yes", false}, {u"", false},
                                                   {u"N", false}, {u"Y ", false}};
  for (const auto& [text, on] : cases) {
    PairStore s = DefaultSettingsStore();
    SetSetting(s, u"HistoryRecall", text);
    EXPECT_EQ(SettingsFromStore(s).history_recall, on);
  }
}

TEST(SettingsStoreTest, StoringValuesUpdatesAndAddsMissingKeys) {
  Settings v;
  v.number_system = 16;
  v.decimal_number = 5;
  v.answer_inherit = true;
  PairStore s = NewSettings();
  AddSetting(s, u"Other", u"x");
  AddSetting(s, u"DecimalNumber", u"3");
  StoreSettings(s, v);
  EXPECT_EQ(s.entries[0], (StoreEntry{u"Other", u"x"}));
  EXPECT_EQ(s.entries[1], (StoreEntry{u"DecimalNumber", u"5"}));
  EXPECT_EQ(s.Count(), 8u);
  EXPECT_EQ(SettingsFromStore(s), v);
  testing::TempFolder dir;
  ASSERT_TRUE(SaveSettings(s, dir.path() / "s"));
  EXPECT_EQ(SettingsFromStore(LoadSettings(dir.path() / "s")), v);
}

}  // namespace
}  // namespace zuvo
