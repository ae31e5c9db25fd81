// The shear key (突起) in the stability chapter: after the sliding check,
// the resistance the key adds and the sliding safety factor with it; at
// the end, a diagram of the base with the key in place of the
// ground-reaction diagram. Under 宅地造成 the key mobilises passive earth
// pressure over the wedge of length L in front of it, plus friction on the
// rest of the base; under 道路土工 the resistance is the shear along the
// plane through the key bottom.

#include <cmath>

#include "calc/angles.h"
#include "report/drawing.h"
#include "report/kentou_4_internal.h"
#include "report/number_format.h"

namespace varnholt::report {
namespace {

constexpr const char* kTitle = "              ・突起の計算";
// 宅地造成.
constexpr const char* kL = "                  L=H0･tan(45ﾟ＋φB/2)=";
constexpr const char* kTan45 = "×tan{45ﾟ＋(";
constexpr const char* kHalfClose = "ﾟ/2)}=";
constexpr const char* kSigma0 = "                σ0=(σ1＋σ2)/2=(";
constexpr const char* kP = "                  P=σ0･tan^2(45ﾟ＋φB/2)";
constexpr const char* kPValues = "                   =";
constexpr const char* kTan2_45 = "×tan^2{45ﾟ＋(";
constexpr const char* kWjTrapezoidToe = "                 WJ={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2";
constexpr const char* kWjTrapezoidHeel = "                 WJ={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2";
constexpr const char* kWjTriangleToe = "                 WJ={(σmax＋σ1)/2}･L1＋(σ2/2)･L2";
constexpr const char* kWjTriangleHeel = "                 WJ=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2";
constexpr const char* kWjValues = "                   ={(";
constexpr const char* kWjValuesHeel = "                   =(";
constexpr const char* kFkFriction = "                滑動安全率 F=(WJ･μ＋P･H0)/∑H";
constexpr const char* kFkNoDeduction = "                滑動安全率 F=(C･B＋WJ･μ＋P･H0)/∑H";
constexpr const char* kFkDeduction = "                滑動安全率 F=(C･A'＋WJ･μ＋P･H0)/∑H";
constexpr const char* kFkValues = "                            =(";
constexpr const char* kFkResult = "                            =";
// 道路土工.
constexpr const char* kHk =
    "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB";
constexpr const char* kHkCohesion =
    "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1";
constexpr const char* kHkFront = "                               ={(";
constexpr const char* kHkBack = "                                ＋{(";
constexpr const char* kHkResult = "                               =";
constexpr const char* kHkCohesionTerm = "                                ＋";
constexpr const char* kFkRoad = "                  滑動安全率  F=Hk/∑H=";
// Pieces.
constexpr const char* kTimes = "×";
constexpr const char* kEquals = "=";
constexpr const char* kPlus = "＋";
constexpr const char* kSlash = "/";
constexpr const char* kCloseSlash = ")/";
constexpr const char* kHalfEquals = ")/2=";
constexpr const char* kHalfTimes = ")/2}×";
constexpr const char* kPlusBrace = "＋{(";
constexpr const char* kPlusOpen = "＋(";
constexpr const char* kOverTwoTimes = "/2)×";
constexpr const char* kMetre = "m";
constexpr const char* kKNm2 = "kN/m2";  // pressures: σ0, P
constexpr const char* kKNm = "kN/m";    // forces per metre of wall: WJ, Hk
// Diagram labels.
constexpr const char* kLabelAngle = "45ﾟ＋φB/2";
constexpr const char* kLabelH0 = "H0";
constexpr const char* kLabelB = "Ｂ";
constexpr const char* kLabelL = "L";
constexpr const char* kLabelL1 = "L1";
constexpr const char* kLabelL2 = "L2";
constexpr const char* kMax = "σmax";
constexpr const char* kMin = "σmin";
constexpr const char* kSigma1 = "σ1";
constexpr const char* kSigma2 = "σ2";
constexpr const char* kQ1 = "ｑ1";
constexpr const char* kQ2 = "ｑ2";
constexpr const char* kQ3 = "ｑ3";

std::string F3(double v) { return FormatNumber(v, "0.000"); }

void ResidentialLines(ReportContext& ctx, const StabilityVerdicts& v) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  const double phi_b = dc.Cond[cond::kPhiB];
  const double t1 = std::tan(ToRadians(45 + phi_b / 2));
  const double h0 = c[calc::kKeyHeight];
  const double b1 = c[calc::kKeyPosition];
  const double b = c[calc::kBaseWidth];
  const double e = c[calc::kE];
  const double x = std::abs(c[calc::kPressureLength]);
  const double s1 = c[calc::kKeySigma1], s2 = c[calc::kKeySigma2], s0 = c[calc::kKeySigma0];
  const double smax = c[calc::kSigmaMax], smin = c[calc::kSigmaMin];
  const double l = c[calc::kKeyL];
  const std::string phi_text = FormatNumber(phi_b, "0.00");

  out.PrintLine(
      {kL, F3(h0), kTan45, phi_text, kHalfClose, F3(h0), kTimes, F3(t1), kEquals, F3(l), kMetre});
  out.PrintLine({kSigma0, F3(s1), kPlus, F3(s2), kHalfEquals, F3(s0), kKNm2});
  out.PrintLine({kP});
  out.PrintLine({kPValues, F3(s0), kTan2_45, phi_text, kHalfClose, F3(s0), kTimes, F3(t1 * t1),
                 kEquals, F3(c[calc::kKeyPassive]), kKNm2});

  const std::string wj = std::string(kEquals) + F3(c[calc::kKeyWJ]) + kKNm;
  if (EccentricityRatio(dc) < 1.0 / 6) {
    const bool toe = e >= 0;
    out.PrintLine({toe ? kWjTrapezoidToe : kWjTrapezoidHeel});
    out.PrintLine({kWjValues, F3(toe ? smax : smin), kPlus, F3(s1), kHalfTimes, F3(b1 - l),
                   kPlusBrace, F3(s2), kPlus, F3(toe ? smin : smax), kHalfTimes, F3(b - b1), wj});
  } else if (e >= 0) {
    out.PrintLine({kWjTriangleToe});
    out.PrintLine({kWjValues, F3(smax), kPlus, F3(s1), kHalfTimes, F3(b1 - l), kPlusOpen, F3(s2),
                   kOverTwoTimes, F3(x - b1), wj});
  } else {
    out.PrintLine({kWjTriangleHeel});
    out.PrintLine({kWjValuesHeel, F3(s1), kOverTwoTimes, F3(b1 - (b - x) - l), kPlusBrace, F3(s2),
                   kPlus, F3(smax), kHalfTimes, F3(b - b1), wj});
  }

  // The safety factor with the key, in the form the calculation used:
  // friction only without cohesion; with cohesion the no-deduction form
  // when either dialog asks for it (tested first, as the calculation
  // does), else the deduction form.
  const Verdict& k = v.shear_key;
  if (!k.judged) return;
  const Selections& sel = ctx.sel;
  const double cohesion = dc.Cond[cond::kCohesion];
  const std::string tail = std::string(kPlus) + F3(c[calc::kKeyPassive]) + kTimes + F3(h0) +
                           kCloseSlash + F3(c[calc::kSumH]);
  const std::string verdict = F3(c[calc::kKeyFk]) + FactorVerdictText(k);
  const std::string mu = FormatNumber(dc.Cond[cond::kMu], "0.0##");
  const std::string c_text = FormatNumber(cohesion, "0.0#");
  const bool no_deduction = sel.normal_checks.deduction == Deduction::kNoDeduct ||
                            sel.seismic_checks.deduction == Deduction::kNoDeduct;
  const bool deduction = sel.normal_checks.deduction == Deduction::kDeduct ||
                         sel.seismic_checks.deduction == Deduction::kDeduct;
  if (cohesion == 0) {
    PrintVerdictLines(ctx, k.ok,
                      {kFkFriction, std::string(kFkValues) + F3(c[calc::kKeyWJ]) + kTimes + mu +
                                        tail + kEquals + verdict});
  } else if (no_deduction) {
    std::string values = std::string(kFkValues) + c_text + kTimes + F3(b);
    if (EccentricityRatio(dc) > 1.0 / 6) values += kTimes + F3(b != 0 ? x / b : 0);
    values += kPlus + F3(c[calc::kKeyWJ]) + kTimes + F3(dc.Cond[cond::kMu]) + tail;
    PrintVerdictLines(ctx, k.ok, {kFkNoDeduction, values, kFkResult + verdict});
  } else if (deduction) {
    PrintVerdictLines(ctx, k.ok,
                      {kFkDeduction,
                       std::string(kFkValues) + c_text + kTimes + F3(c[calc::kAEff]) + kPlus +
                           F3(c[calc::kKeyWJ]) + kTimes + mu + tail,
                       kFkResult + verdict});
  }
}

void RoadLines(ReportContext& ctx, const StabilityVerdicts& v) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const auto& c = dc.Calc;
  const double t0 = std::tan(ToRadians(dc.Cond[cond::kPhiB]));
  const double b1 = c[calc::kKeyPosition];
  const double b = c[calc::kBaseWidth];
  const double cohesion = dc.Cond[cond::kCohesion];
  const double l2 =
      EccentricityRatio(dc) <= 1.0 / 6 ? b - b1 : std::abs(c[calc::kPressureLength]) - b1;
  const std::string q3 = F3(c[calc::kKeySigma2]);
  const std::string hk = F3(c[calc::kKeyHk]);

  out.PrintLine({cohesion == 0 ? kHk : kHkCohesion});
  out.PrintLine({kHkFront, F3(c[calc::kSigmaMax]), kPlus, q3, kHalfTimes, F3(b1), kTimes, F3(t0)});
  out.PrintLine({kHkBack, F3(c[calc::kSigmaMin]), kPlus, q3, kHalfTimes, F3(l2), kTimes, F3(t0)});
  if (cohesion == 0) {
    out.PrintLine({kHkResult, hk, kKNm});
  } else {
    out.PrintLine(
        {kHkCohesionTerm, FormatNumber(cohesion, "0.0#"), kTimes, F3(b1), kEquals, hk, kKNm});
  }
  const Verdict& k = v.shear_key;
  if (k.judged) {
    PrintVerdictLines(ctx, k.ok,
                      {std::string(kFkRoad) + hk + kSlash + F3(c[calc::kSumH]) + kEquals +
                       F3(c[calc::kKeyFk]) + FactorVerdictText(k)});
  }
}

}  // namespace

void PrintShearKeyLines(ReportContext& ctx, const StabilityVerdicts& verdicts) {
  ctx.out.PrintLine();
  ctx.out.PrintLine({kTitle});
  if (ctx.sel.standard == Standard::kResidential) {
    ResidentialLines(ctx, verdicts);
  } else if (ctx.sel.standard == Standard::kRoad) {
    RoadLines(ctx, verdicts);
  }
}

void DrawShearKeyDiagram(ReportContext& ctx, double offset) {
  ReportSurface& out = ctx.out;
  const DesignCase& dc = ctx.dc;
  const double o = offset;
  const bool res = ctx.sel.standard == Standard::kResidential;
  auto line = [&](double x1, double y1, double x2, double y2) {
    BlackLine(out, x1, o + y1, x2, o + y2);
  };
  auto label = [&](double x, double y, const char* text) { PrintAt(out, x, o + y, {text}); };

  out.FontSize = 9;
  // The base with the key and its depth mark.
  line(9500, 7200, 10250, 7200);
  line(10450, 7200, 11000, 7200);
  line(9500, 7200, 9700, 6700);
  line(11000, 7200, 10800, 6700);
  line(10250, 7200, 10250, 7450);
  line(10450, 7200, 10450, 7450);
  line(10250, 7450, 10450, 7450);
  line(10800, 7200, 10800, 7450);
  line(10800, 7450, 10550, 7450);
  if (res) {
    // The passive wedge in front of the key and its angle.
    line(10250, 7450, 9900, 7200);
    line(10130, 7350, 10250, 7300);
    line(10180, 7310, 10050, 7050);
    label(10000, 6900, kLabelAngle);
  }
  label(10600, 7250, kLabelH0);
  line(9500, 8800, 11000, 8800);
  line(9500, 8800, 9500, 8250);
  line(11000, 8800, 11000, 8250);
  label(10150, 8630, kLabelB);

  const bool trapezoid = EccentricityRatio(dc) < 1.0 / 6;
  const bool toe = dc.Calc[calc::kE] >= 0;
  if (trapezoid) {
    line(9500, 8550, 11000, 8550);
    if (res) line(9900, 8550, 9900, 8250);
    line(10250, 8550, 10250, 8250);
    if (res) {
      label(9600, 8380, kLabelL1);
      label(10050, 8380, kLabelL);
    } else {
      label(9800, 8380, kLabelL1);
    }
    label(10550, 8380, kLabelL2);
    line(9500, 7600, 11000, 7600);
    if (toe) {
      line(9500, 7600, 9500, 8100);
      line(11000, 7600, 11000, 7850);
      line(9500, 8100, 11000, 7850);
      if (res) line(9900, 7600, 9900, 8040);
      line(10250, 7600, 10250, 7990);
      if (res) {
        label(9000, 7750, kMax);
        label(10550, 7950, kMin);
        label(9600, 7750, kSigma1);
        label(10300, 7680, kSigma2);
      } else {
        label(9200, 7750, kQ1);
        label(10750, 7950, kQ2);
        label(10300, 7680, kQ3);
      }
    } else {
      line(9500, 7600, 9500, 7850);
      line(11000, 7600, 11000, 8100);
      line(9500, 7850, 11000, 8100);
      if (res) line(9900, 7600, 9900, 7920);
      line(10250, 7600, 10250, 7990);
      if (res) {
        label(10550, 7750, kMax);
        label(9000, 7650, kMin);
        label(9600, 7680, kSigma1);
        label(10300, 7680, kSigma2);
      } else {
        label(10750, 7750, kQ1);
        label(9200, 7650, kQ2);
        label(10300, 7680, kQ3);
      }
    }
  } else if (toe) {
    line(9500, 8550, 10750, 8550);
    if (res) line(9900, 8550, 9900, 8250);
    line(10750, 8550, 10750, 8250);
    line(10250, 8550, 10250, 8250);
    if (res) {
      label(9600, 8380, kLabelL1);
      label(10050, 8380, kLabelL);
    } else {
      label(9800, 8380, kLabelL1);
    }
    label(10450, 8380, kLabelL2);
    line(9500, 7700, 11000, 7700);
    line(9500, 7700, 9500, 8100);
    line(9500, 8100, 10750, 7700);
    if (res) line(9900, 7700, 9900, 7990);
    line(10250, 7700, 10250, 7890);
    if (res) {
      label(9000, 7850, kMax);
      label(9600, 7780, kSigma1);
      label(10300, 7840, kSigma2);
    } else {
      label(9200, 7850, kQ1);
      label(10300, 7840, kQ3);
    }
  } else {
    line(9750, 8550, 11000, 8550);
    line(9750, 8550, 9750, 8250);
    if (res) line(9900, 8550, 9900, 8250);
    line(10250, 8550, 10250, 8250);
    if (res) {
      label(9550, 8380, kLabelL1);
      label(10050, 8380, kLabelL);
    } else {
      label(9750, 8380, kLabelL1);
    }
    label(10450, 8380, kLabelL2);
    line(9500, 7700, 11000, 7700);
    line(11000, 7700, 11000, 8100);
    line(9750, 7700, 11000, 8100);
    if (res) line(9900, 7700, 9900, 7770);
    line(10250, 7700, 10250, 7890);
    if (res) {
      label(10550, 7850, kMax);
      label(9600, 7780, kSigma1);
      label(10300, 7840, kSigma2);
    } else {
      label(10750, 7850, kQ1);
      label(10300, 7840, kQ3);
    }
  }
}

}  // namespace varnholt::report
