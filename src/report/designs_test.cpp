// The representative designs of the report tests are real calculations:
// their derived slots, computed independently when the expected dumps were
// reviewed, are what KEISAN computes from their inputs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/keisan.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

class DesignCaseTest : public ::testing::TestWithParam<const char*> {};

void ExpectNear(const std::string& what, double expected, double actual) {
  EXPECT_LE(std::abs(expected - actual), 1e-9 * std::max(1.0, std::abs(expected)))
      << what << ": case file " << expected << ", calculation " << actual;
}

TEST_P(DesignCaseTest, KeisanReproducesTheDerivedSlots) {
  const std::string name = GetParam();
  testing::Bench stored(1), calculated(1);
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", stored), "");
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", calculated), "");
  const CalcStatus status = Keisan(calculated.dc, calculated.sel);
  ASSERT_TRUE(status.ok()) << status.Message();
  for (int i = 0; i < calc::kCount; ++i) {
    ExpectNear("Calc[" + std::to_string(i) + "]", stored.dc.Calc[i], calculated.dc.Calc[i]);
  }
  for (int i = 0; i < cond::kCount; ++i) {
    ExpectNear("Cond[" + std::to_string(i) + "]", stored.dc.Cond[i], calculated.dc.Cond[i]);
  }
  ExpectNear("OmegaMax", stored.dc.OmegaMax, calculated.dc.OmegaMax);
  ExpectNear("WedgeW", stored.dc.WedgeW, calculated.dc.WedgeW);
  ExpectNear("PAmax", stored.dc.PAmax, calculated.dc.PAmax);
  ExpectNear("PAXw", stored.dc.PAXw, calculated.dc.PAXw);
  ExpectNear("PAYw", stored.dc.PAYw, calculated.dc.PAYw);
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignCaseTest,
                         ::testing::Values("level_residential", "slope_seismic_k1",
                                           "raised_road_key", "level_entered_fence2",
                                           "raised_residential_k2_key", "level_road_rankine"));

}  // namespace
}  // namespace varnholt::report
