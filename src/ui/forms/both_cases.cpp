#include "ui/forms/both_cases.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "calc/body_stress.h"
#include "calc/fence.h"
#include "calc/verdicts.h"
#include "ui/forms/collect.h"
#include "ui/forms/form20.h"
#include "ui/forms/handles.h"
#include "ui/forms/restore.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMsgShortTermFence =
    "フェンスに短期荷重があるため、地震時は検討しません（短期荷重は常時で検討します）。";
constexpr const char* kMsgTypedCoefficient =
    "主働土圧係数が直接入力されています。この荷重ケースでは地震時の主働土圧係数を使うため、"
    "計算しません。";
constexpr const char* kMsgNoResult = "安定性の検討ができませんでした。";

bool IsSeismicCaseOf(const ConditionsWindow& c) { return c.case_seismic->Value(); }

// The copy chooses its case as the buttons do; a typed coefficient is kept
// where the case chosen still reads the normal coefficient and allows it to
// be typed (the normal case, method ② on level ground).
void ChooseCase(App& copy, LoadCase load_case, SeismicMethod method, bool& typed_refused) {
  ConditionsWindow& c = Conditions(copy);
  const bool level_or_slope = IsLevelOrSlope(c);
  const LevelDimensionsWindow& f3 = LevelDimensions(copy);
  const bool typed = level_or_slope && f3.ka_entered->Value();
  const std::string typed_ka = f3.ka_text->Text();
  bool switched = false;
  // The seismic case restored has its coefficients, as after Open.
  if (IsSeismicCaseOf(c)) Jisin(copy);
  if (load_case == LoadCase::kSeismic) {
    if (!IsSeismicCaseOf(c)) {
      c.seismic_button->Click();
      switched = true;
    }
    SeismicDialog& d = Seismic(copy);
    if (method != SeismicMethod::kNone && MethodOf(d) != method) {
      (method == SeismicMethod::kK1 ? d.method_k1 : d.method_k2)->Click();
      d.ok_button->Click();
      switched = true;
    }
  } else if (IsSeismicCaseOf(c)) {
    c.normal_button->Click();
    switched = true;
  }
  if (!level_or_slope || !switched || !typed) return;
  if (f3.direct_button->Enabled() && f3.ka_entered->Enabled()) {
    f3.ka_entered->SetValue(true);
    f3.ka_text->SetText(typed_ka);
    f3.ka_text->SetBorderStyle(1);
  } else {
    typed_refused = true;
  }
}

// The margins of one verdict: how far the value lies on the safe side of
// its limit, as a factor.
double MarginOf(const Verdict& v) {
  const double value = std::abs(v.value);
  switch (v.measure) {
    case Measure::kF:
    case Measure::kD:
    case Measure::kFs:
    case Measure::kFk:
      return v.limit != 0 ? v.value / v.limit : std::numeric_limits<double>::infinity();
    case Measure::kE:
    case Measure::kSigmaMax:
      if (!v.ok && v.reason != VerdictReason::kNone) return 0;
      return value != 0 ? v.limit / value : std::numeric_limits<double>::infinity();
  }
  return std::numeric_limits<double>::infinity();
}

}  // namespace

ui::MsgResult QuietPlatform::MessageBox(const ui::MessageBoxRequest& request) {
  messages.push_back(request.text);
  switch (request.buttons) {
    case ui::MsgButtons::kOk:
      return ui::MsgResult::kOk;
    case ui::MsgButtons::kOkCancel:
      return request.default_button == 2 ? ui::MsgResult::kCancel : ui::MsgResult::kOk;
    case ui::MsgButtons::kYesNo:
      return request.default_button == 2 ? ui::MsgResult::kNo : ui::MsgResult::kYes;
    case ui::MsgButtons::kSaveDiscardCancel:
    case ui::MsgButtons::kRestoreDiscard:
      // A copy owns no file: whatever would save or discard is cancelled.
      return ui::MsgResult::kCancel;
  }
  return ui::MsgResult::kOk;
}

CaseCalculation CalculateCaseOnCopy(App& app, LoadCase load_case, SeismicMethod method) {
  CaseCalculation out;
  out.load_case = load_case;
  out.platform = std::make_unique<QuietPlatform>();
  out.app = std::make_unique<App>(*out.platform);
  App& copy = *out.app;
  RestoreWindows(copy, ReadProjectState(app));
  ApplyFenceLoadCase(copy);
  if (load_case == LoadCase::kSeismic && IsShortTermFenceLoad(copy.dc().FenceLoadType)) {
    out.reason = kMsgShortTermFence;
    return out;
  }
  // A seismic case with a setting missing is not calculated with the box
  // read as 0: the dialog's ＯＫ would refuse it.
  if (load_case == LoadCase::kSeismic) {
    if (const char* missing = MissingSeismicSetting(copy)) {
      out.reason = missing;
      return out;
    }
  }
  bool typed_refused = false;
  ChooseCase(copy, load_case, method, typed_refused);
  if (typed_refused) {
    out.reason = kMsgTypedCoefficient;
    return out;
  }
  out.platform->messages.clear();
  if (load_case == LoadCase::kSeismic) out.method = MethodOf(Seismic(copy));
  ConditionsWindow& c = Conditions(copy);
  if (IsLevelOrSlope(c) && !LevelDimensions(copy).ka_entered->Value()) {
    LevelDimensions(copy).compute_button->Click();
  }
  // A coefficient that could not be computed has been reported; the
  // calculate command then asks for one, which is not the reason.
  if (out.platform->messages.empty()) Results(copy).calculate_button->Click();
  out.computed = copy.results().valid();
  if (!out.computed) {
    out.reason = out.platform->messages.empty() ? kMsgNoResult : out.platform->messages.front();
  }
  return out;
}

bool BothCasesSet(App& app) {
  const Selections s = ReadStoredSelections(app);
  if (s.fence == FenceOption::kWith && IsShortTermFenceLoad(app.dc().FenceLoadType)) return false;
  const SeismicDialog& d = Seismic(app);
  return s.normal_checks.overturn != NormalOverturn::kNone &&
         s.seismic_checks.overturn != SeismicOverturn::kNone &&
         s.seismic_checks.sliding != SeismicSliding::kNone &&
         s.seismic_method != SeismicMethod::kNone && !d.kh_text->Text().empty() &&
         !d.kv_text->Text().empty();
}

BothCases CalculateBothCases(App& app) {
  BothCases both;
  both.normal = CalculateCaseOnCopy(app, LoadCase::kNormal);
  both.seismic = CalculateCaseOnCopy(app, LoadCase::kSeismic);
  const SeismicMethod shown = both.seismic.method;
  if (StandardOf(Conditions(app)) != Standard::kResidential ||
      (shown != SeismicMethod::kK1 && shown != SeismicMethod::kK2)) {
    return both;
  }
  const SeismicMethod other = shown == SeismicMethod::kK1 ? SeismicMethod::kK2 : SeismicMethod::kK1;
  both.other_method = CalculateCaseOnCopy(app, LoadCase::kSeismic, other);
  if (both.seismic.computed && both.other_method.computed) {
    const double shown_margin = SmallestMargin(*both.seismic.app);
    const double other_margin = SmallestMargin(*both.other_method.app);
    // Equal margins: the method the dialog selects.
    both.governing = other_margin < shown_margin ? other : shown;
  }
  return both;
}

double SmallestMargin(App& calculated) {
  const DesignCase& dc = calculated.dc();
  const Selections sel = ReadSelections(calculated);
  double smallest = std::numeric_limits<double>::infinity();
  const StabilityVerdicts v = JudgeStability(dc, sel);
  for (const ShownVerdict& shown : ShownVerdicts(v, dc.ShearKeyFlag == kShearKeyFlagWith)) {
    smallest = std::min(smallest, MarginOf(shown.verdict));
  }
  const BodyStressResult body = CheckBodyStress(dc, sel);
  if (body.ok() && !body.sections.empty() && body.Governing().verdict.ratio > 0) {
    smallest = std::min(smallest, 1 / body.Governing().verdict.ratio);
  }
  return smallest;
}

}  // namespace varnholt::forms
