#include "ui/qt/desktop_session.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "project/design_template.h"
#include "project/document.h"
#include "project/file_commands.h"
#include "project/results_summary.h"
#include "section/section.h"
#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/forms/section_source.h"
#include "ui/forms/summary_window.h"
#include "ui/forms/windows.h"
#include "ui/qt/book_window.h"
#include "ui/qt/child_places.h"
#include "ui/qt/icons.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/section_view.h"
#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {
namespace {

constexpr const char* kListed[] = {forms::kForm2, forms::kForm3, forms::kForm16, forms::kForm11,
                                   forms::kForm21};

constexpr const char* kWindowMenu = "ウィンドウ(&W)";
constexpr const char* kSectionCaption = "断面図";
constexpr const char* kSectionPath = "[ウィンドウ]-[断面図]";
constexpr const char* kBookCaption = "計算書一式";
constexpr const char* kBookItem = "計算書一式(&B)…";
constexpr const char* kCascade = "重ねて表示(&C)";
constexpr const char* kTile = "並べて表示(&T)";
constexpr const char* kSaveTemplate = "テンプレートとして保存(&T)";
constexpr const char* kRemoveTemplate = "テンプレートを削除(&L)";
constexpr const char* kRecentMenu = "最近使ったファイル(&R)";
constexpr const char* kNoRecent = "（なし）";
constexpr const char* kStateSaved = "保存済み";
constexpr const char* kStateModified = "変更あり";
constexpr const char* kStateNew = "未保存";
constexpr const char* kResultsValid = "計算結果：有効";
constexpr const char* kResultsNone = "計算結果：なし";
constexpr const char* kVerdictOk = "判定：すべて O.K";
constexpr const char* kVerdictNg = "判定：NG あり";

constexpr const char* kKeyRecent = "recent_files";
constexpr const char* kKeyFolder = "last_folder";
constexpr const char* kKeyGeometry = "main_window/geometry";
constexpr const char* kKeySection = "section_view/open";
constexpr const char* kKeySectionGeometry = "section_view/geometry";
constexpr const char* kKeyBodyPage = "print/body_stress";
constexpr const char* kKeyPositions = "window_positions/";
// How much of a window at its remembered place must lie on the screen: its
// title bar with the close box, below the main window's menu and toolbar.
constexpr QSize kReachable(160, 200);

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// A local .vrh among the dropped URLs; empty when there is none.
QString DroppedProject(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile() && url.toLocalFile().endsWith(".vrh", Qt::CaseInsensitive)) {
      return url.toLocalFile();
    }
  }
  return {};
}

}  // namespace

SessionPaths SessionPaths::User() {
  SessionPaths p;
  p.settings_file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    "/varnholt/varnholt.conf";
  p.recovery_folder = project::RecoveryFolder();
  p.template_file = project::TemplateFile();
  return p;
}

bool ListedWindow(const std::string& name) {
  return std::any_of(std::begin(kListed), std::end(kListed),
                     [&name](const char* n) { return name == n; });
}

DesktopSession::DesktopSession(forms::App& app, MainWindow& window, SessionPaths paths)
    : app_(app),
      window_(window),
      settings_(std::make_unique<QSettings>(paths.settings_file, QSettings::IniFormat)),
      recovery_(paths.recovery_folder, QCoreApplication::applicationPid()),
      recovery_folder_(paths.recovery_folder) {
  state_ = new QLabel(&window_);
  state_->setObjectName("file_state");
  verdict_ = new QLabel(&window_);
  verdict_->setObjectName("verdict");
  window_.statusBar()->addPermanentWidget(verdict_);
  window_.statusBar()->addPermanentWidget(state_);
  app_.last_folder = FromQ(settings_->value(kKeyFolder).toString());
  app_.template_file = paths.template_file;
  app_.print_body_stress = settings_->value(kKeyBodyPage, true).toBool();
  app_.commands.status_note = [this](const std::string& text) { Note(ToQ(text)); };

  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &DesktopSession::Refresh);
  burst_.setSingleShot(true);
  burst_.setInterval(kEditBurstMs);
  connect(&burst_, &QTimer::timeout, this, &DesktopSession::WriteRecovery);
  interval_.setInterval(kRecoveryIntervalMs);
  connect(&interval_, &QTimer::timeout, this, &DesktopSession::WriteRecovery);
  interval_.start();

  window_.setAcceptDrops(true);
  window_.installEventFilter(this);
  app_.windows().AddObserver(this);
}

DesktopSession::~DesktopSession() {
  app_.windows().RemoveObserver(this);
  app_.commands.status_note = nullptr;
}

void DesktopSession::Start() {
  window_.restoreGeometry(settings_->value(kKeyGeometry).toByteArray());
  window_.remembered_position = [this](const std::string& name) -> std::optional<QPoint> {
    const QVariant at = settings_->value(kKeyPositions + ToQ(name));
    if (!ListedWindow(name) || !at.isValid()) return std::nullopt;
    // A place left on a larger screen is brought back far enough for the
    // title bar to be reached on this one.
    QPoint place = at.toPoint();
    if (const QScreen* screen = window_.screen()) {
      const QSize room = screen->availableGeometry().size();
      place.setX(std::min(place.x(), room.width() - kReachable.width()));
      place.setY(std::min(place.y(), room.height() - kReachable.height()));
    }
    return place;
  };
  BuildMenus();
  if (settings_->value(kKeySection, false).toBool()) ShowSection(true);
  Refresh();
  if (project::OfferRecovery(app_, recovery_folder_)) {
    // The restored inputs are in no file yet: keep them safe at once.
    WriteRecovery();
  }
  Refresh();
}

void DesktopSession::End() {
  if (ended_) return;
  ended_ = true;
  settings_->setValue(kKeyGeometry, window_.saveGeometry());
  // The design windows open next time where they were left.
  for (const char* name : kListed) {
    const QWidget* frame = window_.FrameOf(name);
    if (frame != nullptr && frame->isVisible()) {
      settings_->setValue(kKeyPositions + Q(name), frame->pos());
    }
  }
  settings_->setValue(kKeySection, section_frame_ != nullptr && section_frame_->isVisible());
  if (section_frame_ != nullptr) {
    settings_->setValue(kKeySectionGeometry, section_frame_->geometry());
  }
  settings_->setValue(kKeyFolder, ToQ(app_.last_folder));
  settings_->sync();
  // Ending through a question answered 保存しない, or after saving: the
  // work is either saved or given up.
  recovery_.Remove();
  interval_.stop();
  burst_.stop();
}

void DesktopSession::Schedule(bool edit) {
  if (ended_) return;
  if (!refresh_.isActive()) refresh_.start();
  if (edit) burst_.start();
}

void DesktopSession::Refresh() {
  if (ended_ || window_.Ended()) return;
  const bool open = project::DesignOpen(app_);
  const bool modified = project::Modified(app_);
  window_.setWindowTitle(ToQ(project::DocumentTitle(app_)));
  QString state;
  if (open) {
    state = Q(modified                    ? kStateModified
              : app_.current_file.empty() ? kStateNew
                                          : kStateSaved) +
            "　" + Q(app_.results().valid() ? kResultsValid : kResultsNone);
  }
  state_->setText(state);
  verdict_->setText(open && app_.results().valid()
                        ? Q(project::AllVerdictsOk(app_) ? kVerdictOk : kVerdictNg)
                        : QString());
  // The print-range dialog's 躯体の照査 as confirmed last, for the next run.
  if (settings_->value(kKeyBodyPage, true).toBool() != app_.print_body_stress) {
    settings_->setValue(kKeyBodyPage, app_.print_body_stress);
  }
  if (!modified) recovery_.Update(app_);  // a save or Close removes it
  if (!app_.current_file.empty() && !modified && app_.current_file != remembered_file_) {
    Remember(app_.current_file);
  }
  if (section_frame_ != nullptr && section_frame_->isVisible()) {
    section_->SetDrawing(
        open ? section::BuildSection(forms::ReadSectionInputs(app_), forms::SectionResults(app_))
             : section::SectionDrawing{});
  }
}

void DesktopSession::WriteRecovery() {
  if (ended_ || window_.Ended()) return;
  recovery_.Update(app_);
}

// ------------------------------------------------------------ menus

void DesktopSession::BuildMenus() {
  MenuBinder* menus = window_.menus();
  if (menus == nullptr || window_menu_ != nullptr) return;
  // The standard keys of the file commands.
  const std::pair<const char*, QKeySequence> keys[] = {
      {"Men_FNew", QKeySequence::New},
      {"Men_FOpn", QKeySequence::Open},
      {"Men_FOvw", QKeySequence::Save},
      {"Men_FSav", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {"Men_FPrn", QKeySequence::Print},
  };
  for (const auto& [item, key] : keys) {
    if (QAction* a = menus->ActionOf(item)) a->setShortcut(key);
  }

  if (QMenu* file = menus->MenuOf("Men_F")) {
    file->insertActions(menus->ActionOf("Men_FL3"), section_actions);
    recent_menu_ = new QMenu(Q(kRecentMenu), file);
    recent_menu_->setObjectName("recent_files");
    QAction* before = menus->ActionOf("Men_FL3");
    file->insertSeparator(before);
    file->insertMenu(before, recent_menu_);
    FillRecentMenu();
    QAction* book = new QAction(Q(kBookItem), file);
    book->setObjectName("book_item");
    file->insertAction(recent_menu_->menuAction(), book);
    connect(book, &QAction::triggered, this, &DesktopSession::ShowBook);
    // The template of new designs, after the saving commands.
    QAction* after_save = menus->ActionOf("Men_FL2");
    save_template_ = new QAction(Q(kSaveTemplate), file);
    save_template_->setObjectName("save_template");
    remove_template_ = new QAction(Q(kRemoveTemplate), file);
    remove_template_->setObjectName("remove_template");
    file->insertActions(after_save, {save_template_, remove_template_});
    connect(save_template_, &QAction::triggered, this, [this] { project::SaveTemplate(app_); });
    connect(remove_template_, &QAction::triggered, this, [this] { project::RemoveTemplate(app_); });
    connect(file, &QMenu::aboutToShow, this, [this] {
      save_template_->setEnabled(project::DesignOpen(app_) && !app_.template_file.empty());
      remove_template_->setEnabled(project::HasTemplate(app_));
    });
  }

  window_menu_ = new QMenu(Q(kWindowMenu), &window_);
  window_menu_->setObjectName("window_menu");
  QMenu* help = menus->MenuOf("Men_H");
  if (help != nullptr) {
    window_.menuBar()->insertMenu(help->menuAction(), window_menu_);
  } else {
    window_.menuBar()->addMenu(window_menu_);
  }
  connect(window_menu_, &QMenu::aboutToShow, this, &DesktopSession::FillWindowMenu);
  FillWindowMenu();

  // 断面図 on the toolbar, pressed while the view is shown.
  if (QToolBar* bar = window_.toolbar()) {
    bar->addSeparator();
    section_button_ = bar->addAction(SectionViewIcon(), Q(kSectionCaption));
    section_button_->setObjectName("section_button");
    section_button_->setCheckable(true);
    section_button_->setStatusTip(Q(kSectionPath));
    connect(section_button_, &QAction::triggered, this, &DesktopSession::PressSection);
  }
}

void DesktopSession::FillWindowMenu() {
  window_menu_->clear();
  // The dimension window the ground shape does not use is not the design's.
  const std::string unused = !app_.windows().IsLoaded(forms::kForm2) ? std::string()
                             : forms::Conditions(app_).raised->Value()
                                 ? std::string(forms::kForm3)
                                 : std::string(forms::kForm16);
  for (const char* name : kListed) {
    if (!app_.windows().IsLoaded(name)) continue;
    ui::Window& w = app_.Form(name);
    if (name == unused && !w.Shown()) continue;
    QAction* a = window_menu_->addAction(ToQ(w.Caption()));
    a->setCheckable(true);
    a->setChecked(w.Shown());
    connect(a, &QAction::triggered, this, [this, n = std::string(name)] {
      if (!app_.windows().IsLoaded(n)) return;
      app_.Form(n).Show();
      if (auto* frame = qobject_cast<QMdiSubWindow*>(window_.FrameOf(n))) {
        window_.mdiArea()->setActiveSubWindow(frame);
      }
    });
  }
  QAction* section = window_menu_->addAction(Q(kSectionCaption));
  section->setCheckable(true);
  section->setChecked(section_frame_ != nullptr && section_frame_->isVisible());
  connect(section, &QAction::triggered, this, &DesktopSession::PressSection);
  QWidget* book = book_window ? book_window(false) : nullptr;
  QAction* book_item = window_menu_->addAction(Q(kBookCaption));
  book_item->setCheckable(true);
  book_item->setChecked(book != nullptr && book->isVisible());
  connect(book_item, &QAction::triggered, this, &DesktopSession::ShowBook);
  window_menu_->addSeparator();
  QMdiArea* mdi = window_.mdiArea();
  window_menu_->addAction(Q(kCascade), mdi, &QMdiArea::cascadeSubWindows);
  window_menu_->addAction(Q(kTile), mdi, &QMdiArea::tileSubWindows);
  QAction* next =
      window_menu_->addAction(Q("次のウィンドウ"), mdi, &QMdiArea::activateNextSubWindow);
  next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  QAction* previous =
      window_menu_->addAction(Q("前のウィンドウ"), mdi, &QMdiArea::activatePreviousSubWindow);
  // Shown as Ctrl+Shift+Tab; Qt delivers Shift+Tab as Backtab.
  previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
}

void DesktopSession::ShowSection(bool shown) {
  bool first_place = false;
  if (section_frame_ == nullptr) {
    if (!shown) return;
    auto* frame = new QMdiSubWindow;
    frame->setObjectName("section_frame");
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    section_ = new SectionView(frame);
    section_->setObjectName("section_view");
    section_->addActions(section_actions);
    section_->setContextMenuPolicy(Qt::ActionsContextMenu);
    frame->setWidget(section_);
    frame->setWindowTitle(Q(kSectionCaption));
    frame->setWindowIcon(ProgramIcon());
    window_.mdiArea()->addSubWindow(frame);
    // Its close box hides it: the toolbar button follows.
    frame->installEventFilter(this);
    const QRect remembered = settings_->value(kKeySectionGeometry).toRect();
    if (remembered.isValid()) frame->setGeometry(remembered);
    first_place = !remembered.isValid();
    section_frame_ = frame;
  }
  section_frame_->setVisible(shown);
  // A new view opens inside the work area, over as little of the design
  // windows as it can; the drawing fits any size.
  const QWidget* room = window_.mdiArea()->viewport();
  if (first_place && room->isVisible()) {
    section_frame_->resize(section_frame_->size().boundedTo(room->size()));
    PlaceWhereFree(*window_.mdiArea(), *section_frame_);
  }
  if (shown) {
    window_.mdiArea()->setActiveSubWindow(section_frame_);
    section_frame_->raise();
    Refresh();
  }
  if (section_button_ != nullptr) section_button_->setChecked(section_frame_->isVisible());
  settings_->setValue(kKeySection, shown);
}

void DesktopSession::PressSection(bool on) {
  // A view that is open behind the design windows comes to the front: the
  // press that would hide it was meant to show it.
  if (!on && section_frame_ != nullptr && section_frame_->isVisible() &&
      window_.mdiArea()->currentSubWindow() != section_frame_) {
    on = true;
  }
  ShowSection(on);
}

void DesktopSession::ShowBook() {
  QWidget* book = book_window ? book_window(true) : nullptr;
  if (book == nullptr) return;
  book->show();
  book->raise();
  book->activateWindow();
}

QWidget* DesktopSession::sectionFrame() const { return section_frame_; }

// ------------------------------------------------------------ recent files

QStringList DesktopSession::RecentFiles() const {
  return settings_->value(kKeyRecent).toStringList();
}

void DesktopSession::Remember(const std::string& file) {
  remembered_file_ = file;
  const QString path = QFileInfo(ToQ(file)).absoluteFilePath();
  QStringList list = RecentFiles();
  list.removeAll(path);
  list.prepend(path);
  while (list.size() > kRecentFiles) list.removeLast();
  settings_->setValue(kKeyRecent, list);
  FillRecentMenu();
}

void DesktopSession::FillRecentMenu() {
  if (recent_menu_ == nullptr) return;
  recent_menu_->clear();
  const QStringList list = RecentFiles();
  if (list.isEmpty()) {
    recent_menu_->addAction(Q(kNoRecent))->setEnabled(false);
    return;
  }
  for (qsizetype i = 0; i < list.size(); ++i) {
    const QString path = list[i];
    QAction* a =
        recent_menu_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setStatusTip(QDir::toNativeSeparators(path));
    a->setToolTip(QDir::toNativeSeparators(path));
    connect(a, &QAction::triggered, this, [this, path] { OpenNamed(path); });
  }
}

void DesktopSession::OpenNamed(const QString& path) {
  project::OpenFileAsked(app_, FromQ(path));
  Refresh();
}

void DesktopSession::Note(const QString& text) { window_.statusBar()->showMessage(text); }

// ------------------------------------------------------------ drag and drop

bool DesktopSession::eventFilter(QObject* watched, QEvent* event) {
  if (watched == section_frame_ && section_button_ != nullptr &&
      (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    section_button_->setChecked(event->type() == QEvent::Show);
  }
  if (watched == &window_) {
    if (event->type() == QEvent::DragEnter) {
      auto* e = static_cast<QDragEnterEvent*>(event);
      if (!DroppedProject(e->mimeData()).isEmpty()) e->acceptProposedAction();
      return true;
    }
    if (event->type() == QEvent::Drop) {
      auto* e = static_cast<QDropEvent*>(event);
      const QString path = DroppedProject(e->mimeData());
      if (path.isEmpty()) return true;
      e->acceptProposedAction();
      // The questions are asked once the drag has ended.
      QTimer::singleShot(0, this, [this, path] { OpenNamed(path); });
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace varnholt::desktop
