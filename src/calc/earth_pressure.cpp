#include "calc/earth_pressure.h"

#include <array>
#include <cmath>

#include "calc/angles.h"
#include "calc/checks.h"
#include "calc/format.h"
#include "calc/seismic.h"
#include "model/leading_number.h"

namespace varnholt {
namespace {

using CondArray = std::array<double, cond::kCount>;

// θk into Cond[17] (rad) and Cond[18] (deg).
CalcStatus StoreSeismicAngle(CondArray& c) {
  SeismicAngle angle;
  CalcStatus st = ComputeSeismicAngle(c[cond::kKh], c[cond::kKv], &angle);
  if (!st.ok()) return st;
  c[cond::kThetaKRad] = angle.rad;
  c[cond::kThetaKDeg] = angle.deg;
  return CalcStatus::Ok();
}

// The common tail of both forms: the root term (1 + √(sin·sin / (cos·cos)))².
CalcStatus RootTerm(const CondArray& c, const char* quantity, double* out) {
  const double divisor = c[cond::kTermCosThetaDeltaRoot] * c[cond::kTermCosThetaBeta];
  if (divisor == 0) {
    return ZeroDivisor(quantity, "cos(θ＋δ)･cos(θ－β) が 0 のため、主働土圧係数を計算できません。");
  }
  const double radicand = c[cond::kTermSinPhiDelta] * c[cond::kTermSinPhiBeta] / divisor;
  if (!(radicand >= 0)) {
    return CalcStatus::NotComputable(
        quantity, std::string("根号の中の sin(φ＋δ)･sin(φ－β)/{cos(θ＋δ)･cos(θ－β)} が負のため、") +
                      quantity + " を計算できません。");
  }
  const double s = 1 + std::sqrt(radicand);
  *out = s * s;
  return CalcStatus::Ok();
}

CalcStatus CoulombCoefficient(CondArray& c, double theta, bool with_seismic_angle) {
  if (with_seismic_angle) {
    CalcStatus s = StoreSeismicAngle(c);
    if (!s.ok()) return s;
  }
  const double phi = c[cond::kPhi];
  const double delta = c[cond::kDelta];
  const double beta = c[cond::kBeta];
  if (CosineVanishes(theta)) {
    return ZeroDivisor(
        "主働土圧係数 KA",
        "背面の勾配 θ が 90° のため cos θ が 0 となり、主働土圧係数 KA を計算できません。");
  }
  if (CosineVanishes(delta + theta)) {
    return ZeroDivisor(
        "主働土圧係数 KA",
        "θ＋δ が 90° となり cos(θ＋δ) が 0 のため、主働土圧係数 KA を計算できません。");
  }
  if (CosineVanishes(std::fabs(theta - beta))) {
    return ZeroDivisor(
        "主働土圧係数 KA",
        "θ－β が 90° となり cos(θ－β) が 0 のため、主働土圧係数 KA を計算できません。");
  }
  const double cos_phi_theta = CosDeg(phi - theta);
  const double cos_theta = CosDeg(theta);
  c[cond::kTermNumerator] = cos_phi_theta * cos_phi_theta;
  c[cond::kTermCos2Theta] = cos_theta * cos_theta;
  c[cond::kTermCosThetaDelta] = CosDeg(delta + theta);
  c[cond::kTermSinPhiDelta] = SinDeg(phi + delta);
  c[cond::kTermSinPhiBeta] = phi < beta ? 0.0 : SinDeg(std::fabs(phi - beta));
  c[cond::kTermCosThetaDeltaRoot] = CosDeg(delta + theta);
  c[cond::kTermCosThetaBeta] = CosDeg(std::fabs(theta - beta));
  double root = 0;
  CalcStatus s = RootTerm(c, "主働土圧係数 KA", &root);
  if (!s.ok()) return s;
  const double den = c[cond::kTermCos2Theta] * c[cond::kTermCosThetaDelta] * root;
  if (den == 0) {
    return ZeroDivisor("主働土圧係数 KA",
                       "分母が 0 となるため、主働土圧係数 KA を計算できません。");
  }
  c[cond::kKA] = c[cond::kTermNumerator] / den;
  return CalcStatus::Ok();
}

CalcStatus SeismicCoefficient(CondArray& c, double theta) {
  CalcStatus s = StoreSeismicAngle(c);
  if (!s.ok()) return s;
  const double phi = c[cond::kPhi];
  const double delta = c[cond::kDelta];
  const double beta = c[cond::kBeta];
  const double kv = c[cond::kKv];
  const double tk = c[cond::kThetaKDeg];
  if (CosineVanishes(theta)) {
    return ZeroDivisor(
        "地震時主働土圧係数 KAE",
        "背面の勾配 θ が 90° のため cos θ が 0 となり、地震時主働土圧係数 KAE を計算できません。");
  }
  if (CosineVanishes(tk)) {
    return ZeroDivisor("地震時主働土圧係数 KAE",
                       "地震合成角 θk が 90° のため cos θk が 0 となり、地震時主働土圧係数 KAE "
                       "を計算できません。");
  }
  if (CosineVanishes(delta + theta + tk)) {
    return ZeroDivisor("地震時主働土圧係数 KAE",
                       "δ＋θ＋θk が 90° となり cos(δ＋θ＋θk) が 0 のため、地震時主働土圧係数 KAE "
                       "を計算できません。");
  }
  if (CosineVanishes(std::fabs(theta - beta))) {
    return ZeroDivisor(
        "地震時主働土圧係数 KAE",
        "θ－β が 90° となり cos(θ－β) が 0 のため、地震時主働土圧係数 KAE を計算できません。");
  }
  const double cos_num = CosDeg(phi - theta - tk);
  const double cos_theta = CosDeg(theta);
  c[cond::kTermNumerator] = (1 - kv) * (cos_num * cos_num);
  c[cond::kTermCosThetaK] = CosDeg(tk);
  c[cond::kTermCos2Theta] = cos_theta * cos_theta;
  c[cond::kTermCosThetaDelta] = CosDeg(delta + theta + tk);
  c[cond::kTermSinPhiDelta] = SinDeg(phi + delta);
  c[cond::kTermSinPhiBeta] = phi < beta + tk ? 0.0 : SinDeg(std::fabs(phi - beta - tk));
  c[cond::kTermCosThetaDeltaRoot] = CosDeg(delta + theta + tk);
  c[cond::kTermCosThetaBeta] = CosDeg(std::fabs(theta - beta));
  double root = 0;
  s = RootTerm(c, "地震時主働土圧係数 KAE", &root);
  if (!s.ok()) return s;
  const double den =
      root * c[cond::kTermCosThetaDelta] * c[cond::kTermCos2Theta] * c[cond::kTermCosThetaK];
  if (den == 0) {
    return ZeroDivisor("地震時主働土圧係数 KAE",
                       "分母が 0 となるため、地震時主働土圧係数 KAE を計算できません。");
  }
  c[cond::kKA] = c[cond::kTermNumerator] / den;
  return CalcStatus::Ok();
}

}  // namespace

CoefficientResult ComputeCoefficient(DesignCase& dc, const Selections& sel) {
  CoefficientResult result;
  result.status = RequireFiniteInputs({
      {dc.Cond[cond::kPhi], "内部摩擦角 φ"},
      {dc.Cond[cond::kDelta], "壁面摩擦角 δ"},
      {dc.Cond[cond::kBeta], "地平面と水平面とのなす角度 β"},
      {dc.Cond[cond::kKh], "設計水平震度 Kh"},
      {dc.Cond[cond::kKv], "設計鉛直震度 Kv"},
      {dc.Calc[calc::kH], "寸法 h・根入れ深さ"},
      {dc.Calc[calc::kCrestAbove], "天端高さ"},
      {dc.Calc[calc::kCrestWidth], "天端幅 b"},
      {dc.Calc[calc::kBaseWidth], "底版幅 B"},
      {dc.Calc[calc::kFrontProj], "前面の水平長さ"},
  });
  if (!result.status.ok()) return result;

  // θ of the back face as the main calculation has it, but not snapped to 0.
  const double h = dc.Calc[calc::kH];
  const double hw = dc.Calc[calc::kCrestAbove] + h;
  if (hw == 0) {
    result.status =
        ZeroDivisor("背面の勾配 θ", "壁高 Hw が 0 のため、背面の勾配 θ を計算できません。");
    return result;
  }
  const double back =
      dc.Calc[calc::kBaseWidth] - (dc.Calc[calc::kCrestWidth] + dc.Calc[calc::kFrontProj]);
  const double theta_rad = std::atan(back / hw);
  const double theta = ToDegrees(theta_rad);

  const bool coulomb =
      sel.load_case == LoadCase::kNormal || sel.seismic_method == SeismicMethod::kK2;
  const bool seismic =
      sel.seismic_method == SeismicMethod::kD1 || sel.seismic_method == SeismicMethod::kK1;
  if (!coulomb && !seismic) {
    result.status = CalcStatus::NotComputable("主働土圧係数",
                                              "荷重状態または地震時水平荷重の計算方法が選ばれていな"
                                              "いため、主働土圧係数を計算できません。");
    return result;
  }

  CondArray c = dc.Cond;
  if (coulomb) {
    result.status = CoulombCoefficient(c, theta, sel.seismic_method == SeismicMethod::kK2);
    if (!result.status.ok()) return result;
  }
  if (seismic) {
    result.status = SeismicCoefficient(c, theta);
    if (!result.status.ok()) return result;
  }
  result.status = RequireFiniteResults({{c[cond::kKA], "主働土圧係数"}});
  if (!result.status.ok()) return result;

  dc.Calc[calc::kHWork] = h;
  dc.Calc[calc::kThetaRad] = theta_rad;
  dc.Calc[calc::kThetaDeg] = theta;
  dc.Cond = c;
  result.value = c[cond::kKA];
  result.text = FormatCoefficient(result.value);
  return result;
}

CoefficientResult ComputeShownCoefficient(DesignCase& dc, const Selections& sel) {
  CoefficientResult result = ComputeCoefficient(dc, sel);
  if (result.status.ok()) dc.Cond[cond::kKA] = LeadingNumber(result.text);
  return result;
}

bool UsesComputedCoefficient(const Selections& sel) {
  return LevelOrSlope(sel.shape) && sel.coefficient == CoefficientMode::kComputed;
}

CalcStatus ComputeEarthPressureResultants(DesignCase& dc, const Selections& sel) {
  const double ka = dc.Cond[cond::kKA];
  const double gamma = dc.Cond[cond::kGamma];
  const double h = dc.Calc[calc::kHWork];
  const double q = dc.Calc[calc::kSurcharge];
  const double theta_delta = dc.Calc[calc::kThetaDeg] + dc.Cond[cond::kDelta];
  const bool coulomb_shape = LevelOrSlope(sel.shape);

  if (sel.standard == Standard::kResidential && coulomb_shape) {
    const double c = CosDeg(theta_delta);
    const double s = SinDeg(theta_delta);
    const double pa = 0.5 * ka * gamma * (h * h);
    const double pax = pa * c;
    const double pay = pa * s;
    const double dpa = ka * q * h;
    const double dpax = dpa * c;
    const double dpay = dpa * s;
    CalcStatus st = RequireFiniteResults({{pa, "主働土圧 PA"},
                                          {pax, "主働土圧 PAX"},
                                          {pay, "主働土圧 PAY"},
                                          {dpa, "上載荷重による土圧 ΔPA"},
                                          {dpax, "上載荷重による土圧 ΔPAX"},
                                          {dpay, "上載荷重による土圧 ΔPAY"}});
    if (!st.ok()) return st;
    dc.Calc[calc::kPA] = pa;
    dc.Calc[calc::kPAX] = pax;
    dc.Calc[calc::kPAY] = pay;
    dc.Calc[calc::kDeltaPA] = dpa;
    dc.Calc[calc::kDeltaPAX] = dpax;
    dc.Calc[calc::kDeltaPAY] = dpay;
  } else if (sel.standard == Standard::kRoad) {
    // Under 嵩上げ土 these are computed from whatever Cond[6] holds and are
    // not used; the trial wedge supplies the pressure there.
    const double pah = ka * q * h + 0.5 * ka * gamma * (h * h);
    const double pax = pah * CosDeg(theta_delta);
    const double pay = pah * SinDeg(theta_delta);
    if (!AllFinite({pah, pax, pay})) {
      // Unused under 嵩上げ土: a coefficient left over from another shape
      // must not stop the design; the slots simply keep their values.
      if (sel.shape == GroundShape::kRaisedSoil) return CalcStatus::Ok();
      return RequireFiniteResults(
          {{pah, "主働土圧 PAH"}, {pax, "主働土圧 PAX"}, {pay, "主働土圧 PAY"}});
    }
    dc.Calc[calc::kPAH] = pah;
    dc.Calc[calc::kPAHX] = pax;
    dc.Calc[calc::kPAHY] = pay;
  }
  return CalcStatus::Ok();
}

}  // namespace varnholt
