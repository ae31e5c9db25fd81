#pragma once
// The design book as spreadsheet tables: the summary (総括表) with one row
// per wall and case, and a sheet of main values for each of them. Numbers
// stay numbers, unrounded; failing values are marked, as on paper.

#include <vector>

#include "book/book_calc.h"
#include "tables/table.h"

namespace varnholt::book {

/// The summary: one row per member and case, units in the headings; a row
/// that could not be calculated has its reason and no numbers.
tables::Table SummaryTable(const BookResult& book);

/// One table per member and case ("項目", "値", "単位", "判定"), titled by
/// its symbol and case ("W-1 常時"), each title unique within the book.
std::vector<tables::Table> MemberTables(const BookResult& book);

/// The workbook: the summary sheet first, then one sheet per member and case.
tables::XlsxResult BookXlsx(const BookResult& book);

/// The summary as CSV (UTF-8 with a byte-order mark).
std::string BookCsv(const BookResult& book);

}  // namespace varnholt::book
