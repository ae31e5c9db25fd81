#include "calc/keisan.h"

#include <cmath>

#include "calc/earth_pressure.h"
#include "calc/geometry.h"
#include "calc/loads.h"
#include "calc/stability.h"
#include "calc/trial_wedge.h"

namespace varnholt {
namespace {

struct NamedInput {
  bool is_cond;
  int index;
  const char* name;
};

// The collected inputs, in the order an engineer enters them.
constexpr NamedInput kInputs[] = {
    {true, cond::kFc, "コンクリートの設計基準強度"},
    {true, cond::kFe, "地盤の許容応力度"},
    {true, cond::kFeShort, "地盤の許容応力度（短期）"},
    {true, cond::kGamma, "土の単位体積重量"},
    {true, cond::kGammaC, "コンクリートの単位体積重量"},
    {true, cond::kPhi, "内部摩擦角 φ"},
    {true, cond::kDelta, "壁面摩擦角 δ"},
    {true, cond::kCohesion, "土の粘着力 C"},
    {true, cond::kPhiB, "基礎地盤の内部摩擦角 φ"},
    {true, cond::kMu, "底盤の摩擦係数 μ"},
    {true, cond::kBeta, "地平面と水平面とのなす角度 β"},
    {true, cond::kKA, "主働土圧係数"},
    {true, cond::kCz, "地域別補正係数 Cz"},
    {true, cond::kKho, "設計水平震度の標準値 Kho"},
    {true, cond::kKh, "設計水平震度 Kh"},
    {true, cond::kKv, "設計鉛直震度 Kv"},
    {false, calc::kHeightH, "寸法 h"},
    {false, calc::kEmbedment, "根入れ深さ"},
    {false, calc::kCrestAbove, "天端高さ"},
    {false, calc::kCrestWidth, "天端幅 b"},
    {false, calc::kBaseWidth, "底版幅 B"},
    {false, calc::kFrontProj, "前面の水平長さ"},
    {false, calc::kSurcharge, "上載荷重 q"},
    {false, calc::kH0, "法面の高さ ho"},
    {false, calc::kKeyHeight, "突起の寸法"},
    {false, calc::kKeyInput58, "突起の寸法"},
    {false, calc::kKeyInput59, "突起の寸法"},
};

}  // namespace

CalcStatus CheckInputsFinite(const DesignCase& dc) {
  for (const NamedInput& in : kInputs) {
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

CalcStatus Keisan(DesignCase& dc, const Selections& sel) {
  CalcStatus status = CheckInputsFinite(dc);
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

}  // namespace varnholt
