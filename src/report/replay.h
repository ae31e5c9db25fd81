#pragma once
// Draws a recorded page again on another surface: the preview windows keep
// each page as a recording and paint it on the screen through the Qt
// surface, without calling the report sections again.

#include "report/recording_surface.h"

namespace varnholt::report {

/// Draws every primitive of `page` on `out` in recorded order, with the
/// recorded position, size, pen and colour. Leaves `out` in the standard
/// state (11 points, solid, width 1, black).
void Replay(const RecordedPage& page, ReportSurface& out);

}  // namespace varnholt::report
