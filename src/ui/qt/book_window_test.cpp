// The design book's window as an engineer uses it: made from files and the
// design on screen, saved and opened again, recomputed when a wall's file
// changes, written as PDF and spreadsheet, and never discarded unasked.

#include "ui/qt/book_window.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <regex>

#include "project/file_commands.h"
#include "ui/qt/desktop_program.h"
#include "ui/qt/qt_test_support.h"

#ifndef VARNHOLT_EXAMPLES_DIR
#define VARNHOLT_EXAMPLES_DIR "examples"
#endif

namespace varnholt::desktop {

class BookWindowTest : public QObject {
  Q_OBJECT

  forms::App& app() { return p_->app(); }
  // A copy of an example in the test's folder.
  std::string Copy(const char* example, const char* as) {
    const QString to = dir_->filePath(as);
    QFile::remove(to);
    QFile::copy(QString(VARNHOLT_EXAMPLES_DIR) + "/" + example, to);
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return to.toStdString();
  }
  BookWindow& Book() {
    p_->session().ShowBook();
    BookWindow* w = p_->session().book_window(false);
    Q_ASSERT(w != nullptr);
    return *w;
  }
  static std::string ReadAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
  }
  void cleanup() {
    p_.reset();
    dir_.reset();
  }

  // ファイル → 計算書一式… and the ウィンドウ menu bring the window up.
  void OpensFromTheMenus() {
    QAction* item = p_->window().findChild<QAction*>("book_item");
    QVERIFY(item != nullptr);
    QVERIFY(p_->session().book_window(false) == nullptr);
    item->trigger();
    BookWindow* w = p_->session().book_window(false);
    QVERIFY(w != nullptr && w->isVisible());
    emit p_->session().windowMenu()->aboutToShow();
    bool listed = false;
    for (QAction* a : p_->session().windowMenu()->actions())
      if (a->text() == QString::fromUtf8("計算書一式")) listed = a->isChecked();
    QVERIFY(listed);
  }

  // Walls added, ordered, given their cases, saved relative to the book and
  // opened again equal; the verdicts per case.
  void MakesSavesAndOpensABook() {
    const std::string w1 = Copy("book/W-1.vrh", "W-1.vrh");
    const std::string w7 = Copy("07_road_thin_crest_body_ng.vrh", "W-7.vrh");
    BookWindow& b = Book();
    b.AddFile(w7);
    b.AddFile(w1, book::CaseChoice::kBoth);
    b.Move(1, -1);
    QCOMPARE(b.entries()[0].path, w1);
    QCOMPARE(b.entries()[0].symbol, QString("W-1"));
    QCOMPARE(b.entries()[0].verdict, QString::fromUtf8("常時 O.K　地震時② O.K"));
    QCOMPARE(b.entries()[1].verdict, QString::fromUtf8("常時 NG"));
    b.SetCases(1, book::CaseChoice::kSeismic);  // a short-term fence load
    QVERIFY(b.entries()[1].verdict.contains(QString::fromUtf8("計算できません")));
    QVERIFY(b.modified());

    const std::string path = dir_->filePath("job.vrhbook").toStdString();
    QCOMPARE(b.SaveBook(path), std::string());
    QVERIFY(!b.modified());
    QVERIFY(b.windowTitle().startsWith("job.vrhbook - "));
    const book::BookParse written = book::ReadBookFile(path);
    QCOMPARE(written.book.members.front(), (book::BookMember{"W-1.vrh", book::CaseChoice::kBoth}));
    const book::Book saved = b.CurrentBook();
    b.Remove(1);
    QCOMPARE(b.entries().size(), std::size_t{1});
    b.NewBook();
    QCOMPARE(b.OpenBook(path), std::string());
    QCOMPARE(b.CurrentBook(), saved);
    QVERIFY(!b.modified());
    // A wall's file is never the book's.
    QVERIFY(!b.SaveBook(w1).empty());
    QVERIFY(ReadAll(w1).rfind("{", 0) == std::string::npos);
  }

  // A wall saved anew (here: replaced on disk) is recalculated at once.
  void RecalculatesAWallChangedOnDisk() {
    const std::string wall = Copy("book/W-1.vrh", "W.vrh");
    BookWindow& b = Book();
    b.AddFile(wall);
    QCOMPARE(b.entries()[0].verdict, QString::fromUtf8("常時 O.K"));
    Copy("07_road_thin_crest_body_ng.vrh", "W.vrh");
    QTRY_COMPARE(b.entries()[0].verdict, QString::fromUtf8("常時 NG"));
    QCOMPARE(b.entries()[0].symbol, QString("W-7"));
  }

  // The book's PDF has every page; the spreadsheet is a workbook; an output
  // onto a wall is refused and nothing written.
  void WritesPdfAndSpreadsheet() {
    const std::string w1 = Copy("book/W-1.vrh", "W-1.vrh");
    BookWindow& b = Book();
    b.AddFile(w1, book::CaseChoice::kBoth);
    const std::string pdf = dir_->filePath("book.pdf").toStdString();
    QCOMPARE(b.WritePdf(pdf), std::string());
    const std::string bytes = ReadAll(pdf);
    static const std::regex page("/Type\\s*/Page[^s]");
    const auto pages = std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                     std::sregex_iterator());
    QCOMPARE(pages, 3 + 2 * 4);  // cover, contents, summary, two cases
    std::string error;
    QCOMPARE(b.BookPages(error).size(), std::size_t{11});
    const std::string xlsx = dir_->filePath("book.xlsx").toStdString();
    QCOMPARE(b.WriteSheet(xlsx), std::string());
    QVERIFY(ReadAll(xlsx).rfind("PK", 0) == 0);
    QCOMPARE(b.WriteSheet(dir_->filePath("book.csv").toStdString()), std::string());
    QVERIFY(ReadAll(dir_->filePath("book.csv").toStdString()).rfind("\xEF\xBB\xBFNo.", 0) == 0);
    const std::string before = ReadAll(w1);
    QVERIFY(!b.WritePdf(w1).empty());
    QCOMPARE(ReadAll(w1), before);
  }

  // Unsaved changes ask before they are lost; キャンセル keeps the window.
  void AsksBeforeDiscardingTheBook() {
    BookWindow& b = Book();
    QVERIFY(b.ConfirmDiscard());  // nothing to lose
    b.AddFile(Copy("book/W-1.vrh", "W-1.vrh"));
    testing::ModalScript script;
    testing::AnswerWith(script, "キャンセル");
    QVERIFY(!b.close());
    QVERIFY(b.isVisible());
    testing::AnswerWith(script, "保存しない");
    QVERIFY(b.close());
    QVERIFY(script.Done());
    QCOMPARE(script.texts.front(), std::string("計算書一式の変更を保存しますか?"));
    // Ending the program asks as well; キャンセル keeps it running.
    b.AddFile(Copy("book/W-2.vrh", "W-2.vrh"));
    testing::AnswerWith(script, "キャンセル");
    QVERIFY(!app().commands.confirm_discard());
    QVERIFY(b.modified());
  }

  // The design on screen joins the book from its file; without one, the
  // engineer is asked to save it first, and 'No' adds nothing.
  void AddsTheCurrentDesignAndOpensAWallInTheEditor() {
    const std::string w1 = Copy("book/W-1.vrh", "W-1.vrh");
    const std::string w2 = Copy("book/W-2.vrh", "W-2.vrh");
    BookWindow& b = Book();
    project::FileNew(app());
    testing::ModalScript script;
    script.Answer(QMessageBox::No);
    b.findChild<QPushButton*>("book_add_current")->click();
    QVERIFY(script.Done());
    QVERIFY(b.entries().empty());
    QCOMPARE(project::OpenProjectFile(app(), w1).outcome, project::OpenOutcome::kCalculated);
    b.findChild<QPushButton*>("book_add_current")->click();
    QCOMPARE(b.entries().size(), std::size_t{1});
    b.AddFile(w2);
    b.findChild<QPushButton*>("book_edit")->click();  // the row just added
    QCOMPARE(app().current_file, w2);
  }

 private:
  testing::ScratchSession scratch_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<DesktopProgram> p_;
};

}  // namespace varnholt::desktop

QTEST_MAIN(varnholt::desktop::BookWindowTest)
#include "book_window_test.moc"
