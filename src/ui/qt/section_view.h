#pragma once
// The section view (断面図): the wall drawn to scale as typed, with the
// forces of a valid calculation. The widget only presents a drawing that
// section::BuildSection made; it zooms with the wheel about the pointer,
// pans by dragging, fits on a double click and shows the value with unit of
// the element under the pointer as a tool tip.
//
// Fed from the live boxes it is, on every edit and every invalidation:
//   view.SetDrawing(section::BuildSection(forms::ReadSectionInputs(app),
//                                         forms::SectionResults(app)));

#include <QWidget>

#include "section/qt/section_painter.h"
#include "section/section.h"

namespace varnholt::desktop {

class SectionView : public QWidget {
  Q_OBJECT

 public:
  explicit SectionView(QWidget* parent = nullptr);

  /// Shows a new drawing. The zoom and position the user chose are kept
  /// (a keystroke must not make the view jump); a view that was fitted
  /// stays fitted to the new drawing.
  void SetDrawing(section::SectionDrawing drawing);
  const section::SectionDrawing& drawing() const { return drawing_; }

  /// Shows the whole drawing, as a double click does.
  void FitToWindow();
  bool fitted() const { return fitted_; }
  const section::qt::Placement& placement() const { return placement_; }

  /// The hover text at a widget position: the element's value with unit.
  QString TipAt(QPointF position) const;

  QSize sizeHint() const override { return {720, 540}; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  section::SectionDrawing drawing_;
  section::qt::Placement placement_;
  bool fitted_ = true;
  QString family_;
  QPointF drag_from_;
  bool dragging_ = false;
};

}  // namespace varnholt::desktop
