#include "ui/forms/collect.h"

#include <initializer_list>
#include <utility>

#include "calc/collection.h"
#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/handles.h"
#include "ui/forms/shear_key.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMsgSite = "築造地を入力してください。";
constexpr const char* kMsgFc = "コンクリートの設計基準強度を入力してください。";
constexpr const char* kMsgFe = "地盤の許容応力度を入力してください。";
constexpr const char* kMsgGamma = "土の単位体積重量を入力してください。";
constexpr const char* kMsgGammaC = "コンクリートの単位体積重量を入力してください。";
constexpr const char* kMsgSoil = "土質を選択又は入力してください。";
constexpr const char* kMsgPhi = "内部摩擦角度を入力してください。";
constexpr const char* kMsgPhiRoad = "せん断抵抗角を入力してください。";
constexpr const char* kMsgDelta = "壁背面と土との間の壁面摩擦角度を入力してください。";
constexpr const char* kMsgCohesion = "土の粘着力を入力してください。";
constexpr const char* kMsgMu = "底盤の摩擦係数を入力してください。";
constexpr const char* kMsgSection = "§番号を入力してください。";
constexpr const char* kMsgMark = "擁壁の記号を入力してください。";
constexpr const char* kMsgDimension = "寸法を入力してください。";
constexpr const char* kMsgSurcharge = "上載荷重を入力してください。";
constexpr const char* kMsgKA = "主働土圧係数を入力してください。";
constexpr const char* kMsgBeta = "地平面と水平面とのなす角度を入力してください。";
constexpr const char* kMsgBetaZero =
    "地平面と水平面とのなす角度が｢ 0°｣の場合は、地表面水平を選択してください。";
constexpr const char* kMsgH0 = "法面の高さを入力してください。";
constexpr const char* kMsgFenceLoad = "常時又は短期を選択してください。";
constexpr const char* kMsgSeismicMethod = "地震時水平荷重の計算方法を選択してください。";

double Num(const ui::Control& c) { return LeadingNumber(c.Text()); }

// Shows the message and puts the caret into the control; always false, so a
// check reads `return Fail(...)`.
// Reports the first missing input: in a box with the focus in the control,
// or, when `quiet` is given, only into it.
bool Fail(App& app, ui::Control& control, const char* message, std::string* quiet = nullptr) {
  if (quiet != nullptr) {
    *quiet = message;
    return false;
  }
  app.ErrorMessage(message);
  app.FocusAtStart(control);
  return false;
}

bool Empty(const ui::Control& c) { return c.Text().empty(); }

// The first selected option of a group names its choice.
template <typename Choice>
Choice Chosen(std::initializer_list<std::pair<const ControlRef*, Choice>> group) {
  for (const auto& [option, choice] : group) {
    if ((*option)->Value()) return choice;
  }
  return Choice::kNone;
}

CohesionOption CohesionOf(const ConditionsWindow& c) {
  return Chosen<CohesionOption>({{&c.cohesion_considered, CohesionOption::kConsidered},
                                 {&c.cohesion_ignored, CohesionOption::kNotConsidered}});
}

FrictionMode FrictionOf(const ConditionsWindow& c) {
  return Chosen<FrictionMode>(
      {{&c.mu_direct, FrictionMode::kDirect}, {&c.mu_tan_phi, FrictionMode::kTanPhi}});
}

FenceOption FenceOf(const ConditionsWindow& c) {
  return Chosen<FenceOption>(
      {{&c.fence_none, FenceOption::kWithout}, {&c.fence_with, FenceOption::kWith}});
}

ShearKeyOption ShearKeyOf(const DimensionWindow& d) {
  return Chosen<ShearKeyOption>(
      {{&d.key_none, ShearKeyOption::kWithout}, {&d.key_with, ShearKeyOption::kWith}});
}

CoefficientMode CoefficientOf(const LevelDimensionsWindow& f3) {
  return Chosen<CoefficientMode>(
      {{&f3.ka_entered, CoefficientMode::kEntered}, {&f3.ka_computed, CoefficientMode::kComputed}});
}

SlopeSurcharge SlopeSurchargeOf(const RaisedDimensionsWindow& f16) {
  return Chosen<SlopeSurcharge>({{&f16.slope_surcharge_with, SlopeSurcharge::kWith},
                                 {&f16.slope_surcharge_without, SlopeSurcharge::kWithout}});
}

FenceLoadOption FenceLoadOf(const FenceDialog& f) {
  return Chosen<FenceLoadOption>({{&f.load_normal, FenceLoadOption::kNormal},
                                  {&f.load_distributed, FenceLoadOption::kDistributed},
                                  {&f.load_concentrated, FenceLoadOption::kConcentrated}});
}

NormalCheckMethods NormalChecksOf(const NormalChecksDialog& d) {
  NormalCheckMethods m;
  m.overturn = Chosen<NormalOverturn>({{&d.overturn_f15, NormalOverturn::kF15},
                                       {&d.overturn_d, NormalOverturn::kD},
                                       {&d.overturn_e, NormalOverturn::kE},
                                       {&d.overturn_f15_e, NormalOverturn::kF15AndE}});
  m.deduction =
      Chosen<Deduction>({{&d.deduct, Deduction::kDeduct}, {&d.no_deduct, Deduction::kNoDeduct}});
  return m;
}

SeismicCheckMethods SeismicChecksOf(const SeismicChecksDialog& d) {
  SeismicCheckMethods m;
  m.overturn = Chosen<SeismicOverturn>({{&d.overturn_f10, SeismicOverturn::kF10},
                                        {&d.overturn_f12, SeismicOverturn::kF12},
                                        {&d.overturn_e2, SeismicOverturn::kE2},
                                        {&d.overturn_e3, SeismicOverturn::kE3},
                                        {&d.overturn_f10_e2, SeismicOverturn::kF10AndE2},
                                        {&d.overturn_f12_e3, SeismicOverturn::kF12AndE3}});
  m.sliding = Chosen<SeismicSliding>(
      {{&d.sliding_f10, SeismicSliding::kF10}, {&d.sliding_f12, SeismicSliding::kF12}});
  m.deduction =
      Chosen<Deduction>({{&d.deduct, Deduction::kDeduct}, {&d.no_deduct, Deduction::kNoDeduct}});
  return m;
}

// The option groups of the design conditions window.
void ReadConditionOptions(const ConditionsWindow& c, Selections& o) {
  o.standard = StandardOf(c);
  o.shape = ShapeOf(c);
  o.load_case = LoadCaseOf(c);
  o.friction = FrictionOf(c);
  o.fence = FenceOf(c);
  o.cohesion = CohesionOf(c);
}

ConditionInputs ReadConditions(const ConditionsWindow& c) {
  ConditionInputs in;
  in.site = c.site_text->Text();
  in.fc = c.fc_text->Text();
  in.fe = c.fe_text->Text();
  in.gamma = c.gamma_text->Text();
  in.gamma_c = c.gamma_c_text->Text();
  in.back_soil = c.back_soil_combo->Text();
  in.phi = c.phi_text->Text();
  in.delta = c.delta_text->Text();
  in.base_soil = c.base_soil_combo->Text();
  in.cohesion = c.cohesion_text->Text();
  in.phi_b = c.phi_b_text->Text();
  in.mu = c.mu_text->Text();
  return in;
}

// The boxes both dimension windows share.
void ReadDimensions(const DimensionWindow& d, DimensionInputs& in) {
  in.section = d.section_text->Text();
  in.mark = d.mark_text->Text();
  in.height_h = d.height_text->Text();
  in.embedment = d.embedment_text->Text();
  in.crest_above = d.crest_above_text->Text();
  in.crest_width = d.crest_width_text->Text();
  in.base_width = d.base_width_text->Text();
  in.front_projection = d.front_projection_text->Text();
  in.surcharge = d.surcharge_text->Text();
  in.beta = d.beta_text->Text();
}

// The dimension window of the ground shape (Form3 or Form16, none without
// a shape) with its own options.
void ReadDimensionWindow(App& app, DesignInputs& in) {
  Selections& o = in.options;
  if (LevelOrSlope(o.shape)) {
    LevelDimensionsWindow& f3 = LevelDimensions(app);
    ReadDimensions(f3, in.dimensions);
    in.dimensions.ka = f3.ka_text->Text();
    o.coefficient = CoefficientOf(f3);
    o.shear_key = ShearKeyOf(f3);
  } else if (o.shape == GroundShape::kRaisedSoil) {
    RaisedDimensionsWindow& f16 = RaisedDimensions(app);
    ReadDimensions(f16, in.dimensions);
    in.dimensions.slope_height = f16.slope_height_text->Text();
    o.slope_surcharge = SlopeSurchargeOf(f16);
    o.shear_key = ShearKeyOf(f16);
  }
}

ShearKeyInputs ReadShearKey(const ShearKeyDialog& k) {
  ShearKeyInputs in;
  in.height = k.height_text->Text();
  in.position = k.position_text->Text();
  in.width = k.width_text->Text();
  in.cohesion = k.cohesion_check->CheckValue() != 0;
  return in;
}

FenceInputs ReadFence(const FenceDialog& f) {
  FenceInputs in;
  in.height = f.height_text->Text();
  in.distance = f.distance_text->Text();
  in.load = f.load_text->Text();
  in.load_height = f.load_height_text->Text();
  in.weight = f.weight_text->Text();
  return in;
}

// The key dialog of the standard, none without a standard.
ShearKeyDialog* KeyDialogOf(App& app, Standard standard) {
  if (standard == Standard::kResidential) return &ResidentialKey(app);
  if (standard == Standard::kRoad) return &RoadKey(app);
  return nullptr;
}

}  // namespace

Standard StandardOf(const ConditionsWindow& c) {
  return Chosen<Standard>({{&c.residential, Standard::kResidential}, {&c.road, Standard::kRoad}});
}

GroundShape ShapeOf(const ConditionsWindow& c) {
  return Chosen<GroundShape>({{&c.level, GroundShape::kLevel},
                              {&c.slope, GroundShape::kUniformSlope},
                              {&c.raised, GroundShape::kRaisedSoil}});
}

LoadCase LoadCaseOf(const ConditionsWindow& c) {
  return Chosen<LoadCase>(
      {{&c.case_normal, LoadCase::kNormal}, {&c.case_seismic, LoadCase::kSeismic}});
}

bool IsLevelOrSlope(const ConditionsWindow& c) { return LevelOrSlope(ShapeOf(c)); }

SeismicMethod MethodOf(const SeismicDialog& d) {
  return Chosen<SeismicMethod>({{&d.method_k1, SeismicMethod::kK1},
                                {&d.method_k2, SeismicMethod::kK2},
                                {&d.method_road, SeismicMethod::kD1}});
}

SeismicRegion RegionOf(const SeismicDialog& d) {
  return Chosen<SeismicRegion>({{&d.region_a, SeismicRegion::kA},
                                {&d.region_b, SeismicRegion::kB},
                                {&d.region_c, SeismicRegion::kC}});
}

ConditionInputs ReadConditionInputs(App& app) { return ReadConditions(Conditions(app)); }

double WindowCohesion(App& app) {
  const ConditionsWindow& c = Conditions(app);
  return EffectiveCohesion(CohesionOf(c), c.cohesion_text->Text());
}

DesignInputs ReadInputsInUse(App& app) {
  DesignInputs in;
  const ConditionsWindow& c = Conditions(app);
  in.conditions = ReadConditions(c);
  ReadConditionOptions(c, in.options);
  ReadDimensionWindow(app, in);
  const Selections& o = in.options;
  if (o.shear_key == ShearKeyOption::kWith) {
    if (const ShearKeyDialog* key = KeyDialogOf(app, o.standard)) in.shear_key = ReadShearKey(*key);
  }
  if (o.fence == FenceOption::kWith) {
    const FenceDialog& f17 = Fence(app);
    in.fence = ReadFence(f17);
    in.options.fence_load = FenceLoadOf(f17);
  }
  return in;
}

DesignInputs ReadDesignInputs(App& app) {
  DesignInputs in;
  in.conditions = ReadConditions(Conditions(app));
  in.options = ReadStoredSelections(app);
  DimensionInputs& d = in.dimensions;
  if (LevelOrSlope(in.options.shape)) {
    const LevelDimensionsWindow& f3 = LevelDimensions(app);
    ReadDimensions(f3, d);
    d.ka = f3.ka_text->Text();
  } else if (in.options.shape == GroundShape::kRaisedSoil) {
    const RaisedDimensionsWindow& f16 = RaisedDimensions(app);
    ReadDimensions(f16, d);
    d.slope_height = f16.slope_height_text->Text();
  }
  const SeismicDialog& f20 = Seismic(app);
  in.seismic = {f20.kh_text->Text(), f20.kv_text->Text()};
  if (const ShearKeyDialog* key = KeyDialogOf(app, in.options.standard)) {
    in.shear_key = ReadShearKey(*key);
  }
  if (in.options.fence == FenceOption::kWith) in.fence = ReadFence(Fence(app));
  return in;
}

void Suti(App& app) {
  DesignCase& dc = app.dc();
  Collect(ReadInputsInUse(app), dc);
  // The seismic dialog keeps its coefficients through the normal case; the
  // normal case is calculated without them.
  if (!Conditions(app).case_seismic->Value()) {
    dc.Cond[cond::kKh] = 0;
    dc.Cond[cond::kKv] = 0;
  }
}

Selections ReadSelections(App& app) {
  Selections s = ReadStoredSelections(app);
  if (s.load_case != LoadCase::kSeismic) {
    s.seismic_method = SeismicMethod::kNone;
    s.seismic_region = SeismicRegion::kNone;
  }
  return s;
}

Selections ReadStoredSelections(App& app) {
  Selections s;
  ReadConditionOptions(Conditions(app), s);
  const SeismicDialog& f20 = Seismic(app);
  s.seismic_method = MethodOf(f20);
  s.seismic_region = RegionOf(f20);
  const LevelDimensionsWindow& f3 = LevelDimensions(app);
  s.coefficient = CoefficientOf(f3);
  const RaisedDimensionsWindow& f16 = RaisedDimensions(app);
  s.slope_surcharge = SlopeSurchargeOf(f16);
  s.shear_key =
      ShearKeyOf(s.shape == GroundShape::kRaisedSoil ? static_cast<const DimensionWindow&>(f16)
                                                     : static_cast<const DimensionWindow&>(f3));
  s.fence_load = FenceLoadOf(Fence(app));
  s.normal_checks = NormalChecksOf(NormalChecks(app));
  s.seismic_checks = SeismicChecksOf(SeismicChecks(app));
  return s;
}

bool CheckMainInputs(App& app) { return CheckMainInputs(app, nullptr); }

bool CheckMainInputs(App& app, std::string* quiet) {
  DesignCase& dc = app.dc();
  ConditionsWindow& f2 = Conditions(app);
  const bool level_or_slope = IsLevelOrSlope(f2);
  const bool slope = f2.slope->Value();
  const bool raised = f2.raised->Value();

  // What the checks read before anything is collected: β of the dimension
  // window in use, the height of the raised slope, and C.
  if (slope) dc.Cond[cond::kBeta] = Num(LevelDimensions(app).beta_text);
  if (raised) {
    RaisedDimensionsWindow& f16 = RaisedDimensions(app);
    dc.Cond[cond::kBeta] = Num(f16.beta_text);
    dc.Calc[calc::kH0] = Num(f16.slope_height_text);
  }
  dc.Cond[cond::kCohesion] = WindowCohesion(app);

  struct Row {
    ControlRef* box;
    const char* message;
  };
  const Row conditions[] = {
      {&f2.site_text, kMsgSite},       {&f2.fc_text, kMsgFc},
      {&f2.fe_text, kMsgFe},           {&f2.gamma_text, kMsgGamma},
      {&f2.gamma_c_text, kMsgGammaC},  {&f2.back_soil_combo, kMsgSoil},
      {&f2.phi_text, kMsgPhi},         {&f2.delta_text, kMsgDelta},
      {&f2.base_soil_combo, kMsgSoil}, {&f2.cohesion_text, kMsgCohesion},
      {&f2.phi_b_text, kMsgPhi},       {&f2.mu_text, kMsgMu},
  };
  for (const Row& r : conditions) {
    if (Empty(*r.box)) return Fail(app, *r.box, r.message, quiet);
  }

  if (level_or_slope) {
    LevelDimensionsWindow& f3 = LevelDimensions(app);
    const Row dimensions[] = {
        {&f3.section_text, kMsgSection},       {&f3.mark_text, kMsgMark},
        {&f3.height_text, kMsgDimension},      {&f3.embedment_text, kMsgDimension},
        {&f3.crest_above_text, kMsgDimension}, {&f3.crest_width_text, kMsgDimension},
        {&f3.base_width_text, kMsgDimension},  {&f3.front_projection_text, kMsgDimension},
        {&f3.surcharge_text, kMsgSurcharge},   {&f3.ka_text, kMsgKA},
    };
    for (const Row& r : dimensions) {
      if (Empty(*r.box)) return Fail(app, *r.box, r.message, quiet);
    }
    if (slope) {
      if (Empty(f3.beta_text)) return Fail(app, f3.beta_text, kMsgBeta, quiet);
      if (dc.Cond[cond::kBeta] == 0) return Fail(app, f3.beta_text, kMsgBetaZero, quiet);
    }
  }

  if (raised) {
    RaisedDimensionsWindow& f16 = RaisedDimensions(app);
    const Row dimensions[] = {
        {&f16.mark_text, kMsgMark},
        {&f16.height_text, kMsgDimension},
        {&f16.embedment_text, kMsgDimension},
        {&f16.crest_above_text, kMsgDimension},
        {&f16.crest_width_text, kMsgDimension},
        {&f16.base_width_text, kMsgDimension},
        {&f16.front_projection_text, kMsgDimension},
        {&f16.surcharge_text, kMsgSurcharge},
        {&f16.beta_text, kMsgBeta},
        {&f16.slope_height_text, kMsgH0},
    };
    for (const Row& r : dimensions) {
      if (Empty(*r.box)) return Fail(app, *r.box, r.message, quiet);
    }
  }

  if (f2.fence_with->Value()) {
    FenceDialog& f17 = Fence(app);
    if (FenceLoadOf(f17) == FenceLoadOption::kNone) {
      if (quiet != nullptr) {
        *quiet = kMsgFenceLoad;
        return false;
      }
      app.ErrorMessage(kMsgFenceLoad);
      f17.window.ShowModal();
      return false;
    }
  }
  return true;
}

ui::Control* InputBoxOf(App& app, InputField field) {
  auto dimension = [&app](ControlRef DimensionWindow::*box) {
    return &*(DimensionsInUse(app).*box);
  };
  auto key = [&app](ControlRef ShearKeyDialog::*box) -> ui::Control* {
    ShearKeyDialog* dialog = KeyDialogInUse(app);
    return dialog != nullptr ? &*(dialog->*box) : nullptr;
  };
  switch (field) {
    case InputField::kNone:
      return nullptr;
    case InputField::kGamma:
      return &*Conditions(app).gamma_text;
    case InputField::kGammaC:
      return &*Conditions(app).gamma_c_text;
    case InputField::kHeightH:
      return dimension(&DimensionWindow::height_text);
    case InputField::kEmbedment:
      return dimension(&DimensionWindow::embedment_text);
    case InputField::kCrestAbove:
      return dimension(&DimensionWindow::crest_above_text);
    case InputField::kCrestWidth:
      return dimension(&DimensionWindow::crest_width_text);
    case InputField::kBaseWidth:
      return dimension(&DimensionWindow::base_width_text);
    case InputField::kFrontProjection:
      return dimension(&DimensionWindow::front_projection_text);
    case InputField::kSurcharge:
      return dimension(&DimensionWindow::surcharge_text);
    case InputField::kSlopeHeight:
      return &*RaisedDimensions(app).slope_height_text;
    case InputField::kKeyHeight:
      return key(&ShearKeyDialog::height_text);
    case InputField::kKeyPosition:
      return key(&ShearKeyDialog::position_text);
    case InputField::kKeyWidth:
      return key(&ShearKeyDialog::width_text);
    case InputField::kFenceHeight:
      return &*Fence(app).height_text;
    case InputField::kFenceDistance:
      return &*Fence(app).distance_text;
    case InputField::kFenceLoadHeight:
      return &*Fence(app).load_height_text;
    case InputField::kFenceWeight:
      return &*Fence(app).weight_text;
  }
  return nullptr;
}

void ReportCalcFailure(App& app, const CalcStatus& status) {
  app.ErrorMessage(status.Message());
  ui::Control* box = InputBoxOf(app, status.field);
  // The dialogs (shear key, fence) are not on screen now; their message names
  // the value all the same.
  if (box != nullptr && box->window().Shown()) app.FocusAtStart(*box);
}

bool CheckCoefficientInputs(App& app) {
  ConditionsWindow& f2 = Conditions(app);
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  if (Empty(f2.phi_text)) {
    return Fail(app, f2.phi_text, f2.road->Value() ? kMsgPhiRoad : kMsgPhi);
  }
  if (Empty(f2.delta_text)) return Fail(app, f2.delta_text, kMsgDelta);
  for (ui::Control* box : f3.Dimensions()) {
    if (Empty(*box)) return Fail(app, *box, kMsgDimension);
  }
  if (Empty(f3.beta_text) && f2.slope->Value()) return Fail(app, f3.beta_text, kMsgBeta);
  if (f2.case_seismic->Value()) {
    SeismicDialog& f20 = Seismic(app);
    if (MethodOf(f20) == SeismicMethod::kNone) {
      app.ErrorMessage(kMsgSeismicMethod);
      f20.window.ShowModal();
      return false;
    }
  }
  return true;
}

}  // namespace varnholt::forms
