#include "report/qt/qt_surface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace varnholt::report::qt {
namespace {

QColor ToColor(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

Qt::PenStyle PenStyleOf(int draw_style) {
  switch (draw_style) {
    case 1:
      return Qt::DashLine;
    case kDotted:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case kDashDotDot:
      return Qt::DashDotDotLine;
    case 5:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

}  // namespace

QtReportSurface::QtReportSurface(QPainter& painter, const DeviceFrame& frame,
                                 const ReportFont& font, PageHooks hooks)
    : painter_(painter), frame_(frame), font_(font), hooks_(std::move(hooks)) {
  if (frame_.font_dpi <= 0) frame_.font_dpi = frame_.dpi_y;
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setClipRect(
      QRectF(Device(0, 0), Device(frame_.printable.width(), frame_.printable.height())));
}

QtReportSurface::~QtReportSurface() { RestorePainter(); }

void QtReportSurface::RestorePainter() {
  if (saved_ && painter_.isActive()) painter_.restore();
  saved_ = false;
}

double QtReportSurface::LineHeight() const { return FontSize * kTwipsPerPt * font_.line_ratio; }

QPointF QtReportSurface::Device(double x_twips, double y_twips) const {
  return frame_.origin +
         QPointF(x_twips * frame_.dpi_x / kTwipsPerInch, y_twips * frame_.dpi_y / kTwipsPerInch);
}

const QFont& QtReportSurface::FontAt(double size_pt) {
  auto it = fonts_.find(size_pt);
  if (it != fonts_.end()) return it->second;
  QFont f(font_.family);
  // Sized against the device's own point resolution, so that the glyphs
  // come out at size_pt on the frame's scale.
  f.setPointSizeF(size_pt * frame_.dpi_y / frame_.font_dpi);
  // Unhinted advances: the same text is as long on the screen as on paper.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return fonts_.emplace(size_pt, f).first->second;
}

bool QtReportSurface::BeginPendingPage() {
  if (!ok_ || ended_) return false;
  if (!page_pending_) return true;
  page_pending_ = false;
  if (hooks_.new_page && !hooks_.new_page()) {
    ok_ = false;
    return false;
  }
  painter_.setClipRect(
      QRectF(Device(0, 0), Device(frame_.printable.width(), frame_.printable.height())));
  return true;
}

void QtReportSurface::DrawText(double x, double y, const std::string& text) {
  if (!BeginPendingPage() || FontSize <= 0) return;
  painter_.setFont(FontAt(FontSize));
  painter_.setPen(ToColor(ForeColor));
  // The position is the top-left corner of the first character cell.
  const double baseline = y + font_.ascent_ratio * FontSize * kTwipsPerPt;
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (font_.fixed_half_width) {
    painter_.drawText(Device(x, baseline), q);
    return;
  }
  const double em = FontSize * kTwipsPerPt;
  for (const CellPiece& piece : CellPieces(q)) {
    painter_.drawText(Device(x + piece.offset_ems * em, baseline), piece.text);
  }
}

void QtReportSurface::DrawSegment(double x1, double y1, double x2, double y2, Rgb color) {
  if (!BeginPendingPage()) return;
  const int width = std::max(1, DrawWidth);
  const double twips_width = width * kPenTwipsPerDrawWidth * frame_.dpi_y / kTwipsPerInch;
  QPen pen(ToColor(color));
  pen.setWidthF(std::max(twips_width, width * frame_.min_pen));
  pen.setStyle(PenStyleOf(DrawStyle));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
  painter_.drawLine(QLineF(Device(x1, y1), Device(x2, y2)));
}

void QtReportSurface::DoClearSurface() {
  if (ended_) return;
  painter_.fillRect(
      QRectF(Device(0, 0), Device(frame_.printable.width(), frame_.printable.height())), Qt::white);
}

void QtReportSurface::DoNewPage() {
  if (!ended_) page_pending_ = true;
}

void QtReportSurface::DoEndDoc() {
  if (ended_) return;
  ended_ = true;
  page_pending_ = false;
  RestorePainter();
  if (hooks_.end_doc) hooks_.end_doc();
}

}  // namespace varnholt::report::qt
