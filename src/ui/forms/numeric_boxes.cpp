#include "ui/forms/numeric_boxes.h"

#include <algorithm>
#include <string>
#include <utility>

#include "model/leading_number.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// Every box read as a number; the site, the soils, the § number and the
// wall mark are names.
std::vector<ui::Control*> NumericBoxesOf(ui::Window& w) {
  const std::string& name = w.name();
  if (name == kForm2) {
    ConditionsWindow& c = HandlesOf<ConditionsWindow>(w);
    return {&*c.fc_text,    &*c.fe_text,       &*c.gamma_text, &*c.gamma_c_text, &*c.phi_text,
            &*c.delta_text, &*c.cohesion_text, &*c.phi_b_text, &*c.mu_text};
  }
  if (name == kForm3 || name == kForm16) {
    DimensionWindow& d = HandlesOf<DimensionWindow>(w);
    std::vector<ui::Control*> boxes = {
        &*d.height_text,     &*d.embedment_text,        &*d.crest_above_text, &*d.crest_width_text,
        &*d.base_width_text, &*d.front_projection_text, &*d.surcharge_text,   &*d.beta_text};
    boxes.push_back(name == kForm3 ? &*HandlesOf<LevelDimensionsWindow>(w).ka_text
                                   : &*HandlesOf<RaisedDimensionsWindow>(w).slope_height_text);
    return boxes;
  }
  if (name == kForm15 || name == kForm19) {
    ShearKeyDialog& k = HandlesOf<ShearKeyDialog>(w);
    return {&*k.height_text, &*k.position_text, &*k.width_text};
  }
  if (name == kForm17) {
    FenceDialog& f = HandlesOf<FenceDialog>(w);
    return {&*f.height_text, &*f.distance_text, &*f.load_text, &*f.load_height_text,
            &*f.weight_text};
  }
  if (name == kForm20) {
    SeismicDialog& s = HandlesOf<SeismicDialog>(w);
    return {&*s.kh_text, &*s.kv_text};
  }
  if (name == kForm10) return {&*HandlesOf<PrintRangeDialog>(w).first_page_text};
  return {};
}

}  // namespace

bool IsNumericBox(const ui::Control& box) {
  const std::vector<ui::Control*> boxes = NumericBoxesOf(box.window());
  return std::find(boxes.begin(), boxes.end(), &box) != boxes.end();
}

void WireNumericBoxes(ui::Window& window) {
  for (ui::Control* box : NumericBoxesOf(window)) {
    box->on_keypress = [handler = std::move(box->on_keypress)](int& key) {
      if (key > 0) key = static_cast<int>(HalfWidthNumberChar(static_cast<char32_t>(key)));
      if (handler) handler(key);
    };
  }
}

void HalfWidthNumbers(ui::Window& window) {
  for (ui::Control* box : NumericBoxesOf(window)) {
    std::string text = HalfWidthNumberText(box->Text());
    if (text != box->Text()) box->SetText(text);
  }
}

}  // namespace varnholt::forms
