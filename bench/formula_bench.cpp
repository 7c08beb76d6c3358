// Timings of the formula functions: every sample is a full binding of the
// variable plus a nested evaluation of the formula text.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/errors.h"
#include "engine/evaluator.h"

namespace {

void RunLine(benchmark::State& state, const char16_t* line) {
  for (auto _ : state) {
    zuvo::ClearErrors();
    benchmark::DoNotOptimize(zuvo::Evaluate(line, 10));
  }
  if (zuvo::ErrorCount() != 0) state.SkipWithError("the line reported messages");
}

void BM_SumOfSquares(benchmark::State& state) { RunLine(state, u"累加(x^2,x,1,100000)"); }
void BM_IntegralOfSquare(benchmark::State& state) { RunLine(state, u"积分(x^2,x,0,1,0.0001)"); }
void BM_MultiSumProduct(benchmark::State& state) { RunLine(state, u"多维累加(x*y,x,1,300,y,1,300)"); }

BENCHMARK(BM_SumOfSquares)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IntegralOfSquare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiSumProduct)->Unit(benchmark::kMillisecond);

}  // namespace
