// The command line's table: kept apart from size, so that varnholt-cli,
// which sizes but does not draw, links no spreadsheet writer.

#include "project/report_output.h"
#include "project/sizing_commands.h"
#include "project/sizing_output.h"
#include "project/sizing_session.h"
#include "report/section_table.h"
#include "sizing/section_table.h"
#include "tables/table.h"

namespace varnholt::project {

CommandResult TableCommand(const std::vector<std::string_view>& args, const PdfWriter& pdf) {
  CommandResult r;
  SizingOptions o;
  SizingSession s;
  if (!OpenSizingSession(args, /*table=*/true, &o, &s, &r)) return r;

  sizing::TableRequest request;
  request.cases = s.cases;
  request.heights = o.heights;
  request.variables = o.variables;
  const sizing::SectionTable table = sizing::BuildSectionTable(request);
  if (table.outcome != sizing::SizingOutcome::kFound &&
      table.outcome != sizing::SizingOutcome::kNotFound) {
    if (o.json) r.out = TableJson(request, table) + "\n";
    r.err += table.message + "\n";
    return r;
  }
  r.out = o.json ? TableJson(request, table) + "\n" : TableText(request, table);

  std::string failed;
  auto fail = [&failed](const std::string& message) {
    if (!message.empty()) failed += message + "\n";
  };
  const tables::Table data = report::SectionTableData(table, request);
  if (!o.csv.empty()) fail(SaveReportFile(o.csv, tables::CsvBytes(data)));
  if (!o.xlsx.empty()) {
    const tables::XlsxResult xlsx = tables::XlsxBytes(data);
    fail(xlsx.ok ? SaveReportFile(o.xlsx, xlsx.bytes)
                 : "ファイル「" + o.xlsx + "」を作成できませんでした。\n" + xlsx.error);
  }
  if (!o.output.empty()) {
    report::SilentBeeper silent;
    fail(pdf ? pdf(o.output,
                   [&](report::ReportSurface& surface) {
                     report::PrintSectionTable(surface, table, request, o.first_page, silent);
                   })
             : "PDF を出力できません。");
  }
  if (!failed.empty()) {
    r.err += failed;
    return r;
  }
  r.status = table.outcome == sizing::SizingOutcome::kFound ? 0 : 1;
  return r;
}

}  // namespace varnholt::project
