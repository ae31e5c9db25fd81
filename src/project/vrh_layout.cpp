#include "project/vrh_layout.h"

namespace varnholt::project {
namespace {

using K = FieldKind;

constexpr Field kFlags[] = {
    {"", "ShearKeyFlag", K::kFlag, "", ""},
    {"", "FenceLoadType", K::kFlag, "", ""},
};

constexpr Field kForm2[] = {
    {"Form2", "opt_T", K::kOption, "Frame5", ""},
    {"Form2", "opt_D", K::kOption, "Frame5", ""},
    {"Form2", "txt1", K::kText, "", "設計条件の「築造地」"},
    {"Form2", "txt2", K::kText, "", "設計条件の「コンクリートの設計基準強度」"},
    {"Form2", "txt3", K::kText, "", "設計条件の「地盤の許容応力度」"},
    {"Form2", "txt4", K::kText, "", "設計条件の「土の単位体積重量」"},
    {"Form2", "txt5", K::kText, "", "設計条件の「コンクリートの単位体積重量」"},
    {"Form2", "cbo1", K::kText, "", "設計条件の背面土の「土質」"},
    {"Form2", "txt6", K::kText, "", "設計条件の背面土の「内部摩擦角」"},
    {"Form2", "txt7", K::kText, "", "設計条件の「壁面摩擦角」"},
    {"Form2", "cbo2", K::kText, "", "設計条件の基礎地盤の「土質」"},
    {"Form2", "txt8", K::kText, "", "設計条件の基礎地盤の「土の粘着力」"},
    {"Form2", "txt9", K::kText, "", "設計条件の基礎地盤の「内部摩擦角」"},
    {"Form2", "txt10", K::kText, "", "設計条件の「底盤の摩擦係数」"},
    {"Form2", "opt1", K::kOption, "Frame1", ""},
    {"Form2", "opt2", K::kOption, "Frame1", ""},
    {"Form2", "opt3", K::kOption, "Frame1", ""},
    {"Form2", "opt4", K::kOption, "", ""},
    {"Form2", "opt5", K::kOption, "", ""},
    {"Form2", "opt6", K::kOption, "Frame3", ""},
    {"Form2", "opt7", K::kOption, "Frame3", ""},
    {"Form2", "opt8", K::kOption, "Frame2", ""},
    {"Form2", "opt9", K::kOption, "Frame2", ""},
    {"Form2", "opt10", K::kOption, "Frame4", ""},
    {"Form2", "opt11", K::kOption, "Frame4", ""},
};

constexpr Field kForm3[] = {
    {"Form3", "txt1", K::kText, "", "寸法・荷重の「§」"},
    {"Form3", "txt2", K::kText, "", "寸法・荷重の「擁壁の記号」"},
    {"Form3", "txt3", K::kText, "", "寸法・荷重の「h」"},
    {"Form3", "txt4", K::kText, "", "寸法・荷重の根入れ深さ"},
    {"Form3", "txt5", K::kText, "", "寸法・荷重の天端の高さ"},
    {"Form3", "txt6", K::kText, "", "寸法・荷重の天端幅"},
    {"Form3", "txt7", K::kText, "", "寸法・荷重の「B」"},
    {"Form3", "txt8", K::kText, "", "寸法・荷重の前面の出"},
    {"Form3", "txt9", K::kText, "", "寸法・荷重の「上載荷重」"},
    {"Form3", "txt10", K::kText, "", "寸法・荷重の「β」"},
    {"Form3", "txt11", K::kText, "", "寸法・荷重の「KA」"},
    {"Form3", "opt1", K::kOption, "Frame1", ""},
    {"Form3", "opt2", K::kOption, "Frame1", ""},
    {"Form3", "opt5", K::kOption, "Frame3", ""},
    {"Form3", "opt6", K::kOption, "Frame3", ""},
};

constexpr Field kForm16[] = {
    {"Form16", "txt1", K::kText, "", "寸法・荷重（嵩上げ土）の「§」"},
    {"Form16", "txt2", K::kText, "", "寸法・荷重（嵩上げ土）の「擁壁の記号」"},
    {"Form16", "txt3", K::kText, "", "寸法・荷重（嵩上げ土）の「h」"},
    {"Form16", "txt4", K::kText, "", "寸法・荷重（嵩上げ土）の根入れ深さ"},
    {"Form16", "txt5", K::kText, "", "寸法・荷重（嵩上げ土）の天端の高さ"},
    {"Form16", "txt6", K::kText, "", "寸法・荷重（嵩上げ土）の天端幅"},
    {"Form16", "txt7", K::kText, "", "寸法・荷重（嵩上げ土）の「B」"},
    {"Form16", "txt8", K::kText, "", "寸法・荷重（嵩上げ土）の前面の出"},
    {"Form16", "txt9", K::kText, "", "寸法・荷重（嵩上げ土）の「上載荷重」"},
    {"Form16", "txt10", K::kText, "", "寸法・荷重（嵩上げ土）の「β」"},
    {"Form16", "txt11", K::kText, "", "寸法・荷重（嵩上げ土）の「ho」"},
    {"Form16", "opt1", K::kOption, "Frame1", ""},
    {"Form16", "opt2", K::kOption, "Frame1", ""},
    {"Form16", "opt5", K::kOption, "Frame3", ""},
    {"Form16", "opt6", K::kOption, "Frame3", ""},
};

constexpr Field kForm20[] = {
    {"Form20", "opt_K1", K::kOption, "", ""},
    {"Form20", "opt_K2", K::kOption, "", ""},
    {"Form20", "opt_D1", K::kOption, "", ""},
    {"Form20", "txt1", K::kText, "", "地震時水平荷重の計算方法の水平震度"},
    {"Form20", "txt2", K::kText, "", "地震時水平荷重の計算方法の「設計鉛直震度 Kv」"},
    {"Form20", "opt_A", K::kOption, "frm1", ""},
    {"Form20", "opt_B", K::kOption, "frm1", ""},
    {"Form20", "opt_C", K::kOption, "frm1", ""},
};

constexpr Field kForm11[] = {
    {"Form11", "lbl5", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl6", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl7", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl8", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl9", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl10", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl11", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl12", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl13", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl14", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl15", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl16", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl17", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl19", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl20", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl21", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl22", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl23", K::kCaption, "", "安定性の検討の結果表示"},
    {"Form11", "lbl24", K::kCaption, "", "安定性の検討の結果表示"},
};

constexpr Field kForm12[] = {
    {"Form12", "opt1", K::kOption, "Frame1", ""}, {"Form12", "opt2", K::kOption, "Frame1", ""},
    {"Form12", "opt3", K::kOption, "Frame1", ""}, {"Form12", "opt4", K::kOption, "Frame3", ""},
    {"Form12", "opt5", K::kOption, "Frame3", ""}, {"Form12", "opt6", K::kOption, "Frame1", ""},
};

constexpr Field kForm14[] = {
    {"Form14", "opt1", K::kOption, "Frame1", ""}, {"Form14", "opt2", K::kOption, "Frame1", ""},
    {"Form14", "opt3", K::kOption, "Frame1", ""}, {"Form14", "opt4", K::kOption, "Frame1", ""},
    {"Form14", "opt5", K::kOption, "Frame3", ""}, {"Form14", "opt6", K::kOption, "Frame3", ""},
    {"Form14", "opt7", K::kOption, "Frame4", ""}, {"Form14", "opt8", K::kOption, "Frame4", ""},
    {"Form14", "opt9", K::kOption, "Frame1", ""}, {"Form14", "opt10", K::kOption, "Frame1", ""},
};

constexpr Field kForm15[] = {
    {"Form15", "txt1", K::kText, "", "突起の計算の「H0」"},
    {"Form15", "txt2", K::kText, "", "突起の計算の「B1」"},
    {"Form15", "txt3", K::kText, "", "突起の計算の「D」"},
    {"Form15", "chk1", K::kCheck, "", ""},
};

constexpr Field kForm19[] = {
    {"Form19", "txt1", K::kText, "", "突起の計算の「H0」"},
    {"Form19", "txt2", K::kText, "", "突起の計算の「L1」"},
    {"Form19", "txt3", K::kText, "", "突起の計算の「D」"},
    {"Form19", "chk1", K::kCheck, "", ""},
};

constexpr Field kForm17[] = {
    {"Form17", "opt1", K::kOption, "", ""},
    {"Form17", "opt2", K::kOption, "", ""},
    {"Form17", "opt3", K::kOption, "", ""},
    {"Form17", "txt1", K::kText, "", "フェンス、柵、塀等の高さ"},
    {"Form17", "txt2", K::kText, "", "フェンス、柵、塀等の中心までの距離"},
    {"Form17", "txt3", K::kText, "", "フェンス、柵、塀等の水平荷重"},
    {"Form17", "txt4", K::kText, "", "フェンス、柵、塀等の水平荷重の位置"},
    {"Form17", "txt5", K::kText, "", "フェンス、柵、塀等の自重"},
};

}  // namespace

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
