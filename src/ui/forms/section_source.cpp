#include "ui/forms/section_source.h"

#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

section::SectionInputs ReadSectionInputs(App& app) {
  section::SectionInputs in;
  in.sel = ReadSelections(app);
  ui::Window& dim = app.Form(DimensionWindowInUse(app));
  in.section_no = dim["txt1"].Text();
  in.wall_mark = dim["txt2"].Text();
  in.height_h = dim["txt3"].Text();
  in.embedment = dim["txt4"].Text();
  in.crest_above = dim["txt5"].Text();
  in.crest_width = dim["txt6"].Text();
  in.base_width = dim["txt7"].Text();
  in.front_projection = dim["txt8"].Text();
  in.surcharge = dim["txt9"].Text();
  in.beta = dim["txt10"].Text();
  if (in.sel.shape == GroundShape::kRaisedSoil) in.h0 = dim["txt11"].Text();
  if (in.sel.fence == FenceOption::kWith) {
    ui::Window& fence = app.Form(kForm17);
    in.fence_height = fence["txt1"].Text();
    in.fence_x = fence["txt2"].Text();
    in.fence_load = fence["txt3"].Text();
    in.fence_load_y = fence["txt4"].Text();
  }
  if (in.sel.shear_key == ShearKeyOption::kWith) {
    ui::Window& key = app.Form(in.sel.standard == Standard::kRoad ? kForm19 : kForm15);
    in.key_height = key["txt1"].Text();
    in.key_position = key["txt2"].Text();
    in.key_width = key["txt3"].Text();
  }
  return in;
}

const DesignCase* SectionResults(const App& app) { return app.results_valid ? &app.dc() : nullptr; }

}  // namespace varnholt::forms
