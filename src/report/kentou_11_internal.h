#pragma once
// Shared by the coefficient formulas and the trial-wedge lines of KENTOU_11.

#include <string>

#include "model/design_case.h"
#include "model/selections.h"
#include "report/report_context.h"

namespace varnholt::report {

/// "設計水平震度Kh=0.20    設計鉛直震度Kv=0.00", or under the road standard
/// the form with CZ･Kho.
std::string SeismicCoefficientText(const DesignCase& dc, Standard standard);

/// "地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ"; θk is printed
/// from the stored degrees.
std::string SeismicAngleText(const DesignCase& dc);

/// The raised-soil branch of KENTOU_11: wedge width b1, wedge weight W,
/// the maximum earth pressure with its components and their points of
/// action, as flowing lines after the heading.
void PrintTrialWedge(ReportContext& ctx);

}  // namespace varnholt::report
