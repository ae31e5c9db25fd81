#include "book/book_pages.h"

#include <algorithm>
#include <cmath>

#include "report/drawing.h"
#include "report/number_format.h"
#include "report/page_plan.h"
#include "report/replay.h"

namespace varnholt::book {
namespace {

using report::kBlack;
using report::kLightMagenta;
using report::ReportSurface;
using report::Rgb;

// The literals of the front matter.
constexpr const char* kCoverKind = "重力式コンクリート擁壁";
constexpr const char* kCoverTitle = "構 造 計 算 書";
constexpr const char* kCoverClient = "発 注 者　　";
constexpr const char* kCoverDesigner = "設 計 者　　";
constexpr const char* kCoverDate = "日　　付　　";
constexpr const char* kCoverWalls = "擁 壁 数　　";
constexpr const char* kContentsHeading = "目　　　次";
constexpr const char* kContentsSummary = "総括表";
constexpr const char* kNotComputed = "計算できません";
constexpr const char* kSummaryHeading = "総　括　表";
constexpr const char* kSummaryHeadingContinued = "総　括　表（続き）";
constexpr const char* kSummaryJob = "工事名　";
constexpr const char* kSummaryUnits =
    "単位　長さ：m　面積：m2　力：kN/m　モーメント：kN･m/m　地盤反力度：kN/m2　"
    "KA：主働土圧係数（地震時は KAE）　躯体：最大の応力度比";
constexpr const char* kOk = "O.K";
constexpr const char* kNg = "NG";
constexpr const char* kNotComputedVerdict = "不可";

// The printable area's centre and the usable width.
constexpr double kCentreX = 5783;
constexpr double kPageWidth = 11566;

// The summary table: 8-point text in cells of half-width characters.
constexpr double kTableSize = 8;
constexpr double kCell = 85;  // twips per half-width character cell
constexpr double kTableLeft = 300;
constexpr double kTableTop = 2000;
constexpr double kLine = 230;  // one of the two text lines of a row
constexpr double kRowHeight = 2 * kLine;
constexpr double kTextDrop = 45;  // from a line's top to the top of its text
constexpr double kPad = 40;       // between a cell's edge and its text

struct Column {
  const char* head;
  int chars;
};
// Both lines of a row: the fixed block, then line 1 (the wall and its loads)
// and line 2 (moments and checks), then the verdict.
constexpr Column kFixed[] = {{"No.", 4}, {"記号", 10}, {"ケース", 9}};
constexpr Column kLine1[] = {{"規準", 9}, {"地盤", 9}, {"H", 7},  {"b", 7},
                             {"B", 7},    {"f", 7},    {"A", 8},  {"KA", 7},
                             {"PAH", 8},  {"PAV", 8},  {"ΣV", 9}, {"ΣH", 14}};
constexpr Column kLine2[] = {{"Mr", 9},      {"Mo", 9},    {"e", 8},    {"σmin", 8},  {"転倒", 15},
                             {"支持力", 13}, {"滑動", 14}, {"躯体", 5}, {"決定", 13}, {"余裕", 6}};
constexpr Column kVerdict = {"判定", 5};

constexpr int Chars(const Column* begin, const Column* end) {
  int n = 0;
  for (const Column* c = begin; c != end; ++c) n += c->chars;
  return n;
}
static_assert(Chars(std::begin(kLine1), std::end(kLine1)) ==
                  Chars(std::begin(kLine2), std::end(kLine2)),
              "both lines of a summary row end at the verdict column");

constexpr double kVariableLeft = kTableLeft + Chars(std::begin(kFixed), std::end(kFixed)) * kCell;
constexpr double kVerdictLeft = kVariableLeft + Chars(std::begin(kLine2), std::end(kLine2)) * kCell;
constexpr double kTableRight = kVerdictLeft + kVerdict.chars * kCell;
static_assert(kTableRight <= kPageWidth, "the summary fits the printable width");

bool HalfWidth(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

// The code points of a UTF-8 text with the byte length of each.
template <typename F>
void ForEachCharacter(std::string_view s, F f) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    n = std::min(n, s.size() - i);
    char32_t cp = n == 1 ? c : c & (0x3F >> (n - 1));
    for (std::size_t k = 1; k < n; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    f(cp, i, n);
    i += n;
  }
}

void Text(ReportSurface& out, double x, double y, const std::string& text, double size,
          Rgb color = kBlack) {
  if (text.empty()) return;
  out.FontSize = size;
  out.ForeColor = color;
  report::PrintAt(out, x, y, {text});
  out.FontSize = report::kStandardFontSize;
  out.ForeColor = kBlack;
}

void Centred(ReportSurface& out, double centre, double y, const std::string& text, double size,
             Rgb color = kBlack) {
  Text(out, centre - TextWidth(text, size) / 2, y, text, size, color);
}

void Segment(ReportSurface& out, double x1, double y1, double x2, double y2, int width = 1,
             int style = report::kSolid) {
  out.DrawWidth = width;
  out.DrawStyle = style;
  report::BlackLine(out, x1, y1, x2, y2);
  out.DrawWidth = 1;
  out.DrawStyle = report::kSolid;
}

std::string Fmt(double v, const char* pattern) { return report::FormatNumber(v, pattern); }

// ---- cover ---------------------------------------------------------------

void DrawCover(const BookResult& book, const BookImprint& imprint, ReportSurface& out) {
  const Book& b = book.book;
  Centred(out, kCentreX, 2400, FitText(b.title, 18, 10800), 18);
  Centred(out, kCentreX, 4600, kCoverKind, 20);
  Centred(out, kCentreX, 5600, kCoverTitle, 24);
  std::size_t walls = 0;
  for (std::size_t i = 0; i < book.rows.size(); ++i)
    if (i == 0 || book.rows[i].member != book.rows[i - 1].member) ++walls;
  const std::pair<const char*, std::string> lines[] = {
      {kCoverClient, b.client},
      {kCoverDesigner, b.designer},
      {kCoverDate, b.date},
      {kCoverWalls,
       std::to_string(walls) + " 基（" + std::to_string(book.rows.size()) + " ケース）"},
  };
  double y = 9000;
  for (const auto& [label, value] : lines) {
    Text(out, 2600, y, std::string(label) + FitText(value, 12, 6500), 12);
    Segment(out, 2600, y + 300, 9400, y + 300);
    y += 700;
  }
  Centred(out, kCentreX, 14600, imprint.program, 10);
}

// ---- contents ------------------------------------------------------------

void DrawContentsEntry(ReportSurface& out, double y, const std::string& number,
                       const std::string& symbol, const std::string& which, const std::string& file,
                       const std::string& page, Rgb page_color) {
  Text(out, 900, y, number, 11);
  Text(out, 1500, y, FitText(symbol, 11, 1500), 11);
  Text(out, 3100, y, which, 11);
  const std::string name = FitText(file, 11, 5000);
  Text(out, 4500, y, name, 11);
  const double page_width = TextWidth(page, 11);
  const double leader_from =
      (file.empty() ? 1500 + TextWidth(symbol, 11) : 4500 + TextWidth(name, 11)) + 150;
  const double leader_to = 10700 - page_width - 150;
  if (leader_to > leader_from)
    Segment(out, leader_from, y + 170, leader_to, y + 170, 1, report::kDotted);
  Text(out, 10700 - page_width, y, page, 11, page_color);
}

void DrawContents(const BookResult& book, const BookPlan& plan, int index, ReportSurface& out) {
  Centred(out, kCentreX, 900, kContentsHeading, 16);
  // Entry 0 is the summary, entry k the k-th row.
  const int first = index * kContentsRowsPerPage;
  const int count = static_cast<int>(book.rows.size()) + 1;
  double y = 2000;
  for (int k = first; k < std::min(count, first + kContentsRowsPerPage); ++k, y += 400) {
    if (k == 0) {
      DrawContentsEntry(out, y, "", kContentsSummary, "", "", std::to_string(plan.summary_first),
                        kBlack);
      continue;
    }
    const BookRow& r = book.rows[static_cast<std::size_t>(k - 1)];
    const int page = plan.first_page[static_cast<std::size_t>(k - 1)];
    DrawContentsEntry(out, y, std::to_string(k), r.symbol, CaseLabel(r), r.file,
                      page > 0 ? std::to_string(page) : kNotComputed,
                      page > 0 ? kBlack : kLightMagenta);
  }
}

// ---- summary -------------------------------------------------------------

struct Cell {
  std::string text;
  Rgb color = kBlack;
  bool right = true;  // numbers right-aligned, words centred
};

Cell Number(double v, const char* pattern) { return {Fmt(v, pattern)}; }
Cell Word(std::string text, Rgb color = kBlack) { return {std::move(text), color, false}; }

Cell CheckCell(const BookCheck* check) {
  if (check == nullptr) return Word("－");
  const Verdict& v = check->verdict;
  const Rgb color = v.ok ? kBlack : kLightMagenta;
  if (v.reason == VerdictReason::kResultantOutsideBase) return Word("e > B/2", color);
  if (v.reason == VerdictReason::kNegativePressure) return Word("σmax < 0", color);
  std::string symbol, value, limit;
  const char* relation = "";
  switch (v.measure) {
    case Measure::kF:
    case Measure::kFs:
    case Measure::kFk:
      symbol = v.measure == Measure::kF ? "F=" : v.measure == Measure::kFs ? "Fs=" : "Fk=";
      value = Fmt(v.value, "0.00");
      limit = Fmt(v.limit, "0.00");
      relation = v.ok ? "≧" : "<";
      break;
    case Measure::kD:
      symbol = "d=";
      value = Fmt(v.value, "0.000");
      limit = Fmt(v.limit, "0.000");
      relation = v.ok ? "≧" : "<";
      break;
    case Measure::kE:
      symbol = "e=";
      value = Fmt(v.value, "0.000");
      limit = Fmt(v.limit, "0.000");
      relation = v.ok ? "≦" : ">";
      break;
    case Measure::kSigmaMax:
      value = Fmt(v.value, "0.0");
      limit = Fmt(v.limit, "0.0");
      relation = v.ok ? "≦" : ">";
      break;
  }
  return Word(symbol + value + relation + limit, color);
}

// Draws the cells of one line from `left`, with a rule at every column edge.
void DrawCells(ReportSurface& out, double left, double top, const Column* columns,
               const std::vector<Cell>& cells) {
  double x = left;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const double width = columns[i].chars * kCell;
    const Cell& c = cells[i];
    const std::string text = FitText(c.text, kTableSize, width - 2 * kPad);
    const double w = TextWidth(text, kTableSize);
    const double tx = c.right ? x + width - kPad - w : x + (width - w) / 2;
    Text(out, tx, top + kTextDrop, text, kTableSize, c.color);
    x += width;
    if (i + 1 < cells.size()) Segment(out, x, top, x, top + kLine);
  }
}

void DrawGrid(ReportSurface& out, double top, double bottom) {
  double x = kTableLeft;
  Segment(out, x, top, x, bottom);
  for (const Column& c : kFixed) {
    x += c.chars * kCell;
    Segment(out, x, top, x, bottom);
  }
  Segment(out, kVerdictLeft, top, kVerdictLeft, bottom);
  Segment(out, kTableRight, top, kTableRight, bottom);
}

void DrawHeader(ReportSurface& out, double top) {
  double x = kTableLeft;
  for (const Column& c : kFixed) {
    Centred(out, x + c.chars * kCell / 2, top + kLine / 2 + kTextDrop, c.head, kTableSize);
    x += c.chars * kCell;
  }
  std::vector<Cell> line1, line2;
  for (const Column& c : kLine1) line1.push_back(Word(c.head));
  for (const Column& c : kLine2) line2.push_back(Word(c.head));
  DrawCells(out, kVariableLeft, top, kLine1, line1);
  DrawCells(out, kVariableLeft, top + kLine, kLine2, line2);
  Centred(out, kVerdictLeft + kVerdict.chars * kCell / 2, top + kLine / 2 + kTextDrop,
          kVerdict.head, kTableSize);
  Segment(out, kVariableLeft, top + kLine, kVerdictLeft, top + kLine, 1, report::kDotted);
  DrawGrid(out, top, top + kRowHeight);
  Segment(out, kTableLeft, top, kTableRight, top);
  Segment(out, kTableLeft, top + kRowHeight, kTableRight, top + kRowHeight, 2);
}

// A reason over both lines of a row, cut to two lines.
void DrawReason(ReportSurface& out, double top, const std::string& reason) {
  std::string flat;
  for (char c : reason) flat += c == '\n' ? ' ' : c;
  const double width = kVerdictLeft - kVariableLeft - 2 * kPad;
  std::string first;
  std::size_t rest = flat.size();
  ForEachCharacter(flat, [&](char32_t, std::size_t at, std::size_t n) {
    if (rest != flat.size()) return;
    if (TextWidth(flat.substr(0, at + n), kTableSize) > width) {
      rest = at;
      return;
    }
  });
  first = flat.substr(0, rest);
  Text(out, kVariableLeft + kPad, top + kTextDrop, first, kTableSize, kLightMagenta);
  if (rest < flat.size())
    Text(out, kVariableLeft + kPad, top + kLine + kTextDrop,
         FitText(flat.substr(rest), kTableSize, width), kTableSize, kLightMagenta);
}

void DrawSummaryRow(ReportSurface& out, double top, std::size_t index, const BookRow& r) {
  const double fixed_centre_y = top + kLine / 2 + kTextDrop;
  double x = kTableLeft;
  const std::string fixed[] = {std::to_string(index + 1), r.symbol, CaseLabel(r)};
  for (std::size_t i = 0; i < std::size(kFixed); ++i) {
    const double width = kFixed[i].chars * kCell;
    const double y = i == 2 && r.load_case == LoadCase::kSeismic && r.computed ? top + kTextDrop
                                                                               : fixed_centre_y;
    Centred(out, x + width / 2, y, FitText(fixed[i], kTableSize, width - 2 * kPad), kTableSize);
    x += width;
  }
  if (r.load_case == LoadCase::kSeismic && r.computed) {
    const double width = kFixed[2].chars * kCell;
    Centred(out, x - width / 2, top + kLine + kTextDrop, "Kh=" + Fmt(r.kh, "0.00#"), kTableSize);
  }
  const double verdict_centre = kVerdictLeft + kVerdict.chars * kCell / 2;
  if (!r.computed) {
    DrawReason(out, top, r.reason);
    Centred(out, verdict_centre, fixed_centre_y, kNotComputedVerdict, kTableSize, kLightMagenta);
    DrawGrid(out, top, top + kRowHeight);
    Segment(out, kTableLeft, top + kRowHeight, kTableRight, top + kRowHeight);
    return;
  }
  const std::vector<Cell> line1 = {
      Word(StandardLabel(r.standard)),
      Word(ShapeLabel(r.shape)),
      Number(r.height, "0.000"),
      Number(r.crest_width, "0.000"),
      Number(r.base_width, "0.000"),
      Number(r.front_projection, "0.000"),
      Number(r.area, "0.000"),
      r.has_coefficient ? Number(r.coefficient, "0.000") : Word("－"),
      Number(r.pah, "0.00"),
      Number(r.pav, "0.00"),
      Number(r.sum_v, "0.00"),
      Number(r.sum_h, "0.00"),
  };
  Cell e = Number(r.e, "0.000");
  if (const BookCheck* ecc = r.Check(VerdictRow::kEccentricity); ecc && !ecc->verdict.ok)
    e.color = kLightMagenta;
  Cell body = Number(r.body_ratio, "0.00");
  if (!r.body_ok) body.color = kLightMagenta;
  Cell margin = std::isfinite(r.margin) ? Number(r.margin, "0.00") : Word("－");
  if (r.margin < 1) margin.color = kLightMagenta;
  const std::vector<Cell> line2 = {
      Number(r.mr, "0.00"),
      Number(r.mo, "0.00"),
      e,
      Number(r.sigma_min, "0.0"),
      CheckCell(r.Check(VerdictRow::kOverturning)),
      CheckCell(r.Check(VerdictRow::kBearing)),
      CheckCell(r.SlidingCheck()),
      body,
      Word(r.governing),
      margin,
  };
  DrawCells(out, kVariableLeft, top, kLine1, line1);
  DrawCells(out, kVariableLeft, top + kLine, kLine2, line2);
  Centred(out, verdict_centre, fixed_centre_y, r.ok ? kOk : kNg, kTableSize,
          r.ok ? kBlack : kLightMagenta);
  Segment(out, kVariableLeft, top + kLine, kVerdictLeft, top + kLine, 1, report::kDotted);
  DrawGrid(out, top, top + kRowHeight);
  Segment(out, kTableLeft, top + kRowHeight, kTableRight, top + kRowHeight);
}

void DrawSummary(const BookResult& book, int index, ReportSurface& out) {
  Centred(out, kCentreX, 700, index == 0 ? kSummaryHeading : kSummaryHeadingContinued, 14);
  Text(out, kTableLeft, 1250, kSummaryJob + FitText(book.book.title, 10, 10000), 10);
  Text(out, kTableLeft, 1650, FitText(kSummaryUnits, kTableSize, kTableRight - kTableLeft),
       kTableSize);
  DrawHeader(out, kTableTop);
  const std::size_t first = static_cast<std::size_t>(index) * kSummaryRowsPerPage;
  const std::size_t end = std::min(book.rows.size(), first + kSummaryRowsPerPage);
  double top = kTableTop + kRowHeight;
  for (std::size_t i = first; i < end; ++i, top += kRowHeight)
    DrawSummaryRow(out, top, i, book.rows[i]);
}

int PagesFor(std::size_t entries, int per_page) {
  return std::max(1, static_cast<int>((entries + per_page - 1) / per_page));
}

}  // namespace

double TextWidth(std::string_view text, double points) {
  double ems = 0;
  ForEachCharacter(text,
                   [&](char32_t c, std::size_t, std::size_t) { ems += HalfWidth(c) ? 0.5 : 1; });
  return ems * points * report::kTwipsPerPoint;
}

std::string FitText(const std::string& text, double points, double width) {
  if (TextWidth(text, points) <= width) return text;
  const std::string mark = "…";
  const double room = width - TextWidth(mark, points);
  std::size_t cut = 0;
  ForEachCharacter(text, [&](char32_t, std::size_t at, std::size_t n) {
    if (cut == at && TextWidth(std::string_view(text).substr(0, at + n), points) <= room)
      cut = at + n;
  });
  return text.substr(0, cut) + mark;
}

BookPlan PlanBook(const BookResult& book) {
  BookPlan plan;
  plan.contents_pages = PagesFor(book.rows.size() + 1, kContentsRowsPerPage);
  plan.summary_pages = PagesFor(book.rows.size(), kSummaryRowsPerPage);
  plan.summary_first = 1 + plan.contents_pages;
  int next = plan.summary_first + plan.summary_pages;
  for (const BookRow& r : book.rows) {
    plan.first_page.push_back(r.pages.empty() ? 0 : next);
    next += static_cast<int>(r.pages.size());
  }
  plan.last_page = next - 1;
  return plan;
}

void DrawFrontPage(const BookResult& book, const BookPlan& plan, const BookImprint& imprint,
                   int index, ReportSurface& out) {
  report::PrepareSurface(out);
  if (index == 0) {
    DrawCover(book, imprint, out);
    return;
  }
  const int number = index;  // the contents are numbered from 1
  if (index <= plan.contents_pages) {
    DrawContents(book, plan, index - 1, out);
  } else {
    DrawSummary(book, index - 1 - plan.contents_pages, out);
  }
  report::PrintPageNumber(out, number);
}

void DrawBook(const BookResult& book, const BookImprint& imprint, ReportSurface& out) {
  const BookPlan plan = PlanBook(book);
  const int front = 1 + plan.contents_pages + plan.summary_pages;
  for (int i = 0; i < front; ++i) {
    if (i > 0) out.NewPage();
    DrawFrontPage(book, plan, imprint, i, out);
  }
  int number = plan.summary_first + plan.summary_pages;
  for (const BookRow& r : book.rows) {
    for (const report::RecordedPage& page : r.pages) {
      out.NewPage();
      report::Replay(page, out);
      report::PrintPageNumber(out, number++);
    }
  }
  out.EndDoc();
}

}  // namespace varnholt::book
