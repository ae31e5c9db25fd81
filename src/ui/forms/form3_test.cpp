// Scenario tests of the dimension window for level ground and a uniform
// slope: the earth pressure coefficient computed or typed, its
// invalidation by the inputs it depends on, the 突起 options and the Enter
// chain.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::AllSelected;
using testing::FillLevelDesign;
using testing::Focused;
using testing::PretendCalculated;
using testing::ResultsHidden;
using testing::TestApp;

class Form3Test : public ::testing::Test {
 protected:
  void SetUp() override { FillLevelDesign(t.app); }
  ui::Window& f2() { return t.Form(kForm2); }
  ui::Window& f3() { return t.Form(kForm3); }
  TestApp t;
};

// ------------------------------------------------------------ 計算する

struct CoefficientCase {
  const char* name;
  bool slope;
  bool seismic;
  const char* method;  // Form20 option, seismic only
  const char* phi;
  const char* delta;
  const char* crest_width;  // 3 makes the back face vertical (B = b + f)
  const char* beta;
  const char* shown;
};

// Expected texts from the Coulomb and Mononobe–Okabe forms evaluated
// independently with π = 3.14159 (θ = arctan(1/5.5) = 10.305° for the
// sloping back face of the test wall, 0 for the vertical one), then
// rounded to "0.00#".
const CoefficientCase kCoefficientCases[] = {
    {"vertical back, 30/20", false, false, nullptr, "30", "20", "3", "", "0.297"},
    {"leaning back, 30/20", false, false, nullptr, "30", "20", "2", "", "0.38"},
    {"slope 15°, 30/20", true, false, nullptr, "30", "20", "2", "15", "0.484"},
    {"seismic ①, vertical, 30/15", false, true, "opt_K1", "30", "15", "3", "", "0.452"},
    {"seismic ①, leaning, 30/15", false, true, "opt_K1", "30", "15", "2", "", "0.545"},
    {"seismic ②, vertical, 30/20", false, true, "opt_K2", "30", "20", "3", "", "0.297"},
};

TEST_F(Form3Test, ComputeCommandShowsTheCoefficientReadBackByTheCollection) {
  for (const CoefficientCase& c : kCoefficientCases) {
    SCOPED_TRACE(c.name);
    TestApp u;
    FillLevelDesign(u.app);
    ui::Window& w2 = u.Form(kForm2);
    if (c.slope) w2["opt2"].Click();
    if (c.seismic) {
      w2["cmd2"].Click();
      u.Form(kForm20)[c.method].SetValue(true);
      u.dc().Cond[cond::kKh] = 0.2;
      u.dc().Cond[cond::kKv] = 0;
    }
    w2["txt6"].SetText(c.phi);
    w2["txt7"].SetText(c.delta);
    ui::Window& w3 = u.Form(kForm3);
    w3["txt6"].SetText(c.crest_width);
    w3["txt10"].SetText(c.beta);
    w3["txt11"].SetText("");
    testing::PretendCalculated(u);

    w3["cmd2"].Click();
    EXPECT_TRUE(u.platform.calls.empty());
    EXPECT_EQ(w3["txt11"].Text(), c.shown);
    EXPECT_EQ(w3["txt11"].BorderStyle(), 0);
    EXPECT_TRUE(w3["opt2"].Value());
    EXPECT_EQ(u.app.windows().Focused(), &u.Form(kForm11)["cmd2"]);
    EXPECT_TRUE(testing::ResultsHidden(u));
    Suti(u.app);
    EXPECT_EQ(u.dc().Cond[cond::kKA], std::stod(c.shown));
  }
}

// The whole road of a seismic coefficient through the windows: 地震時, the
// seismic dialog with method ① and Kh, then "計算する".
TEST_F(Form3Test, SeismicCoefficientThroughTheSeismicDialog) {
  f2()["txt7"].SetText("15");
  f3()["txt6"].SetText("3");  // vertical back face
  f2()["cmd2"].Click();
  t.platform.modal_actions.push_back([](ui::Window& d) {
    d["opt_K1"].Click();
    d["txt1"].Click();
    d["txt1"].Type("0.2");
    d["txt2"].Click();
    d["txt2"].Type("0");
    d["cmd1"].Click();
  });
  f2()["cmd4"].Click();
  ASSERT_EQ(t.dc().Cond[cond::kKh], 0.2);
  f3()["cmd2"].Click();
  EXPECT_TRUE(t.platform.MessageTexts().empty());
  EXPECT_EQ(f3()["txt11"].Text(), "0.452");

  // Back to 常時: the seismic coefficient is gone and KA is computed again.
  f2()["cmd1"].Click();
  EXPECT_EQ(f3()["txt11"].Text(), "");
  f3()["txt11"].Click();  // direct input is available again on level ground
  EXPECT_TRUE(f3()["opt1"].Value());
  f3()["cmd2"].Click();
  EXPECT_EQ(f3()["txt11"].Text(), "0.301");
}

TEST_F(Form3Test, ComputeCommandStopsAtTheFirstMissingInput) {
  struct Case {
    const char* form;
    const char* box;
    const char* message;
  };
  const Case cases[] = {
      {"Form2", "txt6", "内部摩擦角度を入力してください。"},
      {"Form2", "txt7", "壁背面と土との間の壁面摩擦角度を入力してください。"},
      {"Form3", "txt3", "寸法を入力してください。"},
      {"Form3", "txt8", "寸法を入力してください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + "." + c.box);
    TestApp u;
    FillLevelDesign(u.app);
    ui::Window& w3 = u.Form(kForm3);
    w3["cmd1"].Click();  // a typed coefficient
    w3["txt11"].Type("0.35");
    ui::Control& box = u.Form(c.form)[c.box];
    box.SetText("");
    u.platform.Clear();
    w3["cmd2"].Click();
    ASSERT_EQ(u.platform.MessageTexts(), (std::vector<std::string>{c.message}));
    EXPECT_EQ(u.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(u.app.windows().Focused(), &box);
    EXPECT_EQ(box.SelStart(), 0);
    // Nothing was chosen or computed.
    EXPECT_EQ(w3["txt11"].Text(), "0.35");
    EXPECT_TRUE(w3["opt1"].Value());
  }
}

TEST_F(Form3Test, SlopeNeedsBetaBeforeComputing) {
  f2()["opt2"].Click();
  f3()["cmd2"].Click();
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"地平面と水平面とのなす角度を入力してください。"}));
  EXPECT_EQ(Focused(t), &f3()["txt10"]);
  EXPECT_EQ(f3()["txt11"].Text(), "");
}

TEST_F(Form3Test, ComputedOptionSetByTheProgramChecksButDoesNotCompute) {
  f3()["txt11"].SetText("0.35");
  f3()["txt5"].SetText("");
  f3()["opt2"].SetValue(true);
  EXPECT_EQ(t.platform.MessageTexts(), (std::vector<std::string>{"寸法を入力してください。"}));
  EXPECT_EQ(Focused(t), &f3()["txt5"]);
  EXPECT_EQ(f3()["txt11"].Text(), "0.35");

  f3()["txt5"].SetText("0.5");
  f2()["txt6"].SetText("");
  f2()["opt_D"].Click();
  t.platform.Clear();
  f3()["opt2"].SetValue(true);
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"内部摩擦角度を入力してください。"}));
  EXPECT_EQ(Focused(t), &f2()["txt6"]);

  f2()["txt6"].SetText("30");
  t.platform.Clear();
  f3()["opt2"].SetValue(true);
  EXPECT_TRUE(t.platform.calls.empty());
  EXPECT_EQ(f3()["txt11"].Text(), "0.35");
}

// A click on the mark of "computed" is a click on "計算する": a typed
// coefficient must not stay in the box under "computed".
TEST_F(Form3Test, ClickOnTheComputedMarkComputesLikeTheCommand) {
  f3()["cmd1"].Click();
  f3()["txt11"].SetText("0.35");
  ASSERT_TRUE(f3()["opt1"].Value());
  t.platform.Clear();
  f3()["txt7"].SetText("3");  // vertical back face, φ 30, δ 20
  f3()["opt2"].Click();
  EXPECT_TRUE(t.platform.calls.empty());
  EXPECT_TRUE(f3()["opt2"].Value());
  EXPECT_EQ(f3()["txt11"].Text(), "0.297");
  EXPECT_EQ(f3()["txt11"].BorderStyle(), 0);

  // Its checks are those of the command, with the road wording.
  f2()["opt_D"].Click();
  f2()["txt6"].SetText("");
  f3()["opt1"].SetValue(true);
  t.platform.Clear();
  f3()["opt2"].Click();
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"せん断抵抗角を入力してください。"}));
  EXPECT_TRUE(f3()["opt1"].Value());
}

TEST_F(Form3Test, CoefficientThatCannotBeComputedIsReportedAndLeavesNoValue) {
  f2()["cmd2"].Click();
  t.Form(kForm20)["opt_K1"].SetValue(true);
  t.dc().Cond[cond::kKh] = 0.2;
  t.dc().Cond[cond::kKv] = 1;  // θk = arctan(Kh / 0)
  f3()["txt11"].SetText("0.452");
  ui::Control& compute = f3()["cmd2"];
  t.app.windows().SetFocus(compute);
  t.platform.Clear();
  compute.Click();
  const auto messages = t.platform.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "エラーメッセージ");
  EXPECT_NE(messages[0].text.find("計算できません"), std::string::npos) << messages[0].text;
  EXPECT_EQ(f3()["txt11"].Text(), "");
  EXPECT_EQ(Focused(t), &compute);
}

// A dimension too large to be a number is refused by name; letters and
// full-width digits read as 0 and pass as they do in the collection.
TEST_F(Form3Test, ComputeCommandWithUnreadableDimensions) {
  f3()["txt7"].SetText("1e999");
  f3()["txt11"].SetText("0.38");
  f3()["cmd2"].Click();
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
  EXPECT_NE(t.platform.Messages()[0].text.find("底版幅 B"), std::string::npos);
  EXPECT_EQ(f3()["txt11"].Text(), "");

  // B read as 0 from full-width digits: the back face leans forward,
  // θ = arctan(−3/5.5), and the coefficient is computed as for any wall.
  f3()["txt7"].SetText("４");
  t.platform.Clear();
  f3()["cmd2"].Click();
  EXPECT_TRUE(t.platform.calls.empty());
  EXPECT_EQ(f3()["txt11"].Text(), "0.129");  // θ = −28.610°, KA = 0.12853
}

// ------------------------------------------------------------ 直接入力

TEST_F(Form3Test, DirectInputButtonClickAndOptionPrepareTheBox) {
  for (const char* how : {"cmd1", "txt11", "opt1"}) {
    SCOPED_TRACE(how);
    ui::Control& ka = f3()["txt11"];
    f3()["opt2"].SetValue(true);
    ka.SetText("0.297");
    ka.SetBorderStyle(0);
    t.app.windows().SetFocus(f2()["txt1"]);
    PretendCalculated(t);
    f3()[how].Click();
    EXPECT_EQ(Focused(t), &ka);
    EXPECT_TRUE(AllSelected(ka));
    EXPECT_EQ(ka.BorderStyle(), 1);
    EXPECT_TRUE(f3()["opt1"].Value());
    EXPECT_FALSE(f3()["opt2"].Value());
    EXPECT_TRUE(ResultsHidden(t));
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  }
}

// A coefficient typed after tabbing into the box is a typed coefficient.
TEST_F(Form3Test, TypingACoefficientChoosesDirectInput) {
  f3()["cmd2"].Click();
  ASSERT_EQ(f3()["txt11"].Text(), "0.38");
  ui::Control& ka = f3()["txt11"];
  t.app.windows().SetFocus(ka);
  ka.Type("0.4");
  EXPECT_EQ(ka.Text(), "0.4");
  EXPECT_TRUE(f3()["opt1"].Value());
  EXPECT_EQ(ka.BorderStyle(), 1);
  EXPECT_EQ(ReadSelections(t.app).coefficient, CoefficientMode::kEntered);
}

// ------------------------------------------------------------ invalidation

TEST_F(Form3Test, DimensionEditsEmptyAComputedCoefficientButKeepATypedOne) {
  f2()["opt2"].Click();
  FillLevelDesign(t.app);
  f3()["txt10"].SetText("15");
  for (const char* box : {"txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt10"}) {
    for (bool by_key : {false, true}) {
      SCOPED_TRACE(std::string(box) + (by_key ? " key" : " click"));
      f3()["opt2"].SetValue(true);
      f3()["txt11"].SetText("0.484");
      PretendCalculated(t);
      if (by_key) {
        f3()[box].TypeKey('5');
      } else {
        f3()[box].Click();
      }
      EXPECT_EQ(f3()["txt11"].Text(), "");
      EXPECT_FALSE(f3()["opt2"].Value());
      EXPECT_TRUE(ResultsHidden(t));

      f3()["opt1"].SetValue(true);
      f3()["txt11"].SetText("0.5");
      if (by_key) {
        f3()[box].TypeKey('5');
      } else {
        f3()[box].Click();
      }
      EXPECT_EQ(f3()["txt11"].Text(), "0.5");
      EXPECT_TRUE(f3()["opt1"].Value());
    }
  }
}

TEST_F(Form3Test, EmptiedCoefficientStopsTheMainCalculation) {
  f3()["opt2"].SetValue(true);
  f3()["txt7"].Type("4.5");
  EXPECT_FALSE(CheckMainInputs(t.app));
  EXPECT_EQ(t.platform.MessageTexts().back(), "主働土圧係数を入力してください。");
  EXPECT_EQ(Focused(t), &f3()["txt11"]);
}

// The surcharge enters the computed coefficient's use only on level
// ground.
TEST_F(Form3Test, SurchargeEmptiesTheComputedCoefficientOnlyOnLevelGround) {
  struct Case {
    const char* shape;
    bool emptied;
  };
  for (const Case& c : {Case{"opt1", true}, Case{"opt2", false}}) {
    SCOPED_TRACE(c.shape);
    f2()[c.shape].Click();
    f3()["opt2"].SetValue(true);
    f3()["txt11"].SetText("0.38");
    f3()["txt9"].Click();
    EXPECT_EQ(f3()["txt11"].Text(), "0.38");  // a click does not
    PretendCalculated(t);
    f3()["txt9"].Type("12");
    EXPECT_EQ(f3()["txt11"].Text(), c.emptied ? "" : "0.38");
    EXPECT_EQ(f3()["opt2"].Value(), !c.emptied);
    EXPECT_TRUE(ResultsHidden(t));
  }
}

TEST_F(Form3Test, TitleBoxesLeaveResultsAndCoefficientAlone) {
  f3()["opt2"].SetValue(true);
  f3()["txt11"].SetText("0.38");
  for (const char* box : {"txt1", "txt2"}) {
    PretendCalculated(t);
    f3()[box].Click();
    f3()[box].Type("A");
    EXPECT_FALSE(ResultsHidden(t)) << box;
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], testing::kPretendFs);
  }
  EXPECT_EQ(f3()["txt11"].Text(), "0.38");
  PretendCalculated(t);
  f3()["txt11"].TypeKey(ui::kKeyEnter);
  EXPECT_TRUE(ResultsHidden(t));
}

// ------------------------------------------------------------ Enter

TEST_F(Form3Test, EnterMovesAlongTheChain) {
  struct Case {
    const char* shape;
    const char* from;
    const char* to_form;
    const char* to;
  };
  const Case chain[] = {
      // As drawn: §, mark, f, b, q, crest height, (β), h, embedment, B.
      {"opt1", "txt1", "Form3", "txt2"},  {"opt1", "txt2", "Form3", "txt8"},
      {"opt1", "txt8", "Form3", "txt6"},  {"opt1", "txt6", "Form3", "txt9"},
      {"opt1", "txt9", "Form3", "txt5"},  {"opt1", "txt5", "Form3", "txt3"},
      {"opt2", "txt5", "Form3", "txt10"}, {"opt2", "txt10", "Form3", "txt3"},
      {"opt1", "txt3", "Form3", "txt4"},  {"opt1", "txt4", "Form3", "txt7"},
      {"opt1", "txt7", "Form3", "opt1"},  {"opt1", "txt11", "Form11", "cmd2"},
  };
  for (const Case& c : chain) {
    SCOPED_TRACE(std::string(c.shape) + " " + c.from);
    f2()[c.shape].Click();
    FillLevelDesign(t.app);
    f3()["txt10"].SetText("15");
    const std::string before = f3()[c.from].Text();
    f3()[c.from].Click();
    f3()[c.from].TypeKey(ui::kKeyEnter);
    ui::Control& target = t.Form(c.to_form)[c.to];
    EXPECT_EQ(Focused(t), &target);
    EXPECT_EQ(f3()[c.from].Text(), before);
    if (target.kind() == ui::ControlKind::kTextBox) {
      EXPECT_TRUE(AllSelected(target));
    }
  }
}

TEST_F(Form3Test, EnterGoesToComputeWhenDirectInputIsUnavailable) {
  f3()["opt1"].SetEnabled(false);  // as the seismic method ① leaves it
  f3()["txt7"].Click();
  f3()["txt7"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(Focused(t), &f3()["cmd2"]);
}

TEST_F(Form3Test, DoubleClickSelectsFromTheEleventhCharacter) {
  ui::Control& mark = f3()["txt2"];
  mark.SetText("W-1 (north side)");
  mark.DblClick();
  EXPECT_EQ(mark.SelStart(), 10);
  EXPECT_EQ(mark.SelLength(), 6);
}

// ------------------------------------------------------------ 突起

TEST_F(Form3Test, CancellingTheShearKeyDialogSelectsNoKey) {
  f3()["opt6"].Click();
  ASSERT_TRUE(f3()["cmd3"].Visible());
  t.platform.modal_actions.push_back([](ui::Window& d) { d["cmd2"].Click(); });
  f3()["cmd3"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{"Form15"}));
  EXPECT_TRUE(f3()["opt5"].Value());
  EXPECT_FALSE(f3()["cmd3"].Visible());
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
}

TEST_F(Form3Test, ShearKeyOptionsSetTheFlagAndTheButtonWithoutClearingFs) {
  t.Form(kForm15)["txt1"].SetText("0.4");
  t.Form(kForm19)["txt1"].SetText("0.6");
  PretendCalculated(t);
  f3()["opt6"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  EXPECT_TRUE(f3()["cmd3"].Visible());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], testing::kPretendFs);

  PretendCalculated(t);
  f3()["opt5"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_FALSE(f3()["cmd3"].Visible());
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm15));
  EXPECT_TRUE(t.app.windows().IsLoaded(kForm19));
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], testing::kPretendFs);
}

}  // namespace
}  // namespace varnholt::forms
