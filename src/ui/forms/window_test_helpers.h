#pragma once
// Helpers for the scenario tests of the input windows: a results state to
// watch being invalidated, and short names for what a user looks at.

#include <string>

#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"
#include "ui/forms/windows.h"

namespace varnholt::forms::testing {

/// The sliding factor a pretended calculation leaves behind.
inline constexpr double kPretendFs = 1.83;

/// Puts the program where a successful calculation leaves it: results
/// valid, Fs non-zero, the summary rows shown and toolbar buttons 3, 5 and
/// 6 enabled.
inline void PretendCalculated(TestApp& t) {
  t.app.results().ShowResults();
  t.dc().Calc[calc::kSlidingF] = kPretendFs;
  // As for a design that has a file.
  Main(t.app).overwrite_button->SetEnabled(true);
}

/// True when the results are hidden and invalid and the toolbar buttons
/// that need them are disabled, as both invalidations leave them.
inline bool ResultsHidden(TestApp& t) {
  ui::Window& f11 = t.Form(kForm11);
  ui::Window& main = t.Form(kMDIForm1);
  bool hidden = !t.app.results().valid();
  for (int i = 5; i <= 17; ++i) hidden = hidden && !f11["lbl" + std::to_string(i)].Visible();
  for (int i : {5, 6}) hidden = hidden && !main[ToolButtonName(i)].Enabled();
  // 上書き保存 (button 3) does not depend on the results.
  return hidden;
}

/// The control that has the focus, or nullptr.
inline const ui::Control* Focused(TestApp& t) { return t.app.windows().Focused(); }

/// True when the whole text of a box is selected.
inline bool AllSelected(const ui::Control& box) {
  return box.SelStart() == 0 && box.SelLength() == static_cast<int>(box.Text().size());
}

/// The message box texts shown so far, and their titles.
inline std::vector<std::string> Titles(TestApp& t) {
  std::vector<std::string> out;
  for (const auto& m : t.platform.Messages()) out.push_back(m.title);
  return out;
}

}  // namespace varnholt::forms::testing
