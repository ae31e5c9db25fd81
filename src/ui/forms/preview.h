#pragma once
// The report's preview windows (Form4, Form5, Form8, Form9: one per page),
// printing through the print-range dialog (Form10) and the printer dialog,
// and PDF output. FileImage and FilePrint are the main window's preview and
// print commands.
//
// A preview window keeps its page as a recording: the front end paints the
// recording and scrolls it without calling the report again. Every
// next-page command draws its page anew from the current design case.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "report/page_plan.h"
#include "report/recording_surface.h"
#include "report/report_context.h"
#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

// Names of the preview windows.
inline constexpr const char* kForm4 = "Form4";  // preview, page 1
inline constexpr const char* kForm5 = "Form5";  // preview, page 2
inline constexpr const char* kForm8 = "Form8";  // preview, page 3
inline constexpr const char* kForm9 = "Form9";  // preview, page 4 (the wall body)

/// One of the preview pages.
inline bool IsPreviewWindow(const std::string& name) {
  return name == kForm4 || name == kForm5 || name == kForm8 || name == kForm9;
}

/// The paper of the preview pictures and the printable area on it, twips.
/// The default is the report's A4 page.
struct PageGeometry {
  int paper_width = 11906;
  int paper_height = 16838;
  int printable_left = 170;
  int printable_top = 454;
  int printable_width = 11566;
  int printable_height = 15931;
};

/// A document the report is drawn into: a print job or a PDF file.
class ReportDocument {
 public:
  virtual ~ReportDocument() = default;
  virtual report::ReportSurface& surface() = 0;
  /// After EndDoc: hands the job to the printer or writes the file. Empty
  /// on success, otherwise the message to show.
  virtual std::string Finish() = 0;
};

/// What the preview and printing need from the front end.
class ReportDevices {
 public:
  virtual ~ReportDevices() = default;
  /// The paper the preview pictures show.
  virtual PageGeometry Page() const = 0;
  /// The line advance of the report's face, twips per point of size.
  virtual double LineTwipsPerPoint() const = 0;
  /// Empty when the report's face is installed, otherwise the message that
  /// says what is missing.
  virtual std::string FontProblem() const = 0;
  /// The job on the printer chosen in the printer dialog; null with a
  /// message in `error` when the printer cannot start.
  virtual std::unique_ptr<ReportDocument> OpenPrinter(std::string& error) = 0;
  /// Empty when a PDF may be written at `path`, otherwise why it may not
  /// (it would replace the design's project file).
  virtual std::string PdfTargetProblem(const std::string& path) const = 0;
  /// A PDF file at `path`; null with a message when it cannot be made.
  virtual std::unique_ptr<ReportDocument> OpenPdf(const std::string& path, std::string& error) = 0;
};

/// The design-conditions texts the general items print, as the windows hold
/// them now.
report::ReportInputs ReportInputsOf(App& app);

/// The print job the print-range dialog (Form10) holds: its range, its
/// page-number check, FirstPageNo and 躯体の照査 as last confirmed.
report::PrintJob PrintJobOf(App& app);

/// Draws `job` on `out` as the printer receives it, in one document, from
/// the design case of the last calculation and the windows' options.
void WriteReport(App& app, report::ReportSurface& out, const report::PrintJob& job,
                 report::Beeper& beeper);

/// Shown when the inputs changed after the last calculation: the report
/// would print new inputs beside old results.
inline constexpr const char* kMsgResultsOutdated =
    "入力が変更されたため、計算書を作成できません。「安定性の検討」をやり直してください。";

/// The picture of a preview window: the page drawn on it last, recorded with
/// the line advance of the report's face.
class PagePicture final : public report::RecordingSurface {
 public:
  double LineHeight() const override { return FontSize * twips_per_point; }
  /// The drawing, or null before anything was drawn.
  const report::RecordedPage* Page() const { return pages().empty() ? nullptr : &pages().back(); }
  double twips_per_point = report::kTwipsPerPoint;
};

/// Steps of a scroll bar: a click in the trough and a click on an arrow.
struct ScrollSteps {
  int large = 1;
  int small = 1;
};

/// The preview windows and the printing commands of one application.
/// Registers Form4, Form5, Form8 and Form9 and installs the preview and print
/// commands; lives as long as the application.
class Preview {
 public:
  Preview(App& app, ReportDevices& devices);
  ~Preview();
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  /// FileImage: hides the toolbar and shows page 1 in Form4 at the
  /// top-left corner.
  void FileImage();
  /// FilePrint: the printer dialog, then the range of Form10 on the printer
  /// (or into a PDF file when PDF出力 opened Form10). Cancelling prints
  /// nothing.
  void FilePrint();

  /// Pages through the preview from the page shown in `window` as the page
  /// menus do: by `delta` pages (clamped to the first and last page), a
  /// later page drawn anew, an earlier one shown as it was drawn. False
  /// when there is no such page or a page cannot be drawn.
  bool TurnPage(const std::string& window, int delta);

  /// The picture of a preview window; null when nothing is drawn on it.
  const report::RecordedPage* Picture(const std::string& window) const;
  /// The steps of a preview window's scroll bar ("HScroll1" or "VScroll1").
  ScrollSteps Steps(const std::string& window, const std::string& bar) const;
  /// The paper the pictures show.
  PageGeometry Page() const { return page_; }

  /// Told when a preview window's picture was drawn anew or moved.
  std::function<void(const std::string& window)> on_picture_changed;

 private:
  struct Slot;
  void Define(ui::Window& w, int page);
  Slot& SlotOf(int page);
  const Slot* SlotOf(const std::string& window) const;
  bool ReadyToDraw();
  void ShowPage(int page, bool draw);
  void ClosePreview(int page);
  void PrintMenu();
  void PdfMenu();
  void PrintToPdf(const report::PrintJob& job);
  void Notify(const std::string& window);

  App& app_;
  ReportDevices& devices_;
  PageGeometry page_;
  std::unique_ptr<std::array<Slot, report::kLastPage>> slots_;
  // Set while PDF出力 has the print-range dialog open: its OK writes a PDF.
  bool pdf_target_ = false;
};

}  // namespace varnholt::forms
