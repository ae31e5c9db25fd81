// The results window and the report judge alike, row by row: for every
// example project and a few hundred random designs, each verdict the
// window shows (black O.K, light magenta NG) is the verdict the report
// prints for the same check, and the command line's count agrees.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/random_project.h"
#include "project/results_summary.h"
#include "project/test_support.h"
#include "report/recording_surface.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

using Verdicts = std::map<std::string, bool>;  // row → O.K

// The rows of the results window that carry a verdict.
Verdicts WindowVerdicts(forms::App& app) {
  ui::Window& f11 = app.Form(forms::kForm11);
  const bool key = app.dc().ShearKeyFlag == "1";
  const std::pair<const char*, const char*> rows[] = {{"lbl7", "overturning"},
                                                      {"lbl24", "eccentricity"},
                                                      {"lbl14", "bearing"},
                                                      {"lbl17", key ? "shear_key" : "sliding"},
                                                      {"lbl21", "without_key"}};
  Verdicts v;
  for (const auto& [label, row] : rows) {
    const ui::Control& c = f11[label];
    if (!c.Visible() || c.Caption().empty()) continue;
    v[row] = c.ForeColor() != ui::kLightMagenta;
  }
  return v;
}

// The verdicts of the report's stability chapter. A verdict is a line that
// ends in "∴ O.K" (or, for the factor without the key, "突起を設ける"), or a
// run of consecutive lines in light magenta; the chapter's headings say
// which check it belongs to.
Verdicts ReportVerdicts(forms::App& app) {
  report::RecordingSurface out;
  report::SilentBeeper silent;
  report::PrintJob stability;  // without the body page, whose verdicts are its own
  stability.body_stress = false;
  forms::WriteReport(app, out, stability, silent);
  const bool key = app.dc().ShearKeyFlag == "1";
  Verdicts v;
  std::string section;
  int overturning = 0;
  bool in_ng_run = false;
  for (const report::RecordedText& t : out.Texts()) {
    const std::string& s = t.text;
    if (s.find("１）転倒に対する検討") != std::string::npos) section = "overturning";
    if (s.find("２）地盤支持力") != std::string::npos) section = "bearing";
    if (s.find("３）滑動に対する検討") != std::string::npos)
      section = key ? "without_key" : "sliding";
    if (s.find("・突起の計算") != std::string::npos) section = "shear_key";
    const bool ng = t.color == report::kLightMagenta;
    const bool ok =
        s.find("∴ O.K") != std::string::npos || s.find("突起を設ける") != std::string::npos;
    if (section.empty() || (!ng && !ok) || (ng && in_ng_run)) {
      in_ng_run = ng && in_ng_run;
      continue;
    }
    in_ng_run = ng;
    std::string row = section;
    if (section == "overturning") row = overturning++ == 0 ? "overturning" : "eccentricity";
    EXPECT_EQ(v.count(row), 0u) << "a second verdict for " << row << ": " << s;
    v[row] = ok && !ng;
  }
  return v;
}

// Opens the file as Open does and compares; false when the design has no
// result (a slip in a box, say).
bool Agrees(const std::string& name, const std::string& bytes) {
  BatchPlatform platform;
  forms::App app(platform);
  if (OpenProjectBytes(app, name, bytes).outcome != OpenOutcome::kCalculated) return false;
  const Verdicts window = WindowVerdicts(app);
  EXPECT_FALSE(window.empty()) << name;
  EXPECT_EQ(ReportVerdicts(app), window) << name << "\n" << bytes;
  bool any_ng = false;
  for (const auto& [row, ok] : window) any_ng |= !ok;
  EXPECT_EQ(AnyVerdictNg(app), any_ng) << name;
  return true;
}

TEST(VerdictAgreement, EveryExample) {
  int n = 0;
  for (const auto& e : testing::ExampleProjects()) {
    ++n;
    EXPECT_TRUE(Agrees(e.filename().string(), testing::ReadAll(e.string()))) << e;
  }
  EXPECT_GE(n, 7);  // every example there is, none skipped
}

using testing::Dice;

TEST(VerdictAgreement, RandomDesigns) {
  Dice dice{std::mt19937(20261209)};
  testing::RandomProject<Dice> random(dice);
  int calculated = 0, with_ng = 0;
  constexpr int kDesigns = 300;
  for (int i = 0; i < kDesigns; ++i) {
    const std::string bytes = random.FileText();
    if (!Agrees("random " + std::to_string(i), bytes)) continue;
    ++calculated;
    BatchPlatform platform;
    forms::App app(platform);
    OpenProjectBytes(app, "again", bytes);
    with_ng += AnyVerdictNg(app);
  }
  // The designs are not idle: most calculate, and both verdicts occur.
  EXPECT_GT(calculated, kDesigns * 3 / 4);
  EXPECT_GT(with_ng, 10);
  EXPECT_LT(with_ng, calculated - 10);
}

}  // namespace
}  // namespace varnholt::project
