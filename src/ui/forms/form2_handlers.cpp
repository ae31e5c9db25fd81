// Behaviour of the design conditions window (Form2): most options here
// steer the calculation directly and reach into the dimension windows and
// the dialogs, so every side effect of a choice is made here, in one place.

#include <cmath>

#include "calc/angles.h"
#include "calc/fence.h"
#include "calc/format.h"
#include "calc/status.h"
#include "model/design_inputs.h"
#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form2.h"
#include "ui/forms/form20.h"
#include "ui/forms/handles.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMsgPhiB = "内部摩擦角を入力してください。";
constexpr const char* kPhiBQuantity = "基礎地盤の内部摩擦角 φ";
constexpr const char* kMuQuantity = "底盤の摩擦係数 μ";
constexpr const char* kMuUndefined =
    "基礎地盤の内部摩擦角 φ が 90° の奇数倍のため、μ = tanφ を計算できません。";
constexpr const char* kKhPrompt = "設計水平震度  Kh=";
constexpr const char* kKhoPrompt = "設計水平震度標準値 Kho=";

// 宅地造成 / 道路土工.
void SelectStandard(App& app, ConditionsWindow& c, bool road) {
  ApplyStandardTexts(c, road);
  // The separate surcharge pressure ΔPA exists only on residential land.
  if (IsLevelOrSlope(c)) ShowSurchargePressureSketch(LevelDimensions(app), !road);
  app.windows().Unload(road ? kForm15 : kForm19);
  app.results().ClearResultsAndSlidingFactor();
}

// 水平 / 一様斜面: Form3 beside the design conditions, with its ground drawn
// and the coefficient to be given anew.
void SelectLevelOrSlope(App& app, ConditionsWindow& c, bool slope) {
  app.windows().Unload(kForm16);
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  ShowBesideConditions(f3.window);
  if (slope) {
    DrawUniformSlope(f3.window);
  } else {
    DrawLevelGround(f3.window);
  }
  ShowSlopeAngle(f3, slope);
  if (!slope) f3.beta_text->SetText("");
  f3.ka_text->SetText("");
  f3.ka_entered->SetValue(false);
  f3.ka_computed->SetValue(false);
  // A slope needs the computed coefficient.
  f3.direct_button->SetEnabled(!slope);
  // A freshly loaded Form3 draws ΔPA; the standard decides.
  ShowSurchargePressureSketch(f3, !c.road->Value());
  SyncShearKey(app, f3);
  app.results().ClearResultsAndSlidingFactor();
}

// 嵩上げ土: Form16 in Form3's place.
void SelectRaisedSoil(App& app) {
  app.windows().Unload(kForm3);
  RaisedDimensionsWindow& f16 = RaisedDimensions(app);
  ShowBesideConditions(f16.window);
  SyncShearKey(app, f16);
  app.results().ClearResultsAndSlidingFactor();
}

// フェンス 無し: the fence and everything it set are gone, the short-term
// load kind included, so that no criterion of a removed fence is applied.
void SelectNoFence(App& app, ConditionsWindow& c) {
  c.fence_button->SetVisible(false);
  c.seismic_button->SetEnabled(true);
  c.slope->SetEnabled(true);
  c.case_seismic->SetEnabled(true);
  app.results().ClearResults();
  app.windows().Unload(kForm17);
  ClearFence(app.dc());
}

// フェンス 有り: the seismic case waits for the fence dialog, which allows it
// again only for a fence without horizontal load.
void SelectFence(App& app, ConditionsWindow& c) {
  c.fence_button->SetVisible(true);
  c.seismic_button->SetEnabled(false);
  c.seismic_method_button->SetEnabled(false);
  c.case_seismic->SetValue(false);
  c.case_seismic->SetEnabled(false);
  app.results().ClearResults();
}

// "常時": the normal case is shown and calculated. The seismic dialog and
// the seismic criteria keep their choices for the next seismic case; the
// coefficient must be given again, and Kh and Kv are 0.
void NormalCase(App& app, ConditionsWindow& c) {
  c.case_normal->SetValue(true);
  c.seismic_method_button->SetEnabled(false);
  if (IsLevelOrSlope(c)) {
    ResetCoefficient(app);
    LevelDimensionsWindow& f3 = LevelDimensions(app);
    // Direct input stays unavailable on a slope.
    f3.direct_button->SetEnabled(c.level->Value());
    f3.ka_entered->SetEnabled(true);
  }
  app.results().ClearResultsAndSlidingFactor();
  DesignCase& dc = app.dc();
  dc.Cond[cond::kKh] = 0;
  dc.Cond[cond::kKv] = 0;
}

// "地震時": the seismic case is shown and calculated with what the seismic
// dialog holds; the normal-case criteria stay for the next normal case and
// the coefficient must be given again for the seismic method.
void SeismicCase(App& app, ConditionsWindow& c) {
  c.case_seismic->SetValue(true);
  if (IsLevelOrSlope(c)) ResetCoefficient(app);
  app.results().ClearResultsAndSlidingFactor();
  c.seismic_method_button->SetEnabled(true);
  ApplyKeptSeismicSettings(app);
}

// The seismic dialog's prompts follow the standard: Kh directly on
// residential land, Kho with the regional factor on roads.
void OpenSeismicDialog(App& app, ConditionsWindow& c) {
  SeismicDialog& f20 = Seismic(app);
  if (c.residential->Value()) {
    f20.region_frame->SetVisible(false);
    f20.kh_prompt->SetCaption(kKhPrompt);
  } else if (c.road->Value()) {
    f20.region_frame->SetVisible(true);
    f20.kh_prompt->SetCaption(kKhoPrompt);
  }
  f20.window.ShowModal();
}

void WireOptions(ConditionsWindow& c, App& app) {
  c.residential->on_click = [&c, &app] { SelectStandard(app, c, false); };
  c.road->on_click = [&c, &app] { SelectStandard(app, c, true); };
  c.level->on_click = [&c, &app] { SelectLevelOrSlope(app, c, false); };
  c.slope->on_click = [&c, &app] { SelectLevelOrSlope(app, c, true); };
  c.raised->on_click = [&app] { SelectRaisedSoil(app); };
  c.fence_none->on_click = [&c, &app] { SelectNoFence(app, c); };
  c.fence_with->on_click = [&c, &app] { SelectFence(app, c); };
  c.normal_button->on_click = [&c, &app] { NormalCase(app, c); };
  c.seismic_button->on_click = [&c, &app] { SeismicCase(app, c); };
  // The small marks on the 常時/地震時 buttons show the load case; a click on
  // one is a click on its button, so that choosing the case always runs the
  // button's work (the coefficient given again, Kh and Kv of the case) and
  // never leaves the windows half switched.
  c.case_normal->on_user_click = [&c] { c.normal_button->Click(); };
  c.case_seismic->on_user_click = [&c] { c.seismic_button->Click(); };
  c.fence_button->on_click = [&app] { Fence(app).window.ShowModal(); };
  c.seismic_method_button->on_click = [&c, &app] { OpenSeismicDialog(app, c); };

  c.cohesion_considered->on_click = [&c, &app] {
    c.cohesion_text->SetBorderStyle(1);
    FocusAndSelect(app, c.cohesion_text);
    app.results().ClearResultsAndSlidingFactor();
  };
  c.cohesion_ignored->on_click = [&c, &app] {
    ShowCohesionIgnored(c);
    app.results().ClearResultsAndSlidingFactor();
  };

  c.mu_direct->on_click = [&c, &app] {
    c.mu_direct_carried_out = true;
    c.mu_text->SetBorderStyle(1);
    FocusAndSelect(app, c.mu_text);
    app.results().ClearResultsAndSlidingFactor();
  };
  c.mu_tan_phi->on_click = [&app] { ChooseTanPhi(app); };

  // A soil name typed into the box is an edit like any other; Enter moves
  // on to the first box below the list.
  struct Soil {
    ui::Control* list;
    ui::Control* next;
  };
  for (Soil soil :
       {Soil{&*c.back_soil_combo, &*c.phi_text}, Soil{&*c.base_soil_combo, &*c.cohesion_text}}) {
    soil.list->on_click = [&app] { app.results().ClearResultsAndSlidingFactor(); };
    soil.list->on_keypress = [&app, next = soil.next](int& key) {
      if (key == ui::kKeyEnter) {
        key = 0;
        FocusNext(app, *next);
      }
      app.results().ClearResultsAndSlidingFactor();
    };
  }
}

void WireBoxes(ConditionsWindow& c, App& app) {
  auto next = [&app](ControlRef& target) { return [&app, &target] { FocusNext(app, target); }; };
  c.window.SetTabOrder({&*c.site_text, &*c.fc_text, &*c.fe_text, &*c.gamma_text, &*c.gamma_c_text,
                        &*c.back_soil_combo, &*c.phi_text, &*c.delta_text, &*c.base_soil_combo,
                        &*c.cohesion_text, &*c.phi_b_text, &*c.mu_text});
  WireInputBox(app, c.site_text, {next(c.fc_text)});
  WireInputBox(app, c.fc_text, {next(c.fe_text)});
  WireInputBox(app, c.fe_text, {next(c.gamma_text)});
  WireInputBox(app, c.gamma_text, {next(c.gamma_c_text)});
  WireInputBox(app, c.gamma_c_text, {next(c.back_soil_combo)});

  // φ and δ enter the computed coefficient of the dimension window.
  auto coefficient_depends = [&app, &c] {
    if (IsLevelOrSlope(c)) InvalidateComputedCoefficient(app);
  };
  WireInputBox(app, c.phi_text,
               {next(c.delta_text), coefficient_depends,
                [coefficient_depends](int) { coefficient_depends(); }});
  WireInputBox(app, c.delta_text,
               {next(c.base_soil_combo), coefficient_depends,
                [coefficient_depends](int) { coefficient_depends(); }});

  // Cohesion: a value clicked or typed into the box is a cohesion to be
  // considered.
  WireInputBox(app, c.cohesion_text,
               {next(c.phi_b_text),
                [&c] {
                  c.cohesion_considered->SetValue(true);
                  c.cohesion_text->SetBorderStyle(1);
                },
                [&c](int key) {
                  if (key != ui::kKeyEnter && !c.cohesion_considered->Value()) {
                    c.cohesion_considered->SetValue(true);
                  }
                }});

  // φB: μ computed from the old angle no longer holds once it is edited.
  WireInputBox(app, c.phi_b_text, {next(c.mu_text), nullptr, [&c](int key) {
                                     if (key == ui::kKeyEnter || !c.mu_tan_phi->Value()) return;
                                     c.mu_tan_phi->SetValue(false);
                                     c.mu_text->SetText("");
                                   }});

  // μ: a value clicked or typed into the box is a directly entered one.
  // Enter in μ goes on to the first box of the dimension window in use.
  WireInputBox(app, c.mu_text,
               {[&app] {
                  DimensionWindow& d = DimensionsInUse(app);
                  if (d.window.Shown()) FocusNext(app, d.section_text);
                },
                [&c] {
                  c.mu_direct->SetValue(true);
                  c.mu_text->SetBorderStyle(1);
                },
                [&c](int key) {
                  if (key != ui::kKeyEnter && !c.mu_direct->Value()) c.mu_direct->SetValue(true);
                }});
}

}  // namespace

void Masatu(App& app) {
  DesignCase& dc = app.dc();
  dc.Cond[cond::kPhiB] = LeadingNumber(Conditions(app).phi_b_text->Text());
  dc.Cond[cond::kMu] = TanDeg(dc.Cond[cond::kPhiB]);
}

bool ChooseTanPhi(App& app) {
  ConditionsWindow& c = Conditions(app);
  const bool direct_before = c.mu_direct_carried_out;
  ui::Control& phi_b = c.phi_b_text;
  const double degrees = LeadingNumber(phi_b.Text());
  std::string refusal;
  if (phi_b.Text().empty()) {
    refusal = kMsgPhiB;
  } else if (!std::isfinite(degrees)) {
    refusal = CalcStatus::BadInput(kPhiBQuantity).Message();
  } else if (CosineVanishes(degrees)) {
    refusal = CalcStatus::NotComputable(kMuQuantity, kMuUndefined).Message();
  }
  if (!refusal.empty()) {
    app.ErrorMessage(refusal);
    app.FocusAtStart(phi_b);
    c.mu_tan_phi->SetValue(false);
    if (direct_before) c.mu_direct->RestoreValue(true);
    return false;
  }
  c.mu_direct_carried_out = false;
  ui::Control& mu = c.mu_text;
  mu.SetBorderStyle(0);
  mu.SetText("");
  Masatu(app);
  mu.SetText(FormatCoefficient(app.dc().Cond[cond::kMu]));
  FocusAndSelect(app, mu);
  app.results().ClearResultsAndSlidingFactor();
  return true;
}

void ShowCohesionIgnored(ConditionsWindow& c) {
  c.cohesion_text->SetBorderStyle(0);
  c.cohesion_text->SetText(kNoCohesionText);
}

void WireForm2(ConditionsWindow& c, App& app) {
  WireOptions(c, app);
  WireBoxes(c, app);
}

}  // namespace varnholt::forms
