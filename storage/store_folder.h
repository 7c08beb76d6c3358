// Where the three store files live: "ZuvoCalculatorExt" under the user's
// documents folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/pair_store.h"

namespace zuvo {

inline constexpr std::string_view kDataFolderName = "ZuvoCalculatorExt";
inline constexpr std::string_view kSettingsFileName = "Settings.mqs";
inline constexpr std::string_view kHistoryFileName = "History.mqh";
inline constexpr std::string_view kConstantsFileName = "Constants.mqc";

// The data folder and the three file paths in it. Tests and tools build one
// on any folder; the program uses DefaultStoreFolder().
struct StoreFolder {
  std::filesystem::path data_folder;

  // The data folder under the given documents folder.
  static StoreFolder InDocuments(const std::filesystem::path& documents) {
    return StoreFolder{documents / kDataFolderName};
  }
  std::filesystem::path SettingsPath() const { return data_folder / kSettingsFileName; }
  std::filesystem::path HistoryPath() const { return data_folder / kHistoryFileName; }
  std::filesystem::path ConstantsPath() const { return data_folder / kConstantsFileName; }
};

// Reads one environment variable; nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The documents folder: XDG_DOCUMENTS_DIR as written in
// $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/user-dirs.dirs), otherwise
// ~/Documents. Empty when no home folder is known.
std::filesystem::path FindDocumentsFolder(const EnvironmentLookup& environment);
// The same with the process environment.
std::filesystem::path FindDocumentsFolder();
// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, with
// $HOME expanded; nothing when absent or not of the form "$HOME/..." or an
// absolute path.
std::optional<std::filesystem::path> DocumentsFromUserDirs(std::string_view file_text, const std::string& home);

StoreFolder DefaultStoreFolder();

// Creates the data folder when it is missing.
SaveResult EnsureDataFolder(const StoreFolder& folder);

}  // namespace zuvo
