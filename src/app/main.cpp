// Varnholt desktop program.
#include <QApplication>

#include "ui/qt/desktop_program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::DesktopProgram program;
  QObject::connect(&program.window(), &varnholt::desktop::MainWindow::ProgramEnded, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  program.Start();
  return program.window().Ended() ? 0 : QApplication::exec();
}
