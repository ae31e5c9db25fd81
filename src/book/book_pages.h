#pragma once
// The design book on paper, drawn through the report surface: a cover, the
// table of contents (目次), the summary table (総括表) across every wall and
// case, then each member's report pages exactly as printing that member
// alone draws them. Pages are numbered from the table of contents on, in
// the report's footer ("－ 1 －"); the cover carries no number.

#include <string>
#include <vector>

#include "book/book_calc.h"
#include "report/surface.h"

namespace varnholt::book {

/// Where everything lands: page numbers as the footers print them.
struct BookPlan {
  int contents_pages = 1;
  int summary_pages = 1;
  int summary_first = 0;        // footer number of the first summary page
  std::vector<int> first_page;  // per row: its report's first page, 0 without one
  int last_page = 0;            // footer number of the last page
  /// Every sheet of paper, the cover included.
  int Sheets() const { return last_page + 1; }
};

/// Entries of the table of contents and rows of the summary on one page.
inline constexpr int kContentsRowsPerPage = 32;
inline constexpr int kSummaryRowsPerPage = 24;

/// Lays the book out; the members' pages must have been recorded.
BookPlan PlanBook(const BookResult& book);

/// What the cover says about the program ("Varnholt 3.50").
struct BookImprint {
  std::string program;
};

/// Draws the whole book on `out` in one document (NewPage between pages,
/// EndDoc at the end). Failing values are in the report's NG colour; nothing
/// beeps.
void DrawBook(const BookResult& book, const BookImprint& imprint, report::ReportSurface& out);

/// The cover, the contents and the summary pages alone, for their tests:
/// page `index` of the front matter (0 the cover, then the contents, then
/// the summary).
void DrawFrontPage(const BookResult& book, const BookPlan& plan, const BookImprint& imprint,
                   int index, report::ReportSurface& out);

/// Width of a text in the report's face, twips: half-width characters
/// (ASCII, half-width katakana) half an em, every other character one em.
double TextWidth(std::string_view text, double points);

/// The text cut to `width` twips, "…" marking the cut.
std::string FitText(const std::string& text, double points, double width);

}  // namespace varnholt::book
