#pragma once
// Walls shared by the calculation tests. Only the tests include this.

#include <cmath>

#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt::testing {

/// A wall as the collection step leaves it: b 0.5, B 2.0, f 0.3, h 3.0,
/// embedment 0.5 (H 3.5), crest 0.3 above the back ground; γc 23, γ 18,
/// φ 30°, δ 20°, q 10, μ 0.5, fe 150, C 0, φB 30°, KA read back as 0.297;
/// no fence, no shear key.
inline DesignCase StandardWall() {
  DesignCase dc;
  dc.Calc[calc::kCrestWidth] = 0.5;
  dc.Calc[calc::kBaseWidth] = 2.0;
  dc.Calc[calc::kFrontProj] = 0.3;
  dc.Calc[calc::kHeightH] = 3.0;
  dc.Calc[calc::kEmbedment] = 0.5;
  dc.Calc[calc::kH] = 3.5;
  dc.Calc[calc::kCrestAbove] = 0.3;
  dc.Calc[calc::kSurcharge] = 10;
  dc.Cond[cond::kGammaC] = 23;
  dc.Cond[cond::kGamma] = 18;
  dc.Cond[cond::kPhi] = 30;
  dc.Cond[cond::kDelta] = 20;
  dc.Cond[cond::kMu] = 0.5;
  dc.Cond[cond::kFe] = 150;
  dc.Cond[cond::kFeShort] = 300;
  dc.Cond[cond::kPhiB] = 30;
  dc.Cond[cond::kKA] = 0.297;
  dc.ShearKeyFlag = "0";
  return dc;
}

inline Selections Options(Standard standard, GroundShape shape, LoadCase load_case,
                          SeismicMethod method = SeismicMethod::kNone) {
  Selections sel;
  sel.standard = standard;
  sel.shape = shape;
  sel.load_case = load_case;
  sel.seismic_method = method;
  return sel;
}

/// True when every numeric slot of the design case is a finite number.
inline bool AllSlotsFinite(const DesignCase& dc) {
  for (double v : dc.Cond) {
    if (!std::isfinite(v)) return false;
  }
  for (double v : dc.Calc) {
    if (!std::isfinite(v)) return false;
  }
  for (double v : dc.WedgeP) {
    if (!std::isfinite(v)) return false;
  }
  for (double v : dc.WedgeOmega) {
    if (!std::isfinite(v)) return false;
  }
  const double scalars[] = {dc.OmegaMax,  dc.WedgeT1, dc.WedgeT2,    dc.WedgeT3, dc.WedgeW,
                            dc.PAmax,     dc.PAXw,    dc.PAYw,       dc.FenceH,  dc.FenceX,
                            dc.FenceLoad, dc.FenceP,  dc.FenceLoadY, dc.FenceW};
  for (double v : scalars) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace varnholt::testing
