#include "ui/qt/section_commands.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QInputDialog>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "project/report_output.h"
#include "report/qt/pdf_document.h"
#include "section/qt/section_painter.h"
#include "ui/forms/app.h"
#include "ui/forms/output_files.h"
#include "ui/forms/section_source.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/report_devices.h"

namespace varnholt::desktop {
namespace {

constexpr const char* kExportTitle = "断面図のエクスポート";
constexpr const char* kExportFilter =
    "SVG(*.svg)|*.svg|PNG(*.png)|*.png|PDF(*.pdf)|*.pdf|DXF(*.dxf)|*.dxf";
constexpr const char* kDefaultName = "断面図.svg";
constexpr const char* kPngTitle = "PNG の大きさ";
constexpr const char* kPngLabel = "画像の大きさ（ピクセル）";
constexpr const char* kDxfTitle = "DXF の単位";
constexpr const char* kDxfLabel = "図面の 1 単位";
constexpr const char* kDxfMillimetre = "1 単位 = 1 mm";
constexpr const char* kDxfMetre = "1 単位 = 1 m";
constexpr const char* kMsgNothingToDraw = "断面図を描けません。設計条件と寸法を入力してください。";
constexpr const char* kMsgUnknownFormat =
    "断面図の形式はファイル名の拡張子（.svg、.png、.pdf、.dxf）で選びます。";
constexpr const char* kMsgPrinterNotStarted = "プリンターで印刷を開始できませんでした。";
constexpr const char* kMsgPrinterFailed = "印刷できませんでした。";

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

std::string Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

QString FamilyOf(const std::optional<report::qt::ReportFont>& font) {
  return font ? font->family : QGuiApplication::font().family();
}

}  // namespace

QByteArray SectionFileBytes(const section::SectionDrawing& drawing, const std::string& path,
                            const SectionFileOptions& options,
                            const std::optional<report::qt::ReportFont>& font, std::string& error) {
  const std::string ext = Extension(path);
  QByteArray bytes;
  if (ext == ".dxf") {
    const std::string dxf = project::SectionDxf(drawing, options.unit);
    bytes = QByteArray(dxf.data(), static_cast<qsizetype>(dxf.size()));
  } else if (ext == ".pdf") {
    if (!font) {
      error = report::qt::kMsgNoReportFont;
      return {};
    }
    bytes = section::qt::RenderPdfPage(drawing, *font);
  } else if (ext == ".svg") {
    bytes = section::qt::RenderSvg(drawing, options.png_size, FamilyOf(font));
  } else if (ext == ".png") {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!section::qt::RenderImage(drawing, options.png_size, FamilyOf(font)).save(&buffer, "PNG")) {
      bytes.clear();
    }
  } else {
    error = kMsgUnknownFormat;
    return {};
  }
  if (bytes.isEmpty()) error = "断面図「" + path + "」を作成できませんでした。";
  return bytes;
}

SectionCommands::SectionCommands(forms::App& app, QtPlatform& platform)
    : app_(app), platform_(platform) {}

section::SectionDrawing SectionCommands::Drawing() const {
  return section::BuildSection(forms::ReadSectionInputs(app_), forms::SectionResults(app_));
}

bool SectionCommands::Drawable(const section::SectionDrawing& drawing) {
  if (drawing.drawable) return true;
  app_.ErrorMessage(drawing.problems.empty() ? kMsgNothingToDraw : drawing.problems.front().reason);
  return false;
}

std::optional<int> SectionCommands::Choose(const char* title, const char* label,
                                           const QStringList& items) {
  bool ok = false;
  const QString chosen =
      QInputDialog::getItem(QApplication::activeWindow(), Q(title), Q(label), items, 0, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<int>(items.indexOf(chosen));
}

std::string PrintSectionOn(QPrinter& printer, const section::SectionDrawing& drawing,
                           const report::qt::ReportFont& font) {
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return kMsgPrinterNotStarted;
  section::qt::PaintSectionPage(painter, PrinterFrame(printer), font, drawing);
  painter.end();
  return printer.printerState() == QPrinter::Error ? kMsgPrinterFailed : "";
}

void SectionCommands::Print() {
  const section::SectionDrawing drawing = Drawing();
  if (!Drawable(drawing)) return;
  const std::optional<report::qt::ReportFont> font = report::qt::FindReportFont();
  if (!font) {
    app_.ErrorMessage(report::qt::kMsgNoReportFont);
    return;
  }
  if (!platform_.PrinterDialog()) return;
  const std::string error = PrintSectionOn(platform_.printer(), drawing, *font);
  if (!error.empty()) app_.ErrorMessage(error);
}

void SectionCommands::Export() {
  const section::SectionDrawing drawing = Drawing();
  if (!Drawable(drawing)) return;
  ui::FileDialogRequest request;
  request.title = kExportTitle;
  request.filter = kExportFilter;
  request.default_ext = "svg";
  request.file_name = kDefaultName;
  if (!app_.current_file.empty()) {
    const std::filesystem::path project(app_.current_file);
    request.initial_dir = project.parent_path().string();
    request.file_name = project.stem().string() + "_断面図.svg";
  }
  const std::optional<std::string> path = app_.platform().SaveFileDialog(request);
  if (!path || path->empty()) return;
  SectionFileOptions options;
  const std::string ext = Extension(*path);
  if (ext == ".png") {
    QStringList sizes;
    for (const QSize& s : kSectionPngSizes) {
      sizes << QStringLiteral("%1 × %2").arg(s.width()).arg(s.height());
    }
    const std::optional<int> chosen = Choose(kPngTitle, kPngLabel, sizes);
    if (!chosen) return;
    options.png_size = kSectionPngSizes[*chosen];
  } else if (ext == ".dxf") {
    const std::optional<int> chosen =
        Choose(kDxfTitle, kDxfLabel, {Q(kDxfMillimetre), Q(kDxfMetre)});
    if (!chosen) return;
    options.unit = *chosen == 0 ? project::DxfUnit::kMillimetre : project::DxfUnit::kMetre;
  }
  // Never over the project: a drawing must not take the design's place.
  std::string error = project::ReportTargetProblem(*path, app_.current_file, "断面図");
  if (!error.empty()) {
    app_.ErrorMessage(error);
    return;
  }
  if (!forms::ConfirmReplace(app_, *path)) return;
  const QByteArray bytes =
      SectionFileBytes(drawing, *path, options, report::qt::FindReportFont(), error);
  if (bytes.isEmpty()) {
    app_.ErrorMessage(error);
    return;
  }
  error = project::SaveReportFile(
      *path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!error.empty()) app_.ErrorMessage(error);
}

QList<QAction*> MakeSectionActions(SectionCommands& commands, QObject* owner) {
  auto* print = new QAction(Q("断面図を印刷(&D)…"), owner);
  print->setObjectName("section_print");
  QObject::connect(print, &QAction::triggered, owner, [&commands] { commands.Print(); });
  auto* save = new QAction(Q("断面図のエクスポート(&E)…"), owner);
  save->setObjectName("section_export");
  QObject::connect(save, &QAction::triggered, owner, [&commands] { commands.Export(); });
  return {print, save};
}

}  // namespace varnholt::desktop
