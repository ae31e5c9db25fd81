#include "calc/section_check.h"

#include "calc/format.h"

namespace varnholt {
namespace {

struct SizedInput {
  InputField field;
  const char* name;
  double value;
};

CalcStatus Negative(const SizedInput& in) {
  return CalcStatus::Impossible(in.field, in.name,
                                std::string(in.name) + " が負の値（" + FormatFixed(in.value, 0, 3) +
                                    "）のため、計算できません。");
}

}  // namespace

CalcStatus CheckSection(const DesignCase& dc, const Selections& sel) {
  const auto& c = dc.Calc;
  const SizedInput sizes[] = {
      {InputField::kGamma, "土の単位体積重量 γ", dc.Cond[cond::kGamma]},
      {InputField::kGammaC, "コンクリートの単位体積重量 γc", dc.Cond[cond::kGammaC]},
      {InputField::kHeightH, "寸法 h", c[calc::kHeightH]},
      {InputField::kEmbedment, "根入れ深さ", c[calc::kEmbedment]},
      {InputField::kCrestAbove, "天端高さ", c[calc::kCrestAbove]},
      {InputField::kCrestWidth, "天端幅 b", c[calc::kCrestWidth]},
      {InputField::kBaseWidth, "底版幅 B", c[calc::kBaseWidth]},
      {InputField::kFrontProjection, "前面の水平長さ", c[calc::kFrontProj]},
      {InputField::kSurcharge, "上載荷重 q", c[calc::kSurcharge]},
  };
  for (const SizedInput& in : sizes) {
    if (in.value < 0) return Negative(in);
  }
  if (sel.shape == GroundShape::kRaisedSoil && c[calc::kH0] < 0) {
    return Negative({InputField::kSlopeHeight, "法面の高さ ho", c[calc::kH0]});
  }
  if (dc.ShearKeyFlag == "1") {
    const SizedInput key[] = {
        {InputField::kKeyHeight, "突起の高さ H0", c[calc::kKeyHeight]},
        {InputField::kKeyPosition, "突起の位置", c[calc::kKeyPosition]},
        {InputField::kKeyWidth, "突起の幅 D", c[calc::kKeyWidth]},
    };
    for (const SizedInput& in : key) {
      if (in.value < 0) return Negative(in);
    }
  }
  if (!dc.FenceLoadType.empty()) {
    const SizedInput fence[] = {
        {InputField::kFenceHeight, "フェンス等の高さ", dc.FenceH},
        {InputField::kFenceDistance, "フェンス等の中心までの距離", dc.FenceX},
        {InputField::kFenceLoadHeight, "水平荷重の作用位置", dc.FenceLoadY},
        {InputField::kFenceWeight, "フェンス等の自重", dc.FenceW},
    };
    for (const SizedInput& in : fence) {
      if (in.value < 0) return Negative(in);
    }
  }
  const double b = c[calc::kCrestWidth];
  const double f = c[calc::kFrontProj];
  const double base = c[calc::kBaseWidth];
  if (BaseNarrowerThanCrestAndFront(base, b, f)) {
    return CalcStatus::Impossible(
        InputField::kBaseWidth, "底版幅 B",
        "底版幅 B（" + FormatFixed(base, 0, 3) + "）が天端幅 b と前面の水平長さの和（" +
            FormatFixed(b + f, 0, 3) +
            "）より小さく、背面が底版の外へ張り出す断面になるため、計算できません。");
  }
  return CalcStatus::Ok();
}

bool BaseNarrowerThanCrestAndFront(double base, double crest, double front) {
  // A nanometre is far below anything a drawing states and far above the
  // error of adding two typed widths.
  constexpr double kTolerance = 1e-9;
  return crest + front > base + kTolerance;
}

}  // namespace varnholt
