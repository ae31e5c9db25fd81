#include "ui/qt/preview_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "report/qt/qt_surface.h"
#include "report/replay.h"
#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_view.h"

namespace varnholt::desktop {
namespace {

// The zoom as kept in the settings: "width", "page" or a percentage.
constexpr const char* kKeyZoom = "preview/zoom";
constexpr const char* kViewMenu = "表示(&V)";
constexpr const char* kZoomIn = "拡大(&I)";
constexpr const char* kZoomOut = "縮小(&O)";
constexpr const char* kActualSize = "100 %(&A)";
constexpr const char* kFitWidth = "幅に合わせる(&W)";
constexpr const char* kFitPage = "ページ全体(&P)";

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

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
  if (forms::IsPreviewWindow(window.name())) Attach(window.name());
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
  // A maximised page has a larger viewport; the bars stay at its edges.
  view->SetGrowing("Picture1", "VScroll1", "HScroll1");
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
  AddKeys(window);
  Layout(window);
}

// Page Up/Down, Home and End page through the preview, as the page menus
// do; Escape is the close box's (the main window gives it to every child
// window that is not a design window). The zoom is in a 表示 menu of each
// page, its keys reaching the page that has the focus.
void PreviewPainter::AddKeys(const std::string& window) {
  QWidget* frame = main_.FrameOf(window);
  WindowView* view = main_.ViewOf(window);
  if (frame == nullptr || view == nullptr) return;
  struct Turn {
    Qt::Key key;
    int delta;
  };
  for (Turn t : {Turn{Qt::Key_PageDown, 1}, Turn{Qt::Key_PageUp, -1}, Turn{Qt::Key_End, 1000},
                 Turn{Qt::Key_Home, -1000}}) {
    auto* shortcut = new QShortcut(QKeySequence(t.key), frame);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    // The page may unload itself while turning: only the window's name and
    // the preview are used.
    connect(shortcut, &QShortcut::activated, this,
            [this, window, delta = t.delta] { preview_.TurnPage(window, delta); });
  }
  QMenuBar* bar = view->findChild<QMenuBar*>();
  if (bar == nullptr) return;
  QMenu* menu = bar->addMenu(Q(kViewMenu));
  menu->setObjectName("preview_zoom");
  auto add = [this, menu, frame](const char* caption, QList<QKeySequence> keys, auto action) {
    QAction* a = menu->addAction(Q(caption));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    frame->addAction(a);
    connect(a, &QAction::triggered, this, action);
  };
  add(kZoomIn, {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Semicolon)},
      [this, window] { StepZoom(window, 1); });
  add(kZoomOut, {QKeySequence::ZoomOut}, [this, window] { StepZoom(window, -1); });
  menu->addSeparator();
  add(kActualSize, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { SetZoom({Fit::kNone, 100}); });
  add(kFitWidth, {QKeySequence(Qt::CTRL | Qt::Key_2)}, [this] { SetZoom({Fit::kWidth, 100}); });
  add(kFitPage, {QKeySequence(Qt::CTRL | Qt::Key_1)}, [this] { SetZoom({Fit::kPage, 100}); });
}

double PreviewPainter::Factor(const std::string& window) const {
  auto it = attached_.find(window);
  if (zoom_.fit == Fit::kNone || it == attached_.end() || it->second.viewport == nullptr) {
    return zoom_.percent / 100.0;
  }
  const forms::PageGeometry g = preview_.Page();
  const QSize paper = main_.scale().Rect(0, 0, g.paper_width, g.paper_height).size();
  const QSize room = it->second.viewport->size();
  if (paper.isEmpty() || room.isEmpty()) return 1.0;
  const double width = static_cast<double>(room.width()) / paper.width();
  const double height = static_cast<double>(room.height()) / paper.height();
  return zoom_.fit == Fit::kWidth ? width : std::min(width, height);
}

// The window logic scrolls the page in twips of its own size; the shown
// page follows the bars in proportion, and a page smaller than the
// viewport stands in its middle.
void PreviewPainter::Layout(const std::string& window) {
  auto it = attached_.find(window);
  if (it == attached_.end() || it->second.picture == nullptr || it->second.viewport == nullptr ||
      !app_.windows().IsLoaded(window)) {
    return;
  }
  Attached& a = it->second;
  const forms::PreviewWindow& p = forms::HandlesOf<forms::PreviewWindow>(app_.Form(window));
  const forms::PageGeometry g = preview_.Page();
  const double factor = Factor(window);
  const QSize paper = main_.scale().Rect(0, 0, g.paper_width, g.paper_height).size();
  const QSize shown(static_cast<int>(std::lround(paper.width() * factor)),
                    static_cast<int>(std::lround(paper.height() * factor)));
  const QSize room = a.viewport->size();
  const bool actual = shown == paper;
  const TwipScale& scale = main_.scale();
  auto place = [actual, &scale](int value, int max, int page, int space) {
    if (actual) return -scale.Px(value);  // the page at its own size: twip for twip
    if (page <= space) return (space - page) / 2;
    if (max <= 0) return 0;
    return -static_cast<int>(std::lround(static_cast<double>(value) / max * (page - space)));
  };
  const ui::Control& h = p.horizontal_bar;
  const ui::Control& v = p.vertical_bar;
  a.picture->resize(shown);
  a.picture->move(place(h.ScrollValue(), h.scroll_max, shown.width(), room.width()),
                  place(v.ScrollValue(), v.scroll_max, shown.height(), room.height()));
  a.picture->update();
}

void PreviewPainter::SetZoom(Zoom zoom) {
  zoom.percent = std::clamp(zoom.percent, kZoomSteps[0], std::end(kZoomSteps)[-1]);
  zoom_ = zoom;
  if (settings_ != nullptr) {
    settings_->setValue(kKeyZoom, zoom.fit == Fit::kWidth  ? QString("width")
                                  : zoom.fit == Fit::kPage ? QString("page")
                                                           : QString::number(zoom.percent));
  }
  for (auto& [window, a] : attached_) Layout(window);
}

void PreviewPainter::StepZoom(const std::string& window, int direction) {
  const double now = Factor(window) * 100;
  int next = direction > 0 ? std::end(kZoomSteps)[-1] : kZoomSteps[0];
  if (direction > 0) {
    for (int step : kZoomSteps) {
      if (step > now + 0.5) {
        next = step;
        break;
      }
    }
  } else {
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it) {
      if (*it < now - 0.5) {
        next = *it;
        break;
      }
    }
  }
  SetZoom({Fit::kNone, next});
}

void PreviewPainter::RememberIn(QSettings* settings) {
  settings_ = settings;
  if (settings_ == nullptr) return;
  const QString kept = settings_->value(kKeyZoom).toString();
  Zoom zoom;
  if (kept == "width") {
    zoom.fit = Fit::kWidth;
  } else if (kept == "page") {
    zoom.fit = Fit::kPage;
  } else if (!kept.isEmpty()) {
    zoom.percent = kept.toInt();
  }
  zoom.percent = std::clamp(zoom.percent, kZoomSteps[0], std::end(kZoomSteps)[-1]);
  zoom_ = zoom;
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
  Layout(window);
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
    if (watched == a.viewport && event->type() == QEvent::Resize) {
      Layout(window);
      return false;
    }
    if ((watched == a.picture || watched == a.viewport) && event->type() == QEvent::Wheel) {
      // Ctrl+wheel zooms; the wheel scrolls the page as the vertical bar
      // does.
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (wheel->modifiers() & Qt::ControlModifier) {
        const int delta = wheel->angleDelta().y();
        if (delta != 0) StepZoom(window, delta > 0 ? 1 : -1);
        return true;
      }
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
