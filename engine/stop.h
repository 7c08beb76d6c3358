// Cooperative stopping of long calculations.
#pragma once

#include <atomic>
#include <cstdint>

namespace zuvo {

// Points the calling thread's evaluations at a stop flag (nullptr: none).
// A front end sets the flag from another thread or a signal handler.
void SetStopFlag(const std::atomic<bool>* flag);
// Limits the calling thread to this many more work steps (evaluation passes
// and formula samples); a negative budget means no limit.
void SetWorkBudget(std::int64_t steps);
// True once a stop was requested or the work budget is spent. Long loops call
// it between steps and wind down, returning what they have.
bool StopRequested();
// Counts one work step and reports whether work should stop.
bool SpendWorkStep();

}  // namespace zuvo
