#include "calc/trial_wedge.h"

#include <array>
#include <cmath>

#include "calc/angles.h"
#include "calc/checks.h"
#include "calc/seismic.h"

namespace varnholt {
namespace {

// sin ω, cot ω and cos ω of the 900 trial angles do not depend on the
// design: they are worked out once, with exactly the expressions the
// formulas use, so the table is the same as evaluating every entry afresh.
struct OmegaTable {
  std::array<double, kWedgeEntries + 1> omega{};
  std::array<double, kWedgeEntries + 1> sin{};
  std::array<double, kWedgeEntries + 1> cot{};
  std::array<double, kWedgeEntries + 1> cos{};
};

const OmegaTable& Omegas() {
  static const OmegaTable table = [] {
    OmegaTable t;
    for (int i = 1; i <= kWedgeEntries; ++i) {
      const auto k = static_cast<size_t>(i);
      t.omega[k] = 0.1 * i;
      t.sin[k] = SinDeg(t.omega[k]);
      t.cot[k] = CotDeg(t.omega[k]);
      t.cos[k] = CosDeg(t.omega[k]);
    }
    return t;
  }();
  return table;
}

// With π taken as 3.14159 the computed sine or cosine of a straight or right
// angle is about 2.65e-6 per 180°, so a computed value above 1e-3 cannot
// belong to such an angle as long as the angle stays below 60 000°. This
// keeps the exact test on the angle out of the 900-entry loop.
bool SineVanishesFast(double degrees, double computed_sin) {
  return (std::fabs(computed_sin) < 1e-3 || std::fabs(degrees) > 6e4) && SineVanishes(degrees);
}
bool CosineVanishesFast(double degrees, double computed_cos) {
  return (std::fabs(computed_cos) < 1e-3 || std::fabs(degrees) > 6e4) && CosineVanishes(degrees);
}

// What went wrong with one entry; kept apart from CalcStatus so that the
// 900-entry loop builds no strings while all is well.
enum class EntryFault { kNone, kSinOmega, kCosPole, kOverflow };

// The trigonometric values one entry needs.
struct OmegaTrig {
  double sin_om = 0;        // sin ω
  double cot_om = 0;        // cot ω
  double cos_om_theta = 0;  // cos(ω − θ)
  double cos_den = 0;       // cos(ω − φ − δ − θ), with a pressure to form
  double sin_num = 0;       // sin(ω − φ) or sin(ω − φ + θk), likewise
};

double PressureDenominatorAngle(const TrialWedge& tw, double om) {
  return om - tw.phi - tw.delta - tw.theta;
}
double PressureNumeratorAngle(const TrialWedge& tw, double om) {
  return tw.with_theta_k ? om - tw.phi + tw.theta_k_deg : om - tw.phi;
}

// The formulas of one entry, without any check.
[[gnu::always_inline]] inline WedgeAtOmega Formulas(const TrialWedge& tw, const OmegaTrig& tr) {
  WedgeAtOmega r;
  r.b1 = (tr.cot_om + tw.tan_theta) * tw.h + (tr.cot_om - tw.cot_beta) * tw.h0;
  r.t1 = tr.cos_om_theta * tw.hh2 / tr.sin_om;
  r.w = tw.previous_w;
  if (tw.surcharge == SlopeSurcharge::kWithout) {
    r.w = tw.t3 * (r.t1 - tw.t2) + tw.q * r.b1;
  } else if (tw.surcharge == SlopeSurcharge::kWith) {
    r.w = tw.t3 * (r.t1 - tw.t2) + tw.q * (tw.b2 + r.b1);
  }
  if (tw.refresh_pressure) r.p = r.w * tr.sin_num / tr.cos_den;
  return r;
}

// What cannot be computed at one entry, given its trigonometric values and
// its results from Formulas.
[[gnu::always_inline]] inline EntryFault Check(const TrialWedge& tw, double om, const OmegaTrig& tr,
                                               const WedgeAtOmega& r) {
  if (SineVanishesFast(om, tr.sin_om)) return EntryFault::kSinOmega;
  if (tw.refresh_pressure && CosineVanishesFast(PressureDenominatorAngle(tw, om), tr.cos_den)) {
    return EntryFault::kCosPole;
  }
  if (!(std::isfinite(r.b1) && std::isfinite(r.t1) && std::isfinite(r.w) && std::isfinite(r.p))) {
    return EntryFault::kOverflow;
  }
  return EntryFault::kNone;
}

CalcStatus Explain(EntryFault fault) {
  switch (fault) {
    case EntryFault::kNone:
      break;
    case EntryFault::kSinOmega:
      return ZeroDivisor(
          "試行くさびの重量 W",
          "すべり面の角度 ω が 0° のため sin ω が 0 となり、試行くさびの重量 W を計算できません。");
    case EntryFault::kCosPole:
      return ZeroDivisor("試行くさびの土圧 P",
                         "ω－φ－δ－θ が 90° となり cos(ω－φ－δ－θ) が 0 のため、試行くさびの土圧 "
                         "P を計算できません。");
    case EntryFault::kOverflow:
      return Overflow("試行くさびの土圧 P");
  }
  return CalcStatus::Ok();
}

// A pressure that rises all the way to 90° has no maximum to design for.
CalcStatus NoMaximum() {
  return CalcStatus::NotComputable(
      "最大土圧 PAmax",
      "試行くさびの土圧 P が ω＝90° まで増え続け最大値が定まらないため、最大土圧 PAmax "
      "を計算できません。");
}

}  // namespace

CalcStatus PrepareTrialWedge(const DesignCase& dc, const Selections& sel, TrialWedge* out) {
  TrialWedge tw;
  tw.h = dc.Calc[calc::kHWork];
  tw.h0 = dc.Calc[calc::kH0];
  tw.theta = dc.Calc[calc::kThetaDeg];
  tw.beta = dc.Cond[cond::kBeta];
  tw.phi = dc.Cond[cond::kPhi];
  tw.delta = dc.Cond[cond::kDelta];
  tw.q = dc.Calc[calc::kSurcharge];
  tw.surcharge = sel.slope_surcharge;
  tw.previous_w = dc.WedgeW;
  if (SineVanishes(tw.beta)) {
    return ZeroDivisor("試行くさびの重量 W",
                       std::fabs(tw.beta) < 1
                           ? "地平面と水平面とのなす角度 β が 0° のため sin β が 0 "
                             "となり、試行くさびの重量 W を計算できません。"
                           : "地平面と水平面とのなす角度 β が 180° の倍数のため sin β が 0 "
                             "となり、試行くさびの重量 W を計算できません。");
  }
  if (CosineVanishes(tw.theta)) {
    return ZeroDivisor(
        "試行くさびの重量 W",
        "背面の勾配 θ が 90° のため cos θ が 0 となり、試行くさびの重量 W を計算できません。");
  }
  tw.tan_theta = TanDeg(tw.theta);
  tw.cot_beta = CotDeg(tw.beta);
  tw.hh2 = (tw.h + tw.h0) * (tw.h + tw.h0);
  tw.t2 = CosDeg(tw.theta - tw.beta) * (tw.h0 * tw.h0) / SinDeg(tw.beta);
  tw.t3 = dc.Cond[cond::kGamma] / (2 * CosDeg(tw.theta));
  tw.b2 = tw.h0 * tw.cot_beta;

  tw.refresh_pressure = sel.load_case != LoadCase::kNone;
  tw.seismic = sel.load_case == LoadCase::kSeismic;
  if (tw.seismic) {
    SeismicAngle angle;
    CalcStatus angle_status = ComputeSeismicAngle(dc.Cond[cond::kKh], dc.Cond[cond::kKv], &angle);
    if (!angle_status.ok()) return angle_status;
    tw.theta_k_rad = angle.rad;
    tw.theta_k_deg = angle.deg;
    // Method ② adds the inertia force of the wall to the normal earth
    // pressure; a seismic wedge there would count the earthquake twice.
    const bool normal_pressure =
        sel.standard == Standard::kResidential && sel.seismic_method == SeismicMethod::kK2;
    tw.with_theta_k = !normal_pressure;
  }
  CalcStatus st = RequireFiniteResults({{tw.tan_theta, "tan θ"},
                                        {tw.cot_beta, "cot β"},
                                        {tw.hh2, "(H＋H0)^2"},
                                        {tw.t2, "試行くさびの重量 W"},
                                        {tw.t3, "試行くさびの重量 W"},
                                        {tw.b2, "b2=H0･cotβ"}});
  if (!st.ok()) return st;
  *out = tw;
  return CalcStatus::Ok();
}

CalcStatus EvaluateWedge(const TrialWedge& tw, double omega, WedgeAtOmega* out) {
  OmegaTrig tr;
  tr.sin_om = SinDeg(omega);
  tr.cot_om = CotDeg(omega);
  tr.cos_om_theta = CosDeg(omega - tw.theta);
  if (tw.refresh_pressure) {
    tr.cos_den = CosDeg(PressureDenominatorAngle(tw, omega));
    tr.sin_num = SinDeg(PressureNumeratorAngle(tw, omega));
  }
  const WedgeAtOmega r = Formulas(tw, tr);
  const EntryFault fault = Check(tw, omega, tr, r);
  if (fault != EntryFault::kNone) return Explain(fault);
  out->b1 = r.b1;
  out->t1 = r.t1;
  out->w = r.w;
  if (tw.refresh_pressure) out->p = r.p;
  return CalcStatus::Ok();
}

void FillWedgeTrig(const TrialWedge& tw, WedgeTrig* out) {
  // Each function in a loop of its own, which keeps the processor busy
  // between the library calls.
  const OmegaTable& t = Omegas();
  out->theta_zero = tw.theta == 0;
  out->pressure = tw.refresh_pressure;
  // ω − 0 is ω itself, so with a vertical back face cos(ω − θ) is cos ω.
  if (!out->theta_zero) {
    for (size_t k = 1; k <= kWedgeEntries; ++k) {
      out->cos_om_theta[k] = CosDeg(t.omega[k] - tw.theta);
    }
  }
  if (tw.refresh_pressure) {
    for (size_t k = 1; k <= kWedgeEntries; ++k) {
      out->cos_den[k] = CosDeg(PressureDenominatorAngle(tw, t.omega[k]));
    }
    for (size_t k = 1; k <= kWedgeEntries; ++k) {
      out->sin_num[k] = SinDeg(PressureNumeratorAngle(tw, t.omega[k]));
    }
  }
}

CalcStatus FillWedgeTable(const TrialWedge& tw, const WedgeTrig& trig, WedgeTable& p,
                          WedgeTable* omega, WedgeAtOmega* last) {
  const OmegaTable& t = Omegas();
  const double* cos_omt = trig.theta_zero ? t.cos.data() : trig.cos_om_theta.data();
  auto trig_at = [&](size_t k) {
    OmegaTrig tr;
    tr.sin_om = t.sin[k];
    tr.cot_om = t.cot[k];
    tr.cos_om_theta = cos_omt[k];
    if (tw.refresh_pressure) {
      tr.cos_den = trig.cos_den[k];
      tr.sin_num = trig.sin_num[k];
    }
    return tr;
  };
  for (size_t k = 1; k <= kWedgeEntries; ++k) {
    const OmegaTrig tr = trig_at(k);
    const WedgeAtOmega r = Formulas(tw, tr);
    const EntryFault fault = Check(tw, t.omega[k], tr, r);
    if (fault != EntryFault::kNone) return Explain(fault);
    if (omega) (*omega)[k] = t.omega[k];
    if (tw.refresh_pressure) p[k] = r.p;
  }
  if (last) *last = Formulas(tw, trig_at(kWedgeEntries));
  return CalcStatus::Ok();
}

int FirstWedgeMaximum(const WedgeTable& p) {
  for (int k = 10; k <= 890; k += 10) {
    if (p[static_cast<size_t>(k)] > p[static_cast<size_t>(k + 10)]) return k;
  }
  return 0;
}

TrialWedge CutWedgeOptions(const TrialWedge& tw) {
  TrialWedge cut = tw;
  cut.refresh_pressure = true;
  if (cut.surcharge == SlopeSurcharge::kNone) cut.surcharge = SlopeSurcharge::kWithout;
  return cut;
}

CalcStatus ComputeCutWedge(const TrialWedge& tw, const WedgeTrig& trig, double z, CutWedge* out) {
  TrialWedge cut = tw;
  cut.h = z;
  cut.hh2 = (z + tw.h0) * (z + tw.h0);
  WedgeTable p;
  CalcStatus st = FillWedgeTable(cut, trig, p, nullptr, nullptr);
  if (!st.ok()) return st;
  const int k = FirstWedgeMaximum(p);
  if (k == 0) return NoMaximum();
  out->pa_max = p[static_cast<size_t>(k)];
  out->omega = Omegas().omega[static_cast<size_t>(k)];
  return CalcStatus::Ok();
}

bool Doatu(DesignCase& dc) {
  const int chosen = FirstWedgeMaximum(dc.WedgeP);
  if (chosen == 0) return false;
  const auto k = static_cast<size_t>(chosen);
  dc.PAmax = dc.WedgeP[k];
  dc.OmegaMax = dc.WedgeOmega[k];
  const double om = dc.OmegaMax;
  const double h = dc.Calc[calc::kHWork];
  const double h0 = dc.Calc[calc::kH0];
  const double theta = dc.Calc[calc::kThetaDeg];
  const double cot_om = CotDeg(om);
  dc.Calc[calc::kB1] = (cot_om + TanDeg(theta)) * h + (cot_om - CotDeg(dc.Cond[cond::kBeta])) * h0;
  dc.WedgeT1 = CosDeg(om - theta) * ((h + h0) * (h + h0)) / SinDeg(om);
  return true;
}

CalcStatus ComputeTrialWedge(DesignCase& dc, const Selections& sel) {
  TrialWedge tw;
  CalcStatus st = PrepareTrialWedge(dc, sel, &tw);
  if (!st.ok()) return st;
  if (tw.seismic) {
    dc.Cond[cond::kThetaKRad] = tw.theta_k_rad;
    dc.Cond[cond::kThetaKDeg] = tw.theta_k_deg;
  }
  WedgeTrig trig;
  FillWedgeTrig(tw, &trig);
  WedgeAtOmega entry;
  st = FillWedgeTable(tw, trig, dc.WedgeP, &dc.WedgeOmega, &entry);
  if (!st.ok()) return st;
  // The scalars hold the values of the last entry (ω = 90°) until Doatu.
  dc.Calc[calc::kB1] = entry.b1;
  dc.WedgeT1 = entry.t1;
  dc.WedgeT2 = tw.t2;
  dc.WedgeT3 = tw.t3;
  if (tw.surcharge != SlopeSurcharge::kNone) dc.WedgeW = entry.w;
  if (tw.surcharge == SlopeSurcharge::kWith) dc.Calc[calc::kB2] = tw.b2;

  if (!Doatu(dc)) return NoMaximum();

  // Completion at the chosen ω; WedgeT2 and WedgeT3 do not depend on ω.
  const double q = dc.Calc[calc::kSurcharge];
  double w = dc.WedgeW;
  if (tw.surcharge == SlopeSurcharge::kWithout) {
    w = dc.WedgeT3 * (dc.WedgeT1 - dc.WedgeT2) + q * dc.Calc[calc::kB1];
  } else if (tw.surcharge == SlopeSurcharge::kWith) {
    w = dc.WedgeT3 * (dc.WedgeT1 - dc.WedgeT2) + q * (tw.b2 + dc.Calc[calc::kB1]);
  }
  const double theta_delta = dc.Calc[calc::kThetaDeg] + dc.Cond[cond::kDelta];
  const double pay = dc.PAmax * SinDeg(theta_delta);
  const double pax = dc.PAmax * CosDeg(theta_delta);
  st = RequireFiniteResults(
      {{w, "試行くさびの重量 W"}, {pay, "最大土圧 PAY"}, {pax, "最大土圧 PAX"}});
  if (!st.ok()) return st;
  dc.WedgeW = w;
  dc.PAYw = pay;
  dc.PAXw = pax;
  return CalcStatus::Ok();
}

}  // namespace varnholt
