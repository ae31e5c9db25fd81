#pragma once
// Section sizing (断面の自動決定): the section of least concrete per metre
// for which every verdict of every chosen case is O.K.
//
// The search varies the base width B and, when asked, the crest width b and
// the front batter 1:n over decimal grids, on copies of the collected
// designs. Each candidate is judged exactly as the windows would judge it
// after the engineer typed its dimensions: a computed coefficient is
// recomputed for the candidate's back face and read back from its "0.00#"
// text, an entered one is kept, raised soil runs its trial wedge, and the
// verdicts are the results window's stability verdicts and the stress check
// of the wall body. Nothing about the verdicts is assumed monotonic: the
// candidates are visited in order of area (with a fixed order among equal
// areas), so the first ones that pass are the smallest, and the search stops
// only once the best and the next few are known. When nothing passes, the
// closest section is found among all the failing ones.

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "calc/body_stress.h"
#include "calc/status.h"
#include "calc/verdicts.h"
#include "model/design_case.h"
#include "model/selections.h"
#include "sizing/grid.h"

namespace varnholt::sizing {

/// One case to satisfy: a design as the collection step leaves it (every
/// input slot filled, the check methods chosen) and its options.
struct DesignInput {
  DesignCase dc;
  Selections sel;
};

/// The bounds and step of one sized variable. B and b are in metres; the
/// front is the n of the front batter 1:n, so that the front face stays a
/// round slope (f = n·Hw).
struct VariableRange {
  bool vary = false;
  double min = 0;
  double max = 0;
  double step = 0.01;
};

/// What the search varies. Variables not varied keep the design's values.
struct Variables {
  VariableRange base{true, 0.30, 6.00, 0.01};    // B
  VariableRange crest{false, 0.30, 1.00, 0.01};  // b
  VariableRange front{false, 0.00, 1.00, 0.01};  // n of 1:n
};

/// The most candidates one search may have.
inline constexpr std::int64_t kMaxCandidates = 1'000'000;

/// Called now and then with the candidates judged so far and their total.
using Progress = std::function<void(std::size_t done, std::size_t total)>;

struct SizingRequest {
  /// Every case must pass (today the current case; both load cases later).
  std::vector<DesignInput> cases;
  Variables variables;
  /// How many passing sections to report after the best.
  std::size_t alternatives = 4;
  Progress progress;
  /// Set from another thread to stop the search; it returns kCancelled.
  const std::atomic<bool>* cancel = nullptr;
};

/// One dimension of a section: the value the calculation uses and, when the
/// search set it, the text an engineer types for it.
struct Dimension {
  double value = 0;
  std::string text;  // empty when the design's own value is kept
};

/// A candidate section.
struct Section {
  Dimension base;          // B
  Dimension crest;         // b
  Dimension front;         // f
  double batter = 0;       // n of 1:n, f/Hw (the grid value when the front is sized)
  double wall_height = 0;  // Hw
  double area = 0;         // Hw·(b + B)/2, m2 per metre
};

/// The checks a candidate must pass, in the order of the results window.
enum class Check {
  kOverturning,   // F, d or |e| of the overturning option
  kEccentricity,  // |e| of a combined option
  kBearing,       // σmax (qmax)
  kSliding,       // Fs, without a shear key
  kShearKey,      // Fk with the key
  kWithoutKey,    // Fs without the key's help (宅地造成 with a key)
  kBody,          // the stress check of the wall body
};

/// Which stress governs the body check.
enum class BodyStress { kCompression, kTension, kShear };

/// One check of one case.
struct CheckResult {
  Check check = Check::kOverturning;
  std::size_t case_index = 0;
  Measure measure = Measure::kF;  // the quantity judged (not used for kBody)
  double value = 0;               // F, d, |e|, σmax, Fs, Fk; the stress for kBody (kN/m2)
  double limit = 0;               // its limit; the allowable stress for kBody
  int divisor = 0;                // n of B/n for d and |e|
  bool ok = false;
  /// Why the check fails although its number alone would pass (a base off
  /// the ground); kNone otherwise.
  VerdictReason reason = VerdictReason::kNone;
  /// How far the check stands from its limit, ≥ 1 when it passes:
  /// value/limit for F, d, Fs and Fk; limit/value for |e| and σmax; the
  /// allowable over the stress for the body. Infinity when the value
  /// cannot reach its limit (|e| = 0, σmax ≤ 0 passing, no stress).
  double margin = 0;
  // Body only: the governing section, its stress and its stress ratio
  // (stress over allowable, the largest of the three).
  double depth = 0;  // below the crest, m
  double ratio = 0;
  BodyStress stress = BodyStress::kCompression;
};

/// A judged candidate.
struct Evaluation {
  Section section;
  /// False when a case cannot be calculated at this section; `failure` and
  /// `failed_case` say why. Such a section never passes.
  bool computed = false;
  CalcStatus failure;
  std::size_t failed_case = 0;
  std::vector<CheckResult> checks;  // the stability checks of every case, then the body
  /// The search skips the body check of a section that already fails a
  /// stability check; every section it reports has had it.
  bool body_checked = false;
  bool ok = false;
  std::size_t governing = 0;  // index in `checks` of the smallest margin
  double worst_margin = 0;    // that margin
};

enum class SizingOutcome {
  kFound,      // a passing section: `passing` holds the best first
  kNotFound,   // none in the bounds: `closest` and `message`
  kRefused,    // bad bounds or a design that cannot be calculated: `message`
  kCancelled,  // stopped through the cancel flag
};

struct SizingResult {
  SizingOutcome outcome = SizingOutcome::kRefused;
  /// Refused or cancelled: why. Not found: the sentence saying which check
  /// fails at the closest section and by how much.
  std::string message;
  /// The design with its own dimensions, judged the same way.
  Evaluation current;
  std::vector<Evaluation> passing;  // best first, then up to `alternatives` more
  Evaluation closest;               // kNotFound: the section that comes closest
  std::size_t total = 0;            // candidates in the grid that make a section (B ≥ b + f)
  std::size_t evaluated = 0;        // candidates judged before the search could stop
};

/// Sizes the section. The order of candidates is: least area (b + B), then
/// the smaller b, then the smaller front batter n (or f). Among failing
/// sections the closest is the one whose worst margin is largest, the
/// earlier in that order on a tie.
SizingResult SizeSection(const SizingRequest& request);

/// Judges one section in every case, the body check always made: what the
/// search does for each candidate, for the table and the tests.
Evaluation EvaluateSection(const std::vector<DesignInput>& cases, const Section& section);

/// The section of a design as it stands (nothing changed).
Section CurrentSection(const DesignCase& dc);

/// Puts the section's dimensions into a design case as the collection step
/// would read their texts.
void ApplySection(const Section& section, DesignCase& dc);

}  // namespace varnholt::sizing
