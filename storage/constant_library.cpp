#include "storage/constant_library.h"

#include <algorithm>

#include "storage/scramble.h"

namespace zuvo {
namespace {

const std::vector<unsigned char> kConstantSignature = {0xBD, 0xA5, 0xD2};

// Characters a name may not start with: they would read as the start of a
// number literal (digits, hexadecimal letters, radix prefixes, sign, point,
// the constant letters) or split an argument list.
constexpr std::u16string_view kBadFirst = u"0123456789ABCDEFabcdefOHoh, -.πετ";
constexpr std::u16string_view kBrackets = u"{([<>])}";
constexpr std::u16string_view kResultPrefix = u"结果";

}  // namespace

PairStore NewConstantLibrary() {
  PairStore s;
  s.store_name = std::u16string(kConstantStoreName);
  s.signature = kConstantSignature;
  return s;
}

std::size_t FindConstant(const PairStore& library, std::u16string_view name) {
  for (std::size_t i = 0; i < library.entries.size(); ++i)
    if (library.entries[i].first == name) return i + 1;
  return 0;
}

void AddConstant(PairStore& library, std::u16string_view name, std::u16string_view content) {
  if (FindConstant(library, name) != 0 || library.entries.size() >= kMaxConstants) return;
  library.entries.push_back({std::u16string(name), std::u16string(content)});
}

void DeleteConstant(PairStore& library, std::u16string_view name) {
  const std::size_t i = FindConstant(library, name);
  if (i != 0) library.entries.erase(library.entries.begin() + static_cast<std::ptrdiff_t>(i - 1));
}

void SetConstantContent(PairStore& library, std::u16string_view name, std::u16string_view content) {
  const std::size_t i = FindConstant(library, name);
  if (i != 0) library.entries[i - 1].second = std::u16string(content);
}

std::u16string ConstantName(const PairStore& library, std::size_t i) {
  return i >= 1 && i <= library.entries.size() ? library.entries[i - 1].first : std::u16string();
}

std::u16string ConstantContent(const PairStore& library, std::size_t i) {
  return i >= 1 && i <= library.entries.size() ? library.entries[i - 1].second : std::u16string();
}

void ClearConstants(PairStore& library) { library.entries.clear(); }

void FreeConstantLibrary(PairStore& library) { library.entries.clear(); }

void SortConstants(PairStore& library) {
  // char16_t compares as unsigned, and a proper prefix compares smaller, so
  // descending order puts "abc" before "ab".
  std::stable_sort(library.entries.begin(), library.entries.end(),
                   [](const StoreEntry& x, const StoreEntry& y) { return x.first > y.first; });
}

bool IsValidConstantName(std::u16string_view name) {
  if (name.empty()) return false;
  if (kBadFirst.find(name.front()) != std::u16string_view::npos) return false;
  return name.find_first_of(kBrackets) == std::u16string_view::npos;
}

std::optional<std::u16string_view> CheckNewConstant(const PairStore& library, std::u16string_view name,
                                                     std::u16string_view content) {
  if (name.empty() || content.empty()) return kMsgConstantEmpty;
  if (FindConstant(library, name) != 0) return kMsgConstantDuplicate;
  if (!IsValidConstantName(name)) return kMsgConstantInvalidName;
  if (name.substr(0, 2) == kResultPrefix) return kMsgConstantResultPrefix;
  if (name.size() > kConstantNameCapacity) return kMsgConstantNameTooLong;
  if (content.size() > kConstantContentCapacity) return kMsgConstantContentTooLong;
  if (library.entries.size() >= kMaxConstants) return kMsgConstantLibraryFull;
  return std::nullopt;
}

std::optional<std::u16string_view> AdmitConstant(PairStore& library, std::u16string_view name,
                                                 std::u16string_view content) {
  if (auto refused = CheckNewConstant(library, name, content)) return refused;
  AddConstant(library, name, content);
  SortConstants(library);
  return std::nullopt;
}

ConstantList ConstantsInOrder(const PairStore& library) {
  ConstantList list;
  list.reserve(library.entries.size());
  for (const StoreEntry& e : library.entries) list.emplace_back(e.first, e.second);
  return list;
}

std::string SerializeConstants(const PairStore& library) {
  std::mt19937& g = ScrambleGenerator();
  std::string out = "|C|";
  AppendScrambled(out, library.store_name, g);
  for (const StoreEntry& e : library.entries) {
    out += "|O|";
    AppendScrambled(out, e.first, g);
    out += "::";
    AppendScrambled(out, e.second, g);
  }
  return out;
}

PairStore ParseConstants(std::string_view text) {
  constexpr auto npos = std::string_view::npos;
  PairStore library = NewConstantLibrary();
  const std::size_t a = text.find("|C|");
  if (a == npos) return library;
  const std::size_t b = text.find("|O|");
  const std::u16string name =
      UnscrambleRange(text, a + 3, b == npos ? text.size() : b, kConstantStoreName.size() + 1);
  if (name != kConstantStoreName || b == npos) return library;
  std::size_t pos = b;
  while (pos < text.size() && library.entries.size() < kMaxConstants) {
    const std::size_t o = text.find("|O|", pos + 3);
    const std::size_t s = text.find("::", pos + 3);
    if (s == npos) break;
    library.entries.push_back({UnscrambleRange(text, pos + 3, s, kConstantNameCapacity),
                               UnscrambleRange(text, s + 2, o == npos ? text.size() : o, kConstantContentCapacity)});
    pos = o == npos ? text.size() : o;
  }
  return library;
}

SaveResult SaveConstants(const PairStore& library, const std::filesystem::path& path) {
  try {
    return SaveStoreText(path, kConstantSignature,
                         SerializeConstants(library));
  } catch (const std::bad_alloc&) {
    return SaveResult::Failed("out of memory while saving constants");
  }
}

PairStore LoadConstants(const std::filesystem::path& path) {
  try {
    const std::optional<std::string> text = LoadStoreText(path, kConstantSignature.size());
    return text ? ParseConstants(*text) : NewConstantLibrary();
  } catch (const std::bad_alloc&) {
    return NewConstantLibrary();
  }
}

}  // namespace zuvo
