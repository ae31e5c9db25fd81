#pragma once
// Invalidation of the displayed results, called by every input change.

namespace varnholt::forms {

class App;

/// Hihyouji_1: hides the result rows of Form11 (lbl5..lbl21, and lbl22..lbl24
/// emptied), sets Calc[49] to 0, clears the results-validity flag and
/// disables toolbar buttons 3, 5 and 6 of the main window.
void Hihyouji_1(App& app);

/// Hihyouji_2: the same, except that Calc[49] is left as it is (the fence
/// option and the shear-key options call this one).
void Hihyouji_2(App& app);

}  // namespace varnholt::forms
