// Section sizing on the calculation benchmarks' wall (宅地造成, 常時, Fc 18,
// C 10 with the eccentricity deducted, judged by F ≥ 1.5 and e ≤ B/6):
// B alone at 0.01 m over 0.30–6.00 m for each ground shape, B and b together
// on raised soil, the same search with no passing section (every candidate
// judged), and a standard-section table of 20 heights on raised soil.
// The counters say how many candidates the search judged.

#include <benchmark/benchmark.h>

#include "bench_walls.h"
#include "sizing/section_table.h"
#include "sizing/sizing.h"

namespace varnholt {
namespace {

sizing::DesignInput Design(GroundShape shape) {
  sizing::DesignInput in;
  in.dc = bench::Wall();
  in.dc.Cond[cond::kFc] = 18;
  in.dc.Cond[cond::kFeShort] = 300;
  in.sel.shape = shape;
  in.sel.cohesion = CohesionOption::kConsidered;
  in.sel.slope_surcharge = SlopeSurcharge::kWith;
  in.sel.normal_checks.overturn = NormalOverturn::kF15AndE;
  in.sel.normal_checks.deduction = Deduction::kDeduct;
  return in;
}

void RunSizing(benchmark::State& state, GroundShape shape, bool with_crest, bool passing) {
  sizing::SizingRequest r;
  r.cases = {Design(shape)};
  r.variables.crest.vary = with_crest;
  if (!passing) r.cases[0].dc.Cond[cond::kMu] = 0.1;  // sliding fails at every B
  sizing::SizingResult result;
  for (auto _ : state) {
    result = sizing::SizeSection(r);
    benchmark::DoNotOptimize(result);
  }
  const sizing::SizingOutcome expected =
      passing ? sizing::SizingOutcome::kFound : sizing::SizingOutcome::kNotFound;
  if (result.outcome != expected) state.SkipWithError(result.message.c_str());
  state.counters["judged"] = static_cast<double>(result.evaluated);
  state.counters["grid"] = static_cast<double>(result.total);
}

void BM_Size_B_Level(benchmark::State& s) { RunSizing(s, GroundShape::kLevel, false, true); }
void BM_Size_B_Slope(benchmark::State& s) { RunSizing(s, GroundShape::kUniformSlope, false, true); }
void BM_Size_B_RaisedSoil(benchmark::State& s) {
  RunSizing(s, GroundShape::kRaisedSoil, false, true);
}
void BM_Size_B_RaisedSoil_NothingPasses(benchmark::State& s) {
  RunSizing(s, GroundShape::kRaisedSoil, false, false);
}
void BM_Size_B_and_b_RaisedSoil(benchmark::State& s) {
  RunSizing(s, GroundShape::kRaisedSoil, true, true);
}

void BM_Table_20Heights_RaisedSoil(benchmark::State& state) {
  sizing::TableRequest r;
  r.cases = {Design(GroundShape::kRaisedSoil)};
  r.heights = {1.0, 5.75, 0.25};
  sizing::SectionTable table;
  for (auto _ : state) {
    table = sizing::BuildSectionTable(r);
    benchmark::DoNotOptimize(table);
  }
  if (table.rows.size() != 20) state.SkipWithError(table.message.c_str());
}

BENCHMARK(BM_Size_B_Level)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_Slope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_RaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_RaisedSoil_NothingPasses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_and_b_RaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table_20Heights_RaisedSoil)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnholt
