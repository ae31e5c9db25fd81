#include "ui/qt/report_devices.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "project/report_output.h"
#include "report/qt/pdf_document.h"
#include "ui/qt/qt_platform.h"

namespace varnholt::desktop {
namespace {

constexpr const char* kMsgPrinterNotStarted = "プリンターで印刷を開始できませんでした。";
constexpr const char* kMsgPrinterFailed = "印刷できませんでした。";

/// A print job on the chosen printer.
class PrinterDocument final : public forms::ReportDocument {
 public:
  PrinterDocument(QPrinter& printer, const report::qt::ReportFont& font) : printer_(printer) {
    started_ = painter_.begin(&printer_);
    if (!started_) return;
    const report::qt::DeviceFrame frame = PrinterFrame(printer_);
    report::qt::PageHooks hooks;
    QPrinter* p = &printer_;
    QPainter* painter = &painter_;
    hooks.new_page = [p] { return p->newPage(); };
    hooks.end_doc = [painter] {
      if (painter->isActive()) painter->end();
    };
    surface_ =
        std::make_unique<report::qt::QtReportSurface>(painter_, frame, font, std::move(hooks));
  }
  ~PrinterDocument() override {
    surface_.reset();
    if (painter_.isActive()) painter_.end();
  }

  bool started() const { return started_; }
  report::ReportSurface& surface() override { return *surface_; }
  std::string Finish() override {
    if (painter_.isActive()) painter_.end();
    if (!surface_->ok() || printer_.printerState() == QPrinter::Error) return kMsgPrinterFailed;
    return {};
  }

 private:
  QPrinter& printer_;
  QPainter painter_;
  std::unique_ptr<report::qt::QtReportSurface> surface_;
  bool started_ = false;
};

/// A PDF file, written when the document is finished, through the same
/// atomic writer as project files.
class PdfFile final : public forms::ReportDocument {
 public:
  PdfFile(std::string path, const report::qt::ReportFont& font)
      : path_(std::move(path)), pdf_(font) {}
  report::ReportSurface& surface() override { return pdf_.surface(); }
  std::string Finish() override {
    if (!pdf_.finished()) return report::qt::PdfNotMadeMessage(path_);
    const QByteArray& bytes = pdf_.bytes();
    return project::SaveReportFile(
        path_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }

 private:
  std::string path_;
  report::qt::PdfDocument pdf_;
};

}  // namespace

report::qt::DeviceFrame PrinterFrame(const QPrinter& printer) {
  // The painter's origin is the corner of the printable area, as the
  // printer driver reports it; the report is drawn from there.
  report::qt::DeviceFrame frame;
  frame.dpi_x = printer.logicalDpiX();
  frame.dpi_y = printer.logicalDpiY();
  const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Inch);
  frame.printable =
      QSizeF(paint.width() * report::qt::kTwipsPerInch, paint.height() * report::qt::kTwipsPerInch);
  return frame;
}

QtReportDevices::QtReportDevices(QtPlatform& platform, const forms::App& app)
    : platform_(platform), app_(app), font_(report::qt::FindReportFont()) {
  // The printer starts out on the report's page; the printer dialog may
  // change the paper, the orientation stays portrait.
  platform_.printer().setPageLayout(report::qt::ReportPageLayout());
}

forms::PageGeometry QtReportDevices::Page() const {
  const report::qt::PageTwips t = report::qt::ReportPageTwips();
  auto twips = [](double v) { return static_cast<int>(std::lround(v)); };
  forms::PageGeometry g;
  g.paper_width = twips(t.paper_width);
  g.paper_height = twips(t.paper_height);
  g.printable_left = twips(t.left);
  g.printable_top = twips(t.top);
  g.printable_width = twips(t.width);
  g.printable_height = twips(t.height);
  return g;
}

double QtReportDevices::LineTwipsPerPoint() const {
  return report::qt::kTwipsPerPt * (font_ ? font_->line_ratio : 1.0);
}

std::string QtReportDevices::FontProblem() const {
  return font_ ? std::string() : std::string(report::qt::kMsgNoReportFont);
}

std::string QtReportDevices::PdfTargetProblem(const std::string& path) const {
  return project::ReportTargetProblem(path, app_.current_file);
}

std::unique_ptr<forms::ReportDocument> QtReportDevices::OpenPrinter(std::string& error) {
  if (!font_) {
    error = report::qt::kMsgNoReportFont;
    return nullptr;
  }
  QPrinter& printer = platform_.printer();
  printer.setPageOrientation(QPageLayout::Portrait);
  auto doc = std::make_unique<PrinterDocument>(printer, *font_);
  if (!doc->started()) {
    error = kMsgPrinterNotStarted;
    return nullptr;
  }
  return doc;
}

std::unique_ptr<forms::ReportDocument> QtReportDevices::OpenPdf(const std::string& path,
                                                                std::string& error) {
  if (!font_) {
    error = report::qt::kMsgNoReportFont;
    return nullptr;
  }
  error = PdfTargetProblem(path);
  if (!error.empty()) return nullptr;
  return std::make_unique<PdfFile>(path, *font_);
}

}  // namespace varnholt::desktop
