// Shear key dialogs: Form15 (宅地造成) and Form19 (道路土工) share one layout.

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "Varnholt";
constexpr const char* kHeading = "突起の計算";
constexpr const char* kHeightGuide = "・突起の高さ(H0)：基礎底版巾(B)の１０～１５％";
constexpr const char* kWidthGuide = "・突起の幅(Ｄ)：高さと同程度";
constexpr const char* kPositionGuide = "・突起の位置(B1)：基礎底版の中央部１/３の範囲内";
constexpr const char* kH0 = "H0=";
constexpr const char* kB1 = "B1=";
constexpr const char* kL1 = "L1=";
constexpr const char* kD = "D=";
constexpr const char* kB = "B=";
constexpr const char* kTilde = "～";
constexpr const char* kM = "m";
constexpr const char* kCohesion = "支持地盤の粘着力 Ｃ を考慮する";
constexpr const char* kCompute = "計算";
constexpr const char* kCancel = "キャンセル";
constexpr const char* kWedgeAngle = "45゜＋φB/2";

}  // namespace

void DefineShearKeyDialog(ui::Window& w, App& app, bool road) {
  (void)app;
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 5040;
  w.height = 6360;

  AddLabel(w, "Label1", kHeading, 180, 60).bold = true;
  AddLabel(w, "Label17", kHeightGuide, 360, 360);
  AddLabel(w, "Label20", kH0, 600, 600);
  AddLabel(w, "lbl2", "", 1080, 600);
  AddLabel(w, "Label21", kTilde, 1800, 600);
  AddLabel(w, "lbl3", "", 2100, 600);
  AddLabel(w, "Label22", kM, 2820, 600);
  AddLabel(w, "Label5", kWidthGuide, 360, 900);
  AddLabel(w, "Label18", kPositionGuide, 360, 1200);
  AddLabel(w, "Label23", road ? kL1 : kB1, 600, 1440);
  AddLabel(w, "lbl4", "", 1080, 1440);
  AddLabel(w, "Label24", kTilde, 1800, 1440);
  AddLabel(w, "lbl5", "", 2100, 1440);
  AddLabel(w, "Label25", kM, 2820, 1440);

  AddLabel(w, "lblH0", kH0, 3360, 2460);
  AddText(w, "txt1", 3780, 2430, 720);
  AddLabel(w, "lblB1", road ? kL1 : kB1, 1200, 2910);
  AddText(w, "txt2", 1620, 2880, 720);
  AddLabel(w, "lblD", kD, 2820, 2910);
  AddText(w, "txt3", 3120, 2880, 720);
  AddLabel(w, "lblB", kB, 1980, 4620);
  AddLabel(w, "lbl1", "", 2280, 4620);
  AddCheck(w, "chk1", kCohesion, 1080, 5100).width = 3600;
  AddButton(w, "cmd1", kCompute, 1200, 5520, 1200);
  AddButton(w, "cmd2", kCancel, 2700, 5520, 1200);

  // Static sketch of the base with the key (the pressure outline is drawn at
  // run time on the window surface).
  AddLine(w, "LineBase", 1560, 3420, 3600, 3420);
  AddLine(w, "LineKeyL", 2580, 3420, 2580, 3300);
  AddLine(w, "LineWall1", 1560, 3420, 1560, 3240);
  AddLine(w, "LineWall2", 3600, 3420, 3600, 3240);
  if (road) {
    AddLabel(w, "lblSkL1", "L1", 2000, 3180).font_size = 8;
    AddLabel(w, "lblSkL2", "L2", 3000, 3180).font_size = 8;
  } else {
    AddLine(w, "LineWedge", 2580, 3300, 2160, 3420);
    AddLabel(w, "lblSkAngle", kWedgeAngle, 1620, 3120).font_size = 8;
    AddLabel(w, "lblSkL", "L", 2300, 3180).font_size = 8;
  }
}

}  // namespace varnholt::forms
