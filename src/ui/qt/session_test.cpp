// The desktop session: title and status bar, the windows that hide and come
// back, the section view, recent files, shortcuts, dropped files, and the
// recovery of inputs after the program was killed.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <cstdio>
#include <filesystem>

#include "project/document.h"
#include "project/recovery.h"
#include "project/vrh_writer.h"
#include "ui/forms/windows.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/section_view.h"

namespace varnholt::desktop {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

const std::string kRaised =
    std::string(VARNHOLT_EXAMPLES_DIR) + "/03_residential_raised_seismic_method2.vrh";
const std::string kLevel =
    std::string(VARNHOLT_EXAMPLES_DIR) + "/01_residential_level_entered_ka.vrh";

// The edits the killed program makes: the site name and the wall height.
struct Edit {
  const char* window;
  const char* box;
  const char* text;
};
constexpr Edit kEdits[] = {{"Form2", "txt1", "crash site"}, {"Form16", "txt3", "3.2"}};

void TypeEdits(DesktopProgram& p) {
  for (const Edit& e : kEdits) {
    testing::TypeInto(testing::Widget<QLineEdit>(p, e.window, e.box), QString::fromUtf8(e.text));
  }
}

// The program that is killed: opens the raised-soil example, types the
// edits, waits until its recovery file holds them, says so and waits.
int RunChildToBeKilled(const SessionPaths& paths) {
  DesktopProgram p(paths);
  p.Start();
  project::OpenFileAsked(p.app(), kRaised);
  TypeEdits(p);
  const std::string recovery = p.session().recovery().path();
  if (!testing::WaitFor([&] { return std::filesystem::exists(recovery); }, 10000)) return 3;
  std::printf("READY %s\n", recovery.c_str());
  std::fflush(stdout);
  QTest::qWait(60000);
  return 4;
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::ScratchSession> scratch_;
  std::unique_ptr<DesktopProgram> p_;

  MainWindow& main() { return p_->window(); }
  DesktopSession& session() { return p_->session(); }

  void Open(const std::string& path) {
    project::OpenFileAsked(p_->app(), path);
    session().Refresh();
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    scratch_ = std::make_unique<testing::ScratchSession>();
    p_ = std::make_unique<DesktopProgram>(scratch_->paths());
    p_->Start();
  }
  void cleanup() {
    p_.reset();
    scratch_.reset();
  }

  void titleAndStatusBarFollowTheDesign() {
    QCOMPARE(main().windowTitle(), Q("Varnholt"));
    Open(kLevel);
    QCOMPARE(main().windowTitle(), Q("01_residential_level_entered_ka.vrh - Varnholt"));
    QCOMPARE(session().stateLabel()->text(), Q("保存済み　計算結果：有効"));
    QCOMPARE(session().verdictLabel()->text(), Q("判定：すべて O.K"));
    testing::TypeInto(testing::Widget<QLineEdit>(*p_, "Form2", "txt1"), "x");
    QVERIFY(testing::WaitFor([this] { return main().windowTitle().contains('*'); }));
    QCOMPARE(main().windowTitle(), Q("01_residential_level_entered_ka.vrh* - Varnholt"));
    QCOMPARE(session().stateLabel()->text(), Q("変更あり　計算結果：なし"));
    QCOMPARE(session().verdictLabel()->text(), QString());

    // The file went to the recent files, first in the File menu's list.
    QCOMPARE(session().RecentFiles(), QStringList{QString::fromStdString(kLevel)});
    QCOMPARE(session().recentMenu()->actions().first()->text(),
             Q("&1 01_residential_level_entered_ka.vrh"));
  }

  // The main window keeps its size when the reference tables and the
  // preview close, and its geometry and the design windows' places outlive
  // the run.
  void geometryAndWindowPlacesOutliveTheRun() {
    main().resize(1100, 760);
    Open(kLevel);
    const QSize size = main().size();
    QAction* reference = main().menus()->ActionOf("Men_S");
    QVERIFY(reference != nullptr);
    reference->trigger();
    QVERIFY(main().FrameOf("Form7") != nullptr);
    main().FrameOf("Form7")->close();
    QVERIFY(testing::WaitFor([this] { return main().FrameOf("Form7") == nullptr; }));
    QCOMPARE(main().size(), size);
    main().FrameOf("Form11")->move(420, 230);
    main().FrameOf("Form3")->move(9000, 9000);  // as if left on a far larger screen
    session().End();
    p_.reset();

    p_ = std::make_unique<DesktopProgram>(scratch_->paths());
    p_->Start();
    QCOMPARE(main().size(), size);
    Open(kLevel);
    QCOMPARE(main().FrameOf("Form11")->pos(), QPoint(420, 230));
    QCOMPARE(main().FrameOf("Form2")->pos(), QPoint(0, 0));
    const QSize screen = main().screen()->availableGeometry().size();
    QVERIFY(main().FrameOf("Form3")->x() < screen.width() - 100);
    QVERIFY(main().FrameOf("Form3")->y() < screen.height() - 100);
  }

  // テンプレートとして保存 from the File menu; 新規作成 starts from it.
  void newDesignsStartFromTheTemplate() {
    Open(kLevel);
    QMenu* file = main().menus()->MenuOf("Men_F");
    emit file->aboutToShow();
    QAction* save = file->findChild<QAction*>("save_template");
    QAction* remove = file->findChild<QAction*>("remove_template");
    QVERIFY(save != nullptr && remove != nullptr);
    QVERIFY(save->isEnabled() && !remove->isEnabled());
    save->trigger();
    QVERIFY(std::filesystem::exists(p_->app().template_file));
    QVERIFY(main().statusBar()->currentMessage().startsWith(Q("テンプレートを保存しました：")));
    const std::string fe = p_->app().Form("Form2")["txt3"].Text();
    main().menus()->ActionOf("Men_FNew")->trigger();
    QCOMPARE(p_->app().Form("Form2")["txt3"].Text(), fe);
    QCOMPARE(p_->app().Form("Form3")["txt3"].Text(), std::string());
    session().Refresh();
    QCOMPARE(main().windowTitle(), Q("無題 - Varnholt"));
    emit file->aboutToShow();
    QVERIFY(remove->isEnabled());
  }

  void aWallStableButOverstressedIsNgInTheStatusBar() {
    Open(std::string(VARNHOLT_EXAMPLES_DIR) + "/07_road_thin_crest_body_ng.vrh");
    QCOMPARE(session().verdictLabel()->text(), Q("判定：NG あり"));
  }

  void closedWindowsComeBackFromTheWindowMenu() {
    Open(kLevel);
    const std::string height = p_->app().Form("Form3")["txt3"].Text();
    main().FrameOf("Form3")->close();
    QVERIFY(p_->app().windows().IsLoaded("Form3"));
    QVERIFY(!p_->app().Form("Form3").Shown());
    QMenu* menu = session().windowMenu();
    const std::string unused = p_->app().Form("Form16").Caption();  // loaded, not in use
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(items.mid(items.size() - 5),
             (QStringList{"-", Q("重ねて表示(&C)"), Q("並べて表示(&T)"), Q("次のウィンドウ"),
                          Q("前のウィンドウ")}));
    QVERIFY(items.contains(Q("断面図")));
    const QString f3 = QString::fromStdString(p_->app().Form("Form3").Caption());
    for (QAction* a : menu->actions()) {
      if (a->text() == f3) a->trigger();
    }
    QVERIFY(p_->app().Form("Form3").Shown());
    QCOMPARE(p_->app().Form("Form3")["txt3"].Text(), height);
    // Ctrl+Tab reaches every child window.
    QCOMPARE(menu->actions()[items.indexOf(Q("次のウィンドウ"))]->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Tab));
    QCOMPARE(menu->actions()[items.indexOf(Q("前のウィンドウ"))]->shortcut().toString(),
             QString("Ctrl+Shift+Tab"));
    // Only the dimension window of the ground shape is listed.
    QVERIFY(!items.contains(QString::fromStdString(unused)));
  }

  void sectionViewRedrawsOnEveryEditAndInvalidation() {
    Open(kLevel);
    // The toolbar's 断面図 shows it and stays pressed while it is shown.
    QAction* button = session().sectionButton();
    QVERIFY(main().toolbar()->actions().contains(button));
    QVERIFY(!button->icon().isNull());
    button->trigger();
    QVERIFY(session().sectionFrame()->isVisible());
    QVERIFY(button->isChecked());
    const SectionView& view = *session().sectionView();
    QVERIFY(view.drawing().drawable);
    QVERIFY(view.drawing().forces.has_value());
    // Every keystroke redraws while the box keeps the focus: h 4 m typed
    // over as 6 m, then emptied, drawn flagged with its reason.
    QLineEdit* h = testing::Widget<QLineEdit>(*p_, "Form3", "txt3");
    const double top = view.drawing().Extent().max_y;
    h->setFocus();
    h->selectAll();
    QTest::keyClick(h, '6');
    QVERIFY(testing::WaitFor([&] { return !view.drawing().forces; }));
    QVERIFY(testing::WaitFor([&] { return view.drawing().Extent().max_y > top + 1.9; }));
    QVERIFY(view.drawing().problems.empty());
    QTest::keyClick(h, Qt::Key_Backspace);
    QVERIFY(testing::WaitFor([&] { return !view.drawing().problems.empty(); }));
    QCOMPARE(view.drawing().problems[0].field, section::Field::kHeightH);
    QVERIFY(view.drawing().drawable);
    QVERIFY(h->hasFocus());
    // Behind another window a press brings it to the front; in front a
    // press hides it; its close box lets the button up.
    QMdiArea* mdi = main().mdiArea();
    mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(main().FrameOf("Form3")));
    button->trigger();
    QVERIFY(button->isChecked());
    QCOMPARE(mdi->currentSubWindow(), session().sectionFrame());
    button->trigger();
    QVERIFY(!session().sectionFrame()->isVisible());
    QVERIFY(!button->isChecked());
    button->trigger();
    session().sectionFrame()->close();
    QVERIFY(!button->isChecked());
    button->trigger();
    QVERIFY(session().sectionFrame()->isVisible());
    // Remembered for the next run, with the print-range dialog's 躯体の照査.
    p_->app().print_body_stress = false;  // as the dialog's ＯＫ leaves it
    session().Refresh();
    p_.reset();
    p_ = std::make_unique<DesktopProgram>(scratch_->paths());
    p_->Start();
    QVERIFY(session().sectionFrame() != nullptr && session().sectionFrame()->isVisible());
    QVERIFY(!p_->app().print_body_stress);
  }

  void aFileGivenOnTheCommandLineShowsItsSection() {
    session().ShowSection(true);
    p_.reset();
    p_ = std::make_unique<DesktopProgram>(scratch_->paths());
    p_->Start();
    p_->OpenGiven(kRaised);
    QCOMPARE(p_->app().current_file, kRaised);
    const section::SectionDrawing& drawing = session().sectionView()->drawing();
    QVERIFY(drawing.drawable);
    QVERIFY(drawing.forces.has_value());  // opened means calculated
    QVERIFY(!drawing.title.empty());
    // Printing and export are in the File menu and the view's context menu.
    const QList<QAction*> file = main().menus()->MenuOf("Men_F")->actions();
    const QList<QAction*>& section = session().section_actions;
    QCOMPARE(section.size(), 2);
    QCOMPARE(file.indexOf(section[0]), file.indexOf(main().menus()->ActionOf("Men_FPrn")) + 1);
    QCOMPARE(file.indexOf(section[1]), file.indexOf(section[0]) + 1);
    QCOMPARE(session().sectionView()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(session().sectionView()->actions().size(), 2);
  }

  void shortcutsAndDroppedFiles() {
    MenuBinder* m = main().menus();
    QCOMPARE(m->ActionOf("Men_FNew")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(m->ActionOf("Men_FOpn")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(m->ActionOf("Men_FOvw")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(m->ActionOf("Men_FSav")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QCOMPARE(m->ActionOf("Men_FPrn")->shortcut(), QKeySequence(QKeySequence::Print));

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(kLevel))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &drop);
    QVERIFY(testing::WaitFor([this] { return p_->app().current_file == kLevel; }));
    QVERIFY(p_->app().results().valid());

    // Another file dropped onto unsaved changes asks first; キャンセル keeps them.
    testing::TypeInto(testing::Widget<QLineEdit>(*p_, "Form2", "txt1"), "y");
    QVERIFY(project::Modified(p_->app()));
    testing::ModalScript script;
    testing::AnswerWith(script, "キャンセル");
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(kRaised))});
    QDragEnterEvent enter_again(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                                Qt::NoModifier);
    QApplication::sendEvent(&main(), &enter_again);
    QDropEvent again(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &again);
    QVERIFY(testing::WaitFor([&script] { return script.Done(); }));
    QCOMPARE(script.texts, std::vector<std::string>{"変更を保存しますか?"});
    QCOMPARE(p_->app().current_file, kLevel);
    QCOMPARE(p_->app().Form("Form2")["txt1"].Text().back(), 'y');
  }

  void killedProgramLeavesARecoveryFileThatRestoresTheExactInputs() {
    testing::ScratchSession shared;
    const SessionPaths paths = shared.paths();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VARNHOLT_TEST_CHILD_SETTINGS", paths.settings_file);
    env.insert("VARNHOLT_TEST_CHILD_RECOVERY", QString::fromStdString(paths.recovery_folder));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    QVERIFY(testing::WaitFor([&child] { return child.canReadLine(); }, 20000));
    const QString ready = QString::fromUtf8(child.readLine()).trimmed();
    QVERIFY2(ready.startsWith("READY "), qPrintable(ready));
    child.kill();  // SIGKILL: no clean exit, nothing removed
    QVERIFY(child.waitForFinished());
    QVERIFY(std::filesystem::exists(ready.mid(6).toStdString()));

    // What the inputs must be: the example with the same edits typed.
    DesktopProgram expected(testing::ScratchSession().paths());
    expected.Start();
    project::OpenFileAsked(expected.app(), kRaised);
    TypeEdits(expected);
    const std::string want = project::EncodeProject(expected.app()).bytes;

    // The next start offers it; 復元 brings the inputs back, unsaved.
    p_.reset();
    testing::ModalScript script;
    testing::AnswerWith(script, "復元");
    p_ = std::make_unique<DesktopProgram>(paths);
    p_->Start();
    QVERIFY(script.Done());
    QCOMPARE(script.texts.size(), std::size_t{1});
    QCOMPARE(project::EncodeProject(p_->app()).bytes, want);
    QCOMPARE(p_->app().current_file, kRaised);
    QVERIFY(project::Modified(p_->app()));
    QCOMPARE(main().windowTitle(), Q("03_residential_raised_seismic_method2.vrh* - Varnholt"));
    QVERIFY(!project::FindLeftRecovery(paths.recovery_folder).has_value());

    // A clean end removes this run's file.
    const std::string own = session().recovery().path();
    QVERIFY(std::filesystem::exists(own));
    session().End();
    QVERIFY(!std::filesystem::exists(own));
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  const QString settings = qEnvironmentVariable("VARNHOLT_TEST_CHILD_SETTINGS");
  if (!settings.isEmpty()) {
    varnholt::desktop::SessionPaths paths;
    paths.settings_file = settings;
    paths.recovery_folder = qEnvironmentVariable("VARNHOLT_TEST_CHILD_RECOVERY").toStdString();
    return varnholt::desktop::RunChildToBeKilled(paths);
  }
  varnholt::desktop::SessionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "session_test.moc"
