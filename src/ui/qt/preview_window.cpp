#include "ui/qt/preview_window.h"

#include <QApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include "report/qt/qt_surface.h"
#include "report/replay.h"
#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_view.h"

namespace varnholt::desktop {
namespace {

bool IsPreview(const std::string& name) {
  return name == forms::kForm4 || name == forms::kForm5 || name == forms::kForm8 ||
         name == forms::kForm9;
}

}  // namespace

PreviewPainter::PreviewPainter(forms::App& app, forms::Preview& preview, MainWindow& main,
                               const QtReportDevices& devices)
    : app_(app), preview_(preview), main_(main), devices_(devices) {
  app_.windows().AddObserver(this);
  preview_.on_picture_changed = [this](const std::string& window) { PictureChanged(window); };
}

PreviewPainter::~PreviewPainter() {
  preview_.on_picture_changed = nullptr;
  app_.windows().RemoveObserver(this);
}

void PreviewPainter::WindowShown(ui::Window& window) {
  if (IsPreview(window.name())) Attach(window.name());
}

// The generic view has built the window's widgets: the page picture is
// painted here, the bars get their steps, the wheel scrolls the page.
void PreviewPainter::Attach(const std::string& window) {
  WindowView* view = main_.ViewOf(window);
  if (view == nullptr) return;
  Attached& a = attached_[window];
  QWidget* picture = view->WidgetOf("Picture2");
  if (a.picture == picture && picture != nullptr) return;
  a = Attached{};
  a.picture = picture;
  a.viewport = view->WidgetOf("Picture1");
  for (QWidget* w : {a.picture.data(), a.viewport.data()}) {
    if (w != nullptr) w->installEventFilter(this);
  }
  for (const char* bar : {"HScroll1", "VScroll1"}) {
    if (auto* b = qobject_cast<QScrollBar*>(view->WidgetOf(bar))) {
      const forms::ScrollSteps steps = preview_.Steps(window, bar);
      b->setPageStep(steps.large);
      b->setSingleStep(steps.small);
    }
  }
}

void PreviewPainter::PictureChanged(const std::string& window) {
  auto it = attached_.find(window);
  if (it == attached_.end()) {
    Attach(window);
    it = attached_.find(window);
    if (it == attached_.end()) return;
  }
  Attached& a = it->second;
  a.stale = true;
  if (a.picture == nullptr || !app_.windows().IsLoaded(window)) return;
  // The window logic moved the picture (scrolling); the view places
  // controls only when they change, so follow it here.
  const ui::Control& c = forms::HandlesOf<forms::PreviewWindow>(app_.Form(window)).picture;
  a.picture->move(main_.scale().Point(c.left, c.top));
  a.picture->update();
}

QPixmap RenderPage(const report::RecordedPage* page, const forms::PageGeometry& g,
                   const QtReportDevices& devices, QSize size, qreal device_pixel_ratio) {
  QPixmap pixmap(size * device_pixel_ratio);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  pixmap.fill(Qt::white);
  if (page == nullptr || !devices.font() || size.isEmpty()) return pixmap;
  QPainter painter(&pixmap);
  // The page picture is the paper: twips map onto it by its own width.
  report::qt::DeviceFrame frame;
  frame.dpi_x = size.width() * report::qt::kTwipsPerInch / g.paper_width;
  frame.dpi_y = size.height() * report::qt::kTwipsPerInch / g.paper_height;
  frame.origin = QPointF(g.printable_left * frame.dpi_x / report::qt::kTwipsPerInch,
                         g.printable_top * frame.dpi_y / report::qt::kTwipsPerInch);
  frame.printable = QSizeF(g.printable_width, g.printable_height);
  frame.min_pen = 1;
  frame.font_dpi = pixmap.logicalDpiY();
  report::qt::QtReportSurface surface(painter, frame, *devices.font());
  report::Replay(*page, surface);
  return pixmap;
}

QPixmap PreviewPainter::Render(const std::string& window, QSize size,
                               qreal device_pixel_ratio) const {
  return RenderPage(preview_.Picture(window), preview_.Page(), devices_, size, device_pixel_ratio);
}

bool PreviewPainter::eventFilter(QObject* watched, QEvent* event) {
  for (auto& [window, a] : attached_) {
    if (watched == a.picture && event->type() == QEvent::Paint) {
      const qreal ratio = a.picture->devicePixelRatioF();
      if (a.stale || a.cache.size() != a.picture->size() * ratio) {
        a.cache = Render(window, a.picture->size(), ratio);
        a.stale = false;
      }
      QPainter painter(a.picture);
      painter.drawPixmap(0, 0, a.cache);
      return true;
    }
    if ((watched == a.picture || watched == a.viewport) && event->type() == QEvent::Wheel) {
      // The wheel scrolls the page as the vertical bar does.
      WindowView* view = main_.ViewOf(window);
      QWidget* bar = view != nullptr ? view->WidgetOf("VScroll1") : nullptr;
      if (bar != nullptr) QApplication::sendEvent(bar, event);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

ReportFrontEnd::ReportFrontEnd(forms::App& app, QtPlatform& platform, MainWindow& main)
    : devices_(platform, app), preview_(app, devices_), painter_(app, preview_, main, devices_) {}

ReportFrontEnd::~ReportFrontEnd() = default;

}  // namespace varnholt::desktop
