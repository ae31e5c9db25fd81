#include <gtest/gtest.h>

#include <cmath>

#include "report/kentou_1_internal.h"
#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

class Kentou1DumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(Kentou1DumpTest, MatchesReviewedExpectation) {
  Bench b(2);
  ASSERT_EQ(testing::LoadDesignCase(std::string(GetParam()) + ".case", b), "");
  auto ctx = b.ctx();
  Kentou1(ctx);
  EXPECT_EQ(
      testing::CompareWithExpectedDump(std::string(GetParam()) + "_kentou1.dump", b.out.Dump()),
      "");
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.DrawStyle, 0);
  EXPECT_EQ(b.out.DrawWidth, 1);
}

INSTANTIATE_TEST_SUITE_P(Designs, Kentou1DumpTest,
                         ::testing::Values("level_residential", "slope_seismic_k1",
                                           "raised_road_key", "level_entered_fence2",
                                           "raised_residential_k2_key", "level_road_rankine"));

}  // namespace
}  // namespace varnholt::report

namespace varnholt::report {
namespace {

using testing::Bench;

// A wall given by its dimensions; the slots the figure and the table read
// besides them are filled as the calculation fills them.
void SetWall(Bench& b, double h, double emb, double top, double crest, double base, double front) {
  auto& c = b.dc.Calc;
  c[calc::kHeightH] = h;
  c[calc::kEmbedment] = emb;
  c[calc::kCrestAbove] = top;
  c[calc::kCrestWidth] = crest;
  c[calc::kBaseWidth] = base;
  c[calc::kFrontProj] = front;
  c[calc::kH] = c[calc::kHWork] = h + emb;
  b.dc.Cond[cond::kGammaC] = 23;
  const double hw = h + emb + top;
  c[calc::kThetaDeg] = std::atan((base - crest - front) / hw) / 3.14159 * 180;
  c[calc::kWeight] = 23 * hw * (crest + base) / 2;
  b.dc.SectionNo = "3";
  b.dc.WallMark = "A";
}

bool HasText(const RecordingSurface& out, const std::string& text, double x, double y) {
  for (const RecordedText& t : out.Texts()) {
    if (t.text == text && std::abs(t.x - x) < 0.005 && std::abs(t.y - y) < 0.005) return true;
  }
  return false;
}

int CountText(const RecordingSurface& out, const std::string& text) {
  int n = 0;
  for (const RecordedText& t : out.Texts()) n += t.text == text;
  return n;
}

TEST(Kentou1Test, SelfWeightRowsOfTheDocumentedExample) {
  Bench b(2);
  SetWall(b, 2.0, 0.5, 0, 0.4, 1.2, 0.3);
  auto ctx = b.ctx();
  Kentou1(ctx);
  // Areas 0.3×2.5/2, 0.4×2.5 and 0.5×2.5/2.
  EXPECT_TRUE(HasText(b.out, "0.300×2.500/2 ＝", 2600, 7100));
  EXPECT_TRUE(HasText(b.out, "0.3750", 4800, 7100));
  EXPECT_TRUE(HasText(b.out, "1.0000", 4800, 7500));
  EXPECT_TRUE(HasText(b.out, "0.6250", 4800, 7900));
  EXPECT_TRUE(HasText(b.out, "③", 2000, 7900));
  // Weight 0.625 × 23 = 14.375 is two-digit: one step left of 7400.
  EXPECT_TRUE(HasText(b.out, "14.3750", 7300, 7900));
}

TEST(Kentou1Test, ScaleFollowsTheWallHeight) {
  struct Case {
    double h, emb, top, scale, outline_bottom;
  };
  // 4.0 m of wall: s = 2.0, drawn 2000 twips tall; 0.8 m: s = 0.5, 1600 tall.
  const Case cases[] = {{3.0, 0.5, 0.5, 2.0, 4950}, {0.6, 0.2, 0, 0.5, 4550}};
  for (const Case& c : cases) {
    Bench b(2);
    SetWall(b, c.h, c.emb, c.top, 0.3, 0.5, 0.1);
    auto ctx = b.ctx();
    Kentou1(ctx);
    EXPECT_DOUBLE_EQ(FigureScale(b.dc), c.scale);
    const RecordedSegment base = b.out.Segments()[3];  // toe to heel
    EXPECT_DOUBLE_EQ(base.y1, c.outline_bottom);
  }
}

TEST(Kentou1Test, SurchargeLiftsTheUpperDimensionLine) {
  for (double q : {0.0, 10.0}) {
    Bench b(2);
    SetWall(b, 2.0, 0.5, 0, 0.4, 1.2, 0.3);
    b.dc.Calc[calc::kSurcharge] = q;
    auto ctx = b.ctx();
    Kentou1(ctx);
    const double y = q == 0 ? 1900 : 1800;  // labels 200 above the line at 2100 or 2000
    EXPECT_TRUE(HasText(b.out, "300", (2850 + 3090) / 2.0 - 150, y)) << q;
    EXPECT_EQ(CountText(b.out, "ｑ"), 1) << "the q label is printed even without surcharge";
  }
}

TEST(Kentou1Test, PartsAreNumberedAsTheTableRows) {
  struct Case {
    const char* name;
    double crest, base, front;
    int parts;  // ① ② ③ in the figure (size 10) and the table
  };
  const Case cases[] = {
      {"three parts", 0.4, 1.2, 0.3, 3},
      {"no front projection", 0.4, 1.0, 0.0, 2},
      {"vertical back face", 0.4, 0.7, 0.3, 2},
      {"rectangle", 0.5, 0.5, 0.0, 1},
      // The back face leans forward (B < f + b): no back triangle, no ③.
      {"back face leaning forward", 0.5, 0.7, 0.3, 2},
  };
  for (const Case& c : cases) {
    Bench b(2);
    SetWall(b, 2.0, 0.5, 0, c.crest, c.base, c.front);
    auto ctx = b.ctx();
    Kentou1(ctx);
    int figure = 0, table = 0, dotted = 0;
    for (const RecordedText& t : b.out.Texts()) {
      const bool part = t.text == "①" || t.text == "②" || t.text == "③";
      if (part && t.size == 10) ++figure;
      if (part && t.size == 11) ++table;
    }
    for (const RecordedSegment& s : b.out.Segments()) dotted += s.style == kDotted;
    EXPECT_EQ(figure, c.parts) << c.name;
    EXPECT_EQ(table, c.parts) << c.name;
    EXPECT_EQ(dotted, c.parts - 1) << c.name;
    EXPECT_EQ(CountText(b.out, "③"), c.parts == 3 ? 2 : 0) << c.name;
  }
}

TEST(Kentou1Test, LoadCaseHeading) {
  struct Case {
    LoadCase load_case;
    const char* fence;
    const char* heading;  // empty: no heading line
  };
  const Case cases[] = {
      {LoadCase::kNormal, "", "            3－１ 荷重の計算（常時）"},
      {LoadCase::kNormal, "0", "            3－１ 荷重の計算（常時）"},
      {LoadCase::kNormal, "1", "            3－１ 荷重の計算（水平荷重時）"},
      {LoadCase::kNormal, "2", "            3－１ 荷重の計算（水平荷重時）"},
      {LoadCase::kSeismic, "1", "            3－１ 荷重の計算（地震時）"},
      {LoadCase::kNone, "", ""},
  };
  for (const Case& c : cases) {
    Bench b(2);
    SetWall(b, 2.0, 0.5, 0, 0.4, 1.2, 0.3);
    b.sel.load_case = c.load_case;
    b.dc.FenceLoadType = c.fence;
    auto ctx = b.ctx();
    Kentou1(ctx);
    const auto texts = b.out.Texts();
    EXPECT_EQ(texts[0].text, "         § 3．重力式コンクリート造擁壁（A）の設計");
    EXPECT_EQ(texts[0].y, 1100);
    if (*c.heading) {
      EXPECT_EQ(texts[1].text, c.heading);
      EXPECT_EQ(texts[1].y, 1540);
    } else {
      EXPECT_NE(texts[1].y, 1540);
    }
  }
}

TEST(Kentou1Test, FenceWithoutLoadHasNoArrowsAndNoLoadLine) {
  for (const char* type : {"0", "1", "2"}) {
    Bench b(2);
    SetWall(b, 2.0, 0.5, 0, 0.4, 1.2, 0.3);
    b.dc.FenceLoadType = type;
    b.dc.FenceH = 1.0;
    b.dc.FenceX = 0.2;
    b.dc.FenceLoadY = 0.6;
    b.dc.FenceLoad = 1.5;
    b.dc.FenceW = 0.5;
    auto ctx = b.ctx();
    Kentou1(ctx);
    int barbs = 0;  // each load arrow has a barb 100 long and 50 up
    for (const RecordedSegment& s : b.out.Segments()) {
      barbs += s.x2 - s.x1 == 100 && s.y1 - s.y2 == 50;
    }
    const std::string t(type);
    EXPECT_EQ(barbs, t == "0" ? 0 : t == "1" ? 5 : 1) << type;
    EXPECT_EQ(CountText(b.out, "水平荷重 ｗ=1.5kN/m2"), t == "1" ? 1 : 0);
    EXPECT_EQ(CountText(b.out, "水平荷重 Ｐ=1.5kN/m"), t == "2" ? 1 : 0);
    EXPECT_EQ(CountText(b.out, "柵"), 1);
    EXPECT_EQ(CountText(b.out, "0.5000"), 1) << "fence weight in the table";
  }
}

}  // namespace
}  // namespace varnholt::report
