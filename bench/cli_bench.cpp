// One varnholt-cli process: start, open a project, recalculate, print the
// summary and end, as a script calls it once per wall. Measured per process,
// its standard output thrown away.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using varnholt::bench::RunCli;

std::string Example(const char* name) {
  return (std::filesystem::path(VARNHOLT_EXAMPLES_DIR) / name).string();
}

void CalcProcess(benchmark::State& state, const char* name, std::vector<std::string> options) {
  std::vector<std::string> args = {"calc"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(Example(name));
  for (auto _ : state) {
    const int status = RunCli(args);
    if (status != 0 && status != 1) {
      state.SkipWithError("varnholt-cli did not calculate the example");
      break;
    }
  }
}

void BM_CliCalcLevel(benchmark::State& state) {
  CalcProcess(state, "01_residential_level_entered_ka.vrh", {});
}
void BM_CliCalcRaisedSoilJson(benchmark::State& state) {
  CalcProcess(state, "03_residential_raised_seismic_method2.vrh", {"--json"});
}

}  // namespace

BENCHMARK(BM_CliCalcLevel)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_CliCalcRaisedSoilJson)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
