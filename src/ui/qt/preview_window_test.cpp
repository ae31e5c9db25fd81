// The preview windows on the desktop: the page picture painted from its
// recording, scrolling by the bars and the wheel, paging and closing, and
// the report on a printer and in a PDF file through the real dialogs.

#include "ui/qt/preview_window.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <memory>

#include "project/file_commands.h"
#include "report/page_plan.h"
#include "ui/forms/windows.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_test_support.h"

#ifndef VARNHOLT_EXAMPLES_DIR
#define VARNHOLT_EXAMPLES_DIR "examples"
#endif

namespace varnholt::desktop {
namespace {

using testing::ModalScript;

int PdfPages(const QByteArray& pdf) {
  static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Dots of an image noticeably darker than white.
int DarkDots(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
  }
  return n;
}

}  // namespace

class PreviewWindowTest : public QObject {
  Q_OBJECT

  MainWindow& main() { return p_->window(); }
  ui::Window& Form(const char* name) { return p_->app().Form(name); }
  QAction* Menu(const char* window, const char* item) {
    WindowView* view = main().ViewOf(window);
    return view != nullptr && view->menus() != nullptr ? view->menus()->ActionOf(item) : nullptr;
  }
  QWidget* Widget(const char* window, const char* control) {
    WindowView* view = main().ViewOf(window);
    return view != nullptr ? view->WidgetOf(control) : nullptr;
  }
  bool FrameShown(const char* window) {
    QWidget* frame = main().FrameOf(window);
    return frame != nullptr && frame->isVisible();
  }
  void Open(const char* example) {
    const std::string path = std::string(VARNHOLT_EXAMPLES_DIR) + "/" + example;
    QCOMPARE(project::OpenProjectFile(p_->app(), path).outcome, project::OpenOutcome::kCalculated);
  }
  void StartPreview() {
    QAction* preview = main().menus()->ActionOf(forms::ToolButtonName(5));
    QVERIFY(preview != nullptr && preview->isEnabled());
    preview->trigger();
    QVERIFY(FrameShown(forms::kForm4));
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
    Open("01_residential_level_entered_ka.vrh");
  }
  void cleanup() { p_.reset(); }

  void previewShowsPageOneOnThePaper() {
    StartPreview();
    QVERIFY(!main().toolbar()->isVisibleTo(&main()));
    QCOMPARE(main().FrameOf(forms::kForm4)->pos(), QPoint(0, 0));
    QStringList items;
    for (const char* item : {"Men_Nex", "Men_Pre", "Men_Pdf", "Men_Cls"}) {
      QAction* a = Menu(forms::kForm4, item);
      items << (a != nullptr ? a->text() : QString("<none>"));
    }
    QCOMPARE(items, (QStringList{"次のページ", "印刷", "PDF出力", "閉じる"}));

    // The picture is the A4 paper at the screen's scale, the viewport a
    // part of it.
    QWidget* picture = Widget(forms::kForm4, "Picture2");
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->size(), main().scale().Rect(0, 0, 11906, 16838).size());
    QCOMPARE(picture->parentWidget(), Widget(forms::kForm4, "Picture1"));
    const QImage shown = picture->grab().toImage();
    const QImage rendered =
        p_->report().painter().Render(forms::kForm4, picture->size(), 1.0).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             rendered.convertToFormat(QImage::Format_RGB32));
    // Text where the general items are; the margins stay white.
    const int left = main().scale().Px(170);
    const int top = main().scale().Px(454);
    QVERIFY(DarkDots(shown, QRect(0, 0, shown.width(), top - 1)) == 0);
    QVERIFY(DarkDots(shown, QRect(0, 0, left - 1, shown.height())) == 0);
    QVERIFY(DarkDots(shown, QRect(left, top, shown.width() - left, main().scale().Px(3000))) > 500);
  }

  void barsAndWheelScrollThePage() {
    StartPreview();
    auto* vbar = qobject_cast<QScrollBar*>(Widget(forms::kForm4, "VScroll1"));
    auto* hbar = qobject_cast<QScrollBar*>(Widget(forms::kForm4, "HScroll1"));
    QVERIFY(vbar != nullptr && hbar != nullptr);
    QCOMPARE(vbar->maximum(), 9743);
    QCOMPARE(vbar->pageStep(), 4872);
    QCOMPARE(vbar->singleStep(), 2436);
    QCOMPARE(hbar->pageStep(), 621);
    QWidget* picture = Widget(forms::kForm4, "Picture2");
    vbar->setValue(4000);
    hbar->setValue(600);
    QCOMPARE(Form(forms::kForm4)["Picture2"].top, -4000);
    QCOMPARE(picture->pos(), main().scale().Point(-600, -4000));

    // The wheel turned towards the user moves the page up.
    vbar->setValue(0);
    QWheelEvent wheel(QPointF(50, 50), picture->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &wheel);
    QVERIFY(vbar->value() > 0);
    QCOMPARE(picture->y(), -main().scale().Px(vbar->value()));
  }

  void pagingAndClosingBringTheToolbarBack() {
    const QSize before = main().size();
    StartPreview();
    Menu(forms::kForm4, "Men_Nex")->trigger();
    QVERIFY(FrameShown(forms::kForm5));
    QVERIFY(!FrameShown(forms::kForm4));
    Menu(forms::kForm5, "Men_Nex")->trigger();
    QVERIFY(FrameShown(forms::kForm8));
    QWidget* page3 = Widget(forms::kForm8, "Picture2");
    QVERIFY(DarkDots(page3->grab().toImage(), page3->rect()) > 1000);
    Menu(forms::kForm8, "Men_Cls")->trigger();
    for (const char* w : {forms::kForm4, forms::kForm5, forms::kForm8}) {
      QVERIFY(main().FrameOf(w) == nullptr);
    }
    QVERIFY(main().toolbar()->isVisibleTo(&main()));
    QCOMPARE(main().size(), before);

    // The close box of a preview window brings the toolbar back as well.
    StartPreview();
    main().FrameOf(forms::kForm4)->close();
    QVERIFY(!p_->app().windows().IsLoaded(forms::kForm4));
    QVERIFY(main().toolbar()->isVisibleTo(&main()));
  }

  void keysPageThroughZoomAndEscapeCloses() {
    StartPreview();
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    auto key = [this](const char* window, QKeyCombination k) {
      QWidget* frame = main().FrameOf(window);
      frame->setFocus();
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus != nullptr && (focus == frame || frame->isAncestorOf(focus)));
      QTest::keyClick(focus, k.key(), k.keyboardModifiers());
    };
    key(forms::kForm4, QKeyCombination(Qt::Key_PageDown));
    QVERIFY(FrameShown(forms::kForm5));
    key(forms::kForm5, QKeyCombination(Qt::Key_End));
    QVERIFY(FrameShown(forms::kForm9));
    key(forms::kForm9, QKeyCombination(Qt::Key_Home));
    QVERIFY(FrameShown(forms::kForm4) && !FrameShown(forms::kForm9));

    // Zoom: a step at a time, fitted, and kept for the next run.
    QWidget* picture = Widget(forms::kForm4, "Picture2");
    QWidget* viewport = Widget(forms::kForm4, "Picture1");
    const QSize actual = main().scale().Rect(0, 0, 11906, 16838).size();
    key(forms::kForm4, QKeyCombination(Qt::CTRL, Qt::Key_Minus));
    QCOMPARE(picture->width(), qRound(actual.width() * 0.9));
    QWheelEvent zoom_in(QPointF(50, 50), picture->mapToGlobal(QPointF(50, 50)), QPoint(),
                        QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                        false);
    QApplication::sendEvent(picture, &zoom_in);
    QCOMPARE(picture->size(), actual);
    key(forms::kForm4, QKeyCombination(Qt::CTRL, Qt::Key_1));  // ページ全体
    QVERIFY(viewport->rect().contains(picture->geometry()));
    QVERIFY(picture->height() >= viewport->height() - 1);
    key(forms::kForm4, QKeyCombination(Qt::CTRL, Qt::Key_2));  // 幅に合わせる
    QVERIFY(qAbs(picture->width() - viewport->width()) <= 1);
    QCOMPARE(p_->session().settings().value("preview/zoom").toString(), QString("width"));

    // Maximised, the page takes the room with the bars at its edges, still
    // fitted to the width; restored, it is as before.
    auto* frame = qobject_cast<QMdiSubWindow*>(main().FrameOf(forms::kForm4));
    QVERIFY(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize normal = viewport->size();
    QWidget* vbar = Widget(forms::kForm4, "VScroll1");
    QWidget* hbar = Widget(forms::kForm4, "HScroll1");
    const int right_gap = vbar->x() - viewport->geometry().right();
    const int bottom_gap = hbar->y() - viewport->geometry().bottom();
    frame->showMaximized();
    QVERIFY(testing::WaitFor([&] { return viewport->width() > normal.width(); }));
    QVERIFY(viewport->height() > normal.height());
    QCOMPARE(vbar->x() - viewport->geometry().right(), right_gap);
    QCOMPARE(hbar->y() - viewport->geometry().bottom(), bottom_gap);
    QCOMPARE(vbar->height(), viewport->height());
    QCOMPARE(hbar->width(), viewport->width());
    QVERIFY(qAbs(picture->width() - viewport->width()) <= 1);
    frame->showNormal();
    QVERIFY(testing::WaitFor([&] { return viewport->size() == normal; }));

    // Escape closes the page as its close box does.
    key(forms::kForm4, QKeyCombination(Qt::Key_Escape));
    QVERIFY(!p_->app().windows().IsLoaded(forms::kForm4));
    QVERIFY(main().toolbar()->isVisibleTo(&main()));

    // The next run shows the page fitted to the width.
    p_.reset();
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
    Open("01_residential_level_entered_ka.vrh");
    StartPreview();
    QVERIFY(qAbs(Widget(forms::kForm4, "Picture2")->width() -
                 Widget(forms::kForm4, "Picture1")->width()) <= 1);
  }

  void pdfOutputGoesThroughTheRangeAndSaveDialogs() {
    StartPreview();
    QTemporaryDir dir;
    const QString path = dir.path() + "/wall";
    ModalScript script;
    script.InDialog(forms::kForm10, [](QWidget& dialog) {
      QTest::mouseClick(dialog.findChild<QRadioButton*>("opt2"), Qt::LeftButton);
      // ＯＫ opens the save dialog, which the next step answers: click it
      // once this step has returned.
      QPushButton* ok = dialog.findChild<QPushButton*>("cmd1");
      QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    });
    script.InStandardDialog("QFileDialog", [&](QWidget& w) {
      auto& dialog = static_cast<QFileDialog&>(w);
      dialog.selectFile(path);
      static_cast<QDialog&>(dialog).accept();
    });
    Menu(forms::kForm4, "Men_Pdf")->trigger();
    QVERIFY(script.Done());
    const QByteArray pdf = ReadFile(path + ".pdf");
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(PdfPages(pdf), 3);  // the stability chapter and the body page
    QVERIFY(FrameShown(forms::kForm4));
  }

  void printerReceivesTheWholeReportInOneJob() {
    // A printer that prints into a file stands for the real one.
    QTemporaryDir dir;
    QPrinter& printer = p_->platform().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + "/printed.pdf");
    std::string error;
    std::unique_ptr<forms::ReportDocument> doc = p_->report().devices().OpenPrinter(error);
    QVERIFY(doc != nullptr);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    report::SilentBeeper silent;
    forms::WriteReport(p_->app(), doc->surface(), report::PrintJob{}, silent);
    QCOMPARE(doc->Finish(), std::string());
    doc.reset();
    QCOMPARE(PdfPages(ReadFile(dir.path() + "/printed.pdf")), 4);
  }

 private:
  testing::ScratchSession scratch_;
  std::unique_ptr<DesktopProgram> p_;
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::PreviewWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "preview_window_test.moc"
