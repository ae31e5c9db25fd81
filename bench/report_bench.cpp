// The calculation report of an example project: drawn into a recording, and
// written as an A4 PDF file (one case, or both cases with the summary page)
// as the print command and varnholt-cli report write it (sections, Qt
// surface, PDF writer, file).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "opened_example.h"
#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/report_output.h"
#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/forms/preview.h"

namespace {

using varnholt::bench::Opened;

void WritePdf(benchmark::State& state, const char* name,
              const varnholt::report::PrintJob& job = {}) {
  Opened opened(name);
  if (job.both_cases) {
    // Example 03 is saved in 地震時 with ① and ②: with the normal case's
    // check method chosen, both cases and both methods are calculated.
    varnholt::forms::NormalChecks(opened.app).overturn_f15->SetValue(true);
  }
  const auto font = varnholt::report::qt::FindReportFont();
  QTemporaryDir dir;
  if (!opened.ok || !font || !dir.isValid()) {
    state.SkipWithError("the example did not open or no report face is installed");
    return;
  }
  const std::string path = dir.filePath("report.pdf").toStdString();
  varnholt::report::SilentBeeper silent;
  for (auto _ : state) {
    varnholt::report::qt::PdfDocument pdf(*font);
    varnholt::forms::WriteReport(opened.app, pdf.surface(), job, silent);
    const QByteArray& bytes = pdf.bytes();
    if (!pdf.finished() ||
        !varnholt::project::SaveReportFile(
             path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
             .empty()) {
      state.SkipWithError("the PDF could not be written");
      break;
    }
  }
}

void BM_ReportPdfLevelEnteredCoefficient(benchmark::State& state) {
  WritePdf(state, "01_residential_level_entered_ka.vrh");
}
void BM_ReportPdfSlopeCoulombFormula(benchmark::State& state) {
  WritePdf(state, "02_residential_slope_computed_ka.vrh");
}
void BM_ReportPdfRaisedSoilTrialWedge(benchmark::State& state) {
  WritePdf(state, "03_residential_raised_seismic_method2.vrh");
}

// 両ケース: the three calculations on copies, seven pages of both cases and
// the summary page (target under 400 ms).
void BM_ReportPdfBothCasesRaisedSoil(benchmark::State& state) {
  varnholt::report::PrintJob job;
  job.both_cases = true;
  job.page_numbers = true;
  WritePdf(state, "03_residential_raised_seismic_method2.vrh", job);
}

// The sections alone, for comparison: what the preview pages cost.
void BM_ReportRecordingSlope(benchmark::State& state) {
  Opened opened("02_residential_slope_computed_ka.vrh");
  varnholt::report::SilentBeeper silent;
  for (auto _ : state) {
    varnholt::report::RecordingSurface out;
    varnholt::forms::WriteReport(opened.app, out, varnholt::report::PrintJob{}, silent);
    benchmark::DoNotOptimize(out.pages().size());
  }
}

BENCHMARK(BM_ReportPdfLevelEnteredCoefficient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPdfSlopeCoulombFormula)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPdfRaisedSoilTrialWedge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPdfBothCasesRaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportRecordingSlope)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts, pictures and the PDF writer need a GUI application, never a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char program[] = "varnholt_gui_bench";
  char* qt_argv[] = {program, nullptr};
  QGuiApplication app(qt_argc, qt_argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
