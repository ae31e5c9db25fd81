#pragma once
// A fence, railing or wall (フェンス、柵、塀等) on the crest: its horizontal
// load per metre of wall, and the meaning of FenceLoadType for the rest of
// the calculation.

#include <string>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// FenceLoadType "1" (distributed, wind) or "2" (concentrated, impact): a
/// short-term horizontal load that enters ΣH and Mo and selects the
/// short-term criteria.
inline bool IsShortTermFenceLoad(const std::string& type) { return type == "1" || type == "2"; }

/// No fence: the six fence values are 0 and no load kind is chosen.
inline void ClearFence(DesignCase& dc) {
  dc.FenceH = dc.FenceX = dc.FenceLoad = dc.FenceP = dc.FenceLoadY = dc.FenceW = 0;
  dc.FenceLoadType.clear();
}

/// Load formation, the last part of collecting the fence dialog in SUTI.
/// Call it after FenceH, FenceX, FenceLoad, FenceLoadY and FenceW have been
/// read from Form17.txt1..txt5, with the dialog's load option:
///  - kDistributed (opt2): FenceP ← FenceH × FenceLoad, a wind pressure w
///    acting over the fence height;
///  - kConcentrated (opt3): FenceP ← FenceLoad, a load per metre of wall;
///  - kNormal (opt1) or none: FenceP keeps its value (the opt1 click has set
///    it to 0).
/// Collection never fails: the returned status only says whether FenceP is
/// a finite number (1e999 typed as the load is refused by name when the
/// calculation starts).
CalcStatus FormFenceLoad(DesignCase& dc, FenceLoadOption option);

/// Height of the fence's horizontal load above the base, Calc[37]: for type
/// "1" (and "0", whose weight is placed at the fence centroid) Hw + FenceH/2;
/// for type "2" Hw + FenceLoadY. Returns false for an empty type, for which
/// Calc[37] is not set.
bool FenceLoadHeight(const DesignCase& dc, double* height);

}  // namespace varnholt
