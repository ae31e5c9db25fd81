#include "ui/forms/dimension_windows.h"

#include <string>

#include "calc/earth_pressure.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kKeyFrame = "突起";
constexpr const char* kNone = "無し";
constexpr const char* kWith = "有り";
constexpr const char* kKeyButton = "突起の計算";
constexpr const char* kSketchTitle = "重力式コンクリート造擁壁の設計";
constexpr const char* kLineOfAction = "合力の作用線";

// Wall outline of the sketch (twips): toe, front crest, back crest, heel.
constexpr int kToeX = 1560, kBaseY = 4080;
constexpr int kCrestFrontX = 2100, kCrestY = 1140;
constexpr int kCrestBackX = 2880;
constexpr int kHeelX = 3480;

}  // namespace

void DeclareShearKeyControls(ui::Window& w, DimensionWindow& d, int left, int top) {
  AddFrame(w, "Frame3", kKeyFrame, left, top, 1500, 540);
  d.key_none = AddOption(w, "opt5", kNone, 60, 270, "Frame3");
  d.key_none->SetValue(true);
  d.key_with = AddOption(w, "opt6", kWith, 780, 270, "Frame3");
  d.key_button = AddButton(w, "cmd3", kKeyButton, left, 4260, 1500);
  d.key_button->SetVisible(false);
}

void DeclareWallSketch(ui::Window& w, bool raised_soil) {
  // Form16 has its surcharge box at the top right, so its title goes to the
  // free corner at the bottom right.
  AddLabel(w, "lblSketchTitle", kSketchTitle, raised_soil ? 3300 : 2760, raised_soil ? 4440 : 90)
      .font_size = 8;
  // Wall section.
  AddLine(w, "LineToe", kToeX, kBaseY, kCrestFrontX, kCrestY);
  AddLine(w, "LineCrest", kCrestFrontX, kCrestY, kCrestBackX, kCrestY);
  AddLine(w, "LineBack", kCrestBackX, kCrestY, kHeelX, kBaseY);
  AddLine(w, "LineBase", kToeX, kBaseY, kHeelX, kBaseY);
  // Front ground and the dimension lines of the heights on the left.
  AddLine(w, "LineFrontGround", 1200, 3000, 1740, 3000);
  AddLine(w, "LineDimLeft", 1260, kCrestY, 1260, kBaseY);
  AddLine(w, "LineDimTick1", 1140, kCrestY, 1380, kCrestY);
  AddLine(w, "LineDimTick2", 1140, 1620, 1380, 1620);
  AddLine(w, "LineDimTick3", 1140, 3000, 1380, 3000);
  AddLine(w, "LineDimTick4", 1140, kBaseY, 1380, kBaseY);
  // Base dimension and the resultant's line of action.
  AddLine(w, "LineDimBase", kToeX, 4230, kHeelX, 4230);
  AddLine(w, "LineAction", 2340, 2400, 2640, kBaseY);
  AddLabel(w, "lblSkH", "H", 2010, 2700).font_size = 8;
  AddLabel(w, "lblSkB2", "B/2", 2430, 3840).font_size = 8;
  AddLabel(w, "lblSkE", "e", 2880, 3840).font_size = 8;
  AddLabel(w, "lblSkD", "d", 1860, 3840).font_size = 8;
  AddLabel(w, "lblSkAction", kLineOfAction, 1620, 2160).font_size = 8;
  AddLabel(w, "lblSkPA", "PA", 3660, 3120).font_size = 8;
  AddLabel(w, "lblSkDelta", "δ", 3540, 2880).font_size = 8;
  AddLabel(w, "lblSkTheta", "θ", 2970, 1260).font_size = 8;
  // Earth pressure arrow on the back face at H/3.
  AddLine(w, "LinePA", 3720, 3000, 3300, 3300);
  AddLabel(w, "lblSkH3", "H/3", 3480, 3660).font_size = 8;
}

void DeclareSurchargePressureSketch(ui::Window& w, LevelDimensionsWindow& f3) {
  // The separate surcharge pressure ΔPA acting at H/2 (residential standard).
  auto& sketch = f3.surcharge_pressure_sketch;
  sketch[0] = AddLine(w, "Line33", 3840, 1620, 3840, 4080);
  sketch[1] = AddLine(w, "Line37", 3840, 1620, 4140, 1620);
  sketch[2] = AddLine(w, "Line38", 4140, 1620, 4140, 4080);
  sketch[3] = AddLine(w, "Line39", 3840, 4080, 4140, 4080);
  sketch[4] = AddLine(w, "Line46", 4200, 2850, 3780, 2850);
  sketch[5] = AddLine(w, "Line48", 3780, 2850, 3900, 2790);
  Control& pa = AddLabel(w, "lbl_dPA", "ΔPA", 4260, 2760);
  Control& delta = AddLabel(w, "lbl_dPA_delta", "δ", 4020, 2580);
  Control& h2 = AddLabel(w, "lbl_dPA_H2", "H/2", 4260, 3120);
  for (Control* label : {&pa, &delta, &h2}) label->font_size = 8;
  sketch[6] = pa;
  sketch[7] = delta;
  sketch[8] = h2;
}

void DeclareTrialWedgeSketch(ui::Window& w, RaisedDimensionsWindow& f16) {
  // Trial wedge: the slip plane at ω from the heel and the raised slope.
  AddLine(w, "LineWedge", kHeelX, kBaseY, 4980, 1260);
  AddLine(w, "LineSlope", kCrestBackX + 60, 1620, 3900, 1140);
  AddLine(w, "LineSlopeTop", 3900, 1140, 5460, 1140);
  AddLabel(w, "lblSkW", "Ｗ", 3960, 2160).font_size = 8;
  AddLabel(w, "lblSkOmega", "ω", 3780, 3840).font_size = 8;
  AddLabel(w, "lblSkSmallB", "ｂ", 4320, 960).font_size = 8;
  AddLabel(w, "lblSkBeta", "β", 3300, 1440).font_size = 8;
  // Surcharge on the slope, shown only with 法面上載荷重 有り.
  for (int i = 0; i < 9; ++i) {
    const int x = 3000 + 100 * i;
    const int y = 1590 - static_cast<int>(47.5 * i);
    Control& line = AddLine(w, "Line" + std::to_string(58 + i), x, y, x, y - 200);
    line.SetVisible(false);
    f16.slope_surcharge_lines[static_cast<std::size_t>(i)] = line;
  }
}

void ShowSurchargePressureSketch(LevelDimensionsWindow& f3, bool visible) {
  for (const ControlRef& c : f3.surcharge_pressure_sketch) c->SetVisible(visible);
}

void ShowSlopeAngle(LevelDimensionsWindow& f3, bool visible) {
  f3.beta_text->SetVisible(visible);
  for (const ControlRef& c : f3.beta_labels) c->SetVisible(visible);
}

void ShowBesideConditions(ui::Window& dimension_window) {
  dimension_window.Move(kDimensionLeft, 0);
  dimension_window.Show();
}

DimensionWindow& DimensionsInUse(App& app) {
  if (Conditions(app).raised->Value()) return RaisedDimensions(app);
  return LevelDimensions(app);
}

const char* DimensionWindowInUse(App& app) {
  return Conditions(app).raised->Value() ? kForm16 : kForm3;
}

void SyncShearKey(App& app, DimensionWindow& dim) {
  const bool key = dim.key_with->Value();
  app.dc().ShearKeyFlag = key ? kShearKeyFlagWith : kShearKeyFlagWithout;
  dim.key_button->SetVisible(key);
}

void WireShearKeyOptions(DimensionWindow& d, App& app) {
  // The flag follows only the window in use, so that it always says what
  // the visible 突起 option says.
  auto in_use = [&d, &app] { return d.window.name() == DimensionWindowInUse(app); };
  d.key_none->on_click = [&d, &app, in_use] {
    d.key_button->SetVisible(false);
    if (in_use()) app.dc().ShearKeyFlag = kShearKeyFlagWithout;
    app.windows().Unload(kForm15);
    app.results().ClearResults();
  };
  d.key_with->on_click = [&d, &app, in_use] {
    d.key_button->SetVisible(true);
    if (in_use()) app.dc().ShearKeyFlag = kShearKeyFlagWith;
    app.results().ClearResults();
  };
}

void ResetCoefficient(App& app) {
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  f3.ka_entered->SetValue(false);
  f3.ka_computed->SetValue(false);
  f3.ka_text->SetText("");
  f3.ka_text->SetBorderStyle(0);
}

void InvalidateComputedCoefficient(App& app) {
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  if (!f3.ka_entered->Value()) f3.ka_text->SetText("");
  f3.ka_computed->SetValue(false);
}

void Form3Keisan(App& app) {
  Suti(app);
  const CoefficientResult result = ComputeShownCoefficient(app.dc(), ReadSelections(app));
  app.results().ClearResultsAndSlidingFactor();
  ui::Control& ka = LevelDimensions(app).ka_text;
  ka.SetBorderStyle(0);
  if (!result.status.ok()) {
    // No stale coefficient may survive a failed computation.
    ka.SetText("");
    app.ErrorMessage(result.status.Message());
    return;
  }
  ka.SetText(result.text);
  app.windows().SetFocus(Results(app).methods_button);
}

}  // namespace varnholt::forms
