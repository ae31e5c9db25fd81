#include "calc/plausibility.h"

#include <gtest/gtest.h>

#include "calc/test_walls.h"

namespace varnholt {
namespace {

// The standard wall's soil constants lie inside every range.
TEST(Plausibility, EachConstantAtAndBeyondItsBounds) {
  struct Row {
    int slot;
    double value;
    const char* code;  // nullptr: no warning
  };
  const Row rows[] = {
      {cond::kPhi, 10, nullptr},
      {cond::kPhi, 45, nullptr},
      {cond::kPhi, 9.9, "phi_range"},
      {cond::kPhi, 90, "phi_range"},
      {cond::kPhiB, 45.5, "phib_range"},
      {cond::kPhiB, 0, "phib_range"},
      {cond::kGamma, 14, nullptr},
      {cond::kGamma, 23.1, "gamma_range"},
      {cond::kGamma, 13, "gamma_range"},
      {cond::kGammaC, 25, nullptr},
      {cond::kGammaC, 19, "gammac_range"},
      {cond::kMu, 0.9, nullptr},
      {cond::kMu, 0.95, "mu_range"},
      {cond::kCohesion, 50, nullptr},
      {cond::kCohesion, 60, "cohesion_range"},
  };
  for (const Row& r : rows) {
    DesignCase dc = testing::StandardWall();
    dc.Cond[r.slot] = r.value;
    if (r.slot == cond::kPhi) dc.Cond[cond::kDelta] = 0;
    const std::vector<PlausibilityWarning> w = SoilConstantWarnings(dc);
    if (r.code == nullptr) {
      EXPECT_TRUE(w.empty()) << r.slot << " " << r.value << ": " << w[0].text;
    } else {
      ASSERT_EQ(w.size(), 1u) << r.slot << " " << r.value;
      EXPECT_EQ(w[0].code, r.code);
    }
  }
}

TEST(Plausibility, SentencesNameTheValueAndTheRange) {
  DesignCase dc = testing::StandardWall();
  dc.Cond[cond::kPhi] = 90;
  dc.Cond[cond::kDelta] = 95;
  const std::vector<PlausibilityWarning> w = SoilConstantWarnings(dc);
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0].text, "内部摩擦角 φ=90° は通常の範囲（10～45°）の外にあります。");
  EXPECT_EQ(w[1].code, "delta_above_phi");
  EXPECT_EQ(w[1].text, "壁面摩擦角 δ=95° が内部摩擦角 φ=90° より大きくなっています。");
}

}  // namespace
}  // namespace varnholt
