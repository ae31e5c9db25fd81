// Dimension and load window for level ground and a uniform slope (Form3).

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/invalidate.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "寸法・荷重";
constexpr const char* kSection = "§";
constexpr const char* kMark = "擁壁の記号： ";
constexpr const char* kM = " m";
constexpr const char* kSurcharge = "上載荷重";
constexpr const char* kKNm2 = " kN/m2";
constexpr const char* kH = "h=";
constexpr const char* kB = "B=";
constexpr const char* kBeta1 = "地平面と水平面との";
constexpr const char* kBeta2 = "なす角度：";
constexpr const char* kBeta3 = "β=";
constexpr const char* kDegree = "゜";
constexpr const char* kCoefficientFrame = "主働土圧係数";
constexpr const char* kKA = "KA=";
constexpr const char* kDirect = "直接入力";
constexpr const char* kCompute = "計算する";

// Messages of the computed-coefficient option.
constexpr const char* kMsgPhi = "内部摩擦角度を入力してください。";
constexpr const char* kMsgDelta = "壁背面と土との間の壁面摩擦角度を入力してください。";
constexpr const char* kMsgDimension = "寸法を入力してください。";
constexpr const char* kMsgBeta = "地平面と水平面とのなす角度を入力してください。";

// The boxes whose values the computed coefficient depends on.
constexpr const char* kDimensionBoxes[] = {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8"};

bool Fail(App& app, ui::Control& box, const char* message) {
  app.ErrorMessage(message);
  app.FocusAtStart(box);
  return false;
}

// What the computed coefficient needs, checked again when its option is
// chosen; nothing is computed here.
bool CheckCoefficientOption(App& app, ui::Window& f3) {
  ui::Window& f2 = app.Form(kForm2);
  if (f2["txt6"].Text().empty()) return Fail(app, f2["txt6"], kMsgPhi);
  if (f2["txt7"].Text().empty()) return Fail(app, f2["txt7"], kMsgDelta);
  for (const char* box : kDimensionBoxes) {
    if (f3[box].Text().empty()) return Fail(app, f3[box], kMsgDimension);
  }
  if (f2["opt2"].Value() && f3["txt10"].Text().empty()) return Fail(app, f3["txt10"], kMsgBeta);
  return true;
}

// "直接入力", a click in the coefficient box, and the option beside the
// button: the box is made ready for a typed coefficient.
void PrepareDirectCoefficient(App& app, ui::Window& f3) {
  FocusAndSelect(app, f3["txt11"]);
  f3["txt11"].SetBorderStyle(1);
  Hihyouji_1(app);
}

void WireForm3(ui::Window& w, App& app) {
  w["cmd1"].on_click = [&w, &app] {
    PrepareDirectCoefficient(app, w);
    w["opt1"].SetValue(true);
  };
  w["opt1"].on_click = [&w, &app] { PrepareDirectCoefficient(app, w); };
  w["cmd2"].on_click = [&w, &app] {
    if (!CheckCoefficientInputs(app)) return;
    w["opt2"].SetValue(true);
    Form3Keisan(app);
  };
  w["opt2"].on_click = [&w, &app] { CheckCoefficientOption(app, w); };
  // Choosing "computed" by a click on its mark computes, as "計算する" does:
  // a typed coefficient left standing under "computed" would be printed
  // with a derivation it does not follow.
  w["opt2"].on_user_click = [&w] { w["cmd2"].Click(); };
  WireShearKeyOptions(w, app);

  auto next = [&w, &app](const char* target) {
    return [&w, &app, target] { FocusNext(app, w[target]); };
  };
  // After the surcharge (level ground) or β (slope) comes the choice of
  // the coefficient; when direct input is not available, "計算する".
  auto to_coefficient = [&w, &app] { FocusNext(app, w["opt1"].Enabled() ? w["opt1"] : w["cmd2"]); };
  auto invalidate_coefficient = [&app] { InvalidateComputedCoefficient(app); };

  // The title boxes do not touch the results.
  WireInputBox(app, w["txt1"], {next("txt2"), nullptr, nullptr, false});
  WireInputBox(app, w["txt2"], {next("txt3"), nullptr, nullptr, false});
  const char* chain[] = {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9"};
  for (int i = 0; i + 1 < 7; ++i) {
    WireInputBox(app, w[chain[i]],
                 {next(chain[i + 1]), invalidate_coefficient,
                  [&app](int) { InvalidateComputedCoefficient(app); }, true});
  }
  // A surcharge typed on level ground empties a computed coefficient as the
  // dimensions do; on a slope the computed coefficient stays.
  WireInputBox(app, w["txt9"],
               {[&app, next, to_coefficient] {
                  if (app.Form(kForm2)["opt2"].Value()) {
                    next("txt10")();
                  } else {
                    to_coefficient();
                  }
                },
                nullptr,
                [&app](int) {
                  if (app.Form(kForm2)["opt1"].Value()) InvalidateComputedCoefficient(app);
                },
                true});
  WireInputBox(app, w["txt10"],
               {to_coefficient, invalidate_coefficient,
                [&app](int) { InvalidateComputedCoefficient(app); }, true});
  // A coefficient typed into the box is a directly entered one, whether the
  // box was clicked or reached with the keyboard.
  WireInputBox(app, w["txt11"],
               {[&app] { FocusNext(app, app.Form(kForm11)["cmd2"]); },
                [&w, &app] {
                  PrepareDirectCoefficient(app, w);
                  w["opt1"].SetValue(true);
                },
                [&w](int key) {
                  if (key != ui::kKeyEnter && !w["opt1"].Value()) w["opt1"].SetValue(true);
                },
                true});
}

}  // namespace

void DrawLevelGround(ui::Window& form3) {
  form3.ClearDrawing();
  form3.DrawWidth = 2;
  form3.DrawLine(2970, 1620, 4900, 1620);
  form3.DrawWidth = 1;
  form3.DrawLine(2970, 1370, 4900, 1370);
  for (int i = 0; i <= 16; ++i) form3.DrawLine(2970 + 120 * i, 1620, 2970 + 120 * i, 1370);
}

void DrawUniformSlope(ui::Window& form3) {
  form3.ClearDrawing();
  form3.DrawWidth = 2;
  form3.DrawLine(2970, 1620, 4900, 1120);
  form3.DrawWidth = 1;
  form3.DrawLine(2970, 1620, 4900, 1620);
  form3.DrawLine(3600, 1620, 3550, 1470);
  form3.DrawLine(2970, 1370, 4900, 870);
  for (int i = 0; i <= 16; ++i) {
    const int x = 2970 + 120 * i;
    const int dy = static_cast<int>(31.25 * i);
    form3.DrawLine(x, 1620 - dy, x, 1370 - dy);
  }
}

void DefineForm3(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.width = 5760;
  w.height = 4710;
  w.Move(5460, 0);

  AddLabel(w, "lblSection", kSection, 120, 90);
  AddText(w, "txt1", 360, 60, 900);
  AddLabel(w, "lblMark", kMark, 120, 450);
  AddText(w, "txt2", 1500, 420, 1200);
  AddText(w, "txt8", 1740, 780, 600);
  AddLabel(w, "lblFUnit", kM, 2340, 810);
  AddText(w, "txt6", 2580, 780, 600);
  AddLabel(w, "lblBUnit", kM, 3180, 810);
  AddLabel(w, "lblSurcharge", kSurcharge, 3480, 570);
  AddText(w, "txt9", 3480, 810, 600);
  AddLabel(w, "lblSurchargeUnit", kKNm2, 4080, 840);
  AddText(w, "txt5", 360, 1440, 600);
  AddLabel(w, "lblCrestUnit", kM, 960, 1470);
  AddLabel(w, "lblH", kH, 120, 2370);
  AddText(w, "txt3", 360, 2340, 600);
  AddLabel(w, "lblHUnit", kM, 960, 2370);
  AddText(w, "txt4", 360, 3360, 600);
  AddLabel(w, "lblEmbedUnit", kM, 960, 3390);
  AddLabel(w, "lblBase", kB, 2250, 4350);
  AddText(w, "txt7", 2520, 4320, 600);
  AddLabel(w, "lblBaseUnit", kM, 3120, 4350);

  AddLabel(w, "lbl13", kBeta1, 3780, 1410).SetVisible(false);
  AddLabel(w, "lbl14", kBeta2, 3780, 1650).SetVisible(false);
  AddLabel(w, "lbl15", kBeta3, 4080, 1920).SetVisible(false);
  AddText(w, "txt10", 4380, 1890, 600).SetVisible(false);
  AddLabel(w, "lbl16", kDegree, 4980, 1920).SetVisible(false);

  AddFrame(w, "Frame1", kCoefficientFrame, 3840, 3420, 1800, 1200);
  AddLabel(w, "lblKA", kKA, 120, 270, "Frame1");
  AddText(w, "txt11", 540, 240, 900, "Frame1");
  AddOption(w, "opt1", "", 120, 600, "Frame1").width = 240;
  AddOption(w, "opt2", "", 120, 900, "Frame1").SetValue(true);
  w["opt2"].width = 240;
  AddButton(w, "cmd1", kDirect, 4200, 3960, 1200).height = 300;
  AddButton(w, "cmd2", kCompute, 4200, 4260, 1200);

  DeclareShearKeyControls(w, 300, 3720);
  DeclareWallSketch(w, /*raised_soil=*/false);

  // At load the level ground is drawn and the slope angle is hidden.
  w.on_load = [&w] { DrawLevelGround(w); };
  WireForm3(w, app);
  WireShearKeyButton(w, app, /*draw_sketch=*/true);
}

}  // namespace varnholt::forms
