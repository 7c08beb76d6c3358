#include "storage/history_store.h"

#include <gtest/gtest.h>

#include "storage/scramble.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

std::string S(std::u16string_view text) { return ScrambleText(text); }

std::string Node(std::u16string_view serial, std::u16string_view text) {
  return "|O|" + S(serial) + "|V|" + S(text);
}

TEST(HistoryStoreTest, KeepsTheNewest128NodesAndCountsEveryAddition) {
  PairStore h = NewHistory();
  for (int i = 1; i <= 200; ++i) AddHistoryNode(h, u"input " + std::u16string(1, static_cast<char16_t>(i)));
  ASSERT_EQ(h.Count(), 128u);
  EXPECT_EQ(h.serial, 200);
  EXPECT_EQ(HistoryNodeSerial(h, 1), 73);
  EXPECT_EQ(HistoryNodeSerial(h, 128), 200);
  EXPECT_EQ(HistoryNodeText(h, 128), u"input " + std::u16string(1, char16_t{200}));
  EXPECT_EQ(HistoryNodeText(h, 0), u"");
  EXPECT_EQ(HistoryNodeText(h, 129), u"");
}

TEST(HistoryStoreTest, ClearKeepsTheSerialRunning) {
  PairStore h = NewHistory();
  AddHistoryNode(h, u"a");
  AddHistoryNode(h, u"b");
  ClearHistory(h);
  EXPECT_EQ(h.Count(), 0u);
  AddHistoryNode(h, u"c");
  EXPECT_EQ(h.entries, (std::vector<StoreEntry>{{u"3", u"c"}}));
}

TEST(HistoryStoreTest, DeleteMovesLaterNodesDown) {
  PairStore h = NewHistory();
  for (const char16_t* t : {u"a", u"b", u"c"}) AddHistoryNode(h, t);
  DeleteHistoryNode(h, 0);
  DeleteHistoryNode(h, 4);
  EXPECT_EQ(h.Count(), 3u);
  DeleteHistoryNode(h, 1);
  EXPECT_EQ(h.entries, (std::vector<StoreEntry>{{u"2", u"b"}, {u"3", u"c"}}));
}

TEST(HistoryStoreTest, RoundTripsWithA64BitSerial) {
  PairStore h = NewHistory();
  h.serial = 5000000000;
  AddHistoryNode(h, u"");
  AddHistoryNode(h, std::u16string(u"多行\n输入\0x", 7));
  AddHistoryNode(h, std::u16string(40, u'\xffff'));
  const PairStore back = ParseHistory(SerializeHistory(h));
  EXPECT_EQ(back, h);
  EXPECT_EQ(HistoryNodeSerial(back, 3), 5000000003);
}

TEST(HistoryStoreTest, SerialTextsThatAreNotCountsReadAsZero) {
  const std::pair<std::u16string, std::int64_t> cases[] = {
      {u"42", 42},  {u"9223372036854775807", INT64_MAX}, {u"9223372036854775808", 0},
      {u"", 0},     {u"-5", 0},                          {u"12a", 0},
      {u" 1", 0},   {u"１", 0},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseSerialText(text), value);
    const PairStore h = ParseHistory("|C|" + S(u"HistoryCache") + "|M|" + S(text) + Node(text, u"x"));
    EXPECT_EQ(h.serial, value);
    EXPECT_EQ(HistoryNodeSerial(h, 1), value);
  }
}

TEST(HistoryStoreTest, ParseRules) {
  const std::string head = "|C|" + S(u"HistoryCache") + "|M|" + S(u"9");
  struct Case {
    const char* label;
    std::string text;
    std::int64_t serial;
    std::vector<StoreEntry> nodes;
  };
  const Case cases[] = {
      {"empty", "", 0, {}},
      {"no |C|", "|M|" + S(u"9") + Node(u"9", u"a"), 0, {}},
      {"no |M|", "|C|" + S(u"HistoryCache") + Node(u"9", u"a"), 0, {}},
      {"another store", "|C|" + S(u"Settings") + "|M|" + S(u"9") + Node(u"9", u"a"), 9, {}},
      {"no nodes", head, 9, {}},
      {"two nodes", head + Node(u"8", u"a") + Node(u"9", u""), 9, {{u"8", u"a"}, {u"9", u""}}},
      {"trailing marker", head + Node(u"8", u"a") + "|O|", 9, {{u"8", u"a"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const PairStore h = ParseHistory(c.text);
    EXPECT_EQ(h.store_name, u"HistoryCache");
    EXPECT_EQ(h.serial, c.serial);
    EXPECT_EQ(h.entries, c.nodes);
  }
}

TEST(HistoryStoreTest, ANodeWithoutSeparatorEndsReading) {
  const std::string head = "|C|" + S(u"HistoryCache") + "|M|" + S(u"2");
  const PairStore h = ParseHistory(head + Node(u"1", u"a") + Node(u"2", u"b") + "|O|" + S(u"3"));
  EXPECT_EQ(h.entries, (std::vector<StoreEntry>{{u"1", u"a"}, {u"2", u"b"}}));
}

TEST(HistoryStoreTest, AnotherStoreNameLoadsWithOwnNameSoLaterSavesReadBack) {
  testing::TempFolder dir;
  const auto path = dir.path() / "History.mqh";
  PairStore other = NewHistory();
  other.store_name = u"Elsewhere";
  other.serial = 12;
  AddHistoryNode(other, u"lost");
  ASSERT_TRUE(SaveHistory(other, path));
  PairStore h = LoadHistory(path);
  EXPECT_EQ(h.Count(), 0u);
  EXPECT_EQ(h.serial, 13);
  EXPECT_EQ(h.store_name, u"HistoryCache");
  AddHistoryNode(h, u"kept");
  ASSERT_TRUE(SaveHistory(h, path));
  EXPECT_EQ(LoadHistory(path), h);
}

TEST(HistoryStoreTest, AFileWithMoreThan128NodesKeepsTheNewest) {
  std::string text = "|C|" + S(u"HistoryCache") + "|M|" + S(u"130");
  for (int i = 1; i <= 130; ++i) {
    const std::string n = std::to_string(i);
    text += Node(std::u16string(n.begin(), n.end()), u"t");
  }
  const PairStore h = ParseHistory(text);
  ASSERT_EQ(h.Count(), 128u);
  EXPECT_EQ(HistoryNodeSerial(h, 1), 3);
  EXPECT_EQ(HistoryNodeSerial(h, 128), 130);
  EXPECT_EQ(h.serial, 130);
}

}  // namespace
}  // namespace zuvo
