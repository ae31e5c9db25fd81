#pragma once
// Test support for the report: a beeper that counts, a context bundle, and
// the comparison of a recorded dump with a reviewed expected dump under
// src/report/testdata. Used by the report's tests and by the tests of the
// layers above.

#include <filesystem>
#include <string>
#include <vector>

#include "report/recording_surface.h"
#include "report/report_context.h"

namespace varnholt::report::testing {

/// Counts the beeps a section sounds.
class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++count; }
  int count = 0;
};

/// A design case, its selections and window texts with a recording surface,
/// ready to hand to a section.
struct Bench {
  explicit Bench(int page = 1) : out(page) {}
  DesignCase dc;
  Selections sel;
  ReportInputs inputs;
  RecordingSurface out;
  CountingBeeper beeper;
  ReportContext ctx() { return ReportContext{out, dc, sel, inputs, beeper}; }
};

/// Fills a bench from the design-case file `name` in src/report/testdata:
/// one "key value" per line ("# ..." comments), keys `sel.<group>` with an
/// enumerator name (kResidential), `form2.<control>`, the text slots by
/// name, `Cond[i]`, `Calc[i]`, and the trial-wedge and fence scalars by
/// name. Slots not named keep 0. Returns an error text, empty on success.
std::string LoadDesignCase(const std::string& name, Bench& bench);

/// The texts printed on the surface, in drawing order.
std::vector<std::string> TextsOf(const RecordingSurface& out);

/// Compares `actual` with the expected dump `name` in src/report/testdata.
/// On a difference the message names the first differing line and the
/// actual dump is written to varnholt-dumps/`name`.actual in the temporary
/// directory for review. Returns an empty string when equal.
std::string CompareWithExpectedDump(const std::string& name, const std::string& actual);

/// The same comparison with an expected dump kept elsewhere (beside the
/// example projects); the actual dump goes to varnholt-dumps/<file
/// name>.actual in the temporary directory.
std::string CompareWithExpectedDumpFile(const std::filesystem::path& expected,
                                        const std::string& actual);

}  // namespace varnholt::report::testing
