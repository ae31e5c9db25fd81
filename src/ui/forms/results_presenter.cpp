#include "ui/forms/results_presenter.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "calc/design_verdict.h"
#include "calc/verdicts.h"
#include "report/number_format.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/sizing_entry.h"
#include "ui/forms/summary_window.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kF = "F =";
constexpr const char* kDm = "d(m)=";
constexpr const char* kEm = "e(m)=";
constexpr const char* kSigmaMax = "σmax=";
constexpr const char* kQMax = "ｑmax=";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kOkMark = "∴O.K";
constexpr const char* kNgMark = "∴NG";
// A base off the ground, in the row's few columns: the resultant beyond the
// edge of the base, or a maximum pressure below zero.
constexpr const char* kOutsideBase = "e > B/2";
constexpr const char* kSigmaNegative = "σmax < 0";
constexpr const char* kQNegative = "ｑmax < 0";

template <std::size_t N>
void SetVisible(const std::array<ControlRef, N>& row, bool visible) {
  for (const ControlRef& c : row) c->SetVisible(visible);
}

// The toolbar buttons that need valid results: 印刷ｲﾒｰｼﾞ, 印刷. 上書き保存
// follows the open design instead (SaveCommandsAvailable).
void DisableResultButtons(App& app, MainWindow& main) {
  for (const ControlRef* b : {&main.preview_button, &main.print_button}) (*b)->SetEnabled(false);
  main.overwrite_button->SetEnabled(SaveCommandsAvailable(app));
}

// ------------------------------------------------------------ Kekka

std::string Number(double v) { return report::FormatNumber(v, "0.000"); }

const char* ReasonText(const Selections& sel, VerdictReason reason) {
  if (reason == VerdictReason::kResultantOutsideBase) return kOutsideBase;
  return sel.standard == Standard::kRoad ? kQNegative : kSigmaNegative;
}

// " > 1.5 ∴O.K" / " < 1.5 ∴NG" for a factor; `lead` is the blank in front.
// A factor that fails for its base off the ground says so: " e > B/2 ∴NG".
std::string FactorText(const Selections& sel, const Verdict& v, const char* lead = " ") {
  if (v.reason != VerdictReason::kNone) {
    return std::string(" ") + ReasonText(sel, v.reason) + " " + kNgMark;
  }
  const std::string limit = report::FormatNumber(v.limit, "0.0");
  return std::string(lead) + (v.ok ? "> " : "< ") + limit + " " + (v.ok ? kOkMark : kNgMark);
}

// " > B/3 ∴O.K" for d; " < B/6 ∴O.K" / " > B/6 ∴NG" for |e|.
std::string RatioText(const Verdict& v) {
  const std::string limit = "B/" + std::to_string(v.divisor);
  const bool greater = v.measure == Measure::kD ? v.ok : !v.ok;
  return std::string(greater ? " > " : " < ") + limit + " " + (v.ok ? kOkMark : kNgMark);
}

template <std::size_t N>
void Paint(const std::array<ControlRef, N>& row, bool ok) {
  for (const ControlRef& c : row) c->SetForeColor(ok ? ui::kBlack : ui::kLightMagenta);
}

using Row = std::array<ControlRef, 3>;

// Writes a three-label row (name, value, verdict) and beeps for an NG.
void WriteRow(App& app, const Row& row, const char* name, double value, const std::string& verdict,
              bool ok) {
  row[0]->SetCaption(name);
  row[1]->SetCaption(Number(value));
  row[2]->SetCaption(verdict);
  Paint(row, ok);
  if (!ok) app.platform().Beep();
}

void WriteOverturningRow(App& app, const Selections& sel, const Row& row, const Verdict& v) {
  if (!v.judged) return;
  switch (v.measure) {
    case Measure::kF:
      WriteRow(app, row, kF, v.value, FactorText(sel, v), v.ok);
      break;
    case Measure::kD:
      WriteRow(app, row, kDm, v.value, RatioText(v), v.ok);
      break;
    case Measure::kE:
      WriteRow(app, row, kEm, v.value, RatioText(v), v.ok);
      break;
    default:
      break;
  }
}

void WriteBearing(ResultsWindow& r, const Selections& sel, const Verdict& v) {
  if (!v.judged) return;
  r.bearing[0]->SetCaption(sel.standard == Standard::kRoad ? kQMax : kSigmaMax);
  r.bearing[1]->SetCaption(Number(v.value));
  r.bearing[2]->SetCaption(kKNm2);
  if (v.reason != VerdictReason::kNone) {
    // No comparison with the allowable value: the base is off the ground.
    r.bearing[3]->SetCaption("");
    r.bearing[4]->SetCaption(ReasonText(sel, v.reason));
    r.bearing[5]->SetCaption("");
  } else {
    r.bearing[3]->SetCaption(v.ok ? "<" : ">");
    r.bearing[4]->SetCaption(report::FormatNumber(v.limit, "0.0"));
    r.bearing[5]->SetCaption(kKNm2);
  }
  r.bearing[6]->SetCaption(v.ok ? kOkMark : kNgMark);
  // A bearing NG is shown in colour only; it sounds no beep.
  Paint(r.bearing, v.ok);
}

// Fs without the key. With a key the next stage always rewrites this row,
// so its NG is neither written nor sounded then: a beep always belongs to a
// verdict that stays on the screen.
void WriteSliding(App& app, ResultsWindow& r, const DesignCase& dc, const Selections& sel,
                  const Verdict& v) {
  if (!v.judged) return;
  if (v.ok || dc.ShearKeyFlag != "1") {
    WriteRow(app, r.sliding, kF, v.value, FactorText(sel, v), v.ok);
    return;
  }
  r.sliding[0]->SetCaption(kF);
  r.sliding[1]->SetCaption(Number(v.value));
  Paint(r.sliding, v.ok);
}

void WriteShearKey(App& app, ResultsWindow& r, const DesignCase& dc, const Selections& sel,
                   const StabilityVerdicts& v) {
  if (dc.ShearKeyFlag != "1") return;
  if (sel.standard == Standard::kResidential) {
    r.without_key_caption->SetVisible(true);
    SetVisible(r.without_key, true);
    if (v.without_key.judged) {
      WriteRow(app, r.without_key, kF, v.without_key.value, FactorText(sel, v.without_key),
               v.without_key.ok);
    }
    // In 常時 the key row's verdict is written without the leading blank.
    const char* lead = sel.load_case == LoadCase::kNormal ? "" : " ";
    if (v.shear_key.judged) {
      WriteRow(app, r.sliding, kF, v.shear_key.value, FactorText(sel, v.shear_key, lead),
               v.shear_key.ok);
    }
  } else if (sel.standard == Standard::kRoad && v.shear_key.judged) {
    WriteRow(app, r.sliding, kF, v.shear_key.value, FactorText(sel, v.shear_key), v.shear_key.ok);
  }
}

}  // namespace

void ResultsPresenter::ShowResults() {
  valid_ = true;
  MainWindow& main = Main(app_);
  main.preview_button->SetEnabled(true);
  main.print_button->SetEnabled(true);
  main.overwrite_button->SetEnabled(SaveCommandsAvailable(app_));
  ResultsWindow& r = Results(app_);
  SetVisible(r.overturning, true);
  SetVisible(r.bearing, true);
  SetVisible(r.sliding, true);
  SetVisible(r.eccentricity, true);
  r.overall->SetVisible(true);
}

void ResultsPresenter::HideRows() {
  ResultsWindow& r = Results(app_);
  SetVisible(r.overturning, false);
  SetVisible(r.bearing, false);
  SetVisible(r.sliding, false);
  r.without_key_caption->SetVisible(false);
  SetVisible(r.without_key, false);
  r.overall->SetVisible(false);
  r.overall->SetCaption("");
}

void ResultsPresenter::ClearResults() {
  HideRows();
  for (const ControlRef& c : Results(app_).eccentricity) {
    c->SetCaption("");
    c->SetVisible(false);
  }
  DisableResultButtons(app_, Main(app_));
  valid_ = false;
  SetWarnings({});
  ShowSizingOffer(app_, false);
  ClearSummary(app_);
}

void ResultsPresenter::ClearResultsAndSlidingFactor() {
  ClearResults();
  app_.dc().Calc[calc::kSlidingF] = 0;
}

void ResultsPresenter::ClearSlidingRows() {
  ResultsWindow& r = Results(app_);
  r.without_key_caption->SetVisible(false);
  for (const Row* row : {&r.sliding, &r.without_key}) {
    for (const ControlRef& c : *row) c->SetCaption("");
  }
}

void ResultsPresenter::Forget() {
  valid_ = false;
  app_.dc().Calc[calc::kSlidingF] = 0;
  SetWarnings({});
}

void ResultsPresenter::Reset() {
  valid_ = false;
  if (app_.windows().IsLoaded(kForm11)) {
    HideRows();
    ShowSizingOffer(app_, false);
  }
  DisableResultButtons(app_, Main(app_));
  SetWarnings({});
  ClearSummary(app_);
}

void ResultsPresenter::SetWarnings(std::vector<PlausibilityWarning> warnings) {
  if (warnings.empty() && warnings_.empty()) return;
  warnings_ = std::move(warnings);
  if (on_warnings_changed) on_warnings_changed();
}

void ResultsPresenter::UpdateFileMenu() {
  MainWindow& main = Main(app_);
  const bool save = SaveCommandsAvailable(app_);
  main.file_save_as->SetEnabled(save);
  main.file_overwrite->SetEnabled(save);
  main.file_preview->SetEnabled(valid_);
  main.file_print->SetEnabled(valid_);
}

void ResultsPresenter::Saved() {
  Main(app_).overwrite_button->SetEnabled(SaveCommandsAvailable(app_));
}

bool SaveCommandsAvailable(App& app) { return app.windows().IsLoaded(kForm2); }

void Kekka(App& app) {
  const DesignCase& dc = app.dc();
  const Selections sel = ReadSelections(app);
  const StabilityVerdicts v = JudgeStability(dc, sel);
  ResultsWindow& r = Results(app);
  WriteOverturningRow(app, sel, r.overturning, v.overturning);
  WriteOverturningRow(app, sel, r.eccentricity, v.eccentricity);
  WriteBearing(r, sel, v.bearing);
  WriteSliding(app, r, dc, sel, v.sliding);
  WriteShearKey(app, r, dc, sel, v);
  // Soil constants outside their practical range go with the results.
  app.results().SetWarnings(SoilConstantWarnings(dc));
  // The overall line and the sizing offer count the wall body as well.
  const DesignVerdict overall = JudgeDesign(dc, sel);
  r.overall->SetCaption(OverallVerdictText(overall));
  r.overall->SetForeColor(overall.ok() ? ui::kBlack : ui::kLightMagenta);
  ShowSizingOffer(app, !overall.ok());
}

}  // namespace varnholt::forms
