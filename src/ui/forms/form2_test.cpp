// Scenario tests of the design conditions window, acting as a user does:
// clicking options and buttons, typing into boxes, pressing Enter.

#include "ui/forms/form2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/collect.h"
#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::AllSelected;
using testing::FillLevelDesign;
using testing::Focused;
using testing::PretendCalculated;
using testing::ResultsHidden;
using testing::TestApp;

const std::vector<std::string> kResidentialList = {"岩",   "砂利",       "砂質土",  "シルト",
                                                   "粘土", "関東ローム", "改良地盤"};
const std::vector<std::string> kRoadList = {"岩盤",   "礫質土",     "砂質土",
                                            "粘性土", "関東ローム", "改良地盤"};

class Form2Test : public ::testing::Test {
 protected:
  ui::Window& f2() { return t.Form(kForm2); }
  ui::Window& f3() { return t.Form(kForm3); }
  TestApp t;
};

// ------------------------------------------------------------ standard

struct StandardTexts {
  const char* option;
  std::vector<std::string> soils;
  const char* label3;
  const char* label6;
  const char* phi;
  bool surcharge_sketch;
  const char* closed_dialog;
};

TEST_F(Form2Test, StandardSetsListsLabelsSketchAndClosesTheOtherKeyDialog) {
  const StandardTexts cases[] = {
      {"opt_D", kRoadList, "コンクリートの設計基準強度：σck=", "地盤の許容支持力度（長期）：qa=",
       "せん断抵抗角：φ=", false, kForm15},
      {"opt_T", kResidentialList, "コンクリートの設計基準強度：Fc=",
       "地盤の許容応力度（長期）：fe=", "内部摩擦角：φ=", true, kForm19},
  };
  EXPECT_EQ(f2()["cbo1"].Items(), kResidentialList);  // at load
  for (const StandardTexts& c : cases) {
    SCOPED_TRACE(c.option);
    t.Form(c.closed_dialog)["txt1"].SetText("0.4");
    f2()["cbo1"].SetText("砂質土");
    PretendCalculated(t);
    f2()[c.option].Click();
    EXPECT_EQ(f2()["cbo1"].Items(), c.soils);
    EXPECT_EQ(f2()["cbo2"].Items(), c.soils);
    EXPECT_EQ(f2()["cbo1"].Text(), "砂質土");  // the chosen soil stays
    EXPECT_EQ(f2()["Label3"].Caption(), c.label3);
    EXPECT_EQ(f2()["Label6"].Caption(), c.label6);
    EXPECT_EQ(f2()["Label12"].Caption(), c.phi);
    EXPECT_EQ(f2()["Label46"].Caption(), c.phi);
    for (const char* name : {"Line33", "Line37", "Line38", "Line39", "Line46", "Line48", "lbl_dPA",
                             "lbl_dPA_delta", "lbl_dPA_H2"}) {
      EXPECT_EQ(f3()[name].Visible(), c.surcharge_sketch) << name;
    }
    EXPECT_FALSE(t.app.windows().IsLoaded(c.closed_dialog));
    EXPECT_TRUE(ResultsHidden(t));
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  }
}

TEST_F(Form2Test, RoadStandardHidesTheSurchargeSketchOfAFreshForm3Too) {
  f2()["opt_D"].Click();
  f2()["opt3"].Click();
  ASSERT_FALSE(t.app.windows().IsLoaded(kForm3));
  f2()["opt_T"].Click();  // nothing to do in Form3 under 嵩上げ土
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
  f2()["opt_D"].Click();
  f2()["opt1"].Click();
  EXPECT_FALSE(f3()["Line33"].Visible());
  EXPECT_FALSE(f3()["lbl_dPA"].Visible());
}

// ------------------------------------------------------------ ground shape

TEST_F(Form2Test, UniformSlopeShowsBetaDisablesDirectInputAndDrawsTheSlope) {
  FillLevelDesign(t.app);
  f3()["txt10"].SetText("15");
  f3()["opt1"].SetValue(true);
  PretendCalculated(t);
  f2()["opt2"].Click();

  EXPECT_TRUE(f3().Shown());
  EXPECT_EQ(f3().Left(), 5460);
  EXPECT_EQ(f3().Top(), 0);
  for (const char* name : {"txt10", "lbl13", "lbl14", "lbl15", "lbl16"}) {
    EXPECT_TRUE(f3()[name].Visible()) << name;
  }
  EXPECT_EQ(f3()["txt10"].Text(), "15");
  EXPECT_EQ(f3()["txt11"].Text(), "");
  EXPECT_FALSE(f3()["opt1"].Value());
  EXPECT_FALSE(f3()["opt2"].Value());
  EXPECT_FALSE(f3()["cmd1"].Enabled());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);

  const auto& drawing = f3().Drawing();
  ASSERT_EQ(drawing.size(), 21u);  // ground, level line, tick, surcharge line, 17 arrows
  EXPECT_EQ(drawing[0].x1, 2970);
  EXPECT_EQ(drawing[0].y1, 1620);
  EXPECT_EQ(drawing[0].x2, 4900);
  EXPECT_EQ(drawing[0].y2, 1120);
  EXPECT_EQ(drawing[0].width, 2);
  const ui::DrawnLine& last = drawing.back();  // i = 16
  EXPECT_EQ(last.x1, 4890);
  EXPECT_EQ(last.y1, 1120);
  EXPECT_EQ(last.y2, 870);
  EXPECT_EQ(last.width, 1);
}

TEST_F(Form2Test, LevelGroundHidesAndEmptiesBetaAndEnablesDirectInput) {
  f2()["opt2"].Click();
  f3()["txt10"].SetText("15");
  f3()["txt11"].SetText("0.48");
  f2()["opt1"].Click();
  for (const char* name : {"txt10", "lbl13", "lbl14", "lbl15", "lbl16"}) {
    EXPECT_FALSE(f3()[name].Visible()) << name;
  }
  EXPECT_EQ(f3()["txt10"].Text(), "");
  EXPECT_EQ(f3()["txt11"].Text(), "");
  EXPECT_TRUE(f3()["cmd1"].Enabled());
  const auto& drawing = f3().Drawing();
  ASSERT_EQ(drawing.size(), 19u);
  EXPECT_EQ(drawing[0].y1, 1620);
  EXPECT_EQ(drawing[0].y2, 1620);
  EXPECT_EQ(drawing[0].width, 2);
  EXPECT_EQ(drawing[18].x1, 2970 + 120 * 16);
  EXPECT_EQ(drawing[18].y2, 1370);
}

TEST_F(Form2Test, RaisedSoilShowsForm16InPlaceOfForm3AndBack) {
  f3()["txt3"].SetText("4");
  f2()["opt3"].Click();
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
  ui::Window& f16 = t.Form(kForm16);
  EXPECT_TRUE(f16.Shown());
  EXPECT_EQ(f16.Left(), 5460);
  EXPECT_EQ(f16.Top(), 0);
  f2()["opt1"].Click();
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm16));
  EXPECT_TRUE(f3().Shown());
  EXPECT_EQ(f3()["txt3"].Text(), "");  // the window came back with its defaults
}

// The 突起 flag always says what the 突起 option of the shown window says.
TEST_F(Form2Test, ShearKeyFlagFollowsTheDimensionWindowShown) {
  f3()["opt6"].Click();
  ASSERT_EQ(t.dc().ShearKeyFlag, "1");
  ASSERT_TRUE(f3()["cmd3"].Visible());

  f2()["opt3"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_FALSE(t.Form(kForm16)["cmd3"].Visible());

  t.Form(kForm16)["opt6"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  f2()["opt2"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_FALSE(f3()["cmd3"].Visible());

  f3()["opt6"].Click();
  f2()["opt1"].Click();  // same window: the key stays
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  EXPECT_TRUE(f3()["cmd3"].Visible());
}

// ------------------------------------------------------------ fence

TEST_F(Form2Test, FenceWithClearsAndDisablesTheSeismicCase) {
  f2()["cmd2"].Click();
  ASSERT_TRUE(f2()["opt5"].Value());
  PretendCalculated(t);
  f2()["opt11"].Click();
  EXPECT_TRUE(f2()["cmd3"].Visible());
  EXPECT_FALSE(f2()["opt5"].Value());
  EXPECT_FALSE(f2()["opt4"].Value());  // no load case selected
  EXPECT_FALSE(f2()["opt5"].Enabled());
  EXPECT_FALSE(f2()["cmd2"].Enabled());
  EXPECT_FALSE(f2()["cmd4"].Enabled());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], testing::kPretendFs);  // Hihyouji_2
}

TEST_F(Form2Test, FenceWithoutForgetsTheFenceAndItsShortTermLoad) {
  f2()["opt2"].SetEnabled(false);
  f2()["opt11"].Click();
  t.Form(kForm17)["txt1"].SetText("1.2");
  DesignCase& dc = t.dc();
  dc.FenceLoadType = "1";
  dc.FenceH = 1.2;
  dc.FenceX = 0.3;
  dc.FenceLoad = 1.0;
  dc.FenceP = 1.2;
  dc.FenceLoadY = 0.8;
  dc.FenceW = 0.5;
  PretendCalculated(t);

  f2()["opt10"].Click();
  EXPECT_FALSE(f2()["cmd3"].Visible());
  EXPECT_TRUE(f2()["cmd2"].Enabled());
  EXPECT_TRUE(f2()["opt2"].Enabled());
  EXPECT_TRUE(f2()["opt5"].Enabled());
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm17));
  EXPECT_EQ(dc.FenceLoadType, "");
  for (double v : {dc.FenceH, dc.FenceX, dc.FenceLoad, dc.FenceP, dc.FenceLoadY, dc.FenceW}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(dc.Calc[calc::kSlidingF], testing::kPretendFs);

  // Also when the fence dialog was never opened in this session (a project
  // whose fence load kind was read from the file).
  f2()["opt11"].Click();
  ASSERT_FALSE(t.app.windows().IsLoaded(kForm17));
  dc.FenceLoadType = "2";
  f2()["opt10"].Click();
  EXPECT_EQ(dc.FenceLoadType, "");
}

// Through the fence dialog: a short-term load forces 常時, a fence without
// horizontal load gives 地震時 back, and removing the fence leaves no
// short-term criteria behind.
TEST_F(Form2Test, FenceDialogChoicesAndRemovingTheFence) {
  auto confirm = [](const char* kind) {
    return [kind](ui::Window& d) {
      d[kind].Click();
      for (const char* box : {"txt1", "txt2", "txt3", "txt4", "txt5"}) {
        if (d[box].Visible()) {
          d[box].Click();
          d[box].Type("1.2");
        }
      }
      d["cmd1"].Click();
    };
  };
  f2()["cmd2"].Click();
  f2()["opt11"].Click();
  t.platform.modal_actions.push_back(confirm("opt2"));
  f2()["cmd3"].Click();
  EXPECT_EQ(t.dc().FenceLoadType, "1");
  EXPECT_TRUE(f2()["opt4"].Value());
  EXPECT_FALSE(f2()["opt5"].Enabled());
  EXPECT_FALSE(f2()["cmd2"].Enabled());

  t.platform.modal_actions.push_back(confirm("opt1"));
  f2()["cmd3"].Click();
  EXPECT_EQ(t.dc().FenceLoadType, "0");
  EXPECT_TRUE(f2()["opt5"].Enabled());
  EXPECT_TRUE(f2()["cmd2"].Enabled());

  t.platform.modal_actions.push_back(confirm("opt3"));
  f2()["cmd3"].Click();
  ASSERT_EQ(t.dc().FenceLoadType, "2");
  f2()["opt10"].Click();
  EXPECT_EQ(t.dc().FenceLoadType, "");
  EXPECT_EQ(t.dc().FenceP, 0);
  EXPECT_TRUE(f2()["opt5"].Enabled());
  EXPECT_TRUE(f2()["cmd2"].Enabled());
}

TEST_F(Form2Test, FenceButtonOpensTheFenceDialogModally) {
  f2()["opt11"].Click();
  f2()["cmd3"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{"Form17"}));
}

// ------------------------------------------------------------ load case

TEST_F(Form2Test, SeismicButtonClearsTheCoefficientAndKeepsTheNormalCaseOptions) {
  FillLevelDesign(t.app);
  f3()["opt2"].SetValue(true);
  ui::Window& f12 = t.Form(kForm12);
  for (const char* o : {"opt1", "opt4"}) f12[o].SetValue(true);
  PretendCalculated(t);

  f2()["cmd2"].Click();
  EXPECT_TRUE(f2()["opt5"].Value());
  EXPECT_FALSE(f2()["opt4"].Value());
  EXPECT_TRUE(f2()["cmd4"].Enabled());
  EXPECT_EQ(f3()["txt11"].Text(), "");
  EXPECT_EQ(f3()["txt11"].BorderStyle(), 0);
  EXPECT_FALSE(f3()["opt1"].Value());
  EXPECT_FALSE(f3()["opt2"].Value());
  EXPECT_TRUE(f12["opt1"].Value());
  EXPECT_TRUE(f12["opt4"].Value());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
}

// The small marks on the case buttons act as the buttons: a click on the
// 地震時 mark does the 地震時 button's work, and does nothing while the
// button is unavailable (a fence with a short-term load).
TEST_F(Form2Test, ClickOnACaseMarkIsAClickOnItsButton) {
  FillLevelDesign(t.app);
  t.Form(kForm12)["opt1"].SetValue(true);
  f2()["opt5"].Click();
  EXPECT_TRUE(f2()["opt5"].Value());
  EXPECT_TRUE(f2()["cmd4"].Enabled());
  f2()["opt4"].Click();
  EXPECT_TRUE(f2()["opt4"].Value());
  EXPECT_FALSE(f2()["cmd4"].Enabled());

  f2()["opt11"].Click();  // fence: 地震時 unavailable
  f2()["opt4"].SetValue(false);
  f2()["opt5"].Click();
  EXPECT_FALSE(f2()["opt5"].Value());
  EXPECT_FALSE(f2()["opt4"].Value());
}

// Each check-method dialog holds the choices of its own case: switching
// back and forth keeps every option of both, the combined criteria included.
TEST_F(Form2Test, CaseButtonsKeepEveryOptionOfBothDialogs) {
  const std::vector<const char*> normal = {"opt6", "opt5"};
  const std::vector<const char*> seismic = {"opt10", "opt6", "opt8"};
  for (const char* o : normal) t.Form(kForm12)[o].SetValue(true);
  for (const char* o : seismic) t.Form(kForm14)[o].SetValue(true);
  for (const char* button : {"cmd2", "cmd1", "cmd2", "cmd1"}) {
    SCOPED_TRACE(button);
    f2()[button].Click();
    for (const char* o : normal) EXPECT_TRUE(t.Form(kForm12)[o].Value()) << o;
    for (const char* o : seismic) EXPECT_TRUE(t.Form(kForm14)[o].Value()) << o;
  }
}

TEST_F(Form2Test, NormalButtonKeepsTheSeismicSettingsForTheNextSeismicCase) {
  FillLevelDesign(t.app);
  f2()["cmd2"].Click();
  ui::Window& f20 = t.Form(kForm20);
  f20["opt_K1"].SetValue(true);
  f20["txt1"].SetText("0.2");
  f20["txt2"].SetText("0.1");
  t.dc().Cond[cond::kKh] = 0.2;
  t.dc().Cond[cond::kKv] = 0.1;
  f3()["cmd1"].SetEnabled(false);  // as the seismic method ① leaves it
  f3()["opt1"].SetEnabled(false);
  f3()["txt11"].SetText("0.545");
  f3()["txt11"].SetBorderStyle(1);
  PretendCalculated(t);

  f2()["cmd1"].Click();
  EXPECT_TRUE(f2()["opt4"].Value());
  EXPECT_FALSE(f2()["cmd4"].Enabled());
  EXPECT_EQ(t.dc().Cond[cond::kKh], 0);
  EXPECT_EQ(t.dc().Cond[cond::kKv], 0);
  EXPECT_TRUE(f20["opt_K1"].Value());
  EXPECT_EQ(f20["txt1"].Text(), "0.2");
  EXPECT_EQ(ReadSelections(t.app).seismic_method, SeismicMethod::kNone);
  EXPECT_EQ(f3()["txt11"].Text(), "");
  EXPECT_EQ(f3()["txt11"].BorderStyle(), 0);
  EXPECT_TRUE(f3()["cmd1"].Enabled());
  EXPECT_TRUE(f3()["opt1"].Enabled());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  // Collecting in the normal case gives Kh = Kv = 0 whatever the dialog holds.
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kKh], 0);
  // The next seismic case takes up the dialog as it stands: its method, Kh
  // and Kv, and no typed coefficient under method ①.
  f2()["cmd2"].Click();
  EXPECT_DOUBLE_EQ(t.dc().Cond[cond::kKh], 0.2);
  EXPECT_DOUBLE_EQ(t.dc().Cond[cond::kKv], 0.1);
  EXPECT_EQ(ReadSelections(t.app).seismic_method, SeismicMethod::kK1);
  EXPECT_FALSE(f3()["cmd1"].Enabled());
  EXPECT_TRUE(CheckCoefficientInputs(t.app));
}

TEST_F(Form2Test, NormalButtonKeepsDirectInputUnavailableOnASlope) {
  f2()["opt2"].Click();
  f2()["cmd1"].Click();
  EXPECT_FALSE(f3()["cmd1"].Enabled());
  EXPECT_TRUE(f3()["opt1"].Enabled());
}

TEST_F(Form2Test, CaseButtonsLeaveForm16Alone) {
  f2()["opt3"].Click();
  f2()["cmd2"].Click();
  f2()["cmd1"].Click();
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
}

TEST_F(Form2Test, SeismicInputButtonPreparesTheDialogForTheStandard) {
  struct Seen {
    bool frame_visible = false;
    std::string label;
  };
  struct Case {
    const char* standard;
    bool frame_visible;
    const char* label;
  };
  const Case cases[] = {{"opt_T", false, "設計水平震度  Kh="},
                        {"opt_D", true, "設計水平震度標準値 Kho="}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.standard);
    f2()[c.standard].Click();
    f2()["cmd2"].Click();
    Seen seen;
    t.platform.modal_actions.push_back([&seen](ui::Window& w) {
      seen.frame_visible = w["frm1"].Visible();
      seen.label = w["Label7"].Caption();
    });
    t.platform.Clear();
    f2()["cmd4"].Click();
    EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{"Form20"}));
    EXPECT_EQ(seen.frame_visible, c.frame_visible);
    EXPECT_EQ(seen.label, c.label);
  }
}

// ------------------------------------------------------------ cohesion

TEST_F(Form2Test, CohesionOptionsSetTheBoxAndItsBorder) {
  ui::Control& c = f2()["txt8"];
  ASSERT_EQ(c.Text(), "0");
  ASSERT_EQ(c.BorderStyle(), 0);
  PretendCalculated(t);
  f2()["opt6"].Click();
  EXPECT_EQ(c.BorderStyle(), 1);
  EXPECT_EQ(Focused(t), &c);
  EXPECT_TRUE(AllSelected(c));
  EXPECT_TRUE(ResultsHidden(t));
  c.Type("15");
  EXPECT_EQ(c.Text(), "15");
  f2()["opt7"].Click();
  EXPECT_EQ(c.BorderStyle(), 0);
  EXPECT_EQ(c.Text(), "0");
}

TEST_F(Form2Test, ClickInCohesionBoxConsidersCohesion) {
  f2()["txt8"].Click();
  EXPECT_TRUE(f2()["opt6"].Value());
  EXPECT_EQ(f2()["txt8"].BorderStyle(), 1);
  EXPECT_TRUE(AllSelected(f2()["txt8"]));
}

// A cohesion typed after tabbing into the box is a cohesion considered,
// and is the one the calculation uses.
TEST_F(Form2Test, TypingInCohesionBoxConsidersCohesion) {
  FillLevelDesign(t.app);
  ui::Control& c = f2()["txt8"];
  t.app.windows().SetFocus(c);  // arrived with Tab
  c.Type("15");
  EXPECT_TRUE(f2()["opt6"].Value());
  EXPECT_EQ(c.Text(), "15");
  EXPECT_EQ(c.BorderStyle(), 1);
  Suti(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kCohesion], 15);
}

TEST_F(Form2Test, EnterInCohesionBoxMovesOnAndDoesNotChooseCohesion) {
  ui::Control& c = f2()["txt8"];
  t.app.windows().SetFocus(c);
  c.SetSelStart(1);
  c.TypeKey(ui::kKeyEnter);
  EXPECT_EQ(Focused(t), &f2()["txt9"]);
  EXPECT_EQ(c.Text(), "0");
  EXPECT_TRUE(f2()["opt7"].Value());
}

// ------------------------------------------------------------ friction

TEST_F(Form2Test, TanPhiComputesMuFromPhiB) {
  struct Case {
    const char* phi_b;
    const char* mu;
  };
  // tan(φB·3.14159/180), shown with "0.00#".
  // Letters and full-width digits read as 0 by the leading-number rule; a
  // negative zero shows no sign.
  const Case cases[] = {{"30", "0.577"}, {"32.5", "0.637"}, {"45", "1.00"},   {"0", "0.00"},
                        {"-0", "0.00"},  {"abc", "0.00"},   {"３０", "0.00"}, {" 3 0", "0.577"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phi_b);
    f2()["txt9"].SetText(c.phi_b);
    f2()["txt10"].SetText("0.6");
    PretendCalculated(t);
    f2()["opt9"].Click();
    ui::Control& mu = f2()["txt10"];
    EXPECT_EQ(mu.Text(), c.mu);
    EXPECT_EQ(mu.BorderStyle(), 0);
    EXPECT_EQ(Focused(t), &mu);
    EXPECT_TRUE(AllSelected(mu));
    EXPECT_TRUE(ResultsHidden(t));
  }
  EXPECT_TRUE(t.platform.calls.empty());
}

TEST_F(Form2Test, MasatuUsesTheProgramsPi) {
  f2()["txt9"].SetText("30");
  Masatu(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kPhiB], 30);
  EXPECT_NEAR(t.dc().Cond[cond::kMu], 0.5773496795031555, 1e-15);
}

// tanφ chosen without a usable φB is refused, and the window goes back to
// the choice it had.
TEST_F(Form2Test, TanPhiWithoutUsableAngleIsRefusedAndUndone) {
  struct Case {
    const char* phi_b;
    bool direct_before;
    const char* message;
  };
  const Case cases[] = {
      {"", false, "内部摩擦角を入力してください。"},
      {"", true, "内部摩擦角を入力してください。"},
      {"1e999", true,
       "入力値「基礎地盤の内部摩擦角 φ」が数値として大きすぎるため、計算できません。\n"
       "入力値を確認してください。"},
      {"90", false,
       "基礎地盤の内部摩擦角 φ が 90° の奇数倍のため、μ = tanφ を計算できません。\n"
       "入力値を確認してください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.phi_b) + (c.direct_before ? " direct" : ""));
    TestApp u;
    ui::Window& w = u.Form(kForm2);
    if (c.direct_before) {
      w["opt8"].Click();
      w["txt10"].Type("0.6");
    }
    w["txt9"].SetText(c.phi_b);
    u.platform.Clear();
    w["opt9"].Click();
    ASSERT_EQ(u.platform.Messages().size(), 1u);
    EXPECT_EQ(u.platform.Messages()[0].text, c.message);
    EXPECT_EQ(u.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(u.platform.Messages()[0].buttons, ui::MsgButtons::kOk);
    EXPECT_EQ(u.app.windows().Focused(), &w["txt9"]);
    EXPECT_EQ(w["txt9"].SelStart(), 0);
    EXPECT_EQ(w["txt9"].SelLength(), 0);
    EXPECT_FALSE(w["opt9"].Value());
    EXPECT_EQ(w["opt8"].Value(), c.direct_before);
    EXPECT_EQ(w["txt10"].Text(), c.direct_before ? "0.6" : "");
  }
}

TEST_F(Form2Test, DirectFrictionOptionAndClickMakeTheBoxReady) {
  ui::Control& mu = f2()["txt10"];
  mu.SetText("0.5");
  mu.SetBorderStyle(0);
  f2()["opt8"].Click();
  EXPECT_EQ(mu.BorderStyle(), 1);
  EXPECT_EQ(Focused(t), &mu);
  EXPECT_TRUE(AllSelected(mu));

  f2()["txt9"].SetText("30");
  f2()["opt9"].Click();
  ASSERT_EQ(mu.BorderStyle(), 0);
  mu.Click();
  EXPECT_TRUE(f2()["opt8"].Value());
  EXPECT_EQ(mu.BorderStyle(), 1);
}

// μ typed after tabbing into the box is a directly entered μ.
TEST_F(Form2Test, TypingMuChoosesDirectInput) {
  ui::Control& mu = f2()["txt10"];
  t.app.windows().SetFocus(mu);
  mu.Type("0.45");
  EXPECT_TRUE(f2()["opt8"].Value());
  EXPECT_EQ(mu.Text(), "0.45");
  EXPECT_EQ(ReadSelections(t.app).friction, FrictionMode::kDirect);

  // Over a μ computed by tanφ, typing replaces it and the choice follows.
  f2()["txt9"].SetText("30");
  f2()["opt9"].Click();
  ASSERT_EQ(mu.Text(), "0.577");
  mu.Type("0.5");
  EXPECT_TRUE(f2()["opt8"].Value());
  EXPECT_EQ(mu.Text(), "0.5");
}

// A μ computed from φB no longer holds once φB is edited.
TEST_F(Form2Test, EditingPhiBForgetsTheMuComputedFromIt) {
  f2()["txt9"].SetText("30");
  f2()["opt9"].Click();
  ASSERT_EQ(f2()["txt10"].Text(), "0.577");
  f2()["txt9"].Click();
  EXPECT_EQ(f2()["txt10"].Text(), "0.577");  // a click changes nothing
  f2()["txt9"].Type("35");
  EXPECT_EQ(f2()["txt9"].Text(), "35");
  EXPECT_EQ(f2()["txt10"].Text(), "");
  EXPECT_FALSE(f2()["opt9"].Value());
  f2()["opt9"].Click();
  EXPECT_EQ(f2()["txt10"].Text(), "0.70");  // tan 35° = 0.70021
}

TEST_F(Form2Test, EditingPhiBKeepsADirectMu) {
  f2()["txt10"].Click();
  f2()["txt10"].Type("0.5");
  f2()["txt9"].Click();
  f2()["txt9"].Type("35");
  EXPECT_EQ(f2()["txt10"].Text(), "0.5");
  EXPECT_TRUE(f2()["opt8"].Value());
}

// ------------------------------------------------------------ φ and δ

TEST_F(Form2Test, TypingPhiOrDeltaEmptiesAComputedCoefficientButKeepsATypedOne) {
  for (const char* box : {"txt6", "txt7"}) {
    SCOPED_TRACE(box);
    f3()["opt2"].SetValue(true);
    f3()["txt11"].SetText("0.297");
    f2()[box].Type("3");
    EXPECT_EQ(f3()["txt11"].Text(), "");
    EXPECT_FALSE(f3()["opt2"].Value());

    f3()["opt1"].SetValue(true);
    f3()["txt11"].SetText("0.35");
    f2()[box].Type("2");
    f2()[box].Click();
    EXPECT_EQ(f3()["txt11"].Text(), "0.35");
    EXPECT_TRUE(f3()["opt1"].Value());

    f3()["opt2"].SetValue(true);
    f3()["txt11"].SetText("0.297");
    f2()[box].Click();
    EXPECT_EQ(f3()["txt11"].Text(), "");
  }
}

TEST_F(Form2Test, PhiUnderRaisedSoilDoesNotTouchForm3) {
  f2()["opt3"].Click();
  f2()["txt6"].Type("30");
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
}

// ------------------------------------------------------------ text boxes

TEST_F(Form2Test, EnterMovesAlongTheChainAndIsNotTyped) {
  struct Case {
    const char* from;
    const char* to;
  };
  const Case chain[] = {{"txt1", "txt2"}, {"txt2", "txt3"}, {"txt3", "txt4"}, {"txt4", "txt5"},
                        {"txt5", "cbo1"}, {"cbo1", "txt6"}, {"txt6", "txt7"}, {"txt7", "cbo2"},
                        {"cbo2", "txt8"}, {"txt8", "txt9"}, {"txt9", "txt10"}};
  for (const Case& c : chain) {
    SCOPED_TRACE(c.from);
    f2()[c.from].SetText("12");
    f2()[c.to].SetText("345");
    f2()[c.from].Click();
    f2()[c.from].TypeKey(ui::kKeyEnter);
    EXPECT_EQ(Focused(t), &f2()[c.to]);
    EXPECT_EQ(f2()[c.from].Text(), "12");
    if (f2()[c.to].kind() == ui::ControlKind::kTextBox) {
      EXPECT_TRUE(AllSelected(f2()[c.to]));
    }
  }
  // μ goes on to the § of the dimension window on screen.
  t.Form(kForm3).Show();
  f2()["txt10"].Click();
  f2()["txt10"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(Focused(t), &t.Form(kForm3)["txt1"]);
}

TEST_F(Form2Test, EveryEditAndClickInvalidatesTheResults) {
  for (const char* box :
       {"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt10"}) {
    SCOPED_TRACE(box);
    PretendCalculated(t);
    f2()[box].Click();
    EXPECT_TRUE(ResultsHidden(t));
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
    PretendCalculated(t);
    f2()[box].TypeKey('1');
    EXPECT_TRUE(ResultsHidden(t));
    PretendCalculated(t);
    f2()[box].TypeKey(ui::kKeyEnter);
    EXPECT_TRUE(ResultsHidden(t));
  }
  for (const char* cbo : {"cbo1", "cbo2"}) {
    PretendCalculated(t);
    f2()[cbo].Click();
    EXPECT_TRUE(ResultsHidden(t));
    PretendCalculated(t);
    f2()[cbo].Type("礫");
    EXPECT_TRUE(ResultsHidden(t));
  }
}

TEST_F(Form2Test, BoxesSelectOnClickAndFocusAndFromTheEleventhCharacterOnDoubleClick) {
  ui::Control& site = f2()["txt1"];
  site.SetText("Kohoku-ku, Yokohama");
  site.SetSelStart(3);
  site.Click();
  EXPECT_TRUE(AllSelected(site));
  site.DblClick();
  EXPECT_EQ(site.SelStart(), 10);
  EXPECT_EQ(site.SelLength(), static_cast<int>(site.Text().size()) - 10);
  f2()["txt2"].SetText("18");
  t.app.windows().SetFocus(f2()["txt2"]);
  EXPECT_TRUE(AllSelected(f2()["txt2"]));
  f2()["txt2"].DblClick();  // shorter than ten: the caret goes to the end
  EXPECT_EQ(f2()["txt2"].SelStart(), 2);
  EXPECT_EQ(f2()["txt2"].SelLength(), 0);
}

TEST_F(Form2Test, ClosingTheWindowLeavesNoValidResult) {
  f2()["txt1"].SetText("横浜市");
  PretendCalculated(t);
  t.app.windows().Unload(kForm2);
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  EXPECT_FALSE(t.app.results().valid());
}

}  // namespace
}  // namespace varnholt::forms
