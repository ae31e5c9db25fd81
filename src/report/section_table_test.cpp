#include "report/section_table.h"

#include <gtest/gtest.h>

#include "report/testing.h"
#include "sizing/test_designs.h"

namespace varnholt::report {
namespace {

// The level wall of the sizing tests for h 2.0 to 4.0 by 1.0, B up to 2.5:
// the two higher walls have no passing section in the bounds.
sizing::TableRequest Request() {
  sizing::TableRequest r;
  sizing::DesignInput in = sizing::testing::LevelWall();
  in.dc.SiteName = "横浜市";
  in.dc.WallMark = "W-1";
  r.cases = {in};
  r.heights = {2.0, 4.0, 1.0};
  r.variables.base = {true, 0.5, 2.5, 0.05};
  return r;
}

TEST(SectionTablePages, MatchReviewedExpectation) {
  const sizing::TableRequest r = Request();
  const sizing::SectionTable table = sizing::BuildSectionTable(r);
  ASSERT_EQ(table.rows.size(), 3u);
  ASSERT_EQ(table.rows[0].outcome, sizing::SizingOutcome::kFound);
  ASSERT_EQ(table.rows[1].outcome, sizing::SizingOutcome::kNotFound);
  ASSERT_EQ(table.rows[2].outcome, sizing::SizingOutcome::kNotFound);
  RecordingSurface out;
  testing::CountingBeeper beeper;
  PrintSectionTable(out, table, r, 5, beeper);
  EXPECT_EQ(testing::CompareWithExpectedDump("section_table.dump", out.Dump()), "");
  EXPECT_EQ(beeper.count, 2);
  EXPECT_EQ(out.FontSize, kStandardFontSize);
  EXPECT_EQ(out.ForeColor, kBlack);
}

// Rows that do not fit go on to further pages under the continued title,
// with the headings again, and the pages are numbered on.
TEST(SectionTablePages, LongTablesContinueOnNumberedPages) {
  const sizing::TableRequest r = Request();
  sizing::SectionTable table = sizing::BuildSectionTable(r);
  const sizing::TableRow row = table.rows[0];
  table.rows.assign(100, row);
  RecordingSurface out;
  SilentBeeper silent;
  PrintSectionTable(out, table, r, 2, silent);
  ASSERT_EQ(out.pages().size(), 3u);
  int continued = 0, heads = 0, rows = 0;
  std::vector<std::string> footers;
  for (const RecordedText& t : out.Texts()) {
    continued += t.text == "標準断面表（続き）";
    heads += t.text == "支配的な照査";
    rows += t.text == "O.K";
    if (t.y == 15500) footers.push_back(t.text);
    EXPECT_LE(t.y, 15500);
  }
  EXPECT_EQ(continued, 2);
  EXPECT_EQ(heads, 3);
  EXPECT_EQ(rows, 100);
  EXPECT_EQ(footers, (std::vector<std::string>{"－ 2 －", "－ 3 －", "－ 4 －"}));
}

TEST(SectionTableData, ColumnsWithUnitsAndFailingRowsMarked) {
  const sizing::TableRequest r = Request();
  const tables::Table t = SectionTableData(sizing::BuildSectionTable(r), r);
  ASSERT_EQ(t.columns.size(), 12u);
  EXPECT_EQ(tables::Heading(t.columns[3]), "底版幅 B (m)");
  EXPECT_EQ(tables::Heading(t.columns[6]), "断面積 (m2/m)");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[0][0].number, 2.0);
  EXPECT_EQ(t.rows[0][10].text, "O.K");
  EXPECT_FALSE(t.rows[0][10].ng);
  EXPECT_EQ(t.rows[2][10].text, "NG");
  EXPECT_TRUE(t.rows[2][10].ng);
  EXPECT_TRUE(t.rows[2][9].ng);
  EXPECT_EQ(t.rows[2][11].text.rfind("B を 2.50 m まで広げても", 0), 0u) << t.rows[2][11].text;
}

}  // namespace
}  // namespace varnholt::report
