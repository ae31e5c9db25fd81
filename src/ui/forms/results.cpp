#include "ui/forms/results.h"

#include <initializer_list>
#include <string>

#include "calc/fence.h"
#include "calc/keisan.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
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

using ui::Window;

bool AnySelected(std::initializer_list<const ControlRef*> options) {
  for (const ControlRef* o : options) {
    if ((*o)->Value()) return true;
  }
  return false;
}

// ------------------------------------------------------------ check methods

// Asks for a missing choice of Form14 (地震時, or a short-term fence load in
// either case) under the given heading. True when every group that the
// calculation needs is chosen.
bool CheckForm14(App& app, double c, const char* heading) {
  SeismicChecksDialog& f14 = SeismicChecks(app);
  const char* message = nullptr;
  if (!AnySelected({&f14.overturn_f10, &f14.overturn_f12, &f14.overturn_e2, &f14.overturn_e3,
                    &f14.overturn_f10_e2, &f14.overturn_f12_e3})) {
    message = kMsgOverturn;
  } else if (!AnySelected({&f14.sliding_f10, &f14.sliding_f12})) {
    message = kMsgSliding;
  } else if (c != 0 && !AnySelected({&f14.deduct, &f14.no_deduct})) {
    message = kMsgDeduction;
  }
  if (message == nullptr) return true;
  app.ErrorMessage(message);
  f14.heading->SetCaption(heading);
  if (message == kMsgDeduction) {
    for (ControlRef* c : {&f14.deduction_caption, &f14.deduct, &f14.no_deduct}) {
      (*c)->SetEnabled(true);
    }
  }
  ShowCheckMethodDialog(app, f14);
  return false;
}

bool CheckForm12(App& app, double c) {
  NormalChecksDialog& f12 = NormalChecks(app);
  if (!AnySelected({&f12.overturn_f15, &f12.overturn_d, &f12.overturn_e, &f12.overturn_f15_e})) {
    app.ErrorMessage(kMsgOverturn);
    ShowCheckMethodDialog(app, f12);
    return false;
  }
  if (c != 0 && !AnySelected({&f12.deduct, &f12.no_deduct})) {
    app.ErrorMessage(kMsgDeduction);
    for (ControlRef* c : {&f12.deduction_caption, &f12.deduct, &f12.no_deduct}) {
      (*c)->SetEnabled(true);
    }
    ShowCheckMethodDialog(app, f12);
    return false;
  }
  return true;
}

// The check methods of the criteria set that the verdicts will use. A
// short-term fence load is judged by Form14 in either load case, so that is
// the dialog asked for then.
bool CheckMethods(App& app, double c) {
  if (IsShortTermFenceLoad(app.dc().FenceLoadType)) return CheckForm14(app, c, kShortTermHeading);
  ConditionsWindow& f2 = Conditions(app);
  if (f2.case_normal->Value()) return CheckForm12(app, c);
  if (f2.case_seismic->Value()) return CheckForm14(app, c, kSeismicHeading);
  // A fence chosen while 地震時 was selected leaves neither case selected;
  // there is no set of criteria to judge by.
  app.ErrorMessage(kMsgLoadCase);
  app.FocusAtStart(f2.normal_button);
  return false;
}

// With a shear key its height must have been entered in the key dialog of
// the standard; otherwise that dialog is prepared and opened.
bool CheckShearKey(App& app) {
  if (app.dc().ShearKeyFlag != kShearKeyFlagWith) return true;
  const ShearKeyDialog* dialog = KeyDialogInUse(app);
  if (dialog == nullptr || !dialog->height_text->Text().empty()) return true;
  app.ErrorMessage(kMsgShearKey);
  if (ShearKeyDialog* d = PrepareShearKeyDialog(app, /*draw_sketch=*/true)) d->window.ShowModal();
  return false;
}

}  // namespace

void ShowCheckMethodDialog(App& app, CheckMethodsDialog& dialog) {
  dialog.key_note->SetVisible(Conditions(app).residential->Value());
  dialog.window.Activate();
  dialog.window.ShowModal();
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
    app.results().ClearResultsAndSlidingFactor();
    ReportCalcFailure(app, status);
    return;
  }
  app.results().ShowResults();
  Kekka(app);
  if (app.commands.calculated) app.commands.calculated();
}

void CheckMethodCommand(App& app) {
  const double c = WindowCohesion(app);
  app.dc().Cond[cond::kCohesion] = c;
  ConditionsWindow& f2 = Conditions(app);
  const bool normal = f2.case_normal->Value();
  const bool seismic = f2.case_seismic->Value();
  auto seismic_dialog = [&app](const char* heading) {
    SeismicChecksDialog& f14 = SeismicChecks(app);
    f14.heading->SetCaption(heading);
    ShowCheckMethodDialog(app, f14);
  };
  auto normal_dialog = [&app] { ShowCheckMethodDialog(app, NormalChecks(app)); };
  if (f2.fence_with->Value()) {
    FenceDialog& f17 = Fence(app);
    if (!AnySelected({&f17.load_normal, &f17.load_distributed, &f17.load_concentrated})) {
      app.ErrorMessage(kMsgFenceLoad);
      f17.window.ShowModal();
      return;
    }
    const std::string& type = app.dc().FenceLoadType;
    if (type == "0") {
      if (normal) normal_dialog();
      if (seismic) seismic_dialog(kSeismicHeading);
    } else if (IsShortTermFenceLoad(type)) {
      seismic_dialog(kShortTermHeading);
    }
    return;
  }
  if (normal) normal_dialog();
  if (seismic) seismic_dialog(kSeismicHeading);
}

}  // namespace varnholt::forms
