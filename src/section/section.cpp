#include "section/section.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/angles.h"
#include "model/leading_number.h"
#include "report/number_format.h"
#include "section/section_internal.h"

namespace varnholt::section {
namespace {

// What each dimension is called in a reason and a hover text, as the
// calculation names the same boxes.
constexpr const char* kNameFront = "前面の水平長さ f";
constexpr const char* kNameCrestWidth = "天端幅 b";
constexpr const char* kNameCrestAbove = "天端高さ";
constexpr const char* kNameHeightH = "寸法 h";
constexpr const char* kNameEmbedment = "根入れ深さ";
constexpr const char* kNameBase = "底版幅 B";
constexpr const char* kNameSurcharge = "上載荷重 q";
constexpr const char* kNameBeta = "地平面と水平面とのなす角度 β";
constexpr const char* kNameH0 = "法面の高さ ho";
constexpr const char* kNameFenceHeight = "柵の高さ";
constexpr const char* kNameFenceX = "柵の位置";
constexpr const char* kNameFenceLoad = "柵の水平荷重";
constexpr const char* kNameFenceLoadY = "荷重の作用高さ";
constexpr const char* kNameKeyHeight = "突起の高さ H0";
constexpr const char* kNameKeyPositionT = "突起の位置 B1";
constexpr const char* kNameKeyPositionD = "突起の位置 L1";
constexpr const char* kNameKeyWidth = "突起の幅 D";
constexpr const char* kNameBackProjection = "背面の水平長さ";
constexpr const char* kNameH = "土圧の高さ H";

constexpr const char* kWhyEmpty = "が未入力です。";
constexpr const char* kWhyNotNumber = "が数値ではありません。";
constexpr const char* kWhyTooLarge = "が数値として大きすぎます。";
constexpr const char* kWhyNegative = "が負の値です。";
constexpr const char* kMsgNoHeight = "擁壁の高さが 0 のため、断面を描けません。";
constexpr const char* kMsgBaseZero = "底版幅 B が 0 です。";
constexpr const char* kMsgBetaRange = "地平面と水平面とのなす角度 β は 0° 以上 90° 未満です。";
constexpr const char* kMsgBetaZeroRaised =
    "嵩上げ土の法面の角度 β が 0° のため、法面を描けません。";
constexpr const char* kMsgFenceOffCrest = "柵の位置が天端の外にあります。";
constexpr const char* kMsgKeyOffBase = "突起が底版の外にあります。";

// Reads one box; a problem is recorded for a text that is not a usable
// dimension. Missing values are drawn as 0.
struct Dim {
  double v = 0;
  bool ok = false;
};

class Reader {
 public:
  explicit Reader(std::vector<Problem>& problems) : problems_(problems) {}

  Dim Read(const std::string& text, Field field, const char* name, bool may_be_negative = false) {
    Dim d;
    const std::optional<double> v = ReadDimension(text);
    if (!v) {
      std::string why = kWhyNotNumber;
      if (IsBlank(text)) why = kWhyEmpty;
      if (!IsBlank(text) && std::isinf(LeadingNumber(text))) why = kWhyTooLarge;
      Flag(field, std::string(name) + " " + why);
      return d;
    }
    if (*v < 0 && !may_be_negative) {
      Flag(field, std::string(name) + " " + kWhyNegative);
      return d;
    }
    d.v = *v;
    d.ok = true;
    return d;
  }

  void Flag(Field field, std::string reason) { problems_.push_back({field, std::move(reason)}); }

 private:
  static bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
  }
  std::vector<Problem>& problems_;
};

bool Flagged(const std::vector<Problem>& problems, Field field) {
  return std::any_of(problems.begin(), problems.end(),
                     [field](const Problem& p) { return p.field == field; });
}

std::string ReasonFor(const std::vector<Problem>& problems, Field field) {
  for (const Problem& p : problems)
    if (p.field == field) return p.reason;
  return {};
}

}  // namespace

std::string Metres(double v) { return report::FormatNumber(v, "0.000") + " m"; }

std::string Millimetres(double v) { return report::FormatNumber(v * 1000, "#,###"); }

std::optional<double> ReadDimension(const std::string& text) {
  // The leading-number rule reads "abc" as 0; a box that does not start like
  // a number is shown as a mistake instead of a wall of no width.
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') compact += c;
  if (compact.empty()) return std::nullopt;
  const char c0 = compact[0];
  const char c1 = compact.size() > 1 ? compact[1] : '\0';
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  bool starts = digit(c0) || (c0 == '.' && digit(c1)) ||
                (c0 == '&' && (c1 == 'H' || c1 == 'h' || c1 == 'O' || c1 == 'o'));
  if (c0 == '+' || c0 == '-') {
    const char c2 = compact.size() > 2 ? compact[2] : '\0';
    starts = digit(c1) || (c1 == '.' && digit(c2));
  }
  if (!starts) return std::nullopt;
  const double v = LeadingNumber(text);
  if (!std::isfinite(v)) return std::nullopt;
  return v == 0 ? 0.0 : v;  // no -0
}

Bounds SectionDrawing::Extent() const {
  Bounds b{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
           std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
  const auto add = [&b](Point p) {
    b.min_x = std::min(b.min_x, p.x);
    b.min_y = std::min(b.min_y, p.y);
    b.max_x = std::max(b.max_x, p.x);
    b.max_y = std::max(b.max_y, p.y);
  };
  for (const Polygon& p : polygons)
    for (Point q : p.points) add(q);
  for (const Segment& s : segments) {
    add(s.a);
    add(s.b);
  }
  for (const Arrow& a : arrows) {
    add(a.tail);
    add(a.head);
  }
  for (const Label& l : labels) {
    // Labels reach about their width around the anchor.
    const double w = TextWidth(l.text, l.height);
    add({l.at.x - w, l.at.y - l.height});
    add({l.at.x + w, l.at.y + l.height});
  }
  if (b.min_x > b.max_x) return {};
  return b;
}

double TextWidth(const std::string& utf8, double height) {
  // Half an em for a half-width character, a full em for the rest.
  double ems = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    bool half = c < 0x80;
    // Half-width katakana U+FF61..U+FF9F: EF BD A1..EF BE 9F.
    if (len == 3 && c == 0xEF && i + 1 < utf8.size()) {
      const unsigned char c1 = static_cast<unsigned char>(utf8[i + 1]);
      if (c1 == 0xBD || c1 == 0xBE) half = true;
    }
    ems += half ? 0.5 : 1.0;
    i += static_cast<std::size_t>(len);
  }
  return ems * height;
}

// Builds the section into `out`; `reserve_below` metres are kept free under
// the base for the ground reaction diagram.
void Builder::Build(const SectionInputs& in, double reserve_below) {
  std::vector<Problem>& problems = out.problems;
  Reader r(problems);
  const Selections& sel = in.sel;
  const bool road = sel.standard == Standard::kRoad;
  const Dim f = r.Read(in.front_projection, Field::kFrontProjection, kNameFront);
  const Dim b = r.Read(in.crest_width, Field::kCrestWidth, kNameCrestWidth);
  const Dim ca = r.Read(in.crest_above, Field::kCrestAbove, kNameCrestAbove);
  const Dim h = r.Read(in.height_h, Field::kHeightH, kNameHeightH);
  const Dim emb = r.Read(in.embedment, Field::kEmbedment, kNameEmbedment);
  Dim base = r.Read(in.base_width, Field::kBaseWidth, kNameBase);
  const Dim q = r.Read(in.surcharge, Field::kSurcharge, kNameSurcharge);
  if (base.ok && base.v == 0) r.Flag(Field::kBaseWidth, kMsgBaseZero);

  const GroundShape shape = sel.shape;
  Dim beta;
  Dim h0;
  if (shape == GroundShape::kUniformSlope || shape == GroundShape::kRaisedSoil) {
    beta = r.Read(in.beta, Field::kBeta, kNameBeta);
    if (beta.ok && beta.v >= 90) {
      r.Flag(Field::kBeta, kMsgBetaRange);
      beta.ok = false;
    }
  }
  if (shape == GroundShape::kRaisedSoil) {
    h0 = r.Read(in.h0, Field::kH0, kNameH0);
    if (beta.ok && beta.v == 0 && h0.ok && h0.v > 0) {
      r.Flag(Field::kBeta, kMsgBetaZeroRaised);
      beta.ok = false;
    }
  }

  text_h = std::max({ca.v + h.v + emb.v, base.v, f.v + b.v, 0.5}) / 28;
  out.text_height = text_h;
  if (!in.section_no.empty() || !in.wall_mark.empty()) {
    out.title = "§" + in.section_no + (in.wall_mark.empty() ? "" : "（" + in.wall_mark + "）");
  }

  const double Hw = ca.v + h.v + emb.v;
  const double H = h.v + emb.v;
  if (!(Hw > 0)) {
    r.Flag(Field::kNone, kMsgNoHeight);
    out.drawable = false;
    return;
  }
  out.drawable = true;
  // A missing base width is drawn with a vertical back face.
  const double B = base.ok ? base.v : f.v + b.v;
  hw = Hw;
  bw = B;

  // The wall.
  const Point toe{0, 0}, front_top{f.v, Hw}, back_top{f.v + b.v, Hw}, heel{B, 0};
  const double theta_deg = ToDegrees(std::atan((B - f.v - b.v) / Hw));
  out.polygons.push_back({{toe, front_top, back_top, heel},
                          Layer::kOutline,
                          Tone::kConcrete,
                          true,
                          "擁壁 Hw = " + Metres(Hw) + "、B = " + Metres(B) +
                              "、θ = " + report::FormatNumber(theta_deg, "0.00") + "°"});

  // Where the faces meet the grounds.
  const double x_back_ground = B + (f.v + b.v - B) * (H / Hw);
  const double x_front_ground = f.v * emb.v / Hw;

  // The back ground: level, a uniform slope, or a slope up to H0 then level.
  const double reach = std::max(1.0, 0.9 * Hw);
  double x_right = std::max(B, x_back_ground) + reach;
  std::vector<Point> ground{{x_back_ground, H}};
  double t = 0;
  if (beta.ok) t = TanDeg(beta.v);
  const bool raised = shape == GroundShape::kRaisedSoil && h0.ok && h0.v > 0 && t > 0;
  double x_slope_top = x_back_ground;
  if (raised) {
    x_slope_top = x_back_ground + h0.v / t;
    x_right = std::max(x_right, x_slope_top + reach);
    ground.push_back({x_slope_top, H + h0.v});
    ground.push_back({x_right, H + h0.v});
  } else if (shape == GroundShape::kUniformSlope && t > 0) {
    // The slope is shown up to the height of one wall above the ground.
    const double run = std::min(x_right - x_back_ground, Hw / t);
    ground.push_back({x_back_ground + run, H + run * t});
    x_right = x_back_ground + run;
  } else {
    ground.push_back({x_right, H});
  }
  const double x_left = std::min(0.0, x_front_ground) - std::max(0.8, 0.5 * Hw);

  // Soil behind and in front of the wall: fills only.
  {
    Polygon soil{{heel}, Layer::kGround, Tone::kSoil, false, {}};
    for (Point p : ground) soil.points.push_back(p);
    soil.points.push_back({x_right, 0});
    out.polygons.insert(out.polygons.begin(), soil);
    Polygon front{{{x_left, emb.v}, {x_front_ground, emb.v}, toe, {x_left, 0}},
                  Layer::kGround,
                  Tone::kSoil,
                  false,
                  {}};
    out.polygons.insert(out.polygons.begin(), front);
  }
  for (std::size_t i = 0; i + 1 < ground.size(); ++i) {
    out.segments.push_back(
        {ground[i], ground[i + 1], Layer::kGround, Tone::kPlain, Stroke::kSolid, "背面の地表面"});
  }
  out.segments.push_back({{x_left, emb.v},
                          {x_front_ground, emb.v},
                          Layer::kGround,
                          Tone::kPlain,
                          Stroke::kSolid,
                          "前面の地表面（根入れ深さ " + Metres(emb.v) + "）"});
  out.segments.push_back(
      {{x_left, 0}, {x_right, 0}, Layer::kGround, Tone::kPlain, Stroke::kDashDot, "底版下面"});
  ground_line = ground;
  ground_top = ground.back().y;

  // β of the slope.
  if (beta.ok && beta.v > 0 && (shape == GroundShape::kUniformSlope || raised)) {
    // The level reference ends short of the value written after it. The
    // value stands between the reference and the slope where the slope has
    // risen clear of it there, under the reference on a flat slope.
    const Point at{x_back_ground + 4 * text_h, H};
    const double rise = std::min(5 * text_h * t, raised ? h0.v : Hw);
    const double value_y = rise >= 0.8 * text_h ? H + 0.1 * text_h : H - 0.6 * text_h;
    out.segments.push_back({{x_back_ground, H},
                            {at.x + 0.6 * text_h, H},
                            Layer::kGround,
                            Tone::kPlain,
                            Stroke::kDashDot,
                            {}});
    out.labels.push_back(
        {{at.x + text_h, value_y},
         "β=" + report::FormatNumber(beta.v, "0.0#") + "°",
         text_h,
         Anchor::kLeft,
         Layer::kText,
         Tone::kPlain,
         std::string(kNameBeta) + " = " + report::FormatNumber(beta.v, "0.00") + "°"});
  } else if (Flagged(problems, Field::kBeta)) {
    out.labels.push_back({{x_back_ground + 2 * text_h, H - 1.2 * text_h},
                          "β=?",
                          text_h,
                          Anchor::kLeft,
                          Layer::kText,
                          Tone::kFlagged,
                          ReasonFor(problems, Field::kBeta)});
  }

  // The surcharge: a line above the loaded ground with ticks.
  if (q.ok && q.v > 0) {
    const double gap = 0.5 * text_h;
    const std::string tip =
        std::string(kNameSurcharge) + " = " + report::FormatNumber(q.v, "0.0#") + " kN/m2";
    const auto mark = [&](Point a, Point c) {
      out.segments.push_back(
          {{a.x, a.y + gap}, {c.x, c.y + gap}, Layer::kGround, Tone::kForce, Stroke::kSolid, tip});
      const int ticks =
          std::max(2, static_cast<int>(std::hypot(c.x - a.x, c.y - a.y) / text_h / 1.5));
      for (int i = 0; i <= ticks; ++i) {
        const double s = static_cast<double>(i) / ticks;
        const Point p{a.x + (c.x - a.x) * s, a.y + (c.y - a.y) * s};
        out.segments.push_back(
            {{p.x, p.y + gap}, p, Layer::kGround, Tone::kForce, Stroke::kSolid, tip});
      }
    };
    for (std::size_t i = 0; i + 1 < ground.size(); ++i) {
      const bool on_slope = raised && i == 0;
      if (on_slope && sel.slope_surcharge != SlopeSurcharge::kWith) continue;
      mark(ground[i], ground[i + 1]);
    }
    const Point mid = raised
                          ? Point{(ground[1].x + ground[2].x) / 2, ground[1].y}
                          : Point{(ground[0].x + ground[1].x) / 2, (ground[0].y + ground[1].y) / 2};
    // On a slope the value is lifted by what the line rises under its
    // upper half.
    const double slope = raised ? 0 : (ground[1].y - ground[0].y) / (ground[1].x - ground[0].x);
    const std::string text = "q=" + report::FormatNumber(q.v, "0.0#") + "kN/m2";
    out.labels.push_back({{mid.x, mid.y + gap + 0.4 * text_h + TextWidth(text, text_h) / 2 * slope},
                          text,
                          text_h,
                          Anchor::kAbove,
                          Layer::kText,
                          Tone::kForce,
                          tip});
  } else if (Flagged(problems, Field::kSurcharge)) {
    out.labels.push_back({{ground[0].x + 3 * text_h, ground[0].y + 1.2 * text_h},
                          "q=?",
                          text_h,
                          Anchor::kAbove,
                          Layer::kText,
                          Tone::kFlagged,
                          ReasonFor(problems, Field::kSurcharge)});
  }

  // The fence on the crest and its horizontal load.
  double top_of_things = std::max(Hw, ground_top);
  double fence_dim_y = 0;
  if (sel.fence == FenceOption::kWith) {
    const Dim fh = r.Read(in.fence_height, Field::kFenceHeight, kNameFenceHeight);
    const Dim fx = r.Read(in.fence_x, Field::kFenceX, kNameFenceX);
    if (fx.ok && fx.v > b.v) r.Flag(Field::kFenceX, kMsgFenceOffCrest);
    const double xp = f.v + fx.v;
    const Tone post_tone =
        Flagged(problems, Field::kFenceX) || Flagged(problems, Field::kFenceHeight) ? Tone::kFlagged
                                                                                    : Tone::kPlain;
    const double fence_top = Hw + fh.v;
    out.segments.push_back({{xp, Hw},
                            {xp, fence_top},
                            Layer::kOutline,
                            post_tone,
                            Stroke::kThick,
                            "柵 高さ " + Metres(fh.v) + "、天端前端から " + Metres(fx.v)});
    top_of_things = std::max(top_of_things, fence_top);
    const bool distributed = sel.fence_load == FenceLoadOption::kDistributed;
    const bool concentrated = sel.fence_load == FenceLoadOption::kConcentrated;
    if (distributed || concentrated) {
      const Dim load = r.Read(in.fence_load, Field::kFenceLoad, kNameFenceLoad);
      const std::string unit = distributed ? "kN/m2" : "kN/m";
      const std::string sym = distributed ? "ｗ" : "Ｐ";
      const std::string tip = std::string("柵の水平荷重 ") + sym + " = " +
                              report::FormatNumber(load.v, "0.0##") + " " + unit;
      const double len = 3 * text_h;
      std::vector<double> heights;
      double label_y = Hw + fh.v / 2;
      if (distributed) {
        for (int i = 0; i <= 4; ++i) heights.push_back(Hw + fh.v * i / 4);
      } else {
        const Dim ly = r.Read(in.fence_load_y, Field::kFenceLoadY, kNameFenceLoadY);
        heights.push_back(Hw + ly.v);
        label_y = Hw + ly.v;
        top_of_things = std::max(top_of_things, Hw + ly.v);
      }
      // The load pushes the fence towards the front.
      for (double y : heights) out.arrows.push_back({{xp + len, y}, {xp, y}, Tone::kForce, tip});
      // The value follows the arrow unless the extension line up from the
      // crest's back edge would run through it; then it ends short of that
      // line (over the topmost arrow where it reaches back over the arrows)
      // or, with no room before it, starts beyond it.
      const std::string text = sym + "=" + report::FormatNumber(load.v, "0.0##") + unit;
      const double width = TextWidth(text, text_h);
      Point at{xp + len + 0.3 * text_h, label_y};
      const double back_edge = f.v + b.v;
      if (at.x < back_edge + 0.2 * text_h && at.x + width > back_edge - 0.2 * text_h) {
        const double short_of = back_edge - 0.2 * text_h - width;
        if (short_of >= xp + 0.3 * text_h) {
          at = {short_of, short_of < at.x ? heights.back() + 0.7 * text_h : label_y};
        } else {
          at.x = back_edge + 0.3 * text_h;
        }
      }
      out.labels.push_back(
          {at, text, text_h, Anchor::kLeft, Layer::kText,
           Flagged(problems, Field::kFenceLoad) ? Tone::kFlagged : Tone::kForce,
           Flagged(problems, Field::kFenceLoad) ? ReasonFor(problems, Field::kFenceLoad) : tip});
    }
    fence_dim_y = fence_top;
    fence_post_x = xp;
    fence_height = fh.v;
    fence_offset = fx.v;
  }

  // Dimension lines, in millimetres as the report writes them.
  const double step = 2.2 * text_h;
  const auto value_text = [&](double v, bool ok, const std::string& typed) {
    if (ok) return Millimetres(v);
    return typed.empty() ? std::string("?") : typed;
  };
  // Upper row: f, b and the back projection; the fence position above it.
  double y_top = top_of_things + 1.5 * step;
  if (shape != GroundShape::kRaisedSoil) y_top = std::max(y_top, ground_top + 1.5 * step);
  if (sel.fence == FenceOption::kWith) {
    HorizontalDim(f.v, fence_post_x, fence_dim_y, y_top, Millimetres(fence_offset), Field::kFenceX,
                  std::string(kNameFenceX) + " = " + Metres(fence_offset));
    y_top += step;
  }
  HorizontalDim(0, f.v, Hw, y_top, value_text(f.v, f.ok, in.front_projection),
                Field::kFrontProjection, std::string(kNameFront) + " = " + Metres(f.v));
  HorizontalDim(f.v, f.v + b.v, Hw, y_top, value_text(b.v, b.ok, in.crest_width),
                Field::kCrestWidth, std::string(kNameCrestWidth) + " = " + Metres(b.v));
  if (std::fabs(B - f.v - b.v) > 1e-9) {
    // From the crest as the others: an extension line up from the base
    // would cross the wall at the crest's back corner.
    HorizontalDim(f.v + b.v, B, Hw, y_top, Millimetres(B - f.v - b.v), Field::kNone,
                  std::string(kNameBackProjection) + " = " + Metres(B - f.v - b.v));
  }

  // Left: h and the embedment next to the wall, H and the crest height
  // further out, the fence height on top.
  // The outer column stands clear of the inner column's values.
  const std::string h_text = value_text(h.v, h.ok, in.height_h);
  const std::string emb_text = value_text(emb.v, emb.ok, in.embedment);
  const double inner_width =
      std::max(TextWidth(h_text, 0.9 * text_h), TextWidth(emb_text, 0.9 * text_h));
  const double x_inner = x_left + 0.5 * step;
  const double x_outer = x_inner - std::max(step, inner_width + 0.6 * text_h);
  VerticalDim(emb.v, H, x_inner, h_text, Field::kHeightH,
              std::string(kNameHeightH) + " = " + Metres(h.v), x_front_ground);
  VerticalDim(0, emb.v, x_inner, emb_text, Field::kEmbedment,
              std::string(kNameEmbedment) + " = " + Metres(emb.v), 0);
  VerticalDim(0, H, x_outer, Millimetres(H), Field::kNone, std::string(kNameH) + " = " + Metres(H),
              0);
  VerticalDim(H, Hw, x_outer, value_text(ca.v, ca.ok, in.crest_above), Field::kCrestAbove,
              std::string(kNameCrestAbove) + " = " + Metres(ca.v), f.v);
  if (sel.fence == FenceOption::kWith) {
    VerticalDim(Hw, Hw + fence_height, x_outer, Millimetres(fence_height), Field::kFenceHeight,
                std::string(kNameFenceHeight) + " = " + Metres(fence_height), f.v);
  }

  // The raised soil's height on the right.
  if (shape == GroundShape::kRaisedSoil) {
    const double x = x_right + 0.5 * step;
    if (raised) {
      VerticalDim(H, H + h0.v, x,
                  "H0=" + report::FormatNumber(h0.v * 1000, h0.v < 1 ? "###" : "#,###"), Field::kH0,
                  std::string(kNameH0) + " = " + Metres(h0.v), x_right);
    } else if (Flagged(problems, Field::kH0)) {
      out.labels.push_back({{x, H + text_h},
                            "H0=?",
                            text_h,
                            Anchor::kLeft,
                            Layer::kText,
                            Tone::kFlagged,
                            ReasonFor(problems, Field::kH0)});
    }
  }

  // The shear key under the base.
  double y_bottom = -reserve_below - step;
  if (sel.shear_key == ShearKeyOption::kWith) {
    const Dim kh = r.Read(in.key_height, Field::kKeyHeight, kNameKeyHeight);
    const char* pos_name = road ? kNameKeyPositionD : kNameKeyPositionT;
    const Dim kp = r.Read(in.key_position, Field::kKeyPosition, pos_name);
    const Dim kw = r.Read(in.key_width, Field::kKeyWidth, kNameKeyWidth);
    if (kp.ok && kw.ok && kp.v + kw.v > B + 1e-9) r.Flag(Field::kKeyPosition, kMsgKeyOffBase);
    key_depth = kh.v;
    if (reserve_below > 0) reserve_below += 0.5 * text_h;
    const bool bad = Flagged(problems, Field::kKeyHeight) ||
                     Flagged(problems, Field::kKeyPosition) || Flagged(problems, Field::kKeyWidth);
    out.polygons.push_back(
        {{{kp.v, 0}, {kp.v + kw.v, 0}, {kp.v + kw.v, -kh.v}, {kp.v, -kh.v}},
         Layer::kOutline,
         bad ? Tone::kFlagged : Tone::kConcrete,
         true,
         "突起 高さ " + Metres(kh.v) + "、幅 " + Metres(kw.v) + "、位置 " + Metres(kp.v)});
    key_polygon = out.polygons.size() - 1;
    // The key's height behind the key, its ticks clear of the marks the
    // forces put on the base.
    const double clear = 0.9 * text_h;
    double x_height = kp.v + kw.v + 0.6 * step;
    for (double m : base_marks)
      if (std::fabs(m - x_height) < clear) x_height = m + clear;
    VerticalDim(-kh.v, 0, x_height, value_text(kh.v, kh.ok, in.key_height), Field::kKeyHeight,
                std::string(kNameKeyHeight) + " = " + Metres(kh.v), kp.v + kw.v, Anchor::kLeft);
    // The key's position and width under the ground reaction, the base
    // width outermost, so that no extension line crosses its value.
    const double y_key = -kh.v - reserve_below - step;
    y_bottom = y_key - step;
    HorizontalDim(0, kp.v, -kh.v, y_key, value_text(kp.v, kp.ok, in.key_position),
                  Field::kKeyPosition, std::string(pos_name) + " = " + Metres(kp.v));
    HorizontalDim(kp.v, kp.v + kw.v, -kh.v, y_key, value_text(kw.v, kw.ok, in.key_width),
                  Field::kKeyWidth, std::string(kNameKeyWidth) + " = " + Metres(kw.v));
  }
  HorizontalDim(0, B, 0, y_bottom, value_text(B, base.ok, in.base_width), Field::kBaseWidth,
                std::string(kNameBase) + " = " + Metres(B));
}

void Builder::HorizontalDim(double x1, double x2, double y_from, double y, const std::string& text,
                            Field field, const std::string& tip) {
  DimensionLine(false, x1, x2, y_from, y, text, field, tip, Anchor::kAbove);
}

void Builder::VerticalDim(double y1, double y2, double x, const std::string& text, Field field,
                          const std::string& tip, double x_from, Anchor side) {
  DimensionLine(true, y1, y2, x_from, x, text, field, tip, side);
}

void Builder::DimensionLine(bool vertical, double s1, double s2, double from, double at,
                            const std::string& text, Field field, const std::string& tip,
                            Anchor side) {
  // (s, t): s along the dimension, t across it.
  const auto pt = [vertical](double s, double t) { return vertical ? Point{t, s} : Point{s, t}; };
  const bool bad = field != Field::kNone && Flagged(out.problems, field);
  const Tone tone = bad ? Tone::kFlagged : Tone::kPlain;
  const std::string hover = bad ? ReasonFor(out.problems, field) : tip;
  const double over = 0.4 * text_h;
  const double dir = at >= from ? 1 : -1;
  out.segments.push_back({pt(s1, at), pt(s2, at), Layer::kDimension, tone, Stroke::kSolid, hover});
  for (double s : {s1, s2}) {
    // The extension line from the measured point, and the report's oblique
    // tick at the end.
    out.segments.push_back({pt(s, from + dir * 0.3 * text_h),
                            pt(s, at + dir * over),
                            Layer::kDimension,
                            tone,
                            Stroke::kSolid,
                            {}});
    const Point c = pt(s, at);
    out.segments.push_back({{c.x - over / 1.5, c.y - over / 1.5},
                            {c.x + over / 1.5, c.y + over / 1.5},
                            Layer::kDimension,
                            tone,
                            Stroke::kSolid,
                            {}});
  }
  if (text.empty()) return;
  double mid = (s1 + s2) / 2;
  const double along = vertical ? 0.9 * text_h : TextWidth(text, 0.9 * text_h);
  if (along + 2 * (over / 1.5 + 0.1 * text_h) > std::fabs(s2 - s1)) {
    // Too narrow between its ticks: the value goes beyond the end away from
    // the middle of the wall, where the neighbouring dimensions are not.
    const double middle = vertical ? hw / 2 : bw / 2;
    const double lo = std::min(s1, s2), hi = std::max(s1, s2);
    const double beyond = over / 1.5 + 0.2 * text_h + along / 2;
    mid = std::fabs(lo - middle) > std::fabs(hi - middle) ? lo - beyond : hi + beyond;
  }
  Point label = pt(mid, at + 0.25 * text_h);
  if (vertical) label = pt(mid, at + (side == Anchor::kRight ? -0.3 : 0.3) * text_h);
  out.labels.push_back({label, text, text_h * 0.9, side, Layer::kDimension, tone, hover});
}

SectionDrawing BuildSection(const SectionInputs& in, const DesignCase* results) {
  Builder builder;
  double reserve = 0;
  if (results != nullptr) {
    reserve = ReactionDepth(*results);
    builder.base_marks = BaseMarks(*results);
  }
  builder.Build(in, reserve);
  if (results != nullptr && builder.out.drawable) AddForces(builder, *results, in.sel);
  return std::move(builder.out);
}

namespace {

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool Inside(const std::vector<Point>& poly, Point p) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point a = poly[i], b = poly[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

}  // namespace

LabelBox BoxOf(const Label& l) {
  const double w = TextWidth(l.text, l.height);
  const double h = l.height;
  double left = l.at.x - w / 2, bottom = l.at.y - h / 2;
  switch (l.anchor) {
    case Anchor::kCenter:
      break;
    case Anchor::kLeft:
      left = l.at.x;
      break;
    case Anchor::kRight:
      left = l.at.x - w;
      break;
    case Anchor::kAbove:
      bottom = l.at.y;
      break;
    case Anchor::kBelow:
      bottom = l.at.y - h;
      break;
  }
  return {left, bottom, w, h};
}

bool Crosses(const LabelBox& box, Point a, Point b) {
  // Clips the segment to the box (Liang-Barsky).
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - box.left, box.left + box.width - a.x, a.y - box.bottom,
                      box.bottom + box.height - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  return true;
}

std::string TipAt(const SectionDrawing& d, Point p, double tolerance) {
  for (const Label& l : d.labels) {
    const LabelBox box = BoxOf(l);
    if (!l.tip.empty() && p.x >= box.left - tolerance && p.x <= box.left + box.width + tolerance &&
        p.y >= box.bottom - tolerance && p.y <= box.bottom + box.height + tolerance) {
      return l.tip;
    }
  }
  for (const Arrow& a : d.arrows)
    if (!a.tip.empty() && DistanceToSegment(p, a.tail, a.head) <= tolerance) return a.tip;
  for (const Segment& s : d.segments)
    if (!s.tip.empty() && DistanceToSegment(p, s.a, s.b) <= tolerance) return s.tip;
  // Areas last, the topmost (drawn last) first.
  for (auto it = d.polygons.rbegin(); it != d.polygons.rend(); ++it)
    if (!it->tip.empty() && it->points.size() >= 3 && Inside(it->points, p)) return it->tip;
  return {};
}

}  // namespace varnholt::section
