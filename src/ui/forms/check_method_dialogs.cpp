// Check-method dialogs: Form12 for the normal case (常時) and Form14 for the
// seismic case and short-term fence loads. No option is selected when a
// dialog is first loaded.

#include <initializer_list>
#include <memory>

#include "calc/fence.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kNormalTitle = "安定性の検討方法（常時）";
constexpr const char* kSeismicTitle = "安定性の検討方法（地震時・短期荷重）";
constexpr const char* kNormalHeading = "安全性の検討方法（常時）";
constexpr const char* kOverturnFrame = "転倒に対する検討";
constexpr const char* kBearingFrame = "地盤支持力に対する検討";
constexpr const char* kSlidingFrame = "滑動に対する検討";
constexpr const char* kF15 = "転倒安全率 Ｆ≧1.5 による";
constexpr const char* kD = "ｄ≧Ｂ/3";
constexpr const char* kE6 = "ｅ≦Ｂ/6";
constexpr const char* kF15E6 = "転倒安全率 Ｆ≧1.5 かつ ｅ≦Ｂ/6 による";
constexpr const char* kSatisfy = "を満足させる";
constexpr const char* kLegendD = "ｄ：合力の作用位置";
constexpr const char* kLegendE = "ｅ：偏心距離";
constexpr const char* kLegendB = "Ｂ：擁壁の底版幅";
constexpr const char* kSliding15 = "滑動安全率 F≧1.5 による";
constexpr const char* kKeyNote = "（突起を設ける場合は F≧1.0）";
constexpr const char* kEffectiveArea = "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）";
constexpr const char* kDeduct = "偏心の控除をする　　A'=底盤巾-(2×偏心距離)";
constexpr const char* kNoDeduct = "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)";
constexpr const char* kF10 = "転倒安全率 Ｆ≧1.0 による";
constexpr const char* kF12 = "転倒安全率 Ｆ≧1.2 による";
constexpr const char* kE2 = "ｅ≦Ｂ/2 を満足させる";
constexpr const char* kE3 = "ｅ≦Ｂ/3 を満足させる";
constexpr const char* kF10E2 = "転倒安全率 Ｆ≧1.0 かつ ｅ≦Ｂ/2 による";
constexpr const char* kF12E3 = "転倒安全率 Ｆ≧1.2 かつ ｅ≦Ｂ/3 による";
constexpr const char* kSliding10 = "滑動安全率 Ｆ≧1.0 による";
constexpr const char* kSliding12 = "滑動安全率 Ｆ≧1.2 による";
constexpr const char* kOk = "ＯＫ";
constexpr const char* kCancel = "キャンセル";
constexpr const char* kSeismicHeading = "安全性の検討方法(地震時)";
constexpr const char* kShortTermHeading = "安全性の検討方法(フェンス､柵､塀等のある場合(短期))";
constexpr const char* kMsgOverturn = "転倒に対する検討方法をチェックして下さい。";
constexpr const char* kMsgSliding = "滑動に対する検討方法をチェックして下さい。";
constexpr const char* kMsgDeduction = "底版の有効載荷面積に対する検討方法をチェックして下さい。";

/// The bearing legends of one dialog under one standard.
struct BearingLegends {
  const char* label5;
  const char* label6;
  const char* label7;
  const char* label2;  // Form14 only
};

constexpr BearingLegends kNormalResidential = {"σmax≦feによる", "σmax：最大接地圧",
                                               "fe：地盤の許容応力度（長期)", nullptr};
constexpr BearingLegends kNormalRoad = {"ｑmax≦qaによる", "ｑmax：最大地盤反力度",
                                        "qa：地盤の許容支持力度（長期)", nullptr};
constexpr BearingLegends kShortResidential = {"σmax≦feによる", "σmax：最大接地圧",
                                              "fe：地盤の許容応力度(短期)", "(長期の２倍)"};
constexpr BearingLegends kShortRoad = {"ｑmax≦qaによる", "ｑmax：最大地盤反力度",
                                       "qa：地盤の許容支持力度(短期)", "(長期の１.５倍)"};

bool AnySelected(std::initializer_list<const ControlRef*> options) {
  for (const ControlRef* o : options) {
    if ((*o)->Value()) return true;
  }
  return false;
}

// Activation: the legends follow the standard chosen now, and the cohesion
// choice is offered only when cohesion enters the sliding resistance.
void Activated(App& app, CheckMethodsDialog& d, bool short_term_dialog) {
  ConditionsWindow& f2 = Conditions(app);
  const bool road = f2.road->Value();
  const bool residential = f2.residential->Value();
  if (road || residential) {
    const BearingLegends& l = short_term_dialog ? (road ? kShortRoad : kShortResidential)
                                                : (road ? kNormalRoad : kNormalResidential);
    d.bearing_legend[0]->SetCaption(l.label5);
    d.bearing_legend[1]->SetCaption(l.label6);
    d.bearing_legend[2]->SetCaption(l.label7);
    if (l.label2 != nullptr) {
      static_cast<SeismicChecksDialog&>(d).short_term_note->SetCaption(l.label2);
    }
  }
  if (short_term_dialog) {
    d.heading->SetCaption(IsShortTermFenceLoad(app.dc().FenceLoadType) ? kShortTermHeading
                                                                       : kSeismicHeading);
  }
  const bool cohesion = WindowCohesion(app) != 0;
  d.deduction_caption->SetEnabled(cohesion);
  for (ControlRef* option : {&d.deduct, &d.no_deduct}) {
    if (!cohesion) (*option)->SetValue(false);
    (*option)->SetEnabled(cohesion);
  }
}

// OK and Cancel leave the dialog hidden, with its choices, and put the focus
// on the calculate button.
void BackToResults(App& app, CheckMethodsDialog& d) {
  d.window.Hide();
  app.windows().SetFocus(Results(app).calculate_button);
}

void WireForm12(NormalChecksDialog& d, App& app) {
  d.window.on_activate = [&app, &d] { Activated(app, d, false); };
  for (ControlRef* o : {&d.overturn_f15, &d.overturn_d, &d.overturn_e, &d.overturn_f15_e, &d.deduct,
                        &d.no_deduct}) {
    (*o)->on_click = [&app] { app.results().ClearResultsAndSlidingFactor(); };
  }
  d.ok_button->on_click = [&app, &d] {
    if (!AnySelected({&d.overturn_f15, &d.overturn_d, &d.overturn_e, &d.overturn_f15_e})) {
      app.ErrorMessage(kMsgOverturn);
      return;
    }
    if (WindowCohesion(app) != 0 && !AnySelected({&d.deduct, &d.no_deduct})) {
      app.ErrorMessage(kMsgDeduction);
      return;
    }
    BackToResults(app, d);
  };
  d.cancel_button->on_click = [&app, &d] { BackToResults(app, d); };
}

void WireForm14(SeismicChecksDialog& d, App& app) {
  d.window.on_activate = [&app, &d] { Activated(app, d, true); };
  for (ControlRef* o :
       {&d.overturn_f10, &d.overturn_f12, &d.overturn_e2, &d.overturn_e3, &d.overturn_f10_e2,
        &d.overturn_f12_e3, &d.sliding_f10, &d.sliding_f12, &d.deduct, &d.no_deduct}) {
    (*o)->on_click = [&app] { app.results().ClearResultsAndSlidingFactor(); };
  }
  d.ok_button->on_click = [&app, &d] {
    if (!AnySelected({&d.overturn_f10, &d.overturn_f12, &d.overturn_e2, &d.overturn_e3,
                      &d.overturn_f10_e2, &d.overturn_f12_e3})) {
      app.ErrorMessage(kMsgOverturn);
      return;
    }
    if (!AnySelected({&d.sliding_f10, &d.sliding_f12})) {
      app.ErrorMessage(kMsgSliding);
      return;
    }
    if (WindowCohesion(app) != 0 && !AnySelected({&d.deduct, &d.no_deduct})) {
      app.ErrorMessage(kMsgDeduction);
      return;
    }
    BackToResults(app, d);
  };
  d.cancel_button->on_click = [&app, &d] { BackToResults(app, d); };
}

}  // namespace

void DefineForm12(ui::Window& w, App& app) {
  w.SetCaption(kNormalTitle);
  w.is_dialog = true;
  w.width = 7200;
  w.height = 6600;
  NormalChecksDialog& d = w.Attach(std::make_unique<NormalChecksDialog>(w));
  d.heading = AddLabel(w, "Label1", kNormalHeading, 240, 120);
  d.heading->bold = true;

  AddFrame(w, "Frame1", kOverturnFrame, 120, 480, 6840, 1680);
  d.overturn_f15 = AddOption(w, "opt1", kF15, 240, 300, "Frame1");
  d.overturn_f15->width = 3600;
  d.overturn_d = AddOption(w, "opt2", kD, 240, 600, "Frame1");
  d.overturn_d->width = 1200;
  d.overturn_e = AddOption(w, "opt3", kE6, 1560, 600, "Frame1");
  d.overturn_e->width = 1200;
  AddLabel(w, "Label2", kSatisfy, 2880, 630, "Frame1");
  d.overturn_f15_e = AddOption(w, "opt6", kF15E6, 240, 900, "Frame1");
  d.overturn_f15_e->width = 4800;
  AddLabel(w, "Label3", kLegendD, 480, 1260, "Frame1");
  AddLabel(w, "Label4", kLegendE, 2640, 1260, "Frame1");
  AddLabel(w, "Label9", kLegendB, 4440, 1260, "Frame1");

  AddFrame(w, "Frame2", kBearingFrame, 120, 2280, 6840, 1140);
  d.bearing_legend[0] = AddLabel(w, "Label5", "", 240, 300, "Frame2");
  d.bearing_legend[1] = AddLabel(w, "Label6", "", 240, 570, "Frame2");
  d.bearing_legend[2] = AddLabel(w, "Label7", "", 240, 840, "Frame2");

  AddFrame(w, "Frame3", kSlidingFrame, 120, 3540, 6840, 2160);
  AddLabel(w, "Label8", kSliding15, 240, 300, "Frame3");
  d.key_note = AddLabel(w, "Label10", kKeyNote, 3120, 300, "Frame3");
  d.deduction_caption = AddLabel(w, "lbl1", kEffectiveArea, 240, 660, "Frame3");
  d.deduct = AddOption(w, "opt4", kDeduct, 480, 1020, "Frame3");
  d.deduct->width = 6000;
  d.no_deduct = AddOption(w, "opt5", kNoDeduct, 480, 1380, "Frame3");
  d.no_deduct->width = 6000;

  d.ok_button = AddButton(w, "cmd1", kOk, 2280, 5880, 1200);
  d.cancel_button = AddButton(w, "cmd2", kCancel, 3720, 5880, 1200);
  WireForm12(d, app);
}

void DefineForm14(ui::Window& w, App& app) {
  w.SetCaption(kSeismicTitle);
  w.is_dialog = true;
  w.width = 7200;
  w.height = 7560;
  SeismicChecksDialog& d = w.Attach(std::make_unique<SeismicChecksDialog>(w));
  d.heading = AddLabel(w, "Label1", "", 240, 120);
  d.heading->bold = true;

  AddFrame(w, "Frame1", kOverturnFrame, 120, 480, 6840, 2100);
  d.overturn_f10 = AddOption(w, "opt1", kF10, 240, 300, "Frame1");
  d.overturn_f12 = AddOption(w, "opt2", kF12, 3480, 300, "Frame1");
  d.overturn_e2 = AddOption(w, "opt3", kE2, 240, 600, "Frame1");
  d.overturn_e3 = AddOption(w, "opt4", kE3, 3480, 600, "Frame1");
  for (ControlRef* o : {&d.overturn_f10, &d.overturn_f12, &d.overturn_e2, &d.overturn_e3}) {
    (*o)->width = 3000;
  }
  d.overturn_f10_e2 = AddOption(w, "opt9", kF10E2, 240, 900, "Frame1");
  d.overturn_f10_e2->width = 5400;
  d.overturn_f12_e3 = AddOption(w, "opt10", kF12E3, 240, 1200, "Frame1");
  d.overturn_f12_e3->width = 5400;
  AddLabel(w, "Label3", kLegendE, 480, 1620, "Frame1");
  AddLabel(w, "Label4", kLegendB, 2640, 1620, "Frame1");

  AddFrame(w, "Frame2", kBearingFrame, 120, 2700, 6840, 1380);
  d.bearing_legend[0] = AddLabel(w, "Label5", "", 240, 300, "Frame2");
  d.bearing_legend[1] = AddLabel(w, "Label6", "", 240, 570, "Frame2");
  d.bearing_legend[2] = AddLabel(w, "Label7", "", 240, 840, "Frame2");
  d.short_term_note = AddLabel(w, "Label2", "", 240, 1080, "Frame2");

  AddFrame(w, "Frame3", kSlidingFrame, 120, 4200, 6840, 2460);
  d.sliding_f10 = AddOption(w, "opt5", kSliding10, 240, 300, "Frame3");
  d.sliding_f10->width = 3000;
  d.sliding_f12 = AddOption(w, "opt6", kSliding12, 3480, 300, "Frame3");
  d.sliding_f12->width = 3000;
  d.key_note = AddLabel(w, "Label10", kKeyNote, 240, 600, "Frame3");
  AddFrame(w, "Frame4", "", 120, 900, 6600, 1440, "Frame3");
  d.deduction_caption = AddLabel(w, "lbl1", kEffectiveArea, 120, 180, "Frame4");
  d.deduct = AddOption(w, "opt7", kDeduct, 360, 540, "Frame4");
  d.deduct->width = 6000;
  d.no_deduct = AddOption(w, "opt8", kNoDeduct, 360, 900, "Frame4");
  d.no_deduct->width = 6000;

  d.ok_button = AddButton(w, "cmd1", kOk, 2280, 6840, 1200);
  d.cancel_button = AddButton(w, "cmd2", kCancel, 3720, 6840, 1200);
  WireForm14(d, app);
}

}  // namespace varnholt::forms
