#pragma once
// The collection step (SUTI) over typed inputs: how what the engineer
// entered becomes the slots of the design case. The windows' SUTI and every
// calculation on a copy of a design use this one rule.

#include <optional>
#include <string>

#include "model/design_case.h"
#include "model/design_inputs.h"

namespace varnholt {

/// The short-term allowable bearing stress from the long-term one: twice it
/// under 宅地造成 (建築基準法), 1.5 times under 道路土工. Without a standard
/// there is none, and Cond[2] keeps whatever it held.
std::optional<double> ShortTermBearing(double fe, Standard standard);

/// C of the foundation ground as the design conditions window means it: 0
/// while しない is chosen, whatever the box still holds, so a value left in
/// the box is never used unannounced; otherwise the number in the box.
double EffectiveCohesion(CohesionOption option, const std::string& text);

/// SUTI: copies every input that the options make relevant into the design
/// case, in this order: the design conditions (SiteName, Cond[0..12]); the
/// dimension window of the ground shape (SectionNo, WallMark, Calc[0],
/// Calc[2..8], β, and KA for 水平 and 一様斜面 or ho for 嵩上げ土) with the
/// shear key of the standard when 突起 有り; the fence with its load (FenceP
/// as FormFenceLoad forms it) when there is one. Never fails: a text that is
/// not a number collects as 0, and slots of inputs not in use keep their
/// values.
void Collect(const DesignInputs& in, DesignCase& dc);

}  // namespace varnholt
