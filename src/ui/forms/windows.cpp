#include "ui/forms/windows.h"

#include "ui/forms/app.h"
#include "ui/forms/box_guides.h"
#include "ui/forms/numeric_boxes.h"
#include "ui/forms/summary_window.h"

namespace varnholt::forms {

namespace {

// A window's definition, then the half-width rule of its numeric boxes and
// the guide texts of its input boxes.
template <typename Define>
void Register(App& app, const char* name, Define define) {
  app.windows().Register(name, [&app, define](ui::Window& w) {
    define(w, app);
    WireNumericBoxes(w);
    ApplyBoxGuides(w);
  });
}

}  // namespace

void RegisterWindows(App& app) {
  Register(app, kMDIForm1, DefineMDIForm1);
  Register(app, kForm11, DefineForm11);
  Register(app, kForm2, DefineForm2);
  Register(app, kForm3, DefineForm3);
  Register(app, kForm16, DefineForm16);
  Register(app, kForm15, [](ui::Window& w, App& a) { DefineShearKeyDialog(w, a, false); });
  Register(app, kForm19, [](ui::Window& w, App& a) { DefineShearKeyDialog(w, a, true); });
  Register(app, kForm17, DefineForm17);
  Register(app, kForm20, DefineForm20);
  Register(app, kForm12, DefineForm12);
  Register(app, kForm14, DefineForm14);
  Register(app, kForm10, DefineForm10);
  Register(app, kForm6, DefineForm6);
  Register(app, kForm7, DefineForm7);
  Register(app, kForm18, DefineForm18);
  Register(app, kForm21, DefineForm21);
}

}  // namespace varnholt::forms
