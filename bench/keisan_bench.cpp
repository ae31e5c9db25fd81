// The whole design calculation, for each ground shape in the normal and the
// seismic case. KEISAN runs on every calculate command and every project
// load; the raised-soil shape carries the 900-entry trial wedge.

#include <benchmark/benchmark.h>

#include "calc/keisan.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {
namespace {

// b 0.5, B 2.0, f 0.3, H 3.5, crest 0.3 (θ ≈ 17.5°); γc 23, γ 18, φ 30°,
// δ 20°, q 10, μ 0.5, C 10 with the eccentricity deducted.
DesignCase Wall(bool vertical_back = false) {
  DesignCase dc;
  dc.Calc[calc::kCrestWidth] = 0.5;
  dc.Calc[calc::kBaseWidth] = vertical_back ? 0.8 : 2.0;
  dc.Calc[calc::kFrontProj] = 0.3;
  dc.Calc[calc::kHeightH] = 3.0;
  dc.Calc[calc::kEmbedment] = 0.5;
  dc.Calc[calc::kH] = 3.5;
  dc.Calc[calc::kCrestAbove] = 0.3;
  dc.Calc[calc::kSurcharge] = 10;
  dc.Calc[calc::kH0] = 1;
  dc.Cond[cond::kGammaC] = 23;
  dc.Cond[cond::kGamma] = 18;
  dc.Cond[cond::kPhi] = 30;
  dc.Cond[cond::kDelta] = 20;
  dc.Cond[cond::kBeta] = 20;
  dc.Cond[cond::kMu] = 0.5;
  dc.Cond[cond::kCohesion] = 10;
  dc.Cond[cond::kFe] = 150;
  dc.Cond[cond::kPhiB] = 30;
  dc.Cond[cond::kKA] = 0.297;
  dc.Cond[cond::kKh] = 0.2;
  dc.ShearKeyFlag = "0";
  return dc;
}

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
  DesignCase dc = Wall(vertical_back);
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
