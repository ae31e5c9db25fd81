// The stress check of the wall body after KEISAN, reported per section: the
// coefficient shapes only sum a few loads at each level, raised soil runs
// the 900-entry trial wedge again at every section below the back ground.

#include <benchmark/benchmark.h>

#include "bench_walls.h"
#include "calc/body_stress.h"
#include "calc/keisan.h"

namespace varnholt {
namespace {

void RunBody(benchmark::State& state, Standard standard, GroundShape shape, LoadCase load_case) {
  // The calculation benchmarks' wall (嵩上げ土 H0 1 at β 20°) in Fc 18 concrete.
  DesignCase dc = bench::Wall();
  dc.Cond[cond::kFc] = 18;
  Selections sel;
  sel.standard = standard;
  sel.shape = shape;
  sel.load_case = load_case;
  if (load_case == LoadCase::kSeismic) {
    sel.seismic_method = standard == Standard::kRoad ? SeismicMethod::kD1 : SeismicMethod::kK2;
  }
  sel.slope_surcharge = SlopeSurcharge::kWith;
  if (!Keisan(dc, sel).ok()) {
    state.SkipWithError("the benchmark wall does not calculate");
    return;
  }
  std::size_t sections = 0;
  for (auto _ : state) {
    BodyStressResult r = CheckBodyStress(dc, sel);
    sections = r.sections.size();
    benchmark::DoNotOptimize(r);
  }
  // Time per section: the iteration time divided by the sections checked.
  state.counters["per_section"] =
      benchmark::Counter(static_cast<double>(state.iterations() * sections),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["sections"] = static_cast<double>(sections);
}

void BM_Body_Level_Residential_Normal(benchmark::State& s) {
  RunBody(s, Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
}
void BM_Body_Level_Road_Seismic(benchmark::State& s) {
  RunBody(s, Standard::kRoad, GroundShape::kLevel, LoadCase::kSeismic);
}
void BM_Body_RaisedSoil_Residential_Normal(benchmark::State& s) {
  RunBody(s, Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal);
}
void BM_Body_RaisedSoil_Road_Seismic(benchmark::State& s) {
  RunBody(s, Standard::kRoad, GroundShape::kRaisedSoil, LoadCase::kSeismic);
}

BENCHMARK(BM_Body_Level_Residential_Normal);
BENCHMARK(BM_Body_Level_Road_Seismic);
BENCHMARK(BM_Body_RaisedSoil_Residential_Normal);
BENCHMARK(BM_Body_RaisedSoil_Road_Seismic);

}  // namespace
}  // namespace varnholt
