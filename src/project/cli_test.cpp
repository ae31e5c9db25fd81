// varnholt-cli as a user runs it: exit status, summary, JSON and messages.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>

#include "project/both_cases_output.h"
#include "project/results_summary.h"
#include "project/test_support.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::ReadAll;
using testing::TempDir;

// The environment that makes one system call of the tool fail (see
// io_fault_shim.cpp). The shim is built without sanitizers; a sanitized tool
// is told not to insist on coming first.
std::string Fault(const std::string& plan) {
  return "LD_PRELOAD=" + std::string(VARNHOLT_FAULT_SHIM) + " VARNHOLT_FAULT='" + plan +
         "' ASAN_OPTIONS=verify_asan_link_order=0:${ASAN_OPTIONS:-}";
}

std::string Example(const char* name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
          name)
      .string();
}

// Example 01 with its lines (1-based) replaced, written into `dir`.
std::string Example01With(const TempDir& dir, const std::map<int, std::string>& lines) {
  const std::string bytes = ReadAll(Example("01_residential_level_entered_ka.vrh"));
  std::string out;
  int n = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", pos);
    const auto it = lines.find(++n);
    out += (it != lines.end() ? it->second : bytes.substr(pos, end - pos)) + "\r\n";
    pos = end + 2;
  }
  const std::string path = dir.File("changed.vrh");
  testing::WriteAll(path, out);
  return path;
}

TEST(Cli, ExitStatusFollowsTheVerdicts) {
  const CliRun ok = Cli("calc " + Example("01_residential_level_entered_ka.vrh"));
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out,
            "転倒に対して      F = 7.089  > 1.5 ∴O.K\n"
            "支持力に対して    σmax= 127.966 kN/m2\n"
            "                  < 200.0 kN/m2 ∴O.K\n"
            "滑動に対して      F = 2.983  > 1.5 ∴O.K\n"
            "躯体の応力度照査  天端から 5.500m t=4.000m N=420.713kN/m S=70.514kN/m "
            "M=60.768kN･m/m\n"
            "                  σ1=128.0 σ2=82.4 τ=17.6 kN/m2\n"
            "                  σca=6000.0 σta=600.0 τa=600.0 kN/m2 応力度比 0.029 O.K\n");
  TempDir dir;
  const CliRun ng = Cli("calc " + Example01With(dir, {{30, "6"}}));  // h = 6 m
  EXPECT_EQ(ng.status, 1) << ng.err;
  EXPECT_NE(ng.out.find("> 200.0 kN/m2 ∴NG"), std::string::npos);
  // Stable on its base, overstressed under the crest: the body check alone
  // makes the design NG, in the summary, the JSON and the exit status.
  const CliRun body = Cli("calc " + Example("07_road_thin_crest_body_ng.vrh"));
  EXPECT_EQ(body.status, 1) << body.err;
  EXPECT_EQ(body.out.find("∴NG"), std::string::npos);
  EXPECT_NE(body.out.find("躯体の応力度照査  天端から 0.500m t=0.636m"), std::string::npos);
  EXPECT_NE(body.out.find("応力度比 1.299 NG\n"), std::string::npos) << body.out;
  const CliRun json = Cli("calc --json " + Example("07_road_thin_crest_body_ng.vrh"));
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find("\"body\":{\"ok\":false,"), std::string::npos);
}

// --cases both prints what the in-process command prints; --cases current is
// today's output byte for byte; the exit status looks at every computed case.
TEST(Cli, BothCasesPrintEachCaseAndExitByEveryComputedCase) {
  for (const std::filesystem::path& e : testing::ExampleProjects()) {
    const std::string f = e.string();
    SCOPED_TRACE(f);
    const CliRun current = Cli("calc " + f);
    EXPECT_EQ(Cli("calc --cases current " + f).out, current.out);
    const CliRun json = Cli("calc --cases both --json " + f);
    const BothCasesRun in_process = CalcBothCases(f, true);
    EXPECT_EQ(json.out, in_process.out);
    EXPECT_EQ(json.status, in_process.status);
    const CliRun text = Cli("calc " + f + " --cases both");
    EXPECT_EQ(text.status, json.status);
    EXPECT_EQ(text.out.rfind("【常時】\n", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("\n\n【地震時】"), std::string::npos) << text.out;
  }
  // The body NG of the normal case; the seismic case is not calculated
  // under a short-term fence load, and says why.
  const CliRun body = Cli("calc --cases both " + Example("07_road_thin_crest_body_ng.vrh"));
  EXPECT_EQ(body.status, 1);
  EXPECT_NE(body.out.find("【地震時】\n計算できません: フェンスに短期荷重があるため"),
            std::string::npos)
      << body.out;
  TempDir dir;
  const CliRun neither = Cli("calc --cases both " + Example01With(dir, {{30, "-1"}}));
  EXPECT_EQ(neither.status, 2);
  EXPECT_NE(neither.out.find("【常時】\n計算できません: 寸法 h が負の値"), std::string::npos)
      << neither.out;
  const CliRun missing = Cli("calc --cases both --json " + dir.File("none.vrh"));
  EXPECT_EQ(missing.status, 2);
  const nlohmann::json m = nlohmann::json::parse(missing.out);
  EXPECT_EQ(m["seismic"]["valid"], false);
  EXPECT_NE(missing.err.find("ファイルが見つかりません。"), std::string::npos);
}

TEST(Cli, UnreadableFileAndBadCommandLinesExitWithTwo) {
  TempDir dir;
  const CliRun missing = Cli("calc " + dir.File("none.vrh"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("ファイルが見つかりません。"), std::string::npos);

  testing::WriteAll(dir.File("bad.vrh"), "0\r\n\r\nmaybe\r\n");
  const CliRun bad = Cli("calc " + dir.File("bad.vrh"));
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("3行目: True または False のはずの値が「maybe」です。"),
            std::string::npos);

  for (const char* args : {"", "calc", "calc --jsn x.vrh", "open x.vrh", "calc a.vrh b.vrh",
                           "calc --cases x.vrh", "calc x.vrh --cases"}) {
    SCOPED_TRACE(args);
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("varnholt-cli: "), std::string::npos);
    EXPECT_NE(r.err.find("--help"), std::string::npos);
  }
  // The usage, asked for alone or after any command.
  for (const char* args : {"--help", "-h", "calc --help", "report -h", "book --help"}) {
    SCOPED_TRACE(args);
    const CliRun help = Cli(args);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("varnholt-cli calc [--json] [--cases current|both] [--] FILE.vrh"),
              std::string::npos);
  }
  const CliRun version = Cli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "varnholt-cli 3.50\n");
}

TEST(Cli, JsonCarriesTheDesignCaseAndTheRows) {
  const CliRun r = Cli("calc --json " + Example("04_road_level_seismic_shear_key.vrh"));
  EXPECT_EQ(r.status, 0);
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["valid"], true);
  EXPECT_TRUE(j["error"].is_null());
  ASSERT_EQ(j["Cond"].size(), 28u);
  ASSERT_EQ(j["Calc"].size(), 70u);
  // θk = Atn(Kh/(1−Kv)) with Kh = 0.2 × 1.0, Kv = 0: written exactly.
  EXPECT_EQ(j["Cond"][17].get<double>(), std::atan(0.2));
  EXPECT_NE(r.out.find("0.19739555984988078"), std::string::npos);  // 17 digits
  EXPECT_EQ(j["flags"]["ShearKeyFlag"], "1");
  EXPECT_EQ(j["flags"]["FenceLoadType"], "");
  EXPECT_EQ(j["labels"]["lbl17"]["caption"], " > 1.2 ∴O.K");
  EXPECT_EQ(j["labels"]["lbl17"]["ng"], false);
  EXPECT_EQ(j["labels"]["lbl7"]["ng"], false);
  EXPECT_EQ(j["labels"]["lbl18"]["visible"], false);
  EXPECT_EQ(j["labels"].size(), 20u);
  for (const char* k :
       {"OmegaMax", "WedgeT1", "WedgeT2", "WedgeT3", "WedgeW", "PAmax", "PAXw", "PAYw"}) {
    EXPECT_TRUE(j["wedge"].contains(k)) << k;
  }

  TempDir dir;
  const CliRun missing = Cli("calc --json " + dir.File("none.vrh"));
  EXPECT_EQ(missing.status, 2);
  const nlohmann::json m = nlohmann::json::parse(missing.out);
  EXPECT_EQ(m["valid"], false);
  EXPECT_NE(m["error"].get<std::string>().find("ファイルが見つかりません。"), std::string::npos);
}

TEST(Cli, ABaseOffTheGroundIsNgWithItsReason) {
  // A 4 m wall on a base of 1 m: the resultant lies beyond the toe and σmax
  // comes out negative; the bearing row is NG, and says why.
  TempDir dir;
  const std::string path = Example01With(dir, {{33, "0.3"}, {34, "1.0"}, {35, "0.2"}});
  const CliRun r = Cli("calc --json " + path);
  EXPECT_EQ(r.status, 1) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  nlohmann::json bearing;
  for (const auto& v : j["verdicts"]) {
    if (v["row"] == "bearing") bearing = v;
  }
  EXPECT_LT(bearing["value"].get<double>(), 0);
  EXPECT_EQ(bearing["ng"], true);
  EXPECT_EQ(bearing["reason"], "合力が底版の外にあります");
  EXPECT_EQ(j["labels"]["lbl12"]["caption"], "e > B/2");
  EXPECT_EQ(j["labels"]["lbl14"]["ng"], true);
}

TEST(Cli, SoilConstantsOutsideTheirRangeAreWarnedAbout) {
  TempDir dir;
  const std::string path = Example01With(dir, {{11, "90"}});  // φ = 90°
  const CliRun json = Cli("calc --json " + path);
  EXPECT_EQ(json.status, 0) << "a warning is no verdict";
  const nlohmann::json j = nlohmann::json::parse(json.out);
  ASSERT_EQ(j["warnings"].size(), 1u);
  EXPECT_EQ(j["warnings"][0]["code"], "phi_range");
  EXPECT_EQ(j["warnings"][0]["text"], "内部摩擦角 φ=90° は通常の範囲（10～45°）の外にあります。");
  const CliRun text = Cli("calc " + path);
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "注意: 内部摩擦角 φ=90° は通常の範囲（10～45°）の外にあります。\n");
}

TEST(Cli, StandardOutputThatFailsIsAnError) {
  const std::string example = Example("01_residential_level_entered_ka.vrh");
  struct Case {
    std::string env;
    std::string out;
    const char* reason;
  };
  TempDir dir;
  const std::string file = dir.File("out.json");
  const Case cases[] = {
      {Fault("write:ENOSPC:stdout"), ">" + file, "ディスクの空き容量が不足しています。"},
      {Fault("write:EIO:" + file), ">" + file, "ディスクの読み書きでエラーが起きました。"},
      {Fault("close:EIO:stdout"), ">" + file, "ディスクの読み書きでエラーが起きました。"},
      {"", ">&-", "標準出力が閉じられています。"},
  };
  for (const Case& c : cases) {
    for (const char* args : {"calc --json ", "calc ", "report --dump "}) {
      SCOPED_TRACE(c.env + " " + args + c.out);
      const CliRun r = Cli(args + example, c.env, c.out);
      EXPECT_EQ(r.status, 2);
      EXPECT_NE(
          r.err.find(std::string("varnholt-cli: 標準出力に書き込めませんでした。") + c.reason),
          std::string::npos)
          << r.err;
    }
  }
  EXPECT_EQ(Cli("--version", "", ">&-").status, 2);
}

TEST(Cli, PdfThatCannotBeWrittenLeavesTheOldOneAndSaysWhy) {
  const std::string example = Example("01_residential_level_entered_ka.vrh");
  struct Case {
    const char* call;
    const char* reason;
  };
  const Case cases[] = {
      {"write:ENOSPC", "ディスクの空き容量が不足しています。"},
      {"write:EIO", "ディスクの読み書きでエラーが起きました。"},
      {"fsync:ENOSPC", "ディスクの空き容量が不足しています。"},
      {"fsync:EIO", "ディスクの読み書きでエラーが起きました。"},
      {"close:ENOSPC", "ディスクの空き容量が不足しています。"},
      {"close:EIO", "ディスクの読み書きでエラーが起きました。"},
      {"rename:EXDEV", "別のドライブ（ファイルシステム）へは移せません。"},
      {"rename:EACCES", "書き込みが許可されていません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    TempDir dir;
    const std::string pdf = dir.File("wall.pdf");
    testing::WriteAll(pdf, "the good report");
    // Only the files in this folder fail: the temporary file and the target.
    const CliRun r =
        Cli("report " + example + " -o " + pdf, Fault(std::string(c.call) + ":" + dir.File("")));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ファイル「" + pdf + "」に保存できませんでした。\n" + c.reason +
                         "\n元のファイルは変更されていません。\n");
    EXPECT_EQ(ReadAll(pdf), "the good report");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left";
  }
}

TEST(Cli, ReadOnlyCommandsLeaveNoTraceAndNeedNoDisplay) {
  TempDir home, work, runtime, elsewhere;
  ::chmod(runtime.path().c_str(), 0700);
  const std::string project = work.File("wall.vrh");
  testing::WriteAll(project, ReadAll(Example("01_residential_level_entered_ka.vrh")));
  const std::string session = "cd " + work.path().string() + "; HOME=" + home.path().string() +
                              " XDG_RUNTIME_DIR=" + runtime.path().string() +
                              " DISPLAY= WAYLAND_DISPLAY=";
  const std::string pdf = elsewhere.File("wall.pdf");
  // A desktop session's platform without its display.
  for (const std::string& args :
       {std::string("calc wall.vrh"), std::string("calc --json wall.vrh"),
        std::string("report wall.vrh --dump"), "report wall.vrh -o " + pdf, std::string("--help"),
        std::string("--version")}) {
    const CliRun r = Cli(args, session + " QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(r.status, 0) << args << r.err;
  }
  for (const char* platform : {"wayland", "minimal"}) {
    const CliRun r = Cli("report wall.vrh -o " + pdf, session + " QT_QPA_PLATFORM=" + platform);
    EXPECT_EQ(r.status, 0) << platform << r.err;
  }
  EXPECT_EQ(ReadAll(pdf).rfind("%PDF-", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(home.path())) << "no ~/Varnholt, no cache";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()),
                          std::filesystem::directory_iterator()),
            1);
  // "--" ends the options: a project whose name starts with "-".
  std::filesystem::rename(project, work.File("-wall.vrh"));
  EXPECT_EQ(Cli("calc -- -wall.vrh", session).status, 0);
  EXPECT_EQ(Cli("calc -wall.vrh", session).status, 2);
}

// varnholt-cli links no Qt Gui: the commands that draw run varnholt-cli-draw
// from beside it. A copy of the tool without it still calculates, and says
// what is missing when asked to draw.
TEST(Cli, CommandsThatDrawRunTheDrawingProgram) {
  TempDir dir;
  const std::string example = Example("01_residential_level_entered_ka.vrh");
  const CliRun built = Cli("report " + example + " -o " + dir.File("r.pdf"));
  EXPECT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(ReadAll(dir.File("r.pdf")).rfind("%PDF-", 0), 0u);

  const std::string alone = dir.File("varnholt-cli");
  std::filesystem::copy_file(VARNHOLT_CLI, alone);
  auto run = [&](const std::string& args) {
    const int raw = std::system((alone + " " + args + " >/dev/null 2>" + dir.File("err")).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(run("calc " + example), 0);
  EXPECT_EQ(run("report " + example + " -o " + dir.File("s.pdf")), 2);
  EXPECT_NE(ReadAll(dir.File("err")).find("varnholt-cli-draw を起動できません"), std::string::npos)
      << ReadAll(dir.File("err"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("s.pdf")));
}

TEST(ResultsJson, NonFiniteNumbersAreNullAndTextsAreEscaped) {
  forms::testing::TestApp t;
  t.dc().Calc[3] = std::numeric_limits<double>::quiet_NaN();
  t.dc().Cond[0] = std::numeric_limits<double>::infinity();
  t.dc().Calc[4] = 0.1;
  t.Form(forms::kForm11)["lbl5"].SetCaption("\"a\\b\"\n");
  const std::string out = ResultsJson(t.app, false, "x");
  const nlohmann::json j = nlohmann::json::parse(out);
  EXPECT_TRUE(j["Calc"][3].is_null());
  EXPECT_TRUE(j["Cond"][0].is_null());
  EXPECT_NE(out.find("0.10000000000000001"), std::string::npos);
  EXPECT_EQ(j["labels"]["lbl5"]["caption"], "\"a\\b\"\n");
  EXPECT_EQ(j["error"], "x");
}

}  // namespace
}  // namespace varnholt::project
