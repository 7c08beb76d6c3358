// Readable backups of the stores and read-only access for the command line.
// The text form is UTF-8, one record a line, fields separated by a TAB; inside
// a field a TAB is written \t, a line feed \n, a carriage return \r and a
// backslash \\.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "storage/constant_library.h"
#include "storage/settings_store.h"
#include "storage/store_folder.h"

namespace zuvo {

// Exit statuses of the transfer commands.
inline constexpr int kTransferOk = 0;
inline constexpr int kTransferRefused = 1;  // some constants were refused
inline constexpr int kTransferFailed = 2;   // input unreadable or save failed

std::string EscapeField(std::u16string_view field);
// Undoes EscapeField; a backslash before any other character, or at the end,
// stands for itself.
std::u16string UnescapeField(std::string_view field);

// What a calculation takes from the stores. Nothing is created or changed.
struct StoredCalculation {
  Settings settings;            // defaults when there is no settings file
  ConstantList constants;       // the library when ConstantLibraryEnable is on
  bool settings_found = false;  // whether a settings file was read
};
StoredCalculation LoadStoredCalculation(const StoreFolder& folder);
// The stored library in library order (sorted by name), whatever the
// settings say; empty when there is no file. Nothing is created or changed.
ConstantList LoadLibraryConstants(const StoreFolder& folder);

// Prints NAME TAB CONTENT per constant, in library order.
int ExportConstants(const StoreFolder& folder, std::ostream& out, std::ostream& err);
// Reads NAME TAB CONTENT lines and admits each into the stored library by the
// admission checks in order; a refused line (or one without a TAB) is
// reported on err with its line number and message. Empty lines are skipped;
// a carriage return ending a line is dropped. The admitted constants are
// sorted and saved crash-safely. Gives kTransferOk, kTransferRefused when any
// line was refused, or kTransferFailed when the save failed.
int ImportConstants(const StoreFolder& folder, std::istream& in, std::ostream& err);
// The same, reading the file at the path.
int ImportConstantsFromFile(const StoreFolder& folder, const std::filesystem::path& file, std::ostream& err);
// Prints SERIAL TAB SNAPSHOT per history node, oldest first.
int ExportHistory(const StoreFolder& folder, std::ostream& out, std::ostream& err);

}  // namespace zuvo
