#pragma once
// A table of named columns with units and rows of numbers and texts, some
// cells marked as failing, and its two file forms: CSV for any program and
// XLSX for the spreadsheet. The standard-section table and the design
// book's summary are written through these, so every table the program
// exports reads alike: the unit in the heading, numbers stored as numbers
// and unrounded, failing cells marked.

#include <string>
#include <vector>

namespace varnholt::tables {

/// One column: what it holds and in which unit.
struct Column {
  std::string name;  // "底版幅 B"
  std::string unit;  // "m"; empty for a column without a unit
  /// Decimals the spreadsheet shows for its numbers (the stored value is
  /// never rounded); -1 shows them as they are.
  int decimals = -1;
};

/// One cell: empty, a number or a text; `ng` marks a failing value.
struct Cell {
  enum class Kind { kEmpty, kNumber, kText };
  Kind kind = Kind::kEmpty;
  double number = 0;
  std::string text;
  bool ng = false;

  static Cell Number(double v, bool ng = false) { return {Kind::kNumber, v, {}, ng}; }
  static Cell Text(std::string t, bool ng = false) { return {Kind::kText, 0, std::move(t), ng}; }
  static Cell Empty() { return {}; }
};

/// A whole table. Every row has one cell per column.
struct Table {
  std::string title;  // the sheet's name ("標準断面表")
  std::vector<Column> columns;
  std::vector<std::vector<Cell>> rows;
};

/// The heading of a column: its name with the unit in parentheses,
/// "底版幅 B (m)", or the name alone.
std::string Heading(const Column& column);

/// The number as the shortest decimal text that reads back as the same
/// double ("2.35", "0.1", "1e-07"); empty when it is not finite.
std::string ExactNumberText(double value);

/// CSV: UTF-8 with a byte-order mark (so that spreadsheet programs read the
/// Japanese headings), CR LF after every row, the headings first, numbers
/// exact and unrounded, a non-finite number as an empty field, texts quoted
/// when they hold a comma, a quote or a line break.
std::string CsvBytes(const Table& table);

/// The bytes of an .xlsx workbook, or why it could not be made.
struct XlsxResult {
  bool ok = false;
  std::string bytes;
  std::string error;
};

/// XLSX: one sheet named by the title; the headings in bold in a frozen
/// first row; numbers as numbers with the column's decimals shown; failing
/// cells in red; each column as wide as its widest text, full-width
/// characters counted twice.
XlsxResult XlsxBytes(const Table& table);

/// The same with one sheet per table, in order. Sheet names (the titles,
/// cut to 31 characters) must differ.
XlsxResult XlsxBytes(const std::vector<Table>& sheets);

/// A table's title as a sheet name: at most 31 characters, none of
/// []:*?/\ (replaced by "_"), "Sheet1" for an empty title.
std::string SheetName(const std::string& title);

/// Width of a UTF-8 text in columns of half-width characters: ASCII and
/// half-width katakana count one, a character of two UTF-8 bytes (Greek,
/// accented Latin) `two_byte_columns`, every other (kanji, kana, full-width
/// forms) two.
int TextColumns(const std::string& text, int two_byte_columns);

/// Width in a spreadsheet's character units: Greek letters in a Japanese
/// face are as wide as kanji.
inline int SpreadsheetWidth(const std::string& text) { return TextColumns(text, 2); }

}  // namespace varnholt::tables
