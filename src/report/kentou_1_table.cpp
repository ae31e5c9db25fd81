// KENTOU_1, second half: item "１）自 重", the ruled self-weight table under
// the wall figure. The section is split into the front triangle, the
// rectangle under the crest and the back triangle (the parts that exist are
// numbered ①②③ in that order, as in the figure), with the fence as a
// further row. The totals come from the calculation, not from the rows.

#include "report/drawing.h"
#include "report/kentou_1_internal.h"
#include "report/number_format.h"

namespace varnholt::report {
namespace {

constexpr const char* kTitle = "            １）自 重";
struct Head {
  double x, y;
  const char* text;
};
constexpr Head kHeads[] = {
    {1900, 6600, "区分"},       {3300, 6600, "面  積 Ａ (m2)"}, {5850, 6500, "単位重量"},
    {5800, 6750, "γ(kN/m3)"},   {7250, 6500, "重  量"},         {7200, 6750, "Ｗ(kN/m)"},
    {8500, 6500, "重心距離"},   {8650, 6750, "Ｘ(m)"},          {9700, 6500, "モーメント"},
    {9700, 6750, "Wx(kN･m/m)"},
};
constexpr const char* kPart[] = {"①", "②", "③"};
constexpr const char* kFenceRow = "柵";
constexpr const char* kTotalRow = "合   計   Σ";
constexpr const char* kTimes = "×";
constexpr const char* kHalfEquals = "/2 ＝";
constexpr const char* kRectEquals = "   ＝";
constexpr const char* kCentroid = "重心 ｘ=ΣWx/ΣW=";
constexpr const char* kSlash = "/";
constexpr const char* kEquals = "=";
constexpr const char* kMetre = "m";

// One part row: area arithmetic, area, unit weight, weight, lever arm and
// moment. W and M are computed from the unrounded area and lever arm.
void PartRow(ReportContext& ctx, double y, double factor, bool triangle, double area,
             double lever) {
  ReportSurface& out = ctx.out;
  const double hw = ctx.dc.Calc[calc::kHWork] + ctx.dc.Calc[calc::kCrestAbove];
  const double gamma = ctx.dc.Cond[cond::kGammaC];
  PrintAt(out, 2600, y,
          {FormatNumber(factor, "0.000"), kTimes, FormatNumber(hw, "0.000"),
           triangle ? kHalfEquals : kRectEquals});
  const double a4 = RoundHalfUp(area, 4);
  PrintAt(out, AlignByMagnitude(4800, a4), y, {FormatNumber(triangle ? a4 : area, "0.0000")});
  PrintAt(out, 6200, y, {FormatNumber(gamma, "0.0")});
  const double w4 = RoundHalfUp(area * gamma, 4);
  PrintAt(out, AlignByMagnitude(7400, w4), y, {FormatNumber(w4, "0.0000")});
  PrintAt(out, 8800, y, {FormatNumber(lever, "0.000")});
  const double m4 = RoundHalfUp(area * gamma * lever, 4);
  PrintAt(out, AlignByMagnitude(10000, m4), y, {FormatNumber(m4, "0.0000")});
}

}  // namespace

void PrintSelfWeightTable(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  const bool front = HasFrontTriangle(dc);
  const bool back = HasBackTriangle(dc);
  // Only a fence that was entered (with any load type) has a row; the label
  // and the values follow the same test.
  const bool fence = !dc.FenceLoadType.empty();

  out.CurrentY = 6000;
  out.PrintLine({kTitle});

  BlackLine(out, 1800, 6400, 10900, 6400);
  for (int i = 0; i <= 5; ++i) BlackLine(out, 1800, 7000 + 400 * i, 10900, 7000 + 400 * i);
  BlackLine(out, 1800, 6400, 1800, 9000);
  BlackLine(out, 2400, 6400, 2400, 8600);
  for (double x : {5700, 7000, 8300, 9600, 10900}) BlackLine(out, x, 6400, x, 9000);

  for (const Head& h : kHeads) PrintAt(out, h.x, h.y, {h.text});

  PrintAt(out, 2000, 7100, {kPart[0]});
  if (front || back) PrintAt(out, 2000, 7500, {kPart[1]});
  if (front && back) PrintAt(out, 2000, 7900, {kPart[2]});
  if (fence) PrintAt(out, 2000, 8300, {kFenceRow});
  PrintAt(out, 3000, 8700, {kTotalRow});

  const double hw = c[calc::kHWork] + c[calc::kCrestAbove];
  const double f = c[calc::kFrontProj];
  const double b = c[calc::kCrestWidth];
  const double bp = c[calc::kBaseWidth] - f - b;
  // Without a front triangle the remaining parts take its row and the next.
  const double shift = front ? 0 : 400;
  if (front) PartRow(ctx, 7100, f, true, f * hw / 2, f * 2 / 3);
  PartRow(ctx, 7500 - shift, b, false, b * hw, f + b / 2);
  if (back) PartRow(ctx, 7900 - shift, bp, true, bp * hw / 2, f + b + bp / 3);

  if (fence) {
    BlackLine(out, 3500, 8400, 4500, 8400);
    BlackLine(out, 6100, 8400, 6700, 8400);
    PrintAt(out, AlignByMagnitude(7400, dc.FenceW), 8300, {FormatNumber(dc.FenceW, "0.0000")});
    PrintAt(out, 8800, 8300, {FormatNumber(f + dc.FenceX, "0.000")});
    const double m4 = RoundHalfUp(dc.FenceW * c[calc::kXFence], 4);
    PrintAt(out, AlignByMagnitude(10000, m4), 8300, {FormatNumber(m4, "0.0000")});
  }

  const double sum_w = c[calc::kWeight] + dc.FenceW;
  const double sum_m = c[calc::kWeight] * c[calc::kXCentroid] + dc.FenceW * c[calc::kXFence];
  BlackLine(out, 6100, 8800, 6700, 8800);
  const double w4 = RoundHalfUp(sum_w, 4);
  PrintAt(out, AlignByMagnitude(7400, w4), 8700, {FormatNumber(w4, "0.0000")});
  BlackLine(out, 8700, 8800, 9300, 8800);
  const double m4 = RoundHalfUp(sum_m, 4);
  PrintAt(out, AlignByMagnitude(10000, m4), 8700, {FormatNumber(m4, "0.0000")});

  PrintAt(out, 1850, 9100,
          {kCentroid, FormatNumber(RoundHalfUp(sum_m, 3), "0.000"), kSlash,
           FormatNumber(RoundHalfUp(sum_w, 3), "0.000"), kEquals,
           FormatNumber(c[calc::kXWallFence], "0.000"), kMetre});
}

}  // namespace varnholt::report
