#include "calc/stability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/test_walls.h"

namespace varnholt {
namespace {

DesignCase Totals(double mr, double mo, double sum_v, double b) {
  DesignCase dc;
  dc.Calc[calc::kMr] = mr;
  dc.Calc[calc::kMo] = mo;
  dc.Calc[calc::kSumV] = sum_v;
  dc.Calc[calc::kBaseWidth] = b;
  return dc;
}

struct BearingCase {
  const char* name;
  double mr, mo, sum_v, b;
  // Worked out by hand.
  double f, d, e, sigma_max, sigma_min, x;
};

const BearingCase kBearing[] = {
    // d = 90/100, e = 0.1, r = 0.05: (100/2)·(1 ± 0.3); X = 1·(1 + 2/0.6).
    {"trapezoid", 120, 30, 100, 2, 4, 0.9, 0.1, 65, 35, 1 + 2 / 0.6},
    // d = 2, e = 1 = B/6 exactly: the triangle, σmax = 2ΣV/B; X = B.
    {"r = 1/6 exactly", 30, 10, 10, 6, 3, 2, 1, 20.0 / 6, 0, 6},
    // d = 0.5, e = 0.5, r = 0.25: 50·2/(3·0.25); X = 3·(1 − 0.5).
    {"triangle", 80, 30, 100, 2, 80.0 / 30, 0.5, 0.5, 400.0 / 3, 0, 1.5},
    // e = −0.3 mirrors e = 0.3: 50·(1 ± 0.9); X = 1·(1 + 2/1.8).
    {"trapezoid, resultant behind the centre", 160, 30, 100, 2, 160.0 / 30, 1.3, -0.3, 95, 5,
     1 + 2 / 1.8},
    {"trapezoid, mirrored", 100, 30, 100, 2, 100.0 / 30, 0.7, 0.3, 95, 5, 1 + 2 / 1.8},
    {"triangle, resultant behind the centre", 180, 30, 100, 2, 6, 1.5, -0.5, 400.0 / 3, 0, 1.5},
    // e = 1.1 beyond B/2: a negative σmax and a negative X, used as computed.
    {"resultant outside the base", 20, 30, 100, 2, 20.0 / 30, -0.1, 1.1, 50 * 2 / (3 * -0.05), 0,
     3 * (1 - 1.1)},
};

TEST(Stability, OverturningAndGroundPressure) {
  for (const BearingCase& c : kBearing) {
    DesignCase dc = Totals(c.mr, c.mo, c.sum_v, c.b);
    ASSERT_TRUE(ComputeOverturningAndBearing(dc).ok()) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kOverturnF], c.f, 1e-12) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kD], c.d, 1e-12) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kE], c.e, 1e-12) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kSigmaMax], c.sigma_max, 1e-9) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kSigmaMin], c.sigma_min, 1e-9) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kPressureLength], c.x, 1e-12) << c.name;
  }
}

TEST(Stability, OneSixthExactlyTakesTheTriangle) {
  DesignCase dc = Totals(30, 10, 10, 6);
  ASSERT_TRUE(ComputeOverturningAndBearing(dc).ok());
  ASSERT_EQ(std::fabs(dc.Calc[calc::kE]) / 6, 1.0 / 6);
  EXPECT_EQ(dc.Calc[calc::kSigmaMin], 0.0);  // the trapezoid would give exactly 0 too
  EXPECT_EQ(dc.Calc[calc::kPressureLength], 6.0);
}

TEST(Stability, MirroredResultantGivesTheSamePressures) {
  DesignCase front = Totals(100, 30, 100, 2);
  DesignCase back = Totals(160, 30, 100, 2);
  ASSERT_TRUE(ComputeOverturningAndBearing(front).ok());
  ASSERT_TRUE(ComputeOverturningAndBearing(back).ok());
  EXPECT_DOUBLE_EQ(front.Calc[calc::kE], -back.Calc[calc::kE]);
  EXPECT_DOUBLE_EQ(front.Calc[calc::kSigmaMax], back.Calc[calc::kSigmaMax]);
  EXPECT_DOUBLE_EQ(front.Calc[calc::kSigmaMin], back.Calc[calc::kSigmaMin]);
  EXPECT_DOUBLE_EQ(front.Calc[calc::kPressureLength], back.Calc[calc::kPressureLength]);
}

TEST(Stability, CentredResultantHasUniformPressureAndUnboundedLength) {
  DesignCase dc = Totals(100, 0.5, 99.5, 2);  // d = 1 = B/2
  ASSERT_TRUE(ComputeOverturningAndBearing(dc).ok());
  EXPECT_EQ(dc.Calc[calc::kE], 0.0);
  EXPECT_EQ(dc.Calc[calc::kSigmaMax], 99.5 / 2);
  EXPECT_EQ(dc.Calc[calc::kSigmaMin], 99.5 / 2);
  EXPECT_EQ(dc.Calc[calc::kPressureLength], 0.0);
  EXPECT_TRUE(ComputePressureLength(0, 2).unbounded);
  EXPECT_TRUE(ComputePressureLength(-0.0, 2).unbounded);
  EXPECT_TRUE(ComputePressureLength(1e-320, 2).unbounded);  // B/(6|e|) overflows
  EXPECT_FALSE(ComputePressureLength(1e-12, 2).unbounded);
}

struct BearingFailure {
  const char* name;
  double mr, mo, sum_v, b;
  const char* message;
};

const BearingFailure kBearingFailures[] = {
    {"Mo = 0", 100, 0, 50, 2, "転倒モーメント Mo が 0 のため、転倒安全率 F を計算できません。"},
    {"ΣV = 0", 100, 30, 0, 2, "鉛直力の総和 ΣV が 0 のため、合力の作用位置 d を計算できません。"},
    {"B = 0", 100, 30, 50, 0, "底版幅 B が 0 のため、偏心と接地圧を計算できません。"},
    {"|e| = B/2", 30, 30, 10, 2,
     "偏心距離 e が底版幅の 1/2 (|e|＝B/2) で底版が接地しないため、最大接地圧 σmax "
     "を計算できません。"},
    {"|e| = B/2 behind the centre", 60, 40, 10, 2, "(|e|＝B/2)"},
};

TEST(Stability, ZeroDivisorsAreReportedAndChangeNothing) {
  for (const BearingFailure& c : kBearingFailures) {
    DesignCase dc = Totals(c.mr, c.mo, c.sum_v, c.b);
    const DesignCase before = dc;
    const CalcStatus s = ComputeOverturningAndBearing(dc);
    EXPECT_FALSE(s.ok()) << c.name;
    EXPECT_NE(s.Message().find(c.message), std::string::npos) << c.name << ": " << s.Message();
    EXPECT_EQ(dc.Calc, before.Calc) << c.name;
  }
}

// ---- sliding -----------------------------------------------------------

// B = 2, ΣV = 100, μ = 0.5, ΣH = 40, with e as given and X from it.
DesignCase Sliding(double e, double c) {
  DesignCase dc = Totals(0, 0, 100, 2);
  dc.Calc[calc::kE] = e;
  dc.Calc[calc::kPressureLength] = ComputePressureLength(e, 2).x;
  dc.Calc[calc::kSumH] = 40;
  dc.Calc[calc::kAEff] = -7;  // sentinels of an earlier calculation
  dc.Calc[calc::kRH] = -8;
  dc.Cond[cond::kMu] = 0.5;
  dc.Cond[cond::kCohesion] = c;
  dc.ShearKeyFlag = "0";
  return dc;
}

Selections WithDeduction(Deduction normal, Deduction seismic) {
  Selections sel;
  sel.normal_checks.deduction = normal;
  sel.seismic_checks.deduction = seismic;
  return sel;
}

struct SlidingCase {
  const char* name;
  double e, c;
  Deduction normal, seismic;
  double rh, a_eff;  // worked out by hand
};

const SlidingCase kSliding[] = {
    {"no cohesion: deduction ignored, A' kept", 0.3, 0, Deduction::kDeduct, Deduction::kNone, 50,
     -7},
    {"no deduction, r ≤ 1/6: cohesion on B", 0.3, 10, Deduction::kNoDeduct, Deduction::kNone,
     10 * 2 + 50, 1.4},
    {"no deduction, r > 1/6: cohesion on X = 3(B/2 − |e|)", 0.5, 10, Deduction::kNoDeduct,
     Deduction::kNone, 10 * 1.5 + 50, 1.0},
    {"no deduction, r > 1/6 behind the centre", -0.5, 10, Deduction::kNone, Deduction::kNoDeduct,
     10 * 1.5 + 50, 1.0},
    {"deduction: cohesion on A'", 0.3, 10, Deduction::kDeduct, Deduction::kNone, 10 * 1.4 + 50,
     1.4},
    {"no deduction in one dialog wins over deduction in the other", 0.3, 10, Deduction::kDeduct,
     Deduction::kNoDeduct, 10 * 2 + 50, 1.4},
    {"no choice: RH keeps its value", 0.3, 10, Deduction::kNone, Deduction::kNone, -8, 1.4},
};

TEST(Stability, SlidingResistanceFollowsTheDeductionChoice) {
  for (const SlidingCase& c : kSliding) {
    DesignCase dc = Sliding(c.e, c.c);
    ASSERT_TRUE(ComputeSliding(dc, WithDeduction(c.normal, c.seismic)).ok()) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kRH], c.rh, 1e-12) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kAEff], c.a_eff, 1e-12) << c.name;
    EXPECT_NEAR(dc.Calc[calc::kSlidingF], c.rh / 40, 1e-12) << c.name;
  }
}

TEST(Stability, NoHorizontalForceLeavesNoSlidingFactor) {
  DesignCase dc = Sliding(0.3, 0);
  dc.Calc[calc::kSumH] = 0;
  dc.Calc[calc::kSlidingF] = 1.7;
  const CalcStatus s = ComputeSliding(dc, Selections{});
  EXPECT_EQ(s.Message(),
            "水平力の総和 ΣH が 0 のため、滑動安全率 Fs を計算できません。\n"
            "入力値を確認してください。");
  EXPECT_EQ(dc.Calc[calc::kSlidingF], 1.7);  // Keisan then clears it
}

TEST(Stability, UnknownKeyFlagComputesNothing) {
  DesignCase dc = Sliding(0.3, 0);
  dc.ShearKeyFlag = "";
  const DesignCase before = dc;
  ASSERT_TRUE(ComputeSliding(dc, Selections{}).ok());
  EXPECT_EQ(dc.Calc, before.Calc);
}

}  // namespace
}  // namespace varnholt
