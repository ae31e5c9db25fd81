#pragma once
// Pieces shared by the two dimension windows (Form3 and Form16).

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

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

}  // namespace varnholt::forms
