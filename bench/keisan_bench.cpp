// The whole design calculation, for each ground shape in the normal and the
// seismic case. KEISAN runs on every calculate command and every project
// load; the raised-soil shape carries the 900-entry trial wedge.

#include <benchmark/benchmark.h>

#include "bench_walls.h"
#include "calc/keisan.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {
namespace {

Selections Options(GroundShape shape, LoadCase load_case) {
  Selections sel;
  sel.standard = Standard::kResidential;
  sel.shape = shape;
  sel.load_case = load_case;
  sel.seismic_method = load_case == LoadCase::kSeismic ? SeismicMethod::kK1 : SeismicMethod::kNone;
  sel.slope_surcharge = SlopeSurcharge::kWith;
  sel.normal_checks.deduction = Deduction::kDeduct;
  sel.seismic_checks.deduction = Deduction::kDeduct;
  return sel;
}

void RunKeisan(benchmark::State& state, GroundShape shape, LoadCase load_case, bool vertical_back) {
  DesignCase dc = bench::Wall(vertical_back);
  const Selections sel = Options(shape, load_case);
  if (!Keisan(dc, sel).ok()) {
    state.SkipWithError("the benchmark wall does not calculate");
    return;
  }
  for (auto _ : state) {
    CalcStatus s = Keisan(dc, sel);
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(dc.Calc[calc::kSlidingF]);
  }
}

void BM_Keisan_Level_Normal(benchmark::State& s) {
  RunKeisan(s, GroundShape::kLevel, LoadCase::kNormal, false);
}
void BM_Keisan_Level_Seismic(benchmark::State& s) {
  RunKeisan(s, GroundShape::kLevel, LoadCase::kSeismic, false);
}
void BM_Keisan_UniformSlope_Normal(benchmark::State& s) {
  RunKeisan(s, GroundShape::kUniformSlope, LoadCase::kNormal, false);
}
void BM_Keisan_UniformSlope_Seismic(benchmark::State& s) {
  RunKeisan(s, GroundShape::kUniformSlope, LoadCase::kSeismic, false);
}
void BM_Keisan_RaisedSoil_Normal(benchmark::State& s) {
  RunKeisan(s, GroundShape::kRaisedSoil, LoadCase::kNormal, false);
}
void BM_Keisan_RaisedSoil_Seismic(benchmark::State& s) {
  RunKeisan(s, GroundShape::kRaisedSoil, LoadCase::kSeismic, false);
}
// A vertical back face (θ = 0) lets the wedge take cos(ω − θ) from the
// precomputed angles.
void BM_Keisan_RaisedSoil_Normal_VerticalBack(benchmark::State& s) {
  RunKeisan(s, GroundShape::kRaisedSoil, LoadCase::kNormal, true);
}
void BM_Keisan_RaisedSoil_Seismic_VerticalBack(benchmark::State& s) {
  RunKeisan(s, GroundShape::kRaisedSoil, LoadCase::kSeismic, true);
}

BENCHMARK(BM_Keisan_Level_Normal);
BENCHMARK(BM_Keisan_Level_Seismic);
BENCHMARK(BM_Keisan_UniformSlope_Normal);
BENCHMARK(BM_Keisan_UniformSlope_Seismic);
BENCHMARK(BM_Keisan_RaisedSoil_Normal);
BENCHMARK(BM_Keisan_RaisedSoil_Seismic);
BENCHMARK(BM_Keisan_RaisedSoil_Normal_VerticalBack);
BENCHMARK(BM_Keisan_RaisedSoil_Seismic_VerticalBack);

}  // namespace
}  // namespace varnholt
