// The report's Qt surfaces: the face found on this machine and its metrics,
// positions, pens and clipping on a picture, page breaks and the file of a
// PDF, and the replay of a recorded page.

#include "report/qt/qt_surface.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "report/replay.h"

namespace varnholt::report::qt {
namespace {

// ------------------------------------------------------------ the face

ReportFont Mincho() {
  const auto font = FindReportFont();
  if (!font) ADD_FAILURE() << "no report face installed";
  return font.value_or(ReportFont{"IPAMincho"});
}

TEST(ReportFont, FindsTheFirstInstalledMinchoWithItsSpacing) {
  // The machines of this project have IPAMincho and neither MS face.
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.contains("MS Mincho"));
  ASSERT_TRUE(families.contains("IPAMincho"));
  const ReportFont font = Mincho();
  EXPECT_EQ(font.family, "IPAMincho");
  // One em: 20 twips per point, 220 twips at 11 points.
  EXPECT_NEAR(font.line_ratio, 1.0, 1e-9);
  // sTypoAscender 1802 of 2048 units.
  EXPECT_NEAR(font.ascent_ratio, 1802.0 / 2048.0, 1e-9);
  EXPECT_TRUE(font.fixed_half_width);
}

TEST(ReportFont, TellsFixedFromProportionalHalfWidthAndJapaneseFromLatin) {
  EXPECT_TRUE(HasFixedHalfWidth("IPAMincho"));
  // The proportional companion face sets blanks and digits narrower.
  EXPECT_FALSE(HasFixedHalfWidth("IPAPMincho"));
  EXPECT_TRUE(HasJapaneseGlyphs("IPAMincho"));
  EXPECT_FALSE(HasJapaneseGlyphs("DejaVu Sans"));
  EXPECT_FALSE(HasJapaneseGlyphs("No Such Face"));
}

TEST(ReportFont, HalfWidthCharactersAreAsciiAndHalfWidthKatakana) {
  struct Case {
    char32_t c;
    bool half;
  };
  for (const Case c :
       {Case{U' ', true}, Case{U'~', true}, Case{U'A', true}, Case{U'･', true}, Case{U'ﾟ', true},
        Case{U'｡', true}, Case{U'　', false}, Case{U'φ', false}, Case{U'°', false},
        Case{U'①', false}, Case{U'Ａ', false}, Case{0x7F, false}}) {
    EXPECT_EQ(IsHalfWidth(c.c), c.half) << static_cast<unsigned>(c.c);
  }
}

TEST(ReportFont, CellPiecesPutHalfWidthCharactersInHalfEmCells) {
  struct Case {
    const char* text;
    std::vector<std::pair<double, QString>> pieces;
  };
  const Case cases[] = {
      {"Fc= 21", {{0, "F"}, {0.5, "c"}, {1, "="}, {2, "2"}, {2.5, "1"}}},
      {"φ=30°", {{0, "φ"}, {1, "="}, {1.5, "3"}, {2, "0"}, {2.5, "°"}}},
      {"　･･土質", {{0, "　"}, {1, "･"}, {1.5, "･"}, {2, "土質"}}},
      {"   ", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<double, QString>> got;
    for (const CellPiece& p : CellPieces(QString::fromUtf8(c.text))) {
      got.emplace_back(p.offset_ems, p.text);
    }
    EXPECT_EQ(got, c.pieces) << c.text;
  }
}

// ------------------------------------------------------------ a picture

// A white picture at 144 dots per inch (10 twips a dot) with the printable
// area 20 dots right and 30 down, 2000 × 3000 twips.
struct Picture {
  static constexpr double kDpi = 144;
  static constexpr int kLeft = 20;
  static constexpr int kTop = 30;

  Picture() : image(260, 380, QImage::Format_RGB32) {
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
    painter.begin(&image);
    DeviceFrame frame;
    frame.dpi_x = kDpi;
    frame.dpi_y = kDpi;
    frame.origin = QPointF(kLeft, kTop);
    frame.printable = QSizeF(2000, 3000);
    frame.min_pen = 1;
    frame.font_dpi = image.logicalDpiY();
    surface = std::make_unique<QtReportSurface>(painter, frame, Mincho());
  }
  ~Picture() {
    surface.reset();
    if (painter.isActive()) painter.end();
  }
  void Finish() {
    surface.reset();
    painter.end();
  }
  // The bounding box of the dots that are not white.
  QRect Ink() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }
  // The amount of ink, in fully black dots.
  int Darkened() const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += 255 - qGray(image.pixel(x, y));
    }
    return n / 255;
  }
  int Count(QRgb colour, int tolerance = 60) const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                std::abs(qBlue(p) - qBlue(colour)) <=
            tolerance) {
          ++n;
        }
      }
    }
    return n;
  }

  QImage image;
  QPainter painter;
  std::unique_ptr<QtReportSurface> surface;
};

TEST(QtSurface, LineAdvanceIsTheFacesSpacingAtTheCurrentSize) {
  Picture p;
  ReportSurface& out = *p.surface;
  for (const double size : {11.0, 10.0, 9.0}) {
    out.FontSize = size;
    EXPECT_DOUBLE_EQ(out.LineHeight(), size * 20) << size;
  }
  out.FontSize = 11;
  out.CurrentX = 300;
  out.CurrentY = 100;
  out.PrintLine({"ア"});
  EXPECT_EQ(out.CurrentX, 0);
  EXPECT_EQ(out.CurrentY, 320);
}

TEST(QtSurface, SegmentsLandOnTheirTwipPositionsAndAreClipped) {
  Picture p;
  ReportSurface& out = *p.surface;
  // 0..1000 twips across at 500 twips down: dots 20..120 at row 80.
  out.Line(0, 500, 1000, 500, kBlack);
  p.Finish();
  const QRect ink = p.Ink();
  EXPECT_NEAR(ink.left(), 20, 1);
  EXPECT_NEAR(ink.right(), 120, 1);
  EXPECT_NEAR(ink.center().y(), 80, 1);
  EXPECT_LE(ink.height(), 3);

  Picture q;
  // Far beyond the printable area on both sides: only 2000 × 3000 twips show.
  q.surface->Line(-5000, 1000, 9000, 1000, kBlack);
  q.surface->Line(1000, -5000, 1000, 9000, kBlack);
  q.Finish();
  const QRect clipped = q.Ink();
  EXPECT_GE(clipped.left(), 20);
  EXPECT_LE(clipped.right(), 20 + 200);
  EXPECT_GE(clipped.top(), 30);
  EXPECT_LE(clipped.bottom(), 30 + 300);
  EXPECT_NEAR(clipped.width(), 200, 2);
  EXPECT_NEAR(clipped.height(), 300, 2);
}

TEST(QtSurface, TextSitsInItsCellInTheColourOfTheLine) {
  Picture p;
  ReportSurface& out = *p.surface;
  out.ForeColor = kLightMagenta;
  out.CurrentX = 500;
  out.CurrentY = 1000;
  // A full-width block fills most of its 11-point cell (22 dots here): the
  // cell's corner is (20 + 50, 30 + 100).
  out.PrintLine({"■"});
  p.Finish();
  const QRect ink = p.Ink();
  EXPECT_GE(ink.left(), 70);
  EXPECT_LE(ink.left(), 74);
  EXPECT_GE(ink.top(), 130);
  EXPECT_LE(ink.bottom(), 130 + 22);
  EXPECT_GE(ink.width(), 14);
  EXPECT_GT(p.Count(qRgb(255, 0, 255)), 100);
}

TEST(QtSurface, HalfWidthTextAdvancesHalfAnEmPerCharacter) {
  Picture p;
  ReportSurface& out = *p.surface;
  // Nine blanks and a digit: the digit's cell starts 4.5 ems (990 twips,
  // 99 dots) right of the line's start.
  out.CurrentX = 0;
  out.CurrentY = 200;
  out.PrintLine({"         8"});
  p.Finish();
  const QRect ink = p.Ink();
  EXPECT_GE(ink.left(), 20 + 99);
  EXPECT_LE(ink.right(), 20 + 99 + 11);
}

TEST(QtSurface, DottedAndThickPensDrawLessAndMore) {
  auto dots = [](int style, int width) {
    Picture p;
    p.surface->DrawStyle = style;
    p.surface->DrawWidth = width;
    p.surface->Line(0, 1000, 1800, 1000, kBlack);
    p.Finish();
    return p.Darkened();
  };
  const int solid = dots(kSolid, 1);
  EXPECT_GT(solid, 170);
  EXPECT_LT(dots(kDotted, 1), solid * 3 / 4);
  EXPECT_LT(dots(kDashDotDot, 1), solid * 9 / 10);
  EXPECT_GT(dots(kSolid, 2), solid * 3 / 2);
}

TEST(QtSurface, ReplayDrawsWhatTheSectionsDrew) {
  // One page drawn directly and the same page recorded and replayed give
  // the same picture.
  auto draw = [](ReportSurface& out) {
    out.CurrentX = 100;
    out.CurrentY = 100;
    out.PrintLine({"擁壁 ", 12.5, "kN/m"});
    out.FontSize = 9;
    out.PrintLine({"  H=5.000m"});
    out.FontSize = 11;
    out.DrawStyle = kDotted;
    out.Line(0, 600, 1500, 900, kBlack);
    out.DrawStyle = kSolid;
    out.DrawWidth = 2;
    out.ForeColor = kLightMagenta;
    out.Line(200, 1200, 1200, 1200);
    out.CurrentX = 0;
    out.CurrentY = 1400;
    out.PrintLine({"∴ NG"});
  };
  Picture direct;
  draw(*direct.surface);
  direct.Finish();

  RecordingSurface recording;
  draw(recording);
  ASSERT_EQ(recording.pages().size(), 1u);
  Picture replayed;
  report::Replay(recording.pages().front(), *replayed.surface);
  EXPECT_EQ(replayed.surface->FontSize, kStandardFontSize);
  EXPECT_EQ(replayed.surface->DrawWidth, 1);
  EXPECT_EQ(replayed.surface->ForeColor, kBlack);
  replayed.Finish();
  EXPECT_EQ(direct.image, replayed.image);
  EXPECT_GT(direct.Count(qRgb(255, 0, 255)), 20);
}

// ------------------------------------------------------------ PDF

int PageCount(const QByteArray& pdf) {
  static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(PdfDocument, IsAnA4PageWithAPrintableAreaWideEnoughForTheReport) {
  const PageTwips t = ReportPageTwips();
  // 210 × 297 mm.
  EXPECT_NEAR(t.paper_width, 11906, 1);
  EXPECT_NEAR(t.paper_height, 16838, 1);
  EXPECT_GE(t.width, 11000);
  EXPECT_GE(t.height, 15800);
  // The widest formula's bracket ends at 11,460 twips; the footer's line
  // ends at 15,720.
  EXPECT_GT(t.width, 11460);
  EXPECT_GT(t.height, 15720);
  EXPECT_NEAR(t.left + t.width + t.left, t.paper_width, 1e-6);
}

TEST(PdfDocument, PageBreaksMakePagesAndTheLastEjectsNone) {
  struct Case {
    int breaks;
    bool trailing_break;
    int pages;
  };
  for (const Case c : {Case{0, false, 1}, Case{2, false, 3}, Case{2, true, 3}}) {
    PdfDocument pdf(Mincho());
    ReportSurface& out = pdf.surface();
    for (int page = 0; page <= c.breaks; ++page) {
      out.CurrentY = 1000;
      out.PrintLine({"一般事項"});
      if (page < c.breaks || c.trailing_break) out.NewPage();
    }
    out.EndDoc();
    ASSERT_TRUE(pdf.ok());
    EXPECT_TRUE(pdf.bytes().startsWith("%PDF-"));
    EXPECT_EQ(PageCount(pdf.bytes()), c.pages) << c.breaks << c.trailing_break;
    // The face travels with the file.
    EXPECT_TRUE(pdf.bytes().contains("IPAMincho"));
  }
}

TEST(PdfDocument, FinishedOnlyAfterItsEndDoc) {
  PdfDocument pdf(Mincho());
  pdf.surface().PrintLine({"計算書"});
  EXPECT_FALSE(pdf.finished());
  pdf.surface().EndDoc();
  EXPECT_TRUE(pdf.finished());
  EXPECT_TRUE(pdf.bytes().startsWith("%PDF-"));
}

}  // namespace
}  // namespace varnholt::report::qt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Fonts need a GUI application; no test needs a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
