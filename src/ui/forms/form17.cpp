// Fence dialog (Form17): fence geometry, self weight and the kind of
// horizontal load. The chosen kind (FenceLoadType) selects the criteria of
// the stability checks, decides which fence terms enter the load totals, and
// decides whether the seismic case stays available.

#include <string>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dialog_boxes.h"
#include "ui/forms/invalidate.h"
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
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kM = "m";
constexpr const char* kW = "w=";
constexpr const char* kP = "P=";
constexpr const char* kCompute = "計算";
constexpr const char* kCancel = "キャンセル";

constexpr const char* kMsgChoose = "常時又は短期を選択してください。";
constexpr const char* kMsgHeight = "フェンス、柵、塀等の高さを入力してください。";
constexpr const char* kMsgPosition = "フェンス、柵、塀等の位置を入力してください。";
constexpr const char* kMsgWeight = "フェンス、柵、塀等の自重を入力してください。";
constexpr const char* kMsgLoad = "水平荷重を入力してください。";
constexpr const char* kMsgLoadPosition = "水平荷重の位置を入力してください。";

// FenceLoadType values.
constexpr const char* kTypeNormal = "0";
constexpr const char* kTypeDistributed = "1";
constexpr const char* kTypeConcentrated = "2";

// The two load sketches: arrows over the fence height for a distributed
// load, one arrow with its height dimension for a concentrated load.
constexpr int kDistArrows = 5;
const std::vector<std::string>& DistributedSketch() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (int i = 0; i < kDistArrows; ++i) {
      n.push_back("LineDist" + std::to_string(i));
      n.push_back("LineDistHead" + std::to_string(i));
    }
    return n;
  }();
  return names;
}
const std::vector<std::string>& PointSketch() {
  static const std::vector<std::string> names = {"LinePoint", "LinePointHead", "LinePointDim",
                                                 "LinePointTick1", "LinePointTick2"};
  return names;
}

void ShowGroup(ui::Window& w, const std::vector<std::string>& names, bool visible) {
  for (const std::string& n : names) w[n].SetVisible(visible);
}

void ShowControls(ui::Window& w, std::initializer_list<const char*> names, bool visible) {
  for (const char* n : names) w[n].SetVisible(visible);
}

void DeclareSketch(ui::Window& w) {
  AddLine(w, "LineCrest", 300, 3900, 2400, 3900);
  AddLine(w, "LineFace", 300, 3900, 300, 4800);
  AddLine(w, "LineBack", 2400, 3900, 2520, 4800);
  AddLine(w, "LineFence", 1560, 3900, 1560, 2700);
  for (int i = 0; i < kDistArrows; ++i) {
    const int y = 2760 + 240 * i;
    AddLine(w, "LineDist" + std::to_string(i), 1080, y, 1500, y).SetVisible(false);
    AddLine(w, "LineDistHead" + std::to_string(i), 1500, y, 1400, y - 50).SetVisible(false);
  }
  AddLine(w, "LinePoint", 900, 2940, 1500, 2940).SetVisible(false);
  AddLine(w, "LinePointHead", 1500, 2940, 1380, 2880).SetVisible(false);
  AddLine(w, "LinePointDim", 2100, 2940, 2100, 3900).SetVisible(false);
  AddLine(w, "LinePointTick1", 2040, 2940, 2160, 2940).SetVisible(false);
  AddLine(w, "LinePointTick2", 2040, 3900, 2160, 3900).SetVisible(false);
}

// opt1 常時 (no horizontal load): the load boxes are emptied and hidden and
// the horizontal load is 0 at once.
void OnNormal(ui::Window& w, App& app) {
  app.dc().FenceLoadType = kTypeNormal;
  w["txt3"].SetText("");
  w["txt4"].SetText("");
  w["lbl3"].SetCaption("");
  app.dc().FenceP = 0;
  ShowControls(w, {"txt3", "txt4", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"}, false);
  ShowGroup(w, DistributedSketch(), false);
  ShowGroup(w, PointSketch(), false);
  Hihyouji_1(app);
}

// opt2 distributed load w (wind) over the fence height.
void OnDistributed(ui::Window& w, App& app) {
  app.dc().FenceLoadType = kTypeDistributed;
  ShowControls(w, {"txt3", "lbl1", "lbl2", "lbl3"}, true);
  w["lbl2"].SetCaption(kW);
  w["lbl3"].SetCaption(kKNm2);
  w["txt4"].SetText("");
  ShowControls(w, {"txt4", "lbl4", "lbl5", "lbl6"}, false);
  ShowGroup(w, DistributedSketch(), true);
  ShowGroup(w, PointSketch(), false);
  Hihyouji_1(app);
}

// opt3 concentrated load P (impact) at a height above the crest.
void OnConcentrated(ui::Window& w, App& app) {
  app.dc().FenceLoadType = kTypeConcentrated;
  ShowControls(w, {"txt3", "txt4", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"}, true);
  w["lbl2"].SetCaption(kP);
  w["lbl3"].SetCaption(kKNm);
  ShowGroup(w, PointSketch(), true);
  ShowGroup(w, DistributedSketch(), false);
  Hihyouji_1(app);
}

// A short-term fence load is always calculated in the normal case. When the
// design was in the seismic case before the fence was added, what that case
// left behind must not reach the normal-case calculation: a coefficient
// computed with the seismic method (KAE) would otherwise be used as KA, and
// the seismic method would make the next coefficient computation produce
// KAE again. This is what the 常時 button does to the seismic settings.
void LeaveSeismicSettings(App& app) {
  ui::Window& f2 = app.Form(kForm2);
  if (f2["opt4"].Value()) return;
  DesignCase& dc = app.dc();
  dc.Cond[cond::kKh] = 0;
  dc.Cond[cond::kKv] = 0;
  app.windows().Unload(kForm20);
  if (f2["opt1"].Value() || f2["opt2"].Value()) {
    ui::Window& f3 = app.Form(kForm3);
    if (!f3["opt1"].Value()) {
      f3["txt11"].SetText("");
      f3["opt2"].SetValue(false);
    }
    // The normal coefficient may be typed again, on level ground.
    if (f2["opt1"].Value()) {
      f3["cmd1"].SetEnabled(true);
      f3["opt1"].SetEnabled(true);
    }
  }
  Hihyouji_1(app);
}

// 計算: checks the entries, then sets the load case of the design
// conditions window that the chosen load kind allows.
void OnCompute(ui::Window& w, App& app) {
  const bool normal = w["opt1"].Value();
  const bool distributed = w["opt2"].Value();
  const bool concentrated = w["opt3"].Value();
  if (!normal && !distributed && !concentrated) {
    app.ErrorMessage(kMsgChoose);
    app.FocusAtStart(w["opt1"]);
    return;
  }
  struct Row {
    const char* box;
    const char* message;
    bool only_when_visible;
  };
  static const Row kRows[] = {
      {"txt1", kMsgHeight, false}, {"txt2", kMsgPosition, false},    {"txt5", kMsgWeight, false},
      {"txt3", kMsgLoad, true},    {"txt4", kMsgLoadPosition, true},
  };
  for (const Row& r : kRows) {
    ui::Control& box = w[r.box];
    if (r.only_when_visible && !box.Visible()) continue;
    if (box.Text().empty()) {
      app.ErrorMessage(r.message);
      app.FocusAtStart(box);
      return;
    }
  }

  w.Hide();
  ui::Window& f2 = app.Form(kForm2);
  if (normal) {
    f2["opt5"].SetEnabled(true);
    f2["cmd2"].SetEnabled(true);
  } else {
    LeaveSeismicSettings(app);
    f2["opt5"].SetValue(false);
    f2["opt5"].SetEnabled(false);
    f2["cmd2"].SetEnabled(false);
    f2["opt4"].SetValue(true);
  }
  app.dc().FenceLoadType = normal        ? kTypeNormal
                           : distributed ? kTypeDistributed
                                         : kTypeConcentrated;
}

// Enter order: txt1, txt2, txt3 (txt5 while hidden), txt4 (txt5 while
// hidden), txt5, then the 計算 button.
ui::Control& NextAfter(ui::Window& w, const std::string& box) {
  if (box == "txt1") return w["txt2"];
  if (box == "txt2") return w["txt3"].Visible() ? w["txt3"] : w["txt5"];
  if (box == "txt3") return w["txt4"].Visible() ? w["txt4"] : w["txt5"];
  if (box == "txt4") return w["txt5"];
  return w["cmd1"];
}

}  // namespace

void DefineForm17(ui::Window& w, App& app) {
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
  AddLabel(w, "Label6", kNo, 3420, 4500);
  AddText(w, "txt5", 3840, 4440, 600);
  AddLabel(w, "Label7", kKNm, 4500, 4500);
  AddButton(w, "cmd1", kCompute, 2820, 5220, 1200);
  AddButton(w, "cmd2", kCancel, 4080, 5220, 1200);
  DeclareSketch(w);

  // Handlers (after the defaults, so loading runs none of them).
  w["opt1"].on_click = [&w, &app] { OnNormal(w, app); };
  w["opt2"].on_click = [&w, &app] { OnDistributed(w, app); };
  w["opt3"].on_click = [&w, &app] { OnConcentrated(w, app); };
  w["cmd1"].on_click = [&w, &app] { OnCompute(w, app); };
  // キャンセル discards the dialog's entries; the unload handler empties
  // FenceLoadType.
  w["cmd2"].on_click = [&app] { app.windows().Unload(kForm17); };

  for (const char* name : {"txt1", "txt2", "txt3", "txt4", "txt5"}) {
    const std::string box = name;
    // Every edit of a fence value invalidates the results, as a click does.
    WireDialogTextBox(w[box], {[&app] { Hihyouji_1(app); }, [&app] { Hihyouji_1(app); },
                               [&w, &app, box] { app.windows().SetFocus(NextAfter(w, box)); }});
  }

  // However the dialog goes away unconfirmed (キャンセル, its close box, or
  // fence 無し closing it), its options return to none, and so does the load
  // kind: FenceLoadType is empty whenever no choice stands confirmed.
  w.on_unload = [&app] { app.dc().FenceLoadType.clear(); };
}

}  // namespace varnholt::forms
