#include "book/book_tables.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace varnholt::book {
namespace {

using tables::Cell;
using tables::Column;

// The section, loads and ground reaction of a row as both the summary and a
// member's sheet show them, in order; `given` names the flag without which
// a row has no such value.
struct RowValue {
  const char* name;
  const char* unit;
  int decimals;
  double BookRow::*value;
  bool BookRow::*given = nullptr;
};
constexpr RowValue kRowValues[] = {
    {"H", "m", 3, &BookRow::height},
    {"天端幅 b", "m", 3, &BookRow::crest_width},
    {"底版幅 B", "m", 3, &BookRow::base_width},
    {"つま先 f", "m", 3, &BookRow::front_projection},
    {"断面積", "m2", 3, &BookRow::area},
    {"体積", "m3/m", 3, &BookRow::area},
    {"KA", "", 3, &BookRow::coefficient, &BookRow::has_coefficient},
    {"PAH", "kN/m", 2, &BookRow::pah},
    {"PAV", "kN/m", 2, &BookRow::pav},
    {"ΣV", "kN/m", 2, &BookRow::sum_v},
    {"ΣH", "kN/m", 2, &BookRow::sum_h},
    {"Mr", "kN･m/m", 2, &BookRow::mr},
    {"Mo", "kN･m/m", 2, &BookRow::mo},
    {"e", "m", 3, &BookRow::e},
    {"σmax", "kN/m2", 1, &BookRow::sigma_max},
    {"σmin", "kN/m2", 1, &BookRow::sigma_min},
};

bool Has(const BookRow& r, const RowValue& v) { return v.given == nullptr || r.*v.given; }

// Columns of the summary, in order.
const std::vector<Column>& SummaryColumns() {
  static const std::vector<Column> columns = [] {
    std::vector<Column> c = {{"No.", "", 0},     {"記号", "", -1}, {"ファイル", "", -1},
                             {"ケース", "", -1}, {"規準", "", -1}, {"地盤", "", -1},
                             {"Kh", "", 2}};
    for (const RowValue& v : kRowValues) c.push_back({v.name, v.unit, v.decimals});
    c.insert(c.end(), {
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
                      });
    return c;
  }();
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
    row.push_back(Cell::Text(StandardLabel(r.standard)));
    row.push_back(Cell::Text(ShapeLabel(r.shape)));
    const bool seismic = r.load_case == LoadCase::kSeismic;
    row.push_back(seismic ? Cell::Number(r.kh) : Cell::Empty());
    for (const RowValue& v : kRowValues)
      row.push_back(Has(r, v) ? Cell::Number(r.*v.value) : Cell::Empty());
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
    for (const RowValue& v : kRowValues)
      if (Has(r, v)) add(v.name, Cell::Number(r.*v.value), v.unit);
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
