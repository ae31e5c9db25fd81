#include "project/batch_platform.h"

#include "ui/toolkit/toolkit.h"

namespace varnholt::project {

ui::MsgResult BatchPlatform::MessageBox(const ui::MessageBoxRequest& request) {
  messages.push_back(request.text);
  const bool second = request.default_button == 2;
  switch (request.buttons) {
    case ui::MsgButtons::kOk:
      return ui::MsgResult::kOk;
    case ui::MsgButtons::kOkCancel:
      return second ? ui::MsgResult::kCancel : ui::MsgResult::kOk;
    case ui::MsgButtons::kYesNo:
      return second ? ui::MsgResult::kNo : ui::MsgResult::kYes;
    // Nobody can answer: nothing is saved or restored.
    case ui::MsgButtons::kSaveDiscardCancel:
      return ui::MsgResult::kCancel;
    case ui::MsgButtons::kRestoreDiscard:
      return ui::MsgResult::kCancel;
  }
  return ui::MsgResult::kOk;
}

void BatchPlatform::RunModal(ui::Window& window) {
  // Nobody can answer the dialog: it closes as if cancelled by its close box.
  window.Hide();
}

std::optional<std::string> BatchPlatform::OpenFileDialog(const ui::FileDialogRequest&) {
  if (open_path.empty()) return std::nullopt;
  return open_path;
}

std::optional<std::string> BatchPlatform::SaveFileDialog(const ui::FileDialogRequest&) {
  return std::nullopt;
}

}  // namespace varnholt::project
