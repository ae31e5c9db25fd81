#include "report/surface.h"

#include "report/number_format.h"

namespace varnholt::report {

std::string PrintItem::Number(double value) { return NumberText(value); }

void ReportSurface::PrintLine(std::initializer_list<PrintItem> items) {
  std::string text;
  for (const PrintItem& item : items) text += item.text();
  if (!text.empty()) DrawText(CurrentX, CurrentY, text);
  CurrentX = 0;
  CurrentY += LineHeight();
}

void ReportSurface::Line(double x1, double y1, double x2, double y2) {
  DrawSegment(x1, y1, x2, y2, ForeColor);
}

void ReportSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  DrawSegment(x1, y1, x2, y2, color);
}

void ReportSurface::ClearSurface() {
  DoClearSurface();
  CurrentX = 0;
  CurrentY = 0;
}

void ReportSurface::NewPage() {
  DoNewPage();
  CurrentX = 0;
  CurrentY = 0;
}

void ReportSurface::EndDoc() {
  DoEndDoc();
  CurrentX = 0;
  CurrentY = 0;
}

}  // namespace varnholt::report
