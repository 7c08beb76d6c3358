#include "storage/store_session.h"

#include <utility>

namespace zuvo {
namespace {

bool FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// The first failure of two results, so a sequence reports what went wrong
// first.
SaveResult FirstFailure(SaveResult a, SaveResult b) { return a.ok ? std::move(b) : std::move(a); }

}  // namespace

StoreSession::StoreSession(StoreFolder folder)
    : folder_(std::move(folder)),
      settings_store_(NewSettings()),
      history_(NewHistory()),
      constants_(NewConstantLibrary()) {}

SaveResult StoreSession::Note(SaveResult result) {
  if (result.ok) {
    problem_shown_ = false;
  } else if (!problem_shown_ && !pending_problem_) {
    pending_problem_ = result.error;
  }
  return result;
}

std::optional<std::string> StoreSession::TakeSaveProblem() {
  std::optional<std::string> problem = std::move(pending_problem_);
  pending_problem_.reset();
  if (problem) problem_shown_ = true;
  return problem;
}

SaveResult StoreSession::SaveHistoryNow() { return Note(SaveHistory(history_, folder_.HistoryPath())); }

SaveResult StoreSession::SaveConstantsNow() { return Note(SaveConstants(constants_, folder_.ConstantsPath())); }

std::optional<std::u16string> StoreSession::Start() {
  Note(EnsureDataFolder(folder_));

  if (FileExists(folder_.SettingsPath())) {
    settings_store_ = LoadSettings(folder_.SettingsPath());
    settings_ = SettingsFromStore(settings_store_);
  } else {
    settings_store_ = DefaultSettingsStore();
    Note(SaveSettings(settings_store_, folder_.SettingsPath()));
    settings_ = Settings{};
  }

  if (settings_.history_cache_enable) {
    if (FileExists(folder_.HistoryPath())) {
      history_ = LoadHistory(folder_.HistoryPath());
    } else {
      history_ = NewHistory();
      SaveHistoryNow();
    }
  } else {
    history_ = NewHistory();
  }

  if (settings_.constant_library_enable) {
    if (FileExists(folder_.ConstantsPath())) {
      constants_ = LoadConstants(folder_.ConstantsPath());
      SortConstants(constants_);
    } else {
      constants_ = NewConstantLibrary();
    }
    SaveConstantsNow();
  } else {
    constants_ = NewConstantLibrary();
  }

  if (settings_.history_cache_enable && settings_.history_recall && history_.Count() > 0)
    return HistoryNodeText(history_, history_.Count());
  return std::nullopt;
}

SaveResult StoreSession::InputChanged(std::u16string_view text) {
  if (!settings_.history_cache_enable) return SaveResult::Ok();
  AddHistoryNode(history_, text);
  return SaveHistoryNow();
}

SaveResult StoreSession::SetHistoryCacheEnable(bool on) {
  settings_.history_cache_enable = on;
  if (on) {
    if (FileExists(folder_.HistoryPath())) return SaveResult::Ok();
    history_ = NewHistory();
    return SaveHistoryNow();
  }
  settings_.history_recall = false;
  if (!RemoveStoreFile(folder_.HistoryPath()))
    return Note(SaveResult::Failed("cannot delete " + folder_.HistoryPath().string()));
  return SaveResult::Ok();
}

void StoreSession::SetHistoryRecall(bool on) { settings_.history_recall = on && settings_.history_cache_enable; }

SaveResult StoreSession::SetConstantLibraryEnable(bool on) {
  settings_.constant_library_enable = on;
  if (on) {
    if (FileExists(folder_.ConstantsPath())) return SaveResult::Ok();
    constants_ = NewConstantLibrary();
    return SaveConstantsNow();
  }
  if (!RemoveStoreFile(folder_.ConstantsPath()))
    return Note(SaveResult::Failed("cannot delete " + folder_.ConstantsPath().string()));
  return SaveResult::Ok();
}

SaveResult StoreSession::DeleteHistoryNode(std::size_t position) {
  zuvo::DeleteHistoryNode(history_, position);
  return SaveHistoryNow();
}

SaveResult StoreSession::ClearHistory() {
  zuvo::ClearHistory(history_);
  return SaveHistoryNow();
}

AddConstantResult StoreSession::AddNewConstant(std::u16string_view name, std::u16string_view content) {
  AddConstantResult result;
  result.refusal = AdmitConstant(constants_, name, content);
  if (!result.refusal) result.save = SaveConstantsNow();
  return result;
}

SaveResult StoreSession::DeleteConstant(std::u16string_view name) {
  zuvo::DeleteConstant(constants_, name);
  return SaveConstantsNow();
}

SaveResult StoreSession::SetConstantContent(std::u16string_view name, std::u16string_view content) {
  zuvo::SetConstantContent(constants_, name, content);
  return SaveConstantsNow();
}

SaveResult StoreSession::ClearConstants() {
  zuvo::ClearConstants(constants_);
  return SaveConstantsNow();
}

SaveResult StoreSession::SortAndSaveConstants() {
  SortConstants(constants_);
  return SaveConstantsNow();
}

ConstantList StoreSession::ActiveConstants() const {
  if (!settings_.constant_library_enable) return {};
  return ConstantsInOrder(constants_);
}

SaveResult StoreSession::SaveSettingsNow() {
  StoreSettings(settings_store_, settings_);
  return Note(SaveSettings(settings_store_, folder_.SettingsPath()));
}

SaveResult StoreSession::Close() {
  SaveResult result = SaveSettingsNow();
  result = FirstFailure(std::move(result), SaveHistoryNow());
  FreeSettings(settings_store_);
  FreeHistory(history_);
  FreeConstantLibrary(constants_);
  return result;
}

}  // namespace zuvo
