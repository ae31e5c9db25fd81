// One varnholt-cli process: start, open a project, recalculate, print the
// summary and end, as a script calls it once per wall. Measured per process,
// its standard output thrown away.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string Example(const char* name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / name).string();
}

// Runs the tool once; its exit status, or -1 when it did not run.
int RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), VARNHOLT_CLI);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, VARNHOLT_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
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
