// A writer killed in the middle of a save must leave the previous file whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "storage/history_store.h"
#include "tests/storage/store_test_support.h"

namespace zuvo {
namespace {

namespace fs = std::filesystem;

PairStore BigHistory(char16_t fill) {
  PairStore h = NewHistory();
  for (int i = 0; i < 128; ++i) AddHistoryNode(h, std::u16string(20000, fill));
  return h;
}

// Temporary files a save left beside the store file.
std::vector<fs::path> LeftoverTemporaries(const fs::path& dir) {
  std::vector<fs::path> found;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".tmp") found.push_back(e.path());
  return found;
}

TEST(StoreCrashTest, KilledWriterLeavesTheOldFileWhole) {
  testing::TempFolder dir;
  const fs::path path = dir.path() / "History.mqh";
  const PairStore old_store = BigHistory(u'o');
  const PairStore new_store = BigHistory(u'n');
  ASSERT_TRUE(SaveHistory(old_store, path));
  const std::string old_bytes = testing::ReadBytes(path);

  bool killed_mid_write = false;
  for (int attempt = 0; attempt < 40 && !killed_mid_write; ++attempt) {
    for (const fs::path& p : LeftoverTemporaries(dir.path())) fs::remove(p);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) SaveHistory(new_store, path);  // the writer saves until it is killed
    }
    // Wait until the writer has started a temporary file, then kill it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (LeftoverTemporaries(dir.path()).empty() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    std::this_thread::sleep_for(std::chrono::microseconds(500 * (attempt % 4)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    const PairStore loaded = LoadHistory(path);
    ASSERT_TRUE(loaded == old_store || loaded == new_store) << "attempt " << attempt;
    if (loaded == old_store) {
      EXPECT_EQ(testing::ReadBytes(path), old_bytes);
    }
    // A shorter temporary file shows the kill came in the middle of writing.
    for (const fs::path& p : LeftoverTemporaries(dir.path()))
      if (fs::file_size(p) < old_bytes.size()) killed_mid_write = true;
  }
  EXPECT_TRUE(killed_mid_write) << "no kill landed inside a write";
}

}  // namespace
}  // namespace zuvo
