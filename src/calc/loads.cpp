#include "calc/loads.h"

#include "calc/checks.h"
#include "calc/fence.h"

namespace varnholt {
namespace {

// Σ of the horizontal earth pressure components times their heights.
double EarthPressureMoment(const DesignCase& dc, EarthPressureRows rows) {
  const double h = dc.Calc[calc::kHWork];
  switch (rows) {
    case EarthPressureRows::kCoulomb:
      return h * dc.Calc[calc::kPAX] / 3 + h * dc.Calc[calc::kDeltaPAX] / 2;
    case EarthPressureRows::kCombined:
      return h * dc.Calc[calc::kPAHX] / 3;
    case EarthPressureRows::kTrialWedge:
      return h * dc.PAXw / 3;
    case EarthPressureRows::kNone:
      break;
  }
  return 0;
}

double InertiaForce(const DesignCase& dc) {
  return dc.Cond[cond::kKh] * (dc.Calc[calc::kWeight] + dc.FenceW);
}

}  // namespace

EarthPressureRows SelectEarthPressureRows(const Selections& sel) {
  if (sel.shape == GroundShape::kRaisedSoil) {
    return sel.standard == Standard::kNone ? EarthPressureRows::kNone
                                           : EarthPressureRows::kTrialWedge;
  }
  if (sel.shape == GroundShape::kNone) return EarthPressureRows::kNone;
  switch (sel.standard) {
    case Standard::kResidential:
      return EarthPressureRows::kCoulomb;
    case Standard::kRoad:
      return EarthPressureRows::kCombined;
    case Standard::kNone:
      break;
  }
  return EarthPressureRows::kNone;
}

void EarthPressureParts(const DesignCase& dc, const Selections& sel, double& h, double& v) {
  const auto& c = dc.Calc;
  switch (SelectEarthPressureRows(sel)) {
    case EarthPressureRows::kCoulomb:
      h = c[calc::kPAX] + c[calc::kDeltaPAX];
      v = c[calc::kPAY] + c[calc::kDeltaPAY];
      return;
    case EarthPressureRows::kCombined:
      h = c[calc::kPAHX];
      v = c[calc::kPAHY];
      return;
    case EarthPressureRows::kTrialWedge:
      h = dc.PAXw;
      v = dc.PAYw;
      return;
    case EarthPressureRows::kNone:
      break;
  }
  h = v = 0;
}

bool InertiaForceApplies(const Selections& sel) {
  if (sel.load_case != LoadCase::kSeismic) return false;
  return sel.standard == Standard::kRoad ||
         (sel.standard == Standard::kResidential && sel.seismic_method == SeismicMethod::kK2);
}

CalcStatus ComputeSumV(DesignCase& dc, const Selections& sel) {
  double v = dc.Calc[calc::kWeight];
  switch (SelectEarthPressureRows(sel)) {
    case EarthPressureRows::kCoulomb:
      v = v + dc.Calc[calc::kPAY] + dc.Calc[calc::kDeltaPAY];
      break;
    case EarthPressureRows::kCombined:
      v = v + dc.Calc[calc::kPAHY];
      break;
    case EarthPressureRows::kTrialWedge:
      v = v + dc.PAYw;
      break;
    case EarthPressureRows::kNone:
      break;
  }
  v = v + dc.FenceW;
  CalcStatus st = RequireFiniteResults({{v, "鉛直力の総和 ΣV"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kSumV] = v;
  return CalcStatus::Ok();
}

CalcStatus ComputePressureLeverArms(DesignCase& dc) {
  const double bf = dc.Calc[calc::kCrestWidth] + dc.Calc[calc::kFrontProj];
  const double back = dc.Calc[calc::kBaseWidth] - bf;
  const double x_pay = bf + back * 2 / 3;
  const double x_dpay = bf + back * 1 / 2;
  CalcStatus st =
      RequireFiniteResults({{x_pay, "PAY の作用位置 x"}, {x_dpay, "ΔPAY の作用位置 x"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kXPAY] = x_pay;
  dc.Calc[calc::kXDeltaPAY] = x_dpay;
  return CalcStatus::Ok();
}

CalcStatus ComputeFenceLeverArms(DesignCase& dc) {
  const double w = dc.Calc[calc::kWeight];
  const double x = dc.Calc[calc::kXCentroid];
  if (dc.FenceLoadType.empty()) {
    if (w == 0) {
      return ZeroDivisor("重心位置 x", "躯体自重 W が 0 のため、重心位置 x を計算できません。");
    }
    const double x32 = x * w / w;
    CalcStatus st = RequireFiniteResults({{x32, "重心位置 x"}});
    if (!st.ok()) return st;
    dc.Calc[calc::kXWallFence] = x32;
    return CalcStatus::Ok();
  }
  const double x31 = dc.Calc[calc::kFrontProj] + dc.FenceX;
  if (w + dc.FenceW == 0) {
    return ZeroDivisor(
        "重心位置 x",
        "躯体自重 W とフェンス等の自重の和が 0 のため、重心位置 x を計算できません。");
  }
  const double x32 = (x * w + x31 * dc.FenceW) / (w + dc.FenceW);
  CalcStatus st = RequireFiniteResults(
      {{x31, "フェンス等の自重の作用位置 x"}, {x32, "躯体とフェンス等の重心位置 x"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kXFence] = x31;
  dc.Calc[calc::kXWallFence] = x32;
  return CalcStatus::Ok();
}

CalcStatus ComputeFenceHeights(DesignCase& dc) {
  double y37 = dc.Calc[calc::kYFenceLoad];
  FenceLoadHeight(dc, &y37);
  const double w = dc.Calc[calc::kWeight];
  if (w + dc.FenceW == 0) {
    return ZeroDivisor(
        "重心高さ y",
        "躯体自重 W とフェンス等の自重の和が 0 のため、慣性力の作用高さ y を計算できません。");
  }
  const double y38 = (dc.Calc[calc::kYCentroid] * w + y37 * dc.FenceW) / (w + dc.FenceW);
  CalcStatus st = RequireFiniteResults(
      {{y37, "フェンス等の水平荷重の作用高さ y"}, {y38, "慣性力の作用高さ y"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kYFenceLoad] = y37;
  dc.Calc[calc::kYWallFence] = y38;
  return CalcStatus::Ok();
}

CalcStatus ComputeMoments(DesignCase& dc, const Selections& sel) {
  const EarthPressureRows rows = SelectEarthPressureRows(sel);
  const double w = dc.Calc[calc::kWeight];

  double mr = w * dc.Calc[calc::kXCentroid];
  switch (rows) {
    case EarthPressureRows::kCoulomb:
      mr = mr + dc.Calc[calc::kPAY] * dc.Calc[calc::kXPAY] +
           dc.Calc[calc::kDeltaPAY] * dc.Calc[calc::kXDeltaPAY];
      break;
    case EarthPressureRows::kCombined:
      mr = mr + dc.Calc[calc::kPAHY] * dc.Calc[calc::kXPAY];
      break;
    case EarthPressureRows::kTrialWedge:
      mr = mr + dc.PAYw * dc.Calc[calc::kXPAY];
      break;
    case EarthPressureRows::kNone:
      break;
  }
  if (!dc.FenceLoadType.empty()) mr = mr + dc.FenceW * dc.Calc[calc::kXFence];

  const bool fence_load = IsShortTermFenceLoad(dc.FenceLoadType);
  const bool case_selected = sel.load_case != LoadCase::kNone;
  double mo = dc.Calc[calc::kMo];
  if (case_selected || fence_load) {
    // Without a load case a fence load can only come with 常時, whose form
    // the moment then takes.
    mo = EarthPressureMoment(dc, rows);
    if (InertiaForceApplies(sel)) mo = mo + InertiaForce(dc) * dc.Calc[calc::kYWallFence];
    if (fence_load) mo = mo + dc.FenceP * dc.Calc[calc::kYFenceLoad];
  }
  CalcStatus st = RequireFiniteResults({{mr, "抵抗モーメント Mr"}, {mo, "転倒モーメント Mo"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kMr] = mr;
  dc.Calc[calc::kMo] = mo;
  return CalcStatus::Ok();
}

CalcStatus ComputeSumH(DesignCase& dc, const Selections& sel) {
  if (sel.load_case == LoadCase::kNone) return CalcStatus::Ok();
  double sum = 0;
  switch (SelectEarthPressureRows(sel)) {
    case EarthPressureRows::kCoulomb:
      sum = dc.Calc[calc::kPAX] + dc.Calc[calc::kDeltaPAX];
      break;
    case EarthPressureRows::kCombined:
      sum = dc.Calc[calc::kPAHX];
      break;
    case EarthPressureRows::kTrialWedge:
      sum = dc.PAXw;
      break;
    case EarthPressureRows::kNone:
      break;
  }
  if (InertiaForceApplies(sel)) sum = sum + InertiaForce(dc);
  // FenceP is 0 unless a horizontal fence load has been entered.
  sum = sum + dc.FenceP;
  CalcStatus st = RequireFiniteResults({{sum, "水平力の総和 ΣH"}});
  if (!st.ok()) return st;
  dc.Calc[calc::kSumH] = sum;
  return CalcStatus::Ok();
}

}  // namespace varnholt
