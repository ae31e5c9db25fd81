#include "calc/body_stress.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/keisan.h"
#include "calc/test_walls.h"
#include "calc/verdicts.h"

namespace varnholt {
namespace {

using testing::Options;
using testing::StandardWall;

constexpr double kPi = 3.14159;
double CosD(double deg) { return std::cos(deg * kPi / 180); }
double SinD(double deg) { return std::sin(deg * kPi / 180); }

// The body check after a successful calculation.
BodyStressResult Calculated(DesignCase& dc, const Selections& sel) {
  BodyStressResult body;
  const CalcStatus st = CalculateDesign(dc, sel, &body);
  EXPECT_TRUE(st.ok()) << st.Message();
  return body;
}

const BodySection* AtDepth(const BodyStressResult& r, double depth) {
  for (const BodySection& s : r.sections) {
    if (std::fabs(s.depth - depth) < 1e-9) return &s;
  }
  ADD_FAILURE() << "no section at depth " << depth;
  return nullptr;
}

struct Expected {
  double t, n, s, m;
};

void ExpectSection(const BodyStressResult& r, double depth, const Expected& e) {
  const BodySection* s = AtDepth(r, depth);
  if (!s) return;
  SCOPED_TRACE("depth " + std::to_string(depth));
  EXPECT_NEAR(s->t, e.t, 1e-9);
  EXPECT_NEAR(s->n, e.n, 1e-9);
  EXPECT_NEAR(s->s, e.s, 1e-9);
  EXPECT_NEAR(s->m, e.m, 1e-9);
  EXPECT_NEAR(s->sigma1, e.n / e.t + 6 * e.m / (e.t * e.t), 1e-7);
  EXPECT_NEAR(s->sigma2, e.n / e.t - 6 * e.m / (e.t * e.t), 1e-7);
  EXPECT_NEAR(s->tau, e.s / e.t, 1e-9);
}

// Rectangle 1.0 m wide (b = B = 1, f = 0), h 3.0, embedment 0.5 (H 3.5),
// crest 0.5 above the back ground (Hw 4.0); γc 23, γ 18, KA 0.3 entered,
// q 10, δ 20°: every value by hand.
TEST(BodyStress, RectangularWallOnLevelGroundByHand) {
  DesignCase dc = StandardWall();
  dc.Calc[calc::kCrestWidth] = 1;
  dc.Calc[calc::kBaseWidth] = 1;
  dc.Calc[calc::kFrontProj] = 0;
  dc.Calc[calc::kCrestAbove] = 0.5;
  dc.Cond[cond::kKA] = 0.3;
  dc.Cond[cond::kFc] = 18;
  const BodyStressResult r =
      Calculated(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  ASSERT_EQ(r.sections.size(), 12u);  // ten tenths, the back and the front ground
  const double c = CosD(20), s = SinD(20);

  // 0.4 m below the crest, above the back ground: the concrete only.
  ExpectSection(r, 0.4, {1.0, 23 * 0.4, 0, 0});
  // The back ground (0.5 m) is a section with no soil above it.
  EXPECT_TRUE(AtDepth(r, 0.5)->back_ground);
  EXPECT_EQ(AtDepth(r, 0.5)->z, 0);
  // 2.0 m: z = 1.5; PA = ½·0.3·18·1.5² = 6.075 at z/3 = 0.5, ΔPA = 0.3·10·1.5
  // = 4.5 at 0.75; both vertical parts on the back face, 0.5 behind the centre.
  {
    const double pa = 6.075, dpa = 4.5;
    const double n = 23 * 2.0 + (pa + dpa) * s;
    const double m = pa * c * 0.5 + dpa * c * 0.75 - (pa + dpa) * s * 0.5;
    ExpectSection(r, 2.0, {1.0, n, (pa + dpa) * c, m});
  }
  // The base: z = 3.5; PA = ½·0.3·18·3.5² = 33.075 at 7/6, ΔPA = 10.5 at 1.75.
  {
    const double pa = 33.075, dpa = 10.5;
    const double n = 23 * 4.0 + (pa + dpa) * s;
    const double m = pa * c * 3.5 / 3 + dpa * c * 1.75 - (pa + dpa) * s * 0.5;
    ExpectSection(r, 4.0, {1.0, n, (pa + dpa) * c, m});
    // The base section is the stability's own free body: N = ΣV, S = ΣH and
    // M = ΣV·e.
    EXPECT_NEAR(n, dc.Calc[calc::kSumV], 1e-9);
    EXPECT_NEAR((pa + dpa) * c, dc.Calc[calc::kSumH], 1e-9);
    EXPECT_NEAR(m, dc.Calc[calc::kSumV] * dc.Calc[calc::kE], 1e-9);
  }
  EXPECT_TRUE(AtDepth(r, 3.5)->front_ground);
  // Fc 18 under 宅地造成, normal case: 6.0, 0.6 and 0.6 N/mm².
  EXPECT_DOUBLE_EQ(r.allowable.compression, 6000);
  EXPECT_DOUBLE_EQ(r.allowable.tension, 600);
  EXPECT_DOUBLE_EQ(r.allowable.shear, 600);
  EXPECT_TRUE(r.AllOk());
}

// The free body of a battered section worked out as an engineer does: the
// front triangle, the rectangle under the crest and the back triangle above
// the section, the pressures with the coefficient of the case.
struct HandWall {
  double b, big_b, f, h, crest, gamma_c, gamma, ka, q, theta_delta;
  bool residential;
  double kh;           // 0 without the inertia force
  double fence_w = 0;  // fence at fence_x from the crest's front edge
  double fence_x = 0;
  double fence_p = 0;  // at fence_y above the crest
  double fence_y = 0;

  Expected At(double y) const {
    const double hw = h + crest;
    const double hb = hw - y;
    const double fb = f * hb / hw;                // front batter above y
    const double bb = (big_b - b - f) * hb / hw;  // back batter above y
    const double xf = f - fb;                     // front face at y
    const double t = fb + b + bb;
    const double xc = xf + t / 2;
    const double a1 = fb * hb / 2, a2 = b * hb, a3 = bb * hb / 2;
    const double w = gamma_c * (a1 + a2 + a3);
    const double xg =
        (a1 * (xf + 2 * f) / 3 + a2 * (f + b / 2) + a3 * (2 * (f + b) + f + b + bb) / 3) /
        (a1 + a2 + a3);
    const double yg = (a1 * hb / 3 + a2 * hb / 2 + a3 * hb / 3) / (a1 + a2 + a3);
    double n = w, s = 0, m = -w * (xg - xc);
    const double z = std::max(0.0, h - y);
    const double c = CosD(theta_delta), sn = SinD(theta_delta);
    const double x23 = f + b + bb * 2 / 3 - xc, x12 = f + b + bb / 2 - xc;
    if (residential) {
      const double pa = 0.5 * ka * gamma * z * z, dpa = ka * q * z;
      n += (pa + dpa) * sn;
      s += (pa + dpa) * c;
      m += pa * c * z / 3 + dpa * c * z / 2 - pa * sn * x23 - dpa * sn * x12;
    } else {
      const double pa = ka * q * z + 0.5 * ka * gamma * z * z;
      n += pa * sn;
      s += pa * c;
      m += pa * c * z / 3 - pa * sn * x23;
    }
    const double y_fence = hw + fence_y - y;
    s += kh * (w + fence_w) + fence_p;
    m += kh * w * yg + kh * fence_w * y_fence + fence_p * y_fence;
    n += fence_w;
    m -= fence_w * (f + fence_x - xc);
    return {t, n, s, m};
  }
};

// The standard battered wall (b 0.5, B 2.0, f 0.3, Hw 3.8) in the seismic
// case: method ② of 宅地造成 (KA 0.297 with the inertia force) and the road
// standard (KAE 0.452 in one pressure with the surcharge, and the inertia).
TEST(BodyStress, BatteredWallInTheSeismicCaseUnderEachStandard) {
  struct Row {
    Standard standard;
    SeismicMethod method;
    double ka;
  };
  for (const Row& row : {Row{Standard::kResidential, SeismicMethod::kK2, 0.297},
                         Row{Standard::kRoad, SeismicMethod::kD1, 0.452}}) {
    DesignCase dc = StandardWall();
    dc.Cond[cond::kKA] = row.ka;
    dc.Cond[cond::kKh] = 0.2;
    dc.Cond[cond::kFc] = 18;
    dc.Cond[cond::kCz] = 1;
    dc.Cond[cond::kKho] = 0.2;
    Selections sel = Options(row.standard, GroundShape::kLevel, LoadCase::kSeismic, row.method);
    const BodyStressResult r = Calculated(dc, sel);
    const double theta = dc.Calc[calc::kThetaDeg];
    const HandWall hand{0.5,
                        2.0,
                        0.3,
                        3.5,
                        0.3,
                        23,
                        18,
                        row.ka,
                        10,
                        theta + 20,
                        row.standard == Standard::kResidential,
                        0.2};
    for (double depth : {0.76, 2.28, 3.8}) {
      ExpectSection(r, depth, hand.At(3.8 - depth));
    }
    const BodySection& base = r.sections.back();
    EXPECT_NEAR(base.n, dc.Calc[calc::kSumV], 1e-9);
    EXPECT_NEAR(base.s, dc.Calc[calc::kSumH], 1e-9);
    EXPECT_NEAR(base.m, dc.Calc[calc::kSumV] * dc.Calc[calc::kE], 1e-9);
    EXPECT_TRUE(r.allowable.short_term);
  }
}

// A concentrated fence load of 5 kN/m at 1.0 m above the crest, a fence of
// 1.0 kN/m at 0.25 m behind the crest's front edge: a short-term case.
TEST(BodyStress, FenceLoadAtTheHeightsOfTheLoadSummary) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kFc] = 18;
  dc.FenceLoadType = "2";
  dc.FenceH = 1.2;
  dc.FenceX = 0.25;
  dc.FenceLoad = 5;
  dc.FenceP = 5;
  dc.FenceLoadY = 1.0;
  dc.FenceW = 1.0;
  const BodyStressResult r =
      Calculated(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  const double theta = dc.Calc[calc::kThetaDeg];
  HandWall hand{0.5, 2.0, 0.3, 3.5, 0.3, 23, 18, 0.297, 10, theta + 20, true, 0};
  hand.fence_w = 1.0;
  hand.fence_x = 0.25;
  hand.fence_p = 5;
  hand.fence_y = 1.0;
  for (double depth : {0.38, 1.9, 3.8}) ExpectSection(r, depth, hand.At(3.8 - depth));
  EXPECT_NEAR(r.sections.back().m, dc.Calc[calc::kSumV] * dc.Calc[calc::kE], 1e-9);
  // Short-term under 宅地造成 with Fc 18: twice the long-term values.
  EXPECT_TRUE(r.allowable.short_term);
  EXPECT_DOUBLE_EQ(r.allowable.compression, 12000);
  EXPECT_DOUBLE_EQ(r.allowable.tension, 1200);
}

// Raised soil: the wedge is cut at the section and searched over whole
// degrees again, written out here from the formulas.
TEST(BodyStress, RaisedSoilRerunsTheWedgeOnTheCutFace) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kFc] = 18;
  dc.Cond[cond::kBeta] = 30;
  dc.Calc[calc::kH0] = 1;
  Selections sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal);
  sel.slope_surcharge = SlopeSurcharge::kWithout;
  const BodyStressResult r = Calculated(dc, sel);
  const double th = dc.Calc[calc::kThetaDeg];
  const double h0 = 1, beta = 30, phi = 30, delta = 20, gamma = 18, q = 10;
  auto wedge = [&](double z, double om) {
    const double cot = std::tan((90 - om) * kPi / 180);
    const double b1 =
        (cot + std::tan(th * kPi / 180)) * z + (cot - std::tan((90 - beta) * kPi / 180)) * h0;
    const double w = gamma / (2 * CosD(th)) *
                         (CosD(om - th) * (z + h0) * (z + h0) / SinD(om) -
                          CosD(th - beta) * h0 * h0 / SinD(beta)) +
                     q * b1;
    return w * SinD(om - phi) / CosD(om - phi - delta - th);
  };
  for (double depth : {1.14, 2.66, 3.8}) {
    const double y = 3.8 - depth, z = 3.5 - y;
    int om = 1;
    while (om < 90 && !(wedge(z, om) > wedge(z, om + 1))) ++om;
    const double pa = wedge(z, om);
    const BodySection* s = AtDepth(r, depth);
    ASSERT_NE(s, nullptr);
    EXPECT_NEAR(s->omega, om, 1e-9);
    // Everything but the pressure as the coefficient walls take it.
    HandWall hand{0.5, 2.0, 0.3, 3.5, 0.3, 23, gamma, 0, 0, th + delta, false, 0};
    const Expected dry = hand.At(y);
    const double xc_to_face = 0.3 + 0.5 + (1.2 * depth / 3.8) * 2 / 3 - (0.3 * y / 3.8 + dry.t / 2);
    const Expected e{dry.t, dry.n + pa * SinD(th + delta), dry.s + pa * CosD(th + delta),
                     dry.m + pa * CosD(th + delta) * z / 3 - pa * SinD(th + delta) * xc_to_face};
    ExpectSection(r, depth, e);
  }
  // At the base the cut wedge is the wall's own, to the last bit.
  EXPECT_EQ(r.sections.back().forces[1].h, dc.PAXw);
  EXPECT_EQ(r.sections.back().forces[1].v, dc.PAYw);
}

TEST(BodyStress, AllowableStressesOfEachStandard) {
  struct Row {
    Standard standard;
    double fc;
    bool seismic;
    double compression, tension, shear;  // kN/m²
  };
  const Row rows[] = {
      {Standard::kResidential, 18, false, 6000, 600, 600},
      {Standard::kResidential, 21, true, 14000, 1400, 1400},
      // Above 21 tension and shear are 0.49 + Fc/100, 1.5 times in the short term.
      {Standard::kResidential, 24, false, 8000, 730, 730},
      {Standard::kResidential, 24, true, 16000, 1095, 1095},
      {Standard::kRoad, 18, false, 4500, 225, 330},
      {Standard::kRoad, 18, true, 6750, 337.5, 330},
      {Standard::kRoad, 24, false, 6000, 300, 390},
  };
  for (const Row& row : rows) {
    DesignCase dc;
    dc.Cond[cond::kFc] = row.fc;
    const Selections sel = Options(row.standard, GroundShape::kLevel,
                                   row.seismic ? LoadCase::kSeismic : LoadCase::kNormal);
    BodyAllowables a;
    ASSERT_TRUE(ComputeBodyAllowables(dc, sel, &a).ok());
    SCOPED_TRACE(row.fc);
    EXPECT_NEAR(a.compression, row.compression, 1e-9);
    EXPECT_NEAR(a.tension, row.tension, 1e-9);
    EXPECT_NEAR(a.shear, row.shear, 1e-9);
  }
}

TEST(BodyStress, VerdictCountsEqualityAsPassingAndNamesTheWorstRatio) {
  BodyAllowables a;
  a.compression = 100;
  a.tension = 10;
  a.shear = 20;
  BodySection s;
  s.sigma1 = 100;
  s.sigma2 = -10;
  s.tau = -20;
  BodyVerdict v = JudgeBodySection(s, a);
  EXPECT_TRUE(v.ok);
  EXPECT_DOUBLE_EQ(v.ratio, 1.0);
  s.sigma2 = -10.0001;
  v = JudgeBodySection(s, a);
  EXPECT_FALSE(v.tension_ok);
  EXPECT_TRUE(v.compression_ok && v.shear_ok);
  EXPECT_FALSE(v.ok);
  EXPECT_NEAR(v.ratio, 1.00001, 1e-12);
  // Both edges in compression: no tension to judge.
  s.sigma2 = 5;
  EXPECT_EQ(JudgeBodySection(s, a).tension, 0);
}

// A slender crest carrying a collision load: the wall is stable on its base
// (short-term criteria) but the concrete under the crest is overstressed in
// tension.
TEST(BodyStress, SlenderWallPassesStabilityButFailsTheBody) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kFc] = 18;
  dc.Cond[cond::kFe] = 250;
  dc.Cond[cond::kFeShort] = 375;
  dc.Calc[calc::kCrestWidth] = 0.3;
  dc.FenceLoadType = "2";
  dc.FenceH = 1.2;
  dc.FenceX = 0.15;
  dc.FenceLoad = dc.FenceP = 10;
  dc.FenceLoadY = 1.0;
  dc.FenceW = 0.5;
  Selections sel = Options(Standard::kRoad, GroundShape::kLevel, LoadCase::kNormal);
  sel.seismic_checks.overturn = SeismicOverturn::kF12;
  sel.seismic_checks.sliding = SeismicSliding::kF12;
  sel.seismic_checks.deduction = Deduction::kNoDeduct;
  const BodyStressResult r = Calculated(dc, sel);
  const StabilityVerdicts stability = JudgeStability(dc, sel);
  EXPECT_TRUE(stability.overturning.ok);
  EXPECT_TRUE(stability.bearing.ok);
  EXPECT_TRUE(stability.sliding.ok);
  EXPECT_FALSE(r.AllOk());
  EXPECT_FALSE(r.Governing().verdict.tension_ok);
  EXPECT_TRUE(r.Governing().back_ground);
  EXPECT_TRUE(r.sections.back().verdict.ok);
}

TEST(BodyStress, WhatCannotBeCheckedIsRefusedByName) {
  struct Row {
    const char* what;
    void (*change)(DesignCase&);
    const char* named;
  };
  const Row rows[] = {
      {"Fc empty", [](DesignCase& dc) { dc.Cond[cond::kFc] = 0; }, "コンクリートの設計基準強度 Fc"},
      {"Fc negative", [](DesignCase& dc) { dc.Cond[cond::kFc] = -18; },
       "コンクリートの設計基準強度 Fc"},
      {"pointed crest", [](DesignCase& dc) { dc.Calc[calc::kCrestWidth] = 0; }, "躯体の断面幅 t"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    DesignCase dc = StandardWall();
    dc.Cond[cond::kFc] = 18;
    row.change(dc);
    BodyStressResult body;
    const CalcStatus st = CalculateDesign(
        dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal), &body);
    EXPECT_FALSE(st.ok());
    EXPECT_EQ(st.quantity, row.named);
    EXPECT_NE(st.Message().find(row.named), std::string::npos);
    EXPECT_EQ(dc.Calc[calc::kSlidingF], 0);  // no valid result
    EXPECT_TRUE(body.sections.empty());
  }
}

}  // namespace
}  // namespace varnholt
