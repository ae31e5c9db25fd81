// The sizing dialog as an engineer uses it: a search whose best section is
// applied to the windows, and a long search stopped with nothing changed.

#include "ui/qt/sizing_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "project/file_commands.h"
#include "ui/forms/both_cases.h"
#include "ui/forms/sizing_bridge.h"
#include "ui/forms/windows.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/section_table_dialog.h"

#ifndef VARNHOLT_EXAMPLES_DIR
#define VARNHOLT_EXAMPLES_DIR "examples"
#endif
#ifndef VARNHOLT_SCREENSHOT_DIR
#define VARNHOLT_SCREENSHOT_DIR "screenshots"
#endif

namespace varnholt::desktop {

class SizingDialogTest : public QObject {
  Q_OBJECT

  forms::App& app() { return p_->app(); }
  void Open(const char* example) {
    const std::string path = std::string(VARNHOLT_EXAMPLES_DIR) + "/" + example;
    QCOMPARE(project::OpenProjectFile(app(), path).outcome, project::OpenOutcome::kCalculated);
  }
  std::unique_ptr<SizingDialog> Dialog() {
    std::optional<sizing::DesignInput> design = forms::DesignForSizing(app());
    if (!design) return nullptr;
    auto d = std::make_unique<SizingDialog>(app(), std::move(*design), &p_->window());
    d->show();
    return d;
  }
  // What the windows show: every dimension box and every result label.
  std::vector<std::string> Shown(const char* dimension_window) {
    std::vector<std::string> texts;
    ui::Window& dim = app().Form(dimension_window);
    for (const char* box : {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt11"}) {
      texts.push_back(dim[box].Text());
    }
    ui::Window& results = app().Form(forms::kForm11);
    for (int i = 5; i <= 24; ++i) texts.push_back(results["lbl" + std::to_string(i)].Caption());
    return texts;
  }
  void Grab(QWidget& w, const char* name) {
    const QString dir = QString(VARNHOLT_SCREENSHOT_DIR) + "/" +
                        qEnvironmentVariable("VARNHOLT_SCREENSHOT_TAG", "100");
    QDir().mkpath(dir);
    QVERIFY(w.grab().save(dir + "/" + name));
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
  }
  void cleanup() { p_.reset(); }

  // The best section typed into the dimension window, recalculated, O.K.
  void AppliedSectionIsTypedAndRecalculated() {
    Open("06_residential_cohesion_eccentricity_deduction.vrh");
    std::unique_ptr<SizingDialog> d = Dialog();
    QVERIFY(d != nullptr);
    // Every bound says what it is, in the tooltip and the status bar.
    const auto bounds = d->findChildren<QDoubleSpinBox*>();
    QCOMPARE(bounds.size(), 9);
    QCOMPARE(bounds.front()->toolTip(), QString("底版幅 B の下限 (m)：この値から探します"));
    for (const QDoubleSpinBox* box : bounds) QCOMPARE(box->statusTip(), box->toolTip());
    d->calculateButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!d->searching(), 20000);
    QCOMPARE(d->table()->rowCount(), 5);
    QVERIFY(d->applyButton()->isEnabled());
    const QString best = d->table()->item(0, 0)->text();
    QCOMPARE(best, QString("2.13"));
    Grab(*d, "sizing_dialog.png");
    d->applyButton()->click();
    QCOMPARE(d->result(), int(QDialog::Accepted));
    ui::Window& form3 = app().Form(forms::kForm3);
    QCOMPARE(QString::fromStdString(form3["txt7"].Text()), best);
    // The box on screen shows what was typed.
    auto* box = qobject_cast<QLineEdit*>(p_->window().ViewOf(forms::kForm3)->WidgetOf("txt7"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), best);
    QVERIFY(app().results().valid());
    for (int i : {7, 10, 14, 17, 24}) {
      const ui::Control& c = app().Form(forms::kForm11)["lbl" + std::to_string(i)];
      QVERIFY2(c.Caption().find("NG") == std::string::npos, c.Caption().c_str());
    }
  }

  // Where both cases are set, the dialog offers them: the section passes
  // 常時 and 地震時 with both methods, and the governing check names its case.
  void BothCasesAreOfferedWhereSet() {
    Open("08_residential_slope_both_cases_seismic_governs.vrh");
    std::optional<sizing::DesignInput> design = forms::DesignForSizing(app());
    QVERIFY(design.has_value());
    QVERIFY(forms::BothCasesSet(app()));
    std::string why;
    std::vector<sizing::DesignInput> both = forms::DesignsOfBothCases(app(), why);
    QCOMPARE(both.size(), std::size_t{3});
    SizingDialog d(app(), *design, &p_->window(), nullptr, both);
    d.show();
    QVERIFY(d.bothCasesBox() != nullptr);
    d.bothCasesBox()->setChecked(true);
    d.calculateButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!d.searching(), 20000);
    QCOMPARE(d.table()->item(0, 0)->text(), QString("3.00"));
    QCOMPARE(d.table()->item(0, 5)->text(), QString("［地震時①］滑動 Fs"));
    SizingDialog one(app(), *design, &p_->window());
    QVERIFY(one.bothCasesBox() == nullptr);
  }

  // A long search stopped with 中止: no section, the windows as they were.
  void StoppedSearchChangesNothing() {
    Open("03_residential_raised_seismic_method2.vrh");
    const std::vector<std::string> before = Shown(forms::kForm16);
    std::unique_ptr<SizingDialog> d = Dialog();
    QVERIFY(d != nullptr);
    QVERIFY(!d->row(1).min->isEnabled() && !d->row(1).step->isEnabled());
    d->row(1).vary->setChecked(true);
    QVERIFY(d->row(1).min->isEnabled() && d->row(1).max->isEnabled());
    d->row(0).step->setValue(0.001);
    d->calculateButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(d->stopButton()->isVisible(), 5000);
    QVERIFY(d->progress()->isVisible());
    Grab(*d, "sizing_dialog_progress.png");
    d->stopButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!d->searching(), 5000);
    QCOMPARE(d->message()->text(), QString("断面の自動決定を中止しました。"));
    QCOMPARE(d->table()->rowCount(), 0);
    QVERIFY(!d->applyButton()->isEnabled());
    QVERIFY(!d->stopButton()->isVisible());
    QCOMPARE(Shown(forms::kForm16), before);
    QVERIFY(app().results().valid());
  }

  // 標準断面表: heights 2 to 5 m, the rows on screen, CSV and PDF written.
  void SectionTableIsMadeAndWritten() {
    Open("01_residential_level_entered_ka.vrh");
    std::optional<sizing::DesignInput> design = forms::DesignForSizing(app());
    QVERIFY(design.has_value());
    SectionTableDialog d(app(), p_->platform(), {*design}, sizing::Variables{}, &p_->window());
    d.show();
    for (QDoubleSpinBox* box : {d.fromBox(), d.toBox(), d.stepBox()}) {
      QVERIFY(box->toolTip().startsWith("高さ h (m) の"));
    }
    d.fromBox()->setValue(2);
    d.toBox()->setValue(5);
    d.stepBox()->setValue(1);
    d.calculateButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!d.calculating(), 20000);
    QCOMPARE(d.table()->rowCount(), 4);
    QCOMPARE(d.table()->item(3, 0)->text(), QString("5.00"));
    Grab(d, "section_table_dialog.png");
    QTemporaryDir dir;
    const std::string csv = (dir.path() + "/t.csv").toStdString();
    const std::string pdf = (dir.path() + "/t.pdf").toStdString();
    QCOMPARE(d.WriteCsv(csv), std::string());
    QCOMPARE(d.WritePdf(pdf), std::string());
    QFile f(QString::fromStdString(pdf));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QFile c(QString::fromStdString(csv));
    QVERIFY(c.open(QIODevice::ReadOnly));
    QCOMPARE(c.readAll().count('\n'), 5);  // the headings and four heights
  }

 private:
  testing::ScratchSession scratch_;  // settings of its own, never the user's
  std::unique_ptr<DesktopProgram> p_;
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::SizingDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "sizing_dialog_test.moc"
