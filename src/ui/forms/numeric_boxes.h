#pragma once
// The text boxes that hold numbers. Japanese engineers type with the input
// method on, so a number may arrive as "５" or "１２．５"; in these boxes it
// becomes half-width as it is typed or pasted, and when a project file is
// opened, so the box shows exactly what the leading-number rule reads.
// Names (the site, the soils, the § number, the wall mark) keep what was
// typed.

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

/// Whether a text box holds a number rather than a name.
bool IsNumericBox(const ui::Control& box);

/// Puts the half-width rule in front of the key-press handler of every
/// numeric box of a freshly defined window: the handler, and the text, see
/// "5" where "５" was typed.
void WireNumericBoxes(ui::Window& window);

/// Makes the numbers of a window's numeric boxes half-width, as typing them
/// would have: what a project file restores, saved full-width by another
/// editor, becomes "12" where it held "１２".
void HalfWidthNumbers(ui::Window& window);

}  // namespace varnholt::forms
