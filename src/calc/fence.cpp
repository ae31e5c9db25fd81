#include "calc/fence.h"

#include <cmath>

namespace varnholt {

CalcStatus FormFenceLoad(DesignCase& dc, FenceLoadOption option) {
  if (option == FenceLoadOption::kDistributed) {
    dc.FenceP = dc.FenceH * dc.FenceLoad;
  } else if (option == FenceLoadOption::kConcentrated) {
    dc.FenceP = dc.FenceLoad;
  }
  if (!std::isfinite(dc.FenceP)) return CalcStatus::BadInput("フェンス等の水平荷重");
  return CalcStatus::Ok();
}

bool FenceLoadHeight(const DesignCase& dc, double* height) {
  const double hw =
      dc.Calc[calc::kHeightH] + dc.Calc[calc::kEmbedment] + dc.Calc[calc::kCrestAbove];
  if (dc.FenceLoadType == "1" || dc.FenceLoadType == "0") {
    // A fence without horizontal load still has a weight whose inertia acts
    // in the seismic case; it is placed at the fence centroid.
    *height = hw + dc.FenceH / 2;
    return true;
  }
  if (dc.FenceLoadType == "2") {
    *height = hw + dc.FenceLoadY;
    return true;
  }
  return false;
}

}  // namespace varnholt
