// IPPAN: §１．一般事項, page 1 of the report. Plain flowing lines from the
// top of the page; every indent is made of the blanks inside the literals
// (half-width, and the full-width "　" where it stands).

#include <array>
#include <optional>
#include <string>

#include "calc/collection.h"
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

// What page 1 prints of the design conditions: the window's texts as they
// stand, read with the collection step's rules, so that the page shows what
// the window holds. The design case itself is not touched.
struct GeneralItems {
  std::string site;
  std::string back_soil;
  std::string base_soil;
  std::array<double, cond::kCount> cond;
};

GeneralItems Read(const DesignCase& dc, const Selections& sel, const ConditionInputs& t) {
  GeneralItems g{t.site, t.back_soil, t.base_soil, dc.Cond};
  auto& c = g.cond;
  c[cond::kFc] = LeadingNumber(t.fc);
  c[cond::kFe] = LeadingNumber(t.fe);
  if (const std::optional<double> short_term = ShortTermBearing(c[cond::kFe], sel.standard)) {
    c[cond::kFeShort] = *short_term;
  }
  c[cond::kGamma] = LeadingNumber(t.gamma);
  c[cond::kGammaC] = LeadingNumber(t.gamma_c);
  c[cond::kPhi] = LeadingNumber(t.phi);
  c[cond::kDelta] = LeadingNumber(t.delta);
  c[cond::kBackCohesion] = 0;
  c[cond::kCohesion] = EffectiveCohesion(sel.cohesion, t.cohesion);
  c[cond::kPhiB] = LeadingNumber(t.phi_b);
  c[cond::kMu] = LeadingNumber(t.mu);
  return g;
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
  const Standard standard = ctx.sel.standard;
  const GeneralItems g = Read(ctx.dc, ctx.sel, ctx.inputs.conditions);
  ReportSurface& out = ctx.out;
  const auto& cd = g.cond;

  BlankLines(out, 5);
  out.PrintLine({kTitle});
  BlankLines(out, 2);
  out.PrintLine({kOutline});
  out.PrintLine();
  out.PrintLine({kSite, g.site});
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
  out.PrintLine({kSoilType, g.back_soil});
  out.PrintLine();
  out.PrintLine({kCohesion, FormatNumber(cd[cond::kBackCohesion], "0"), kKNm2});
  out.PrintLine();
  PrintPhi(out, standard, cd[cond::kPhi]);
  out.PrintLine();
  out.PrintLine({kDelta, FormatNumber(cd[cond::kDelta], "0.00"), kDegree});
  out.PrintLine();

  out.PrintLine({kFoundation});
  out.PrintLine();
  out.PrintLine({kSoilType, g.base_soil});
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
