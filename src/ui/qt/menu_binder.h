#pragma once
// A window's menu items and toolbar buttons as QActions in a menu bar and a
// toolbar. A toolbar button shares the action of the menu item with the same
// command name, so the two always show the same state.

#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "ui/qt/view_state.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace varnholt::desktop {

/// Builds and mirrors the menus and toolbar of one window. An action shared
/// by a menu item and a toolbar button shows the state the window logic last
/// set on either, and a click on it (from the menu or the toolbar) is a click
/// on that control: both carry the same command, and the one shown enabled
/// is the one that runs. A menu title is clicked when its menu opens.
class MenuBinder : public QObject {
  Q_OBJECT

 public:
  /// `toolbar` may be null for a window without toolbar buttons.
  MenuBinder(std::shared_ptr<ViewState> state, QMenuBar* bar, QToolBar* toolbar,
             QObject* parent = nullptr);

  /// Creates the menus, actions and toolbar buttons of the window.
  void Build(const ui::Window& window);
  /// Mirrors a changed menu item or toolbar button; false for any other control.
  bool Sync(const ui::Control& control);
  /// The action of a menu item or toolbar button (a menu's own action for a
  /// menu title); null when there is none.
  QAction* ActionOf(const std::string& control) const;
  /// The drop-down menu of a menu title; null for other controls.
  QMenu* MenuOf(const std::string& control) const;

  /// A menu caption without its accelerator: "新規作成(&N)" gives "新規作成".
  static QString CommandName(const QString& caption);

 private:
  void Click(QAction* action);

  std::shared_ptr<ViewState> state_;
  QMenuBar* bar_;
  QToolBar* toolbar_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  // The menu item of each menu action, and the control each action
  // currently acts as.
  std::map<QAction*, std::string> menu_items_;
  std::map<QAction*, std::string> owner_;
};

}  // namespace varnholt::desktop
