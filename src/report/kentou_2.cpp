// KENTOU_2: the earth-pressure values for level ground and a uniform
// slope, as flowing lines. Under the residential standard the pressure of
// the backfill and that of the surcharge are printed apart; under the road
// standard their resultant. Components that are 0 (a vertical back face
// with δ = 0 has no PAY) are left out with their points of action.

#include <cmath>

#include "calc/angles.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

constexpr const char* kBackfill = " 　　　　　　　 背面土による土圧";
constexpr const char* kSurcharge = " 　　　　　　　 背面上載荷重による土圧";
constexpr const char* kResultant = " 　　　　　　　 土圧の合力";
constexpr const char* kPAH = "                PAH=1/2･KA･γ･H^2=1/2×";
constexpr const char* kPAHRoad = "                PAH=1/2･KA･γ･H^2+KA･q･H";
constexpr const char* kPAHRoadValues = "                   =1/2×";
constexpr const char* kPAX = "                PAX=PA･cos(δ＋θ)=PA･cos(";
constexpr const char* kPAY = "                PAY=PA･sin(δ＋θ)=PA･sin(";
constexpr const char* kDeltaPA = "                △PA=KA･q･H=";
constexpr const char* kDeltaPAX = "                △PAX=△PA･cos(δ＋θ)=△PA･cos(";
constexpr const char* kDeltaPAY = "                △PAY=△PA･sin(δ＋θ)=△PA･sin(";
constexpr const char* kPointsOfAction = "                作用点の位置";
constexpr const char* kPAXPoint = "                  PAX：y=H/3=";
constexpr const char* kDeltaPAXPoint = "                △PAX：y=H/2=";
constexpr const char* kPAYPoint = "m      PAY：x=";
constexpr const char* kDeltaPAYPoint = "m    △PAY：x=";
constexpr const char* kTimes = "×";
constexpr const char* kSquaredEquals = "^2=";
constexpr const char* kSquaredPlus = "^2＋";
constexpr const char* kEquals = "=";
constexpr const char* kKNm = "kN/m";
constexpr const char* kDegPlus = "ﾟ＋";
constexpr const char* kDegCloseEquals = "ﾟ)=";
constexpr const char* kOver3 = "/3=";
constexpr const char* kOver2 = "/2=";
constexpr const char* kPlus = "+";
constexpr const char* kTwoThirds = "×(2/3)=";
constexpr const char* kOneHalf = "×(1/2)=";
constexpr const char* kMetre = "m";

std::string F(double v, const char* pattern) { return FormatNumber(v, pattern); }

// "PAX=PA･cos(δ＋θ)=PA･cos(20.00ﾟ＋0.00ﾟ)=12.345×0.9397=11.6006kN/m" and its
// sine and △ forms.
void ComponentLine(ReportSurface& out, const char* lead, const DesignCase& dc, double resultant,
                   bool sine, double component) {
  const double delta = dc.Cond[cond::kDelta];
  const double theta = dc.Calc[calc::kThetaDeg];
  const double rad = ToRadians(delta + theta);
  out.PrintLine({lead, F(delta, "0.00"), kDegPlus, F(theta, "0.00"), kDegCloseEquals,
                 F(resultant, "0.000"), kTimes, F(sine ? std::sin(rad) : std::cos(rad), "0.0000"),
                 kEquals, F(RoundHalfUp(component, 4), "0.0000"), kKNm});
}

// The x part of a point-of-action line: "+bp×(2/3)=x" from the heel side of
// the crest when the back face leans back, the lever arm alone otherwise.
std::string LeverArm(const DesignCase& dc, const char* lead, const char* fraction, double x) {
  const auto& c = dc.Calc;
  const double front_and_crest = c[calc::kFrontProj] + c[calc::kCrestWidth];
  const double bp = c[calc::kBaseWidth] - front_and_crest;
  if (bp > 0.00001) {
    return std::string(lead) + F(front_and_crest, "0.000") + kPlus + F(bp, "0.000") + fraction +
           F(x, "0.000") + kMetre;
  }
  return std::string(lead) + F(x, "0.000") + kMetre;
}

}  // namespace

void Kentou2(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const Selections& sel = ctx.sel;
  const auto& c = dc.Calc;
  const double ka = dc.Cond[cond::kKA];
  const double gamma = dc.Cond[cond::kGamma];
  const double h = c[calc::kHWork];
  const double q = c[calc::kSurcharge];

  if (sel.coefficient == CoefficientMode::kComputed) {
    for (int i = 0; i < 5; ++i) out.PrintLine();
  }
  const std::string pa_x_point =
      std::string(kPAXPoint) + F(h, "0.000") + kOver3 + F(h / 3, "0.000");
  if (sel.standard == Standard::kResidential) {
    out.PrintLine();
    out.PrintLine({kBackfill});
    out.PrintLine({kPAH, F(ka, "0.00#"), kTimes, F(gamma, "0.0#"), kTimes, F(h, "0.000"),
                   kSquaredEquals, F(RoundHalfUp(c[calc::kPA], 4), "0.0000"), kKNm});
    if (c[calc::kPAX] != 0) ComponentLine(out, kPAX, dc, c[calc::kPA], false, c[calc::kPAX]);
    if (c[calc::kPAY] != 0) ComponentLine(out, kPAY, dc, c[calc::kPA], true, c[calc::kPAY]);
    out.PrintLine();
    out.PrintLine({kSurcharge});
    out.PrintLine({kDeltaPA, F(ka, "0.00#"), kTimes, F(q, "0.0#"), kTimes, F(h, "0.000"), kEquals,
                   F(RoundHalfUp(c[calc::kDeltaPA], 4), "0.0000"), kKNm});
    if (c[calc::kDeltaPAX] != 0) {
      ComponentLine(out, kDeltaPAX, dc, c[calc::kDeltaPA], false, c[calc::kDeltaPAX]);
    }
    if (c[calc::kDeltaPAY] != 0) {
      ComponentLine(out, kDeltaPAY, dc, c[calc::kDeltaPA], true, c[calc::kDeltaPAY]);
    }
  } else if (sel.standard == Standard::kRoad) {
    out.PrintLine();
    out.PrintLine({kResultant});
    out.PrintLine({kPAHRoad});
    out.PrintLine({kPAHRoadValues, F(ka, "0.00#"), kTimes, F(gamma, "0.0#"), kTimes, F(h, "0.000"),
                   kSquaredPlus, F(ka, "0.00#"), kTimes, F(q, "0.0#"), kTimes, F(h, "0.000"),
                   kEquals, F(RoundHalfUp(c[calc::kPAH], 4), "0.0000"), kKNm});
    if (c[calc::kPAHX] != 0) ComponentLine(out, kPAX, dc, c[calc::kPAH], false, c[calc::kPAHX]);
    if (c[calc::kPAHY] != 0) ComponentLine(out, kPAY, dc, c[calc::kPAH], true, c[calc::kPAHY]);
  }

  out.PrintLine();
  out.PrintLine({kPointsOfAction});
  if (sel.standard == Standard::kResidential) {
    const std::string delta_x_point =
        std::string(kDeltaPAXPoint) + F(h, "0.000") + kOver2 + F(h / 2, "0.000");
    if (c[calc::kPAY] != 0) {
      if (c[calc::kPAX] != 0) {
        out.PrintLine({pa_x_point, LeverArm(dc, kPAYPoint, kTwoThirds, c[calc::kXPAY])});
      }
      if (c[calc::kDeltaPAX] != 0) {
        out.PrintLine({delta_x_point, LeverArm(dc, kDeltaPAYPoint, kOneHalf, c[calc::kXDeltaPAY])});
      }
    } else {
      if (c[calc::kPAX] != 0) out.PrintLine({pa_x_point, kMetre});
      if (c[calc::kDeltaPAX] != 0) out.PrintLine({delta_x_point, kMetre});
    }
  } else if (sel.standard == Standard::kRoad) {
    // The road standard's single resultant acts at H/3.
    if (c[calc::kPAHX] != 0) {
      if (c[calc::kPAHY] != 0) {
        out.PrintLine({pa_x_point, LeverArm(dc, kPAYPoint, kTwoThirds, c[calc::kXPAY])});
      } else {
        out.PrintLine({pa_x_point, kMetre});
      }
    }
  }
}

}  // namespace varnholt::report
