#include "calc/shear_key.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/stability.h"
#include "calc/test_walls.h"

namespace varnholt {
namespace {

// B = 3, ΣV = 150, μ = 0.5, ΣH = 60, φB = 30°, key 0.4 high at B1 = 1.2.
DesignCase Key(double e, double sigma_max, double sigma_min, double c) {
  DesignCase dc;
  dc.Calc[calc::kBaseWidth] = 3;
  dc.Calc[calc::kSumV] = 150;
  dc.Calc[calc::kSumH] = 60;
  dc.Calc[calc::kE] = e;
  dc.Calc[calc::kSigmaMax] = sigma_max;
  dc.Calc[calc::kSigmaMin] = sigma_min;
  dc.Calc[calc::kPressureLength] = ComputePressureLength(e, 3).x;
  dc.Calc[calc::kKeyHeight] = 0.4;
  dc.Calc[calc::kKeyPosition] = 1.2;
  dc.Calc[calc::kKeyWidth] = 0.4;
  dc.Calc[calc::kRH] = -8;
  dc.Calc[calc::kSlidingF] = -9;
  dc.Calc[calc::kKeyWJ] = -10;
  dc.Cond[cond::kMu] = 0.5;
  dc.Cond[cond::kCohesion] = c;
  dc.Cond[cond::kPhiB] = 30;
  dc.ShearKeyFlag = "1";
  return dc;
}

Selections KeyOptions(Standard standard, Deduction deduction) {
  Selections sel = testing::Options(standard, GroundShape::kLevel, LoadCase::kNormal);
  sel.normal_checks.deduction = deduction;
  return sel;
}

// L = 0.4·tan 60° (π = 3.14159).
constexpr double kL = 0.6928189077818292;

struct ResidentialCase {
  const char* name;
  double e, sigma_max, sigma_min, c;
  Deduction deduction;
  // Computed independently (python).
  double sigma1, sigma2, rh, sigma0, p, wj, fk;
};

const ResidentialCase kResidential[] = {
    {"r < 1/6, e ≥ 0, C = 0", 0.2, 70, 29.999999999999993, 0, Deduction::kNone, 63.237585437091056,
     54.0, 75.0, 58.61879271854553, 175.85565970173346, 109.38779205324786, 2.0839359984552885},
    {"r < 1/6, e < 0, deduction", -0.2, 70, 29.999999999999993, 10, Deduction::kDeduct,
     36.762414562908944, 46.0, 101.0, 41.38120728145447, 124.14311466077078, 121.33031716856924,
     2.272040074143215},
    {"r > 1/6, e ≥ 0, no deduction", 0.7, 124.99999999999997, 0, 10, Deduction::kNoDeduct,
     98.58431811363693, 62.5, 99.0, 80.54215905681846, 241.62549001555408, 94.19886933186467,
     2.7958271778692327},
    {"r > 1/6, e < 0, C = 0", -0.7, 124.99999999999997, 0, 0, Deduction::kNone, -4.8343181136369076,
     31.250000000000007, 75.0, 13.20784094318155, 39.62336094929367, 140.84935806358882,
     1.4379003901918646},
    // WJ in the triangle form, the cohesion on the whole base B.
    {"r = 1/6 exactly, no deduction", 0.5, 100, 0, 10, Deduction::kNoDeduct, 83.09396359272763,
     60.0, 105.0, 71.54698179636381, 214.64006848245543, 100.43089821675679, 2.7678579416893427},
    // e = 0: uniform pressure, the key pressures take σmax.
    {"e = 0", 0, 50, 50, 0, Deduction::kNone, 50, 50, 75.0, 50.0, 149.99938718125213,
     115.35905461090854, 1.9613213696325855},
};

TEST(ShearKey, ResidentialPassivePressureAndFriction) {
  for (const ResidentialCase& c : kResidential) {
    DesignCase dc = Key(c.e, c.sigma_max, c.sigma_min, c.c);
    const CalcStatus s = ComputeShearKey(dc, KeyOptions(Standard::kResidential, c.deduction));
    ASSERT_TRUE(s.ok()) << c.name << ": " << s.Message();
    EXPECT_NEAR(dc.Calc[calc::kKeyL], kL, 1e-14) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeySigma1], c.sigma1, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeySigma2], c.sigma2, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kRH], c.rh, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kSlidingF], c.rh / 60, 1e-13) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeySigma0], c.sigma0, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeyPassive], c.p, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeyWJ], c.wj, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeyFk], c.fk, 1e-13) << c.name;
    EXPECT_EQ(dc.Calc[calc::kKeyHk], 0.0) << c.name;  // road only
  }
}

struct RoadCase {
  const char* name;
  double e, sigma_max, sigma_min, c;
  double sigma2, hk, fk;
};

const RoadCase kRoad[] = {
    {"r ≤ 1/6, C = 0", 0.2, 70, 29.999999999999993, 0, 54.0, 86.60245192547333, 1.443374198757889},
    {"r > 1/6, cohesion on L1", 0.7, 124.99999999999997, 0, 10, 62.5, 98.60245192547333,
     1.643374198757889},
    {"r > 1/6, e < 0: the front part still takes σmax", -0.7, 124.99999999999997, 0, 0,
     31.250000000000007, 64.95183894410499, 1.0825306490684166},
};

TEST(ShearKey, RoadShearResistance) {
  for (const RoadCase& c : kRoad) {
    DesignCase dc = Key(c.e, c.sigma_max, c.sigma_min, c.c);
    const CalcStatus s = ComputeShearKey(dc, KeyOptions(Standard::kRoad, Deduction::kNone));
    ASSERT_TRUE(s.ok()) << c.name << ": " << s.Message();
    EXPECT_NEAR(dc.Calc[calc::kKeySigma2], c.sigma2, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeyHk], c.hk, 1e-11) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kKeyFk], c.fk, 1e-13) << c.name;
    // RH and Fs are not computed under the road standard; nor is WJ.
    EXPECT_EQ(dc.Calc[calc::kRH], -8.0) << c.name;
    EXPECT_EQ(dc.Calc[calc::kSlidingF], -9.0) << c.name;
    EXPECT_EQ(dc.Calc[calc::kKeyWJ], -10.0) << c.name;
  }
}

TEST(ShearKey, RoadWithoutCohesionIsHkOverSumH) {
  DesignCase dc = Key(0.2, 70, 29.999999999999993, 0);
  ASSERT_TRUE(ComputeShearKey(dc, KeyOptions(Standard::kRoad, Deduction::kNone)).ok());
  EXPECT_EQ(dc.Calc[calc::kKeyFk], dc.Calc[calc::kKeyHk] / 60);
}

TEST(ShearKey, GuideValuesOfTheDialog) {
  const ShearKeyGuide g = ComputeShearKeyGuide(3.0);
  EXPECT_EQ(g.lbl1, "3.000");
  EXPECT_EQ(g.lbl2, "0.300");
  EXPECT_EQ(g.lbl3, "0.450");
  EXPECT_EQ(g.lbl4, "1.000");
  EXPECT_EQ(g.lbl5, "2.000");
  const ShearKeyGuide bad = ComputeShearKeyGuide(HUGE_VAL);
  EXPECT_EQ(bad.lbl1, "");
  EXPECT_EQ(bad.lbl5, "");
}

TEST(ShearKey, FailuresAreReported) {
  DesignCase dc = Key(0.2, 70, 30, 0);
  dc.Cond[cond::kPhiB] = 90;  // 45° + φB/2 = 90°
  CalcStatus s = ComputeShearKey(dc, KeyOptions(Standard::kResidential, Deduction::kNone));
  EXPECT_NE(s.Message().find("tan(45°＋φB/2) が定まらない"), std::string::npos) << s.Message();
  EXPECT_EQ(dc.Calc[calc::kKeyL], 0.0);

  dc = Key(0.2, 70, 30, 0);
  dc.Calc[calc::kSumH] = 0;
  s = ComputeShearKey(dc, KeyOptions(Standard::kRoad, Deduction::kNone));
  EXPECT_EQ(s.Message(),
            "水平力の総和 ΣH が 0 のため、突起を設けた場合の滑動安全率を計算できません。\n"
            "入力値を確認してください。");
  EXPECT_EQ(dc.Calc[calc::kKeyFk], 0.0);
  // Under the residential standard the factor without the key fails first.
  s = ComputeShearKey(dc, KeyOptions(Standard::kResidential, Deduction::kNone));
  EXPECT_NE(s.Message().find("滑動安全率 Fs を計算できません"), std::string::npos);
}

}  // namespace
}  // namespace varnholt
