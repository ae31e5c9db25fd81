#include <gtest/gtest.h>

#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

// A residential-land design as an engineer would type it.
void FillResidential(Bench& b) {
  b.sel.standard = Standard::kResidential;
  b.sel.friction = FrictionMode::kDirect;
  b.sel.cohesion = CohesionOption::kNotConsidered;
  ConditionInputs& t = b.inputs.conditions;
  t.site = "東京都八王子市";
  t.fc = "21";
  t.fe = "150";
  t.gamma = "18";
  t.gamma_c = "23";
  t.back_soil = "砂質土";
  t.phi = "30";
  t.delta = "20";
  t.base_soil = "砂質土";
  t.cohesion = "0";
  t.phi_b = "30";
  t.mu = "0.5";
}

// The text printed on the n-th line of page 1 (line 0 at y = 0).
std::string LineAt(const RecordingSurface& out, int n) {
  for (const RecordedText& t : out.Texts()) {
    if (t.y == n * 220.0) return t.text;
  }
  return "<no text>";
}

TEST(IppanTest, ResidentialDumpMatchesReviewedExpectation) {
  Bench b;
  FillResidential(b);
  auto ctx = b.ctx();
  Ippan(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump("ippan_residential.dump", b.out.Dump()), "");
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.CurrentX, 0);
}

TEST(IppanTest, RoadDumpMatchesReviewedExpectation) {
  Bench b;
  FillResidential(b);
  b.sel.standard = Standard::kRoad;
  b.sel.friction = FrictionMode::kTanPhi;
  b.sel.cohesion = CohesionOption::kConsidered;
  b.inputs.conditions.site = "";
  b.inputs.conditions.fc = "24";
  b.inputs.conditions.fe = "200";
  b.inputs.conditions.cohesion = "12.5";
  b.inputs.conditions.phi_b = "32.5";
  b.inputs.conditions.mu = "0.637";
  b.inputs.conditions.base_soil = "粘性土";
  auto ctx = b.ctx();
  Ippan(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump("ippan_road.dump", b.out.Dump()), "");
}

// The boxes are read as the collection step reads them (blanks and
// trailing letters ignored, C taken as 0 under しない), and page 1 prints
// them without touching the design case.
TEST(IppanTest, PrintsTheWindowByTheCollectionRules) {
  Bench typed;
  FillResidential(typed);
  typed.inputs.conditions.fe = "1 50kN";
  typed.inputs.conditions.cohesion = "15";
  typed.dc.Cond[cond::kBackCohesion] = 7;
  Bench clean;
  FillResidential(clean);
  clean.inputs.conditions.fe = "150";
  auto typed_ctx = typed.ctx();
  Ippan(typed_ctx);
  auto clean_ctx = clean.ctx();
  Ippan(clean_ctx);
  EXPECT_EQ(typed.out.Dump(), clean.out.Dump());
  EXPECT_EQ(LineAt(typed.out, 38), "             　 ・土の粘着力･･･････････････････････ C=0 kN/m2");

  // The short-term bearing: twice fe on residential land, 1.5 times on roads.
  auto short_term = [](Standard standard, const char* fe) {
    Bench b;
    FillResidential(b);
    b.sel.standard = standard;
    b.inputs.conditions.fe = fe;
    auto ctx = b.ctx();
    Ippan(ctx);
    for (const RecordedText& t : b.out.Texts()) {
      const std::size_t p = t.text.find("（長期）､");
      if (p != std::string::npos) return t.text.substr(p);
    }
    return std::string();
  };
  EXPECT_EQ(short_term(Standard::kResidential, "150"), "（長期）､ 300 kN/m2（短期）");
  EXPECT_EQ(short_term(Standard::kRoad, "200"), "（長期）､ 300 kN/m2（短期）");
}

TEST(IppanTest, NumberFormsOfTheLines) {
  struct Case {
    const char* cohesion_text;
    const char* cohesion_line;
  };
  const Case cases[] = {
      {"0", "C=0 kN/m2"},
      {"12.5", "C=12.5 kN/m2"},
      {"10", "C=10.0 kN/m2"},
  };
  for (const Case& c : cases) {
    Bench b;
    FillResidential(b);
    b.sel.cohesion = CohesionOption::kConsidered;
    b.inputs.conditions.cohesion = c.cohesion_text;
    auto ctx = b.ctx();
    Ippan(ctx);
    EXPECT_EQ(
        LineAt(b.out, 38),
        std::string("             　 ・土の粘着力･･･････････････････････ ") + c.cohesion_line);
  }

  struct MuCase {
    FrictionMode mode;
    const char* phi_b;
    const char* mu;
    const char* line_end;
  };
  const MuCase mu_cases[] = {
      {FrictionMode::kTanPhi, "30", "0.577", "μ=tan30.0°=0.577"},
      {FrictionMode::kTanPhi, "32.5", "0.637", "μ=tan32.5°=0.637"},
      {FrictionMode::kTanPhi, "30", "0.5", "μ=tan30.0°=0.50"},
      {FrictionMode::kDirect, "30", "0.6", "μ=0.6"},
      // A μ from an older file, neither option selected: the entered form.
      {FrictionMode::kNone, "30", "0.45", "μ=0.45"},
  };
  for (const MuCase& c : mu_cases) {
    Bench b;
    FillResidential(b);
    b.sel.friction = c.mode;
    b.inputs.conditions.phi_b = c.phi_b;
    b.inputs.conditions.mu = c.mu;
    auto ctx = b.ctx();
    Ippan(ctx);
    EXPECT_EQ(LineAt(b.out, 42),
              std::string("             　 ・底面の摩擦係数･･･････････････････") + c.line_end);
  }
}

TEST(IppanTest, EmptySiteStillPrintsTheLiteral) {
  Bench b;
  FillResidential(b);
  b.inputs.conditions.site = "";
  auto ctx = b.ctx();
  Ippan(ctx);
  EXPECT_EQ(LineAt(b.out, 10), "              ・築造地 ： ");
}

}  // namespace
}  // namespace varnholt::report
