// Shear key dialogs: Form15 (宅地造成) and Form19 (道路土工) share one layout.
// The user enters the key height H0, its position from the toe (B1, or L1
// under 道路土工) and its width D; 計算 confirms the key, キャンセル drops it.

#include <memory>
#include <string>
#include <utility>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dialog_boxes.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "突起の計算";
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

constexpr const char* kMsgHeight = "突起の高さを入力してください。";
constexpr const char* kMsgPosition = "突起の位置を入力してください。";
constexpr const char* kMsgWidth = "突起の巾を入力してください。";

// 計算: the three key dimensions must be entered; the key then stands.
void OnCompute(ShearKeyDialog& d, App& app, bool road) {
  const std::pair<ControlRef*, const char*> rows[] = {
      {&d.height_text, kMsgHeight}, {&d.position_text, kMsgPosition}, {&d.width_text, kMsgWidth}};
  for (const auto& [box, message] : rows) {
    if ((*box)->Text().empty()) {
      app.ErrorMessage(message);
      app.FocusAtStart(*box);
      return;
    }
  }
  if (road) app.results().ClearSlidingRows();
  d.window.Hide();
  app.dc().ShearKeyFlag = kShearKeyFlagWith;
}

// キャンセル: the dialog closes without its entries, and the dimension
// window in use shows 突起 無し, so the next calculation runs the plain
// sliding check.
void OnCancel(ShearKeyDialog& d, App& app) {
  app.windows().Unload(std::string(d.window.name()));
  app.dc().ShearKeyFlag = kShearKeyFlagWithout;
  DimensionsInUse(app).key_none->SetValue(true);
}

void DeclareStaticSketch(ui::Window& w, bool road) {
  // The base of the wall with the key under it, above the pressure sketch
  // that Ouryoku draws at run time.
  AddLine(w, "LineBase", 1560, 2340, 3600, 2340);
  AddLine(w, "LineWall1", 1560, 2340, 1680, 1860);
  AddLine(w, "LineWall2", 3600, 2340, 3420, 1860);
  AddLine(w, "LineKey1", 2580, 2340, 2580, 2700);
  AddLine(w, "LineKey2", 2580, 2700, 2880, 2700);
  AddLine(w, "LineKey3", 2880, 2700, 2880, 2340);
  if (road) {
    AddLabel(w, "lblSkL1", "L1", 2000, 2100).font_size = 8;
    AddLabel(w, "lblSkL2", "L2", 3100, 2100).font_size = 8;
  } else {
    // The passive wedge in front of the key, its angle and its length L.
    AddLine(w, "LineWedge", 2580, 2700, 2160, 2340);
    AddLabel(w, "lblSkAngle", kWedgeAngle, 1380, 2460).font_size = 8;
    AddLabel(w, "lblSkL", "L", 2340, 2100).font_size = 8;
  }
}

}  // namespace

void DefineShearKeyDialog(ui::Window& w, App& app, bool road) {
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 5040;
  w.height = 6360;
  ShearKeyDialog& d = w.Attach(std::make_unique<ShearKeyDialog>(w));

  AddLabel(w, "Label1", kHeading, 180, 60).bold = true;
  AddLabel(w, "Label17", kHeightGuide, 360, 360);
  AddLabel(w, "Label20", kH0, 600, 600);
  d.height_guide_from = AddLabel(w, "lbl2", "", 1080, 600);
  AddLabel(w, "Label21", kTilde, 1800, 600);
  d.height_guide_to = AddLabel(w, "lbl3", "", 2100, 600);
  AddLabel(w, "Label22", kM, 2820, 600);
  AddLabel(w, "Label5", kWidthGuide, 360, 900);
  AddLabel(w, "Label18", kPositionGuide, 360, 1200);
  AddLabel(w, "Label23", road ? kL1 : kB1, 600, 1440);
  d.position_guide_from = AddLabel(w, "lbl4", "", 1080, 1440);
  AddLabel(w, "Label24", kTilde, 1800, 1440);
  d.position_guide_to = AddLabel(w, "lbl5", "", 2100, 1440);
  AddLabel(w, "Label25", kM, 2820, 1440);

  // Tab order: txt1, txt3, txt2.
  AddLabel(w, "lblH0", kH0, 3360, 2460);
  d.height_text = AddText(w, "txt1", 3780, 2430, 720);
  AddLabel(w, "lblD", kD, 2820, 2910);
  d.width_text = AddText(w, "txt3", 3120, 2880, 720);
  AddLabel(w, "lblB1", road ? kL1 : kB1, 1200, 2910);
  d.position_text = AddText(w, "txt2", 1620, 2880, 720);
  AddLabel(w, "lblB", kB, 1980, 4620);
  d.base_width_guide = AddLabel(w, "lbl1", "", 2280, 4620);
  d.cohesion_check = AddCheck(w, "chk1", kCohesion, 1080, 5100);
  d.cohesion_check->width = 3600;
  d.compute_button = AddButton(w, "cmd1", kCompute, 1200, 5520, 1200);
  d.cancel_button = AddButton(w, "cmd2", kCancel, 2700, 5520, 1200);

  DeclareStaticSketch(w, road);
  // The texts of the pressure sketch; Ouryoku places and captions them.
  for (std::size_t i = 0; i < d.sketch_labels.size(); ++i) {
    Control& c = AddLabel(w, "lblOu" + std::to_string(i + 1), "", 0, 0);
    c.font_size = 8;
    c.SetVisible(false);
    d.sketch_labels[i] = c;
  }

  d.compute_button->on_click = [&d, &app, road] { OnCompute(d, app, road); };
  d.cancel_button->on_click = [&d, &app] { OnCancel(d, app); };
  // Enter: txt1 → txt3 → txt2 → 計算.
  const std::pair<ControlRef*, ControlRef*> chain[] = {{&d.height_text, &d.width_text},
                                                       {&d.width_text, &d.position_text},
                                                       {&d.position_text, &d.compute_button}};
  d.window.SetTabOrder({&*d.height_text, &*d.width_text, &*d.position_text, &*d.compute_button});
  for (const auto& [box, next] : chain) {
    ControlRef& target = *next;
    // A changed key dimension leaves the displayed results behind: the key
    // option's own invalidation applies, so neither the summary nor the
    // report shows Fk of the old key beside the new dimensions.
    WireDialogTextBox(*box, {[&app] { app.results().ClearSlidingRows(); },
                             [&app] {
                               app.results().ClearResults();
                               app.results().ClearSlidingRows();
                             },
                             [&app, &target] { app.windows().SetFocus(target); }});
  }
  if (!road) d.cohesion_check->on_click = [&app] { app.results().ClearSlidingRows(); };
}

}  // namespace varnholt::forms
