#pragma once
// Pieces shared by the two dimension windows (Form3 and Form16).

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;
struct DimensionWindow;
struct LevelDimensionsWindow;
struct RaisedDimensionsWindow;

/// The 突起 frame with opt5 無し (selected) and opt6 有り, and the hidden
/// button cmd3 "突起の計算", the frame at (left, top); bound to `handles`.
void DeclareShearKeyControls(ui::Window& w, DimensionWindow& handles, int left, int top);

/// The static explanatory sketch of the wall section: lines and labels.
/// Form16 has its title at the bottom right (`raised_soil`).
void DeclareWallSketch(ui::Window& w, bool raised_soil);
/// Form3's addition to the sketch: the separate surcharge pressure ΔPA at
/// H/2 (Line33 … Line48 with "ΔPA", "δ", "H/2").
void DeclareSurchargePressureSketch(ui::Window& w, LevelDimensionsWindow& form3);
/// Form16's addition: the trial wedge, the raised slope and the surcharge
/// on it (Line58 … Line66, shown only with 法面上載荷重 有り).
void DeclareTrialWedgeSketch(ui::Window& w, RaisedDimensionsWindow& form16);

/// The ground behind the wall drawn on Form3 at run time.
void DrawLevelGround(ui::Window& form3);
void DrawUniformSlope(ui::Window& form3);

/// Shows (宅地造成) or hides (道路土工) the separate surcharge pressure ΔPA
/// in Form3's sketch: Line33, Line37, Line38, Line39, Line46, Line48 and the
/// labels "ΔPA", "δ", "H/2".
void ShowSurchargePressureSketch(LevelDimensionsWindow& form3, bool visible);

/// Shows or hides β of Form3 with its prompts (a slope has one, level
/// ground not).
void ShowSlopeAngle(LevelDimensionsWindow& form3, bool visible);

/// Moves a dimension window beside the design conditions window and shows it.
void ShowBesideConditions(ui::Window& dimension_window);

/// The dimension window of the selected ground shape: Form16 for 嵩上げ土,
/// Form3 otherwise.
DimensionWindow& DimensionsInUse(App& app);
/// Its name.
const char* DimensionWindowInUse(App& app);

/// Makes ShearKeyFlag and the button "突起の計算" agree with the 突起 option
/// of a dimension window: "1" and shown with 有り, "0" and hidden with 無し.
void SyncShearKey(App& app, DimensionWindow& dim);

/// Wires the 突起 options opt5 "無し" and opt6 "有り" of a dimension window.
void WireShearKeyOptions(DimensionWindow& dim, App& app);

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
