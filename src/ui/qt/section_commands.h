#pragma once
// The section view's commands: 断面図を印刷 (the printer dialog, then the
// drawing to scale on one A4 page with the title, as the report prints) and
// 断面図のエクスポート (SVG, PNG at a chosen size, PDF, or DXF in millimetres
// or metres). Reached from the section view's context menu and the File
// menu. The drawing is that of the boxes as typed, with the forces while
// the results are valid, as the section view shows it.

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <optional>
#include <string>

#include "project/section_dxf.h"
#include "report/qt/report_font.h"
#include "section/section.h"

class QAction;
class QObject;
class QPrinter;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class QtPlatform;

/// The sizes the PNG export offers, pixels; the first one is the default.
inline constexpr QSize kSectionPngSizes[] = {{1600, 1200}, {800, 600}, {2400, 1800}, {3200, 2400}};

/// How a section file is made besides its format.
struct SectionFileOptions {
  QSize png_size = kSectionPngSizes[0];
  project::DxfUnit unit = project::DxfUnit::kMillimetre;
};

/// The file's bytes in the format of its extension (.svg, .png, .pdf, .dxf
/// in any case). Empty, with the message in `error`, when the format is
/// unknown, the PDF has no report face or the picture cannot be made.
QByteArray SectionFileBytes(const section::SectionDrawing& drawing, const std::string& path,
                            const SectionFileOptions& options,
                            const std::optional<report::qt::ReportFont>& font, std::string& error);

/// Prints the drawing on one A4 page of `printer` (portrait), the heading and
/// title through the report's page surface. Empty, or the message to show.
std::string PrintSectionOn(QPrinter& printer, const section::SectionDrawing& drawing,
                           const report::qt::ReportFont& font);

class SectionCommands {
 public:
  SectionCommands(forms::App& app, QtPlatform& platform);

  /// 断面図を印刷: the printer dialog, then one A4 page. Cancelling prints nothing.
  void Print();
  /// 断面図のエクスポート: the file dialog, for PNG its size, for DXF its unit;
  /// written through the atomic writer.
  void Export();

  /// The drawing as the section view shows it now.
  section::SectionDrawing Drawing() const;

 private:
  /// True when there is a section to print or export; otherwise says why.
  bool Drawable(const section::SectionDrawing& drawing);
  /// A choice among `items` in a small dialog; the index, or nothing when cancelled.
  std::optional<int> Choose(const char* title, const char* label, const QStringList& items);

  forms::App& app_;
  QtPlatform& platform_;
};

/// The two commands as actions owned by `owner`: "断面図を印刷…" and
/// "断面図のエクスポート…" (object names section_print, section_export).
QList<QAction*> MakeSectionActions(SectionCommands& commands, QObject* owner);

}  // namespace varnholt::desktop
