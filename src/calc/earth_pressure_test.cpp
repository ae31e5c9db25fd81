#include "calc/earth_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/angles.h"
#include "calc/test_walls.h"
#include "model/leading_number.h"

namespace varnholt {
namespace {

// A wall 1 m high (H = 1, no crest above the ground) whose back face leans
// by `back` over the height: θ = Atn(back).
DesignCase CoefficientWall(double phi, double delta, double back, double beta) {
  DesignCase dc;
  dc.Calc[calc::kHeightH] = 1;
  dc.Calc[calc::kH] = 1;
  dc.Calc[calc::kCrestWidth] = 1;
  dc.Calc[calc::kBaseWidth] = 1 + back;
  dc.Cond[cond::kPhi] = phi;
  dc.Cond[cond::kDelta] = delta;
  dc.Cond[cond::kBeta] = beta;
  return dc;
}

struct CoefficientCase {
  const char* name;
  double phi, delta, theta, beta, kh, kv;
  LoadCase load_case;
  SeismicMethod method;
  double value;        // computed independently (python, π = 3.14159)
  const char* text;    // Format(value, "0.00#")
  double terms[8];     // Cond[20..27]
  double theta_k_deg;  // 0 when not computed
};

const CoefficientCase kCoefficients[] = {
    {"Rankine case φ 30",
     30,
     0,
     0,
     0,
     0,
     0,
     LoadCase::kNormal,
     SeismicMethod::kNone,
     0.333333673789193,
     "0.333",
     {0.7500003830125976, 1.0, 1.0, 0.4999996169872557, 0.4999996169872557, 1.0, 1.0, 0},
     0},
    {"φ 30 δ 20",
     30,
     20,
     0,
     0,
     0,
     0,
     LoadCase::kNormal,
     SeismicMethod::kNone,
     0.29731414996655936,
     "0.297",
     {0.7500003830125976, 1.0, 0.9396927216282188, 0.7660439693147032, 0.4999996169872557,
      0.9396927216282188, 1.0, 0},
     0},
    {"φ 30 δ 20 θ 10 β 15",
     30,
     20,
     10,
     15,
     0,
     0,
     LoadCase::kNormal,
     SeismicMethod::kNone,
     0.48036766777513606,
     "0.48",
     {0.8830224110810492, 0.9698463608141094, 0.8660256249168368, 0.7660439693147032,
      0.2588188315049383, 0.8660256249168368, 0.9961947045160647, 0},
     0},
    {"β above φ: no root term",
     30,
     20,
     0,
     40,
     0,
     0,
     LoadCase::kNormal,
     SeismicMethod::kNone,
     0.7981336512993965,
     "0.798",
     {0.7500003830125976, 1.0, 0.9396927216282188, 0.7660439693147032, 0.0, 0.9396927216282188,
      0.7660448221620982, 0},
     0},
    {"seismic ① Kh 0.2",
     30,
     15,
     0,
     0,
     0.2,
     0,
     LoadCase::kSeismic,
     SeismicMethod::kK1,
     0.4520326492743951,
     "0.452",
     {0.8973128461499236, 1.0, 0.8964097065959584, 0.7071063120935576, 0.32044836378124386,
      0.8964097065959584, 1.0, 0.9805806756909201},
     11.30994202711956},
    {"road method Kh 0.2 Kv 0.1",
     30,
     15,
     0,
     0,
     0.2,
     0.1,
     LoadCase::kSeismic,
     SeismicMethod::kD1,
     0.42649835662588415,
     "0.426",
     {0.8188780108162704, 1.0, 0.886778660980807, 0.7071063120935576, 0.30022582090399436,
      0.886778660980807, 1.0, 0.9761870601839527},
     12.528818291791595},
    // Method ②: the normal coefficient, with θk stored for the report.
    {"seismic ② Kh 0.2",
     30,
     20,
     0,
     0,
     0.2,
     0,
     LoadCase::kSeismic,
     SeismicMethod::kK2,
     0.29731414996655936,
     "0.297",
     {0.7500003830125976, 1.0, 0.9396927216282188, 0.7660439693147032, 0.4999996169872557,
      0.9396927216282188, 1.0, 0},
     11.30994202711956},
};

TEST(Coefficient, CoulombAndSeismicFormsWithTheirTerms) {
  for (const CoefficientCase& c : kCoefficients) {
    DesignCase dc = CoefficientWall(c.phi, c.delta, std::tan(ToRadians(c.theta)), c.beta);
    dc.Cond[cond::kKh] = c.kh;
    dc.Cond[cond::kKv] = c.kv;
    const CoefficientResult r = ComputeCoefficient(
        dc, testing::Options(Standard::kResidential, GroundShape::kLevel, c.load_case, c.method));
    ASSERT_TRUE(r.status.ok()) << c.name << ": " << r.status.Message();
    EXPECT_NEAR(r.value, c.value, 1e-13) << c.name;
    EXPECT_EQ(dc.Cond[cond::kKA], r.value) << c.name;
    EXPECT_EQ(r.text, c.text) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kThetaDeg], c.theta, 1e-12) << c.name;
    for (int i = 0; i < 8; ++i) {
      EXPECT_NEAR(dc.Cond[static_cast<size_t>(cond::kTermNumerator + i)], c.terms[i], 1e-14)
          << c.name << " Cond[" << 20 + i << "]";
    }
    EXPECT_NEAR(dc.Cond[cond::kThetaKDeg], c.theta_k_deg, 1e-12) << c.name;
    if (c.theta_k_deg != 0) {
      // Degrees from radians as rad × 180 / 3.14159.
      EXPECT_EQ(dc.Cond[cond::kThetaKDeg], dc.Cond[cond::kThetaKRad] * 180 / 3.14159);
    }
  }
}

TEST(Coefficient, AngleIsNotSnappedAndHeightIsCopied) {
  DesignCase dc = CoefficientWall(30, 20, 1e-13, 0);
  dc.Calc[calc::kH] = 1;
  dc.Calc[calc::kHWork] = 7;
  ASSERT_TRUE(ComputeCoefficient(dc, Selections{}).status.ok());
  EXPECT_EQ(dc.Calc[calc::kHWork], 1.0);
  EXPECT_GT(dc.Calc[calc::kThetaDeg], 0.0);  // the main calculation would snap it to 0
}

TEST(Coefficient, MainCalculationUsesTheDisplayedText) {
  DesignCase dc = testing::StandardWall();
  dc.Calc[calc::kBaseWidth] = 0.8;  // vertical back face
  ASSERT_EQ(ComputeCoefficient(dc, Selections{}).text, "0.297");
  // The next collection reads the box back; the resultants use 0.297.
  dc.Cond[cond::kKA] = LeadingNumber("0.297");
  dc.Calc[calc::kThetaDeg] = 0;
  dc.Cond[cond::kDelta] = 0;
  ASSERT_TRUE(ComputeEarthPressureResultants(dc, Selections{}).ok());
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kPA], 32.74425);  // 0.5·0.297·18·3.5²
}

struct CoefficientFailure {
  const char* name;
  double phi, delta, back, beta, kh, kv, hw;
  LoadCase load_case;
  SeismicMethod method;
  const char* message;
};

const CoefficientFailure kCoefficientFailures[] = {
    {"Kv = 1, method ①", 30, 15, 0, 0, 0.2, 1, 1, LoadCase::kSeismic, SeismicMethod::kK1,
     "設計鉛直震度 Kv が 1 のため、地震合成角 θk=Atn{Kh/(1－Kv)} を計算できません。"},
    {"Kv = 1, method ②", 30, 15, 0, 0, 0.2, 1, 1, LoadCase::kSeismic, SeismicMethod::kK2,
     "設計鉛直震度 Kv が 1 のため"},
    {"cos(θ+δ) = 0", 30, 90, 0, 0, 0, 0, 1, LoadCase::kNormal, SeismicMethod::kNone,
     "θ＋δ が 90° となり cos(θ＋δ) が 0 のため、主働土圧係数 KA を計算できません。"},
    {"cos(θ−β) = 0", 30, 20, 0, 90, 0, 0, 1, LoadCase::kNormal, SeismicMethod::kNone,
     "θ－β が 90° となり cos(θ－β) が 0 のため"},
    {"cos(δ+θ+θk) = 0", 30, 90 - 11.30994202711956, 0, 0, 0.2, 0, 1, LoadCase::kSeismic,
     SeismicMethod::kK1, "δ＋θ＋θk が 90° となり cos(δ＋θ＋θk) が 0 のため"},
    {"negative radicand", 30, 100, 0, 0, 0, 0, 1, LoadCase::kNormal, SeismicMethod::kNone,
     "が負のため、主働土圧係数 KA を計算できません。"},
    {"Hw = 0", 30, 20, 0, 0, 0, 0, 0, LoadCase::kNormal, SeismicMethod::kNone,
     "壁高 Hw が 0 のため、背面の勾配 θ を計算できません。"},
    {"φ typed as 1e999", std::numeric_limits<double>::infinity(), 20, 0, 0, 0, 0, 1,
     LoadCase::kNormal, SeismicMethod::kNone, "入力値「内部摩擦角 φ」が数値として大きすぎる"},
    {"seismic case without a method", 30, 20, 0, 0, 0.2, 0, 1, LoadCase::kSeismic,
     SeismicMethod::kNone, "計算方法が選ばれていないため"},
};

TEST(Coefficient, FailuresChangeNothingAndGiveNoText) {
  for (const CoefficientFailure& c : kCoefficientFailures) {
    DesignCase dc = CoefficientWall(c.phi, c.delta, c.back, c.beta);
    dc.Calc[calc::kHeightH] = c.hw;
    dc.Calc[calc::kH] = c.hw;
    dc.Cond[cond::kKh] = c.kh;
    dc.Cond[cond::kKv] = c.kv;
    dc.Cond[cond::kKA] = 0.5;  // the previous coefficient
    const DesignCase before = dc;
    const CoefficientResult r = ComputeCoefficient(
        dc, testing::Options(Standard::kResidential, GroundShape::kLevel, c.load_case, c.method));
    EXPECT_FALSE(r.status.ok()) << c.name;
    EXPECT_NE(r.status.Message().find(c.message), std::string::npos)
        << c.name << ": " << r.status.Message();
    EXPECT_EQ(r.text, "") << c.name;
    EXPECT_EQ(dc.Cond, before.Cond) << c.name;
    EXPECT_EQ(dc.Calc, before.Calc) << c.name;
  }
}

// KA = 0.333, γ = 18, H = 4, q = 10: PA = 47.952, ΔPA = 13.32.
DesignCase ResultantWall(double delta) {
  DesignCase dc;
  dc.Cond[cond::kKA] = 0.333;
  dc.Cond[cond::kGamma] = 18;
  dc.Cond[cond::kDelta] = delta;
  dc.Calc[calc::kHWork] = 4;
  dc.Calc[calc::kSurcharge] = 10;
  for (int i = calc::kPA; i <= calc::kPAHY; ++i) dc.Calc[static_cast<size_t>(i)] = -1;
  return dc;
}

TEST(Resultants, ResidentialLevelGround) {
  DesignCase dc = ResultantWall(0);
  ASSERT_TRUE(
      ComputeEarthPressureResultants(
          dc, testing::Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal))
          .ok());
  EXPECT_NEAR(dc.Calc[calc::kPA], 47.952, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kPAX], 47.952, 1e-12);
  EXPECT_EQ(dc.Calc[calc::kPAY], 0.0);
  EXPECT_NEAR(dc.Calc[calc::kDeltaPA], 13.32, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kDeltaPAX], 13.32, 1e-12);
  EXPECT_EQ(dc.Calc[calc::kDeltaPAY], 0.0);
  EXPECT_EQ(dc.Calc[calc::kPAH], -1.0);  // the road branch is not taken
}

TEST(Resultants, WallFrictionSplitsIntoComponents) {
  DesignCase dc = ResultantWall(20);
  ASSERT_TRUE(ComputeEarthPressureResultants(
                  dc, testing::Options(Standard::kResidential, GroundShape::kUniformSlope,
                                       LoadCase::kNormal))
                  .ok());
  EXPECT_NEAR(dc.Calc[calc::kPAX], 45.06014538751636, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kPAY], 16.40053662707075, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kDeltaPAX], 12.516707052087876, 1e-12);
}

TEST(Resultants, RoadStandardCombinesTheSurcharge) {
  for (GroundShape shape : {GroundShape::kLevel, GroundShape::kRaisedSoil}) {
    DesignCase dc = ResultantWall(20);
    ASSERT_TRUE(ComputeEarthPressureResultants(
                    dc, testing::Options(Standard::kRoad, shape, LoadCase::kNormal))
                    .ok());
    EXPECT_NEAR(dc.Calc[calc::kPAH], 61.272, 1e-12);
    EXPECT_NEAR(dc.Calc[calc::kPAHY], 20.956241245701513, 1e-12);
    EXPECT_EQ(dc.Calc[calc::kPA], -1.0);
    EXPECT_EQ(dc.Calc[calc::kDeltaPA], -1.0);
  }
}

TEST(Resultants, ResidentialRaisedSoilComputesNothingHere) {
  DesignCase dc = ResultantWall(20);
  const DesignCase before = dc;
  ASSERT_TRUE(
      ComputeEarthPressureResultants(
          dc, testing::Options(Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kNormal))
          .ok());
  EXPECT_EQ(dc.Calc, before.Calc);
}

TEST(Resultants, OverflowIsRefusedBeforeAnySlotChanges) {
  DesignCase dc = ResultantWall(20);
  dc.Calc[calc::kHWork] = 1e200;
  const DesignCase before = dc;
  const CalcStatus s = ComputeEarthPressureResultants(
      dc, testing::Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.Message(),
            "主働土圧 PA の値が大きくなりすぎるため、計算できません。\n入力値を確認してください。");
  EXPECT_EQ(dc.Calc, before.Calc);
}

}  // namespace
}  // namespace varnholt
