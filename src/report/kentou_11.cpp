// KENTOU_11: item "２）擁壁に及ぼす土圧" under the self-weight table. For
// level ground and a uniform slope it shows how the earth pressure
// coefficient was obtained: the value given, or the Rankine, Coulomb or
// Mononobe–Okabe formula typeset on two levels (fraction bars, root sign
// and brackets drawn as segments), each printed symbolically, with the
// angles substituted and with the trigonometric values. For raised soil
// it prints the trial-wedge derivation (kentou_11_wedge.cpp).
//
// Angles are printed to two decimals, while every trigonometric value is
// computed from the unrounded angle.

#include <cmath>

#include "calc/angles.h"
#include "report/drawing.h"
#include "report/kentou_11_internal.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

constexpr const char* kHeading = "　          ２）擁壁に及ぼす土圧";
constexpr const char* kGiven = "主働土圧係数  KA = ";
constexpr const char* kCoefficient = "主働土圧係数";
constexpr const char* kSeismicCoefficient = "地震時主働土圧係数";
// Rankine.
constexpr const char* kRankine = " KA=tan^2(45ﾟ-φ/2)";
constexpr const char* kRankineAngle = "   =tan^2(45ﾟ-";
constexpr const char* kRankineAngleEnd = "ﾟ/2)";
constexpr const char* kRankineValue = "   =tan^2(";
constexpr const char* kRankineValueEnd = "ﾟ)";
constexpr const char* kRankineResult = "   =";
// Coulomb, symbolic.
constexpr const char* kCoulombNumerator = "cos^2(φ－θ）";
constexpr const char* kCoulombLeft = "KA=";
constexpr const char* kCoulombRootNumerator = "sin(φ＋δ)sin(φ－β)";
constexpr const char* kSquare = "2";
constexpr const char* kCoulombDenominator = "cos^2θcos(θ＋δ)";
constexpr const char* kOnePlus = "1＋";
constexpr const char* kCoulombRootDenominator = "cos(θ＋δ)cos(θ－β)";
// Mononobe–Okabe, symbolic.
constexpr const char* kMoNumerator = "(1－Kv)cos^2(φ－θ－θk）";
constexpr const char* kMoLeft = "ＫAE=";
constexpr const char* kMoRootNumerator = "sin(φ－β－θk)sin(φ＋δ)";
constexpr const char* kMoDenominator = "cosθk cos^2θcos(δ＋θ＋θk)";
constexpr const char* kMoRootDenominator = "cos(δ＋θ＋θk)cos(θ－β)";
// Pieces of the substituted forms.
constexpr const char* kEquals = "=";
constexpr const char* kCos2 = "cos^2(";
constexpr const char* kCos = "cos(";
constexpr const char* kSin = "sin(";
constexpr const char* kDegMinus = "ﾟ－";
constexpr const char* kDegPlus = "ﾟ＋";
constexpr const char* kDegClose = "ﾟ)";
constexpr const char* kDegTimesSin = "ﾟ)×sin(";
constexpr const char* kDegTimesCos = "ﾟ)×cos(";
constexpr const char* kDegTimes = "ﾟ)×";
constexpr const char* kTimes = "×";
constexpr const char* kOneMinus = "(1－";
constexpr const char* kTimesCos2 = ")×cos^2(";
constexpr const char* kThetaKTimesCos2 = "ﾟ×cos^2(";
// Seismic coefficients.
constexpr const char* kKhResidential = "設計水平震度Kh=";
constexpr const char* kKhRoad = "設計水平震度Kh=CZ･Kho=";
constexpr const char* kKv = "    設計鉛直震度Kv=";
constexpr const char* kThetaK = "地震合成角θk=Atn{Kh/(1－Kv)}";
constexpr const char* kAtn = "Atn{";
constexpr const char* kAtnDivide = "/(1－";
constexpr const char* kAtnClose = ")}=";
constexpr const char* kDegree = "ﾟ";

double Cosd(double deg) { return std::cos(ToRadians(deg)); }
double Sind(double deg) { return std::sin(ToRadians(deg)); }
std::string A(double angle) { return FormatNumber(angle, "0.00"); }
std::string T4(double value) { return FormatNumber(value, "0.0000"); }

struct Angles {
  double phi, delta, beta, theta;
};

Angles AnglesOf(const DesignCase& dc) {
  return {dc.Cond[cond::kPhi], dc.Cond[cond::kDelta], dc.Cond[cond::kBeta],
          dc.Calc[calc::kThetaDeg]};
}

void RankineForms(ReportSurface& out, const DesignCase& dc) {
  const double phi = dc.Cond[cond::kPhi];
  PrintAt(out, 1300, 10000, {kCoefficient});
  PrintAt(out, 1700, 10200, {kRankine});
  PrintAt(out, 1700, 10400, {kRankineAngle, A(phi), kRankineAngleEnd});
  PrintAt(out, 1700, 10600, {kRankineValue, A(45 - phi / 2), kRankineValueEnd});
  PrintAt(out, 1700, 10800, {kRankineResult, FormatNumber(dc.Cond[cond::kKA], "0.000")});
}

void CoulombForms(ReportSurface& out, const DesignCase& dc) {
  const auto [phi, delta, beta, theta] = AnglesOf(dc);

  PrintAt(out, 1300, 10000, {kCoefficient});
  PrintAt(out, 3800, 10200, {kCoulombNumerator});
  PrintAt(out, 1300, 10400, {kCoulombLeft});
  PrintAt(out, 4550, 10650, {kCoulombRootNumerator});
  PrintAt(out, 7300, 10650, {kSquare});
  PrintAt(out, 1700, 10850, {kCoulombDenominator});
  PrintAt(out, 3875, 10850, {kOnePlus});
  PrintAt(out, 4550, 11050, {kCoulombRootDenominator});
  BlackLine(out, 1700, 10500, 7500, 10500);
  BlackLine(out, 4450, 10950, 7100, 10950);
  DrawRadical(out, 4175, 11050, 10600, 7050);
  DrawBrackets(out, 3775, 7200, 10600, 11300);

  PrintAt(out, 5100, 11350, {kCos2, A(phi), kDegMinus, A(theta), kDegClose});
  PrintAt(out, 1500, 11550, {kEquals});
  PrintAt(out, 6600, 11800,
          {kSin, A(phi), kDegPlus, A(delta), kDegTimesSin, A(phi), kDegMinus, A(beta), kDegClose});
  PrintAt(out, 11350, 11800, {kSquare});
  PrintAt(out, 1700, 12000,
          {kCos2, A(theta), kDegTimesCos, A(theta), kDegPlus, A(delta), kDegTimes});
  PrintAt(out, 5975, 12000, {kOnePlus});
  PrintAt(
      out, 6600, 12200,
      {kCos, A(theta), kDegPlus, A(delta), kDegTimesCos, A(theta), kDegMinus, A(beta), kDegClose});
  BlackLine(out, 1650, 11650, 11450, 11650);
  BlackLine(out, 6550, 12100, 11100, 12100);
  DrawRadical(out, 6275, 12200, 11750, 11100);
  DrawBrackets(out, 5900, 11250, 11750, 12450);

  const std::string numerator = T4(std::pow(Cosd(phi - theta), 2));
  const std::string denominator = T4(std::pow(Cosd(theta), 2)) + kTimes + T4(Cosd(theta + delta));
  const std::string ka = FormatNumber(dc.Cond[cond::kKA], "0.000");
  if (phi >= beta) {
    PrintAt(out, 3500, 12500, {numerator});
    PrintAt(out, 1500, 12700, {kEquals});
    PrintAt(out, 4350, 12950, {T4(Sind(phi + delta)), kTimes, T4(Sind(std::abs(phi - beta)))});
    PrintAt(out, 6250, 12950, {kSquare});
    PrintAt(out, 1700, 13150, {denominator, kTimes});
    PrintAt(out, 3675, 13150, {kOnePlus});
    PrintAt(out, 4350, 13350, {T4(Cosd(theta + delta)), kTimes, T4(Cosd(std::abs(theta - beta)))});
    PrintAt(out, 1500, 13650, {kEquals, ka});
    BlackLine(out, 1650, 12800, 6400, 12800);
    BlackLine(out, 4250, 13250, 6000, 13250);
    DrawRadical(out, 3975, 13350, 12900, 6000);
    DrawBrackets(out, 3575, 6150, 12900, 13600);
  } else {
    // A slope steeper than φ: the root term is 0.
    PrintAt(out, 2150, 12500, {numerator});
    PrintAt(out, 1500, 12700, {kEquals});
    PrintAt(out, 1700, 12900, {denominator});
    PrintAt(out, 1500, 13200, {kEquals, ka});
    BlackLine(out, 1650, 12800, 3400, 12800);
  }
}

// Mononobe–Okabe. Printed for every seismic coefficient, also with β, θ and
// δ all 0: the printed value includes θk and Kv, which tan²(45° − φ/2)
// would not show.
void MononobeOkabeForms(ReportSurface& out, const DesignCase& dc) {
  const auto [phi, delta, beta, theta] = AnglesOf(dc);
  const double kv = dc.Cond[cond::kKv];
  const double tk = dc.Cond[cond::kThetaKDeg];

  PrintAt(out, 1300, 10600, {kSeismicCoefficient});
  out.FontSize = 9;
  PrintAt(out, 3800, 10850, {kMoNumerator});
  PrintAt(out, 1150, 11020, {kMoLeft});
  PrintAt(out, 5220, 11250, {kMoRootNumerator});
  PrintAt(out, 7970, 11250, {kSquare});
  PrintAt(out, 1700, 11450, {kMoDenominator});
  PrintAt(out, 4545, 11450, {kOnePlus});
  PrintAt(out, 5220, 11650, {kMoRootDenominator});
  BlackLine(out, 1650, 11100, 8070, 11100);
  BlackLine(out, 5120, 11530, 7790, 11530);
  DrawRadical(out, 4845, 11650, 11200, 7790);
  DrawBrackets(out, 4445, 7870, 11200, 11900);

  PrintAt(out, 4800, 12000,
          {kOneMinus, A(kv), kTimesCos2, A(phi), kDegMinus, A(theta), kDegMinus, A(tk), kDegClose});
  PrintAt(out, 1230, 12170, {kEquals});
  PrintAt(out, 6900, 12400,
          {kSin, A(phi), kDegMinus, A(beta), kDegMinus, A(tk), kDegTimesSin, A(phi), kDegPlus,
           A(delta), kDegClose});
  PrintAt(out, 11400, 12400, {kSquare});
  PrintAt(out, 1430, 12600,
          {A(tk), kThetaKTimesCos2, A(theta), kDegTimesCos, A(delta), kDegPlus, A(theta), kDegPlus,
           A(tk), kDegTimes});
  PrintAt(out, 6275, 12600, {kOnePlus});
  PrintAt(out, 6900, 12800,
          {kCos, A(delta), kDegPlus, A(theta), kDegPlus, A(tk), kDegTimesCos, A(theta), kDegMinus,
           A(beta), kDegClose});
  BlackLine(out, 1400, 12250, 11450, 12250);
  BlackLine(out, 6850, 12680, 11200, 12680);
  DrawRadical(out, 6575, 12800, 12350, 11200);
  DrawBrackets(out, 6200, 11330, 12350, 13050);

  const std::string numerator =
      FormatNumber(1 - kv, "0.00") + kTimes + T4(std::pow(Cosd(phi - theta - tk), 2));
  const std::string denominator =
      T4(Cosd(tk)) + kTimes + T4(std::pow(Cosd(theta), 2)) + kTimes + T4(Cosd(delta + theta + tk));
  const std::string ka = FormatNumber(dc.Cond[cond::kKA], "0.000");
  if (phi >= beta + tk) {
    PrintAt(out, 3230, 13150, {numerator});
    PrintAt(out, 1230, 13320, {kEquals});
    PrintAt(out, 4430, 13550, {T4(Sind(std::abs(phi - beta - tk))), kTimes, T4(Sind(phi + delta))});
    PrintAt(out, 5980, 13550, {kSquare});
    PrintAt(out, 1430, 13750, {denominator, kTimes});
    PrintAt(out, 3755, 13750, {kOnePlus});
    PrintAt(out, 4430, 13950,
            {T4(Cosd(delta + theta + tk)), kTimes, T4(Cosd(std::abs(theta - beta)))});
    PrintAt(out, 1230, 14250, {kEquals, ka});
    BlackLine(out, 1380, 13400, 6230, 13400);
    BlackLine(out, 4330, 13830, 5730, 13830);
    DrawRadical(out, 4055, 13950, 13500, 5730);
    DrawBrackets(out, 3655, 5880, 13500, 14200);
  } else {
    PrintAt(out, 1880, 13150, {numerator});
    PrintAt(out, 1230, 13320, {kEquals});
    PrintAt(out, 1430, 13500, {denominator});
    PrintAt(out, 1230, 13800, {kEquals, ka});
    BlackLine(out, 1380, 13400, 3380, 13400);
  }
  out.FontSize = kStandardFontSize;
}

}  // namespace

std::string SeismicCoefficientText(const DesignCase& dc, Standard standard) {
  const auto& k = dc.Cond;
  const std::string kv = std::string(kKv) + FormatNumber(k[cond::kKv], "0.00");
  if (standard == Standard::kRoad) {
    return std::string(kKhRoad) + FormatNumber(k[cond::kCz], "0.00") + kTimes +
           FormatNumber(k[cond::kKho], "0.00") + kEquals + FormatNumber(k[cond::kKh], "0.00") + kv;
  }
  return std::string(kKhResidential) + FormatNumber(k[cond::kKh], "0.00") + kv;
}

std::string SeismicAngleText(const DesignCase& dc) {
  const auto& k = dc.Cond;
  return std::string(kThetaK) + kEquals + kAtn + FormatNumber(k[cond::kKh], "0.00") + kAtnDivide +
         FormatNumber(k[cond::kKv], "0.00") + kAtnClose +
         FormatNumber(k[cond::kThetaKDeg], "0.00") + kDegree;
}

void Kentou11(ReportContext& ctx) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const Selections& sel = ctx.sel;
  PrintAt(out, 0, 9600, {kHeading});

  if (sel.shape == GroundShape::kRaisedSoil) {
    PrintTrialWedge(ctx);
  } else if (LevelOrSlope(sel.shape)) {
    if (sel.coefficient == CoefficientMode::kEntered) {
      PrintAt(out, 1750, 10000, {kGiven, FormatNumber(dc.Cond[cond::kKA], "0.00#")});
    } else if (sel.coefficient == CoefficientMode::kComputed) {
      const auto [phi, delta, beta, theta] = AnglesOf(dc);
      (void)phi;
      if (sel.load_case == LoadCase::kNormal || sel.seismic_method == SeismicMethod::kK2) {
        if (beta == 0 && theta == 0 && delta == 0) {
          RankineForms(out, dc);
        } else {
          CoulombForms(out, dc);
        }
      } else {
        if (sel.standard != Standard::kNone) {
          PrintAt(out, 1800, 10000, {SeismicCoefficientText(dc, sel.standard)});
        }
        PrintAt(out, 1800, 10200, {SeismicAngleText(dc)});
        MononobeOkabeForms(out, dc);
      }
    }
  }
  out.FontSize = kStandardFontSize;
  out.DrawStyle = kSolid;
  out.DrawWidth = 1;
}

}  // namespace varnholt::report
