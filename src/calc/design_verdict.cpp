#include "calc/design_verdict.h"

#include "calc/body_stress.h"
#include "calc/verdicts.h"

namespace varnholt {

DesignVerdict JudgeDesign(const DesignCase& dc, const Selections& sel) {
  DesignVerdict v;
  v.stability_ok = !AnyNg(JudgeStability(dc, sel), dc.ShearKeyFlag == "1");
  v.body_ok = CheckBodyStress(dc, sel).AllOk();
  return v;
}

const char* OverallVerdictText(const DesignVerdict& v) {
  if (v.ok()) return "総合判定：すべて O.K";
  if (!v.stability_ok && !v.body_ok) return "総合判定：NG（安定計算・躯体）";
  return v.body_ok ? "総合判定：NG（安定計算）" : "総合判定：NG（躯体）";
}

}  // namespace varnholt
