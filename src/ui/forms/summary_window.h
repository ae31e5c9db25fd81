#pragma once
// 両ケース計算 and the summary window 総括表 (Form21): both load cases of the
// design calculated on copies (both_cases.h) and shown side by side, every
// value with its limit and verdict, O.K in black and NG in red. The window
// refreshes after every calculation and is cleared, through the results
// presenter, whenever the results are.

#include <array>
#include <string>

#include "report/report_context.h"
#include "report/summary_table.h"
#include "ui/forms/both_cases.h"
#include "ui/forms/handles.h"

namespace varnholt::report {
struct PrintJob;
}

namespace varnholt::forms {

/// Name of the summary window.
inline constexpr const char* kForm21 = "Form21";

/// The columns the window has room for: 常時, 地震時 ① and 地震時 ②.
inline constexpr int kSummaryColumns = 3;
/// The rows it has room for (every row the table can have).
inline constexpr int kSummaryRows = 28;

/// Form21: the headings, a row of labels per table row, and the reasons of
/// the cases that could not be calculated.
struct SummaryWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  struct Cell {
    ControlRef value;  // lblV<r>_<c>
    ControlRef limit;  // lblL<r>_<c>
    ControlRef mark;   // lblM<r>_<c>
  };
  struct Line {
    ControlRef label;  // lblR<r>
    ControlRef unit;   // lblU<r>
    std::array<Cell, kSummaryColumns> cells;
  };
  std::array<ControlRef, kSummaryColumns> headings;  // lblH<c>
  std::array<Line, kSummaryRows> rows;
  std::array<ControlRef, kSummaryColumns> reasons;  // lblN<c>
  ControlRef note;                                  // lblNote, shown without results
};

void DefineForm21(ui::Window& w, App& app);
SummaryWindow& Summary(App& app);

/// The summary of a both-cases calculation: 常時, then 地震時 (as ① and ②
/// in method order where both were computed, the governing one marked).
report::SummaryTable SummaryOf(BothCases& both);

/// 両ケース計算: calculates both cases on copies and shows the summary
/// window filled with them. Does nothing without an open design.
void BothCasesCommand(App& app);

/// Writes a table into the window (shown or not).
void ShowSummary(App& app, const report::SummaryTable& table);

/// Empties the window when it is loaded: the results it showed are gone.
void ClearSummary(App& app);

/// Installs the refresh after the calculate command: 両ケース計算 runs
/// when both cases have their settings or the summary window is open. Only
/// the program's own design installs it, never a copy.
void InstallSummary(App& app);

/// Draws the print job with both cases on one surface: the general items
/// once, the pages of 常時 and of 地震時 (the seismic method the dialog
/// selects), then the summary page, numbered on from the first page.
void WriteBothCasesReport(App& app, report::ReportSurface& out, const report::PrintJob& job,
                          report::Beeper& beeper);

}  // namespace varnholt::forms
