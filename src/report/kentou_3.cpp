// KENTOU_3: item "３）荷重の集計", the ruled table of every load on the wall
// (self weight, earth pressure, surcharge pressure, fence load) with its
// forces, lever arms and moments, closed by the totals that the stability
// checks start from. Numbers are right-aligned by their integer digits;
// a short stroke marks a cell that does not apply.

#include "report/drawing.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

constexpr const char* kHeadingNormal = "           ３）荷重の集計";
constexpr const char* kHeadingK1 = "            ３）荷重の集計（水平力＝地震時土圧）";
constexpr const char* kHeadingK2 = "            ３）荷重の集計（水平力＝慣性力＋常時土圧）";
constexpr const char* kHeadingRoadSeismic =
    "            ３）荷重の集計（水平力＝慣性力＋地震時土圧）";
constexpr Placed kColumnHeads[] = {
    {1900, 1800, "荷重の種類"},
    {3300, 1650, "鉛 直 力"},
    {3300, 1950, "Ｖ(kN/m)"},
    {4550, 1650, "水 平 力"},
    {4550, 1950, "Ｈ(kN/m)"},
    {6400, 1600, "作 用 点 (m)"},
    {8550, 1600, "モーメント(kN･m/m)"},
    {6250, 2000, "ｘ"},
    {7550, 2000, "ｙ"},
    {8750, 2000, "Ｖ･x"},
    {10000, 2000, "Ｈ･y"},
};
constexpr const char* kRowWeight = "自 重(W)";
constexpr const char* kRowPA = "土圧(PA)";
constexpr const char* kRowDeltaPA = "土圧(△PA)";
constexpr const char* kRowPAH = "土圧(PAH)";
constexpr const char* kRowFence = "水平荷重(P)";
constexpr const char* kRowTotal = "合 計 Σ";
constexpr const char* kZeroCell = "0.0000";
constexpr const char* kNoteLead = "                ※ 水平荷重 P=";
constexpr const char* kTimes = "×";
constexpr const char* kEquals = "=";
constexpr const char* kNoteTail = "kN/m  (作用点の位置は、柵等の中心)";

// Column base x of the aligned columns.
constexpr double kColV = 3500, kColH = 4800, kColY = 7500, kColVx = 8700, kColHy = 10000;
// Unaligned x column.
constexpr double kColX = 6200;

double R4(double v) { return RoundHalfUp(v, 4); }

// Prints the table relative to its vertical offset.
class Table {
 public:
  Table(ReportSurface& out, double offset) : out_(out), offset_(offset) {}

  void Text(double x, double y, const std::string& text) { PrintAt(out_, x, offset_ + y, {text}); }
  void Aligned(double base, double y, double value, const char* pattern) {
    Text(AlignByMagnitude(base, value), y, FormatNumber(value, pattern));
  }
  // A stroke 500 long, 100 below the row's y, starting at x.
  void Dash(double x, double y) { Segment(x, y + 100, x + 500, y + 100); }
  void Segment(double x1, double y1, double x2, double y2) {
    BlackLine(out_, x1, offset_ + y1, x2, offset_ + y2);
  }
  double offset() const { return offset_; }

 private:
  ReportSurface& out_;
  double offset_;
};

enum class WeightRow { kDash, kInertia, kEmpty };

// Which cells of the self-weight row carry the seismic inertia force.
WeightRow WeightRowKind(const Selections& sel) {
  const bool residential = sel.standard == Standard::kResidential;
  const bool road = sel.standard == Standard::kRoad;
  if ((residential &&
       (sel.load_case == LoadCase::kNormal || sel.seismic_method == SeismicMethod::kK1)) ||
      (road && sel.load_case == LoadCase::kNormal)) {
    return WeightRow::kDash;
  }
  if ((residential && sel.seismic_method == SeismicMethod::kK2) ||
      (road && sel.load_case == LoadCase::kSeismic)) {
    return WeightRow::kInertia;
  }
  return WeightRow::kEmpty;
}

void Heading(ReportSurface& out, const Selections& sel, double offset) {
  out.CurrentY = offset + 1100;
  const char* text = nullptr;
  if (sel.load_case == LoadCase::kNormal) {
    text = kHeadingNormal;
  } else if (sel.seismic_method == SeismicMethod::kK1) {
    text = kHeadingK1;
  } else if (sel.seismic_method == SeismicMethod::kK2) {
    text = kHeadingK2;
  } else if (sel.standard == Standard::kRoad && sel.load_case == LoadCase::kSeismic) {
    text = kHeadingRoadSeismic;
  }
  if (text) out.PrintLine({text});
}

void Grid(Table& t) {
  t.Segment(1800, 1500, 10900, 1500);
  t.Segment(5700, 1900, 10900, 1900);
  for (int i = 0; i <= 5; ++i) t.Segment(1800, 2300 + 400 * i, 10900, 2300 + 400 * i);
  for (double x : {1800, 3100, 4400, 5700, 8300, 10900}) t.Segment(x, 1500, x, 4300);
  for (double x : {7000, 9600}) t.Segment(x, 1900, x, 4300);
}

// One earth-pressure row. Its lever arm counts only when the row has a
// vertical force: with none (a vertical back face and δ = 0) x and V･x
// read 0.
void PressureRow(Table& t, double y, double pv, double ph, double lever, double height) {
  const double x = pv != 0 ? lever : 0;
  t.Aligned(kColV, y, R4(pv), "0.0000");
  t.Aligned(kColH, y, R4(ph), "0.0000");
  t.Text(kColX, y, FormatNumber(x, "0.000"));
  t.Text(kColY, y, FormatNumber(height, "0.000"));
  t.Aligned(kColVx, y, R4(pv * x), "0.0000");
  t.Aligned(kColHy, y, R4(ph * height), "0.0000");
}

}  // namespace

void Kentou3(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const Selections& sel = ctx.sel;
  const auto& c = dc.Calc;
  const bool level_or_slope = LevelOrSlope(sel.shape);
  const bool raised = sel.shape == GroundShape::kRaisedSoil;
  const bool residential = sel.standard == Standard::kResidential;
  const bool fence_load = dc.FenceLoadType == "1" || dc.FenceLoadType == "2";

  // The earth-pressure values open this page when the coefficient formulas
  // filled page 2; the table then sits lower. The offset is the routine's
  // own: the section writes nothing into the design case.
  const double offset = level_or_slope && sel.coefficient == CoefficientMode::kComputed ? 3400 : 0;
  Table t(out, offset);

  Heading(out, sel, t.offset());
  Grid(t);
  out.PrintLine();
  for (const Placed& p : kColumnHeads) t.Text(p.x, p.y, p.text);

  t.Text(2000, 2400, kRowWeight);
  if (level_or_slope) t.Text(2000, 2800, kRowPA);
  if (level_or_slope && residential) t.Text(1900, 3200, kRowDeltaPA);
  if (raised) t.Text(2000, 2800, kRowPAH);
  if (fence_load) t.Text(1850, 3600, kRowFence);
  t.Text(2000, 4000, kRowTotal);

  // Self weight of wall and fence, with the inertia force where the case has one.
  const double w = c[calc::kWeight] + dc.FenceW;
  const double kh = dc.Cond[cond::kKh];
  const WeightRow kind = WeightRowKind(sel);
  t.Aligned(kColV, 2400, R4(w), "0.0000");
  if (kind == WeightRow::kInertia) t.Aligned(kColH, 2400, R4(w * kh), "0.0000");
  if (kind == WeightRow::kDash) t.Dash(4800, 2400);
  t.Text(kColX, 2400, FormatNumber(c[calc::kXWallFence], "0.000"));
  if (kind == WeightRow::kInertia) {
    t.Aligned(kColY, 2400, R4(c[calc::kYWallFence]), "0.000");
  }
  if (kind == WeightRow::kDash) t.Dash(7400, 2400);
  t.Aligned(kColVx, 2400, R4(w * c[calc::kXWallFence]), "0.0000");
  if (kind == WeightRow::kInertia) {
    t.Aligned(kColHy, 2400, R4(w * kh * c[calc::kYWallFence]), "0.0000");
  }
  if (kind == WeightRow::kDash) t.Dash(10000, 2400);

  const double h = c[calc::kHWork];
  if (level_or_slope && residential) {
    PressureRow(t, 2800, c[calc::kPAY], c[calc::kPAX], c[calc::kXPAY], h / 3);
    PressureRow(t, 3200, c[calc::kDeltaPAY], c[calc::kDeltaPAX], c[calc::kXDeltaPAY], h / 2);
  } else if (level_or_slope && sel.standard == Standard::kRoad) {
    PressureRow(t, 2800, c[calc::kPAHY], c[calc::kPAHX], c[calc::kXPAY], h / 3);
  } else if (raised) {
    PressureRow(t, 2800, dc.PAYw, dc.PAXw, c[calc::kXPAY], h / 3);
  }

  if (fence_load) {
    // The distributed load acts at mid-height of the fence, the
    // concentrated one at its given height above the crest.
    const double hw = c[calc::kHeightH] + c[calc::kEmbedment] + c[calc::kCrestAbove];
    const double y_p = hw + (dc.FenceLoadType == "1" ? dc.FenceH / 2 : dc.FenceLoadY);
    t.Text(kColV, 3600, kZeroCell);
    t.Aligned(kColH, 3600, dc.FenceP, "0.0000");
    t.Dash(6100, 3600);
    t.Text(y_p < 10 ? kColY : kColY - 100, 3600, FormatNumber(y_p, "0.000"));
    t.Text(kColVx, 3600, kZeroCell);
    t.Aligned(kColHy, 3600, R4(dc.FenceP * y_p), "0.0000");
  }

  t.Aligned(kColV, 4000, R4(c[calc::kSumV]), "0.0000");
  t.Aligned(kColH, 4000, R4(c[calc::kSumH]), "0.0000");
  t.Dash(6100, 4000);
  t.Dash(7400, 4000);
  t.Aligned(kColVx, 4000, R4(c[calc::kMr]), "0.0000");
  t.Aligned(kColHy, 4000, R4(c[calc::kMo]), "0.0000");

  // The note on a distributed fence load, for the P row printed above.
  if (sel.fence_load == FenceLoadOption::kDistributed && dc.FenceLoadType == "1") {
    out.CurrentY = t.offset() + 4400;
    out.PrintLine({kNoteLead, FormatNumber(dc.FenceLoad, "0.000"), kTimes,
                   FormatNumber(dc.FenceH, "0.000"), kEquals, FormatNumber(dc.FenceP, "0.0000"),
                   kNoteTail});
  }
}

}  // namespace varnholt::report
