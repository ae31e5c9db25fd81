#include <gtest/gtest.h>

#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

// Page 2 after the self-weight table: the coefficient or the trial wedge,
// followed by the earth-pressure values when the coefficient was entered.
class Kentou11DumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(Kentou11DumpTest, MatchesReviewedExpectation) {
  Bench b(2);
  const std::string name = GetParam();
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  Kentou11(ctx);
  if (b.sel.coefficient == CoefficientMode::kEntered && b.sel.shape != GroundShape::kRaisedSoil) {
    Kentou2(ctx);
  }
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_kentou11.dump", b.out.Dump()), "");
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.DrawStyle, 0);
}

INSTANTIATE_TEST_SUITE_P(Designs, Kentou11DumpTest,
                         ::testing::Values("level_residential", "slope_seismic_k1",
                                           "raised_road_key", "level_entered_fence2",
                                           "raised_residential_k2_key", "level_road_rankine"));

// Page 3 opens with the earth-pressure values when the coefficient formulas
// filled page 2.
class Kentou2DumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(Kentou2DumpTest, MatchesReviewedExpectation) {
  Bench b(3);
  const std::string name = GetParam();
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  Kentou2(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_kentou2.dump", b.out.Dump()), "");
}

INSTANTIATE_TEST_SUITE_P(Designs, Kentou2DumpTest,
                         ::testing::Values("level_residential", "slope_seismic_k1",
                                           "level_road_rankine"));

}  // namespace
}  // namespace varnholt::report

namespace varnholt::report {
namespace {

using testing::Bench;

bool Printed(const RecordingSurface& out, const std::string& text) {
  for (const RecordedText& t : out.Texts()) {
    if (t.text == text) return true;
  }
  return false;
}

bool PrintedStartingWith(const RecordingSurface& out, const std::string& prefix) {
  for (const RecordedText& t : out.Texts()) {
    if (t.text.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

// Level ground, coefficient computed, φ = 30°.
void LevelComputed(Bench& b) {
  b.sel.shape = GroundShape::kLevel;
  b.sel.coefficient = CoefficientMode::kComputed;
  b.dc.Cond[cond::kPhi] = 30;
  b.dc.Cond[cond::kKA] = 0.333;
}

TEST(Kentou11Test, RankineOnlyWithEveryAngleZero) {
  struct Case {
    double beta, theta, delta;
    bool rankine;
  };
  const Case cases[] = {{0, 0, 0, true}, {0, 0, 0.01, false}, {0, 5, 0, false}, {10, 0, 0, false}};
  for (const Case& c : cases) {
    Bench b(2);
    LevelComputed(b);
    b.dc.Cond[cond::kBeta] = c.beta;
    b.dc.Calc[calc::kThetaDeg] = c.theta;
    b.dc.Cond[cond::kDelta] = c.delta;
    auto ctx = b.ctx();
    Kentou11(ctx);
    EXPECT_EQ(Printed(b.out, " KA=tan^2(45ﾟ-φ/2)"), c.rankine) << c.delta;
    EXPECT_EQ(Printed(b.out, "KA="), !c.rankine) << c.delta;
    if (c.rankine) {
      EXPECT_TRUE(Printed(b.out, "   =tan^2(30.00ﾟ)"));
    }
  }
}

TEST(Kentou11Test, SlopeSteeperThanPhiPrintsTheShortValueForm) {
  Bench b(2);
  LevelComputed(b);
  b.sel.shape = GroundShape::kUniformSlope;
  b.dc.Cond[cond::kBeta] = 35;
  b.dc.Cond[cond::kDelta] = 20;
  b.dc.Cond[cond::kKA] = 0.731;
  auto ctx = b.ctx();
  Kentou11(ctx);
  // cos²30° = 0.75 over cos²0°×cos20° = 1.0000×0.9397.
  EXPECT_TRUE(Printed(b.out, "0.7500"));
  EXPECT_TRUE(Printed(b.out, "1.0000×0.9397"));
  EXPECT_TRUE(Printed(b.out, "=0.731"));
  const auto texts = b.out.Texts();
  EXPECT_EQ(texts.back().y, 13200);
}

TEST(Kentou11Test, SeismicMethodTwoPrintsTheStaticForms) {
  Bench b(2);
  LevelComputed(b);
  b.sel.load_case = LoadCase::kSeismic;
  b.sel.seismic_method = SeismicMethod::kK2;
  b.dc.Cond[cond::kDelta] = 15;
  b.dc.Cond[cond::kKh] = 0.2;
  auto ctx = b.ctx();
  Kentou11(ctx);
  EXPECT_TRUE(Printed(b.out, "KA="));
  EXPECT_FALSE(PrintedStartingWith(b.out, "地震合成角"));
}

TEST(Kentou11Test, SeismicAlwaysPrintsMononobeOkabe) {
  // β = θ = δ = 0: still the full seismic form, since KAE includes θk and Kv.
  for (Standard standard : {Standard::kResidential, Standard::kRoad}) {
    Bench b(2);
    LevelComputed(b);
    b.sel.standard = standard;
    b.sel.load_case = LoadCase::kSeismic;
    b.sel.seismic_method = standard == Standard::kRoad ? SeismicMethod::kD1 : SeismicMethod::kK1;
    b.dc.Cond[cond::kCz] = 0.85;
    b.dc.Cond[cond::kKho] = 0.2;
    b.dc.Cond[cond::kKh] = 0.2;
    b.dc.Cond[cond::kThetaKDeg] = 11.30993;
    b.dc.Cond[cond::kKA] = 0.452;
    auto ctx = b.ctx();
    Kentou11(ctx);
    EXPECT_FALSE(PrintedStartingWith(b.out, " ＫAE=tan^2"));
    EXPECT_TRUE(Printed(b.out, "ＫAE="));
    EXPECT_TRUE(Printed(b.out, "地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ"));
    EXPECT_TRUE(Printed(b.out, standard == Standard::kRoad
                                   ? "設計水平震度Kh=CZ･Kho=0.85×0.20=0.20    設計鉛直震度Kv=0.00"
                                   : "設計水平震度Kh=0.20    設計鉛直震度Kv=0.00"));
    // (1−Kv)cos²(30°−0°−11.31°) = 0.8973 and cos 11.31° = 0.9806.
    EXPECT_TRUE(Printed(b.out, "1.00×0.8973"));
    EXPECT_TRUE(PrintedStartingWith(b.out, "0.9806×1.0000×"));
    EXPECT_EQ(b.out.FontSize, 11);
  }
}

TEST(Kentou11Test, GivenCoefficientIsOneLine) {
  Bench b(2);
  LevelComputed(b);
  b.sel.coefficient = CoefficientMode::kEntered;
  b.dc.Cond[cond::kKA] = 0.297;
  auto ctx = b.ctx();
  Kentou11(ctx);
  EXPECT_EQ(b.out.Dump(),
            "P 2\n"
            "T 0 9600 11 000000 　          ２）擁壁に及ぼす土圧\n"
            "T 1750 10000 11 000000 主働土圧係数  KA = 0.297\n");
}

// Raised soil: H 3, H0 1, β 30°, θ 0, φ 30°, δ 20°, γ 18, q 10.
void RaisedSoil(Bench& b) {
  b.sel.shape = GroundShape::kRaisedSoil;
  auto& c = b.dc.Calc;
  c[calc::kHWork] = 3;
  c[calc::kH0] = 1;
  c[calc::kSurcharge] = 10;
  c[calc::kCrestWidth] = 0.5;
  c[calc::kBaseWidth] = 0.5;
  c[calc::kXPAY] = 0.5;
  b.dc.Cond[cond::kBeta] = 30;
  b.dc.Cond[cond::kPhi] = 30;
  b.dc.Cond[cond::kDelta] = 20;
  b.dc.Cond[cond::kGamma] = 18;
  b.dc.Cond[cond::kKh] = 0.2;
  b.dc.Cond[cond::kThetaKDeg] = 11.30993;
  b.dc.OmegaMax = 52.7;
  b.dc.PAmax = 41.61;
  b.dc.PAXw = 39.1;
  b.dc.PAYw = 14.23;
}

TEST(Kentou11Test, WedgePrintsOmegaAndPhiAsWholeDegrees) {
  Bench b(2);
  RaisedSoil(b);
  auto ctx = b.ctx();
  Kentou11(ctx);
  EXPECT_TRUE(PrintedStartingWith(
      b.out, "　　　　　       =(tan0.00ﾟ＋cot53ﾟ)×3.000＋(cot53ﾟ－cot30.00ﾟ)"));
  // cot 52.7° = tan 37.3° = 0.7618, from the unrounded angle.
  EXPECT_TRUE(PrintedStartingWith(b.out, "　　　　　       =(0.0000＋0.7618)×3.000"));
  EXPECT_TRUE(PrintedStartingWith(
      b.out, "                    ={sin(53ﾟ－30ﾟ)/cos(53ﾟ－30ﾟ－20.00ﾟ－0.00ﾟ)}"));
  // A vertical back face: the lever arm of PAY alone.
  EXPECT_TRUE(Printed(b.out, "                  PAY：x=0.500m"));
}

TEST(Kentou11Test, WedgePressureFormFollowsTheCalculation) {
  struct Case {
    Standard standard;
    LoadCase load_case;
    SeismicMethod method;
    bool seismic_wedge;
    const char* coefficients;  // the line before θk, empty for none
  };
  const Case cases[] = {
      {Standard::kResidential, LoadCase::kNormal, SeismicMethod::kNone, false, ""},
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK1, true,
       "               設計水平震度Kh=0.20    設計鉛直震度Kv=0.00"},
      // Method ②: inertia plus the normal earth pressure, so the normal wedge.
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK2, false,
       "               設計水平震度Kh=0.20    設計鉛直震度Kv=0.00"},
      {Standard::kRoad, LoadCase::kSeismic, SeismicMethod::kD1, true,
       "               設計水平震度Kh=CZ･Kho=0.00×0.00=0.20    設計鉛直震度Kv=0.00"},
      // A method ② left over from the residential standard: the road
      // calculation keeps the seismic wedge, and so does the printout.
      {Standard::kRoad, LoadCase::kSeismic, SeismicMethod::kK2, true,
       "               設計水平震度Kh=CZ･Kho=0.00×0.00=0.20    設計鉛直震度Kv=0.00"},
  };
  for (const Case& c : cases) {
    Bench b(2);
    RaisedSoil(b);
    b.sel.standard = c.standard;
    b.sel.load_case = c.load_case;
    b.sel.seismic_method = c.method;
    auto ctx = b.ctx();
    Kentou11(ctx);
    EXPECT_EQ(Printed(b.out, "               PAmax={sin(ω－φ＋θk)/cos(ω－φ－δ－θ)}･W"),
              c.seismic_wedge);
    EXPECT_EQ(Printed(b.out, "               PAmax={sin(ω－φ)/cos(ω－φ－δ－θ)}･W"),
              !c.seismic_wedge);
    if (*c.coefficients) {
      const auto texts = testing::TextsOf(b.out);
      ASSERT_GE(texts.size(), 3u);
      EXPECT_EQ(texts[1], c.coefficients);
      EXPECT_EQ(texts[2], "               地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ");
    } else {
      EXPECT_FALSE(PrintedStartingWith(b.out, "               地震合成角"));
    }
  }
}

}  // namespace
}  // namespace varnholt::report
