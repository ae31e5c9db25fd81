#pragma once
// The preview windows on the desktop and the report commands behind 印刷ｲﾒｰｼﾞ,
// 印刷 and PDF出力. The preview windows (Form4, Form5, Form8) are shown by
// the generic window view like any other window; this paints their page
// picture from its recording, gives their scroll bars the page steps and
// lets the mouse wheel scroll the page.

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "ui/forms/preview.h"
#include "ui/qt/report_devices.h"
#include "ui/toolkit/toolkit.h"

class QSettings;
class QWidget;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class MainWindow;
class QtPlatform;

/// A recorded page drawn on paper of `page`'s size scaled to `size`, white;
/// blank when there is no page or no report face.
QPixmap RenderPage(const report::RecordedPage* page, const forms::PageGeometry& g,
                   const QtReportDevices& devices, QSize size, qreal device_pixel_ratio);

/// Paints the page pictures of the preview windows that are on screen.
class PreviewPainter : public QObject, public ui::WindowObserver {
 public:
  PreviewPainter(forms::App& app, forms::Preview& preview, MainWindow& main,
                 const QtReportDevices& devices);
  ~PreviewPainter() override;
  PreviewPainter(const PreviewPainter&) = delete;
  PreviewPainter& operator=(const PreviewPainter&) = delete;

  /// Renders the picture of a preview window as it is shown (for tests and
  /// for painting): the paper, white, with the page drawn on it.
  QPixmap Render(const std::string& window, QSize size, qreal device_pixel_ratio) const;

  /// How large the page is shown: a percentage of its size at the screen's
  /// scale, or fitted to the viewport's width or to the whole page.
  enum class Fit { kNone, kWidth, kPage };
  struct Zoom {
    Fit fit = Fit::kNone;
    int percent = 100;
  };
  /// The steps of 拡大 and 縮小 (Ctrl+wheel, Ctrl++ and Ctrl+-).
  static constexpr int kZoomSteps[] = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200};
  Zoom zoom() const { return zoom_; }
  /// Applies a zoom to every preview page and remembers it.
  void SetZoom(Zoom zoom);
  /// One step larger (+1) or smaller (-1) from the size shown now.
  void StepZoom(const std::string& window, int direction);
  /// The zoom is kept in these settings between runs.
  void RememberIn(QSettings* settings);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WindowShown(ui::Window& window) override;
  /// Follows the picture's position and repaints it.
  void PictureChanged(const std::string& window);
  void Attach(const std::string& window);
  /// The page menu's 表示 items and the keys of one preview page.
  void AddKeys(const std::string& window);
  /// Sizes and places the page picture for the zoom and the bars.
  void Layout(const std::string& window);
  /// The factor of the zoom for the page picture of a window.
  double Factor(const std::string& window) const;

  struct Attached {
    QPointer<QWidget> picture;
    QPointer<QWidget> viewport;
    QPixmap cache;
    bool stale = true;
  };

  forms::App& app_;
  forms::Preview& preview_;
  MainWindow& main_;
  const QtReportDevices& devices_;
  std::map<std::string, Attached> attached_;
  Zoom zoom_;
  QSettings* settings_ = nullptr;
};

/// Everything of the report on the desktop, for one program: the devices,
/// the preview windows' logic and their painting. Lives as long as the main
/// window.
class ReportFrontEnd {
 public:
  ReportFrontEnd(forms::App& app, QtPlatform& platform, MainWindow& main);
  ~ReportFrontEnd();

  forms::Preview& preview() { return preview_; }
  PreviewPainter& painter() { return painter_; }
  QtReportDevices& devices() { return devices_; }

 private:
  QtReportDevices devices_;
  forms::Preview preview_;
  PreviewPainter painter_;
};

}  // namespace varnholt::desktop
