#include "storage/store_session.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

bool Exists(const fs::path& p) { return fs::exists(p); }

TEST(StoreSessionTest, FirstStartWritesOnlyTheDefaultSettings) {
  TempFolder dir;
  const StoreFolder folder = StoreFolder::InDocuments(dir.path() / "Documents");
  StoreSession session(folder);
  EXPECT_EQ(session.Start(), std::nullopt);
  EXPECT_TRUE(fs::is_directory(folder.data_folder));
  EXPECT_EQ(LoadSettings(folder.SettingsPath()), DefaultSettingsStore());
  EXPECT_FALSE(Exists(folder.HistoryPath()));
  EXPECT_FALSE(Exists(folder.ConstantsPath()));
  EXPECT_EQ(session.settings(), Settings{});
  EXPECT_EQ(session.TakeSaveProblem(), std::nullopt);
}

TEST(StoreSessionTest, SettingsAndHistoryComeBackAtTheNextStart) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  {
    StoreSession session(folder);
    session.Start();
    session.settings().number_system = 16;
    session.settings().decimal_number = 5;
    ASSERT_TRUE(session.SetHistoryCacheEnable(true));
    EXPECT_TRUE(Exists(folder.HistoryPath()));
    session.SetHistoryRecall(true);
    ASSERT_TRUE(session.InputChanged(u"1+1"));
    ASSERT_TRUE(session.InputChanged(u"1+2"));
    EXPECT_EQ(LoadHistory(folder.HistoryPath()).Count(), 2u);  // each change is saved at once
    ASSERT_TRUE(session.Close());
  }
  StoreSession session(folder);
  EXPECT_EQ(session.Start(), u"1+2");
  EXPECT_EQ(session.settings().number_system, 16);
  EXPECT_EQ(session.settings().decimal_number, 5);
  EXPECT_EQ(session.history().serial, 2);
}

TEST(StoreSessionTest, HistorySwitchDeletesAndRecreatesItsFile) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  StoreSession session(folder);
  session.Start();
  EXPECT_TRUE(session.InputChanged(u"ignored while off"));
  EXPECT_EQ(session.history().Count(), 0u);
  session.SetHistoryCacheEnable(true);
  session.SetHistoryRecall(true);
  session.InputChanged(u"a");
  ASSERT_TRUE(session.SetHistoryCacheEnable(false));
  EXPECT_FALSE(Exists(folder.HistoryPath()));
  EXPECT_FALSE(session.settings().history_recall);
  EXPECT_EQ(session.history().Count(), 1u);  // memory unchanged
  session.SetHistoryRecall(true);
  EXPECT_FALSE(session.settings().history_recall);  // not without history
  session.SetHistoryCacheEnable(true);
  EXPECT_EQ(session.history().Count(), 0u);  // a fresh history, written at once
  EXPECT_EQ(LoadHistory(folder.HistoryPath()), NewHistory());
}

TEST(StoreSessionTest, ConstantLibraryLifeCycle) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  {
    StoreSession session(folder);
    session.Start();
    ASSERT_TRUE(session.SetConstantLibraryEnable(true));
    EXPECT_EQ(LoadConstants(folder.ConstantsPath()), NewConstantLibrary());
    EXPECT_EQ(session.AddNewConstant(u"x", u"1").refusal, std::nullopt);
    EXPECT_EQ(session.AddNewConstant(u"xy", u"2").refusal, std::nullopt);
    EXPECT_EQ(session.AddNewConstant(u"1x", u"2").refusal, kMsgConstantInvalidName);
    EXPECT_EQ(session.ActiveConstants(), (ConstantList{{u"xy", u"2"}, {u"x", u"1"}}));
    EXPECT_EQ(LoadConstants(folder.ConstantsPath()), session.constants());
    session.SetConstantContent(u"x", u"3");
    EXPECT_EQ(ConstantContent(LoadConstants(folder.ConstantsPath()), 2), u"3");
    session.Close();
  }
  // An unsorted file is sorted and saved at start.
  PairStore unsorted = NewConstantLibrary();
  AddConstant(unsorted, u"a", u"1");
  AddConstant(unsorted, u"b", u"2");
  ASSERT_TRUE(SaveConstants(unsorted, folder.ConstantsPath()));
  StoreSession session(folder);
  session.Start();
  EXPECT_EQ(session.ActiveConstants(), (ConstantList{{u"b", u"2"}, {u"a", u"1"}}));
  EXPECT_EQ(ConstantName(LoadConstants(folder.ConstantsPath()), 1), u"b");
  ASSERT_TRUE(session.SetConstantLibraryEnable(false));
  EXPECT_FALSE(Exists(folder.ConstantsPath()));
  EXPECT_TRUE(session.ActiveConstants().empty());
  EXPECT_EQ(session.constants().Count(), 2u);
}

TEST(StoreSessionTest, CloseWritesSettingsAndHistoryEvenWithHistoryOff) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  StoreSession session(folder);
  session.Start();
  session.settings().answer_inherit = true;
  ASSERT_TRUE(session.Close());
  EXPECT_TRUE(Exists(folder.HistoryPath()));
  EXPECT_TRUE(SettingsFromStore(LoadSettings(folder.SettingsPath())).answer_inherit);
}

TEST(StoreSessionTest, DamagedSettingsFileIsRepairedAtClose) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  testing::WriteBytes(folder.SettingsPath(), "\xB1\x91\x86garbage\x86\x91\xB1");
  StoreSession session(folder);
  session.Start();
  EXPECT_EQ(session.settings(), Settings{});
  session.settings().decimal_number = 3;
  session.Close();
  EXPECT_EQ(SettingsFromStore(LoadSettings(folder.SettingsPath())).decimal_number, 3);
}

TEST(StoreSessionTest, FailedSavesKeepMemoryAndAreReportedOnce) {
  TempFolder dir;
  const StoreFolder folder{dir.path()};
  StoreSession session(folder);
  session.Start();
  session.SetHistoryCacheEnable(true);
  // A folder in the history file's place makes every history save fail.
  fs::remove(folder.HistoryPath());
  fs::create_directory(folder.HistoryPath());
  EXPECT_FALSE(session.InputChanged(u"a"));
  EXPECT_FALSE(session.InputChanged(u"b"));
  EXPECT_EQ(session.history().Count(), 2u);
  EXPECT_NE(session.TakeSaveProblem(), std::nullopt);
  EXPECT_FALSE(session.InputChanged(u"c"));
  EXPECT_EQ(session.TakeSaveProblem(), std::nullopt);  // already shown
  fs::remove(folder.HistoryPath());
  EXPECT_TRUE(session.InputChanged(u"d"));
  EXPECT_EQ(LoadHistory(folder.HistoryPath()).Count(), 4u);
  fs::remove(folder.HistoryPath());
  fs::create_directory(folder.HistoryPath());
  EXPECT_FALSE(session.InputChanged(u"e"));
  EXPECT_NE(session.TakeSaveProblem(), std::nullopt);  // a new run of failures
}

TEST(StoreFolderTest, FindsTheDocumentsFolder) {
  TempFolder dir;
  const fs::path home = dir.path() / "home";
  fs::create_directories(home / ".config");
  fs::create_directories(dir.path() / "xdg");
  std::map<std::string, std::string> env = {{"HOME", home.string()}};
  auto lookup = [&env](const char* name) -> std::optional<std::string> {
    auto it = env.find(name);
    if (it == env.end()) return std::nullopt;
    return it->second;
  };
  EXPECT_EQ(FindDocumentsFolder(lookup), home / "Documents");
  testing::WriteBytes(home / ".config" / "user-dirs.dirs",
                      "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"$HOME/文档\"\n");
  EXPECT_EQ(FindDocumentsFolder(lookup), home / "文档");
  env["XDG_CONFIG_HOME"] = (dir.path() / "xdg").string();
  EXPECT_EQ(FindDocumentsFolder(lookup), home / "Documents");  // that folder has no user-dirs.dirs
  testing::WriteBytes(dir.path() / "xdg" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
  EXPECT_EQ(FindDocumentsFolder(lookup), fs::path("/srv/docs"));
  EXPECT_EQ(StoreFolder::InDocuments("/d").SettingsPath(), fs::path("/d/ZuvoCalculatorExt/Settings.mqs"));
  EXPECT_EQ(StoreFolder::InDocuments("/d").HistoryPath(), fs::path("/d/ZuvoCalculatorExt/History.mqh"));
  EXPECT_EQ(StoreFolder::InDocuments("/d").ConstantsPath(), fs::path("/d/ZuvoCalculatorExt/Constants.mqc"));
}

TEST(StoreFolderTest, ReadsUserDirsAssignments) {
  const std::pair<std::string, std::optional<fs::path>> cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/Docs\"", fs::path("/h/Docs")},
      {"XDG_DOCUMENTS_DIR=\"$HOME\"", fs::path("/h")},
      {"XDG_DOCUMENTS_DIR=\"/abs/My \\\"D\\\"\"", fs::path("/abs/My \"D\"")},
      {"XDG_DOCUMENTS_DIR=\"relative\"", std::nullopt},
      {"XDG_DOCUMENTS_DIR=\"$HOMEX/a\"", std::nullopt},
      {"# XDG_DOCUMENTS_DIR=\"/x\"", std::nullopt},
      {"XDG_DOCUMENTS_DIR=\"/a\"\nXDG_DOCUMENTS_DIR=\"/b\"", fs::path("/b")},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(DocumentsFromUserDirs(text, "/h"), want) << text;
}

}  // namespace
}  // namespace zuvo
