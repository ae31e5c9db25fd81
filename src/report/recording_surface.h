#pragma once
// A report surface that records every primitive instead of drawing it.
//
// Tests of the report and of the layers above it draw on this surface and
// compare its dump with reviewed expected dumps. The dump has one primitive
// per line, coordinates in twips with at most two decimals, colour as
// RRGGBB:
//   P 2                                            a page begins (page 2)
//   T 1750 10000 11 000000 主働土圧係数  KA = 0.297  text at x, y, size, colour
//   L 1800 1500 10900 1500 0 1 000000              segment, style, width, colour
// The line advance is 20 twips per point of FontSize, the line spacing of
// the Mincho face the program ships with.

#include <string>
#include <variant>
#include <vector>

#include "report/surface.h"

namespace varnholt::report {

/// A text drawn at (x, y).
struct RecordedText {
  double x = 0;
  double y = 0;
  double size = 0;
  Rgb color = kBlack;
  std::string text;
};

/// A segment with the pen it was drawn with.
struct RecordedSegment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int style = 0;
  int width = 1;
  Rgb color = kBlack;
};

using RecordedPrimitive = std::variant<RecordedText, RecordedSegment>;

/// One page: its number and what was drawn on it, in drawing order.
struct RecordedPage {
  int number = 1;
  std::vector<RecordedPrimitive> primitives;
};

/// Twips of line advance per point of font size.
inline constexpr double kTwipsPerPoint = 20;

/// Records pages of primitives. A page is opened by the first primitive
/// drawn after construction or after NewPage, so a page on which nothing
/// was drawn does not appear. ClearSurface erases the page being drawn.
class RecordingSurface : public ReportSurface {
 public:
  /// `first_page` numbers the first page (a surface for report page 2 alone
  /// starts at 2).
  explicit RecordingSurface(int first_page = 1) : next_page_(first_page) {}

  double LineHeight() const override { return FontSize * kTwipsPerPoint; }

  const std::vector<RecordedPage>& pages() const { return pages_; }
  /// Every text of every page, in drawing order.
  std::vector<RecordedText> Texts() const;
  /// Every segment of every page, in drawing order.
  std::vector<RecordedSegment> Segments() const;
  bool ended() const { return ended_; }

  /// The readable dump, one primitive per line, each line ending in "\n".
  std::string Dump() const;

 protected:
  void DrawText(double x, double y, const std::string& text) override;
  void DrawSegment(double x1, double y1, double x2, double y2, Rgb color) override;
  void DoClearSurface() override;
  void DoNewPage() override;
  void DoEndDoc() override;

 private:
  RecordedPage& OpenPage();

  std::vector<RecordedPage> pages_;
  bool page_open_ = false;
  int next_page_;
  bool ended_ = false;
};

/// A coordinate or size as the dump writes it: rounded to two decimals,
/// trailing zeros and point dropped ("1750", "2866.67", "-50.5").
std::string DumpNumber(double value);

/// The dump line of one primitive, without the line end.
std::string DumpLine(const RecordedPrimitive& primitive);

}  // namespace varnholt::report
