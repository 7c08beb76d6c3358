#include "cli/store_commands.h"

#include <istream>
#include <string>

namespace zuvo {

int ImportConstantsArgument(const StoreFolder& folder, std::string_view argument, std::istream& standard_input,
                            std::ostream& err) {
  if (argument == "-") return ImportConstants(folder, standard_input, err);
  return ImportConstantsFromFile(folder, std::filesystem::path(std::string(argument)), err);
}

}  // namespace zuvo
