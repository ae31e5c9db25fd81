#include "ui/forms/input_boxes.h"

#include <utility>

#include "ui/forms/app.h"

namespace varnholt::forms {
namespace {

// A double click puts the caret after the tenth character and selects the
// rest, as the boxes have always done.
constexpr int kDoubleClickStart = 10;

int Length(const ui::Control& c) { return static_cast<int>(c.Text().size()); }

}  // namespace

void WireInputBox(App& app, ui::Control& box, InputBox behaviour) {
  box.on_gotfocus = [&box] { box.SelectAll(); };
  box.on_dblclick = [&box] {
    box.SetSelStart(kDoubleClickStart);
    box.SetSelLength(Length(box));
  };
  box.on_click = [&app, &box, on_click = behaviour.on_click, inv = behaviour.invalidates] {
    box.SelectAll();
    if (on_click) on_click();
    if (inv) app.results().ClearResultsAndSlidingFactor();
  };
  box.on_keypress = [&app, enter = std::move(behaviour.enter), on_key = std::move(behaviour.on_key),
                     inv = behaviour.invalidates](int& key) {
    const int typed = key;
    if (typed == ui::kKeyEnter && enter) {
      key = 0;
      enter();
    }
    if (on_key) on_key(typed);
    if (inv) app.results().ClearResultsAndSlidingFactor();
  };
}

void FocusNext(App& app, ui::Control& target) { app.windows().SetFocus(target); }

void FocusAndSelect(App& app, ui::Control& box) {
  app.windows().SetFocus(box);
  box.SelectAll();
}

}  // namespace varnholt::forms
