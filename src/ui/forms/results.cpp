#include "ui/forms/results.h"

#include <string>

#include "calc/fence.h"
#include "calc/keisan.h"
#include "calc/verdicts.h"
#include "model/leading_number.h"
#include "report/number_format.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/invalidate.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMsgOverturn = "転倒に対する検討方法を選択してください。";
constexpr const char* kMsgSliding = "滑動に対する検討方法を選択してください。";
constexpr const char* kMsgDeduction = "底版の有効載荷面積に対する検討方法を選択してください。";
constexpr const char* kMsgShearKey = "突起の計算をしてください。";
constexpr const char* kMsgFenceLoad = "常時又は短期を選択してください。";
constexpr const char* kMsgLoadCase = "常時又は地震時を選択してください。";
constexpr const char* kSeismicHeading = "安全性の検討方法（地震時）";
constexpr const char* kShortTermHeading = "安全性の検討方法(フェンス､柵､塀等のある場合(短期))";

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

using ui::Window;

bool AnySelected(Window& w, std::initializer_list<const char*> names) {
  for (const char* n : names) {
    if (w[n].Value()) return true;
  }
  return false;
}

std::string Label(int i) { return "lbl" + std::to_string(i); }

// ------------------------------------------------------------ check methods

// Asks for a missing choice of Form14 (地震時, or a short-term fence load in
// either case) under the given heading. True when every group that the
// calculation needs is chosen.
bool CheckForm14(App& app, double c, const char* heading) {
  Window& f14 = app.Form(kForm14);
  const char* message = nullptr;
  if (!AnySelected(f14, {"opt1", "opt2", "opt3", "opt4", "opt9", "opt10"})) {
    message = kMsgOverturn;
  } else if (!AnySelected(f14, {"opt5", "opt6"})) {
    message = kMsgSliding;
  } else if (c != 0 && !AnySelected(f14, {"opt7", "opt8"})) {
    message = kMsgDeduction;
  }
  if (message == nullptr) return true;
  app.ErrorMessage(message);
  f14["Label1"].SetCaption(heading);
  if (message == kMsgDeduction) {
    for (const char* n : {"lbl1", "opt7", "opt8"}) f14[n].SetEnabled(true);
  }
  ShowCheckMethodDialog(app, kForm14);
  return false;
}

bool CheckForm12(App& app, double c) {
  Window& f12 = app.Form(kForm12);
  if (!AnySelected(f12, {"opt1", "opt2", "opt3", "opt6"})) {
    app.ErrorMessage(kMsgOverturn);
    ShowCheckMethodDialog(app, kForm12);
    return false;
  }
  if (c != 0 && !AnySelected(f12, {"opt4", "opt5"})) {
    app.ErrorMessage(kMsgDeduction);
    for (const char* n : {"lbl1", "opt4", "opt5"}) f12[n].SetEnabled(true);
    ShowCheckMethodDialog(app, kForm12);
    return false;
  }
  return true;
}

// The check methods of the criteria set that the verdicts will use. A
// short-term fence load is judged by Form14 in either load case, so that is
// the dialog asked for then.
bool CheckMethods(App& app, double c) {
  if (IsShortTermFenceLoad(app.dc().FenceLoadType)) return CheckForm14(app, c, kShortTermHeading);
  Window& f2 = app.Form(kForm2);
  if (f2["opt4"].Value()) return CheckForm12(app, c);
  if (f2["opt5"].Value()) return CheckForm14(app, c, kSeismicHeading);
  // A fence chosen while 地震時 was selected leaves neither case selected;
  // there is no set of criteria to judge by.
  app.ErrorMessage(kMsgLoadCase);
  app.FocusAtStart(f2["cmd1"]);
  return false;
}

// With a shear key its height must have been entered in the key dialog of
// the standard; otherwise that dialog is prepared and opened.
bool CheckShearKey(App& app) {
  if (app.dc().ShearKeyFlag != "1") return true;
  const char* dialog = ShearKeyDialogName(app);
  if (dialog == nullptr || !app.Form(dialog)["txt1"].Text().empty()) return true;
  app.ErrorMessage(kMsgShearKey);
  if (Window* w = PrepareShearKeyDialog(app, /*draw_sketch=*/true)) w->ShowModal();
  return false;
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

void Paint(Window& f11, int first, int last, bool ok) {
  for (int i = first; i <= last; ++i)
    f11[Label(i)].SetForeColor(ok ? ui::kBlack : ui::kLightMagenta);
}

// Writes a three-label row (name, value, verdict) and beeps for an NG.
void WriteRow(App& app, int first, const char* name, double value, const std::string& verdict,
              bool ok) {
  Window& f11 = app.Form(kForm11);
  f11[Label(first)].SetCaption(name);
  f11[Label(first + 1)].SetCaption(Number(value));
  f11[Label(first + 2)].SetCaption(verdict);
  Paint(f11, first, first + 2, ok);
  if (!ok) app.platform().Beep();
}

void WriteOverturningRow(App& app, const Selections& sel, int first, const Verdict& v) {
  if (!v.judged) return;
  switch (v.measure) {
    case Measure::kF:
      WriteRow(app, first, kF, v.value, FactorText(sel, v), v.ok);
      break;
    case Measure::kD:
      WriteRow(app, first, kDm, v.value, RatioText(v), v.ok);
      break;
    case Measure::kE:
      WriteRow(app, first, kEm, v.value, RatioText(v), v.ok);
      break;
    default:
      break;
  }
}

void WriteBearing(App& app, const Selections& sel, const Verdict& v) {
  if (!v.judged) return;
  Window& f11 = app.Form(kForm11);
  f11["lbl8"].SetCaption(sel.standard == Standard::kRoad ? kQMax : kSigmaMax);
  f11["lbl9"].SetCaption(Number(v.value));
  f11["lbl10"].SetCaption(kKNm2);
  if (v.reason != VerdictReason::kNone) {
    // No comparison with the allowable value: the base is off the ground.
    f11["lbl11"].SetCaption("");
    f11["lbl12"].SetCaption(ReasonText(sel, v.reason));
    f11["lbl13"].SetCaption("");
  } else {
    f11["lbl11"].SetCaption(v.ok ? "<" : ">");
    f11["lbl12"].SetCaption(report::FormatNumber(v.limit, "0.0"));
    f11["lbl13"].SetCaption(kKNm2);
  }
  f11["lbl14"].SetCaption(v.ok ? kOkMark : kNgMark);
  // A bearing NG is shown in colour only; it sounds no beep.
  Paint(f11, 8, 14, v.ok);
}

// Fs without the key. With a key the next stage always rewrites this row,
// so its NG is neither written nor sounded then: a beep always belongs to a
// verdict that stays on the screen.
void WriteSliding(App& app, const DesignCase& dc, const Selections& sel, const Verdict& v) {
  if (!v.judged) return;
  Window& f11 = app.Form(kForm11);
  if (v.ok || dc.ShearKeyFlag != "1") {
    WriteRow(app, 15, kF, v.value, FactorText(sel, v), v.ok);
    return;
  }
  f11["lbl15"].SetCaption(kF);
  f11["lbl16"].SetCaption(Number(v.value));
  Paint(f11, 15, 17, v.ok);
}

void WriteShearKey(App& app, const DesignCase& dc, const Selections& sel,
                   const StabilityVerdicts& v) {
  if (dc.ShearKeyFlag != "1") return;
  Window& f11 = app.Form(kForm11);
  if (sel.standard == Standard::kResidential) {
    for (int i = 18; i <= 21; ++i) f11[Label(i)].SetVisible(true);
    if (v.without_key.judged) {
      WriteRow(app, 19, kF, v.without_key.value, FactorText(sel, v.without_key), v.without_key.ok);
    }
    // In 常時 the key row's verdict is written without the leading blank.
    const char* lead = sel.load_case == LoadCase::kNormal ? "" : " ";
    if (v.shear_key.judged) {
      WriteRow(app, 15, kF, v.shear_key.value, FactorText(sel, v.shear_key, lead), v.shear_key.ok);
    }
  } else if (sel.standard == Standard::kRoad && v.shear_key.judged) {
    WriteRow(app, 15, kF, v.shear_key.value, FactorText(sel, v.shear_key), v.shear_key.ok);
  }
}

}  // namespace

void ShowCheckMethodDialog(App& app, const char* name) {
  Window& w = app.Form(name);
  w["Label10"].SetVisible(app.Form(kForm2)["opt_T"].Value());
  w.Activate();
  w.ShowModal();
}

void ShowResultRows(App& app) {
  Window& f11 = app.Form(kForm11);
  for (int i = 5; i <= 17; ++i) f11[Label(i)].SetVisible(true);
  for (int i = 22; i <= 24; ++i) f11[Label(i)].SetVisible(true);
}

void CalculateCommand(App& app) {
  if (!CheckMainInputs(app)) return;
  DesignCase& dc = app.dc();
  if (!CheckMethods(app, WindowCohesion(app))) return;
  if (!CheckShearKey(app)) return;

  Suti(app);
  const CalcStatus status = CalculateDesign(dc, ReadSelections(app));
  if (!status.ok()) {
    // Nothing of this calculation may be shown or saved.
    Hihyouji_1(app);
    ReportCalcFailure(app, status);
    return;
  }
  app.results_valid = true;
  Window& main = app.Form(kMDIForm1);
  main[ToolButtonName(5)].SetEnabled(true);
  main[ToolButtonName(6)].SetEnabled(true);
  if (!app.current_file.empty()) main[ToolButtonName(3)].SetEnabled(true);
  ShowResultRows(app);
  Kekka(app);
}

void CheckMethodCommand(App& app) {
  const double c = WindowCohesion(app);
  app.dc().Cond[cond::kCohesion] = c;
  Window& f2 = app.Form(kForm2);
  const bool normal = f2["opt4"].Value();
  const bool seismic = f2["opt5"].Value();
  auto seismic_dialog = [&app](const char* heading) {
    app.Form(kForm14)["Label1"].SetCaption(heading);
    ShowCheckMethodDialog(app, kForm14);
  };
  if (f2["opt11"].Value()) {
    Window& f17 = app.Form(kForm17);
    if (!AnySelected(f17, {"opt1", "opt2", "opt3"})) {
      app.ErrorMessage(kMsgFenceLoad);
      f17.ShowModal();
      return;
    }
    const std::string& type = app.dc().FenceLoadType;
    if (type == "0") {
      if (normal) ShowCheckMethodDialog(app, kForm12);
      if (seismic) seismic_dialog(kSeismicHeading);
    } else if (IsShortTermFenceLoad(type)) {
      seismic_dialog(kShortTermHeading);
    }
    return;
  }
  if (normal) ShowCheckMethodDialog(app, kForm12);
  if (seismic) seismic_dialog(kSeismicHeading);
}

void Kekka(App& app) {
  const DesignCase& dc = app.dc();
  const Selections sel = ReadSelections(app);
  const StabilityVerdicts v = JudgeStability(dc, sel);
  WriteOverturningRow(app, sel, 5, v.overturning);
  WriteOverturningRow(app, sel, 22, v.eccentricity);
  WriteBearing(app, sel, v.bearing);
  WriteSliding(app, dc, sel, v.sliding);
  WriteShearKey(app, dc, sel, v);
  // Soil constants outside their practical range go with the results.
  app.SetWarnings(SoilConstantWarnings(dc));
}

}  // namespace varnholt::forms
