#include "calc/fence.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnholt {
namespace {

TEST(FenceLoad, FormationByLoadKind) {
  struct Row {
    FenceLoadOption option;
    double expected;
  };
  const Row rows[] = {
      {FenceLoadOption::kDistributed, 1.2},   // w = 1.0 kN/m2 over 1.2 m
      {FenceLoadOption::kConcentrated, 1.0},  // P per metre of wall
      {FenceLoadOption::kNormal, 0.0},        // keeps the 0 of the option click
      {FenceLoadOption::kNone, 0.0},
  };
  for (const Row& r : rows) {
    DesignCase dc;
    dc.FenceH = 1.2;
    dc.FenceLoad = 1.0;
    ASSERT_TRUE(FormFenceLoad(dc, r.option).ok());
    EXPECT_DOUBLE_EQ(dc.FenceP, r.expected);
  }
}

TEST(FenceLoad, OverflowIsNamed) {
  DesignCase dc;
  dc.FenceH = 1e200;
  dc.FenceLoad = 1e200;
  const CalcStatus s = FormFenceLoad(dc, FenceLoadOption::kDistributed);
  EXPECT_EQ(s.failure, CalcFailure::kBadInput);
  EXPECT_EQ(s.quantity, "フェンス等の水平荷重");
}

TEST(FenceLoad, HeightOfTheLoadAboveTheBase) {
  DesignCase dc;
  dc.Calc[calc::kHeightH] = 2.2;
  dc.Calc[calc::kEmbedment] = 0.5;
  dc.Calc[calc::kCrestAbove] = 0.3;  // Hw = 3.0
  dc.FenceH = 1.2;
  dc.FenceLoadY = 1.0;
  struct Row {
    const char* type;
    bool set;
    double height;
  };
  const Row rows[] = {{"1", true, 3.6}, {"0", true, 3.6}, {"2", true, 4.0}, {"", false, 0}};
  for (const Row& r : rows) {
    dc.FenceLoadType = r.type;
    double h = 0;
    EXPECT_EQ(FenceLoadHeight(dc, &h), r.set) << r.type;
    EXPECT_DOUBLE_EQ(h, r.height) << r.type;
  }
  EXPECT_TRUE(IsShortTermFenceLoad("1"));
  EXPECT_TRUE(IsShortTermFenceLoad("2"));
  EXPECT_FALSE(IsShortTermFenceLoad("0"));
  EXPECT_FALSE(IsShortTermFenceLoad(""));
}

}  // namespace
}  // namespace varnholt
