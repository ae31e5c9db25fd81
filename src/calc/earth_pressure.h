#pragma once
// Active earth pressure of the Coulomb family for level ground (水平) and a
// uniform slope (一様斜面): the coefficient KA, its seismic form KAE, and the
// resultants that KEISAN derives from the coefficient.

#include <string>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// Outcome of the coefficient command of the dimension window.
struct CoefficientResult {
  CalcStatus status;
  /// KA or KAE at full precision (also left in Cond[6]); 0 on failure.
  double value = 0;
  /// Format(value, "0.00#"): the text for Form3.txt11; empty on failure.
  std::string text;
};

/// Form3.KEISAN, the coefficient calculation behind "計算する". Call it right
/// after SUTI. It sets Calc[1] ← Calc[0] and θ (Calc[9], Calc[10], the
/// degrees not snapped to 0), then:
///  - 常時 or method ② (opt_K2): the Coulomb KA; with ② θk = Atn{Kh/(1−Kv)}
///    is also stored (Cond[17] rad, Cond[18] deg) for the report;
///  - method ① (opt_K1) or the road method (opt_D1): the seismic KAE, which
///    replaces KA when both apply;
/// with the terms Cond[20..27] and the coefficient in Cond[6].
///
/// The window side (not done here): on success put `text` into Form3.txt11
/// with BorderStyle 0, clear the results and Fs, and move the focus to
/// Form11.cmd2. The
/// number the main calculation uses is `text` read back by the next SUTI,
/// never `value`.
///
/// On failure (an input that is not a finite number, Hw = 0, Kv = 1, a
/// cosine divisor that vanishes, a negative radicand, an overflow) nothing
/// in the design case is changed except Calc[1]; `status` names the cause in
/// Japanese for a box titled "エラーメッセージ", and the window should empty
/// Form3.txt11 so that no stale coefficient is used.
CoefficientResult ComputeCoefficient(DesignCase& dc, const Selections& sel);

/// The dimension window's "計算する" as far as the design case goes: the
/// coefficient of ComputeCoefficient, with Cond[6] holding what the next
/// collection reads back from the shown text (the "0.00#" text through the
/// leading-number rule), not the full-precision value. The window and the
/// section sizing both use this, so a candidate section gets exactly the
/// coefficient that typing its dimensions and pressing "計算する" would give.
/// On failure the design case is as ComputeCoefficient leaves it.
CoefficientResult ComputeShownCoefficient(DesignCase& dc, const Selections& sel);

/// True when the dimension window computes the coefficient ("計算する") for
/// these options: level ground or a uniform slope with the computed option.
/// An entered coefficient is used as typed, and raised soil has none.
bool UsesComputedCoefficient(const Selections& sel);

/// KEISAN step 3: from KA = Cond[6], the resultants PA, PAX, PAY, ΔPA, ΔPAX,
/// ΔPAY (Calc[11..16], residential standard with 水平 or 一様斜面) or the
/// combined PAH, PAX, PAY (Calc[17..19], road standard, any ground shape).
/// Slots of the branch not taken keep their values. Fails on an overflow.
CalcStatus ComputeEarthPressureResultants(DesignCase& dc, const Selections& sel);

}  // namespace varnholt
