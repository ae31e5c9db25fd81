// Writes the program's icon as the files a desktop installs: PNG pictures of
// the hicolor sizes and one scalable SVG, all drawn by DrawProgramIcon.
//
//   varnholt-icons OUTDIR  →  OUTDIR/hicolor/<n>x<n>/apps/varnholt.png,
//                             OUTDIR/hicolor/scalable/apps/varnholt.svg

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/qt/icons.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "使い方: varnholt-icons OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]) + "/hicolor";
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QString("%1/%2x%2/apps").arg(out).arg(size);
    QDir().mkpath(dir);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    varnholt::desktop::DrawProgramIcon(p);
    p.end();
    if (!image.save(dir + "/varnholt.png")) return 1;
  }
  const QString scalable = out + "/scalable/apps";
  QDir().mkpath(scalable);
  QSvgGenerator svg;
  svg.setFileName(scalable + "/varnholt.svg");
  svg.setSize(QSize(32, 32));
  svg.setViewBox(QRect(0, 0, 32, 32));
  svg.setTitle("Varnholt");
  QPainter p;
  if (!p.begin(&svg)) return 1;
  varnholt::desktop::DrawProgramIcon(p);
  p.end();
  return 0;
}
