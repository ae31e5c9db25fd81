// IPPAN: §１．一般事項, page 1 of the report. Plain flowing lines from the
// top of the page; every indent is made of the blanks inside the literals
// (half-width, and the full-width "　" where it stands).

#include "model/leading_number.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

// The literals of the section, in printing order.
constexpr const char* kTitle = "           §１．一般事項";
constexpr const char* kOutline = "             １－１ 工作物の概要";
constexpr const char* kSite = "              ・築造地 ： ";
constexpr const char* kStructure = "              ・構　造 ： 重力式コンクリート造擁壁";
constexpr const char* kMaterials = "             １－２ 使用材料及び許容応力度";
constexpr const char* kConcreteT = "               ・コンクリート     ： 普通コンクリート　Fc=";
constexpr const char* kConcreteD = "               ・コンクリート     ： 普通コンクリート　σck=";
constexpr const char* kNmm2 = "N/mm2";
constexpr const char* kBearingT = "               ・地盤の許容応力度 ： fe=";
constexpr const char* kBearingD = "               ・地盤の許容支持力度 ： qa=";
constexpr const char* kLongTerm = "kN/m2（長期）､";
constexpr const char* kShortTerm = "kN/m2（短期）";
constexpr const char* kConditions = "             １－３ 設計条件";
constexpr const char* kBackfill = "              ◎裏込土 及 背面地盤";
constexpr const char* kSoilType = "             　 ・土　質 ： ";
constexpr const char* kCohesion = "             　 ・土の粘着力･･･････････････････････ C=";
constexpr const char* kKNm2 = " kN/m2";
constexpr const char* kPhiT = "             　 ・内部摩擦角･･･････････････････････φ=";
constexpr const char* kPhiD = "             　 ・せん断抵抗角･････････････････････φ=";
constexpr const char* kDegree = "°";
constexpr const char* kDelta = "             　 ・壁背面と土との間の壁面摩擦角･････δ=";
constexpr const char* kFoundation = "              ◎基礎地盤";
constexpr const char* kMu = "             　 ・底面の摩擦係数･･･････････････････μ=";
constexpr const char* kMuTan = "             　 ・底面の摩擦係数･･･････････････････μ=tan";
constexpr const char* kMuTanEquals = "°=";
constexpr const char* kWeights = "               ◎土 及 コンクリートの重量";
constexpr const char* kGammaS = "                 ・土の単位体積重量･･･････････････γs=";
constexpr const char* kGammaC = "                 ・コンクリートの単位体積重量･････ γ=";
constexpr const char* kKNm3 = " kN/m3";
constexpr const char* kPolicy = "             １－４ 設計方針";
constexpr const char* kPolicyEarthPressure =
    "               ・　本計算は、重力式コンクリート造擁壁として、すべて土圧にて行う。";
constexpr const char* kPolicyT1 =
    "               ・　本計算は、宅地造成及び特定盛土等規制法、同施行令、建築基準法、同施行令";
constexpr const char* kPolicyT2 =
    "　　　           及び、建築基礎構造設計指針((社)日本建築学会)に準拠して行う。";
constexpr const char* kPolicyD =
    "               ・　本計算は、道路土工「擁壁工指針」((社)日本道路協会)に準拠して行う。";

// Copies the design-condition texts into the design case in the order and
// with the rules of the collection step, so that the page shows what the
// window currently holds and printing never changes a result.
void Refresh(DesignCase& dc, const Selections& sel, const ConditionInputs& t) {
  dc.SiteName = t.site;
  dc.Cond[cond::kFc] = LeadingNumber(t.fc);
  dc.Cond[cond::kFe] = LeadingNumber(t.fe);
  if (sel.standard == Standard::kResidential) {
    dc.Cond[cond::kFeShort] = dc.Cond[cond::kFe] * 2;
  } else if (sel.standard == Standard::kRoad) {
    dc.Cond[cond::kFeShort] = dc.Cond[cond::kFe] * 1.5;
  }
  dc.Cond[cond::kGamma] = LeadingNumber(t.gamma);
  dc.Cond[cond::kGammaC] = LeadingNumber(t.gamma_c);
  dc.BackSoil = t.back_soil;
  dc.BaseSoil = t.base_soil;
  dc.Cond[cond::kPhi] = LeadingNumber(t.phi);
  dc.Cond[cond::kDelta] = LeadingNumber(t.delta);
  dc.Cond[cond::kBackCohesion] = 0;
  // Cohesion not considered (しない) means C = 0, whatever the box still holds.
  dc.Cond[cond::kCohesion] =
      sel.cohesion == CohesionOption::kNotConsidered ? 0 : LeadingNumber(t.cohesion);
  dc.Cond[cond::kPhiB] = LeadingNumber(t.phi_b);
  dc.Cond[cond::kMu] = LeadingNumber(t.mu);
}

void BlankLines(ReportSurface& out, int n) {
  for (int i = 0; i < n; ++i) out.PrintLine();
}

// The φ line of the backfill or of the foundation ground.
void PrintPhi(ReportSurface& out, Standard standard, double phi) {
  if (standard == Standard::kResidential) {
    out.PrintLine({kPhiT, FormatNumber(phi, "0.00"), kDegree});
  } else if (standard == Standard::kRoad) {
    out.PrintLine({kPhiD, FormatNumber(phi, "0.00"), kDegree});
  }
}

}  // namespace

void Ippan(ReportContext& ctx) {
  DesignCase& dc = ctx.dc;
  const Standard standard = ctx.sel.standard;
  Refresh(dc, ctx.sel, ctx.inputs.conditions);
  ReportSurface& out = ctx.out;
  const auto& cd = dc.Cond;

  BlankLines(out, 5);
  out.PrintLine({kTitle});
  BlankLines(out, 2);
  out.PrintLine({kOutline});
  out.PrintLine();
  out.PrintLine({kSite, dc.SiteName});
  out.PrintLine();
  out.PrintLine({kStructure});
  BlankLines(out, 2);

  out.PrintLine({kMaterials});
  out.PrintLine();
  // Strengths and bearing stresses are printed without a pattern.
  if (standard == Standard::kResidential) {
    out.PrintLine({kConcreteT, cd[cond::kFc], kNmm2});
  } else if (standard == Standard::kRoad) {
    out.PrintLine({kConcreteD, cd[cond::kFc], kNmm2});
  }
  out.PrintLine();
  if (standard == Standard::kResidential) {
    out.PrintLine({kBearingT, cd[cond::kFe], kLongTerm, cd[cond::kFeShort], kShortTerm});
  } else if (standard == Standard::kRoad) {
    out.PrintLine({kBearingD, cd[cond::kFe], kLongTerm, cd[cond::kFeShort], kShortTerm});
  }
  BlankLines(out, 2);

  out.PrintLine({kConditions});
  out.PrintLine();
  out.PrintLine({kBackfill});
  out.PrintLine();
  out.PrintLine({kSoilType, dc.BackSoil});
  out.PrintLine();
  out.PrintLine({kCohesion, FormatNumber(cd[cond::kBackCohesion], "0"), kKNm2});
  out.PrintLine();
  PrintPhi(out, standard, cd[cond::kPhi]);
  out.PrintLine();
  out.PrintLine({kDelta, FormatNumber(cd[cond::kDelta], "0.00"), kDegree});
  out.PrintLine();

  out.PrintLine({kFoundation});
  out.PrintLine();
  out.PrintLine({kSoilType, dc.BaseSoil});
  out.PrintLine();
  const double c = cd[cond::kCohesion];
  out.PrintLine({kCohesion, FormatNumber(c, c != 0 ? "0.0#" : "0"), kKNm2});
  out.PrintLine();
  PrintPhi(out, standard, cd[cond::kPhiB]);
  out.PrintLine();
  // μ = tanφB when that option is chosen; otherwise (entered directly, or a
  // μ from a file saved before the option existed) the entered value.
  if (ctx.sel.friction == FrictionMode::kTanPhi) {
    out.PrintLine({kMuTan, FormatNumber(cd[cond::kPhiB], "0.0#"), kMuTanEquals,
                   FormatNumber(cd[cond::kMu], "0.00#")});
  } else {
    out.PrintLine({kMu, FormatNumber(cd[cond::kMu], "0.0#")});
  }
  out.PrintLine();

  out.PrintLine({kWeights});
  out.PrintLine();
  out.PrintLine({kGammaS, FormatNumber(cd[cond::kGamma], "0.0#"), kKNm3});
  out.PrintLine();
  out.PrintLine({kGammaC, FormatNumber(cd[cond::kGammaC], "0.0#"), kKNm3});
  BlankLines(out, 2);

  out.PrintLine({kPolicy});
  out.PrintLine();
  out.PrintLine({kPolicyEarthPressure});
  out.PrintLine();
  if (standard == Standard::kResidential) {
    out.PrintLine({kPolicyT1});
    out.PrintLine({kPolicyT2});
  } else if (standard == Standard::kRoad) {
    out.PrintLine({kPolicyD});
  }
}

}  // namespace varnholt::report
