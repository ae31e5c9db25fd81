// The section view on its own: the example walls of every ground shape, with
// a shear key and with a fence, drawn from what the windows hold; hover
// texts, wheel zoom about the pointer and fitting on a double click. A
// picture of each goes to build/screenshots/section/, with the SVG export
// rendered back to a picture beside it.

#include "ui/qt/section_view.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "ui/forms/app.h"
#include "ui/forms/section_source.h"
#include "ui/forms/windows.h"

#ifndef VARNHOLT_EXAMPLES_DIR
#define VARNHOLT_EXAMPLES_DIR "examples"
#endif
#ifndef VARNHOLT_SCREENSHOT_DIR
#define VARNHOLT_SCREENSHOT_DIR "screenshots"
#endif

namespace varnholt::desktop {
namespace {

// One example opened as the desktop program opens it.
struct Opened {
  project::BatchPlatform platform;
  std::unique_ptr<forms::App> app;
  bool calculated = false;
};

std::unique_ptr<Opened> Open(const char* name) {
  auto o = std::make_unique<Opened>();
  o->app = std::make_unique<forms::App>(o->platform);
  o->platform.open_path = std::string(VARNHOLT_EXAMPLES_DIR) + "/" + name;
  o->calculated = project::FileOpen(*o->app).outcome == project::OpenOutcome::kCalculated;
  return o;
}

section::SectionDrawing DrawingOf(forms::App& app) {
  return section::BuildSection(forms::ReadSectionInputs(app), forms::SectionResults(app));
}

// Dots of the flagged red (antialiased edges included).
int RedDots(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      n += qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90 ? 1 : 0;
    }
  }
  return n;
}

int DarkDots(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
  return n;
}

QString ScreenshotDir() {
  const QString dir = QString(VARNHOLT_SCREENSHOT_DIR) + "/section";
  QDir().mkpath(dir);
  return dir;
}

}  // namespace

class SectionViewTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryGroundShapeKeyAndFence_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("picture");
    QTest::newRow("水平") << "01_residential_level_entered_ka.vrh"
                          << "level";
    QTest::newRow("一様斜面") << "02_residential_slope_computed_ka.vrh"
                              << "slope";
    QTest::newRow("嵩上げ土") << "03_residential_raised_seismic_method2.vrh"
                              << "raised_soil";
    QTest::newRow("突起") << "04_road_level_seismic_shear_key.vrh"
                          << "shear_key";
    QTest::newRow("柵") << "05_residential_fence_concentrated_load.vrh"
                        << "fence";
  }

  void EveryGroundShapeKeyAndFence() {
    QFETCH(QString, example);
    QFETCH(QString, picture);
    const auto opened = Open(example.toUtf8().constData());
    QVERIFY(opened->calculated);
    SectionView view;
    view.resize(900, 650);
    view.SetDrawing(DrawingOf(*opened->app));
    QVERIFY(view.drawing().drawable);
    QVERIFY(view.drawing().forces.has_value());
    QVERIFY2(view.drawing().problems.empty(), view.drawing().Reason().c_str());
    const QImage shot = view.grab().toImage();
    QVERIFY(shot.save(ScreenshotDir() + "/" + picture + ".png"));
    QVERIFY(DarkDots(shot) > 2000);
    // The SVG export, rendered back, shows the same drawing.
    const QByteArray svg =
        section::qt::RenderSvg(view.drawing(), QSize(900, 650), view.font().family());
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QImage back(900, 650, QImage::Format_ARGB32);
    back.fill(Qt::white);
    QPainter p(&back);
    renderer.render(&p);
    p.end();
    QVERIFY(back.save(ScreenshotDir() + "/" + picture + "_svg.png"));
    QVERIFY(DarkDots(back) > 2000);
  }

  void AnInvalidatedCalculationDrawsNoForces() {
    const auto opened = Open("01_residential_level_entered_ka.vrh");
    forms::App& app = *opened->app;
    QVERIFY(!DrawingOf(app).arrows.empty());
    app.results().ClearResults();  // as every edit leaves it
    QVERIFY(DrawingOf(app).arrows.empty());
    QVERIFY(!DrawingOf(app).forces.has_value());
  }

  void AFlaggedDimensionIsRedWithItsReason() {
    const auto opened = Open("01_residential_level_entered_ka.vrh");
    forms::App& app = *opened->app;
    app.Form(forms::kForm3)["txt7"].SetText("");
    app.results().ClearResults();
    SectionView view;
    view.resize(900, 650);
    view.SetDrawing(DrawingOf(app));
    QCOMPARE(QString::fromStdString(view.drawing().Reason()), QString("底版幅 B が未入力です。"));
    const QImage shot = view.grab().toImage();
    QVERIFY(shot.save(ScreenshotDir() + "/flagged.png"));
    QVERIFY(RedDots(shot) > 50);
  }

  void HoverShowsTheValueWithUnit() {
    const auto opened = Open("01_residential_level_entered_ka.vrh");
    SectionView view;
    view.resize(900, 650);
    view.SetDrawing(DrawingOf(*opened->app));
    for (const section::Label& l : view.drawing().labels) {
      if (l.text != "W" && l.text != "4,000") continue;
      const QString tip = view.TipAt(view.placement().ToDevice(l.at));
      QCOMPARE(tip, QString::fromStdString(l.tip));
      QVERIFY(tip.contains(l.text == "W" ? " kN/m" : " m"));
    }
    QCOMPARE(view.TipAt(QPointF(2, 2)), QString());
  }

  void WheelZoomsAboutThePointerAndDoubleClickFits() {
    const auto opened = Open("03_residential_raised_seismic_method2.vrh");
    SectionView view;
    view.resize(900, 650);
    view.SetDrawing(DrawingOf(*opened->app));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const double fitted = view.placement().scale;
    const QPointF at(300, 200);
    const section::Point under = view.placement().ToSection(at);
    QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QVERIFY(!view.fitted());
    QVERIFY(qAbs(view.placement().scale - fitted * 1.25 * 1.25) < 1e-9 * fitted);
    const section::Point still = view.placement().ToSection(at);
    QVERIFY(qAbs(still.x - under.x) < 1e-9 && qAbs(still.y - under.y) < 1e-9);
    // A new drawing (a keystroke) keeps the zoom.
    view.SetDrawing(DrawingOf(*opened->app));
    QVERIFY(qAbs(view.placement().scale - fitted * 1.5625) < 1e-9 * fitted);
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(view.fitted());
    QCOMPARE(view.placement().scale, fitted);
  }
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::SectionViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "section_view_test.moc"
