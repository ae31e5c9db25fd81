#pragma once
// The report surface over a QPainter: the printer page, a PDF page and the
// preview picture are all drawn through it.
//
// Twips map to device units by the device's resolution; (0, 0) is the
// top-left corner of the printable area, wherever the device has it. The
// line advance is the face's line spacing at the current size. Text and
// segments outside the printable area are clipped.

#include <QPointF>
#include <QSizeF>
#include <functional>
#include <map>

#include "report/qt/report_font.h"
#include "report/surface.h"

class QFont;
class QPainter;

namespace varnholt::report::qt {

/// Twips per inch and per point.
inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPt = 20;

/// Where and how a surface draws on its paint device.
struct DeviceFrame {
  /// Device units per inch, across and down (the device's resolution).
  double dpi_x = 1200;
  double dpi_y = 1200;
  /// Device position of the printable area's top-left corner.
  QPointF origin;
  /// Size of the printable area, twips; drawing is clipped to it.
  QSizeF printable{11000, 15800};
  /// The thinnest pen in device units (1 on a screen, so that a hairline
  /// never vanishes; 0 on paper).
  double min_pen = 0;
  /// The paint device's own point-to-pixel resolution (logicalDpiY); fonts
  /// are sized against it. 0: the same as dpi_y.
  double font_dpi = 0;
};

/// What a paged device does at a page break and at the end; a surface on a
/// single picture leaves them empty.
struct PageHooks {
  /// Starts the next page; false when the device cannot.
  std::function<bool()> new_page;
  /// Finishes the document (ends the painter).
  std::function<void()> end_doc;
};

/// A DrawWidth of 1 is half a point on paper.
inline constexpr double kPenTwipsPerDrawWidth = 10;

/// ReportSurface on a QPainter that is already active on its device.
class QtReportSurface final : public ReportSurface {
 public:
  QtReportSurface(QPainter& painter, const DeviceFrame& frame, const ReportFont& font,
                  PageHooks hooks = {});
  ~QtReportSurface() override;
  QtReportSurface(const QtReportSurface&) = delete;
  QtReportSurface& operator=(const QtReportSurface&) = delete;

  double LineHeight() const override;

  /// False once a page break could not be made; nothing is drawn after it.
  bool ok() const { return ok_; }

  /// Device position of a point given in twips.
  QPointF Device(double x_twips, double y_twips) const;

 protected:
  void DrawText(double x, double y, const std::string& text) override;
  void DrawSegment(double x1, double y1, double x2, double y2, Rgb color) override;
  void DoClearSurface() override;
  void DoNewPage() override;
  void DoEndDoc() override;

 private:
  // Makes the page break that NewPage left pending; false when the device
  // failed (then nothing more is drawn).
  bool BeginPendingPage();
  const QFont& FontAt(double size_pt);
  // Gives the painter back in the state it was handed over in.
  void RestorePainter();

  QPainter& painter_;
  DeviceFrame frame_;
  ReportFont font_;
  PageHooks hooks_;
  std::map<double, QFont> fonts_;
  bool page_pending_ = false;
  bool ended_ = false;
  bool ok_ = true;
  bool saved_ = true;
};

}  // namespace varnholt::report::qt
