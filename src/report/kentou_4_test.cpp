#include <gtest/gtest.h>

#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

struct DumpCase {
  const char* name;
  int beeps;  // failing verdicts of the design
};

// Page 3 after the earth-pressure values: the load summary and the
// stability checks.
class LoadAndStabilityDumpTest : public ::testing::TestWithParam<DumpCase> {};

TEST_P(LoadAndStabilityDumpTest, MatchesReviewedExpectation) {
  Bench b(3);
  const std::string name = GetParam().name;
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  Kentou3(ctx);
  Kentou4(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_kentou34.dump", b.out.Dump()), "");
  EXPECT_EQ(b.beeper.count, GetParam().beeps);
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.ForeColor, kBlack);
  EXPECT_EQ(b.dc.Calc[calc::kLoadTableOffset], 0);
  EXPECT_EQ(b.dc.Calc[calc::kReactionFigureOffset], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, LoadAndStabilityDumpTest,
    ::testing::Values(DumpCase{"level_residential", 0}, DumpCase{"slope_seismic_k1", 3},
                      DumpCase{"raised_road_key", 0}, DumpCase{"level_entered_fence2", 1},
                      DumpCase{"raised_residential_k2_key", 0}, DumpCase{"level_road_rankine", 2}));

}  // namespace
}  // namespace varnholt::report
