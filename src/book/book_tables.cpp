#include "book/book_tables.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace varnholt::book {
namespace {

using tables::Cell;
using tables::Column;

// Columns of the summary, in order.
const std::vector<Column>& SummaryColumns() {
  static const std::vector<Column> columns = {
      {"No.", "", 0},
      {"記号", "", -1},
      {"ファイル", "", -1},
      {"ケース", "", -1},
      {"規準", "", -1},
      {"地盤", "", -1},
      {"Kh", "", 2},
      {"H", "m", 3},
      {"天端幅 b", "m", 3},
      {"底版幅 B", "m", 3},
      {"つま先 f", "m", 3},
      {"断面積", "m2", 3},
      {"体積", "m3/m", 3},
      {"KA", "", 3},
      {"PAH", "kN/m", 2},
      {"PAV", "kN/m", 2},
      {"ΣV", "kN/m", 2},
      {"ΣH", "kN/m", 2},
      {"Mr", "kN･m/m", 2},
      {"Mo", "kN･m/m", 2},
      {"e", "m", 3},
      {"σmax", "kN/m2", 1},
      {"σmin", "kN/m2", 1},
      {"転倒 照査", "", -1},
      {"転倒 値", "", 3},
      {"転倒 許容値", "", 3},
      {"転倒 判定", "", -1},
      {"支持力 σmax", "kN/m2", 1},
      {"支持力 許容値", "kN/m2", 1},
      {"支持力 判定", "", -1},
      {"滑動 照査", "", -1},
      {"滑動 値", "", 2},
      {"滑動 許容値", "", 2},
      {"滑動 判定", "", -1},
      {"躯体 応力度比", "", 3},
      {"躯体 判定", "", -1},
      {"決定", "", -1},
      {"余裕", "", 2},
      {"判定", "", -1},
      {"計算できない理由", "", -1},
  };
  return columns;
}

const char* Verdict(bool ok) { return ok ? "O.K" : "NG"; }

// The quantity a check compares, as the summary names it.
const char* Quantity(const BookCheck& c) {
  switch (c.verdict.measure) {
    case Measure::kF:
      return "F";
    case Measure::kD:
      return "d";
    case Measure::kE:
      return "|e|";
    case Measure::kSigmaMax:
      return "σmax";
    case Measure::kFs:
      return "Fs";
    case Measure::kFk:
      return "Fk";
  }
  return "";
}

// Quantity, value, limit and verdict of a check; four empty cells without one.
void CheckCells(const BookCheck* c, bool with_quantity, std::vector<Cell>& row) {
  if (c == nullptr) {
    row.insert(row.end(), with_quantity ? 4 : 3, Cell::Empty());
    return;
  }
  const bool ng = !c->verdict.ok;
  if (with_quantity) row.push_back(Cell::Text(Quantity(*c)));
  row.push_back(Cell::Number(c->verdict.value, ng));
  row.push_back(Cell::Number(c->verdict.limit));
  std::string verdict = Verdict(c->verdict.ok);
  if (c->verdict.reason != VerdictReason::kNone)
    verdict += std::string("（") + VerdictReasonText(c->verdict.reason) + "）";
  row.push_back(Cell::Text(verdict, ng));
}

Cell Margin(double m) { return std::isfinite(m) ? Cell::Number(m, m < 1) : Cell::Empty(); }

// The first `chars` characters of a UTF-8 text.
std::string Prefix(const std::string& text, int chars) {
  std::size_t i = 0;
  for (int n = 0; i < text.size() && n < chars; ++n) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    i += c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  }
  return text.substr(0, std::min(i, text.size()));
}

std::string Title(const BookRow& r) {
  return (r.symbol.empty() ? r.file : r.symbol) + " " + CaseLabel(r);
}

}  // namespace

tables::Table SummaryTable(const BookResult& book) {
  tables::Table t;
  t.title = "総括表";
  t.columns = SummaryColumns();
  for (std::size_t i = 0; i < book.rows.size(); ++i) {
    const BookRow& r = book.rows[i];
    std::vector<Cell> row = {Cell::Number(static_cast<double>(i + 1)), Cell::Text(r.symbol),
                             Cell::Text(r.file), Cell::Text(CaseLabel(r))};
    if (!r.computed) {
      row.resize(t.columns.size() - 1, Cell::Empty());
      row[t.columns.size() - 2] = Cell::Text("計算できません", true);
      row.push_back(Cell::Text(r.reason, true));
      t.rows.push_back(std::move(row));
      continue;
    }
    const bool seismic = r.load_case == LoadCase::kSeismic;
    for (Cell c : {Cell::Text(StandardLabel(r.standard)), Cell::Text(ShapeLabel(r.shape)),
                   seismic ? Cell::Number(r.kh) : Cell::Empty(), Cell::Number(r.height),
                   Cell::Number(r.crest_width), Cell::Number(r.base_width),
                   Cell::Number(r.front_projection), Cell::Number(r.area), Cell::Number(r.area),
                   r.has_coefficient ? Cell::Number(r.coefficient) : Cell::Empty(),
                   Cell::Number(r.pah), Cell::Number(r.pav), Cell::Number(r.sum_v),
                   Cell::Number(r.sum_h), Cell::Number(r.mr), Cell::Number(r.mo), Cell::Number(r.e),
                   Cell::Number(r.sigma_max), Cell::Number(r.sigma_min)}) {
      row.push_back(std::move(c));
    }
    CheckCells(r.Check(VerdictRow::kOverturning), true, row);
    CheckCells(r.Check(VerdictRow::kBearing), false, row);
    CheckCells(r.SlidingCheck(), true, row);
    row.push_back(Cell::Number(r.body_ratio, !r.body_ok));
    row.push_back(Cell::Text(Verdict(r.body_ok), !r.body_ok));
    row.push_back(Cell::Text(r.governing));
    row.push_back(Margin(r.margin));
    row.push_back(Cell::Text(Verdict(r.ok), !r.ok));
    row.push_back(Cell::Empty());
    t.rows.push_back(std::move(row));
  }
  return t;
}

std::vector<tables::Table> MemberTables(const BookResult& book) {
  std::vector<tables::Table> out;
  std::set<std::string> titles = {"総括表"};
  for (const BookRow& r : book.rows) {
    tables::Table t;
    // A sheet name is at most 31 characters and unique in the workbook.
    std::string title = tables::SheetName(Title(r));
    for (int n = 2; !titles.insert(title).second; ++n)
      title = tables::SheetName(Prefix(Title(r), 24) + " (" + std::to_string(n) + ")");
    t.title = title;
    t.columns = {{"項目", "", -1}, {"値", "", -1}, {"単位", "", -1}, {"判定", "", -1}};
    const auto add = [&t](std::string name, Cell value, std::string unit, Cell verdict = {}) {
      t.rows.push_back({Cell::Text(std::move(name)), std::move(value), Cell::Text(std::move(unit)),
                        std::move(verdict)});
    };
    add("ファイル", Cell::Text(r.path), "");
    add("ケース", Cell::Text(CaseLabel(r)), "");
    if (!r.computed) {
      add("計算できない理由", Cell::Text(r.reason, true), "");
      out.push_back(std::move(t));
      continue;
    }
    add("規準", Cell::Text(StandardLabel(r.standard)), "");
    add("地盤", Cell::Text(ShapeLabel(r.shape)), "");
    if (r.load_case == LoadCase::kSeismic) {
      add("Kh", Cell::Number(r.kh), "");
      add("Kv", Cell::Number(r.kv), "");
    }
    add("H", Cell::Number(r.height), "m");
    add("天端幅 b", Cell::Number(r.crest_width), "m");
    add("底版幅 B", Cell::Number(r.base_width), "m");
    add("つま先 f", Cell::Number(r.front_projection), "m");
    add("断面積", Cell::Number(r.area), "m2");
    add("体積", Cell::Number(r.area), "m3/m");
    if (r.has_coefficient) add("KA", Cell::Number(r.coefficient), "");
    add("PAH", Cell::Number(r.pah), "kN/m");
    add("PAV", Cell::Number(r.pav), "kN/m");
    add("ΣV", Cell::Number(r.sum_v), "kN/m");
    add("ΣH", Cell::Number(r.sum_h), "kN/m");
    add("Mr", Cell::Number(r.mr), "kN･m/m");
    add("Mo", Cell::Number(r.mo), "kN･m/m");
    add("e", Cell::Number(r.e), "m");
    add("σmax", Cell::Number(r.sigma_max), "kN/m2");
    add("σmin", Cell::Number(r.sigma_min), "kN/m2");
    for (const BookCheck& c : r.checks) {
      const bool ng = !c.verdict.ok;
      const std::string name = std::string(CheckName(c.row)) + " " + Quantity(c);
      const std::string unit =
          c.verdict.measure == Measure::kSigmaMax                                ? "kN/m2"
          : c.verdict.measure == Measure::kD || c.verdict.measure == Measure::kE ? "m"
                                                                                 : "";
      add(name, Cell::Number(c.verdict.value, ng), unit, Cell::Text(Verdict(!ng), ng));
      add(name + " 許容値", Cell::Number(c.verdict.limit), unit);
    }
    add("躯体 応力度比", Cell::Number(r.body_ratio, !r.body_ok), "",
        Cell::Text(Verdict(r.body_ok), !r.body_ok));
    add("決定", Cell::Text(r.governing), "");
    add("余裕", Margin(r.margin), "");
    add("判定", Cell::Text(Verdict(r.ok), !r.ok), "", Cell::Text(Verdict(r.ok), !r.ok));
    out.push_back(std::move(t));
  }
  return out;
}

tables::XlsxResult BookXlsx(const BookResult& book) {
  std::vector<tables::Table> sheets = {SummaryTable(book)};
  for (tables::Table& t : MemberTables(book)) sheets.push_back(std::move(t));
  return tables::XlsxBytes(sheets);
}

std::string BookCsv(const BookResult& book) { return tables::CsvBytes(SummaryTable(book)); }

}  // namespace varnholt::book
