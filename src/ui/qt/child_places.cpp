#include "ui/qt/child_places.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <tuple>

namespace varnholt::desktop {
namespace {

// The start of a span of `length` within [0, room), as near `at` as fits.
int Within(int at, int length, int room) { return std::clamp(at, 0, std::max(0, room - length)); }

long long Covered(const QRect& frame, const std::vector<QRect>& others) {
  long long area = 0;
  for (const QRect& o : others) {
    const QRect both = frame.intersected(o);
    if (!both.isEmpty()) area += static_cast<long long>(both.width()) * both.height();
  }
  return area;
}

}  // namespace

QRect KeptInside(const QRect& frame, const QSize& room) {
  const QSize size = frame.size().boundedTo(room);
  return {QPoint(Within(frame.x(), size.width(), room.width()),
                 Within(frame.y(), size.height(), room.height())),
          size};
}

QPoint LeastCovering(const QSize& size, const QSize& room, const std::vector<QRect>& others) {
  // The best place touches an edge of the room or of another window, so
  // those edges are the only places to try.
  std::vector<int> xs{0, room.width() - size.width()};
  std::vector<int> ys{0, room.height() - size.height()};
  for (const QRect& o : others) {
    xs.insert(xs.end(), {o.x() + o.width(), o.x() - size.width()});
    ys.insert(ys.end(), {o.y() + o.height(), o.y() - size.height()});
  }
  QPoint best(0, 0);
  std::tuple<long long, int, int> best_score(Covered(QRect(best, size), others), 0, 0);
  for (int x : xs) {
    for (int y : ys) {
      const QPoint at(Within(x, size.width(), room.width()),
                      Within(y, size.height(), room.height()));
      const std::tuple<long long, int, int> score(Covered(QRect(at, size), others), at.y(), at.x());
      if (score < best_score) {
        best = at;
        best_score = score;
      }
    }
  }
  return best;
}

void PlaceWhereFree(const QMdiArea& area, QMdiSubWindow& child) {
  const QSize room = area.viewport()->size();
  std::vector<QRect> others;
  for (const QMdiSubWindow* s : area.subWindowList()) {
    if (s != &child && s->isVisible() && !s->isMinimized()) others.push_back(s->geometry());
  }
  child.move(LeastCovering(child.size(), room, others));
}

}  // namespace varnholt::desktop
