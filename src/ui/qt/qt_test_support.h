#pragma once
// Helpers for the Qt tests: answering message boxes and acting inside modal
// dialogs while the program waits in them, and finding the widgets of a
// window's controls. Only the tests include this.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>

#include "ui/qt/desktop_program.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/text_offsets.h"
#include "ui/qt/window_view.h"

namespace varnholt::desktop::testing {

/// Settings and recovery files of a test's own, never the user's.
class ScratchSession {
 public:
  SessionPaths paths() const {
    SessionPaths p;
    p.settings_file = dir_.filePath("varnholt.conf");
    p.recovery_folder = dir_.filePath("recovery").toStdString();
    p.template_file = dir_.filePath("templates/template.vrh").toStdString();
    return p;
  }

 private:
  QTemporaryDir dir_;
};

/// Drops the offscreen platform's notes about window features it does not
/// have (raise, keyboard grabs, size hints), which say nothing about the
/// program. Call it from initTestCase, after QTest has its own handler.
inline void QuietOffscreenNotes() {
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith("This plugin does not support")) return;
        if (previous != nullptr) previous(type, context, message);
      });
}

/// Steps run, one each, on the modal windows that appear: a message box is
/// read and answered, a dialog is acted in. A step waits until the modal
/// window it expects is the active one.
class ModalScript : public QObject {
 public:
  using DialogStep = std::function<void(QWidget& dialog)>;

  ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

  /// Expects a message box; records its title and text and presses the
  /// button with this role (Ok, Yes, No, Cancel).
  /// `look`, when given, sees the box before it is answered.
  void Answer(QMessageBox::StandardButton button = QMessageBox::Ok,
              std::function<void(QMessageBox&)> look = {}) {
    steps_.push_back({"", [this, button, look](QWidget& w) {
                        auto& box = static_cast<QMessageBox&>(w);
                        titles.push_back(box.windowTitle().toStdString());
                        texts.push_back(box.text().toStdString());
                        if (look) look(box);
                        if (QAbstractButton* b = box.button(button)) b->click();
                      }});
  }
  /// Expects the dialog frame of a window and runs the step in it.
  void InDialog(const std::string& window, DialogStep step) {
    steps_.push_back({window, std::move(step)});
  }
  /// Expects one of the platform's standard dialogs (a file dialog) of
  /// this Qt class and runs the step in it.
  void InStandardDialog(const char* class_name, DialogStep step) {
    steps_.push_back({std::string("class:") + class_name, std::move(step)});
  }
  bool Done() const { return steps_.empty(); }

  std::vector<std::string> titles;
  std::vector<std::string> texts;

 private:
  struct Step {
    std::string window;  // empty: a message box
    DialogStep run;
  };

  void Poll() {
    if (steps_.empty()) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    const Step& next = steps_.front();
    const bool box = qobject_cast<QMessageBox*>(modal) != nullptr;
    if (next.window.rfind("class:", 0) == 0) {
      if (!modal->inherits(next.window.substr(6).c_str())) return;
    } else if (next.window.empty() ? !box
                                   : modal->objectName().toStdString() != next.window + "_frame") {
      return;
    }
    // Taken off the list before it runs: a step that opens another modal
    // window waits in it while the next step handles that one.
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step.run(*modal);
  }

  QTimer timer_;
  std::deque<Step> steps_;
};

/// Answers a message box with buttons of the program's own words.
inline void AnswerWith(ModalScript& script, const char* button) {
  script.Answer(QMessageBox::NoButton, [button](QMessageBox& box) {
    for (QAbstractButton* b : box.buttons()) {
      if (b->text() == QString::fromUtf8(button)) b->click();
    }
  });
}

/// The widget of a control of a shown window, cast to its class.
template <typename W>
W* Widget(DesktopProgram& p, const std::string& window, const std::string& control) {
  WindowView* view = p.window().ViewOf(window);
  if (view == nullptr) return nullptr;
  return qobject_cast<W*>(view->WidgetOf(control));
}

/// Types a text into a widget key by key; characters beyond ASCII arrive as
/// the keyboard layout delivers them, as key events carrying the text.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, ch.toLatin1());
    } else {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(widget, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(widget, &release);
    }
  }
}

/// Clicks into a box and types the text as a user would.
inline void TypeInto(QLineEdit* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  TypeText(edit, text);
}

/// Waits (processing events) until the condition holds or a second passed.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 2000) {
  return QTest::qWaitFor(condition, ms);
}

// The wall the desktop tests type in: b 0.5, B 2.0, f 0.3, h 3.0, embedment
// 0.5, crest 0.3 above the back ground, q 10; γc 23, γ 18, φ 30°, δ 20°,
// μ 0.5, fe 150, C 0, φB 30°, KA entered as 0.297.
struct Entry {
  const char* window;
  const char* box;
  const char* text;
};
inline constexpr Entry kDesign[] = {
    {"Form2", "txt1", "横浜市青葉区"}, {"Form2", "txt2", "18"},
    {"Form2", "txt3", "150"},          {"Form2", "txt4", "18"},
    {"Form2", "txt5", "23"},           {"Form2", "txt6", "30"},
    {"Form2", "txt7", "20"},           {"Form2", "txt9", "30"},
    {"Form2", "txt10", "0.5"},         {"Form3", "txt1", "3"},
    {"Form3", "txt2", "W-1"},          {"Form3", "txt8", "0.3"},
    {"Form3", "txt6", "0.5"},          {"Form3", "txt9", "10"},
    {"Form3", "txt5", "0.3"},          {"Form3", "txt3", "3.0"},
    {"Form3", "txt4", "0.5"},          {"Form3", "txt7", "2.0"},
};

}  // namespace varnholt::desktop::testing
