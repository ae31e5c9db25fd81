#include "report/section_table.h"

#include <cmath>
#include <string>
#include <vector>

#include "report/drawing.h"
#include "report/number_format.h"
#include "report/page_plan.h"
#include "report/text_columns.h"
#include "sizing/messages.h"

namespace varnholt::report {
namespace {

// Literals of the pages.
constexpr const char* kTitle = "標準断面表";
constexpr const char* kTitleContinued = "標準断面表（続き）";
constexpr const char* kSite = "築造地：";
constexpr const char* kMark = "　擁壁の記号：";
constexpr const char* kStandard = "設計基準：";
constexpr const char* kResidential = "宅地造成";
constexpr const char* kRoad = "道路土工";
constexpr const char* kGround = "　地表面：";
constexpr const char* kLevel = "水平";
constexpr const char* kSlope = "一様斜面 β=";
constexpr const char* kRaised = "嵩上げ土 β=";
constexpr const char* kDegree = "°";
constexpr const char* kH0 = " ho=";
constexpr const char* kCase = "　荷重状態：";
constexpr const char* kCaseJoin = "・";
constexpr const char* kKept = "根入れ深さ ";
constexpr const char* kCrest = "m　天端の高さ ";
constexpr const char* kSurcharge = "m　上載荷重 q=";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kBatterFixed = "前面勾配 1:";
constexpr const char* kBatterFixedTail = "（前面の出 ｆ は壁高 Ｈｗ に比例）";
constexpr const char* kVaried = "変化させた寸法：";
constexpr const char* kBase = "底版幅 Ｂ ";
constexpr const char* kCrestWidth = "天端幅 ｂ ";
constexpr const char* kBatter = "前面勾配 1:n の n ";
constexpr const char* kRangeSep = "～";
constexpr const char* kStepOpen = "（刻み ";
constexpr const char* kStepClose = "）";
constexpr const char* kFixedTail = "（一定）";
constexpr const char* kListSep = "、";
constexpr const char* kRule =
    "各高さで、転倒・支持力・滑動の検討と躯体の応力度照査がすべて O.K となる断面積最小の断面";
constexpr const char* kLegend =
    "Ｈ＝ｈ＋根入れ深さ　余裕度：安全率/規定値、許容値/照査値の最小（1.000 以上で O.K）";
constexpr const char* kNote = "※ ｈ=";
constexpr const char* kNoteSep = "m：";
constexpr const char* kNoSection = "範囲内に O.K となる断面なし。";
constexpr const char* kStill = " でも";
constexpr const char* kOk = "O.K";
constexpr const char* kNg = "NG";
constexpr const char* kUnbounded = "—";
constexpr const char* kM = "m";

// The ruled table: borders, the right edges of the numbers, the headings.
constexpr double kBorders[] = {450,  1250, 2050, 2850, 3650,  4550,
                               5450, 6450, 7450, 9650, 10550, 11350};
constexpr Placed kHeads[] = {
    {750, 0, "ｈ"},
    {700, 250, "(m)"},
    {1550, 0, "Ｈ"},
    {1500, 250, "(m)"},
    {2350, 0, "ｂ"},
    {2300, 250, "(m)"},
    {3150, 0, "Ｂ"},
    {3100, 250, "(m)"},
    {3700, 0, "前面の出"},
    {3800, 250, "ｆ(m)"},
    {4600, 0, "前面勾配"},
    {4800, 250, "1:n"},
    {5650, 0, "断面積"},
    {5650, 250, "(m2/m)"},
    {6750, 0, "体積"},
    {6650, 250, "(m3/m)"},
    {7950, 100, "支配的な照査"},
    {9800, 100, "余裕度"},
    {10750, 100, "判定"},
};
constexpr double kFontSize = 10;
constexpr double kRowPitch = 280;
constexpr double kHeadHeight = 600;
// The lowest a row or a note may reach, above the page footer.
constexpr double kPageBottom = 14800;
constexpr double kTitleY = 220;
constexpr double kFirstLineY = 800;
constexpr double kContinuedTableTop = 800;
// Half-width columns a note line may take between the table's borders.
constexpr int kNoteColumns = 106;

std::string F2(double v) { return FormatNumber(v, "0.00"); }
std::string F3(double v) { return FormatNumber(v, "0.000"); }
std::string Margin(double m) { return std::isfinite(m) ? F3(m) : kUnbounded; }

const sizing::DesignInput& Design(const sizing::TableRequest& r) { return r.cases.front(); }

// "［地震時］" in front of a check when the table has more than one case.
std::string CasePrefix(const sizing::CheckResult& c, const sizing::TableRequest& r) {
  if (r.cases.size() < 2) return {};
  const sizing::DesignInput& in = r.cases[c.case_index];
  return "［" + sizing::CaseName(in.dc, in.sel) + "］";
}

// The governing check's name.
std::string Governing(const sizing::Evaluation& e, const sizing::TableRequest& r) {
  if (e.checks.empty()) return {};
  const sizing::CheckResult& c = e.checks[e.governing];
  return CasePrefix(c, r) + sizing::CheckName(c, r.cases[c.case_index].sel);
}

// Why a height has no section: the closest one and its failing check, or
// why the height cannot be calculated.
std::string NoteOf(const sizing::TableRow& row, const sizing::TableRequest& r) {
  const sizing::Evaluation& e = row.section;
  if (!e.computed || e.checks.empty()) return row.message;
  const sizing::CheckResult& c = e.checks[e.governing];
  return kNoSection + sizing::SectionText(e.section, r.variables) + kStill + CasePrefix(c, r) +
         sizing::CheckSentence(c, r.cases[c.case_index].sel);
}

// The lines under the title: the design, what was kept and what was sized.
std::vector<std::string> DesignLines(const sizing::SectionTable& table,
                                     const sizing::TableRequest& r) {
  const DesignCase& dc = Design(r).dc;
  const Selections& sel = Design(r).sel;
  std::vector<std::string> lines;
  lines.push_back(kSite + dc.SiteName + kMark + dc.WallMark);
  std::string ground = kLevel;
  if (sel.shape == GroundShape::kUniformSlope) {
    ground = kSlope + FormatNumber(dc.Cond[cond::kBeta], "0.0#") + kDegree;
  } else if (sel.shape == GroundShape::kRaisedSoil) {
    ground = kRaised + FormatNumber(dc.Cond[cond::kBeta], "0.0#") + kDegree + kH0 +
             F2(dc.Calc[calc::kH0]) + kM;
  }
  std::string cases;
  for (const sizing::DesignInput& in : r.cases) {
    if (!cases.empty()) cases += kCaseJoin;
    cases += sizing::CaseName(in.dc, in.sel);
  }
  lines.push_back(kStandard + std::string(sel.standard == Standard::kRoad ? kRoad : kResidential) +
                  kGround + ground + kCase + cases);
  lines.push_back(kKept + F2(dc.Calc[calc::kEmbedment]) + kCrest + F2(dc.Calc[calc::kCrestAbove]) +
                  kSurcharge + FormatNumber(dc.Calc[calc::kSurcharge], "0.0") + kKNm2);
  const sizing::Variables& v = r.variables;
  auto range = [](const sizing::VariableRange& range, const char* unit) {
    return F2(range.min) + unit + kRangeSep + F2(range.max) + unit + kStepOpen +
           FormatNumber(range.step, "0.00####") + unit + kStepClose;
  };
  if (!v.front.vary) lines.push_back(kBatterFixed + F3(table.batter) + kBatterFixedTail);
  std::string varied = kVaried;
  varied += kBase + range(v.base, kM);
  if (v.crest.vary) {
    varied += kListSep + (kCrestWidth + range(v.crest, kM));
  } else {
    varied += kListSep + (kCrestWidth + F2(dc.Calc[calc::kCrestWidth]) + kM + kFixedTail);
  }
  if (v.front.vary) varied += kListSep + (kBatter + range(v.front, ""));
  lines.push_back(varied);
  lines.push_back(kRule);
  return lines;
}

class TablePrinter {
 public:
  TablePrinter(ReportSurface& out, const sizing::SectionTable& table,
               const sizing::TableRequest& request, double first_page_no, Beeper& beeper)
      : out_(out), table_(table), r_(request), page_no_(first_page_no), beeper_(beeper) {}

  void Run();

 private:
  void StartPage(bool first);
  void EndPage();
  double Heads(double top);
  void Row(const sizing::TableRow& row, double y);
  void Rule(double top, double bottom);

  ReportSurface& out_;
  const sizing::SectionTable& table_;
  const sizing::TableRequest& r_;
  double page_no_;
  Beeper& beeper_;
  bool page_open_ = false;
};

void TablePrinter::StartPage(bool first) {
  if (page_open_) EndPage();
  if (!first) out_.NewPage();
  page_open_ = true;
  out_.FontSize = 14;
  PrintAt(out_, kBorders[0], kTitleY, {first ? kTitle : kTitleContinued});
  out_.FontSize = kFontSize;
}

void TablePrinter::EndPage() {
  out_.FontSize = kStandardFontSize;
  PrintPageNumber(out_, page_no_++);
  page_open_ = false;
}

double TablePrinter::Heads(double top) {
  for (const Placed& p : kHeads) PrintAt(out_, p.x, top + 50 + p.y, {p.text});
  return top + kHeadHeight;
}

void TablePrinter::Rule(double top, double bottom) {
  const double last = kBorders[std::size(kBorders) - 1];
  BlackLine(out_, kBorders[0], top, last, top);
  BlackLine(out_, kBorders[0], top + kHeadHeight - 20, last, top + kHeadHeight - 20);
  BlackLine(out_, kBorders[0], bottom, last, bottom);
  for (double x : kBorders) BlackLine(out_, x, top, x, bottom);
}

void TablePrinter::Row(const sizing::TableRow& row, double y) {
  const bool ok = row.outcome == sizing::SizingOutcome::kFound;
  if (!ok) out_.ForeColor = kLightMagenta;
  RightAligned(out_, kBorders[1] - 100, y, F2(row.h));
  RightAligned(out_, kBorders[2] - 100, y, F2(row.earth_height));
  const sizing::Evaluation& e = row.section;
  if (e.computed) {
    const sizing::Section& s = e.section;
    const std::string cells[] = {F2(s.crest.value), F2(s.base.value),
                                 F3(s.front.value), FormatNumber(s.batter, "0.00#"),
                                 F3(s.area),        F3(s.area)};
    for (std::size_t c = 0; c < std::size(cells); ++c) {
      RightAligned(out_, kBorders[c + 3] - 100, y, cells[c]);
    }
    PrintAt(out_, kBorders[8] + 100, y, {Governing(e, r_)});
    RightAligned(out_, kBorders[10] - 100, y, Margin(e.worst_margin));
  }
  PrintAt(out_, ok ? 10800 : 10850, y, {ok ? kOk : kNg});
  if (!ok) {
    beeper_.Beep();
    out_.ForeColor = kBlack;
  }
}

void TablePrinter::Run() {
  PrepareSurface(out_);
  StartPage(true);
  double y = kFirstLineY;
  for (const std::string& text : DesignLines(table_, r_)) {
    for (const std::string& line : WrapColumns(text, kNoteColumns, WideColumns)) {
      PrintAt(out_, kBorders[0], y, {line});
      y += kRowPitch;
    }
  }
  y += kRowPitch;
  std::size_t i = 0;
  const std::vector<sizing::TableRow>& rows = table_.rows;
  while (true) {
    const double top = y;
    double row_y = Heads(top);
    for (; i < rows.size() && row_y + kRowPitch + 40 <= kPageBottom; ++i) {
      Row(rows[i], row_y);
      row_y += kRowPitch;
    }
    Rule(top, row_y + 40);
    if (i == rows.size()) {
      y = row_y + 40 + 100;
      break;
    }
    StartPage(false);
    y = kContinuedTableTop;
  }
  PrintAt(out_, kBorders[0], y, {kLegend});
  y += kRowPitch;
  for (const sizing::TableRow& row : rows) {
    if (row.outcome == sizing::SizingOutcome::kFound) continue;
    const std::string note = kNote + F2(row.h) + kNoteSep + NoteOf(row, r_);
    for (const std::string& line : WrapColumns(note, kNoteColumns, WideColumns)) {
      if (y + kRowPitch > kPageBottom) {
        StartPage(false);
        y = kContinuedTableTop;
      }
      out_.ForeColor = kLightMagenta;
      PrintAt(out_, kBorders[0], y, {line});
      out_.ForeColor = kBlack;
      y += kRowPitch;
    }
  }
  EndPage();
  out_.EndDoc();
}

}  // namespace

tables::Table SectionTableData(const sizing::SectionTable& table,
                               const sizing::TableRequest& request) {
  tables::Table t;
  t.title = kTitle;
  t.columns = {{"高さ h", "m", 2},    {"土圧の高さ H", "m", 2}, {"天端幅 b", "m", 2},
               {"底版幅 B", "m", 2},  {"前面の出 f", "m", 3},   {"前面勾配 1:n の n", "", 3},
               {"断面積", "m2/m", 3}, {"体積", "m3/m", 3},      {"支配的な照査", "", -1},
               {"余裕度", "", 3},     {"判定", "", -1},         {"備考", "", -1}};
  using tables::Cell;
  for (const sizing::TableRow& row : table.rows) {
    const bool ng = row.outcome != sizing::SizingOutcome::kFound;
    const sizing::Evaluation& e = row.section;
    std::vector<Cell> cells = {Cell::Number(row.h), Cell::Number(row.earth_height)};
    if (e.computed) {
      const sizing::Section& s = e.section;
      for (double v : {s.crest.value, s.base.value, s.front.value, s.batter, s.area, s.area}) {
        cells.push_back(Cell::Number(v));
      }
      cells.push_back(Cell::Text(Governing(e, request), ng));
      cells.push_back(std::isfinite(e.worst_margin) ? Cell::Number(e.worst_margin, ng)
                                                    : Cell::Text(kUnbounded));
    } else {
      cells.resize(cells.size() + 8);
    }
    cells.push_back(Cell::Text(ng ? kNg : kOk, ng));
    cells.push_back(Cell::Text(ng ? row.message : std::string(), ng));
    t.rows.push_back(std::move(cells));
  }
  return t;
}

void PrintSectionTable(ReportSurface& out, const sizing::SectionTable& table,
                       const sizing::TableRequest& request, double first_page_no, Beeper& beeper) {
  TablePrinter(out, table, request, first_page_no, beeper).Run();
}

}  // namespace varnholt::report
