// Every window and dialog of the program grabbed to PNG under
// build/screenshots/<scale>/, on the roads a user takes to them, with the
// layout checked on the way: every control inside its window, no caption
// cut off, no two controls on top of each other.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <memory>
#include <set>

#include "ui/forms/summary_window.h"
#include "ui/forms/windows.h"
#include "ui/qt/book_window.h"
#include "ui/qt/help_window.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_test_support.h"

#ifndef VARNHOLT_SCREENSHOT_DIR
#define VARNHOLT_SCREENSHOT_DIR "screenshots"
#endif

namespace varnholt::desktop {
namespace {

using testing::Entry;
using testing::kDesign;
using testing::ModalScript;
using testing::TypeInto;
using testing::Widget;

QString Q(const char* s) { return QString::fromUtf8(s); }

QString OutputDir() {
  const QByteArray tag = qgetenv("VARNHOLT_SCREENSHOT_TAG");
  const QString dir = QString(VARNHOLT_SCREENSHOT_DIR) + "/" +
                      (tag.isEmpty() ? QString("100") : QString::fromLatin1(tag));
  QDir().mkpath(dir);
  return dir;
}

// Where a control shows in its window: a label only where its text is.
// A control inside a picture or frame shows only within it (the page of a
// preview window inside its viewport).
QRect Ink(QWidget* w, QWidget& view) {
  QRect r = w->rect();
  if (auto* l = qobject_cast<QLabel*>(w)) {
    const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    r = l->fontMetrics().boundingRect(l->contentsRect(), flags, l->text()) & l->rect();
  }
  r.translate(w->mapTo(&view, QPoint(0, 0)));
  for (QWidget* p = w->parentWidget(); p != nullptr && p != &view; p = p->parentWidget()) {
    r &= QRect(p->mapTo(&view, QPoint(0, 0)), p->size());
  }
  return r;
}

// Places where the windows' own layout puts two things on top of each
// other; each has been reported to the windows' authors. Remove an entry
// when its window is mended, so the test guards it from then on.
// Overlaps of the windows' own layout data that are known and accepted; a
// mended one is reported as no longer seen.
const std::set<QString> kKnownLayoutIssues = {};

bool Interactive(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) != nullptr ||
         qobject_cast<const QComboBox*>(w) != nullptr ||
         qobject_cast<const QAbstractButton*>(w) != nullptr;
}

}  // namespace

class ScreenshotsTest : public QObject {
  Q_OBJECT

 private:
  testing::ScratchSession scratch_;
  std::unique_ptr<DesktopProgram> p_;
  std::set<std::string> grabbed_;
  QStringList layout_problems_;
  std::set<QString> known_issues_seen_;

  MainWindow& main() { return p_->window(); }
  ui::Window& Form(const char* name) { return p_->app().Form(name); }
  QAbstractButton* Button(const char* window, const char* name) {
    return Widget<QAbstractButton>(*p_, window, name);
  }

  void Save(QWidget* widget, const QString& file) {
    QVERIFY2(widget != nullptr, qPrintable(file));
    QApplication::processEvents();
    const QPixmap shot = widget->grab();
    QVERIFY(!shot.isNull());
    QVERIFY2(shot.save(OutputDir() + "/" + file + ".png"), qPrintable(file));
  }

  // Grabs a window's frame and checks its layout.
  void Shoot(const char* window, const QString& file) {
    WindowView* view = main().ViewOf(window);
    QVERIFY2(view != nullptr, window);
    CheckLayout(*view, file);
    Save(main().FrameOf(window), file);
    grabbed_.insert(window);
  }

  // Every visible control inside the window, every one-line caption whole,
  // no two visible controls (other than a frame and what it holds) overlap.
  void CheckLayout(WindowView& view, const QString& file) {
    const QRect client(QPoint(0, 0), view.size());
    QList<QWidget*> shown;
    for (QWidget* w : view.findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || !w->isVisibleTo(&view)) continue;
      if (qobject_cast<QMenuBar*>(w) != nullptr) continue;
      if (view.WidgetOf(w->objectName().toStdString()) != w) continue;
      shown << w;
      const QRect r = Ink(w, view);
      if (!r.isEmpty() && !client.contains(r)) {
        layout_problems_ << file + ": " + w->objectName() + " is outside its window";
      }
      QString text;
      if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && !l->wordWrap()) text = l->text();
      if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
      if (!text.isEmpty() && !text.contains('\n') &&
          w->fontMetrics().horizontalAdvance(text) > w->width()) {
        layout_problems_ << file + ": the caption of " + w->objectName() + " is cut off";
      }
    }
    for (int i = 0; i < shown.size(); ++i) {
      for (int j = i + 1; j < shown.size(); ++j) {
        QWidget* a = shown[i];
        QWidget* b = shown[j];
        if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
        const QRect ra = Ink(a, view);
        const QRect rb = Ink(b, view);
        if (!ra.intersects(rb)) continue;
        // Labels drawn over frames' borders or sketches are fine; two
        // controls a user works with, or a caption under a control, are not.
        const bool frame = qobject_cast<QGroupBox*>(a) || qobject_cast<QGroupBox*>(b);
        if (frame) continue;
        // A pixel or so is the rounding of twips to pixels.
        const int slack = std::max(1, main().scale().Px(20));
        const QRect overlap = ra.intersected(rb);
        if (overlap.width() <= slack || overlap.height() <= slack) continue;
        if (Interactive(a) || Interactive(b) || overlap.height() > slack) {
          const QString issue = a->objectName() + " overlaps " + b->objectName();
          if (kKnownLayoutIssues.count(issue) != 0) {
            known_issues_seen_.insert(issue);
          } else {
            layout_problems_ << file + ": " + issue;
          }
        }
      }
    }
  }

  // Runs the step in the dialog when it shows, grabs it and closes it with
  // the button given (or hides it when none).
  void ShootDialog(const char* window, const QString& file, const char* close_button,
                   const std::function<void()>& before = {}) {
    auto script = std::make_shared<ModalScript>();
    script->InDialog(window, [=, this](QWidget&) {
      if (before) before();
      Shoot(window, file);
      if (close_button != nullptr) {
        QTest::mouseClick(Button(window, close_button), Qt::LeftButton);
      } else {
        Form(window).Hide();
      }
    });
    scripts_.push_back(script);
  }
  std::vector<std::shared_ptr<ModalScript>> scripts_;

  void NewDesign() {
    QTest::mouseClick(
        main().toolbar()->widgetForAction(main().menus()->ActionOf(forms::ToolButtonName(1))),
        Qt::LeftButton);
    QVERIFY(main().ViewOf("Form11") != nullptr);
  }

  void TypeDesign() {
    for (const Entry& e : kDesign) TypeInto(Widget<QLineEdit>(*p_, e.window, e.box), Q(e.text));
    Form("Form2")["cbo1"].SetText("砂質土");
    Form("Form2")["cbo2"].SetText("砂質土");
    QTest::mouseClick(Button("Form3", "cmd1"), Qt::LeftButton);
    testing::TypeText(Widget<QLineEdit>(*p_, "Form3", "txt11"), "0.297");
  }

  void Calculate() {
    ModalScript script;
    script.Answer();
    script.InDialog("Form12", [this](QWidget&) {
      QTest::mouseClick(Button("Form12", "opt6"), Qt::LeftButton);
      QTest::mouseClick(Button("Form12", "cmd1"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(script.Done());
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(Widget<QLabel>(*p_, "Form11", "lbl6")->isVisible());
  }

 private slots:
  void initTestCase() {
    testing::QuietOffscreenNotes();
    const QScreen* screen = QGuiApplication::primaryScreen();
    qInfo("screen %dx%d, logical DPI %.0f, device pixel ratio %.2f, font %s",
          screen->size().width(), screen->size().height(), screen->logicalDotsPerInch(),
          screen->devicePixelRatio(), qPrintable(QApplication::font().family()));
  }
  void init() {
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
  }
  void cleanup() {
    for (const auto& s : scripts_) QVERIFY(s->Done());
    scripts_.clear();
    p_.reset();
  }

  void mainWindowAndInputWindows() {
    Save(&main(), "MDIForm1_start");
    // The File menu as it drops down at the start.
    QMenu* file = main().menus()->MenuOf("Men_F");
    file->popup(main().mapToGlobal(QPoint(0, main().menuBar()->height())));
    QVERIFY(testing::WaitFor([file] { return file->isVisible(); }));
    Save(file, "MDIForm1_file_menu");
    file->hide();

    NewDesign();
    Save(&main(), "MDIForm1_new");
    TypeDesign();
    Shoot("Form2", "Form2");
    Shoot("Form3", "Form3_level");
    Calculate();
    Save(&main(), "MDIForm1_calculated");
    Shoot("Form11", "Form11_ok");
    // 両ケース計算 of a design with only the normal case set.
    forms::BothCasesCommand(p_->app());
    Shoot("Form21", "Form21");
    Form(forms::kForm21).Hide();

    // A wall too narrow: the rows in light magenta.
    TypeInto(Widget<QLineEdit>(*p_, "Form3", "txt7"), "1.2");
    Form("Form3")["txt7"].SelectAll();
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    Shoot("Form11", "Form11_ng");

    // Narrower still: the resultant leaves the base, and the bearing row
    // says so instead of comparing a negative σmax.
    TypeInto(Widget<QLineEdit>(*p_, "Form3", "txt7"), "0.8");
    Form("Form3")["txt7"].SelectAll();
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QCOMPARE(Form("Form11")["lbl12"].Caption(), std::string("e > B/2"));
    Shoot("Form11", "Form11_off_base");

    QTest::mouseClick(Button("Form2", "opt2"), Qt::LeftButton);
    Shoot("Form3", "Form3_slope");
    QTest::mouseClick(Button("Form2", "opt_D"), Qt::LeftButton);
    Shoot("Form2", "Form2_road");
    Shoot("Form3", "Form3_slope_road");
    QTest::mouseClick(Button("Form2", "opt3"), Qt::LeftButton);
    QTest::mouseClick(Button("Form16", "opt1"), Qt::LeftButton);
    QTest::mouseClick(Button("Form16", "opt6"), Qt::LeftButton);
    Shoot("Form16", "Form16");
    Save(&main(), "MDIForm1_raised");
  }

  void dialogsOfTheDesignConditions() {
    NewDesign();
    // The fence dialog, with the concentrated load showing every box.
    QTest::mouseClick(Button("Form2", "opt11"), Qt::LeftButton);
    ShootDialog("Form17", "Form17_point_load", "cmd2",
                [this] { QTest::mouseClick(Button("Form17", "opt3"), Qt::LeftButton); });
    QTest::mouseClick(Button("Form2", "cmd3"), Qt::LeftButton);
    ShootDialog("Form17", "Form17_distributed", "cmd2",
                [this] { QTest::mouseClick(Button("Form17", "opt2"), Qt::LeftButton); });
    QTest::mouseClick(Button("Form2", "cmd3"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt10"), Qt::LeftButton);
    // The seismic dialog under both standards.
    QTest::mouseClick(Button("Form2", "cmd2"), Qt::LeftButton);
    ShootDialog("Form20", "Form20_residential", "cmd2");
    QTest::mouseClick(Button("Form2", "cmd4"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt_D"), Qt::LeftButton);
    ShootDialog("Form20", "Form20_road", "cmd2");
    QTest::mouseClick(Button("Form2", "cmd4"), Qt::LeftButton);
    // The check methods of the seismic case.
    ShootDialog("Form14", "Form14_seismic", "cmd2");
    QTest::mouseClick(Button("Form11", "cmd2"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "cmd1"), Qt::LeftButton);
    ShootDialog("Form12", "Form12_road", "cmd2");
    QTest::mouseClick(Button("Form11", "cmd2"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt_T"), Qt::LeftButton);
    ShootDialog("Form12", "Form12_residential", "cmd2");
    QTest::mouseClick(Button("Form11", "cmd2"), Qt::LeftButton);
  }

  void shearKeyPrintAndReferenceWindows() {
    NewDesign();
    TypeDesign();
    Calculate();
    // The shear-key dialogs of both standards, opened by 突起の計算.
    QTest::mouseClick(Button("Form3", "opt6"), Qt::LeftButton);
    ShootDialog("Form15", "Form15", "cmd2");
    QTest::mouseClick(Button("Form3", "cmd3"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt_D"), Qt::LeftButton);
    QTest::mouseClick(Button("Form3", "opt6"), Qt::LeftButton);
    ShootDialog("Form19", "Form19", "cmd2");
    QTest::mouseClick(Button("Form3", "cmd3"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt_T"), Qt::LeftButton);
    // The print range dialog from the toolbar after a calculation (the
    // criteria are chosen already).
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    ShootDialog("Form10", "Form10", "cmd2",
                [this] { QTest::mouseClick(Button("Form10", "chk_P"), Qt::LeftButton); });
    QTest::mouseClick(
        main().toolbar()->widgetForAction(main().menus()->ActionOf(forms::ToolButtonName(6))),
        Qt::LeftButton);
    // Version window and the reference tables.
    main().menus()->ActionOf("Men_HVer")->trigger();
    Shoot("Form6", "Form6");
    main().menus()->ActionOf("Men_S")->trigger();
    Shoot("Form7", "Form7");
    Save(&main(), "MDIForm1_reference");
    QTest::mouseClick(Button("Form7", "cmd1"), Qt::LeftButton);
    QTest::mouseClick(Button("Form2", "opt_D"), Qt::LeftButton);
    main().menus()->ActionOf("Men_S")->trigger();
    Shoot("Form18", "Form18");
  }

  // The first design of the manual (docs/manual/first_design.md), step by
  // step as the chapter tells it: a 3 m wall on level ground, the
  // coefficient computed, F≧1.5 and e≦B/6; every verdict O.K.
  void firstDesignOfTheManual() {
    static constexpr Entry kWall[] = {
        {"Form2", "txt1", "横浜市"}, {"Form2", "txt2", "18"},  {"Form2", "txt3", "200"},
        {"Form2", "txt4", "18"},     {"Form2", "txt5", "23"},  {"Form2", "txt6", "30"},
        {"Form2", "txt7", "20"},     {"Form2", "txt9", "30"},  {"Form2", "txt10", "0.5"},
        {"Form3", "txt1", "3"},      {"Form3", "txt2", "W-1"}, {"Form3", "txt8", "0.5"},
        {"Form3", "txt6", "0.5"},    {"Form3", "txt9", "10"},  {"Form3", "txt5", "0"},
        {"Form3", "txt3", "3.0"},    {"Form3", "txt4", "0.5"}, {"Form3", "txt7", "2.6"},
    };
    NewDesign();
    Save(&main(), "first_new");
    for (const Entry& e : kWall) TypeInto(Widget<QLineEdit>(*p_, e.window, e.box), Q(e.text));
    Form("Form2")["cbo1"].SetText("砂質土");
    Form("Form2")["cbo2"].SetText("砂質土");
    Shoot("Form2", "first_conditions");
    QTest::mouseClick(Button("Form3", "cmd2"), Qt::LeftButton);
    QCOMPARE(Form("Form3")["txt11"].Text(), std::string("0.538"));
    Shoot("Form3", "first_dimensions");
    ModalScript script;
    script.Answer();
    script.InDialog("Form12", [this](QWidget&) {
      QTest::mouseClick(Button("Form12", "opt6"), Qt::LeftButton);
      Shoot("Form12", "first_check_method");
      QTest::mouseClick(Button("Form12", "cmd1"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.texts, std::vector<std::string>{"転倒に対する検討方法を選択してください。"});
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    for (const char* verdict : {"lbl7", "lbl14", "lbl17", "lbl24"}) {
      QVERIFY2(Form("Form11")[verdict].Caption().find("O.K") != std::string::npos, verdict);
    }
    Shoot("Form11", "first_results");
    Save(&main(), "first_calculated");
    QTest::mouseClick(
        main().toolbar()->widgetForAction(main().menus()->ActionOf(forms::ToolButtonName(5))),
        Qt::LeftButton);
    Shoot("Form4", "first_preview");
    ShootDialog("Form10", "first_print_range", "cmd2", [this] {
      QTest::mouseClick(Button("Form10", "opt3"), Qt::LeftButton);
      QTest::mouseClick(Button("Form10", "chk_P"), Qt::LeftButton);
      TypeInto(Widget<QLineEdit>(*p_, "Form10", "txt_P"), "1");
    });
    main().ViewOf("Form4")->menus()->ActionOf("Men_Pre")->trigger();  // 印刷
    // The help window at the chapter of the results window.
    p_->help()->OpenManual("Form11");
    Save(p_->help()->window(), "help");

    // The chapter's last section: the seismic case set beside the normal
    // one, after which every calculation shows both in the summary.
    QTest::mouseClick(Button("Form2", "cmd2"), Qt::LeftButton);  // 地震時
    ModalScript seismic;
    seismic.InDialog("Form20", [this](QWidget&) {
      Button("Form20", "opt_K1")->click();
      TypeInto(Widget<QLineEdit>(*p_, "Form20", "txt1"), "0.2");
      TypeInto(Widget<QLineEdit>(*p_, "Form20", "txt2"), "0");
      QTest::mouseClick(Button("Form20", "cmd1"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("Form2", "cmd4"), Qt::LeftButton);
    QVERIFY(seismic.Done());
    QTest::mouseClick(Button("Form3", "cmd2"), Qt::LeftButton);  // 計算する: KAE
    ModalScript methods;
    methods.Answer();
    methods.InDialog("Form14", [this](QWidget&) {
      Button("Form14", "opt9")->click();
      Button("Form14", "opt5")->click();
      QTest::mouseClick(Button("Form14", "cmd1"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(methods.Done());
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    QVERIFY(main().FrameOf(forms::kForm21)->isVisible());
    Shoot(forms::kForm21, "first_summary");
    // The chapter names the governing method and the sliding factors it
    // compares.
    ui::Window& summary = Form(forms::kForm21);
    QCOMPARE(summary["lblH2"].Caption(), std::string("地震時 ②（決定）"));
    int sliding = 0;
    while (sliding < forms::kSummaryRows &&
           summary["lblR" + std::to_string(sliding)].Caption() != "滑動 Fs") {
      ++sliding;
    }
    QVERIFY(sliding < forms::kSummaryRows);
    const std::string row = std::to_string(sliding);
    QCOMPARE(summary["lblV" + row + "_1"].Caption(), std::string("1.288"));
    QCOMPARE(summary["lblV" + row + "_2"].Caption(), std::string("1.114"));
  }

  void messageBoxes() {
    NewDesign();
    // An input missing at the calculation, and the exit confirmation.
    ModalScript script;
    script.Answer(QMessageBox::Ok, [this](QMessageBox& box) { Save(&box, "MsgBox_error"); });
    QTest::mouseClick(Button("Form11", "cmd1"), Qt::LeftButton);
    script.Answer(QMessageBox::No, [this](QMessageBox& box) { Save(&box, "MsgBox_exit"); });
    main().close();
    QVERIFY(script.Done());
    QCOMPARE(script.titles, (std::vector<std::string>{"エラーメッセージ", "Varnholt"}));
  }

  // The design book's window, which the desktop builds of its own.
  void bookWindow() {
    p_->session().ShowBook();
    Save(p_->session().book_window(false), "book_window");
  }

  // The desktop at work: every design window, the summary and the section
  // view open, the File and ウィンドウ menus dropped down, the status bar.
  void desktopWithEveryWindow() {
    main().resize(1366, 768);
    NewDesign();
    TypeDesign();
    Calculate();
    forms::BothCasesCommand(p_->app());
    p_->session().ShowSection(true);
    QVERIFY(p_->session().sectionFrame()->isVisible());
    p_->session().Refresh();
    Save(&main(), "MDIForm1_every_window");
    // Every window opens inside the work area, its close box included.
    const QRect area = main().mdiArea()->viewport()->rect();
    for (const QMdiSubWindow* child : main().mdiArea()->subWindowList()) {
      if (child->isVisible())
        QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName()));
    }
    Save(main().statusBar(), "MDIForm1_status_bar");
    QVERIFY(!p_->session().stateLabel()->text().isEmpty());
    for (QMenu* menu : {main().menus()->MenuOf("Men_F"), p_->session().windowMenu()}) {
      menu->popup(main().mapToGlobal(QPoint(0, main().menuBar()->height())));
      QVERIFY(testing::WaitFor([menu] { return menu->isVisible(); }));
      Save(menu, menu == p_->session().windowMenu() ? "MDIForm1_window_menu"
                                                    : "MDIForm1_file_menu_design");
      // Every item's caption fits the menu.
      for (QAction* a : menu->actions()) {
        if (a->isSeparator() || a->text().isEmpty()) continue;
        const QRect item = menu->actionGeometry(a);
        QVERIFY2(menu->fontMetrics().horizontalAdvance(a->text()) < item.width(),
                 qPrintable(a->text()));
      }
      menu->hide();
    }
  }

  void everyWindowWasGrabbed() {
    // Windows no road above reached are shown on their own.
    for (const std::string& name : p_->app().windows().RegisteredWindows()) {
      if (name == forms::kMDIForm1 || grabbed_.count(name) != 0) continue;
      ui::Window& w = p_->app().Form(name);
      if (w.is_dialog) {
        ShootDialog(name.c_str(), QString::fromStdString(name), nullptr);
        w.ShowModal();
      } else {
        w.Show();
        Shoot(name.c_str(), QString::fromStdString(name));
      }
    }
    for (const QString& issue : kKnownLayoutIssues) {
      if (known_issues_seen_.count(issue) == 0) {
        qInfo("no longer seen, remove it from the known issues: %s", qPrintable(issue));
      }
    }
    QVERIFY2(layout_problems_.isEmpty(), qPrintable(layout_problems_.join('\n')));
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::ScreenshotsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "screenshots_test.moc"
