// Command-line options of zuvo-calc.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculate.h"

namespace zuvo {

inline constexpr const char* kUsage =
    "usage: zuvo-calc [--radix 2|8|10|16] [--decimals 0..20] [--auto] [--inherit]\n"
    "                 [--constant NAME=CONTENT]... [--seed N] [--stored] [--library] [EXPR...]\n"
    "       zuvo-calc --export-constants | --import-constants FILE|- | --export-history\n"
    "Each EXPR is one input line; without EXPR, standard input is read (one line per\n"
    "expression; interactive when it is a terminal). Prints the result listing.\n"
    "  --radix R        show results in radix 2, 8, 10 or 16 (default 10)\n"
    "  --decimals D     decimal places 0..20 (default 10)\n"
    "  --auto           automatic decimals (25 places, exact digits)\n"
    "  --inherit        结果0, 结果1, ... name the results of earlier lines\n"
    "  --constant N=C   define a constant N with the expression C (repeatable)\n"
    "  --seed N         make the random numbers repeatable\n"
    "  --stored         take settings (and, when enabled, constants) from the stored settings\n"
    "  --library        use the stored constant library\n"
    "  --export-constants, --import-constants FILE|-, --export-history\n"
    "                   read or write the stores as text (NAME<TAB>CONTENT, SERIAL<TAB>TEXT)\n"
    "Exit status: 0 all lines correct, 1 some line failed, 2 bad usage or empty input.\n";

struct CliRequest {
  bool help = false;
  std::optional<int> radix;
  std::optional<int> decimals;
  bool automatic = false;
  bool inherit = false;
  std::vector<std::pair<std::string, std::string>> constants;
  std::optional<unsigned long long> seed;
  bool stored = false;
  bool library = false;
  bool export_constants = false;
  std::optional<std::string> import_constants;
  bool export_history = false;
  std::vector<std::string> expressions;
};

// Fills the request; on bad usage returns false with a one-line reason.
bool ParseCommandLine(int argc, char** argv, CliRequest& request, std::string& problem);
// Runs an export or import of the stores when one was asked for.
std::optional<int> RunStoreCommand(const CliRequest& request);
// Settles the calculation options: stored settings first, then the flags;
// admits the --constant definitions. False with a reason when one is refused.
bool ResolveOptions(const CliRequest& request, CalculateOptions& options, std::string& problem);

}  // namespace zuvo
