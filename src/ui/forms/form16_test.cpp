// Scenario tests of the dimension window for raised soil (嵩上げ土).

#include <gtest/gtest.h>

#include <string>

#include "ui/forms/collect.h"
#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::AllSelected;
using testing::Focused;
using testing::PretendCalculated;
using testing::ResultsHidden;
using testing::TestApp;

class Form16Test : public ::testing::Test {
 protected:
  void SetUp() override { t.Form(kForm2)["opt3"].Click(); }
  ui::Window& f16() { return t.Form(kForm16); }
  TestApp t;
};

TEST_F(Form16Test, SlopeSurchargeOptionsShowTheLoadOnTheSlope) {
  struct Case {
    const char* option;
    bool shown;
  };
  ASSERT_TRUE(f16()["opt2"].Value());
  for (const Case& c : {Case{"opt1", true}, Case{"opt2", false}, Case{"opt1", true}}) {
    SCOPED_TRACE(c.option);
    PretendCalculated(t);
    f16()[c.option].Click();
    for (int i = 58; i <= 66; ++i) {
      EXPECT_EQ(f16()["Line" + std::to_string(i)].Visible(), c.shown) << i;
    }
    EXPECT_TRUE(ResultsHidden(t));
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  }
  EXPECT_EQ(ReadSelections(t.app).slope_surcharge, SlopeSurcharge::kWith);
}

TEST_F(Form16Test, EnterFollowsTheDrawingToTheMethodButton) {
  // §, mark, q, f, b, ho, crest height, β, h, embedment, B.
  const char* order[] = {"txt1", "txt2",  "txt9", "txt8", "txt6", "txt11",
                         "txt5", "txt10", "txt3", "txt4", "txt7"};
  for (const char* box : order) f16()[box].SetText("1.5");
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(order[i]);
    ui::Control& from = f16()[order[i]];
    from.Click();
    from.TypeKey(ui::kKeyEnter);
    EXPECT_EQ(from.Text(), "1.5");
    if (i + 1 < 11) {
      ui::Control& to = f16()[order[i + 1]];
      EXPECT_EQ(Focused(t), &to);
      EXPECT_TRUE(AllSelected(to));
    } else {
      EXPECT_EQ(Focused(t), &t.Form(kForm11)["cmd2"]);
    }
  }
}

// Unlike Form3, every box here invalidates, the title boxes included.
TEST_F(Form16Test, EveryBoxInvalidatesOnClickAndKey) {
  for (const char* box :
       {"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt10", "txt11"}) {
    SCOPED_TRACE(box);
    PretendCalculated(t);
    f16()[box].Click();
    EXPECT_TRUE(ResultsHidden(t));
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
    PretendCalculated(t);
    f16()[box].TypeKey('2');
    EXPECT_TRUE(ResultsHidden(t));
  }
  // Form3 was closed by the shape and stays closed.
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm3));
}

TEST_F(Form16Test, TextIsSelectedOnFocusAndFromTheEleventhCharacterOnDoubleClick) {
  ui::Control& h0 = f16()["txt11"];
  h0.SetText("1.25");
  t.app.windows().SetFocus(h0);
  EXPECT_TRUE(AllSelected(h0));
  f16()["txt2"].SetText("W-2 (south side)");
  f16()["txt2"].DblClick();
  EXPECT_EQ(f16()["txt2"].SelStart(), 10);
  EXPECT_EQ(f16()["txt2"].SelLength(), 6);
}

TEST_F(Form16Test, ShearKeyOptionsSetTheFlagAndTheButton) {
  t.Form(kForm15)["txt1"].SetText("0.4");
  PretendCalculated(t);
  f16()["opt6"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  EXPECT_TRUE(f16()["cmd3"].Visible());
  EXPECT_TRUE(ResultsHidden(t));
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], testing::kPretendFs);
  EXPECT_EQ(ReadSelections(t.app).shear_key, ShearKeyOption::kWith);

  f16()["opt5"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_FALSE(f16()["cmd3"].Visible());
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm15));
}

// A dimension window that is not the one in use cannot change the flag.
TEST(Form16NotInUse, ShearKeyOptionLeavesTheFlagOfForm3Alone) {
  TestApp t;
  t.Form(kForm3)["opt6"].Click();
  ASSERT_EQ(t.dc().ShearKeyFlag, "1");
  t.Form(kForm16)["opt5"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "1");
  t.Form(kForm3)["opt5"].Click();
  t.Form(kForm16)["opt6"].Click();
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
}

TEST_F(Form16Test, RaisedSoilDesignPassesTheCompletenessCheckAndCollects) {
  testing::FillLevelDesign(t.app);  // Form2's boxes; Form3's are not used
  const char* boxes[] = {"txt1", "txt2", "txt3", "txt4",  "txt5", "txt6",
                         "txt7", "txt8", "txt9", "txt10", "txt11"};
  const char* values[] = {"3", "W-3", "4", "1", "0.5", "2", "4", "1", "10", "30", "1.5"};
  for (int i = 0; i < 11; ++i) {
    f16()[boxes[i]].Click();
    f16()[boxes[i]].Type(values[i]);
  }
  ASSERT_TRUE(t.app.windows().IsLoaded(kForm3));  // FillLevelDesign loaded it
  EXPECT_TRUE(CheckMainInputs(t.app));
  Suti(t.app);
  EXPECT_EQ(t.dc().SectionNo, "3");
  EXPECT_EQ(t.dc().WallMark, "W-3");
  EXPECT_EQ(t.dc().Calc[calc::kH], 5);
  EXPECT_EQ(t.dc().Cond[cond::kBeta], 30);
  EXPECT_EQ(t.dc().Calc[calc::kH0], 1.5);
}

}  // namespace
}  // namespace varnholt::forms
