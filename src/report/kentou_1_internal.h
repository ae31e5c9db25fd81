#pragma once
// Shared by the two halves of KENTOU_1 (the wall figure and the self-weight
// table), which must divide the section into the same parts.

#include "model/design_case.h"
#include "report/report_context.h"

namespace varnholt::report {

/// The front triangle is a part of the section when the front face leans
/// (front projection f ≠ 0).
bool HasFrontTriangle(const DesignCase& dc);

/// The back triangle is a part when the back projection B − f − b exceeds
/// 0.00001 m; a back face leaning forward has none.
bool HasBackTriangle(const DesignCase& dc);

/// The scale of the wall figure, metres per 1000 twips: half the height of
/// wall and crest, at least 0.5.
double FigureScale(const DesignCase& dc);

/// The self-weight table "１）自 重" between y = 6000 and 9100 on page 2.
/// Without a front triangle the part rows move up by one row.
void PrintSelfWeightTable(ReportContext& ctx);

}  // namespace varnholt::report
