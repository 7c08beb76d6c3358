#include "cli/options.h"

#include <charconv>
#include <cstring>

#include <iostream>

#include "cli/store_commands.h"
#include "library/applied/random.h"
#include "storage/constant_library.h"
#include "text/utf.h"

namespace zuvo {
namespace {

bool ParseInt(const char* s, long long lo, long long hi, long long& out) {
  const char* end = s + std::strlen(s);
  auto [p, ec] = std::from_chars(s, end, out);
  return ec == std::errc() && p == end && out >= lo && out <= hi;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, CliRequest& r, std::string& problem) {
  bool only_expressions = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](const char* what) -> const char* {
      if (i + 1 >= argc) {
        problem = a + " needs " + what;
        return nullptr;
      }
      return argv[++i];
    };
    if (only_expressions || a.empty() || a[0] != '-' || a == "-" || (a.size() > 1 && a[1] != '-')) {
      // Expressions may begin with "-" (a negative number): only "--words" are options.
      r.expressions.push_back(a);
      continue;
    }
    long long n;
    if (a == "--") {
      only_expressions = true;
    } else if (a == "--help") {
      r.help = true;
    } else if (a == "--radix") {
      const char* v = value("a radix");
      if (!v) return false;
      if (!ParseInt(v, 2, 16, n) || (n != 2 && n != 8 && n != 10 && n != 16)) {
        problem = std::string("--radix must be 2, 8, 10 or 16, not ") + v;
        return false;
      }
      r.radix = static_cast<int>(n);
    } else if (a == "--decimals") {
      const char* v = value("a number of decimals");
      if (!v) return false;
      if (!ParseInt(v, 0, 20, n)) {
        problem = std::string("--decimals must be a whole number from 0 to 20, not ") + v;
        return false;
      }
      r.decimals = static_cast<int>(n);
    } else if (a == "--auto") {
      r.automatic = true;
    } else if (a == "--inherit") {
      r.inherit = true;
    } else if (a == "--constant") {
      const char* v = value("NAME=CONTENT");
      if (!v) return false;
      const std::string def = v;
      const auto eq = def.find('=');
      if (eq == std::string::npos) {
        problem = "--constant takes NAME=CONTENT, got " + def;
        return false;
      }
      r.constants.emplace_back(def.substr(0, eq), def.substr(eq + 1));
    } else if (a == "--seed") {
      const char* v = value("a number");
      if (!v) return false;
      unsigned long long s;
      const char* end = v + std::strlen(v);
      auto [p, ec] = std::from_chars(v, end, s);
      if (ec != std::errc() || p != end) {
        problem = std::string("--seed takes a whole number, not ") + v;
        return false;
      }
      r.seed = s;
    } else if (a == "--stored") {
      r.stored = true;
    } else if (a == "--library") {
      r.library = true;
    } else if (a == "--export-constants") {
      r.export_constants = true;
    } else if (a == "--import-constants") {
      const char* v = value("a file name or -");
      if (!v) return false;
      r.import_constants = v;
    } else if (a == "--export-history") {
      r.export_history = true;
    } else {
      problem = "unknown option " + a;
      return false;
    }
  }
  return true;
}

std::optional<int> RunStoreCommand(const CliRequest& r) {
  if (r.export_constants) return ExportConstants(DefaultStoreFolder(), std::cout, std::cerr);
  if (r.import_constants) return ImportConstantsArgument(DefaultStoreFolder(), *r.import_constants, std::cin, std::cerr);
  if (r.export_history) return ExportHistory(DefaultStoreFolder(), std::cout, std::cerr);
  return std::nullopt;
}

bool ResolveOptions(const CliRequest& r, CalculateOptions& options, std::string& problem) {
  // Stored settings and constants come first; the flags override them.
  ConstantList stored_constants;
  if (r.stored) {
    const StoredCalculation stored = LoadStoredCalculation(DefaultStoreFolder());
    options.radix = stored.settings.number_system;
    options.decimals = stored.settings.decimal_number;
    options.automatic = stored.settings.auto_size_enable;
    options.inherit = stored.settings.answer_inherit;
    stored_constants = stored.constants;
  }
  if (r.library) stored_constants = LoadLibraryConstants(DefaultStoreFolder());
  options.constants = stored_constants;
  if (r.radix) options.radix = *r.radix;
  if (r.decimals) options.decimals = *r.decimals;
  if (r.automatic) options.automatic = true;
  if (r.inherit) options.inherit = true;
  if (r.seed) SeedRandom(*r.seed);
  if (!r.constants.empty()) {
    PairStore library = NewConstantLibrary();
    for (const auto& [name, content] : stored_constants) AddConstant(library, name, content);
    for (const auto& [name, content] : r.constants) {
      const std::u16string n = Utf8ToUtf16(name), c = Utf8ToUtf16(content);
      if (auto refused = AdmitConstant(library, n, c)) {
        problem = "--constant " + name + ": " + Utf16ToUtf8(*refused);
        return false;
      }
    }
    options.constants = ConstantsInOrder(library);
  }
  return true;
}

}  // namespace zuvo
