#pragma once
// The application object: the one design case, every window, and the state
// that belongs to the running program (results validity, current file).
// Everything is reached through it by reference; there is no other mutable
// global state.

#include <string>

#include "model/design_case.h"
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

  /// True while the displayed results belong to the current inputs: set by
  /// every successful calculation, cleared by every invalidation. The File
  /// menu and the toolbar read it.
  bool results_valid = false;
  /// Path of the project file in use; empty for a new project.
  std::string current_file;

 private:
  ui::PlatformServices& platform_;
  ui::WindowSystem windows_;
  DesignCase dc_;
};

}  // namespace varnholt::forms
