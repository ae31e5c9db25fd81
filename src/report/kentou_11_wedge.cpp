// KENTOU_11 for raised soil: the trial-wedge derivation at the critical
// slip angle ω, as flowing lines under the heading. ω and φ are printed as
// whole degrees while every trigonometric value uses the unrounded angles;
// cot x is tan(90° − x).

#include <cmath>

#include "calc/angles.h"
#include "report/kentou_11_internal.h"
#include "report/number_format.h"

namespace varnholt::report {
namespace {

constexpr const char* kIndent = "               ";
constexpr const char* kB1 = "              b1=(tanθ＋cotω)･H＋(cotω－cotβ)･H0";
constexpr const char* kB1Angles = "　　　　　       =(tan";
constexpr const char* kB1Values = "　　　　　       =(";
constexpr const char* kWeight =
    "               W=(γ/2cosθ)[{cos(ω－θ)/sinω}(H＋H0)^2－{cos(θ－β)/sinβ}･H0^2]＋q･b1";
constexpr const char* kWeightSlope =
    "               W=(γ/2cosθ)[{cos(ω－θ)/sinω}(H＋H0)^2－{cos(θ－β)/sinβ}･H0^2]＋q(b1＋b2)";
constexpr const char* kWeightAngles = "                =(";
constexpr const char* kWeightAngles2 = "                －{cos(";
constexpr const char* kWeightValues = "                ={";
constexpr const char* kWeightResult = "                =";
constexpr const char* kPAmax = "               PAmax={sin(ω－φ)/cos(ω－φ－δ－θ)}･W";
constexpr const char* kPAmaxSeismic = "               PAmax={sin(ω－φ＋θk)/cos(ω－φ－δ－θ)}･W";
constexpr const char* kPAmaxAngles = "                    ={sin(";
constexpr const char* kPAmaxValues = "                    =(";
constexpr const char* kPAmaxResult = "                    =";
constexpr const char* kPAX = "                 PAX=P･cos(δ＋θ)=P･cos(";
constexpr const char* kPAY = "                 PAY=P･sin(δ＋θ)=P･sin(";
constexpr const char* kPointsOfAction = "               作用点の位置";
constexpr const char* kPAXPoint = "                  PAX：y=H/3=";
constexpr const char* kPAYPoint = "                  PAY：x=";
constexpr const char* kDegPlusCot = "ﾟ＋cot";
constexpr const char* kDegTimes = "ﾟ)×";
constexpr const char* kPlusCot = "＋(cot";
constexpr const char* kDegMinusCot = "ﾟ－cot";
constexpr const char* kDegMinus = "ﾟ－";
constexpr const char* kDegPlus = "ﾟ＋";
constexpr const char* kPlus = "＋";
constexpr const char* kMinus = "－";
constexpr const char* kCloseTimes = ")×";
constexpr const char* kPlusOpen = "＋(";
constexpr const char* kEquals = "=";
constexpr const char* kMetre = "m";
constexpr const char* kKNm = "kN/m";
constexpr const char* kOver2Cos = "/2cos";
constexpr const char* kDegTimesBraceCos = "ﾟ)×[{cos(";
constexpr const char* kDegOverSin = "ﾟ)/sin";
constexpr const char* kDegBraceTimesOpen = "ﾟ}×(";
constexpr const char* kSquared = ")^2";
constexpr const char* kDegBraceTimes = "ﾟ}×";
constexpr const char* kSquaredBracketPlusOpen = "^2]＋(";
constexpr const char* kSquaredBracketPlus = "^2]＋";
constexpr const char* kTimes = "×";
constexpr const char* kTimesOpen = "×(";
constexpr const char* kClose = ")";
constexpr const char* kOver2Times = "/(2×";
constexpr const char* kCloseBraceTimesBraceOpen = ")}×{(";
constexpr const char* kSlash = "/";
constexpr const char* kSquaredMinusOpen = "^2－(";
constexpr const char* kSquaredBracePlus = "^2}＋";
constexpr const char* kDegOverCos = "ﾟ)/cos(";
constexpr const char* kDegBraceClose = "ﾟ)}×";
constexpr const char* kDegCloseEquals = "ﾟ)=";
constexpr const char* kOver3 = "/3=";
constexpr const char* kPlusHalfWidth = "+";
constexpr const char* kTwoThirds = "×(2/3)=";

double Cosd(double deg) { return std::cos(ToRadians(deg)); }
double Sind(double deg) { return std::sin(ToRadians(deg)); }
double Tand(double deg) { return std::tan(ToRadians(deg)); }
double Cotd(double deg) { return Tand(90 - deg); }

}  // namespace

void PrintTrialWedge(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const Selections& sel = ctx.sel;
  const auto& c = dc.Calc;
  const double theta = c[calc::kThetaDeg];
  const double omega = dc.OmegaMax;
  const double h = c[calc::kHWork];
  const double h0 = c[calc::kH0];
  const double beta = dc.Cond[cond::kBeta];
  const double phi = dc.Cond[cond::kPhi];
  const double delta = dc.Cond[cond::kDelta];
  const double gamma = dc.Cond[cond::kGamma];
  const double q = c[calc::kSurcharge];
  const double b1 = c[calc::kB1];
  const double b2 = c[calc::kB2];
  const double w = dc.WedgeW;
  auto F = [](double v, const char* p) { return FormatNumber(v, p); };

  out.PrintLine();
  if (sel.load_case == LoadCase::kSeismic) {
    // The seismic coefficients the angle θk is formed from, in the form of
    // the standard (under the residential standard for every method).
    out.PrintLine({kIndent, SeismicCoefficientText(dc, sel.standard)});
    out.PrintLine({kIndent, SeismicAngleText(dc)});
    out.PrintLine();
  }

  out.PrintLine({kB1});
  out.PrintLine({kB1Angles, F(theta, "0.00"), kDegPlusCot, F(omega, "0"), kDegTimes, F(h, "0.000"),
                 kPlusCot, F(omega, "0"), kDegMinusCot, F(beta, "0.00"), kDegTimes,
                 F(h0, "0.000")});
  out.PrintLine({kB1Values, F(Tand(theta), "0.0000"), kPlus, F(Cotd(omega), "0.0000"), kCloseTimes,
                 F(h, "0.000"), kPlusOpen, F(Cotd(omega), "0.0000"), kMinus,
                 F(Cotd(beta), "0.0000"), kCloseTimes, F(h0, "0.000"), kEquals, F(b1, "0.000"),
                 kMetre});

  const bool slope_surcharge = sel.slope_surcharge == SlopeSurcharge::kWith;
  out.PrintLine({slope_surcharge ? kWeightSlope : kWeight});
  out.PrintLine({kWeightAngles, F(gamma, "0.0"), kOver2Cos, F(theta, "0.00"), kDegTimesBraceCos,
                 F(omega, "0"), kDegMinus, F(theta, "0.00"), kDegOverSin, F(omega, "0"),
                 kDegBraceTimesOpen, F(h, "0.000"), kPlus, F(h0, "0.000"), kSquared});
  const std::string tail =
      slope_surcharge ? F(q, "0.00") + kTimesOpen + F(b1, "0.000") + kPlus + F(b2, "0.000") + kClose
                      : F(q, "0.00") + kTimes + F(b1, "0.000") + kClose;
  out.PrintLine({kWeightAngles2, F(theta, "0.00"), kDegMinus, F(beta, "0.00"), kDegOverSin,
                 F(beta, "0.00"), kDegBraceTimes, F(h0, "0.000"),
                 slope_surcharge ? kSquaredBracketPlus : kSquaredBracketPlusOpen, tail});
  out.PrintLine({kWeightValues, F(gamma, "0.0"), kOver2Times, F(Cosd(theta), "0.0000"),
                 kCloseBraceTimesBraceOpen, F(Cosd(omega - theta), "0.0000"), kSlash,
                 F(Sind(omega), "0.0000"), kCloseTimes, F(h + h0, "0.000"), kSquaredMinusOpen,
                 F(Cosd(theta - beta), "0.0000"), kSlash, F(Sind(beta), "0.0000"), kCloseTimes,
                 F(h0, "0.000"), kSquaredBracePlus,
                 F(slope_surcharge ? q * (b1 + b2) : q * b1, "0.000")});
  out.PrintLine({kWeightResult, F(w, "0.000"), kKNm});
  out.PrintLine();

  // The normal wedge also serves seismic method ②, whose earth pressure is
  // the normal one; the calculation uses the same.
  const std::string cos_tail = std::string(kDegOverCos) + F(omega, "0") + kDegMinus + F(phi, "0") +
                               kDegMinus + F(delta, "0.00") + kDegMinus + F(theta, "0.00") +
                               kDegBraceClose + F(w, "0.000");
  const std::string cos_value = F(Cosd(omega - phi - delta - theta), "0.0000");
  const bool normal_wedge =
      sel.load_case == LoadCase::kNormal ||
      (sel.load_case == LoadCase::kSeismic && sel.standard == Standard::kResidential &&
       sel.seismic_method == SeismicMethod::kK2);
  if (normal_wedge) {
    out.PrintLine({kPAmax});
    out.PrintLine({kPAmaxAngles, F(omega, "0"), kDegMinus, F(phi, "0"), cos_tail});
    out.PrintLine({kPAmaxValues, F(Sind(omega - phi), "0.0000"), kSlash, cos_value, kCloseTimes,
                   F(w, "0.000")});
    out.PrintLine({kPAmaxResult, F(dc.PAmax, "0.000"), kKNm});
  } else if (sel.load_case == LoadCase::kSeismic) {
    const double tk = dc.Cond[cond::kThetaKDeg];
    out.PrintLine({kPAmaxSeismic});
    out.PrintLine(
        {kPAmaxAngles, F(omega, "0"), kDegMinus, F(phi, "0"), kDegPlus, F(tk, "0.00"), cos_tail});
    out.PrintLine({kPAmaxValues, F(Sind(omega - phi + tk), "0.0000"), kSlash, cos_value,
                   kCloseTimes, F(w, "0.000")});
    out.PrintLine({kPAmaxResult, F(dc.PAmax, "0.000"), kKNm});
  }

  const std::string angles = F(delta, "0.00") + kDegPlus + F(theta, "0.00") + kDegCloseEquals +
                             F(dc.PAmax, "0.000") + kTimes;
  if (dc.PAXw != 0) {
    out.PrintLine({kPAX, angles, F(Cosd(delta + theta), "0.0000"), kEquals,
                   F(RoundHalfUp(dc.PAXw, 4), "0.0000"), kKNm});
  }
  if (dc.PAYw != 0) {
    out.PrintLine({kPAY, angles, F(Sind(delta + theta), "0.0000"), kEquals,
                   F(RoundHalfUp(dc.PAYw, 4), "0.0000"), kKNm});
  }
  out.PrintLine();
  out.PrintLine();
  out.PrintLine({kPointsOfAction});
  if (dc.PAXw != 0) {
    out.PrintLine({kPAXPoint, F(h, "0.000"), kOver3, F(h / 3, "0.000"), kMetre});
    const double front_and_crest = c[calc::kFrontProj] + c[calc::kCrestWidth];
    const double bp = c[calc::kBaseWidth] - front_and_crest;
    if (dc.PAYw != 0 && bp > 0.00001) {
      out.PrintLine({kPAYPoint, F(front_and_crest, "0.000"), kPlusHalfWidth, F(bp, "0.000"),
                     kTwoThirds, F(c[calc::kXPAY], "0.000"), kMetre});
    } else if (dc.PAYw != 0) {
      out.PrintLine({kPAYPoint, F(c[calc::kXPAY], "0.000"), kMetre});
    }
  }
}

}  // namespace varnholt::report
