#include "ui/forms/sizing_bridge.h"

#include "calc/earth_pressure.h"
#include "ui/forms/app.h"
#include "ui/forms/both_cases.h"
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

std::vector<sizing::DesignInput> DesignsOfBothCases(App& app, std::string& why) {
  const BothCases both = CalculateBothCases(app);
  std::vector<sizing::DesignInput> out;
  for (const CaseCalculation* c : {&both.normal, &both.seismic, &both.other_method}) {
    if (c->load_case == LoadCase::kNone) continue;
    if (!c->computed) {
      const char* name = c->load_case == LoadCase::kNormal ? "常時"
                         : c == &both.seismic              ? "地震時"
                         : c->method == SeismicMethod::kK1 ? "地震時（検討方法 ①）"
                                                           : "地震時（検討方法 ②）";
      why = std::string(
                "両ケースの断面を決めるには、常時と地震時の両方を計算できる必要があります。") +
            name + "を計算できません: " + c->reason;
      return {};
    }
    out.push_back({c->app->dc(), ReadSelections(*c->app)});
  }
  return out;
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
