#pragma once
// Load totals of the selected load case: the vertical forces with their
// lever arms from the toe, the horizontal forces with their heights above
// the base, and the sums ΣV, Mr, ΣH and Mo the stability checks start from.

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// Which earth pressure rows take part in the totals.
enum class EarthPressureRows {
  kNone,        // no standard or no ground shape selected
  kCoulomb,     // residential standard, 水平 or 一様斜面: PA and ΔPA
  kCombined,    // road standard, 水平 or 一様斜面: PAH with the surcharge
  kTrialWedge,  // 嵩上げ土, either standard: PAmax
};
EarthPressureRows SelectEarthPressureRows(const Selections& sel);

/// The horizontal and vertical earth pressure the totals add (PAX + ΔPAX and
/// PAY + ΔPAY, PAHX and PAHY, or the wedge's PAXw and PAYw); 0 without rows.
void EarthPressureParts(const DesignCase& dc, const Selections& sel, double& h, double& v);

/// True when the seismic case adds the inertia force Kh·(W + FenceW): method
/// ② under the residential standard, and the road standard.
bool InertiaForceApplies(const Selections& sel);

/// Step 6: ΣV = W + the vertical earth pressure components + FenceW, Calc[21].
CalcStatus ComputeSumV(DesignCase& dc, const Selections& sel);

/// Step 7 (second half): lever arms of PAY and ΔPAY, Calc[29] and Calc[30].
CalcStatus ComputePressureLeverArms(DesignCase& dc);

/// Step 8: lever arm of the fence weight Calc[31] (only with a FenceLoadType)
/// and the centroid of wall plus fence Calc[32]. Fails when W (without a
/// fence) or W + FenceW is 0.
CalcStatus ComputeFenceLeverArms(DesignCase& dc);

/// Step 9 (second half): height of the fence load Calc[37] (see
/// FenceLoadHeight) and of the centroid of wall plus fence Calc[38], the
/// lever arm of the inertia force. Fails when W + FenceW is 0.
CalcStatus ComputeFenceHeights(DesignCase& dc);

/// Step 10: overturning moment Mo (Calc[39]) and resisting moment Mr
/// (Calc[40]). Mo is computed only for a selected load case, except that a
/// short-term fence load (which always goes with 常時) still yields it.
CalcStatus ComputeMoments(DesignCase& dc, const Selections& sel);

/// Step 12: ΣH, Calc[46], only for a selected load case.
CalcStatus ComputeSumH(DesignCase& dc, const Selections& sel);

}  // namespace varnholt
