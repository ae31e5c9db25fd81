// Dimension and load window for level ground and a uniform slope (Form3).

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dimension_windows.h"
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
  (void)app;
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
  AddButton(w, "cmd1", kDirect, 4200, 3960, 1200);
  AddButton(w, "cmd2", kCompute, 4200, 4260, 1200);

  DeclareShearKeyControls(w, 300, 3720);
  DeclareWallSketch(w, /*raised_soil=*/false);

  // At load the level ground is drawn and the slope angle is hidden.
  w.on_load = [&w] { DrawLevelGround(w); };
}

}  // namespace varnholt::forms
