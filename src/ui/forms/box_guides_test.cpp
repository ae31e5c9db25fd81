// Every input box of every window says what it is.

#include <gtest/gtest.h>

#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::TestApp;

TEST(BoxGuidesTest, EveryInputBoxOfEveryWindowHasItsGuide) {
  TestApp t;
  int boxes = 0;
  for (const std::string& name : t.app.windows().RegisteredWindows()) {
    ui::Window& w = t.Form(name);
    for (const auto& c : w.controls()) {
      if (c->kind() != ui::ControlKind::kTextBox && c->kind() != ui::ControlKind::kComboBox) {
        continue;
      }
      ++boxes;
      EXPECT_FALSE(c->tool_tip.empty()) << name << "." << c->name();
    }
  }
  EXPECT_EQ(boxes, 48);
  // The guide names the quantity with its unit, and the range of the
  // reference tables where they give one.
  EXPECT_EQ(Conditions(t.app).gamma_text->tool_tip, "土の単位体積重量 γ (kN/m³)、参考表 14〜20");
  EXPECT_EQ(RaisedDimensions(t.app).crest_width_text->tool_tip, "天端幅 b (m)");
}

}  // namespace
}  // namespace varnholt::forms
