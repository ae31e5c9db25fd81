#include "report/qt/report_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>
#include <QtEndian>
#include <cmath>

namespace varnholt::report::qt {
namespace {

// Metrics are taken at a large pixel size without hinting: the ratios are
// then the face's design ratios, independent of any device.
constexpr int kMeasurePixels = 1000;

// Characters every page of the report prints.
constexpr const char16_t* kJapaneseSample = u"擁壁計算書一般事項安定土圧のをにてはしますア①∴０";

// Half-width characters the report aligns with.
constexpr const char16_t* kHalfWidthSample =
    u" 0123456789.,:;=+-*/()[]<>ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    u"abcdefghijklmnopqrstuvwxyz･ﾟ";

// Half an em within a thousandth of an em: advances are stored in font
// units and scaled, so a fixed-pitch face gives half an em up to rounding.
constexpr double kAdvanceTolerance = 0.001;

QFont MeasuringFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(kMeasurePixels);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

QString InstalledFamily(const QString& wanted) {
  for (const QString& family : QFontDatabase::families()) {
    if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
  }
  return {};
}

}  // namespace

bool IsHalfWidth(char32_t c) { return (c >= 0x20 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F); }

bool HasJapaneseGlyphs(const QString& family) {
  if (InstalledFamily(family).isEmpty()) return false;
  const QRawFont raw = QRawFont::fromFont(MeasuringFont(family));
  if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
  for (const char32_t c : QString::fromUtf16(kJapaneseSample).toUcs4()) {
    if (!raw.supportsCharacter(c)) return false;
  }
  return true;
}

bool HasFixedHalfWidth(const QString& family) {
  const QFontMetricsF fm(MeasuringFont(family));
  const double em = fm.horizontalAdvance(QChar(0x3000));
  if (em <= 0) return false;
  for (const QChar c : QString::fromUtf16(kHalfWidthSample)) {
    if (std::fabs(fm.horizontalAdvance(c) / em - 0.5) > kAdvanceTolerance) return false;
  }
  return true;
}

// The face's typographic line spacing and ascent, in ems, from its OS/2
// table: sTypoAscender − sTypoDescender + sTypoLineGap. False when the face
// has no usable table.
bool TypographicMetrics(const QRawFont& raw, double& line, double& ascent) {
  const QByteArray os2 = raw.fontTable("OS/2");
  const double em = raw.unitsPerEm();
  constexpr int kTypoAscender = 68;
  constexpr int kTypoLineGap = 72;
  if (os2.size() < kTypoLineGap + 2 || em <= 0) return false;
  auto s16 = [&os2](int offset) { return qFromBigEndian<qint16>(os2.constData() + offset); };
  const int ascender = s16(kTypoAscender);
  const int descender = s16(kTypoAscender + 2);
  const int gap = s16(kTypoLineGap);
  if (ascender <= 0 || ascender - descender + gap <= 0) return false;
  line = (ascender - descender + gap) / em;
  ascent = ascender / em;
  return true;
}

ReportFont MeasureFont(const QString& family) {
  ReportFont font;
  font.family = family;
  // The typographic metrics are the spacing the face is designed to be set
  // at: one em (20 twips per point) for the Mincho faces, as the report's
  // layout assumes. The spacing Qt reports may come from the faces'
  // clipping metrics (1.10 em for IPAMincho) and would push every flowing
  // line down against the figures placed at fixed positions.
  const QRawFont raw = QRawFont::fromFont(MeasuringFont(family));
  if (!TypographicMetrics(raw, font.line_ratio, font.ascent_ratio)) {
    const QFontMetricsF fm(MeasuringFont(family));
    font.line_ratio = fm.lineSpacing() / kMeasurePixels;
    font.ascent_ratio = fm.ascent() / kMeasurePixels;
  }
  font.fixed_half_width = HasFixedHalfWidth(family);
  return font;
}

std::optional<ReportFont> FindReportFont() {
  for (const char* face : kReportFaces) {
    const QString family = InstalledFamily(QString::fromUtf8(face));
    if (!family.isEmpty() && HasJapaneseGlyphs(family)) return MeasureFont(family);
  }
  return std::nullopt;
}

std::vector<CellPiece> CellPieces(QStringView text, double full_width_ems) {
  std::vector<CellPiece> pieces;
  double offset = 0;
  QString run;
  double run_start = 0;
  auto flush = [&] {
    if (!run.isEmpty()) pieces.push_back({run_start, run});
    run.clear();
  };
  for (const char32_t c : text.toUcs4()) {
    const QString ch = QString::fromUcs4(&c, 1);
    if (IsHalfWidth(c)) {
      flush();
      if (c != U' ') pieces.push_back({offset, ch});
      offset += 0.5;
    } else {
      if (run.isEmpty()) run_start = offset;
      run += ch;
      offset += full_width_ems;
    }
  }
  flush();
  return pieces;
}

}  // namespace varnholt::report::qt
