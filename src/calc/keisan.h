#pragma once
// KEISAN: the whole design calculation of one wall, from the collected
// design case to the numbers the results window judges and the report prints.

#include "calc/body_stress.h"
#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// Runs every step of the calculation in order on a freshly collected design
/// case, writing only into `dc`:
///   1 H (Calc[1] ← Calc[0]); 2 θ of the back face; 3 the earth pressure
///   resultants from the coefficient (水平, 一様斜面; road standard always);
///   4 the trial wedge and Doatu (嵩上げ土); 5 W; 6 ΣV; 7 areas, centroid and
///   the lever arms of PAY and ΔPAY; 8 the fence lever arms; 9 the heights;
///   10 Mo and Mr; 11 F, d, e, σmax, σmin, X; 12 ΣH; 13 the sliding check, or
///   the shear key when ShearKeyFlag is "1".
/// Inputs that are not numbers (CheckInputsFinite) and sections that cannot
/// be built (CheckSection) are refused before step 1, naming the box.
/// Branches that the selections do not choose leave their slots as they
/// were. On failure the status names the first quantity that could not be
/// computed, in a sentence for a box titled "エラーメッセージ"; Calc[49] is
/// then 0, so no result counts as valid, and no slot holds a NaN or an
/// infinity. The O.K / NG verdicts are not made here (see verdicts.h).
CalcStatus Keisan(DesignCase& dc, const Selections& sel);

/// The calculation of the calculate command and of an opened project:
/// KEISAN, then the stress check of the wall body. A body check that cannot
/// be made (Fc not above 0, a section without width) fails the calculation
/// as KEISAN's own failures do: the status names it and Calc[49] is 0. The
/// body result goes to `body` when given.
CalcStatus CalculateDesign(DesignCase& dc, const Selections& sel, BodyStressResult* body = nullptr);

/// Checks that every input slot holds a finite number; the first that does
/// not is named in the status.
CalcStatus CheckInputsFinite(const DesignCase& dc);

/// The same for the inputs the selections put to use: the coefficient only
/// for 水平 and 一様斜面, H0 only for 嵩上げ土, Cz and Kho only under 道路土工,
/// the key dimensions only with a shear key. Slots of windows that are not in
/// use keep whatever an earlier design left there and must not block this one.
CalcStatus CheckInputsFinite(const DesignCase& dc, const Selections& sel);

}  // namespace varnholt
