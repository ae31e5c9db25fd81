#include "ui/forms/collect.h"

#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMsgSite = "築造地を入力してください。";
constexpr const char* kMsgFc = "コンクリートの設計基準強度を入力してください。";
constexpr const char* kMsgFe = "地盤の許容応力度を入力してください。";
constexpr const char* kMsgGamma = "土の単位体積重量を入力してください。";
constexpr const char* kMsgGammaC = "コンクリートの単位体積重量を入力してください。";
constexpr const char* kMsgSoil = "土質を選択又は入力してください。";
constexpr const char* kMsgPhi = "内部摩擦角度を入力してください。";
constexpr const char* kMsgPhiRoad = "せん断抵抗角を入力してください。";
constexpr const char* kMsgDelta = "壁背面と土との間の壁面摩擦角度を入力してください。";
constexpr const char* kMsgCohesion = "土の粘着力を入力してください。";
constexpr const char* kMsgMu = "底盤の摩擦係数を入力してください。";
constexpr const char* kMsgSection = "§番号を入力してください。";
constexpr const char* kMsgMark = "擁壁の記号を入力してください。";
constexpr const char* kMsgDimension = "寸法を入力してください。";
constexpr const char* kMsgSurcharge = "上載荷重を入力してください。";
constexpr const char* kMsgKA = "主働土圧係数を入力してください。";
constexpr const char* kMsgBeta = "地平面と水平面とのなす角度を入力してください。";
constexpr const char* kMsgBetaZero =
    "地平面と水平面とのなす角度が｢ 0°｣の場合は、地表面水平を選択してください。";
constexpr const char* kMsgH0 = "法面の高さを入力してください。";
constexpr const char* kMsgFenceLoad = "常時又は短期を選択してください。";
constexpr const char* kMsgSeismicMethod = "地震時水平荷重の計算方法を選択してください。";

double Num(const ui::Control& c) { return LeadingNumber(c.Text()); }

// Shows the message and puts the caret into the control; always false, so a
// check reads `return Fail(...)`.
bool Fail(App& app, ui::Control& control, const char* message) {
  app.ErrorMessage(message);
  app.FocusAtStart(control);
  return false;
}

bool Empty(const ui::Control& c) { return c.Text().empty(); }

// C of the foundation ground: 0 while しない (opt7) is chosen, whatever the
// box still holds, so a value left in the box is never used unannounced.

// Collects the dimension boxes txt1..txt10 shared by Form3 and Form16.
void CollectDimensions(App& app, ui::Window& w) {
  DesignCase& dc = app.dc();
  dc.SectionNo = w["txt1"].Text();
  dc.WallMark = w["txt2"].Text();
  dc.Calc[calc::kHeightH] = Num(w["txt3"]);
  dc.Calc[calc::kEmbedment] = Num(w["txt4"]);
  dc.Calc[calc::kCrestAbove] = Num(w["txt5"]);
  dc.Calc[calc::kH] = dc.Calc[calc::kEmbedment] + dc.Calc[calc::kHeightH];
  dc.Calc[calc::kCrestWidth] = Num(w["txt6"]);
  dc.Calc[calc::kBaseWidth] = Num(w["txt7"]);
  dc.Calc[calc::kFrontProj] = Num(w["txt8"]);
  dc.Calc[calc::kSurcharge] = Num(w["txt9"]);
  dc.Cond[cond::kBeta] = Num(w["txt10"]);
}

// Shear key inputs from the dialog of the current standard.
void CollectShearKey(App& app) {
  ui::Window& f2 = app.Form(kForm2);
  const char* dialog = nullptr;
  if (f2["opt_T"].Value()) {
    dialog = kForm15;
  } else if (f2["opt_D"].Value()) {
    dialog = kForm19;
  }
  if (dialog == nullptr) return;
  ui::Window& k = app.Form(dialog);
  DesignCase& dc = app.dc();
  dc.Calc[calc::kKeyHeight] = Num(k["txt1"]);
  dc.Calc[calc::kKeyInput59] = Num(k["txt2"]);
  dc.Calc[calc::kKeyInput58] = Num(k["txt3"]);
}

}  // namespace

double WindowCohesion(App& app) {
  ui::Window& f2 = app.Form(kForm2);
  return f2["opt7"].Value() ? 0 : Num(f2["txt8"]);
}

void Suti(App& app) {
  DesignCase& dc = app.dc();
  ui::Window& f2 = app.Form(kForm2);

  dc.SiteName = f2["txt1"].Text();
  dc.Cond[cond::kFc] = Num(f2["txt2"]);
  dc.Cond[cond::kFe] = Num(f2["txt3"]);
  if (f2["opt_T"].Value()) {
    dc.Cond[cond::kFeShort] = dc.Cond[cond::kFe] * 2;
  } else if (f2["opt_D"].Value()) {
    dc.Cond[cond::kFeShort] = dc.Cond[cond::kFe] * 1.5;
  }
  dc.Cond[cond::kGamma] = Num(f2["txt4"]);
  dc.Cond[cond::kGammaC] = Num(f2["txt5"]);
  dc.Cond[cond::kPhi] = Num(f2["txt6"]);
  dc.Cond[cond::kDelta] = Num(f2["txt7"]);
  dc.Cond[cond::kBackCohesion] = 0;
  dc.Cond[cond::kCohesion] = WindowCohesion(app);
  dc.Cond[cond::kPhiB] = Num(f2["txt9"]);
  dc.Cond[cond::kMu] = Num(f2["txt10"]);

  if (f2["opt1"].Value() || f2["opt2"].Value()) {
    ui::Window& f3 = app.Form(kForm3);
    CollectDimensions(app, f3);
    dc.Cond[cond::kKA] = Num(f3["txt11"]);
    if (f3["opt6"].Value()) CollectShearKey(app);
  } else if (f2["opt3"].Value()) {
    ui::Window& f16 = app.Form(kForm16);
    CollectDimensions(app, f16);
    dc.Calc[calc::kH0] = Num(f16["txt11"]);
    if (f16["opt6"].Value()) CollectShearKey(app);
  }

  if (f2["opt11"].Value()) {
    ui::Window& f17 = app.Form(kForm17);
    dc.FenceH = Num(f17["txt1"]);
    dc.FenceX = Num(f17["txt2"]);
    dc.FenceLoad = Num(f17["txt3"]);
    dc.FenceLoadY = Num(f17["txt4"]);
    dc.FenceW = Num(f17["txt5"]);
    // A wind pressure w acts over the fence height; an impact load P is
    // already per metre of wall. Without a horizontal load FenceP keeps the
    // 0 that the 常時 option set.
    if (f17["opt2"].Value()) {
      dc.FenceP = dc.FenceH * dc.FenceLoad;
    } else if (f17["opt3"].Value()) {
      dc.FenceP = dc.FenceLoad;
    }
  }
}

Selections ReadSelections(App& app) {
  Selections s;
  ui::Window& f2 = app.Form(kForm2);
  s.standard = f2["opt_T"].Value()   ? Standard::kResidential
               : f2["opt_D"].Value() ? Standard::kRoad
                                     : Standard::kNone;
  s.shape = f2["opt1"].Value()   ? GroundShape::kLevel
            : f2["opt2"].Value() ? GroundShape::kUniformSlope
            : f2["opt3"].Value() ? GroundShape::kRaisedSoil
                                 : GroundShape::kNone;
  s.load_case = f2["opt4"].Value()   ? LoadCase::kNormal
                : f2["opt5"].Value() ? LoadCase::kSeismic
                                     : LoadCase::kNone;
  s.friction = f2["opt8"].Value()   ? FrictionMode::kDirect
               : f2["opt9"].Value() ? FrictionMode::kTanPhi
                                    : FrictionMode::kNone;
  s.fence = f2["opt10"].Value()   ? FenceOption::kWithout
            : f2["opt11"].Value() ? FenceOption::kWith
                                  : FenceOption::kNone;
  s.cohesion = f2["opt6"].Value()   ? CohesionOption::kConsidered
               : f2["opt7"].Value() ? CohesionOption::kNotConsidered
                                    : CohesionOption::kNone;

  ui::Window& f20 = app.Form(kForm20);
  s.seismic_method = f20["opt_K1"].Value()   ? SeismicMethod::kK1
                     : f20["opt_K2"].Value() ? SeismicMethod::kK2
                     : f20["opt_D1"].Value() ? SeismicMethod::kD1
                                             : SeismicMethod::kNone;

  ui::Window& f3 = app.Form(kForm3);
  s.coefficient = f3["opt1"].Value()   ? CoefficientMode::kEntered
                  : f3["opt2"].Value() ? CoefficientMode::kComputed
                                       : CoefficientMode::kNone;
  ui::Window& f16 = app.Form(kForm16);
  s.slope_surcharge = f16["opt1"].Value()   ? SlopeSurcharge::kWith
                      : f16["opt2"].Value() ? SlopeSurcharge::kWithout
                                            : SlopeSurcharge::kNone;
  ui::Window& dim = s.shape == GroundShape::kRaisedSoil ? f16 : f3;
  s.shear_key = dim["opt5"].Value()   ? ShearKeyOption::kWithout
                : dim["opt6"].Value() ? ShearKeyOption::kWith
                                      : ShearKeyOption::kNone;

  ui::Window& f17 = app.Form(kForm17);
  s.fence_load = f17["opt1"].Value()   ? FenceLoadOption::kNormal
                 : f17["opt2"].Value() ? FenceLoadOption::kDistributed
                 : f17["opt3"].Value() ? FenceLoadOption::kConcentrated
                                       : FenceLoadOption::kNone;

  ui::Window& f12 = app.Form(kForm12);
  s.normal_checks.overturn = f12["opt1"].Value()   ? NormalOverturn::kF15
                             : f12["opt2"].Value() ? NormalOverturn::kD
                             : f12["opt3"].Value() ? NormalOverturn::kE
                             : f12["opt6"].Value() ? NormalOverturn::kF15AndE
                                                   : NormalOverturn::kNone;
  s.normal_checks.deduction = f12["opt4"].Value()   ? Deduction::kDeduct
                              : f12["opt5"].Value() ? Deduction::kNoDeduct
                                                    : Deduction::kNone;

  ui::Window& f14 = app.Form(kForm14);
  s.seismic_checks.overturn = f14["opt1"].Value()    ? SeismicOverturn::kF10
                              : f14["opt2"].Value()  ? SeismicOverturn::kF12
                              : f14["opt3"].Value()  ? SeismicOverturn::kE2
                              : f14["opt4"].Value()  ? SeismicOverturn::kE3
                              : f14["opt9"].Value()  ? SeismicOverturn::kF10AndE2
                              : f14["opt10"].Value() ? SeismicOverturn::kF12AndE3
                                                     : SeismicOverturn::kNone;
  s.seismic_checks.sliding = f14["opt5"].Value()   ? SeismicSliding::kF10
                             : f14["opt6"].Value() ? SeismicSliding::kF12
                                                   : SeismicSliding::kNone;
  s.seismic_checks.deduction = f14["opt7"].Value()   ? Deduction::kDeduct
                               : f14["opt8"].Value() ? Deduction::kNoDeduct
                                                     : Deduction::kNone;
  return s;
}

bool CheckMainInputs(App& app) {
  DesignCase& dc = app.dc();
  ui::Window& f2 = app.Form(kForm2);
  const bool level_or_slope = f2["opt1"].Value() || f2["opt2"].Value();
  const bool slope = f2["opt2"].Value();
  const bool raised = f2["opt3"].Value();

  // What the checks read before anything is collected: β of the dimension
  // window in use, the height of the raised slope, and C.
  if (slope) dc.Cond[cond::kBeta] = Num(app.Form(kForm3)["txt10"]);
  if (raised) {
    ui::Window& f16 = app.Form(kForm16);
    dc.Cond[cond::kBeta] = Num(f16["txt10"]);
    dc.Calc[calc::kH0] = Num(f16["txt11"]);
  }
  dc.Cond[cond::kCohesion] = WindowCohesion(app);

  struct Row {
    const char* box;
    const char* message;
  };
  static const Row kForm2Rows[] = {
      {"txt1", kMsgSite},   {"txt2", kMsgFc},       {"txt3", kMsgFe},  {"txt4", kMsgGamma},
      {"txt5", kMsgGammaC}, {"cbo1", kMsgSoil},     {"txt6", kMsgPhi}, {"txt7", kMsgDelta},
      {"cbo2", kMsgSoil},   {"txt8", kMsgCohesion}, {"txt9", kMsgPhi}, {"txt10", kMsgMu},
  };
  for (const Row& r : kForm2Rows) {
    if (Empty(f2[r.box])) return Fail(app, f2[r.box], r.message);
  }

  if (level_or_slope) {
    ui::Window& f3 = app.Form(kForm3);
    static const Row kForm3Rows[] = {
        {"txt1", kMsgSection},   {"txt2", kMsgMark},      {"txt3", kMsgDimension},
        {"txt4", kMsgDimension}, {"txt5", kMsgDimension}, {"txt6", kMsgDimension},
        {"txt7", kMsgDimension}, {"txt8", kMsgDimension}, {"txt9", kMsgSurcharge},
        {"txt11", kMsgKA},
    };
    for (const Row& r : kForm3Rows) {
      if (Empty(f3[r.box])) return Fail(app, f3[r.box], r.message);
    }
    if (slope) {
      if (Empty(f3["txt10"])) return Fail(app, f3["txt10"], kMsgBeta);
      if (dc.Cond[cond::kBeta] == 0) return Fail(app, f3["txt10"], kMsgBetaZero);
    }
  }

  if (raised) {
    ui::Window& f16 = app.Form(kForm16);
    static const Row kForm16Rows[] = {
        {"txt2", kMsgMark},      {"txt3", kMsgDimension}, {"txt4", kMsgDimension},
        {"txt5", kMsgDimension}, {"txt6", kMsgDimension}, {"txt7", kMsgDimension},
        {"txt8", kMsgDimension}, {"txt9", kMsgSurcharge}, {"txt10", kMsgBeta},
        {"txt11", kMsgH0},
    };
    for (const Row& r : kForm16Rows) {
      if (Empty(f16[r.box])) return Fail(app, f16[r.box], r.message);
    }
  }

  if (f2["opt11"].Value()) {
    ui::Window& f17 = app.Form(kForm17);
    if (!f17["opt1"].Value() && !f17["opt2"].Value() && !f17["opt3"].Value()) {
      app.ErrorMessage(kMsgFenceLoad);
      f17.ShowModal();
      return false;
    }
  }
  return true;
}

ui::Control* InputBoxOf(App& app, InputField field) {
  ui::Window& f2 = app.Form(kForm2);
  auto dimension = [&app, &f2](const char* box) {
    return &app.Form(f2["opt3"].Value() ? kForm16 : kForm3)[box];
  };
  auto key = [&app](const char* box) -> ui::Control* {
    const char* dialog = ShearKeyDialogName(app);
    return dialog != nullptr ? &app.Form(dialog)[box] : nullptr;
  };
  switch (field) {
    case InputField::kNone:
      return nullptr;
    case InputField::kGamma:
      return &f2["txt4"];
    case InputField::kGammaC:
      return &f2["txt5"];
    case InputField::kHeightH:
      return dimension("txt3");
    case InputField::kEmbedment:
      return dimension("txt4");
    case InputField::kCrestAbove:
      return dimension("txt5");
    case InputField::kCrestWidth:
      return dimension("txt6");
    case InputField::kBaseWidth:
      return dimension("txt7");
    case InputField::kFrontProjection:
      return dimension("txt8");
    case InputField::kSurcharge:
      return dimension("txt9");
    case InputField::kSlopeHeight:
      return &app.Form(kForm16)["txt11"];
    case InputField::kKeyHeight:
      return key("txt1");
    case InputField::kKeyPosition:
      return key("txt2");
    case InputField::kKeyWidth:
      return key("txt3");
    case InputField::kFenceHeight:
      return &app.Form(kForm17)["txt1"];
    case InputField::kFenceDistance:
      return &app.Form(kForm17)["txt2"];
    case InputField::kFenceLoadHeight:
      return &app.Form(kForm17)["txt4"];
    case InputField::kFenceWeight:
      return &app.Form(kForm17)["txt5"];
  }
  return nullptr;
}

void ReportCalcFailure(App& app, const CalcStatus& status) {
  app.ErrorMessage(status.Message());
  ui::Control* box = InputBoxOf(app, status.field);
  // The dialogs (shear key, fence) are not on screen now; their message names
  // the value all the same.
  if (box != nullptr && box->window().Shown()) app.FocusAtStart(*box);
}

bool CheckCoefficientInputs(App& app) {
  ui::Window& f2 = app.Form(kForm2);
  ui::Window& f3 = app.Form(kForm3);
  if (Empty(f2["txt6"])) {
    return Fail(app, f2["txt6"], f2["opt_D"].Value() ? kMsgPhiRoad : kMsgPhi);
  }
  if (Empty(f2["txt7"])) return Fail(app, f2["txt7"], kMsgDelta);
  for (const char* box : {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8"}) {
    if (Empty(f3[box])) return Fail(app, f3[box], kMsgDimension);
  }
  if (Empty(f3["txt10"]) && f2["opt2"].Value()) return Fail(app, f3["txt10"], kMsgBeta);
  if (f2["opt5"].Value()) {
    ui::Window& f20 = app.Form(kForm20);
    if (!f20["opt_K1"].Value() && !f20["opt_K2"].Value() && !f20["opt_D1"].Value()) {
      app.ErrorMessage(kMsgSeismicMethod);
      f20.ShowModal();
      return false;
    }
  }
  return true;
}

}  // namespace varnholt::forms
