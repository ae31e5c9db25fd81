// The desktop program driven through its widgets, as a user drives it:
// menus and toolbar, a new design typed in, the calculation and its summary,
// switching standard and ground shape, text boxes, closing the program.

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "ui/forms/windows.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_test_support.h"

namespace varnholt::desktop {
namespace {

using testing::Entry;
using testing::kDesign;
using testing::ModalScript;
using testing::TypeInto;
using testing::WaitFor;
using testing::Widget;

QString Q(const char* s) { return QString::fromUtf8(s); }

#ifndef VARNHOLT_EXAMPLES_DIR
#define VARNHOLT_EXAMPLES_DIR "examples"
#endif

// testing::kDesign, computed independently (python, π = 3.14159) for
// 宅地造成, 水平, 常時: F = 2.91478876…, σmax = 142.98676…, Fs = 1.98063538…

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::ScratchSession> scratch_;
  std::unique_ptr<DesktopProgram> p_;

  MainWindow& main() { return p_->window(); }
  ui::Window& Form(const char* name) { return p_->app().Form(name); }
  QLineEdit* Box(const char* window, const char* box) {
    return Widget<QLineEdit>(*p_, window, box);
  }
  QLabel* Label(const char* window, const char* label) {
    return Widget<QLabel>(*p_, window, label);
  }
  QAbstractButton* Button(const char* window, const char* name) {
    return Widget<QAbstractButton>(*p_, window, name);
  }
  QToolButton* ToolButton(int index) {
    QAction* a = main().menus()->ActionOf(forms::ToolButtonName(index));
    return a == nullptr ? nullptr
                        : qobject_cast<QToolButton*>(main().toolbar()->widgetForAction(a));
  }

  // 新規作成 from the File menu with the keyboard: Alt+F, then N.
  void NewFromMenu() {
    QTest::keyClick(&main(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);
    QVERIFY(WaitFor([this] { return main().ViewOf("Form11") != nullptr; }));
    // The offscreen platform leaves the closed menu the active window; a
    // desktop gives the main window back.
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
  }

  void TypeDesign() {
    for (const Entry& e : kDesign) {
      QLineEdit* edit = Box(e.window, e.box);
      QVERIFY2(edit != nullptr, e.box);
      TypeInto(edit, Q(e.text));
      QCOMPARE(Form(e.window)[e.box].Text(), std::string(e.text));
    }
    // Soils: one typed, one chosen from the list with the arrow keys.
    auto* back = Widget<QComboBox>(*p_, "Form2", "cbo1");
    QVERIFY(back != nullptr);
    QTest::mouseClick(back->lineEdit(), Qt::LeftButton);
    testing::TypeText(back->lineEdit(), Q("砂質土"));
    auto* base = Widget<QComboBox>(*p_, "Form2", "cbo2");
    base->setFocus();
    QTest::keyClick(base, Qt::Key_Down);
    QTest::keyClick(base, Qt::Key_Down);
    QCOMPARE(Form("Form2")["cbo1"].Text(), std::string("砂質土"));
    QCOMPARE(Form("Form2")["cbo2"].Text(), std::string("砂利"));
    // The coefficient typed directly: 直接入力, then the box.
    QTest::mouseClick(Button("Form3", "cmd1"), Qt::LeftButton);
    QVERIFY(Form("Form3")["opt1"].Value());
    QTest::keyClicks(Box("Form3", "txt11"), "0.297");
    QCOMPARE(Form("Form3")["txt11"].Text(), std::string("0.297"));
  }

  QStringList Row(int first, int n = 3) {
    QStringList out;
    for (int i = first; i < first + n; ++i) {
      QLabel* l = Label("Form11", ("lbl" + std::to_string(i)).c_str());
      out << (l != nullptr && l->isVisible() ? l->text() : QString("<hidden>"));
    }
    return out;
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    scratch_ = std::make_unique<testing::ScratchSession>();
    p_ = std::make_unique<DesktopProgram>(scratch_->paths());
    p_->Start();
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
  }
  void cleanup() { p_.reset(); }

  void startsWithMenusAndToolbar() {
    QCOMPARE(main().windowTitle(), Q("Varnholt"));
    QStringList titles;
    for (QAction* a : main().menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{Q("ﾌｧｲﾙ(&F)"), Q("計算(&C)"), Q("参考(&S)"), Q("ウィンドウ(&W)"),
                                  Q("ﾍﾙﾌﾟ(&H)")}));
    QMenu* file = main().menus()->MenuOf("Men_F");
    QVERIFY(file != nullptr);
    QStringList items;
    for (QAction* a : file->actions()) items << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(items, (QStringList{Q("新規作成(&N)"), Q("開く(&O)"), Q("閉じる(&C)"), "-",
                                 Q("上書き保存(&S)"), Q("名前を付けて保存(&A)"),
                                 Q("テンプレートとして保存(&T)"), Q("テンプレートを削除(&L)"), "-",
                                 Q("印刷ｲﾒｰｼﾞ(&I)"), Q("印刷(&P)"), Q("断面図を印刷(&D)…"),
                                 Q("断面図のエクスポート(&E)…"), "-", Q("計算書一式(&B)…"),
                                 Q("最近使ったファイル(&R)"), "-", Q("終了(&X)")}));
    QCOMPARE(main().menus()->MenuOf("Men_H")->actions().last()->text(), Q("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    // Ten toolbar places, the fourth, seventh and ninth separators; tool
    // tips are the command names, status tips the menu paths; one action
    // shared with the menu. The last shows the section view.
    const QList<QAction*> tools = main().toolbar()->actions();
    QCOMPARE(tools.size(), 10);
    const char* tips[] = {"新規作成", "開く", "上書き保存",   "", "印刷ｲﾒｰｼﾞ",
                          "印刷",     "",     "両ケース計算", "", "断面図"};
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(tools[i]->isSeparator(), tips[i][0] == '\0');
      if (tools[i]->isSeparator()) continue;
      QCOMPARE(tools[i]->toolTip(), Q(tips[i]));
      QVERIFY(!tools[i]->icon().isNull());
    }
    QCOMPARE(tools[0]->statusTip(), Q("[ファイル]-[新規作成]"));
    QCOMPARE(tools[0], main().menus()->ActionOf("Men_FNew"));
    QCOMPARE(tools[5], main().menus()->ActionOf("Men_FPrn"));
    QCOMPARE(tools[7], main().menus()->ActionOf("Men_CBoth"));
    QCOMPARE(tools[7]->statusTip(), Q("[計算]-[両ケース計算]"));
    QCOMPARE(tools[9], p_->session().sectionButton());
    QCOMPARE(tools[9]->statusTip(), Q("[ウィンドウ]-[断面図]"));
    // Nothing to save, preview or print yet.
    for (int i : {1, 2}) QVERIFY(ToolButton(i)->isEnabled());
    for (int i : {3, 5, 6}) QVERIFY(!ToolButton(i)->isEnabled());
    // Opening the File menu asks the window logic first.
    emit file->aboutToShow();
    QVERIFY(!main().menus()->ActionOf("Men_FSav")->isEnabled());
    QVERIFY(!main().menus()->ActionOf("Men_FImg")->isEnabled());
    QVERIFY(main().menus()->ActionOf("Men_FNew")->isEnabled());
    QVERIFY(main().menus()->ActionOf("Men_FEnd")->isEnabled());
  }

  void newShowsTheWindowsWhereTheyBelong() {
    NewFromMenu();
    const TwipScale& s = main().scale();
    // Form2 at the top left, the dimension window beside it and the results
    // under that: at their twip positions, or edge to edge with the window
    // before them where that one needs more room than its design size.
    const QRect f2 = main().FrameOf("Form2")->geometry();
    const QRect f3 = main().FrameOf("Form3")->geometry();
    const QRect f11 = main().FrameOf("Form11")->geometry();
    QCOMPARE(f2.topLeft(), QPoint(0, 0));
    QCOMPARE(f3.topLeft(), QPoint(std::max(s.Px(5460), f2.right() + 1), 0));
    QCOMPARE(f11.topLeft(), QPoint(f3.left(), std::max(s.Px(4710), f3.bottom() + 1)));
    QVERIFY(!f2.intersects(f3) && !f3.intersects(f11) && !f2.intersects(f11));
    for (const char* name : {"Form2", "Form3", "Form11"}) {
      QWidget* frame = main().FrameOf(name);
      QVERIFY(qobject_cast<QMdiSubWindow*>(frame) != nullptr);
      QVERIFY(frame->isVisible());
      // The whole window is inside the main window's work area.
      const QRect area(QPoint(0, 0), main().mdiArea()->viewport()->size());
      QVERIFY2(area.contains(frame->geometry()), name);
    }
    QCOMPARE(main().FrameOf("Form2")->windowTitle(), Q("設計条件"));
    QCOMPARE(main().FrameOf("Form11")->windowTitle(), Q("安定性の検討"));
    // The focus starts in the site box.
    QVERIFY(WaitFor([this] { return QApplication::focusWidget() == Box("Form2", "txt1"); }));
    // Controls sit at their twip positions.
    QCOMPARE(Box("Form2", "txt2")->pos(), s.Point(3600, 2940));
    QCOMPARE(Button("Form11", "cmd1")->geometry(), s.Rect(60, 60, 2655, 315));
    QCOMPARE(Widget<QWidget>(*p_, "Form2", "opt1")->pos(), s.Point(1440, 120));
    QCOMPARE(Widget<QWidget>(*p_, "Form2", "opt1")->parentWidget()->objectName(), "Frame1");
    // The results rows start hidden.
    for (int i = 5; i <= 21; ++i) {
      QVERIFY(!Label("Form11", ("lbl" + std::to_string(i)).c_str())
                   ->isVisibleTo(main().ViewOf("Form11")));
    }
  }

  void typedDesignIsCalculatedAndSummarised() {
    NewFromMenu();
    TypeDesign();
    // The first press asks for the overturning criterion and opens the
    // dialog of the normal case; F ≥ 1.5 is chosen there.
    ModalScript script;
    script.Answer();
    script.InDialog("Form12", [this](QWidget&) {
      QTest::mouseClick(Button("Form12", "opt1"), Qt::LeftButton);
      QTest::mouseClick(Button("Form12", "cmd1"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.titles, std::vector<std::string>{"エラーメッセージ"});
    QCOMPARE(script.texts, std::vector<std::string>{"転倒に対する検討方法を選択してください。"});
    QVERIFY(Form("Form12")["opt1"].Value());
    QVERIFY(main().FrameOf("Form12") == nullptr || !main().FrameOf("Form12")->isVisible());

    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QCOMPARE(Row(5), (QStringList{"F =", "2.915", Q(" > 1.5 ∴O.K")}));
    QCOMPARE(Row(8, 7),
             (QStringList{Q("σmax="), "142.987", "kN/m2", "<", "150.0", "kN/m2", Q("∴O.K")}));
    QCOMPARE(Row(15), (QStringList{"F =", "1.981", Q(" > 1.5 ∴O.K")}));
    QCOMPARE(Label("Form11", "lbl7")->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Preview and print are available now; the inputs could always be saved.
    QVERIFY(ToolButton(5)->isEnabled());
    QVERIFY(ToolButton(6)->isEnabled());
    QVERIFY(ToolButton(3)->isEnabled());

    QCOMPARE(main().warningsLabel()->text(), QString());

    // A soil constant outside its practical range calculates and is pointed
    // out in the status bar until the results go.
    TypeInto(Box("Form2", "txt4"), "30");
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(Label("Form11", "lbl6")->isVisible());
    QCOMPARE(main().warningsLabel()->text(),
             Q("注意：土の単位体積重量 γ=30 kN/m3 は通常の範囲（14～23 kN/m3）の外にあります。"));

    // One key in a dimension hides the summary and the commands again.
    TypeInto(Box("Form3", "txt7"), "5");
    QCOMPARE(Row(5), (QStringList{"<hidden>", "<hidden>", "<hidden>"}));
    QVERIFY(!ToolButton(5)->isEnabled());
    QCOMPARE(main().warningsLabel()->text(), QString());
  }

  // The control with Qt's focus, as the window logic knows it.
  ui::Control* QtFocusControl() {
    QWidget* focus = QApplication::focusWidget();
    for (const char* name : {"Form2", "Form3", "Form16", "Form11"}) {
      WindowView* view = main().ViewOf(name);
      if (view != nullptr && focus != nullptr && view->isAncestorOf(focus)) {
        return view->ControlAt(focus);
      }
    }
    return nullptr;
  }

  void focusStaysInStepWhenAWindowCloses() {
    NewFromMenu();
    QTest::mouseClick(Box("Form3", "txt3"), Qt::LeftButton);
    QCOMPARE(p_->app().windows().Focused(), &Form("Form3")["txt3"]);
    // The window with the focus goes away under the logic's hands; Qt puts
    // the focus elsewhere, and the logic follows once the change is done.
    Form("Form2")["opt3"].SetValue(true);
    QVERIFY(main().ViewOf("Form3") == nullptr);
    QVERIFY(WaitFor([this] {
      return QtFocusControl() != nullptr && QtFocusControl() == p_->app().windows().Focused();
    }));
  }

  // Tab goes down the drawing as Enter does, passing over β on level ground.
  void tabFollowsTheEnterOrder() {
    NewFromMenu();
    QTest::mouseClick(Box("Form3", "txt1"), Qt::LeftButton);
    for (const char* next : {"txt2", "txt8", "txt6", "txt9", "txt5", "txt3", "txt4", "txt7"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QVERIFY(WaitFor([&] { return QApplication::focusWidget() == Box("Form3", next); }));
    }
  }

  void focusLeavesAControlThatIsHidden() {
    NewFromMenu();
    // The fence button has the focus when 無し hides it: the logic learns
    // where Qt put the focus instead.
    Form("Form2")["opt11"].SetValue(true);
    QAbstractButton* fence = Button("Form2", "cmd3");
    fence->setFocus();
    QVERIFY(WaitFor([&] { return p_->app().windows().Focused() == &Form("Form2")["cmd3"]; }));
    Form("Form2")["opt10"].SetValue(true);
    QVERIFY(!fence->isVisible());
    QVERIFY(WaitFor([this] {
      return QtFocusControl() != nullptr && QtFocusControl() == p_->app().windows().Focused();
    }));
    QVERIFY(p_->app().windows().Focused() != &Form("Form2")["cmd3"]);
  }

  void anEmptyBoxIsReportedAndGetsTheCaret() {
    NewFromMenu();
    TypeInto(Box("Form2", "txt1"), Q("横浜市"));
    ModalScript script;
    script.Answer();
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.titles, std::vector<std::string>{"エラーメッセージ"});
    QCOMPARE(script.texts.size(), size_t(1));
    // The first empty box (Fc) has the focus, caret at its start.
    QLineEdit* fc = Box("Form2", "txt2");
    // A desktop gives the main window back when the box closes; the
    // offscreen platform leaves that to the test.
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    QVERIFY(WaitFor([&] { return QApplication::focusWidget() == fc; }));
    QCOMPARE(p_->app().windows().Focused(), &Form("Form2")["txt2"]);
    // Every box says what it is, as its tooltip and, with the focus, in the
    // status bar.
    QCOMPARE(Box("Form2", "txt4")->toolTip(), Q("土の単位体積重量 γ (kN/m³)、参考表 14〜20"));
    QCOMPARE(main().statusBar()->currentMessage(), Box("Form2", "txt2")->toolTip());
    QCOMPARE(fc->cursorPosition(), 0);
    QVERIFY(!fc->hasSelectedText());
    // Typing goes straight in.
    testing::TypeText(fc, "24");
    QCOMPARE(Form("Form2")["txt2"].Text(), std::string("24"));
  }

  void shapeAndStandardBringTheirWindows() {
    NewFromMenu();
    // 嵩上げ土: the raised-soil window takes the dimension window's place.
    QTest::mouseClick(Button("Form2", "opt3"), Qt::LeftButton);
    QVERIFY(main().ViewOf("Form3") == nullptr);
    QWidget* f16 = main().FrameOf("Form16");
    QVERIFY(f16 != nullptr && f16->isVisible());
    QCOMPARE(f16->pos(), QPoint(main().FrameOf("Form2")->geometry().right() + 1, 0));
    QCOMPARE(f16->windowTitle(), Q("寸法・荷重（嵩上げ土）"));
    // 一様斜面: the level/slope window comes back with β and without 直接入力.
    QTest::mouseClick(Button("Form2", "opt2"), Qt::LeftButton);
    QVERIFY(main().ViewOf("Form16") == nullptr);
    QVERIFY(main().FrameOf("Form3")->isVisible());
    QVERIFY(Box("Form3", "txt10")->isVisible());
    QVERIFY(Label("Form3", "lbl13")->isVisible());
    QVERIFY(!Button("Form3", "cmd1")->isEnabled());
    // 水平 hides β and enables 直接入力 again.
    QTest::mouseClick(Button("Form2", "opt1"), Qt::LeftButton);
    QVERIFY(!Box("Form3", "txt10")->isVisible());
    QVERIFY(Button("Form3", "cmd1")->isEnabled());
    // 道路土工: the labels of the road standard and its soil list.
    QTest::mouseClick(Button("Form2", "opt_D"), Qt::LeftButton);
    QCOMPARE(Label("Form2", "Label3")->text(), Q("コンクリートの設計基準強度：σck="));
    QCOMPARE(Label("Form2", "Label6")->text(), Q("地盤の許容支持力度（長期）：qa="));
    QCOMPARE(Widget<QComboBox>(*p_, "Form2", "cbo1")->itemText(0), Q("岩盤"));
    QVERIFY(!Label("Form3", "lbl_dPA")->isVisible());
    QVERIFY(!Button("Form2", "opt_T")->isChecked());
    QVERIFY(Button("Form2", "opt_D")->isChecked());
    // 地震時 enables the seismic button, whose dialog shows the regional
    // factors under 道路土工.
    QTest::mouseClick(Button("Form2", "cmd2"), Qt::LeftButton);
    QVERIFY(Button("Form2", "opt5")->isChecked());
    QVERIFY(Button("Form2", "cmd4")->isEnabled());
    ModalScript script;
    bool regional_shown = false;
    script.InDialog("Form20", [&](QWidget& dialog) {
      regional_shown = Widget<QWidget>(*p_, "Form20", "frm1")->isVisible();
      QCOMPARE(dialog.windowTitle(), Q("地震時水平荷重の計算方法"));
      QTest::mouseClick(Button("Form20", "cmd2"), Qt::LeftButton);  // キャンセル
    });
    QTest::mouseClick(Button("Form2", "cmd4"), Qt::LeftButton);
    QVERIFY(script.Done());
    QVERIFY(regional_shown);
    QCOMPARE(Label("Form20", "Label7")->text(), Q("設計水平震度標準値 Kho="));
  }

  void textBoxesFollowTheWindowLogic() {
    NewFromMenu();
    QLineEdit* site = Box("Form2", "txt1");
    TypeInto(site, Q("横浜"));
    // Enter is swallowed and moves on to the next box, selecting its text.
    QTest::keyClick(site, Qt::Key_Return);
    QCOMPARE(Form("Form2")["txt1"].Text(), std::string("横浜"));
    QVERIFY(WaitFor([&] { return QApplication::focusWidget() == Box("Form2", "txt2"); }));
    QCOMPARE(p_->app().windows().Focused(), &Form("Form2")["txt2"]);
    // Text committed by the input method goes in at the caret; a
    // composition in progress is not yet text.
    site->setFocus();
    site->setCursorPosition(site->text().size());
    QInputMethodEvent preedit(Q("し"), {});
    QApplication::sendEvent(site, &preedit);
    QCOMPARE(Form("Form2")["txt1"].Text(), std::string("横浜"));
    QInputMethodEvent commit;
    commit.setCommitString(Q("市"));
    QApplication::sendEvent(site, &commit);
    QCOMPARE(Form("Form2")["txt1"].Text(), std::string("横浜市"));
    QCOMPARE(site->text(), Q("横浜市"));
    // A number typed with the input method on becomes half-width in a
    // numeric box, and stays as typed in a name.
    QLineEdit* fc = Box("Form2", "txt2");
    fc->setFocus();
    QInputMethodEvent digits;
    digits.setCommitString(Q("１２．５"));
    QApplication::sendEvent(fc, &digits);
    QCOMPARE(Form("Form2")["txt2"].Text(), std::string("12.5"));
    QCOMPARE(fc->text(), Q("12.5"));
    fc->clear();
    site->setFocus();
    // Backspace and Delete edit through the logic too; the caret is
    // counted in characters on screen and in bytes below.
    site->setCursorPosition(1);
    QTest::keyClick(site, Qt::Key_Delete);
    QCOMPARE(Form("Form2")["txt1"].Text(), std::string("横市"));
    QCOMPARE(Form("Form2")["txt1"].SelStart(), 3);
    QTest::keyClick(site, Qt::Key_Backspace);
    QCOMPARE(Form("Form2")["txt1"].Text(), std::string("市"));
    QCOMPARE(site->cursorPosition(), 0);
    // A double click selects from the tenth character to the end (here:
    // nothing, the text is shorter), as every box of the program does.
    TypeInto(Box("Form2", "txt2"), "21");
    QTest::mouseDClick(Box("Form2", "txt2"), Qt::LeftButton);
    QCOMPARE(Form("Form2")["txt2"].SelStart(), 2);
    QCOMPARE(Box("Form2", "txt2")->selectedText(), QString());
    // The window logic setting a text shows at once.
    Form("Form2")["txt3"].SetText("200");
    QCOMPARE(Box("Form2", "txt3")->text(), "200");
    // Clicking the cohesion box selects 考慮する and gives it a border.
    QVERIFY(!Box("Form2", "txt8")->hasFrame());
    QTest::mouseClick(Box("Form2", "txt8"), Qt::LeftButton);
    QVERIFY(Button("Form2", "opt6")->isChecked());
    QVERIFY(Box("Form2", "txt8")->hasFrame());
  }

  void optionGroupsStayWithTheLogic() {
    NewFromMenu();
    // Clicking a selected option keeps it selected (Qt would clear it).
    QAbstractButton* level = Button("Form2", "opt1");
    QVERIFY(level->isChecked());
    QTest::mouseClick(level, Qt::LeftButton);
    QVERIFY(level->isChecked());
    QVERIFY(Form("Form2")["opt1"].Value());
    // Options of different frames are different groups.
    QTest::mouseClick(Button("Form2", "opt11"), Qt::LeftButton);
    QVERIFY(level->isChecked());
    QVERIFY(Button("Form2", "opt11")->isChecked());
    QVERIFY(!Button("Form2", "opt10")->isChecked());
    QVERIFY(Button("Form2", "cmd3")->isVisible());
    QVERIFY(!Button("Form2", "cmd2")->isEnabled());
  }

  void openingAProjectThroughTheFileDialog() {
    // Cancelled: nothing changes.
    ModalScript cancel;
    QString title;
    QStringList filters;
    cancel.InStandardDialog("QFileDialog", [&](QWidget& w) {
      auto& dialog = static_cast<QFileDialog&>(w);
      title = dialog.windowTitle();
      filters = dialog.nameFilters();
      dialog.reject();
    });
    QTest::mouseClick(ToolButton(2), Qt::LeftButton);
    QVERIFY(cancel.Done());
    QCOMPARE(title, Q("Varnholtを開く"));
    QCOMPARE(filters, QStringList{"Varnholt(.vrh) (*.vrh)"});
    QVERIFY(main().ViewOf("Form2") == nullptr);

    // A project chosen: its windows open with the results shown at once.
    const QString path = QString(VARNHOLT_EXAMPLES_DIR) + "/01_residential_level_entered_ka.vrh";
    ModalScript open;
    open.InStandardDialog("QFileDialog", [&](QWidget& w) {
      auto& dialog = static_cast<QFileDialog&>(w);
      dialog.selectFile(path);
      static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    QTest::mouseClick(ToolButton(2), Qt::LeftButton);
    QVERIFY(open.Done());
    QCOMPARE(p_->app().current_file, path.toStdString());
    QVERIFY(main().FrameOf("Form2")->isVisible());
    QVERIFY(Label("Form11", "lbl6")->isVisible());
    QVERIFY(!Label("Form11", "lbl6")->text().isEmpty());
    for (int i : {3, 5, 6}) QVERIFY(ToolButton(i)->isEnabled());

    // Saved under a new name without extension: the dialog adds .vrh; the
    // second time only the program asks before replacing the file.
    QTemporaryDir dir;
    const QString target = dir.path() + "/wall";
    QMenu* file = main().menus()->MenuOf("Men_F");
    for (int round = 0; round < 2; ++round) {
      ModalScript save;
      save.InStandardDialog("QFileDialog", [&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(target);
        static_cast<QDialog&>(dialog).accept();
      });
      // The question has the question icon and Japanese buttons, いいえ
      // the default.
      QMessageBox::Icon icon = QMessageBox::NoIcon;
      QStringList buttons;
      QString default_button;
      if (round == 1) {
        save.Answer(QMessageBox::Yes, [&](QMessageBox& box) {
          icon = box.icon();
          for (QAbstractButton* b : box.buttons()) buttons << b->text().remove('&');
          default_button = box.defaultButton()->text().remove('&');
        });
      }
      file->popup(main().mapToGlobal(QPoint(0, 0)));
      QVERIFY(WaitFor([file] { return file->isVisible(); }));
      QTest::keyClick(file, Qt::Key_A);
      QVERIFY(WaitFor([&] { return save.Done(); }));
      QCOMPARE(save.texts.size(), size_t(round));
      if (round == 1) {
        QCOMPARE(save.texts[0], std::string("同名ファイルがあります。上書き保存しますか？"));
        QCOMPARE(icon, QMessageBox::Question);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{Q("いいえ(N)"), Q("はい(Y)")}));
        QCOMPARE(default_button, Q("いいえ(N)"));
      }
      QVERIFY(QFileInfo::exists(target + ".vrh"));
      QCOMPARE(p_->app().current_file, (target + ".vrh").toStdString());
    }
  }

  void closingAsksFirst() {
    ModalScript no;
    no.Answer(QMessageBox::No);
    QSignalSpy ended(&main(), &MainWindow::ProgramEnded);
    main().close();
    QVERIFY(no.Done());
    QCOMPARE(no.texts, std::vector<std::string>{"終了してもよろしいですか?"});
    QCOMPARE(no.titles, std::vector<std::string>{"Varnholt"});
    QVERIFY(main().isVisible());
    QCOMPARE(ended.count(), 0);

    ModalScript yes;
    yes.Answer(QMessageBox::Yes);
    main().close();
    QVERIFY(yes.Done());
    QCOMPARE(ended.count(), 1);
    QVERIFY(!main().isVisible());
  }

  void exitFromTheMenuAsksItsOwnQuestion() {
    ModalScript script;
    script.Answer(QMessageBox::Yes);
    QSignalSpy ended(&main(), &MainWindow::ProgramEnded);
    QMenu* file = main().menus()->MenuOf("Men_F");
    file->popup(main().mapToGlobal(QPoint(0, 0)));
    QVERIFY(WaitFor([file] { return file->isVisible(); }));
    QTest::keyClick(file, Qt::Key_X);
    QVERIFY(WaitFor([&] { return ended.count() == 1; }));
    QCOMPARE(script.titles, std::vector<std::string>{"確認"});
    QCOMPARE(script.texts, std::vector<std::string>{"終了してもよろしいですか？"});
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::DesktopTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
