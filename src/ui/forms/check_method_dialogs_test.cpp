// The check-method dialogs as the user meets them: legends by standard,
// heading by fence load, the cohesion rule, OK and Cancel, and the
// check-method button that opens them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/collect.h"
#include "ui/forms/results.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

constexpr const char* kShortTerm = "安全性の検討方法(フェンス､柵､塀等のある場合(短期))";
constexpr const char* kSeismicHalfWidth = "安全性の検討方法(地震時)";

class CheckMethodDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { t.dc().ShearKeyFlag = "0"; }

  // Cohesion 考慮する with C typed, or しない.
  void Cohesion(const char* c) {
    ui::Window& f2 = t.Form(kForm2);
    if (c == nullptr) {
      f2["opt7"].SetValue(true);
    } else {
      f2["opt6"].SetValue(true);
      f2["txt8"].SetText(c);
    }
  }

  TestApp t;
};

TEST_F(CheckMethodDialogsTest, LegendsFollowTheStandardOnActivation) {
  struct Case {
    const char* standard;
    const char* dialog;
    const char* label5;
    const char* label6;
    const char* label7;
    const char* label2;
  };
  const Case cases[] = {
      {"opt_T", kForm12, "σmax≦feによる", "σmax：最大接地圧", "fe：地盤の許容応力度（長期)",
       nullptr},
      {"opt_D", kForm12, "ｑmax≦qaによる", "ｑmax：最大地盤反力度", "qa：地盤の許容支持力度（長期)",
       nullptr},
      {"opt_T", kForm14, "σmax≦feによる", "σmax：最大接地圧", "fe：地盤の許容応力度(短期)",
       "(長期の２倍)"},
      {"opt_D", kForm14, "ｑmax≦qaによる", "ｑmax：最大地盤反力度", "qa：地盤の許容支持力度(短期)",
       "(長期の１.５倍)"},
  };
  for (const Case& c : cases) {
    t.Form(kForm2)[c.standard].SetValue(true);
    ui::Window& w = t.Form(c.dialog);
    w.Activate();
    EXPECT_EQ(w["Label5"].Caption(), c.label5) << c.dialog << c.standard;
    EXPECT_EQ(w["Label6"].Caption(), c.label6) << c.dialog << c.standard;
    EXPECT_EQ(w["Label7"].Caption(), c.label7) << c.dialog << c.standard;
    if (c.label2 != nullptr) {
      EXPECT_EQ(w["Label2"].Caption(), c.label2);
    }
  }
  // Form12's own heading is fixed.
  EXPECT_EQ(t.Form(kForm12)["Label1"].Caption(), "安全性の検討方法（常時）");
}

TEST_F(CheckMethodDialogsTest, Form14HeadingFollowsTheFenceLoad) {
  const std::pair<const char*, const char*> cases[] = {
      {"", kSeismicHalfWidth}, {"0", kSeismicHalfWidth}, {"1", kShortTerm}, {"2", kShortTerm}};
  for (const auto& [type, heading] : cases) {
    t.dc().FenceLoadType = type;
    t.Form(kForm14).Activate();
    EXPECT_EQ(t.Form(kForm14)["Label1"].Caption(), heading) << type;
  }
}

TEST_F(CheckMethodDialogsTest, DeductionChoiceIsOfferedOnlyWithCohesion) {
  struct Case {
    const char* dialog;
    const char* deduct;
    const char* no_deduct;
  };
  for (const Case& c : {Case{kForm12, "opt4", "opt5"}, Case{kForm14, "opt7", "opt8"}}) {
    ui::Window& w = t.Form(c.dialog);
    Cohesion("10");
    w.Activate();
    EXPECT_TRUE(w["lbl1"].Enabled()) << c.dialog;
    EXPECT_TRUE(w[c.deduct].Enabled()) << c.dialog;
    w[c.no_deduct].Click();
    ASSERT_TRUE(w[c.no_deduct].Value());

    // C = 0 clears and disables the choice.
    Cohesion("0");
    w.Activate();
    EXPECT_FALSE(w["lbl1"].Enabled()) << c.dialog;
    EXPECT_FALSE(w[c.deduct].Enabled()) << c.dialog;
    EXPECT_FALSE(w[c.no_deduct].Enabled()) << c.dialog;
    EXPECT_FALSE(w[c.no_deduct].Value()) << c.dialog;
  }
}

TEST_F(CheckMethodDialogsTest, CohesionLeftInTheBoxCountsAsZeroWhileNotConsidered) {
  // The user typed C, then chose しない: the box may still hold a number,
  // but the design takes C as 0, so the dialog does not offer the choice.
  ui::Window& f2 = t.Form(kForm2);
  f2["opt6"].SetValue(true);
  f2["txt8"].SetText("15");
  f2["opt7"].SetValue(false);
  f2["opt7"].SetValue(true);
  f2["txt8"].SetText("15");
  EXPECT_EQ(WindowCohesion(t.app), 0);
  ui::Window& w = t.Form(kForm12);
  w.Activate();
  EXPECT_FALSE(w["opt4"].Enabled());
  // OK then needs no deduction choice.
  w.Show();
  w["opt1"].Click();
  w["cmd1"].Click();
  EXPECT_TRUE(t.platform.Messages().empty());
  EXPECT_FALSE(w.Shown());
}

TEST_F(CheckMethodDialogsTest, Form12OkChecksItsGroupsInOrder) {
  Cohesion("10");
  ui::Window& w = t.Form(kForm12);
  w.Show();
  w["cmd1"].Click();
  w["opt6"].Click();
  w["cmd1"].Click();
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法をチェックして下さい。",
                                      "底版の有効載荷面積に対する検討方法をチェックして下さい。"}));
  for (const auto& m : t.platform.Messages()) EXPECT_EQ(m.title, "エラーメッセージ");
  EXPECT_TRUE(w.Shown());
  w["opt4"].Click();
  w["cmd1"].Click();
  EXPECT_FALSE(w.Shown());
  EXPECT_TRUE(t.app.windows().IsLoaded(kForm12));  // hidden, choices kept
  EXPECT_TRUE(w["opt6"].Value());
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm11)["cmd1"]);
}

TEST_F(CheckMethodDialogsTest, Form14OkChecksItsGroupsInOrder) {
  Cohesion("10");
  ui::Window& w = t.Form(kForm14);
  w.Show();
  w["cmd1"].Click();
  w["opt10"].Click();
  w["cmd1"].Click();
  w["opt6"].Click();
  w["cmd1"].Click();
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法をチェックして下さい。",
                                      "滑動に対する検討方法をチェックして下さい。",
                                      "底版の有効載荷面積に対する検討方法をチェックして下さい。"}));
  EXPECT_TRUE(w.Shown());
  w["opt7"].Click();
  w["cmd1"].Click();
  EXPECT_FALSE(w.Shown());
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm11)["cmd1"]);
}

TEST_F(CheckMethodDialogsTest, CancelHidesAndKeepsTheChoices) {
  for (const char* name : {kForm12, kForm14}) {
    ui::Window& w = t.Form(name);
    w.Show();
    w["opt2"].Click();
    w["cmd2"].Click();
    EXPECT_FALSE(w.Shown()) << name;
    EXPECT_TRUE(w["opt2"].Value()) << name;
    EXPECT_TRUE(t.platform.Messages().empty());
    EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm11)["cmd1"]);
  }
}

TEST_F(CheckMethodDialogsTest, EveryOptionClickInvalidatesTheResults) {
  const std::pair<const char*, std::vector<const char*>> dialogs[] = {
      {kForm12, {"opt1", "opt2", "opt3", "opt6", "opt4", "opt5"}},
      {kForm14, {"opt1", "opt2", "opt3", "opt4", "opt9", "opt10", "opt5", "opt6", "opt7", "opt8"}}};
  for (const auto& [dialog, options] : dialogs) {
    for (const char* o : options) {
      t.app.results().ShowResults();
      t.dc().Calc[calc::kSlidingF] = 1.7;
      t.Form(kForm11)["lbl6"].SetVisible(true);
      t.Form(kMDIForm1)[ToolButtonName(5)].SetEnabled(true);
      t.Form(dialog)[o].Click();
      EXPECT_FALSE(t.app.results().valid()) << dialog << o;
      EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0) << dialog << o;
      EXPECT_FALSE(t.Form(kForm11)["lbl6"].Visible()) << dialog << o;
      EXPECT_FALSE(t.Form(kMDIForm1)[ToolButtonName(5)].Enabled()) << dialog << o;
    }
  }
}

// ------------------------------------------------------------ the button

class CheckMethodCommandTest : public CheckMethodDialogsTest {
 protected:
  // Records the dialog shown and its heading and note as the user sees them.
  void Watch() {
    t.platform.modal_actions.push_back([this](ui::Window& w) {
      shown = w.name();
      if (w.Has("Label10")) note_visible = w["Label10"].Visible();
      heading = w["Label1"].Caption();
      if (w.Has("cmd2")) w["cmd2"].Click();
    });
  }
  std::string shown;
  std::string heading;
  bool note_visible = false;
};

TEST_F(CheckMethodCommandTest, WithoutFenceOpensTheDialogOfTheLoadCase) {
  Watch();
  CheckMethodCommand(t.app);
  EXPECT_EQ(shown, kForm12);
  EXPECT_EQ(heading, "安全性の検討方法（常時）");
  EXPECT_TRUE(note_visible);

  t.Form(kForm2)["opt5"].SetValue(true);
  t.Form(kForm2)["opt_D"].SetValue(true);
  Watch();
  CheckMethodCommand(t.app);
  EXPECT_EQ(shown, kForm14);
  // The activation rewrites the heading with half-width parentheses.
  EXPECT_EQ(heading, kSeismicHalfWidth);
  EXPECT_FALSE(note_visible);  // the key note belongs to 宅地造成
}

TEST_F(CheckMethodCommandTest, FenceWithoutALoadKindAsksForIt) {
  ui::Window& f2 = t.Form(kForm2);
  f2["opt11"].SetValue(true);
  t.Form(kForm17);  // the fence dialog with nothing chosen
  CheckMethodCommand(t.app);
  EXPECT_EQ(t.platform.MessageTexts(),
            std::vector<std::string>{"常時又は短期を選択してください。"});
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm17});
}

TEST_F(CheckMethodCommandTest, FenceLoadChoosesTheDialog) {
  struct Case {
    const char* fence_option;  // of Form17
    const char* type;
    bool seismic;
    const char* dialog;  // empty: nothing shown
    const char* heading;
  };
  const Case cases[] = {
      {"opt1", "0", false, kForm12, "安全性の検討方法（常時）"},
      {"opt1", "0", true, kForm14, kSeismicHalfWidth},
      {"opt2", "1", false, kForm14, kShortTerm},
      {"opt3", "2", false, kForm14, kShortTerm},
      {"opt2", "", false, "", ""},
  };
  for (const Case& c : cases) {
    TestApp app;
    app.dc().ShearKeyFlag = "0";
    ui::Window& f2 = app.Form(kForm2);
    f2["opt11"].SetValue(true);
    if (c.seismic) f2["opt5"].SetValue(true);
    app.Form(kForm17)[c.fence_option].SetValue(true);
    app.dc().FenceLoadType = c.type;
    std::string shown, heading;
    app.platform.modal_actions.push_back([&](ui::Window& w) {
      shown = w.name();
      heading = w["Label1"].Caption();
    });
    CheckMethodCommand(app.app);
    EXPECT_EQ(shown, c.dialog) << c.type << c.seismic;
    EXPECT_EQ(heading, c.heading) << c.type << c.seismic;
    EXPECT_TRUE(app.platform.Messages().empty());
  }
}

TEST_F(CheckMethodCommandTest, TakesCohesionFromTheWindow) {
  FillLevelDesign(t.app);
  Cohesion("12.5");
  CheckMethodCommand(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kCohesion], 12.5);
  Cohesion(nullptr);
  t.Form(kForm2)["txt8"].SetText("12.5");
  CheckMethodCommand(t.app);
  EXPECT_EQ(t.dc().Cond[cond::kCohesion], 0);
}

}  // namespace
}  // namespace varnholt::forms
