#pragma once
// The standard-section table (標準断面表) as report pages and as a table of
// named columns for the CSV and XLSX writers: the sized section of every
// height, with the governing check and its margin.

#include "report/report_context.h"
#include "sizing/section_table.h"
#include "tables/table.h"

namespace varnholt::report {

/// The rows as named columns with units: h, H, b, B, f, the batter n,
/// area and volume per metre, the governing check, its margin, the verdict
/// and, for a height without a passing section, the reason. Numbers are
/// unrounded; the cells of a height without a passing section are marked.
tables::Table SectionTableData(const sizing::SectionTable& table,
                               const sizing::TableRequest& request);

/// Draws the table's pages on a printer surface as one document: the
/// heading with the design it was made for, the ruled table (continued on
/// further pages under "標準断面表（続き）"), and a note per height without a
/// passing section; every page numbered "－ n －" from `first_page_no` on.
/// A height without a passing section is light magenta and beeps once.
void PrintSectionTable(ReportSurface& out, const sizing::SectionTable& table,
                       const sizing::TableRequest& request, double first_page_no, Beeper& beeper);

}  // namespace varnholt::report
