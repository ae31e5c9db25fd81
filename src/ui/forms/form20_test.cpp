// The seismic coefficient dialog: the checks of ＯＫ, Jisin under both
// standards, what ＯＫ does to the dimension window's coefficient, キャンセル
// and the Enter order.

#include "ui/forms/form20.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

class SeismicDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillLevelDesign(t.app);
    f20().Show();
  }
  ui::Window& f2() { return t.Form(kForm2); }
  ui::Window& f20() { return t.Form(kForm20); }
  TestApp t;
};

TEST_F(SeismicDialogTest, OkChecksInOrder) {
  const struct {
    bool road;
    const char* method;  // nullptr: none chosen
    const char* kh;
    const char* kv;
    const char* message;
    const char* focus;
  } cases[] = {
      {false, nullptr, "0.2", "0", "地震時水平荷重の計算方法を選択してください。", "opt_K1"},
      {false, "opt_K1", "", "0", "水平震度を入力して下さい。", "txt1"},
      {false, "opt_K2", "0.2", "", "鉛直震度を入力して下さい。", "txt2"},
      {true, "opt_D1", "0.2", "0", "地域別補正係数を選択して下さい。", "opt_A"},
  };
  for (const auto& c : cases) {
    t.app.windows().Unload(kForm20);
    f2()[c.road ? "opt_D" : "opt_T"].SetValue(true);
    ui::Window& w = f20();
    w.Show();
    if (c.method != nullptr) w[c.method].SetValue(true);
    w["txt1"].SetText(c.kh);
    w["txt2"].SetText(c.kv);
    t.dc().Cond[cond::kKh] = 9;
    t.platform.Clear();
    w["cmd1"].Click();
    ASSERT_EQ(t.platform.Messages().size(), 1u) << c.message;
    EXPECT_EQ(t.platform.Messages()[0].text, c.message);
    EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(t.app.windows().Focused(), &w[c.focus]) << c.message;
    EXPECT_EQ(w[c.focus].SelStart(), 0);
    EXPECT_TRUE(w.Shown());
    EXPECT_EQ(t.dc().Cond[cond::kKh], 9);  // nothing computed
  }
}

TEST_F(SeismicDialogTest, JisinUnderBothStandards) {
  const struct {
    bool road;
    const char* region;  // nullptr: none chosen
    const char* kh;
    const char* kv;
    double previous_cz;
    double kh_expected;
    double kho_expected;
    double cz_expected;
    double kv_expected;
  } cases[] = {
      // 宅地造成: Kh as typed; Cz and Kho are not touched.
      {false, nullptr, "0.25", "0.1", 0.7, 0.25, 5, 0.7, 0.1},
      {false, nullptr, "abc", "", 0.7, 0, 5, 0.7, 0},
      {false, nullptr, "０.２", "-0", 0.7, 0, 5, 0.7, 0},  // full-width digits read as 0
      // 道路土工: Kh = Kho × Cz.
      {true, "opt_A", "0.2", "0", 0, 0.2, 0.2, 1.0, 0},
      {true, "opt_B", "0.2", "0.05", 0, 0.17, 0.2, 0.85, 0.05},
      {true, "opt_C", "0.2 ", "0", 0, 0.14, 0.2, 0.70, 0},
      // No region (possible when a project is loaded): the previous Cz.
      {true, nullptr, "0.2", "0", 0.85, 0.17, 0.2, 0.85, 0},
      {true, nullptr, "0.2", "0", 0, 0, 0.2, 0, 0},
  };
  for (const auto& c : cases) {
    t.app.windows().Unload(kForm20);
    f2()[c.road ? "opt_D" : "opt_T"].SetValue(true);
    ui::Window& w = f20();
    if (c.region != nullptr) w[c.region].SetValue(true);
    w["txt1"].SetText(c.kh);
    w["txt2"].SetText(c.kv);
    t.dc().Cond[cond::kCz] = c.previous_cz;
    t.dc().Cond[cond::kKho] = 5;
    Jisin(t.app);
    EXPECT_NEAR(t.dc().Cond[cond::kKh], c.kh_expected, 1e-15) << c.kh << " " << c.road;
    EXPECT_EQ(t.dc().Cond[cond::kKho], c.kho_expected) << c.kh << " " << c.road;
    EXPECT_EQ(t.dc().Cond[cond::kCz], c.cz_expected) << c.kh << " " << c.road;
    EXPECT_EQ(t.dc().Cond[cond::kKv], c.kv_expected) << c.kh << " " << c.road;
  }
}

TEST_F(SeismicDialogTest, OkRefusesACoefficientTooLargeToBeANumber) {
  const struct {
    bool road;
    const char* kh;
    const char* kv;
    const char* focus;
  } cases[] = {
      {false, "1e999", "0", "txt1"},
      {false, "0.2", "-1e999", "txt2"},
      {true, "1e999", "0", "txt1"},
  };
  for (const auto& c : cases) {
    f2()[c.road ? "opt_D" : "opt_T"].SetValue(true);
    ui::Window& w = f20();
    w.Show();
    w[c.road ? "opt_D1" : "opt_K1"].SetValue(true);
    if (c.road) w["opt_B"].SetValue(true);
    w["txt1"].SetText(c.kh);
    w["txt2"].SetText(c.kv);
    t.dc().Calc[calc::kSlidingF] = 1.6;
    t.app.results().ShowResults();
    t.platform.Clear();
    w["cmd1"].Click();
    ASSERT_EQ(t.platform.Messages().size(), 1u) << c.kh << " " << c.kv;
    EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(t.platform.Messages()[0].text.find("inf"), std::string::npos);
    EXPECT_EQ(t.app.windows().Focused(), &w[c.focus]) << c.kh << " " << c.kv;
    EXPECT_TRUE(w.Shown());
    EXPECT_FALSE(t.app.results().valid());
  }
}

TEST_F(SeismicDialogTest, OkWithMethodTwoOnLevelGroundAllowsATypedCoefficient) {
  ui::Window& f3 = t.Form(kForm3);
  const struct {
    const char* shape;
    const char* method;
    bool direct_input;
  } cases[] = {{"opt1", "opt_K1", false},
               {"opt1", "opt_K2", true},
               {"opt1", "opt_K1", false},
               // A slope always needs the computed coefficient.
               {"opt2", "opt_K2", false}};
  for (const auto& c : cases) {
    f2()[c.shape].SetValue(true);
    f3["txt11"].SetText("0.297");
    t.dc().Calc[calc::kSlidingF] = 1.6;
    t.app.results().ShowResults();
    f20().Show();
    f20()[c.method].SetValue(true);
    f20()["txt1"].SetText("0.2");
    f20()["txt2"].SetText("0");
    f20()["cmd1"].Click();
    EXPECT_TRUE(t.platform.Messages().empty());
    EXPECT_FALSE(f20().Shown());
    EXPECT_EQ(t.dc().Cond[cond::kKh], 0.2);
    // The coefficient must be computed again for the new method.
    EXPECT_EQ(f3["txt11"].Text(), "");
    EXPECT_FALSE(f3["opt1"].Value());
    EXPECT_FALSE(f3["opt2"].Value());
    EXPECT_EQ(f3["cmd1"].Enabled(), c.direct_input) << c.method;
    EXPECT_EQ(f3["opt1"].Enabled(), c.direct_input) << c.method;
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
    EXPECT_FALSE(t.app.results().valid());
  }
}

TEST_F(SeismicDialogTest, OkUnderRaisedSoilLeavesTheLevelGroundWindowAlone) {
  f2()["opt3"].SetValue(true);
  ui::Window& f3 = t.Form(kForm3);
  f3["txt11"].SetText("0.297");
  f20().Show();
  f20()["opt_K1"].SetValue(true);
  f20()["txt1"].SetText("0.2");
  f20()["txt2"].SetText("0");
  f20()["cmd1"].Click();
  EXPECT_EQ(t.dc().Cond[cond::kKh], 0.2);
  EXPECT_EQ(f3["txt11"].Text(), "0.297");
  EXPECT_TRUE(f3["cmd1"].Enabled());
}

TEST_F(SeismicDialogTest, CancelKeepsTheEditButNotTheCoefficient) {
  f20()["opt_K2"].SetValue(true);
  f20()["txt1"].SetText("0.2");
  f20()["txt2"].SetText("0");
  f20()["cmd1"].Click();
  ASSERT_EQ(t.dc().Cond[cond::kKh], 0.2);
  f20().Show();
  f20()["txt1"].SetText("0.3");
  f20()["cmd2"].Click();
  EXPECT_FALSE(f20().Shown());
  EXPECT_TRUE(t.app.windows().IsLoaded(kForm20));
  EXPECT_EQ(f20()["txt1"].Text(), "0.3");
  EXPECT_TRUE(f20()["opt_K2"].Value());
  EXPECT_EQ(t.dc().Cond[cond::kKh], 0.2);
}

TEST_F(SeismicDialogTest, EnterMovesFromKhToKvToOk) {
  f20()["txt1"].SetText("0.2");
  f20()["txt2"].SetText("0.05");
  f20()["txt1"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(f20()["txt1"].Text(), "0.2");
  EXPECT_EQ(t.app.windows().Focused(), &f20()["txt2"]);
  EXPECT_EQ(f20()["txt2"].SelStart(), 0);
  EXPECT_EQ(f20()["txt2"].SelLength(), 4);
  f20()["txt2"].TypeKey(ui::kKeyEnter);
  EXPECT_EQ(t.app.windows().Focused(), &f20()["cmd1"]);
  // Typing in the dialog changes nothing until ＯＫ.
  t.dc().Calc[calc::kSlidingF] = 1.6;
  f20()["txt1"].Click();
  f20()["txt1"].Type("0.3");
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 1.6);
}

}  // namespace
}  // namespace varnholt::forms
