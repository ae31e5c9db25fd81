#pragma once
// Soil constants outside the range found in practice. Engineers sometimes
// need such values, so they calculate as typed; the program only points
// them out. A warning never changes a number or a verdict.
//
// The bounds follow the reference tables the program shows (宅地造成 and
// 道路土工), with a margin for soils the tables do not list:
//   φ, φB      10° … 45°     (the tables list 24° to 35° for frictional soils)
//   δ          not above φ   (道路土工: δ = 2φ/3)
//   γ          14 … 23 kN/m3 (the tables list 14 to 20)
//   γc         20 … 25 kN/m3
//   μ          up to 0.9     (the tables list 0.3 to 0.7)
//   C          up to 50 kN/m2, when cohesion is considered

#include <string>
#include <vector>

#include "model/design_case.h"

namespace varnholt {

/// One value outside its practical range: a stable code for programs
/// ("phi_range") and a sentence for the engineer.
struct PlausibilityWarning {
  std::string code;
  std::string text;
};

/// The soil constants of a collected design case that lie outside their
/// practical range, in the order the boxes are entered; empty when all lie
/// within.
std::vector<PlausibilityWarning> SoilConstantWarnings(const DesignCase& dc);

}  // namespace varnholt
