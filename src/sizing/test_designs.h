#pragma once
// Designs for the sizing tests, as the collection step leaves them. Only the
// tests include this.

#include <random>

#include "calc/test_walls.h"
#include "sizing/sizing.h"

namespace varnholt::sizing::testing {

/// 宅地造成, level ground, 常時, KA computed: the calculation tests' standard
/// wall (h 3.0, embedment 0.5, crest 0.3 above the back ground, b 0.5,
/// f 0.3, γc 23, γ 18, φ 30°, δ 20°, q 10, μ 0.5, fe 150) with B 3.5, Fc 18
/// and, for raised soil, H0 1 at β 20°; judged by F ≥ 1.5 and e ≤ B/6.
inline DesignInput LevelWall() {
  DesignInput in;
  in.dc = varnholt::testing::StandardWall();
  in.dc.Calc[calc::kBaseWidth] = 3.5;
  in.dc.Calc[calc::kH0] = 1;
  in.dc.Cond[cond::kFc] = 18;
  in.dc.Cond[cond::kBeta] = 20;
  in.sel.normal_checks.overturn = NormalOverturn::kF15AndE;
  return in;
}

/// The same wall on raised soil (H0 1 at β 20°, no surcharge on the slope).
inline DesignInput RaisedSoilWall() {
  DesignInput in = LevelWall();
  in.sel.shape = GroundShape::kRaisedSoil;
  return in;
}

/// A random design of either standard, any ground shape and load case, with
/// or without a shear key and a fence, its check methods chosen.
inline DesignInput RandomDesign(std::mt19937& rng) {
  auto real = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  // Two decimals, as an engineer types them.
  auto typed = [](double v) { return std::round(v * 100) / 100; };
  DesignInput in = LevelWall();
  DesignCase& dc = in.dc;
  Selections& sel = in.sel;
  sel.standard = pick(2) == 0 ? Standard::kResidential : Standard::kRoad;
  sel.shape = pick(3) == 0   ? GroundShape::kLevel
              : pick(2) == 0 ? GroundShape::kUniformSlope
                             : GroundShape::kRaisedSoil;
  dc.Calc[calc::kHeightH] = typed(real(1.0, 5.0));
  dc.Calc[calc::kEmbedment] = typed(real(0.3, 1.0));
  dc.Calc[calc::kH] = dc.Calc[calc::kEmbedment] + dc.Calc[calc::kHeightH];
  dc.Calc[calc::kCrestAbove] = typed(real(0.0, 0.5));
  dc.Calc[calc::kCrestWidth] = typed(real(0.3, 0.8));
  dc.Calc[calc::kFrontProj] = typed(real(0.0, 0.6));
  dc.Calc[calc::kBaseWidth] = typed(real(1.0, 3.0));
  dc.Calc[calc::kSurcharge] = typed(real(0, 15));
  dc.Cond[cond::kPhi] = std::round(real(25, 40));
  dc.Cond[cond::kDelta] = std::round(real(0, dc.Cond[cond::kPhi] * 2 / 3));
  dc.Cond[cond::kBeta] =
      std::round(sel.shape == GroundShape::kRaisedSoil ? real(15, 30) : real(5, 20));
  dc.Calc[calc::kH0] = typed(real(0.5, 2.0));
  dc.Cond[cond::kFe] = std::round(real(100, 300));
  dc.Cond[cond::kFeShort] = dc.Cond[cond::kFe] * (sel.standard == Standard::kResidential ? 2 : 1.5);
  dc.Cond[cond::kMu] = typed(real(0.4, 0.6));
  dc.Cond[cond::kFc] = pick(2) == 0 ? 18 : 24;
  if (pick(3) == 0) {
    dc.Cond[cond::kCohesion] = 10;
    sel.cohesion = CohesionOption::kConsidered;
  }
  const bool seismic = pick(2) == 0;
  sel.load_case = seismic ? LoadCase::kSeismic : LoadCase::kNormal;
  if (seismic) {
    sel.seismic_method = sel.standard == Standard::kRoad ? SeismicMethod::kD1
                         : pick(2) == 0                  ? SeismicMethod::kK1
                                                         : SeismicMethod::kK2;
    dc.Cond[cond::kKh] = typed(real(0.1, 0.25));
  }
  if (sel.shape == GroundShape::kLevel && pick(3) == 0) {
    sel.coefficient = CoefficientMode::kEntered;
    dc.Cond[cond::kKA] = typed(real(0.25, 0.45));
  }
  sel.slope_surcharge = pick(2) == 0 ? SlopeSurcharge::kWith : SlopeSurcharge::kWithout;
  if (pick(4) == 0) {
    dc.ShearKeyFlag = "1";
    sel.shear_key = ShearKeyOption::kWith;
    dc.Calc[calc::kKeyHeight] = typed(real(0.3, 0.6));
    dc.Calc[calc::kKeyWidth] = 0.5;
    dc.Calc[calc::kKeyPosition] = typed(real(0.3, 1.0));
  }
  const int fence = pick(5);
  if (fence < 3) {
    sel.fence = FenceOption::kWith;
    dc.FenceLoadType = std::to_string(fence);
    dc.FenceH = 1.2;
    dc.FenceX = 0.2;
    dc.FenceW = 0.5;
    dc.FenceLoadY = 1.0;
    dc.FenceLoad = fence == 1 ? 1.0 : fence == 2 ? 5.0 : 0;
    dc.FenceP = fence == 1 ? dc.FenceH * dc.FenceLoad : dc.FenceLoad;
    sel.fence_load = fence == 0   ? FenceLoadOption::kNormal
                     : fence == 1 ? FenceLoadOption::kDistributed
                                  : FenceLoadOption::kConcentrated;
    if (fence > 0) {
      // A short-term fence load is checked in the normal case only.
      sel.load_case = LoadCase::kNormal;
      sel.seismic_method = SeismicMethod::kNone;
      dc.Cond[cond::kKh] = 0;
    }
  }
  const NormalOverturn normal[] = {NormalOverturn::kF15, NormalOverturn::kD, NormalOverturn::kE,
                                   NormalOverturn::kF15AndE};
  const SeismicOverturn short_term[] = {SeismicOverturn::kF10,      SeismicOverturn::kF12,
                                        SeismicOverturn::kE2,       SeismicOverturn::kE3,
                                        SeismicOverturn::kF10AndE2, SeismicOverturn::kF12AndE3};
  sel.normal_checks.overturn = normal[pick(4)];
  sel.seismic_checks.overturn = short_term[pick(6)];
  sel.seismic_checks.sliding = pick(2) == 0 ? SeismicSliding::kF10 : SeismicSliding::kF12;
  const Deduction deduction = pick(2) == 0 ? Deduction::kDeduct : Deduction::kNoDeduct;
  sel.normal_checks.deduction = deduction;
  sel.seismic_checks.deduction = deduction;
  return in;
}

}  // namespace varnholt::sizing::testing
