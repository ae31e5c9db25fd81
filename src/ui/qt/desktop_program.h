#pragma once
// The desktop program put together: the application's look (Japanese UI
// font, Japanese standard dialogs), the platform services, the application
// object with its commands, and the main window.

#include <QPointer>
#include <QString>
#include <memory>

#include "ui/forms/app.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"

class QApplication;

namespace varnholt::desktop {

class BookWindow;
class HelpController;
class DesktopSession;
class ReportFrontEnd;
class SectionCommands;
struct SessionPaths;

/// The family of the Japanese UI font in use: IPA P Gothic or IPAGothic, or a
/// Noto CJK face when neither is installed; empty when none is.
QString JapaneseUiFamily();

/// Sets the application-wide font (the Japanese UI face at 9 points), the
/// Japanese texts of Qt's standard buttons and dialogs, and the program icon.
void PrepareApplication(QApplication& application);

/// One running program: platform services, the application object and its
/// main window, in the order they must be built and torn down.
class DesktopProgram {
 public:
  /// With the user's settings and recovery folder, or the given ones.
  DesktopProgram();
  explicit DesktopProgram(const SessionPaths& paths);
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  /// Loads and shows the main window.
  void Start();
  /// Opens the project file named on the command line (a double click on a
  /// .vrh) as 開く does, and shows it at once: title, status bar and the
  /// section view if it is open.
  void OpenGiven(const std::string& path);

  forms::App& app() { return app_; }
  MainWindow& window() { return *window_; }
  QtPlatform& platform() { return platform_; }
  /// The report's preview windows, printing and PDF output.
  ReportFrontEnd& report() { return *report_; }
  /// The help menu's commands and F1; null before Start.
  HelpController* help() { return help_.get(); }
  /// Title, status bar, recovery, recent files, ウィンドウ menu.
  DesktopSession& session() { return *session_; }

 private:
  QtPlatform platform_;
  forms::App app_{platform_};
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<ReportFrontEnd> report_;
  std::unique_ptr<HelpController> help_;
  std::unique_ptr<SectionCommands> section_commands_;
  std::unique_ptr<DesktopSession> session_;
  QPointer<BookWindow> book_;  // 計算書一式, made when first opened
};

}  // namespace varnholt::desktop
