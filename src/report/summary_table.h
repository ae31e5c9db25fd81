#pragma once
// The summary (総括表) of one design in both load cases: one row per value
// or check, one column per calculated case. The summary window and the
// summary page of the report show the same table, built here from the
// calculated design cases with the one verdict function (JudgeStability)
// and the body check (CheckBodyStress), so the window, the paper and the
// results window never disagree.

#include <string>
#include <vector>

#include "model/design_case.h"
#include "model/selections.h"
#include "report/report_context.h"
#include "report/surface.h"

namespace varnholt::report {

/// The verdict a cell carries.
enum class SummaryMark { kNone, kOk, kNg };

/// One cell: the value as printed, its limit ("≧ 1.5", "≦ 300.00") and its
/// verdict. Empty texts where the row does not apply to the case.
struct SummaryCell {
  std::string value;
  std::string limit;
  SummaryMark mark = SummaryMark::kNone;
};

/// One row: what it shows, its unit and a cell per column.
struct SummaryRow {
  std::string label;
  std::string unit;
  std::vector<SummaryCell> cells;
};

/// One column: its heading ("常時", "地震時 ①"), whether the case was
/// computed, why not, and whether it is the governing seismic method.
struct SummaryColumn {
  std::string heading;
  bool computed = false;
  std::string reason;
  bool governing = false;
};

struct SummaryTable {
  std::vector<SummaryColumn> columns;
  std::vector<SummaryRow> rows;
  /// True when every computed case passes every check and every case was
  /// computed.
  bool all_ok = false;
};

/// A case to summarise: the calculated design case and its options, or
/// the reason it was not calculated (`dc` null).
struct SummaryCase {
  std::string heading;
  const DesignCase* dc = nullptr;
  Selections sel;
  std::string reason;
  bool governing = false;
};

/// "O.K" or "NG"; empty for kNone.
const char* SummaryMarkText(SummaryMark mark);

/// The table of the cases, in the order given. Rows: the coefficient, Kh,
/// Kv, the earth pressure's components, ΣV, ΣH, Mr, Mo, the judged
/// overturning and eccentricity rows, σmax and σmin against the bearing
/// limit, sliding (and the shear key's rows where a key is set), the body
/// check's governing section and its verdict, and the overall verdict.
/// A row that no column has is left out.
SummaryTable BuildSummaryTable(const std::vector<SummaryCase>& cases);

/// Draws the table as one report page from the top of the page (the
/// caller prepares the surface and numbers the page): the title, a column
/// per case with value, limit and verdict, NG in the NG colour, and the
/// reasons of the cases that were not calculated below the table.
void DrawSummaryPage(const SummaryTable& table, ReportSurface& out);

struct PrintJob;

/// A calculated case printed in a both-cases report.
struct PrintedCase {
  const DesignCase* dc = nullptr;
  Selections sel;
  ReportInputs inputs;
};

/// Prints both cases in one document on `general.out`: the general items
/// once (from `general`, when the range has them), the load, earth-pressure
/// and stability pages of each case in turn (and its body page when the job
/// asks for it), then the summary page; page numbers run on from the first
/// page number. A case that could not be calculated has no pages; the
/// summary says why.
void PrintBothCases(const PrintJob& job, ReportContext& general,
                    const std::vector<PrintedCase>& cases, const SummaryTable& table);

}  // namespace varnholt::report
