#include "calc/shear_key.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/checks.h"
#include "calc/format.h"
#include "calc/stability.h"

namespace varnholt {

ShearKeyGuide ComputeShearKeyGuide(double base_width) {
  const double b = base_width;
  auto f3 = [](double v) { return FormatFixed(v, 3, 3); };
  return {f3(b), f3(0.1 * b), f3(0.15 * b), f3(b / 2 - b / 6), f3(b / 2 + b / 6)};
}

CalcStatus ComputeShearKey(DesignCase& dc, const Selections& sel) {
  const double phi_b = dc.Cond[cond::kPhiB];
  const double mu = dc.Cond[cond::kMu];
  const double c = dc.Cond[cond::kCohesion];
  const double h0 = dc.Calc[calc::kKeyHeight];
  const double b1 = dc.Calc[calc::kKeyPosition];
  const double b = dc.Calc[calc::kBaseWidth];
  const double e = dc.Calc[calc::kE];
  const double sigma_max = dc.Calc[calc::kSigmaMax];
  const double sigma_min = dc.Calc[calc::kSigmaMin];
  const double sum_h = dc.Calc[calc::kSumH];
  if (b == 0) {
    return ZeroDivisor("突起位置の接地圧 σ1", "底版幅 B が 0 のため、突起の計算ができません。");
  }
  const double r = std::fabs(e) / b;

  if (CosineVanishes(45 + phi_b / 2)) {
    return ZeroDivisor(
        "突起の受働くさびの長さ L",
        "45°＋φB/2 が 90° となり tan(45°＋φB/2) が定まらないため、突起の計算ができません。");
  }
  const double tk = TanDeg(45 + phi_b / 2);
  const double l = h0 * tk;

  // Pressures along the base from the loaded edge (the toe for e ≥ 0, the
  // heel for e < 0), on the straight line that reaches 0 at X.
  const PressureLength pl = ComputePressureLength(e, b);
  const double x = std::fabs(pl.x);
  double sigma1 = sigma_max;
  double sigma2 = sigma_max;
  if (!pl.unbounded) {
    if (x == 0) {
      return ZeroDivisor("突起位置の接地圧 σ1",
                         "接地長さ X が 0 のため、突起位置の接地圧を計算できません。");
    }
    if (e >= 0) {
      sigma1 = sigma_max * (x - (b1 - l)) / x;
      sigma2 = sigma_max * (x - b1) / x;
    } else {
      sigma1 = sigma_max * (x - (b - b1 + l)) / x;
      sigma2 = sigma_max * (x - (b - b1)) / x;
    }
  }
  CalcStatus st = RequireFiniteResults({{tk, "tan(45°＋φB/2)"},
                                        {l, "突起の受働くさびの長さ L"},
                                        {sigma1, "接地圧 σ1"},
                                        {sigma2, "接地圧 σ2"}});
  if (!st.ok()) return st;
  auto no_sum_h = [] {
    return ZeroDivisor(
        "突起を設けた場合の滑動安全率",
        "水平力の総和 ΣH が 0 のため、突起を設けた場合の滑動安全率を計算できません。");
  };

  if (sel.standard == Standard::kResidential) {
    // Without the key first, exactly as the plain sliding check.
    st = ComputeSlidingResistance(dc, sel);
    if (!st.ok()) return st;
    if (sum_h == 0) return no_sum_h();
    const double sigma0 = (sigma1 + sigma2) * 0.5;
    const double p = tk * tk * sigma0;
    const double l1 = b1 - l;
    const double l2 = b - b1;
    double wj = 0;
    if (r < 1.0 / 6) {
      if (e >= 0) {
        wj = ((sigma_max + sigma1) / 2) * l1 + ((sigma2 + sigma_min) / 2) * l2;
      } else {
        wj = ((sigma_min + sigma1) / 2) * l1 + ((sigma2 + sigma_max) / 2) * l2;
      }
    } else if (e >= 0) {
      wj = ((sigma_max + sigma1) / 2) * l1 + (sigma2 / 2) * (x - b1);
    } else {
      wj = (sigma1 / 2) * (b1 - (b - x) - l) + ((sigma2 + sigma_max) / 2) * l2;
    }
    // Cohesion under the base: the same choices as the plain check, tested
    // in the same order; with no choice Fk keeps its value.
    bool have_fk = true;
    double rc = 0;
    if (c != 0) {
      const double a_eff = dc.Calc[calc::kAEff];
      if (NoDeductionChosen(sel)) {
        rc = r <= 1.0 / 6 ? c * b : c * x;
      } else if (DeductionChosen(sel)) {
        rc = c * a_eff;
      } else {
        have_fk = false;
      }
    }
    const double fk = have_fk ? (wj * mu + p * h0 + rc) / sum_h : dc.Calc[calc::kKeyFk];
    st = RequireFiniteResults({{sigma0, "平均接地圧 σ0"},
                               {p, "受働土圧 P"},
                               {wj, "鉛直反力 WJ"},
                               {fk, "突起を設けた場合の滑動安全率"}});
    if (!st.ok()) return st;
    dc.Calc[calc::kKeySigma0] = sigma0;
    dc.Calc[calc::kKeyPassive] = p;
    dc.Calc[calc::kKeyWJ] = wj;
    dc.Calc[calc::kKeyFk] = fk;
  } else if (sel.standard == Standard::kRoad) {
    if (CosineVanishes(phi_b)) {
      return ZeroDivisor("せん断抵抗力 Hk",
                         "基礎地盤の内部摩擦角 φB が 90° のため tanφB が定まらず、せん断抵抗力 Hk "
                         "を計算できません。");
    }
    if (sum_h == 0) return no_sum_h();
    const double tb = TanDeg(phi_b);
    const double l1 = b1;
    const double rc = c != 0 ? c * l1 : 0.0;
    const double front = ((sigma_max + sigma2) / 2) * l1 * tb;
    const double rest = r <= 1.0 / 6 ? ((sigma2 + sigma_min) / 2) * (b - l1) * tb
                                     : ((sigma2 + sigma_min) / 2) * (x - l1) * tb;
    const double hk = front + rest + rc;
    const double fk = hk / sum_h;
    st = RequireFiniteResults(
        {{tb, "tanφB"}, {hk, "せん断抵抗力 Hk"}, {fk, "突起を設けた場合の滑動安全率"}});
    if (!st.ok()) return st;
    dc.Calc[calc::kKeyHk] = hk;
    dc.Calc[calc::kKeyFk] = fk;
  }
  dc.Calc[calc::kKeyL] = l;
  dc.Calc[calc::kKeySigma1] = sigma1;
  dc.Calc[calc::kKeySigma2] = sigma2;
  return CalcStatus::Ok();
}

}  // namespace varnholt
