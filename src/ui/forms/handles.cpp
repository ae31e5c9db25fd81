#include "ui/forms/handles.h"

#include "ui/forms/app.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {

std::vector<ui::Control*> ResultsWindow::ResultLabels() const {
  std::vector<ui::Control*> labels;
  for (const ControlRef& c : overturning) labels.push_back(&*c);
  for (const ControlRef& c : bearing) labels.push_back(&*c);
  for (const ControlRef& c : sliding) labels.push_back(&*c);
  labels.push_back(&*without_key_caption);
  for (const ControlRef& c : without_key) labels.push_back(&*c);
  for (const ControlRef& c : eccentricity) labels.push_back(&*c);
  return labels;
}

MainWindow& Main(App& app) { return HandlesOf<MainWindow>(app.Form(kMDIForm1)); }
ResultsWindow& Results(App& app) { return HandlesOf<ResultsWindow>(app.Form(kForm11)); }
ConditionsWindow& Conditions(App& app) { return HandlesOf<ConditionsWindow>(app.Form(kForm2)); }
LevelDimensionsWindow& LevelDimensions(App& app) {
  return HandlesOf<LevelDimensionsWindow>(app.Form(kForm3));
}
RaisedDimensionsWindow& RaisedDimensions(App& app) {
  return HandlesOf<RaisedDimensionsWindow>(app.Form(kForm16));
}
ShearKeyDialog& ResidentialKey(App& app) { return HandlesOf<ShearKeyDialog>(app.Form(kForm15)); }
ShearKeyDialog& RoadKey(App& app) { return HandlesOf<ShearKeyDialog>(app.Form(kForm19)); }
FenceDialog& Fence(App& app) { return HandlesOf<FenceDialog>(app.Form(kForm17)); }
SeismicDialog& Seismic(App& app) { return HandlesOf<SeismicDialog>(app.Form(kForm20)); }
NormalChecksDialog& NormalChecks(App& app) {
  return HandlesOf<NormalChecksDialog>(app.Form(kForm12));
}
SeismicChecksDialog& SeismicChecks(App& app) {
  return HandlesOf<SeismicChecksDialog>(app.Form(kForm14));
}
PrintRangeDialog& PrintRange(App& app) { return HandlesOf<PrintRangeDialog>(app.Form(kForm10)); }

}  // namespace varnholt::forms
