// 総括表: the window and the paper show both cases with the verdicts of the
// results window; the calculate command refreshes it, an edit clears it; a
// case that cannot be calculated says why and shows no number; the
// both-cases report holds each case's pages as printing that case alone
// gives them, then the summary page; the command line writes the same.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/results_summary.h"
#include "project/test_support.h"
#include "report/page_plan.h"
#include "report/recording_surface.h"
#include "ui/forms/handles.h"
#include "ui/forms/preview.h"
#include "ui/forms/summary_window.h"

namespace varnholt::project {
namespace {

using report::SummaryMark;

struct Opened {
  BatchPlatform platform;
  forms::App app{platform};
  explicit Opened(const std::filesystem::path& file) {
    OpenProjectBytes(app, file.filename().string(), testing::ReadAll(file.string()));
  }
};

std::filesystem::path Example(const char* prefix) {
  for (const auto& e : testing::ExampleProjects()) {
    if (e.filename().string().rfind(prefix, 0) == 0) return e;
  }
  ADD_FAILURE() << "no example " << prefix;
  return {};
}

// Example 03 is saved in 地震時 with ① and ②; the normal case's check
// method chosen as the engineer would make both cases set.
void ChooseNormalChecks(forms::App& app) { forms::NormalChecks(app).overturn_f15->SetValue(true); }

// The value labels of the window that are shown with a text.
int ShownValues(forms::SummaryWindow& s) {
  int n = 0;
  for (const auto& line : s.rows) {
    for (const auto& cell : line.cells)
      n += cell.value->Visible() && !cell.value->Caption().empty();
  }
  return n;
}

TEST(Summary, WindowShowsEveryExampleWithTheVerdictsOfItsCases) {
  int columns = 0;
  int governing = 0;
  for (const auto& file : testing::ExampleProjects()) {
    SCOPED_TRACE(file.filename().string());
    Opened o(file);
    forms::BothCasesCommand(o.app);
    forms::SummaryWindow& s = forms::Summary(o.app);
    ASSERT_TRUE(s.window.Shown());
    forms::BothCases both = forms::CalculateBothCases(o.app);
    const report::SummaryTable table = forms::SummaryOf(both);
    ASSERT_LE(table.rows.size(), std::size_t{forms::kSummaryRows});
    std::vector<forms::CaseCalculation*> calcs = {&both.normal, &both.seismic};
    if (both.other_method.load_case != LoadCase::kNone) calcs.push_back(&both.other_method);
    ASSERT_EQ(table.columns.size(), calcs.size());
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const report::SummaryColumn& column = table.columns[c];
      ++columns;
      governing += column.governing;
      EXPECT_EQ(s.headings[c]->Caption().rfind(column.heading, 0), 0u);
      if (!column.computed) {
        EXPECT_TRUE(s.reasons[c]->Visible());
        EXPECT_NE(s.reasons[c]->Caption().find(column.reason), std::string::npos);
        for (const auto& line : s.rows) EXPECT_EQ(line.cells[c].value->Caption(), "");
        continue;
      }
      // The copy of this column: ① and ② are in method order.
      forms::CaseCalculation* calc = calcs[c];
      if (calcs.size() == 3 && c > 0) {
        calc = (c == 1) == (both.seismic.method == SeismicMethod::kK1) ? &both.seismic
                                                                       : &both.other_method;
      }
      // The overall verdict is the command line's, any stability NG is a
      // row the results window paints NG.
      bool stability_ng = false;
      for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const report::SummaryRow& row = table.rows[r];
        const report::SummaryCell& cell = row.cells[c];
        const auto& labels = s.rows[r].cells[c];
        EXPECT_EQ(s.rows[r].label->Caption(), row.label);
        EXPECT_EQ(labels.value->Caption(), cell.value);
        EXPECT_EQ(labels.limit->Caption(), cell.limit);
        EXPECT_EQ(labels.mark->Caption(), report::SummaryMarkText(cell.mark));
        EXPECT_EQ(labels.mark->ForeColor(), cell.mark == SummaryMark::kNg ? 0xFF0000u : 0u);
        if (row.label.rfind("躯体", 0) != 0 && row.label != "総合判定") {
          stability_ng = stability_ng || cell.mark == SummaryMark::kNg;
        }
        if (row.label == "総合判定") {
          EXPECT_EQ(cell.mark, AllVerdictsOk(*calc->app) ? SummaryMark::kOk : SummaryMark::kNg);
        }
      }
      EXPECT_EQ(stability_ng, CountShownVerdicts(*calc->app).ng > 0);
    }
    // The window's own design is untouched and its results still valid.
    EXPECT_TRUE(o.app.results().valid());
  }
  EXPECT_GE(columns, 14);
  EXPECT_GE(governing, 1);
}

TEST(Summary, CalculateRefreshesItAndAnEditClearsIt) {
  Opened o(Example("03_"));
  ChooseNormalChecks(o.app);
  // A design without the refresh installed (a copy) never loads the window.
  forms::Results(o.app).calculate_button->Click();
  EXPECT_FALSE(o.app.windows().IsLoaded(forms::kForm21));

  forms::InstallSummary(o.app);
  ASSERT_TRUE(forms::BothCasesSet(o.app));
  forms::Results(o.app).calculate_button->Click();
  forms::SummaryWindow& s = forms::Summary(o.app);
  EXPECT_TRUE(s.window.Shown());
  EXPECT_GT(ShownValues(s), 20);
  EXPECT_FALSE(s.note->Visible());

  forms::Conditions(o.app).gamma_text->Type("1");
  EXPECT_FALSE(o.app.results().valid());
  EXPECT_EQ(ShownValues(s), 0);
  EXPECT_TRUE(s.note->Visible());
}

TEST(Summary, ACaseThatCannotBeCalculatedSaysWhyAndShowsNoNumber) {
  // Saved in 地震時 without the normal case's check method.
  Opened o(Example("03_"));
  EXPECT_FALSE(forms::BothCasesSet(o.app));
  forms::BothCasesCommand(o.app);
  forms::SummaryWindow& s = forms::Summary(o.app);
  EXPECT_EQ(s.headings[0]->Caption(), "常時");
  EXPECT_TRUE(s.reasons[0]->Visible());
  EXPECT_EQ(s.reasons[0]->Caption(),
            "常時：計算できません。転倒に対する検討方法を選択してください。");
  for (const auto& line : s.rows) {
    EXPECT_EQ(line.cells[0].value->Caption(), "");
    EXPECT_EQ(line.cells[0].mark->Caption(), "");
  }
  EXPECT_FALSE(s.reasons[1]->Visible());
  EXPECT_FALSE(s.reasons[2]->Visible());
  EXPECT_GT(ShownValues(s), 40);

  // Kh left empty: the seismic columns are not calculated with Kh read as 0.
  ChooseNormalChecks(o.app);
  forms::Seismic(o.app).kh_text->SetText("");
  forms::BothCasesCommand(o.app);
  EXPECT_FALSE(s.reasons[0]->Visible());
  EXPECT_EQ(s.reasons[1]->Caption(), "地震時：計算できません。水平震度を入力して下さい。");
  for (const auto& line : s.rows) EXPECT_EQ(line.cells[1].value->Caption(), "");
}

std::vector<report::RecordedPage> Record(forms::App& app, const report::PrintJob& job) {
  report::RecordingSurface out;
  report::SilentBeeper silent;
  forms::WriteReport(app, out, job, silent);
  return out.pages();
}

std::string Texts(const report::RecordedPage& page) {
  std::string all;
  for (const auto& p : page.primitives) {
    if (const auto* t = std::get_if<report::RecordedText>(&p)) all += t->text + "\n";
  }
  return all;
}

TEST(Summary, PaperHoldsEachCaseAsPrintedAloneThenTheSummaryPage) {
  for (const char* name : {"03_", "07_"}) {
    SCOPED_TRACE(name);
    Opened o(Example(name));
    ChooseNormalChecks(o.app);
    report::PrintJob job;
    job.both_cases = true;
    job.page_numbers = true;
    job.first_page_no = 2.5;  // printed from 3
    const std::vector<report::RecordedPage> pages = Record(o.app, job);
    forms::BothCases both = forms::CalculateBothCases(o.app);
    ASSERT_TRUE(both.normal.computed);
    const int cases = both.seismic.computed ? 2 : 1;
    ASSERT_EQ(pages.size(), 1u + cases * 3 + 1);
    // Pages 2 to 4 of each case, as that case prints alone.
    report::PrintJob alone;
    alone.range = report::PrintRange::kStability;
    for (int c = 0; c < cases; ++c) {
      forms::App& copy = *(c == 0 ? both.normal : both.seismic).app;
      const std::vector<report::RecordedPage> own = Record(copy, alone);
      ASSERT_EQ(own.size(), 3u);
      for (int p = 0; p < 3; ++p) {
        std::string printed = Texts(pages[1 + 3 * c + p]);
        EXPECT_EQ(printed, Texts(own[p]) + "－ " + std::to_string(4 + 3 * c + p) + " －\n");
      }
    }
    // The summary page: last, numbered on, inside the printable area, NG in
    // the report's NG colour exactly where the table says NG.
    const report::RecordedPage& summary = pages.back();
    const std::string texts = Texts(summary);
    EXPECT_NE(texts.find("総　括　表"), std::string::npos);
    EXPECT_NE(texts.find("－ " + std::to_string(4 + 3 * cases) + " －"), std::string::npos);
    const report::SummaryTable table = forms::SummaryOf(both);
    int ng_cells = 0;
    for (const auto& row : table.rows) {
      for (const auto& cell : row.cells) ng_cells += cell.mark == SummaryMark::kNg;
    }
    int ng_texts = 0;
    for (const auto& p : summary.primitives) {
      if (const auto* t = std::get_if<report::RecordedText>(&p)) {
        EXPECT_GE(t->x, 0);
        EXPECT_LE(t->x + 90.0 * t->text.size() / 2, 11400) << t->text;
        EXPECT_LE(t->y, 15500);
        ng_texts += t->text == "NG" && t->color == report::kLightMagenta;
      }
    }
    EXPECT_EQ(ng_texts, ng_cells);
    if (std::string(name) == "07_") {
      EXPECT_GT(ng_cells, 0);
    }
  }
}

TEST(Summary, CommandLineWritesTheSameAndCurrentIsUnchanged) {
  const std::filesystem::path file = Example("02_");
  Opened o(file);
  report::PrintJob job;
  job.both_cases = true;
  report::RecordingSurface out;
  report::SilentBeeper silent;
  forms::WriteReport(o.app, out, job, silent);
  const testing::CliRun both = testing::Cli("report " + file.string() + " --cases both --dump");
  EXPECT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(both.out, out.Dump());
  const testing::CliRun plain = testing::Cli("report " + file.string() + " --dump");
  const testing::CliRun current =
      testing::Cli("report " + file.string() + " --cases current --dump");
  EXPECT_EQ(current.out, plain.out);
  EXPECT_EQ(testing::Cli("report " + file.string() + " --cases all --dump").status, 2);
}

}  // namespace
}  // namespace varnholt::project
