#include "calc/keisan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "calc/test_walls.h"

namespace varnholt {
namespace {

using testing::AllSlotsFinite;
using testing::Options;
using testing::StandardWall;

// Relative agreement with values computed independently (python, the same
// formulas from the rules, π = 3.14159).
void ExpectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-11 * std::max(1.0, std::fabs(expected))) << what;
}

struct Expected {
  double w, sum_v, mr, mo, f, d, e, sigma_max, sigma_min, x, sum_h, rh, fs;
};

void ExpectTotals(const DesignCase& dc, const Expected& ex) {
  ExpectClose(dc.Calc[calc::kWeight], ex.w, "W");
  ExpectClose(dc.Calc[calc::kSumV], ex.sum_v, "ΣV");
  ExpectClose(dc.Calc[calc::kMr], ex.mr, "Mr");
  ExpectClose(dc.Calc[calc::kMo], ex.mo, "Mo");
  ExpectClose(dc.Calc[calc::kOverturnF], ex.f, "F");
  ExpectClose(dc.Calc[calc::kD], ex.d, "d");
  ExpectClose(dc.Calc[calc::kE], ex.e, "e");
  ExpectClose(dc.Calc[calc::kSigmaMax], ex.sigma_max, "σmax");
  ExpectClose(dc.Calc[calc::kSigmaMin], ex.sigma_min, "σmin");
  ExpectClose(dc.Calc[calc::kPressureLength], ex.x, "X");
  ExpectClose(dc.Calc[calc::kSumH], ex.sum_h, "ΣH");
  ExpectClose(dc.Calc[calc::kRH], ex.rh, "RH");
  ExpectClose(dc.Calc[calc::kSlidingF], ex.fs, "Fs");
}

TEST(Keisan, LevelGroundResidentialNormalCase) {
  DesignCase dc = StandardWall();
  const CalcStatus s =
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  ASSERT_TRUE(s.ok()) << s.Message();
  ExpectClose(dc.Calc[calc::kThetaDeg], 17.52558317694969, "θ");
  ExpectClose(dc.Calc[calc::kPAX], 25.968868065196467, "PAX");
  ExpectClose(dc.Calc[calc::kPAY], 19.94501941525551, "PAY");
  ExpectClose(dc.Calc[calc::kDeltaPAX], 8.24408510006237, "ΔPAX");
  ExpectClose(dc.Calc[calc::kDeltaPAY], 6.331752195319209, "ΔPAY");
  ExpectTotals(dc,
               {109.25, 135.5267716105747, 130.3614841378557, 44.72416166783836, 2.9147887691229797,
                0.6318849143406833, 0.3681150856593167, 142.98676708873487, 0, 1.8956547430220498,
                34.21295316525884, 67.76338580528736, 1.9806353891162172});
  EXPECT_TRUE(AllSlotsFinite(dc));
}

TEST(Keisan, UniformSlopeRoadSeismicCase) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kBeta] = 10;
  dc.Cond[cond::kKA] = 0.452;
  dc.Cond[cond::kKh] = 0.2;
  const CalcStatus s = Keisan(dc, Options(Standard::kRoad, GroundShape::kUniformSlope,
                                          LoadCase::kSeismic, SeismicMethod::kD1));
  ASSERT_TRUE(s.ok()) << s.Message();
  ExpectClose(dc.Calc[calc::kPAHX], 52.06819808315487, "PAX");
  ExpectClose(dc.Calc[calc::kPAHY], 39.99023827602617, "PAY");
  ExpectTotals(dc, {109.25, 149.24023827602616, 153.56938124164185, 93.958231097014,
                    1.6344430865570252, 0.39943081593299584, 0.6005691840670042, 249.08817300843256,
                    0, 1.1982924477989874, 73.91819808315486, 74.62011913801308, 1.00949591674392});
}

TEST(Keisan, RaisedSoilResidentialNormalCase) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kBeta] = 30;
  dc.Calc[calc::kH0] = 1;
  Selections sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal);
  sel.slope_surcharge = SlopeSurcharge::kWithout;
  const CalcStatus s = Keisan(dc, sel);
  ASSERT_TRUE(s.ok()) << s.Message();
  EXPECT_EQ(dc.OmegaMax, 0.1 * 570);
  ExpectClose(dc.PAmax, 83.31640042448639, "PAmax");
  ExpectClose(dc.Calc[calc::kB1], 2.29554694536168, "b1");
  ExpectClose(dc.WedgeW, 180.43227417140326, "W");
  ExpectClose(dc.PAXw, 66.07671912749768, "PAXw");
  ExpectClose(dc.PAYw, 50.74928343375045, "PAYw");
  ExpectTotals(dc,
               {109.25, 159.99928343375046, 170.7838534940007, 77.0895056487473, 2.2153969214975233,
                0.5855922966308073, 0.41440770336919275, 182.15094284801094, 0, 1.7567768898924219,
                66.07671912749768, 79.99964171687523, 1.2107084427498997});
}

TEST(Keisan, RaisedSoilRoadSeismicUsesSeismicWedgeAndInertia) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kBeta] = 30;
  dc.Calc[calc::kH0] = 1;
  dc.Cond[cond::kKh] = 0.2;
  dc.Cond[cond::kKv] = 0.1;
  Selections sel =
      Options(Standard::kRoad, GroundShape::kRaisedSoil, LoadCase::kSeismic, SeismicMethod::kD1);
  sel.slope_surcharge = SlopeSurcharge::kWith;
  const CalcStatus s = Keisan(dc, sel);
  ASSERT_TRUE(s.ok()) << s.Message();
  ExpectClose(dc.Cond[cond::kThetaKDeg], 12.528818291791595, "θk");
  EXPECT_EQ(dc.OmegaMax, 0.1 * 430);
  ExpectClose(dc.PAmax, 139.20772792363368, "PAmax");
  ExpectClose(dc.WedgeW, 293.8706554108744, "W");
  // The road resultants are computed from Cond[6] but not used.
  ExpectClose(dc.Calc[calc::kPAHX], 34.21295316525884, "PAX from KA");
  ExpectTotals(dc, {109.25, 194.04353890195927, 225.25466224313487, 162.0156313792104,
                    1.3903267254250828, 0.325901244750417, 0.674098755249583, 396.93729726942786, 0,
                    0.9777037342512511, 132.25311261075177, 97.02176945097963, 0.7336066995756443});
}

// Method ② of the residential standard: the wedge takes the normal pressure
// (no θk in P), the inertia force of the wall is added, θk is still stored.
TEST(Keisan, RaisedSoilMethodTwoUsesNormalWedgePlusInertia) {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kBeta] = 30;
  dc.Calc[calc::kH0] = 1;
  dc.Cond[cond::kKh] = 0.2;
  Selections sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kSeismic,
                           SeismicMethod::kK2);
  sel.slope_surcharge = SlopeSurcharge::kWith;
  const CalcStatus s = Keisan(dc, sel);
  ASSERT_TRUE(s.ok()) << s.Message();
  ExpectClose(dc.Cond[cond::kThetaKDeg], 11.30994202711956, "θk stored for the report");
  EXPECT_EQ(dc.OmegaMax, 0.1 * 590);
  ExpectClose(dc.PAmax, 91.53528431422727, "PAmax (normal wedge)");
  ExpectTotals(dc, {109.25, 165.005530293966, 178.79384847034555, 117.90612722164914,
                    1.5164084571638496, 0.3690041245297763, 0.6309958754702236, 298.1096403809095,
                    0, 1.1070123735893291, 94.44496618998497, 82.502765146983, 0.873553863961589});

  // The same wall in the normal case has exactly the same wedge.
  DesignCase normal = StandardWall();
  normal.Cond[cond::kBeta] = 30;
  normal.Calc[calc::kH0] = 1;
  sel.load_case = LoadCase::kNormal;
  sel.seismic_method = SeismicMethod::kNone;
  ASSERT_TRUE(Keisan(normal, sel).ok());
  EXPECT_EQ(normal.WedgeP, dc.WedgeP);
  EXPECT_EQ(normal.PAmax, dc.PAmax);
  // ...and method ② exceeds it only by the inertia force 0.2·W.
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kSumH] - normal.Calc[calc::kSumH], 0.2 * 109.25);

  // Method ① keeps the seismic wedge, so the comparison of ① and ② means
  // something: its pressure is larger than the normal one.
  DesignCase one = StandardWall();
  one.Cond[cond::kBeta] = 30;
  one.Calc[calc::kH0] = 1;
  one.Cond[cond::kKh] = 0.2;
  sel.load_case = LoadCase::kSeismic;
  sel.seismic_method = SeismicMethod::kK1;
  ASSERT_TRUE(Keisan(one, sel).ok());
  EXPECT_GT(one.PAmax, dc.PAmax * 1.2);
  EXPECT_NE(one.WedgeP, dc.WedgeP);
}

// ---- failures: each names its cause and leaves no valid result ----------

struct FailureCase {
  const char* name;
  void (*prepare)(DesignCase&, Selections&);
  const char* message_part;
};

const FailureCase kFailures[] = {
    {"Kv = 1 in the seismic wedge",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kSeismic,
                     SeismicMethod::kK1);
       dc.Cond[cond::kBeta] = 30;
       dc.Calc[calc::kH0] = 1;
       dc.Cond[cond::kKh] = 0.2;
       dc.Cond[cond::kKv] = 1;
     },
     "設計鉛直震度 Kv が 1 のため"},
    {"sin β = 0 in the wedge",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal);
       dc.Cond[cond::kBeta] = 0;
       dc.Calc[calc::kH0] = 1;
     },
     "β が 0° のため sin β が 0"},
    {"Mo = 0",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Cond[cond::kKA] = 0;
     },
     "転倒モーメント Mo が 0 のため、転倒安全率 F を計算できません。"},
    // Sizes no wall can have are refused by name before any step; the zero
    // divisors they used to reach are tested step by step.
    {"negative fence weight",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.FenceLoadType = "0";
       dc.FenceW = -109.25;
     },
     "フェンス等の自重 が負の値（-109.25）のため、計算できません。"},
    {"B typed as -1abc",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kBaseWidth] = -1;
     },
     "底版幅 B が負の値（-1）のため、計算できません。"},
    {"crest and front wider than the base",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kBaseWidth] = 1;
       dc.Calc[calc::kCrestWidth] = 0.6;
       dc.Calc[calc::kFrontProj] = 0.5;
     },
     "底版幅 B（1）が天端幅 b と前面の水平長さの和（1.1）より小さく、背面が底版の外へ張り出す断面"},
    {"negative surcharge",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kSurcharge] = -10;
     },
     "上載荷重 q が負の値（-10）"},
    {"ΣH = 0",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       DesignCase first = dc;
       Keisan(first, sel);
       // A fence load that balances the earth pressure exactly: Mo ≠ 0, ΣH = 0.
       dc.FenceLoadType = "2";
       dc.FenceLoadY = 1;
       dc.FenceP = -first.Calc[calc::kSumH];
     },
     "水平力の総和 ΣH が 0 のため、滑動安全率 Fs を計算できません。"},
    {"input 1e999",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kSurcharge] = std::numeric_limits<double>::infinity();
     },
     "入力値「上載荷重 q」が数値として大きすぎるため"},
    {"cos(ω − φ − δ − θ) = 0 in the wedge",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal);
       sel.slope_surcharge = SlopeSurcharge::kWithout;
       dc.Cond[cond::kBeta] = 30;
       dc.Calc[calc::kH0] = 1;
       dc.Calc[calc::kBaseWidth] = 0.8;  // θ = 0
       dc.Cond[cond::kPhi] = 60;
       dc.Cond[cond::kDelta] = 30.5;  // ω − φ − δ = −90° at ω = 0.5°
     },
     "cos(ω－φ－δ－θ) が 0 のため"},
    {"φ typed as 1e999",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kRoad, GroundShape::kUniformSlope, LoadCase::kNormal);
       dc.Cond[cond::kPhi] = std::numeric_limits<double>::infinity();
     },
     "入力値「内部摩擦角 φ」が数値として大きすぎるため"},
    {"fence weight typed as 1e999",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kRoad, GroundShape::kUniformSlope, LoadCase::kNormal);
       dc.FenceLoadType = "0";
       dc.FenceW = std::numeric_limits<double>::infinity();
     },
     "入力値「フェンス等の寸法・荷重」"},
    {"H = h + embedment overflowing",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kHeightH] = 1e308;
       dc.Calc[calc::kEmbedment] = 1e308;
       dc.Calc[calc::kH] = dc.Calc[calc::kHeightH] + dc.Calc[calc::kEmbedment];
     },
     "入力値「土圧の高さ H（h＋根入れ深さ）」が数値として大きすぎるため"},
    {"a dimension too large to square",
     [](DesignCase& dc, Selections& sel) {
       sel = Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
       dc.Calc[calc::kHeightH] = 1e200;
       dc.Calc[calc::kH] = 1e200;
     },
     "の値が大きくなりすぎるため"},
};

TEST(Keisan, EveryFailureNamesItsCauseAndLeavesNoValidResult) {
  for (const FailureCase& fc : kFailures) {
    DesignCase dc = StandardWall();
    dc.Calc[calc::kSlidingF] = 1.7;  // a result of an earlier calculation
    Selections sel;
    fc.prepare(dc, sel);
    const CalcStatus s = Keisan(dc, sel);
    EXPECT_FALSE(s.ok()) << fc.name;
    EXPECT_NE(s.Message().find(fc.message_part), std::string::npos)
        << fc.name << ": " << s.Message();
    EXPECT_EQ(dc.Calc[calc::kSlidingF], 0.0) << fc.name;
    if (s.failure != CalcFailure::kBadInput) {
      EXPECT_TRUE(AllSlotsFinite(dc)) << fc.name;
    }
  }
}

// A rectangular wall 1 m wide and 4 m high with γc = 2: W = 8 at x = 0.5,
// no earth pressure (KA = 0), and a fence whose numbers are all exact.
DesignCase RectangularWall() {
  DesignCase dc = StandardWall();
  dc.Cond[cond::kKA] = 0;
  dc.Cond[cond::kDelta] = 0;
  dc.Cond[cond::kGammaC] = 2;
  dc.Calc[calc::kCrestWidth] = 1;
  dc.Calc[calc::kFrontProj] = 0;
  dc.Calc[calc::kBaseWidth] = 1;
  dc.Calc[calc::kCrestAbove] = 0.5;  // Hw = 3 + 0.5 + 0.5 = 4
  dc.FenceLoadType = "2";
  dc.FenceLoadY = 0;  // the fence load acts at Hw = 4
  dc.FenceX = 1;      // the fence weight acts at x = 1
  return dc;
}

TEST(Keisan, ResultantOnTheBaseEdgeIsReported) {
  // Mr = 8·0.5 = 4 = Mo = 1·4: d = 0, e = B/2, no base in contact.
  DesignCase dc = RectangularWall();
  dc.FenceP = 1;
  dc.Calc[calc::kSlidingF] = 1.7;
  const CalcStatus s =
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  ASSERT_EQ(dc.Calc[calc::kMr], 4.0);
  ASSERT_EQ(dc.Calc[calc::kMo], 4.0);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.Message(),
            "偏心距離 e が底版幅の 1/2 (|e|＝B/2) で底版が接地しないため、最大接地圧 σmax "
            "を計算できません。\n入力値を確認してください。");
  EXPECT_EQ(dc.Calc[calc::kSlidingF], 0.0);
  EXPECT_TRUE(AllSlotsFinite(dc));
}

TEST(Keisan, CentredResultantIsAnOrdinaryWall) {
  // Fence weight 2 at x = 1: ΣV = 10, Mr = 4 + 2 = 6; fence load 0.25 at 4:
  // Mo = 1. d = 5/10 = 0.5 = B/2, so e = 0 exactly.
  DesignCase dc = RectangularWall();
  dc.FenceW = 2;
  dc.FenceP = 0.25;
  const CalcStatus s =
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  ASSERT_TRUE(s.ok()) << s.Message();
  ASSERT_EQ(dc.Calc[calc::kE], 0.0);
  EXPECT_EQ(dc.Calc[calc::kOverturnF], 6.0);
  EXPECT_EQ(dc.Calc[calc::kSigmaMax], 10.0);
  EXPECT_EQ(dc.Calc[calc::kSigmaMin], 10.0);
  EXPECT_EQ(dc.Calc[calc::kPressureLength], 0.0);  // unbounded, stored as 0
  EXPECT_EQ(dc.Calc[calc::kSlidingF], 20.0);       // 10·0.5/0.25
  EXPECT_TRUE(AllSlotsFinite(dc));
}

TEST(Keisan, VerticalBackFaceIsAWallWhateverTheBinarySum) {
  // 0.30 + 0.27 comes out above 0.57 in binary; the section is buildable.
  DesignCase dc = StandardWall();
  dc.Calc[calc::kCrestWidth] = 0.30;
  dc.Calc[calc::kFrontProj] = 0.27;
  dc.Calc[calc::kBaseWidth] = 0.57;
  ASSERT_GT(0.30 + 0.27, 0.57);
  const CalcStatus s =
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  EXPECT_TRUE(s.ok()) << s.Message();
}

TEST(Keisan, UnusedSlotsOfOtherWindowsDoNotBlockTheDesign) {
  // Left over from earlier work in windows the current options do not use.
  DesignCase dc = StandardWall();
  dc.Calc[calc::kH0] = std::numeric_limits<double>::infinity();
  dc.Calc[calc::kKeyHeight] = std::numeric_limits<double>::infinity();
  dc.Cond[cond::kKho] = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal)).ok());
  // Under 嵩上げ土 the coefficient of the other dimension window is not used,
  // not even by the road resultants that are computed from it.
  dc = StandardWall();
  dc.Cond[cond::kKA] = std::numeric_limits<double>::infinity();
  dc.Cond[cond::kBeta] = 30;
  dc.Calc[calc::kH0] = 1;
  Selections sel = Options(Standard::kRoad, GroundShape::kRaisedSoil, LoadCase::kNormal);
  sel.slope_surcharge = SlopeSurcharge::kWithout;
  const CalcStatus s = Keisan(dc, sel);
  EXPECT_TRUE(s.ok()) << s.Message();
  EXPECT_TRUE(std::isfinite(dc.Calc[calc::kPAH]));
  // The same values are refused where they are used.
  dc = StandardWall();
  dc.Cond[cond::kKA] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(
      Keisan(dc, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal)).quantity,
      "主働土圧係数");
}

// Random designs, sensible and absurd: whatever happens, nothing stops the
// program, no slot holds a NaN or an infinity, and a failure leaves Fs at 0.
TEST(Keisan, RandomDesignsNeverLeaveNonFiniteSlots) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> u(0, 1);
  const double specials[] = {0, -0.0, 1, 90, 180, -90, 1e300, -1e300, 1e-300};
  auto pick = [&](double lo, double hi) {
    if (u(rng) < 0.08) return specials[static_cast<size_t>(u(rng) * 9) % 9];
    return lo + (hi - lo) * u(rng);
  };
  int failures = 0;
  for (int n = 0; n < 3000; ++n) {
    DesignCase dc;
    dc.Calc[calc::kHeightH] = pick(0, 8);
    dc.Calc[calc::kEmbedment] = pick(0, 2);
    dc.Calc[calc::kH] = dc.Calc[calc::kHeightH] + dc.Calc[calc::kEmbedment];
    dc.Calc[calc::kCrestAbove] = pick(0, 1);
    dc.Calc[calc::kCrestWidth] = pick(0, 1.5);
    dc.Calc[calc::kFrontProj] = pick(0, 2);
    dc.Calc[calc::kBaseWidth] = pick(0.5, 5);
    dc.Calc[calc::kSurcharge] = pick(0, 20);
    dc.Calc[calc::kH0] = pick(0, 3);
    dc.Calc[calc::kKeyHeight] = pick(0, 1);
    dc.Calc[calc::kKeyPosition] = pick(0, 3);
    dc.Cond[cond::kGamma] = pick(15, 20);
    dc.Cond[cond::kGammaC] = pick(20, 24);
    dc.Cond[cond::kPhi] = pick(20, 45);
    dc.Cond[cond::kDelta] = pick(0, 30);
    dc.Cond[cond::kBeta] = pick(0, 45);
    dc.Cond[cond::kPhiB] = pick(20, 40);
    dc.Cond[cond::kMu] = pick(0.3, 0.7);
    dc.Cond[cond::kCohesion] = u(rng) < 0.5 ? 0 : pick(0, 30);
    dc.Cond[cond::kFe] = pick(50, 300);
    dc.Cond[cond::kKA] = pick(0.2, 0.6);
    dc.Cond[cond::kKh] = pick(0, 0.3);
    dc.Cond[cond::kKv] = pick(0, 0.2);
    dc.FenceLoadType = u(rng) < 0.5 ? "" : (u(rng) < 0.5 ? "0" : "2");
    dc.FenceW = dc.FenceLoadType.empty() ? 0 : pick(0, 3);
    dc.FenceP = dc.FenceLoadType == "2" ? pick(0, 5) : 0;
    dc.FenceH = pick(0, 2);
    dc.FenceLoadY = pick(0, 1);
    dc.FenceX = pick(0, 0.5);
    dc.ShearKeyFlag = u(rng) < 0.3 ? "1" : "0";
    Selections sel;
    sel.standard = u(rng) < 0.5 ? Standard::kResidential : Standard::kRoad;
    const double s = u(rng);
    sel.shape = s < 0.3 ? GroundShape::kLevel
                        : (s < 0.6 ? GroundShape::kUniformSlope : GroundShape::kRaisedSoil);
    sel.load_case =
        dc.FenceLoadType == "2" || u(rng) < 0.5 ? LoadCase::kNormal : LoadCase::kSeismic;
    sel.seismic_method = sel.standard == Standard::kRoad
                             ? SeismicMethod::kD1
                             : (u(rng) < 0.5 ? SeismicMethod::kK1 : SeismicMethod::kK2);
    sel.slope_surcharge = u(rng) < 0.5 ? SlopeSurcharge::kWith : SlopeSurcharge::kWithout;
    sel.normal_checks.deduction = u(rng) < 0.5 ? Deduction::kDeduct : Deduction::kNoDeduct;
    const CalcStatus st = Keisan(dc, sel);
    ASSERT_TRUE(AllSlotsFinite(dc)) << "design " << n << ": " << st.Message();
    if (!st.ok()) {
      ++failures;
      EXPECT_EQ(dc.Calc[calc::kSlidingF], 0.0);
      EXPECT_FALSE(st.Message().empty());
    }
  }
  EXPECT_GT(failures, 0);  // the absurd values do reach the guards
}

}  // namespace
}  // namespace varnholt
