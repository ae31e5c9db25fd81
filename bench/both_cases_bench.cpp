// 両ケース計算 end to end: both cases (and, under 宅地造成, methods ① and ②)
// each restored into a copy of the windows and calculated as the buttons do.

#include <benchmark/benchmark.h>

#include "opened_example.h"
#include "ui/forms/both_cases.h"

namespace {

void BothCases(benchmark::State& state, const char* name) {
  varnholt::bench::Opened opened(name);
  if (!opened.ok) {
    state.SkipWithError("the example did not open");
    return;
  }
  for (auto _ : state) {
    varnholt::forms::BothCases both = varnholt::forms::CalculateBothCases(opened.app);
    benchmark::DoNotOptimize(both.normal.computed);
  }
}

void BM_BothCasesSlope(benchmark::State& state) {
  BothCases(state, "02_residential_slope_computed_ka.vrh");
}
void BM_BothCasesLevelRoad(benchmark::State& state) {
  BothCases(state, "04_road_level_seismic_shear_key.vrh");
}
void BM_BothCasesRaisedWithMethods12(benchmark::State& state) {
  BothCases(state, "03_residential_raised_seismic_method2.vrh");
}

BENCHMARK(BM_BothCasesSlope)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BothCasesLevelRoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BothCasesRaisedWithMethods12)->Unit(benchmark::kMicrosecond);

}  // namespace
