#include "engine/dispatch.h"

namespace zuvo {

struct FunctionEntry {
  std::u16string_view name;
};

const FunctionEntry* MatchFunctionName(std::u16string_view, std::size_t) { return nullptr; }
std::size_t FunctionNameLength(const FunctionEntry& entry) { return entry.name.size(); }
CallOutcome CallFunction(const FunctionEntry&, std::optional<std::u16string_view>, int, Value&) {
  return CallOutcome::kRejected;
}

}  // namespace zuvo
