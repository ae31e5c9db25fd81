#include "report/drawing.h"

#include "report/number_format.h"

namespace varnholt::report {

void PrintAt(ReportSurface& out, double x, double y, std::initializer_list<PrintItem> items) {
  out.CurrentX = x;
  out.CurrentY = y;
  out.PrintLine(items);
}

void RightAligned(ReportSurface& out, double right, double y, const std::string& text) {
  const double half_em = out.FontSize * 10;
  PrintAt(out, right - half_em * static_cast<double>(text.size()), y, {text});
}

void BlackLine(ReportSurface& out, double x1, double y1, double x2, double y2) {
  out.Line(x1, y1, x2, y2, kBlack);
}

void PrintPageNumber(ReportSurface& out, double n) {
  PrintAt(out, 5500, 15500, {"－ ", FormatNumber(n, "0"), " －"});
}

void DrawRadical(ReportSurface& out, double a, double b, double top, double x_end) {
  BlackLine(out, a, b + 75, a + 25, b);
  BlackLine(out, a + 25, b, a + 75, b + 200);
  BlackLine(out, a + 75, b + 200, a + 225, top);
  BlackLine(out, a + 225, top, x_end, top);
}

void DrawBrackets(ReportSurface& out, double x_left, double x_right, double top, double bottom) {
  BlackLine(out, x_left + 100, top, x_left, top + 100);
  BlackLine(out, x_left, top + 100, x_left, bottom - 100);
  BlackLine(out, x_left, bottom - 100, x_left + 100, bottom);
  BlackLine(out, x_right - 100, top, x_right, top + 100);
  BlackLine(out, x_right, top + 100, x_right, bottom - 100);
  BlackLine(out, x_right, bottom - 100, x_right - 100, bottom);
}

}  // namespace varnholt::report
