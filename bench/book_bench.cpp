// The design book: the calculation alone of many designs in one process (to
// set against one varnholt-cli calc process per design, BM_CliCalc*), and a
// book of 50 walls in both load cases calculated and written to PDF and XLSX
// by varnholt-cli book, with the tool's peak memory as a counter.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "book/book_calc.h"
#include "cli_process.h"

namespace {

const char* const kExamples[] = {
    "01_residential_level_entered_ka.vrh",
    "02_residential_slope_computed_ka.vrh",
    "03_residential_raised_seismic_method2.vrh",
    "04_road_level_seismic_shear_key.vrh",
    "05_residential_fence_concentrated_load.vrh",
    "06_residential_cohesion_eccentricity_deduction.vrh",
    "07_road_thin_crest_body_ng.vrh",
};

std::filesystem::path ExamplesDir() { return std::filesystem::path(VARNHOLT_EXAMPLES_DIR); }

// A book of `count` members cycling through the examples.
varnholt::book::Book ExampleBook(int count) {
  varnholt::book::Book book;
  book.title = "ベンチマーク";
  for (int i = 0; i < count; ++i)
    book.members.push_back(
        {kExamples[i % std::size(kExamples)], varnholt::book::CaseChoice::kSaved});
  return book;
}

void BM_BookCalculatePerDesign(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string book_path = (ExamplesDir() / "bench.vrhbook").string();  // never written
  const varnholt::book::BookLoad load = varnholt::book::LoadMembers(ExampleBook(count), book_path);
  if (!load.ok) {
    state.SkipWithError(load.error.c_str());
    return;
  }
  for (auto _ : state) {
    const varnholt::book::BookResult result = varnholt::book::CalculateBook(load.book);
    benchmark::DoNotOptimize(result.rows.data());
  }
  // Time per design, to compare with one calc process.
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["per_design_us"] = benchmark::Counter(
      static_cast<double>(state.iterations() * count),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_BookCalculatePerDesign)->Arg(1000)->Unit(benchmark::kMillisecond);

// varnholt-cli book over 50 walls in both load cases (the example book's
// walls set for both, the seismic case under 宅地造成 in the governing
// method) to a PDF and an XLSX; peak memory of the tool in MB.
void BM_CliBook50x2ToPdfAndXlsx(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("varnholt-bench-book-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const char* const walls[] = {"W-1.vrh", "W-2.vrh", "W-3.vrh", "W-4.vrh"};
  for (const char* e : walls)
    std::filesystem::copy_file(ExamplesDir() / "book" / e, dir / e,
                               std::filesystem::copy_options::overwrite_existing);
  varnholt::book::Book book;
  book.title = "ベンチマーク";
  for (int i = 0; i < 50; ++i)
    book.members.push_back({walls[i % std::size(walls)], varnholt::book::CaseChoice::kBoth});
  { std::ofstream(dir / "bench.vrhbook") << varnholt::book::BookFileBytes(book); }
  const std::vector<std::string> args = {"book",   (dir / "bench.vrhbook").string(),
                                         "-o",     (dir / "bench.pdf").string(),
                                         "--xlsx", (dir / "bench.xlsx").string()};
  double peak_mb = 0;
  for (auto _ : state) {
    struct rusage usage {};
    const int status = varnholt::bench::RunCli(args, &usage);
    if (status != 0 && status != 1) {
      state.SkipWithError("varnholt-cli book failed");
      break;
    }
    peak_mb = std::max(peak_mb, static_cast<double>(usage.ru_maxrss) / 1024);
  }
  state.counters["peak_MB"] = peak_mb;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_CliBook50x2ToPdfAndXlsx)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

}  // namespace
