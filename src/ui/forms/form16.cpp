// Dimension and load window for raised soil (Form16).

#include <memory>
#include <string>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/sizing_entry.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "寸法・荷重（嵩上げ土）";
constexpr const char* kSection = "§";
constexpr const char* kMark = "擁壁の記号： ";
constexpr const char* kM = " m";
constexpr const char* kSurcharge = "上載荷重";
constexpr const char* kKNm2 = " kN/m2";
constexpr const char* kH = "h=";
constexpr const char* kB = "B=";
constexpr const char* kH0 = "ho=";
constexpr const char* kBeta1 = "地平面と水平面との";
constexpr const char* kBeta2 = "なす角度：";
constexpr const char* kBeta3 = "β=";
constexpr const char* kDegree = "゜";
constexpr const char* kSlopeFrame = "法面上載荷重";
constexpr const char* kNone = "無し";
constexpr const char* kWith = "有り";

void ShowSlopeSurcharge(RaisedDimensionsWindow& f16, bool visible) {
  for (const ControlRef& line : f16.slope_surcharge_lines) line->SetVisible(visible);
}

void WireForm16(RaisedDimensionsWindow& f16, App& app) {
  f16.slope_surcharge_with->on_click = [&f16, &app] {
    ShowSlopeSurcharge(f16, true);
    app.results().ClearResultsAndSlidingFactor();
  };
  f16.slope_surcharge_without->on_click = [&f16, &app] {
    ShowSlopeSurcharge(f16, false);
    app.results().ClearResultsAndSlidingFactor();
  };
  WireShearKeyOptions(f16, app);

  // Enter follows the drawing, top to bottom and left to right, after the
  // title boxes, and leaves the window for the results window's
  // "安定性の検討方法".
  ControlRef* chain[] = {&f16.section_text,          &f16.mark_text,        &f16.surcharge_text,
                         &f16.front_projection_text, &f16.crest_width_text, &f16.slope_height_text,
                         &f16.crest_above_text,      &f16.beta_text,        &f16.height_text,
                         &f16.embedment_text,        &f16.base_width_text};
  std::vector<ui::Control*> tab_order;
  for (ControlRef* box : chain) tab_order.push_back(&**box);
  f16.window.SetTabOrder(std::move(tab_order));
  for (int i = 0; i + 1 < 11; ++i) {
    ControlRef& target = *chain[i + 1];
    WireInputBox(app, *chain[i], {[&app, &target] { FocusNext(app, target); }});
  }
  WireInputBox(app, f16.base_width_text, {[&app] { FocusNext(app, Results(app).methods_button); }});
}

}  // namespace

void DefineForm16(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.width = 5760;
  w.height = kDimensionHeight;
  w.Move(kDimensionLeft, 0);
  RaisedDimensionsWindow& f16 = w.Attach(std::make_unique<RaisedDimensionsWindow>(w));

  AddLabel(w, "lblSection", kSection, 120, 90);
  AddSizingButton(w, app, 1320, 40, 1800);
  f16.section_text = AddText(w, "txt1", 360, 60, 900);
  AddLabel(w, "lblMark", kMark, 120, 450);
  f16.mark_text = AddText(w, "txt2", 1380, 420, 1200);
  f16.front_projection_text = AddText(w, "txt8", 1560, 780, 600);
  AddLabel(w, "lblFUnit", kM, 2160, 810);
  f16.crest_width_text = AddText(w, "txt6", 2400, 780, 600);
  AddLabel(w, "lblBUnit", kM, 3000, 810);
  AddLabel(w, "lblSurcharge", kSurcharge, 3720, 120);
  f16.surcharge_text = AddText(w, "txt9", 3720, 360, 600);
  AddLabel(w, "lblSurchargeUnit", kKNm2, 4320, 390);
  f16.crest_above_text = AddText(w, "txt5", 300, 1440, 600);
  AddLabel(w, "lblCrestUnit", kM, 900, 1470);
  AddLabel(w, "lblH", kH, 60, 2370);
  f16.height_text = AddText(w, "txt3", 300, 2340, 600);
  AddLabel(w, "lblHUnit", kM, 900, 2370);
  f16.embedment_text = AddText(w, "txt4", 300, 3360, 600);
  AddLabel(w, "lblEmbedUnit", kM, 900, 3390);
  AddLabel(w, "lblBase", kB, 2070, 4350);
  f16.base_width_text = AddText(w, "txt7", 2340, 4320, 600);
  AddLabel(w, "lblBaseUnit", kM, 2940, 4350);
  AddLabel(w, "lblH0", kH0, 3780, 1290);
  f16.slope_height_text = AddText(w, "txt11", 4140, 1260, 600);
  AddLabel(w, "lblH0Unit", kM, 4740, 1290);
  f16.beta_labels[0] = AddLabel(w, "lbl13", kBeta1, 3780, 1560);
  f16.beta_labels[1] = AddLabel(w, "lbl14", kBeta2, 2820, 1920);
  f16.beta_labels[2] = AddLabel(w, "lbl15", kBeta3, 3840, 1920);
  f16.beta_text = AddText(w, "txt10", 4140, 1890, 600);
  f16.beta_labels[3] = AddLabel(w, "lbl16", kDegree, 4740, 1920);

  AddFrame(w, "Frame1", kSlopeFrame, 3840, 2880, 1500, 540);
  f16.slope_surcharge_without = AddOption(w, "opt2", kNone, 60, 240, "Frame1");
  f16.slope_surcharge_without->SetValue(true);
  f16.slope_surcharge_with = AddOption(w, "opt1", kWith, 780, 240, "Frame1");

  DeclareShearKeyControls(w, f16, 180, 3720);
  DeclareWallSketch(w, /*raised_soil=*/true);
  DeclareTrialWedgeSketch(w, f16);
  WireForm16(f16, app);
  WireShearKeyButton(f16, app, /*draw_sketch=*/false);
}

}  // namespace varnholt::forms
