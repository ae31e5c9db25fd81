// Behaviour of the design conditions window (Form2): most options here
// steer the calculation directly and reach into the dimension windows and
// the dialogs, so every side effect of a choice is made here, in one place.

#include <cmath>
#include <memory>

#include "calc/angles.h"
#include "calc/format.h"
#include "calc/status.h"
#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form2.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/invalidate.h"
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

// Where the dimension windows stand beside the design conditions window.
constexpr int kDimensionLeft = 5460;
constexpr int kDimensionTop = 0;

constexpr const char* kSlopeAngleControls[] = {"txt10", "lbl13", "lbl14", "lbl15", "lbl16"};

bool LevelOrSlope(ui::Window& f2) { return f2["opt1"].Value() || f2["opt2"].Value(); }

// Clears every option of a check-method dialog and closes it; the next use
// starts with nothing chosen.
void ClearAndClose(App& app, const char* dialog) {
  if (app.windows().IsLoaded(dialog)) {
    for (const auto& c : app.Form(dialog).controls()) {
      if (c->kind() == ui::ControlKind::kOption) c->SetValue(false);
    }
  }
  app.windows().Unload(dialog);
}

// 宅地造成 / 道路土工.
void SelectStandard(App& app, ui::Window& w, bool road) {
  ApplyStandardTexts(w, road);
  // The separate surcharge pressure ΔPA exists only on residential land.
  if (LevelOrSlope(w)) ShowSurchargePressureSketch(app.Form(kForm3), !road);
  app.windows().Unload(road ? kForm15 : kForm19);
  Hihyouji_1(app);
}

// 水平 / 一様斜面: Form3 beside the design conditions, with its ground drawn
// and the coefficient to be given anew.
void SelectLevelOrSlope(App& app, ui::Window& w, bool slope) {
  app.windows().Unload(kForm16);
  ui::Window& f3 = app.Form(kForm3);
  f3.Move(kDimensionLeft, kDimensionTop);
  f3.Show();
  if (slope) {
    DrawUniformSlope(f3);
  } else {
    DrawLevelGround(f3);
  }
  for (const char* name : kSlopeAngleControls) f3[name].SetVisible(slope);
  if (!slope) f3["txt10"].SetText("");
  f3["txt11"].SetText("");
  f3["opt1"].SetValue(false);
  f3["opt2"].SetValue(false);
  // A slope needs the computed coefficient.
  f3["cmd1"].SetEnabled(!slope);
  // A freshly loaded Form3 draws ΔPA; the standard decides.
  ShowSurchargePressureSketch(f3, !w["opt_D"].Value());
  SyncShearKey(app, f3);
  Hihyouji_1(app);
}

// 嵩上げ土: Form16 in Form3's place.
void SelectRaisedSoil(App& app) {
  app.windows().Unload(kForm3);
  ui::Window& f16 = app.Form(kForm16);
  f16.Move(kDimensionLeft, kDimensionTop);
  f16.Show();
  SyncShearKey(app, f16);
  Hihyouji_1(app);
}

// フェンス 無し: the fence and everything it set are gone, the short-term
// load kind included, so that no criterion of a removed fence is applied.
void SelectNoFence(App& app, ui::Window& w) {
  w["cmd3"].SetVisible(false);
  w["cmd2"].SetEnabled(true);
  w["opt2"].SetEnabled(true);
  w["opt5"].SetEnabled(true);
  Hihyouji_2(app);
  app.windows().Unload(kForm17);
  DesignCase& dc = app.dc();
  dc.FenceH = 0;
  dc.FenceX = 0;
  dc.FenceLoad = 0;
  dc.FenceP = 0;
  dc.FenceLoadY = 0;
  dc.FenceW = 0;
  dc.FenceLoadType.clear();
}

// フェンス 有り: the seismic case waits for the fence dialog, which allows it
// again only for a fence without horizontal load.
void SelectFence(App& app, ui::Window& w) {
  w["cmd3"].SetVisible(true);
  w["cmd2"].SetEnabled(false);
  w["cmd4"].SetEnabled(false);
  w["opt5"].SetValue(false);
  w["opt5"].SetEnabled(false);
  Hihyouji_2(app);
}

// "常時": the seismic method, coefficients and criteria are forgotten.
void NormalCase(App& app, ui::Window& w) {
  w["opt4"].SetValue(true);
  w["cmd4"].SetEnabled(false);
  if (LevelOrSlope(w)) {
    ResetCoefficient(app);
    ui::Window& f3 = app.Form(kForm3);
    // Direct input stays unavailable on a slope.
    f3["cmd1"].SetEnabled(w["opt1"].Value());
    f3["opt1"].SetEnabled(true);
  }
  ClearAndClose(app, kForm14);
  Hihyouji_1(app);
  DesignCase& dc = app.dc();
  dc.Cond[cond::kKh] = 0;
  dc.Cond[cond::kKv] = 0;
  // Closing the seismic dialog clears its methods: the next seismic case
  // asks for one again.
  app.windows().Unload(kForm20);
}

// "地震時": the normal-case criteria are forgotten and the coefficient must
// be given again for the seismic method.
void SeismicCase(App& app, ui::Window& w) {
  w["opt5"].SetValue(true);
  if (LevelOrSlope(w)) ResetCoefficient(app);
  ClearAndClose(app, kForm12);
  Hihyouji_1(app);
  w["cmd4"].SetEnabled(true);
}

// The seismic dialog's prompts follow the standard: Kh directly on
// residential land, Kho with the regional factor on roads.
void OpenSeismicDialog(App& app, ui::Window& w) {
  ui::Window& f20 = app.Form(kForm20);
  if (w["opt_T"].Value()) {
    f20["frm1"].SetVisible(false);
    f20["Label7"].SetCaption(kKhPrompt);
  } else if (w["opt_D"].Value()) {
    f20["frm1"].SetVisible(true);
    f20["Label7"].SetCaption(kKhoPrompt);
  }
  f20.ShowModal();
}

// μ = tanφB. An angle that gives no tangent refuses the choice, and the
// window goes back to the friction option it had, so it never shows a
// choice it did not carry out.
void ChooseTanPhi(App& app, ui::Window& w, bool direct_before) {
  ui::Control& phi_b = w["txt9"];
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
    w["opt9"].SetValue(false);
    if (direct_before) RestoreOption(w["opt8"]);
    return;
  }
  ui::Control& mu = w["txt10"];
  mu.SetBorderStyle(0);
  mu.SetText("");
  Masatu(app);
  mu.SetText(FormatCoefficient(app.dc().Cond[cond::kMu]));
  FocusAndSelect(app, mu);
  Hihyouji_1(app);
}

void WireOptions(ui::Window& w, App& app) {
  w["opt_T"].on_click = [&w, &app] { SelectStandard(app, w, false); };
  w["opt_D"].on_click = [&w, &app] { SelectStandard(app, w, true); };
  w["opt1"].on_click = [&w, &app] { SelectLevelOrSlope(app, w, false); };
  w["opt2"].on_click = [&w, &app] { SelectLevelOrSlope(app, w, true); };
  w["opt3"].on_click = [&app] { SelectRaisedSoil(app); };
  w["opt10"].on_click = [&w, &app] { SelectNoFence(app, w); };
  w["opt11"].on_click = [&w, &app] { SelectFence(app, w); };
  w["cmd1"].on_click = [&w, &app] { NormalCase(app, w); };
  w["cmd2"].on_click = [&w, &app] { SeismicCase(app, w); };
  // The small marks on the 常時/地震時 buttons show the load case; a click on
  // one is a click on its button, so that choosing the case always runs the
  // button's work (clearing the other case's criteria, the coefficient, Kh
  // and Kv) and never leaves the windows half switched.
  w["opt4"].on_user_click = [&w] { w["cmd1"].Click(); };
  w["opt5"].on_user_click = [&w] { w["cmd2"].Click(); };
  w["cmd3"].on_click = [&app] { app.Form(kForm17).ShowModal(); };
  w["cmd4"].on_click = [&w, &app] { OpenSeismicDialog(app, w); };

  w["opt6"].on_click = [&w, &app] {
    w["txt8"].SetBorderStyle(1);
    FocusAndSelect(app, w["txt8"]);
    Hihyouji_1(app);
  };
  w["opt7"].on_click = [&w, &app] {
    w["txt8"].SetBorderStyle(0);
    w["txt8"].SetText("0");
    Hihyouji_1(app);
  };

  // Which friction option the window last carried out; a refused tanφ
  // goes back to it.
  auto direct_chosen = std::make_shared<bool>(false);
  w["opt8"].on_click = [&w, &app, direct_chosen] {
    *direct_chosen = true;
    w["txt10"].SetBorderStyle(1);
    FocusAndSelect(app, w["txt10"]);
    Hihyouji_1(app);
  };
  w["opt9"].on_click = [&w, &app, direct_chosen] {
    const bool before = *direct_chosen;
    *direct_chosen = false;
    ChooseTanPhi(app, w, before);
    if (!w["opt9"].Value()) *direct_chosen = before;
  };

  for (const char* cbo : {"cbo1", "cbo2"}) {
    w[cbo].on_click = [&app] { Hihyouji_1(app); };
    // A soil name typed into the box is an edit like any other.
    w[cbo].on_keypress = [&app](int&) { Hihyouji_1(app); };
  }
}

void WireBoxes(ui::Window& w, App& app) {
  auto next = [&w, &app](const char* target) {
    return [&w, &app, target] { FocusNext(app, w[target]); };
  };
  WireInputBox(app, w["txt1"], {next("txt2")});
  WireInputBox(app, w["txt2"], {next("txt3")});
  WireInputBox(app, w["txt3"], {next("txt4")});
  WireInputBox(app, w["txt4"], {next("txt5")});
  WireInputBox(app, w["txt5"], {next("cbo1")});

  // φ and δ enter the computed coefficient of the dimension window.
  auto coefficient_depends = [&app, &w] {
    if (LevelOrSlope(w)) InvalidateComputedCoefficient(app);
  };
  WireInputBox(app, w["txt6"], {next("txt7"), coefficient_depends, [coefficient_depends](int) {
                                  coefficient_depends();
                                }});
  WireInputBox(app, w["txt7"], {next("cbo2"), coefficient_depends, [coefficient_depends](int) {
                                  coefficient_depends();
                                }});

  // Cohesion: a value clicked or typed into the box is a cohesion to be
  // considered.
  WireInputBox(app, w["txt8"],
               {[&w] { w["txt8"].SelectAll(); },
                [&w] {
                  w["opt6"].SetValue(true);
                  w["txt8"].SetBorderStyle(1);
                },
                [&w](int key) {
                  if (key != ui::kKeyEnter && !w["opt6"].Value()) w["opt6"].SetValue(true);
                }});

  // φB: μ computed from the old angle no longer holds once it is edited.
  WireInputBox(app, w["txt9"], {nullptr, nullptr, [&w](int key) {
                                  if (key == ui::kKeyEnter || !w["opt9"].Value()) return;
                                  w["opt9"].SetValue(false);
                                  w["txt10"].SetText("");
                                }});

  // μ: a value clicked or typed into the box is a directly entered one.
  WireInputBox(app, w["txt10"],
               {nullptr,
                [&w] {
                  w["opt8"].SetValue(true);
                  w["txt10"].SetBorderStyle(1);
                },
                [&w](int key) {
                  if (key != ui::kKeyEnter && !w["opt8"].Value()) w["opt8"].SetValue(true);
                }});
}

}  // namespace

void Masatu(App& app) {
  DesignCase& dc = app.dc();
  dc.Cond[cond::kPhiB] = LeadingNumber(app.Form(kForm2)["txt9"].Text());
  dc.Cond[cond::kMu] = TanDeg(dc.Cond[cond::kPhiB]);
}

void WireForm2(ui::Window& w, App& app) {
  WireOptions(w, app);
  WireBoxes(w, app);
}

}  // namespace varnholt::forms
