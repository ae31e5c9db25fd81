#pragma once
// The O.K / NG rules of the stability checks: the one place where a verdict
// is decided. The results window (Kekka), the report's stability section
// and the command line all take their verdicts from JudgeStability, so the
// screen and the paper never disagree. The calculation itself stores no
// verdicts; these functions read the results of the last calculation and
// the check-method options.
//
// Every comparison uses the unrounded values and counts equality as O.K:
// a factor of exactly 1.5 passes "F ≧ 1.5", 1.49996 (shown as 1.500) fails.

#include <vector>

#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// The criteria set: which check-method dialog's options apply.
enum class CriteriaSet {
  kNone,       // neither 常時 nor 地震時 selected and no short-term fence load
  kNormal,     // Form12: 常時 without a short-term fence load
  kSeismic,    // Form14: 地震時
  kShortTerm,  // Form14: a short-term fence load (FenceLoadType "1" or "2"), any case
};
CriteriaSet SelectCriteriaSet(const DesignCase& dc, const Selections& sel);

/// The quantity a verdict is about.
enum class Measure {
  kF,         // overturning safety factor Mr/Mo, Calc[41]: O.K when F ≥ limit
  kD,         // resultant position d, Calc[42]: O.K when d ≥ B/3 (with its sign)
  kE,         // |e|, Calc[43]: O.K when |e| ≤ B/divisor
  kSigmaMax,  // σmax, Calc[44]: O.K when σmax ≤ the allowable bearing
  kFs,        // sliding safety factor without key, Calc[49]: O.K when Fs ≥ limit
  kFk,        // sliding safety factor with the key, Calc[66]: O.K when Fk ≥ limit
};

/// Why a verdict is NG although its number would pass its limit. A base
/// that is not in contact with the ground (the resultant beyond its edge)
/// carries no pressure at all: a negative σmax "below" the allowable value
/// is no proof of bearing, and the shear key's resistance, computed from
/// that σmax, is none either.
enum class VerdictReason {
  kNone,
  kResultantOutsideBase,  // |e| > B/2
  kNegativePressure,      // σmax < 0 with the resultant on the base
};

/// The engineer's sentence for a reason ("合力が底版の外にあります"); empty
/// for kNone.
const char* VerdictReasonText(VerdictReason reason);

/// One verdict row. `judged` is false when the criterion's option group has
/// no selection (or the row does not apply): no verdict is made then, and
/// the row is left as it was.
struct Verdict {
  bool judged = false;
  Measure measure = Measure::kF;
  double value = 0;  // the unrounded value judged (|e| for kE)
  double limit = 0;  // 1.0/1.2/1.5, B/divisor, or the allowable bearing
  int divisor = 0;   // n of B/n for kD and kE, 0 otherwise
  bool ok = false;
  /// Set only on a failed verdict whose number alone would have passed.
  VerdictReason reason = VerdictReason::kNone;
};

/// All verdicts of one calculation.
struct StabilityVerdicts {
  CriteriaSet criteria = CriteriaSet::kNone;
  /// The overturning option's verdict (F, d or |e|).
  Verdict overturning;
  /// The eccentricity half of a combined option (Form12.opt6: B/6,
  /// Form14.opt9: B/2, Form14.opt10: B/3), shown in its own row.
  Verdict eccentricity;
  /// σmax against fe (Form12), or 2·fe (宅地造成) / 1.5·fe (道路土工) with Form14.
  Verdict bearing;
  double bearing_factor = 0;       // 1, 2 or 1.5: the allowable value is factor × fe
  bool sigma_min_exceeds = false;  // σmin > allowable as well (report's wording)
  /// Fs against the set's sliding criterion: 1.5 with Form12; 1.0 (opt5) or
  /// 1.2 (opt6) with Form14. Judged also with a shear key, as the results
  /// window's third stage writes it before the key rows replace it.
  Verdict sliding;
  /// ShearKeyFlag "1": Fk with the key. Against 1.5 in 常時; in 地震時 against
  /// the Form14 sliding option the engineer chose, under both standards.
  /// NG whenever the bearing row is NG for its reason (Fk is computed from σmax).
  Verdict shear_key;
  /// ShearKeyFlag "1" under 宅地造成: Fs without the key against 1.0
  /// ("突起の無い状態で", "（突起を設ける場合は F≧1.0）").
  Verdict without_key;
};

/// Applies the rules to the results in `dc`.
StabilityVerdicts JudgeStability(const DesignCase& dc, const Selections& sel);

/// The rows a summary shows, in the order of the results window.
enum class VerdictRow { kOverturning, kEccentricity, kBearing, kSliding, kShearKey, kWithoutKey };

/// One shown row and its verdict.
struct ShownVerdict {
  VerdictRow row;
  const char*
      name;  // "overturning", "eccentricity", "bearing", "sliding", "shear_key", "without_key"
  Verdict verdict;
};

/// The judged verdicts as a summary shows them: with a shear key the sliding
/// row is the key's factor (and, under 宅地造成, the factor without the key);
/// without one it is Fs. Rows without a verdict are left out.
std::vector<ShownVerdict> ShownVerdicts(const StabilityVerdicts& v, bool shear_key);

/// True when any shown verdict is NG.
bool AnyNg(const StabilityVerdicts& v, bool shear_key);

/// How far a verdict stands from its limit, 1 or more when it passes:
/// value/limit for F, d, Fs and Fk; limit/value for |e| and σmax. Infinity
/// when the value cannot reach its limit (|e| = 0, σmax ≤ 0 passing); 0 for
/// a verdict failed for a reason of its own (a base off the ground). The
/// check with the smallest margin governs.
double VerdictMargin(const Verdict& v);

/// The same for the body check: the allowable over the stress, 1 over the
/// governing stress ratio; below 1 whenever the check fails.
double BodyMargin(double ratio, bool ok);

}  // namespace varnholt
