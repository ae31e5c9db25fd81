#include <gtest/gtest.h>

#include <string>

#include "calc/keisan.h"
#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

struct DumpCase {
  const char* name;
  int beeps;  // failing lines of the page
};

class BodyStressDumpTest : public ::testing::TestWithParam<DumpCase> {};

TEST_P(BodyStressDumpTest, MatchesReviewedExpectation) {
  Bench b(4);
  const std::string name = GetParam().name;
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  BodyStressPage(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_body.dump", b.out.Dump()), "");
  EXPECT_EQ(b.beeper.count, GetParam().beeps);
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.ForeColor, kBlack);
}

// 宅地造成 常時; 道路土工 嵩上げ土 地震時 (the wedge cut at each section); a
// short-term fence load under 宅地造成 with Fc 21.
INSTANTIATE_TEST_SUITE_P(Designs, BodyStressDumpTest,
                         ::testing::Values(DumpCase{"level_residential", 0},
                                           DumpCase{"raised_road_key", 0},
                                           DumpCase{"level_entered_fence2", 0}));

// A thin crest under a collision load: the table rows and the verdict line
// that fail are light magenta, each with one beep, and say NG.
TEST(BodyStressPageTest, FailingSectionsAreShownInTheNgColour) {
  Bench b(4);
  ASSERT_EQ(testing::LoadDesignCase("level_entered_fence2.case", b), "");
  b.dc.Calc[calc::kCrestWidth] = 0.3;
  b.dc.FenceLoad = b.dc.FenceP = 30;
  ASSERT_TRUE(Keisan(b.dc, b.sel).ok());
  const BodyStressResult r = CheckBodyStress(b.dc, b.sel);
  ASSERT_TRUE(r.ok());
  int failing = 0;
  for (const BodySection& s : r.sections) failing += s.verdict.ok ? 0 : 1;
  ASSERT_GT(failing, 0);
  auto ctx = b.ctx();
  BodyStressPage(ctx);
  int ng_rows = 0, ng_lines = 0;
  for (const RecordedText& t : b.out.Texts()) {
    if (t.text == "NG") {
      EXPECT_EQ(t.color, kLightMagenta);
      ++ng_rows;
    }
    if (t.text.find("∴ NG") != std::string::npos) {
      EXPECT_EQ(t.color, kLightMagenta);
      ++ng_lines;
    }
    if (t.text.find("∴ O.K") != std::string::npos) {
      EXPECT_EQ(t.color, kBlack);
    }
  }
  EXPECT_EQ(ng_rows, failing);
  EXPECT_GE(ng_lines, 1);
  EXPECT_EQ(b.beeper.count, ng_rows + ng_lines);
  EXPECT_EQ(b.out.ForeColor, kBlack);
}

}  // namespace
}  // namespace varnholt::report
