// Section sizing from the windows: the design the calculate command
// collects is sized, and the chosen section goes back into the dimension
// window as an engineer would type it.

#include "ui/forms/sizing_bridge.h"

#include <gtest/gtest.h>

#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

std::string Verdicts(TestApp& t) {
  ui::Window& f11 = t.Form(kForm11);
  return f11["lbl7"].Caption() + f11["lbl14"].Caption() + f11["lbl17"].Caption();
}

// The user story: a wall that passes is sized down to its smallest base,
// 適用 types the base and recomputes the coefficient, every verdict stays
// O.K; one step less and a verdict is NG.
TEST(SizingBridge, AppliedSectionPassesAndOneStepLessFails) {
  TestApp t;
  t.dc().ShearKeyFlag = "0";  // as 新規作成 leaves it
  FillLevelDesign(t.app);
  t.Form(kForm12)["opt6"].Click();  // F ≥ 1.5 and e ≤ B/6
  t.Form(kForm3)["cmd2"].Click();   // 計算する
  const std::optional<sizing::DesignInput> design = DesignForSizing(t.app);
  ASSERT_TRUE(design.has_value());
  sizing::SizingRequest request;
  request.cases = {*design};
  const sizing::SizingResult result = sizing::SizeSection(request);
  ASSERT_EQ(result.outcome, sizing::SizingOutcome::kFound) << result.message;
  const sizing::Section& best = result.passing.front().section;
  ASSERT_LT(best.base.value, 4.0);

  ASSERT_TRUE(ApplySizedSection(t.app, best));
  ui::Window& f3 = t.Form(kForm3);
  EXPECT_EQ(f3["txt7"].Text(), best.base.text);
  EXPECT_EQ(f3["txt6"].Text(), "2");  // b and f were not sized
  EXPECT_TRUE(f3["opt2"].Value());
  EXPECT_EQ(t.dc().Cond[cond::kKA], std::stod(f3["txt11"].Text()));
  EXPECT_EQ(Verdicts(t), " > 1.5 ∴O.K∴O.K > 1.5 ∴O.K");
  EXPECT_EQ(t.dc().Calc[calc::kOverturnF], result.passing.front().checks[0].value);

  sizing::Section smaller = best;
  sizing::Micros b = 0;
  ASSERT_TRUE(sizing::ToMicros(best.base.value, &b));
  smaller.base.text = sizing::MicrosText(b - 10'000);
  // One step less fails a verdict, or cannot be built at all when the best
  // base is as narrow as crest width plus front projection.
  const bool buildable = best.base.value > best.crest.value + best.front.value + 1e-9;
  EXPECT_EQ(ApplySizedSection(t.app, smaller), buildable);
  if (buildable) {
    EXPECT_NE(Verdicts(t).find("NG"), std::string::npos) << Verdicts(t);
  }
}

TEST(SizingBridge, NothingIsSizedWithoutAValidCalculation) {
  TestApp t;
  FillLevelDesign(t.app);  // no overturning method chosen
  EXPECT_FALSE(DesignForSizing(t.app).has_value());
  EXPECT_EQ(t.platform.MessageTexts(),
            std::vector<std::string>{"転倒に対する検討方法を選択してください。"});
}

}  // namespace
}  // namespace varnholt::forms
