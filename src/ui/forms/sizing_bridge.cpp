#include "ui/forms/sizing_bridge.h"

#include "calc/earth_pressure.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/results.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

std::optional<sizing::DesignInput> DesignForSizing(App& app) {
  CalculateCommand(app);
  if (!app.results().valid()) return std::nullopt;
  return sizing::DesignInput{app.dc(), ReadSelections(app)};
}

bool ApplySizedSection(App& app, const sizing::Section& section) {
  DimensionWindow& dim = DimensionsInUse(app);
  // Typing a dimension empties a computed coefficient and clears its
  // option, so whether it was computed is read first.
  const bool computed = UsesComputedCoefficient(ReadSelections(app));
  const std::pair<ControlRef*, const sizing::Dimension*> boxes[] = {
      {&dim.crest_width_text, &section.crest},
      {&dim.base_width_text, &section.base},
      {&dim.front_projection_text, &section.front}};
  for (const auto& [box, dimension] : boxes) {
    if (dimension->text.empty()) continue;
    (*box)->Click();
    (*box)->Type(dimension->text);
  }
  if (computed) LevelDimensions(app).compute_button->Click();
  Results(app).calculate_button->Click();
  return app.results().valid();
}

}  // namespace varnholt::forms
