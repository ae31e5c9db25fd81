#include "report/summary_table.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "calc/body_stress.h"
#include "calc/loads.h"
#include "calc/verdicts.h"
#include "report/drawing.h"
#include "report/number_format.h"
#include "report/page_plan.h"
#include "report/text_columns.h"

namespace varnholt::report {
namespace {

// The rows, in the order shown.
enum Row {
  kCoefficient,
  kKh,
  kKv,
  kPH,
  kPV,
  kSumV,
  kSumH,
  kMr,
  kMo,
  kOverturning,
  kEccentricity,
  kSigmaMax,
  kSigmaMin,
  kSliding,
  kShearKey,
  kWithoutKey,
  kBodyDepth,
  kBodyWidth,
  kBodyN,
  kBodyS,
  kBodyM,
  kBodySigma1,
  kBodySigma2,
  kBodyCompression,
  kBodyTension,
  kBodyShear,
  kBodyRatio,
  kOverall,
  kRowCount
};

struct RowName {
  const char* label;
  const char* unit;
};

constexpr RowName kRows[kRowCount] = {
    {"土圧係数 KA（KAE）", ""},
    {"設計水平震度 Kh", ""},
    {"設計鉛直震度 Kv", ""},
    {"土圧 水平成分 PH", "kN/m"},
    {"土圧 鉛直成分 PV", "kN/m"},
    {"鉛直力 ΣV", "kN/m"},
    {"水平力 ΣH", "kN/m"},
    {"抵抗モーメント Mr", "kN･m/m"},
    {"転倒モーメント Mo", "kN･m/m"},
    {"転倒", ""},
    {"偏心", "m"},
    {"地盤反力 σmax", "kN/m2"},
    {"地盤反力 σmin", "kN/m2"},
    {"滑動 Fs", ""},
    {"滑動（突起）Fk", ""},
    {"滑動（突起無し）Fs", ""},
    {"躯体 照査位置（天端から）", "m"},
    {"躯体 断面の幅 t", "m"},
    {"躯体 軸力 N", "kN/m"},
    {"躯体 せん断力 S", "kN/m"},
    {"躯体 曲げモーメント M", "kN･m/m"},
    {"躯体 σ1（前面）", "kN/m2"},
    {"躯体 σ2（背面）", "kN/m2"},
    {"躯体 圧縮応力度", "kN/m2"},
    {"躯体 引張応力度", "kN/m2"},
    {"躯体 せん断応力度 τ", "kN/m2"},
    {"躯体 応力度比", ""},
    {"総合判定", ""},
};

constexpr const char* kNotApplicable = "－";
constexpr const char* kTrialWedge = "試行くさび";
constexpr const char* kNotChecked = "照査できません";

using Cells = std::array<SummaryCell, kRowCount>;
using Present = std::array<bool, kRowCount>;

std::string F(double v, const char* pattern) { return FormatNumber(v, pattern); }

SummaryMark Mark(bool ok) { return ok ? SummaryMark::kOk : SummaryMark::kNg; }

void Set(Cells& cells, Present& present, Row row, std::string value, std::string limit = {},
         SummaryMark mark = SummaryMark::kNone) {
  cells[row] = {std::move(value), std::move(limit), mark};
  present[row] = true;
}

// A verdict's value and limit, as the results window compares them.
void SetVerdict(Cells& cells, Present& present, Row row, const Verdict& v) {
  if (!v.judged) return;
  std::string value;
  std::string limit;
  switch (v.measure) {
    case Measure::kF:
      value = "F=" + F(v.value, "0.000");
      limit = "≧ " + F(v.limit, "0.0");
      break;
    case Measure::kD:
      value = "d=" + F(v.value, "0.000");
      limit = "≧ B/" + std::to_string(v.divisor) + "=" + F(v.limit, "0.000");
      break;
    case Measure::kE:
      value = "|e|=" + F(v.value, "0.000");
      limit = "≦ B/" + std::to_string(v.divisor) + "=" + F(v.limit, "0.000");
      break;
    case Measure::kSigmaMax:
      value = F(v.value, "0.00");
      limit = "≦ " + F(v.limit, "0.00");
      break;
    case Measure::kFs:
    case Measure::kFk:
      value = F(v.value, "0.000");
      limit = "≧ " + F(v.limit, "0.0");
      break;
  }
  if (v.reason != VerdictReason::kNone) value = VerdictReasonText(v.reason);
  Set(cells, present, row, std::move(value), std::move(limit), Mark(v.ok));
}

bool IsSeismic(const SummaryCase& c) { return c.sel.load_case == LoadCase::kSeismic; }

// The rows of one calculated case; true when every check passes.
bool CaseCells(const SummaryCase& c, Cells& cells, Present& present) {
  const DesignCase& dc = *c.dc;
  const Selections& sel = c.sel;
  const auto& k = dc.Calc;
  if (LevelOrSlope(sel.shape)) {
    Set(cells, present, kCoefficient, F(dc.Cond[cond::kKA], "0.00#"));
  } else {
    Set(cells, present, kCoefficient, kTrialWedge);
  }
  const bool seismic = IsSeismic(c);
  Set(cells, present, kKh, seismic ? F(dc.Cond[cond::kKh], "0.00#") : kNotApplicable);
  Set(cells, present, kKv, seismic ? F(dc.Cond[cond::kKv], "0.00#") : kNotApplicable);
  double ph = 0;
  double pv = 0;
  EarthPressureParts(dc, sel, ph, pv);
  Set(cells, present, kPH, F(ph, "0.00"));
  Set(cells, present, kPV, F(pv, "0.00"));
  Set(cells, present, kSumV, F(k[calc::kSumV], "0.00"));
  Set(cells, present, kSumH, F(k[calc::kSumH], "0.00"));
  Set(cells, present, kMr, F(k[calc::kMr], "0.00"));
  Set(cells, present, kMo, F(k[calc::kMo], "0.00"));

  const bool key = dc.ShearKeyFlag == kShearKeyFlagWith;
  const StabilityVerdicts v = JudgeStability(dc, sel);
  bool ok = !AnyNg(v, key);
  for (const ShownVerdict& shown : ShownVerdicts(v, key)) {
    switch (shown.row) {
      case VerdictRow::kOverturning:
        SetVerdict(cells, present, kOverturning, shown.verdict);
        break;
      case VerdictRow::kEccentricity:
        SetVerdict(cells, present, kEccentricity, shown.verdict);
        break;
      case VerdictRow::kBearing:
        SetVerdict(cells, present, kSigmaMax, shown.verdict);
        Set(cells, present, kSigmaMin, F(k[calc::kSigmaMin], "0.00"),
            "≦ " + F(shown.verdict.limit, "0.00"));
        break;
      case VerdictRow::kSliding:
        SetVerdict(cells, present, kSliding, shown.verdict);
        break;
      case VerdictRow::kShearKey:
        SetVerdict(cells, present, kShearKey, shown.verdict);
        break;
      case VerdictRow::kWithoutKey:
        SetVerdict(cells, present, kWithoutKey, shown.verdict);
        break;
    }
  }

  const BodyStressResult body = CheckBodyStress(dc, sel);
  if (!body.ok() || body.sections.empty()) {
    Set(cells, present, kBodyRatio, kNotChecked, {}, SummaryMark::kNg);
    ok = false;
  } else {
    const BodySection& s = body.Governing();
    const BodyAllowables& a = body.allowable;
    Set(cells, present, kBodyDepth, F(s.depth, "0.000"));
    Set(cells, present, kBodyWidth, F(s.t, "0.000"));
    Set(cells, present, kBodyN, F(s.n, "0.00"));
    Set(cells, present, kBodyS, F(s.s, "0.00"));
    Set(cells, present, kBodyM, F(s.m, "0.00"));
    Set(cells, present, kBodySigma1, F(s.sigma1, "0.00"));
    Set(cells, present, kBodySigma2, F(s.sigma2, "0.00"));
    Set(cells, present, kBodyCompression, F(s.verdict.compression, "0.00"),
        "≦ " + F(a.compression, "0.00"), Mark(s.verdict.compression_ok));
    Set(cells, present, kBodyTension, F(s.verdict.tension, "0.00"), "≦ " + F(a.tension, "0.00"),
        Mark(s.verdict.tension_ok));
    Set(cells, present, kBodyShear, F(std::abs(s.tau), "0.00"), "≦ " + F(a.shear, "0.00"),
        Mark(s.verdict.shear_ok));
    Set(cells, present, kBodyRatio, F(s.verdict.ratio, "0.000"), "≦ 1.000", Mark(body.AllOk()));
    ok = ok && body.AllOk();
  }
  Set(cells, present, kOverall, "", "", Mark(ok));
  return ok;
}

void TextAt(ReportSurface& out, double x, double y, const std::string& text) {
  if (!text.empty()) PrintAt(out, x, y, {text});
}

void RightAt(ReportSurface& out, double right, double y, const std::string& text) {
  TextAt(out, right - out.FontSize * 10 * HalfEms(text), y, text);
}

// The page's geometry, twips from the top-left corner of the printable area.
constexpr double kLeft = 450;
constexpr double kRight = 11350;
constexpr double kUnitLeft = 2900;
constexpr double kCasesLeft = 3700;
constexpr double kTitleY = 300;
constexpr double kTableTop = 1100;
constexpr double kRowHeight = 330;
constexpr double kTableFontSize = 9;
constexpr double kTitleFontSize = 14;
constexpr const char* kTitle = "総　括　表";
constexpr const char* kItem = "項　目";
constexpr const char* kUnit = "単位";
constexpr const char* kGoverningNote = "（決定）";
constexpr int kReasonHalfEms = 110;
constexpr const char* kNotComputed = "計算できません：";

}  // namespace

const char* SummaryMarkText(SummaryMark mark) {
  switch (mark) {
    case SummaryMark::kOk:
      return "O.K";
    case SummaryMark::kNg:
      return "NG";
    case SummaryMark::kNone:
      break;
  }
  return "";
}

SummaryTable BuildSummaryTable(const std::vector<SummaryCase>& cases) {
  SummaryTable table;
  std::vector<Cells> columns(cases.size());
  Present present{};
  table.all_ok = !cases.empty();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const SummaryCase& c = cases[i];
    SummaryColumn column{c.heading, c.dc != nullptr, c.reason, c.governing};
    if (c.dc != nullptr) {
      table.all_ok = CaseCells(c, columns[i], present) && table.all_ok;
    } else {
      table.all_ok = false;
    }
    table.columns.push_back(std::move(column));
  }
  for (int r = 0; r < kRowCount; ++r) {
    if (!present[r]) continue;
    SummaryRow row{kRows[r].label, kRows[r].unit, {}};
    for (const Cells& cells : columns) row.cells.push_back(cells[r]);
    table.rows.push_back(std::move(row));
  }
  return table;
}

void DrawSummaryPage(const SummaryTable& table, ReportSurface& out) {
  const double font = out.FontSize;
  out.FontSize = kTitleFontSize;
  TextAt(out, (kLeft + kRight) / 2 - kTitleFontSize * 10 * HalfEms(kTitle) / 2, kTitleY, kTitle);
  out.FontSize = kTableFontSize;
  const std::size_t n = table.columns.size();
  const double width = n == 0 ? 0 : (kRight - kCasesLeft) / static_cast<double>(n);
  const double half_em = kTableFontSize * 10;
  const double text_dy = (kRowHeight - kTableFontSize * 20) / 2;

  // Headings.
  double y = kTableTop;
  TextAt(out, kLeft + 100, y + text_dy, kItem);
  TextAt(out, kUnitLeft + 100, y + text_dy, kUnit);
  for (std::size_t i = 0; i < n; ++i) {
    const SummaryColumn& c = table.columns[i];
    const std::string heading = c.heading + (c.governing ? kGoverningNote : "");
    const double mid = kCasesLeft + width * (static_cast<double>(i) + 0.5);
    TextAt(out, mid - half_em * HalfEms(heading) / 2, y + text_dy, heading);
  }
  const double body_top = y + kRowHeight;
  y = body_top;
  for (const SummaryRow& row : table.rows) {
    TextAt(out, kLeft + 100, y + text_dy, row.label);
    TextAt(out, kUnitLeft + 60, y + text_dy, row.unit);
    for (std::size_t i = 0; i < n && i < row.cells.size(); ++i) {
      const SummaryCell& cell = row.cells[i];
      const double left = kCasesLeft + width * static_cast<double>(i);
      const double mark_left = left + width - half_em * 3.5;
      const double value_right = left + width * 0.4;
      out.ForeColor = cell.mark == SummaryMark::kNg ? kLightMagenta : kBlack;
      RightAt(out, value_right, y + text_dy, cell.value);
      TextAt(out, value_right + half_em, y + text_dy, cell.limit);
      TextAt(out, mark_left, y + text_dy, SummaryMarkText(cell.mark));
      out.ForeColor = kBlack;
    }
    y += kRowHeight;
  }
  // The grid: the outline, the line under the headings, a line under every
  // row and the column borders.
  BlackLine(out, kLeft, kTableTop, kRight, kTableTop);
  for (double line = body_top; line <= y + 1; line += kRowHeight) {
    BlackLine(out, kLeft, line, kRight, line);
  }
  BlackLine(out, kLeft, kTableTop, kLeft, y);
  BlackLine(out, kUnitLeft, kTableTop, kUnitLeft, y);
  for (std::size_t i = 0; i <= n; ++i) {
    const double x = kCasesLeft + width * static_cast<double>(i);
    BlackLine(out, x, kTableTop, x, y);
  }
  // The cases that could not be calculated, and why.
  y += kRowHeight;
  for (const SummaryColumn& c : table.columns) {
    if (c.computed) continue;
    TextAt(out, kLeft, y, c.heading + " " + kNotComputed);
    y += kRowHeight;
    for (const std::string& line : WrapColumns(c.reason, kReasonHalfEms)) {
      TextAt(out, kLeft + 400, y, line);
      y += kRowHeight;
    }
  }
  out.FontSize = font;
  out.CurrentX = 0;
}

void PrintBothCases(const PrintJob& job, ReportContext& general,
                    const std::vector<PrintedCase>& cases, const SummaryTable& table) {
  ReportSurface& out = general.out;
  PrepareSurface(out);
  const bool pages_general = job.range == PrintRange::kGeneral || job.range == PrintRange::kAll;
  const bool pages_stability = job.range == PrintRange::kStability || job.range == PrintRange::kAll;
  double number = job.first_page_no;
  const auto finish_page = [&] {
    if (job.page_numbers) PrintPageNumber(out, number++);
    out.NewPage();
  };
  if (pages_general) {
    DrawPage(1, general);
    finish_page();
  }
  if (pages_stability) {
    for (const PrintedCase& c : cases) {
      ReportContext ctx{out, *c.dc, c.sel, c.inputs, general.beeper};
      for (int page = 2; page <= kLastPage; ++page) {
        if (page == 4 && !job.body_stress) continue;
        DrawPage(page, ctx);
        finish_page();
      }
    }
  }
  DrawSummaryPage(table, out);
  if (job.page_numbers) PrintPageNumber(out, number++);
  out.EndDoc();
}

}  // namespace varnholt::report
