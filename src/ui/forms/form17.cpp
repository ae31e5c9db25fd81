// Fence dialog (Form17): fence geometry, self weight and the kind of
// horizontal load. The chosen kind (FenceLoadType) selects the criteria of
// the stability checks, decides which fence terms enter the load totals, and
// decides whether the seismic case stays available.

#include "ui/forms/form17.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/dialog_boxes.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "フェンス、柵、塀等の計算";
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

constexpr int kDistArrows = 5;

void ShowGroup(const std::vector<ControlRef>& controls, bool visible) {
  for (const ControlRef& c : controls) c->SetVisible(visible);
}

void ShowControls(std::initializer_list<ControlRef*> controls, bool visible) {
  for (ControlRef* c : controls) (*c)->SetVisible(visible);
}

// The two load sketches: arrows over the fence height for a distributed
// load, one arrow with its height dimension for a concentrated load.
void DeclareSketch(ui::Window& w, FenceDialog& f) {
  AddLine(w, "LineCrest", 300, 3900, 2400, 3900);
  AddLine(w, "LineFace", 300, 3900, 300, 4800);
  AddLine(w, "LineBack", 2400, 3900, 2520, 4800);
  AddLine(w, "LineFence", 1560, 3900, 1560, 2700);
  auto hidden = [](Control& c) -> Control& {
    c.SetVisible(false);
    return c;
  };
  for (int i = 0; i < kDistArrows; ++i) {
    const int y = 2760 + 240 * i;
    f.distributed_sketch.emplace_back() =
        hidden(AddLine(w, "LineDist" + std::to_string(i), 1080, y, 1500, y));
    f.distributed_sketch.emplace_back() =
        hidden(AddLine(w, "LineDistHead" + std::to_string(i), 1500, y, 1400, y - 50));
  }
  f.point_sketch.emplace_back() = hidden(AddLine(w, "LinePoint", 900, 2940, 1500, 2940));
  f.point_sketch.emplace_back() = hidden(AddLine(w, "LinePointHead", 1500, 2940, 1380, 2880));
  f.point_sketch.emplace_back() = hidden(AddLine(w, "LinePointDim", 2100, 2940, 2100, 3900));
  f.point_sketch.emplace_back() = hidden(AddLine(w, "LinePointTick1", 2040, 2940, 2160, 2940));
  f.point_sketch.emplace_back() = hidden(AddLine(w, "LinePointTick2", 2040, 3900, 2160, 3900));
}

// opt1 常時 (no horizontal load): the load boxes are emptied and hidden and
// the horizontal load is 0 at once.
void OnNormal(FenceDialog& f, App& app) {
  app.dc().FenceLoadType = kTypeNormal;
  f.load_text->SetText("");
  f.load_height_text->SetText("");
  ShowLoadKind(f, FenceLoadOption::kNormal);
  app.dc().FenceP = 0;
  app.results().ClearResultsAndSlidingFactor();
}

// opt2 distributed load w (wind) over the fence height.
void OnDistributed(FenceDialog& f, App& app) {
  app.dc().FenceLoadType = kTypeDistributed;
  f.load_height_text->SetText("");
  ShowLoadKind(f, FenceLoadOption::kDistributed);
  app.results().ClearResultsAndSlidingFactor();
}

// opt3 concentrated load P (impact) at a height above the crest.
void OnConcentrated(FenceDialog& f, App& app) {
  app.dc().FenceLoadType = kTypeConcentrated;
  ShowLoadKind(f, FenceLoadOption::kConcentrated);
  app.results().ClearResultsAndSlidingFactor();
}

// 計算: checks the entries, then sets the load case of the design
// conditions window that the chosen load kind allows.
void OnCompute(FenceDialog& f, App& app) {
  const bool normal = f.load_normal->Value();
  const bool distributed = f.load_distributed->Value();
  const bool concentrated = f.load_concentrated->Value();
  if (!normal && !distributed && !concentrated) {
    app.ErrorMessage(kMsgChoose);
    app.FocusAtStart(f.load_normal);
    return;
  }
  struct Row {
    ControlRef* box;
    const char* message;
    bool only_when_visible;
  };
  const Row rows[] = {
      {&f.height_text, kMsgHeight, false},           {&f.distance_text, kMsgPosition, false},
      {&f.weight_text, kMsgWeight, false},           {&f.load_text, kMsgLoad, true},
      {&f.load_height_text, kMsgLoadPosition, true},
  };
  for (const Row& r : rows) {
    ui::Control& box = *r.box;
    if (r.only_when_visible && !box.Visible()) continue;
    if (box.Text().empty()) {
      app.ErrorMessage(r.message);
      app.FocusAtStart(box);
      return;
    }
  }

  f.window.Hide();
  if (normal) {
    AllowSeismicCase(Conditions(app));
  } else {
    ForceNormalCaseForShortTermLoad(app);
  }
  app.dc().FenceLoadType = normal        ? kTypeNormal
                           : distributed ? kTypeDistributed
                                         : kTypeConcentrated;
}

// Enter order: txt1, txt2, txt3 (txt5 while hidden), txt4 (txt5 while
// hidden), txt5, then the 計算 button.
ui::Control& NextAfter(FenceDialog& f, const ui::Control& box) {
  if (&box == &*f.height_text) return f.distance_text;
  if (&box == &*f.distance_text) {
    return f.load_text->Visible() ? f.load_text : f.weight_text;
  }
  if (&box == &*f.load_text) {
    return f.load_height_text->Visible() ? f.load_height_text : f.weight_text;
  }
  if (&box == &*f.load_height_text) return f.weight_text;
  return f.compute_button;
}

}  // namespace

// A short-term fence load is always calculated in the normal case. When the
// design was in the seismic case before the fence was added, what that case
// left behind must not reach the normal-case calculation: a coefficient
// computed with the seismic method (KAE) would otherwise be used as KA.
// The seismic dialog keeps its settings, which the normal case never reads.
void ForceNormalCaseForShortTermLoad(App& app) {
  ConditionsWindow& f2 = Conditions(app);
  if (!f2.case_normal->Value()) {
    DesignCase& dc = app.dc();
    dc.Cond[cond::kKh] = 0;
    dc.Cond[cond::kKv] = 0;
    if (IsLevelOrSlope(f2)) {
      LevelDimensionsWindow& f3 = LevelDimensions(app);
      if (!f3.ka_entered->Value()) {
        f3.ka_text->SetText("");
        f3.ka_computed->SetValue(false);
      }
      // The normal coefficient may be typed again, on level ground.
      if (f2.level->Value()) {
        f3.direct_button->SetEnabled(true);
        f3.ka_entered->SetEnabled(true);
      }
    }
    app.results().ClearResultsAndSlidingFactor();
  }
  f2.case_seismic->SetValue(false);
  f2.case_seismic->SetEnabled(false);
  f2.seismic_button->SetEnabled(false);
  f2.case_normal->SetValue(true);
}

void ShowLoadKind(FenceDialog& f, FenceLoadOption kind) {
  ControlRef* const load[] = {&f.load_text, &f.load_caption, &f.load_symbol, &f.load_unit};
  ControlRef* const height[] = {&f.load_height_text, &f.load_height_caption, &f.load_height_unit,
                                &f.per_metre};
  switch (kind) {
    case FenceLoadOption::kNormal:
      // No horizontal load: neither box, nor a sketch of one.
      f.load_unit->SetCaption("");
      for (ControlRef* c : load) (*c)->SetVisible(false);
      for (ControlRef* c : height) (*c)->SetVisible(false);
      ShowGroup(f.distributed_sketch, false);
      ShowGroup(f.point_sketch, false);
      break;
    case FenceLoadOption::kDistributed:
      // A wind pressure w over the fence height.
      for (ControlRef* c : load) (*c)->SetVisible(true);
      f.load_symbol->SetCaption(kW);
      f.load_unit->SetCaption(kKNm2);
      for (ControlRef* c : height) (*c)->SetVisible(false);
      ShowGroup(f.distributed_sketch, true);
      ShowGroup(f.point_sketch, false);
      break;
    case FenceLoadOption::kConcentrated:
      // An impact load P at a height above the crest.
      for (ControlRef* c : load) (*c)->SetVisible(true);
      for (ControlRef* c : height) (*c)->SetVisible(true);
      f.load_symbol->SetCaption(kP);
      f.load_unit->SetCaption(kKNm);
      ShowGroup(f.point_sketch, true);
      ShowGroup(f.distributed_sketch, false);
      break;
    case FenceLoadOption::kNone:
      break;
  }
}

void AllowSeismicCase(ConditionsWindow& f2) {
  f2.case_seismic->SetEnabled(true);
  f2.seismic_button->SetEnabled(true);
}

void DefineForm17(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 5640;
  w.height = 6120;
  FenceDialog& f = w.Attach(std::make_unique<FenceDialog>(w));

  AddLabel(w, "Label1", kHeading, 120, 120).bold = true;
  f.load_normal = AddOption(w, "opt1", kNormal, 300, 480);
  f.load_distributed = AddOption(w, "opt2", kDistributed, 300, 780);
  f.load_concentrated = AddOption(w, "opt3", kConcentrated, 300, 1080);
  for (ControlRef* o : {&f.load_normal, &f.load_distributed, &f.load_concentrated}) {
    (*o)->width = 3600;
  }
  AddLabel(w, "Label3", kDistance, 1200, 1620);
  f.distance_text = AddText(w, "txt2", 1740, 2040, 720);
  AddLabel(w, "lblDistanceUnit", kM, 2490, 2070);
  AddLabel(w, "Label4", kHeight, 420, 2520);
  f.height_text = AddText(w, "txt1", 420, 3120, 720);
  AddLabel(w, "lblHeightUnit", kM, 1170, 3150);
  // The load boxes appear with the load kind that has them.
  f.load_caption = AddLabel(w, "lbl1", kLoad, 2700, 2280);
  f.per_metre = AddLabel(w, "lbl6", kPerMetre, 3540, 2280);
  f.load_symbol = AddLabel(w, "lbl2", "", 2700, 2580);
  f.load_text = AddText(w, "txt3", 3000, 2520, 600);
  f.load_unit = AddLabel(w, "lbl3", "", 3660, 2580);
  f.load_height_caption = AddLabel(w, "lbl4", kLoadPosition, 3660, 2940);
  f.load_height_text = AddText(w, "txt4", 3660, 3180, 600);
  f.load_height_unit = AddLabel(w, "lbl5", kM, 4320, 3240);
  ShowControls({&f.load_caption, &f.per_metre, &f.load_symbol, &f.load_text, &f.load_unit,
                &f.load_height_caption, &f.load_height_text, &f.load_height_unit},
               false);
  AddLabel(w, "Label5", kWeight, 3000, 4200);
  AddLabel(w, "Label6", kNo, 3420, 4500);
  f.weight_text = AddText(w, "txt5", 3840, 4440, 600);
  AddLabel(w, "Label7", kKNm, 4500, 4500);
  f.compute_button = AddButton(w, "cmd1", kCompute, 2820, 5220, 1200);
  f.cancel_button = AddButton(w, "cmd2", kCancel, 4080, 5220, 1200);
  DeclareSketch(w, f);

  // Handlers (after the defaults, so loading runs none of them).
  f.load_normal->on_click = [&f, &app] { OnNormal(f, app); };
  f.load_distributed->on_click = [&f, &app] { OnDistributed(f, app); };
  f.load_concentrated->on_click = [&f, &app] { OnConcentrated(f, app); };
  f.compute_button->on_click = [&f, &app] { OnCompute(f, app); };
  // キャンセル discards the dialog's entries; the unload handler empties
  // FenceLoadType.
  f.cancel_button->on_click = [&app] { app.windows().Unload(kForm17); };

  w.SetTabOrder({&*f.height_text, &*f.distance_text, &*f.load_text, &*f.load_height_text,
                 &*f.weight_text, &*f.compute_button});
  for (ControlRef* box :
       {&f.height_text, &f.distance_text, &f.load_text, &f.load_height_text, &f.weight_text}) {
    ui::Control& b = *box;
    // Every edit of a fence value invalidates the results, as a click does.
    WireDialogTextBox(b, {[&app] { app.results().ClearResultsAndSlidingFactor(); },
                          [&app] { app.results().ClearResultsAndSlidingFactor(); },
                          [&f, &app, &b] { app.windows().SetFocus(NextAfter(f, b)); }});
  }

  // However the dialog goes away unconfirmed (キャンセル, its close box, or
  // fence 無し closing it), its options return to none, and so does the load
  // kind: FenceLoadType is empty whenever no choice stands confirmed.
  w.on_unload = [&app] { app.dc().FenceLoadType.clear(); };
}

}  // namespace varnholt::forms
