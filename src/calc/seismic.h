#pragma once
// Jisin: the design seismic coefficients from the seismic dialog (Form20).

#include <string_view>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// Regional correction factor Cz of a region (A 1.0, B 0.85, C 0.70); false
/// when no region is selected.
bool RegionalFactor(SeismicRegion region, double* cz);

/// The seismic composite angle θk = Atn{Kh/(1－Kv)}, in radians and in
/// degrees (radians × 180 / 3.14159, in that order).
struct SeismicAngle {
  double rad = 0;
  double deg = 0;
};

/// θk of Kh and Kv; with Kv = 1 there is none, and the status says so.
CalcStatus ComputeSeismicAngle(double kh, double kv, SeismicAngle* angle);

/// Jisin: reads the dialog's texts with the leading-number rule and writes
/// the coefficients of the design case.
///  - 宅地造成: Kh (Cond[15]) ← txt1.
///  - 道路土工: Kho (Cond[14]) ← txt1; Cz (Cond[13]) from the region, kept
///    when none is selected (the OK button refuses that; loading a project
///    can reach it); Kh ← Kho × Cz.
///  - both: Kv (Cond[16]) ← txt2.
/// Like the collection step, Jisin stores what was typed even when it is
/// not a finite number (1e999); the returned status then names the
/// coefficient so that the OK button can say so at once, and the next
/// calculation refuses the value by the same name. Nothing displays these
/// slots except the report, which needs a valid calculation.
CalcStatus Jisin(DesignCase& dc, const Selections& sel, std::string_view txt1,
                 std::string_view txt2);

}  // namespace varnholt
