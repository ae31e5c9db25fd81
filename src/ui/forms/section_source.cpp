#include "ui/forms/section_source.h"

#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

section::SectionInputs ReadSectionInputs(App& app) {
  section::SectionInputs in;
  in.sel = ReadSelections(app);
  const DimensionWindow& dim = DimensionsInUse(app);
  in.section_no = dim.section_text->Text();
  in.wall_mark = dim.mark_text->Text();
  in.height_h = dim.height_text->Text();
  in.embedment = dim.embedment_text->Text();
  in.crest_above = dim.crest_above_text->Text();
  in.crest_width = dim.crest_width_text->Text();
  in.base_width = dim.base_width_text->Text();
  in.front_projection = dim.front_projection_text->Text();
  in.surcharge = dim.surcharge_text->Text();
  in.beta = dim.beta_text->Text();
  if (in.sel.shape == GroundShape::kRaisedSoil) {
    in.h0 = RaisedDimensions(app).slope_height_text->Text();
  }
  if (in.sel.fence == FenceOption::kWith) {
    const FenceDialog& fence = Fence(app);
    in.fence_height = fence.height_text->Text();
    in.fence_x = fence.distance_text->Text();
    in.fence_load = fence.load_text->Text();
    in.fence_load_y = fence.load_height_text->Text();
  }
  if (in.sel.shear_key == ShearKeyOption::kWith) {
    const ShearKeyDialog& key =
        in.sel.standard == Standard::kRoad ? RoadKey(app) : ResidentialKey(app);
    in.key_height = key.height_text->Text();
    in.key_position = key.position_text->Text();
    in.key_width = key.width_text->Text();
  }
  return in;
}

const DesignCase* SectionResults(const App& app) {
  return app.results().valid() ? &app.dc() : nullptr;
}

}  // namespace varnholt::forms
