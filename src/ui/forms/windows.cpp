#include "ui/forms/windows.h"

#include "ui/forms/app.h"

namespace varnholt::forms {

void RegisterWindows(App& app) {
  ui::WindowSystem& ws = app.windows();
  ws.Register(kMDIForm1, [&app](ui::Window& w) { DefineMDIForm1(w, app); });
  ws.Register(kForm11, [&app](ui::Window& w) { DefineForm11(w, app); });
  ws.Register(kForm2, [&app](ui::Window& w) { DefineForm2(w, app); });
  ws.Register(kForm3, [&app](ui::Window& w) { DefineForm3(w, app); });
  ws.Register(kForm16, [&app](ui::Window& w) { DefineForm16(w, app); });
  ws.Register(kForm15, [&app](ui::Window& w) { DefineShearKeyDialog(w, app, false); });
  ws.Register(kForm19, [&app](ui::Window& w) { DefineShearKeyDialog(w, app, true); });
  ws.Register(kForm17, [&app](ui::Window& w) { DefineForm17(w, app); });
  ws.Register(kForm20, [&app](ui::Window& w) { DefineForm20(w, app); });
  ws.Register(kForm12, [&app](ui::Window& w) { DefineForm12(w, app); });
  ws.Register(kForm14, [&app](ui::Window& w) { DefineForm14(w, app); });
  ws.Register(kForm10, [&app](ui::Window& w) { DefineForm10(w, app); });
  ws.Register(kForm6, [&app](ui::Window& w) { DefineForm6(w, app); });
  ws.Register(kForm7, [&app](ui::Window& w) { DefineForm7(w, app); });
  ws.Register(kForm18, [&app](ui::Window& w) { DefineForm18(w, app); });
}

}  // namespace varnholt::forms
