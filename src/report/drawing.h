#pragma once
// Drawing helpers shared by the report sections: placed text, the page
// footer and the two formula marks (square-root sign and large brackets).

#include <initializer_list>
#include <string>

#include "report/surface.h"

namespace varnholt::report {

/// A fixed text of a table's heading, at an absolute position.
struct Placed {
  double x, y;
  const char* text;
};

/// Sets the current position and prints one line there.
void PrintAt(ReportSurface& out, double x, double y, std::initializer_list<PrintItem> items);

/// A number (half-width characters only) ending at `right`: the report's
/// half-width characters are half an em wide, so the text's width is known
/// without measuring.
void RightAligned(ReportSurface& out, double right, double y, const std::string& text);

/// A black segment in the current style and width.
void BlackLine(ReportSurface& out, double x1, double y1, double x2, double y2);

/// The page footer "－ n －" at (5500, 15500); n is printed with "0", so a
/// first page number of 1.5 prints as 2.
void PrintPageNumber(ReportSurface& out, double n);

/// The square-root sign of a two-level formula: a short rising tick at
/// (a, b + 75), the long stroke up to `top` at a + 225, and the bar over the
/// radicand to `x_end`. Four black segments.
void DrawRadical(ReportSurface& out, double a, double b, double top, double x_end);

/// A pair of large brackets from `top` to `bottom` at `x_left` and
/// `x_right`, each three black segments with 100-twip corner bevels.
void DrawBrackets(ReportSurface& out, double x_left, double x_right, double top, double bottom);

}  // namespace varnholt::report
