#pragma once
// Wall section geometry and self weight (steps 2, 5, 7 and 9 of KEISAN).
//
// The section is a trapezoid standing on its base: toe at (0, 0), front face
// up to (f, Hw), crest to (f + b, Hw), back face down to the heel (B, 0).
// x runs from the toe into the backfill, y up from the base.

#include "calc/status.h"
#include "model/design_case.h"

namespace varnholt {

/// Step 2: θ of the back face, Calc[9] in radians and Calc[10] in degrees,
/// the degrees snapped to exactly 0 within ±1e-10. Fails when the wall
/// height Hw is 0.
CalcStatus ComputeBackFaceAngle(DesignCase& dc);

/// Step 5: self weight W = γc·Hw·(b + B)/2 into Calc[20].
CalcStatus ComputeSelfWeight(DesignCase& dc);

/// Step 7: areas A1..A3, their centroid distances x1..x3 and the wall
/// centroid x (Calc[22..28]). Fails when A1 + A2 + A3 is 0.
CalcStatus ComputeSectionParts(DesignCase& dc);

/// Step 9 (geometry half): heights y1..y3 of the part centroids and the
/// wall centroid height y (Calc[33..36]). Fails when A1 + A2 + A3 is 0.
CalcStatus ComputeSectionHeights(DesignCase& dc);

}  // namespace varnholt
