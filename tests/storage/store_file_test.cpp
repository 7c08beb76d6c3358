#include <gtest/gtest.h>

#include <functional>

#include "storage/constant_library.h"
#include "storage/history_store.h"
#include "storage/pair_store.h"
#include "storage/settings_store.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct StoreKind {
  const char* label;
  std::vector<unsigned char> signature;
  std::string header;        // serialized text starts with "|C|"
  std::string entry_marker;  // first marker after the name
  std::function<PairStore()> sample;
  std::function<SaveResult(const PairStore&, const std::filesystem::path&)> save;
  std::function<PairStore(const std::filesystem::path&)> load;
  std::function<std::string(const PairStore&)> serialize;
};

std::vector<StoreKind> Kinds() {
  return {
      {"settings", {0xB1, 0x91, 0x86}, "|C|", "|N|",
       [] {
         PairStore s = DefaultSettingsStore();
         AddSetting(s, u"Empty", u"");
         return s;
       },
       SaveSettings, LoadSettings, SerializeSettings},
      {"history", {0xB1, 0x9C, 0x86, 0xA0, 0xBD}, "|C|", "|M|",
       [] {
         PairStore h = NewHistory();
         AddHistoryNode(h, u"1+1");
         AddHistoryNode(h, u"");
         AddHistoryNode(h, u"正弦(π)\n2*3");
         return h;
       },
       SaveHistory, LoadHistory, SerializeHistory},
      {"constants", {0xBD, 0xA5, 0xD2}, "|C|", "|O|",
       [] {
         PairStore c = NewConstantLibrary();
         AddConstant(c, u"重力", u"9.8");
         AddConstant(c, u"x1", u"");
         return c;
       },
       SaveConstants, LoadConstants, SerializeConstants},
  };
}

TEST(StoreFileTest, LayoutIsSignatureBodyPlus128ReversedSignature) {
  TempFolder dir;
  for (const StoreKind& kind : Kinds()) {
    SCOPED_TRACE(kind.label);
    const auto path = dir.path() / kind.label;
    const PairStore store = kind.sample();
    ASSERT_TRUE(kind.save(store, path));
    const std::string bytes = ReadBytes(path);
    const std::size_t n = kind.signature.size();
    ASSERT_GT(bytes.size(), 2 * n);
    for (std::size_t i = 0; i < n; ++i) {
      EXPECT_EQ(static_cast<unsigned char>(bytes[i]), kind.signature[i]) << "head byte " << i;
      EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 1 - i]), kind.signature[i]) << "tail byte " << i;
    }
    std::string body;
    for (std::size_t i = n; i < bytes.size() - n; ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      ASSERT_GE(b, 161) << "body byte " << i;
      ASSERT_LE(b, 254) << "body byte " << i;
      body.push_back(static_cast<char>(b - 128));
    }
    EXPECT_EQ(body.substr(0, 3), kind.header);
    EXPECT_NE(body.find(kind.entry_marker), std::string::npos);
    // The length of a serialized text depends only on the content.
    EXPECT_EQ(body.size(), kind.serialize(store).size());
    EXPECT_EQ(kind.load(path), store);
  }
}

TEST(StoreFileTest, SavingTwiceGivesEqualLengthsDifferentBytesSameStore) {
  TempFolder dir;
  for (const StoreKind& kind : Kinds()) {
    SCOPED_TRACE(kind.label);
    const auto path = dir.path() / kind.label;
    const PairStore store = kind.sample();
    ASSERT_TRUE(kind.save(store, path));
    const std::string first = ReadBytes(path);
    ASSERT_TRUE(kind.save(store, path));
    const std::string second = ReadBytes(path);
    EXPECT_EQ(first.size(), second.size());
    EXPECT_NE(first, second);
    EXPECT_EQ(kind.load(path), store);
  }
}

TEST(StoreFileTest, ShorterStoreOverLongerFileLeavesNothingBehind) {
  TempFolder dir;
  for (const StoreKind& kind : Kinds()) {
    SCOPED_TRACE(kind.label);
    const auto path = dir.path() / kind.label;
    PairStore big = kind.sample();
    for (int i = 0; i < 50; ++i)
      big.entries.push_back({u"k" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)), std::u16string(100, u'z')});
    ASSERT_TRUE(kind.save(big, path));
    PairStore small = kind.sample();
    small.entries.resize(1);
    ASSERT_TRUE(kind.save(small, path));
    EXPECT_EQ(ReadBytes(path).size(), 2 * kind.signature.size() + kind.serialize(small).size());
    EXPECT_EQ(kind.load(path), small);
  }
}

TEST(StoreFileTest, MissingOrBodilessFilesLoadAsEmptyDefaults) {
  TempFolder dir;
  for (const StoreKind& kind : Kinds()) {
    SCOPED_TRACE(kind.label);
    const auto path = dir.path() / kind.label;
    PairStore empty = kind.load(dir.path() / "missing");
    EXPECT_EQ(empty.Count(), 0u);
    EXPECT_EQ(empty.serial, 0);
    EXPECT_EQ(empty.signature, kind.signature);
    const std::string signature(kind.signature.begin(), kind.signature.end());
    for (const std::string& bytes : {std::string(), signature, signature + std::string(signature.rbegin(), signature.rend())}) {
      WriteBytes(path, bytes);
      EXPECT_EQ(kind.load(path), empty) << bytes.size() << " bytes";
    }
  }
}

TEST(StoreFileTest, FramingIgnoresTheSignatureBytesOnReading) {
  const std::string framed = "xyz" + std::string(1, static_cast<char>('|' + 128)) + "abc";
  EXPECT_EQ(UnframeStoreBytes(framed, 3), "|");
  EXPECT_EQ(UnframeStoreBytes("abcdef", 3), std::nullopt);
}

TEST(StoreFileTest, FailedSaveKeepsTheOldFile) {
  TempFolder dir;
  const auto path = dir.path() / "Settings.mqs";
  ASSERT_TRUE(SaveSettings(DefaultSettingsStore(), path));
  const std::string before = ReadBytes(path);
  // A save into a folder that does not exist fails without touching anything.
  const SaveResult r = SaveSettings(DefaultSettingsStore(), dir.path() / "nowhere" / "Settings.mqs");
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  // A directory in the file's place cannot be replaced by a file.
  std::filesystem::create_directory(dir.path() / "History.mqh");
  EXPECT_FALSE(SaveHistory(NewHistory(), dir.path() / "History.mqh"));
  EXPECT_EQ(ReadBytes(path), before);
  // No temporary file is left behind by the failed saves.
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2u);
}

}  // namespace
}  // namespace zuvo
