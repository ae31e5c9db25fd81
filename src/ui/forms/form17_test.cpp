// The fence dialog as a user meets it: load kinds with what they show, the
// checks of 計算 and what it does to the design conditions window,
// キャンセル, and the boxes' Enter order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/collect.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

class FenceDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillLevelDesign(t.app);
    f17().Show();
  }
  ui::Window& f2() { return t.Form(kForm2); }
  ui::Window& f17() { return t.Form(kForm17); }
  void MarkResultsShown() {
    t.dc().Calc[calc::kSlidingF] = 1.6;
    t.app.results().ShowResults();
    t.Form(kForm11)["lbl6"].SetVisible(true);
  }
  void FillFence(const char* load, const char* load_height) {
    f17()["txt1"].SetText("1.2");
    f17()["txt2"].SetText("0.3");
    f17()["txt5"].SetText("0.5");
    f17()["txt3"].SetText(load);
    f17()["txt4"].SetText(load_height);
  }
  TestApp t;
};

TEST_F(FenceDialogTest, OptionsShowTheirLoadBoxesAndSketch) {
  const struct {
    const char* option;
    const char* type;
    const char* symbol;
    const char* unit;
    bool load_box;
    bool height_box;
    bool distributed_sketch;
    bool point_sketch;
  } cases[] = {
      {"opt2", "1", "w=", "kN/m2", true, false, true, false},
      {"opt3", "2", "P=", "kN/m", true, true, false, true},
      {"opt1", "0", "P=", "", false, false, false, false},
  };
  for (const auto& c : cases) {
    MarkResultsShown();
    f17()[c.option].Click();
    ui::Window& w = f17();
    EXPECT_EQ(t.dc().FenceLoadType, c.type) << c.option;
    EXPECT_EQ(w["lbl2"].Caption(), c.symbol) << c.option;
    EXPECT_EQ(w["lbl3"].Caption(), c.unit) << c.option;
    for (const char* n : {"txt3", "lbl1", "lbl2", "lbl3"}) {
      EXPECT_EQ(w[n].Visible(), c.load_box) << c.option << " " << n;
    }
    for (const char* n : {"txt4", "lbl4", "lbl5", "lbl6"}) {
      EXPECT_EQ(w[n].Visible(), c.height_box) << c.option << " " << n;
    }
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(w["LineDist" + std::to_string(i)].Visible(), c.distributed_sketch) << c.option;
    }
    EXPECT_EQ(w["LinePoint"].Visible(), c.point_sketch) << c.option;
    EXPECT_EQ(w["LinePointDim"].Visible(), c.point_sketch) << c.option;
    // Every option click invalidates the results.
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0) << c.option;
    EXPECT_FALSE(t.app.results().valid()) << c.option;
  }
}

TEST_F(FenceDialogTest, NormalAfterADistributedLoadEmptiesTheLoadAtOnce) {
  f17()["opt2"].Click();
  FillFence("1.0", "");
  t.dc().FenceP = 1.2;
  f17()["opt3"].Click();
  f17()["txt4"].SetText("0.8");
  f17()["opt1"].Click();
  EXPECT_EQ(f17()["txt3"].Text(), "");
  EXPECT_EQ(f17()["txt4"].Text(), "");
  EXPECT_EQ(t.dc().FenceP, 0);
  // Choosing the distributed load again empties the height of a point load.
  f17()["opt3"].Click();
  f17()["txt4"].SetText("0.8");
  f17()["opt2"].Click();
  EXPECT_EQ(f17()["txt4"].Text(), "");
}

TEST_F(FenceDialogTest, ComputeChecksInOrder) {
  const struct {
    const char* option;  // nullptr: none chosen
    const char* height;
    const char* position;
    const char* weight;
    const char* load;
    const char* load_height;
    const char* message;
    const char* focus;
  } cases[] = {
      {nullptr, "1", "1", "1", "", "", "常時又は短期を選択してください。", "opt1"},
      {"opt1", "", "1", "1", "", "", "フェンス、柵、塀等の高さを入力してください。", "txt1"},
      {"opt1", "1", "", "1", "", "", "フェンス、柵、塀等の位置を入力してください。", "txt2"},
      {"opt1", "1", "1", "", "", "", "フェンス、柵、塀等の自重を入力してください。", "txt5"},
      {"opt2", "1", "1", "1", "", "", "水平荷重を入力してください。", "txt3"},
      {"opt3", "1", "1", "1", "", "", "水平荷重を入力してください。", "txt3"},
      {"opt3", "1", "1", "1", "2", "", "水平荷重の位置を入力してください。", "txt4"},
  };
  for (const auto& c : cases) {
    t.app.windows().Unload(kForm17);
    ui::Window& w = f17();
    w.Show();
    if (c.option != nullptr) w[c.option].Click();
    w["txt1"].SetText(c.height);
    w["txt2"].SetText(c.position);
    w["txt5"].SetText(c.weight);
    w["txt3"].SetText(c.load);
    w["txt4"].SetText(c.load_height);
    t.platform.Clear();
    w["cmd1"].Click();
    ASSERT_EQ(t.platform.Messages().size(), 1u) << c.message;
    EXPECT_EQ(t.platform.Messages()[0].text, c.message);
    EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
    EXPECT_EQ(t.app.windows().Focused(), &w[c.focus]) << c.message;
    EXPECT_EQ(w[c.focus].SelStart(), 0);
    EXPECT_TRUE(w.Shown()) << c.message;
  }
}

TEST_F(FenceDialogTest, HiddenLoadBoxesAreNotRequired) {
  f17()["opt1"].Click();
  FillFence("", "");
  f17()["cmd1"].Click();
  EXPECT_TRUE(t.platform.Messages().empty());
  EXPECT_FALSE(f17().Shown());
  f17().Show();
  f17()["opt2"].Click();
  FillFence("1.0", "");
  f17()["cmd1"].Click();
  EXPECT_TRUE(t.platform.Messages().empty());
  EXPECT_EQ(t.dc().FenceLoadType, "1");
}

TEST_F(FenceDialogTest, ShortTermLoadForcesTheNormalCase) {
  for (const char* option : {"opt2", "opt3"}) {
    f2()["opt5"].SetValue(true);
    f2()["opt5"].SetEnabled(true);
    f2()["cmd2"].SetEnabled(true);
    f17().Show();
    f17()[option].Click();
    FillFence("1.0", "0.6");
    f17()["cmd1"].Click();
    EXPECT_FALSE(f17().Shown()) << option;
    EXPECT_TRUE(f2()["opt4"].Value()) << option;
    EXPECT_FALSE(f2()["opt5"].Value()) << option;
    EXPECT_FALSE(f2()["opt5"].Enabled()) << option;
    EXPECT_FALSE(f2()["cmd2"].Enabled()) << option;
    EXPECT_EQ(t.dc().FenceLoadType, std::string(option) == "opt2" ? "1" : "2");
  }
}

TEST_F(FenceDialogTest, NormalWithoutHorizontalLoadMakesTheSeismicCaseAvailable) {
  f2()["opt5"].SetEnabled(false);
  f2()["cmd2"].SetEnabled(false);
  f17()["opt1"].Click();
  FillFence("", "");
  f17()["cmd1"].Click();
  EXPECT_TRUE(f2()["opt5"].Enabled());
  EXPECT_TRUE(f2()["cmd2"].Enabled());
  EXPECT_TRUE(f2()["opt4"].Value());  // the load case is not changed
  EXPECT_EQ(t.dc().FenceLoadType, "0");
}

// A design calculated in the seismic case gets a fence with a wind load:
// the coefficient on the dimension window was computed for the seismic
// method, so it must not be used for the normal case the fence forces.
TEST_F(FenceDialogTest, ForcingTheNormalCaseDropsTheSeismicCoefficientAndKeepsTheDialog) {
  ui::Window& f3 = t.Form(kForm3);
  f2()["opt4"].SetValue(false);  // 地震時 was cleared by fence 有り
  f3["opt2"].SetValue(false);
  f3["txt11"].SetText("0.452");  // KAE, computed
  f3["opt2"].SetValue(true);
  f3["cmd1"].SetEnabled(false);  // method ① allows no typed coefficient
  f3["opt1"].SetEnabled(false);
  ui::Window& f20 = t.Form(kForm20);
  f20["opt_K1"].SetValue(true);
  t.dc().Cond[cond::kKh] = 0.2;
  t.dc().Cond[cond::kKv] = 0.1;
  f17()["opt2"].Click();
  FillFence("1.0", "");
  f17()["cmd1"].Click();
  EXPECT_TRUE(f2()["opt4"].Value());
  EXPECT_EQ(f3["txt11"].Text(), "");
  EXPECT_FALSE(f3["opt2"].Value());
  EXPECT_TRUE(f3["cmd1"].Enabled());
  EXPECT_TRUE(f3["opt1"].Enabled());
  // The seismic dialog keeps its method, which the normal case never reads.
  EXPECT_TRUE(t.Form(kForm20)["opt_K1"].Value());
  EXPECT_EQ(ReadSelections(t.app).seismic_method, SeismicMethod::kNone);
  EXPECT_EQ(ReadStoredSelections(t.app).seismic_method, SeismicMethod::kK1);
  EXPECT_EQ(t.dc().Cond[cond::kKh], 0);
  EXPECT_EQ(t.dc().Cond[cond::kKv], 0);
  // The calculation then asks for the coefficient again.
  ASSERT_FALSE(CheckMainInputs(t.app));
  ASSERT_FALSE(t.platform.MessageTexts().empty());
  EXPECT_EQ(t.platform.MessageTexts().back(), "主働土圧係数を入力してください。");
}

TEST_F(FenceDialogTest, ShortTermLoadInTheNormalCaseKeepsTheCoefficient) {
  ui::Window& f3 = t.Form(kForm3);
  f3["txt11"].SetText("0.297");
  t.dc().Cond[cond::kKv] = 0.1;
  ASSERT_TRUE(f2()["opt4"].Value());
  f17()["opt3"].Click();
  FillFence("2", "0.6");
  f17()["cmd1"].Click();
  EXPECT_EQ(f3["txt11"].Text(), "0.297");
  EXPECT_EQ(t.dc().Cond[cond::kKv], 0.1);
}

TEST_F(FenceDialogTest, CancelDiscardsTheEntriesAndTheLoadKind) {
  f17()["opt2"].Click();
  FillFence("1.0", "");
  ASSERT_EQ(t.dc().FenceLoadType, "1");
  f17()["cmd2"].Click();
  EXPECT_EQ(t.dc().FenceLoadType, "");
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm17));
  EXPECT_FALSE(f17()["opt2"].Value());
  EXPECT_EQ(f17()["txt1"].Text(), "");
  EXPECT_FALSE(f17()["txt3"].Visible());
}

TEST_F(FenceDialogTest, ClosingTheDialogUnconfirmedLeavesNoLoadKind) {
  // Opened modally; the user picks a load and closes the window.
  t.platform.modal_actions.push_back([](ui::Window& w) { w["opt3"].Click(); });
  f17().Hide();
  f17().ShowModal();
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm17));
  EXPECT_EQ(t.dc().FenceLoadType, "");
}

TEST_F(FenceDialogTest, ConfirmedValuesReachTheCollection) {
  f2()["opt11"].SetValue(true);
  f17().Show();
  f17()["opt2"].Click();
  FillFence("1.0", "");
  f17()["cmd1"].Click();
  Suti(t.app);
  EXPECT_EQ(t.dc().FenceH, 1.2);
  EXPECT_EQ(t.dc().FenceX, 0.3);
  EXPECT_EQ(t.dc().FenceW, 0.5);
  EXPECT_DOUBLE_EQ(t.dc().FenceP, 1.2);  // w 1.0 kN/m2 over 1.2 m
}

TEST_F(FenceDialogTest, EnterSkipsTheHiddenLoadBoxes) {
  const struct {
    const char* option;
    std::vector<const char*> order;
  } cases[] = {
      {"opt1", {"txt1", "txt2", "txt5", "cmd1"}},
      {"opt2", {"txt1", "txt2", "txt3", "txt5", "cmd1"}},
      {"opt3", {"txt1", "txt2", "txt3", "txt4", "txt5", "cmd1"}},
  };
  for (const auto& c : cases) {
    f17()[c.option].Click();
    FillFence("12", "0.6");
    for (size_t i = 0; i + 1 < c.order.size(); ++i) {
      ui::Control& box = f17()[c.order[i]];
      const std::string before = box.Text();
      box.TypeKey(ui::kKeyEnter);
      EXPECT_EQ(box.Text(), before);  // Enter is swallowed
      ui::Control& next = f17()[c.order[i + 1]];
      EXPECT_EQ(t.app.windows().Focused(), &next) << c.option << " after " << c.order[i];
      if (next.kind() == ui::ControlKind::kTextBox) {
        EXPECT_EQ(next.SelLength(), static_cast<int>(next.Text().size()));
      }
    }
  }
}

TEST_F(FenceDialogTest, ClickingOrTypingInABoxInvalidatesTheResults) {
  MarkResultsShown();
  f17()["txt1"].Click();
  EXPECT_EQ(f17()["txt1"].SelLength(), 0);  // empty box, nothing to select
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  EXPECT_FALSE(t.app.results().valid());

  // Reached with the keyboard, not a click: typing alone must invalidate.
  MarkResultsShown();
  t.app.windows().SetFocus(f17()["txt5"]);
  f17()["txt5"].Type("0.7");
  EXPECT_EQ(f17()["txt5"].Text(), "0.7");
  EXPECT_FALSE(t.app.results().valid());
  EXPECT_FALSE(t.Form(kForm11)["lbl6"].Visible());

  f17()["txt5"].SetText("0.75");
  f17()["txt5"].Click();
  EXPECT_EQ(f17()["txt5"].SelStart(), 0);
  EXPECT_EQ(f17()["txt5"].SelLength(), 4);
}

// The whole story through the design conditions window: 地震時, then a
// fence with an impact load, then the same fence without horizontal load.
TEST_F(FenceDialogTest, SeismicDesignGetsAFenceThroughTheWindows) {
  f17().Hide();
  f2()["cmd2"].Click();  // 地震時
  ASSERT_TRUE(f2()["opt5"].Value());
  f2()["opt11"].Click();  // fence 有り
  EXPECT_FALSE(f2()["opt5"].Value());
  EXPECT_FALSE(f2()["opt5"].Enabled());
  ASSERT_TRUE(f2()["cmd3"].Visible());

  t.platform.modal_actions.push_back([this](ui::Window& w) {
    w["opt3"].Click();
    FillFence("10", "1.0");
    w["cmd1"].Click();
  });
  f2()["cmd3"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm17});
  EXPECT_TRUE(f2()["opt4"].Value());
  EXPECT_FALSE(f2()["opt5"].Enabled());
  EXPECT_FALSE(f2()["cmd2"].Enabled());
  EXPECT_EQ(t.dc().FenceLoadType, "2");
  EXPECT_EQ(f17()["txt3"].Text(), "10");  // hidden, not discarded

  t.platform.modal_actions.push_back([](ui::Window& w) {
    w["opt1"].Click();
    w["cmd1"].Click();
  });
  f2()["cmd3"].Click();
  EXPECT_TRUE(f2()["opt5"].Enabled());
  EXPECT_TRUE(f2()["cmd2"].Enabled());
  EXPECT_EQ(t.dc().FenceLoadType, "0");
  EXPECT_EQ(f17()["txt3"].Text(), "");
}

}  // namespace
}  // namespace varnholt::forms
