#include "calc/keisan.h"

#include <cmath>

#include "calc/earth_pressure.h"
#include "calc/geometry.h"
#include "calc/loads.h"
#include "calc/section_check.h"
#include "calc/stability.h"
#include "calc/trial_wedge.h"

namespace varnholt {
namespace {

// When an input takes part in the calculation. Slots of windows that the
// current options do not use keep whatever an earlier design left in them;
// an unusable number there must not block the design at hand.
enum class Use {
  kAlways,
  kCoefficientShapes,  // the coefficient of 水平 and 一様斜面
  kRaisedSoil,         // the height of the raised-soil slope
  kRoadStandard,       // Cz and Kho
  kShearKey,           // the key dimensions
};

struct NamedInput {
  bool is_cond;
  int index;
  const char* name;
  Use use;
};

// The collected inputs, in the order an engineer enters them.
constexpr NamedInput kInputs[] = {
    {true, cond::kFc, "コンクリートの設計基準強度", Use::kAlways},
    {true, cond::kFe, "地盤の許容応力度", Use::kAlways},
    {true, cond::kFeShort, "地盤の許容応力度（短期）", Use::kAlways},
    {true, cond::kGamma, "土の単位体積重量", Use::kAlways},
    {true, cond::kGammaC, "コンクリートの単位体積重量", Use::kAlways},
    {true, cond::kPhi, "内部摩擦角 φ", Use::kAlways},
    {true, cond::kDelta, "壁面摩擦角 δ", Use::kAlways},
    {true, cond::kCohesion, "土の粘着力 C", Use::kAlways},
    {true, cond::kPhiB, "基礎地盤の内部摩擦角 φB", Use::kAlways},
    {true, cond::kMu, "底盤の摩擦係数 μ", Use::kAlways},
    {true, cond::kBeta, "地平面と水平面とのなす角度 β", Use::kAlways},
    {true, cond::kKA, "主働土圧係数", Use::kCoefficientShapes},
    {true, cond::kCz, "地域別補正係数 Cz", Use::kRoadStandard},
    {true, cond::kKho, "設計水平震度の標準値 Kho", Use::kRoadStandard},
    {true, cond::kKh, "設計水平震度 Kh", Use::kAlways},
    {true, cond::kKv, "設計鉛直震度 Kv", Use::kAlways},
    {false, calc::kHeightH, "寸法 h", Use::kAlways},
    {false, calc::kEmbedment, "根入れ深さ", Use::kAlways},
    {false, calc::kH, "土圧の高さ H（h＋根入れ深さ）", Use::kAlways},
    {false, calc::kCrestAbove, "天端高さ", Use::kAlways},
    {false, calc::kCrestWidth, "天端幅 b", Use::kAlways},
    {false, calc::kBaseWidth, "底版幅 B", Use::kAlways},
    {false, calc::kFrontProj, "前面の水平長さ", Use::kAlways},
    {false, calc::kSurcharge, "上載荷重 q", Use::kAlways},
    {false, calc::kH0, "法面の高さ ho", Use::kRaisedSoil},
    {false, calc::kKeyHeight, "突起の高さ H0", Use::kShearKey},
    {false, calc::kKeyWidth, "突起の幅 D", Use::kShearKey},
    {false, calc::kKeyPosition, "突起の位置 B1", Use::kShearKey},
};

bool InUse(Use use, const DesignCase& dc, const Selections* sel) {
  if (sel == nullptr) return true;
  switch (use) {
    case Use::kAlways:
      return true;
    case Use::kCoefficientShapes:
      return sel->shape != GroundShape::kRaisedSoil;
    case Use::kRaisedSoil:
      return sel->shape == GroundShape::kRaisedSoil;
    case Use::kRoadStandard:
      return sel->standard == Standard::kRoad;
    case Use::kShearKey:
      return dc.ShearKeyFlag == "1";
  }
  return true;
}

CalcStatus CheckInputs(const DesignCase& dc, const Selections* sel) {
  for (const NamedInput& in : kInputs) {
    if (!InUse(in.use, dc, sel)) continue;
    const double v = in.is_cond ? dc.Cond[static_cast<size_t>(in.index)]
                                : dc.Calc[static_cast<size_t>(in.index)];
    if (!std::isfinite(v)) return CalcStatus::BadInput(in.name);
  }
  const double fence[] = {dc.FenceH, dc.FenceX, dc.FenceLoad, dc.FenceP, dc.FenceLoadY, dc.FenceW};
  for (double v : fence) {
    if (!std::isfinite(v)) return CalcStatus::BadInput("フェンス等の寸法・荷重");
  }
  return CalcStatus::Ok();
}

}  // namespace

CalcStatus CheckInputsFinite(const DesignCase& dc) { return CheckInputs(dc, nullptr); }

CalcStatus CheckInputsFinite(const DesignCase& dc, const Selections& sel) {
  return CheckInputs(dc, &sel);
}

CalcStatus Keisan(DesignCase& dc, const Selections& sel) {
  CalcStatus status = CheckInputsFinite(dc, sel);
  if (status.ok()) status = CheckSection(dc, sel);
  auto run = [&](CalcStatus s) {
    if (status.ok() && !s.ok()) status = std::move(s);
    return status.ok();
  };
  if (status.ok()) {
    dc.Calc[calc::kHWork] = dc.Calc[calc::kH];           // step 1
    run(ComputeBackFaceAngle(dc)) &&                     // step 2
        run(ComputeEarthPressureResultants(dc, sel)) &&  // step 3
        (sel.shape != GroundShape::kRaisedSoil ||        // step 4
         run(ComputeTrialWedge(dc, sel))) &&             //
        run(ComputeSelfWeight(dc)) &&                    // step 5
        run(ComputeSumV(dc, sel)) &&                     // step 6
        run(ComputeSectionParts(dc)) &&                  // step 7
        run(ComputePressureLeverArms(dc)) &&             //
        run(ComputeFenceLeverArms(dc)) &&                // step 8
        run(ComputeSectionHeights(dc)) &&                // step 9
        run(ComputeFenceHeights(dc)) &&                  //
        run(ComputeMoments(dc, sel)) &&                  // step 10
        run(ComputeOverturningAndBearing(dc)) &&         // step 11
        run(ComputeSumH(dc, sel)) &&                     // step 12
        run(ComputeSliding(dc, sel));                    // step 13
  }
  if (!status.ok()) dc.Calc[calc::kSlidingF] = 0;
  return status;
}

CalcStatus CalculateDesign(DesignCase& dc, const Selections& sel, BodyStressResult* body) {
  CalcStatus status = Keisan(dc, sel);
  if (!status.ok()) return status;
  BodyStressResult result = CheckBodyStress(dc, sel);
  status = result.status;
  if (!status.ok()) dc.Calc[calc::kSlidingF] = 0;
  if (body) *body = std::move(result);
  return status;
}

}  // namespace varnholt
