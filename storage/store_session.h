// The stores of one run of the desktop program: start-up, the changes the
// windows make, and close. The windows only wire their controls to these
// calls; every file rule lives here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "storage/constant_library.h"
#include "storage/history_store.h"
#include "storage/pair_store.h"
#include "storage/settings_store.h"
#include "storage/store_folder.h"

namespace zuvo {

// Outcome of a request to add a constant: a refusal message (nothing saved),
// or the result of saving the grown library.
struct AddConstantResult {
  std::optional<std::u16string_view> refusal;
  SaveResult save;
};

class StoreSession {
 public:
  explicit StoreSession(StoreFolder folder);

  // Start-up, in order: create the data folder when missing; read the
  // settings (a first start writes the default settings file); set up the
  // history (with history on: load it, or create and save an empty one;
  // with history off: an empty one, nothing written); set up the constant
  // library (with it on: load, sort and save, or create and save an empty
  // one; off: an empty one, nothing written). Gives the text to put into the
  // input box: the newest snapshot when history and recall are on and a
  // snapshot exists.
  std::optional<std::u16string> Start();

  // The in-memory settings. Radix, decimals, automatic decimals and result
  // inheritance may be changed directly; the two switches that own files go
  // through SetHistoryCacheEnable and SetConstantLibraryEnable.
  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  const PairStore& history() const { return history_; }
  const PairStore& constants() const { return constants_; }
  const StoreFolder& folder() const { return folder_; }

  // The input text changed: with history on, add it as a node and save the
  // history; with history off, nothing happens.
  SaveResult InputChanged(std::u16string_view text);

  // Switching history on while its file is missing starts an empty history
  // and saves it; switching it off deletes the file (the nodes stay in
  // memory) and switches recall off.
  SaveResult SetHistoryCacheEnable(bool on);
  // Recall can only be on while history is on.
  void SetHistoryRecall(bool on);
  // Switching the library on while its file is missing starts an empty
  // library and saves it; switching it off deletes the file (the constants
  // stay in memory but are no longer used by calculations).
  SaveResult SetConstantLibraryEnable(bool on);

  // History window: both save at once.
  SaveResult DeleteHistoryNode(std::size_t position);
  SaveResult ClearHistory();

  // Constant windows: every change is saved at once.
  AddConstantResult AddNewConstant(std::u16string_view name, std::u16string_view content);
  SaveResult DeleteConstant(std::u16string_view name);
  SaveResult SetConstantContent(std::u16string_view name, std::u16string_view content);
  SaveResult ClearConstants();
  // Showing the library window sorts and saves.
  SaveResult SortAndSaveConstants();

  // The constants a calculation substitutes, in library order; empty while
  // the library is off.
  ConstantList ActiveConstants() const;

  // Writes the seven settings into the settings store and saves it now (the
  // settings window does so when it is left, so a later crash loses nothing).
  SaveResult SaveSettingsNow();

  // Close: write the seven settings into the settings store and save it,
  // save the history (whatever the history switch says), release the stores.
  SaveResult Close();

  // The message of a failed save, given once: after it has been taken, later
  // failures stay quiet until a save succeeds again.
  std::optional<std::string> TakeSaveProblem();

 private:
  SaveResult Note(SaveResult result);
  SaveResult SaveHistoryNow();
  SaveResult SaveConstantsNow();

  StoreFolder folder_;
  Settings settings_;
  PairStore settings_store_;
  PairStore history_;
  PairStore constants_;
  std::optional<std::string> pending_problem_;
  bool problem_shown_ = false;
};

}  // namespace zuvo
