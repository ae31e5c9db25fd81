#include "report/replay.h"

#include <type_traits>

namespace varnholt::report {

void Replay(const RecordedPage& page, ReportSurface& out) {
  for (const RecordedPrimitive& primitive : page.primitives) {
    std::visit(
        [&out](const auto& p) {
          using T = std::decay_t<decltype(p)>;
          if constexpr (std::is_same_v<T, RecordedText>) {
            out.FontSize = p.size;
            out.ForeColor = p.color;
            out.CurrentX = p.x;
            out.CurrentY = p.y;
            out.PrintLine({p.text});
          } else {
            out.DrawStyle = p.style;
            out.DrawWidth = p.width;
            out.Line(p.x1, p.y1, p.x2, p.y2, p.color);
          }
        },
        primitive);
  }
  out.FontSize = kStandardFontSize;
  out.DrawStyle = kSolid;
  out.DrawWidth = 1;
  out.ForeColor = kBlack;
  out.CurrentX = 0;
  out.CurrentY = 0;
}

}  // namespace varnholt::report
