#include "calc/seismic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/keisan.h"
#include "calc/test_walls.h"

namespace varnholt {
namespace {

Selections Standards(Standard standard, SeismicRegion region = SeismicRegion::kNone) {
  Selections sel;
  sel.standard = standard;
  sel.seismic_region = region;
  return sel;
}

TEST(Jisin, RoadStandardScalesByTheRegionalFactor) {
  struct Row {
    SeismicRegion region;
    double cz;
  };
  for (const Row& r :
       {Row{SeismicRegion::kA, 1.0}, Row{SeismicRegion::kB, 0.85}, Row{SeismicRegion::kC, 0.70}}) {
    DesignCase dc;
    ASSERT_TRUE(Jisin(dc, Standards(Standard::kRoad, r.region), "0.2", "0.1").ok());
    EXPECT_EQ(dc.Cond[cond::kCz], r.cz);
    EXPECT_EQ(dc.Cond[cond::kKho], 0.2);
    EXPECT_EQ(dc.Cond[cond::kKh], 0.2 * r.cz);
    EXPECT_EQ(dc.Cond[cond::kKv], 0.1);
  }
  DesignCase dc;
  ASSERT_TRUE(Jisin(dc, Standards(Standard::kRoad, SeismicRegion::kB), "0.2", "0").ok());
  EXPECT_NEAR(dc.Cond[cond::kKh], 0.17, 1e-15);
}

TEST(Jisin, ResidentialStandardTakesKhAsTypedAndLeavesTheRoadValues) {
  DesignCase dc;
  dc.Cond[cond::kCz] = 0.85;
  dc.Cond[cond::kKho] = 0.3;
  ASSERT_TRUE(Jisin(dc, Standards(Standard::kResidential, SeismicRegion::kA), "0.25", "").ok());
  EXPECT_EQ(dc.Cond[cond::kKh], 0.25);
  EXPECT_EQ(dc.Cond[cond::kKv], 0.0);  // empty text reads as 0
  EXPECT_EQ(dc.Cond[cond::kCz], 0.85);
  EXPECT_EQ(dc.Cond[cond::kKho], 0.3);
  // Letters read as 0 as well.
  ASSERT_TRUE(Jisin(dc, Standards(Standard::kResidential), "abc", "0.1").ok());
  EXPECT_EQ(dc.Cond[cond::kKh], 0.0);
}

TEST(Jisin, NoRegionKeepsThePreviousFactor) {
  DesignCase dc;
  dc.Cond[cond::kCz] = 0.7;
  ASSERT_TRUE(Jisin(dc, Standards(Standard::kRoad), "0.2", "0").ok());
  EXPECT_EQ(dc.Cond[cond::kCz], 0.7);
  EXPECT_EQ(dc.Cond[cond::kKh], 0.2 * 0.7);
  // A newly started program has no factor yet: Kh comes out 0.
  DesignCase fresh;
  ASSERT_TRUE(Jisin(fresh, Standards(Standard::kRoad), "0.2", "0").ok());
  EXPECT_EQ(fresh.Cond[cond::kKh], 0.0);
}

TEST(Jisin, OverlargeCoefficientIsNamedAndRefusedByTheCalculation) {
  DesignCase dc = testing::StandardWall();
  CalcStatus s = Jisin(dc, Standards(Standard::kResidential), "1e999", "0");
  EXPECT_EQ(s.failure, CalcFailure::kBadInput);
  EXPECT_EQ(s.quantity, "設計水平震度 Kh");
  s = Jisin(dc, Standards(Standard::kRoad, SeismicRegion::kA), "0.2", "1e999");
  EXPECT_EQ(s.quantity, "設計鉛直震度 Kv");
  s = Jisin(dc, Standards(Standard::kRoad, SeismicRegion::kA), "1e999", "0");
  EXPECT_EQ(s.quantity, "設計水平震度の標準値 Kho");

  dc.Calc[calc::kSlidingF] = 1.7;
  s = Keisan(dc, testing::Options(Standard::kRoad, GroundShape::kLevel, LoadCase::kSeismic,
                                  SeismicMethod::kD1));
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.Message().find("設計水平震度"), std::string::npos) << s.Message();
  EXPECT_EQ(dc.Calc[calc::kSlidingF], 0.0);
}

}  // namespace
}  // namespace varnholt
