#pragma once
// The line edit of a text box or of a combo box's edit field. The window
// logic owns the text: every change the user makes (typing, deleting,
// pasting, text committed by the input method, undo) is sent to it as the
// key presses that make it, so the key-press handlers run and may swallow a
// key, and the widget then shows what the window logic holds.

#include <QLineEdit>
#include <memory>
#include <string>

#include "ui/qt/view_state.h"

namespace varnholt::desktop {

/// A QLineEdit bound to one text box or combo box of a window.
class ModelLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  /// `clicks` is false for a combo box, whose click event means a choice
  /// from its list, not a click in its edit field.
  ModelLineEdit(std::shared_ptr<ViewState> state, std::string control, bool clicks,
                QWidget* parent = nullptr);

  /// Shows the control's text and selection.
  void ShowModel(const ui::Control& control);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  ui::Control* control() const { return state_->Find(name_); }
  /// Sends the widget's caret and selection to the control, when both hold
  /// the same text.
  void PushSelection();
  /// Sends a change of the text made in the widget as key presses.
  void RouteEdit(const QString& edited);

  std::shared_ptr<ViewState> state_;
  std::string name_;
  bool clicks_;
  int quiet_ = 0;                    // suppresses PushSelection
  int own_change_ = 0;               // this widget is changing its control
  bool skip_release_click_ = false;  // the release that ends a double click
  bool composing_ = false;           // an input-method composition is open
};

}  // namespace varnholt::desktop
