#include "project/vrh_layout.h"

namespace varnholt::project {
namespace {

using K = FieldKind;

// Where each line's value lives in the project state.
#define VH_TEXT(path) \
  [](ProjectState& s) -> std::string& { return s.path; }, nullptr, nullptr, nullptr
#define VH_OPTION(group, value)                                                   \
  nullptr, [](const ProjectState& s) { return s.inputs.options.group == value; }, \
      [](ProjectState& s) { s.inputs.options.group = value; }, nullptr
#define VH_CHECK(path) nullptr, nullptr, nullptr, [](ProjectState& s) -> bool& { return s.path; }

constexpr Field kFlags[] = {
    {"", "ShearKeyFlag", K::kFlag, "", "", VH_TEXT(shear_key_flag)},
    {"", "FenceLoadType", K::kFlag, "", "", VH_TEXT(fence_load_type)},
};

constexpr Field kForm2[] = {
    {"Form2", "opt_T", K::kOption, "Frame5", "", VH_OPTION(standard, Standard::kResidential)},
    {"Form2", "opt_D", K::kOption, "Frame5", "", VH_OPTION(standard, Standard::kRoad)},
    {"Form2", "txt1", K::kText, "", "設計条件の「築造地」", VH_TEXT(inputs.conditions.site)},
    {"Form2", "txt2", K::kText, "", "設計条件の「コンクリートの設計基準強度」",
     VH_TEXT(inputs.conditions.fc)},
    {"Form2", "txt3", K::kText, "", "設計条件の「地盤の許容応力度」",
     VH_TEXT(inputs.conditions.fe)},
    {"Form2", "txt4", K::kText, "", "設計条件の「土の単位体積重量」",
     VH_TEXT(inputs.conditions.gamma)},
    {"Form2", "txt5", K::kText, "", "設計条件の「コンクリートの単位体積重量」",
     VH_TEXT(inputs.conditions.gamma_c)},
    {"Form2", "cbo1", K::kText, "", "設計条件の背面土の「土質」",
     VH_TEXT(inputs.conditions.back_soil)},
    {"Form2", "txt6", K::kText, "", "設計条件の背面土の「内部摩擦角」",
     VH_TEXT(inputs.conditions.phi)},
    {"Form2", "txt7", K::kText, "", "設計条件の「壁面摩擦角」", VH_TEXT(inputs.conditions.delta)},
    {"Form2", "cbo2", K::kText, "", "設計条件の基礎地盤の「土質」",
     VH_TEXT(inputs.conditions.base_soil)},
    {"Form2", "txt8", K::kText, "", "設計条件の基礎地盤の「土の粘着力」",
     VH_TEXT(inputs.conditions.cohesion)},
    {"Form2", "txt9", K::kText, "", "設計条件の基礎地盤の「内部摩擦角」",
     VH_TEXT(inputs.conditions.phi_b)},
    {"Form2", "txt10", K::kText, "", "設計条件の「底盤の摩擦係数」", VH_TEXT(inputs.conditions.mu)},
    {"Form2", "opt1", K::kOption, "Frame1", "", VH_OPTION(shape, GroundShape::kLevel)},
    {"Form2", "opt2", K::kOption, "Frame1", "", VH_OPTION(shape, GroundShape::kUniformSlope)},
    {"Form2", "opt3", K::kOption, "Frame1", "", VH_OPTION(shape, GroundShape::kRaisedSoil)},
    {"Form2", "opt4", K::kOption, "", "", VH_OPTION(load_case, LoadCase::kNormal)},
    {"Form2", "opt5", K::kOption, "", "", VH_OPTION(load_case, LoadCase::kSeismic)},
    {"Form2", "opt6", K::kOption, "Frame3", "", VH_OPTION(cohesion, CohesionOption::kConsidered)},
    {"Form2", "opt7", K::kOption, "Frame3", "",
     VH_OPTION(cohesion, CohesionOption::kNotConsidered)},
    {"Form2", "opt8", K::kOption, "Frame2", "", VH_OPTION(friction, FrictionMode::kDirect)},
    {"Form2", "opt9", K::kOption, "Frame2", "", VH_OPTION(friction, FrictionMode::kTanPhi)},
    {"Form2", "opt10", K::kOption, "Frame4", "", VH_OPTION(fence, FenceOption::kWithout)},
    {"Form2", "opt11", K::kOption, "Frame4", "", VH_OPTION(fence, FenceOption::kWith)},
};

constexpr Field kForm3[] = {
    {"Form3", "txt1", K::kText, "", "寸法・荷重の「§」", VH_TEXT(inputs.dimensions.section)},
    {"Form3", "txt2", K::kText, "", "寸法・荷重の「擁壁の記号」", VH_TEXT(inputs.dimensions.mark)},
    {"Form3", "txt3", K::kText, "", "寸法・荷重の「h」", VH_TEXT(inputs.dimensions.height_h)},
    {"Form3", "txt4", K::kText, "", "寸法・荷重の根入れ深さ", VH_TEXT(inputs.dimensions.embedment)},
    {"Form3", "txt5", K::kText, "", "寸法・荷重の天端の高さ",
     VH_TEXT(inputs.dimensions.crest_above)},
    {"Form3", "txt6", K::kText, "", "寸法・荷重の天端幅", VH_TEXT(inputs.dimensions.crest_width)},
    {"Form3", "txt7", K::kText, "", "寸法・荷重の「B」", VH_TEXT(inputs.dimensions.base_width)},
    {"Form3", "txt8", K::kText, "", "寸法・荷重の前面の出",
     VH_TEXT(inputs.dimensions.front_projection)},
    {"Form3", "txt9", K::kText, "", "寸法・荷重の「上載荷重」",
     VH_TEXT(inputs.dimensions.surcharge)},
    {"Form3", "txt10", K::kText, "", "寸法・荷重の「β」", VH_TEXT(inputs.dimensions.beta)},
    {"Form3", "txt11", K::kText, "", "寸法・荷重の「KA」", VH_TEXT(inputs.dimensions.ka)},
    {"Form3", "opt1", K::kOption, "Frame1", "", VH_OPTION(coefficient, CoefficientMode::kEntered)},
    {"Form3", "opt2", K::kOption, "Frame1", "", VH_OPTION(coefficient, CoefficientMode::kComputed)},
    {"Form3", "opt5", K::kOption, "Frame3", "", VH_OPTION(shear_key, ShearKeyOption::kWithout)},
    {"Form3", "opt6", K::kOption, "Frame3", "", VH_OPTION(shear_key, ShearKeyOption::kWith)},
};

constexpr Field kForm16[] = {
    {"Form16", "txt1", K::kText, "", "寸法・荷重（嵩上げ土）の「§」",
     VH_TEXT(inputs.dimensions.section)},
    {"Form16", "txt2", K::kText, "", "寸法・荷重（嵩上げ土）の「擁壁の記号」",
     VH_TEXT(inputs.dimensions.mark)},
    {"Form16", "txt3", K::kText, "", "寸法・荷重（嵩上げ土）の「h」",
     VH_TEXT(inputs.dimensions.height_h)},
    {"Form16", "txt4", K::kText, "", "寸法・荷重（嵩上げ土）の根入れ深さ",
     VH_TEXT(inputs.dimensions.embedment)},
    {"Form16", "txt5", K::kText, "", "寸法・荷重（嵩上げ土）の天端の高さ",
     VH_TEXT(inputs.dimensions.crest_above)},
    {"Form16", "txt6", K::kText, "", "寸法・荷重（嵩上げ土）の天端幅",
     VH_TEXT(inputs.dimensions.crest_width)},
    {"Form16", "txt7", K::kText, "", "寸法・荷重（嵩上げ土）の「B」",
     VH_TEXT(inputs.dimensions.base_width)},
    {"Form16", "txt8", K::kText, "", "寸法・荷重（嵩上げ土）の前面の出",
     VH_TEXT(inputs.dimensions.front_projection)},
    {"Form16", "txt9", K::kText, "", "寸法・荷重（嵩上げ土）の「上載荷重」",
     VH_TEXT(inputs.dimensions.surcharge)},
    {"Form16", "txt10", K::kText, "", "寸法・荷重（嵩上げ土）の「β」",
     VH_TEXT(inputs.dimensions.beta)},
    {"Form16", "txt11", K::kText, "", "寸法・荷重（嵩上げ土）の「ho」",
     VH_TEXT(inputs.dimensions.slope_height)},
    {"Form16", "opt1", K::kOption, "Frame1", "", VH_OPTION(slope_surcharge, SlopeSurcharge::kWith)},
    {"Form16", "opt2", K::kOption, "Frame1", "",
     VH_OPTION(slope_surcharge, SlopeSurcharge::kWithout)},
    {"Form16", "opt5", K::kOption, "Frame3", "", VH_OPTION(shear_key, ShearKeyOption::kWithout)},
    {"Form16", "opt6", K::kOption, "Frame3", "", VH_OPTION(shear_key, ShearKeyOption::kWith)},
};

constexpr Field kForm20[] = {
    {"Form20", "opt_K1", K::kOption, "", "", VH_OPTION(seismic_method, SeismicMethod::kK1)},
    {"Form20", "opt_K2", K::kOption, "", "", VH_OPTION(seismic_method, SeismicMethod::kK2)},
    {"Form20", "opt_D1", K::kOption, "", "", VH_OPTION(seismic_method, SeismicMethod::kD1)},
    {"Form20", "txt1", K::kText, "", "地震時水平荷重の計算方法の水平震度",
     VH_TEXT(inputs.seismic.kh)},
    {"Form20", "txt2", K::kText, "", "地震時水平荷重の計算方法の「設計鉛直震度 Kv」",
     VH_TEXT(inputs.seismic.kv)},
    {"Form20", "opt_A", K::kOption, "frm1", "", VH_OPTION(seismic_region, SeismicRegion::kA)},
    {"Form20", "opt_B", K::kOption, "frm1", "", VH_OPTION(seismic_region, SeismicRegion::kB)},
    {"Form20", "opt_C", K::kOption, "frm1", "", VH_OPTION(seismic_region, SeismicRegion::kC)},
};

constexpr Field kForm11[] = {
    {"Form11", "lbl5", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.overturning[0])},
    {"Form11", "lbl6", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.overturning[1])},
    {"Form11", "lbl7", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.overturning[2])},
    {"Form11", "lbl8", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[0])},
    {"Form11", "lbl9", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[1])},
    {"Form11", "lbl10", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[2])},
    {"Form11", "lbl11", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[3])},
    {"Form11", "lbl12", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[4])},
    {"Form11", "lbl13", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[5])},
    {"Form11", "lbl14", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.bearing[6])},
    {"Form11", "lbl15", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.sliding[0])},
    {"Form11", "lbl16", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.sliding[1])},
    {"Form11", "lbl17", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.sliding[2])},
    {"Form11", "lbl19", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.without_key[0])},
    {"Form11", "lbl20", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.without_key[1])},
    {"Form11", "lbl21", K::kCaption, "", "安定性の検討の結果表示", VH_TEXT(results.without_key[2])},
    {"Form11", "lbl22", K::kCaption, "", "安定性の検討の結果表示",
     VH_TEXT(results.eccentricity[0])},
    {"Form11", "lbl23", K::kCaption, "", "安定性の検討の結果表示",
     VH_TEXT(results.eccentricity[1])},
    {"Form11", "lbl24", K::kCaption, "", "安定性の検討の結果表示",
     VH_TEXT(results.eccentricity[2])},
};

constexpr Field kForm12[] = {
    {"Form12", "opt1", K::kOption, "Frame1", "",
     VH_OPTION(normal_checks.overturn, NormalOverturn::kF15)},
    {"Form12", "opt2", K::kOption, "Frame1", "",
     VH_OPTION(normal_checks.overturn, NormalOverturn::kD)},
    {"Form12", "opt3", K::kOption, "Frame1", "",
     VH_OPTION(normal_checks.overturn, NormalOverturn::kE)},
    {"Form12", "opt4", K::kOption, "Frame3", "",
     VH_OPTION(normal_checks.deduction, Deduction::kDeduct)},
    {"Form12", "opt5", K::kOption, "Frame3", "",
     VH_OPTION(normal_checks.deduction, Deduction::kNoDeduct)},
    {"Form12", "opt6", K::kOption, "Frame1", "",
     VH_OPTION(normal_checks.overturn, NormalOverturn::kF15AndE)},
};

constexpr Field kForm14[] = {
    {"Form14", "opt1", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kF10)},
    {"Form14", "opt2", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kF12)},
    {"Form14", "opt3", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kE2)},
    {"Form14", "opt4", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kE3)},
    {"Form14", "opt5", K::kOption, "Frame3", "",
     VH_OPTION(seismic_checks.sliding, SeismicSliding::kF10)},
    {"Form14", "opt6", K::kOption, "Frame3", "",
     VH_OPTION(seismic_checks.sliding, SeismicSliding::kF12)},
    {"Form14", "opt7", K::kOption, "Frame4", "",
     VH_OPTION(seismic_checks.deduction, Deduction::kDeduct)},
    {"Form14", "opt8", K::kOption, "Frame4", "",
     VH_OPTION(seismic_checks.deduction, Deduction::kNoDeduct)},
    {"Form14", "opt9", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kF10AndE2)},
    {"Form14", "opt10", K::kOption, "Frame1", "",
     VH_OPTION(seismic_checks.overturn, SeismicOverturn::kF12AndE3)},
};

constexpr Field kForm15[] = {
    {"Form15", "txt1", K::kText, "", "突起の計算の「H0」", VH_TEXT(inputs.shear_key.height)},
    {"Form15", "txt2", K::kText, "", "突起の計算の「B1」", VH_TEXT(inputs.shear_key.position)},
    {"Form15", "txt3", K::kText, "", "突起の計算の「D」", VH_TEXT(inputs.shear_key.width)},
    {"Form15", "chk1", K::kCheck, "", "", VH_CHECK(inputs.shear_key.cohesion)},
};

constexpr Field kForm19[] = {
    {"Form19", "txt1", K::kText, "", "突起の計算の「H0」", VH_TEXT(inputs.shear_key.height)},
    {"Form19", "txt2", K::kText, "", "突起の計算の「L1」", VH_TEXT(inputs.shear_key.position)},
    {"Form19", "txt3", K::kText, "", "突起の計算の「D」", VH_TEXT(inputs.shear_key.width)},
    {"Form19", "chk1", K::kCheck, "", "", VH_CHECK(inputs.shear_key.cohesion)},
};

constexpr Field kForm17[] = {
    {"Form17", "opt1", K::kOption, "", "", VH_OPTION(fence_load, FenceLoadOption::kNormal)},
    {"Form17", "opt2", K::kOption, "", "", VH_OPTION(fence_load, FenceLoadOption::kDistributed)},
    {"Form17", "opt3", K::kOption, "", "", VH_OPTION(fence_load, FenceLoadOption::kConcentrated)},
    {"Form17", "txt1", K::kText, "", "フェンス、柵、塀等の高さ", VH_TEXT(inputs.fence.height)},
    {"Form17", "txt2", K::kText, "", "フェンス、柵、塀等の中心までの距離",
     VH_TEXT(inputs.fence.distance)},
    {"Form17", "txt3", K::kText, "", "フェンス、柵、塀等の水平荷重", VH_TEXT(inputs.fence.load)},
    {"Form17", "txt4", K::kText, "", "フェンス、柵、塀等の水平荷重の位置",
     VH_TEXT(inputs.fence.load_height)},
    {"Form17", "txt5", K::kText, "", "フェンス、柵、塀等の自重", VH_TEXT(inputs.fence.weight)},
};

#undef VH_TEXT
#undef VH_OPTION
#undef VH_CHECK

}  // namespace

ProjectState NothingChosen() {
  ProjectState s;
  Selections& o = s.inputs.options;
  o.standard = Standard::kNone;
  o.shape = GroundShape::kNone;
  o.load_case = LoadCase::kNone;
  o.coefficient = CoefficientMode::kNone;
  o.slope_surcharge = SlopeSurcharge::kNone;
  o.friction = FrictionMode::kNone;
  o.fence = FenceOption::kNone;
  o.cohesion = CohesionOption::kNone;
  o.shear_key = ShearKeyOption::kNone;
  o.seismic_method = SeismicMethod::kNone;
  o.seismic_region = SeismicRegion::kNone;
  o.fence_load = FenceLoadOption::kNone;
  o.normal_checks = {};
  o.seismic_checks = {};
  return s;
}

std::span<const Field> FlagFields() { return kFlags; }
std::span<const Field> DesignFields() { return kForm2; }
std::span<const Field> DimensionFields(DimensionBlock which) {
  switch (which) {
    case DimensionBlock::kForm3:
      return kForm3;
    case DimensionBlock::kForm16:
      return kForm16;
    case DimensionBlock::kNone:
      break;
  }
  return {};
}
std::span<const Field> SeismicFields() { return kForm20; }
std::span<const Field> ResultFields() { return kForm11; }
std::span<const Field> NormalCheckFields() { return kForm12; }
std::span<const Field> SeismicCheckFields() { return kForm14; }
std::span<const Field> KeyFields(KeyBlock which) {
  switch (which) {
    case KeyBlock::kForm15:
      return kForm15;
    case KeyBlock::kForm19:
      return kForm19;
    case KeyBlock::kNone:
      break;
  }
  return {};
}
std::span<const Field> FenceFields() { return kForm17; }

}  // namespace varnholt::project
