#include "engine/errors.h"

namespace zuvo {
namespace {
// Each thread evaluates its own lines, so each keeps its own list.
thread_local std::vector<std::u16string> g_errors;
}  // namespace

void AddError(std::u16string_view message) {
  if (g_errors.size() < kMaxErrors) g_errors.emplace_back(message);
}
void ClearErrors() { g_errors.clear(); }
std::size_t ErrorCount() { return g_errors.size(); }
const std::vector<std::u16string>& Errors() { return g_errors; }

}  // namespace zuvo
