#include "ui/toolkit/scripted_platform.h"

#include "ui/toolkit/toolkit.h"

namespace varnholt::ui {

MsgResult ScriptedPlatform::MessageBox(const MessageBoxRequest& request) {
  Call c{Call::kMessageBox, request, {}, {}};
  calls.push_back(c);
  if (!answers.empty()) {
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
  }
  switch (request.buttons) {
    case MsgButtons::kYesNo:
      return MsgResult::kYes;
    // Unscripted, a question about unsaved work or a recovery file is
    // answered as before such questions existed: go on without it.
    case MsgButtons::kSaveDiscardCancel:
    case MsgButtons::kRestoreDiscard:
      return MsgResult::kNo;
    default:
      return MsgResult::kOk;
  }
}

void ScriptedPlatform::Beep() { calls.push_back(Call{Call::kBeep, {}, {}, {}}); }

void ScriptedPlatform::RunModal(Window& window) {
  const std::string name = window.name();
  calls.push_back(Call{Call::kModal, {}, name, {}});
  WindowSystem& system = window.system();
  if (!modal_actions.empty()) {
    auto action = std::move(modal_actions.front());
    modal_actions.pop_front();
    action(window);
  }
  if (system.IsLoaded(name) && system.Get(name).Shown()) system.Unload(name);
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(const FileDialogRequest& request) {
  calls.push_back(Call{Call::kOpenFile, {}, {}, request});
  if (open_answers.empty()) return std::nullopt;
  auto r = open_answers.front();
  open_answers.pop_front();
  return r;
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(const FileDialogRequest& request) {
  calls.push_back(Call{Call::kSaveFile, {}, {}, request});
  if (save_answers.empty()) return std::nullopt;
  auto r = save_answers.front();
  save_answers.pop_front();
  return r;
}

std::optional<PrinterChoice> ScriptedPlatform::PrinterDialog() {
  calls.push_back(Call{Call::kPrinter, {}, {}, {}});
  if (printer_answers.empty()) return std::nullopt;
  auto r = printer_answers.front();
  printer_answers.pop_front();
  return r;
}

std::vector<MessageBoxRequest> ScriptedPlatform::Messages() const {
  std::vector<MessageBoxRequest> out;
  for (const Call& c : calls) {
    if (c.kind == Call::kMessageBox) out.push_back(c.message);
  }
  return out;
}

std::vector<std::string> ScriptedPlatform::MessageTexts() const {
  std::vector<std::string> out;
  for (const auto& m : Messages()) out.push_back(m.text);
  return out;
}

int ScriptedPlatform::BeepCount() const {
  int n = 0;
  for (const Call& c : calls) n += c.kind == Call::kBeep;
  return n;
}

std::vector<std::string> ScriptedPlatform::ModalWindows() const {
  std::vector<std::string> out;
  for (const Call& c : calls) {
    if (c.kind == Call::kModal) out.push_back(c.window);
  }
  return out;
}

}  // namespace varnholt::ui
