#pragma once
// Twips (1/1440 inch) to device-independent pixels at the screen's logical
// DPI. Every position and size of the windows is given in twips; the desktop
// front end converts them here and nowhere else.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace varnholt::desktop {

/// Converts twips to pixels at one logical DPI (96 at 100 % scaling, 144 at 150 %).
class TwipScale {
 public:
  explicit TwipScale(double logical_dpi = 96.0);

  double dpi() const { return dpi_; }
  /// Pixels of a length in twips, rounded to the nearest pixel.
  int Px(int twips) const;
  /// Twips of a length in pixels, rounded to the nearest twip.
  int Twips(int px) const;
  QPoint Point(int x_twips, int y_twips) const { return {Px(x_twips), Px(y_twips)}; }
  QRect Rect(int left, int top, int width, int height) const;
  /// Width of a line drawn one pixel wide at 96 DPI.
  int LineWidth(int classic_px) const;

  /// The scale of the primary screen (96 DPI when there is none).
  static TwipScale OfScreen();

 private:
  double dpi_;
};

}  // namespace varnholt::desktop
