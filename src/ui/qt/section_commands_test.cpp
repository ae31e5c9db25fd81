// 断面図を印刷 and 断面図のエクスポート as the engineer uses them: the File
// menu's commands through the file dialog and the size or unit dialog, and
// the A4 page on a printer (a PDF printer stands for the real one).

#include "ui/qt/section_commands.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "project/document.h"
#include "section/qt/section_painter.h"
#include "ui/qt/desktop_program.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/qt_test_support.h"

namespace varnholt::desktop {
namespace {

const std::string kRaised =
    std::string(VARNHOLT_EXAMPLES_DIR) + "/03_residential_raised_seismic_method2.vrh";

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class SectionCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }
  void init() {
    p_ = std::make_unique<DesktopProgram>(scratch_.paths());
    p_->Start();
    p_->OpenGiven(kRaised);
    QVERIFY(p_->app().results().valid());
  }
  void cleanup() { p_.reset(); }

  void exportAsksForTheSizeOrUnitAndWritesTheFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("choice");  // in the size or unit dialog; -1 without one
    QTest::newRow("SVG") << "wall.svg" << -1;
    QTest::newRow("PNG 800 × 600") << "wall.png" << 1;
    QTest::newRow("PDF") << "wall.pdf" << -1;
    QTest::newRow("DXF in metres") << "wall.dxf" << 1;
    QTest::newRow("DXF in millimetres") << "wall_mm.dxf" << 0;
  }
  void exportAsksForTheSizeOrUnitAndWritesTheFile() {
    QFETCH(QString, name);
    QFETCH(int, choice);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    testing::ModalScript script;
    script.InStandardDialog("QFileDialog", [&](QWidget& w) {
      auto& dialog = static_cast<QFileDialog&>(w);
      dialog.selectFile(path);
      static_cast<QDialog&>(dialog).accept();
    });
    if (choice >= 0) {
      script.InStandardDialog("QInputDialog", [choice](QWidget& w) {
        auto& dialog = static_cast<QInputDialog&>(w);
        dialog.setTextValue(dialog.comboBoxItems().at(choice));
        dialog.accept();
      });
    }
    p_->session().section_actions[1]->trigger();
    QVERIFY(script.Done());
    const QByteArray bytes = ReadFile(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path));
    const section::SectionDrawing drawing = SectionCommands(p_->app(), p_->platform()).Drawing();
    QVERIFY(drawing.forces.has_value());
    if (name.endsWith(".png")) {
      QCOMPARE(QImage::fromData(bytes).size(), kSectionPngSizes[choice]);
    } else if (name.endsWith(".dxf")) {
      // The unit chosen is the unit written.
      const auto unit = choice == 0 ? project::DxfUnit::kMillimetre : project::DxfUnit::kMetre;
      const std::string dxf = project::SectionDxf(drawing, unit);
      QCOMPARE(bytes, QByteArray(dxf.data(), static_cast<qsizetype>(dxf.size())));
    } else if (name.endsWith(".pdf")) {
      QVERIFY(bytes.startsWith("%PDF-"));
    } else {
      QVERIFY(bytes.contains("<svg"));
    }
  }

  void exportNeverWritesOverTheProject() {
    testing::ModalScript script;
    script.InStandardDialog("QFileDialog", [](QWidget& w) {
      auto& dialog = static_cast<QFileDialog&>(w);
      dialog.selectFile(QString::fromStdString(kRaised));
      static_cast<QDialog&>(dialog).accept();
    });
    script.Answer();
    const QByteArray before = ReadFile(QString::fromStdString(kRaised));
    p_->session().section_actions[1]->trigger();
    QVERIFY(script.Done());
    QCOMPARE(script.texts.size(), std::size_t{1});
    QCOMPARE(ReadFile(QString::fromStdString(kRaised)), before);
  }

  void printPutsTheSectionOnOneA4Page() {
    // The printer of the report's printing, as the printer dialog leaves it.
    QTemporaryDir dir;
    QPrinter& printer = p_->platform().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("section.pdf"));
    const auto font = report::qt::FindReportFont();
    QVERIFY(font.has_value());
    const section::SectionDrawing drawing = SectionCommands(p_->app(), p_->platform()).Drawing();
    QCOMPARE(PrintSectionOn(printer, drawing, *font), std::string());
    static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
    const QString pdf = QString::fromLatin1(ReadFile(dir.filePath("section.pdf")));
    QCOMPARE(pdf.count(page), 1);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
  }

  void thePageIsDrawnAtAStandardScale() {
    // The smallest standard 1:n at which the fitted figure still fits.
    const std::pair<double, int> rows[] = {{12, 20},   {49.9, 50}, {50, 50},  {50.1, 60},
                                           {180, 200}, {500, 500}, {501, 600}};
    for (const auto& [fitted, n] : rows) QCOMPARE(section::qt::PaperScaleRatio(fitted), n);
  }

 private:
  testing::ScratchSession scratch_;
  std::unique_ptr<DesktopProgram> p_;
};

}  // namespace varnholt::desktop

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::SectionCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "section_commands_test.moc"
