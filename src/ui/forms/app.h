#pragma once
// The application object: the one design case, every window, and the state
// that belongs to the running program (the results state, current file).
// Everything is reached through it by reference; there is no other mutable
// global state.

#include <functional>
#include <string>

#include "model/design_case.h"
#include "ui/forms/results_presenter.h"
#include "ui/toolkit/platform.h"
#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

/// The running program: its design case, windows and platform services.
class App {
 public:
  /// Registers every window; none is loaded yet.
  explicit App(ui::PlatformServices& platform);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  DesignCase& dc() { return dc_; }
  const DesignCase& dc() const { return dc_; }
  ui::WindowSystem& windows() { return windows_; }
  ui::PlatformServices& platform() { return platform_; }

  /// The window, loaded with its defaults on first use.
  ui::Window& Form(const std::string& name) { return windows_.Get(name); }

  /// Shows an OK-only box titled "エラーメッセージ".
  void ErrorMessage(const std::string& text);
  /// Gives a control the focus and puts the caret at its start, as after
  /// every input error.
  void FocusAtStart(ui::Control& control);

  /// The results state: whether the results on screen belong to the
  /// inputs, the summary rows and the commands that need valid results.
  ResultsPresenter& results() { return results_; }
  const ResultsPresenter& results() const { return results_; }

  /// Path of the project file in use; empty for a new project.
  std::string current_file;
  /// The inputs as last opened, saved or started anew (the project file's
  /// bytes): the design is modified while the windows hold other inputs.
  std::string saved_inputs;
  /// The folder of the last file chosen in a file dialog.
  std::string last_folder;
  /// The user's template for new designs (project::TemplateFile() in the
  /// desktop program); empty: 新規作成 always starts empty.
  std::string template_file;
  /// The print-range dialog's 躯体の照査 as last confirmed: the report's
  /// body-stress page. The engineer's habit, kept with the settings.
  bool print_body_stress = true;

  /// Commands that other parts of the program provide: the file commands,
  /// the preview and printing, and ending the program. The main window's
  /// menus and toolbar and the print-range dialog dispatch to them; an empty
  /// one does nothing.
  struct Commands {
    std::function<void()> file_new;      // FileNew, 新規作成
    std::function<void()> file_open;     // FileOpen, 開く
    std::function<void()> file_close;    // 閉じる, with its own confirmation
    std::function<void()> file_update;   // FileUpdate, 上書き保存
    std::function<void()> file_save_as;  // 名前を付けて保存
    std::function<void()> file_image;    // FileImage, the preview
    std::function<void()> file_print;    // FilePrint, after the print-range dialog's OK
    std::function<void()> size_section;  // 断面の自動決定…, the sizing dialog
    /// After a successful calculate command: the summary's refresh
    /// (InstallSummary). A copy calculating a case has none.
    std::function<void()> calculated;
    /// Ends the program at once: every window closes without further events
    /// (no query-unload, so no second question).
    std::function<void()> quit;
    /// A one-line note in the main window's status bar (what is missing in
    /// an opened design, where a file went). Without one the note is lost.
    std::function<void(const std::string&)> status_note;
    /// Whether the inputs have unsaved changes, and the question before
    /// they are lost (true: go on). Ending the program asks it instead of
    /// its own confirmation while there are changes.
    std::function<bool()> unsaved;
    std::function<bool()> confirm_discard;
  };
  Commands commands;

 private:
  ui::PlatformServices& platform_;
  ui::WindowSystem windows_;
  DesignCase dc_;
  ResultsPresenter results_{*this};
};

}  // namespace varnholt::forms
