#pragma once
// Where an engineer asks for section sizing: a button "断面の自動決定…" in
// each dimension window, and in the results window beside the rows while
// one of them is NG. The button runs App::commands.size_section, which the
// desktop program provides (the sizing dialog).

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

inline constexpr const char* kSizingButton = "cmdSize";
inline constexpr const char* kSizingCaption = "断面の自動決定…";

/// Adds the button to a window's definition.
ui::Control& AddSizingButton(ui::Window& w, App& app, int left, int top, int width);

/// The results window offers sizing while any verdict it shows, or the
/// stress check of the wall body, is NG.
void ShowSizingOffer(App& app, bool any_ng);

}  // namespace varnholt::forms
