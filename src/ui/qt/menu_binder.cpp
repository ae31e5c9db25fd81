#include "ui/qt/menu_binder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "ui/qt/icons.h"
#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {

MenuBinder::MenuBinder(std::shared_ptr<ViewState> state, QMenuBar* bar, QToolBar* toolbar,
                       QObject* parent)
    : QObject(parent), state_(std::move(state)), bar_(bar), toolbar_(toolbar) {}

QString MenuBinder::CommandName(const QString& caption) {
  static const QRegularExpression accelerator(R"(\(&.\)$)");
  QString name = caption;
  name.remove(accelerator);
  name.remove('&');
  return name.trimmed();
}

void MenuBinder::Build(const ui::Window& window) {
  std::vector<const ui::Control*> items;
  std::vector<const ui::Control*> buttons;
  for (const auto& c : window.controls()) {
    if (c->kind() == ui::ControlKind::kMenuItem) items.push_back(c.get());
    if (c->kind() == ui::ControlKind::kToolButton) buttons.push_back(c.get());
  }
  auto has_children = [&items](const std::string& name) {
    return std::any_of(items.begin(), items.end(),
                       [&](const ui::Control* i) { return i->container() == name; });
  };
  // Menus are declared before their items, so one pass in declaration order
  // finds every parent already built.
  for (const ui::Control* item : items) {
    const QString caption = ToQ(item->Caption());
    QMenu* parent_menu = nullptr;
    if (!item->container().empty()) {
      auto it = menus_.find(item->container());
      if (it == menus_.end()) continue;  // an item of an unknown menu is not shown
      parent_menu = it->second;
    }
    QAction* action = nullptr;
    if (has_children(item->name())) {
      QMenu* menu = parent_menu != nullptr ? parent_menu->addMenu(caption) : bar_->addMenu(caption);
      menus_[item->name()] = menu;
      action = menu->menuAction();
      // The menu title's click runs before the menu drops down, so its
      // handler can enable and disable the items first.
      const std::string name = item->name();
      connect(menu, &QMenu::aboutToShow, this, [this, name] {
        if (ui::Control* c = state_->Find(name)) c->Click();
      });
    } else if (item->Caption() == "-") {
      action = parent_menu != nullptr ? parent_menu->addSeparator() : bar_->addSeparator();
    } else {
      action = parent_menu != nullptr ? parent_menu->addAction(caption) : bar_->addAction(caption);
      menu_items_[action] = item->name();
      owner_[action] = item->name();
      connect(action, &QAction::triggered, this, [this, action] { Click(action); });
    }
    actions_[item->name()] = action;
    action->setEnabled(item->Enabled());
    action->setVisible(item->Visible());
  }

  if (toolbar_ == nullptr) return;
  std::stable_sort(buttons.begin(), buttons.end(), [](const ui::Control* a, const ui::Control* b) {
    return a->tool_index < b->tool_index;
  });
  for (const ui::Control* button : buttons) {
    const QString caption = ToQ(button->Caption());
    if (caption.isEmpty()) {
      // A button without a command is the toolbar's separator.
      actions_[button->name()] = toolbar_->addSeparator();
      continue;
    }
    QAction* shared = nullptr;
    for (const auto& [action, control] : menu_items_) {
      const ui::Control* item = state_->Find(control);
      if (item != nullptr && CommandName(ToQ(item->Caption())) == CommandName(caption)) {
        shared = action;
      }
    }
    QAction* action = shared;
    if (action == nullptr) {
      action = new QAction(caption, this);
      connect(action, &QAction::triggered, this, [this, action] { Click(action); });
    }
    action->setIcon(ToolbarIcon(button->tool_index));
    action->setToolTip(caption);
    // At start the toolbar shows the state; a menu's items are set when it opens.
    action->setEnabled(button->Enabled());
    owner_[action] = button->name();
    toolbar_->addAction(action);
    actions_[button->name()] = action;
  }
}

bool MenuBinder::Sync(const ui::Control& control) {
  if (control.kind() != ui::ControlKind::kMenuItem &&
      control.kind() != ui::ControlKind::kToolButton) {
    return false;
  }
  QAction* action = ActionOf(control.name());
  if (action == nullptr) return true;
  // A shared action shows the state last set on either of its controls, and
  // acts as that control when triggered.
  action->setEnabled(control.Enabled());
  owner_[action] = control.name();
  if (control.kind() == ui::ControlKind::kMenuItem) {
    action->setVisible(control.Visible());
    if (!action->isSeparator()) {
      if (QMenu* menu = MenuOf(control.name())) {
        menu->setTitle(ToQ(control.Caption()));
      } else {
        action->setText(ToQ(control.Caption()));
      }
    }
  } else if (!control.Caption().empty()) {
    action->setToolTip(ToQ(control.Caption()));
  }
  return true;
}

QAction* MenuBinder::ActionOf(const std::string& control) const {
  auto it = actions_.find(control);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* MenuBinder::MenuOf(const std::string& control) const {
  auto it = menus_.find(control);
  return it == menus_.end() ? nullptr : it->second;
}

void MenuBinder::Click(QAction* action) {
  auto it = owner_.find(action);
  if (it == owner_.end()) return;
  if (ui::Control* c = state_->Find(it->second)) c->Click();
}

}  // namespace varnholt::desktop
