// The help window: every window's F1 chapter is a heading of the manual,
// F1 opens it from a child window and from inside a modal dialog, the help
// menu opens both documents, and the search keeps only matching sections.

#include "ui/qt/help_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <QWindow>
#include <optional>
#include <set>
#include <utility>

#include "project/file_commands.h"
#include "ui/forms/preview.h"
#include "ui/forms/sizing_bridge.h"
#include "ui/forms/windows.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/section_table_dialog.h"
#include "ui/qt/sizing_dialog.h"

namespace varnholt::desktop {
namespace {

using testing::ModalScript;
using testing::Widget;

QString Q(const char* s) { return QString::fromUtf8(s); }

QString ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private:
  testing::ScratchSession scratch_;  // settings of its own, never the user's
  std::unique_ptr<DesktopProgram> p_;
  HelpController& help() { return *p_->help(); }
  HelpWindow& shown() { return *help().window(); }
  // The file the page shows and the heading the caret is on.
  QString ShownFile() { return QFileInfo(shown().browser()->source().path()).fileName(); }
  QString CaretBlock() { return shown().browser()->textCursor().block().text(); }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
  }
  void cleanup() { p_.reset(); }

  // Every window of the program has a chapter, and its heading is there: a
  // renamed heading or a new window without a chapter fails here.
  void everyWindowHasAChapterInTheManual() {
    const HelpDocuments docs = HelpDocuments::Find();
    QVERIFY(docs.found());
    std::vector<std::string> windows = p_->app().windows().RegisteredWindows();
    for (const char* preview : {forms::kForm4, forms::kForm5, forms::kForm8}) {
      windows.push_back(preview);
    }
    const std::vector<std::string> known = WindowsWithTopics();
    for (const std::string& w : windows) {
      QVERIFY2(std::find(known.begin(), known.end(), w) != known.end(),
               qPrintable(QString::fromStdString(w) + " has no chapter in the manual"));
    }
    for (const std::string& w : known) {
      const HelpTopic topic = TopicOfWindow(w);
      const QString file = docs.root + "/manual/" + topic.file;
      const QString text = ReadFile(file);
      QVERIFY2(!text.isEmpty(), qPrintable(file));
      if (topic.heading.isEmpty()) continue;
      bool found = false;
      for (const MarkdownHeading& h : ReadHeadings(text)) found |= h.text == topic.heading;
      QVERIFY2(found, qPrintable(topic.file + ": no heading " + topic.heading));
    }
  }

  void f1OpensTheChapterOfTheWindowInUse() {
    p_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p_->window()));
    QTest::keyClick(&p_->window(), Qt::Key_F1);
    QVERIFY(shown().isVisible());
    QCOMPARE(ShownFile(), Q("main_window.md"));

    // A child window: the caret in a box of the design conditions.
    p_->app().commands.file_new();
    QLineEdit* site = Widget<QLineEdit>(*p_, forms::kForm2, "txt1");
    p_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p_->window()));
    p_->window().FrameOf(forms::kForm2)->setFocus();
    QTest::mouseClick(site, Qt::LeftButton);
    QTest::keyClick(site, Qt::Key_F1);
    QCOMPARE(ShownFile(), Q("conditions.md"));
    QVERIFY2(site->text().isEmpty(), "F1 is not typed into the box");

    // Inside the modal fence dialog, which the help window then belongs to.
    QTest::mouseClick(Widget<QAbstractButton>(*p_, forms::kForm2, "opt11"), Qt::LeftButton);
    ModalScript script;
    script.InDialog(forms::kForm17, [this](QWidget& dialog) {
      QTest::keyClick(
          QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog,
          Qt::Key_F1);
      QCOMPARE(ShownFile(), Q("dialogs.md"));
      QCOMPARE(CaretBlock(), Q("フェンス、柵、塀等"));
      QCOMPARE(shown().windowHandle()->transientParent(), dialog.windowHandle());
      QTest::mouseClick(Widget<QAbstractButton>(*p_, forms::kForm17, "cmd2"), Qt::LeftButton);
    });
    QTest::mouseClick(Widget<QAbstractButton>(*p_, forms::kForm2, "cmd3"), Qt::LeftButton);
    QVERIFY(script.Done());

    // The section view, a frame of the main window beside the design's.
    shown().close();
    p_->session().ShowSection(true);
    p_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p_->window()));
    p_->window().mdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(p_->session().sectionFrame()));
    QTest::keyClick(&p_->window(), Qt::Key_F1);
    QCOMPARE(ShownFile(), Q("section_view.md"));
  }

  // The sizing dialog and the table dialog it opens (a child of it, as the
  // program opens it): F1 in either opens its section of the sizing chapter.
  void f1InTheSizingDialogsOpensTheSizingChapter() {
    const std::string example =
        std::string(VARNHOLT_EXAMPLES_DIR) + "/01_residential_level_entered_ka.vrh";
    QCOMPARE(project::OpenProjectFile(p_->app(), example).outcome,
             project::OpenOutcome::kCalculated);
    std::optional<sizing::DesignInput> design = forms::DesignForSizing(p_->app());
    QVERIFY(design.has_value());
    SizingDialog sizing(p_->app(), *design, &p_->window(), &p_->platform());
    SectionTableDialog table(p_->app(), p_->platform(), {*design}, sizing::Variables{}, &sizing);
    const std::pair<QDialog*, const char*> rows[] = {{&sizing, "断面の自動決定"},
                                                     {&table, "標準断面表"}};
    for (const auto& [dialog, heading] : rows) {
      // Modal, as the program runs them.
      dialog->setWindowModality(Qt::ApplicationModal);
      dialog->show();
      dialog->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      QTest::keyClick(dialog, Qt::Key_F1);
      QCOMPARE(ShownFile(), Q("sizing.md"));
      QCOMPARE(CaretBlock(), Q(heading));
    }
  }

  void menuOpensBothDocumentsAndTheSearchFilters() {
    QMenu* menu = p_->window().menus()->MenuOf("Men_H");
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(items,
             (QStringList{Q("操作説明書(&M)"), Q("計算理論(&T)"), "-", Q("ﾊﾞｰｼﾞｮﾝ情報(&A)")}));
    menu->actions()[1]->trigger();
    QCOMPARE(shown().browser()->source().path().section('/', -2), Q("theory/README.md"));
    menu->actions()[0]->trigger();
    QCOMPARE(shown().browser()->source().path().section('/', -2), Q("manual/README.md"));

    // Both books with their chapters and sections.
    QTreeWidget* tree = shown().contents();
    QCOMPARE(tree->topLevelItemCount(), 2);
    QVERIFY(tree->topLevelItem(0)->childCount() >= 10);
    QVERIFY(tree->topLevelItem(1)->childCount() >= 10);

    // A link to a heading of another chapter scrolls to it.
    const QString results = HelpDocuments::Find().root + "/manual/results.md";
    QUrl url = QUrl::fromLocalFile(results);
    url.setFragment(HeadingSlug(Q("検討方法（常時）")));
    shown().browser()->setSource(url);
    QCOMPARE(CaretBlock(), Q("検討方法（常時）"));

    // The search keeps the sections that hold every word; Enter selects the
    // next place in the page.
    QTest::keyClicks(shown().search(), "F1");
    int kept = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
      if ((*it)->isHidden()) continue;
      if ((*it)->childCount() == 0) {
        ++kept;
        QVERIFY2((*it)->data(0, Qt::UserRole + 2).toString().contains("F1"),
                 qPrintable((*it)->text(0)));
      }
    }
    QVERIFY(kept > 0);
    QVERIFY(tree->topLevelItem(1)->isHidden() || kept < 40);
    tree->itemClicked(tree->topLevelItem(0), 0);
    QTest::keyClick(shown().search(), Qt::Key_Return);
    QCOMPARE(shown().browser()->textCursor().selectedText(), Q("F1"));
    shown().search()->clear();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) QVERIFY(!(*it)->isHidden());
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::HelpWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_window_test.moc"
