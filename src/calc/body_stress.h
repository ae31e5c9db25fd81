#pragma once
// The stress check of the wall body (躯体の応力度照査). The concrete is cut by
// horizontal sections from the crest down to the base; for the part above
// each section the forces of the selected load case are summed (N, S and M
// about the centre of the section's width), and the edge stresses of the
// plain concrete, σ = N/t ± 6M/t², and the mean shear stress τ = S/t are
// compared with the allowable stresses of the standard.
//
// It reads the results of a successful KEISAN (θ, the coefficient, the
// fence heights) and writes nothing: the results window, the report, the
// command line and the summary call it on the same design case and get the
// same numbers.

#include <array>
#include <vector>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// The loads on the part of the wall above a section.
enum class BodyLoad {
  kSelfWeight,         // the concrete above the section, at its centroid
  kEarthPressure,      // PA (宅地造成), PA with the surcharge (道路土工) or the cut wedge
  kSurchargePressure,  // ΔPA of the surcharge (宅地造成)
  kInertia,            // Kh·(concrete above + fence weight), at their common centroid
  kFenceWeight,        // the fence on the crest, at its centre
  kFenceLoad,          // the fence's short-term horizontal load
};

/// One load on the free body. `x` is the horizontal distance of the vertical
/// component from the centre of the section's width, positive towards the
/// back face (a weight there turns the wall backwards); `y` the height of the
/// horizontal component above the section.
struct BodyForce {
  BodyLoad load = BodyLoad::kSelfWeight;
  double v = 0;  // kN/m, downwards
  double h = 0;  // kN/m, towards the front
  double x = 0;  // m
  double y = 0;  // m
};

/// The verdict of one section. Stresses in kN/m², compression positive.
struct BodyVerdict {
  double compression = 0;  // the larger edge compression (0 when both edges are in tension)
  double tension = 0;      // the larger edge tension as a positive number (0 when none)
  double compression_ratio = 0;
  double tension_ratio = 0;
  double shear_ratio = 0;
  double ratio = 0;  // the largest of the three
  bool compression_ok = false;
  bool tension_ok = false;
  bool shear_ok = false;
  bool ok = false;  // all three within their allowable values, equality passing
};

/// One checked section.
struct BodySection {
  double depth = 0;           // below the crest, m
  double y = 0;               // above the base, m
  double t = 0;               // width of the section, m
  bool back_ground = false;   // at the level of the back ground surface
  bool front_ground = false;  // at the level of the front ground surface
  double z = 0;               // height of the back face in contact with the soil above the section
  double omega = 0;           // 嵩上げ土: slip angle of the wedge cut at this section, degrees
  std::array<BodyForce, 6> forces{};
  int force_count = 0;
  double n = 0;  // ΣV, kN/m
  double s = 0;  // ΣH, kN/m
  double m = 0;  // ΣH·y − ΣV·x about the centre, kN·m/m; positive compresses the front face
  double sigma1 = 0;  // front face N/t + 6M/t², kN/m²
  double sigma2 = 0;  // back face N/t − 6M/t², kN/m²
  double tau = 0;     // S/t, kN/m²
  BodyVerdict verdict;
};

/// Which rule set the allowable stresses come from.
enum class BodyAllowableRule {
  kResidential,      // Fc/3, Fc/30, Fc/30 (Fc ≤ 21)
  kResidentialHigh,  // Fc/3, 0.49 + Fc/100 for tension and shear (Fc > 21)
  kRoad,             // σck/4, σck/80, σck/100 + 0.15
};

/// The allowable stresses of the plain concrete for the load case checked.
struct BodyAllowables {
  BodyAllowableRule rule = BodyAllowableRule::kResidential;
  double fc = 0;            // Fc (σck), N/mm² as entered
  bool short_term = false;  // 地震時, or a short-term fence load
  // Long-term (常時) values, N/mm².
  double compression_base = 0;
  double tension_base = 0;
  double shear_base = 0;
  // Factors of the case: 1 in the normal case.
  double compression_factor = 1;
  double tension_factor = 1;
  double shear_factor = 1;
  // The values judged, kN/m² (N/mm² × 1000 × factor).
  double compression = 0;
  double tension = 0;
  double shear = 0;
};

/// Every section from the crest down, with the governing one.
struct BodyStressResult {
  CalcStatus status;
  BodyAllowables allowable;
  std::vector<BodySection> sections;  // by depth, the base last
  std::size_t governing = 0;          // the section with the largest ratio
  bool ok() const { return status.ok(); }
  /// True when every section passes; false also without a result.
  bool AllOk() const;
  const BodySection& Governing() const { return sections[governing]; }
};

/// The allowable stresses of `dc`'s concrete under the selected standard
/// and case. Fails, naming the quantity, when Fc is not a number above 0 or
/// no standard is selected.
CalcStatus ComputeBodyAllowables(const DesignCase& dc, const Selections& sel, BodyAllowables* out);

/// Judges one section against the allowable stresses.
BodyVerdict JudgeBodySection(const BodySection& section, const BodyAllowables& allowable);

/// The whole check on the results of the last KEISAN. Sections at Hw/10,
/// 2·Hw/10, …, Hw below the crest and at the back and front ground levels
/// where they lie strictly between crest and base (a level that coincides
/// with a tenth is one section carrying both marks). Fails, naming the
/// quantity, when Fc is not above 0, the body has a section without width
/// (a pointed crest, b ≤ 0, or B ≤ 0), the cut wedge of a section has no
/// maximum, or a value cannot be computed; `sections` is then empty.
BodyStressResult CheckBodyStress(const DesignCase& dc, const Selections& sel);

}  // namespace varnholt
