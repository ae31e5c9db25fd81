// The forces of a valid calculation drawn on the section: every value comes
// from the design case the calculation left; nothing is recomputed here
// except where on the drawing a force acts.

#include <algorithm>
#include <cmath>

#include "calc/angles.h"
#include "calc/loads.h"
#include "calc/verdicts.h"
#include "report/number_format.h"
#include "section/section_internal.h"

namespace varnholt::section {
namespace {

// Arrows are scaled so that the largest force is about this share of the
// wall height, the ground reaction diagram this share.
constexpr double kForceShare = 0.45;
constexpr double kReactionShare = 0.3;

std::string Kn(double v) { return report::FormatNumber(v, "0.00") + " kN/m"; }
std::string Kpa(double v) { return report::FormatNumber(v, "0.00") + " kN/m2"; }

// The next of 1, 2, 5 × 10^n at or above v.
double NiceAbove(double v) {
  if (!(v > 0) || !std::isfinite(v)) return 1;
  const double p = std::pow(10.0, std::floor(std::log10(v)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * p >= v * (1 - 1e-12)) return m * p;
  return 10 * p;
}

std::string Plain(double v) {
  // A scale step is 1, 2 or 5 × 10^n: no more than four decimals.
  std::string s = report::FormatNumber(v, v >= 1 ? "0" : "0.0###");
  return s;
}

double WallHeight(const DesignCase& dc) {
  return dc.Calc[calc::kCrestAbove] + dc.Calc[calc::kHWork];
}

double KpaPerMetre(const DesignCase& dc) {
  const double hw = std::max(WallHeight(dc), 0.5);
  return NiceAbove(std::fabs(dc.Calc[calc::kSigmaMax]) / (kReactionShare * hw));
}

Tone ToneOf(const Verdict& v) {
  if (!v.judged) return Tone::kForce;
  return v.ok ? Tone::kOk : Tone::kNg;
}

Tone Worse(Tone a, Tone b) {
  if (a == Tone::kNg || b == Tone::kNg) return Tone::kNg;
  if (a == Tone::kOk || b == Tone::kOk) return Tone::kOk;
  return a;
}

// The point of the back face (from the heel (B, 0) to the crest's back edge)
// at height y.
Point BackFaceAt(const DesignCase& dc, double y) {
  const double B = dc.Calc[calc::kBaseWidth];
  const double top = dc.Calc[calc::kFrontProj] + dc.Calc[calc::kCrestWidth];
  const double hw = WallHeight(dc);
  return {B + (top - B) * (y / hw), y};
}

// Where a ray from `from` at `degrees` above the horizontal first meets the
// polyline; nullopt when it does not.
std::optional<Point> RayMeets(Point from, double degrees, const std::vector<Point>& line) {
  const double dx = CosDeg(degrees), dy = SinDeg(degrees);
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const Point a = line[i], b = line[i + 1];
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double den = dx * ey - dy * ex;
    if (std::fabs(den) < 1e-12) continue;
    const double t = ((a.x - from.x) * ey - (a.y - from.y) * ex) / den;
    const double s = ((a.x - from.x) * dy - (a.y - from.y) * dx) / den;
    if (t > 0 && s >= -1e-9 && s <= 1 + 1e-9) return Point{from.x + t * dx, from.y + t * dy};
  }
  return std::nullopt;
}

// Places the first of `candidates` whose text, with a margin, crosses no
// arrow and covers no label already placed; the first when none is clear.
void PlaceClear(SectionDrawing& out, const std::vector<Label>& candidates, double margin) {
  for (const Label& c : candidates) {
    LabelBox box = BoxOf(c);
    box.left -= margin;
    box.bottom -= margin;
    box.width += 2 * margin;
    box.height += 2 * margin;
    const bool crossed = std::any_of(out.arrows.begin(), out.arrows.end(),
                                     [&](const Arrow& a) { return Crosses(box, a.tail, a.head); });
    const bool covers = std::any_of(out.labels.begin(), out.labels.end(), [&](const Label& l) {
      const LabelBox o = BoxOf(l);
      return o.left < box.left + box.width && box.left < o.left + o.width &&
             o.bottom < box.bottom + box.height && box.bottom < o.bottom + o.height;
    });
    if (!crossed && !covers) {
      out.labels.push_back(c);
      return;
    }
  }
  if (!candidates.empty()) out.labels.push_back(candidates.front());
}

}  // namespace

std::vector<double> BaseMarks(const DesignCase& dc) {
  const double B = dc.Calc[calc::kBaseWidth];
  std::vector<double> marks{B / 2 - B / 4, B / 2 - B / 6, B / 2,
                            B / 2 + B / 6, B / 2 + B / 4, dc.Calc[calc::kD]};
  std::sort(marks.begin(), marks.end());
  return marks;
}

double ReactionDepth(const DesignCase& dc) {
  const double depth = std::fabs(dc.Calc[calc::kSigmaMax]) / KpaPerMetre(dc);
  const double text = std::max(WallHeight(dc), 0.5) / 28;
  return depth + 2.5 * text;
}

void AddForces(Builder& bd, const DesignCase& dc, const Selections& sel) {
  SectionDrawing& out = bd.out;
  const double th = bd.text_h;
  const double B = dc.Calc[calc::kBaseWidth];
  const double H = dc.Calc[calc::kHWork];
  const double hw = WallHeight(dc);
  const StabilityVerdicts verdicts = JudgeStability(dc, sel);

  // The earth pressure rows of the case, each (name, horizontal, vertical,
  // height above the base).
  struct Pressure {
    std::string name;
    double px, py, y;
  };
  std::vector<Pressure> pressures;
  switch (SelectEarthPressureRows(sel)) {
    case EarthPressureRows::kCoulomb:
      pressures.push_back({"PA", dc.Calc[calc::kPAX], dc.Calc[calc::kPAY], H / 3});
      pressures.push_back({"ΔPA", dc.Calc[calc::kDeltaPAX], dc.Calc[calc::kDeltaPAY], H / 2});
      break;
    case EarthPressureRows::kCombined:
      pressures.push_back({"PA", dc.Calc[calc::kPAHX], dc.Calc[calc::kPAHY], H / 3});
      break;
    case EarthPressureRows::kTrialWedge:
      pressures.push_back({"PA", dc.PAXw, dc.PAYw, H / 3});
      break;
    case EarthPressureRows::kNone:
      break;
  }
  const double weight = dc.Calc[calc::kWeight];
  const bool inertia = InertiaForceApplies(sel);
  const double inertia_force = dc.Cond[cond::kKh] * (weight + dc.FenceW);
  const double sum_v = dc.Calc[calc::kSumV];
  const double sum_h = dc.Calc[calc::kSumH];

  // One scale for every arrow.
  double largest = std::max(
      {std::fabs(weight), std::hypot(sum_v, sum_h), inertia ? std::fabs(inertia_force) : 0.0});
  for (const Pressure& p : pressures) largest = std::max(largest, std::hypot(p.px, p.py));
  ForceScale scale;
  scale.kn_per_m = NiceAbove(largest / (kForceShare * std::max(hw, 0.5)));
  scale.kpa_per_m = KpaPerMetre(dc);
  scale.legend = "力 1 m = " + Plain(scale.kn_per_m) +
                 " kN/m、地盤反力 1 m = " + Plain(scale.kpa_per_m) + " kN/m2";
  const double k = scale.kn_per_m;

  // Self weight at the centroid of the section.
  const Point g{dc.Calc[calc::kXCentroid], dc.Calc[calc::kYCentroid]};
  const std::string w_tip =
      "自重 W = " + Kn(weight) + "（重心 x = " + Metres(g.x) + "、y = " + Metres(g.y) + "）";
  out.arrows.push_back({g, {g.x, g.y - weight / k}, Tone::kForce, w_tip});

  // Earth pressure on the back face, pushing towards the front and down.
  for (const Pressure& p : pressures) {
    const double r = std::hypot(p.px, p.py);
    if (!(r > 0)) continue;
    const Point at = BackFaceAt(dc, p.y);
    const std::string tip = p.name + " = " + Kn(r) + "（水平 " + Kn(p.px) + "、鉛直 " + Kn(p.py) +
                            "、作用高さ " + Metres(p.y) + "）";
    const Point tail{at.x + p.px / k, at.y + p.py / k};
    out.arrows.push_back({tail, at, Tone::kForce, tip});
    out.labels.push_back(
        {{tail.x + 0.2 * th, tail.y}, p.name, th, Anchor::kLeft, Layer::kForce, Tone::kForce, tip});
  }

  // The slip plane of the trial wedge, from the heel at ω to the surface.
  if (SelectEarthPressureRows(sel) == EarthPressureRows::kTrialWedge && dc.OmegaMax > 0) {
    const Point heel{B, 0};
    const std::optional<Point> top = RayMeets(heel, dc.OmegaMax, bd.ground_line);
    if (top) {
      const std::string tip = "すべり面 ω = " + report::FormatNumber(dc.OmegaMax, "0.0") +
                              "°（PAmax = " + Kn(dc.PAmax) +
                              "、土くさびの重量 W = " + Kn(dc.WedgeW) + "）";
      out.segments.push_back({heel, *top, Layer::kForce, Tone::kForce, Stroke::kDashed, tip});
      out.labels.push_back({{heel.x + 4 * th, 0.6 * th},
                            "ω=" + report::FormatNumber(dc.OmegaMax, "##") + "°",
                            th,
                            Anchor::kLeft,
                            Layer::kForce,
                            Tone::kForce,
                            tip});
    }
  }

  // Seismic inertia at the centroid of wall and fence, towards the front.
  if (inertia && inertia_force != 0) {
    const Point at{dc.Calc[calc::kXWallFence], dc.Calc[calc::kYWallFence]};
    const std::string tip = "慣性力 Kh・(W＋Wf) = " + Kn(inertia_force) +
                            "（Kh = " + report::FormatNumber(dc.Cond[cond::kKh], "0.00#") +
                            "、作用高さ " + Metres(at.y) + "）";
    out.arrows.push_back({at, {at.x - inertia_force / k, at.y}, Tone::kForce, tip});
    out.labels.push_back({{at.x - inertia_force / k - 0.2 * th, at.y},
                          "KhW",
                          th,
                          Anchor::kRight,
                          Layer::kForce,
                          Tone::kForce,
                          tip});
  }

  // The resultant meeting the base at d, judged by the overturning check.
  const double d = dc.Calc[calc::kD];
  const double e = dc.Calc[calc::kE];
  const Tone overturn = Worse(ToneOf(verdicts.overturning), ToneOf(verdicts.eccentricity));
  const Tone resultant_tone = overturn == Tone::kForce ? Tone::kForce : overturn;
  {
    const std::string tip = "合力 R = " + Kn(std::hypot(sum_v, sum_h)) + "（ΣV = " + Kn(sum_v) +
                            "、ΣH = " + Kn(sum_h) + "）、d = " + Metres(d);
    const Point head{d, 0};
    const Point tail{d + sum_h / k, sum_v / k};
    out.arrows.push_back({tail, head, resultant_tone, tip});
    // W beside its shaft and R at its tail, each where no other arrow runs
    // through it: R often crosses W near the centroid.
    std::vector<Label> w_places;
    for (double share : {0.5, 0.3, 0.7}) {
      const double y = g.y - share * weight / k;
      w_places.push_back(
          {{g.x + 0.3 * th, y}, "W", th, Anchor::kLeft, Layer::kForce, Tone::kForce, w_tip});
      w_places.push_back(
          {{g.x - 0.3 * th, y}, "W", th, Anchor::kRight, Layer::kForce, Tone::kForce, w_tip});
    }
    PlaceClear(out, w_places, 0.15 * th);
    PlaceClear(
        out,
        {{{tail.x + 0.2 * th, tail.y}, "R", th, Anchor::kLeft, Layer::kForce, resultant_tone, tip},
         {{tail.x - 0.2 * th, tail.y}, "R", th, Anchor::kRight, Layer::kForce, resultant_tone, tip},
         {{tail.x, tail.y + 0.2 * th},
          "R",
          th,
          Anchor::kAbove,
          Layer::kForce,
          resultant_tone,
          tip}},
        0.15 * th);
  }

  // The middle third (e ≦ B/6) and middle half (e ≦ B/4) on the base, their
  // names on the side away from d so that e has the other side to itself.
  const double mark = 1.2 * th;
  const double away = d <= B / 2 ? 1 : -1;
  for (const auto& [share, text] :
       {std::pair<double, const char*>{6, "B/6"}, std::pair<double, const char*>{4, "B/4"}}) {
    const std::string tip =
        std::string(share == 6 ? "中央 1/3（e ≦ B/6）: " : "中央 1/2（e ≦ B/4）: ") +
        Metres(B / 2 - B / share) + " 〜 " + Metres(B / 2 + B / share);
    for (double x : {B / 2 - B / share, B / 2 + B / share}) {
      out.segments.push_back({{x, -0.2 * th},
                              {x, share == 6 ? mark : 0.6 * mark},
                              Layer::kForce,
                              Tone::kPlain,
                              Stroke::kDashDot,
                              tip});
    }
    out.labels.push_back({{B / 2 + away * B / share, (share == 6 ? mark : 0.6 * mark) + 0.1 * th},
                          text,
                          0.7 * th,
                          Anchor::kAbove,
                          Layer::kForce,
                          Tone::kPlain,
                          tip});
  }

  // e from the middle of the base to d, drawn above the tops of the B/6 and
  // B/4 marks and named beyond d, clear of the marks and of R.
  {
    const std::string tip =
        "偏心距離 e = B/2 − d = " + Metres(e) + "（B/6 = " + Metres(B / 6) + "）";
    const double y = mark + 0.7 * th;
    out.segments.push_back({{B / 2, -0.2 * th},
                            {B / 2, y + 0.3 * th},
                            Layer::kForce,
                            resultant_tone,
                            Stroke::kSolid,
                            tip});
    out.segments.push_back(
        {{B / 2, y}, {d, y}, Layer::kForce, resultant_tone, Stroke::kSolid, tip});
    out.segments.push_back(
        {{d, 0}, {d, y + 0.3 * th}, Layer::kForce, resultant_tone, Stroke::kSolid, tip});
    // Beyond R as well where R leans to the same side.
    const double lean = sum_v != 0 ? sum_h / sum_v : 0;
    double x = d - away * 0.2 * th;
    for (double edge : {y - 0.4 * th, y + 0.4 * th}) {
      const double past_r = d + lean * edge - away * 0.2 * th;
      x = away > 0 ? std::min(x, past_r) : std::max(x, past_r);
    }
    out.labels.push_back({{x, y},
                          "e=" + report::FormatNumber(e, "0.000"),
                          0.8 * th,
                          away > 0 ? Anchor::kRight : Anchor::kLeft,
                          Layer::kForce,
                          resultant_tone,
                          tip});
  }

  // The ground reaction under the base, judged by the bearing check.
  {
    const double kpa = scale.kpa_per_m;
    const double smax = dc.Calc[calc::kSigmaMax];
    const double smin = dc.Calc[calc::kSigmaMin];
    const double x_len = dc.Calc[calc::kPressureLength];
    const Tone tone = ToneOf(verdicts.bearing);
    const bool toe_loaded = e >= 0;
    const bool trapezoid = B > 0 && std::fabs(e) / B < 1.0 / 6;
    // Under a shear key the diagram hangs below the key.
    const double y0 = bd.key_depth > 0 ? -bd.key_depth - 0.5 * th : 0;
    std::vector<Point> poly;
    std::string tip = "地盤反力 σmax = " + Kpa(smax);
    const double x_max = toe_loaded ? 0 : B;
    // σmax and σmin stand beside the diagram's outer corners, outside it and
    // below the base line (the ground and the slip plane start at the heel);
    // X hangs under the end of the loaded length.
    struct Value {
      Point at;
      Anchor anchor;
      std::string text;
    };
    const auto beside = [&](double x, double sigma) {
      const double outward = x < B / 2 ? -1 : 1;
      return Point{x + outward * 0.3 * th, std::min(y0 - sigma / kpa, y0 - 0.65 * th)};
    };
    const auto side = [&](double x) { return x < B / 2 ? Anchor::kRight : Anchor::kLeft; };
    std::vector<Value> values{
        {beside(x_max, smax), side(x_max), "σmax=" + report::FormatNumber(smax, "0.00")}};
    if (trapezoid) {
      const double x_min = toe_loaded ? B : 0;
      poly = {{x_max, y0}, {x_min, y0}, {x_min, y0 - smin / kpa}, {x_max, y0 - smax / kpa}};
      tip += "、σmin = " + Kpa(smin);
      values.push_back(
          {beside(x_min, smin), side(x_min), "σmin=" + report::FormatNumber(smin, "0.00")});
    } else {
      const double reach = std::min(std::fabs(x_len), B);
      const double x_end = toe_loaded ? reach : B - reach;
      poly = {{x_max, y0}, {x_end, y0}, {x_max, y0 - smax / kpa}};
      tip += "、X = " + Metres(x_len);
      values.push_back(
          {{x_end, y0 - 0.3 * th}, Anchor::kBelow, "X=" + report::FormatNumber(x_len, "0.000")});
    }
    out.polygons.push_back({poly, Layer::kForce, tone, true, tip});
    for (const Value& v : values) {
      out.labels.push_back({v.at, v.text, 0.8 * th, v.anchor, Layer::kForce, tone, tip});
    }
  }

  // The shear key takes the colour of its verdict; the sliding factor is
  // written at the base.
  if (bd.key_polygon && verdicts.shear_key.judged) {
    Polygon& key = out.polygons[*bd.key_polygon];
    key.tone = ToneOf(verdicts.shear_key);
    key.tip += "、Fk = " + report::FormatNumber(dc.Calc[calc::kKeyFk], "0.00");
  }
  {
    // With a key the sliding check is Fk's; the plain Fs is not the design's.
    const bool key = bd.key_polygon.has_value();
    const Verdict& v = key ? verdicts.shear_key : verdicts.sliding;
    const double factor = dc.Calc[key ? calc::kKeyFk : calc::kSlidingF];
    const std::string name = key ? "Fk" : "Fs";
    const std::string text = name + "=" + report::FormatNumber(factor, "0.00");
    out.labels.push_back({{-0.3 * th, 0.7 * th},
                          text,
                          0.8 * th,
                          Anchor::kRight,
                          Layer::kForce,
                          ToneOf(v),
                          std::string(key ? "突起を考慮した" : "") + "滑動に対する安全率 " + name +
                              " = " + report::FormatNumber(factor, "0.00") + "（ΣH = " + Kn(sum_h) +
                              "）"});
  }
  out.forces = scale;
}

}  // namespace varnholt::section
