#include "ui/forms/app.h"

#include "ui/forms/windows.h"

namespace varnholt::forms {

App::App(ui::PlatformServices& platform) : platform_(platform), windows_(platform) {
  RegisterWindows(*this);
}

void App::ErrorMessage(const std::string& text) {
  ui::MsgBox(platform_, text, ui::MsgButtons::kOk, ui::MsgIcon::kNone, 1, ui::kErrorTitle);
}

void App::FocusAtStart(ui::Control& control) {
  windows_.SetFocus(control);
  if (control.kind() == ui::ControlKind::kTextBox) control.SetSelStart(0);
}

}  // namespace varnholt::forms
