// XLSX through libxlsxwriter. The library writes only to a file, so the
// workbook goes to a private temporary file whose bytes are read back; the
// caller writes them where they belong, as it writes every other output.

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <utility>

#include "tables/table.h"

namespace varnholt::tables {

// Excel's limits on a sheet name: 31 characters, none of []:*?/\ .
std::string SheetName(const std::string& title) {
  std::string out;
  int chars = 0;
  for (std::size_t i = 0; i < title.size() && chars < 31;) {
    const unsigned char c = static_cast<unsigned char>(title[i]);
    const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    const std::string ch = title.substr(i, n);
    out += ch.find_first_of("[]:*?/\\") == std::string::npos ? ch : "_";
    ++chars;
    i += n;
  }
  return out.empty() ? "Sheet1" : out;
}

namespace {

std::string NumberFormat(int decimals) {
  return decimals <= 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The text a cell shows, for the column width.
std::string Shown(const Cell& cell, int decimals) {
  if (cell.kind == Cell::Kind::kText) return cell.text;
  if (cell.kind != Cell::Kind::kNumber) return {};
  if (decimals < 0) return ExactNumberText(cell.number);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, cell.number);
  return buf;
}

// A temporary file that is removed when it goes out of scope.
class TempFile {
 public:
  TempFile() {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    if (ec) dir = "/tmp";
    std::string name = (dir / "varnholt-xlsx-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd >= 0) {
      close(fd);
      path_ = name;
    }
  }
  ~TempFile() {
    if (!path_.empty()) {
      std::error_code ec;
      std::filesystem::remove(path_, ec);
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The formats of the workbook: one per shown decimals and failing mark.
class Formats {
 public:
  explicit Formats(lxw_workbook* wb) : wb_(wb) {
    heading_ = workbook_add_format(wb);
    format_set_bold(heading_);
    format_set_bg_color(heading_, 0xD9D9D9);
    format_set_border(heading_, LXW_BORDER_THIN);
    format_set_text_wrap(heading_);
    format_set_align(heading_, LXW_ALIGN_CENTER);
    format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
  }
  lxw_format* heading() const { return heading_; }
  lxw_format* Cell(int decimals, bool ng) {
    const auto key = std::make_pair(decimals, ng);
    auto it = cells_.find(key);
    if (it != cells_.end()) return it->second;
    lxw_format* f = workbook_add_format(wb_);
    format_set_border(f, LXW_BORDER_THIN);
    if (decimals >= 0) format_set_num_format(f, NumberFormat(decimals).c_str());
    if (ng) {
      format_set_font_color(f, LXW_COLOR_RED);
      format_set_bold(f);
    }
    cells_.emplace(key, f);
    return f;
  }

 private:
  lxw_workbook* wb_;
  lxw_format* heading_ = nullptr;
  std::map<std::pair<int, bool>, lxw_format*> cells_;
};

// Writes one table on a new sheet of the workbook; false when the sheet
// cannot be added (a name used twice).
bool AddSheet(lxw_workbook* wb, Formats& formats, const Table& table) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, SheetName(table.title).c_str());
  if (ws == nullptr) return false;
  const std::size_t columns = table.columns.size();
  for (std::size_t c = 0; c < columns; ++c) {
    const Column& col = table.columns[c];
    const auto cc = static_cast<lxw_col_t>(c);
    worksheet_write_string(ws, 0, cc, Heading(col).c_str(), formats.heading());
    int width = SpreadsheetWidth(Heading(col));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      const tables::Cell& cell = table.rows[r][c];
      const auto rr = static_cast<lxw_row_t>(r + 1);
      lxw_format* f = formats.Cell(col.decimals, cell.ng);
      switch (cell.kind) {
        case tables::Cell::Kind::kNumber:
          if (std::isfinite(cell.number)) {
            worksheet_write_number(ws, rr, cc, cell.number, f);
          } else {
            worksheet_write_blank(ws, rr, cc, f);
          }
          break;
        case tables::Cell::Kind::kText:
          worksheet_write_string(ws, rr, cc, cell.text.c_str(), f);
          break;
        case tables::Cell::Kind::kEmpty:
          worksheet_write_blank(ws, rr, cc, f);
          break;
      }
      width = std::max(width, SpreadsheetWidth(Shown(cell, col.decimals)));
    }
    worksheet_set_column(ws, cc, cc, std::min(width, 80) + 2, nullptr);
  }
  worksheet_freeze_panes(ws, 1, 0);
  return true;
}

}  // namespace

XlsxResult XlsxBytes(const Table& table) { return XlsxBytes(std::vector<Table>{table}); }

XlsxResult XlsxBytes(const std::vector<Table>& sheets) {
  XlsxResult result;
  const TempFile file;
  if (file.path().empty()) {
    result.error = "一時ファイルを作成できませんでした。";
    return result;
  }
  lxw_workbook* wb = workbook_new(file.path().c_str());
  if (wb == nullptr) {
    result.error = "ワークブックを作成できませんでした。";
    return result;
  }
  Formats formats(wb);
  for (const Table& table : sheets) {
    if (!AddSheet(wb, formats, table)) {
      workbook_close(wb);
      result.error = "シート「" + SheetName(table.title) + "」を作成できませんでした。";
      return result;
    }
  }
  const lxw_error closed = workbook_close(wb);
  if (closed != LXW_NO_ERROR) {
    result.error =
        std::string("ワークブックを書き出せませんでした（") + lxw_strerror(closed) + "）。";
    return result;
  }
  std::ifstream in(file.path(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (!in) {
    result.error = "ワークブックを読み戻せませんでした。";
    return result;
  }
  result.bytes = std::move(bytes).str();
  result.ok = true;
  return result;
}

}  // namespace varnholt::tables
