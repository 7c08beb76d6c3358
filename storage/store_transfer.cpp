#include "storage/store_transfer.h"

#include <fstream>
#include <istream>
#include <ostream>

#include "storage/history_store.h"
#include "text/utf.h"

namespace zuvo {
namespace {

bool FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

int Finish(std::ostream& out, std::ostream& err) {
  out.flush();
  if (!out) {
    err << "export: cannot write the output\n";
    return kTransferFailed;
  }
  return kTransferOk;
}

}  // namespace

std::string EscapeField(std::u16string_view field) {
  const std::string utf8 = Utf16ToUtf8(field);
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::u16string UnescapeField(std::string_view field) {
  std::string utf8;
  utf8.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      utf8.push_back(field[i]);
      continue;
    }
    switch (field[i + 1]) {
      case 't': utf8.push_back('\t'); ++i; break;
      case 'n': utf8.push_back('\n'); ++i; break;
      case 'r': utf8.push_back('\r'); ++i; break;
      case '\\': utf8.push_back('\\'); ++i; break;
      default: utf8.push_back('\\');
    }
  }
  return Utf8ToUtf16(utf8);
}

StoredCalculation LoadStoredCalculation(const StoreFolder& folder) {
  StoredCalculation stored;
  if (FileExists(folder.SettingsPath())) {
    stored.settings_found = true;
    stored.settings = SettingsFromStore(LoadSettings(folder.SettingsPath()));
  }
  if (stored.settings.constant_library_enable) stored.constants = LoadLibraryConstants(folder);
  return stored;
}

ConstantList LoadLibraryConstants(const StoreFolder& folder) {
  PairStore library = LoadConstants(folder.ConstantsPath());
  SortConstants(library);
  return ConstantsInOrder(library);
}

int ExportConstants(const StoreFolder& folder, std::ostream& out, std::ostream& err) {
  for (const auto& [name, content] : LoadLibraryConstants(folder))
    out << EscapeField(name) << '\t' << EscapeField(content) << '\n';
  return Finish(out, err);
}

int ExportHistory(const StoreFolder& folder, std::ostream& out, std::ostream& err) {
  const PairStore history = LoadHistory(folder.HistoryPath());
  for (std::size_t i = 1; i <= history.Count(); ++i)
    out << HistoryNodeSerial(history, i) << '\t' << EscapeField(HistoryNodeText(history, i)) << '\n';
  return Finish(out, err);
}

int ImportConstants(const StoreFolder& folder, std::istream& in, std::ostream& err) {
  PairStore library = LoadConstants(folder.ConstantsPath());
  SortConstants(library);
  bool refused = false;
  std::string line;
  std::size_t number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      err << "import: line " << number << ": no TAB between name and content\n";
      refused = true;
      continue;
    }
    const std::u16string name = UnescapeField(std::string_view(line).substr(0, tab));
    const std::u16string content = UnescapeField(std::string_view(line).substr(tab + 1));
    if (auto message = AdmitConstant(library, name, content)) {
      err << "import: line " << number << ": " << EscapeField(name) << ": " << Utf16ToUtf8(*message) << '\n';
      refused = true;
    }
  }
  if (in.bad()) {
    err << "import: cannot read the input\n";
    return kTransferFailed;
  }
  SortConstants(library);
  if (SaveResult r = EnsureDataFolder(folder); !r) {
    err << "import: " << r.error << '\n';
    return kTransferFailed;
  }
  if (SaveResult r = SaveConstants(library, folder.ConstantsPath()); !r) {
    err << "import: " << r.error << '\n';
    return kTransferFailed;
  }
  return refused ? kTransferRefused : kTransferOk;
}

int ImportConstantsFromFile(const StoreFolder& folder, const std::filesystem::path& file, std::ostream& err) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    err << "import: cannot open " << file.string() << '\n';
    return kTransferFailed;
  }
  return ImportConstants(folder, in, err);
}

}  // namespace zuvo
