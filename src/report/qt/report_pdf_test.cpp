// The whole report of every example project: every text and segment lies
// inside the printable area of the A4 page, and varnholt-cli writes it as
// the print command would.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <filesystem>
#include <string>
#include <vector>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/test_support.h"
#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"

namespace varnholt::report::qt {
namespace {

using project::testing::Cli;
using project::testing::CliRun;
using project::testing::ReadAll;
using project::testing::TempDir;

std::vector<std::string> Examples() {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(VARNHOLT_EXAMPLES)) {
    if (e.path().extension() == ".vrh") out.push_back(e.path().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

int PdfPages(const std::string& bytes) {
  static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
  return static_cast<int>(
      QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())).count(page));
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(ReportOfEveryExample, FitsThePrintableAreaOfTheA4Page) {
  const auto font = FindReportFont();
  ASSERT_TRUE(font);
  QFont measuring(font->family);
  measuring.setPixelSize(1000);
  measuring.setHintingPreference(QFont::PreferNoHinting);
  const QFontMetricsF fm(measuring);
  const PageTwips page = ReportPageTwips();
  const std::vector<std::string> examples = Examples();
  ASSERT_GE(examples.size(), 6u);
  for (const std::string& path : examples) {
    project::BatchPlatform platform;
    forms::App app(platform);
    ASSERT_EQ(project::OpenProjectFile(app, path).outcome, project::OpenOutcome::kCalculated)
        << path;
    RecordingSurface out;
    SilentBeeper silent;
    PrintJob job;
    job.page_numbers = true;
    job.first_page_no = 100;
    forms::WriteReport(app, out, job, silent);
    ASSERT_EQ(out.pages().size(), 4u) << path;  // with the body-stress page
    for (const RecordedText& t : out.Texts()) {
      const double em = t.size * 20;
      const double right = t.x + fm.horizontalAdvance(QString::fromStdString(t.text)) / 1000 * em;
      EXPECT_GE(t.x, 0) << path << " " << t.text;
      EXPECT_GE(t.y, 0) << path << " " << t.text;
      EXPECT_LE(right, page.width) << path << " " << t.text;
      EXPECT_LE(t.y + em * font->line_ratio, page.height) << path << " " << t.text;
    }
    for (const RecordedSegment& s : out.Segments()) {
      for (const double x : {s.x1, s.x2}) {
        EXPECT_GE(x, 0) << path;
        EXPECT_LE(x, page.width) << path;
      }
      for (const double y : {s.y1, s.y2}) {
        EXPECT_GE(y, 0) << path;
        EXPECT_LE(y, page.height) << path;
      }
    }
  }
}

TEST(Cli, ReportWritesEveryExampleAsAFourPagePdf) {
  TempDir dir;
  for (const std::string& path : Examples()) {
    const std::string pdf = dir.File(std::filesystem::path(path).stem().string() + ".pdf");
    const CliRun run = Cli("report " + path + " -o " + pdf);
    EXPECT_EQ(run.status, 0) << path << run.err;
    EXPECT_EQ(run.err, "") << path;
    EXPECT_EQ(run.out, "") << path;
    const std::string bytes = ReadAll(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u) << path;
    EXPECT_EQ(PdfPages(bytes), 4) << path;
  }
}

TEST(Cli, ReportRangesAndPageNumbersAreThoseOfThePrintCommand) {
  const std::string example =
      std::string(VARNHOLT_EXAMPLES) + "/02_residential_slope_computed_ka.vrh";
  struct Case {
    const char* options;
    int pages;
    std::vector<std::string> footers;
  };
  const Case cases[] = {
      {"", 4, {}},
      {"--range all", 4, {}},
      {"--range all --no-body", 3, {}},
      {"--range general --first-page 5", 1, {"－ 5 －"}},
      {"--range stability --first-page 1", 3, {"－ 1 －", "－ 2 －", "－ 3 －"}},
      {"--range stability --no-body --first-page 1", 2, {"－ 1 －", "－ 2 －"}},
      {"--range all --first-page 2", 4, {"－ 2 －", "－ 3 －", "－ 4 －", "－ 5 －"}},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli("report " + example + " --dump " + c.options);
    ASSERT_EQ(run.status, 0) << c.options << run.err;
    EXPECT_EQ(Count("\n" + run.out, "\nP "), c.pages) << c.options;
    std::vector<std::string> footers;
    std::size_t at = 0;
    while ((at = run.out.find("\nT 5500 15500 11 000000 ", at)) != std::string::npos) {
      at += 24;
      footers.push_back(run.out.substr(at, run.out.find('\n', at) - at));
    }
    EXPECT_EQ(footers, c.footers) << c.options;
  }
  // Without a range the PDF holds all four pages; the general items alone one.
  TempDir dir;
  ASSERT_EQ(Cli("report " + example + " --range general -o " + dir.File("g.pdf")).status, 0);
  EXPECT_EQ(PdfPages(ReadAll(dir.File("g.pdf"))), 1);
}

TEST(Cli, ReportRefusesWhatItCannotDo) {
  TempDir dir;
  const std::string example =
      std::string(VARNHOLT_EXAMPLES) + "/01_residential_level_entered_ka.vrh";
  const std::string pdf = dir.File("out.pdf");
  for (const std::string& args : {
           std::string("report"),
           "report " + example,
           "report " + example + " -o",
           "report " + example + " -o " + pdf + " --dump",
           "report " + example + " -o " + pdf + " --range pages",
           "report " + example + " -o " + pdf + " --first-page abc",
           "report " + example + " -o " + pdf + " --first-page 1e999",
           "report " + example + " -o " + pdf + " --first-page 0",
           "report " + example + " -o " + pdf + " --first-page 10000",
           "report " + example + " -o " + pdf + " --first-page 1.5",
           "report " + example + " -o " + pdf + " --first-page -3",
           "report " + example + " " + example + " -o " + pdf,
           "report " + example + " -o " + pdf + " --colour",
           "report " + dir.File("missing.vrh") + " -o " + pdf,
       }) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err, "") << args;
    EXPECT_FALSE(std::filesystem::exists(pdf)) << args;
  }
  // A folder that is a file: nothing written, the path named.
  project::testing::WriteAll(dir.File("file"), "x");
  const CliRun blocked = Cli("report " + example + " -o " + dir.File("file") + "/out.pdf");
  EXPECT_EQ(blocked.status, 2);
  EXPECT_NE(blocked.err.find(dir.File("file") + "/out.pdf"), std::string::npos) << blocked.err;
  EXPECT_EQ(ReadAll(dir.File("file")), "x");

  // A project file is never a report target: neither the project itself,
  // nor a link to it, nor any other .vrh file.
  const std::string project = dir.File("wall.vrh");
  project::testing::WriteAll(project, ReadAll(example));
  std::filesystem::create_symlink(project, dir.File("wall.pdf"));
  for (const std::string& target : {project, dir.File("wall.pdf"), dir.File("other.VRH")}) {
    const CliRun run = Cli("report " + project + " -o " + target);
    EXPECT_EQ(run.status, 2) << target;
    EXPECT_NE(run.err.find("出力先「" + target + "」"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadAll(project), ReadAll(example));
  EXPECT_FALSE(std::filesystem::exists(dir.File("other.VRH")));

  // A named pipe or a device stays what it is.
  const std::string fifo = dir.File("pipe.pdf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& target : {fifo, std::string("/dev/null")}) {
    const CliRun run = Cli("report " + example + " -o " + target);
    EXPECT_EQ(run.status, 2) << target;
    EXPECT_NE(run.err.find("通常のファイルではありません"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace varnholt::report::qt
