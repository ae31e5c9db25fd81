#include "report/page_plan.h"

#include <gtest/gtest.h>

#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

// A whole printout, all three pages numbered from 1.
class ReportDumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ReportDumpTest, MatchesReviewedExpectation) {
  Bench b(1);
  const std::string name = GetParam();
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  PrintReport({PrintRange::kAll, true, 1}, ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_report.dump", b.out.Dump()), "");
  EXPECT_TRUE(b.out.ended());
}

INSTANTIATE_TEST_SUITE_P(Designs, ReportDumpTest,
                         ::testing::Values("level_residential", "level_entered_fence2",
                                           "raised_road_key"));

std::vector<std::string> Footers(const RecordingSurface& out) {
  std::vector<std::string> footers;
  for (const RecordedText& t : out.Texts()) {
    if (t.x == 5500 && t.y == 15500) footers.push_back(t.text);
  }
  return footers;
}

TEST(PagePlanTest, PrintRangesAndPageNumbers) {
  struct Case {
    PrintJob job;
    size_t pages;
    std::vector<std::string> footers;
  };
  const Case cases[] = {
      {{PrintRange::kGeneral, true, 5}, 1, {"－ 5 －"}},
      // The body-stress page follows the stability chapter unless left out.
      {{PrintRange::kStability, true, 1}, 3, {"－ 1 －", "－ 2 －", "－ 3 －"}},
      {{PrintRange::kStability, true, 1, false}, 2, {"－ 1 －", "－ 2 －"}},
      {{PrintRange::kAll, false, 1}, 4, {}},
      {{PrintRange::kAll, false, 1, false}, 3, {}},
      {{PrintRange::kGeneral, false, 1, true}, 1, {}},
      // Numbers are printed rounded: a first page of 1.5 gives 2, 3, 4, 5.
      {{PrintRange::kAll, true, 1.5}, 4, {"－ 2 －", "－ 3 －", "－ 4 －", "－ 5 －"}},
  };
  for (const Case& c : cases) {
    Bench b(1);
    ASSERT_EQ(testing::LoadDesignCase("level_residential.case", b), "");
    auto ctx = b.ctx();
    PrintReport(c.job, ctx);
    EXPECT_EQ(b.out.pages().size(), c.pages);
    EXPECT_EQ(Footers(b.out), c.footers);
    EXPECT_TRUE(b.out.ended());
  }
}

TEST(PagePlanTest, EarthPressureValuesFollowTheCoefficient) {
  struct Case {
    GroundShape shape;
    CoefficientMode mode;
    int page;  // the page of "背面土による土圧", 0 for none
  };
  const Case cases[] = {
      {GroundShape::kLevel, CoefficientMode::kEntered, 2},
      {GroundShape::kUniformSlope, CoefficientMode::kComputed, 3},
      {GroundShape::kRaisedSoil, CoefficientMode::kComputed, 0},
      {GroundShape::kRaisedSoil, CoefficientMode::kEntered, 0},
  };
  for (const Case& c : cases) {
    Bench b(1);
    ASSERT_EQ(testing::LoadDesignCase("level_residential.case", b), "");
    b.sel.shape = c.shape;
    b.sel.coefficient = c.mode;
    auto ctx = b.ctx();
    PrintReport({PrintRange::kStability, false, 1}, ctx);
    int page = 0;
    for (const RecordedPage& p : b.out.pages()) {
      for (const RecordedPrimitive& prim : p.primitives) {
        const auto* t = std::get_if<RecordedText>(&prim);
        if (t && t->text == " 　　　　　　　 背面土による土圧")
          page = p.number + 1;  // pages 2 and 3
      }
    }
    EXPECT_EQ(page, c.page);
  }
}

TEST(PagePlanTest, PreviewPageStartsOnACleanPicture) {
  Bench b(3);
  ASSERT_EQ(testing::LoadDesignCase("level_residential.case", b), "");
  auto ctx = b.ctx();
  DrawPreviewPage(3, ctx);
  const std::string first = b.out.Dump();
  b.out.FontSize = 9;
  b.out.CurrentY = 7000;
  DrawPreviewPage(3, ctx);  // going back and forward draws the page anew
  EXPECT_EQ(b.out.Dump(), first);
  EXPECT_EQ(b.out.FontName, kReportFontName);
}

}  // namespace
}  // namespace varnholt::report
