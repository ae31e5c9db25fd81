#pragma once
// Reading back the first sheet of an .xlsx workbook, for the tests of every
// layer that writes one: the zip container (stored or deflated entries),
// the shared strings, the cells, the styles they point to, the frozen pane
// and the column widths. Enough to check what a spreadsheet would show; not
// a general reader.

#include <map>
#include <string>

namespace varnholt::tables::testing {

/// The entries of a zip archive by name. False with `error` on a damaged
/// archive.
bool ReadZip(const std::string& bytes, std::map<std::string, std::string>* files,
             std::string* error);

/// A cell as read back.
struct ReadCell {
  bool number = false;  // stored as a number (else a string)
  double value = 0;     // the number
  std::string text;     // the string, or the number's stored text
  bool red = false;     // its font is red
  bool bold = false;
  std::string number_format;  // "0.00", or empty for the general format
};

/// The first sheet.
struct ReadSheet {
  std::string name;
  std::map<std::string, ReadCell> cells;  // by reference, "A1"
  bool first_row_frozen = false;
  std::map<int, double> widths;  // column (1-based) → width
};

/// The sheet at 1-based position `number` (the first unless said).
bool ReadXlsx(const std::string& bytes, ReadSheet* sheet, std::string* error, int number = 1);

}  // namespace varnholt::tables::testing
