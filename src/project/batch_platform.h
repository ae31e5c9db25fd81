#pragma once
// Platform services for running the program without a display (the
// command-line tool): nothing waits for a person. Message boxes are
// recorded and answered with their default button, the Open dialog answers
// with a path given beforehand, modal dialogs return at once.

#include <string>
#include <vector>

#include "ui/toolkit/platform.h"

namespace varnholt::project {

/// Non-interactive PlatformServices.
class BatchPlatform : public ui::PlatformServices {
 public:
  /// The path the Open dialog answers with.
  std::string open_path;

  ui::MsgResult MessageBox(const ui::MessageBoxRequest& request) override;
  void Beep() override { ++beeps; }
  void RunModal(ui::Window& window) override;
  std::optional<std::string> OpenFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<ui::PrinterChoice> PrinterDialog() override { return std::nullopt; }

  /// The texts of the message boxes shown, in order.
  std::vector<std::string> messages;
  int beeps = 0;
};

}  // namespace varnholt::project
