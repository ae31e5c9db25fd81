#pragma once
// The section view's inputs read from the windows: the dimension boxes as
// typed, the fence and shear-key dialogs' boxes and the options, and the
// design case of the last calculation while its results are valid.

#include "model/design_case.h"
#include "section/section.h"

namespace varnholt::forms {

class App;

/// The texts of the dimension window of the selected ground shape (Form3 or
/// Form16), of the fence dialog (Form17) and of the shear-key dialog of the
/// standard (Form15 or Form19), with the option states. Reads, never edits:
/// no handler runs and the results stay as they are.
section::SectionInputs ReadSectionInputs(App& app);

/// The design case to draw the forces from: the application's while the
/// results are valid, nothing once an edit has invalidated them.
const DesignCase* SectionResults(const App& app);

}  // namespace varnholt::forms
