// Opening a project file and recalculating: read, check, reset, restore the
// windows with their reactions, Jisin, the coefficient, SUTI, KEISAN, Kekka
// and the window arrangement, as the Open command does after its dialog.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "ui/forms/app.h"

namespace {

std::string Example(const char* name) {
  return (std::filesystem::path(VARNHOLT_EXAMPLES_DIR) / name).string();
}

void OpenAndRecalculate(benchmark::State& state, const char* name) {
  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  const std::string path = Example(name);
  for (auto _ : state) {
    const varnholt::project::OpenResult r = varnholt::project::OpenProjectFile(app, path);
    if (r.outcome != varnholt::project::OpenOutcome::kCalculated) {
      state.SkipWithError("the example did not open");
      break;
    }
  }
}

void BM_OpenLevelEnteredCoefficient(benchmark::State& state) {
  OpenAndRecalculate(state, "01_residential_level_entered_ka.vrh");
}
void BM_OpenSlopeComputedCoefficient(benchmark::State& state) {
  OpenAndRecalculate(state, "02_residential_slope_computed_ka.vrh");
}
void BM_OpenRaisedSoilTrialWedge(benchmark::State& state) {
  OpenAndRecalculate(state, "03_residential_raised_seismic_method2.vrh");
}
BENCHMARK(BM_OpenLevelEnteredCoefficient)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenSlopeComputedCoefficient)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenRaisedSoilTrialWedge)->Unit(benchmark::kMicrosecond);

}  // namespace
