#include "storage/store_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace zuvo {
namespace {

std::optional<std::string> ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string HomeFolder(const EnvironmentLookup& environment) {
  if (auto home = environment("HOME"); home && !home->empty()) return *home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr)
    return found->pw_dir;
  return {};
}

// The value of a shell assignment: double-quoted with backslash escapes, or
// bare up to the first blank.
std::string AssignedValue(std::string_view value) {
  std::string out;
  if (!value.empty() && value.front() == '"') {
    for (std::size_t i = 1; i < value.size() && value[i] != '"'; ++i) {
      if (value[i] == '\\' && i + 1 < value.size()) ++i;
      out.push_back(value[i]);
    }
    return out;
  }
  const std::size_t end = value.find_first_of(" \t#");
  return std::string(value.substr(0, end));
}

}  // namespace

std::optional<std::filesystem::path> DocumentsFromUserDirs(std::string_view file_text, const std::string& home) {
  std::optional<std::filesystem::path> result;
  std::size_t start = 0;
  while (start <= file_text.size()) {
    std::size_t end = file_text.find('\n', start);
    if (end == std::string_view::npos) end = file_text.size();
    std::string_view line = file_text.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    if (line.substr(0, kKey.size()) != kKey) continue;
    const std::string value = AssignedValue(line.substr(kKey.size()));
    constexpr std::string_view kHome = "$HOME";
    if (value.substr(0, kHome.size()) == kHome && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
      if (home.empty()) continue;
      result = std::filesystem::path(home + value.substr(kHome.size()));
    } else if (!value.empty() && value.front() == '/') {
      result = std::filesystem::path(value);
    }
    // Later assignments win, as when the file is sourced by a shell.
  }
  return result;
}

std::filesystem::path FindDocumentsFolder(const EnvironmentLookup& environment) {
  const std::string home = HomeFolder(environment);
  std::filesystem::path config;
  if (auto xdg = environment("XDG_CONFIG_HOME"); xdg && !xdg->empty() && xdg->front() == '/')
    config = *xdg;
  else if (!home.empty())
    config = std::filesystem::path(home) / ".config";
  if (!config.empty()) {
    if (auto text = ReadWholeFile(config / "user-dirs.dirs"))
      if (auto documents = DocumentsFromUserDirs(*text, home)) return *documents;
  }
  if (home.empty()) return {};
  return std::filesystem::path(home) / "Documents";
}

std::filesystem::path FindDocumentsFolder() { return FindDocumentsFolder(ProcessEnvironment); }

StoreFolder DefaultStoreFolder() { return StoreFolder::InDocuments(FindDocumentsFolder()); }

SaveResult EnsureDataFolder(const StoreFolder& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder.data_folder, ec)) return SaveResult::Ok();
  std::filesystem::create_directories(folder.data_folder, ec);
  if (ec) return SaveResult::Failed("cannot create " + folder.data_folder.string() + ": " + ec.message());
  return SaveResult::Ok();
}

}  // namespace zuvo
