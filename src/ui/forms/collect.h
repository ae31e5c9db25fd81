#pragma once
// The bridge from the windows to the design case: the collection step SUTI,
// the option states the calculation reads, and the completeness checks run
// before a calculation.

#include "calc/status.h"
#include "model/selections.h"
#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

/// C of the foundation ground as the design conditions window means it: the
/// number in Form2.txt8 while 考慮する (opt6) is chosen, 0 while しない
/// (opt7) is chosen, whatever the box still holds.
double WindowCohesion(App& app);

/// SUTI: copies every control that the current options make relevant into
/// the design case. Never fails; unreadable numbers become 0. Slots of
/// windows the options do not use keep their values.
void Suti(App& app);

/// The option states of the windows, as the calculation and the report read
/// them. A window not yet opened answers with its defaults.
Selections ReadSelections(App& app);

/// The completeness check of the calculate command ("安定性の検討"): first
/// reads β, ho and C that the checks need, then tests the boxes in their
/// fixed order. On the first empty box it shows its message titled
/// "エラーメッセージ", puts the focus (caret at the start) into the box and
/// returns false; for a fence without a chosen load kind it opens the fence
/// dialog instead.
bool CheckMainInputs(App& app);

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
