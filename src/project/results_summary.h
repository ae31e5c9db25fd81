#pragma once
// The results of an opened design as the results window shows them: a text
// summary for people and a JSON object for programs (the command-line tool).

#include <string>

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// The verdicts the results window shows: every visible, non-empty verdict
/// label of the overturning, bearing and sliding rows.
struct ShownVerdicts {
  int shown = 0;
  int ng = 0;  // shown in the NG colour
};
ShownVerdicts CountShownVerdicts(forms::App& app);

/// The summary rows as the results window shows them, one line per row:
/// the row caption, then the visible labels of the row.
std::string ResultsSummaryText(forms::App& app);

/// One JSON object: "valid", "error" (null when empty), "Cond" (28),
/// "Calc" (70), "wedge", "fence", "flags" and "labels" (lbl5 … lbl24 with
/// caption, visibility and NG colour). Numbers carry 17 significant digits;
/// a number that is not finite is null.
std::string ResultsJson(forms::App& app, bool valid, const std::string& error);

}  // namespace varnholt::project
