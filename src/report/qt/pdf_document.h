#pragma once
// The report's page and the PDF file it is written to.
//
// The report is laid out for A4 portrait: margins of 3 mm left and right and
// 8 mm top and bottom leave a printable area of 11,566 × 15,931 twips, which
// holds the widest formula (its bracket reaches 11,460 twips) and the page
// footer at 15,500 twips.

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>

#include "report/qt/qt_surface.h"

class QPdfWriter;

namespace varnholt::report::qt {

/// The report page: A4 portrait with the margins above.
QPageLayout ReportPageLayout();

/// The report page in twips: the paper and the printable area on it.
struct PageTwips {
  double paper_width = 0;
  double paper_height = 0;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};
PageTwips ReportPageTwips();

/// Resolution of the PDF's page description.
inline constexpr int kPdfDpi = 1200;

/// A report being written as a PDF in memory. Draw on surface(); its EndDoc
/// finishes the document, after which bytes() is the whole file. Writing it
/// to disk is the caller's (through the program's atomic writer).
class PdfDocument {
 public:
  explicit PdfDocument(const ReportFont& font);
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  ReportSurface& surface() { return *surface_; }
  /// False when the document could not be started or a page could not be
  /// added.
  bool ok() const;
  /// The PDF, complete once EndDoc has run on the surface.
  const QByteArray& bytes() const { return buffer_.data(); }
  /// True once EndDoc has finished a document that was drawn without fault.
  bool finished() const;

 private:
  QBuffer buffer_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  std::unique_ptr<QtReportSurface> surface_;
  bool started_ = false;
};

/// "PDFファイル「…」を作成できませんでした。": the document itself failed.
std::string PdfNotMadeMessage(const std::string& path);

}  // namespace varnholt::report::qt
