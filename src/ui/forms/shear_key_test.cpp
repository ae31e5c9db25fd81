#include "ui/forms/shear_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

// The result rows of Form11 as a calculation leaves them, so that a test
// can see what an action clears.
void ShowSomeResults(App& app) {
  ui::Window& f11 = app.Form(kForm11);
  for (int i = 5; i <= 21; ++i) {
    ui::Control& c = f11["lbl" + std::to_string(i)];
    c.SetCaption("x" + std::to_string(i));
    c.SetVisible(true);
  }
  app.dc().Calc[calc::kSlidingF] = 1.7;
  app.results().ShowResults();
}

std::vector<std::string> SlidingCaptions(App& app) {
  std::vector<std::string> out;
  for (const char* n : {"lbl15", "lbl16", "lbl17", "lbl19", "lbl20", "lbl21"}) {
    out.push_back(app.Form(kForm11)[n].Caption());
  }
  return out;
}

// Visible sketch labels as (caption, left, top), sorted.
std::vector<std::tuple<std::string, int, int>> SketchLabels(ui::Window& w) {
  std::vector<std::tuple<std::string, int, int>> out;
  for (const ControlRef& c : HandlesOf<ShearKeyDialog>(w).sketch_labels) {
    if (c->Visible()) out.emplace_back(c->Caption(), c->left, c->top);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::tuple<int, int, int, int>> Lines(const ui::Window& w) {
  std::vector<std::tuple<int, int, int, int>> out;
  for (const ui::DrawnLine& l : w.Drawing()) out.emplace_back(l.x1, l.y1, l.x2, l.y2);
  std::sort(out.begin(), out.end());
  return out;
}

class ShearKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { FillLevelDesign(t.app); }
  ui::Window& F2() { return t.Form(kForm2); }
  ui::Window& F3() { return t.Form(kForm3); }
  // The user chooses 突起 有り and presses "突起の計算"; `inside` acts in the
  // modal dialog.
  // Without an action the dialog is left open behind (hidden), so that the
  // test can look at it afterwards.
  void OpenFromForm3(std::function<void(ui::Window&)> inside = [](ui::Window& d) { d.Hide(); }) {
    F3()["opt6"].SetValue(true);
    t.platform.modal_actions.push_back(std::move(inside));
    F3()["cmd3"].Click();
  }
  TestApp t;
};

TEST_F(ShearKeyTest, KeyButtonOpensTheResidentialDialogWithItsGuides) {
  const struct {
    const char* base;
    const char* lbl1;
    const char* lbl2;
    const char* lbl3;
    const char* lbl4;
    const char* lbl5;
  } cases[] = {
      {"3", "3.000", "0.300", "0.450", "1.000", "2.000"},
      {"2.5", "2.500", "0.250", "0.375", "0.833", "1.667"},
      {"4m", "4.000", "0.400", "0.600", "1.333", "2.667"},
      // A base too large to be a number shows no guides, never "inf".
      {"1e999", "", "", "", "", ""},
      {"-0", "0.000", "0.000", "0.000", "0.000", "0.000"},
      {"３", "0.000", "0.000", "0.000", "0.000", "0.000"},  // full-width: not a number
  };
  for (const auto& c : cases) {
    F3()["txt7"].SetText(c.base);
    t.platform.Clear();
    OpenFromForm3([&](ui::Window& d) {
      EXPECT_EQ(d.name(), kForm15);
      EXPECT_TRUE(d.Modal());
      EXPECT_EQ(d["lbl1"].Caption(), c.lbl1) << c.base;
      EXPECT_EQ(d["lbl2"].Caption(), c.lbl2) << c.base;
      EXPECT_EQ(d["lbl3"].Caption(), c.lbl3) << c.base;
      EXPECT_EQ(d["lbl4"].Caption(), c.lbl4) << c.base;
      EXPECT_EQ(d["lbl5"].Caption(), c.lbl5) << c.base;
      d["cmd2"].Click();
    });
    EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm15});
  }
}

TEST_F(ShearKeyTest, OpeningCollectsAndRecomputesHeightAndBackFaceAngle) {
  t.dc().Calc[calc::kHWork] = 99;
  t.dc().Calc[calc::kThetaDeg] = 99;
  OpenFromForm3();
  // h 4 + embedment 1; θ = atan(1/5.5) with π taken as 3.14159.
  EXPECT_EQ(t.dc().Calc[calc::kHWork], 5);
  EXPECT_NEAR(t.dc().Calc[calc::kThetaDeg], 10.304855172904832, 1e-12);
  EXPECT_EQ(t.dc().Calc[calc::kBaseWidth], 4);
  EXPECT_EQ(t.dc().SiteName, "横浜市");
}

TEST_F(ShearKeyTest, RoadStandardOpensForm19FromTheRaisedSoilWindow) {
  F2()["opt_D"].SetValue(true);
  F2()["opt3"].SetValue(true);
  ui::Window& f16 = t.Form(kForm16);
  f16["txt7"].SetText("3");
  f16["opt6"].SetValue(true);
  t.platform.modal_actions.push_back([](ui::Window& d) {
    EXPECT_EQ(d.name(), kForm19);
    EXPECT_EQ(d["Label23"].Caption(), "L1=");
    EXPECT_EQ(d["lbl1"].Caption(), "3.000");
    EXPECT_EQ(d["lbl4"].Caption(), "1.000");
    // From the raised-soil window no pressure sketch is drawn.
    EXPECT_TRUE(d.Drawing().empty());
    d.Hide();
  });
  f16["cmd3"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm19});
}

TEST_F(ShearKeyTest, CohesionBoxIsAvailableOnlyWithCohesion) {
  ui::Window& d = t.Form(kForm15);
  d["chk1"].SetCheckValue(1);
  OpenFromForm3();
  EXPECT_EQ(d["chk1"].CheckValue(), 0);
  EXPECT_FALSE(d["chk1"].Enabled());

  F2()["opt6"].SetValue(true);
  F2()["txt8"].SetText("10");
  OpenFromForm3();
  EXPECT_TRUE(d["chk1"].Enabled());
}

TEST_F(ShearKeyTest, ComputeChecksTheThreeDimensionsInOrder) {
  ui::Window& d = t.Form(kForm15);
  d.Show();
  const struct {
    const char* h0;
    const char* b1;
    const char* width;
    const char* message;
    const char* focus;
  } cases[] = {
      {"", "2", "0.4", "突起の高さを入力してください。", "txt1"},
      {"0.4", "", "0.4", "突起の位置を入力してください。", "txt2"},
      {"0.4", "2", "", "突起の巾を入力してください。", "txt3"},
  };
  for (const auto& c : cases) {
    d["txt1"].SetText(c.h0);
    d["txt2"].SetText(c.b1);
    d["txt3"].SetText(c.width);
    t.platform.Clear();
    t.dc().ShearKeyFlag = "0";
    d["cmd1"].Click();
    ASSERT_EQ(t.platform.Messages().size(), 1u);
    EXPECT_EQ(t.platform.Messages()[0].text, c.message);
    EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(t.app.windows().Focused(), &d[c.focus]);
    EXPECT_EQ(d[c.focus].SelStart(), 0);
    EXPECT_EQ(d[c.focus].SelLength(), 0);
    EXPECT_TRUE(d.Shown());
    EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  }
}

TEST_F(ShearKeyTest, ComputeConfirmsTheKeyAndOnlyTheRoadDialogClearsTheSlidingRows) {
  for (bool road : {false, true}) {
    F2()[road ? "opt_D" : "opt_T"].SetValue(true);
    ui::Window& d = t.Form(road ? kForm19 : kForm15);
    ShowSomeResults(t.app);
    d.Show();
    d["txt1"].SetText("0.4");
    d["txt2"].SetText("2");
    d["txt3"].SetText("0.4");
    t.dc().ShearKeyFlag = "0";
    d["cmd1"].Click();
    EXPECT_FALSE(d.Shown());
    EXPECT_TRUE(t.app.windows().IsLoaded(d.name()));  // hidden, entries kept
    EXPECT_EQ(d["txt1"].Text(), "0.4");
    EXPECT_EQ(t.dc().ShearKeyFlag, "1");
    ui::Window& f11 = t.Form(kForm11);
    if (road) {
      EXPECT_FALSE(f11["lbl18"].Visible());
      EXPECT_EQ(SlidingCaptions(t.app), std::vector<std::string>(6, ""));
    } else {
      EXPECT_TRUE(f11["lbl18"].Visible());
      EXPECT_EQ(f11["lbl16"].Caption(), "x16");
    }
  }
}

TEST_F(ShearKeyTest, CancelDropsTheKeyInTheDimensionWindowInUse) {
  // 水平: Form3; 嵩上げ土: Form16.
  for (const char* shape : {"opt1", "opt3"}) {
    F2()[shape].SetValue(true);
    ui::Window& dim = t.Form(std::string(shape) == "opt3" ? kForm16 : kForm3);
    dim["opt6"].SetValue(true);
    t.dc().ShearKeyFlag = "1";
    t.platform.modal_actions.push_back([](ui::Window& d) {
      d["txt1"].SetText("0.5");
      d["cmd2"].Click();
    });
    dim["cmd3"].Click();
    EXPECT_EQ(t.dc().ShearKeyFlag, "0") << shape;
    EXPECT_TRUE(dim["opt5"].Value()) << shape;
    EXPECT_FALSE(dim["opt6"].Value()) << shape;
    // The dialog's entries are discarded.
    EXPECT_FALSE(t.app.windows().IsLoaded(kForm15)) << shape;
    EXPECT_EQ(t.Form(kForm15)["txt1"].Text(), "") << shape;
  }
}

TEST_F(ShearKeyTest, ClickingAnEntryClearsTheSlidingRows) {
  const struct {
    const char* form;
    const char* control;
    bool clears;
  } cases[] = {
      {kForm15, "txt1", true}, {kForm15, "txt2", true}, {kForm15, "txt3", true},
      {kForm15, "chk1", true}, {kForm19, "txt1", true}, {kForm19, "chk1", false},
  };
  for (const auto& c : cases) {
    ShowSomeResults(t.app);
    ui::Window& d = t.Form(c.form);
    d[c.control].Click();
    ui::Window& f11 = t.Form(kForm11);
    EXPECT_EQ(!f11["lbl18"].Visible(), c.clears) << c.form << " " << c.control;
    EXPECT_EQ(f11["lbl15"].Caption().empty(), c.clears) << c.form << " " << c.control;
    EXPECT_EQ(f11["lbl21"].Caption().empty(), c.clears) << c.form << " " << c.control;
    // A click alone leaves the other results and their validity.
    EXPECT_TRUE(f11["lbl6"].Visible());
    EXPECT_TRUE(t.app.results().valid());
  }
}

TEST_F(ShearKeyTest, TypingAKeyDimensionInvalidatesTheResults) {
  ui::Window& d = t.Form(kForm15);
  t.app.windows().SetFocus(d["txt1"]);  // reached with Tab, not a click
  ShowSomeResults(t.app);
  d["txt1"].Type("0.5");
  EXPECT_EQ(d["txt1"].Text(), "0.5");
  EXPECT_FALSE(t.app.results().valid());
  EXPECT_FALSE(t.Form(kForm11)["lbl6"].Visible());
  EXPECT_FALSE(t.Form(kForm11)["lbl18"].Visible());
  EXPECT_EQ(SlidingCaptions(t.app), std::vector<std::string>(6, ""));
  // The key options' own invalidation: Fs is kept.
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 1.7);
}

TEST_F(ShearKeyTest, EnterMovesThroughHeightWidthPositionToCompute) {
  ui::Window& d = t.Form(kForm15);
  d["txt1"].SetText("0.4");
  d["txt2"].SetText("2");
  d["txt3"].SetText("0.35");
  d["txt1"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(d["txt1"].Text(), "0.4");  // Enter is swallowed
  EXPECT_EQ(t.app.windows().Focused(), &d["txt3"]);
  EXPECT_EQ(d["txt3"].SelLength(), 4);
  d["txt3"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(t.app.windows().Focused(), &d["txt2"]);
  EXPECT_EQ(d["txt2"].SelLength(), 1);
  d["txt2"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(t.app.windows().Focused(), &d["cmd1"]);
}

TEST_F(ShearKeyTest, DoubleClickSelectsFromTheEleventhCharacter) {
  ui::Window& d = t.Form(kForm19);
  d["txt2"].SetText("1.234567890123");
  d["txt2"].DblClick();
  EXPECT_EQ(d["txt2"].SelStart(), 10);
  EXPECT_EQ(d["txt2"].SelLength(), 4);
}

// The pressure sketch, per standard and case, from e of the last
// calculation and B of the dimension window.
struct SketchCaseRow {
  bool road;
  double e;  // with B = 3
  size_t lines;
  std::set<std::string> labels;
};

TEST_F(ShearKeyTest, PressureSketchFollowsTheStandardAndTheEccentricity) {
  F3()["txt7"].SetText("3");
  const SketchCaseRow rows[] = {
      // 宅地造成: base, outline 3, ordinates 2, dimension line (+ tick).
      {false, 0.2, 1 + 3 + 2 + 1, {"σmax", "σmin", "σ1", "σ2", "L1", "L2"}},
      {false, -0.2, 1 + 3 + 2 + 1, {"σmax", "σmin", "σ1", "σ2", "L1", "L2"}},
      {false, 0.6, 1 + 2 + 2 + 2, {"σmax", "σ1", "σ2", "L1", "L2"}},
      {false, -0.6, 1 + 2 + 2 + 2, {"σmax", "σ1", "σ2", "L1", "L2"}},
      // r = 1/6 exactly is drawn as the triangle.
      {false, 0.5, 1 + 2 + 2 + 2, {"σmax", "σ1", "σ2", "L1", "L2"}},
      // 道路土工: base, outline, the ordinate at the key.
      {true, 0.2, 1 + 3 + 1, {"ｑ1", "ｑ2", "ｑ3"}},
      {true, -0.2, 1 + 3 + 1, {"ｑ1", "ｑ2", "ｑ3"}},
      {true, 0.6, 1 + 2 + 1, {"ｑ1", "ｑ2"}},
      {true, -0.6, 1 + 2 + 1, {"ｑ1", "ｑ2"}},
  };
  for (const SketchCaseRow& row : rows) {
    F2()[row.road ? "opt_D" : "opt_T"].SetValue(true);
    t.dc().Calc[calc::kE] = row.e;
    OpenFromForm3();
    ui::Window& d = t.Form(row.road ? kForm19 : kForm15);
    EXPECT_EQ(d.Drawing().size(), row.lines) << row.road << " e=" << row.e;
    std::set<std::string> labels;
    for (const auto& l : SketchLabels(d)) labels.insert(std::get<0>(l));
    EXPECT_EQ(labels, row.labels) << row.road << " e=" << row.e;
    for (const ui::DrawnLine& l : d.Drawing()) EXPECT_EQ(l.width, 1);
  }
}

TEST_F(ShearKeyTest, PressureSketchOfAResidentialTrapezoidWithTheLoadAtTheToe) {
  F3()["txt7"].SetText("3");
  t.dc().Calc[calc::kE] = 0.1;
  OpenFromForm3();
  ui::Window& d = t.Form(kForm15);
  using L = std::tuple<int, int, int, int>;
  std::vector<L> expected = {
      {1560, 3420, 3600, 3420},                            // base
      {1560, 3420, 1560, 4000}, {3600, 3420, 3600, 3700},  // σmax at the toe, σmin
      {1560, 4000, 3600, 3700},                            // pressure line
      {2160, 3420, 2160, 3930}, {2580, 3420, 2580, 3870},  // σ1, σ2
      {1560, 4500, 3600, 4500},                            // L1 + L2
  };
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Lines(d), expected);
  using T = std::tuple<std::string, int, int>;
  std::vector<T> texts = {{"σmax", 1000, 3600}, {"σmin", 3650, 3500}, {"σ1", 1860, 3600},
                          {"σ2", 2630, 3550},   {"L1", 1800, 4300},   {"L2", 3000, 4300}};
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(SketchLabels(d), texts);
}

TEST_F(ShearKeyTest, PressureSketchOfARoadTriangleWithTheLoadAtTheHeel) {
  F2()["opt_D"].SetValue(true);
  F3()["txt7"].SetText("3");
  t.dc().Calc[calc::kE] = -1.0;
  OpenFromForm3();
  ui::Window& d = t.Form(kForm19);
  using L = std::tuple<int, int, int, int>;
  std::vector<L> expected = {{1560, 3420, 3600, 3420},
                             {3600, 3420, 3600, 3800},
                             {1760, 3420, 3600, 3800},
                             {2580, 3420, 2580, 3600}};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Lines(d), expected);
  using T = std::tuple<std::string, int, int>;
  std::vector<T> texts = {{"ｑ1", 3650, 3500}, {"ｑ2", 2630, 3430}};
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(SketchLabels(d), texts);
}

TEST_F(ShearKeyTest, ReopeningRedrawsInsteadOfAddingToTheOldSketch) {
  F3()["txt7"].SetText("3");
  t.dc().Calc[calc::kE] = 0.1;
  OpenFromForm3();
  t.dc().Calc[calc::kE] = 0.9;
  OpenFromForm3();
  ui::Window& d = t.Form(kForm15);
  EXPECT_EQ(d.Drawing().size(), 7u);
  EXPECT_EQ(SketchLabels(d).size(), 5u);  // no σmin left over
}

TEST_F(ShearKeyTest, ZeroBaseDrawsNoSketchAndDoesNotFail) {
  F3()["txt7"].SetText("0");
  t.dc().Calc[calc::kE] = 0.3;
  OpenFromForm3();
  ui::Window& d = t.Form(kForm15);
  EXPECT_TRUE(d.Drawing().empty());
  EXPECT_TRUE(SketchLabels(d).empty());
  EXPECT_EQ(d["lbl1"].Caption(), "0.000");
}

TEST_F(ShearKeyTest, CalculateCommandPreparationDrawsForBothDimensionWindows) {
  F2()["opt3"].SetValue(true);
  t.Form(kForm16)["txt7"].SetText("3");
  t.dc().Calc[calc::kE] = 0.2;
  ShearKeyDialog* d = PrepareShearKeyDialog(t.app, /*draw_sketch=*/true);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->window.name(), kForm15);
  EXPECT_FALSE(d->window.Shown());
  EXPECT_EQ(d->base_width_guide->Caption(), "3.000");
  EXPECT_EQ(d->window.Drawing().size(), 7u);
}

TEST_F(ShearKeyTest, NoStandardSelectedPreparesNothing) {
  F2()["opt_T"].SetValue(false);
  EXPECT_EQ(KeyDialogInUse(t.app), nullptr);
  EXPECT_EQ(PrepareShearKeyDialog(t.app, true), nullptr);
  OpenFromForm3();
  EXPECT_TRUE(t.platform.ModalWindows().empty());
}

}  // namespace
}  // namespace varnholt::forms
