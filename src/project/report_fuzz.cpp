// libFuzzer target: a project of the documented layout, whose choices and
// numbers come from the fuzzer's bytes (now and then a slip or any number
// at all), is opened as Open opens it and calculated, and its whole report
// is drawn on the recording surface. No crash, no sanitizer report, and no
// text of the report is placed or written with a number that is not finite.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/random_project.h"
#include "report/recording_surface.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"

namespace {

struct FuzzSource {
  FuzzedDataProvider& data;
  int Pick(int n) { return data.ConsumeIntegralInRange<int>(0, n - 1); }
  double Between(double lo, double hi) {
    // One number in sixteen is anything a double can hold.
    if (data.ConsumeIntegralInRange<int>(0, 15) == 0) return data.ConsumeFloatingPoint<double>();
    return lo + (hi - lo) * data.ConsumeProbability<double>();
  }
  bool Slip() { return data.ConsumeIntegralInRange<int>(0, 15) == 0; }
};

bool Finite(const std::string& text) {
  return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos &&
         text.find("***") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  FuzzSource source{data};
  varnholt::project::testing::RandomProject<FuzzSource> project(source);
  const std::string text = project.FileText();

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  const auto opened = varnholt::project::OpenProjectBytes(app, "fuzz.vrh", text);
  if (opened.outcome == varnholt::project::OpenOutcome::kUnreadable) __builtin_trap();
  if (opened.outcome != varnholt::project::OpenOutcome::kCalculated) return 0;

  varnholt::report::RecordingSurface out;
  varnholt::report::SilentBeeper silent;
  varnholt::forms::WriteReport(app, out, {varnholt::report::PrintRange::kAll, true, 1}, silent);
  for (const varnholt::report::RecordedText& t : out.Texts()) {
    if (!std::isfinite(t.x) || !std::isfinite(t.y) || !Finite(t.text)) __builtin_trap();
  }
  for (const varnholt::report::RecordedSegment& s : out.Segments()) {
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
        !std::isfinite(s.y2)) {
      __builtin_trap();
    }
  }
  return 0;
}
