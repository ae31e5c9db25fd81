#include "ui/forms/summary_window.h"

#include <memory>
#include <utility>

#include "report/page_plan.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/preview.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "総括表";
constexpr const char* kNormal = "常時";
constexpr const char* kSeismic = "地震時";
constexpr const char* kSeismicK1 = "地震時 ①";
constexpr const char* kSeismicK2 = "地震時 ②";
constexpr const char* kGoverning = "（決定）";
constexpr const char* kItem = "項目";
constexpr const char* kNote = "計算結果はありません。「両ケース計算」で両ケースを計算します。";
constexpr const char* kNotComputed = "：計算できません。";

constexpr ui::Rgb kNgRed = 0xFF0000;

// Layout, twips.
constexpr int kLabelLeft = 120;
constexpr int kUnitLeft = 2520;
constexpr int kCasesLeft = 3240;
constexpr int kColumnWidth = 2600;
constexpr int kValueWidth = 900;
constexpr int kLimitWidth = 1260;
constexpr int kMarkWidth = 380;
constexpr int kHeadTop = 120;
constexpr int kRowsTop = 450;
constexpr int kRowHeight = 270;
constexpr int kLabelHeight = 255;

// A label of one line of the table.
Control& AddTableLabel(Window& w, const std::string& name, int left, int top, int width) {
  Control& c = AddLabel(w, name, "", left, top);
  c.width = width;
  c.height = kLabelHeight;
  return c;
}

std::string Suffix(int r, int c) { return std::to_string(r) + "_" + std::to_string(c); }

// The heading of the seismic column of a method.
const char* SeismicHeading(SeismicMethod method, bool both) {
  if (!both) return kSeismic;
  return method == SeismicMethod::kK1 ? kSeismicK1 : kSeismicK2;
}

report::SummaryCase CaseOf(CaseCalculation& c, const char* heading, bool governing) {
  report::SummaryCase out;
  out.heading = heading;
  out.governing = governing;
  if (c.computed) {
    out.dc = &c.app->dc();
    out.sel = ReadSelections(*c.app);
  } else {
    out.reason = c.reason;
  }
  return out;
}

void Paint(const SummaryWindow::Cell& cell, report::SummaryMark mark) {
  const ui::Rgb color = mark == report::SummaryMark::kNg ? kNgRed : ui::kBlack;
  for (const ControlRef* c : {&cell.value, &cell.limit, &cell.mark}) (*c)->SetForeColor(color);
}

void Clear(SummaryWindow& s) {
  for (SummaryWindow::Line& line : s.rows) {
    line.label->SetVisible(false);
    line.unit->SetVisible(false);
    for (SummaryWindow::Cell& cell : line.cells) {
      for (ControlRef* c : {&cell.value, &cell.limit, &cell.mark}) {
        (*c)->SetCaption("");
        (*c)->SetVisible(false);
      }
    }
  }
  for (ControlRef& h : s.headings) h->SetCaption("");
  for (ControlRef& r : s.reasons) {
    r->SetCaption("");
    r->SetVisible(false);
  }
  s.note->SetVisible(true);
}

}  // namespace

void DefineForm21(ui::Window& w, App&) {
  w.SetCaption(kTitle);
  w.width = kCasesLeft + kColumnWidth * kSummaryColumns + 240;
  w.height = kRowsTop + kRowHeight * (kSummaryRows + kSummaryColumns + 1) + 480;
  w.Move(0, kResultsTop);
  SummaryWindow& s = w.Attach(std::make_unique<SummaryWindow>(w));
  AddLabel(w, "lblItem", kItem, kLabelLeft, kHeadTop).bold = true;
  for (int c = 0; c < kSummaryColumns; ++c) {
    Control& h =
        AddLabel(w, "lblH" + std::to_string(c), "", kCasesLeft + c * kColumnWidth, kHeadTop);
    h.width = kColumnWidth;
    h.alignment = ui::Alignment::kCenter;
    h.bold = true;
    s.headings[c] = h;
  }
  for (int r = 0; r < kSummaryRows; ++r) {
    SummaryWindow::Line& line = s.rows[r];
    const int top = kRowsTop + r * kRowHeight;
    const std::string n = std::to_string(r);
    line.label = AddTableLabel(w, "lblR" + n, kLabelLeft, top, kUnitLeft - kLabelLeft);
    line.unit = AddTableLabel(w, "lblU" + n, kUnitLeft, top, kCasesLeft - kUnitLeft);
    for (int c = 0; c < kSummaryColumns; ++c) {
      const int left = kCasesLeft + c * kColumnWidth;
      SummaryWindow::Cell& cell = line.cells[c];
      cell.value = AddTableLabel(w, "lblV" + Suffix(r, c), left, top, kValueWidth);
      cell.value->alignment = ui::Alignment::kRight;
      cell.limit =
          AddTableLabel(w, "lblL" + Suffix(r, c), left + kValueWidth + 60, top, kLimitWidth);
      cell.mark = AddTableLabel(w, "lblM" + Suffix(r, c), left + kColumnWidth - kMarkWidth, top,
                                kMarkWidth);
    }
  }
  const int reasons_top = kRowsTop + kRowHeight * (kSummaryRows + 1);
  for (int c = 0; c < kSummaryColumns; ++c) {
    Control& r =
        AddLabel(w, "lblN" + std::to_string(c), "", kLabelLeft, reasons_top + c * kRowHeight);
    r.width = w.width - 2 * kLabelLeft;
    s.reasons[c] = r;
  }
  s.note = AddTableLabel(w, "lblNote", kLabelLeft, kRowsTop, w.width - 2 * kLabelLeft);
  s.note->SetCaption(kNote);
  Clear(s);
}

SummaryWindow& Summary(App& app) { return HandlesOf<SummaryWindow>(app.Form(kForm21)); }

report::SummaryTable SummaryOf(BothCases& both) {
  std::vector<report::SummaryCase> cases;
  cases.push_back(CaseOf(both.normal, kNormal, false));
  const bool two = both.other_method.load_case == LoadCase::kSeismic;
  CaseCalculation* first = &both.seismic;
  CaseCalculation* second = two ? &both.other_method : nullptr;
  // ① before ②, whichever the dialog selects.
  if (two && second->method == SeismicMethod::kK1) std::swap(first, second);
  for (CaseCalculation* c : {first, second}) {
    if (c == nullptr) continue;
    const bool governing =
        two && both.governing != SeismicMethod::kNone && c->method == both.governing;
    cases.push_back(CaseOf(*c, SeismicHeading(c->method, two), governing));
  }
  return report::BuildSummaryTable(cases);
}

void ShowSummary(App& app, const report::SummaryTable& table) {
  SummaryWindow& s = Summary(app);
  Clear(s);
  s.note->SetVisible(false);
  const std::size_t columns = std::min<std::size_t>(table.columns.size(), kSummaryColumns);
  for (std::size_t c = 0; c < columns; ++c) {
    const report::SummaryColumn& column = table.columns[c];
    s.headings[c]->SetCaption(column.heading + (column.governing ? kGoverning : ""));
    if (!column.computed) {
      s.reasons[c]->SetCaption(column.heading + kNotComputed + column.reason);
      s.reasons[c]->SetVisible(true);
    }
  }
  const std::size_t rows = std::min<std::size_t>(table.rows.size(), kSummaryRows);
  for (std::size_t r = 0; r < rows; ++r) {
    const report::SummaryRow& row = table.rows[r];
    SummaryWindow::Line& line = s.rows[r];
    line.label->SetCaption(row.label);
    line.label->SetVisible(true);
    line.unit->SetCaption(row.unit);
    line.unit->SetVisible(true);
    for (std::size_t c = 0; c < columns && c < row.cells.size(); ++c) {
      const report::SummaryCell& cell = row.cells[c];
      const SummaryWindow::Cell& labels = line.cells[c];
      labels.value->SetCaption(cell.value);
      labels.limit->SetCaption(cell.limit);
      labels.mark->SetCaption(report::SummaryMarkText(cell.mark));
      Paint(labels, cell.mark);
      for (const ControlRef* l : {&labels.value, &labels.limit, &labels.mark}) {
        (*l)->SetVisible(true);
      }
    }
  }
}

void BothCasesCommand(App& app) {
  if (!app.windows().IsLoaded(kForm2)) return;
  BothCases both = CalculateBothCases(app);
  ShowSummary(app, SummaryOf(both));
  Summary(app).window.Show();
}

void ClearSummary(App& app) {
  if (app.windows().IsLoaded(kForm21)) Clear(Summary(app));
}

void InstallSummary(App& app) {
  app.commands.calculated = [&app] {
    const bool shown = app.windows().IsLoaded(kForm21) && Summary(app).window.Shown();
    if (shown || BothCasesSet(app)) BothCasesCommand(app);
  };
}

void WriteBothCasesReport(App& app, report::ReportSurface& out, const report::PrintJob& job,
                          report::Beeper& beeper) {
  BothCases both = CalculateBothCases(app);
  const report::SummaryTable table = SummaryOf(both);
  std::vector<report::PrintedCase> cases;
  for (CaseCalculation* c : {&both.normal, &both.seismic}) {
    if (!c->computed) continue;
    report::PrintedCase printed;
    printed.dc = &c->app->dc();
    printed.sel = ReadSelections(*c->app);
    printed.inputs = ReportInputsOf(*c->app);
    cases.push_back(std::move(printed));
  }
  // The general items are the design's own, as the windows hold them.
  const Selections sel = ReadSelections(app);
  const report::ReportInputs inputs = ReportInputsOf(app);
  report::ReportContext general{out, app.dc(), sel, inputs, beeper};
  report::PrintBothCases(job, general, cases, table);
}

}  // namespace varnholt::forms
