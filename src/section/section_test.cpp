#include "section/section.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/angles.h"
#include "calc/keisan.h"
#include "calc/test_walls.h"
#include "calc/verdicts.h"
#include "section/section_internal.h"

namespace varnholt::section {
namespace {

using ::testing::Contains;
using ::testing::IsSupersetOf;
using ::testing::Not;

// The standard wall of the calculation tests as typed into the boxes.
SectionInputs StandardInputs(GroundShape shape = GroundShape::kLevel) {
  SectionInputs in;
  in.front_projection = "0.3";
  in.crest_width = "0.5";
  in.crest_above = "0.3";
  in.height_h = "3.0";
  in.embedment = "0.5";
  in.base_width = "2.0";
  in.surcharge = "10";
  in.sel.shape = shape;
  if (shape == GroundShape::kUniformSlope) in.beta = "15";
  if (shape == GroundShape::kRaisedSoil) {
    in.beta = "30";
    in.h0 = "1.0";
  }
  return in;
}

std::vector<std::string> Texts(const SectionDrawing& d, Layer layer) {
  std::vector<std::string> t;
  for (const Label& l : d.labels)
    if (l.layer == layer) t.push_back(l.text);
  return t;
}

std::vector<std::string> FlaggedTexts(const SectionDrawing& d) {
  std::vector<std::string> t;
  for (const Label& l : d.labels)
    if (l.tone == Tone::kFlagged) t.push_back(l.text);
  return t;
}

std::vector<Segment> Ground(const SectionDrawing& d) {
  std::vector<Segment> g;
  for (const Segment& s : d.segments)
    if (s.layer == Layer::kGround && s.tip == "背面の地表面") g.push_back(s);
  return g;
}

const Polygon& Wall(const SectionDrawing& d) {
  for (const Polygon& p : d.polygons)
    if (p.layer == Layer::kOutline && p.tone == Tone::kConcrete) return p;
  throw std::runtime_error("no wall");
}

MATCHER_P2(IsNear, x, y, "") { return std::fabs(arg.x - x) < 1e-9 && std::fabs(arg.y - y) < 1e-9; }

TEST(SectionGeometry, WallAndDimensionsForEveryGroundShape) {
  for (GroundShape shape :
       {GroundShape::kLevel, GroundShape::kUniformSlope, GroundShape::kRaisedSoil}) {
    SCOPED_TRACE(static_cast<int>(shape));
    const SectionDrawing d = BuildSection(StandardInputs(shape));
    ASSERT_TRUE(d.drawable);
    EXPECT_TRUE(d.problems.empty()) << d.Reason();
    EXPECT_FALSE(d.forces.has_value());
    // Toe, crest front and back, heel: Hw = 0.3 + 3.0 + 0.5.
    EXPECT_THAT(Wall(d).points, ::testing::ElementsAre(IsNear(0, 0), IsNear(0.3, 3.8),
                                                       IsNear(0.8, 3.8), IsNear(2.0, 0)));
    // Dimension values in millimetres: f, b, back projection, h, embedment,
    // H, the crest height and B.
    EXPECT_THAT(Texts(d, Layer::kDimension),
                IsSupersetOf({"300", "500", "1,200", "3,000", "3,500", "2,000"}));
    const std::vector<std::string> dims = Texts(d, Layer::kDimension);
    EXPECT_EQ(std::count(dims.begin(), dims.end(), "500"), 2);  // b and the embedment
    EXPECT_THAT(Texts(d, Layer::kText), Contains("q=10.0kN/m2"));
    // The back ground starts where the back face meets its level, H = 3.5.
    const std::vector<Segment> g = Ground(d);
    ASSERT_FALSE(g.empty());
    EXPECT_NEAR(g[0].a.y, 3.5, 1e-12);
    EXPECT_NEAR(g[0].a.x, 2.0 - 1.2 * 3.5 / 3.8, 1e-12);
    switch (shape) {
      case GroundShape::kLevel:
        ASSERT_EQ(g.size(), 1u);
        EXPECT_EQ(g[0].b.y, 3.5);
        EXPECT_THAT(Texts(d, Layer::kText), Not(Contains("β=15.0°")));
        break;
      case GroundShape::kUniformSlope:
        ASSERT_EQ(g.size(), 1u);
        EXPECT_NEAR((g[0].b.y - g[0].a.y) / (g[0].b.x - g[0].a.x), TanDeg(15), 1e-12);
        EXPECT_THAT(Texts(d, Layer::kText), Contains("β=15.0°"));
        break;
      default:
        // Up at β = 30° to H + H0, then level.
        ASSERT_EQ(g.size(), 2u);
        EXPECT_NEAR(g[0].b.y, 4.5, 1e-12);
        EXPECT_NEAR(g[0].b.x - g[0].a.x, 1.0 / TanDeg(30), 1e-12);
        EXPECT_EQ(g[1].a, g[0].b);
        EXPECT_EQ(g[1].b.y, g[0].b.y);
        EXPECT_THAT(Texts(d, Layer::kDimension), Contains("H0=1,000"));
        EXPECT_THAT(Texts(d, Layer::kText), Contains("β=30.0°"));
    }
  }
}

TEST(SectionGeometry, SlopeSurchargeOnlyWhenChosen) {
  const auto count_marks = [](const SectionDrawing& d) {
    return std::count_if(d.segments.begin(), d.segments.end(),
                         [](const Segment& s) { return s.tone == Tone::kForce; });
  };
  SectionInputs in = StandardInputs(GroundShape::kRaisedSoil);
  const auto without = count_marks(BuildSection(in));
  in.sel.slope_surcharge = SlopeSurcharge::kWith;
  EXPECT_GT(count_marks(BuildSection(in)), without);
  in.surcharge = "0";
  EXPECT_EQ(count_marks(BuildSection(in)), 0);
}

TEST(SectionGeometry, FenceWithEachLoad) {
  struct Row {
    FenceLoadOption load;
    std::size_t arrows;
    std::string label;
  };
  for (const Row& row :
       {Row{FenceLoadOption::kNormal, 0, ""}, Row{FenceLoadOption::kDistributed, 5, "ｗ=1.5kN/m2"},
        Row{FenceLoadOption::kConcentrated, 1, "Ｐ=2.5kN/m"}}) {
    SCOPED_TRACE(row.label);
    SectionInputs in = StandardInputs();
    in.sel.fence = FenceOption::kWith;
    in.sel.fence_load = row.load;
    in.fence_height = "1.2";
    in.fence_x = "0.25";
    in.fence_load = row.load == FenceLoadOption::kDistributed ? "1.5" : "2.5";
    in.fence_load_y = "0.8";
    const SectionDrawing d = BuildSection(in);
    EXPECT_TRUE(d.problems.empty()) << d.Reason();
    const auto post = std::find_if(d.segments.begin(), d.segments.end(),
                                   [](const Segment& s) { return s.stroke == Stroke::kThick; });
    ASSERT_NE(post, d.segments.end());
    EXPECT_THAT(post->a, IsNear(0.55, 3.8));
    EXPECT_THAT(post->b, IsNear(0.55, 5.0));
    ASSERT_EQ(d.arrows.size(), row.arrows);
    if (row.load == FenceLoadOption::kConcentrated) {
      EXPECT_THAT(d.arrows[0].head, IsNear(0.55, 4.6));
    }
    for (const Arrow& a : d.arrows) EXPECT_GT(a.tail.x, a.head.x);  // towards the front
    EXPECT_THAT(Texts(d, Layer::kDimension), IsSupersetOf({"250", "1,200"}));
    if (!row.label.empty()) {
      EXPECT_THAT(Texts(d, Layer::kText), Contains(row.label));
    }
  }
}

TEST(SectionGeometry, ShearKeyUnderTheBase) {
  for (Standard standard : {Standard::kResidential, Standard::kRoad}) {
    SectionInputs in = StandardInputs();
    in.sel.standard = standard;
    in.sel.shear_key = ShearKeyOption::kWith;
    in.key_height = "0.3";
    in.key_position = "0.8";
    in.key_width = "0.4";
    const SectionDrawing d = BuildSection(in);
    EXPECT_TRUE(d.problems.empty()) << d.Reason();
    const auto key = std::find_if(d.polygons.begin(), d.polygons.end(),
                                  [](const Polygon& p) { return p.tip.starts_with("突起"); });
    ASSERT_NE(key, d.polygons.end());
    EXPECT_THAT(key->points, ::testing::ElementsAre(IsNear(0.8, 0), IsNear(1.2, 0),
                                                    IsNear(1.2, -0.3), IsNear(0.8, -0.3)));
    EXPECT_THAT(Texts(d, Layer::kDimension), IsSupersetOf({"300", "800", "400", "2,000"}));
    // The base width is written below the key.
    for (const Label& l : d.labels)
      if (l.text == "2,000") {
        EXPECT_LT(l.at.y, -0.3);
      }
  }
}

TEST(SectionGeometry, FlagsWhatCannotBeDrawnAsTyped) {
  struct Row {
    const char* what;
    void (*edit)(SectionInputs&);
    Field field;
    const char* reason;
    bool drawable;
  };
  const Row rows[] = {
      {"empty B", [](SectionInputs& in) { in.base_width = ""; }, Field::kBaseWidth,
       "底版幅 B が未入力です。", true},
      {"letters", [](SectionInputs& in) { in.crest_width = "abc"; }, Field::kCrestWidth,
       "天端幅 b が数値ではありません。", true},
      {"full-width digits", [](SectionInputs& in) { in.height_h = "３"; }, Field::kHeightH,
       "寸法 h が数値ではありません。", true},
      {"1e999", [](SectionInputs& in) { in.embedment = "1e999"; }, Field::kEmbedment,
       "根入れ深さ が数値として大きすぎます。", true},
      {"negative", [](SectionInputs& in) { in.front_projection = "-0.3"; }, Field::kFrontProjection,
       "前面の水平長さ f が負の値です。", true},
      {"zero B", [](SectionInputs& in) { in.base_width = "0"; }, Field::kBaseWidth,
       "底版幅 B が 0 です。", true},
      {"no height", [](SectionInputs& in) { in.crest_above = in.height_h = in.embedment = "0"; },
       Field::kNone, "擁壁の高さが 0 のため、断面を描けません。", false},
      {"slope of 90°",
       [](SectionInputs& in) {
         in.sel.shape = GroundShape::kUniformSlope;
         in.beta = "90";
       },
       Field::kBeta, "地平面と水平面とのなす角度 β は 0° 以上 90° 未満です。", true},
      {"raised soil without β",
       [](SectionInputs& in) {
         in.sel.shape = GroundShape::kRaisedSoil;
         in.beta = "0";
         in.h0 = "1";
       },
       Field::kBeta, "嵩上げ土の法面の角度 β が 0° のため、法面を描けません。", true},
      {"fence off the crest",
       [](SectionInputs& in) {
         in.sel.fence = FenceOption::kWith;
         in.fence_height = "1";
         in.fence_x = "0.6";
       },
       Field::kFenceX, "柵の位置が天端の外にあります。", true},
      {"key off the base",
       [](SectionInputs& in) {
         in.sel.shear_key = ShearKeyOption::kWith;
         in.key_height = "0.3";
         in.key_position = "1.8";
         in.key_width = "0.4";
       },
       Field::kKeyPosition, "突起が底版の外にあります。", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SectionInputs in = StandardInputs();
    row.edit(in);
    const SectionDrawing d = BuildSection(in);
    ASSERT_FALSE(d.problems.empty());
    EXPECT_EQ(d.problems[0].field, row.field);
    EXPECT_EQ(d.Reason(), row.reason);
    EXPECT_EQ(d.drawable, row.drawable);
    if (row.drawable && row.field != Field::kBeta) {
      EXPECT_FALSE(FlaggedTexts(d).empty() &&
                   std::none_of(d.segments.begin(), d.segments.end(),
                                [](const Segment& s) { return s.tone == Tone::kFlagged; }));
    }
  }
  // An empty box shows "?" in place of its value; the wall is still drawn
  // with a vertical back face.
  SectionInputs in = StandardInputs();
  in.base_width = "";
  const SectionDrawing d = BuildSection(in);
  EXPECT_THAT(FlaggedTexts(d), Contains("?"));
  EXPECT_THAT(Wall(d).points.back(), IsNear(0.8, 0));
}

TEST(SectionGeometry, ReadDimensionFollowsTheBoxes) {
  EXPECT_EQ(ReadDimension("2.5m"), 2.5);
  EXPECT_EQ(ReadDimension(" 1 2"), 12.0);
  EXPECT_EQ(ReadDimension("-0"), 0.0);
  EXPECT_FALSE(std::signbit(*ReadDimension("-0")));
  EXPECT_EQ(ReadDimension(".5"), 0.5);
  EXPECT_EQ(ReadDimension("&H10"), 16.0);
  EXPECT_EQ(ReadDimension(""), std::nullopt);
  EXPECT_EQ(ReadDimension("-"), std::nullopt);
  EXPECT_EQ(ReadDimension("m2"), std::nullopt);
  EXPECT_EQ(ReadDimension("1e999"), std::nullopt);
}

// The calculation of the standard wall in `sel`, inputs typed alike.
struct Calculated {
  SectionInputs in;
  DesignCase dc;
};
// A slope other than the standard 15° is given as `slope_beta`.
Calculated Calculate(Selections sel, double slope_beta = 15) {
  Calculated c;
  c.in = StandardInputs(sel.shape);
  c.in.sel = sel;
  c.dc = testing::StandardWall();
  if (sel.shape == GroundShape::kUniformSlope) {
    c.dc.Cond[cond::kBeta] = slope_beta;
    c.in.beta = std::to_string(slope_beta);
  }
  if (sel.shape == GroundShape::kRaisedSoil) {
    c.dc.Cond[cond::kBeta] = 30;
    c.dc.Calc[calc::kH0] = 1.0;
  }
  if (sel.load_case == LoadCase::kSeismic) c.dc.Cond[cond::kKh] = 0.2;
  const CalcStatus status = Keisan(c.dc, sel);
  EXPECT_TRUE(status.ok()) << status.Message();
  return c;
}

const Arrow& ArrowNamed(const SectionDrawing& d, const std::string& prefix) {
  for (const Arrow& a : d.arrows)
    if (a.tip.starts_with(prefix)) return a;
  throw std::runtime_error("no arrow " + prefix);
}

TEST(SectionForces, FromTheCalculationWithVerdictColours) {
  Selections sel = testing::Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
  sel.normal_checks.overturn = NormalOverturn::kF15AndE;
  const Calculated c = Calculate(sel);
  const SectionDrawing d = BuildSection(c.in, &c.dc);
  ASSERT_TRUE(d.forces.has_value());
  const double k = d.forces->kn_per_m;
  // W hangs from the centroid.
  const Arrow& w = ArrowNamed(d, "自重 W");
  EXPECT_THAT(w.tail, IsNear(c.dc.Calc[calc::kXCentroid], c.dc.Calc[calc::kYCentroid]));
  EXPECT_NEAR(w.tail.y - w.head.y, c.dc.Calc[calc::kWeight] / k, 1e-12);
  // PA at H/3 on the back face, ΔPA at H/2, at θ + δ.
  const Arrow& pa = ArrowNamed(d, "PA");
  EXPECT_NEAR(pa.head.y, 3.5 / 3, 1e-12);
  EXPECT_NEAR(pa.tail.x - pa.head.x, c.dc.Calc[calc::kPAX] / k, 1e-12);
  EXPECT_NEAR(pa.tail.y - pa.head.y, c.dc.Calc[calc::kPAY] / k, 1e-12);
  EXPECT_NEAR(ArrowNamed(d, "ΔPA").head.y, 3.5 / 2, 1e-12);
  // The resultant meets the base at d; its tone is the overturning verdict.
  const Arrow& r = ArrowNamed(d, "合力");
  EXPECT_THAT(r.head, IsNear(c.dc.Calc[calc::kD], 0));
  const StabilityVerdicts v = JudgeStability(c.dc, sel);
  ASSERT_TRUE(v.overturning.judged);
  EXPECT_EQ(r.tone, v.overturning.ok && v.eccentricity.ok ? Tone::kOk : Tone::kNg);
  EXPECT_THAT(Texts(d, Layer::kForce), IsSupersetOf({"W", "PA", "ΔPA", "R", "B/6", "B/4"}));
  // Either σmin or X is written with σmax, in the bearing verdict's tone.
  const auto reaction = std::find_if(d.polygons.begin(), d.polygons.end(),
                                     [](const Polygon& p) { return p.layer == Layer::kForce; });
  ASSERT_NE(reaction, d.polygons.end());
  EXPECT_EQ(reaction->tone, v.bearing.ok ? Tone::kOk : Tone::kNg);
  EXPECT_NEAR(-reaction->points.back().y * d.forces->kpa_per_m, c.dc.Calc[calc::kSigmaMax], 1e-9);
  EXPECT_THAT(d.forces->legend, ::testing::HasSubstr("kN/m"));
  // Nothing of a calculation is drawn without one.
  EXPECT_TRUE(BuildSection(c.in).arrows.empty());
}

TEST(SectionForces, NgIsColouredAsNg) {
  Selections sel = testing::Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal);
  sel.normal_checks.overturn = NormalOverturn::kF15;
  Calculated c = Calculate(sel);
  c.dc.Cond[cond::kFe] = 1;  // no ground bears that
  const SectionDrawing d = BuildSection(c.in, &c.dc);
  for (const Polygon& p : d.polygons)
    if (p.layer == Layer::kForce) {
      EXPECT_EQ(p.tone, Tone::kNg);
    }
}

TEST(SectionForces, SlipPlaneAndInertia) {
  const Selections sel = testing::Options(Standard::kResidential, GroundShape::kRaisedSoil,
                                          LoadCase::kSeismic, SeismicMethod::kK2);
  const Calculated c = Calculate(sel);
  const SectionDrawing d = BuildSection(c.in, &c.dc);
  const auto slip = std::find_if(d.segments.begin(), d.segments.end(),
                                 [](const Segment& s) { return s.tip.starts_with("すべり面"); });
  ASSERT_NE(slip, d.segments.end());
  EXPECT_THAT(slip->a, IsNear(2.0, 0));
  EXPECT_NEAR(std::atan2(slip->b.y - slip->a.y, slip->b.x - slip->a.x), ToRadians(c.dc.OmegaMax),
              1e-6);
  EXPECT_NEAR(slip->b.y, 4.5, 1e-9);  // reaches the level top of the raised soil
  const Arrow& inertia = ArrowNamed(d, "慣性力");
  EXPECT_THAT(inertia.tail, IsNear(c.dc.Calc[calc::kXWallFence], c.dc.Calc[calc::kYWallFence]));
  EXPECT_LT(inertia.head.x, inertia.tail.x);
  // Method ① has no inertia force.
  const Selections k1 = testing::Options(Standard::kResidential, GroundShape::kRaisedSoil,
                                         LoadCase::kSeismic, SeismicMethod::kK1);
  const Calculated c1 = Calculate(k1);
  const SectionDrawing d1 = BuildSection(c1.in, &c1.dc);
  EXPECT_TRUE(std::none_of(d1.arrows.begin(), d1.arrows.end(),
                           [](const Arrow& a) { return a.tip.starts_with("慣性力"); }));
}

// The box a label's text covers (the section's own estimate of it).
Bounds BoxBounds(const Label& l) {
  const LabelBox b = BoxOf(l);
  return {b.left, b.bottom, b.left + b.width, b.bottom + b.height};
}

bool Covers(const Bounds& b, Point p) {
  return p.x > b.min_x && p.x < b.max_x && p.y > b.min_y && p.y < b.max_y;
}

bool Crosses(const Bounds& b, const Segment& s) {
  for (int i = 0; i <= 100; ++i) {
    const double t = i / 100.0;
    if (Covers(b, {s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y)})) return true;
  }
  return false;
}

TEST(SectionForces, ValuesLeaveTheMarksAndLinesRoom) {
  const Calculated level =
      Calculate(testing::Options(Standard::kResidential, GroundShape::kLevel, LoadCase::kNormal));
  const Calculated raised = Calculate(testing::Options(
      Standard::kResidential, GroundShape::kRaisedSoil, LoadCase::kSeismic, SeismicMethod::kK2));
  const Calculated slope = Calculate(
      testing::Options(Standard::kResidential, GroundShape::kUniformSlope, LoadCase::kNormal));
  const Calculated flat_slope = Calculate(
      testing::Options(Standard::kResidential, GroundShape::kUniformSlope, LoadCase::kNormal), 5);
  Calculated behind_middle = level;  // d beyond the middle: e < 0
  behind_middle.dc.Calc[calc::kD] = 1.25;
  behind_middle.dc.Calc[calc::kE] = -0.25;
  Calculated key = level;  // the key's height dimension just behind the middle third
  key.in.sel.shear_key = ShearKeyOption::kWith;
  key.in.key_height = "0.3";
  key.in.key_position = "0.95";
  key.in.key_width = "0.25";
  Calculated fence = level;  // the load's value where the crest's back edge is dimensioned
  fence.in.sel.fence = FenceOption::kWith;
  fence.in.sel.fence_load = FenceLoadOption::kConcentrated;
  fence.in.fence_height = "1.1";
  fence.in.fence_x = "0.02";
  fence.in.fence_load = "30";
  fence.in.fence_load_y = "1.1";
  const struct {
    const char* name;
    const Calculated& c;
  } rows[] = {{"level", level},         {"raised", raised}, {"slope", slope}, {"β=5°", flat_slope},
              {"e < 0", behind_middle}, {"key", key},       {"fence", fence}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const SectionDrawing d = BuildSection(row.c.in, &row.c.dc);
    const double th = d.text_height;
    std::vector<const Label*> values;
    for (const Label& l : d.labels)
      if (l.layer == Layer::kForce || l.text.starts_with("β") || l.text.starts_with("q="))
        values.push_back(&l);
    for (const Label* l : values) {
      if (!l->text.starts_with("e=") && !l->text.starts_with("σ") && !l->text.starts_with("F") &&
          !l->text.starts_with("β") && !l->text.starts_with("q=") && l->text != "W" &&
          l->text != "R")
        continue;
      SCOPED_TRACE(l->text);
      const Bounds box = BoxBounds(*l);
      for (const Segment& s : d.segments) {
        // The middle third and half marks and the ground lines.
        if (s.tip.starts_with("中央") || s.layer == Layer::kGround) {
          EXPECT_FALSE(Crosses(box, s)) << s.tip;
        }
      }
      for (const Arrow& a : d.arrows) {
        EXPECT_FALSE(
            Crosses(box, {a.tail, a.head, Layer::kForce, Tone::kForce, Stroke::kSolid, {}}))
            << a.tip;
      }
      for (const Label* other : values) {
        if (other == l) continue;
        const Bounds o = BoxBounds(*other);
        EXPECT_FALSE(o.min_x < box.max_x && box.min_x < o.max_x && o.min_y < box.max_y &&
                     box.min_y < o.max_y)
            << other->text;
      }
    }
    // No dimension line runs through a dimension's value or the fence's load.
    for (const Label& l : d.labels)
      if (l.layer == Layer::kDimension || l.tip.starts_with("柵の水平荷重")) {
        for (const Segment& s : d.segments)
          if (s.layer == Layer::kDimension) {
            EXPECT_FALSE(Crosses(BoxBounds(l), s)) << l.text << " by " << s.tip;
          }
      }
    // The oblique ticks of the dimensions keep half a text height off the
    // marks on the base.
    for (const Segment& tick : d.segments) {
      if (tick.layer != Layer::kDimension || tick.a.x == tick.b.x || tick.a.y == tick.b.y) continue;
      const Bounds near{
          std::min(tick.a.x, tick.b.x) - th / 2, std::min(tick.a.y, tick.b.y) - th / 2,
          std::max(tick.a.x, tick.b.x) + th / 2, std::max(tick.a.y, tick.b.y) + th / 2};
      for (const Segment& s : d.segments)
        if (s.tip.starts_with("中央") || s.tip.starts_with("偏心距離")) {
          EXPECT_FALSE(Crosses(near, s)) << s.tip << " at x = " << tick.a.x;
        }
    }
  }
}

TEST(SectionGeometry, TipsUnderThePointer) {
  const SectionDrawing d = BuildSection(StandardInputs());
  EXPECT_THAT(TipAt(d, {1.0, 1.0}, 0.01), ::testing::StartsWith("擁壁 Hw = 3.800 m"));
  std::string base_tip;
  for (const Label& l : d.labels)
    if (l.text == "2,000") base_tip = TipAt(d, l.at, 0.01);
  EXPECT_EQ(base_tip, "底版幅 B = 2.000 m");
  EXPECT_EQ(TipAt(d, {100, 100}, 0.01), "");
}

}  // namespace
}  // namespace varnholt::section
