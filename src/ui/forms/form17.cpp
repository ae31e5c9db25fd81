// Fence dialog (Form17): fence geometry, self weight and the kind of
// horizontal load.

#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "Varnholt";
constexpr const char* kHeading = "フェンス、柵、塀等の計算";
constexpr const char* kNormal = "常時(水平荷重無し)";
constexpr const char* kDistributed = "短期(等分布荷重)：風圧力等";
constexpr const char* kConcentrated = "短期(集中荷重)  ：衝突荷重等";
constexpr const char* kDistance = "擁壁天端前面よりフェンス、柵、塀等の中心までの距離";
constexpr const char* kHeight = "フェンス、柵、塀等の高さ";
constexpr const char* kLoad = "水平荷重";
constexpr const char* kPerMetre = "(1m当り)";
constexpr const char* kLoadPosition = "水平荷重の位置";
constexpr const char* kWeight = "フェンス、柵、塀等の自重";
constexpr const char* kNo = "No=";
constexpr const char* kKNm = "kN/m";
constexpr const char* kM = "m";
constexpr const char* kCompute = "計算";
constexpr const char* kCancel = "キャンセル";

}  // namespace

void DefineForm17(ui::Window& w, App& app) {
  (void)app;
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 5640;
  w.height = 6120;

  AddLabel(w, "Label1", kHeading, 120, 120).bold = true;
  AddOption(w, "opt1", kNormal, 300, 480).width = 3600;
  AddOption(w, "opt2", kDistributed, 300, 780).width = 3600;
  AddOption(w, "opt3", kConcentrated, 300, 1080).width = 3600;
  AddLabel(w, "Label3", kDistance, 1200, 1620);
  AddText(w, "txt2", 1740, 2040, 720);
  AddLabel(w, "lblDistanceUnit", kM, 2490, 2070);
  AddLabel(w, "Label4", kHeight, 420, 2520);
  AddText(w, "txt1", 420, 3120, 720);
  AddLabel(w, "lblHeightUnit", kM, 1170, 3150);
  AddLabel(w, "lbl1", kLoad, 2700, 2280).SetVisible(false);
  AddLabel(w, "lbl6", kPerMetre, 3540, 2280).SetVisible(false);
  AddLabel(w, "lbl2", "", 2700, 2580).SetVisible(false);
  AddText(w, "txt3", 3000, 2520, 600).SetVisible(false);
  AddLabel(w, "lbl3", "", 3660, 2580).SetVisible(false);
  AddLabel(w, "lbl4", kLoadPosition, 3660, 2940).SetVisible(false);
  AddText(w, "txt4", 3660, 3180, 600).SetVisible(false);
  AddLabel(w, "lbl5", kM, 4320, 3240).SetVisible(false);
  AddLabel(w, "Label5", kWeight, 3000, 4200);
  AddLabel(w, "Label6", kNo, 3540, 4500);
  AddText(w, "txt5", 3840, 4440, 600);
  AddLabel(w, "Label7", kKNm, 4500, 4500);
  AddButton(w, "cmd1", kCompute, 2820, 5220, 1200);
  AddButton(w, "cmd2", kCancel, 4080, 5220, 1200);

  // Sketch: the crest with the fence; one group shows a distributed load
  // over the fence height, the other a single load arrow with its height.
  AddLine(w, "LineCrest", 300, 3900, 2400, 3900);
  AddLine(w, "LineFace", 300, 3900, 300, 4800);
  AddLine(w, "LineBack", 2400, 3900, 2520, 4800);
  AddLine(w, "LineFence", 1560, 3900, 1560, 2700);
  for (int i = 0; i < 5; ++i) {
    const int y = 2760 + 240 * i;
    AddLine(w, "LineDist" + std::to_string(i), 1080, y, 1500, y).SetVisible(false);
  }
  AddLine(w, "LinePoint", 900, 2940, 1500, 2940).SetVisible(false);
  AddLine(w, "LinePointHead", 1500, 2940, 1380, 2880).SetVisible(false);
  AddLine(w, "LinePointDim", 2100, 2940, 2100, 3900).SetVisible(false);
}

}  // namespace varnholt::forms
