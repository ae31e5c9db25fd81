// Section sizing on the calculation benchmarks' wall (宅地造成, 常時, Fc 18,
// C 10 with the eccentricity deducted, judged by F ≥ 1.5 and e ≤ B/6):
// B alone at 0.01 m over 0.30–6.00 m for each ground shape, B and b together
// on raised soil, the same search with no passing section (every candidate
// judged), and a standard-section table of 20 heights on raised soil.
// The counters say how many candidates the search judged.

#include <benchmark/benchmark.h>

#include "bench_walls.h"
#include "opened_example.h"
#include "sizing/section_table.h"
#include "sizing/sizing.h"
#include "ui/forms/sizing_bridge.h"

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

// The same wall in the seismic case (Kh 0.2, F ≥ 1.2, Fs ≥ 1.0) with method
// ① or ②: with the normal case, the three designs sizing both cases judges
// under 宅地造成.
sizing::DesignInput Seismic(GroundShape shape, SeismicMethod method) {
  sizing::DesignInput in = Design(shape);
  in.sel.load_case = LoadCase::kSeismic;
  in.sel.seismic_method = method;
  in.sel.seismic_checks.overturn = SeismicOverturn::kF12;
  in.sel.seismic_checks.sliding = SeismicSliding::kF10;
  in.dc.Cond[cond::kKho] = 0.2;
  in.dc.Cond[cond::kKh] = 0.2;
  in.dc.Cond[cond::kKv] = 0;
  return in;
}

std::vector<sizing::DesignInput> Cases(GroundShape shape, bool both) {
  if (!both) return {Design(shape)};
  return {Design(shape), Seismic(shape, SeismicMethod::kK2), Seismic(shape, SeismicMethod::kK1)};
}

void RunSizing(benchmark::State& state, GroundShape shape, bool with_crest, bool passing,
               bool both = false) {
  sizing::SizingRequest r;
  r.cases = Cases(shape, both);
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

void BM_Size_B_Level_BothCases(benchmark::State& s) {
  RunSizing(s, GroundShape::kLevel, false, true, true);
}
void BM_Size_B_Slope_BothCases(benchmark::State& s) {
  RunSizing(s, GroundShape::kUniformSlope, false, true, true);
}
void BM_Size_B_RaisedSoil_BothCases(benchmark::State& s) {
  RunSizing(s, GroundShape::kRaisedSoil, false, true, true);
}
void BM_Size_B_and_b_RaisedSoil_BothCases(benchmark::State& s) {
  RunSizing(s, GroundShape::kRaisedSoil, true, true, true);
}

void RunTable(benchmark::State& state, bool both) {
  sizing::TableRequest r;
  r.cases = Cases(GroundShape::kRaisedSoil, both);
  r.heights = {1.0, 5.75, 0.25};
  sizing::SectionTable table;
  for (auto _ : state) {
    table = sizing::BuildSectionTable(r);
    benchmark::DoNotOptimize(table);
  }
  if (table.rows.size() != 20) state.SkipWithError(table.message.c_str());
}
void BM_Table_20Heights_RaisedSoil(benchmark::State& s) { RunTable(s, false); }
void BM_Table_20Heights_RaisedSoil_BothCases(benchmark::State& s) { RunTable(s, true); }

// The slope example with both cases set (宅地造成): B alone for the case it
// was saved in, and for both cases (常時, 地震時 ② and ①: three designs).
void RunExampleSizing(benchmark::State& state, bool both) {
  bench::Opened opened("08_residential_slope_both_cases_seismic_governs.vrh");
  sizing::SizingRequest r;
  std::string why;
  if (both) {
    r.cases = forms::DesignsOfBothCases(opened.app, why);
  } else if (auto design = forms::DesignForSizing(opened.app)) {
    r.cases = {*design};
  }
  if (r.cases.empty()) {
    state.SkipWithError(why.c_str());
    return;
  }
  sizing::SizingResult result;
  for (auto _ : state) {
    result = sizing::SizeSection(r);
    benchmark::DoNotOptimize(result);
  }
  if (result.outcome != sizing::SizingOutcome::kFound) state.SkipWithError(result.message.c_str());
  state.counters["judged"] = static_cast<double>(result.evaluated);
  state.counters["cases"] = static_cast<double>(r.cases.size());
}
void BM_Size_B_SlopeExample_OneCase(benchmark::State& s) { RunExampleSizing(s, false); }
void BM_Size_B_SlopeExample_BothCases(benchmark::State& s) { RunExampleSizing(s, true); }

BENCHMARK(BM_Size_B_SlopeExample_OneCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_SlopeExample_BothCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_Level)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_Slope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_RaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_RaisedSoil_NothingPasses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_and_b_RaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table_20Heights_RaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_Level_BothCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_Slope_BothCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_RaisedSoil_BothCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Size_B_and_b_RaisedSoil_BothCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table_20Heights_RaisedSoil_BothCases)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnholt
