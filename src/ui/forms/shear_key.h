#pragma once
// Opening the shear-key (突起) dialogs: Form15 under 宅地造成 and Form19 under
// 道路土工. Both the dimension windows' "突起の計算" button and the calculate
// command prepare the dialog the same way before showing it.

namespace varnholt::ui {
class Window;
}

namespace varnholt::forms {

class App;

/// Prepares the key dialog of the selected standard for opening: collects
/// the inputs, recomputes H and θ, writes the guide values (B, 0.1·B to
/// 0.15·B, B/3 to 2B/3) from B of the dimension window in use, clears the
/// dialog's drawing and draws the pressure sketch (Ouryoku) when
/// `draw_sketch` is true, and on Form15 enables chk1 only when C ≠ 0.
/// Does not show the dialog. Returns it, or nullptr when no standard is
/// selected.
ui::Window* PrepareShearKeyDialog(App& app, bool draw_sketch);

}  // namespace varnholt::forms
