#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tables/table.h"

namespace varnholt::tables {
namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string Heading(const Column& column) {
  return column.unit.empty() ? column.name : column.name + " (" + column.unit + ")";
}

std::string ExactNumberText(double value) {
  if (!std::isfinite(value)) return {};
  char buf[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    if (std::strtod(buf, nullptr) == value) break;
  }
  return buf;
}

std::string CsvBytes(const Table& table) {
  std::string out = "\xEF\xBB\xBF";
  auto end_row = [&out] { out += "\r\n"; };
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) out += ',';
    out += CsvField(Heading(table.columns[c]));
  }
  end_row();
  for (const std::vector<Cell>& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += ',';
      const Cell& cell = row[c];
      if (cell.kind == Cell::Kind::kNumber) out += ExactNumberText(cell.number);
      if (cell.kind == Cell::Kind::kText) out += CsvField(cell.text);
    }
    end_row();
  }
  return out;
}

int TextColumns(const std::string& s, int two_byte_columns) {
  int width = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    // U+FF61..U+FF9F (half-width katakana) are EF BD A1..EF BE 9F.
    const bool half_kana = n == 3 && c == 0xEF && i + 1 < s.size() &&
                           (static_cast<unsigned char>(s[i + 1]) == 0xBD ||
                            static_cast<unsigned char>(s[i + 1]) == 0xBE);
    width += n == 1 || half_kana ? 1 : n == 2 ? two_byte_columns : 2;
    i += n;
  }
  return width;
}

}  // namespace varnholt::tables
