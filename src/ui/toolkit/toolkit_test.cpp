#include "ui/toolkit/toolkit.h"

#include <gtest/gtest.h>

#include "ui/toolkit/scripted_platform.h"

namespace varnholt::ui {
namespace {

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    system.Register("FormA", [this](Window& w) {
      ++loads;
      w.SetCaption("A");
      w.Add("txt1", ControlKind::kTextBox).SetText("default");
      w.Add("opt1", ControlKind::kOption).SetValue(true);
      w.Add("opt2", ControlKind::kOption);
      w.Add("Frame1", ControlKind::kFrame);
      w.Add("opt3", ControlKind::kOption, "Frame1").SetValue(true);
      w.Add("opt4", ControlKind::kOption, "Frame1");
      w.Add("chk1", ControlKind::kCheckBox);
      w["opt2"].on_click = [this] { clicks.push_back("opt2"); };
      w["opt1"].on_click = [this] { clicks.push_back("opt1"); };
      w["chk1"].on_click = [this] { clicks.push_back("chk1"); };
      w["txt1"].on_gotfocus = [&w] { w["txt1"].SelectAll(); };
      w.on_load = [this] { clicks.push_back("load"); };
      w.on_unload = [this] { clicks.push_back("unload"); };
    });
    system.Register("Dialog", [this](Window& w) {
      w.is_dialog = true;
      w.Add("cmdOK", ControlKind::kButton).on_click = [this, &w] {
        clicks.push_back("ok");
        w.Unload();
      };
    });
  }

  ScriptedPlatform platform;
  WindowSystem system{platform};
  int loads = 0;
  std::vector<std::string> clicks;
};

TEST_F(ToolkitTest, LoadsOnFirstUseWithDefaultsAndHidden) {
  EXPECT_FALSE(system.IsLoaded("FormA"));
  Window& a = system.Get("FormA");
  EXPECT_TRUE(system.IsLoaded("FormA"));
  EXPECT_FALSE(a.Shown());
  EXPECT_EQ(a["txt1"].Text(), "default");
  EXPECT_EQ(loads, 1);
  system.Get("FormA");
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(clicks.back(), "load");
}

TEST_F(ToolkitTest, HiddenWindowKeepsStateAndUnloadResets) {
  Window& a = system.Get("FormA");
  a.Show();
  a["txt1"].SetText("typed");
  a["opt2"].SetValue(true);
  a.Hide();
  EXPECT_EQ(system.Get("FormA")["txt1"].Text(), "typed");
  system.Unload("FormA");
  EXPECT_EQ(clicks.back(), "unload");
  EXPECT_FALSE(system.IsLoaded("FormA"));
  Window& again = system.Get("FormA");
  EXPECT_EQ(again["txt1"].Text(), "default");
  EXPECT_TRUE(again["opt1"].Value());
  EXPECT_FALSE(again["opt2"].Value());
  EXPECT_EQ(loads, 2);
}

TEST_F(ToolkitTest, OptionGroupsArePerContainer) {
  Window& a = system.Get("FormA");
  a["opt2"].SetValue(true);
  EXPECT_FALSE(a["opt1"].Value());
  EXPECT_TRUE(a["opt2"].Value());
  // The frame's group is untouched.
  EXPECT_TRUE(a["opt3"].Value());
  a["opt4"].SetValue(true);
  EXPECT_FALSE(a["opt3"].Value());
  EXPECT_FALSE(a["opt2"].Value() == false);
}

TEST_F(ToolkitTest, SettingAnOptionTrueRunsItsClickEvenWhenAlreadySet) {
  Window& a = system.Get("FormA");
  clicks.clear();
  a["opt2"].SetValue(true);
  a["opt2"].SetValue(true);
  a["opt2"].SetValue(false);
  EXPECT_EQ(clicks, (std::vector<std::string>{"opt2", "opt2"}));
  EXPECT_FALSE(a["opt2"].Value());
  EXPECT_FALSE(a["opt1"].Value());  // clearing selects nothing else
}

TEST_F(ToolkitTest, CheckBoxClickRunsOnChangeOnly) {
  Window& a = system.Get("FormA");
  clicks.clear();
  a["chk1"].SetCheckValue(1);
  a["chk1"].SetCheckValue(1);
  a["chk1"].SetCheckValue(0);
  EXPECT_EQ(clicks, (std::vector<std::string>{"chk1", "chk1"}));
}

TEST_F(ToolkitTest, DisabledControlIgnoresUserClicks) {
  Window& a = system.Get("FormA");
  a["opt2"].SetEnabled(false);
  clicks.clear();
  a["opt2"].Click();
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(a["opt2"].Value());
}

TEST_F(ToolkitTest, FocusRunsGotFocusAndSelStartCollapsesSelection) {
  Window& a = system.Get("FormA");
  system.SetFocus(a["txt1"]);
  EXPECT_EQ(system.Focused(), &a["txt1"]);
  EXPECT_EQ(a["txt1"].SelStart(), 0);
  EXPECT_EQ(a["txt1"].SelLength(), 7);
  a["txt1"].SetSelStart(0);
  EXPECT_EQ(a["txt1"].SelLength(), 0);
}

TEST_F(ToolkitTest, TypingReplacesTheSelectionAndHonoursSwallowedKeys) {
  Window& a = system.Get("FormA");
  int enters = 0;
  a["txt1"].on_keypress = [&](int& key) {
    if (key == kKeyEnter) {
      ++enters;
      key = 0;
    }
  };
  a["txt1"].Click();  // focus selects all
  a["txt1"].Type("12.5");
  EXPECT_EQ(a["txt1"].Text(), "12.5");
  a["txt1"].TypeKey(kKeyEnter);
  EXPECT_EQ(a["txt1"].Text(), "12.5");
  EXPECT_EQ(enters, 1);
  a["txt1"].TypeKey(8);
  EXPECT_EQ(a["txt1"].Text(), "12.");
  a["txt1"].Type("築");
  EXPECT_EQ(a["txt1"].Text(), "12.築");
  a["txt1"].TypeKey(8);
  EXPECT_EQ(a["txt1"].Text(), "12.");
}

TEST_F(ToolkitTest, ModalDialogRunsScriptAndMayUnloadItself) {
  platform.modal_actions.push_back([](Window& w) { w["cmdOK"].Click(); });
  system.Get("Dialog").ShowModal();
  EXPECT_EQ(platform.ModalWindows(), (std::vector<std::string>{"Dialog"}));
  EXPECT_EQ(clicks.back(), "ok");
  EXPECT_FALSE(system.IsLoaded("Dialog"));
}

TEST_F(ToolkitTest, ModalDialogLeftOpenIsClosedLikeTheCloseBox) {
  system.Get("Dialog").ShowModal();
  EXPECT_FALSE(system.IsLoaded("Dialog"));
}

TEST_F(ToolkitTest, QueryUnloadCanRefuse) {
  Window& a = system.Get("FormA");
  a.on_query_unload = [](bool& cancel) { cancel = true; };
  EXPECT_FALSE(system.Unload("FormA"));
  EXPECT_TRUE(system.IsLoaded("FormA"));
}

TEST_F(ToolkitTest, MessageBoxDefaultsToTheProgramTitle) {
  EXPECT_EQ(MsgBox(platform, "本当に終了しますか？", MsgButtons::kYesNo, MsgIcon::kQuestion, 2),
            MsgResult::kYes);
  platform.answers.push_back(MsgResult::kNo);
  EXPECT_EQ(MsgBox(platform, "x", MsgButtons::kYesNo), MsgResult::kNo);
  auto m = platform.Messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].title, "Varnholt");
  EXPECT_EQ(m[0].default_button, 2);
  EXPECT_EQ(m[0].icon, MsgIcon::kQuestion);
}

class RecordingObserver : public WindowObserver {
 public:
  void ControlChanged(Control& c) override { changed.push_back(c.name()); }
  void WindowShown(Window& w) override { shown.push_back(w.name()); }
  std::vector<std::string> changed, shown;
};

TEST_F(ToolkitTest, ObserversSeeChanges) {
  RecordingObserver obs;
  system.AddObserver(&obs);
  Window& a = system.Get("FormA");
  obs.changed.clear();
  a["txt1"].SetEnabled(false);
  a.Show();
  EXPECT_EQ(obs.changed, (std::vector<std::string>{"txt1"}));
  EXPECT_EQ(obs.shown, (std::vector<std::string>{"FormA"}));
  system.RemoveObserver(&obs);
}

}  // namespace
}  // namespace varnholt::ui
