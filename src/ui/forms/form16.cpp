// Dimension and load window for raised soil (Form16).

#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/input_boxes.h"
#include "ui/forms/invalidate.h"
#include "ui/forms/shear_key.h"
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

// Lines that draw the surcharge on the slope.
constexpr int kFirstSlopeLoadLine = 58;
constexpr int kLastSlopeLoadLine = 66;

void ShowSlopeSurcharge(ui::Window& w, bool visible) {
  for (int i = kFirstSlopeLoadLine; i <= kLastSlopeLoadLine; ++i) {
    w["Line" + std::to_string(i)].SetVisible(visible);
  }
}

void WireForm16(ui::Window& w, App& app) {
  w["opt1"].on_click = [&w, &app] {
    ShowSlopeSurcharge(w, true);
    Hihyouji_1(app);
  };
  w["opt2"].on_click = [&w, &app] {
    ShowSlopeSurcharge(w, false);
    Hihyouji_1(app);
  };
  WireShearKeyOptions(w, app);

  // Enter runs down the boxes in their number order and leaves the window
  // for the results window's "安定性の検討方法".
  const char* chain[] = {"txt1", "txt2", "txt3", "txt4",  "txt5", "txt6",
                         "txt7", "txt8", "txt9", "txt10", "txt11"};
  for (int i = 0; i + 1 < 11; ++i) {
    const char* target = chain[i + 1];
    WireInputBox(app, w[chain[i]], {[&w, &app, target] { FocusNext(app, w[target]); }});
  }
  WireInputBox(app, w["txt11"], {[&app] { FocusNext(app, app.Form(kForm11)["cmd2"]); }});
}

}  // namespace

void DefineForm16(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.width = 5760;
  w.height = 4710;
  w.Move(5460, 0);

  AddLabel(w, "lblSection", kSection, 120, 90);
  AddText(w, "txt1", 360, 60, 900);
  AddLabel(w, "lblMark", kMark, 120, 450);
  AddText(w, "txt2", 1380, 420, 1200);
  AddText(w, "txt8", 1560, 780, 600);
  AddLabel(w, "lblFUnit", kM, 2160, 810);
  AddText(w, "txt6", 2400, 780, 600);
  AddLabel(w, "lblBUnit", kM, 3000, 810);
  AddLabel(w, "lblSurcharge", kSurcharge, 3720, 120);
  AddText(w, "txt9", 3720, 360, 600);
  AddLabel(w, "lblSurchargeUnit", kKNm2, 4320, 390);
  AddText(w, "txt5", 300, 1440, 600);
  AddLabel(w, "lblCrestUnit", kM, 900, 1470);
  AddLabel(w, "lblH", kH, 60, 2370);
  AddText(w, "txt3", 300, 2340, 600);
  AddLabel(w, "lblHUnit", kM, 900, 2370);
  AddText(w, "txt4", 300, 3360, 600);
  AddLabel(w, "lblEmbedUnit", kM, 900, 3390);
  AddLabel(w, "lblBase", kB, 2070, 4350);
  AddText(w, "txt7", 2340, 4320, 600);
  AddLabel(w, "lblBaseUnit", kM, 2940, 4350);
  AddLabel(w, "lblH0", kH0, 3780, 1290);
  AddText(w, "txt11", 4140, 1260, 600);
  AddLabel(w, "lblH0Unit", kM, 4740, 1290);
  AddLabel(w, "lbl13", kBeta1, 3780, 1560);
  AddLabel(w, "lbl14", kBeta2, 2820, 1920);
  AddLabel(w, "lbl15", kBeta3, 3840, 1920);
  AddText(w, "txt10", 4140, 1890, 600);
  AddLabel(w, "lbl16", kDegree, 4740, 1920);

  AddFrame(w, "Frame1", kSlopeFrame, 3840, 2880, 1500, 540);
  AddOption(w, "opt2", kNone, 60, 240, "Frame1").SetValue(true);
  AddOption(w, "opt1", kWith, 780, 240, "Frame1");

  DeclareShearKeyControls(w, 180, 3720);
  DeclareWallSketch(w, /*raised_soil=*/true);
  WireForm16(w, app);
  WireShearKeyButton(w, app, /*draw_sketch=*/false);
}

}  // namespace varnholt::forms
