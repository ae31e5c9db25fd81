// The design book below the windows: its file, the loading of its members
// with every refusal, the calculation with a member that cannot be
// calculated, and the pages: each member's pages equal printing it alone,
// and the example books draw their reviewed recordings.
//
// On a difference the actual recording of the example book is written to
// $TMPDIR/varnholt-dumps/examples.book.dump.actual; review it before copying
// it over examples/examples.book.dump.

#include <gtest/gtest.h>

#include <filesystem>

#include "book/book_calc.h"
#include "book/book_file.h"
#include "book/book_output.h"
#include "book/book_pages.h"
#include "book/book_tables.h"
#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/results_summary.h"
#include "project/test_support.h"
#include "project/vrh_layout.h"
#include "report/testing.h"
#include "tables/xlsx_reading.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/preview.h"

namespace varnholt::book {
namespace {

using project::testing::CrLf;
using project::testing::ReadAll;
using project::testing::TempDir;
using project::testing::WriteAll;

std::filesystem::path ExamplesDir() { return VARNHOLT_EXAMPLES; }

std::string ExampleBookPath() { return (ExamplesDir() / "examples.vrhbook").string(); }
std::string BothCasesBookPath() { return (ExamplesDir() / "book" / "both_cases.vrhbook").string(); }

std::string Member(const std::string& file, const char* cases = "saved") {
  return R"({"file": ")" + file + R"(", "cases": ")" + cases + R"("})";
}

std::string BookJson(const std::string& members) {
  return R"({"format": "varnholt-book", "version": 1, "title": "T", "members": [)" + members + "]}";
}

TEST(BookFile, WritesWhatItReads) {
  Book book{"○○地区宅地造成工事",
            "○○市",
            "設計 太郎",
            "令和7年4月",
            {{"W-1.vrh", CaseChoice::kSaved},
             {"../B工区/W-2.vrh", CaseChoice::kBoth},
             {"W-3.vrh", CaseChoice::kNormal},
             {"W-4.vrh", CaseChoice::kSeismic}}};
  const BookParse back = ParseBook(BookFileBytes(book), "b.vrhbook");
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.book, book);

  TempDir dir;
  ASSERT_EQ(SaveBookFile(dir.File("b.vrhbook"), book), "");
  EXPECT_EQ(ReadBookFile(dir.File("b.vrhbook")).book, book);
  // A missing "cases" is the saved case; cover texts may be left out.
  const BookParse minimal = ParseBook(
      R"({"format": "varnholt-book", "version": 1, "members": [{"file": "a.vrh"}]})", "m");
  ASSERT_TRUE(minimal.ok) << minimal.error;
  EXPECT_EQ(minimal.book.members.front().cases, CaseChoice::kSaved);
}

TEST(BookFile, RefusesWhatIsNotABookNamingWhere) {
  const struct {
    std::string bytes;
    const char* says;
  } cases[] = {
      // Syntax: line and column, the column in characters.
      {"{\n  \"format\": \"varnholt-book\",\n  \"title\": \"擁壁\" x\n}", "3 行 17 列目"},
      {BookJson(Member("a.vrh")).substr(0, 40), "ファイルが途中で終わっています"},
      {"{\"format\": \"varnholt-book\", \"title\": \"\x82\xa0\"}", "UTF-8 でない文字"},
      {"[]", "オブジェクトではありません"},
      {R"({"format": "vrh", "version": 1, "members": []})", "format が"},
      {R"({"format": "varnholt-book", "version": 2, "members": []})", "新しい版（2）"},
      {R"({"format": "varnholt-book", "version": "1", "members": []})", "version"},
      {R"({"format": "varnholt-book", "version": 1, "titel": "T", "members": []})",
       "不明な項目「titel」"},
      {R"({"format": "varnholt-book", "version": 1, "title": 5, "members": [{"file": "a"}]})",
       "title が文字列ではありません"},
      {R"({"format": "varnholt-book", "version": 1, "title": "a\nb", "members": [{"file": "a"}]})",
       "制御文字"},
      {R"({"format": "varnholt-book", "version": 1, "members": []})", "壁が一つもありません"},
      {BookJson(Member("a.vrh") + ", {}"), "members の 2 番目に file"},
      {BookJson(Member("")), "file が空です"},
      {BookJson(Member("a.vrh", "always")), "cases「always」"},
      {BookJson(R"({"file": "a.vrh", "case": "both"})"), "不明な項目「case」"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const BookParse parsed = ParseBook(c.bytes, "job.vrhbook");
    EXPECT_FALSE(parsed.ok);
    EXPECT_NE(parsed.error.find("「job.vrhbook」"), std::string::npos) << parsed.error;
    EXPECT_NE(parsed.error.find(c.says), std::string::npos) << parsed.error;
    EXPECT_TRUE(parsed.book.members.empty());  // nothing half-read
  }
}

// A folder with a book in job/ and walls in a sibling folder.
class BookFolder {
 public:
  BookFolder() {
    std::filesystem::create_directories(dir_.path() / "job");
    std::filesystem::create_directories(dir_.path() / "walls");
    std::filesystem::copy_file(ExamplesDir() / "01_residential_level_entered_ka.vrh",
                               dir_.path() / "walls" / "W-1.vrh");
  }
  std::string Write(const std::string& members) {
    const std::string path = dir_.File("job/book.vrhbook");
    WriteAll(path, BookJson(members));
    return path;
  }
  std::string Wall(const std::string& name) const { return dir_.File("walls/" + name); }

 private:
  TempDir dir_;
};

TEST(BookLoad, ReadsMembersBesideTheBookAndInSiblingFolders) {
  BookFolder f;
  const BookLoad load = LoadBook(f.Write(Member("../walls/W-1.vrh")));
  ASSERT_TRUE(load.ok) << load.error;
  ASSERT_EQ(load.book.members.size(), 1u);
  EXPECT_EQ(load.book.members[0].path, f.Wall("W-1.vrh"));  // ".." resolved
  EXPECT_EQ(load.book.members[0].saved_case, LoadCase::kNormal);
  EXPECT_EQ(CasesOf(load.book.members[0]), std::vector<LoadCase>{LoadCase::kNormal});
}

TEST(BookLoad, RefusesTheWholeBookForOneBadMember) {
  BookFolder f;
  WriteAll(f.Wall("bytes.vrh"), "\x81\x20\xff\xfe garbage\r\n");
  std::filesystem::create_directories(f.Wall("folder.vrh"));
  const struct {
    std::string members;
    std::string says;
  } cases[] = {
      {Member("../walls/W-1.vrh") + ", " + Member("../walls/missing.vrh"),
       "壁「../walls/missing.vrh」（" + f.Wall("missing.vrh") + "）を読み込めませんでした"},
      {Member("../walls/bytes.vrh"), f.Wall("bytes.vrh")},
      {Member("../walls/folder.vrh"), f.Wall("folder.vrh")},
      {Member("book.vrhbook"), "計算書一式ファイル自身"},
      {Member("../job/./book.vrhbook"), "計算書一式ファイル自身"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.members);
    const BookLoad load = LoadBook(f.Write(c.members));
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.error.find(c.says), std::string::npos) << load.error;
    EXPECT_TRUE(load.book.members.empty());
  }
  EXPECT_NE(LoadBook(f.Wall("none.vrhbook")).error.find("none.vrhbook"), std::string::npos);
}

TEST(BookCalc, KeepsAMemberThatCannotBeCalculatedWithItsReason) {
  BookFolder f;
  // Neither 常時 nor 地震時: the file reads, the calculation refuses it.
  std::vector<std::string> lines = project::testing::RaisedRoadLines(false);
  lines[project::kLineNormalCase - 1] = "False";
  lines[project::kLineSeismicCase - 1] = "False";
  WriteAll(f.Wall("W-9.vrh"), CrLf(lines));
  const BookLoad load =
      LoadBook(f.Write(Member("../walls/W-9.vrh") + ", " + Member("../walls/W-1.vrh")));
  ASSERT_TRUE(load.ok) << load.error;
  const BookResult book = CalculateBook(load.book, {true});
  ASSERT_EQ(book.rows.size(), 2u);
  EXPECT_FALSE(book.rows[0].computed);
  EXPECT_NE(book.rows[0].reason.find("計算できません"), std::string::npos) << book.rows[0].reason;
  EXPECT_TRUE(book.rows[0].pages.empty());
  EXPECT_TRUE(book.rows[1].computed);
  EXPECT_TRUE(book.rows[1].ok);
  EXPECT_FALSE(book.AllOk());
  const BookPlan plan = PlanBook(book);
  EXPECT_EQ(plan.first_page, (std::vector<int>{0, 3}));  // contents 1, summary 2
  EXPECT_NE(BookSummaryText(book).find("計算できません"), std::string::npos);
}

// The progress is told before each member; stopping it leaves the book
// marked as cancelled, never passed off as complete.
TEST(BookCalc, ProgressIsToldAndCanStopTheCalculation) {
  const BookLoad load = LoadBook(BothCasesBookPath());
  ASSERT_TRUE(load.ok) << load.error;
  std::vector<std::size_t> told;
  const BookResult stopped =
      CalculateBook(load.book, {}, [&told](std::size_t done, std::size_t total) {
        told.push_back(done);
        EXPECT_EQ(total, 6u);
        return done < 2;
      });
  EXPECT_EQ(told, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(stopped.rows.size(), 4u);  // W-1 and W-2, both cases
  EXPECT_FALSE(
      CalculateBook(load.book, {}, [](std::size_t, std::size_t) { return true; }).cancelled);
}

TEST(BookCalc, RowsCarryTheFiguresAndVerdictsOfTheResultsWindow) {
  const BookLoad load = LoadBook(ExampleBookPath());
  ASSERT_TRUE(load.ok) << load.error;
  const BookResult book = CalculateBook(load.book);
  ASSERT_EQ(book.rows.size(), 7u);
  for (const BookRow& r : book.rows) {
    SCOPED_TRACE(r.file);
    // The same file opened as the desktop opens it.
    project::BatchPlatform platform;
    forms::App app(platform);
    ASSERT_EQ(project::OpenProjectFile(app, r.path).outcome, project::OpenOutcome::kCalculated);
    EXPECT_EQ(r.ok, project::AllVerdictsOk(app));
    EXPECT_EQ(r.sum_v, app.dc().Calc[calc::kSumV]);
    EXPECT_EQ(r.sigma_max, app.dc().Calc[calc::kSigmaMax]);
    EXPECT_EQ(r.symbol, app.dc().WallMark);
    EXPECT_GT(r.margin, 0);
    EXPECT_EQ(r.margin < 1, !r.ok) << r.governing;
  }
  EXPECT_FALSE(book.rows[6].ok);  // example 07: the body is overstressed
  EXPECT_EQ(book.rows[6].governing, kBodyCheckName);
  EXPECT_EQ(book.rows[3].governing, "滑動（突起）");
}

// The member opened alone and switched to the row's case as the engineer
// would: the other case's button, another seismic method and ＯＫ, a typed
// coefficient typed again, 計算する where the
// coefficient is computed, then 安定性の検討.
void OpenInCase(forms::App& app, const BookRow& row) {
  ASSERT_NE(project::OpenProjectFile(app, row.path).outcome, project::OpenOutcome::kUnreadable);
  forms::ConditionsWindow& c = forms::Conditions(app);
  forms::LevelDimensionsWindow& f3 = forms::LevelDimensions(app);
  const bool typed = forms::IsLevelOrSlope(c) && f3.ka_entered->Value();
  const std::string typed_ka = f3.ka_text->Text();
  const bool seismic = row.load_case == LoadCase::kSeismic;
  if (c.case_seismic->Value() != seismic) (seismic ? c.seismic_button : c.normal_button)->Click();
  if (row.method != SeismicMethod::kNone && forms::MethodOf(forms::Seismic(app)) != row.method) {
    forms::SeismicDialog& d = forms::Seismic(app);
    (row.method == SeismicMethod::kK1 ? d.method_k1 : d.method_k2)->Click();
    d.ok_button->Click();
  }
  if (typed && !f3.ka_entered->Value()) {  // typed again where the case allows it
    f3.ka_entered->SetValue(true);
    f3.ka_text->SetText(typed_ka);
  }
  if (forms::IsLevelOrSlope(c) && !f3.ka_entered->Value()) f3.compute_button->Click();
  forms::Results(app).calculate_button->Click();
}

// Every member's pages in the book equal printing it alone in its case,
// apart from the page numbers, which continue through the book.
TEST(BookPages, EachMemberPrintsAsItPrintsAloneInItsCase) {
  for (const std::string& path : {ExampleBookPath(), BothCasesBookPath()}) {
    SCOPED_TRACE(path);
    const BookLoad load = LoadBook(path);
    ASSERT_TRUE(load.ok) << load.error;
    const BookResult book = CalculateBook(load.book, {true});
    report::RecordingSurface whole(0);  // the cover is sheet 0
    DrawBook(book, {"Varnholt"}, whole);
    const BookPlan plan = PlanBook(book);
    ASSERT_EQ(whole.pages().size(), static_cast<std::size_t>(plan.Sheets()));
    for (std::size_t i = 0; i < book.rows.size(); ++i) {
      const BookRow& row = book.rows[i];
      SCOPED_TRACE(row.file + " " + CaseLabel(row));
      if (!row.computed) continue;
      project::BatchPlatform platform;
      forms::App app(platform);
      OpenInCase(app, row);
      ASSERT_TRUE(app.results().valid());
      report::RecordingSurface alone(plan.first_page[i]);
      report::PrintJob job;
      job.page_numbers = true;
      job.first_page_no = plan.first_page[i];
      report::SilentBeeper silent;
      forms::WriteReport(app, alone, job, silent);
      // Every page of the report, the wall body's last.
      ASSERT_EQ(alone.pages().size(), static_cast<std::size_t>(report::kLastPage));
      std::string last;
      for (const report::RecordedPrimitive& p : alone.pages().back().primitives) {
        last += report::DumpLine(p) + "\n";
      }
      EXPECT_NE(last.find("躯体の応力度照査"), std::string::npos);
      for (const report::RecordedPage& page : alone.pages()) {
        const report::RecordedPage& in_book = whole.pages()[static_cast<std::size_t>(page.number)];
        ASSERT_EQ(in_book.number, page.number);
        ASSERT_EQ(in_book.primitives.size(), page.primitives.size());
        for (std::size_t k = 0; k < page.primitives.size(); ++k)
          ASSERT_EQ(report::DumpLine(in_book.primitives[k]), report::DumpLine(page.primitives[k]));
      }
    }
  }
}

// The members' pages are the examples' reviewed reports (the test above);
// the reviewed recordings hold the cover, the contents and the summary.
TEST(BookPages, ExampleBooksDrawTheirReviewedRecordings) {
  const struct {
    std::string book;
    std::filesystem::path dump;
    std::size_t sheets;
  } cases[] = {
      // Cover, contents, summary, 7 × 4 report pages.
      {ExampleBookPath(), ExamplesDir() / "examples.book.dump", 31},
      // 11 rows, of which W-5 地震時 (a short-term fence load) has no pages.
      {BothCasesBookPath(), ExamplesDir() / "book" / "both_cases.book.dump", 43},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.book);
    const BookLoad load = LoadBook(c.book);
    ASSERT_TRUE(load.ok) << load.error;
    const BookResult book = CalculateBook(load.book, {true});
    report::RecordingSurface whole(0);
    DrawBook(book, {"Varnholt 3.50"}, whole);
    EXPECT_TRUE(whole.ended());
    EXPECT_EQ(whole.pages().size(), c.sheets);
    std::string front;
    for (int page = 0; page < 3; ++page) {
      front += "P " + std::to_string(page) + "\n";
      for (const auto& p : whole.pages()[static_cast<std::size_t>(page)].primitives)
        front += report::DumpLine(p) + "\n";
    }
    EXPECT_EQ(report::testing::CompareWithExpectedDumpFile(c.dump, front), "");
  }
}

TEST(BookPages, SummaryAndContentsContinueOnMorePages) {
  BookResult book;
  book.book.title = "T";
  for (int i = 0; i < kContentsRowsPerPage + 3; ++i) {
    BookRow r;
    r.member = static_cast<std::size_t>(i);
    r.reason = "計算できません。";
    book.rows.push_back(r);
  }
  const BookPlan plan = PlanBook(book);
  EXPECT_EQ(plan.contents_pages, 2);
  EXPECT_EQ(plan.summary_pages, 2);
  report::RecordingSurface out(0);
  DrawBook(book, {"V"}, out);
  ASSERT_EQ(out.pages().size(), 5u);
  // Every summary page repeats the header; the second says it continues.
  for (int page : {3, 4}) {
    const std::string dump = [&] {
      std::string d;
      for (const auto& p : out.pages()[static_cast<std::size_t>(page)].primitives)
        d += report::DumpLine(p) + "\n";
      return d;
    }();
    EXPECT_NE(dump.find(" 判定\n"), std::string::npos);
    EXPECT_EQ(dump.find("総　括　表（続き）") != std::string::npos, page == 4);
  }
}

TEST(BookOutput, RefusesOutputsThatWouldDestroyInput) {
  BookFolder f;
  const std::string book_path = f.Write(Member("../walls/W-1.vrh"));
  const BookLoad load = LoadBook(book_path);
  ASSERT_TRUE(load.ok) << load.error;
  std::filesystem::create_symlink(f.Wall("W-1.vrh"), f.Wall("link.pdf"));
  EXPECT_NE(BookTargetProblem(book_path, load.book), "");
  EXPECT_NE(BookTargetProblem(f.Wall("link.pdf"), load.book), "");  // a member under another name
  EXPECT_NE(BookTargetProblem(f.Wall("other.vrh"), load.book), "");
  EXPECT_NE(BookTargetProblem(f.Wall("other.VRHBOOK"), load.book), "");
  EXPECT_EQ(BookTargetProblem(f.Wall("out.pdf"), load.book), "");
  EXPECT_NE(SameOutputsProblem({"a.pdf", "b.csv", "a.pdf"}), "");
  EXPECT_EQ(SameOutputsProblem({"a.pdf", "b.csv"}), "");
}

// The spreadsheet read back cell by cell: the summary sheet and a member's.
TEST(BookTables, ExampleBookWorkbookAndCsv) {
  const BookLoad load = LoadBook(ExampleBookPath());
  ASSERT_TRUE(load.ok) << load.error;
  BookResult book = CalculateBook(load.book);
  const tables::XlsxResult xlsx = BookXlsx(book);
  ASSERT_TRUE(xlsx.ok) << xlsx.error;
  tables::testing::ReadSheet summary;
  std::string error;
  ASSERT_TRUE(tables::testing::ReadXlsx(xlsx.bytes, &summary, &error)) << error;
  EXPECT_EQ(summary.name, "総括表");
  EXPECT_TRUE(summary.first_row_frozen);
  EXPECT_EQ(summary.cells["H1"].text, "H (m)");
  EXPECT_EQ(summary.cells["Q1"].text, "ΣV (kN/m)");
  EXPECT_EQ(summary.cells["V1"].text, "σmax (kN/m2)");
  EXPECT_GE(summary.widths[3], tables::SpreadsheetWidth(book.rows[5].file));
  const BookRow& w1 = book.rows[0];
  EXPECT_EQ(summary.cells["B2"].text, "W-1");
  EXPECT_TRUE(summary.cells["Q2"].number);
  // Unrounded: libxlsxwriter stores 16 significant digits (Excel shows 15).
  EXPECT_DOUBLE_EQ(summary.cells["Q2"].value, w1.sum_v);
  EXPECT_EQ(summary.cells["Q2"].number_format, "0.00");
  EXPECT_EQ(summary.cells["AM2"].text, "O.K");
  EXPECT_FALSE(summary.cells["AM2"].red);
  // Example 07: the body fails, in red; the stability checks do not.
  EXPECT_DOUBLE_EQ(summary.cells["AI8"].value, book.rows[6].body_ratio);
  EXPECT_TRUE(summary.cells["AI8"].red);
  EXPECT_EQ(summary.cells["AM8"].text, "NG");
  EXPECT_TRUE(summary.cells["AM8"].red);
  EXPECT_EQ(summary.cells["AK8"].text, "躯体");
  EXPECT_FALSE(summary.cells["Y8"].red);
  EXPECT_EQ(summary.cells["X5"].text, "F");
  EXPECT_EQ(summary.cells["AE5"].text, "Fk");  // example 04 has a shear key

  tables::testing::ReadSheet member;
  ASSERT_TRUE(tables::testing::ReadXlsx(xlsx.bytes, &member, &error, 5)) << error;
  EXPECT_EQ(member.name, "W-4 地震時");
  EXPECT_EQ(member.cells["A6"].text, "Kh");
  EXPECT_DOUBLE_EQ(member.cells["B6"].value, book.rows[3].kh);

  const std::string csv = BookCsv(book);
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBFNo.,記号,ファイル,ケース,規準,地盤,Kh,H (m),", 0), 0u);
  EXPECT_NE(csv.find(tables::ExactNumberText(w1.sum_v)), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 8);

  // Sheet names stay unique and short, whatever the symbols.
  book.rows[1].symbol = book.rows[0].symbol = std::string(40, 'W');
  std::string names;
  for (const tables::Table& t : MemberTables(book)) names += tables::SheetName(t.title) + "|";
  EXPECT_NE(names.find(std::string(24, 'W') + " (2)|"), std::string::npos) << names;
  EXPECT_TRUE(BookXlsx(book).ok);
}

// Both cases: a row and a sheet per wall and case, a case that cannot be
// calculated kept with its reason.
TEST(BookTables, BothCasesBookHasARowPerWallAndCase) {
  const BookLoad load = LoadBook(BothCasesBookPath());
  ASSERT_TRUE(load.ok) << load.error;
  const BookResult book = CalculateBook(load.book);
  ASSERT_EQ(book.rows.size(), 11u);
  const tables::XlsxResult xlsx = BookXlsx(book);
  ASSERT_TRUE(xlsx.ok) << xlsx.error;
  tables::testing::ReadSheet summary;
  std::string error;
  ASSERT_TRUE(tables::testing::ReadXlsx(xlsx.bytes, &summary, &error)) << error;
  const struct {
    const char* row;
    const char* symbol;
    const char* load_case;
    const char* verdict;
  } rows[] = {{"2", "W-1", "常時", "O.K"},
              {"3", "W-1", "地震時②", "O.K"},
              {"9", "W-4", "地震時", "O.K"},
              {"11", "W-5", "地震時", "計算できません"},
              {"12", "W-7", "常時", "NG"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(summary.cells[std::string("B") + r.row].text, r.symbol);
    EXPECT_EQ(summary.cells[std::string("D") + r.row].text, r.load_case);
    EXPECT_EQ(summary.cells[std::string("AM") + r.row].text, r.verdict);
  }
  // Kh only in the seismic case; the seismic figures differ from the normal.
  EXPECT_FALSE(summary.cells["G2"].number);
  EXPECT_DOUBLE_EQ(summary.cells["G3"].value, 0.2);
  EXPECT_DOUBLE_EQ(summary.cells["R3"].value, book.rows[1].sum_h);
  EXPECT_GT(book.rows[1].sum_h, book.rows[0].sum_h);
  EXPECT_NE(summary.cells["AN11"].text.find("短期荷重"), std::string::npos);
  EXPECT_TRUE(summary.cells["AN11"].red);

  tables::testing::ReadSheet member;
  ASSERT_TRUE(tables::testing::ReadXlsx(xlsx.bytes, &member, &error, 3)) << error;
  EXPECT_EQ(member.name, "W-1 地震時②");
  const std::string csv = BookCsv(book);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 12);
}

TEST(BookPages, TextWidthAndFit) {
  EXPECT_EQ(TextWidth("ab", 10), 200);
  EXPECT_EQ(TextWidth("擁壁", 10), 400);
  EXPECT_EQ(TextWidth("ｱ", 10), 100);  // half-width katakana
  EXPECT_EQ(FitText("abc", 10, 300), "abc");
  EXPECT_EQ(FitText("abcdef", 10, 400), "ab…");
}

}  // namespace
}  // namespace varnholt::book
