#include "ui/forms/restore.h"

#include <initializer_list>
#include <utility>

#include "calc/fence.h"
#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form17.h"
#include "ui/forms/form2.h"
#include "ui/forms/handles.h"
#include "ui/forms/numeric_boxes.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// FenceLoadType of each load kind of the fence dialog.
constexpr const char* kTypeNormal = "0";
constexpr const char* kTypeDistributed = "1";
constexpr const char* kTypeConcentrated = "2";

// Selects the option of a group that the project chose (none when it chose
// nothing), without running any click handler.
template <typename Choice>
void RestoreGroup(Choice chosen,
                  std::initializer_list<std::pair<const ControlRef*, Choice>> group) {
  for (const auto& [option, choice] : group) (*option)->RestoreValue(choice == chosen);
}

template <std::size_t N>
void RestoreTexts(const std::array<ControlRef, N>& labels,
                  const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) labels[i]->SetCaption(texts[i]);
}

void RestoreConditions(ConditionsWindow& c, const DesignInputs& in) {
  const ConditionInputs& t = in.conditions;
  c.site_text->SetText(t.site);
  c.fc_text->SetText(t.fc);
  c.fe_text->SetText(t.fe);
  c.gamma_text->SetText(t.gamma);
  c.gamma_c_text->SetText(t.gamma_c);
  c.back_soil_combo->SetText(t.back_soil);
  c.phi_text->SetText(t.phi);
  c.delta_text->SetText(t.delta);
  c.base_soil_combo->SetText(t.base_soil);
  c.cohesion_text->SetText(t.cohesion);
  c.phi_b_text->SetText(t.phi_b);
  c.mu_text->SetText(t.mu);

  const Selections& o = in.options;
  RestoreGroup(o.standard, {{&c.residential, Standard::kResidential}, {&c.road, Standard::kRoad}});
  RestoreGroup(o.shape, {{&c.level, GroundShape::kLevel},
                         {&c.slope, GroundShape::kUniformSlope},
                         {&c.raised, GroundShape::kRaisedSoil}});
  RestoreGroup(o.load_case,
               {{&c.case_normal, LoadCase::kNormal}, {&c.case_seismic, LoadCase::kSeismic}});
  RestoreGroup(o.cohesion, {{&c.cohesion_considered, CohesionOption::kConsidered},
                            {&c.cohesion_ignored, CohesionOption::kNotConsidered}});
  RestoreGroup(o.friction,
               {{&c.mu_direct, FrictionMode::kDirect}, {&c.mu_tan_phi, FrictionMode::kTanPhi}});
  RestoreGroup(o.fence,
               {{&c.fence_none, FenceOption::kWithout}, {&c.fence_with, FenceOption::kWith}});
}

void RestoreDimensionTexts(DimensionWindow& d, const DimensionInputs& t) {
  d.section_text->SetText(t.section);
  d.mark_text->SetText(t.mark);
  d.height_text->SetText(t.height_h);
  d.embedment_text->SetText(t.embedment);
  d.crest_above_text->SetText(t.crest_above);
  d.crest_width_text->SetText(t.crest_width);
  d.base_width_text->SetText(t.base_width);
  d.front_projection_text->SetText(t.front_projection);
  d.surcharge_text->SetText(t.surcharge);
  d.beta_text->SetText(t.beta);
}

// 突起: the key button stands beside 有り.
void RestoreShearKeyOption(DimensionWindow& d, ShearKeyOption key) {
  RestoreGroup(key,
               {{&d.key_none, ShearKeyOption::kWithout}, {&d.key_with, ShearKeyOption::kWith}});
  d.key_button->SetVisible(key == ShearKeyOption::kWith);
}

// Form3 for level ground or a slope, with what the ground shape and the
// standard show on it.
void RestoreLevelDimensions(App& app, const DesignInputs& in) {
  const Selections& o = in.options;
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  if (o.shape == GroundShape::kUniformSlope) {
    DrawUniformSlope(f3.window);
    ShowSlopeAngle(f3, true);
    // A slope needs the computed coefficient.
    f3.direct_button->SetEnabled(false);
  }
  // The separate surcharge pressure ΔPA exists only on residential land.
  if (o.standard == Standard::kRoad) ShowSurchargePressureSketch(f3, false);
  RestoreDimensionTexts(f3, in.dimensions);
  f3.ka_text->SetText(in.dimensions.ka);
  RestoreGroup(o.coefficient, {{&f3.ka_entered, CoefficientMode::kEntered},
                               {&f3.ka_computed, CoefficientMode::kComputed}});
  // A typed coefficient is shown in the box made ready for typing.
  if (o.coefficient == CoefficientMode::kEntered) f3.ka_text->SetBorderStyle(1);
  RestoreShearKeyOption(f3, o.shear_key);
  HalfWidthNumbers(f3.window);
}

// Form16 for raised soil, with the surcharge on the slope drawn when there
// is one.
void RestoreRaisedDimensions(App& app, const DesignInputs& in) {
  const Selections& o = in.options;
  RaisedDimensionsWindow& f16 = RaisedDimensions(app);
  RestoreDimensionTexts(f16, in.dimensions);
  f16.slope_height_text->SetText(in.dimensions.slope_height);
  RestoreGroup(o.slope_surcharge, {{&f16.slope_surcharge_with, SlopeSurcharge::kWith},
                                   {&f16.slope_surcharge_without, SlopeSurcharge::kWithout}});
  for (const ControlRef& line : f16.slope_surcharge_lines) {
    line->SetVisible(o.slope_surcharge == SlopeSurcharge::kWith);
  }
  RestoreShearKeyOption(f16, o.shear_key);
  HalfWidthNumbers(f16.window);
}

void RestoreSeismicDialog(App& app, const DesignInputs& in) {
  SeismicDialog& d = Seismic(app);
  const Selections& o = in.options;
  RestoreGroup(o.seismic_method, {{&d.method_k1, SeismicMethod::kK1},
                                  {&d.method_k2, SeismicMethod::kK2},
                                  {&d.method_road, SeismicMethod::kD1}});
  d.kh_text->SetText(in.seismic.kh);
  d.kv_text->SetText(in.seismic.kv);
  RestoreGroup(o.seismic_region, {{&d.region_a, SeismicRegion::kA},
                                  {&d.region_b, SeismicRegion::kB},
                                  {&d.region_c, SeismicRegion::kC}});
  HalfWidthNumbers(d.window);
}

void RestoreResultTexts(App& app, const ResultTexts& t) {
  ResultsWindow& r = Results(app);
  RestoreTexts(r.overturning, t.overturning);
  RestoreTexts(r.bearing, t.bearing);
  RestoreTexts(r.sliding, t.sliding);
  RestoreTexts(r.without_key, t.without_key);
  RestoreTexts(r.eccentricity, t.eccentricity);
}

void RestoreCheckMethods(App& app, const Selections& o) {
  NormalChecksDialog& f12 = NormalChecks(app);
  RestoreGroup(o.normal_checks.overturn, {{&f12.overturn_f15, NormalOverturn::kF15},
                                          {&f12.overturn_d, NormalOverturn::kD},
                                          {&f12.overturn_e, NormalOverturn::kE},
                                          {&f12.overturn_f15_e, NormalOverturn::kF15AndE}});
  RestoreGroup(o.normal_checks.deduction,
               {{&f12.deduct, Deduction::kDeduct}, {&f12.no_deduct, Deduction::kNoDeduct}});
  SeismicChecksDialog& f14 = SeismicChecks(app);
  RestoreGroup(o.seismic_checks.overturn, {{&f14.overturn_f10, SeismicOverturn::kF10},
                                           {&f14.overturn_f12, SeismicOverturn::kF12},
                                           {&f14.overturn_e2, SeismicOverturn::kE2},
                                           {&f14.overturn_e3, SeismicOverturn::kE3},
                                           {&f14.overturn_f10_e2, SeismicOverturn::kF10AndE2},
                                           {&f14.overturn_f12_e3, SeismicOverturn::kF12AndE3}});
  RestoreGroup(o.seismic_checks.sliding, {{&f14.sliding_f10, SeismicSliding::kF10},
                                          {&f14.sliding_f12, SeismicSliding::kF12}});
  RestoreGroup(o.seismic_checks.deduction,
               {{&f14.deduct, Deduction::kDeduct}, {&f14.no_deduct, Deduction::kNoDeduct}});
}

void RestoreShearKeyDialog(ShearKeyDialog& k, const ShearKeyInputs& t) {
  k.height_text->SetText(t.height);
  k.position_text->SetText(t.position);
  k.width_text->SetText(t.width);
  k.cohesion_check->RestoreCheckValue(t.cohesion ? 1 : 0);
  HalfWidthNumbers(k.window);
}

void RestoreFenceDialog(App& app, const DesignInputs& in) {
  FenceDialog& f = Fence(app);
  const FenceLoadOption kind = in.options.fence_load;
  RestoreGroup(kind, {{&f.load_normal, FenceLoadOption::kNormal},
                      {&f.load_distributed, FenceLoadOption::kDistributed},
                      {&f.load_concentrated, FenceLoadOption::kConcentrated}});
  ShowLoadKind(f, kind);
  const FenceInputs& t = in.fence;
  f.height_text->SetText(t.height);
  f.distance_text->SetText(t.distance);
  f.load_text->SetText(t.load);
  f.load_height_text->SetText(t.load_height);
  f.weight_text->SetText(t.weight);
  HalfWidthNumbers(f.window);
}

const char* FenceLoadTypeOf(FenceLoadOption kind) {
  switch (kind) {
    case FenceLoadOption::kNormal:
      return kTypeNormal;
    case FenceLoadOption::kDistributed:
      return kTypeDistributed;
    case FenceLoadOption::kConcentrated:
      return kTypeConcentrated;
    case FenceLoadOption::kNone:
      break;
  }
  return "";
}

}  // namespace

ProjectState ReadProjectState(App& app) {
  ProjectState s;
  s.inputs = ReadDesignInputs(app);
  s.shear_key_flag = app.dc().ShearKeyFlag;
  s.fence_load_type = app.dc().FenceLoadType;
  const ResultsWindow& r = Results(app);
  auto texts = [](const auto& labels, auto& out) {
    for (std::size_t i = 0; i < labels.size(); ++i) out[i] = labels[i]->Caption();
  };
  texts(r.overturning, s.results.overturning);
  texts(r.bearing, s.results.bearing);
  texts(r.sliding, s.results.sliding);
  texts(r.without_key, s.results.without_key);
  texts(r.eccentricity, s.results.eccentricity);
  return s;
}

void RestoreWindows(App& app, const ProjectState& project) {
  const DesignInputs& in = project.inputs;
  const Selections& o = in.options;
  DesignCase& dc = app.dc();

  // The input windows start again from their design defaults.
  for (const char* name : {kForm2, kForm3, kForm16, kForm17}) app.windows().Unload(name);
  // Whatever the results window showed belongs to the design open before.
  app.results().ClearResultsAndSlidingFactor();

  ConditionsWindow& c = Conditions(app);
  RestoreConditions(c, in);
  HalfWidthNumbers(c.window);
  // The standard's soil lists and prompts; the residential key dialog does
  // not belong to a road design.
  if (o.standard == Standard::kRoad) {
    ApplyStandardTexts(c, /*road=*/true);
    app.windows().Unload(kForm15);
  }

  // The dimension window of the ground shape, and the key it says.
  if (LevelOrSlope(o.shape)) {
    RestoreLevelDimensions(app, in);
  } else if (o.shape == GroundShape::kRaisedSoil) {
    RestoreRaisedDimensions(app, in);
  }
  const bool key = o.shape != GroundShape::kNone && o.shear_key == ShearKeyOption::kWith;
  dc.ShearKeyFlag = key ? kShearKeyFlagWith : kShearKeyFlagWithout;

  // Cohesion: a considered C is typed into the sunken box; しない is C 0.
  if (o.cohesion == CohesionOption::kConsidered) c.cohesion_text->SetBorderStyle(1);
  if (o.cohesion == CohesionOption::kNotConsidered) ShowCohesionIgnored(c);

  // μ: typed directly, or recomputed from φB as tanφ.
  if (o.friction == FrictionMode::kDirect) c.mu_direct_carried_out = true;
  if (o.friction == FrictionMode::kTanPhi) ChooseTanPhi(app);

  // A fence waits for its load kind before the seismic case is available;
  // without one, nothing of a fence remains in the design case.
  if (o.fence == FenceOption::kWith) {
    c.fence_button->SetVisible(true);
    c.seismic_button->SetEnabled(false);
    c.seismic_method_button->SetEnabled(false);
    c.case_seismic->SetEnabled(false);
  } else {
    ClearFence(dc);
  }

  RestoreSeismicDialog(app, in);
  RestoreResultTexts(app, project.results);
  RestoreCheckMethods(app, o);
  if (o.standard == Standard::kResidential)
    RestoreShearKeyDialog(ResidentialKey(app), in.shear_key);
  if (o.standard == Standard::kRoad) RestoreShearKeyDialog(RoadKey(app), in.shear_key);
  if (o.fence == FenceOption::kWith) RestoreFenceDialog(app, in);

  // The load kind the fence dialog shows, and no horizontal load unless its
  // box holds one.
  dc.FenceLoadType = o.fence == FenceOption::kWith ? FenceLoadTypeOf(o.fence_load) : "";
  const bool load_given =
      o.fence == FenceOption::kWith && LeadingNumber(Fence(app).load_text->Text()) != 0;
  if (o.fence_load == FenceLoadOption::kNormal || !load_given) dc.FenceP = 0;
}

void ApplyFenceLoadCase(App& app) {
  if (IsShortTermFenceLoad(app.dc().FenceLoadType)) {
    ForceNormalCaseForShortTermLoad(app);
  } else {
    AllowSeismicCase(Conditions(app));
  }
}

}  // namespace varnholt::forms
