#include "ui/qt/section_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "report/qt/report_font.h"

namespace varnholt::desktop {
namespace {

// One wheel notch zooms by this factor; the zoom stays between these
// multiples of the fitted scale.
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.2;
constexpr double kMaxZoom = 50;
// Margin around a fitted drawing and the pointer's reach, pixels.
constexpr double kMargin = 24;
constexpr double kPickPixels = 5;
// Values stay legible however far the view is zoomed out.
constexpr double kMinTextPixels = 9;

}  // namespace

SectionView::SectionView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::WheelFocus);
  const auto face = report::qt::FindReportFont();
  family_ = face ? face->family : font().family();
}

void SectionView::SetDrawing(section::SectionDrawing drawing) {
  drawing_ = std::move(drawing);
  if (fitted_) placement_ = section::qt::Fit(drawing_, QRectF(rect()), kMargin);
  update();
}

void SectionView::FitToWindow() {
  fitted_ = true;
  placement_ = section::qt::Fit(drawing_, QRectF(rect()), kMargin);
  update();
}

QString SectionView::TipAt(QPointF position) const {
  if (!drawing_.drawable || placement_.scale <= 0) return {};
  return QString::fromStdString(
      section::TipAt(drawing_, placement_.ToSection(position), kPickPixels / placement_.scale));
}

bool SectionView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = TipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void SectionView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  section::qt::PaintStyle style{family_, 1, kMinTextPixels};
  section::qt::PaintSection(p, drawing_, placement_, style, QRectF(rect()));
}

void SectionView::resizeEvent(QResizeEvent*) {
  if (fitted_) placement_ = section::qt::Fit(drawing_, QRectF(rect()), kMargin);
}

void SectionView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  const double fit = section::qt::Fit(drawing_, QRectF(rect()), kMargin).scale;
  const double wanted = placement_.scale * std::pow(kZoomStep, notches);
  const double scale = std::clamp(wanted, fit * kMinZoom, fit * kMaxZoom);
  // The point under the pointer stays where it is.
  const QPointF at = event->position();
  const section::Point p = placement_.ToSection(at);
  placement_.scale = scale;
  placement_.origin = QPointF(at.x() - p.x * scale, at.y() + p.y * scale);
  fitted_ = false;
  update();
  event->accept();
}

void SectionView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FitToWindow();
}

void SectionView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  drag_from_ = event->position();
}

void SectionView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPointF by = event->position() - drag_from_;
  if (by.manhattanLength() < 1) return;
  placement_.origin += by;
  drag_from_ = event->position();
  fitted_ = false;
  update();
}

void SectionView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

}  // namespace varnholt::desktop
