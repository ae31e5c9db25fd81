// The calculate command of the results window end to end: completeness
// checks, check methods, SUTI, KEISAN and Kekka with its summary rows, on
// designs opened from the example projects.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "ui/forms/app.h"
#include "ui/forms/results.h"

namespace {

std::string Example(const char* name) {
  return (std::filesystem::path(VARNHOLT_EXAMPLES_DIR) / name).string();
}

void Calculate(benchmark::State& state, const char* name) {
  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  const varnholt::project::OpenResult r = varnholt::project::OpenProjectFile(app, Example(name));
  if (r.outcome != varnholt::project::OpenOutcome::kCalculated) {
    state.SkipWithError("the example did not open");
    return;
  }
  platform.messages.clear();
  for (auto _ : state) {
    varnholt::forms::CalculateCommand(app);
    // A refused calculation says why in a message box.
    if (!platform.messages.empty()) {
      state.SkipWithError("the calculation was refused");
      break;
    }
  }
}

void BM_CalculateLevel(benchmark::State& state) {
  Calculate(state, "01_residential_level_entered_ka.vrh");
}
void BM_CalculateSlope(benchmark::State& state) {
  Calculate(state, "02_residential_slope_computed_ka.vrh");
}
void BM_CalculateRaisedSoil(benchmark::State& state) {
  Calculate(state, "03_residential_raised_seismic_method2.vrh");
}
BENCHMARK(BM_CalculateLevel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSlope)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateRaisedSoil)->Unit(benchmark::kMicrosecond);

}  // namespace
