#include "ui/forms/sizing_bridge.h"

#include "calc/earth_pressure.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/results.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

std::optional<sizing::DesignInput> DesignForSizing(App& app) {
  CalculateCommand(app);
  if (!app.results_valid) return std::nullopt;
  return sizing::DesignInput{app.dc(), ReadSelections(app)};
}

bool ApplySizedSection(App& app, const sizing::Section& section) {
  ui::Window& dim = app.Form(DimensionWindowInUse(app));
  // Typing a dimension empties a computed coefficient and clears its
  // option, so whether it was computed is read first.
  const bool computed = UsesComputedCoefficient(ReadSelections(app));
  // Form3 and Form16 keep b, B and f in the same boxes.
  const std::pair<const char*, const sizing::Dimension*> boxes[] = {
      {"txt6", &section.crest}, {"txt7", &section.base}, {"txt8", &section.front}};
  for (const auto& [name, dimension] : boxes) {
    if (dimension->text.empty()) continue;
    ui::Control& box = dim[name];
    box.Click();
    box.Type(dimension->text);
  }
  if (computed) dim["cmd2"].Click();
  app.Form(kForm11)["cmd1"].Click();
  return app.results_valid;
}

}  // namespace varnholt::forms
