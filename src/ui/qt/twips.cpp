#include "ui/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace varnholt::desktop {

TwipScale::TwipScale(double logical_dpi) : dpi_(logical_dpi > 0 ? logical_dpi : 96.0) {}

int TwipScale::Px(int twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / 1440.0));
}

int TwipScale::Twips(int px) const {
  return static_cast<int>(std::lround(static_cast<double>(px) * 1440.0 / dpi_));
}

QRect TwipScale::Rect(int left, int top, int width, int height) const {
  // Corners are converted, not sizes, so adjacent controls stay adjacent.
  const int x = Px(left);
  const int y = Px(top);
  return QRect(x, y, Px(left + width) - x, Px(top + height) - y);
}

int TwipScale::LineWidth(int classic_px) const {
  return std::max(1, static_cast<int>(std::lround(classic_px * dpi_ / 96.0)));
}

TwipScale TwipScale::OfScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return TwipScale(screen != nullptr ? screen->logicalDotsPerInch() : 96.0);
}

}  // namespace varnholt::desktop
