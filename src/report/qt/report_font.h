#pragma once
// The typeface the calculation report is printed in, as found on this
// machine, with the two metrics the page surfaces need.
//
// The report aligns its columns with blanks and "･" fill characters inside
// the printed literals, so it needs a Mincho face with Japanese glyphs whose
// half-width characters all advance by exactly half an em. A face that has
// the glyphs but proportional Latin letters is still used: its half-width
// characters are then set in half-em cells by the surface.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace varnholt::report::qt {

/// The faces tried, in order of preference.
inline constexpr const char* kReportFaces[] = {"ＭＳ 明朝", "MS Mincho", "IPAMincho",
                                               "Noto Serif CJK JP"};

/// Shown instead of a report printed in empty boxes.
inline constexpr const char* kMsgNoReportFont =
    "計算書に使う明朝体のフォント（ＭＳ 明朝、IPA明朝 または Noto Serif CJK JP）が"
    "インストールされていないため、計算書を作成できません。";

/// A face found for the report.
struct ReportFont {
  QString family;
  /// Line spacing (the advance after a printed line) in ems.
  double line_ratio = 1.0;
  /// Distance from the top of a character cell to the baseline, in ems.
  double ascent_ratio = 0.88;
  /// Every half-width character advances by half an em, so literals can be
  /// drawn as whole runs.
  bool fixed_half_width = true;
};

/// The first installed face of kReportFaces that has Japanese glyphs;
/// nullopt when there is none. Needs a QGuiApplication.
std::optional<ReportFont> FindReportFont();

/// The metrics of an installed family, measured without hinting, so they
/// are the same on the screen, on paper and in a PDF.
ReportFont MeasureFont(const QString& family);

/// True when the family is installed and draws the report's Japanese
/// characters (kanji, kana, full-width digits, ①, ∴).
bool HasJapaneseGlyphs(const QString& family);

/// True when the blank, the digits, the Latin letters, the signs and the
/// half-width katakana (･ ﾟ) of the family all advance by half the width of
/// the ideographic blank.
bool HasFixedHalfWidth(const QString& family);

/// True for the characters the report treats as half-width: printable
/// ASCII and the half-width katakana block (U+FF61..U+FF9F).
bool IsHalfWidth(char32_t c);

/// A piece of a printed text with the em offset it starts at, when
/// half-width characters are set in half-em cells: each half-width character
/// is its own piece; a run of other characters is one piece, whose width is
/// `full_width_ems` per character.
struct CellPiece {
  double offset_ems;
  QString text;
};
std::vector<CellPiece> CellPieces(QStringView text, double full_width_ems = 1.0);

}  // namespace varnholt::report::qt
