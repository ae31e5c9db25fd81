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

/// The self-weight table "１）自 重" between y = 6000 and 9100 on page 2.
/// Uses Calc[51] as the upward shift of the part rows while it prints and
/// leaves it 0.
void PrintSelfWeightTable(ReportContext& ctx);

}  // namespace varnholt::report
