#pragma once
// A PlatformServices double for tests: it records every call and answers
// from a script, so a test can assert the exact texts, titles and buttons a
// user would meet and act inside modal dialogs.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/platform.h"

namespace varnholt::ui {

/// Records message boxes, beeps, modal dialogs and file dialogs; answers
/// message boxes from a queue (OK, or Yes for Yes/No boxes, when the queue is
/// empty) and runs queued actions inside modal dialogs.
class ScriptedPlatform : public PlatformServices {
 public:
  struct Call {
    enum Kind { kMessageBox, kBeep, kModal, kOpenFile, kSaveFile, kPrinter } kind;
    MessageBoxRequest message;  // for kMessageBox
    std::string window;         // for kModal
    FileDialogRequest file;     // for file dialogs
  };

  MsgResult MessageBox(const MessageBoxRequest& request) override;
  void Beep() override;
  void RunModal(Window& window) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  std::optional<PrinterChoice> PrinterDialog() override;

  // Script.
  std::deque<MsgResult> answers;
  /// Run in order, one per modal dialog; a dialog still shown afterwards is
  /// closed as the window's close box would (it is unloaded).
  std::deque<std::function<void(Window&)>> modal_actions;
  std::deque<std::optional<std::string>> open_answers;
  std::deque<std::optional<std::string>> save_answers;
  std::deque<std::optional<PrinterChoice>> printer_answers;

  // Record.
  std::vector<Call> calls;
  std::vector<MessageBoxRequest> Messages() const;
  /// The texts of the message boxes shown, in order.
  std::vector<std::string> MessageTexts() const;
  int BeepCount() const;
  std::vector<std::string> ModalWindows() const;
  void Clear() { calls.clear(); }
};

}  // namespace varnholt::ui
