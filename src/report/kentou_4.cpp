// KENTOU_4: the stability chapter "－２ 安定性の検討": overturning, ground
// bearing and sliding, each as formula lines with the numbers filled in and
// a verdict, then a small diagram of the ground reaction under the base
// (or of the base with its shear key). Which lines appear follows the
// chosen check methods; whether a line passes comes from the same verdict
// rules as the results window. Without a shear key the lines are spaced by
// extra blank lines.

#include <array>
#include <cmath>

#include "report/drawing.h"
#include "report/kentou_4_internal.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

constexpr const char* kIndent = "            ";
constexpr const char* kTitleNormal = "－２ 安定性の検討（常時）";
constexpr const char* kTitleFenceLoad = "－２ 安定性の検討（水平荷重時）";
constexpr const char* kTitleSeismic = "－２ 安定性の検討（地震時）";
constexpr const char* kOverturning = "            １）転倒に対する検討";
constexpr const char* kBearing = "            ２）地盤支持力(接地圧)に対する検討";
constexpr const char* kSliding = "            ３）滑動に対する検討";
// Overturning.
constexpr const char* kMr = "                抵抗モーメント Mr=ΣV･x=";
constexpr const char* kMo = "                転倒モーメント Mo=ΣH･y=";
constexpr const char* kKNmm = "kNm/m";
constexpr const char* kFo = "                転 倒 安 全 率 F=Mr/Mo=";
constexpr const char* kD = "                合力の作用位置 d=(Mr－Mo)/ΣV=(";
constexpr const char* kE = "                偏　心　距　離 e=(B/2)－d=(";
constexpr const char* kD3 = "                合力の作用位置 d=(Mr－Mo)/ΣV";
constexpr const char* kD3Values = "                                =(";
constexpr const char* kD3Pass = "m > B/3=";
constexpr const char* kD3Fail = "m < B/3=";
constexpr const char* kMetreOk = "m ∴ O.K";
// Bearing.
constexpr const char* kQx1Residential = "                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}";
constexpr const char* kQx1Road = "                最大地盤反力度 ｑmax=(ΣV/B)･{1＋(6e/B)}";
constexpr const char* kQn1Residential = "                最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}";
constexpr const char* kQn1Road = "                最小地盤反力度 ｑmin=(ΣV/B)･{1－(6e/B)}";
constexpr const char* kQx2Residential =
    "                最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]";
constexpr const char* kQx2Road = "                最大地盤反力度 ｑmax=(ΣV/B)･[2/{3×(1/2－e/B)}]";
constexpr const char* kQn2Residential = "                最 小 接 地 圧 σmin=0kN/m2";
constexpr const char* kQn2Road = "                最小地盤反力度 ｑmin=0kN/m2";
constexpr const char* kQValues = "                                    =(";
constexpr const char* kQResult = "                                    =";
constexpr const char* kPlusSix = ")×{1＋(6×";
constexpr const char* kMinusSix = ")×{1－(6×";
constexpr const char* kBraceClose = ")}";
constexpr const char* kTriangle = ")×[2/{3×(1/2－";
constexpr const char* kTriangleClose = ")}]";
constexpr const char* kQvPassResidential = "                               σmax,σmin < ";
constexpr const char* kQvBothResidential = "                               σmax,σmin > ";
constexpr const char* kQvMaxResidential = "                               σmax > ";
constexpr const char* kQvPassRoad = "                               ｑmax,ｑmin < ";
constexpr const char* kQvBothRoad = "                               ｑmax,ｑmin > ";
constexpr const char* kQvMaxRoad = "                               ｑmax > ";
constexpr const char* kQvOk = "kN/m2  ∴ O.K";
constexpr const char* kQvNg = "kN/m2  ∴ NG";
// A base off the ground: the verdict says why instead of comparing σmax.
constexpr const char* kQvReasonIndent = "                               ";
// Sliding.
constexpr const char* kSh = "                水 平 力 の 総 和 ΣH=";
constexpr const char* kRb = "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=";
constexpr const char* kAe = "                底版の有効載荷面積 A'=B-2e=";
constexpr const char* kRa = "                滑動に対する抵抗力 RH=C･A'＋ΣV･μ=";
constexpr const char* kFs = "                滑 動 安 全 率      F=RH/ΣH=";
constexpr const char* kFkPass = " > 1.0  ――-> 突起を設ける";
constexpr const char* kFkFail = " < 1.0";
constexpr const char* kMinusTwoTimes = "－2×";
constexpr const char* kM2m = "m2/m";
// Diagram labels.
constexpr const char* kLabelB = "Ｂ";
constexpr const char* kMaxResidential = "σmax";
constexpr const char* kMaxRoad = "ｑmax";
constexpr const char* kMinResidential = "σmin";
constexpr const char* kMinRoad = "ｑmin";
// Pieces.
constexpr const char* kSlash = "/";
constexpr const char* kEquals = "=";
constexpr const char* kMinus = "－";
constexpr const char* kCloseSlash = ")/";
constexpr const char* kHalfMinus = "/2)－";
constexpr const char* kMetre = "m";
constexpr const char* kKNm = "kN/m";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kTimes = "×";
constexpr const char* kTimesOpen = "×(";
constexpr const char* kClosePlus = ")＋";
constexpr const char* kPlus = "＋";

std::string F3(double v) { return FormatNumber(v, "0.000"); }
std::string R3(double v) { return F3(RoundHalfUp(v, 3)); }

struct Divisor {
  const char* pass;
  const char* fail;
  const char* over;
};
Divisor DivisorTexts(int n) {
  switch (n) {
    case 2:
      return {"m < B/2=", "m > B/2=", "/2="};
    case 3:
      return {"m < B/3=", "m > B/3=", "/3="};
    default:
      return {"m < B/6=", "m > B/6=", "/6="};
  }
}

class StabilityPrinter {
 public:
  StabilityPrinter(ReportContext& ctx, const StabilityVerdicts& v)
      : ctx_(ctx), out_(ctx.out), dc_(ctx.dc), c_(ctx.dc.Calc), v_(v) {}

  void Run();

 private:
  bool road() const { return ctx_.sel.standard == Standard::kRoad; }
  bool key() const { return dc_.ShearKeyFlag == "1"; }
  // Blank lines that only a wall without a shear key gets.
  void ExtraBlank() {
    if (dc_.ShearKeyFlag == "0") out_.PrintLine();
  }
  void Heading();
  void Overturning(bool* printed_e);
  void Bearing(bool printed_e);
  void Sliding();
  void ReactionDiagram(double offset);

  std::string DLine() const {
    return std::string(kD) + R3(c_[calc::kMr]) + kMinus + R3(c_[calc::kMo]) + kCloseSlash +
           F3(c_[calc::kSumV]) + kEquals + F3(c_[calc::kD]) + kMetre;
  }
  std::string EHead() const {
    return std::string(kE) + F3(c_[calc::kBaseWidth]) + kHalfMinus + F3(c_[calc::kD]) + kEquals +
           F3(c_[calc::kE]);
  }
  void ELine(const Verdict& e) {
    const Divisor d = DivisorTexts(e.divisor);
    const double b = c_[calc::kBaseWidth];
    const std::string tail = F3(b) + d.over + F3(b / e.divisor);
    PrintVerdictLines(ctx_, e.ok,
                      {EHead() + (e.ok ? d.pass + tail + kMetreOk : d.fail + tail + kMetre)});
  }

  ReportContext& ctx_;
  ReportSurface& out_;
  const DesignCase& dc_;
  const std::array<double, calc::kCount>& c_;
  const StabilityVerdicts& v_;
};

void StabilityPrinter::Heading() {
  const LoadCase load_case = ctx_.sel.load_case;
  const char* title = nullptr;
  if (load_case == LoadCase::kNormal) {
    title = dc_.FenceLoadType == "1" || dc_.FenceLoadType == "2" ? kTitleFenceLoad : kTitleNormal;
  } else if (load_case == LoadCase::kSeismic) {
    title = kTitleSeismic;
  }
  if (title) out_.PrintLine({kIndent, dc_.SectionNo, title});
}

void StabilityPrinter::Overturning(bool* printed_e) {
  out_.PrintLine();
  out_.PrintLine({kOverturning});
  ExtraBlank();
  out_.PrintLine({kMr, R3(c_[calc::kMr]), kKNmm});
  out_.PrintLine({kMo, R3(c_[calc::kMo]), kKNmm});
  // The option's own verdict, then the eccentricity half of a combined one.
  const Verdict& first = v_.overturning;
  if (first.judged && first.measure == Measure::kF) {
    PrintVerdictLines(ctx_, first.ok,
                      {std::string(kFo) + R3(c_[calc::kMr]) + kSlash + R3(c_[calc::kMo]) + kEquals +
                       F3(c_[calc::kOverturnF]) + FactorVerdictText(first.limit, first.ok)});
  }
  if (first.judged && first.measure == Measure::kD) {
    const double b = c_[calc::kBaseWidth];
    const std::string values = std::string(kD3Values) + R3(c_[calc::kMr]) + kMinus +
                               R3(c_[calc::kMo]) + kCloseSlash + F3(c_[calc::kSumV]) + kEquals +
                               F3(c_[calc::kD]) + (first.ok ? kD3Pass : kD3Fail) + F3(b) +
                               "/3=" + F3(b / 3) + (first.ok ? kMetreOk : kMetre);
    PrintVerdictLines(ctx_, first.ok, {kD3, values});
  }
  const Verdict* e = nullptr;
  if (v_.eccentricity.judged) {
    e = &v_.eccentricity;
  } else if (first.judged && first.measure == Measure::kE) {
    e = &first;
  }
  if (e) {
    out_.PrintLine({DLine()});
    ELine(*e);
  }
  *printed_e = e != nullptr;
}

void StabilityPrinter::Bearing(bool printed_e) {
  out_.PrintLine();
  ExtraBlank();
  out_.PrintLine({kBearing});
  ExtraBlank();
  // The resultant and eccentricity, when the overturning check has not
  // printed them: d and e after a safety-factor criterion, e after d ≥ B/3.
  const Verdict& first = v_.overturning;
  if (!printed_e && first.judged && first.measure == Measure::kF) {
    out_.PrintLine({DLine()});
    out_.PrintLine({EHead(), kMetre});
  } else if (!printed_e && first.judged && first.measure == Measure::kD) {
    out_.PrintLine({EHead(), kMetre});
  }

  const double b = c_[calc::kBaseWidth];
  const std::string sum_v = F3(c_[calc::kSumV]);
  const std::string abs_e = F3(std::abs(c_[calc::kE]));
  const std::string max = F3(c_[calc::kSigmaMax]);
  if (EccentricityRatio(dc_) < 1.0 / 6) {
    out_.PrintLine({road() ? kQx1Road : kQx1Residential});
    out_.PrintLine({kQValues, sum_v, kSlash, F3(b), kPlusSix, abs_e, kSlash, F3(b), kBraceClose});
    out_.PrintLine({kQResult, max, kKNm2});
    out_.PrintLine({road() ? kQn1Road : kQn1Residential});
    out_.PrintLine({kQValues, sum_v, kSlash, F3(b), kMinusSix, abs_e, kSlash, F3(b), kBraceClose});
    out_.PrintLine({kQResult, F3(c_[calc::kSigmaMin]), kKNm2});
  } else {
    out_.PrintLine({road() ? kQx2Road : kQx2Residential});
    out_.PrintLine(
        {kQValues, sum_v, kSlash, F3(b), kTriangle, abs_e, kSlash, F3(b), kTriangleClose});
    out_.PrintLine({kQResult, max, kKNm2});
    out_.PrintLine({road() ? kQn2Road : kQn2Residential});
  }
  const Verdict& q = v_.bearing;
  if (q.judged) {
    const std::string allowable = FormatNumber(q.limit, "0.0");
    if (q.ok) {
      out_.PrintLine({road() ? kQvPassRoad : kQvPassResidential, allowable, kQvOk});
    } else if (q.reason != VerdictReason::kNone) {
      PrintVerdictLines(ctx_, false, {kQvReasonIndent + ReasonVerdictText(q.reason)});
    } else if (v_.sigma_min_exceeds) {
      PrintVerdictLines(
          ctx_, false,
          {std::string(road() ? kQvBothRoad : kQvBothResidential) + allowable + kQvNg});
    } else {
      PrintVerdictLines(ctx_, false,
                        {std::string(road() ? kQvMaxRoad : kQvMaxResidential) + allowable + kQvNg});
    }
  }
}

void StabilityPrinter::Sliding() {
  out_.PrintLine();
  ExtraBlank();
  out_.PrintLine({kSliding});
  ExtraBlank();
  const Selections& sel = ctx_.sel;
  const double b = c_[calc::kBaseWidth];
  const double cohesion = dc_.Cond[cond::kCohesion];
  const std::string c_text = FormatNumber(cohesion, "0.0#");
  const std::string mu_text = FormatNumber(dc_.Cond[cond::kMu], "0.0##");
  const std::string sum_h = std::string(kSh) + F3(c_[calc::kSumH]) + kKNm;
  const std::string sum_v = F3(c_[calc::kSumV]);
  const std::string rh = F3(c_[calc::kRH]);
  const bool no_deduction = sel.normal_checks.deduction == Deduction::kNoDeduct ||
                            sel.seismic_checks.deduction == Deduction::kNoDeduct;
  const bool deduction = sel.normal_checks.deduction == Deduction::kDeduct ||
                         sel.seismic_checks.deduction == Deduction::kDeduct;

  if (key() && road()) {
    out_.PrintLine({sum_h});
  } else if (no_deduction || cohesion == 0) {
    out_.PrintLine({sum_h});
    if (EccentricityRatio(dc_) <= 1.0 / 6) {
      out_.PrintLine(
          {kRb, c_text, kTimes, F3(b), kPlus, sum_v, kTimes, mu_text, kEquals, rh, kKNm});
    } else {
      const double x_over_b = b != 0 ? std::abs(c_[calc::kPressureLength]) / b : 0;
      out_.PrintLine({kRb, c_text, kTimesOpen, F3(b), kTimes, F3(x_over_b), kClosePlus, sum_v,
                      kTimes, mu_text, kEquals, rh, kKNm});
    }
  } else if (deduction) {
    const std::string a_eff = F3(c_[calc::kAEff]);
    out_.PrintLine({kAe, F3(b), kMinusTwoTimes, F3(std::abs(c_[calc::kE])), kEquals, a_eff, kM2m});
    out_.PrintLine({sum_h});
    out_.PrintLine({kRa, c_text, kTimes, a_eff, kPlus, sum_v, kTimes, mu_text, kEquals, rh, kKNm});
  }

  // Both a failing and a passing factor read F=RH/ΣH: the divisor is ΣH.
  const std::string factor =
      std::string(kFs) + rh + kSlash + F3(c_[calc::kSumH]) + kEquals + F3(c_[calc::kSlidingF]);
  if (!key()) {
    if (v_.sliding.judged) {
      PrintVerdictLines(ctx_, v_.sliding.ok,
                        {factor + FactorVerdictText(v_.sliding.limit, v_.sliding.ok)});
    }
  } else if (!road()) {
    // With a key the factor without it need only reach 1.0.
    const bool criterion =
        v_.criteria == CriteriaSet::kNormal || sel.seismic_checks.sliding != SeismicSliding::kNone;
    if (criterion && v_.without_key.judged) {
      PrintVerdictLines(ctx_, v_.without_key.ok,
                        {factor + (v_.without_key.ok ? kFkPass : kFkFail)});
    }
  }
}

// The diagram stands `offset` twips below its place on a page without the
// earth pressure values.
void StabilityPrinter::ReactionDiagram(double offset) {
  const double o = offset;
  auto line = [&](double x1, double y1, double x2, double y2) {
    BlackLine(out_, x1, o + y1, x2, o + y2);
  };
  auto label = [&](double x, double y, const char* text) { PrintAt(out_, x, o + y, {text}); };
  const char* max = road() ? kMaxRoad : kMaxResidential;
  const char* min = road() ? kMinRoad : kMinResidential;

  out_.FontSize = 9;
  line(9500, 7400, 11000, 7400);
  line(9500, 7400, 9700, 6900);
  line(11000, 7400, 10800, 6900);
  line(9500, 8800, 11000, 8800);
  line(9500, 8800, 9500, 8400);
  line(11000, 8800, 11000, 8400);
  label(10150, 8600, kLabelB);
  const bool trapezoid = EccentricityRatio(dc_) < 1.0 / 6;
  const bool toe = c_[calc::kE] >= 0;  // the resultant lies on the toe side
  if (trapezoid && toe) {
    line(9500, 7700, 11000, 7700);
    line(9500, 7700, 9500, 8200);
    line(11000, 7700, 11000, 7950);
    line(9500, 8200, 11000, 7950);
    label(9000, 7850, max);
    label(10550, 8050, min);
  } else if (trapezoid) {
    line(9500, 7700, 11000, 7700);
    line(9500, 7700, 9500, 7950);
    line(11000, 7700, 11000, 8200);
    line(9500, 7950, 11000, 8200);
    label(10550, 7850, max);
    label(9000, 7750, min);
  } else if (toe) {
    line(9500, 7800, 11000, 7800);
    line(9500, 7800, 9500, 8200);
    line(9500, 8200, 10750, 7800);
    label(9000, 7950, max);
  } else {
    line(9500, 7800, 11000, 7800);
    line(11000, 7800, 11000, 8200);
    line(9750, 7800, 11000, 8200);
    label(10550, 7950, max);
  }
}

void StabilityPrinter::Run() {
  out_.PrintLine();
  out_.PrintLine();
  ExtraBlank();
  Heading();
  bool printed_e = false;
  Overturning(&printed_e);
  Bearing(printed_e);
  Sliding();
  if (key()) PrintShearKeyLines(ctx_, v_);

  const Selections& sel = ctx_.sel;
  double offset = 0;
  if (LevelOrSlope(sel.shape)) {
    offset = sel.coefficient == CoefficientMode::kComputed ? 3800 : 400;
  }
  if (dc_.ShearKeyFlag == "0") {
    ReactionDiagram(offset);
  } else if (key()) {
    DrawShearKeyDiagram(ctx_, offset);
  }
}

}  // namespace

double EccentricityRatio(const DesignCase& dc) {
  const double b = dc.Calc[calc::kBaseWidth];
  return b != 0 ? std::abs(dc.Calc[calc::kE]) / b : 0;
}

std::string ReasonVerdictText(VerdictReason reason) {
  return std::string(VerdictReasonText(reason)) + "  ∴ NG";
}

std::string FactorVerdictText(const Verdict& v) {
  if (v.reason != VerdictReason::kNone) return "  " + ReasonVerdictText(v.reason);
  return FactorVerdictText(v.limit, v.ok);
}

std::string FactorVerdictText(double limit, bool ok) {
  if (limit == 1.0) return ok ? " > 1.0  ∴ O.K" : " < 1.0";
  if (limit == 1.2) return ok ? " > 1.2  ∴ O.K" : " < 1.2";
  return ok ? " > 1.5  ∴ O.K" : " < 1.5";
}

void PrintVerdictLines(ReportContext& ctx, bool ok, const std::vector<std::string>& lines) {
  ReportSurface& out = ctx.out;
  if (!ok) out.ForeColor = kLightMagenta;
  for (const std::string& line : lines) out.PrintLine({line});
  if (!ok) {
    ctx.beeper.Beep();
    out.ForeColor = kBlack;
  }
}

void Kentou4(ReportContext& ctx) {
  const StabilityVerdicts verdicts = JudgeStability(ctx.dc, ctx.sel);
  StabilityPrinter(ctx, verdicts).Run();
  ctx.out.FontSize = kStandardFontSize;
  ctx.out.ForeColor = kBlack;
  ctx.out.DrawStyle = kSolid;
  ctx.out.DrawWidth = 1;
}

}  // namespace varnholt::report
