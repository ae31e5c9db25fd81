#include "report/page_plan.h"

#include "report/drawing.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

bool LevelOrSlope(const Selections& sel) { return LevelOrSlope(sel.shape); }

}  // namespace

bool EarthPressureValuesOnPage2(const Selections& sel) {
  return LevelOrSlope(sel) && sel.coefficient == CoefficientMode::kEntered;
}

bool EarthPressureValuesOnPage3(const Selections& sel) {
  return LevelOrSlope(sel) && sel.coefficient == CoefficientMode::kComputed;
}

void PrepareSurface(ReportSurface& out) {
  out.FontSize = kStandardFontSize;
  out.FontName = kReportFontName;
}

void DrawPage(int page, ReportContext& ctx) {
  switch (page) {
    case 1:
      Ippan(ctx);
      break;
    case 2:
      Kentou1(ctx);
      Kentou11(ctx);
      if (EarthPressureValuesOnPage2(ctx.sel)) Kentou2(ctx);
      break;
    case 3:
      if (EarthPressureValuesOnPage3(ctx.sel)) Kentou2(ctx);
      Kentou3(ctx);
      Kentou4(ctx);
      break;
    case 4:
      BodyStressPage(ctx);
      break;
    default:
      break;
  }
}

void DrawPreviewPage(int page, ReportContext& ctx) {
  PrepareSurface(ctx.out);
  ctx.out.ClearSurface();
  DrawPage(page, ctx);
}

void PrintReport(const PrintJob& job, ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  PrepareSurface(out);
  const bool general = job.range == PrintRange::kGeneral || job.range == PrintRange::kAll;
  const bool stability = job.range == PrintRange::kStability || job.range == PrintRange::kAll;
  double number = job.first_page_no;
  if (general) {
    DrawPage(1, ctx);
    if (job.page_numbers) PrintPageNumber(out, number++);
    out.NewPage();
  }
  if (stability) {
    DrawPage(2, ctx);
    if (job.page_numbers) PrintPageNumber(out, number++);
    out.NewPage();
    DrawPage(3, ctx);
    if (job.page_numbers) PrintPageNumber(out, number++);
    if (job.body_stress) {
      out.NewPage();
      DrawPage(4, ctx);
      if (job.page_numbers) PrintPageNumber(out, number++);
    }
  }
  out.EndDoc();
}

}  // namespace varnholt::report
