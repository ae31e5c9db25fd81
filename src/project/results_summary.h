#pragma once
// The results of an opened design as the results window shows them: a text
// summary for people and a JSON object for programs (the command-line tool).

#include <string>

#include "calc/body_stress.h"

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// The verdicts the results window shows: every visible, non-empty verdict
/// label of the overturning, bearing and sliding rows, by their colour.
struct ShownVerdicts {
  int shown = 0;
  int ng = 0;  // shown in the NG colour
};
ShownVerdicts CountShownVerdicts(forms::App& app);

/// The stress check of the wall body on the design of the last calculation
/// and the options the windows show.
BodyStressResult BodyCheckOf(forms::App& app);

/// True when every verdict of the stability checks and every section of the
/// body check are O.K: the command line's exit status 0.
bool AllVerdictsOk(forms::App& app);

/// The summary rows as the results window shows them, one line per row:
/// the row caption, then the visible labels of the row; then the governing
/// section of the body check (depth, t, N, S, M, σ1, σ2, τ, allowables,
/// ratio, verdict).
std::string ResultsSummaryText(forms::App& app);

/// One JSON object: "valid", "error" (null when empty), "Cond" (28),
/// "Calc" (70), "wedge", "fence", "flags", "labels" (lbl5 … lbl24 with
/// caption, visibility and NG colour), "verdicts" (each shown row: "row",
/// "value", "limit", "ng" and "reason", the sentence when a base off the
/// ground fails it, else null), "warnings" (soil constants outside their
/// practical range: "code" and "text") and "body" (the body check with every
/// section, null without a valid result). Numbers carry 17 significant
/// digits; a number that is not finite is null.
std::string ResultsJson(forms::App& app, bool valid, const std::string& error);

/// True when the calculated design has an NG verdict, by the one verdict
/// function (what the results window paints in the NG colour).
bool AnyVerdictNg(forms::App& app);

}  // namespace varnholt::project
