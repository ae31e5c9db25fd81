#include "report/recording_surface.h"

#include <gtest/gtest.h>

#include "report/drawing.h"

namespace varnholt::report {
namespace {

TEST(RecordingSurfaceTest, DumpLinesHaveTheDocumentedForm) {
  RecordingSurface out(2);
  PrintAt(out, 1750, 10000, {"主働土圧係数  KA = ", "0.297"});
  out.Line(1800, 1500, 10900, 1500, kBlack);
  out.FontSize = 9;
  out.ForeColor = kLightMagenta;
  out.DrawStyle = kDashDotDot;
  out.DrawWidth = 2;
  PrintAt(out, 2866.6666, -0.001, {"x"});
  out.Line(10.5, 20.125, 30, 40);
  EXPECT_EQ(out.Dump(),
            "P 2\n"
            "T 1750 10000 11 000000 主働土圧係数  KA = 0.297\n"
            "L 1800 1500 10900 1500 0 1 000000\n"
            "T 2866.67 0 9 FF00FF x\n"
            "L 10.5 20.13 30 40 4 2 FF00FF\n");
}

TEST(RecordingSurfaceTest, PrintLineJoinsItemsAndAdvancesByTheLineHeight) {
  RecordingSurface out;
  out.CurrentX = 500;
  out.CurrentY = 1000;
  out.PrintLine({"a", 5});
  EXPECT_EQ(out.CurrentX, 0);
  EXPECT_EQ(out.CurrentY, 1220);  // 11 points at 20 twips per point
  out.PrintLine({"Fc=", 21, "N/mm2"});
  out.PrintLine();  // an empty line only advances
  out.FontSize = 9;
  out.PrintLine({""});  // an empty text draws nothing but still advances
  EXPECT_EQ(out.CurrentY, 1000 + 3 * 220 + 180);
  const auto texts = out.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "a 5 ");
  EXPECT_EQ(texts[0].x, 500);
  EXPECT_EQ(texts[1].text, "Fc= 21 N/mm2");
  EXPECT_EQ(texts[1].x, 0);
  EXPECT_EQ(texts[1].y, 1220);
}

TEST(RecordingSurfaceTest, PagesOpenOnTheirFirstPrimitive) {
  RecordingSurface out;
  out.PrintLine({"one"});
  out.CurrentY = 5000;
  out.NewPage();
  EXPECT_EQ(out.CurrentY, 0) << "a new page starts at the top";
  out.PrintLine({"two"});
  out.NewPage();
  out.EndDoc();  // no extra empty page
  ASSERT_EQ(out.pages().size(), 2u);
  EXPECT_EQ(out.pages()[0].number, 1);
  EXPECT_EQ(out.pages()[1].number, 2);
  EXPECT_TRUE(out.ended());
  EXPECT_EQ(out.Dump(), "P 1\nT 0 0 11 000000 one\nP 2\nT 0 0 11 000000 two\n");
}

TEST(RecordingSurfaceTest, ClearSurfaceErasesThePageBeingDrawn) {
  RecordingSurface out(3);
  out.PrintLine({"old"});
  out.ClearSurface();
  EXPECT_EQ(out.CurrentY, 0);
  out.PrintLine({"new"});
  EXPECT_EQ(out.Dump(), "P 3\nT 0 0 11 000000 new\n");
}

TEST(DrawingTest, PageNumberFooter) {
  RecordingSurface out;
  PrintPageNumber(out, 1.5);
  PrintPageNumber(out, 12);
  EXPECT_EQ(out.Dump(),
            "P 1\n"
            "T 5500 15500 11 000000 － 2 －\n"
            "T 5500 15500 11 000000 － 12 －\n");
}

TEST(DrawingTest, RadicalAndBracketsAreBlackSegments) {
  RecordingSurface out;
  out.ForeColor = kLightMagenta;  // formula marks are black whatever the colour
  DrawRadical(out, 4175, 11050, 10600, 7050);
  DrawBrackets(out, 3775, 7200, 10600, 11300);
  EXPECT_EQ(out.Dump(),
            "P 1\n"
            "L 4175 11125 4200 11050 0 1 000000\n"
            "L 4200 11050 4250 11250 0 1 000000\n"
            "L 4250 11250 4400 10600 0 1 000000\n"
            "L 4400 10600 7050 10600 0 1 000000\n"
            "L 3875 10600 3775 10700 0 1 000000\n"
            "L 3775 10700 3775 11200 0 1 000000\n"
            "L 3775 11200 3875 11300 0 1 000000\n"
            "L 7100 10600 7200 10700 0 1 000000\n"
            "L 7200 10700 7200 11200 0 1 000000\n"
            "L 7200 11200 7100 11300 0 1 000000\n");
}

}  // namespace
}  // namespace varnholt::report
