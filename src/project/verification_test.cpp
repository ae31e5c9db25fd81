// The worked examples of docs/theory/verification.md. Each example is a
// project in examples/verification/, entered through the windows as an
// engineer would and saved by the program's writer. Between its markers the
// document holds the output of a hand-calculation script
// (docs/theory/verify/<name>.py) with one more column, the program's value.
// This test keeps the three in step:
//
// - the checked-in project is what the writer produces;
// - each program value is the value of `varnholt-cli calc --json` at the
//   place the row names, to the digits printed, and equals the hand value;
// - each quoted report line is a line of `varnholt-cli report --dump`;
// - with python3 present, each script still prints exactly the document's
//   tables and lines.
//
// To rewrite the projects after a deliberate change of a design:
// VARNHOLT_WRITE_VERIFICATION=1 ./vh_project_test --gtest_filter='Verification*'

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "project/file_commands.h"
#include "project/test_support.h"
#include "report/number_format.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using forms::testing::Calculate;
using forms::testing::EnterSeismicCase;
using forms::testing::InDialog;
using forms::testing::Set;
using forms::testing::TestApp;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

const std::filesystem::path kRoot =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
const std::filesystem::path kProjects = kRoot / "examples" / "verification";
const std::filesystem::path kDocument = kRoot / "docs" / "theory" / "verification.md";
const std::filesystem::path kScripts = kRoot / "docs" / "theory" / "verify";

// ---- The projects, entered through the windows ----

// Sandy soil, Fc 18, γ 18, γc 23, φ 30, δ 20, φB 30, μ typed.
void Conditions(TestApp& t, const char* site, const char* fe, const char* mu) {
  Set(t.Form(forms::kForm2), {{"txt1", site},
                              {"txt2", "18"},
                              {"txt3", fe},
                              {"txt4", "18"},
                              {"txt5", "23"},
                              {"cbo1", "砂質土"},
                              {"txt6", "30"},
                              {"txt7", "20"},
                              {"cbo2", "砂質土"},
                              {"txt9", "30"},
                              {"txt10", mu}});
  t.Form(forms::kForm2)["opt8"].Click();  // μ 直接入力
}

void Cohesion(TestApp& t, const char* c) {
  t.Form(forms::kForm2)["opt6"].Click();  // 考慮する
  t.Form(forms::kForm2)["txt8"].SetText(c);
}

// h, embedment, crest height, b, B, f, q of a dimension window.
void Wall(ui::Window& dim, const char* mark, std::initializer_list<const char*> v) {
  const char* boxes[] = {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9"};
  Set(dim, {{"txt1", "2"}, {"txt2", mark}});
  int i = 0;
  for (const char* text : v) dim[boxes[i++]].SetText(text);
}

struct Project {
  const char* name;
  std::function<void(TestApp&)> build;
};

std::vector<Project> Projects() {
  return {
      {"v1_level_entered_ka",
       [](TestApp& t) {
         Conditions(t, "検証例1 宅地造成 水平 KA直接入力", "150", "0.5");
         ui::Window& f3 = t.Form(forms::kForm3);
         Wall(f3, "V-1", {"2.5", "0.5", "0.3", "0.5", "1.9", "0.4", "10"});
         f3["cmd1"].Click();  // 直接入力
         f3["txt11"].SetText("0.35");
         t.Form(forms::kForm12)["opt1"].Click();
         Calculate(t);
       }},
      {"v2_road_slope_seismic",
       [](TestApp& t) {
         Conditions(t, "検証例2 道路土工 一様斜面 地震時", "300", "0.6");
         ui::Window& f2 = t.Form(forms::kForm2);
         Set(f2, {{"txt4", "19"}, {"txt6", "35"}, {"txt7", "17.5"}, {"txt9", "35"}});
         f2["opt_D"].Click();
         f2["opt2"].Click();  // 一様斜面
         ui::Window& f3 = t.Form(forms::kForm3);
         Wall(f3, "V-2", {"3.5", "0.5", "0.4", "0.8", "3.0", "0.6", "5"});
         f3["txt10"].SetText("10");
         EnterSeismicCase(t, "opt_D1", "0.2", "0", "opt_B");
         f3["cmd2"].Click();  // 計算する: KAE
         ui::Window& f14 = t.Form(forms::kForm14);
         f14["opt10"].Click();
         f14["opt6"].Click();
         Calculate(t);
       }},
      {"v3_raised_soil_wedge",
       [](TestApp& t) {
         Conditions(t, "検証例3 宅地造成 嵩上げ土 粘着力", "150", "0.5");
         Cohesion(t, "10");
         t.Form(forms::kForm2)["opt3"].Click();  // 嵩上げ土
         ui::Window& f16 = t.Form(forms::kForm16);
         Wall(f16, "V-3", {"2.5", "0.5", "0.3", "0.5", "2.2", "0.3", "10"});
         Set(f16, {{"txt10", "30"}, {"txt11", "1.5"}});
         f16["opt1"].Click();  // 法面上の上載荷重 有り
         ui::Window& f12 = t.Form(forms::kForm12);
         f12["opt6"].Click();
         f12["opt5"].Click();  // 偏心の控除をしない
         Calculate(t);
       }},
      {"v4_shear_key",
       [](TestApp& t) {
         Conditions(t, "検証例4 宅地造成 水平 突起", "150", "0.3");
         Cohesion(t, "5");
         ui::Window& f3 = t.Form(forms::kForm3);
         Wall(f3, "V-4", {"3.0", "0.5", "0.3", "0.5", "2.2", "0.4", "10"});
         f3["cmd1"].Click();
         f3["txt11"].SetText("0.3");
         f3["opt6"].Click();  // 突起 有り
         InDialog(t, [](ui::Window& key) {
           Set(key, {{"txt1", "0.3"}, {"txt2", "1.2"}, {"txt3", "0.3"}});
           key["cmd1"].Click();
         });
         f3["cmd3"].Click();
         ui::Window& f12 = t.Form(forms::kForm12);
         f12["opt1"].Click();
         f12["opt4"].Click();  // 偏心の控除をする
         Calculate(t);
       }},
  };
}

TEST(VerificationExamples, AreWhatTheWriterProduces) {
  const bool rewrite = std::getenv("VARNHOLT_WRITE_VERIFICATION") != nullptr;
  TempDir dir;
  for (const Project& p : Projects()) {
    SCOPED_TRACE(p.name);
    TestApp t;
    InstallFileCommands(t.app);
    FileNew(t.app);
    p.build(t);
    ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
    const std::string path = dir.File(std::string(p.name) + ".vrh");
    t.platform.save_answers.push_back(path);
    FileSaveAs(t.app);
    const std::string bytes = ReadAll(path);
    ASSERT_FALSE(bytes.empty());
    const std::string checked_in = (kProjects / (std::string(p.name) + ".vrh")).string();
    if (rewrite) WriteAll(checked_in, bytes);
    EXPECT_EQ(ReadAll(checked_in), bytes);
  }
  // The body-stress example is the example project itself.
  EXPECT_EQ(ReadAll((kProjects / "v5_road_body_stress.vrh").string()),
            ReadAll((kRoot / "examples" / "07_road_thin_crest_body_ng.vrh").string()));
}

// ---- The document ----

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t pos = 1;
  for (std::size_t bar; (bar = row.find('|', pos)) != std::string::npos; pos = bar + 1) {
    std::string c = row.substr(pos, bar - pos);
    c.erase(0, c.find_first_not_of(' '));
    c.erase(c.find_last_not_of(' ') + 1);
    cells.push_back(c);
  }
  return cells;
}

std::string Row(const std::vector<std::string>& cells) {
  std::string row = "|";
  for (const std::string& c : cells) row += " " + c + " |";
  return row;
}

// One example of the document: the lines between its markers.
struct Section {
  std::string name;
  std::vector<std::string> lines;
};

std::vector<Section> Sections() {
  std::vector<Section> sections;
  Section* open = nullptr;
  for (const std::string& l : Lines(ReadAll(kDocument.string()))) {
    const std::string begin = "<!-- verify ";
    if (l.rfind(begin, 0) == 0) {
      sections.push_back({l.substr(begin.size(), l.find(" -->") - begin.size()), {}});
      open = &sections.back();
    } else if (l == "<!-- end verify -->") {
      open = nullptr;
    } else if (open) {
      open->lines.push_back(l);
    }
  }
  return sections;
}

// A table row of the document: 項目, 手計算, プログラム, 所在.
bool IsRow(const std::string& l) { return l.rfind("| ", 0) == 0 || l.rfind("|---", 0) == 0; }

// The section as the script prints it: without the program column.
std::vector<std::string> WithoutProgramColumn(const Section& s) {
  std::vector<std::string> out;
  for (const std::string& l : s.lines) {
    if (!IsRow(l)) {
      out.push_back(l);
      continue;
    }
    std::vector<std::string> cells = Cells(l);
    if (cells.size() == 4) cells.erase(cells.begin() + 2);
    out.push_back(l.rfind("|---", 0) == 0 ? "|---|---|---|" : Row(cells));
  }
  while (!out.empty() && out.back().empty()) out.pop_back();
  while (!out.empty() && out.front().empty()) out.erase(out.begin());
  return out;
}

struct CommandRun {
  int status;
  std::string out;
};

CommandRun Command(const std::string& cmd) {
  TempDir dir;
  const int raw = std::system((cmd + " >" + dir.File("out") + " 2>/dev/null").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(dir.File("out"))};
}

// "Calc[44]", "wedge.PAmax", "body.sections[3].sigma1".
const nlohmann::json* Lookup(const nlohmann::json& root, const std::string& path) {
  const nlohmann::json* j = &root;
  std::istringstream parts(path);
  for (std::string part; std::getline(parts, part, '.');) {
    const std::size_t bracket = part.find('[');
    const std::string key = part.substr(0, bracket);
    if (!j->is_object() || !j->contains(key)) return nullptr;
    j = &(*j)[key];
    if (bracket != std::string::npos) {
      const std::size_t index = std::stoul(part.substr(bracket + 1));
      if (!j->is_array() || index >= j->size()) return nullptr;
      j = &(*j)[index];
    }
  }
  return j;
}

// The pattern that prints as many decimals as `shown` has.
std::string PatternOf(const std::string& shown) {
  const std::size_t dot = shown.find('.');
  return dot == std::string::npos ? "0" : "0." + std::string(shown.size() - dot - 1, '0');
}

std::string Trim(std::string s) {
  const std::string blanks[] = {" ", "\xE3\x80\x80"};  // blank, ideographic blank
  for (bool again = true; again;) {
    again = false;
    for (const std::string& b : blanks) {
      if (s.rfind(b, 0) == 0) s.erase(0, b.size()), again = true;
      if (s.size() >= b.size() && s.compare(s.size() - b.size(), b.size(), b) == 0) {
        s.erase(s.size() - b.size());
        again = true;
      }
    }
  }
  return s;
}

// The texts of a report dump ("T x y size colour text"), trimmed.
std::vector<std::string> DumpTexts(const std::string& dump) {
  std::vector<std::string> texts;
  for (const std::string& l : Lines(dump)) {
    if (l.rfind("T ", 0) != 0) continue;
    std::size_t pos = 0;
    for (int field = 0; field < 5 && pos != std::string::npos; ++field) pos = l.find(' ', pos + 1);
    if (pos != std::string::npos) texts.push_back(Trim(l.substr(pos + 1)));
  }
  return texts;
}

std::vector<std::string> QuotedReportLines(const Section& s) {
  std::vector<std::string> quoted;
  bool inside = false;
  for (const std::string& l : s.lines) {
    if (l.rfind("```", 0) == 0) {
      inside = !inside && l == "```text";
    } else if (inside) {
      quoted.push_back(Trim(l));
    }
  }
  return quoted;
}

TEST(VerificationDocument, NamesEveryExampleOnce) {
  std::vector<std::string> names;
  for (const Section& s : Sections()) names.push_back(s.name);
  EXPECT_EQ(names, (std::vector<std::string>{"v1_level_entered_ka", "v2_road_slope_seismic",
                                             "v3_raised_soil_wedge", "v4_shear_key",
                                             "v5_road_body_stress"}));
}

TEST(VerificationDocument, ProgramValuesAreThePrintedDigitsOfTheCalculation) {
  for (const Section& s : Sections()) {
    SCOPED_TRACE(s.name);
    const std::string project = (kProjects / (s.name + ".vrh")).string();
    const CommandRun calc = Command(std::string(VARNHOLT_CLI) + " calc --json " + project);
    ASSERT_LE(calc.status, 1);
    const nlohmann::json json = nlohmann::json::parse(calc.out);
    ASSERT_TRUE(json["valid"].get<bool>());

    int checked = 0;
    for (const std::string& l : s.lines) {
      if (l.rfind("| ", 0) != 0) continue;
      const std::vector<std::string> cells = Cells(l);
      ASSERT_EQ(cells.size(), 4u) << l;
      const std::string& where = cells[3];
      if (where == "所在" || where == "—") continue;
      SCOPED_TRACE(l);
      ASSERT_TRUE(where.size() > 2 && where.front() == '`' && where.back() == '`');
      const nlohmann::json* value = Lookup(json, where.substr(1, where.size() - 2));
      ASSERT_TRUE(value != nullptr && value->is_number());
      const std::string& program = cells[2];
      EXPECT_EQ(report::FormatNumber(value->get<double>(), PatternOf(program)), program);
      EXPECT_EQ(cells[1], program) << "hand and program disagree";
      ++checked;
    }
    EXPECT_GE(checked, 10);

    const CommandRun dump = Command(std::string(VARNHOLT_CLI) + " report --dump " + project);
    ASSERT_EQ(dump.status, 0);
    const std::vector<std::string> texts = DumpTexts(dump.out);
    const std::vector<std::string> quoted = QuotedReportLines(s);
    EXPECT_GE(quoted.size(), 5u);
    for (const std::string& q : quoted) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), q), texts.end()) << q;
    }
  }
}

TEST(VerificationDocument, HandCalculationsPrintTheDocument) {
  if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3";
  for (const Section& s : Sections()) {
    SCOPED_TRACE(s.name);
    const CommandRun script =
        Command("cd " + kScripts.string() + " && /usr/bin/python3 -B " + s.name + ".py");
    ASSERT_EQ(script.status, 0);
    std::vector<std::string> printed = Lines(script.out);
    while (!printed.empty() && printed.back().empty()) printed.pop_back();
    EXPECT_EQ(WithoutProgramColumn(s), printed);
  }
}

}  // namespace
}  // namespace varnholt::project
