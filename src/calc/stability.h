#pragma once
// Overturning, ground bearing and sliding of the wall, about the toe, from
// the totals ΣV, Mr, ΣH and Mo. Nothing is rounded; the verdicts are made
// where the results are shown (see verdicts.h).

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// The pressure length X: the distance from the more heavily loaded edge at
/// which the straight pressure line reaches zero. With the resultant exactly
/// at the centre (e = 0) the pressure is uniform and the line never reaches
/// zero: X is unbounded, which is a perfectly good wall.
struct PressureLength {
  bool unbounded = false;
  double x = 0;  // (B/2)·{1 + B/(6|e|)} for r ≤ 1/6, 3·(B/2 − |e|) beyond; 0 when unbounded
};

/// X from e and B (B ≠ 0), with r = |e|/B.
PressureLength ComputePressureLength(double e, double b);

/// Step 11: F = Mr/Mo (Calc[41]), d = (Mr − Mo)/ΣV (Calc[42]), e = B/2 − d
/// (Calc[43]); σmax, σmin (Calc[44], Calc[45]) by the trapezoid for
/// r = |e|/B < 1/6 and the triangle from r = 1/6 on; X (Calc[55], stored as 0
/// when unbounded). Fails when Mo, ΣV or B is 0, or when |e| = B/2 leaves no
/// base in contact.
CalcStatus ComputeOverturningAndBearing(DesignCase& dc);

/// RH (Calc[47]) as the plain sliding check computes it, also used under the
/// residential standard with a shear key: ΣV·μ when C = 0; with C ≠ 0 A'
/// (Calc[48]) is stored and the cohesion acts on B (or on the part in contact
/// |X| beyond r = 1/6) when either dialog says no deduction (Form12.opt5,
/// Form14.opt8), else on A' when either says deduction (Form12.opt4,
/// Form14.opt7); with no choice RH keeps its value. Then Fs = RH/ΣH
/// (Calc[49]). Fails when ΣH is 0.
CalcStatus ComputeSlidingResistance(DesignCase& dc, const Selections& sel);

/// Step 13: the sliding check without a shear key (ShearKeyFlag "0") or the
/// shear key (ShearKeyFlag "1", see shear_key.h). Any other flag computes
/// nothing.
CalcStatus ComputeSliding(DesignCase& dc, const Selections& sel);

/// True when either check-method dialog says not to deduct the eccentricity.
bool NoDeductionChosen(const Selections& sel);
/// True when either check-method dialog says to deduct it.
bool DeductionChosen(const Selections& sel);

}  // namespace varnholt
