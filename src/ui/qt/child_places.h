#pragma once
// First places of sub-windows that have no fixed place beside the design
// windows: inside the main window's work area, covering as little of the
// other windows as the room allows.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace varnholt::desktop {

/// `frame` moved, and made smaller where it is larger than `room`, so that
/// it lies wholly within the area (0, 0, room); a frame already inside is
/// returned unchanged.
QRect KeptInside(const QRect& frame, const QSize& room);

/// The top-left corner for a frame of `size` inside the area (0, 0, room)
/// that covers the least of `others`: beside or under them where there is
/// room, otherwise over as little of them as can be. Of equally good places
/// the highest, then the leftmost, is taken.
QPoint LeastCovering(const QSize& size, const QSize& room, const std::vector<QRect>& others);

/// `child` moved within the work area of `area` to where it covers the
/// least of the other sub-windows shown (to the top left when it is larger
/// than the work area).
void PlaceWhereFree(const QMdiArea& area, QMdiSubWindow& child);

}  // namespace varnholt::desktop
