#pragma once
// The calculation of a design book: every member opened as 開く opens it,
// each in an application object of its own (the design being edited is never
// touched), calculated in the chosen load cases, and the figures of each
// member and case collected for the summary table, the spreadsheet and the
// command line. A member that cannot be calculated stays in the book as a
// row with its reason.

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "book/book_file.h"
#include "calc/verdicts.h"
#include "model/selections.h"
#include "report/recording_surface.h"

namespace varnholt::book {

/// A member read and checked, ready to be calculated.
struct LoadedMember {
  std::string file;  // as the book writes it
  std::string path;  // in full, ".." resolved
  CaseChoice cases = CaseChoice::kSaved;
  LoadCase saved_case = LoadCase::kNone;  // the case the file was saved in
  std::string symbol;                     // 擁壁の記号 as saved
  std::string bytes;                      // the whole project file
};

/// A book whose every member has been read and checked.
struct LoadedBook {
  Book book;
  std::string path;  // the book file; empty for a book named on the command line
  std::vector<LoadedMember> members;
};

/// A loaded book, or why it could not be loaded (nothing of it is kept).
struct BookLoad {
  bool ok = false;
  std::string error;
  LoadedBook book;
};

/// Reads the book file and then every member before anything is
/// calculated: a member that is missing, unreadable or not a project (not
/// code page 932 nor UTF-8, a damaged line) refuses the whole book, naming
/// the member's file in full; so does a member that is the book file itself.
BookLoad LoadBook(const std::string& book_path);

/// The same for a book already read; members are relative to `book_path`'s
/// folder (the current folder when it is empty).
BookLoad LoadMembers(const Book& book, const std::string& book_path);

/// The load cases a member contributes, in book order: kNone for a file
/// saved in neither case whose book asks for the saved one.
std::vector<LoadCase> CasesOf(const LoadedMember& member);

/// One check of a row: the verdict of the one verdict function and its
/// margin, capacity over demand (F/Fa, fe/σmax, B/6 over |e|, allowable over
/// stress): 1 or more passes; +infinity when there is no demand (e = 0).
struct BookCheck {
  VerdictRow row = VerdictRow::kOverturning;
  Verdict verdict;
  double margin = 0;
};

/// The check rows by the summary's names: "転倒", "偏心", "支持力", "滑動",
/// "滑動（突起）", "滑動（突起無し）"; the body check is "躯体".
const char* CheckName(VerdictRow row);
inline constexpr const char* kBodyCheckName = "躯体";

/// One member in one load case.
struct BookRow {
  std::size_t member = 0;  // index into the book's members
  std::string file;        // as the book writes it
  std::string path;        // in full
  std::string symbol;      // 擁壁の記号 (WallMark)
  LoadCase load_case = LoadCase::kNone;
  /// The seismic method calculated: under 宅地造成 the governing one of ①
  /// and ②; kNone in the normal case.
  SeismicMethod method = SeismicMethod::kNone;
  bool computed = false;
  std::string reason;  // why not, when not computed

  // What the design is.
  Standard standard = Standard::kNone;
  GroundShape shape = GroundShape::kNone;
  double kh = 0, kv = 0;
  double height = 0;             // H, Calc[0]
  double crest_width = 0;        // b
  double base_width = 0;         // B
  double front_projection = 0;   // f
  double area = 0;               // concrete area of the section, m2 (= volume per metre, m3/m)
  bool has_coefficient = false;  // KA (KAE): not for raised soil, which uses the trial wedge
  double coefficient = 0;
  // Forces and checks, per metre of wall.
  double pah = 0, pav = 0;  // horizontal and vertical earth pressure
  double sum_v = 0, sum_h = 0, mr = 0, mo = 0;
  double e = 0, sigma_max = 0, sigma_min = 0;
  bool shear_key = false;
  /// Every judged row in the results window's order.
  std::vector<BookCheck> checks;
  bool body_ok = false;
  double body_ratio = 0;  // largest stress/allowable of the body check
  /// The check with the smallest margin, and that margin.
  std::string governing;
  double margin = 0;
  bool ok = false;  // every check and the body O.K

  /// The check of a row, or null when the design has none.
  const BookCheck* Check(VerdictRow row) const;
  /// The sliding check the summary shows: Fk with a shear key, else Fs.
  const BookCheck* SlidingCheck() const;

  /// The member's report, every page as printing it alone gives it (without
  /// page numbers), when the calculation was asked to record it.
  std::vector<report::RecordedPage> pages;
};

/// The calculated book.
struct BookResult {
  Book book;
  std::vector<BookRow> rows;
  /// True when the calculation was cancelled (the rows are incomplete).
  bool cancelled = false;
  /// True when every row was computed and is O.K.
  bool AllOk() const;
};

/// What a calculation records besides the figures.
struct BookOptions {
  /// Record each member's report pages (for the book's PDF and preview).
  bool record_pages = false;
  /// The line advance of the surface the pages will be drawn on, twips per
  /// point of font size: recorded pages are placed as printing on that
  /// surface would place them.
  double line_twips_per_point = report::kTwipsPerPoint;
};

/// Called before each member with its index and the number of members;
/// returning false cancels the calculation.
using BookProgress = std::function<bool(std::size_t done, std::size_t total)>;

/// Calculates every member of a loaded book in each chosen case: each case
/// on a copy of the member's windows exactly as choosing the case and
/// calculating would, the seismic case under 宅地造成 in the governing method.
BookResult CalculateBook(const LoadedBook& book, const BookOptions& options = {},
                         const BookProgress& progress = {});

/// "常時" or "地震時".
const char* LoadCaseLabel(LoadCase c);
/// The case of a row as the summary names it: "常時", "地震時", and under
/// 宅地造成 the seismic method calculated ("地震時①", "地震時②").
std::string CaseLabel(const BookRow& row);
/// "宅地造成" or "道路土工".
const char* StandardLabel(Standard s);
/// "水平", "一様斜面" or "嵩上げ土".
const char* ShapeLabel(GroundShape s);

}  // namespace varnholt::book
