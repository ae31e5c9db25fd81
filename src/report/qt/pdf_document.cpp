#include "report/qt/pdf_document.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

namespace varnholt::report::qt {
namespace {

constexpr double kSideMarginMm = 3;
constexpr double kTopBottomMarginMm = 8;
constexpr double kTwipsPerMm = kTwipsPerInch / 25.4;

constexpr const char* kPdfTitle = "計算書";
constexpr const char* kPdfCreator = "Varnholt";

}  // namespace

QPageLayout ReportPageLayout() {
  return QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kSideMarginMm, kTopBottomMarginMm, kSideMarginMm, kTopBottomMarginMm),
      QPageLayout::Millimeter);
}

PageTwips ReportPageTwips() {
  const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
  PageTwips t;
  t.paper_width = paper.width() * kTwipsPerMm;
  t.paper_height = paper.height() * kTwipsPerMm;
  t.left = kSideMarginMm * kTwipsPerMm;
  t.top = kTopBottomMarginMm * kTwipsPerMm;
  t.width = t.paper_width - 2 * t.left;
  t.height = t.paper_height - 2 * t.top;
  return t;
}

PdfDocument::PdfDocument(const ReportFont& font) {
  buffer_.open(QIODevice::WriteOnly);
  writer_ = std::make_unique<QPdfWriter>(&buffer_);
  writer_->setResolution(kPdfDpi);
  writer_->setPageLayout(ReportPageLayout());
  writer_->setTitle(QString::fromUtf8(kPdfTitle));
  writer_->setCreator(QString::fromUtf8(kPdfCreator));
  started_ = painter_.begin(writer_.get());
  // The painter's origin is the corner of the printable area.
  DeviceFrame frame;
  frame.dpi_x = kPdfDpi;
  frame.dpi_y = kPdfDpi;
  const PageTwips page = ReportPageTwips();
  frame.printable = QSizeF(page.width, page.height);
  frame.font_dpi = writer_->logicalDpiY();
  PageHooks hooks;
  QPdfWriter* writer = writer_.get();
  QPainter* painter = &painter_;
  hooks.new_page = [writer] { return writer->newPage(); };
  hooks.end_doc = [painter] {
    if (painter->isActive()) painter->end();
  };
  surface_ = std::make_unique<QtReportSurface>(painter_, frame, font, std::move(hooks));
}

PdfDocument::~PdfDocument() {
  surface_.reset();
  if (painter_.isActive()) painter_.end();
}

bool PdfDocument::ok() const { return started_ && surface_->ok(); }

bool PdfDocument::finished() const { return ok() && !painter_.isActive(); }

std::string PdfNotMadeMessage(const std::string& path) {
  return "PDFファイル「" + path + "」を作成できませんでした。";
}

}  // namespace varnholt::report::qt
