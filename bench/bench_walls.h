#pragma once
// The wall the calculation benchmarks run on.

#include "model/design_case.h"

namespace varnholt::bench {

// b 0.5, B 2.0, f 0.3, H 3.5, crest 0.3 (θ ≈ 17.5°); γc 23, γ 18, φ 30°,
// δ 20°, q 10, μ 0.5, C 10 with the eccentricity deducted.
inline DesignCase Wall(bool vertical_back = false) {
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

}  // namespace varnholt::bench
