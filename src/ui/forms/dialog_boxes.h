#pragma once
// The text-box behaviour shared by the dialogs (fence, seismic coefficient,
// shear key): a click or gaining the focus selects the whole text, a double
// click selects from position 10 to the end, and Enter is swallowed and
// moves the focus along the dialog's fixed order.

#include <functional>
#include <utility>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

/// What a dialog's text box does beyond selecting its text. Empty members
/// do nothing.
struct DialogBoxReactions {
  /// After a click has selected the text.
  std::function<void()> on_click;
  /// Before every key but Enter: the text is about to change.
  std::function<void()> on_edit;
  /// Enter, which is swallowed: moves the focus on.
  std::function<void()> on_enter;
};

inline void WireDialogTextBox(ui::Control& box, DialogBoxReactions reactions) {
  box.on_gotfocus = [&box] { box.SelectAll(); };
  box.on_dblclick = [&box] {
    box.SetSelStart(10);
    box.SetSelLength(static_cast<int>(box.Text().size()));
  };
  box.on_click = [&box, on_click = std::move(reactions.on_click)] {
    box.SelectAll();
    if (on_click) on_click();
  };
  box.on_keypress = [on_edit = std::move(reactions.on_edit),
                     on_enter = std::move(reactions.on_enter)](int& key) {
    if (key == ui::kKeyEnter) {
      key = 0;
      if (on_enter) on_enter();
      return;
    }
    if (on_edit) on_edit();
  };
}

}  // namespace varnholt::forms
