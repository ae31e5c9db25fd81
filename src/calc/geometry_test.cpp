#include "calc/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/keisan.h"

namespace varnholt {
namespace {

// b = 2, B = 4, f = 1, h 4, embedment 1, crest 0.5 above the back ground.
DesignCase ExampleWall() {
  DesignCase dc;
  dc.Calc[calc::kCrestWidth] = 2;
  dc.Calc[calc::kBaseWidth] = 4;
  dc.Calc[calc::kFrontProj] = 1;
  dc.Calc[calc::kHeightH] = 4;
  dc.Calc[calc::kEmbedment] = 1;
  dc.Calc[calc::kCrestAbove] = 0.5;
  dc.Calc[calc::kH] = 5;
  dc.Calc[calc::kHWork] = 5;
  dc.Cond[cond::kGammaC] = 23;
  return dc;
}

TEST(Geometry, ExampleWallAngleWeightAndCentroid) {
  DesignCase dc = ExampleWall();
  ASSERT_TRUE(ComputeBackFaceAngle(dc).ok());
  // θ = arctan(1/5.5); degrees through π = 3.14159.
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kThetaRad], std::atan(1 / 5.5));
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kThetaDeg], std::atan(1 / 5.5) / 3.14159 * 180);
  EXPECT_NEAR(dc.Calc[calc::kThetaDeg], 10.305, 0.0005);
  ASSERT_TRUE(ComputeSelfWeight(dc).ok());
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kWeight], 379.5);
  ASSERT_TRUE(ComputeSectionParts(dc).ok());
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kA1], 2.75);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kA2], 11);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kA3], 2.75);
  EXPECT_NEAR(dc.Calc[calc::kX1], 0.667, 0.0005);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kX2], 2);
  EXPECT_NEAR(dc.Calc[calc::kX3], 3.333, 0.0005);
  EXPECT_NEAR(dc.Calc[calc::kXCentroid], 2.0, 1e-12);
  ASSERT_TRUE(ComputeSectionHeights(dc).ok());
  EXPECT_NEAR(dc.Calc[calc::kY1], 5.5 / 3, 1e-12);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kY2], 2.75);
  // (y1·(A1+A3) + y2·A2) / 16.5
  EXPECT_NEAR(dc.Calc[calc::kYCentroid], (5.5 / 3 * 5.5 + 2.75 * 11) / 16.5, 1e-12);
}

TEST(Geometry, VerticalBackFaceGivesExactZeroAngle) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kBaseWidth] = 3;  // B = b + f
  ASSERT_TRUE(ComputeBackFaceAngle(dc).ok());
  EXPECT_EQ(dc.Calc[calc::kThetaDeg], 0.0);
  ASSERT_TRUE(ComputeSectionParts(dc).ok());
  EXPECT_EQ(dc.Calc[calc::kA3], 0.0);
  // Centroid from the front triangle and the rectangle only.
  EXPECT_NEAR(dc.Calc[calc::kXCentroid], (2.0 / 3 * 2.75 + 2 * 11) / 13.75, 1e-12);
}

TEST(Geometry, TinyAngleIsSnappedButRadiansAreNot) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kBaseWidth] = 3 + 1e-13;
  ASSERT_TRUE(ComputeBackFaceAngle(dc).ok());
  EXPECT_EQ(dc.Calc[calc::kThetaDeg], 0.0);
  EXPECT_GT(dc.Calc[calc::kThetaRad], 0.0);
}

TEST(Geometry, ForwardLeaningBackFaceGivesNegativeAngleAndArea) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kBaseWidth] = 2.5;  // B < b + f
  ASSERT_TRUE(ComputeBackFaceAngle(dc).ok());
  EXPECT_LT(dc.Calc[calc::kThetaDeg], 0);
  ASSERT_TRUE(ComputeSectionParts(dc).ok());
  EXPECT_LT(dc.Calc[calc::kA3], 0);
}

TEST(Geometry, ZeroWallHeightIsReportedNotNaN) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kCrestAbove] = 0;
  dc.Calc[calc::kHWork] = 0;
  CalcStatus s = ComputeBackFaceAngle(dc);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.failure, CalcFailure::kNotComputable);
  EXPECT_NE(s.Message().find("θ"), std::string::npos);
}

TEST(Geometry, ZeroAreaIsReported) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kCrestWidth] = 0;
  dc.Calc[calc::kBaseWidth] = 0;
  dc.Calc[calc::kFrontProj] = 0;
  EXPECT_FALSE(ComputeSectionParts(dc).ok());
  EXPECT_FALSE(ComputeSectionHeights(dc).ok());
  EXPECT_FALSE(std::isnan(dc.Calc[calc::kXCentroid]));
}

TEST(Keisan, InfiniteInputIsReportedAndLeavesNoValidResult) {
  DesignCase dc = ExampleWall();
  dc.Calc[calc::kSlidingF] = 1.7;
  dc.Calc[calc::kBaseWidth] = HUGE_VAL;
  CalcStatus s = Keisan(dc, Selections{});
  EXPECT_EQ(s.failure, CalcFailure::kBadInput);
  EXPECT_EQ(s.quantity, "底版幅 B");
  EXPECT_EQ(dc.Calc[calc::kSlidingF], 0.0);
}

}  // namespace
}  // namespace varnholt
