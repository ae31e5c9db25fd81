// Tab moves through every input window in the order Enter does.
#include <gtest/gtest.h>

#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::Focused;
using testing::TestApp;

struct TabRow {
  const char* window;
  const char* shape;  // the ground-shape option of Form2 clicked first
  const char* value;  // typed into every box before Enter is pressed
};

// Each row: wherever Enter stays in the window, it goes to the next control
// of the Tab order that can take the focus.
const TabRow kRows[] = {
    {kForm2, "opt1", "20"},   {kForm3, "opt1", "1.5"},  {kForm3, "opt2", "1.5"},
    {kForm16, "opt3", "1.5"}, {kForm17, "opt1", "1.5"}, {kForm20, "opt1", "0.2"},
    {kForm15, "opt1", "1.5"}, {kForm19, "opt1", "1.5"},
};

bool TakesFocus(const ui::Control& c) { return c.Visible() && c.Enabled(); }

TEST(TabOrder, FollowsEnterInEveryInputWindow) {
  for (const TabRow& row : kRows) {
    SCOPED_TRACE(std::string(row.window) + " " + row.shape);
    TestApp t;
    t.Form(kForm2)[row.shape].Click();
    ui::Window& w = t.Form(row.window);
    if (row.window == std::string(kForm17)) w["opt2"].Click();  // distributed: w shown
    const std::vector<ui::Control*>& order = w.TabOrder();
    ASSERT_GE(order.size(), 3u);
    for (ui::Control* c : order) {
      if (c->kind() == ui::ControlKind::kTextBox) c->SetText(row.value);
    }
    int moves = 0;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
      ui::Control& from = *order[i];
      const bool box =
          from.kind() == ui::ControlKind::kTextBox || from.kind() == ui::ControlKind::kComboBox;
      if (!box || !TakesFocus(from)) continue;
      std::size_t next = i + 1;
      while (next < order.size() && !TakesFocus(*order[next])) ++next;
      t.app.windows().SetFocus(from);
      from.TypeKey(ui::kKeyEnter);
      if (next == order.size() || &Focused(t)->window() != &w) continue;
      EXPECT_EQ(Focused(t), order[next]) << from.name() << " → " << Focused(t)->name();
      ++moves;
    }
    EXPECT_GE(moves, 2);
  }
}

}  // namespace
}  // namespace varnholt::forms
