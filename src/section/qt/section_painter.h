#pragma once
// Painting the section: one routine over QPainter for the section view, PNG
// and SVG files and the A4 page that prints through the report's page
// surface.

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "report/qt/qt_surface.h"
#include "report/qt/report_font.h"
#include "section/section.h"

class QPainter;

namespace varnholt::section::qt {

/// Where the drawing lies on the device: device = origin + (x, −y) × scale,
/// metres to device units (y grows downward on a device).
struct Placement {
  double scale = 100;  // device units per metre
  QPointF origin;      // device position of (0, 0), the toe
  QPointF ToDevice(Point p) const { return {origin.x() + p.x * scale, origin.y() - p.y * scale}; }
  Point ToSection(QPointF d) const {
    return {(d.x() - origin.x()) / scale, (origin.y() - d.y()) / scale};
  }
};

/// The placement that shows the whole drawing inside `target`, centred,
/// with `margin` device units free on every side.
Placement Fit(const SectionDrawing& drawing, const QRectF& target, double margin);

/// How to paint: the face of the labels and the thinnest pen, device units.
struct PaintStyle {
  QString family;
  double pen = 1;
  /// Labels are never drawn smaller than this, device units (so that the
  /// values stay legible when the view is zoomed out).
  double min_text = 0;
};

/// Paints the drawing: fills, segments, arrows, labels; then, in device
/// space inside `frame`, the title top left, the force scale's legend bottom
/// left and the first problem's reason in red under it.
void PaintSection(QPainter& painter, const SectionDrawing& drawing, const Placement& placement,
                  const PaintStyle& style, const QRectF& frame);

/// The drawing as a picture of `size` pixels on white, at `dpi` (the
/// pictures's resolution written into PNG files).
QImage RenderImage(const SectionDrawing& drawing, QSize size, const QString& family,
                   double dpi = 96);

/// The drawing as an SVG document of `size` pixels.
QByteArray RenderSvg(const SectionDrawing& drawing, QSize size, const QString& family);

/// Paints the drawing on one A4 page as the report is printed: the heading
/// "断面図" and the title through the report's page surface, the figure under
/// it at the largest standard scale that fits, and "縮尺 1:n" at the foot. `painter` is active on
/// the page.
void PaintSectionPage(QPainter& painter, const report::qt::DeviceFrame& frame,
                      const report::qt::ReportFont& font, const SectionDrawing& drawing);

/// The paper scale 1:n of the section page: the smallest standard n (1:10,
/// 1:20, 1:25, 1:30, 1:40, 1:50, 1:60, 1:75, 1:100, … 1:500, then whole
/// hundreds) at which the figure, fitted at 1:`fitted`, still fits.
int PaperScaleRatio(double fitted);

/// The A4 page as a PDF document in memory; empty when it could not be made.
QByteArray RenderPdfPage(const SectionDrawing& drawing, const report::qt::ReportFont& font);

}  // namespace varnholt::section::qt
