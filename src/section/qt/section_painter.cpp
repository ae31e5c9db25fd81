#include "section/qt/section_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "report/qt/pdf_document.h"
#include "section/section_internal.h"

namespace varnholt::section::qt {
namespace {

constexpr const char* kPageHeading = "断面図";
constexpr const char* kScaleCaption = "縮尺 1:";
// The scales of drawings on paper, 1:n.
constexpr int kPaperScales[] = {10, 20, 25, 30, 40, 50, 60, 75, 100, 150, 200, 250, 300, 400, 500};
constexpr double kArrowHead = 0.55;  // head length in text heights

QColor LineColour(Tone tone) {
  switch (tone) {
    case Tone::kFlagged:
      return QColor(220, 0, 0);
    case Tone::kForce:
      return QColor(0, 70, 200);
    case Tone::kNg:
      return QColor(255, 0, 255);  // the program's NG colour
    case Tone::kSoil:
      return QColor(150, 110, 60);
    case Tone::kOk:
    case Tone::kPlain:
    case Tone::kConcrete:
      break;
  }
  return QColor(0, 0, 0);
}

QColor FillColour(Tone tone) {
  switch (tone) {
    case Tone::kSoil:
      return QColor(236, 222, 196);
    case Tone::kConcrete:
      return QColor(205, 205, 205);
    case Tone::kFlagged:
      return QColor(255, 200, 200);
    case Tone::kNg:
      return QColor(255, 190, 255);
    case Tone::kOk:
      return QColor(225, 225, 225);
    case Tone::kForce:
      return QColor(200, 215, 245);
    case Tone::kPlain:
      break;
  }
  return QColor(240, 240, 240);
}

QPen PenFor(Tone tone, Stroke stroke, double base) {
  QPen pen(LineColour(tone), base);
  pen.setCapStyle(Qt::FlatCap);
  switch (stroke) {
    case Stroke::kDashed:
      pen.setStyle(Qt::DashLine);
      break;
    case Stroke::kDashDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    case Stroke::kThick:
      pen.setWidthF(base * 3);
      break;
    case Stroke::kSolid:
      break;
  }
  return pen;
}

void DrawText(QPainter& p, const QString& family, double px, QPointF at, Anchor anchor,
              const QString& text, const QColor& colour) {
  QFont font(family);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
  font.setHintingPreference(QFont::PreferNoHinting);
  p.setFont(font);
  const QFontMetricsF m(font);
  const double w = m.horizontalAdvance(text);
  const double ascent = m.ascent(), descent = m.descent();
  const double h = ascent + descent;
  double left = at.x() - w / 2, top = at.y() - h / 2;
  switch (anchor) {
    case Anchor::kLeft:
      left = at.x();
      break;
    case Anchor::kRight:
      left = at.x() - w;
      break;
    case Anchor::kAbove:
      top = at.y() - h;
      break;
    case Anchor::kBelow:
      top = at.y();
      break;
    case Anchor::kCenter:
      break;
  }
  p.setPen(colour);
  p.drawText(QPointF(left, top + ascent), text);
}

void DrawArrow(QPainter& p, const Arrow& a, const Placement& place, double head_m, double pen) {
  const QPointF tail = place.ToDevice(a.tail), head = place.ToDevice(a.head);
  const QColor c = LineColour(a.tone);
  p.setPen(QPen(c, pen * 1.5));
  p.drawLine(tail, head);
  const double len = std::hypot(head.x() - tail.x(), head.y() - tail.y());
  if (len <= 0) return;
  const double hl = std::min(head_m * place.scale, len * 0.6);
  const double ux = (head.x() - tail.x()) / len, uy = (head.y() - tail.y()) / len;
  const QPointF base(head.x() - ux * hl, head.y() - uy * hl);
  const QPointF side(-uy * hl * 0.35, ux * hl * 0.35);
  QPainterPath tip;
  tip.moveTo(head);
  tip.lineTo(base + side);
  tip.lineTo(base - side);
  tip.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(tip);
}

}  // namespace

Placement Fit(const SectionDrawing& drawing, const QRectF& target, double margin) {
  Placement place;
  const Bounds b = drawing.Extent();
  const QRectF inner = target.adjusted(margin, margin, -margin, -margin);
  if (b.empty() || inner.width() <= 0 || inner.height() <= 0) {
    place.origin = target.center();
    return place;
  }
  place.scale = std::min(inner.width() / (b.max_x - b.min_x), inner.height() / (b.max_y - b.min_y));
  const double cx = (b.min_x + b.max_x) / 2, cy = (b.min_y + b.max_y) / 2;
  place.origin =
      QPointF(inner.center().x() - cx * place.scale, inner.center().y() + cy * place.scale);
  return place;
}

void PaintSection(QPainter& p, const SectionDrawing& d, const Placement& place,
                  const PaintStyle& style, const QRectF& frame) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double pen = style.pen;
  // Fills first, so that every line stays on top.
  for (const Polygon& poly : d.polygons) {
    QPolygonF dev;
    for (Point q : poly.points) dev << place.ToDevice(q);
    p.setBrush(FillColour(poly.tone));
    if (poly.outlined) {
      p.setPen(
          QPen(LineColour(poly.tone == Tone::kConcrete ? Tone::kPlain : poly.tone), pen * 1.5));
    } else {
      p.setPen(Qt::NoPen);
    }
    p.drawPolygon(dev);
  }
  p.setBrush(Qt::NoBrush);
  for (const Segment& s : d.segments) {
    const double base = s.layer == Layer::kDimension ? pen * 0.8 : pen;
    p.setPen(PenFor(s.tone, s.stroke, base));
    p.drawLine(place.ToDevice(s.a), place.ToDevice(s.b));
  }
  for (const Arrow& a : d.arrows) DrawArrow(p, a, place, kArrowHead * d.text_height, pen);
  for (const Label& l : d.labels) {
    const double px = std::max(l.height * place.scale, style.min_text);
    DrawText(p, style.family, px, place.ToDevice(l.at), l.anchor, QString::fromStdString(l.text),
             LineColour(l.tone));
  }
  // Title, legend and reason in device space, each on white so that a
  // zoomed drawing behind them does not run through the text.
  const double line = std::max(12.0 * pen, frame.height() / 45);
  const auto clear = [&](double centre, double px, const std::string& text, double before) {
    QFont font(style.family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    const double w = QFontMetricsF(font).horizontalAdvance(QString::fromStdString(text));
    p.fillRect(QRectF(frame.left(), centre - line * 0.7, before + w + line, line * 1.4), Qt::white);
  };
  if (!d.title.empty()) clear(frame.top() + line, line, d.title, line * 0.5);
  double y = frame.bottom() - line * 0.6;
  if (!d.problems.empty()) clear(y, line, d.Reason(), line * 0.5);
  if (d.forces) {
    clear(d.problems.empty() ? y : y - line * 1.4, line * 0.9, d.forces->legend,
          line + place.scale);
  }
  if (!d.title.empty()) {
    DrawText(p, style.family, line, frame.topLeft() + QPointF(line * 0.5, line), Anchor::kLeft,
             QString::fromStdString(d.title), Qt::black);
  }
  if (!d.problems.empty()) {
    DrawText(p, style.family, line, QPointF(frame.left() + line * 0.5, y), Anchor::kLeft,
             QString::fromStdString(d.Reason()), LineColour(Tone::kFlagged));
    y -= line * 1.4;
  }
  if (d.forces) {
    // A bar one metre long beside the scale's text.
    const QPointF start(frame.left() + line * 0.5, y);
    const double bar = place.scale;
    p.setPen(QPen(LineColour(Tone::kForce), pen * 1.5));
    p.drawLine(start, start + QPointF(bar, 0));
    p.drawLine(start + QPointF(0, -line * 0.3), start + QPointF(0, line * 0.3));
    p.drawLine(start + QPointF(bar, -line * 0.3), start + QPointF(bar, line * 0.3));
    DrawText(p, style.family, line * 0.9, start + QPointF(bar + line * 0.5, 0), Anchor::kLeft,
             QString::fromStdString(d.forces->legend), LineColour(Tone::kForce));
  }
  p.restore();
}

QImage RenderImage(const SectionDrawing& d, QSize size, const QString& family, double dpi) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  const int dots_per_metre = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  image.fill(Qt::white);
  QPainter p(&image);
  const QRectF frame(QPointF(0, 0), QSizeF(size));
  const double pen = std::max(1.0, dpi / 96);
  const double margin = 0.05 * std::min(size.width(), size.height());
  PaintSection(p, d, Fit(d, frame, margin), {family, pen, 0}, frame);
  return image;
}

QByteArray RenderSvg(const SectionDrawing& d, QSize size, const QString& family) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromUtf8(kPageHeading));
  svg.setDescription(QString::fromStdString(d.title));
  QPainter p;
  if (!p.begin(&svg)) return {};
  const QRectF frame(QPointF(0, 0), QSizeF(size));
  p.fillRect(frame, Qt::white);
  const double margin = 0.05 * std::min(size.width(), size.height());
  PaintSection(p, d, Fit(d, frame, margin), {family, 1, 0}, frame);
  p.end();
  return bytes;
}

void PaintSectionPage(QPainter& painter, const report::qt::DeviceFrame& frame,
                      const report::qt::ReportFont& font, const SectionDrawing& d) {
  // The heading goes through the report's surface, so the page reads like
  // the calculation report it is filed with.
  double figure_top_twips = 0;
  QRectF figure;
  {
    report::qt::QtReportSurface surface(painter, frame, font);
    surface.CurrentY = 600;
    surface.PrintLine({std::string("         ") + kPageHeading + "　" + d.title});
    if (d.forces) {
      surface.CurrentX = 0;
      surface.PrintLine({std::string("         ") + d.forces->legend});
    }
    figure_top_twips = surface.CurrentY + 300;
    const QPointF top_left = surface.Device(600, figure_top_twips);
    const QPointF bottom_right =
        surface.Device(frame.printable.width() - 600, frame.printable.height() - 900);
    figure = QRectF(top_left, bottom_right);
  }
  // The figure without the title and legend, which the surface printed.
  SectionDrawing body = d;
  body.title.clear();
  body.forces.reset();
  // Drawn at the largest standard scale that fits, about the figure's centre,
  // and the scale written under it, so that the paper can be measured.
  Placement place = Fit(body, figure, 0);
  const double mm_per_unit = 25.4 / frame.dpi_x;
  const int ratio = PaperScaleRatio(1000 / (place.scale * mm_per_unit));
  const Point centre = place.ToSection(figure.center());
  place.scale = 1000 / (ratio * mm_per_unit);
  place.origin = figure.center() - QPointF(centre.x * place.scale, -centre.y * place.scale);
  const double pen = frame.dpi_x / 144;  // half a point
  painter.save();
  painter.setClipRect(figure);
  // Values stay legible on paper: never under 6 points.
  PaintSection(painter, body, place, {font.family, pen, frame.dpi_y * 6 / 72}, figure);
  painter.restore();
  report::qt::QtReportSurface surface(painter, frame, font);
  surface.CurrentY = frame.printable.height() - 800;
  surface.PrintLine({std::string("         ") + kScaleCaption + std::to_string(ratio)});
}

int PaperScaleRatio(double fitted) {
  for (const int n : kPaperScales) {
    if (n >= fitted * (1 - 1e-9)) return n;
  }
  // Beyond the table: the next whole hundred.
  return static_cast<int>(std::ceil(fitted / 100)) * 100;
}

QByteArray RenderPdfPage(const SectionDrawing& d, const report::qt::ReportFont& font) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(report::qt::kPdfDpi);
  writer.setPageLayout(report::qt::ReportPageLayout());
  writer.setTitle(QString::fromUtf8(kPageHeading));
  writer.setCreator(QStringLiteral("Varnholt"));
  QPainter painter;
  if (!painter.begin(&writer)) return {};
  report::qt::DeviceFrame frame;
  frame.dpi_x = frame.dpi_y = report::qt::kPdfDpi;
  const report::qt::PageTwips page = report::qt::ReportPageTwips();
  frame.printable = QSizeF(page.width, page.height);
  frame.font_dpi = writer.logicalDpiY();
  PaintSectionPage(painter, frame, font, d);
  painter.end();
  return bytes;
}

}  // namespace varnholt::section::qt
