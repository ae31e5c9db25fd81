#pragma once
// What every input box is: the quantity, its symbol and unit, and where the
// reference tables give one, the usual range. One table for every window,
// put on the boxes as each window is defined; the Qt front end shows it as
// the box's tooltip and in the status bar.

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

/// Puts the guide texts on the input boxes of a window just defined.
/// Windows without input boxes are left alone.
void ApplyBoxGuides(ui::Window& w);

}  // namespace varnholt::forms
