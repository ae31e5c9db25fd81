#pragma once
// The platform services of the desktop program: Qt message boxes, the system
// beep, modal dialogs run in their own event loop, the platform's file and
// printer dialogs.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/toolkit/platform.h"
#include "ui/toolkit/toolkit.h"

class QEventLoop;
class QPrinter;

namespace varnholt::desktop {

/// PlatformServices on Qt. It also watches the windows, so that a modal
/// dialog's event loop ends as soon as its window is hidden or unloaded.
class QtPlatform : public ui::PlatformServices, public ui::WindowObserver {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  /// The window that message boxes and file dialogs belong to when no
  /// modal dialog is open (the main window).
  void SetDialogParent(QWidget* parent) { parent_ = parent; }

  ui::MsgResult MessageBox(const ui::MessageBoxRequest& request) override;
  void Beep() override;
  /// Runs a nested event loop until the window is hidden or unloaded. The
  /// front end has already shown the window as a modal Qt dialog.
  void RunModal(ui::Window& window) override;
  std::optional<std::string> OpenFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<ui::PrinterChoice> PrinterDialog() override;

  /// The printer chosen in the last printer dialog (the default printer
  /// before the first one).
  QPrinter& printer();

  /// Number of modal loops running (for tests and for the front end).
  int ModalDepth() const { return static_cast<int>(loops_.size()); }

  void WindowHidden(ui::Window& window) override;
  void WindowUnloading(ui::Window& window) override;

 private:
  struct ModalLoop {
    ui::Window* window;
    QEventLoop* loop;
  };
  void EndLoopOf(ui::Window& window);
  QWidget* DialogParent() const;

  QPointer<QWidget> parent_;
  std::vector<ModalLoop> loops_;
  std::unique_ptr<QPrinter> printer_;
};

/// "Varnholt(.vrh)|*.vrh|All|*.*" as a Qt name filter list.
QString QtFileFilter(const std::string& filter);

}  // namespace varnholt::desktop
