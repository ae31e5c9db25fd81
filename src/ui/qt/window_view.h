#pragma once
// One generic view for any window of the program: every control of the
// window as a widget at its twip position, frames as group boxes, line
// shapes and the run-time drawing painted on the window or frame that holds
// them, and a menu bar when the window has menu items. The view only
// presents; the window logic decides everything, and the view mirrors each
// change it is told about.

#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/qt/twips.h"
#include "ui/qt/view_state.h"

class QIcon;
class QMenuBar;
class QPainter;

namespace varnholt::desktop {

class MenuBinder;

/// The widgets of one loaded window.
class WindowView : public QWidget {
  Q_OBJECT

 public:
  WindowView(ui::Window& window, TwipScale scale, QWidget* parent = nullptr);
  ~WindowView() override;

  /// The window shown; null once it has been unloaded.
  ui::Window* window() const { return state_->window; }
  const std::string& name() const { return name_; }

  /// The window is being unloaded: from now on the view never touches it.
  void Detach();
  /// Mirrors one control's state (text, caption, value, selection,
  /// enabling, visibility, border, colours, list items).
  void SyncControl(const ui::Control& control);
  /// Mirrors the window's caption and run-time drawing.
  void SyncWindow();
  /// Gives the control's widget the keyboard focus.
  void FocusControl(const ui::Control& control);

  /// Shows an image in a picture control (the program icon of the version
  /// window); nothing for other controls.
  void ShowImage(const std::string& picture, const QIcon& image);

  /// The widget of a control; null for controls drawn rather than placed
  /// (lines) and for unknown names.
  QWidget* WidgetOf(const std::string& control) const;
  /// The menu bar, when the window has menu items.
  MenuBinder* menus() const { return menus_; }
  /// The client size the window needs: its design size, grown so that
  /// every control fits with a margin.
  QSize ClientSize() const { return client_size_; }

  /// The main window's count of changes it is presenting; while it is not
  /// zero, focus moves and other widget changes are not the user's.
  void SetPresentingCounter(const int* counter) { state_->presenting = counter; }
  /// The control whose widget is or holds this widget; null for none.
  ui::Control* ControlAt(QWidget* widget) const;

  /// Lets the window grow beyond its design size (a maximised preview
  /// page): the viewport takes the extra room, the vertical bar keeps to
  /// its right edge and the horizontal bar to its bottom edge.
  void SetGrowing(std::string viewport, std::string right_bar, std::string bottom_bar);

  /// Paints the line shapes of a container ("" for the window itself) and,
  /// for the window, its run-time drawing.
  void PaintLines(QPainter& painter, const std::string& container) const;

 signals:
  void CaptionChanged(const QString& caption);
  /// The client area grew to hold a control whose caption grew.
  void ClientSizeChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Growing {
    std::string viewport, right_bar, bottom_bar;
  };
  void Build();
  // The rectangle of a control at the window's present size.
  QRect Grown(const std::string& control, QRect r) const;
  QWidget* CreateWidget(const ui::Control& control, QWidget* parent);
  void Place(const ui::Control& control);
  void UpdateClientSize();
  QWidget* SurfaceOf(const std::string& container) const;

  std::shared_ptr<ViewState> state_;
  std::string name_;
  TwipScale scale_;
  QWidget* surface_ = nullptr;
  QMenuBar* menu_bar_ = nullptr;
  MenuBinder* menus_ = nullptr;
  std::map<std::string, QWidget*> widgets_;
  QSize client_size_;
  QSize surface_size_;  // the design's, without the room a grown window adds
  std::optional<Growing> growing_;
};

}  // namespace varnholt::desktop
