// Determinants of an 8 x 8 matrix (cofactor expansion) and of a 100 x 100
// matrix (elimination), and the adjugate and inverse at the larger size.
#include <cmath>

#include <benchmark/benchmark.h>

#include "library/core/matrix.h"

namespace {

zuvo::Value Sample(int n) {
  zuvo::Value v = zuvo::Value::Shaped(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) v.At(i, j) = std::sin(i * 0.7 + j * 1.9) + (i == j ? 3.0 : 0.0);
  return v;
}

void BM_Determinant(benchmark::State& state) {
  const zuvo::Value a = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::Determinant(a, 10));
}
BENCHMARK(BM_Determinant)->Arg(8)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Adjugate(benchmark::State& state) {
  const zuvo::Value a = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::Adjugate(a, 10));
}
BENCHMARK(BM_Adjugate)->Arg(8)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Inverse(benchmark::State& state) {
  const zuvo::Value a = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zuvo::Inverse(a, 10));
}
BENCHMARK(BM_Inverse)->Arg(8)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
