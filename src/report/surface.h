#pragma once
// The page surface the calculation report is drawn on.
//
// The report is drawn, not flowed: every text and segment is placed at an
// absolute position in twips (1/1440 inch), origin at the top-left corner of
// the printable area, x to the right and y downward. A section sets the
// current position, prints one line of juxtaposed items, or draws a
// straight segment; nothing is measured and nothing breaks a page.
//
// The state (CurrentX, CurrentY, the font, the pen, the colour) lives here
// and is kept between calls; the device behind it (a recording for tests, a
// printer page, a preview picture, a PDF page) implements the few drawing
// hooks at the bottom.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace varnholt::report {

/// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlack = 0x000000;
/// The colour of a failing verdict line.
inline constexpr Rgb kLightMagenta = 0xFF00FF;

/// The one typeface of the report.
inline constexpr const char* kReportFontName = "ＭＳ 明朝";
/// The standard state every section returns to.
inline constexpr double kStandardFontSize = 11;

/// Pen patterns of DrawStyle.
inline constexpr int kSolid = 0;
inline constexpr int kDotted = 2;
inline constexpr int kDashDotDot = 4;

/// One item of a printed line: a text printed unchanged, or a number printed
/// without a pattern (as NumberText: a blank or minus sign in front, a blank
/// behind).
class PrintItem {
 public:
  PrintItem(const char* text) : text_(text) {}
  PrintItem(std::string_view text) : text_(text) {}
  PrintItem(const std::string& text) : text_(text) {}
  PrintItem(std::string&& text) : text_(std::move(text)) {}
  template <typename T>
  requires(std::is_arithmetic_v<T> && !std::same_as<T, char>) PrintItem(T number)
      : text_(Number(static_cast<double>(number))) {}

  const std::string& text() const { return text_; }

 private:
  static std::string Number(double value);
  std::string text_;
};

/// The output surface of the report (OutDev). Sections assign the state
/// fields and call PrintLine and Line; only the page controller calls
/// ClearSurface, NewPage and EndDoc and sets FontName.
class ReportSurface {
 public:
  virtual ~ReportSurface() = default;

  // State, kept between calls until changed. Sections assign, never read back.
  double CurrentX = 0;  // twips: left of the next printed text; 0 after every line
  double CurrentY = 0;  // twips: top of the next printed text
  std::string FontName = kReportFontName;
  double FontSize = kStandardFontSize;  // points
  int DrawStyle = kSolid;               // 0 solid, 2 dotted, 4 dash-dot-dot
  int DrawWidth = 1;                    // device pixels
  Rgb ForeColor = kBlack;

  /// Prints the items one after another at (CurrentX, CurrentY), joined with
  /// nothing between them, then ends the line: CurrentX becomes 0 and
  /// CurrentY grows by one line height of the current font. Without items
  /// (or with only empty texts) only the line ends.
  void PrintLine(std::initializer_list<PrintItem> items = {});

  /// A straight segment between two absolute points in the current style
  /// and width, in ForeColor or in the colour given.
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, Rgb color);

  /// Erases a preview picture before a page is drawn on it; the position
  /// returns to the top-left corner.
  void ClearSurface();
  /// Ejects the printer page and starts the next at the top-left corner.
  void NewPage();
  /// Finishes the print job. A NewPage directly followed by EndDoc ejects no
  /// extra empty page.
  void EndDoc();

  /// The advance of one printed line at the current font and size, twips.
  virtual double LineHeight() const = 0;

 protected:
  /// Draws `text` (never empty) with the top-left corner of its first
  /// character cell at (x, y) in the current font, size and ForeColor.
  virtual void DrawText(double x, double y, const std::string& text) = 0;
  /// Draws one segment with the current DrawStyle and DrawWidth.
  virtual void DrawSegment(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void DoClearSurface() = 0;
  virtual void DoNewPage() = 0;
  virtual void DoEndDoc() = 0;
};

}  // namespace varnholt::report
