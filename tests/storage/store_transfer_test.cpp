#include "storage/store_transfer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "storage/history_store.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::size_t FilesIn(const fs::path& dir) {
  std::size_t n = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    (void)e;
    ++n;
  }
  return n;
}

TEST(StoreTransferTest, EscapesRoundTrip) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"plain", "plain"},
      {u"a\tb", "a\\tb"},
      {u"a\nb", "a\\nb"},
      {u"a\rb", "a\\rb"},
      {u"a\\b", "a\\\\b"},
      {u"\\n", "\\\\n"},
      {u"重力", "重力"},
      {u"", ""},
  };
  for (const auto& [field, escaped] : cases) {
    EXPECT_EQ(EscapeField(field), escaped);
    EXPECT_EQ(UnescapeField(escaped), field);
  }
  EXPECT_EQ(UnescapeField("a\\xb\\"), u"a\\xb\\");  // unknown escapes stand for themselves
}

TEST(StoreTransferTest, ExportImportRoundTripsTheLibrary) {
  TempFolder a, b;
  const StoreFolder from{a.path()}, to{b.path() / "new"};
  PairStore library = NewConstantLibrary();
  AddConstant(library, u"g", u"9.8");
  AddConstant(library, u"多行", u"1\n+2\t\\");
  AddConstant(library, u"xy", u"<1 2>");
  ASSERT_TRUE(SaveConstants(library, from.ConstantsPath()));
  std::ostringstream out, err;
  ASSERT_EQ(ExportConstants(from, out, err), kTransferOk);
  EXPECT_EQ(out.str(), "多行\t1\\n+2\\t\\\\\nxy\t<1 2>\ng\t9.8\n");  // library order: sorted
  std::istringstream in(out.str());
  ASSERT_EQ(ImportConstants(to, in, err), kTransferOk);
  EXPECT_EQ(err.str(), "");
  SortConstants(library);
  EXPECT_EQ(LoadConstants(to.ConstantsPath()), library);
}

TEST(StoreTransferTest, ImportReportsRefusalsAndSavesTheRest) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  PairStore library = NewConstantLibrary();
  AddConstant(library, u"g", u"9.8");
  ASSERT_TRUE(SaveConstants(library, folder.ConstantsPath()));
  std::istringstream in(
      "x\t1\r\n"
      "\n"
      "g\t2\n"
      "1x\t3\n"
      "no tab here\n"
      "结果1\t4\n"
      "b\t\n"
      "x\t5\n"
      "zz\t6");
  std::ostringstream err;
  EXPECT_EQ(ImportConstants(folder, in, err), kTransferRefused);
  EXPECT_EQ(err.str(),
            "import: line 3: g: 新的常数名称不能与常数库中原有常数相同，请修改新的常数名称以继续！\n"
            "import: line 4: 1x: 新的常数名称不合法，请修改新的常数名称以继续！\n"
            "import: line 5: no TAB between name and content\n"
            "import: line 6: 结果1: 新的常数名称不能以结果作为开始的字符串！\n"
            "import: line 7: b: 新的常数名称和常数内容不能为空！\n"
            "import: line 8: x: 新的常数名称不能与常数库中原有常数相同，请修改新的常数名称以继续！\n");
  EXPECT_EQ(ConstantsInOrder(LoadConstants(folder.ConstantsPath())),
            (ConstantList{{u"zz", u"6"}, {u"x", u"1"}, {u"g", u"9.8"}}));
}

TEST(StoreTransferTest, ImportFailsCleanlyOnAMissingFile) {
  TempFolder dir;
  std::ostringstream err;
  EXPECT_EQ(ImportConstantsFromFile(StoreFolder{dir.path()}, dir.path() / "none.txt", err), kTransferFailed);
  EXPECT_NE(err.str(), "");
  EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST(StoreTransferTest, ExportHistoryListsOldestFirst) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  PairStore h = NewHistory();
  h.serial = 4999999999;
  AddHistoryNode(h, u"1+1");
  AddHistoryNode(h, u"a\nb");
  ASSERT_TRUE(SaveHistory(h, folder.HistoryPath()));
  std::ostringstream out, err;
  EXPECT_EQ(ExportHistory(folder, out, err), kTransferOk);
  EXPECT_EQ(out.str(), "5000000000\t1+1\n5000000001\ta\\nb\n");
}

TEST(StoreTransferTest, ExportsOfMissingStoresPrintNothingAndCreateNothing) {
  TempFolder dir;
  const StoreFolder folder{dir.path() / "ZuvoCalculatorExt"};
  std::ostringstream out, err;
  EXPECT_EQ(ExportConstants(folder, out, err), kTransferOk);
  EXPECT_EQ(ExportHistory(folder, out, err), kTransferOk);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST(StoreTransferTest, StoredSettingsAndLibraryAreOnlyRead) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  // Nothing stored: defaults, and nothing is created.
  StoredCalculation none = LoadStoredCalculation(folder);
  EXPECT_FALSE(none.settings_found);
  EXPECT_EQ(none.settings, Settings{});
  EXPECT_EQ(FilesIn(dir.path()), 0u);

  PairStore library = NewConstantLibrary();
  AddConstant(library, u"a", u"1");
  AddConstant(library, u"ab", u"2");
  ASSERT_TRUE(SaveConstants(library, folder.ConstantsPath()));
  Settings s;
  s.number_system = 16;
  s.decimal_number = 4;
  s.auto_size_enable = true;
  PairStore store = DefaultSettingsStore();
  StoreSettings(store, s);
  ASSERT_TRUE(SaveSettings(store, folder.SettingsPath()));
  const std::string library_bytes = testing::ReadBytes(folder.ConstantsPath());

  StoredCalculation off = LoadStoredCalculation(folder);
  EXPECT_TRUE(off.settings_found);
  EXPECT_EQ(off.settings, s);
  EXPECT_TRUE(off.constants.empty());  // the library is off in the settings
  EXPECT_EQ(LoadLibraryConstants(folder), (ConstantList{{u"ab", u"2"}, {u"a", u"1"}}));

  s.constant_library_enable = true;
  StoreSettings(store, s);
  ASSERT_TRUE(SaveSettings(store, folder.SettingsPath()));
  const std::string settings_on_bytes = testing::ReadBytes(folder.SettingsPath());
  EXPECT_EQ(LoadStoredCalculation(folder).constants, (ConstantList{{u"ab", u"2"}, {u"a", u"1"}}));
  EXPECT_EQ(testing::ReadBytes(folder.SettingsPath()), settings_on_bytes);
  EXPECT_EQ(testing::ReadBytes(folder.ConstantsPath()), library_bytes);
  EXPECT_EQ(FilesIn(dir.path()), 2u);
}

}  // namespace
}  // namespace zuvo
