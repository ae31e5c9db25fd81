#pragma once
// The verdict of a whole design: the stability checks (JudgeStability) and
// the stress check of the wall body (CheckBodyStress) together. The results
// window's overall line, the status bar, the command line's exit status and
// the sizing offer all ask this one function, so a wall that is stable but
// overstressed is NG everywhere.

#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

struct DesignVerdict {
  bool stability_ok = false;  // every shown stability verdict O.K
  bool body_ok = false;       // every section of the body O.K (false without a result)
  bool ok() const { return stability_ok && body_ok; }
};

/// Judges the results of the last calculation in `dc`.
DesignVerdict JudgeDesign(const DesignCase& dc, const Selections& sel);

/// The overall line of the results window: "総合判定：すべて O.K",
/// "総合判定：NG（安定計算）", "総合判定：NG（躯体）" or
/// "総合判定：NG（安定計算・躯体）".
const char* OverallVerdictText(const DesignVerdict& v);

}  // namespace varnholt
