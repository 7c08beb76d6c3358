// Speed of the expression engine on typical and on long lines.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/errors.h"
#include "engine/evaluator.h"

namespace {

constexpr int kDecimals = 10;

// Evaluates the text once per iteration and fails the run if it reports
// anything, so a broken engine cannot look fast.
void EvaluateRepeatedly(benchmark::State& state, const std::u16string& text) {
  for (auto _ : state) {
    zuvo::ClearErrors();
    zuvo::Value v = zuvo::Evaluate(text, kDecimals);
    benchmark::DoNotOptimize(v);
  }
  if (zuvo::ErrorCount() != 0) state.SkipWithError("the expression reported errors");
  state.counters["chars"] = static_cast<double>(text.size());
}

void BM_TypicalLine(benchmark::State& state) {
  EvaluateRepeatedly(state, u"((1.5+2)*3-4/2)^2+√16-5!");
}
BENCHMARK(BM_TypicalLine)->Unit(benchmark::kMicrosecond);

// 1+1+…+1 of 100,000 characters: one long operator scan.
void BM_LongSum(benchmark::State& state) {
  std::u16string text = u"1";
  while (text.size() + 2 <= 100000) text += u"+1";
  EvaluateRepeatedly(state, text);
}
BENCHMARK(BM_LongSum)->Unit(benchmark::kMillisecond);

// (1)+(1)+… with 2,000 groups: one evaluation pass per group.
void BM_ManyGroups(benchmark::State& state) {
  std::u16string text = u"(1)";
  for (int i = 1; i < 2000; ++i) text += u"+(1)";
  EvaluateRepeatedly(state, text);
}
BENCHMARK(BM_ManyGroups)->Unit(benchmark::kMillisecond);

// (((…1…))) with 10,000 nested groups.
void BM_DeepNesting(benchmark::State& state) {
  const std::u16string text = std::u16string(10000, u'(') + u"1" + std::u16string(10000, u')');
  EvaluateRepeatedly(state, text);
}
BENCHMARK(BM_DeepNesting)->Unit(benchmark::kMillisecond);

}  // namespace
