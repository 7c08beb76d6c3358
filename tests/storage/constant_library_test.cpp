#include "storage/constant_library.h"

#include <gtest/gtest.h>

#include "storage/scramble.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

std::string S(std::u16string_view text) { return ScrambleText(text); }

std::vector<std::u16string> Names(const PairStore& library) {
  std::vector<std::u16string> names;
  for (const StoreEntry& e : library.entries) names.push_back(e.first);
  return names;
}

TEST(ConstantLibraryTest, SortsByDescendingCodeUnitsLongerNameFirst) {
  PairStore c = NewConstantLibrary();
  for (const char16_t* name : {u"Z", u"a", u"ab", u"abc", u"重力", u"\xffff"}) AddConstant(c, name, name);
  SortConstants(c);
  EXPECT_EQ(Names(c), (std::vector<std::u16string>{u"\xffff", u"重力", u"abc", u"ab", u"a", u"Z"}));
  for (const StoreEntry& e : c.entries) EXPECT_EQ(e.first, e.second);  // contents move along
}

TEST(ConstantLibraryTest, NamingRule) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"x1", true},   {u"g+", true},   {u"重力", true},  {u"G", true},     {u"结果", true},
      {u"", false},    {u"1x", false},  {u"e", false},    {u"E", false},    {u"f2", false},
      {u"π", false},   {u"ε1", false},  {u"τ", false},    {u"O", false},    {u"h", false},
      {u",a", false},  {u" a", false},  {u"-a", false},   {u".a", false},   {u"a(b", false},
      {u"a)", false},  {u"a[", false},  {u"a]", false},   {u"a{", false},   {u"a}", false},
      {u"a<", false},  {u"a>", false},  {u"xπ", true},    {u"x 1", true},
  };
  for (const auto& [name, valid] : cases) EXPECT_EQ(IsValidConstantName(name), valid) << testing::Utf16Debug(name);
}

TEST(ConstantLibraryTest, AdmissionChecksInOrder) {
  PairStore c = NewConstantLibrary();
  AddConstant(c, u"g", u"9.8");
  AddConstant(c, u"1bad", u"1");  // such a name can only come from a file
  struct Case {
    std::u16string name, content;
    std::optional<std::u16string_view> message;
  };
  const std::u16string long_name(33, u'n'), long_content(16385, u'1');
  const Case cases[] = {
      {u"", u"", kMsgConstantEmpty},
      {u"", u"1", kMsgConstantEmpty},
      {u"x", u"", kMsgConstantEmpty},
      {u"g", u"1", kMsgConstantDuplicate},
      {u"1bad", u"1", kMsgConstantDuplicate},     // duplicate comes before validity
      {u"1x", u"1", kMsgConstantInvalidName},
      {u"结果(", u"1", kMsgConstantInvalidName},  // validity comes before the prefix rule
      {u"结果1", u"1", kMsgConstantResultPrefix},
      {u"结果", u"1", kMsgConstantResultPrefix},
      {u"结", u"1", std::nullopt},
      {u"果结", u"1", std::nullopt},
      {u"结果" + long_name, u"1", kMsgConstantResultPrefix},
      {long_name, long_content, kMsgConstantNameTooLong},
      {std::u16string(32, u'n'), long_content, kMsgConstantContentTooLong},
      {std::u16string(32, u'n'), std::u16string(16384, u'1'), std::nullopt},
  };
  for (const Case& k : cases) EXPECT_EQ(CheckNewConstant(c, k.name, k.content), k.message) << testing::Utf16Debug(k.name);
  EXPECT_EQ(kMsgConstantEmpty, u"新的常数名称和常数内容不能为空！");
  EXPECT_EQ(kMsgConstantDuplicate, u"新的常数名称不能与常数库中原有常数相同，请修改新的常数名称以继续！");
  EXPECT_EQ(kMsgConstantInvalidName, u"新的常数名称不合法，请修改新的常数名称以继续！");
  EXPECT_EQ(kMsgConstantResultPrefix, u"新的常数名称不能以结果作为开始的字符串！");
  EXPECT_EQ(kMsgConstantLibraryFull, u"常数库最多支持4096个常数！");
}

TEST(ConstantLibraryTest, The4097thConstantIsRefusedAfterTheOtherChecks) {
  PairStore c = NewConstantLibrary();
  for (int i = 0; i < 4096; ++i) {
    const std::string n = "k" + std::to_string(i);
    AddConstant(c, std::u16string(n.begin(), n.end()), u"1");
  }
  EXPECT_EQ(CheckNewConstant(c, u"new", u"1"), kMsgConstantLibraryFull);
  EXPECT_EQ(CheckNewConstant(c, u"k7", u"1"), kMsgConstantDuplicate);
  EXPECT_EQ(CheckNewConstant(c, u"7k", u"1"), kMsgConstantInvalidName);
  EXPECT_EQ(CheckNewConstant(c, std::u16string(33, u'n'), u"1"), kMsgConstantNameTooLong);
  EXPECT_EQ(AdmitConstant(c, u"new", u"1"), kMsgConstantLibraryFull);
  EXPECT_EQ(c.Count(), 4096u);
}

TEST(ConstantLibraryTest, AdmittingAddsAndSorts) {
  PairStore c = NewConstantLibrary();
  EXPECT_EQ(AdmitConstant(c, u"x", u"1"), std::nullopt);
  EXPECT_EQ(AdmitConstant(c, u"xy", u"2"), std::nullopt);
  EXPECT_EQ(AdmitConstant(c, u"x", u"3"), kMsgConstantDuplicate);
  EXPECT_EQ(c.entries, (std::vector<StoreEntry>{{u"xy", u"2"}, {u"x", u"1"}}));
}

TEST(ConstantLibraryTest, EditingOperations) {
  PairStore c = NewConstantLibrary();
  AddConstant(c, u"c", u"3");
  AddConstant(c, u"b", u"2");
  AddConstant(c, u"a", u"1");
  AddConstant(c, u"b", u"other");  // present: nothing happens
  SetConstantContent(c, u"b", u"22");
  SetConstantContent(c, u"zz", u"9");
  EXPECT_EQ(c.entries, (std::vector<StoreEntry>{{u"c", u"3"}, {u"b", u"22"}, {u"a", u"1"}}));
  EXPECT_EQ(FindConstant(c, u"B"), 0u);
  EXPECT_EQ(ConstantName(c, 2), u"b");
  EXPECT_EQ(ConstantContent(c, 4), u"");
  DeleteConstant(c, u"zz");
  EXPECT_EQ(c.Count(), 3u);
  DeleteConstant(c, u"c");
  EXPECT_EQ(c.entries, (std::vector<StoreEntry>{{u"b", u"22"}, {u"a", u"1"}}));
  DeleteConstant(c, u"b");
  DeleteConstant(c, u"a");
  EXPECT_EQ(c.Count(), 0u);
}

TEST(ConstantLibraryTest, RoundTripsWithEmptyContent) {
  PairStore c = NewConstantLibrary();
  AddConstant(c, u"x1", u"");
  AddConstant(c, u"重力", u"9.8*<1 2>");
  AddConstant(c, u"::", u"|O|");
  const std::string text = SerializeConstants(c);
  EXPECT_NE(text.find("::|O|"), std::string::npos);  // empty content: nothing between the markers
  EXPECT_EQ(ParseConstants(text), c);
}

TEST(ConstantLibraryTest, ParseRules) {
  const std::string head = "|C|" + S(u"ConstantLibrary");
  const std::string g = "|O|" + S(u"g") + "::" + S(u"9.8");
  struct Case {
    const char* label;
    std::string text;
    std::vector<StoreEntry> constants;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"no |C|", g, {}},
      {"another store", "|C|" + S(u"Settings") + g, {}},
      {"header only", head, {}},
      {"one", head + g, {{u"g", u"9.8"}}},
      {"without :: ends reading", head + g + "|O|" + S(u"h"), {{u"g", u"9.8"}}},
      {"trailing marker", head + g + "|O|", {{u"g", u"9.8"}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    const PairStore c = ParseConstants(k.text);
    EXPECT_EQ(c.store_name, u"ConstantLibrary");
    EXPECT_EQ(c.serial, 0);
    EXPECT_EQ(c.entries, k.constants);
  }
}

TEST(ConstantLibraryTest, AFileWithMoreThan4096ConstantsKeepsTheFirst) {
  PairStore big = NewConstantLibrary();
  for (int i = 0; i < 4100; ++i) {
    const std::string n = "k" + std::to_string(i);
    big.entries.push_back({std::u16string(n.begin(), n.end()), u"1"});
  }
  const PairStore c = ParseConstants(SerializeConstants(big));
  ASSERT_EQ(c.Count(), 4096u);
  EXPECT_EQ(ConstantName(c, 4096), u"k4095");
}

TEST(ConstantLibraryTest, AnotherStoreNameLoadsAsOwnEmptyLibrary) {
  testing::TempFolder dir;
  PairStore other = NewConstantLibrary();
  other.store_name = u"Elsewhere";
  AddConstant(other, u"g", u"9.8");
  ASSERT_TRUE(SaveConstants(other, dir.path() / "c"));
  PairStore c = LoadConstants(dir.path() / "c");
  EXPECT_EQ(c, NewConstantLibrary());
  AddConstant(c, u"h", u"1");
  ASSERT_TRUE(SaveConstants(c, dir.path() / "c"));
  EXPECT_EQ(LoadConstants(dir.path() / "c"), c);
}

}  // namespace
}  // namespace zuvo
