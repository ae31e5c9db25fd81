#pragma once
// Opening the shear-key (突起) dialogs: Form15 under 宅地造成 and Form19 under
// 道路土工. Both the dimension windows' "突起の計算" button and the calculate
// command prepare the dialog the same way before showing it.

namespace varnholt::forms {

class App;
struct DimensionWindow;
struct ShearKeyDialog;

/// Prepares the key dialog of the selected standard for opening: collects
/// the inputs, recomputes H and θ, writes the guide values (B, 0.1·B to
/// 0.15·B, B/3 to 2B/3) from B of the dimension window in use, clears the
/// dialog's drawing and draws the pressure sketch (Ouryoku) when
/// `draw_sketch` is true, and on Form15 enables chk1 only when C ≠ 0.
/// Does not show the dialog. Returns it, or nullptr when no standard is
/// selected.
ShearKeyDialog* PrepareShearKeyDialog(App& app, bool draw_sketch);

/// The key dialog of the selected standard: Form15 under 宅地造成, Form19
/// under 道路土工, nullptr when no standard is selected.
ShearKeyDialog* KeyDialogInUse(App& app);

/// The key button cmd3 "突起の計算" of Form3 and Form16: prepares the dialog
/// (the pressure sketch only from Form3) and shows it modally.
void OpenShearKeyDialog(App& app, bool draw_sketch);

/// Wires cmd3 of a dimension window to OpenShearKeyDialog; `draw_sketch` is
/// true for Form3, false for Form16. Called at the end of the window's
/// definition.
void WireShearKeyButton(DimensionWindow& dimension_window, App& app, bool draw_sketch);

/// Ouryoku: draws the schematic ground-pressure sketch under the base on the
/// key dialog of the selected standard, from e (Calc[43]) and B (Calc[6]) of
/// the design case: the pressure outline, the ordinates at the key with
/// their labels (σmax, σmin, σ1, σ2, or ｑ1 to ｑ3), and under 宅地造成 the
/// L1/L2 dimension line. Adds to the drawing (the caller clears it first);
/// draws nothing when B is 0 or either value is not a finite number.
void Ouryoku(App& app);

/// Clears the key dialog's pressure sketch: the drawn lines and its labels.
void ClearShearKeySketch(ShearKeyDialog& dialog);

}  // namespace varnholt::forms
