#pragma once
// Trial-wedge earth pressure for raised soil (嵩上げ土): the ground rises from
// the wall at β to a height H0 and is level beyond. For slip-plane angles
// ω = 0.1°..90° the wedge weight W and the pressure P(ω) that holds it are
// tabulated; the design pressure PAmax is the first local maximum over whole
// degrees.

#include <array>

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// The wedge quantities at one ω.
struct WedgeAtOmega {
  double b1 = 0;  // (cot ω + tan θ)·H + (cot ω − cot β)·H0
  double t1 = 0;  // cos(ω − θ)·(H + H0)²/sin ω
  double w = 0;   // weight of the wedge with its surcharge
  double p = 0;   // earth pressure holding the wedge
};

/// The wedge formulas with every term that does not depend on ω worked out
/// once. Built by PrepareTrialWedge from the design case and the options.
struct TrialWedge {
  double h = 0, h0 = 0, theta = 0, beta = 0, phi = 0, delta = 0, q = 0;
  double tan_theta = 0, cot_beta = 0, hh2 = 0;  // hh2 = (H + H0)²
  double t2 = 0;                                // cos(θ − β)·H0²/sin β
  double t3 = 0;                                // γ/(2·cos θ)
  double b2 = 0;                                // H0·cot β
  SlopeSurcharge surcharge = SlopeSurcharge::kNone;
  double previous_w = 0;          // WedgeW as it was, used when no slope option is set
  bool refresh_pressure = false;  // false with neither 常時 nor 地震時
  bool with_theta_k = false;      // P = W·sin(ω − φ + θk)/cos(ω − φ − δ − θ)
  double theta_k_rad = 0, theta_k_deg = 0;
  bool seismic = false;  // θk is computed and stored
};

/// Works out the ω-independent terms. The seismic formula (with θk) is used
/// in the seismic case under the road standard and with method ① of the
/// residential standard. Under method ② the wall's inertia force is added to
/// the normal earth pressure, so the wedge takes the normal formula; θk is
/// still computed for the report. Fails when sin β, cos θ or 1 − Kv is 0.
CalcStatus PrepareTrialWedge(const DesignCase& dc, const Selections& sel, TrialWedge* out);

/// The wedge at `omega` degrees. Fails when sin ω or cos(ω − φ − δ − θ)
/// vanishes or a value overflows.
CalcStatus EvaluateWedge(const TrialWedge& tw, double omega, WedgeAtOmega* out);

/// A table over the trial angles, entries 1..900 (index 0 unused).
using WedgeTable = std::array<double, kWedgeEntries + 1>;

/// The trigonometric values of the 900 trial angles that depend on the
/// design's angles (θ, φ, δ, θk) but not on its heights: the wall's own
/// wedge and the wedges cut at the sections of the wall body share them.
struct WedgeTrig {
  WedgeTable cos_om_theta{};  // cos(ω − θ); not filled when θ is 0 (cos ω is used)
  WedgeTable cos_den{};       // cos(ω − φ − δ − θ), when pressures are formed
  WedgeTable sin_num{};       // sin(ω − φ) or sin(ω − φ + θk), likewise
  bool theta_zero = false;
  bool pressure = false;
};

/// Works out the trigonometric tables for `tw`; the pressure terms only
/// when tw.refresh_pressure is set.
void FillWedgeTrig(const TrialWedge& tw, WedgeTrig* out);

/// The table fill: P(ω) of every entry into `p` (only when
/// tw.refresh_pressure; otherwise `p` keeps what it holds), ω into `omega`
/// when given, and the quantities of the last entry (ω = 90°) into `last`.
/// Fails at the first entry that cannot be computed; entries before it are
/// written.
CalcStatus FillWedgeTable(const TrialWedge& tw, const WedgeTrig& trig, WedgeTable& p,
                          WedgeTable* omega, WedgeAtOmega* last);

/// The maximum rule over whole degrees: the first k of 10, 20, …, 890 with
/// p[k] > p[k + 10] (strictly), or 0 when the pressure never falls.
int FirstWedgeMaximum(const WedgeTable& p);

/// The wedge of the same ground with the back face cut at a horizontal
/// section of the wall body: `z` is the height of the face in contact with
/// the soil (from the back ground surface down to the section) in place of
/// H. Same ω scan, same formulas and options as the wall's own wedge; the
/// pressure is formed whatever the load case (the normal formula when none
/// is selected) and a slope without a surcharge option counts as 無し. `trig`
/// must have been filled with pressures for `tw`. Fails when an entry cannot
/// be computed or the pressure keeps rising to 90°.
struct CutWedge {
  double pa_max = 0;  // the maximum pressure on the cut face
  double omega = 0;   // its slip angle, degrees
};
CalcStatus ComputeCutWedge(const TrialWedge& tw, const WedgeTrig& trig, double z, CutWedge* out);

/// The options of a cut wedge: `tw` as prepared for the wall, with the
/// pressure always formed and a missing slope option taken as 無し.
TrialWedge CutWedgeOptions(const TrialWedge& tw);

/// Doatu: the search for the maximum over whole degrees. For k = 10, 20, …,
/// 890 the first k with WedgeP[k] > WedgeP[k + 10] (strictly) is chosen:
/// PAmax, OmegaMax, and b1 (Calc[68]) and WedgeT1 at that ω are written and
/// true is returned. When the pressure never falls, nothing is written and
/// false is returned.
bool Doatu(DesignCase& dc);

/// KEISAN step 4: fills WedgeOmega/WedgeP (entries 1..900), runs Doatu and
/// completes WedgeW, PAXw and PAYw, with b2 (Calc[69]), WedgeT1..T3 and θk
/// (Cond[17], Cond[18] in the seismic case). A pressure that rises all the
/// way to 90° has no maximum to design for; the calculation then fails
/// rather than carry on with the PAmax of an earlier design.
CalcStatus ComputeTrialWedge(DesignCase& dc, const Selections& sel);

}  // namespace varnholt
