#pragma once
// The sections of the calculation report. Each draws on ctx.out from the
// design case of the last calculation and returns with FontSize 11,
// DrawStyle 0 and DrawWidth 1. Which section goes on which page is the page
// plan's (page_plan.h).

#include "report/report_context.h"

namespace varnholt::report {

/// IPPAN, page 1: §１．一般事項, the general items, as flowing lines from the
/// top of the page. Refreshes the design-condition slots from the
/// design-conditions window's texts first, as the collection step does.
void Ippan(ReportContext& ctx);

/// KENTOU_1, page 2: the wall chapter heading, the load-case heading, the
/// dimensioned wall figure with its value block, and the self-weight table.
/// Writes the figure scale Calc[50] and the layout offset Calc[54].
void Kentou1(ReportContext& ctx);

/// KENTOU_11, page 2 under the self-weight table: ２）擁壁に及ぼす土圧, the
/// coefficient (given, Rankine, Coulomb or Mononobe–Okabe formulas) for
/// level ground and uniform slopes, the trial-wedge derivation for raised
/// soil.
void Kentou11(ReportContext& ctx);

/// KENTOU_2, level ground and uniform slopes: the earth-pressure values and
/// their points of action, flowing on from the current line.
void Kentou2(ReportContext& ctx);

/// KENTOU_3, page 3: ３）荷重の集計, the ruled load summary table. Writes
/// nothing into the design case.
void Kentou3(ReportContext& ctx);

/// KENTOU_4, page 3: the stability chapter (overturning, bearing, sliding,
/// the shear key) and the ground-reaction or shear-key diagram. Failing
/// lines are light magenta and beep once each.
void Kentou4(ReportContext& ctx);

/// The page after the stability chapter: －３ 躯体の応力度照査, the allowable
/// stresses of the concrete, the table of every section of the wall body
/// and the governing section written out. Computes the check from the
/// design case of the last calculation; failing lines are light magenta
/// and beep once each.
void BodyStressPage(ReportContext& ctx);

}  // namespace varnholt::report
