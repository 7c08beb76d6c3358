#include "engine/stop.h"

namespace zuvo {
namespace {
thread_local const std::atomic<bool>* g_flag = nullptr;
thread_local std::int64_t g_budget = -1;
}  // namespace

void SetStopFlag(const std::atomic<bool>* flag) { g_flag = flag; }
void SetWorkBudget(std::int64_t steps) { g_budget = steps; }

bool StopRequested() {
  if (g_budget == 0) return true;
  return g_flag != nullptr && g_flag->load(std::memory_order_relaxed);
}

bool SpendWorkStep() {
  if (g_budget > 0) --g_budget;
  return StopRequested();
}

}  // namespace zuvo
