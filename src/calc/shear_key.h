#pragma once
// The shear key (突起): a downward projection under the base that adds
// passive resistance against sliding. The residential standard takes the
// passive pressure in front of the key plus friction on the rest of the
// base; the road standard the shear resistance along the plane through the
// key bottom.

#include <string>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// The guide texts of the key dialogs (Form15, Form19) for a base width B,
/// each formatted "0.000": lbl1 B, lbl2..lbl3 the key height range 0.1·B to
/// 0.15·B, lbl4..lbl5 the key position range B/2 − B/6 to B/2 + B/6. A B that
/// is not a finite number gives empty texts.
struct ShearKeyGuide {
  std::string lbl1, lbl2, lbl3, lbl4, lbl5;
};
ShearKeyGuide ComputeShearKeyGuide(double base_width);

/// The key calculation, run by KEISAN instead of the plain sliding step when
/// ShearKeyFlag is "1". Inputs H0 Calc[57], B1 Calc[59] (D Calc[58] is not
/// used), φB, μ, C and the results of the stability step. Writes L
/// (Calc[56]), σ1, σ2 (Calc[61], Calc[62]) for both standards; under the
/// residential standard RH, A', Fs as the plain check does, then σ0, P, WJ
/// and Fk (Calc[60], Calc[63], Calc[64], Calc[66]); under the road standard
/// Hk and Fk (Calc[65], Calc[66]), leaving RH and Fs as they were.
///
/// Every X below is |X|. With e = 0 the pressure is uniform and X unbounded:
/// σ1 = σ2 = σmax, the limit of the formulas. Fails when tan(45° + φB/2) or
/// tan φB is undefined, when ΣH is 0, or on an overflow.
CalcStatus ComputeShearKey(DesignCase& dc, const Selections& sel);

}  // namespace varnholt
