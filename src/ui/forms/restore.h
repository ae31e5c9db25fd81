#pragma once
// A project restored as data, and read back from the windows.
//
// Opening a project puts every stored value into its control without
// running any click handler, then applies, one named step each, what the
// restored options imply for the other windows. A change to a click handler
// therefore never changes how files load.

#include "model/project_state.h"

namespace varnholt::forms {

class App;

/// What the windows hold now, as a project file keeps it: every input
/// (ReadDesignInputs), ShearKeyFlag and FenceLoadType, and the texts of the
/// summary rows.
ProjectState ReadProjectState(App& app);

/// Restores the windows from a project. The design conditions window, both
/// dimension windows and the fence dialog start again from their defaults;
/// the seismic, check-method and shear-key dialogs and the results window
/// keep what the project does not hold. The results of the design open
/// before are cleared, every stored value is put back, and then:
///  - under 道路土工 the soil lists and prompts are the road standard's and
///    the residential shear-key dialog is closed;
///  - the dimension window of the ground shape is the one loaded: Form3
///    with the slope drawn, β shown and "直接入力" unavailable on a slope,
///    the ΔPA sketch hidden under 道路土工; or Form16 with the surcharge on
///    the slope drawn when it has one;
///  - a typed coefficient has the sunken border;
///  - 突起 有り shows the key button, and ShearKeyFlag is "1" exactly then;
///  - cohesion 考慮する gives its box the sunken border, しない shows C "0";
///  - μ 直接入力 is the friction option carried out, tanφ recomputes μ from
///    φB (refused as a click on tanφ is, when φB gives no tangent);
///  - fence 有り shows the fence button and makes 地震時 unavailable (its
///    stored value stays: the load case is restored as saved); fence 無し
///    clears the fence values of the design case;
///  - the fence dialog shows the boxes and sketch of its load kind, and
///    FenceLoadType is that kind ("" without a fence or without a kind);
///  - FenceP is 0 unless the fence has a horizontal load box holding a
///    number other than 0.
/// Does not recalculate.
void RestoreWindows(App& app, const ProjectState& project);

/// The load case a restored fence allows: a short-term fence load is always
/// calculated in the normal case, exactly as the fence dialog's 計算 leaves
/// it; otherwise 地震時 is available.
void ApplyFenceLoadCase(App& app);

}  // namespace varnholt::forms
