#pragma once
// The state a window's view shares with the widgets of its controls.

#include <functional>
#include <string>

#include "ui/toolkit/toolkit.h"

namespace varnholt::desktop {

/// What the widgets of one window need from their view. `window` becomes null
/// when the window is unloaded, after which no widget may touch it; every
/// widget looks its control up again after each call into the window logic,
/// since a handler may have unloaded the window.
struct ViewState {
  ui::Window* window = nullptr;
  /// Non-zero while the view itself updates widgets from the window, so that
  /// those updates are not sent back as user actions.
  int syncing = 0;
  /// Non-zero while the front end presents a change of any window (a window
  /// shown, hidden or unloaded moves Qt's focus between windows); set by
  /// the main window, null for a view on its own.
  const int* presenting = nullptr;

  /// True while widget changes come from the front end, not from the user.
  bool Quiet() const { return syncing > 0 || (presenting != nullptr && *presenting > 0); }
  /// Updates one control's widget from the window again.
  std::function<void(const std::string&)> resync;

  /// The control with this name, or null once the window is gone.
  ui::Control* Find(const std::string& name) const {
    if (window == nullptr || !window->Has(name)) return nullptr;
    return &(*window)[name];
  }
};

/// Counts a view's own widget updates for as long as it lives.
class SyncScope {
 public:
  explicit SyncScope(ViewState& state) : state_(state) { ++state_.syncing; }
  ~SyncScope() { --state_.syncing; }
  SyncScope(const SyncScope&) = delete;
  SyncScope& operator=(const SyncScope&) = delete;

 private:
  ViewState& state_;
};

}  // namespace varnholt::desktop
