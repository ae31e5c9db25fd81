#include "calc/body_stress.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/angles.h"
#include "calc/checks.h"
#include "calc/fence.h"
#include "calc/format.h"
#include "calc/loads.h"
#include "calc/trial_wedge.h"

namespace varnholt {
namespace {

// Levels closer than this (in m) are one section: a ground level that falls
// on a tenth of the wall height is not checked twice.
constexpr double kSameLevel = 1e-9;

// N/mm² to kN/m².
constexpr double kKnPerM2 = 1000;

// The section outline at height y above the base: the front face runs from
// the toe (0, 0) to (f, Hw), the back face from the heel (B, 0) to (f + b, Hw).
struct Outline {
  double hw = 0, b = 0, big_b = 0, f = 0;
  double Front(double y) const { return f * y / hw; }
  double Back(double y) const { return big_b - (big_b - b - f) * y / hw; }
};

// What every section needs from the design and the options, worked out once.
struct Setup {
  Outline o;
  double h = 0;          // earth-pressure height H: the back ground lies at y = H
  double gamma_c = 0;    // γc
  double ka = 0;         // the coefficient of the case (KA or KAE)
  double gamma = 0;      // γ of the soil
  double q = 0;          // surcharge
  double cos_td = 0;     // cos(θ + δ)
  double sin_td = 0;     // sin(θ + δ)
  double kh = 0;         // Kh, when the inertia force applies; else 0
  bool inertia = false;  // the case adds Kh × weight
  EarthPressureRows rows = EarthPressureRows::kNone;
  bool fence = false;  // a fence is entered (FenceLoadType not empty)
  double fence_w = 0, fence_x = 0, fence_y = 0;
  double fence_p = 0;  // the short-term horizontal load, 0 without one
  // 嵩上げ土: the wall's wedge with the options of a cut, and its trigonometry.
  TrialWedge wedge;
  std::unique_ptr<WedgeTrig> trig;
};

CalcStatus Refuse(const char* quantity, const std::string& reason) {
  return CalcStatus::NotComputable(quantity, reason);
}

std::string SectionName(double depth) {
  return "天端から " + FormatFixed(depth, 3, 3) + "m の断面";
}

CalcStatus PrepareSetup(const DesignCase& dc, const Selections& sel, Setup* s) {
  const auto& c = dc.Calc;
  s->h = c[calc::kHWork];
  s->o.hw = c[calc::kCrestAbove] + s->h;
  s->o.b = c[calc::kCrestWidth];
  s->o.big_b = c[calc::kBaseWidth];
  s->o.f = c[calc::kFrontProj];
  if (!(s->o.hw > 0)) {
    return Refuse("躯体の応力度", "壁高 Hw が 0 以下のため、躯体の応力度を計算できません。");
  }
  // The width runs linearly from b at the crest to B at the base; both must
  // be there for every section to have one.
  if (!(s->o.b > 0)) {
    return Refuse(
        "躯体の断面幅 t",
        "天端幅 b が 0 以下のため天端で躯体の断面幅 t が 0 となり、躯体の応力度を計算できません。");
  }
  if (!(s->o.big_b > 0)) {
    return Refuse(
        "躯体の断面幅 t",
        "底版幅 B が 0 以下のため底面で躯体の断面幅 t が 0 となり、躯体の応力度を計算できません。");
  }
  s->gamma_c = dc.Cond[cond::kGammaC];
  s->ka = dc.Cond[cond::kKA];
  s->gamma = dc.Cond[cond::kGamma];
  s->q = c[calc::kSurcharge];
  const double td = c[calc::kThetaDeg] + dc.Cond[cond::kDelta];
  s->cos_td = CosDeg(td);
  s->sin_td = SinDeg(td);
  s->inertia = InertiaForceApplies(sel);
  s->kh = s->inertia ? dc.Cond[cond::kKh] : 0;
  s->rows = SelectEarthPressureRows(sel);
  s->fence = !dc.FenceLoadType.empty();
  if (s->fence) {
    s->fence_w = dc.FenceW;
    s->fence_x = c[calc::kFrontProj] + dc.FenceX;
    FenceLoadHeight(dc, &s->fence_y);
    if (IsShortTermFenceLoad(dc.FenceLoadType)) s->fence_p = dc.FenceP;
  }
  if (s->rows == EarthPressureRows::kTrialWedge) {
    TrialWedge tw;
    CalcStatus st = PrepareTrialWedge(dc, sel, &tw);
    if (!st.ok()) return st;
    s->wedge = CutWedgeOptions(tw);
    s->trig = std::make_unique<WedgeTrig>();
    FillWedgeTrig(s->wedge, s->trig.get());
  }
  return CalcStatus::Ok();
}

// The levels to check, by depth: the tenths of Hw and the ground levels
// strictly inside the wall.
std::vector<BodySection> Levels(const DesignCase& dc, const Setup& s) {
  std::vector<BodySection> levels;
  levels.reserve(12);
  const double hw = s.o.hw;
  for (int i = 1; i <= 10; ++i) {
    BodySection sec;
    sec.depth = hw * i / 10;
    sec.y = i == 10 ? 0.0 : hw - sec.depth;
    levels.push_back(sec);
  }
  auto add = [&](double y, bool back) {
    if (!(y > 0 && y < hw)) return;
    for (BodySection& sec : levels) {
      if (std::fabs(sec.y - y) <= kSameLevel) {
        // The ground level is exact; a tenth carries the noise of its division.
        sec.y = y;
        sec.depth = hw - y;
        (back ? sec.back_ground : sec.front_ground) = true;
        return;
      }
    }
    BodySection sec;
    sec.y = y;
    sec.depth = hw - y;
    (back ? sec.back_ground : sec.front_ground) = true;
    levels.push_back(sec);
  };
  add(s.h, true);
  add(dc.Calc[calc::kEmbedment], false);
  std::stable_sort(levels.begin(), levels.end(),
                   [](const BodySection& a, const BodySection& b) { return a.depth < b.depth; });
  return levels;
}

void AddForce(BodySection& sec, BodyLoad load, double v, double h, double x, double y) {
  sec.forces[static_cast<std::size_t>(sec.force_count++)] = BodyForce{load, v, h, x, y};
}

// The free body above `sec` and its stresses. `xc` is the centre of the
// section's width from the toe.
CalcStatus SectionForces(const Setup& s, BodySection& sec) {
  const Outline& o = s.o;
  const double y = sec.y;
  const double xf = o.Front(y);
  const double xb = o.Back(y);
  const double t = xb - xf;
  sec.t = t;
  if (!(t > 0)) {
    return Refuse("躯体の断面幅 t",
                  SectionName(sec.depth) +
                      "の躯体の断面幅 t が 0 以下のため、躯体の応力度を計算できません。");
  }
  const double xc = (xf + xb) / 2;
  const double hb = o.hw - y;  // height of the free body
  const double crest_front = o.f;
  const double crest_back = o.f + o.b;

  // The concrete above: a trapezoid, bottom width t, top width b, as two
  // triangles (bottom edge with the crest's back corner; the crest with the
  // bottom's front corner).
  const double area = (t + o.b) / 2 * hb;
  const double wc = s.gamma_c * area;
  const double xg =
      (t * (xf + xb + crest_back) + o.b * (xf + crest_back + crest_front)) / (3 * (t + o.b));
  const double yg = hb * (t + 2 * o.b) / (3 * (t + o.b));
  // The weight carries no horizontal part; its height is kept for the record.
  AddForce(sec, BodyLoad::kSelfWeight, wc, 0, xg - xc, yg);

  // Earth pressure on the back face between the back ground and the section,
  // at the relative positions the wall's own pressures take: the horizontal
  // part at z/3 (ΔPA at z/2) above the section, the vertical part at 2/3 (1/2)
  // of the free body's back face from the crest side.
  const double z = sec.back_ground ? 0.0 : std::max(0.0, s.h - y);
  sec.z = z;
  const double x_third = crest_back + (xb - crest_back) * 2 / 3 - xc;
  const double x_half = crest_back + (xb - crest_back) / 2 - xc;
  if (z > 0) {
    double pa = 0;
    switch (s.rows) {
      case EarthPressureRows::kCoulomb: {
        pa = 0.5 * s.ka * s.gamma * (z * z);
        const double dpa = s.ka * s.q * z;
        AddForce(sec, BodyLoad::kEarthPressure, pa * s.sin_td, pa * s.cos_td, x_third, z / 3);
        AddForce(sec, BodyLoad::kSurchargePressure, dpa * s.sin_td, dpa * s.cos_td, x_half, z / 2);
        break;
      }
      case EarthPressureRows::kCombined:
        pa = s.ka * s.q * z + 0.5 * s.ka * s.gamma * (z * z);
        AddForce(sec, BodyLoad::kEarthPressure, pa * s.sin_td, pa * s.cos_td, x_third, z / 3);
        break;
      case EarthPressureRows::kTrialWedge: {
        CutWedge cut;
        CalcStatus st = ComputeCutWedge(s.wedge, *s.trig, z, &cut);
        if (!st.ok()) {
          return Refuse("躯体の応力度",
                        SectionName(sec.depth) + "で切った試行くさびについて、" + st.reason);
        }
        // Soil does not pull the wall back: a wedge that needs no support
        // gives no pressure.
        pa = std::max(0.0, cut.pa_max);
        sec.omega = cut.omega;
        AddForce(sec, BodyLoad::kEarthPressure, pa * s.sin_td, pa * s.cos_td, x_third, z / 3);
        break;
      }
      case EarthPressureRows::kNone:
        break;
    }
  }

  // The inertia force of the concrete above and of the fence, at their
  // common centroid, as the wall's load summary takes it.
  if (s.inertia) {
    const double fw = s.fence ? s.fence_w : 0;
    const double yi = (yg * wc + (s.fence_y - y) * fw) / (wc + fw);
    AddForce(sec, BodyLoad::kInertia, 0, s.kh * (wc + fw), 0, yi);
  }
  if (s.fence) {
    AddForce(sec, BodyLoad::kFenceWeight, s.fence_w, 0, s.fence_x - xc, 0);
    if (s.fence_p != 0) AddForce(sec, BodyLoad::kFenceLoad, 0, s.fence_p, 0, s.fence_y - y);
  }

  double n = 0, sh = 0, m = 0;
  for (int i = 0; i < sec.force_count; ++i) {
    const BodyForce& f = sec.forces[static_cast<std::size_t>(i)];
    n += f.v;
    sh += f.h;
    m += f.h * f.y - f.v * f.x;
  }
  sec.n = n;
  sec.s = sh;
  sec.m = m;
  sec.sigma1 = n / t + 6 * m / (t * t);
  sec.sigma2 = n / t - 6 * m / (t * t);
  sec.tau = sh / t;
  if (!AllFinite({n, sh, m, sec.sigma1, sec.sigma2, sec.tau, xg, yg})) {
    return Overflow("躯体の応力度");
  }
  return CalcStatus::Ok();
}

}  // namespace

bool BodyStressResult::AllOk() const {
  if (!status.ok() || sections.empty()) return false;
  return std::all_of(sections.begin(), sections.end(),
                     [](const BodySection& s) { return s.verdict.ok; });
}

CalcStatus ComputeBodyAllowables(const DesignCase& dc, const Selections& sel, BodyAllowables* out) {
  const bool road = sel.standard == Standard::kRoad;
  const double fc = dc.Cond[cond::kFc];
  const char* name = road ? "コンクリートの設計基準強度 σck" : "コンクリートの設計基準強度 Fc";
  if (!std::isfinite(fc)) return CalcStatus::BadInput(name);
  if (!(fc > 0)) {
    return Refuse(name,
                  std::string(name) +
                      " が入力されていないか 0 以下のため、躯体の許容応力度を計算できません。");
  }
  if (sel.standard == Standard::kNone) {
    return Refuse("躯体の許容応力度",
                  "設計基準が選ばれていないため、躯体の許容応力度を計算できません。");
  }
  BodyAllowables a;
  a.fc = fc;
  a.short_term = sel.load_case == LoadCase::kSeismic || IsShortTermFenceLoad(dc.FenceLoadType);
  if (road) {
    // Plain concrete of the road standard; in the seismic and the collision
    // cases compression and tension are raised by half, shear is not.
    a.rule = BodyAllowableRule::kRoad;
    a.compression_base = fc / 4;
    a.tension_base = fc / 80;
    a.shear_base = fc / 100 + 0.15;
    if (a.short_term) a.compression_factor = a.tension_factor = 1.5;
  } else {
    // The building standard's concrete: long-term compression Fc/3, tension
    // and shear Fc/30, for Fc above 21 the tension and shear of the notice
    // for such concrete, 0.49 + Fc/100, whose short-term value is 1.5 times
    // the long-term one; every other short-term value is twice the long-term.
    a.compression_base = fc / 3;
    a.compression_factor = a.short_term ? 2 : 1;
    if (fc > 21) {
      a.rule = BodyAllowableRule::kResidentialHigh;
      a.tension_base = a.shear_base = 0.49 + fc / 100;
      a.tension_factor = a.shear_factor = a.short_term ? 1.5 : 1;
    } else {
      a.rule = BodyAllowableRule::kResidential;
      a.tension_base = a.shear_base = fc / 30;
      a.tension_factor = a.shear_factor = a.short_term ? 2 : 1;
    }
  }
  a.compression = a.compression_base * a.compression_factor * kKnPerM2;
  a.tension = a.tension_base * a.tension_factor * kKnPerM2;
  a.shear = a.shear_base * a.shear_factor * kKnPerM2;
  if (!AllFinite({a.compression, a.tension, a.shear})) return Overflow("躯体の許容応力度");
  *out = a;
  return CalcStatus::Ok();
}

BodyVerdict JudgeBodySection(const BodySection& section, const BodyAllowables& allowable) {
  BodyVerdict v;
  v.compression = std::max({section.sigma1, section.sigma2, 0.0});
  v.tension = std::max({-section.sigma1, -section.sigma2, 0.0});
  const double shear = std::fabs(section.tau);
  v.compression_ratio = v.compression / allowable.compression;
  v.tension_ratio = v.tension / allowable.tension;
  v.shear_ratio = shear / allowable.shear;
  v.ratio = std::max({v.compression_ratio, v.tension_ratio, v.shear_ratio});
  v.compression_ok = v.compression <= allowable.compression;
  v.tension_ok = v.tension <= allowable.tension;
  v.shear_ok = shear <= allowable.shear;
  v.ok = v.compression_ok && v.tension_ok && v.shear_ok;
  return v;
}

BodyStressResult CheckBodyStress(const DesignCase& dc, const Selections& sel) {
  BodyStressResult r;
  r.status = ComputeBodyAllowables(dc, sel, &r.allowable);
  if (!r.status.ok()) return r;
  Setup s;
  r.status = PrepareSetup(dc, sel, &s);
  if (!r.status.ok()) return r;
  std::vector<BodySection> sections = Levels(dc, s);
  double worst = -1;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    BodySection& sec = sections[i];
    r.status = SectionForces(s, sec);
    if (!r.status.ok()) return r;
    sec.verdict = JudgeBodySection(sec, r.allowable);
    if (sec.verdict.ratio > worst) {
      worst = sec.verdict.ratio;
      r.governing = i;
    }
  }
  r.sections = std::move(sections);
  return r;
}

}  // namespace varnholt
