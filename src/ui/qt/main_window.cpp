#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/forms/preview.h"
#include "ui/forms/summary_window.h"
#include "ui/forms/windows.h"
#include "ui/qt/child_places.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/icons.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/text_offsets.h"
#include "ui/qt/window_view.h"

namespace varnholt::desktop {
namespace {

// Toolbar images are 16 pixels at 100 % in the classic look; a little
// larger reads better today.
constexpr int kToolbarIconPx = 20;

// Closing a window by its close box unloads it, as the window logic
// expects; the logic may refuse (query-unload), and the frame follows what
// the logic decides rather than closing by itself.
void CloseByLogic(ui::WindowSystem& system, const std::string& name, QCloseEvent* event) {
  event->ignore();
  system.Unload(name);
}

class ChildWindow : public QMdiSubWindow {
 public:
  ChildWindow(ui::WindowSystem& system, std::string name)
      : system_(system), name_(std::move(name)) {}

 protected:
  // The design's own windows only hide, keeping every input; the ウィンドウ
  // menu shows them again.
  void closeEvent(QCloseEvent* event) override {
    if (!ListedWindow(name_) || !system_.IsLoaded(name_)) {
      CloseByLogic(system_, name_, event);
      return;
    }
    event->ignore();
    system_.Get(name_).Hide();
  }

 private:
  ui::WindowSystem& system_;
  std::string name_;
};

class DialogWindow : public QDialog {
 public:
  DialogWindow(ui::WindowSystem& system, std::string name, QWidget* parent)
      : QDialog(parent), system_(system), name_(std::move(name)) {}

  // Escape does not close a dialog: its close box unloads it and would
  // throw away what was entered; the dialogs have their own キャンセル.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override { CloseByLogic(system_, name_, event); }

 private:
  ui::WindowSystem& system_;
  std::string name_;
};

}  // namespace

class MainWindow::Presenting {
 public:
  explicit Presenting(MainWindow& w) : w_(w) { ++w_.presenting_; }
  ~Presenting() {
    if (--w_.presenting_ == 0 && !w_.adopt_pending_ && !w_.ended_) {
      w_.adopt_pending_ = true;
      QTimer::singleShot(0, &w_, [this_window = &w_] { this_window->AdoptQtFocus(); });
    }
  }
  Presenting(const Presenting&) = delete;
  Presenting& operator=(const Presenting&) = delete;

 private:
  MainWindow& w_;
};

MainWindow::MainWindow(forms::App& app, QtPlatform& platform, TwipScale scale)
    : app_(app), platform_(platform), scale_(scale) {
  setWindowIcon(ProgramIcon());
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  toolbar_ = addToolBar("Toolbar1");
  toolbar_->setObjectName("Toolbar1");
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  const int icon = scale_.LineWidth(kToolbarIconPx);
  toolbar_->setIconSize(QSize(icon, icon));
  // Warnings about the inputs stay in the status bar, beside the menu
  // paths that pass through it, until the results they belong to go.
  warnings_ = new QLabel(this);
  warnings_->setObjectName("warnings");
  statusBar()->addWidget(warnings_, 1);
  app_.results().on_warnings_changed = [this] {
    QStringList texts;
    for (const PlausibilityWarning& w : app_.results().warnings()) texts << ToQ(w.text);
    warnings_->setText(texts.isEmpty() ? QString()
                                       : QString::fromUtf8("注意：") + texts.join("　"));
  };
  // The guide of the box that takes the focus stands in the status bar, so
  // that what a box asks for is seen without the mouse.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    for (QWidget* w = now; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
      if (!w->statusTip().isEmpty()) {
        statusBar()->showMessage(w->statusTip());
        return;
      }
    }
  });
  platform_.SetDialogParent(this);
  app_.windows().AddObserver(&platform_);
  app_.windows().AddObserver(this);
  // The user activating a child window raises its activate event.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    if (sub == nullptr) return;
    for (auto& [name, p] : presented_) {
      if (p.child == sub && p.view != nullptr && p.view->window() != nullptr) {
        p.view->window()->Activate();
        return;
      }
    }
  });
}

MainWindow::~MainWindow() {
  app_.results().on_warnings_changed = nullptr;
  app_.windows().RemoveObserver(this);
  app_.windows().RemoveObserver(&platform_);
  for (auto& [name, p] : presented_) {
    if (p.view != nullptr) p.view->Detach();
  }
  main_state_->window = nullptr;
}

void MainWindow::Start() {
  // Loading the main window runs its load handler, which shows it.
  app_.Form(forms::kMDIForm1);
  if (!isVisible() && !ended_) show();
}

void MainWindow::EndProgram() {
  if (ended_) return;
  ended_ = true;
  for (auto& [name, p] : presented_) Discard(p);
  presented_.clear();
  hide();
  emit ProgramEnded();
}

WindowView* MainWindow::ViewOf(const std::string& window) const {
  auto it = presented_.find(window);
  return it == presented_.end() ? nullptr : it->second.view.data();
}

QWidget* MainWindow::FrameOf(const std::string& window) const {
  auto it = presented_.find(window);
  if (it == presented_.end()) return nullptr;
  if (it->second.dialog != nullptr) return it->second.dialog;
  return it->second.child;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ended_ || !app_.windows().IsLoaded(forms::kMDIForm1)) {
    event->accept();
    return;
  }
  // The window logic asks for confirmation; a Yes ends the program through
  // its quit command, a No keeps everything as it was.
  event->ignore();
  if (app_.windows().Unload(forms::kMDIForm1)) EndProgram();
}

// ------------------------------------------------------------ the main window

void MainWindow::BindMainWindow(ui::Window& window) {
  main_state_->window = &window;
  setWindowTitle(ToQ(window.Caption()));
  const QRect design = scale_.Rect(0, 0, window.width, window.height);
  resize(design.size());
  menus_ = new MenuBinder(main_state_, menuBar(), toolbar_, this);
  menus_->Build(window);
  // The toolbar buttons' second texts (the menu paths) go to the status bar.
  for (int index = 1; index <= 8; ++index) {
    if (QAction* a = menus_->ActionOf(forms::ToolButtonName(index))) {
      const QString path = ToQ(forms::ToolButtonPath(index));
      if (!path.isEmpty()) a->setStatusTip(path);
    }
  }
  toolbar_->setVisible(forms::HandlesOf<forms::MainWindow>(window).toolbar->Visible());
}

// ------------------------------------------------------------ observer

void MainWindow::WindowLoaded(ui::Window& window) {
  if (window.is_main) BindMainWindow(window);
}

void MainWindow::WindowUnloading(ui::Window& window) {
  Presenting presenting(*this);
  if (window.is_main) {
    main_state_->window = nullptr;
    EndProgram();
    return;
  }
  auto it = presented_.find(window.name());
  if (it == presented_.end()) return;
  Discard(it->second);
  presented_.erase(it);
}

void MainWindow::WindowShown(ui::Window& window) {
  Presenting presenting(*this);
  if (ended_) return;
  if (window.is_main) {
    show();
    return;
  }
  Present(window);
}

void MainWindow::WindowHidden(ui::Window& window) {
  Presenting presenting(*this);
  auto it = presented_.find(window.name());
  if (it == presented_.end()) return;
  if (it->second.dialog != nullptr) it->second.dialog->hide();
  if (it->second.child != nullptr) it->second.child->hide();
}

void MainWindow::WindowChanged(ui::Window& window) {
  if (window.is_main) {
    setWindowTitle(ToQ(window.Caption()));
    return;
  }
  if (WindowView* view = ViewOf(window.name())) view->SyncWindow();
}

void MainWindow::WindowMoved(ui::Window& window) {
  Presenting presenting(*this);
  auto it = presented_.find(window.name());
  if (it == presented_.end() || it->second.child == nullptr) return;
  PlaceChild(it->second);
  Arrange();
}

void MainWindow::ControlChanged(ui::Control& control) {
  Presenting presenting(*this);
  ui::Window& window = control.window();
  if (window.is_main) {
    if (menus_ != nullptr && menus_->Sync(control)) return;
    // The main window's only frame is its toolbar.
    if (control.kind() == ui::ControlKind::kFrame) toolbar_->setVisible(control.Visible());
    return;
  }
  if (WindowView* view = ViewOf(window.name())) view->SyncControl(control);
}

void MainWindow::FocusChanged(ui::Control& control) {
  Presenting presenting(*this);
  if (WindowView* view = ViewOf(control.window().name())) view->FocusControl(control);
}

// ------------------------------------------------------------ frames

void MainWindow::Present(ui::Window& window) {
  Presented& p = presented_[window.name()];
  // Modal or dialog windows get a dialog frame, the others a sub-window of
  // the main window. A window that changes between the two is shown anew:
  // the window logic holds its whole state, so a new view loses nothing.
  const bool as_dialog = window.Modal() || window.is_dialog;
  if ((as_dialog && p.child != nullptr) || (!as_dialog && p.dialog != nullptr)) Discard(p);

  if (p.view == nullptr) {
    auto* view = new WindowView(window, scale_);
    view->SetPresentingCounter(&presenting_);
    p.view = view;
    // The version window shows the program's icon in its picture.
    if (window.name() == forms::kForm6) view->ShowImage("Picture1", ProgramIcon());
    if (as_dialog) {
      auto* dialog = new DialogWindow(app_.windows(), window.name(), this);
      dialog->setObjectName(QString::fromStdString(window.name()) + "_frame");
      auto* layout = new QVBoxLayout(dialog);
      layout->setContentsMargins(0, 0, 0, 0);
      layout->setSizeConstraint(QLayout::SetFixedSize);
      layout->addWidget(view);
      dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
      connect(view, &WindowView::CaptionChanged, dialog, &QWidget::setWindowTitle);
      p.dialog = dialog;
    } else {
      auto* child = new ChildWindow(app_.windows(), window.name());
      child->setObjectName(QString::fromStdString(window.name()) + "_frame");
      child->setWidget(view);
      child->setWindowIcon(ProgramIcon());
      Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint;
      // A report page is read best as large as the main window allows.
      if (forms::IsPreviewWindow(window.name())) flags |= Qt::WindowMaximizeButtonHint;
      child->setWindowFlags(flags);
      mdi_->addSubWindow(child);
      // Escape closes what is only looked at (the reference tables, the
      // preview pages), as its close box does; the design windows keep it.
      if (!ListedWindow(window.name())) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), child);
        escape->setContext(Qt::WidgetWithChildrenShortcut);
        connect(escape, &QShortcut::activated, child, &QWidget::close);
      }
      connect(view, &WindowView::CaptionChanged, child, &QWidget::setWindowTitle);
      connect(view, &WindowView::ClientSizeChanged, child, [child] { child->adjustSize(); });
      p.child = child;
    }
    view->SyncWindow();
  }

  if (p.dialog != nullptr) {
    p.dialog->setWindowModality(window.Modal() ? Qt::ApplicationModal : Qt::NonModal);
    p.dialog->show();
    p.dialog->raise();
    p.dialog->activateWindow();
  } else if (p.child != nullptr) {
    p.child->show();
    p.child->raise();
    const std::optional<QPoint> left = p.placed_at == QPoint(-1, -1) && remembered_position
                                           ? remembered_position(window.name())
                                           : std::nullopt;
    if (left) {
      // Where the engineer left it counts as moved by them: it stays.
      p.child->adjustSize();
      p.child->move(std::max(0, left->x()), std::max(0, left->y()));
      p.placed_at = QPoint(-2, -2);
    } else if (p.placed_at == QPoint(-1, -1)) {
      PlaceChild(p);
      if (window.name() == forms::kForm21) PlaceSummary(p);
    }
    Arrange();
  }
  // The control the window logic has given the focus, if it is in here.
  ui::Control* focused = app_.windows().Focused();
  if (focused != nullptr && &focused->window() == &window) p.view->FocusControl(*focused);
}

// A child window goes to its Left and Top. Where the design sets it edge to
// edge against another child window (Form3 right of Form2, Form11 under
// Form3), it stays edge to edge against that window's actual frame, which
// may be larger than the design's: Qt's title bars and the Japanese UI font
// need a little more room than the classic frames the design was made for.
void MainWindow::PlaceChild(Presented& p) {
  if (p.child == nullptr || p.view == nullptr || p.view->window() == nullptr) return;
  const ui::Window& w = *p.view->window();
  p.child->adjustSize();
  QPoint pos = scale_.Point(w.Left(), w.Top());
  for (const auto& [name, other] : presented_) {
    if (other.child == nullptr || other.child == p.child || !other.child->isVisible() ||
        other.view == nullptr || other.view->window() == nullptr) {
      continue;
    }
    const ui::Window& o = *other.view->window();
    const QRect actual = other.child->geometry();
    const bool rows_meet = w.Top() < o.Top() + o.height && o.Top() < w.Top() + w.height;
    const bool columns_meet = w.Left() < o.Left() + o.width && o.Left() < w.Left() + w.width;
    if (w.Left() == o.Left() + o.width && rows_meet) {
      pos.setX(std::max(pos.x(), actual.x() + actual.width()));
    }
    if (w.Top() == o.Top() + o.height && columns_meet) {
      pos.setY(std::max(pos.y(), actual.y() + actual.height()));
    }
  }
  p.child->move(pos);
  p.placed_at = pos;
}

void MainWindow::Arrange() {
  std::vector<Presented*> children;
  for (auto& [name, p] : presented_) {
    if (p.child != nullptr && p.child->isVisible() && p.view != nullptr &&
        p.view->window() != nullptr) {
      children.push_back(&p);
    }
  }
  // Top-left windows first: the windows beside and below them follow them.
  std::sort(children.begin(), children.end(), [](const Presented* a, const Presented* b) {
    const ui::Window& wa = *a->view->window();
    const ui::Window& wb = *b->view->window();
    return std::make_pair(wa.Top() + wa.Left(), wa.Top()) <
           std::make_pair(wb.Top() + wb.Left(), wb.Top());
  });
  for (Presented* p : children) {
    if (p->child->pos() == p->placed_at) PlaceChild(*p);
  }
  for (Presented* p : children) GrowToShow(p->child);
  // A place the main window cannot grow to show (a small screen, a
  // maximized main window) is moved in, so that its title bar and close box
  // can be reached.
  const QSize room = mdi_->viewport()->size();
  for (Presented* p : children) {
    if (p->child->pos() != p->placed_at) continue;
    const QPoint inside = KeptInside(p->child->geometry(), room).topLeft();
    if (inside == p->placed_at) continue;
    p->child->move(inside);
    p->placed_at = inside;
  }
}

// The summary has no place among the design windows: it opens where it
// hides the least of the windows shown, beside them when the main window is
// wide enough, and stays there as if the engineer had put it there.
void MainWindow::PlaceSummary(Presented& p) {
  desktop::PlaceWhereFree(*mdi_, *p.child);
  p.placed_at = QPoint(-2, -2);
}

void MainWindow::GrowToShow(const QMdiSubWindow* child) {
  if (isMaximized() || isFullScreen()) return;
  const QSize viewport = mdi_->viewport()->size();
  const QRect wanted = child->geometry();
  const int dw = std::max(0, wanted.right() + 1 - viewport.width());
  const int dh = std::max(0, wanted.bottom() + 1 - viewport.height());
  if (dw == 0 && dh == 0) return;
  QSize size = this->size() + QSize(dw, dh);
  if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size());
  resize(size);
}

void MainWindow::AdoptQtFocus() {
  adopt_pending_ = false;
  if (ended_) return;
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return;
  for (const auto& [name, p] : presented_) {
    if (p.view == nullptr || !p.view->isAncestorOf(focus)) continue;
    ui::Control* control = p.view->ControlAt(focus);
    if (control != nullptr && app_.windows().Focused() != control) {
      app_.windows().SetFocus(*control);
    }
    return;
  }
}

void MainWindow::Discard(Presented& p) {
  if (p.view != nullptr) p.view->Detach();
  if (p.child != nullptr) {
    p.child->hide();
    p.child->deleteLater();
  }
  if (p.dialog != nullptr) {
    p.dialog->hide();
    p.dialog->deleteLater();
  }
  p = Presented{};
}

}  // namespace varnholt::desktop
