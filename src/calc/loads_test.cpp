#include "calc/loads.h"

#include <gtest/gtest.h>

#include "calc/fence.h"
#include "calc/keisan.h"
#include "calc/test_walls.h"

namespace varnholt {
namespace {

using testing::Options;
using testing::StandardWall;

const Selections kLevelNormal =
    Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);

TEST(Loads, WorkedExampleOfTheNormalCase) {
  // KA 0.333, γ 18, H 4, q 10, θ = δ = 0, no fence.
  DesignCase dc = StandardWall();
  dc.Cond[cond::kKA] = 0.333;
  dc.Cond[cond::kDelta] = 0;
  dc.Calc[calc::kHeightH] = 3.5;
  dc.Calc[calc::kH] = 4;
  dc.Calc[calc::kBaseWidth] = 0.8;  // B = b + f
  ASSERT_TRUE(Keisan(dc, kLevelNormal).ok());
  EXPECT_NEAR(dc.Calc[calc::kPAX], 47.952, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kDeltaPAX], 13.32, 1e-12);
  EXPECT_EQ(dc.Calc[calc::kPAY], 0.0);
  EXPECT_EQ(dc.Calc[calc::kDeltaPAY], 0.0);
  EXPECT_NEAR(dc.Calc[calc::kSumH], 61.272, 1e-12);
  EXPECT_NEAR(dc.Calc[calc::kMo], 90.576, 1e-12);
  // ΣV and Mr: the wall alone.
  EXPECT_EQ(dc.Calc[calc::kSumV], dc.Calc[calc::kWeight]);
  EXPECT_EQ(dc.Calc[calc::kMr], dc.Calc[calc::kWeight] * dc.Calc[calc::kXCentroid]);
}

TEST(Loads, LeverArmsOfTheVerticalPressures) {
  DesignCase dc = StandardWall();  // b + f = 0.8, B = 2.0
  ASSERT_TRUE(ComputePressureLeverArms(dc).ok());
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kXPAY], 0.8 + 1.2 * 2 / 3);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kXDeltaPAY], 1.4);
}

// The fence rows, against the same wall without a fence.
struct FenceRun {
  DesignCase plain, fenced;
};

FenceRun RunWithFence(void (*fence)(DesignCase&), const Selections& sel) {
  FenceRun run{StandardWall(), StandardWall()};
  fence(run.fenced);
  EXPECT_TRUE(Keisan(run.plain, sel).ok());
  const CalcStatus s = Keisan(run.fenced, sel);
  EXPECT_TRUE(s.ok()) << s.Message();
  return run;
}

TEST(Loads, FenceWithoutHorizontalLoadAddsOnlyItsWeight) {
  const FenceRun r = RunWithFence(
      [](DesignCase& dc) {
        dc.FenceLoadType = "0";
        dc.FenceH = 1.2;
        dc.FenceX = 0.2;
        dc.FenceW = 2;
      },
      kLevelNormal);
  EXPECT_NEAR(r.fenced.Calc[calc::kSumV] - r.plain.Calc[calc::kSumV], 2, 1e-12);
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kXFence], 0.5);  // f + FenceX
  EXPECT_NEAR(r.fenced.Calc[calc::kMr] - r.plain.Calc[calc::kMr], 2 * 0.5, 1e-12);
  EXPECT_EQ(r.fenced.Calc[calc::kSumH], r.plain.Calc[calc::kSumH]);
  EXPECT_EQ(r.fenced.Calc[calc::kMo], r.plain.Calc[calc::kMo]);
  // Its weight sits at the fence centroid: Hw + FenceH/2 = 3.8 + 0.6.
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kYFenceLoad], 4.4);
  const double w = r.fenced.Calc[calc::kWeight];
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kYWallFence],
                   (r.fenced.Calc[calc::kYCentroid] * w + 4.4 * 2) / (w + 2));
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kXWallFence],
                   (r.fenced.Calc[calc::kXCentroid] * w + 0.5 * 2) / (w + 2));
}

TEST(Loads, DistributedFenceLoadActsAtHalfTheFenceHeight) {
  const FenceRun r = RunWithFence(
      [](DesignCase& dc) {
        dc.FenceLoadType = "1";
        dc.FenceH = 1.2;
        dc.FenceLoad = 1.0;  // w, kN/m2
        FormFenceLoad(dc, FenceLoadOption::kDistributed);
      },
      kLevelNormal);
  EXPECT_DOUBLE_EQ(r.fenced.FenceP, 1.2);
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kYFenceLoad], 3.8 + 0.6);
  EXPECT_NEAR(r.fenced.Calc[calc::kSumH] - r.plain.Calc[calc::kSumH], 1.2, 1e-12);
  EXPECT_NEAR(r.fenced.Calc[calc::kMo] - r.plain.Calc[calc::kMo], 1.2 * 4.4, 1e-12);
}

TEST(Loads, ConcentratedFenceLoadOnACrestThreeMetresUp) {
  // Crest 3.0 above the base (h 2.2 + embedment 0.5 + 0.3); P = 5 at 1.0 above it.
  auto wall = [](DesignCase& dc) {
    dc.Calc[calc::kHeightH] = 2.2;
    dc.Calc[calc::kH] = 2.7;
  };
  FenceRun r{StandardWall(), StandardWall()};
  wall(r.plain);
  wall(r.fenced);
  r.fenced.FenceLoadType = "2";
  r.fenced.FenceLoad = 5;
  r.fenced.FenceLoadY = 1.0;
  FormFenceLoad(r.fenced, FenceLoadOption::kConcentrated);
  ASSERT_TRUE(Keisan(r.plain, kLevelNormal).ok());
  ASSERT_TRUE(Keisan(r.fenced, kLevelNormal).ok());
  EXPECT_DOUBLE_EQ(r.fenced.Calc[calc::kYFenceLoad], 4.0);
  EXPECT_NEAR(r.fenced.Calc[calc::kSumH] - r.plain.Calc[calc::kSumH], 5, 1e-12);
  EXPECT_NEAR(r.fenced.Calc[calc::kMo] - r.plain.Calc[calc::kMo], 20, 1e-12);
}

TEST(Loads, MethodTwoAddsTheInertiaOfWallAndFence) {
  auto fence = [](DesignCase& dc) {
    dc.FenceLoadType = "0";
    dc.FenceH = 1.2;
    dc.FenceX = 0.2;
    dc.FenceW = 2;
    dc.Cond[cond::kKh] = 0.2;
  };
  DesignCase one = StandardWall();
  DesignCase two = StandardWall();
  fence(one);
  fence(two);
  one.Cond[cond::kKA] = 0.452;  // ① uses KAE, ② the normal KA
  ASSERT_TRUE(Keisan(one, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kSeismic,
                                  SeismicMethod::kK1))
                  .ok());
  ASSERT_TRUE(Keisan(two, Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kSeismic,
                                  SeismicMethod::kK2))
                  .ok());
  // ①: the seismic earth pressure only.
  EXPECT_EQ(one.Calc[calc::kSumH], one.Calc[calc::kPAX] + one.Calc[calc::kDeltaPAX]);
  // ②: the normal earth pressure plus Kh·(W + FenceW) at the combined centroid.
  const double inertia = 0.2 * (two.Calc[calc::kWeight] + 2);
  EXPECT_EQ(two.Calc[calc::kSumH], two.Calc[calc::kPAX] + two.Calc[calc::kDeltaPAX] + inertia);
  const double h = two.Calc[calc::kHWork];
  EXPECT_EQ(two.Calc[calc::kMo], h * two.Calc[calc::kPAX] / 3 + h * two.Calc[calc::kDeltaPAX] / 2 +
                                     inertia * two.Calc[calc::kYWallFence]);
  // The coefficient changes PAY, hence ΣV and Mr, too.
  EXPECT_GT(one.Calc[calc::kSumV], two.Calc[calc::kSumV]);
  EXPECT_GT(one.Calc[calc::kMr], two.Calc[calc::kMr]);
}

TEST(Loads, RoadStandardHasNoSeparateSurchargeRow) {
  DesignCase dc = StandardWall();
  dc.Calc[calc::kDeltaPAY] = 99;  // would show up in ΣV if it were used
  dc.Cond[cond::kKh] = 0.15;
  ASSERT_TRUE(Keisan(dc, Options(Standard::kRoad, GroundShape::kLevel, LoadCase::kSeismic)).ok());
  EXPECT_EQ(dc.Calc[calc::kDeltaPAY], 99.0);
  EXPECT_EQ(dc.Calc[calc::kSumV], dc.Calc[calc::kWeight] + dc.Calc[calc::kPAHY]);
  // The road seismic case always carries the inertia force.
  EXPECT_EQ(dc.Calc[calc::kSumH], dc.Calc[calc::kPAHX] + 0.15 * dc.Calc[calc::kWeight]);
}

TEST(Loads, WithoutALoadCaseMoAndSumHKeepTheirValues) {
  DesignCase dc = StandardWall();
  dc.Calc[calc::kMo] = 11;
  dc.Calc[calc::kSumH] = 7;
  ASSERT_TRUE(ComputeSumV(dc, kLevelNormal).ok());
  Selections none = kLevelNormal;
  none.load_case = LoadCase::kNone;
  ASSERT_TRUE(ComputeMoments(dc, none).ok());
  ASSERT_TRUE(ComputeSumH(dc, none).ok());
  EXPECT_EQ(dc.Calc[calc::kMo], 11.0);
  EXPECT_EQ(dc.Calc[calc::kSumH], 7.0);
  // A short-term fence load, which only goes with 常時, still yields Mo.
  dc.FenceLoadType = "2";
  dc.FenceP = 5;
  dc.Calc[calc::kYFenceLoad] = 4;
  ASSERT_TRUE(ComputeMoments(dc, none).ok());
  EXPECT_EQ(dc.Calc[calc::kMo], 20.0);  // no earth pressure in this bare wall
  EXPECT_EQ(dc.Calc[calc::kSumH], 7.0);
}

TEST(Loads, RaisedSoilUsesTheWedgePressure) {
  DesignCase dc = StandardWall();
  dc.PAYw = 30;
  dc.PAXw = 40;
  dc.FenceW = 1;
  dc.FenceLoadType = "0";
  dc.Calc[calc::kXPAY] = 1.6;
  dc.Calc[calc::kXFence] = 0.5;
  dc.Calc[calc::kWeight] = 100;
  dc.Calc[calc::kXCentroid] = 1;
  dc.Calc[calc::kHWork] = 3.5;
  const Selections sel = Options(Standard::kRoad, GroundShape::kRaisedSoil, LoadCase::kNormal);
  EXPECT_EQ(SelectEarthPressureRows(sel), EarthPressureRows::kTrialWedge);
  ASSERT_TRUE(ComputeSumV(dc, sel).ok());
  ASSERT_TRUE(ComputeMoments(dc, sel).ok());
  ASSERT_TRUE(ComputeSumH(dc, sel).ok());
  EXPECT_EQ(dc.Calc[calc::kSumV], 131.0);
  EXPECT_EQ(dc.Calc[calc::kMr], 100 + 30 * 1.6 + 0.5);
  EXPECT_EQ(dc.Calc[calc::kMo], 3.5 * 40 / 3);
  EXPECT_EQ(dc.Calc[calc::kSumH], 40.0);
}

TEST(Loads, InertiaCases) {
  struct Row {
    Standard standard;
    LoadCase load_case;
    SeismicMethod method;
    bool inertia;
  };
  const Row rows[] = {
      {Standard::kResidential, LoadCase::kNormal, SeismicMethod::kNone, false},
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK1, false},
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK2, true},
      {Standard::kRoad, LoadCase::kSeismic, SeismicMethod::kD1, true},
      {Standard::kRoad, LoadCase::kSeismic, SeismicMethod::kNone, true},
      {Standard::kRoad, LoadCase::kNormal, SeismicMethod::kD1, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(InertiaForceApplies(Options(r.standard, GroundShape::kLevel, r.load_case, r.method)),
              r.inertia);
  }
}

TEST(Loads, WeightlessWallAndFenceCannotHaveACentroid) {
  DesignCase dc = StandardWall();
  dc.Calc[calc::kWeight] = 5;
  dc.FenceW = -5;
  dc.FenceLoadType = "0";
  const DesignCase before = dc;
  CalcStatus s = ComputeFenceLeverArms(dc);
  EXPECT_EQ(s.Message(),
            "躯体自重 W とフェンス等の自重の和が 0 のため、重心位置 x を計算できません。\n"
            "入力値を確認してください。");
  s = ComputeFenceHeights(dc);
  EXPECT_NE(s.Message().find("慣性力の作用高さ y を計算できません。"), std::string::npos);
  EXPECT_EQ(dc.Calc, before.Calc);
  // Without a fence W alone is the divisor.
  dc.FenceLoadType.clear();
  dc.FenceW = 0;
  dc.Calc[calc::kWeight] = 0;
  s = ComputeFenceLeverArms(dc);
  EXPECT_NE(s.Message().find("躯体自重 W が 0 のため"), std::string::npos);
}

}  // namespace
}  // namespace varnholt
