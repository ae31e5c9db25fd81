#include <gtest/gtest.h>

#include <cmath>

#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

// A residential wall on level ground, coefficient entered, no fence.
void Residential(Bench& b) {
  b.sel.standard = Standard::kResidential;
  b.sel.shape = GroundShape::kLevel;
  b.sel.load_case = LoadCase::kNormal;
  b.sel.coefficient = CoefficientMode::kEntered;
  auto& c = b.dc.Calc;
  c[calc::kHWork] = 3;
  c[calc::kHeightH] = 2.5;
  c[calc::kEmbedment] = 0.5;
  c[calc::kWeight] = 60;
  c[calc::kXWallFence] = 0.8;
  c[calc::kYWallFence] = 1.2;
  c[calc::kPA] = 30;
  c[calc::kPAX] = 28;
  c[calc::kPAY] = 5;
  c[calc::kDeltaPA] = 10;
  c[calc::kDeltaPAX] = 9;
  c[calc::kDeltaPAY] = 2;
  c[calc::kXPAY] = 1.4;
  c[calc::kXDeltaPAY] = 1.2;
  c[calc::kSumV] = 67;
  c[calc::kSumH] = 37;
  c[calc::kMr] = 57.4;
  c[calc::kMo] = 37;
}

// The text printed at (x, y), or "<none>".
std::string TextAt(const RecordingSurface& out, double x, double y) {
  for (const RecordedText& t : out.Texts()) {
    if (std::abs(t.x - x) < 0.005 && std::abs(t.y - y) < 0.005) return t.text;
  }
  return "<none>";
}

int Dashes(const RecordingSurface& out, double y) {
  int n = 0;
  for (const RecordedSegment& s : out.Segments()) {
    n += s.y1 == y && s.y2 == y && s.x2 - s.x1 == 500;
  }
  return n;
}

TEST(Kentou3Test, HeadingAndSelfWeightRowByCase) {
  struct Case {
    Standard standard;
    LoadCase load_case;
    SeismicMethod method;
    const char* heading;  // at y 1100, "<none>" for none
    int w_row_dashes;     // H, y and H･y strokes
    bool inertia;
  };
  const Case cases[] = {
      {Standard::kResidential, LoadCase::kNormal, SeismicMethod::kNone, "           ３）荷重の集計",
       3, false},
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK1,
       "            ３）荷重の集計（水平力＝地震時土圧）", 3, false},
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kK2,
       "            ３）荷重の集計（水平力＝慣性力＋常時土圧）", 0, true},
      {Standard::kRoad, LoadCase::kSeismic, SeismicMethod::kD1,
       "            ３）荷重の集計（水平力＝慣性力＋地震時土圧）", 0, true},
      {Standard::kRoad, LoadCase::kNormal, SeismicMethod::kNone, "           ３）荷重の集計", 3,
       false},
      // Residential, seismic, no method: no heading and empty cells.
      {Standard::kResidential, LoadCase::kSeismic, SeismicMethod::kNone, "<none>", 0, false},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Residential(b);
    b.sel.standard = c.standard;
    b.sel.load_case = c.load_case;
    b.sel.seismic_method = c.method;
    b.dc.Cond[cond::kKh] = 0.2;
    auto ctx = b.ctx();
    Kentou3(ctx);
    EXPECT_EQ(TextAt(b.out, 0, 1100), c.heading);
    EXPECT_EQ(Dashes(b.out, 2500), c.w_row_dashes);
    // W·Kh = 60 × 0.2 = 12, at its height 1.2: 14.4.
    EXPECT_EQ(TextAt(b.out, 4700, 2400), c.inertia ? "12.0000" : "<none>");
    EXPECT_EQ(TextAt(b.out, 7500, 2400), c.inertia ? "1.200" : "<none>");
    EXPECT_EQ(TextAt(b.out, 9900, 2400), c.inertia ? "14.4000" : "<none>");
  }
}

TEST(Kentou3Test, LeverArmIsZeroOnlyWithoutVerticalForce) {
  // δ = 0 on a battered back face: PAY = PA·sin θ is not 0, so its lever
  // arm counts; the design case is left as the calculation wrote it.
  Bench b(3);
  Residential(b);
  b.dc.Cond[cond::kDelta] = 0;
  b.dc.Calc[calc::kDeltaPAY] = 0;  // the surcharge row without vertical force
  auto ctx = b.ctx();
  Kentou3(ctx);
  EXPECT_EQ(TextAt(b.out, 6200, 2800), "1.400");
  EXPECT_EQ(TextAt(b.out, 8700, 2800), "7.0000");  // 5 × 1.4
  EXPECT_EQ(TextAt(b.out, 6200, 3200), "0.000");
  EXPECT_EQ(TextAt(b.out, 8700, 3200), "0.0000");
  EXPECT_EQ(b.dc.Calc[calc::kXPAY], 1.4);
  EXPECT_EQ(b.dc.Calc[calc::kXDeltaPAY], 1.2);
}

TEST(Kentou3Test, WritesNothingIntoTheDesignCase) {
  Bench b(3);
  ASSERT_EQ(testing::LoadDesignCase("level_residential.case", b), "");
  b.dc.Cond[cond::kDelta] = 0;
  const DesignCase before = b.dc;
  auto ctx = b.ctx();
  Kentou3(ctx);
  EXPECT_EQ(b.dc.Calc, before.Calc);
  EXPECT_EQ(b.dc.Cond, before.Cond);
}

TEST(Kentou3Test, RoundedValueChoosesTheColumnPosition) {
  Bench b(3);
  Residential(b);
  b.dc.Calc[calc::kPAY] = 9.99996;  // rounds to 10.0000: one step left of 3500
  b.dc.Calc[calc::kDeltaPAY] = 9.99994;
  auto ctx = b.ctx();
  Kentou3(ctx);
  EXPECT_EQ(TextAt(b.out, 3400, 2800), "10.0000");
  EXPECT_EQ(TextAt(b.out, 3500, 3200), "9.9999");
}

TEST(Kentou3Test, FenceLoadRowAndNote) {
  struct Case {
    const char* type;
    FenceLoadOption option;
    double load, fence_h, load_y;
    double y_x;          // x of the yP cell
    const char* y_text;  // yP = Hw + FenceH/2 or Hw + FenceLoadY, Hw = 3
  };
  const Case cases[] = {
      {"1", FenceLoadOption::kDistributed, 1.5, 2.0, 0, 7500, "4.000"},
      {"2", FenceLoadOption::kConcentrated, 5, 1.2, 7.0, 7400, "10.000"},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Residential(b);
    b.dc.FenceLoadType = c.type;
    b.sel.fence_load = c.option;
    b.dc.FenceLoad = c.load;
    b.dc.FenceH = c.fence_h;
    b.dc.FenceLoadY = c.load_y;
    b.dc.FenceP = std::string(c.type) == "1" ? c.load * c.fence_h : c.load;
    auto ctx = b.ctx();
    Kentou3(ctx);
    EXPECT_EQ(TextAt(b.out, 1850, 3600), "水平荷重(P)");
    EXPECT_EQ(TextAt(b.out, 3500, 3600), "0.0000");
    EXPECT_EQ(TextAt(b.out, c.y_x, 3600), c.y_text);
    EXPECT_EQ(
        TextAt(b.out, 0, 4400),
        std::string(c.type) == "1"
            ? "                ※ 水平荷重 P=1.500×2.000=3.0000kN/m  (作用点の位置は、柵等の中心)"
            : "<none>");
  }
  // A fence without horizontal load has no P row.
  Bench b(3);
  Residential(b);
  b.dc.FenceLoadType = "0";
  auto ctx = b.ctx();
  Kentou3(ctx);
  EXPECT_EQ(TextAt(b.out, 1850, 3600), "<none>");
}

TEST(Kentou3Test, ComputedCoefficientMovesTheTableDown) {
  for (CoefficientMode mode : {CoefficientMode::kEntered, CoefficientMode::kComputed}) {
    Bench b(3);
    Residential(b);
    b.sel.coefficient = mode;
    auto ctx = b.ctx();
    Kentou3(ctx);
    const double offset = mode == CoefficientMode::kComputed ? 3400 : 0;
    EXPECT_EQ(TextAt(b.out, 2000, offset + 4000), "合 計 Σ");
    EXPECT_EQ(b.out.CurrentY, offset + 4000 + 220) << "one line below the last cell";
  }
}

TEST(Kentou3Test, RowsByGroundShapeAndStandard) {
  struct Case {
    Standard standard;
    GroundShape shape;
    const char* row2;
    bool delta_row;
  };
  const Case cases[] = {
      {Standard::kResidential, GroundShape::kLevel, "土圧(PA)", true},
      {Standard::kRoad, GroundShape::kUniformSlope, "土圧(PA)", false},
      {Standard::kResidential, GroundShape::kRaisedSoil, "土圧(PAH)", false},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Residential(b);
    b.sel.standard = c.standard;
    b.sel.shape = c.shape;
    b.dc.PAYw = 4;
    b.dc.PAXw = 20;
    b.dc.Calc[calc::kPAHY] = 6;
    b.dc.Calc[calc::kPAHX] = 33;
    auto ctx = b.ctx();
    Kentou3(ctx);
    EXPECT_EQ(TextAt(b.out, 2000, 2800), c.row2);
    EXPECT_EQ(TextAt(b.out, 1900, 3200), c.delta_row ? "土圧(△PA)" : "<none>");
    const char* pv = c.shape == GroundShape::kRaisedSoil ? "4.0000"
                     : c.standard == Standard::kRoad     ? "6.0000"
                                                         : "5.0000";
    EXPECT_EQ(TextAt(b.out, 3500, 2800), pv);
  }
}

}  // namespace
}  // namespace varnholt::report
