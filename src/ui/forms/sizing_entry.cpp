#include "ui/forms/sizing_entry.h"

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

ui::Control& AddSizingButton(ui::Window& w, App& app, int left, int top, int width) {
  ui::Control& c = AddButton(w, kSizingButton, kSizingCaption, left, top, width);
  c.height = 300;
  c.on_click = [&app] {
    if (app.commands.size_section) app.commands.size_section();
  };
  return c;
}

void ShowSizingOffer(App& app, bool any_ng) { Results(app).sizing_button->SetVisible(any_ng); }

}  // namespace varnholt::forms
