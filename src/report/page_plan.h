#pragma once
// Which sections draw on which of the three report pages, and the order of
// a printout. The preview windows and the printer dialog live above this
// layer; they choose the surface and call these functions.
//
//   page 1  IPPAN
//   page 2  KENTOU_1, KENTOU_11, and KENTOU_2 when the coefficient of level
//           ground or a uniform slope was entered directly
//   page 3  KENTOU_2 when that coefficient was computed, KENTOU_3, KENTOU_4
//   page 4  the stress check of the wall body, when the job asks for it

#include "report/report_context.h"

namespace varnholt::report {

/// The print range of the print-range dialog (Form10 opt1, opt2, opt3).
/// The body-stress page belongs to the calculation: it follows page 3
/// wherever page 3 is printed and the job asks for it.
enum class PrintRange {
  kGeneral,    // 一般事項: page 1
  kStability,  // 安定計算: pages 2 and 3 (and 4)
  kAll,        // 一般事項 ・ 安定計算: pages 1 to 3 (and 4)
};

/// The highest page number of the report.
inline constexpr int kLastPage = 4;

/// The earth-pressure values end page 2 (coefficient entered) or open
/// page 3 (coefficient computed); raised soil has none of them.
bool EarthPressureValuesOnPage2(const Selections& sel);
bool EarthPressureValuesOnPage3(const Selections& sel);

/// Gives a surface the report's font: "ＭＳ 明朝", 11 points.
void PrepareSurface(ReportSurface& out);

/// Draws the sections of report page `page` (1 to 4) on ctx.out, from
/// the top of a fresh page. Draws nothing for another page number.
void DrawPage(int page, ReportContext& ctx);

/// A preview page: prepares and clears the surface, then draws the page.
/// The caller has collected the inputs into the design case first (page 2
/// of the preview does so; IPPAN refreshes page 1 itself).
void DrawPreviewPage(int page, ReportContext& ctx);

/// What the print-range dialog asked for.
struct PrintJob {
  PrintRange range = PrintRange::kAll;
  bool page_numbers = false;
  /// First page number; printed rounded ("0"), so 1.5 numbers from 2.
  double first_page_no = 1;
  /// The stress check of the wall body (躯体の照査) as page 4 after the
  /// stability chapter; on unless the engineer leaves it out.
  bool body_stress = true;
  /// 両ケース: the pages of both load cases and the summary page
  /// (PrintBothCases); the windows layer calculates the cases.
  bool both_cases = false;
};

/// Prints the job on a printer surface (ctx.out) in one document: the
/// pages of the range (page 4 with pages 2 and 3 when job.body_stress), each followed by its footer
/// when numbered, a NewPage between pages and EndDoc at the end.
void PrintReport(const PrintJob& job, ReportContext& ctx);

}  // namespace varnholt::report
