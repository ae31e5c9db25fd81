// The whole calculation report of every example project in examples/,
// drawn as the print command draws 一般事項 ・ 安定計算 without page numbers,
// compared with the reviewed recording beside the project file
// (examples/<name>.report.dump). The project is opened through the desktop's
// Open (reset, read, recalculate, results window), so the report prints what
// a user who opens the file sees. varnholt-cli report --dump must write the
// same recording.
//
// On a difference the actual recording is written to
// $TMPDIR/varnholt-dumps/<name>.report.dump.actual; review it line by line
// before copying it over the expected file.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "project/file_commands.h"
#include "project/test_support.h"
#include "report/recording_surface.h"
#include "report/testing.h"
#include "ui/forms/preview.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using forms::testing::TestApp;
using testing::ReadAll;
using testing::TempDir;

constexpr const char* kExamples[] = {
    "01_residential_level_entered_ka",
    "02_residential_slope_computed_ka",
    "03_residential_raised_seismic_method2",
    "04_road_level_seismic_shear_key",
    "05_residential_fence_concentrated_load",
    "06_residential_cohesion_eccentricity_deduction",
    "07_road_thin_crest_body_ng",
    "08_residential_slope_both_cases_seismic_governs",
};

std::filesystem::path ExamplesDir() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

TEST(ExampleReports, OpenedExamplesPrintTheirReviewedReports) {
  for (const char* name : kExamples) {
    SCOPED_TRACE(name);
    TestApp t;
    InstallFileCommands(t.app);
    t.platform.open_answers.push_back((ExamplesDir() / (std::string(name) + ".vrh")).string());
    const OpenResult opened = FileOpen(t.app);
    ASSERT_EQ(opened.outcome, OpenOutcome::kCalculated) << opened.message;

    report::RecordingSurface out;
    report::SilentBeeper silent;
    forms::WriteReport(t.app, out, report::PrintJob{}, silent);
    ASSERT_EQ(out.pages().size(), 4u);  // with the body-stress page
    EXPECT_TRUE(out.ended());
    EXPECT_EQ(report::testing::CompareWithExpectedDumpFile(
                  ExamplesDir() / (std::string(name) + ".report.dump"), out.Dump()),
              "");
  }
}

TEST(ExampleReports, CommandLineDumpIsTheReviewedReport) {
  TempDir dir;
  for (const char* name : kExamples) {
    SCOPED_TRACE(name);
    const std::string out = dir.File(std::string(name) + ".dump");
    const std::string cmd = std::string(VARNHOLT_CLI) + " report " +
                            (ExamplesDir() / (std::string(name) + ".vrh")).string() + " --dump >" +
                            out + " 2>" + dir.File("err");
    const int raw = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    ASSERT_EQ(WEXITSTATUS(raw), 0) << ReadAll(dir.File("err"));
    EXPECT_EQ(ReadAll(out),
              ReadAll((ExamplesDir() / (std::string(name) + ".report.dump")).string()));
  }
}

}  // namespace
}  // namespace varnholt::project
