#include "ui/forms/restore.h"

#include <gtest/gtest.h>

#include "ui/forms/form2.h"
#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"
#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::TestApp;

// A level wall under 宅地造成 as a project file holds it, with a choice in
// every option group that is a fixed point of restoring.
ProjectState LevelProject() {
  ProjectState p;
  DesignInputs& in = p.inputs;
  in.conditions = {"横浜市", "18", "200",    "18", "23", "砂質土",
                   "30",     "20", "砂質土", "5",  "30", "0.5"};
  in.dimensions.section = "2";
  in.dimensions.mark = "W-1";
  in.dimensions.height_h = "4";
  in.dimensions.embedment = "1";
  in.dimensions.crest_above = "0.5";
  in.dimensions.crest_width = "2";
  in.dimensions.base_width = "4";
  in.dimensions.front_projection = "1";
  in.dimensions.surcharge = "10";
  in.dimensions.ka = "0.297";
  in.seismic = {"0.2", "0"};
  in.shear_key = {"0.4", "1.8", "0.5", true};
  Selections& o = in.options;
  o.cohesion = CohesionOption::kConsidered;
  o.friction = FrictionMode::kDirect;
  o.coefficient = CoefficientMode::kEntered;
  o.seismic_method = SeismicMethod::kK2;
  o.normal_checks = {NormalOverturn::kF15AndE, Deduction::kDeduct};
  o.seismic_checks = {SeismicOverturn::kE3, SeismicSliding::kF12, Deduction::kNoDeduct};
  p.shear_key_flag = "0";
  p.results.overturning = {"F =", "7.089", " > 1.5 ∴O.K"};
  p.results.eccentricity = {"e(m)=", "0.116", " < B/6 ∴O.K"};
  return p;
}

class RestoreTest : public ::testing::Test {
 protected:
  void Restore(const ProjectState& p) { RestoreWindows(t.app, p); }
  ConditionsWindow& f2() { return Conditions(t.app); }
  LevelDimensionsWindow& f3() { return LevelDimensions(t.app); }
  TestApp t;
};

TEST_F(RestoreTest, EveryValueComesBackWithoutAnyClickHandler) {
  testing::PretendCalculated(t);
  const ProjectState p = LevelProject();
  Restore(p);
  EXPECT_EQ(ReadProjectState(t.app), p);
  // Handlers would have moved the focus (考慮する, 直接入力, the typed KA)
  // or spoken; a restore does neither.
  EXPECT_EQ(testing::Focused(t), nullptr);
  EXPECT_TRUE(t.platform.Messages().empty());
  // The results of the design open before are gone.
  EXPECT_TRUE(testing::ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
}

TEST_F(RestoreTest, TheStandardSetsTheSoilListsAndClosesTheOtherKeyDialog) {
  ProjectState p = LevelProject();
  ResidentialKey(t.app);
  RoadKey(t.app).height_text->SetText("0.7");
  Restore(p);
  EXPECT_EQ(f2().back_soil_combo->Items(), SoilNames(Standard::kResidential));
  // A road dialog keeps its values under 宅地造成, as New leaves it.
  EXPECT_EQ(RoadKey(t.app).height_text->Text(), "0.7");

  p.inputs.options.standard = Standard::kRoad;
  Restore(p);
  EXPECT_EQ(f2().base_soil_combo->Items(), SoilNames(Standard::kRoad));
  EXPECT_EQ(f2().fc_prompt->Caption(), "コンクリートの設計基準強度：σck=");
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm15));
  // No ΔPA on a road design.
  EXPECT_FALSE(f3().surcharge_pressure_sketch[0]->Visible());
}

TEST_F(RestoreTest, TheDimensionWindowOfTheGroundShape) {
  ProjectState p = LevelProject();
  Restore(p);
  EXPECT_TRUE(f3().direct_button->Enabled());
  EXPECT_FALSE(f3().beta_text->Visible());
  EXPECT_TRUE(f3().surcharge_pressure_sketch[8]->Visible());
  // A typed coefficient sits in the box made ready for typing.
  EXPECT_EQ(f3().ka_text->BorderStyle(), 1);
  const std::size_t level_lines = f3().window.Drawing().size();

  p.inputs.options.shape = GroundShape::kUniformSlope;
  p.inputs.dimensions.beta = "15";
  Restore(p);
  EXPECT_TRUE(f3().beta_text->Visible());
  EXPECT_TRUE(f3().beta_labels[2]->Visible());
  EXPECT_FALSE(f3().direct_button->Enabled());  // a slope needs the computed KA
  EXPECT_NE(f3().window.Drawing().size(), level_lines);

  p.inputs.options.shape = GroundShape::kRaisedSoil;
  p.inputs.dimensions.slope_height = "1";
  p.inputs.options.slope_surcharge = SlopeSurcharge::kWith;
  Restore(p);
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
  RaisedDimensionsWindow& f16 = RaisedDimensions(t.app);
  EXPECT_EQ(f16.slope_height_text->Text(), "1");
  EXPECT_TRUE(f16.slope_surcharge_lines[4]->Visible());
}

TEST_F(RestoreTest, TheShearKeyFlagAndButtonFollowTheKeyOption) {
  ProjectState p = LevelProject();
  p.shear_key_flag = "1";  // stale: the option says none
  p.inputs.options.shear_key = ShearKeyOption::kWithout;
  Restore(p);
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_FALSE(f3().key_button->Visible());

  p.shear_key_flag = "0";
  p.inputs.options.shear_key = ShearKeyOption::kWith;
  Restore(p);
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  EXPECT_TRUE(f3().key_button->Visible());
}

TEST_F(RestoreTest, CohesionConsideredIsTypedAndNotConsideredIsZero) {
  ProjectState p = LevelProject();
  Restore(p);
  EXPECT_EQ(f2().cohesion_text->BorderStyle(), 1);
  EXPECT_EQ(f2().cohesion_text->Text(), "5");

  p.inputs.options.cohesion = CohesionOption::kNotConsidered;
  Restore(p);
  EXPECT_EQ(f2().cohesion_text->Text(), "0");
  EXPECT_EQ(f2().cohesion_text->BorderStyle(), 0);
}

TEST_F(RestoreTest, MuFromTanPhiIsRecomputedAndRefusedAsAClickWould) {
  ProjectState p = LevelProject();
  p.inputs.options.friction = FrictionMode::kTanPhi;
  p.inputs.conditions.mu = "0.9";  // stale
  Restore(p);
  EXPECT_EQ(f2().mu_text->Text(), "0.577");  // tan 30° with π = 3.14159
  EXPECT_TRUE(f2().mu_tan_phi->Value());

  p.inputs.conditions.phi_b = "";
  Restore(p);
  ASSERT_EQ(t.platform.MessageTexts(), std::vector<std::string>{"内部摩擦角を入力してください。"});
  EXPECT_FALSE(f2().mu_tan_phi->Value());

  // 直接入力 restored is the option carried out: a refused tanφ puts it back.
  p.inputs.options.friction = FrictionMode::kDirect;
  Restore(p);
  f2().mu_tan_phi->Click();
  EXPECT_TRUE(f2().mu_direct->Value());
}

TEST_F(RestoreTest, AFenceKeepsTheStoredCaseAndNoFenceLeavesNothingOfOne) {
  ProjectState p = LevelProject();
  t.dc().FenceH = 2;
  t.dc().FenceP = 5;
  Restore(p);
  EXPECT_EQ(t.dc().FenceH, 0);
  EXPECT_EQ(t.dc().FenceP, 0);
  EXPECT_EQ(t.dc().FenceLoadType, "");
  EXPECT_FALSE(f2().fence_button->Visible());

  p.inputs.options.fence = FenceOption::kWith;
  p.inputs.options.load_case = LoadCase::kSeismic;
  p.inputs.options.fence_load = FenceLoadOption::kNormal;
  p.inputs.fence = {"1.2", "0.3", "", "", "0.5"};
  Restore(p);
  EXPECT_TRUE(f2().fence_button->Visible());
  EXPECT_TRUE(f2().case_seismic->Value());  // restored as saved
  EXPECT_FALSE(f2().case_seismic->Enabled());
  EXPECT_FALSE(f2().seismic_button->Enabled());
  EXPECT_EQ(t.dc().FenceLoadType, "0");
  EXPECT_FALSE(Fence(t.app).load_text->Visible());
}

TEST_F(RestoreTest, TheFenceDialogShowsItsLoadKind) {
  ProjectState p = LevelProject();
  p.inputs.options.fence = FenceOption::kWith;
  struct Case {
    FenceLoadOption kind;
    const char* type;
    bool load_box, height_box;
    const char* symbol;
  };
  const Case cases[] = {
      {FenceLoadOption::kNone, "", false, false, ""},
      {FenceLoadOption::kDistributed, "1", true, false, "w="},
      {FenceLoadOption::kConcentrated, "2", true, true, "P="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    p.inputs.options.fence_load = c.kind;
    p.inputs.fence = {"1.2", "0.3", "2", "1", "0.5"};
    Restore(p);
    FenceDialog& f17 = Fence(t.app);
    EXPECT_EQ(t.dc().FenceLoadType, c.type);
    EXPECT_EQ(f17.load_text->Visible(), c.load_box);
    EXPECT_EQ(f17.load_height_text->Visible(), c.height_box);
    EXPECT_EQ(f17.load_symbol->Caption(), c.symbol);
    EXPECT_EQ(f17.load_text->Text(), "2");
    EXPECT_EQ(f17.distributed_sketch[0]->Visible(), c.kind == FenceLoadOption::kDistributed);
  }
}

}  // namespace
}  // namespace varnholt::forms
