#pragma once
// Shared by the stability section and its shear-key part.

#include <initializer_list>
#include <string>
#include <vector>

#include "calc/verdicts.h"
#include "report/report_context.h"

namespace varnholt::report {

/// Prints `lines` (each one PrintLine of the given texts joined). When the
/// check failed they are printed in light magenta followed by one beep,
/// and the colour returns to black.
void PrintVerdictLines(ReportContext& ctx, bool ok, const std::vector<std::string>& lines);

/// " > 1.5  ∴ O.K" or " < 1.5" for a safety factor judged against `limit`.
std::string FactorVerdictText(double limit, bool ok);
/// The same for a verdict; one that failed for a reason its number does not
/// show reads "  合力が底版の外にあります  ∴ NG".
std::string FactorVerdictText(const Verdict& v);
/// "合力が底版の外にあります  ∴ NG".
std::string ReasonVerdictText(VerdictReason reason);

/// The shear-key lines after the sliding check, as the standard computes
/// the key: the passive resistance with the base friction (宅地造成) or the
/// shear resistance through the key bottom (道路土工).
void PrintShearKeyLines(ReportContext& ctx, const StabilityVerdicts& verdicts);

/// The base with the key and its pressure zones, `offset` twips below its
/// place on a page without the earth pressure values.
void DrawShearKeyDiagram(ReportContext& ctx, double offset);

/// |e|/B, 0 when B is 0.
double EccentricityRatio(const DesignCase& dc);

}  // namespace varnholt::report
