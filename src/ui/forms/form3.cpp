// Dimension and load window for level ground and a uniform slope (Form3).

#include <functional>
#include <memory>
#include <utility>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/sizing_entry.h"
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

bool Fail(App& app, ui::Control& box, const char* message) {
  app.ErrorMessage(message);
  app.FocusAtStart(box);
  return false;
}

// What the computed coefficient needs, checked again when its option is
// chosen; nothing is computed here.
bool CheckCoefficientOption(App& app, LevelDimensionsWindow& f3) {
  ConditionsWindow& f2 = Conditions(app);
  if (f2.phi_text->Text().empty()) return Fail(app, f2.phi_text, kMsgPhi);
  if (f2.delta_text->Text().empty()) return Fail(app, f2.delta_text, kMsgDelta);
  for (ui::Control* box : f3.Dimensions()) {
    if (box->Text().empty()) return Fail(app, *box, kMsgDimension);
  }
  if (f2.slope->Value() && f3.beta_text->Text().empty()) {
    return Fail(app, f3.beta_text, kMsgBeta);
  }
  return true;
}

// "直接入力", a click in the coefficient box, and the option beside the
// button: the box is made ready for a typed coefficient.
void PrepareDirectCoefficient(App& app, LevelDimensionsWindow& f3) {
  FocusAndSelect(app, f3.ka_text);
  f3.ka_text->SetBorderStyle(1);
  app.results().ClearResultsAndSlidingFactor();
}

void WireForm3(LevelDimensionsWindow& f3, App& app) {
  f3.direct_button->on_click = [&f3, &app] {
    PrepareDirectCoefficient(app, f3);
    f3.ka_entered->SetValue(true);
  };
  f3.ka_entered->on_click = [&f3, &app] { PrepareDirectCoefficient(app, f3); };
  f3.compute_button->on_click = [&f3, &app] {
    if (!CheckCoefficientInputs(app)) return;
    f3.ka_computed->SetValue(true);
    Form3Keisan(app);
  };
  f3.ka_computed->on_click = [&f3, &app] { CheckCoefficientOption(app, f3); };
  // Choosing "computed" by a click on its mark computes, as "計算する" does:
  // a typed coefficient left standing under "computed" would be printed
  // with a derivation it does not follow.
  f3.ka_computed->on_user_click = [&f3] { f3.compute_button->Click(); };
  WireShearKeyOptions(f3, app);

  auto next = [&app](ControlRef& target) { return [&app, &target] { FocusNext(app, target); }; };
  // After the surcharge (level ground) or β (slope) comes the choice of
  // the coefficient; when direct input is not available, "計算する".
  auto to_coefficient = [&f3, &app] {
    FocusNext(app, f3.ka_entered->Enabled() ? f3.ka_entered : f3.compute_button);
  };
  auto invalidate_coefficient = [&app] { InvalidateComputedCoefficient(app); };

  // Enter follows the drawing, top to bottom and left to right: the title
  // boxes, then the front projection, crest width and surcharge on the
  // crest's line, the crest height, β on a slope, h, the embedment and B,
  // then the choice of the coefficient. The title boxes do not touch the
  // results; a surcharge typed on level ground empties a computed
  // coefficient as the dimensions do (on a slope the computed coefficient
  // stays).
  // Tab takes the same way; after B, "計算する" comes right after 直接入力,
  // where Enter goes when 直接入力 is not available.
  f3.window.SetTabOrder({&*f3.section_text, &*f3.mark_text, &*f3.front_projection_text,
                         &*f3.crest_width_text, &*f3.surcharge_text, &*f3.crest_above_text,
                         &*f3.beta_text, &*f3.height_text, &*f3.embedment_text,
                         &*f3.base_width_text, &*f3.ka_entered, &*f3.compute_button,
                         &*f3.ka_computed, &*f3.ka_text});
  WireInputBox(app, f3.section_text, {next(f3.mark_text), nullptr, nullptr, false});
  WireInputBox(app, f3.mark_text, {next(f3.front_projection_text), nullptr, nullptr, false});
  auto dimension = [&app, invalidate_coefficient](ControlRef& box, std::function<void()> enter) {
    WireInputBox(app, box,
                 {std::move(enter), invalidate_coefficient,
                  [&app](int) { InvalidateComputedCoefficient(app); }, true});
  };
  dimension(f3.front_projection_text, next(f3.crest_width_text));
  dimension(f3.crest_width_text, next(f3.surcharge_text));
  WireInputBox(app, f3.surcharge_text,
               {next(f3.crest_above_text), nullptr,
                [&app](int) {
                  if (Conditions(app).level->Value()) InvalidateComputedCoefficient(app);
                },
                true});
  dimension(f3.crest_above_text, [&app, &f3] {
    FocusNext(app, Conditions(app).slope->Value() ? f3.beta_text : f3.height_text);
  });
  dimension(f3.beta_text, next(f3.height_text));
  dimension(f3.height_text, next(f3.embedment_text));
  dimension(f3.embedment_text, next(f3.base_width_text));
  dimension(f3.base_width_text, to_coefficient);
  // A coefficient typed into the box is a directly entered one, whether the
  // box was clicked or reached with the keyboard.
  WireInputBox(app, f3.ka_text,
               {[&app] { FocusNext(app, Results(app).methods_button); },
                [&f3, &app] {
                  PrepareDirectCoefficient(app, f3);
                  f3.ka_entered->SetValue(true);
                },
                [&f3](int key) {
                  if (key != ui::kKeyEnter && !f3.ka_entered->Value()) {
                    f3.ka_entered->SetValue(true);
                  }
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
  w.height = kDimensionHeight;
  w.Move(kDimensionLeft, 0);
  LevelDimensionsWindow& f3 = w.Attach(std::make_unique<LevelDimensionsWindow>(w));

  AddLabel(w, "lblSection", kSection, 120, 90);
  AddSizingButton(w, app, 90, 780, 1620);
  f3.section_text = AddText(w, "txt1", 360, 60, 900);
  AddLabel(w, "lblMark", kMark, 120, 450);
  f3.mark_text = AddText(w, "txt2", 1500, 420, 1200);
  f3.front_projection_text = AddText(w, "txt8", 1740, 780, 600);
  AddLabel(w, "lblFUnit", kM, 2340, 810);
  f3.crest_width_text = AddText(w, "txt6", 2580, 780, 600);
  AddLabel(w, "lblBUnit", kM, 3180, 810);
  AddLabel(w, "lblSurcharge", kSurcharge, 3480, 570);
  f3.surcharge_text = AddText(w, "txt9", 3480, 810, 600);
  AddLabel(w, "lblSurchargeUnit", kKNm2, 4080, 840);
  f3.crest_above_text = AddText(w, "txt5", 360, 1440, 600);
  AddLabel(w, "lblCrestUnit", kM, 960, 1470);
  AddLabel(w, "lblH", kH, 120, 2370);
  f3.height_text = AddText(w, "txt3", 360, 2340, 600);
  AddLabel(w, "lblHUnit", kM, 960, 2370);
  f3.embedment_text = AddText(w, "txt4", 360, 3360, 600);
  AddLabel(w, "lblEmbedUnit", kM, 960, 3390);
  AddLabel(w, "lblBase", kB, 2250, 4350);
  f3.base_width_text = AddText(w, "txt7", 2520, 4320, 600);
  AddLabel(w, "lblBaseUnit", kM, 3120, 4350);

  // β and its prompts are shown only for a slope.
  f3.beta_labels[0] = AddLabel(w, "lbl13", kBeta1, 3780, 1410);
  f3.beta_labels[1] = AddLabel(w, "lbl14", kBeta2, 3780, 1650);
  f3.beta_labels[2] = AddLabel(w, "lbl15", kBeta3, 4080, 1920);
  f3.beta_text = AddText(w, "txt10", 4380, 1890, 600);
  f3.beta_labels[3] = AddLabel(w, "lbl16", kDegree, 4980, 1920);
  ShowSlopeAngle(f3, false);

  AddFrame(w, "Frame1", kCoefficientFrame, 3840, 3420, 1800, 1200);
  AddLabel(w, "lblKA", kKA, 120, 270, "Frame1");
  f3.ka_text = AddText(w, "txt11", 540, 240, 900, "Frame1");
  f3.ka_entered = AddOption(w, "opt1", "", 120, 600, "Frame1");
  f3.ka_entered->width = 240;
  f3.ka_computed = AddOption(w, "opt2", "", 120, 900, "Frame1");
  f3.ka_computed->SetValue(true);
  f3.ka_computed->width = 240;
  f3.direct_button = AddButton(w, "cmd1", kDirect, 4200, 3960, 1200);
  f3.direct_button->height = 300;
  f3.compute_button = AddButton(w, "cmd2", kCompute, 4200, 4260, 1200);

  DeclareShearKeyControls(w, f3, 300, 3720);
  DeclareWallSketch(w, /*raised_soil=*/false);
  DeclareSurchargePressureSketch(w, f3);

  // At load the level ground is drawn and the slope angle is hidden.
  w.on_load = [&w] { DrawLevelGround(w); };
  WireForm3(f3, app);
  WireShearKeyButton(f3, app, /*draw_sketch=*/true);
}

}  // namespace varnholt::forms
