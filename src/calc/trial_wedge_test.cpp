#include "calc/trial_wedge.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/test_walls.h"

namespace varnholt {
namespace {

// H = 3, H0 = 1, β = 30°, φ = 30°, δ = 20°, γ = 18, q = 10, θ as given.
DesignCase RaisedSoil(double theta = 0) {
  DesignCase dc;
  dc.Calc[calc::kHWork] = 3;
  dc.Calc[calc::kH0] = 1;
  dc.Calc[calc::kThetaDeg] = theta;
  dc.Calc[calc::kSurcharge] = 10;
  dc.Cond[cond::kBeta] = 30;
  dc.Cond[cond::kPhi] = 30;
  dc.Cond[cond::kDelta] = 20;
  dc.Cond[cond::kGamma] = 18;
  return dc;
}

Selections Raised(LoadCase load_case, SlopeSurcharge surcharge,
                  SeismicMethod method = SeismicMethod::kNone,
                  Standard standard = Standard::kResidential) {
  Selections sel = testing::Options(standard, GroundShape::kRaisedSoil, load_case, method);
  sel.slope_surcharge = surcharge;
  return sel;
}

struct WedgeCase {
  const char* name;
  double theta, kh, kv;
  Selections sel;
  // Computed independently (python, π = 3.14159).
  int omega_tenths;
  double pa_max, b1, w, t1, pax, pay;
};

const WedgeCase kWedges[] = {
    {"normal, slope without surcharge", 0, 0, 0,
     Raised(LoadCase::kNormal, SlopeSurcharge::kWithout), 510, 41.609761355221025,
     1.5070850554696866, 116.09145740743274, 12.956564449156303, 39.100389894188325,
     14.231365013971793},
    {"normal, slope with surcharge", 0, 0, 0, Raised(LoadCase::kNormal, SlopeSurcharge::kWith), 530,
     48.15151778311164, 1.2821655101731184, 123.06561422306831, 12.056884401829139,
     45.247630796141756, 16.468775672567798},
    {"normal, leaning back face", 5.710597961035389, 0, 0,
     Raised(LoadCase::kNormal, SlopeSurcharge::kWithout), 530, 47.81844578183533,
     1.5821655101731182, 122.24514152852258, 13.589107882218695, 43.08427412439108,
     20.744856715934446},
    {"seismic ①, Kh 0.2", 0, 0.2, 0,
     Raised(LoadCase::kSeismic, SlopeSurcharge::kWithout, SeismicMethod::kK1), 400,
     68.77545720045137, 3.0349599649048136, 186.37384931057113, 19.068080316799318,
     64.62779655791722, 23.52257267391432},
    {"road seismic, Kh 0.2 Kv 0.1", 0, 0.2, 0.1,
     Raised(LoadCase::kSeismic, SlopeSurcharge::kWithout, SeismicMethod::kD1, Standard::kRoad), 390,
     72.64117087286454, 3.2075337630904786, 194.31226402983165, 19.758377732066414,
     68.26037955978256, 24.844723547166325},
};

TEST(TrialWedge, ChosenAngleAndPressure) {
  for (const WedgeCase& c : kWedges) {
    DesignCase dc = RaisedSoil(c.theta);
    dc.Cond[cond::kKh] = c.kh;
    dc.Cond[cond::kKv] = c.kv;
    const CalcStatus s = ComputeTrialWedge(dc, c.sel);
    ASSERT_TRUE(s.ok()) << c.name << ": " << s.Message();
    EXPECT_EQ(dc.OmegaMax, 0.1 * c.omega_tenths) << c.name;
    EXPECT_NEAR(dc.PAmax, c.pa_max, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kB1], c.b1, 1e-12) << c.name;
    EXPECT_NEAR(dc.WedgeW, c.w, 1e-11) << c.name;
    EXPECT_NEAR(dc.WedgeT1, c.t1, 1e-12) << c.name;
    EXPECT_NEAR(dc.PAXw, c.pax, 1e-11) << c.name;
    EXPECT_NEAR(dc.PAYw, c.pay, 1e-11) << c.name;
  }
}

TEST(TrialWedge, WorkedExampleToTheFiguresAnEngineerChecks) {
  DesignCase dc = RaisedSoil();
  ASSERT_TRUE(ComputeTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout)).ok());
  EXPECT_EQ(std::round(dc.OmegaMax), 51);
  EXPECT_EQ(std::round(dc.PAmax * 100) / 100, 41.61);
  EXPECT_EQ(std::round(dc.Calc[calc::kB1] * 1000) / 1000, 1.507);
  EXPECT_EQ(std::round(dc.WedgeW * 100) / 100, 116.09);
  EXPECT_EQ(dc.Calc[calc::kB2], 0.0);  // b2 only with surcharge on the slope

  DesignCase with = RaisedSoil();
  ASSERT_TRUE(ComputeTrialWedge(with, Raised(LoadCase::kNormal, SlopeSurcharge::kWith)).ok());
  EXPECT_EQ(std::round(with.OmegaMax), 53);
  EXPECT_EQ(std::round(with.PAmax * 100) / 100, 48.15);
  // b2 = H0·cot β = cot 30° (π = 3.14159)
  EXPECT_NEAR(with.Calc[calc::kB2], 1.732047269454573, 1e-13);
}

TEST(TrialWedge, WithoutRaisedSoilTheCoulombPlaneIsFound) {
  // H0 = 0, θ = δ = 0, q = 0, φ = 30°: ω = 45° + φ/2 and PAmax = ½γH²tan²30°.
  DesignCase dc = RaisedSoil();
  dc.Calc[calc::kHWork] = 4;
  dc.Calc[calc::kH0] = 0;
  dc.Cond[cond::kBeta] = 20;
  dc.Cond[cond::kDelta] = 0;
  dc.Calc[calc::kSurcharge] = 0;
  ASSERT_TRUE(ComputeTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout)).ok());
  EXPECT_EQ(dc.WedgeT2, 0.0);
  EXPECT_EQ(dc.OmegaMax, 0.1 * 600);
  EXPECT_NEAR(dc.PAmax, 0.5 * 18 * 16 / 3, 1e-3);  // tan²30° = 1/3
  EXPECT_NEAR(dc.PAmax, 48.000049025587465, 1e-11);
}

TEST(TrialWedge, TableMatchesTheFormulaAtEveryAngle) {
  for (double theta : {0.0, 5.710597961035389, -3.0}) {
    for (LoadCase lc : {LoadCase::kNormal, LoadCase::kSeismic}) {
      DesignCase dc = RaisedSoil(theta);
      dc.Cond[cond::kKh] = 0.15;
      const Selections sel = Raised(lc, SlopeSurcharge::kWith, SeismicMethod::kK1);
      TrialWedge tw;
      ASSERT_TRUE(PrepareTrialWedge(dc, sel, &tw).ok());
      ASSERT_TRUE(ComputeTrialWedge(dc, sel).ok());
      for (int i = 1; i <= kWedgeEntries; ++i) {
        const auto k = static_cast<size_t>(i);
        WedgeAtOmega at;
        ASSERT_TRUE(EvaluateWedge(tw, 0.1 * i, &at).ok());
        ASSERT_EQ(dc.WedgeOmega[k], 0.1 * i);
        ASSERT_EQ(dc.WedgeP[k], at.p) << "θ " << theta << " entry " << i;
      }
      EXPECT_EQ(dc.WedgeOmega[0], 0.0);
      EXPECT_EQ(dc.WedgeP[0], 0.0);  // index 0 is never written
    }
  }
}

TEST(TrialWedge, SeismicAngleIsStoredOnlyInTheSeismicCase) {
  DesignCase dc = RaisedSoil();
  dc.Cond[cond::kKh] = 0.2;
  dc.Cond[cond::kThetaKDeg] = -1;
  ASSERT_TRUE(ComputeTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout)).ok());
  EXPECT_EQ(dc.Cond[cond::kThetaKDeg], -1.0);
  ASSERT_TRUE(ComputeTrialWedge(
                  dc, Raised(LoadCase::kSeismic, SlopeSurcharge::kWithout, SeismicMethod::kK1))
                  .ok());
  EXPECT_NEAR(dc.Cond[cond::kThetaKDeg], 11.30994202711956, 1e-12);
  EXPECT_EQ(dc.Cond[cond::kThetaKRad], std::atan(0.2));
}

TEST(TrialWedge, MethodTwoTakesTheNormalPressure) {
  DesignCase normal = RaisedSoil();
  ASSERT_TRUE(ComputeTrialWedge(normal, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout)).ok());
  DesignCase two = RaisedSoil();
  two.Cond[cond::kKh] = 0.2;
  ASSERT_TRUE(ComputeTrialWedge(
                  two, Raised(LoadCase::kSeismic, SlopeSurcharge::kWithout, SeismicMethod::kK2))
                  .ok());
  EXPECT_EQ(two.WedgeP, normal.WedgeP);
  EXPECT_EQ(two.PAmax, normal.PAmax);
  EXPECT_NEAR(two.Cond[cond::kThetaKDeg], 11.30994202711956, 1e-12);
  // Under the road standard the method is not read: a left-over ② keeps θk.
  DesignCase road = RaisedSoil();
  road.Cond[cond::kKh] = 0.2;
  ASSERT_TRUE(ComputeTrialWedge(road, Raised(LoadCase::kSeismic, SlopeSurcharge::kWithout,
                                             SeismicMethod::kK2, Standard::kRoad))
                  .ok());
  EXPECT_NEAR(road.PAmax, 68.77545720045137, 1e-11);
}

TEST(TrialWedge, NeitherLoadCaseLeavesThePressuresAsTheyWere) {
  DesignCase dc = RaisedSoil();
  for (int i = 1; i <= kWedgeEntries; ++i) {
    dc.WedgeP[static_cast<size_t>(i)] = i <= 250 ? i : 500 - i;  // a peak at 25°
  }
  ASSERT_TRUE(ComputeTrialWedge(dc, Raised(LoadCase::kNone, SlopeSurcharge::kWithout)).ok());
  EXPECT_EQ(dc.WedgeP[900], -400.0);
  EXPECT_EQ(dc.OmegaMax, 0.1 * 250);
  EXPECT_EQ(dc.PAmax, 250.0);
}

TEST(TrialWedge, NoSlopeOptionKeepsTheWeight) {
  DesignCase dc = RaisedSoil();
  dc.WedgeW = 100;
  const CalcStatus s = ComputeTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kNone));
  EXPECT_EQ(dc.WedgeW, 100.0);
  // Every pressure is formed with the kept W = 100: P = 100·sin(ω−30°)/cos(ω−50°).
  EXPECT_EQ(dc.WedgeP[500], 100 * std::sin((0.1 * 500 - 30) * 3.14159 / 180) /
                                std::cos((0.1 * 500 - 30 - 20) * 3.14159 / 180));
  // With a constant weight that pressure keeps rising up to 90°.
  EXPECT_EQ(s.quantity, "最大土圧 PAmax");
}

// ---- Doatu ---------------------------------------------------------------

TEST(Doatu, FirstStrictDecreaseOverWholeDegrees) {
  DesignCase dc = RaisedSoil();
  for (int i = 1; i <= kWedgeEntries; ++i) dc.WedgeOmega[static_cast<size_t>(i)] = 0.1 * i;
  // Rising to 30°, a tie 30°/31°, falling after 31°; a dip between whole
  // degrees (at 10.5°) is never looked at.
  for (int i = 1; i <= kWedgeEntries; ++i) {
    dc.WedgeP[static_cast<size_t>(i)] = i <= 300 ? i : (i <= 310 ? 300 : 600 - i);
  }
  dc.WedgeP[105] = -1000;
  ASSERT_TRUE(Doatu(dc));
  EXPECT_EQ(dc.OmegaMax, 0.1 * 310);  // the tie moved the scan on by a degree
  EXPECT_EQ(dc.PAmax, 300.0);
  // b1 and WedgeT1 at ω = 31°.
  const double cot31 = std::tan((90 - 0.1 * 310) * 3.14159 / 180);
  const double cot30 = std::tan(60 * 3.14159 / 180);
  EXPECT_NEAR(dc.Calc[calc::kB1], cot31 * 3 + (cot31 - cot30) * 1, 1e-13);
  EXPECT_NEAR(dc.WedgeT1,
              std::cos(0.1 * 310 * 3.14159 / 180) * 16 / std::sin(0.1 * 310 * 3.14159 / 180),
              1e-12);
}

TEST(Doatu, PressureRisingToNinetyDegreesChoosesNothing) {
  DesignCase dc = RaisedSoil();
  for (int i = 1; i <= kWedgeEntries; ++i) dc.WedgeP[static_cast<size_t>(i)] = i;
  dc.PAmax = 12.5;
  dc.OmegaMax = 44;
  dc.Calc[calc::kB1] = 7;
  EXPECT_FALSE(Doatu(dc));
  EXPECT_EQ(dc.PAmax, 12.5);
  EXPECT_EQ(dc.OmegaMax, 44.0);
  EXPECT_EQ(dc.Calc[calc::kB1], 7.0);
}

// ---- failures --------------------------------------------------------------

TEST(TrialWedge, NoMaximumIsAFailureNotAnOldPressure) {
  // θ = 60°, φ = 30°, δ = 0, no raised soil: P grows all the way to 90°.
  DesignCase dc = RaisedSoil(60);
  dc.Calc[calc::kH0] = 0;
  dc.Cond[cond::kDelta] = 0;
  dc.PAmax = 12.5;  // from an earlier design
  const CalcStatus s = ComputeTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout));
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.Message().find("最大値が定まらないため、最大土圧 PAmax を計算できません。"),
            std::string::npos)
      << s.Message();
  EXPECT_EQ(dc.PAmax, 12.5);
  EXPECT_TRUE(testing::AllSlotsFinite(dc));
}

struct WedgeFailure {
  const char* name;
  double beta, phi, delta, theta, kv;
  LoadCase load_case;
  const char* message;
};

const WedgeFailure kWedgeFailures[] = {
    {"sin β = 0", 0, 30, 20, 0, 0, LoadCase::kNormal,
     "地平面と水平面とのなす角度 β が 0° のため sin β が 0 となり、試行くさびの重量 W "
     "を計算できません。"},
    {"β = 180°", 180, 30, 20, 0, 0, LoadCase::kNormal, "sin β が 0"},
    {"cos(ω − φ − δ − θ) = 0 at ω = 0.5°", 30, 60, 30.5, 0, 0, LoadCase::kNormal,
     "ω－φ－δ－θ が 90° となり cos(ω－φ－δ－θ) が 0 のため"},
    {"Kv = 1", 30, 30, 20, 0, 1, LoadCase::kSeismic, "設計鉛直震度 Kv が 1 のため"},
};

TEST(TrialWedge, ZeroDivisorsAreReportedAndLeaveNoNonFiniteValue) {
  for (const WedgeFailure& f : kWedgeFailures) {
    DesignCase dc = RaisedSoil(f.theta);
    dc.Cond[cond::kBeta] = f.beta;
    dc.Cond[cond::kPhi] = f.phi;
    dc.Cond[cond::kDelta] = f.delta;
    dc.Cond[cond::kKv] = f.kv;
    dc.Cond[cond::kKh] = 0.2;
    const CalcStatus s =
        ComputeTrialWedge(dc, Raised(f.load_case, SlopeSurcharge::kWithout, SeismicMethod::kK1));
    EXPECT_FALSE(s.ok()) << f.name;
    EXPECT_NE(s.Message().find(f.message), std::string::npos) << f.name << ": " << s.Message();
    EXPECT_TRUE(testing::AllSlotsFinite(dc)) << f.name;
  }
}

TEST(TrialWedge, SlipAngleOfZeroIsRefused) {
  DesignCase dc = RaisedSoil();
  TrialWedge tw;
  ASSERT_TRUE(PrepareTrialWedge(dc, Raised(LoadCase::kNormal, SlopeSurcharge::kWithout), &tw).ok());
  for (double omega : {0.0, 180.0}) {
    WedgeAtOmega at;
    const CalcStatus s = EvaluateWedge(tw, omega, &at);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.Message(),
              "すべり面の角度 ω が 0° のため sin ω が 0 となり、試行くさびの重量 W "
              "を計算できません。\n入力値を確認してください。");
    EXPECT_EQ(at.p, 0.0);
  }
}

}  // namespace
}  // namespace varnholt
