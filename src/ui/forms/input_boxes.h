#pragma once
// The behaviour every text box of the input windows shares: the text is
// selected on click and on focus, a double click selects from the eleventh
// character on, Enter is swallowed and moves the focus along a fixed chain,
// and every edit invalidates the results.

#include <functional>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

/// What one input box does beyond the shared behaviour.
struct InputBox {
  /// Where Enter moves the focus. Empty: Enter is not handled (it is still
  /// a key, so the results are invalidated).
  std::function<void()> enter = nullptr;
  /// Extra work on a click, after the text is selected and before the
  /// results are invalidated.
  std::function<void()> on_click = nullptr;
  /// Extra work on every key (Enter included), before the key reaches the
  /// text and before the results are invalidated.
  std::function<void(int key)> on_key = nullptr;
  /// False for the boxes whose edits leave the results alone.
  bool invalidates = true;
};

/// Wires click, double click, got focus and key press of an input box.
void WireInputBox(App& app, ui::Control& box, InputBox behaviour);

/// Moves the focus to a control as Enter does; a text box wired above then
/// has its whole text selected by its got-focus handler.
void FocusNext(App& app, ui::Control& target);

/// Gives a text box the focus with its whole text selected.
void FocusAndSelect(App& app, ui::Control& box);

}  // namespace varnholt::forms
