// The generic window view and the platform services on their own: a window
// made for the test with every kind of control, shown by a WindowView, kept
// in step with the window logic in both directions; twips, caret offsets,
// message boxes, file filters.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/text_offsets.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_view.h"

namespace varnholt::desktop {
namespace {

using testing::ModalScript;
using ui::ControlKind;

QString Q(const char* s) { return QString::fromUtf8(s); }

// A window with one control of every kind, and handlers that record what
// reached them.
struct Log {
  std::vector<std::string> events;
};

void DefineSample(ui::Window& w, Log& log) {
  w.SetCaption("見本");
  w.width = 6000;
  w.height = 4000;
  auto& box = w.Add("txt1", ControlKind::kTextBox);
  box.left = 120;
  box.top = 120;
  box.width = 1200;
  box.height = 270;
  box.on_keypress = [&log, &w](int& key) {
    log.events.push_back("key " + std::to_string(key));
    if (key == 'x') key = 0;  // swallowed
    if (key == ui::kKeyEnter) w.system().SetFocus(w["txt2"]);
  };
  box.on_gotfocus = [&log, &box] {
    log.events.push_back("gotfocus txt1");
    box.SelectAll();
  };
  box.on_click = [&log] { log.events.push_back("click txt1"); };
  box.on_dblclick = [&log] { log.events.push_back("dblclick txt1"); };
  auto& box2 = w.Add("txt2", ControlKind::kTextBox);
  box2.left = 120;
  box2.top = 480;
  box2.width = 1200;
  box2.height = 270;
  auto& combo = w.Add("cbo1", ControlKind::kComboBox);
  combo.left = 1500;
  combo.top = 120;
  combo.width = 1500;
  for (const char* s : {"岩", "砂利", "砂質土"}) combo.AddItem(s);
  combo.on_click = [&log, &combo] { log.events.push_back("click cbo1 " + combo.Text()); };
  auto& frame = w.Add("Frame1", ControlKind::kFrame);
  frame.SetCaption("形状");
  frame.left = 120;
  frame.top = 900;
  frame.width = 3000;
  frame.height = 600;
  for (int i = 0; i < 2; ++i) {
    auto& o = w.Add("optA" + std::to_string(i), ControlKind::kOption, "Frame1");
    o.SetCaption(i == 0 ? "水平" : "一様斜面");
    o.left = 120 + 1200 * i;
    o.top = 240;
    o.height = 255;
    o.on_click = [&log, i] { log.events.push_back("click optA" + std::to_string(i)); };
  }
  for (int i = 0; i < 2; ++i) {
    auto& o = w.Add("optB" + std::to_string(i), ControlKind::kOption);
    o.SetCaption(i == 0 ? "常時" : "地震時");
    o.left = 120 + 1200 * i;
    o.top = 1620;
    o.height = 255;
  }
  w["optA0"].SetValue(true);
  auto& check = w.Add("chk1", ControlKind::kCheckBox);
  check.SetCaption("考慮する");
  check.left = 120;
  check.top = 1980;
  check.height = 255;
  auto& label = w.Add("lbl1", ControlKind::kLabel);
  label.SetCaption("F =");
  label.left = 3300;
  label.top = 1980;
  label.width = 900;
  label.alignment = ui::Alignment::kRight;
  auto& button = w.Add("cmd1", ControlKind::kButton);
  button.SetCaption("計算");
  button.left = 3300;
  button.top = 2400;
  button.width = 1200;
  button.height = 315;
  button.SetBackColor(0xC0FFC0);
  button.on_click = [&log] { log.events.push_back("click cmd1"); };
  auto& line = w.Add("Line1", ControlKind::kLine);
  line.x1 = 120;
  line.y1 = 3000;
  line.x2 = 3000;
  line.y2 = 3000;
  auto& bar = w.Add("HScroll1", ControlKind::kScrollBar);
  bar.left = 120;
  bar.top = 3300;
  bar.width = 3000;
  bar.height = 255;
  bar.scroll_max = 50;
  bar.on_change = [&log, &bar] {
    log.events.push_back("scroll " + std::to_string(bar.ScrollValue()));
  };
  auto& menu = w.Add("Men_P", ControlKind::kMenuItem);
  menu.SetCaption("頁(&P)");
  auto& next = w.Add("Men_Nex", ControlKind::kMenuItem, "Men_P");
  next.SetCaption("次のﾍﾟｰｼﾞ");
  next.on_click = [&log] { log.events.push_back("click Men_Nex"); };
  auto& close = w.Add("Men_Cls", ControlKind::kMenuItem);
  close.SetCaption("閉じる");
  close.on_click = [&log] { log.events.push_back("click Men_Cls"); };
}

}  // namespace

class ViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<ui::WindowSystem> system_;
  Log log_;
  std::unique_ptr<WindowView> view_;
  TwipScale scale_{96};

  ui::Window& W() { return system_->Get("Sample"); }
  template <typename T>
  T* Get(const char* name) {
    return qobject_cast<T*>(view_->WidgetOf(name));
  }

  // Mirrors the model's notifications into the view, as the main window does.
  struct Mirror : ui::WindowObserver {
    WindowView* view = nullptr;
    void ControlChanged(ui::Control& c) override {
      if (view != nullptr) view->SyncControl(c);
    }
    void FocusChanged(ui::Control& c) override {
      if (view != nullptr) view->FocusControl(c);
    }
    void WindowChanged(ui::Window&) override {
      if (view != nullptr) view->SyncWindow();
    }
  } mirror_;

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    platform_ = std::make_unique<QtPlatform>();
    system_ = std::make_unique<ui::WindowSystem>(*platform_);
    log_ = {};
    system_->Register("Sample", [this](ui::Window& w) { DefineSample(w, log_); });
    system_->AddObserver(&mirror_);
    view_ = std::make_unique<WindowView>(W(), scale_);
    mirror_.view = view_.get();
    view_->show();
    view_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }
  void cleanup() {
    mirror_.view = nullptr;
    view_.reset();
    system_.reset();
    platform_.reset();
  }

  void controlsSitAtTheirTwipPositions() {
    QCOMPARE(Get<QLineEdit>("txt1")->geometry(), scale_.Rect(120, 120, 1200, 270));
    QCOMPARE(Get<QGroupBox>("Frame1")->title(), Q("形状"));
    // Options in a frame are placed relative to the frame.
    QCOMPARE(Get<QRadioButton>("optA1")->parentWidget(), Get<QGroupBox>("Frame1"));
    QCOMPARE(Get<QRadioButton>("optA1")->pos(), scale_.Point(1320, 240));
    QCOMPARE(Get<QLabel>("lbl1")->geometry().width(), scale_.Px(900));
    QVERIFY(Get<QLabel>("lbl1")->alignment() & Qt::AlignRight);
    QCOMPARE(Get<QScrollBar>("HScroll1")->orientation(), Qt::Horizontal);
    QCOMPARE(Get<QScrollBar>("HScroll1")->maximum(), 50);
    QVERIFY(view_->WidgetOf("Line1") == nullptr);  // drawn, not placed
    // The window is at least its design size less the classic frame.
    QVERIFY(view_->width() >= scale_.Px(6000 - 120));
    // Twice the DPI, twice the pixels.
    TwipScale big(192);
    QCOMPARE(big.Rect(120, 120, 1200, 270), QRect(16, 16, 160, 36));
  }

  void changesOfTheLogicShowAtOnce() {
    ui::Window& w = W();
    w["txt1"].SetText("横浜");
    QCOMPARE(Get<QLineEdit>("txt1")->text(), Q("横浜"));
    w["txt1"].SetSelStart(3);  // bytes: after the first character
    w["txt1"].SetSelLength(3);
    QCOMPARE(Get<QLineEdit>("txt1")->selectionStart(), 1);
    QCOMPARE(Get<QLineEdit>("txt1")->selectedText(), Q("浜"));
    w["txt1"].SetBorderStyle(0);
    QVERIFY(!Get<QLineEdit>("txt1")->hasFrame());
    w["txt1"].SetEnabled(false);
    QVERIFY(!Get<QLineEdit>("txt1")->isEnabled());
    w["lbl1"].SetCaption("σmax=");
    w["lbl1"].SetForeColor(ui::kLightMagenta);
    QCOMPARE(Get<QLabel>("lbl1")->text(), Q("σmax="));
    QCOMPARE(Get<QLabel>("lbl1")->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    // A disabled label still greys out.
    w["lbl1"].SetEnabled(false);
    QVERIFY(Get<QLabel>("lbl1")->palette().color(QPalette::Disabled, QPalette::WindowText) !=
            QColor(255, 0, 255));
    w["cmd1"].SetVisible(false);
    QVERIFY(!Get<QPushButton>("cmd1")->isVisible());
    QCOMPARE(Get<QPushButton>("cmd1")->palette().color(QPalette::Button), QColor(192, 255, 192));
    w["optB1"].SetValue(true);
    QVERIFY(Get<QRadioButton>("optB1")->isChecked());
    QVERIFY(Get<QRadioButton>("optA0")->isChecked());  // another group
    w["chk1"].SetCheckValue(1);
    QVERIFY(Get<QCheckBox>("chk1")->isChecked());
    w["cbo1"].ClearItems();
    w["cbo1"].AddItem("岩盤");
    QCOMPARE(Get<QComboBox>("cbo1")->count(), 1);
    QCOMPARE(Get<QComboBox>("cbo1")->itemText(0), Q("岩盤"));
    w["HScroll1"].SetScrollValue(20);
    QCOMPARE(Get<QScrollBar>("HScroll1")->value(), 20);
    w["Men_Nex"].SetEnabled(false);
    QVERIFY(!view_->menus()->ActionOf("Men_Nex")->isEnabled());
    w["Men_Cls"].SetCaption("閉");
    QCOMPARE(view_->menus()->ActionOf("Men_Cls")->text(), Q("閉"));
    // Focus given by the logic moves the keyboard focus; no widget reports
    // it back as a user's move.
    system_->SetFocus(w["txt2"]);
    QVERIFY(QTest::qWaitFor([this] { return Get<QLineEdit>("txt2")->hasFocus(); }));
    QCOMPARE(system_->Focused(), &w["txt2"]);
  }

  void whatTheUserDoesReachesTheLogic() {
    ui::Window& w = W();
    QLineEdit* box = Get<QLineEdit>("txt1");
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(system_->Focused(), &w["txt1"]);
    QVERIFY(std::count(log_.events.begin(), log_.events.end(), "gotfocus txt1") == 1);
    QCOMPARE(log_.events.back(), std::string("click txt1"));
    log_.events.clear();
    QTest::keyClicks(box, "a1x2");
    // Each key ran the handler first; the swallowed one never arrived.
    QCOMPARE(log_.events, (std::vector<std::string>{"key 97", "key 49", "key 120", "key 50"}));
    QCOMPARE(w["txt1"].Text(), std::string("a12"));
    QCOMPARE(box->text(), Q("a12"));
    QCOMPARE(box->cursorPosition(), 3);
    // Typing over a selection replaces it; the caret stays where typing was.
    box->setSelection(1, 1);
    QCOMPARE(w["txt1"].SelStart(), 1);
    QCOMPARE(w["txt1"].SelLength(), 1);
    QTest::keyClicks(box, "aa");
    QCOMPARE(w["txt1"].Text(), std::string("aaa2"));
    QCOMPARE(box->cursorPosition(), 3);
    // Enter is swallowed and moves the focus where the handler says.
    log_.events.clear();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(log_.events, std::vector<std::string>{"key 13"});
    QCOMPARE(w["txt1"].Text(), std::string("aaa2"));
    QVERIFY(QTest::qWaitFor([this] { return Get<QLineEdit>("txt2")->hasFocus(); }));
    // Undo in the box is an edit like any other, with its keys.
    log_.events.clear();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w["txt1"].Text(), box->text().toStdString());
    // A double click.
    log_.events.clear();
    QTest::mouseDClick(box, Qt::LeftButton);
    QVERIFY(std::count(log_.events.begin(), log_.events.end(), "dblclick txt1") == 1);
    // Options: clicking the selected one keeps it, another one moves the group.
    QTest::mouseClick(Get<QRadioButton>("optA0"), Qt::LeftButton);
    QVERIFY(Get<QRadioButton>("optA0")->isChecked());
    QTest::mouseClick(Get<QRadioButton>("optA1"), Qt::LeftButton);
    QVERIFY(w["optA1"].Value());
    QVERIFY(!Get<QRadioButton>("optA0")->isChecked());
    // Check box, button, combo list, scroll bar, menu.
    QTest::mouseClick(Get<QCheckBox>("chk1"), Qt::LeftButton);
    QCOMPARE(w["chk1"].CheckValue(), 1);
    QTest::mouseClick(Get<QPushButton>("cmd1"), Qt::LeftButton);
    QCOMPARE(log_.events.back(), std::string("click cmd1"));
    Get<QPushButton>("cmd1")->setFocus();
    QTest::keyClick(Get<QPushButton>("cmd1"), Qt::Key_Return);
    QCOMPARE(std::count(log_.events.begin(), log_.events.end(), "click cmd1"), 2);
    auto* combo = Get<QComboBox>("cbo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(w["cbo1"].Text(), std::string("岩"));
    QCOMPARE(log_.events.back(), std::string("click cbo1 岩"));
    Get<QScrollBar>("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(w["HScroll1"].ScrollValue(), 1);
    view_->menus()->ActionOf("Men_Cls")->trigger();
    QCOMPARE(log_.events.back(), std::string("click Men_Cls"));
    view_->menus()->ActionOf("Men_Nex")->trigger();
    QCOMPARE(log_.events.back(), std::string("click Men_Nex"));
  }

  void inputMethodTextArrivesAsKeys() {
    ui::Window& w = W();
    QLineEdit* box = Get<QLineEdit>("txt1");
    box->setFocus();
    w["txt1"].SetText("市");
    w["txt1"].SelectAll();
    log_.events.clear();
    // Composition: the selected text goes, the preedit is not yet text.
    QInputMethodEvent preedit(Q("よこはま"), {});
    QApplication::sendEvent(box, &preedit);
    QCOMPARE(w["txt1"].Text(), std::string());
    QInputMethodEvent commit;
    commit.setCommitString(Q("横浜"));
    QApplication::sendEvent(box, &commit);
    QCOMPARE(w["txt1"].Text(), std::string("横浜"));
    QCOMPARE(log_.events, (std::vector<std::string>{"key 8", "key 27178", "key 27996"}));
    QCOMPARE(w["txt1"].SelStart(), 6);
  }

  void windowGoneMeansHandsOff() {
    // After the window is unloaded, its widgets may still get events until
    // they are deleted; none may reach the logic.
    QTest::mouseClick(Get<QPushButton>("cmd1"), Qt::LeftButton);
    const size_t before = log_.events.size();
    QVERIFY(before > 0);
    view_->Detach();
    system_->Unload("Sample");
    QTest::mouseClick(Get<QPushButton>("cmd1"), Qt::LeftButton);
    QTest::keyClicks(Get<QLineEdit>("txt1"), "abc");
    QTest::mouseClick(Get<QRadioButton>("optA1"), Qt::LeftButton);
    QCOMPARE(log_.events.size(), before);
  }

  void caretOffsetsBetweenBytesAndCharacters() {
    const std::string text = "a横𝄞b";  // 1 + 3 + 4 + 1 bytes; 𝄞 is two UTF-16 units
    QCOMPARE(QtIndexOfUtf8Offset(text, 0), 0);
    QCOMPARE(QtIndexOfUtf8Offset(text, 1), 1);
    QCOMPARE(QtIndexOfUtf8Offset(text, 3), 1);  // inside 横: its start
    QCOMPARE(QtIndexOfUtf8Offset(text, 4), 2);
    QCOMPARE(QtIndexOfUtf8Offset(text, 8), 4);
    QCOMPARE(QtIndexOfUtf8Offset(text, 9), 5);
    QCOMPARE(QtIndexOfUtf8Offset(text, 99), 5);
    QCOMPARE(QtIndexOfUtf8Offset(text, -3), 0);
    const QString q = ToQ(text);
    QCOMPARE(Utf8OffsetOfQtIndex(q, 2), 4);
    QCOMPARE(Utf8OffsetOfQtIndex(q, 3), 4);  // inside the pair: its start
    QCOMPARE(Utf8OffsetOfQtIndex(q, 4), 8);
    QCOMPARE(Utf8OffsetOfQtIndex(q, 40), 9);
  }

  void messageBoxesAsAsked() {
    struct Case {
      ui::MsgButtons buttons;
      int default_button;
      QMessageBox::StandardButton press;
      ui::MsgResult expected;
      QMessageBox::StandardButton expected_default;
    };
    const Case cases[] = {
        {ui::MsgButtons::kOk, 1, QMessageBox::Ok, ui::MsgResult::kOk, QMessageBox::Ok},
        {ui::MsgButtons::kOkCancel, 2, QMessageBox::Cancel, ui::MsgResult::kCancel,
         QMessageBox::Cancel},
        {ui::MsgButtons::kOkCancel, 1, QMessageBox::Ok, ui::MsgResult::kOk, QMessageBox::Ok},
        {ui::MsgButtons::kYesNo, 2, QMessageBox::No, ui::MsgResult::kNo, QMessageBox::No},
        {ui::MsgButtons::kYesNo, 1, QMessageBox::Yes, ui::MsgResult::kYes, QMessageBox::Yes},
    };
    for (const Case& c : cases) {
      ModalScript script;
      QMessageBox::StandardButton default_seen = QMessageBox::NoButton;
      QMessageBox::Icon icon_seen = QMessageBox::NoIcon;
      script.Answer(c.press, [&](QMessageBox& box) {
        default_seen = box.standardButton(box.defaultButton());
        icon_seen = box.icon();
      });
      const ui::MsgResult r = ui::MsgBox(*platform_, "終了してもよろしいですか？", c.buttons,
                                         ui::MsgIcon::kQuestion, c.default_button, "確認");
      QVERIFY(script.Done());
      QCOMPARE(r, c.expected);
      QCOMPARE(default_seen, c.expected_default);
      QCOMPARE(icon_seen, QMessageBox::Question);
      QCOMPARE(script.titles, std::vector<std::string>{"確認"});
    }
    // Without a title, the program's name.
    ModalScript script;
    script.Answer();
    ui::MsgBox(*platform_, "x", ui::MsgButtons::kOk, ui::MsgIcon::kStop, 1, "");
    QCOMPARE(script.titles, std::vector<std::string>{"Varnholt"});
  }

  void fileFiltersInQtForm() {
    QCOMPARE(QtFileFilter("Varnholt(.vrh)|*.vrh"), Q("Varnholt(.vrh) (*.vrh)"));
    QCOMPARE(QtFileFilter("Varnholt(.vrh)|*.vrh|すべて|*.*"),
             Q("Varnholt(.vrh) (*.vrh);;すべて (*.*)"));
    QCOMPARE(QtFileFilter("Text|*.txt;*.log"), Q("Text (*.txt *.log)"));
    QCOMPARE(QtFileFilter(""), QString());
    QCOMPARE(MenuBinder::CommandName(Q("新規作成(&N)")), Q("新規作成"));
    QCOMPARE(MenuBinder::CommandName(Q("印刷ｲﾒｰｼﾞ(&I)")), Q("印刷ｲﾒｰｼﾞ"));
    QCOMPARE(MenuBinder::CommandName(Q("&Open")), Q("Open"));
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::ViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "view_test.moc"
