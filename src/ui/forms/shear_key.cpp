#include "ui/forms/shear_key.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "calc/geometry.h"
#include "calc/shear_key.h"
#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"
#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {
namespace {

// Step 1 of opening: H and θ of the back face as the main calculation has
// them. A wall height of 0 or an input too large to be a number leaves θ
// as it was; the calculate command reports such inputs.
void RecomputeHeightAndTheta(DesignCase& dc) {
  dc.Calc[calc::kHWork] = dc.Calc[calc::kH];
  for (int slot :
       {calc::kHWork, calc::kCrestAbove, calc::kBaseWidth, calc::kCrestWidth, calc::kFrontProj}) {
    if (!std::isfinite(dc.Calc[static_cast<size_t>(slot)])) return;
  }
  (void)ComputeBackFaceAngle(dc);
}

// One text of the pressure sketch at its top-left corner (twips).
struct SketchText {
  const char* text;
  int x, y;
};
struct Segment {
  int x1, y1, x2, y2;
};

// The sketch of one case: the pressure outline under the base, the
// ordinates at the key (and at the front end of the passive wedge under
// 宅地造成), their labels, and the L1/L2 dimension line (宅地造成 only).
struct SketchCase {
  std::vector<Segment> outline;
  std::vector<Segment> ordinates;
  std::vector<SketchText> labels;
  std::vector<Segment> dimension;
  std::vector<SketchText> dimension_labels;
};

// The base of the pressure sketch.
constexpr Segment kBase{1560, 3420, 3600, 3420};

// Pressure outlines: a trapezoid (r < 1/6) with σmax at the toe (e ≥ 0) or
// at the heel (e < 0), or a triangle (r ≥ 1/6) from the loaded edge.
const std::vector<Segment> kTrapezoidToe = {
    {1560, 3420, 1560, 4000}, {3600, 3420, 3600, 3700}, {1560, 4000, 3600, 3700}};
const std::vector<Segment> kTrapezoidHeel = {
    {1560, 3420, 1560, 3700}, {3600, 3420, 3600, 4000}, {1560, 3700, 3600, 4000}};
const std::vector<Segment> kTriangleToe = {{1560, 3420, 1560, 3800}, {1560, 3800, 3400, 3420}};
const std::vector<Segment> kTriangleHeel = {{3600, 3420, 3600, 3800}, {1760, 3420, 3600, 3800}};

// Index of the case: 0 trapezoid e ≥ 0, 1 trapezoid e < 0, 2 triangle
// e ≥ 0, 3 triangle e < 0.
SketchCase ResidentialCase(int index) {
  const std::vector<Segment> trapezoid_dim = {{1560, 4500, 3600, 4500}};
  switch (index) {
    case 0:
      return {kTrapezoidToe,
              {{2160, 3420, 2160, 3930}, {2580, 3420, 2580, 3870}},
              {{"σmax", 1000, 3600}, {"σmin", 3650, 3500}, {"σ1", 1860, 3600}, {"σ2", 2630, 3550}},
              trapezoid_dim,
              {{"L1", 1800, 4300}, {"L2", 3000, 4300}}};
    case 1:
      return {kTrapezoidHeel,
              {{2160, 3420, 2160, 3800}, {2580, 3420, 2580, 3860}},
              {{"σmax", 3650, 3600}, {"σmin", 1000, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3550}},
              trapezoid_dim,
              {{"L1", 1800, 4300}, {"L2", 3000, 4300}}};
    case 2:
      return {kTriangleToe,
              {{2160, 3420, 2160, 3670}, {2580, 3420, 2580, 3600}},
              {{"σmax", 1000, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3550}},
              {{1560, 4500, 3400, 4500}, {3400, 4500, 3400, 4140}},
              {{"L1", 1800, 4300}, {"L2", 2900, 4300}}};
    default:
      return {kTriangleHeel,
              {{2160, 3420, 2160, 3500}, {2580, 3420, 2580, 3600}},
              {{"σmax", 3650, 3500}, {"σ1", 1860, 3500}, {"σ2", 2630, 3430}},
              {{1760, 4500, 3600, 4500}, {1760, 4500, 1760, 4140}},
              {{"L1", 1900, 4300}, {"L2", 3000, 4300}}};
  }
}

SketchCase RoadCase(int index) {
  switch (index) {
    case 0:
      return {kTrapezoidToe,
              {{2580, 3420, 2580, 3870}},
              {{"ｑ1", 1200, 3600}, {"ｑ2", 3650, 3500}, {"ｑ3", 2630, 3550}},
              {},
              {}};
    case 1:
      return {kTrapezoidHeel,
              {{2580, 3420, 2580, 3860}},
              {{"ｑ1", 3650, 3600}, {"ｑ2", 1000, 3500}, {"ｑ3", 2630, 3550}},
              {},
              {}};
    case 2:
      return {kTriangleToe,
              {{2580, 3420, 2580, 3600}},
              {{"ｑ1", 1200, 3500}, {"ｑ2", 2630, 3550}},
              {},
              {}};
    default:
      return {kTriangleHeel,
              {{2580, 3420, 2580, 3600}},
              {{"ｑ1", 3650, 3500}, {"ｑ2", 2630, 3430}},
              {},
              {}};
  }
}

void Draw(ui::Window& w, const std::vector<Segment>& segments) {
  for (const Segment& s : segments) w.DrawLine(s.x1, s.y1, s.x2, s.y2);
}

}  // namespace

ShearKeyDialog* KeyDialogInUse(App& app) {
  ConditionsWindow& f2 = Conditions(app);
  if (f2.residential->Value()) return &ResidentialKey(app);
  if (f2.road->Value()) return &RoadKey(app);
  return nullptr;
}

ShearKeyDialog* PrepareShearKeyDialog(App& app, bool draw_sketch) {
  if (StandardOf(Conditions(app)) == Standard::kNone) return nullptr;
  DesignCase& dc = app.dc();

  Suti(app);
  RecomputeHeightAndTheta(dc);
  dc.Calc[calc::kBaseWidth] = LeadingNumber(DimensionsInUse(app).base_width_text->Text());

  ShearKeyDialog& dialog = *KeyDialogInUse(app);
  const ShearKeyGuide guide = ComputeShearKeyGuide(dc.Calc[calc::kBaseWidth]);
  dialog.base_width_guide->SetCaption(guide.lbl1);
  dialog.height_guide_from->SetCaption(guide.lbl2);
  dialog.height_guide_to->SetCaption(guide.lbl3);
  dialog.position_guide_from->SetCaption(guide.lbl4);
  dialog.position_guide_to->SetCaption(guide.lbl5);

  if (draw_sketch) {
    ClearShearKeySketch(dialog);
    Ouryoku(app);
  }

  if (Conditions(app).residential->Value()) {
    ui::Control& chk = dialog.cohesion_check;
    if (dc.Cond[cond::kCohesion] == 0) {
      chk.SetCheckValue(0);
      chk.SetEnabled(false);
    } else {
      chk.SetEnabled(true);
    }
  }
  return &dialog;
}

void OpenShearKeyDialog(App& app, bool draw_sketch) {
  ShearKeyDialog* dialog = PrepareShearKeyDialog(app, draw_sketch);
  if (dialog != nullptr) dialog->window.ShowModal();
}

void WireShearKeyButton(DimensionWindow& dimension_window, App& app, bool draw_sketch) {
  dimension_window.key_button->on_click = [&app, draw_sketch] {
    OpenShearKeyDialog(app, draw_sketch);
  };
}

void ClearShearKeySketch(ShearKeyDialog& dialog) {
  dialog.window.ClearDrawing();
  for (const ControlRef& c : dialog.sketch_labels) {
    c->SetVisible(false);
    c->SetCaption("");
  }
}

void Ouryoku(App& app) {
  ShearKeyDialog* dialog = KeyDialogInUse(app);
  if (dialog == nullptr) return;
  const DesignCase& dc = app.dc();
  const double e = dc.Calc[calc::kE];
  const double b = dc.Calc[calc::kBaseWidth];
  if (b == 0 || !std::isfinite(b) || !std::isfinite(e)) return;
  const double r = std::fabs(e) / b;
  const int index = (r < 1.0 / 6 ? 0 : 2) + (e < 0 ? 1 : 0);
  const bool road = StandardOf(Conditions(app)) == Standard::kRoad;
  const SketchCase sketch = road ? RoadCase(index) : ResidentialCase(index);

  ui::Window& w = dialog->window;
  w.DrawWidth = 1;
  Draw(w, {kBase});
  Draw(w, sketch.outline);
  Draw(w, sketch.ordinates);
  Draw(w, sketch.dimension);
  std::vector<SketchText> texts = sketch.labels;
  texts.insert(texts.end(), sketch.dimension_labels.begin(), sketch.dimension_labels.end());
  std::size_t i = 0;
  for (const SketchText& t : texts) {
    ui::Control& c = dialog->sketch_labels.at(i++);
    // Hidden while it moves, so that a front end sees the new position with
    // the caption.
    c.SetVisible(false);
    c.left = t.x;
    c.top = t.y;
    c.SetCaption(t.text);
    c.SetVisible(true);
  }
}

}  // namespace varnholt::forms
