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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WindowShown(ui::Window& window) override;
  /// Follows the picture's position and repaints it.
  void PictureChanged(const std::string& window);
  void Attach(const std::string& window);

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
