// Start-up of the desktop program to a usable main window: the time from
// before the application object is made until the main window is exposed
// on the screen, printed in milliseconds. bench/startup.sh runs it under
// Xvfb and reports the median, with the whole process's time beside it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "ui/qt/desktop_program.h"
#include "ui/qt/desktop_session.h"

int main(int argc, char* argv[]) {
  QElapsedTimer timer;
  timer.start();
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  // Settings and recovery files of its own, never the user's.
  QTemporaryDir dir;
  varnholt::desktop::SessionPaths paths;
  paths.settings_file = dir.filePath("varnholt.conf");
  paths.recovery_folder = dir.filePath("recovery").toStdString();
  varnholt::desktop::DesktopProgram program(paths);
  program.Start();
  if (!QTest::qWaitForWindowExposed(&program.window(), 5000)) return 1;
  std::printf("%.1f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
  return 0;
}
