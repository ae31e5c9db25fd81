// Shear key dialogs: Form15 (宅地造成) and Form19 (道路土工) share one layout.
// The user enters the key height H0, its position from the toe (B1, or L1
// under 道路土工) and its width D; 計算 confirms the key, キャンセル drops it.

#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/dialog_boxes.h"
#include "ui/forms/invalidate.h"
#include "ui/forms/shear_key.h"
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

constexpr const char* kMsgHeight = "突起の高さを入力してください。";
constexpr const char* kMsgPosition = "突起の位置を入力してください。";
constexpr const char* kMsgWidth = "突起の巾を入力してください。";

constexpr const char* kFlagWithKey = "1";
constexpr const char* kFlagWithoutKey = "0";

// The sliding rows of the results window no longer hold: the sliding row,
// the caption "突起の無い状態で" and the row without the key.
void ClearSlidingRows(App& app) {
  ui::Window& f11 = app.Form(kForm11);
  f11["lbl18"].SetVisible(false);
  for (const char* name : {"lbl15", "lbl16", "lbl17", "lbl19", "lbl20", "lbl21"}) {
    f11[name].SetCaption("");
  }
}

// 計算: the three key dimensions must be entered; the key then stands.
void OnCompute(ui::Window& w, App& app, bool road) {
  struct Row {
    const char* box;
    const char* message;
  };
  static const Row kRows[] = {{"txt1", kMsgHeight}, {"txt2", kMsgPosition}, {"txt3", kMsgWidth}};
  for (const Row& r : kRows) {
    if (w[r.box].Text().empty()) {
      app.ErrorMessage(r.message);
      app.FocusAtStart(w[r.box]);
      return;
    }
  }
  if (road) ClearSlidingRows(app);
  w.Hide();
  app.dc().ShearKeyFlag = kFlagWithKey;
}

// キャンセル: the dialog closes without its entries, and the dimension
// window in use shows 突起 無し, so the next calculation runs the plain
// sliding check.
void OnCancel(ui::Window& w, App& app) {
  app.windows().Unload(std::string(w.name()));
  app.dc().ShearKeyFlag = kFlagWithoutKey;
  const char* dimension = app.Form(kForm2)["opt3"].Value() ? kForm16 : kForm3;
  app.Form(dimension)["opt5"].SetValue(true);
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

  // Tab order: txt1, txt3, txt2.
  AddLabel(w, "lblH0", kH0, 3360, 2460);
  AddText(w, "txt1", 3780, 2430, 720);
  AddLabel(w, "lblD", kD, 2820, 2910);
  AddText(w, "txt3", 3120, 2880, 720);
  AddLabel(w, "lblB1", road ? kL1 : kB1, 1200, 2910);
  AddText(w, "txt2", 1620, 2880, 720);
  AddLabel(w, "lblB", kB, 1980, 4620);
  AddLabel(w, "lbl1", "", 2280, 4620);
  AddCheck(w, "chk1", kCohesion, 1080, 5100).width = 3600;
  AddButton(w, "cmd1", kCompute, 1200, 5520, 1200);
  AddButton(w, "cmd2", kCancel, 2700, 5520, 1200);

  DeclareStaticSketch(w, road);
  for (int i = 1; i <= kShearKeySketchLabels; ++i) {
    Control& c = AddLabel(w, "lblOu" + std::to_string(i), "", 0, 0);
    c.font_size = 8;
    c.SetVisible(false);
  }

  w["cmd1"].on_click = [&w, &app, road] { OnCompute(w, app, road); };
  w["cmd2"].on_click = [&w, &app] { OnCancel(w, app); };
  // Enter: txt1 → txt3 → txt2 → 計算.
  struct Chain {
    const char* box;
    const char* next;
  };
  static const Chain kChain[] = {{"txt1", "txt3"}, {"txt3", "txt2"}, {"txt2", "cmd1"}};
  for (const Chain& c : kChain) {
    const std::string next = c.next;
    // A changed key dimension leaves the displayed results behind: the key
    // option's own invalidation applies, so neither the summary nor the
    // report shows Fk of the old key beside the new dimensions.
    WireDialogTextBox(w[c.box], {[&app] { ClearSlidingRows(app); },
                                 [&app] {
                                   Hihyouji_2(app);
                                   ClearSlidingRows(app);
                                 },
                                 [&w, &app, next] { app.windows().SetFocus(w[next]); }});
  }
  if (!road) w["chk1"].on_click = [&app] { ClearSlidingRows(app); };
}

}  // namespace varnholt::forms
