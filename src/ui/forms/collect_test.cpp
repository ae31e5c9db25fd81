#include "ui/forms/collect.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/forms/numeric_boxes.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

class CollectTest : public ::testing::Test {
 protected:
  void SetUp() override { FillLevelDesign(t.app); }
  TestApp t;
};

TEST_F(CollectTest, CollectsTheLevelDesign) {
  Suti(t.app);
  const DesignCase& dc = t.dc();
  EXPECT_EQ(dc.SiteName, "横浜市");
  EXPECT_EQ(dc.SectionNo, "2");
  EXPECT_EQ(dc.WallMark, "W-1");
  EXPECT_EQ(dc.Cond[cond::kFc], 18);
  EXPECT_EQ(dc.Cond[cond::kFe], 200);
  EXPECT_EQ(dc.Cond[cond::kFeShort], 400);
  EXPECT_EQ(dc.Cond[cond::kGamma], 18);
  EXPECT_EQ(dc.Cond[cond::kGammaC], 23);
  EXPECT_EQ(dc.Cond[cond::kPhi], 30);
  EXPECT_EQ(dc.Cond[cond::kDelta], 20);
  EXPECT_EQ(dc.Cond[cond::kPhiB], 30);
  EXPECT_EQ(dc.Cond[cond::kMu], 0.5);
  EXPECT_EQ(dc.Cond[cond::kKA], 0.297);
  EXPECT_EQ(dc.Calc[calc::kHeightH], 4);
  EXPECT_EQ(dc.Calc[calc::kEmbedment], 1);
  EXPECT_EQ(dc.Calc[calc::kH], 5);
  EXPECT_EQ(dc.Calc[calc::kCrestAbove], 0.5);
  EXPECT_EQ(dc.Calc[calc::kCrestWidth], 2);
  EXPECT_EQ(dc.Calc[calc::kBaseWidth], 4);
  EXPECT_EQ(dc.Calc[calc::kFrontProj], 1);
  EXPECT_EQ(dc.Calc[calc::kSurcharge], 10);
}

TEST_F(CollectTest, LeadingNumberRuleAppliesToEveryBox) {
  t.Form(kForm3)["txt7"].SetText("12.5m");
  t.Form(kForm3)["txt6"].SetText("1 2");
  t.Form(kForm3)["txt8"].SetText("abc");
  ASSERT_TRUE(CheckMainInputs(t.app));  // letters are not empty
  Suti(t.app);
  EXPECT_EQ(t.dc().Calc[calc::kBaseWidth], 12.5);
  EXPECT_EQ(t.dc().Calc[calc::kCrestWidth], 12);
  EXPECT_EQ(t.dc().Calc[calc::kFrontProj], 0);
}

TEST_F(CollectTest, ShortTermBearingFollowsTheStandard) {
  t.Form(kForm2)["opt_D"].SetValue(true);
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kFeShort], 300);
  t.Form(kForm2)["opt_T"].SetValue(true);
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kFeShort], 400);
  // Neither standard: the slot keeps its value.
  t.Form(kForm2)["opt_T"].SetValue(false);
  t.Form(kForm2)["txt3"].SetText("100");
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kFe], 100);
  EXPECT_EQ(t.dc().Cond[cond::kFeShort], 400);
}

TEST_F(CollectTest, RaisedSoilLeavesTheCoefficientAndReadsForm16) {
  Suti(t.app);
  ASSERT_EQ(t.dc().Cond[cond::kKA], 0.297);
  t.Form(kForm2)["opt3"].SetValue(true);
  ui::Window& f16 = t.Form(kForm16);
  f16["txt7"].SetText("3.5");
  f16["txt11"].SetText("1.5");
  f16["txt10"].SetText("30");
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kKA], 0.297);
  EXPECT_EQ(t.dc().Calc[calc::kBaseWidth], 3.5);
  EXPECT_EQ(t.dc().Calc[calc::kH0], 1.5);
  EXPECT_EQ(t.dc().Cond[cond::kBeta], 30);
}

TEST_F(CollectTest, FenceValuesAreKeptWithoutAFenceAndFormedWithOne) {
  t.dc().FenceH = 7;
  t.dc().FenceP = 3;
  Suti(t.app);
  EXPECT_EQ(t.dc().FenceH, 7);
  EXPECT_EQ(t.dc().FenceP, 3);

  t.Form(kForm2)["opt11"].SetValue(true);
  ui::Window& f17 = t.Form(kForm17);
  f17["txt1"].SetText("1.2");
  f17["txt3"].SetText("1.0");
  f17["opt2"].SetValue(true);
  Suti(t.app);
  EXPECT_DOUBLE_EQ(t.dc().FenceP, 1.2);  // w = 1.0 over a 1.2 m fence
  f17["opt3"].SetValue(true);
  f17["txt3"].SetText("5");
  Suti(t.app);
  EXPECT_EQ(t.dc().FenceP, 5);
}

TEST_F(CollectTest, ShearKeyInputsComeFromTheDialogOfTheStandard) {
  ui::Window& f3 = t.Form(kForm3);
  f3["opt6"].SetValue(true);
  t.Form(kForm15)["txt1"].SetText("0.4");
  t.Form(kForm15)["txt2"].SetText("1.8");
  t.Form(kForm15)["txt3"].SetText("0.5");
  t.Form(kForm19)["txt1"].SetText("0.6");
  Suti(t.app);
  EXPECT_EQ(t.dc().Calc[calc::kKeyHeight], 0.4);
  EXPECT_EQ(t.dc().Calc[calc::kKeyPosition], 1.8);
  EXPECT_EQ(t.dc().Calc[calc::kKeyWidth], 0.5);
  t.Form(kForm2)["opt_D"].SetValue(true);
  Suti(t.app);
  EXPECT_EQ(t.dc().Calc[calc::kKeyHeight], 0.6);
}

// C is 0 while cohesion is not considered, whatever the box still holds,
// both in the collection and in what the checks read beforehand.
TEST_F(CollectTest, CohesionIsZeroWhileNotConsidered) {
  struct Case {
    const char* option;
    const char* text;
    double c;
  };
  const Case cases[] = {
      {"opt7", "15", 0}, {"opt6", "15", 15}, {"opt6", "0", 0}, {"opt7", "abc", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.option) + " " + c.text);
    ui::Window& f2 = t.Form(kForm2);
    f2[c.option].SetValue(true);
    f2["txt8"].SetText(c.text);
    t.dc().Cond[cond::kCohesion] = -1;
    ASSERT_TRUE(CheckMainInputs(t.app));
    EXPECT_EQ(t.dc().Cond[cond::kCohesion], c.c);
    t.dc().Cond[cond::kCohesion] = -1;
    Suti(t.app);
    EXPECT_EQ(t.dc().Cond[cond::kCohesion], c.c);
  }
}

TEST_F(CollectTest, SelectionsFollowTheOptions) {
  Selections s = ReadSelections(t.app);
  EXPECT_EQ(s.standard, Standard::kResidential);
  EXPECT_EQ(s.shape, GroundShape::kLevel);
  EXPECT_EQ(s.load_case, LoadCase::kNormal);
  EXPECT_EQ(s.coefficient, CoefficientMode::kComputed);
  EXPECT_EQ(s.fence, FenceOption::kWithout);
  EXPECT_EQ(s.normal_checks.overturn, NormalOverturn::kNone);
  EXPECT_EQ(s.seismic_method, SeismicMethod::kNone);

  t.Form(kForm2)["opt_D"].SetValue(true);
  t.Form(kForm2)["opt3"].SetValue(true);
  t.Form(kForm2)["opt5"].SetValue(true);
  t.Form(kForm16)["opt1"].SetValue(true);
  t.Form(kForm16)["opt6"].SetValue(true);
  t.Form(kForm20)["opt_D1"].SetValue(true);
  t.Form(kForm14)["opt10"].SetValue(true);
  t.Form(kForm14)["opt6"].SetValue(true);
  t.Form(kForm14)["opt8"].SetValue(true);
  t.Form(kForm12)["opt6"].SetValue(true);
  s = ReadSelections(t.app);
  EXPECT_EQ(s.standard, Standard::kRoad);
  EXPECT_EQ(s.shape, GroundShape::kRaisedSoil);
  EXPECT_EQ(s.load_case, LoadCase::kSeismic);
  EXPECT_EQ(s.slope_surcharge, SlopeSurcharge::kWith);
  EXPECT_EQ(s.shear_key, ShearKeyOption::kWith);
  EXPECT_EQ(s.seismic_method, SeismicMethod::kD1);
  EXPECT_EQ(s.seismic_checks.overturn, SeismicOverturn::kF12AndE3);
  EXPECT_EQ(s.seismic_checks.sliding, SeismicSliding::kF12);
  EXPECT_EQ(s.seismic_checks.deduction, Deduction::kNoDeduct);
  EXPECT_EQ(s.normal_checks.overturn, NormalOverturn::kF15AndE);

  t.Form(kForm2)["opt5"].SetValue(false);
  EXPECT_EQ(ReadSelections(t.app).load_case, LoadCase::kNone);
}

// ------------------------------------------------------------ completeness

struct EmptyBoxCase {
  const char* form;
  const char* box;
  const char* message;
};

class MainCheckRowTest : public ::testing::TestWithParam<EmptyBoxCase> {};

TEST_P(MainCheckRowTest, FirstEmptyBoxIsReportedAndFocused) {
  const EmptyBoxCase& c = GetParam();
  TestApp t;
  FillLevelDesign(t.app);
  ui::Control& box = t.Form(c.form)[c.box];
  box.SetText("");
  const DesignCase before = t.dc();
  EXPECT_FALSE(CheckMainInputs(t.app));
  auto messages = t.platform.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, c.message);
  EXPECT_EQ(messages[0].title, "エラーメッセージ");
  EXPECT_EQ(messages[0].buttons, ui::MsgButtons::kOk);
  EXPECT_EQ(t.app.windows().Focused(), &box);
  EXPECT_EQ(box.SelStart(), 0);
  EXPECT_EQ(box.SelLength(), 0);
  // Nothing but the pre-read values changed.
  EXPECT_EQ(t.dc().Calc, before.Calc);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainCheckRowTest,
    ::testing::Values(
        EmptyBoxCase{"Form2", "txt1", "築造地を入力してください。"},
        EmptyBoxCase{"Form2", "txt2", "コンクリートの設計基準強度を入力してください。"},
        EmptyBoxCase{"Form2", "txt3", "地盤の許容応力度を入力してください。"},
        EmptyBoxCase{"Form2", "txt4", "土の単位体積重量を入力してください。"},
        EmptyBoxCase{"Form2", "txt5", "コンクリートの単位体積重量を入力してください。"},
        EmptyBoxCase{"Form2", "cbo1", "土質を選択又は入力してください。"},
        EmptyBoxCase{"Form2", "txt6", "内部摩擦角度を入力してください。"},
        EmptyBoxCase{"Form2", "txt7", "壁背面と土との間の壁面摩擦角度を入力してください。"},
        EmptyBoxCase{"Form2", "cbo2", "土質を選択又は入力してください。"},
        EmptyBoxCase{"Form2", "txt8", "土の粘着力を入力してください。"},
        EmptyBoxCase{"Form2", "txt9", "内部摩擦角度を入力してください。"},
        EmptyBoxCase{"Form2", "txt10", "底盤の摩擦係数を入力してください。"},
        EmptyBoxCase{"Form3", "txt1", "§番号を入力してください。"},
        EmptyBoxCase{"Form3", "txt2", "擁壁の記号を入力してください。"},
        EmptyBoxCase{"Form3", "txt3", "寸法を入力してください。"},
        EmptyBoxCase{"Form3", "txt8", "寸法を入力してください。"},
        EmptyBoxCase{"Form3", "txt9", "上載荷重を入力してください。"},
        EmptyBoxCase{"Form3", "txt11", "主働土圧係数を入力してください。"}));

TEST(MainCheck, StopsAtTheFirstOfSeveralEmptyBoxes) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm3)["txt7"].SetText("");
  t.Form(kForm3)["txt4"].SetText("");
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm3)["txt4"]);
  EXPECT_EQ(t.platform.Messages().size(), 1u);
}

TEST(MainCheck, CompleteLevelDesignPasses) {
  TestApp t;
  FillLevelDesign(t.app);
  EXPECT_TRUE(CheckMainInputs(t.app));
  EXPECT_TRUE(t.platform.calls.empty());
}

TEST(MainCheck, UniformSlopeNeedsANonZeroBeta) {
  TestApp t;
  // Choosing the slope empties the coefficient, so choose it first.
  t.Form(kForm2)["opt2"].SetValue(true);
  FillLevelDesign(t.app);
  ui::Control& beta = t.Form(kForm3)["txt10"];
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "地平面と水平面とのなす角度を入力してください。");
  for (const char* zero : {"0", "0.0", " 0 "}) {
    beta.SetText(zero);
    EXPECT_FALSE(CheckMainInputs(t.app)) << zero;
    EXPECT_EQ(t.platform.MessageTexts().back(),
              "地平面と水平面とのなす角度が｢ 0°｣の場合は、地表面水平を選択してください。");
    EXPECT_EQ(t.app.windows().Focused(), &beta);
  }
  beta.SetText("10");
  EXPECT_TRUE(CheckMainInputs(t.app));
  EXPECT_EQ(t.dc().Cond[cond::kBeta], 10);
}

TEST(MainCheck, LevelGroundDoesNotTestBeta) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm3)["txt10"].SetText("0");
  EXPECT_TRUE(CheckMainInputs(t.app));
}

TEST(MainCheck, RaisedSoilRowsSkipTheSectionNumber) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm2)["opt3"].SetValue(true);
  ui::Window& f16 = t.Form(kForm16);
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "擁壁の記号を入力してください。");
  const char* boxes[] = {"txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt10"};
  for (const char* b : boxes) f16[b].SetText("1");
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "法面の高さを入力してください。");
  EXPECT_EQ(t.app.windows().Focused(), &f16["txt11"]);
  f16["txt11"].SetText("2");
  EXPECT_TRUE(CheckMainInputs(t.app));
  EXPECT_EQ(t.dc().Calc[calc::kH0], 2);
}

TEST(MainCheck, FenceWithoutLoadKindOpensTheFenceDialog) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm2)["opt11"].SetValue(true);
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "常時又は短期を選択してください。");
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{"Form17"}));
}

TEST(CoefficientCheck, RowsInOrderWithTheRoadWording) {
  TestApp t;
  EXPECT_FALSE(CheckCoefficientInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "内部摩擦角度を入力してください。");
  t.Form(kForm2)["opt_D"].SetValue(true);
  EXPECT_FALSE(CheckCoefficientInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "せん断抵抗角を入力してください。");
  t.Form(kForm2)["txt6"].SetText("30");
  EXPECT_FALSE(CheckCoefficientInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "壁背面と土との間の壁面摩擦角度を入力してください。");
  FillLevelDesign(t.app);
  t.Form(kForm3)["txt11"].SetText("");  // the coefficient itself is not needed
  t.Form(kForm2)["txt1"].SetText("");   // nor is the site
  EXPECT_TRUE(CheckCoefficientInputs(t.app));
}

TEST(CoefficientCheck, SeismicCaseWithoutMethodOpensTheSeismicDialog) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm2)["opt5"].SetValue(true);
  EXPECT_FALSE(CheckCoefficientInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "地震時水平荷重の計算方法を選択してください。");
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{"Form20"}));
  t.Form(kForm20)["opt_K1"].SetValue(true);
  EXPECT_TRUE(CheckCoefficientInputs(t.app));
}

TEST(CoefficientCheck, SlopeNeedsBeta) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm2)["opt2"].SetValue(true);
  EXPECT_FALSE(CheckCoefficientInputs(t.app));
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm3)["txt10"]);
}

}  // namespace
}  // namespace varnholt::forms

namespace varnholt::forms {
namespace {

// Every text box of every window, typed into with the input method on:
// numbers become half-width, names stay as typed.
TEST(NumericBoxes, NumbersTypedFullWidthBecomeHalfWidth) {
  testing::TestApp t;
  int numeric = 0;
  for (const std::string& name : t.app.windows().RegisteredWindows()) {
    ui::Window& w = t.Form(name);
    for (const auto& c : w.controls()) {
      if (c->kind() != ui::ControlKind::kTextBox) continue;
      SCOPED_TRACE(name + "." + c->name());
      const bool is_numeric = IsNumericBox(*c);
      numeric += is_numeric;
      ui::Control& box = t.Form(name)[c->name()];  // a handler may reload the window
      box.SetEnabled(true);
      box.SetText("");
      box.Type("－１２．５ｅ１");
      EXPECT_EQ(box.Text(), is_numeric ? "-12.5e1" : "－１２．５ｅ１");
    }
  }
  EXPECT_EQ(numeric, 9 + 9 + 9 + 3 + 3 + 5 + 2 + 1);
}

}  // namespace
}  // namespace varnholt::forms
