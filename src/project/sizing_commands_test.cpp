// varnholt-cli size and table as an engineer runs them, and the promise of
// sizing: the sized project, opened and calculated the ordinary way, passes
// every verdict, and B one step smaller fails one (or B is at its lower
// bound) — for every example and a few hundred random designs built
// through the windows.

#include "project/sizing_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>

#include "project/both_cases_output.h"
#include "project/file_commands.h"
#include "project/random_project.h"
#include "project/results_summary.h"
#include "project/test_support.h"
#include "sizing/grid.h"
#include "tables/xlsx_reading.h"
#include "ui/forms/both_cases.h"
#include "ui/forms/sizing_bridge.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using forms::testing::TestApp;
using testing::Cli;
using testing::CliRun;
using testing::ReadAll;
using testing::TempDir;
using Json = nlohmann::json;

std::string Example(const char* name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
          name)
      .string();
}

CommandResult Size(std::vector<std::string> args) {
  args.insert(args.begin(), "size");
  const std::vector<std::string_view> views(args.begin(), args.end());
  return SizeCommand(views);
}

TEST(SizeCommand, ExitStatusesAndMessages) {
  const std::string slope = Example("02_residential_slope_computed_ka.vrh");
  struct Row {
    std::vector<std::string> args;
    int status;
    const char* text;  // in standard output (0, 1) or standard error (2)
  };
  const Row rows[] = {
      // b + f = 3.00 m: a narrower base would put the back face over the toe.
      {{slope}, 0, "最小の断面  B = 3.00 m"},
      {{slope, "--max-B", "2.9"}, 1, "範囲内のどの断面も計算できません"},
      {{slope, "--max-B", "2.9"}, 1, "背面が底版の外へ張り出す断面になるため"},
      {{Example("07_road_thin_crest_body_ng.vrh"), "--max-B", "4.5"},
       1,
       "B を 4.50 m まで広げても躯体の引張応力度 σt = "},
      {{slope, "--min-B", "3", "--max-B", "2"}, 2, "底版幅 B の下限 3.00 が上限 2.00 より大きく"},
      {{slope, "--step", "0"}, 2, "刻みは 0 より大きく"},
      {{slope, "--step", "-0.01"}, 2, "刻みは 0 より大きく"},
      {{slope, "--vary", "B,b", "--step", "0.0001"}, 2, "上限の 1,000,000 通りを超えます"},
      {{slope, "--cases", "both"}, 2, "地震時を計算できません: 地震時水平荷重の計算方法を選択"},
      {{slope, "--cases", "all"}, 2, "--cases は current または both です: all"},
      {{Example("08_residential_slope_both_cases_seismic_governs.vrh"), "--cases", "both"},
       0,
       "最小の断面  B = "},
      {{slope, "--cases", "current"}, 0, "最小の断面"},
      {{slope, "--vary", "B,wall"}, 2, "--vary に指定できるのは B、b、front です: wall"},
      {{slope, "--min-b", "0.3"}, 2, "--vary に b を含めたときに指定できます"},
      {{slope, "--step", "abc"}, 2, "--step は数値で指定してください: abc"},
      {{Example("no_such_project.vrh")}, 2, "を開けませんでした"},
      {{slope, "-o", "/no/such/folder/sized.vrh"}, 2, "に保存できませんでした"},
      {{slope, "-o", slope}, 2, "は読み込んだプロジェクトファイルです"},
      {{slope, "-o", "sized.pdf"}, 2, "は .vrh ファイルの名前ではありません"},
      {{"--", "-no-such.vrh"}, 2, "「-no-such.vrh」を開けませんでした"},
      {{"-no-such.vrh"}, 2, "不明なオプションです: -no-such.vrh"},
      {{}, 2, "プロジェクトファイル（.vrh）を指定してください"},
  };
  for (const Row& row : rows) {
    const CommandResult r = Size(row.args);
    SCOPED_TRACE(::testing::PrintToString(row.args));
    EXPECT_EQ(r.status, row.status) << r.err;
    const std::string& text = row.status == 2 ? r.err : r.out;
    EXPECT_NE(text.find(row.text), std::string::npos) << text;
  }
}

// The real program: its exit status, and --json with every candidate.
TEST(SizeCommand, TheProgramPrintsJsonWithEveryCandidate) {
  const CliRun r = Cli("size --json " + Example("03_residential_raised_seismic_method2.vrh"));
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = Json::parse(r.out);
  EXPECT_EQ(j["outcome"], "found");
  ASSERT_EQ(j["candidates"].size(), 5u);
  EXPECT_EQ(j["best"], j["candidates"][0]);
  const Json& best = j["best"];
  EXPECT_TRUE(best["ok"].get<bool>());
  const Json& body = best["checks"].back();
  EXPECT_EQ(body["check"], "body");
  EXPECT_NEAR(body["ratio"].get<double>() * body["margin"].get<double>(), 1, 1e-12);
  for (const Json& c : best["checks"]) EXPECT_GE(c["margin"].get<double>(), 1.0);
  EXPECT_EQ(Cli("size " + Example("no_such_project.vrh")).status, 2);
  EXPECT_EQ(Cli("size --max-B 0.5 " + Example("03_residential_raised_seismic_method2.vrh")).status,
            1);
}

// ------------------------------------------------------------ exactness

void Set(ui::Window& w, std::initializer_list<std::pair<const char*, std::string>> texts) {
  for (const auto& [box, text] : texts) w[box].SetText(text);
}

// A random design typed into the windows as an engineer would enter it:
// either standard, every ground shape and load case, a directly entered or
// a computed coefficient, with or without a shear key and a fence; then
// 安定性の検討. False when the design has no result.
bool RandomDesign(TestApp& t, std::mt19937& rng) {
  auto real = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto text = [](double v, int decimals = 2) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return std::string(buf);
  };
  ui::Window& f2 = t.Form(forms::kForm2);
  const bool road = pick(2) == 0;
  if (road) f2["opt_D"].Click();
  const double phi = std::round(real(25, 40));
  Set(f2, {{"txt1", "横浜市"},
           {"txt2", pick(2) == 0 ? "18" : "24"},
           {"txt3", text(std::round(real(100, 300)), 0)},
           {"txt4", "18"},
           {"txt5", "23"},
           {"cbo1", "砂質土"},
           {"txt6", text(phi, 0)},
           {"txt7", text(std::round(real(0, phi * 2 / 3)), 0)},
           {"cbo2", "砂質土"},
           {"txt9", "30"},
           {"txt10", text(real(0.4, 0.6))}});
  f2["opt8"].Click();
  const bool cohesion = pick(3) == 0;
  if (cohesion) {
    f2["opt6"].Click();
    f2["txt8"].SetText("10");
  }
  const int shape = pick(3);
  if (shape == 1) f2["opt2"].Click();
  if (shape == 2) f2["opt3"].Click();
  ui::Window& dim = t.Form(shape == 2 ? forms::kForm16 : forms::kForm3);
  Set(dim, {{"txt1", "2"},
            {"txt2", "W-R"},
            {"txt3", text(real(1.0, 5.0))},
            {"txt4", text(real(0.3, 1.0))},
            {"txt5", text(real(0.0, 0.5))},
            {"txt6", text(real(0.3, 0.8))},
            {"txt7", text(real(1.0, 3.0))},
            {"txt8", text(real(0.0, 0.6))},
            {"txt9", text(real(0, 15))}});
  if (shape == 1) dim["txt10"].SetText(text(std::round(real(5, 20)), 0));
  if (shape == 2) {
    Set(dim, {{"txt10", text(std::round(real(15, 30)), 0)}, {"txt11", text(real(0.5, 2.0))}});
    dim[pick(2) == 0 ? "opt1" : "opt2"].Click();
  }
  // A fence with a short-term load is checked in the normal case only.
  const int fence = pick(5);
  bool seismic = pick(2) == 0 && (fence == 0 || fence > 2);
  bool method2 = false;
  if (seismic) {
    method2 = !road && pick(2) == 0;
    forms::testing::EnterSeismicCase(t,
                                     road      ? "opt_D1"
                                     : method2 ? "opt_K2"
                                               : "opt_K1",
                                     text(real(0.1, 0.25)), "0", road ? "opt_A" : nullptr);
  }
  if (fence <= 2) {
    f2["opt11"].Click();
    forms::testing::InDialog(t, [fence](ui::Window& f17) {
      f17[fence == 0 ? "opt1" : fence == 1 ? "opt2" : "opt3"].Click();
      Set(f17, {{"txt1", "1.2"},
                {"txt2", "0.2"},
                {"txt3", fence == 1 ? "1.0" : "5"},
                {"txt4", "1.0"},
                {"txt5", "0.5"}});
      f17["cmd1"].Click();
    });
    f2["cmd3"].Click();
  }
  if (shape != 2) {
    const bool direct = shape == 0 && (!seismic || method2) && pick(3) == 0;
    if (direct) {
      dim["cmd1"].Click();
      dim["txt11"].SetText(text(real(0.25, 0.45), 3));
    } else {
      dim["cmd2"].Click();
    }
  }
  if (pick(4) == 0) {
    dim["opt6"].Click();
    forms::testing::InDialog(t, [&text, &real](ui::Window& key) {
      Set(key, {{"txt1", text(real(0.3, 0.6))}, {"txt2", text(real(0.3, 1.0))}, {"txt3", "0.5"}});
      key["cmd1"].Click();
    });
    dim["cmd3"].Click();
  }
  ui::Window& f12 = t.Form(forms::kForm12);
  f12[std::vector<const char*>{"opt1", "opt2", "opt3", "opt6"}[pick(4)]].Click();
  ui::Window& f14 = t.Form(forms::kForm14);
  f14[std::vector<const char*>{"opt1", "opt2", "opt3", "opt4", "opt9", "opt10"}[pick(6)]].Click();
  f14[pick(2) == 0 ? "opt5" : "opt6"].Click();
  if (cohesion) {
    const bool deduct = pick(2) == 0;
    f12[deduct ? "opt4" : "opt5"].Click();
    f14[deduct ? "opt7" : "opt8"].Click();
  }
  t.Form(forms::kForm11)["cmd1"].Click();
  return t.app.results().valid();
}

// Sizes the project at `path` with `options`, writes it with -o, and checks
// the promise; returns the outcome seen ("found", "not_found").
std::string CheckSizing(const std::string& path, std::vector<std::string> options,
                        const TempDir& dir) {
  const std::string sized = dir.File("sized.vrh");
  std::filesystem::remove(sized);
  std::vector<std::string> args = {path, "--json", "-o", sized};
  args.insert(args.end(), options.begin(), options.end());
  const CommandResult r = Size(args);
  EXPECT_TRUE(r.status == 0 || r.status == 1) << r.err;
  if (r.status != 0) {
    EXPECT_FALSE(std::filesystem::exists(sized));
    return r.status == 1 ? "not_found" : "error";
  }
  const Json j = Json::parse(r.out);
  const Json& best = j["best"];
  // With --cases both, every case of 両ケース計算 (under 宅地造成 both
  // seismic methods) must pass.
  const bool both = std::find(options.begin(), options.end(), "both") != options.end();
  auto passes = [both](forms::App& app) { return both ? AllCasesOk(app) : AllVerdictsOk(app); };

  // Opened and calculated the ordinary way, every verdict passes.
  TestApp opened;
  EXPECT_EQ(OpenProjectFile(opened.app, sized).outcome, OpenOutcome::kCalculated);
  EXPECT_TRUE(passes(opened.app)) << ResultsSummaryText(opened.app);
  EXPECT_EQ(opened.dc().Calc[calc::kBaseWidth], best["B"]["value"].get<double>());

  // B one step smaller, the rest kept, fails a verdict — unless B was at
  // its lower bound.
  sizing::Micros b = 0, lo = 0, step = 0;
  sizing::ToMicros(best["B"]["value"].get<double>(), &b);
  sizing::ToMicros(j["variables"]["B"]["min"].get<double>(), &lo);
  sizing::ToMicros(j["variables"]["B"]["step"].get<double>(), &step);
  if (b - step >= lo) {
    TestApp smaller;
    EXPECT_EQ(OpenProjectFile(smaller.app, sized).outcome, OpenOutcome::kCalculated);
    sizing::Section s;
    s.base.text = sizing::MicrosText(b - step);
    const bool calculated = forms::ApplySizedSection(smaller.app, s);
    EXPECT_TRUE(!calculated || !passes(smaller.app)) << s.base.text;
  }
  return "found";
}

TEST(SizeCommand, EveryExampleSizedPassesAndOneStepLessFails) {
  TempDir dir;
  for (const auto& entry : std::filesystem::directory_iterator(Example(""))) {
    if (entry.path().extension() != ".vrh") continue;
    SCOPED_TRACE(entry.path().filename().string());
    CheckSizing(entry.path().string(), {}, dir);
    CheckSizing(entry.path().string(), {"--vary", "B,b", "--step", "0.05"}, dir);
  }
}

TEST(SizeCommand, RandomDesignsSizedPassAndOneStepLessFails) {
  std::mt19937 rng(151515);
  TempDir dir;
  int designs = 0, found = 0;
  for (int n = 0; n < 300; ++n) {
    TestApp t;
    InstallFileCommands(t.app);
    FileNew(t.app);
    if (!RandomDesign(t, rng)) continue;
    const std::string path = dir.File("design.vrh");
    ASSERT_TRUE(SaveProject(t.app, path));
    ++designs;
    SCOPED_TRACE(n);
    const std::vector<std::string> options =
        n % 3 == 0 ? std::vector<std::string>{"--vary", "B,b", "--step", "0.1"}
                   : std::vector<std::string>{"--step", "0.05"};
    found += CheckSizing(path, options, dir) == "found";
  }
  EXPECT_GT(designs, 200);
  EXPECT_GT(found, designs / 2);
}

// Both cases: the example with both cases set and random designs with both
// cases set (both standards, all ground shapes, keys and fences).
TEST(SizeCommand, BothCasesSizedPassEveryCaseAndOneStepLessFailsOne) {
  TempDir dir;
  EXPECT_EQ(CheckSizing(Example("08_residential_slope_both_cases_seismic_governs.vrh"),
                        {"--cases", "both"}, dir),
            "found");
  testing::Dice dice{std::mt19937(151516)};
  testing::RandomProject<testing::Dice> random(dice, true);
  int designs = 0, found = 0;
  for (int n = 0; n < 150; ++n) {
    const std::string path = dir.File("both.vrh");
    testing::WriteAll(path, random.FileText());
    TestApp t;
    if (OpenProjectFile(t.app, path).outcome != OpenOutcome::kCalculated ||
        !forms::BothCasesSet(t.app)) {
      continue;
    }
    std::string why;
    if (forms::DesignsOfBothCases(t.app, why).empty()) continue;
    ++designs;
    SCOPED_TRACE(n);
    found += CheckSizing(path, {"--cases", "both", "--step", "0.05"}, dir) == "found";
  }
  EXPECT_GT(designs, 60);
  EXPECT_GT(found, designs / 3);
}

// ------------------------------------------------------------ table

TEST(TableCommand, WritesTheTableAsCsvXlsxAndPdf) {
  TempDir dir;
  const CliRun r = Cli("table --json --heights 2:4:1 --max-B 3 --csv " + dir.File("t.csv") +
                       " --xlsx " + dir.File("t.xlsx") + " -o " + dir.File("t.pdf") + " " +
                       Example("03_residential_raised_seismic_method2.vrh"));
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = Json::parse(r.out);
  ASSERT_EQ(j["rows"].size(), 3u);
  EXPECT_EQ(ReadAll(dir.File("t.pdf")).rfind("%PDF", 0), 0u);
  const std::string csv = ReadAll(dir.File("t.csv"));
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF高さ h (m),土圧の高さ H (m),天端幅 b (m),底版幅 B (m),", 0), 0u);

  tables::testing::ReadSheet sheet;
  std::string error;
  ASSERT_TRUE(tables::testing::ReadXlsx(ReadAll(dir.File("t.xlsx")), &sheet, &error)) << error;
  EXPECT_TRUE(sheet.first_row_frozen);
  EXPECT_EQ(sheet.cells["D1"].text, "底版幅 B (m)");
  for (int i = 0; i < 3; ++i) {
    const Json& row = j["rows"][static_cast<std::size_t>(i)];
    const std::string n = std::to_string(i + 2);
    EXPECT_EQ(sheet.cells["A" + n].value, row["h"].get<double>());
    EXPECT_TRUE(sheet.cells["D" + n].number);
    EXPECT_EQ(sheet.cells["D" + n].value, row["section"]["B"]["value"].get<double>());
    EXPECT_EQ(sheet.cells["G" + n].value, row["section"]["area"].get<double>());
    EXPECT_EQ(sheet.cells["K" + n].text, "O.K");
    EXPECT_FALSE(sheet.cells["K" + n].red);
  }
}

TEST(TableCommand, HeightsWithoutASectionAndBadInput) {
  const std::string level = Example("01_residential_level_entered_ka.vrh");
  auto table = [](std::vector<std::string> args) {
    args.insert(args.begin(), "table");
    const std::vector<std::string_view> views(args.begin(), args.end());
    return TableCommand(views, nullptr);
  };
  const CommandResult none = table({level, "--heights", "2:8:3", "--max-B", "4.2"});
  EXPECT_EQ(none.status, 1) << none.err;
  EXPECT_NE(none.out.find("※ h=8.00m: B を 4.20 m まで広げても支持力 σmax = "), std::string::npos)
      << none.out;
  EXPECT_NE(none.out.find(" NG\n"), std::string::npos) << none.out;
  struct Row {
    std::vector<std::string> args;
    const char* message;
  };
  const Row rows[] = {
      {{level}, "--heights で高さの範囲"},
      {{level, "--heights", "4:2:1"}, "高さ h の始め 4.00 が終わり 2.00 より大きく"},
      {{level, "--heights", "2:4:0"}, "高さ h の刻みは 0 より大きく"},
      {{level, "--heights", "2:4"}, "FROM:TO:STEP の形"},
      {{level, "--heights", "1:5000:1"}, "高さの数が上限の 1000 を超えます"},
      {{level, "--heights", "2:4:1", "-o", "t.pdf"}, "PDF を出力できません"},
      {{level, "--heights", "2:4:1", "--csv", "/no/such/folder/t.csv"}, "に保存できませんでした"},
      {{level, "--heights", "2:4:1", "--xlsx", level}, "は読み込んだプロジェクトファイルです"},
      {{level, "--heights", "2:4:1", "--csv", "t.VRH"}, "プロジェクトファイル（.vrh）の名前です"},
      {{level, "--heights", "2:4:1", "--first-page", "0"}, "1 から 9999 までの整数"},
  };
  for (const Row& row : rows) {
    const CommandResult r = table(row.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace varnholt::project
