#pragma once
// The bridge from the windows to the design case: the typed inputs the
// windows hold, the collection step SUTI, the option states the calculation
// reads, and the completeness checks run before a calculation.

#include <string>

#include "calc/status.h"
#include "model/design_inputs.h"
#include "model/selections.h"
#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;
struct ConditionsWindow;
struct SeismicDialog;

/// The option groups of the design conditions window.
Standard StandardOf(const ConditionsWindow& conditions);
GroundShape ShapeOf(const ConditionsWindow& conditions);
LoadCase LoadCaseOf(const ConditionsWindow& conditions);
/// 水平 or 一様斜面 chosen: Form3 is the dimension window in use.
bool IsLevelOrSlope(const ConditionsWindow& conditions);
/// The option groups of the seismic dialog.
SeismicMethod MethodOf(const SeismicDialog& seismic);
SeismicRegion RegionOf(const SeismicDialog& seismic);

/// C of the foundation ground as the design conditions window means it
/// (EffectiveCohesion of its option and box).
double WindowCohesion(App& app);

/// The texts of the design conditions window.
ConditionInputs ReadConditionInputs(App& app);

/// The inputs the current options use, as the windows hold them: the design
/// conditions, the dimension window of the ground shape, the key dialog of
/// the standard when 突起 有り is chosen, the fence dialog when there is a
/// fence. No other window is read (nor opened); their parts, and the option
/// groups of other windows, keep their defaults. This is what SUTI collects.
DesignInputs ReadInputsInUse(App& app);

/// Every input as a project file keeps it: the above, the seismic dialog,
/// the key dialog of the standard whether or not a key is chosen, and every
/// option group (ReadStoredSelections). The windows read are opened with their
/// defaults when they were not open.
DesignInputs ReadDesignInputs(App& app);

/// SUTI: collects the inputs in use into the design case (Collect). Never
/// fails; unreadable numbers become 0. Slots of windows the options do not
/// use keep their values.
void Suti(App& app);

/// The option states of the windows, as the calculation and the report read
/// them: the seismic dialog's method and region only in the seismic case.
/// A window not yet opened answers with its defaults.
Selections ReadSelections(App& app);
/// Every option state as a project file keeps it, the seismic dialog's
/// included whatever the load case.
Selections ReadStoredSelections(App& app);

/// The completeness check of the calculate command ("安定性の検討"): first
/// reads β, ho and C that the checks need, then tests the boxes in their
/// fixed order. On the first empty box it shows its message titled
/// "エラーメッセージ", puts the focus (caret at the start) into the box and
/// returns false; for a fence without a chosen load kind it opens the fence
/// dialog instead.
bool CheckMainInputs(App& app);
/// The same checks without a box, a focus move or a dialog: the message of
/// the first missing input goes to `missing`.
bool CheckMainInputs(App& app, std::string* missing);

/// The box that holds an input the calculation refused by name, in the
/// window the current options collect it from; null for kNone.
ui::Control* InputBoxOf(App& app, InputField field);

/// Shows a refused calculation's message titled "エラーメッセージ" and, when
/// one box is to blame and its window is on screen, puts the caret at its
/// start, as the completeness checks do.
void ReportCalcFailure(App& app, const CalcStatus& status);

/// The shorter check of the coefficient command "計算する" of Form3. The
/// seismic case without a method opens the seismic dialog and fails.
bool CheckCoefficientInputs(App& app);

}  // namespace varnholt::forms
