#include "ui/qt/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace varnholt::desktop {
namespace {

// Every image is drawn on a 32 × 32 grid and rendered at the sizes a
// toolbar or a title bar asks for.
using Drawing = std::function<void(QPainter&)>;

QIcon Render(const Drawing& draw) {
  QIcon icon;
  for (int size : {16, 20, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

const QColor kOutline(40, 40, 40);
const QPen OutlinePen() { return QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A sheet of paper with a folded corner.
void Sheet(QPainter& p, const QRectF& r) {
  QPainterPath page;
  page.moveTo(r.left(), r.top());
  page.lineTo(r.right() - 7, r.top());
  page.lineTo(r.right(), r.top() + 7);
  page.lineTo(r.right(), r.bottom());
  page.lineTo(r.left(), r.bottom());
  page.closeSubpath();
  p.setPen(OutlinePen());
  p.setBrush(Qt::white);
  p.drawPath(page);
  QPainterPath fold;
  fold.moveTo(r.right() - 7, r.top());
  fold.lineTo(r.right() - 7, r.top() + 7);
  fold.lineTo(r.right(), r.top() + 7);
  p.setBrush(QColor(220, 220, 220));
  p.drawPath(fold);
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count) {
  p.setPen(QPen(QColor(120, 140, 170), 1.4));
  for (int i = 0; i < count; ++i)
    p.drawLine(QPointF(left, top + 4 * i), QPointF(right, top + 4 * i));
}

void DrawNew(QPainter& p) {
  Sheet(p, QRectF(6, 3, 20, 26));
  // A small spark: something new.
  p.setPen(QPen(QColor(230, 160, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
  const QPointF c(21, 22);
  p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
  p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
  p.drawLine(c + QPointF(-2.8, -2.8), c + QPointF(2.8, 2.8));
  p.drawLine(c + QPointF(-2.8, 2.8), c + QPointF(2.8, -2.8));
}

void DrawOpen(QPainter& p) {
  p.setPen(OutlinePen());
  // Back of the folder with its tab.
  QPainterPath back;
  back.moveTo(3, 9);
  back.lineTo(11, 9);
  back.lineTo(13, 12);
  back.lineTo(26, 12);
  back.lineTo(26, 26);
  back.lineTo(3, 26);
  back.closeSubpath();
  p.setBrush(QColor(214, 164, 40));
  p.drawPath(back);
  // The open front flap.
  QPainterPath front;
  front.moveTo(3, 26);
  front.lineTo(8, 16);
  front.lineTo(30, 16);
  front.lineTo(26, 26);
  front.closeSubpath();
  p.setBrush(QColor(250, 205, 80));
  p.drawPath(front);
}

void DrawSave(QPainter& p) {
  p.setPen(OutlinePen());
  QPainterPath disk;
  disk.moveTo(4, 4);
  disk.lineTo(24, 4);
  disk.lineTo(28, 8);
  disk.lineTo(28, 28);
  disk.lineTo(4, 28);
  disk.closeSubpath();
  p.setBrush(QColor(50, 90, 170));
  p.drawPath(disk);
  // Shutter and label.
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(9, 4, 13, 8));
  p.setBrush(QColor(60, 60, 60));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(17, 5.5, 3, 5));
  p.setPen(OutlinePen());
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 16, 16, 10));
  TextLines(p, 10.5, 21.5, 19.5, 2);
}

void DrawPreview(QPainter& p) {
  Sheet(p, QRectF(3, 2, 19, 25));
  TextLines(p, 6.5, 16, 9, 3);
  // Magnifier over the page.
  p.setPen(QPen(kOutline, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(23, 23), QPointF(29, 29));
  p.setPen(OutlinePen());
  p.setBrush(QColor(200, 230, 255, 220));
  p.drawEllipse(QPointF(19, 19), 6.5, 6.5);
}

void DrawPrint(QPainter& p) {
  p.setPen(OutlinePen());
  // Paper going in.
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 3, 14, 10));
  // Printer body.
  p.setBrush(QColor(150, 155, 165));
  QPainterPath body;
  body.addRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
  p.drawPath(body);
  p.setBrush(QColor(90, 200, 90));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
  // Printed sheet coming out.
  p.setPen(OutlinePen());
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 19, 16, 10));
  TextLines(p, 10.5, 21.5, 22.5, 2);
}

void DrawWall(QPainter& p) {
  // Retained soil behind the wall.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 132, 80));
  QPainterPath soil;
  soil.moveTo(18, 6);
  soil.lineTo(31, 6);
  soil.lineTo(31, 28);
  soil.lineTo(24, 28);
  soil.closeSubpath();
  p.drawPath(soil);
  // Ground line and the wall section.
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(QColor(190, 190, 190));
  QPainterPath wall;
  wall.moveTo(6, 28);
  wall.lineTo(11, 4);
  wall.lineTo(18, 4);
  wall.lineTo(24, 28);
  wall.closeSubpath();
  p.drawPath(wall);
  p.drawLine(QPointF(1, 28), QPointF(31, 28));
}

// 両ケース計算: a table of two columns, the second with a red mark.
void DrawBothCases(QPainter& p) {
  p.setPen(OutlinePen());
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3, 5, 26, 22));
  p.setPen(QPen(QColor(120, 140, 170), 1.4));
  p.drawLine(QPointF(3, 11), QPointF(29, 11));
  p.drawLine(QPointF(16, 5), QPointF(16, 27));
  p.setPen(QPen(kOutline, 1.4));
  for (int i = 0; i < 3; ++i) {
    p.drawLine(QPointF(6, 15 + 4 * i), QPointF(13, 15 + 4 * i));
    p.drawLine(QPointF(19, 15 + 4 * i), QPointF(26, 15 + 4 * i));
  }
  p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19, 8), QPointF(21, 9.5));
  p.drawLine(QPointF(21, 9.5), QPointF(26, 6.5));
}

// 断面図: the wall's section with its dimension line above and the weight
// acting at the centroid.
void DrawSectionView(QPainter& p) {
  p.setPen(OutlinePen());
  p.setBrush(QColor(205, 205, 205));
  QPainterPath wall;
  wall.moveTo(3, 29);
  wall.lineTo(10, 11);
  wall.lineTo(21, 11);
  wall.lineTo(29, 29);
  wall.closeSubpath();
  p.drawPath(wall);
  p.drawLine(QPointF(1, 29), QPointF(31, 29));
  // The dimension line over the crest with its oblique ticks.
  p.setPen(QPen(kOutline, 1.4));
  p.drawLine(QPointF(10, 5), QPointF(21, 5));
  for (qreal x : {10.0, 21.0}) {
    p.drawLine(QPointF(x, 2.5), QPointF(x, 8.5));
    p.drawLine(QPointF(x - 2, 7), QPointF(x + 2, 3));
  }
  // The weight, in the colour of a force.
  const QColor force(30, 80, 200);
  p.setPen(QPen(force, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15.5, 14), QPointF(15.5, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(force);
  p.drawPolygon(QPolygonF({QPointF(11.5, 21), QPointF(19.5, 21), QPointF(15.5, 27)}));
}

}  // namespace

QIcon SectionViewIcon() { return Render(DrawSectionView); }

QIcon ToolbarIcon(int index) {
  switch (index) {
    case 1:
      return Render(DrawNew);
    case 2:
      return Render(DrawOpen);
    case 3:
      return Render(DrawSave);
    case 5:
      return Render(DrawPreview);
    case 6:
      return Render(DrawPrint);
    case 8:
      return Render(DrawBothCases);
    default:
      return {};
  }
}

QIcon ProgramIcon() { return Render(DrawWall); }

void DrawProgramIcon(QPainter& painter) { DrawWall(painter); }

}  // namespace varnholt::desktop
