#pragma once
// Pieces shared by the two dimension windows (Form3 and Form16).

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

/// The 突起 frame with opt5 無し (selected) and opt6 有り, and the hidden
/// button cmd3 "突起の計算", the frame at (left, top).
void DeclareShearKeyControls(ui::Window& w, int left, int top);

/// The static explanatory sketch of the wall section: lines and labels.
/// Form3 adds the separate surcharge pressure (Line33 … Line48 with "ΔPA",
/// "δ", "H/2"); Form16 adds the trial wedge and the slope surcharge
/// (Line58 … Line66).
void DeclareWallSketch(ui::Window& w, bool raised_soil);

/// The ground behind the wall drawn on Form3 at run time.
void DrawLevelGround(ui::Window& form3);
void DrawUniformSlope(ui::Window& form3);

/// Shows (宅地造成) or hides (道路土工) the separate surcharge pressure ΔPA
/// in Form3's sketch: Line33, Line37, Line38, Line39, Line46, Line48 and the
/// labels "ΔPA", "δ", "H/2".
void ShowSurchargePressureSketch(ui::Window& form3, bool visible);

/// Name of the dimension window of the selected ground shape: Form16 for
/// 嵩上げ土, Form3 otherwise.
const char* DimensionWindowInUse(App& app);

/// Makes ShearKeyFlag and the button "突起の計算" agree with the 突起 option
/// of a dimension window: "1" and shown with 有り, "0" and hidden with 無し.
void SyncShearKey(App& app, ui::Window& dim);

/// Wires the 突起 options opt5 "無し" and opt6 "有り" of a dimension window.
void WireShearKeyOptions(ui::Window& w, App& app);

/// Forgets the coefficient of Form3 entirely: neither option selected, the
/// box empty with the flat border. Used when the load case changes.
void ResetCoefficient(App& app);

/// An input the computed coefficient depends on has changed: Form3.txt11 is
/// emptied unless the coefficient was typed (opt1), and opt2 is cleared.
void InvalidateComputedCoefficient(App& app);

/// Form3.KEISAN: collects the inputs, computes KA (or KAE) and shows it in
/// Form3.txt11 as "0.00#" with the flat border, invalidates the results and
/// moves the focus to the results window's "安定性の検討方法". A coefficient
/// that cannot be computed is reported in a box titled "エラーメッセージ"
/// and leaves txt11 empty, so no stale value is used.
void Form3Keisan(App& app);

}  // namespace varnholt::forms
