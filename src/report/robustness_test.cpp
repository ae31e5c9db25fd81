// The report is reachable only after a successful calculation, but no
// section may crash, nor hand a non-finite position or text to a surface,
// whatever the design case holds.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/page_plan.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

void ExpectAllFinite(const RecordingSurface& out, const std::string& what) {
  for (const RecordedText& t : out.Texts()) {
    EXPECT_TRUE(std::isfinite(t.x) && std::isfinite(t.y)) << what << ": " << t.text;
    EXPECT_EQ(t.text.find("nan"), std::string::npos) << what;
    EXPECT_EQ(t.text.find("inf"), std::string::npos) << what;
  }
  for (const RecordedSegment& s : out.Segments()) {
    EXPECT_TRUE(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) &&
                std::isfinite(s.y2))
        << what;
  }
}

TEST(ReportRobustnessTest, EmptyDesignCaseInEveryCombination) {
  for (Standard standard : {Standard::kNone, Standard::kResidential, Standard::kRoad}) {
    for (GroundShape shape : {GroundShape::kNone, GroundShape::kLevel, GroundShape::kUniformSlope,
                              GroundShape::kRaisedSoil}) {
      for (LoadCase load_case : {LoadCase::kNone, LoadCase::kNormal, LoadCase::kSeismic}) {
        for (const char* key : {"", "0", "1"}) {
          for (const char* fence : {"", "0", "1", "2"}) {
            testing::Bench b(1);
            b.sel.standard = standard;
            b.sel.shape = shape;
            b.sel.load_case = load_case;
            b.sel.normal_checks.overturn = NormalOverturn::kF15AndE;
            b.sel.seismic_checks.overturn = SeismicOverturn::kF12AndE3;
            b.sel.seismic_checks.sliding = SeismicSliding::kF12;
            b.dc.ShearKeyFlag = key;
            b.dc.FenceLoadType = fence;
            auto ctx = b.ctx();
            PrintReport({PrintRange::kAll, true, 1}, ctx);
            ExpectAllFinite(b.out, "empty case");
          }
        }
      }
    }
  }
}

TEST(ReportRobustnessTest, NonFiniteSlotsPrintAsUnavailable) {
  testing::Bench b(1);
  ASSERT_EQ(testing::LoadDesignCase("level_residential.case", b), "");
  b.dc.Calc[calc::kSigmaMax] = std::numeric_limits<double>::infinity();
  b.dc.Calc[calc::kSlidingF] = std::numeric_limits<double>::quiet_NaN();
  auto ctx = b.ctx();
  PrintReport({PrintRange::kStability, false, 1}, ctx);
  ExpectAllFinite(b.out, "non-finite results");
}

}  // namespace
}  // namespace varnholt::report
