#include "ui/forms/invalidate.h"

#include <string>

#include "ui/forms/app.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

void HideResults(App& app) {
  ui::Window& f11 = app.Form(kForm11);
  for (int i = 5; i <= 21; ++i) f11["lbl" + std::to_string(i)].SetVisible(false);
  for (int i = 22; i <= 24; ++i) {
    ui::Control& c = f11["lbl" + std::to_string(i)];
    c.SetCaption("");
    c.SetVisible(false);
  }
  ui::Window& main = app.Form(kMDIForm1);
  for (int i : {3, 5, 6}) main[ToolButtonName(i)].SetEnabled(false);
  // The results on screen no longer belong to the inputs.
  app.results_valid = false;
  app.SetWarnings({});
}

}  // namespace

void Hihyouji_1(App& app) {
  HideResults(app);
  app.dc().Calc[calc::kSlidingF] = 0;
}

void Hihyouji_2(App& app) { HideResults(app); }

}  // namespace varnholt::forms
