#pragma once
// Standard-section tables (標準断面表): the sized section of one design for a
// range of retained heights h. Per height the embedment and the crest height
// are kept, and the front projection follows the design's front batter
// (f = n·Hw) unless the batter itself is sized; then the section is sized
// as SizeSection does.

#include <string>
#include <vector>

#include "sizing/sizing.h"

namespace varnholt::sizing {

/// from, from + step, …, up to `to` (included when on the grid), in m.
struct HeightRange {
  double from = 0;
  double to = 0;
  double step = 0.5;
};

/// The most heights one table may have.
inline constexpr std::int64_t kMaxTableRows = 1000;

struct TableRequest {
  /// The design (every case of it) at its own height; the rows change h.
  std::vector<DesignInput> cases;
  HeightRange heights;
  Variables variables;
  /// Called after each row with the rows done and their total.
  Progress progress;
  const std::atomic<bool>* cancel = nullptr;
};

/// One height of the table.
struct TableRow {
  double h = 0;
  std::string h_text;       // as typed, "2.50"
  double earth_height = 0;  // H = h + embedment
  /// kFound: `section` is the smallest passing section. kNotFound: the
  /// closest one, `message` says which check fails there. kRefused: this
  /// height cannot be calculated at all, `message` says why.
  SizingOutcome outcome = SizingOutcome::kRefused;
  Evaluation section;
  std::string message;
};

struct SectionTable {
  /// kFound when every row has a passing section, kNotFound when some row
  /// has none (or cannot be calculated), kRefused/kCancelled with `message`.
  SizingOutcome outcome = SizingOutcome::kRefused;
  std::string message;
  std::vector<TableRow> rows;
  /// The front batter the rows follow when it is not sized: f/Hw of the design.
  double batter = 0;
};

/// Sizes the section for every height. The request is checked as
/// SizeSection checks it (and the heights: numbers, from ≤ to, a step above
/// 0, at most kMaxTableRows rows, h not below 0), and the design must be
/// calculable at its own height.
SectionTable BuildSectionTable(const TableRequest& request);

/// The design cases at height h (text as typed): h and H (= h + embedment)
/// replaced, and the front projection f = batter·Hw written to the
/// millimetre unless `keep_front`.
std::vector<DesignInput> CasesAtHeight(const std::vector<DesignInput>& cases, Micros h,
                                       double batter, bool keep_front);

}  // namespace varnholt::sizing
