#pragma once
// The report's devices on the desktop: the printer chosen in the printer
// dialog, PDF files, and the face the pages are drawn in.

#include <optional>

#include "report/qt/qt_surface.h"
#include "report/qt/report_font.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"

class QPrinter;

namespace varnholt::desktop {

class QtPlatform;

/// The printable area of a printer as the report's surfaces take it: drawn
/// from its top-left corner, as the printer driver reports it.
report::qt::DeviceFrame PrinterFrame(const QPrinter& printer);

/// forms::ReportDevices on Qt: QPrinter for the printer, QPdfWriter for PDF
/// files, both on the report's A4 page.
class QtReportDevices final : public forms::ReportDevices {
 public:
  /// Looks up the report's face once (a QGuiApplication must exist). The
  /// application's project file is never a PDF's target.
  QtReportDevices(QtPlatform& platform, const forms::App& app);

  forms::PageGeometry Page() const override;
  double LineTwipsPerPoint() const override;
  std::string FontProblem() const override;
  std::string PdfTargetProblem(const std::string& path) const override;
  std::unique_ptr<forms::ReportDocument> OpenPrinter(std::string& error) override;
  std::unique_ptr<forms::ReportDocument> OpenPdf(const std::string& path,
                                                 std::string& error) override;

  /// The face, when one is installed.
  const std::optional<report::qt::ReportFont>& font() const { return font_; }

 private:
  QtPlatform& platform_;
  const forms::App& app_;
  std::optional<report::qt::ReportFont> font_;
};

}  // namespace varnholt::desktop
