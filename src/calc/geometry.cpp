#include "calc/geometry.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/checks.h"

namespace varnholt {
namespace {

double WallHeight(const DesignCase& dc) {
  return dc.Calc[calc::kCrestAbove] + dc.Calc[calc::kHWork];
}

}  // namespace

CalcStatus ComputeBackFaceAngle(DesignCase& dc) {
  const double B = dc.Calc[calc::kBaseWidth];
  const double b = dc.Calc[calc::kCrestWidth];
  const double f = dc.Calc[calc::kFrontProj];
  const double hw = WallHeight(dc);
  if (hw == 0) {
    return ZeroDivisor("背面の勾配 θ", "壁高 Hw が 0 のため、背面の勾配 θ を計算できません。");
  }
  const double radians = std::atan((B - (b + f)) / hw);
  double degrees = ToDegrees(radians);
  // A vertical back face computed through the arctangent can leave a few
  // ulps of noise; the report and the formulas want an exact 0 there.
  if (-1e-10 < degrees && degrees < 1e-10) degrees = 0;
  if (!AllFinite({radians, degrees})) return Overflow("背面の勾配 θ");
  dc.Calc[calc::kThetaRad] = radians;
  dc.Calc[calc::kThetaDeg] = degrees;
  return CalcStatus::Ok();
}

CalcStatus ComputeSelfWeight(DesignCase& dc) {
  const double hw = WallHeight(dc);
  const double w = dc.Cond[cond::kGammaC] *
                   (hw * (dc.Calc[calc::kCrestWidth] + dc.Calc[calc::kBaseWidth]) * 1 / 2);
  if (!std::isfinite(w)) return Overflow("躯体自重 W");
  dc.Calc[calc::kWeight] = w;
  return CalcStatus::Ok();
}

CalcStatus ComputeSectionParts(DesignCase& dc) {
  const double hw = WallHeight(dc);
  const double b = dc.Calc[calc::kCrestWidth];
  const double B = dc.Calc[calc::kBaseWidth];
  const double f = dc.Calc[calc::kFrontProj];
  const double a1 = f * hw / 2;
  const double a2 = b * hw;
  const double a3 = (B - (b + f)) * hw / 2;
  const double x1 = 2 * f / 3;
  const double x2 = f + b / 2;
  const double x3 = (b + f) + (B - (b + f)) / 3;
  const double area = a1 + a2 + a3;
  if (area == 0) {
    return ZeroDivisor("躯体の重心位置 x",
                       "擁壁の断面積が 0 のため、躯体の重心位置 x を計算できません。");
  }
  const double x = (x1 * a1 + x2 * a2 + x3 * a3) / area;
  if (!AllFinite({a1, a2, a3, x1, x2, x3, area, x})) {
    return Overflow("躯体の重心位置 x");
  }
  dc.Calc[calc::kA1] = a1;
  dc.Calc[calc::kA2] = a2;
  dc.Calc[calc::kA3] = a3;
  dc.Calc[calc::kX1] = x1;
  dc.Calc[calc::kX2] = x2;
  dc.Calc[calc::kX3] = x3;
  dc.Calc[calc::kXCentroid] = x;
  return CalcStatus::Ok();
}

CalcStatus ComputeSectionHeights(DesignCase& dc) {
  // The heights use Hw written out as h + embedment + crest height.
  const double hw =
      dc.Calc[calc::kHeightH] + dc.Calc[calc::kEmbedment] + dc.Calc[calc::kCrestAbove];
  const double y1 = hw / 3;
  const double y2 = hw / 2;
  const double y3 = hw / 3;
  const double a1 = dc.Calc[calc::kA1];
  const double a2 = dc.Calc[calc::kA2];
  const double a3 = dc.Calc[calc::kA3];
  const double area = a1 + a2 + a3;
  if (area == 0) {
    return ZeroDivisor("躯体の重心高さ y",
                       "擁壁の断面積が 0 のため、躯体の重心高さ y を計算できません。");
  }
  const double y = (y1 * a1 + y2 * a2 + y3 * a3) / area;
  if (!AllFinite({y1, y2, y})) return Overflow("躯体の重心高さ y");
  dc.Calc[calc::kY1] = y1;
  dc.Calc[calc::kY2] = y2;
  dc.Calc[calc::kY3] = y3;
  dc.Calc[calc::kYCentroid] = y;
  return CalcStatus::Ok();
}

}  // namespace varnholt
