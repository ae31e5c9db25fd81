// varnholt-cli book as an engineer runs it: the example book to a PDF with
// its exit status and page count, an ad-hoc book of project files, and the
// refusals after which nothing is written.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <regex>

#include "project/test_support.h"

namespace varnholt::book {
namespace {

using project::testing::ReadAll;
using project::testing::TempDir;
using project::testing::WriteAll;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Book(const std::string& args) {
  TempDir dir;
  const std::string cmd = std::string(VARNHOLT_CLI) + " book " + args + " >" + dir.File("out") +
                          " 2>" + dir.File("err");
  const int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(dir.File("out")),
          ReadAll(dir.File("err"))};
}

std::string Example(const std::string& name) {
  return (std::filesystem::path(VARNHOLT_EXAMPLES) / name).string();
}

// Pages of a PDF by its page objects.
int PdfPages(const std::string& bytes) {
  static const std::regex page("/Type /Page[^s]");
  return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                        std::sregex_iterator()));
}

TEST(BookCommand, ExampleBookIsOnePdfAndItsStatusSaysNg) {
  TempDir dir;
  const CliRun run = Book(Example("examples.vrhbook") + " -o " + dir.File("book.pdf") + " --xlsx " +
                          dir.File("book.xlsx") + " --csv " + dir.File("book.csv"));
  EXPECT_EQ(run.status, 1) << run.err;  // example 07 is NG
  const std::string pdf = ReadAll(dir.File("book.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(PdfPages(pdf), 31);
  EXPECT_EQ(ReadAll(dir.File("book.xlsx")).rfind("PK", 0), 0u);  // its cells: BookTables
  EXPECT_EQ(ReadAll(dir.File("book.csv")).rfind("\xEF\xBB\xBFNo.", 0), 0u);
  EXPECT_NE(run.out.find("7\tW-7\t常時\tNG\t躯体 0.77"), std::string::npos) << run.out;

  // Both cases of each wall: 10 of 11 cases have their four pages.
  const CliRun both = Book(Example("book/both_cases.vrhbook") + " -o " + dir.File("both.pdf"));
  EXPECT_EQ(both.status, 1) << both.err;
  EXPECT_EQ(PdfPages(ReadAll(dir.File("both.pdf"))), 3 + 10 * 4);
  EXPECT_NE(both.out.find("2\tW-1\t地震時②\tO.K\t滑動 1.44"), std::string::npos) << both.out;
}

TEST(BookCommand, ProjectFilesMakeABookOfTheirOwn) {
  TempDir dir;
  const CliRun run = Book(Example("01_residential_level_entered_ka.vrh") + " " +
                          Example("02_residential_slope_computed_ka.vrh") +
                          " --title 'A 工区' -o " + dir.File("two.pdf"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfPages(ReadAll(dir.File("two.pdf"))), 1 + 1 + 1 + 2 * 4);
  const CliRun dump =
      Book(Example("01_residential_level_entered_ka.vrh") + " --title 'A 工区' --dump");
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.out.find("工事名　A 工区"), std::string::npos);
}

TEST(BookCommand, RefusesAndWritesNothing) {
  TempDir dir;
  WriteAll(dir.File("missing.vrhbook"),
           R"({"format": "varnholt-book", "version": 1, "members": [{"file": "../gone/W.vrh"}]})");
  const std::string book = Example("examples.vrhbook");
  const std::string out = dir.File("out.pdf");
  const struct {
    std::string args;
    std::string says;
  } cases[] = {
      {dir.File("missing.vrhbook") + " -o " + out,
       "（" + dir.path().parent_path().string() + "/gone/W.vrh）"},
      {book + " -o " + book, "計算書一式ファイルです"},
      {book + " -o " + Example("01_residential_level_entered_ka.vrh"), "プロジェクトファイル"},
      {book + " -o " + dir.File("x.vrh"), ".vrh"},
      {book + " -o " + out + " --xlsx " + out, "二度指定"},
      {book + " -o " + out + " --csv " + book, "計算書一式ファイルです"},
      {book + " --title T -o " + out, "--title"},
      {book + " " + Example("01_residential_level_entered_ka.vrh") + " -o " + out, "一つだけ"},
      {book, "-o"},
      {"-o " + out, "指定してください"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Book(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.vrh")));
  }
  // The book and its members are untouched.
  EXPECT_EQ(ReadAll(book).rfind("{", 0), 0u);
}

}  // namespace
}  // namespace varnholt::book
