#include "report/recording_surface.h"

#include <cstdio>

#include "report/number_format.h"

namespace varnholt::report {
namespace {

std::string DumpColor(Rgb color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(color & 0xFFFFFF));
  return buf;
}

}  // namespace

std::string DumpNumber(double value) {
  // Half away from zero on the decimal value, as every number of the report.
  return FormatNumber(value, "0.##");
}

std::string DumpLine(const RecordedPrimitive& primitive) {
  if (const auto* t = std::get_if<RecordedText>(&primitive)) {
    return "T " + DumpNumber(t->x) + " " + DumpNumber(t->y) + " " + DumpNumber(t->size) + " " +
           DumpColor(t->color) + " " + t->text;
  }
  const auto& s = std::get<RecordedSegment>(primitive);
  return "L " + DumpNumber(s.x1) + " " + DumpNumber(s.y1) + " " + DumpNumber(s.x2) + " " +
         DumpNumber(s.y2) + " " + std::to_string(s.style) + " " + std::to_string(s.width) + " " +
         DumpColor(s.color);
}

RecordedPage& RecordingSurface::OpenPage() {
  if (!page_open_) {
    pages_.push_back(RecordedPage{next_page_, {}});
    page_open_ = true;
  }
  return pages_.back();
}

void RecordingSurface::DrawText(double x, double y, const std::string& text) {
  OpenPage().primitives.push_back(RecordedText{x, y, FontSize, ForeColor, text});
}

void RecordingSurface::DrawSegment(double x1, double y1, double x2, double y2, Rgb color) {
  OpenPage().primitives.push_back(RecordedSegment{x1, y1, x2, y2, DrawStyle, DrawWidth, color});
}

void RecordingSurface::DoClearSurface() {
  if (page_open_) {
    pages_.pop_back();
    page_open_ = false;
  }
}

void RecordingSurface::DoNewPage() {
  page_open_ = false;
  ++next_page_;
}

void RecordingSurface::DoEndDoc() {
  page_open_ = false;
  ended_ = true;
}

std::vector<RecordedText> RecordingSurface::Texts() const {
  std::vector<RecordedText> out;
  for (const RecordedPage& page : pages_) {
    for (const RecordedPrimitive& p : page.primitives) {
      if (const auto* t = std::get_if<RecordedText>(&p)) out.push_back(*t);
    }
  }
  return out;
}

std::vector<RecordedSegment> RecordingSurface::Segments() const {
  std::vector<RecordedSegment> out;
  for (const RecordedPage& page : pages_) {
    for (const RecordedPrimitive& p : page.primitives) {
      if (const auto* s = std::get_if<RecordedSegment>(&p)) out.push_back(*s);
    }
  }
  return out;
}

std::string RecordingSurface::Dump() const {
  std::string out;
  for (const RecordedPage& page : pages_) {
    out += "P " + std::to_string(page.number) + "\n";
    for (const RecordedPrimitive& p : page.primitives) out += DumpLine(p) + "\n";
  }
  return out;
}

}  // namespace varnholt::report
