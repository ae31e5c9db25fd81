#include "calc/stability.h"

#include <cmath>

#include "calc/checks.h"
#include "calc/shear_key.h"

namespace varnholt {

bool NoDeductionChosen(const Selections& sel) {
  return sel.normal_checks.deduction == Deduction::kNoDeduct ||
         sel.seismic_checks.deduction == Deduction::kNoDeduct;
}

bool DeductionChosen(const Selections& sel) {
  return sel.normal_checks.deduction == Deduction::kDeduct ||
         sel.seismic_checks.deduction == Deduction::kDeduct;
}

PressureLength ComputePressureLength(double e, double b) {
  const double abs_e = std::fabs(e);
  PressureLength pl;
  if (abs_e / b <= 1.0 / 6) {
    if (6 * abs_e == 0) {
      pl.unbounded = true;
      return pl;
    }
    pl.x = (b / 2) * (1 + b / (6 * abs_e));
    // An eccentricity of a few ulps pushes the zero point beyond any number.
    if (!std::isfinite(pl.x)) {
      pl.unbounded = true;
      pl.x = 0;
    }
  } else {
    pl.x = 3 * (b / 2 - abs_e);
  }
  return pl;
}

CalcStatus ComputeOverturningAndBearing(DesignCase& dc) {
  const double mr = dc.Calc[calc::kMr];
  const double mo = dc.Calc[calc::kMo];
  const double sum_v = dc.Calc[calc::kSumV];
  const double b = dc.Calc[calc::kBaseWidth];
  if (mo == 0) {
    return ZeroDivisor("転倒安全率 F",
                       "転倒モーメント Mo が 0 のため、転倒安全率 F を計算できません。");
  }
  const double f = mr / mo;
  if (sum_v == 0) {
    return ZeroDivisor("合力の作用位置 d",
                       "鉛直力の総和 ΣV が 0 のため、合力の作用位置 d を計算できません。");
  }
  const double d = (mr - mo) / sum_v;
  const double e = b / 2 - d;
  if (b == 0) {
    return ZeroDivisor("接地圧 σmax", "底版幅 B が 0 のため、偏心と接地圧を計算できません。");
  }
  const double abs_e = std::fabs(e);
  const double r = abs_e / b;
  double sigma_max = 0;
  double sigma_min = 0;
  if (r < 1.0 / 6) {
    sigma_max = (sum_v / b) * (1 + 6 * abs_e / b);
    sigma_min = (sum_v / b) * (1 - 6 * abs_e / b);
  } else {
    const double contact = 3 * (1.0 / 2 - abs_e / b);
    if (contact == 0) {
      return ZeroDivisor("接地圧 σmax",
                         "偏心距離 e が底版幅の 1/2 (|e|＝B/2) で底版が接地しないため、最大接地圧 "
                         "σmax を計算できません。");
    }
    sigma_max = (sum_v / b) * (2 / contact);
    sigma_min = 0;
  }
  const PressureLength pl = ComputePressureLength(e, b);
  CalcStatus st = RequireFiniteResults({{f, "転倒安全率 F"},
                                        {d, "合力の作用位置 d"},
                                        {e, "偏心距離 e"},
                                        {sigma_max, "最大接地圧 σmax"},
                                        {sigma_min, "最小接地圧 σmin"},
                                        {pl.x, "接地長さ X"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kOverturnF] = f;
  dc.Calc[calc::kD] = d;
  dc.Calc[calc::kE] = e;
  dc.Calc[calc::kSigmaMax] = sigma_max;
  dc.Calc[calc::kSigmaMin] = sigma_min;
  dc.Calc[calc::kPressureLength] = pl.x;
  return CalcStatus::Ok();
}

CalcStatus ComputeSlidingResistance(DesignCase& dc, const Selections& sel) {
  const double c = dc.Cond[cond::kCohesion];
  const double mu = dc.Cond[cond::kMu];
  const double sum_v = dc.Calc[calc::kSumV];
  const double b = dc.Calc[calc::kBaseWidth];
  const double abs_e = std::fabs(dc.Calc[calc::kE]);
  double rh = dc.Calc[calc::kRH];
  double a_eff = dc.Calc[calc::kAEff];
  if (c == 0) {
    rh = sum_v * mu;
  } else {
    a_eff = b - 2 * abs_e;
    if (NoDeductionChosen(sel)) {
      // Beyond r = 1/6 the cohesion acts only on the part of the base in contact.
      if (abs_e / b <= 1.0 / 6) {
        rh = c * b + sum_v * mu;
      } else {
        rh = c * std::fabs(dc.Calc[calc::kPressureLength]) + sum_v * mu;
      }
    } else if (DeductionChosen(sel)) {
      rh = c * a_eff + sum_v * mu;
    }
  }
  const double sum_h = dc.Calc[calc::kSumH];
  if (sum_h == 0) {
    return ZeroDivisor("滑動安全率 Fs",
                       "水平力の総和 ΣH が 0 のため、滑動安全率 Fs を計算できません。");
  }
  const double fs = rh / sum_h;
  CalcStatus st = RequireFiniteResults(
      {{a_eff, "底版の有効載荷面積 A'"}, {rh, "滑動に対する抵抗力 RH"}, {fs, "滑動安全率 Fs"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kAEff] = a_eff;
  dc.Calc[calc::kRH] = rh;
  dc.Calc[calc::kSlidingF] = fs;
  return CalcStatus::Ok();
}

CalcStatus ComputeSliding(DesignCase& dc, const Selections& sel) {
  if (dc.ShearKeyFlag == "0") return ComputeSlidingResistance(dc, sel);
  if (dc.ShearKeyFlag == "1") return ComputeShearKey(dc, sel);
  return CalcStatus::Ok();
}

}  // namespace varnholt
