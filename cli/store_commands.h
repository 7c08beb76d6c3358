// Store access of the command line:
//   --stored            LoadStoredCalculation(folder): settings and, when the
//                       stored settings turn the library on, its constants
//   --library           LoadLibraryConstants(folder)
//   --export-constants  ExportConstants(folder, std::cout, std::cerr)
//   --import-constants  ImportConstantsArgument(folder, FILE or "-", std::cin, std::cerr)
//   --export-history    ExportHistory(folder, std::cout, std::cerr)
// with folder = DefaultStoreFolder(). The loads and exports only read; the
// import writes the constant library. Each command returns the exit status.
#pragma once

#include <iosfwd>
#include <string_view>

#include "storage/store_folder.h"
#include "storage/store_transfer.h"

namespace zuvo {

// Imports from standard input when the argument is "-", else from the file
// it names.
int ImportConstantsArgument(const StoreFolder& folder, std::string_view argument, std::istream& standard_input,
                            std::ostream& err);

}  // namespace zuvo
