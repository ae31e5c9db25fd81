#pragma once
// What the desktop adds around the design so that no work is lost and the
// engineer finds their way: the title with the modified mark, the status
// bar (file state, verdict, notes), the recovery file written while there
// are unsaved changes, recent files, files dropped on the window, the
// ウィンドウ menu with the section view (断面図), the standard shortcuts and
// the geometry remembered between runs.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "project/recovery.h"
#include "ui/toolkit/toolkit.h"

class QLabel;
class QMdiSubWindow;
class QAction;
class QMenu;
class QSettings;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class BookWindow;
class MainWindow;
class SectionView;

/// Where the program keeps what outlives a run. Tests use temporary ones.
struct SessionPaths {
  /// The settings file (recent files, folders, geometry).
  QString settings_file;
  /// The folder of recovery files.
  std::string recovery_folder;
  /// The template of new designs; empty: none (新規作成 starts empty).
  std::string template_file;
  /// The user's: ~/.config/varnholt/varnholt.conf (XDG), RecoveryFolder()
  /// and TemplateFile().
  static SessionPaths User();
};

/// The windows listed in the ウィンドウ menu, brought back after their close
/// box hid them.
bool ListedWindow(const std::string& name);

class DesktopSession : public QObject, public ui::WindowObserver {
  Q_OBJECT

 public:
  /// How long after the last edit the recovery file is written, and how
  /// often at the latest while there are unsaved changes.
  static constexpr int kEditBurstMs = 2000;
  static constexpr int kRecoveryIntervalMs = 60000;
  static constexpr int kRecentFiles = 8;

  DesktopSession(forms::App& app, MainWindow& window, SessionPaths paths);
  ~DesktopSession() override;

  /// After the main window is shown: its geometry, the section view if it
  /// was open, and the offer to restore unsaved work of a run that crashed.
  void Start();
  /// The program ends cleanly: geometry saved, recovery file removed.
  void End();

  /// Title, status bar, recent files and section view as the design is now.
  void Refresh();
  /// Writes the recovery file now when there are unsaved changes.
  void WriteRecovery();

  /// The settings file of the desktop (tests redirect it).
  QSettings& settings() const { return *settings_; }
  QLabel* stateLabel() const { return state_; }
  QLabel* verdictLabel() const { return verdict_; }
  QMenu* windowMenu() const { return window_menu_; }
  QMenu* recentMenu() const { return recent_menu_; }
  QAction* sectionButton() const { return section_button_; }
  SectionView* sectionView() const { return section_; }
  QWidget* sectionFrame() const;
  const project::RecoveryFile& recovery() const { return recovery_; }
  QStringList RecentFiles() const;
  /// Shows or hides the section view (断面図), remembered for the next run.
  void ShowSection(bool shown);
  /// The toolbar button's and the ウィンドウ menu's 断面図: shows the view,
  /// brings it to the front when it is open behind other windows, and hides
  /// it when it is the window in front.
  void PressSection(bool on);
  /// The design book's window (計算書一式) of ファイル and ウィンドウ: made
  /// when `create`, else null until it was.
  std::function<BookWindow*(bool create)> book_window;
  /// Shows the design book's window.
  void ShowBook();
  /// The section view's commands (断面図を印刷, 断面図のエクスポート): set before
  /// Start, they go into the File menu and the section view's context menu.
  QList<QAction*> section_actions;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // WindowObserver: any change may be an edit.
  void ControlChanged(ui::Control&) override { Schedule(true); }
  void WindowChanged(ui::Window&) override { Schedule(false); }
  void WindowShown(ui::Window&) override { Schedule(false); }
  void WindowHidden(ui::Window&) override { Schedule(false); }
  void Schedule(bool edit);

  void BuildMenus();
  void FillWindowMenu();
  void FillRecentMenu();
  void Remember(const std::string& file);
  void OpenNamed(const QString& path);
  void Note(const QString& text);

  forms::App& app_;
  MainWindow& window_;
  std::unique_ptr<QSettings> settings_;
  project::RecoveryFile recovery_;
  std::string recovery_folder_;
  QLabel* state_ = nullptr;
  QLabel* verdict_ = nullptr;
  QMenu* window_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QAction* save_template_ = nullptr;
  QAction* remove_template_ = nullptr;
  QMdiSubWindow* section_frame_ = nullptr;  // owned by the MDI area
  SectionView* section_ = nullptr;
  QAction* section_button_ = nullptr;  // on the main window's toolbar
  QTimer refresh_;
  QTimer burst_;
  QTimer interval_;
  std::string remembered_file_;
  bool ended_ = false;
};

}  // namespace varnholt::desktop
