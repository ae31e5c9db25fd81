// Varnholt desktop program. A project file named on the command line (a
// double click on a .vrh in the file manager) is opened as ﾌｧｲﾙ → 開く opens it.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "ui/qt/desktop_program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() > 1 && args[1].startsWith('-')) {
    if (args[1] == "--version") {
      std::printf("varnholt %s\n", VARNHOLT_VERSION);
      return 0;
    }
    if (args[1] == "--help") {
      std::printf("使い方: varnholt [FILE.vrh]\n");
      return 0;
    }
    // A mistyped option is not a file name: say so instead of failing to
    // open it. A file whose name begins with "-" is given as ./-name.vrh.
    std::fprintf(stderr, "不明なオプションです: %s\n使い方: varnholt [FILE.vrh]\n",
                 args[1].toLocal8Bit().constData());
    return 2;
  }
  varnholt::desktop::PrepareApplication(application);
  varnholt::desktop::DesktopProgram program;
  QObject::connect(&program.window(), &varnholt::desktop::MainWindow::ProgramEnded, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  program.Start();
  if (args.size() > 1) program.OpenGiven(args[1].toStdString());
  return program.window().Ended() ? 0 : QApplication::exec();
}
