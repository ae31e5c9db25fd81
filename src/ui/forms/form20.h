#pragma once
// Seismic coefficient dialog (Form20): Jisin, which turns the dialog's
// entries into the seismic coefficients of the design case.

#include "calc/status.h"

namespace varnholt::forms {

class App;

/// Jisin of the dialog: the seismic coefficients Cz, Kho, Kh and Kv
/// (Cond[13..16]) from txt1, txt2 and the region options of Form20 (loaded
/// with its defaults when not yet open) under the standard selected in the
/// design conditions window; the arithmetic is the calculation's Jisin.
/// Called by the OK button and when a project is loaded. A coefficient typed
/// too large to be a number is stored as typed and named in the status.
CalcStatus Jisin(App& app);

/// What the dialog's ＯＫ would ask for first (the method, Kh, Kv, the
/// region under 道路土工), in its words; null when the dialog is complete.
const char* MissingSeismicSetting(App& app);

/// The seismic case is chosen again: what the seismic dialog kept takes
/// effect as after its ＯＫ, without asking (Kh and Kv by Jisin, direct
/// input of the coefficient by the method). Nothing when the dialog has no
/// method yet.
void ApplyKeptSeismicSettings(App& app);

}  // namespace varnholt::forms
