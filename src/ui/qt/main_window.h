#pragma once
// The desktop main window: the program's main window (MDIForm1) as a
// QMainWindow with its menus and toolbar, its child windows as MDI
// sub-windows and its dialogs as Qt dialogs, each shown by a WindowView.

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/qt/twips.h"
#include "ui/qt/view_state.h"

class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class MenuBinder;
class QtPlatform;
class WindowView;

/// Presents every window of the program and forwards what the user does.
class MainWindow : public QMainWindow, public ui::WindowObserver {
  Q_OBJECT

 public:
  MainWindow(forms::App& app, QtPlatform& platform, TwipScale scale);
  ~MainWindow() override;

  /// Loads the program's main window; its load handler shows it.
  void Start();
  /// Ends the program at once: every window closes without further events.
  void EndProgram();
  bool Ended() const { return ended_; }

  QMdiArea* mdiArea() const { return mdi_; }
  QToolBar* toolbar() const { return toolbar_; }
  MenuBinder* menus() const { return menus_; }
  /// The view of a shown (or hidden but presented) window; null otherwise.
  WindowView* ViewOf(const std::string& window) const;
  /// The top-level frame of a window: its sub-window or its dialog.
  QWidget* FrameOf(const std::string& window) const;
  const TwipScale& scale() const { return scale_; }
  /// The status bar's note of soil constants outside their practical range.
  QLabel* warningsLabel() const { return warnings_; }
  /// Where a child window was left in an earlier run, for its first
  /// showing; none: where the design puts it.
  std::function<std::optional<QPoint>(const std::string& window)> remembered_position;

 signals:
  /// The program has ended (through the exit confirmation or 終了).
  void ProgramEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // WindowObserver.
  void WindowLoaded(ui::Window& window) override;
  void WindowUnloading(ui::Window& window) override;
  void WindowShown(ui::Window& window) override;
  void WindowHidden(ui::Window& window) override;
  void WindowChanged(ui::Window& window) override;
  void WindowMoved(ui::Window& window) override;
  void ControlChanged(ui::Control& control) override;
  void FocusChanged(ui::Control& control) override;

  /// The frame of a window shown by a view.
  struct Presented {
    QPointer<WindowView> view;
    QPointer<QMdiSubWindow> child;
    QPointer<QDialog> dialog;
    /// Where the sub-window was last placed; a user who dragged it away
    /// keeps it where they put it.
    QPoint placed_at{-1, -1};
  };
  void BindMainWindow(ui::Window& window);
  void Present(ui::Window& window);
  void Discard(Presented& presented);
  void PlaceChild(Presented& presented);
  /// Places again the sub-windows the user has not moved.
  void Arrange();
  void GrowToShow(const QMdiSubWindow* child);
  void PlaceSummary(Presented& presented);

  /// Counts the changes of the windows being presented. Qt moves its focus
  /// when a window is shown, hidden or closed, or the focused control is
  /// hidden or disabled; such moves are not the user's and are not sent to
  /// the window logic at once. Once the change is complete, the control Qt
  /// left the focus on gets it in the logic too.
  class Presenting;
  void AdoptQtFocus();

  forms::App& app_;
  QtPlatform& platform_;
  TwipScale scale_;
  QMdiArea* mdi_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  MenuBinder* menus_ = nullptr;
  QLabel* warnings_ = nullptr;
  std::shared_ptr<ViewState> main_state_ = std::make_shared<ViewState>();
  std::map<std::string, Presented> presented_;
  bool ended_ = false;
  int presenting_ = 0;
  bool adopt_pending_ = false;
};

}  // namespace varnholt::desktop
