// KENTOU_1, first half: the wall chapter heading, the load-case heading and
// the dimensioned cross-section of the wall with the block of key values to
// its right. The self-weight table that follows is in kentou_1_table.cpp.
//
// The figure is drawn to a scale that makes the whole wall 2000 twips tall
// (2000 twips per metre for walls of 1 m or less), toe at (2850, y of the
// base), crest at y = 2950. Marks that are not to scale (ground lines,
// arrows, surcharge ticks) have fixed lengths.

#include <cmath>

#include "calc/angles.h"
#include "report/drawing.h"
#include "report/kentou_1_internal.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

// Headings.
constexpr const char* kChapterPrefix = "         § ";
constexpr const char* kChapterMiddle = "．重力式コンクリート造擁壁（";
constexpr const char* kChapterSuffix = "）の設計";
constexpr const char* kCaseIndent = "            ";
constexpr const char* kCaseNormal = "－１ 荷重の計算（常時）";
constexpr const char* kCaseFenceLoad = "－１ 荷重の計算（水平荷重時）";
constexpr const char* kCaseSeismic = "－１ 荷重の計算（地震時）";
// Figure labels.
constexpr const char* kLabelB2 = "b2";
constexpr const char* kLabelB1 = "b1";
constexpr const char* kLabelH0 = "H0=";
constexpr const char* kLabelQ = "ｑ";
constexpr const char* kLabelTheta = "θ";
constexpr const char* kLabelBeta = "β";
constexpr const char* kLabelOmega = "ω=";
constexpr const char* kLabelOmegaDegree = "°";
constexpr const char* kLabelW = "Ｗ";
constexpr const char* kLabelPA = "PA";
constexpr const char* kLabelThetaDelta = "θ+δ";
constexpr const char* kLabelDeltaPA = "ΔPA";
constexpr const char* kLabelFenceW = "ｗ";
constexpr const char* kLabelFenceP = "Ｐ";
constexpr const char* kPart[] = {"①", "②", "③"};
// Value block.
constexpr const char* kFenceLoadW = "水平荷重 ｗ=";
constexpr const char* kFenceLoadP = "水平荷重 Ｐ=";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kKNm = "kN/m";
constexpr const char* kSurcharge = "上載荷重 ｑ=";
constexpr const char* kBeta = "地表面と水平面とのなす角度 β=";
constexpr const char* kHalfWidthDegree = "ﾟ";
constexpr const char* kTheta = "壁背面と鉛直面とのなす角度 θ=";
constexpr const char* kHeight = "粘着力０の土圧に対しては、H=Ho=";
constexpr const char* kMetre = "m";

// Where the figure's points lie on the page.
struct Figure {
  double s = 1;  // m per 1000 twips
  double x0 = 2850, y0 = 2950;
  double xF = 0, xR = 0, xB = 0, xG = 0;
  double yG = 0, yB = 0, yB0 = 0, yS = 0, yD = 0;
  double t = 0;     // slope of the ground surface, tan β
  double back = 0;  // back projection B − f − b, m
  double sc(double metres) const { return metres * 1000 / s; }
};

// a / b, or 0 when b is 0: a wall without height draws as a flat outline
// instead of handing non-finite positions to the surface.
double Ratio(double a, double b) {
  const double r = b != 0 ? a / b : 0;
  return std::isfinite(r) ? r : 0;
}

Figure Place(const DesignCase& dc) {
  const auto& c = dc.Calc;
  Figure f;
  f.s = FigureScale(dc);
  const double front = c[calc::kFrontProj];
  const double crest = c[calc::kCrestWidth];
  f.back = c[calc::kBaseWidth] - front - crest;
  f.xF = f.x0 + f.sc(front);
  f.xR = f.x0 + f.sc(front + crest);
  f.xB = f.x0 + f.sc(c[calc::kBaseWidth]);
  f.yG = f.y0 + f.sc(c[calc::kCrestAbove]);
  f.yB = f.y0 + f.sc(c[calc::kCrestAbove] + c[calc::kHWork]);
  f.yB0 = f.y0 + f.sc(c[calc::kCrestAbove] + c[calc::kH]);
  f.xG = f.xR + f.sc(f.back) * Ratio(c[calc::kCrestAbove], c[calc::kHWork] + c[calc::kCrestAbove]);
  f.t = std::tan(ToRadians(dc.Cond[cond::kBeta]));
  f.yS = f.yG - 656.25 * f.t;
  f.yD = 2100 - 10 * c[calc::kSurcharge];
  return f;
}

bool LevelOrSlope(const Selections& sel) { return LevelOrSlope(sel.shape); }

void Headings(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  for (int i = 0; i < 5; ++i) out.PrintLine();
  out.PrintLine({kChapterPrefix, dc.SectionNo, kChapterMiddle, dc.WallMark, kChapterSuffix});
  out.PrintLine();
  const bool fence_load = dc.FenceLoadType == "1" || dc.FenceLoadType == "2";
  if (ctx.sel.load_case == LoadCase::kNormal) {
    out.PrintLine({kCaseIndent, dc.SectionNo, fence_load ? kCaseFenceLoad : kCaseNormal});
  } else if (ctx.sel.load_case == LoadCase::kSeismic) {
    out.PrintLine({kCaseIndent, dc.SectionNo, kCaseSeismic});
  }
}

// A segment in the dash-dot-dot pattern, the pen set back to solid after it.
void DashDotDot(ReportSurface& out, double x1, double y1, double x2, double y2) {
  out.DrawStyle = kDashDotDot;
  BlackLine(out, x1, y1, x2, y2);
  out.DrawStyle = kSolid;
}

// Groups A to D: outline, ground lines, surcharge marks, dimension lines.
void OutlineAndDimensions(ReportContext& ctx, const Figure& f) {
  ReportSurface& out = ctx.out;
  const auto& c = ctx.dc.Calc;
  const bool level_or_slope = LevelOrSlope(ctx.sel);
  const bool raised = ctx.sel.shape == GroundShape::kRaisedSoil;
  const bool slope_surcharge = ctx.sel.slope_surcharge == SlopeSurcharge::kWith;
  const double t = f.t;

  // A. Outline.
  BlackLine(out, f.xF, f.y0, f.xR, f.y0);
  BlackLine(out, f.xR, f.y0, f.xB, f.yB);
  BlackLine(out, f.xF, f.y0, f.x0, f.yB);
  BlackLine(out, f.x0, f.yB, f.xB, f.yB);

  // B. Ground behind the wall, then the front ground ending on the front face.
  if (level_or_slope) {
    BlackLine(out, f.xG, f.yG, f.xG + 1500, f.yG - 1312.5 * t);
  } else if (raised) {
    BlackLine(out, f.xG, f.yG, f.xG + 750, f.yS);
    BlackLine(out, f.xG + 750, f.yS, f.xB + 1750, f.yS);
  }
  const double to_front_ground = c[calc::kCrestAbove] + c[calc::kHeightH];
  const double yF = f.y0 + f.sc(to_front_ground);
  BlackLine(
      out, 2100, yF,
      f.xF - f.sc(c[calc::kFrontProj]) * Ratio(to_front_ground, c[calc::kH] + c[calc::kCrestAbove]),
      yF);

  // C. Surcharge marks.
  if (c[calc::kSurcharge] != 0) {
    if (level_or_slope) {
      BlackLine(out, f.xG, f.yG - 50, f.xG + 1200, f.yG - 1050 * t - 50);
      for (int i = 0; i <= 12; ++i) {
        const double x = f.xG + 100 * i, y = f.yG - 87.5 * i * t;
        BlackLine(out, x, y, x, y - 50);
      }
    } else if (raised) {
      if (slope_surcharge) {
        BlackLine(out, f.xG, f.yG - 50, f.xG + 750, f.yG - 650 * t - 60);
        for (int i = 0; i <= 6; ++i) {
          const double x = f.xG + 110 * i, y = f.yG - 100 * i * t;
          BlackLine(out, x, y, x, y - 50);
        }
      }
      BlackLine(out, f.xG + 750, f.yS - 50, f.xB + 1750, f.yS - 50);
      for (int i = 0; i <= 6; ++i) {
        const double x = f.xG + 750 + 110 * i;
        BlackLine(out, x, f.yS, x, f.yS - 50);
      }
    }
  }

  // D. Dimension lines: upper, left, lower, and the raised-soil extents.
  BlackLine(out, f.x0, f.yD, f.xR, f.yD);
  for (double x : {f.x0, f.xF, f.xR}) BlackLine(out, x, f.yD, x, f.yD + 650);
  if (level_or_slope) {
    BlackLine(out, f.xB, f.yD, f.xB, f.yD + 650);
    BlackLine(out, f.xR, f.yD, f.xB, f.yD);
  }
  BlackLine(out, 1850, f.y0, 1850, f.yB);
  for (double y : {f.y0, f.yG, f.yB}) BlackLine(out, 1850, y, 2750, y);
  BlackLine(out, 2350, f.yG, 2350, f.yB);
  BlackLine(out, f.x0, f.yB + 700, f.xB, f.yB + 700);
  BlackLine(out, f.x0, f.yB + 700, f.x0, f.yB + 200);
  BlackLine(out, f.xB, f.yB + 700, f.xB, f.yB + 200);
  if (raised) {
    if (slope_surcharge) {
      BlackLine(out, f.xG, f.yD, f.xB + 1500, f.yD);
      if (c[calc::kCrestAbove] != 0) BlackLine(out, f.xG, f.yD, f.xG, f.yD + 400);
    }
    BlackLine(out, f.xG + 750, f.yD, f.xB + 1500, f.yD);
    BlackLine(out, f.xG + 750, f.yD, f.xG + 750, f.yD + 400);
    BlackLine(out, f.xB + 1500, f.yD, f.xB + 1500, f.yD + 400);
    BlackLine(out, f.xB + 1750, f.yS, f.xB + 1750, f.yG);
    BlackLine(out, f.xB + 1750, f.yG, f.xB + 1000, f.yG);
  }
}

// A dimension in metres printed in millimetres; zero prints nothing.
std::string Millimetres(double metres) { return FormatNumber(metres * 1000, "#,###"); }

// Dimension values (9 point), then the ground labels (10 point).
void DimensionLabels(ReportContext& ctx, const Figure& f) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  const bool level_or_slope = LevelOrSlope(ctx.sel);
  const bool raised = ctx.sel.shape == GroundShape::kRaisedSoil;

  out.FontSize = 9;
  PrintAt(out, 2100, f.yG + f.sc(c[calc::kHeightH]) / 2 - 50, {Millimetres(c[calc::kHeightH])});
  PrintAt(out, 2100, f.yB - f.sc(c[calc::kEmbedment]) / 2 - 50, {Millimetres(c[calc::kEmbedment])});
  PrintAt(out, 1600, f.yG + f.sc(c[calc::kHWork]) / 2 - 50, {Millimetres(c[calc::kHWork])});
  PrintAt(out, 1600, f.y0 + f.sc(c[calc::kCrestAbove]) / 2 - 50,
          {Millimetres(c[calc::kCrestAbove])});
  PrintAt(out, (f.x0 + f.xB) / 2 - 200, f.yB + 500, {Millimetres(c[calc::kBaseWidth])});
  PrintAt(out, (f.x0 + f.xF) / 2 - 150, f.yD - 200, {Millimetres(c[calc::kFrontProj])});
  PrintAt(out, (f.xF + f.xR) / 2 - 100, f.yD - 200, {Millimetres(c[calc::kCrestWidth])});
  if (level_or_slope) PrintAt(out, (f.xR + f.xB) / 2 - 150, f.yD - 200, {Millimetres(f.back)});
  out.FontSize = 10;

  if (raised) {
    if (ctx.sel.slope_surcharge == SlopeSurcharge::kWith) {
      PrintAt(out, f.xG + 275, f.yD - 200, {kLabelB2});
    }
    PrintAt(out, (f.xG + 750 + f.xB + 1500) / 2 - 100, f.yD - 200, {kLabelB1});
    const double h0 = c[calc::kH0];
    PrintAt(out, f.xB + 1800, f.yG - 300,
            {kLabelH0, FormatNumber(h0 * 1000, h0 < 1 ? "###" : "#,###")});
    PrintAt(out, f.xG + 1000, f.yG - 656.25 * f.t - 250, {kLabelQ});
  } else if (level_or_slope) {
    PrintAt(out, f.xG + 500, f.yG - 656.25 * f.t - 250, {kLabelQ});
  }
}

// One earth-pressure arrow at point p with its labels.
void PressureArrow(ReportSurface& out, double px, double py, const char* label, double label_dx) {
  BlackLine(out, px, py, px + 450, py - 350);
  BlackLine(out, px, py, px + 50, py - 100);
  DashDotDot(out, px, py, px + 500, py);
  BlackLine(out, px + 300, py, px + 200, py - 160);
  PrintAt(out, px + label_dx, py - 400, {label});
  PrintAt(out, px + 250, py - 200, {kLabelThetaDelta});
}

// Group E: angle marks and force arrows, each followed by its label.
void AnglesAndForces(ReportContext& ctx, const Figure& f) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  const bool raised = ctx.sel.shape == GroundShape::kRaisedSoil;
  const double hw = c[calc::kHWork] + c[calc::kCrestAbove];

  if (c[calc::kThetaDeg] != 0) {
    DashDotDot(out, f.xR, f.y0, f.xR, f.y0 + f.sc(hw) / 2);
    BlackLine(out, f.xR, f.y0 + f.sc(hw) / 4, f.xR + f.sc(f.back) / 5, f.y0 + f.sc(hw) / 5);
    PrintAt(out, f.xR + 50, f.y0 + f.sc(hw) / 4 + 50, {kLabelTheta});
  }
  const double beta = dc.Cond[cond::kBeta];
  if (beta != 0) {
    DashDotDot(out, f.xG, f.yG, f.xG + 1500, f.yG);
    BlackLine(out, f.xG + 500, f.yG, f.xG + 3000.0 / 7, f.yG - 328.125 * f.t - 30);
    PrintAt(out, f.xG + 500, beta > 20 ? f.yG - 200 : f.yG + 50, {kLabelBeta});
  }
  if (raised) {
    BlackLine(out, f.xB, f.yB0, f.xB + 1500, f.yS);
    DashDotDot(out, f.xB, f.yB0, f.xB + 1000, f.yB0);
    BlackLine(out, f.xB + 350, f.yB0, f.xB + 200, f.yB0 - 340);
    PrintAt(out, f.xB + 275, f.yB0 - 300,
            {kLabelOmega, FormatNumber(dc.OmegaMax, "##"), kLabelOmegaDegree});
    const double yW = f.y0 + f.sc(c[calc::kH] / 2 + c[calc::kCrestAbove]);
    BlackLine(out, f.xB + 250, yW - 250, f.xB + 250, yW - 750);
    BlackLine(out, f.xB + 250, yW - 250, f.xB + 300, yW - 350);
    BlackLine(out, f.xB + 250, yW - 250, f.xB + 200, yW - 350);
    PrintAt(out, f.xB + 350, yW - 400, {kLabelW});
  }
  const double h_all = c[calc::kH] + c[calc::kCrestAbove];
  PressureArrow(out, f.xB - f.sc(f.back) / 3, f.yB0 - f.sc(h_all) / 3, kLabelPA, 500);
  if (ctx.sel.standard == Standard::kResidential && LevelOrSlope(ctx.sel)) {
    PressureArrow(out, f.xB - f.sc(f.back) / 2, f.yB0 - f.sc(h_all) / 2, kLabelDeltaPA, 400);
  }
}

// Group F: the dotted division into the parts of the self-weight table and
// their numbers. The back triangle is a part exactly when the table has a
// row for it, so figure and table are always numbered alike.
void PartDivision(ReportContext& ctx, const Figure& f) {
  ReportSurface& out = ctx.out;
  const auto& c = ctx.dc.Calc;
  const double hw = c[calc::kHWork] + c[calc::kCrestAbove];
  const double yM = f.y0 + f.sc(hw) / 2;
  const bool front = HasFrontTriangle(ctx.dc);
  const bool back = HasBackTriangle(ctx.dc);

  out.DrawStyle = kDotted;
  if (front) BlackLine(out, f.xF, f.y0, f.xF, f.yB);
  if (back) BlackLine(out, f.xR, yM, f.xR, f.yB);
  out.DrawStyle = kSolid;

  const double y = f.y0 + f.sc(hw) * 2 / 3;
  int n = 0;
  if (front) PrintAt(out, f.xF - f.sc(c[calc::kFrontProj]) / 3 - 75, y, {kPart[n++]});
  PrintAt(out, f.xF + f.sc(c[calc::kCrestWidth]) / 2 - 75, y, {kPart[n++]});
  if (back) PrintAt(out, f.xR + f.sc(f.back) / 3 - 75, y, {kPart[n++]});
}

// Group G: the fence on the crest, drawn at half the figure scale.
void Fence(ReportContext& ctx, const Figure& f) {
  const DesignCase& dc = ctx.dc;
  if (dc.FenceLoadType.empty()) return;
  ReportSurface& out = ctx.out;
  const double xP = f.x0 + f.sc(dc.Calc[calc::kFrontProj] + dc.FenceX);
  const double hF = f.sc(dc.FenceH) / 2;
  const double hL = f.sc(dc.FenceLoadY) / 2;

  out.DrawWidth = 2;
  BlackLine(out, xP, f.y0, xP, f.y0 - hF);
  out.DrawWidth = 1;
  BlackLine(out, 1850, f.y0, 1850, f.y0 - hF);
  BlackLine(out, 1850, f.y0 - hF, 2750, f.y0 - hF);
  if (dc.FenceLoadY != dc.FenceH) {
    BlackLine(out, 2350, f.y0, 2350, f.y0 - hL);
    BlackLine(out, 2350, f.y0 - hL, 2750, f.y0 - hL);
  }
  BlackLine(out, f.xF, 2700, xP, 2700);
  BlackLine(out, f.xF, 2700, f.xF, f.y0 - f.sc(dc.FenceH) / 8);
  if (dc.FenceLoadType == "1") {
    for (double y : {f.y0 - hF, f.y0 - hF / 2, f.y0 - hF / 4, f.y0 - 3 * hF / 4, f.y0}) {
      BlackLine(out, xP, y, xP + 400, y);
      BlackLine(out, xP, y, xP + 100, y - 50);
    }
  } else if (dc.FenceLoadType == "2") {
    const double y = f.y0 - hL;
    BlackLine(out, xP, y, xP + 500, y);
    BlackLine(out, xP, y, xP + 100, y - 50);
  }

  PrintAt(out, f.xF - 350, 2550, {Millimetres(dc.FenceX)});
  PrintAt(out, 1600, f.y0 - f.sc(dc.FenceH) / 4 - 50, {Millimetres(dc.FenceH)});
  if (dc.FenceLoadY != dc.FenceH) {
    PrintAt(out, 2200, f.y0 - f.sc(dc.FenceLoadY) / 4 - 75, {Millimetres(dc.FenceLoadY)});
  }
  if (dc.FenceLoadType == "1") {
    PrintAt(out, xP + 450, f.y0 - f.sc(dc.FenceH) / 4 - 100, {kLabelFenceW});
  } else if (dc.FenceLoadType == "2") {
    PrintAt(out, xP + 500, f.y0 - hL - 100, {kLabelFenceP});
  }
}

// The key input values to the right of the figure.
void ValueBlock(ReportContext& ctx, const Figure& f) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  out.FontSize = kStandardFontSize;
  // Beside the raised slope the values stand further right.
  const double offset = ctx.sel.shape == GroundShape::kRaisedSoil ? 500 : 0;
  const double x = f.xB + 900 + offset;
  const double y0 = 3300 + f.sc(c[calc::kCrestAbove]);
  if (dc.FenceLoadType == "1") {
    PrintAt(out, x, y0, {kFenceLoadW, FormatNumber(dc.FenceLoad, "0.0##"), kKNm2});
  } else if (dc.FenceLoadType == "2") {
    PrintAt(out, x, y0, {kFenceLoadP, FormatNumber(dc.FenceLoad, "0.0##"), kKNm});
  }
  PrintAt(out, x, y0 + 400, {kSurcharge, FormatNumber(c[calc::kSurcharge], "0.0#"), kKNm2});
  PrintAt(out, x, y0 + 800, {kBeta, FormatNumber(dc.Cond[cond::kBeta], "0.00"), kHalfWidthDegree});
  PrintAt(out, x, y0 + 1000, {kTheta, FormatNumber(c[calc::kThetaDeg], "0.00"), kHalfWidthDegree});
  PrintAt(out, x, y0 + 1400, {kHeight, FormatNumber(c[calc::kHWork], "0.000"), kMetre});
}

}  // namespace

double FigureScale(const DesignCase& dc) {
  const double height = dc.Calc[calc::kH] + dc.Calc[calc::kCrestAbove];
  return height > 1 ? height * 5 / 10 : 0.5;  // also 0.5 for a height that is not a number
}

bool HasFrontTriangle(const DesignCase& dc) { return dc.Calc[calc::kFrontProj] != 0; }

bool HasBackTriangle(const DesignCase& dc) {
  const auto& c = dc.Calc;
  return c[calc::kBaseWidth] - c[calc::kFrontProj] - c[calc::kCrestWidth] > 0.00001;
}

void Kentou1(ReportContext& ctx) {
  const Figure f = Place(ctx.dc);
  Headings(ctx);
  OutlineAndDimensions(ctx, f);
  DimensionLabels(ctx, f);
  AnglesAndForces(ctx, f);
  PartDivision(ctx, f);
  Fence(ctx, f);
  ValueBlock(ctx, f);
  PrintSelfWeightTable(ctx);
  ctx.out.FontSize = kStandardFontSize;
  ctx.out.DrawStyle = kSolid;
  ctx.out.DrawWidth = 1;
}

}  // namespace varnholt::report
