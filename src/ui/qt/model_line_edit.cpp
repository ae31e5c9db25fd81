#include "ui/qt/model_line_edit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {
namespace {

// The widget's caret and selection as a range of Qt indexes.
std::pair<int, int> WidgetSelection(const QLineEdit& edit) {
  if (edit.hasSelectedText()) return {edit.selectionStart(), edit.selectionEnd()};
  return {edit.cursorPosition(), edit.cursorPosition()};
}

// The control's caret and selection as a range of Qt indexes.
std::pair<int, int> ModelSelection(const ui::Control& c) {
  const int start = QtIndexOfUtf8Offset(c.Text(), c.SelStart());
  const int end = QtIndexOfUtf8Offset(c.Text(), c.SelStart() + c.SelLength());
  return {start, std::max(start, end)};
}

// Counts a widget's own changes of its control for as long as it lives.
class Counter {
 public:
  explicit Counter(int& n) : n_(n) { ++n_; }
  ~Counter() { --n_; }
  Counter(const Counter&) = delete;
  Counter& operator=(const Counter&) = delete;

 private:
  int& n_;
};

}  // namespace

ModelLineEdit::ModelLineEdit(std::shared_ptr<ViewState> state, std::string control, bool clicks,
                             QWidget* parent)
    : QLineEdit(parent), state_(std::move(state)), name_(std::move(control)), clicks_(clicks) {
  connect(this, &QLineEdit::textEdited, this, &ModelLineEdit::RouteEdit);
  connect(this, &QLineEdit::cursorPositionChanged, this, [this] { PushSelection(); });
  connect(this, &QLineEdit::selectionChanged, this, [this] { PushSelection(); });
}

void ModelLineEdit::ShowModel(const ui::Control& control) {
  if (own_change_ > 0) return;
  Counter quiet(quiet_);
  const QString text = ToQ(control.Text());
  if (this->text() != text) setText(text);
  if (composing_) return;  // moving the caret would break the composition
  const auto [start, end] = ModelSelection(control);
  if (WidgetSelection(*this) == std::make_pair(start, end)) return;
  if (end > start) {
    setSelection(start, end - start);
  } else {
    setCursorPosition(start);
  }
}

void ModelLineEdit::PushSelection() {
  if (quiet_ > 0 || own_change_ > 0 || composing_ || state_->Quiet()) return;
  ui::Control* c = control();
  if (c == nullptr) return;
  const QString text = this->text();
  if (ToQ(c->Text()) != text) return;  // an edit is on its way to the control
  const auto [start, end] = WidgetSelection(*this);
  const int byte_start = Utf8OffsetOfQtIndex(text, start);
  const int byte_length = Utf8OffsetOfQtIndex(text, end) - byte_start;
  if (c->SelStart() == byte_start && c->SelLength() == byte_length) return;
  Counter own(own_change_);
  c->SetSelStart(byte_start);
  if ((c = control()) != nullptr) c->SetSelLength(byte_length);
}

void ModelLineEdit::RouteEdit(const QString& edited) {
  ui::Control* c = control();
  if (c == nullptr) return;
  const QString old = ToQ(c->Text());
  if (old == edited) return;

  // Typing, pasting and committed input replace the selection; check that
  // first, so that "aa" with a third "a" typed in the middle keeps its caret.
  // Anything else (an undo, a word deleted) is found by its common prefix
  // and suffix.
  const auto [sel_start, sel_end] = ModelSelection(*c);
  const QString before = old.left(sel_start);
  const QString after = old.mid(sel_end);
  qsizetype prefix = 0;
  qsizetype removed = 0;
  if (edited.size() >= before.size() + after.size() && edited.startsWith(before) &&
      edited.endsWith(after)) {
    prefix = sel_start;
    removed = sel_end - sel_start;
  } else {
    const qsizetype shorter = std::min(old.size(), edited.size());
    while (prefix < shorter && old[prefix] == edited[prefix]) ++prefix;
    if (prefix > 0 && old[prefix - 1].isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           old[old.size() - 1 - suffix] == edited[edited.size() - 1 - suffix]) {
      ++suffix;
    }
    removed = old.size() - prefix - suffix;
  }
  const QString inserted = edited.mid(prefix, edited.size() - (old.size() - removed));

  {
    Counter own(own_change_);
    // Select what the edit replaced, then type over it: a deletion is a
    // backspace over the selection, an insertion one key per character.
    const int byte_start = Utf8OffsetOfQtIndex(old, static_cast<int>(prefix));
    c->SetSelStart(byte_start);
    if ((c = control()) == nullptr) return;
    c->SetSelLength(Utf8OffsetOfQtIndex(old, static_cast<int>(prefix + removed)) - byte_start);
    if (inserted.isEmpty()) {
      if ((c = control()) != nullptr && removed > 0) c->TypeKey(8);
    } else {
      for (const char32_t ch : inserted.toUcs4()) {
        if (ch < 0x20 || ch == 0x7F) continue;  // line breaks from the clipboard and the like
        if ((c = control()) == nullptr) return;
        c->TypeKey(static_cast<int>(ch));
      }
    }
  }
  // The key-press handlers may have swallowed keys: then show the
  // control's text. Otherwise the widget's caret is the user's.
  if ((c = control()) == nullptr) return;
  if (ToQ(c->Text()) == text()) {
    PushSelection();
  } else {
    ShowModel(*c);
  }
}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter never edits a box; its key-press handler moves the focus.
    PushSelection();
    if (ui::Control* c = control()) c->TypeKey(ui::kKeyEnter);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void ModelLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  composing_ = !event->preeditString().isEmpty();
  QLineEdit::inputMethodEvent(event);
  if (!composing_) PushSelection();
}

void ModelLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (skip_release_click_) {
    skip_release_click_ = false;
    return;
  }
  if (!clicks_ || event->button() != Qt::LeftButton ||
      !rect().contains(event->position().toPoint())) {
    return;
  }
  PushSelection();
  if (ui::Control* c = control()) c->Click();
}

void ModelLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  skip_release_click_ = true;
  if (!clicks_ || event->button() != Qt::LeftButton) return;
  PushSelection();
  if (ui::Control* c = control()) c->DblClick();
}

void ModelLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (state_->Quiet()) return;
  ui::Control* c = control();
  if (c == nullptr) return;
  ui::WindowSystem& system = c->window().system();
  if (system.Focused() != c) system.SetFocus(*c);
}

void ModelLineEdit::focusOutEvent(QFocusEvent* event) {
  // Qt drops the selection when the focus leaves; the control keeps it.
  Counter quiet(quiet_);
  QLineEdit::focusOutEvent(event);
}

}  // namespace varnholt::desktop
