// The main window as a user meets it: the File menu's enabling, the
// toolbar, the reference tables, the version window and ending the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/forms/results.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = &t.Form(kMDIForm1);
    auto record = [this](const char* name) { return [this, name] { ran.push_back(name); }; };
    App::Commands& c = t.app.commands;
    c.file_new = record("new");
    c.file_open = record("open");
    c.file_close = record("close");
    c.file_update = record("update");
    c.file_save_as = record("save_as");
    c.file_image = record("image");
    c.file_print = record("print");
    c.quit = record("quit");
  }

  // Opens the File menu and reports which of the four result items are enabled.
  std::vector<bool> FileMenu() {
    (*main)["Men_F"].Click();
    std::vector<bool> out;
    for (const char* n : {"Men_FOvw", "Men_FSav", "Men_FImg", "Men_FPrn"}) {
      out.push_back((*main)[n].Enabled());
    }
    return out;
  }

  std::vector<bool> ToolButtons() {
    std::vector<bool> out;
    for (int i : {3, 5, 6}) out.push_back((*main)[ToolButtonName(i)].Enabled());
    return out;
  }

  // A complete level design with its check method chosen, calculated.
  void Calculate() {
    FillLevelDesign(t.app);
    t.dc().ShearKeyFlag = "0";
    t.Form(kForm12)["opt1"].SetValue(true);
    CalculateCommand(t.app);
  }

  TestApp t;
  ui::Window* main = nullptr;
  std::vector<std::string> ran;
};

TEST_F(MainWindowTest, StartsShownWithNothingToSaveOrPrint) {
  EXPECT_TRUE(main->Shown());
  EXPECT_EQ(main->Caption(), "Varnholt");
  EXPECT_EQ(FileMenu(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(ToolButtons(), (std::vector<bool>{false, false, false}));
  for (const char* n : {"Men_FNew", "Men_FOpn", "Men_FCls", "Men_FEnd"}) {
    EXPECT_TRUE((*main)[n].Enabled()) << n;
  }
}

TEST_F(MainWindowTest, FileMenuSavesAnyOpenDesignAndPrintsOnlyResults) {
  Calculate();
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  // A new project that was never saved: 上書き保存 asks for a name.
  EXPECT_EQ(FileMenu(), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(ToolButtons(), (std::vector<bool>{true, true, true}));

  // Any edit takes the results away again (here a change of check method);
  // the inputs can still be saved.
  t.Form(kForm12)["opt2"].Click();
  EXPECT_EQ(FileMenu(), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(ToolButtons(), (std::vector<bool>{true, false, false}));

  // So does typing into the design conditions after a new calculation.
  CalculateCommand(t.app);
  ASSERT_EQ(FileMenu(), (std::vector<bool>{true, true, true, true}));
  t.Form(kForm2)["txt3"].Click();
  t.Form(kForm2)["txt3"].Type("250");
  EXPECT_EQ(FileMenu(), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(ToolButtons(), (std::vector<bool>{true, false, false}));
  EXPECT_FALSE(t.Form(kForm11)["lbl6"].Visible());

  // Without a design there is nothing to save.
  t.app.windows().Unload(kForm2);
  t.app.results().Reset();
  EXPECT_EQ(FileMenu(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(ToolButtons(), (std::vector<bool>{false, false, false}));
}

TEST_F(MainWindowTest, ValidityIsItsOwnFlagNotTheSlidingFactor) {
  // A calculation whose sliding factor is not computed (road standard with a
  // key) still counts; a zero factor left over from an edit does not matter.
  t.app.results().ShowResults();
  t.dc().Calc[calc::kSlidingF] = 0;
  EXPECT_EQ(FileMenu(), (std::vector<bool>{false, false, true, true}));
  t.app.results().ClearResults();
  EXPECT_EQ(FileMenu(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(MainWindowTest, MenuItemsAndToolbarDispatchToTheirCommands) {
  struct Case {
    const char* item;
    const char* command;
  };
  const Case cases[] = {
      {"Men_FNew", "new"},    {"Men_FOpn", "open"},    {"Men_FCls", "close"},
      {"Men_FOvw", "update"}, {"Men_FSav", "save_as"}, {"Men_FImg", "image"},
  };
  for (const Case& c : cases) {
    ran.clear();
    (*main)[c.item].Click();
    EXPECT_EQ(ran, std::vector<std::string>{c.command}) << c.item;
  }

  for (int i : {3, 5, 6}) (*main)[ToolButtonName(i)].SetEnabled(true);
  const std::vector<std::pair<int, std::string>> buttons = {
      {1, "new"}, {2, "open"}, {3, "update"}, {5, "image"}};
  for (const auto& [index, command] : buttons) {
    ran.clear();
    (*main)[ToolButtonName(index)].Click();
    EXPECT_EQ(ran, std::vector<std::string>{command}) << index;
  }
  ran.clear();
  (*main)[ToolButtonName(4)].Click();
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(t.platform.ModalWindows().empty());
}

TEST_F(MainWindowTest, PrintOpensThePrintRangeDialogModally) {
  (*main)[ToolButtonName(6)].SetEnabled(true);
  (*main)[ToolButtonName(6)].Click();
  (*main)["Men_FPrn"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{kForm10, kForm10}));
  EXPECT_TRUE(ran.empty());  // printing starts only from the dialog's OK
}

TEST_F(MainWindowTest, ReferenceTablesFollowTheStandardAndLockTheMenus) {
  struct Case {
    const char* standard;
    const char* window;
    const char* other;
  };
  for (const Case& c : {Case{"opt_T", kForm7, kForm18}, Case{"opt_D", kForm18, kForm7}}) {
    t.Form(kForm2)[c.standard].SetValue(true);
    (*main)["Men_S"].Click();
    ASSERT_TRUE(t.app.windows().IsLoaded(c.window)) << c.window;
    ui::Window& ref = t.Form(c.window);
    EXPECT_TRUE(ref.Shown());
    EXPECT_FALSE(ref.Modal());
    EXPECT_EQ(ref.Left(), 0);
    EXPECT_EQ(ref.Top(), 0);
    EXPECT_FALSE(t.app.windows().IsLoaded(c.other));
    EXPECT_FALSE((*main)["Men_F"].Enabled());
    EXPECT_FALSE((*main)["Men_S"].Enabled());
    EXPECT_FALSE((*main)["Toolbar1"].Visible());
    // While it is open, 参考 cannot be used again.
    (*main)["Men_S"].Click();
    EXPECT_EQ(t.app.windows().IsLoaded(c.other), false);

    ref["cmd1"].Click();
    EXPECT_FALSE(t.app.windows().IsLoaded(c.window));
    EXPECT_TRUE((*main)["Men_F"].Enabled());
    EXPECT_TRUE((*main)["Men_S"].Enabled());
    EXPECT_TRUE((*main)["Toolbar1"].Visible());
  }
}

TEST_F(MainWindowTest, ClosingAReferenceWindowByItsCloseBoxAlsoRestoresTheMenus) {
  (*main)["Men_S"].Click();
  ASSERT_FALSE((*main)["Men_F"].Enabled());
  t.app.windows().Unload(kForm7);
  EXPECT_TRUE((*main)["Men_F"].Enabled());
  EXPECT_TRUE((*main)["Men_S"].Enabled());
  EXPECT_TRUE((*main)["Toolbar1"].Visible());
}

TEST_F(MainWindowTest, VersionWindowIsOneModelessWindow) {
  (*main)["Men_HVer"].Click();
  (*main)["Men_HVer"].Click();
  ui::Window& v = t.Form(kForm6);
  EXPECT_TRUE(v.Shown());
  EXPECT_FALSE(v.Modal());
  EXPECT_EQ(v.Caption(), "バージョン情報");
  EXPECT_EQ(v["Label1"].Caption(), "Varnholt Version 3.50");
  EXPECT_EQ(v["cmd1"].Caption(), "ＯＫ");
  std::vector<std::string> loaded = t.app.windows().LoadedWindows();
  EXPECT_EQ(std::count(loaded.begin(), loaded.end(), std::string(kForm6)), 1);
  v["cmd1"].Click();
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm6));
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksFirst) {
  FillLevelDesign(t.app);
  t.platform.answers.push_back(ui::MsgResult::kNo);
  EXPECT_FALSE(t.app.windows().Unload(kMDIForm1));
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  const ui::MessageBoxRequest m = t.platform.Messages()[0];
  EXPECT_EQ(m.text, "終了してもよろしいですか?");
  EXPECT_EQ(m.buttons, ui::MsgButtons::kYesNo);
  EXPECT_EQ(m.title, "Varnholt");
  EXPECT_TRUE(ran.empty());
  // Answering No keeps everything as it was.
  EXPECT_TRUE(t.app.windows().IsLoaded(kMDIForm1));
  EXPECT_EQ(t.Form(kForm2)["txt1"].Text(), "横浜市");

  t.platform.answers.push_back(ui::MsgResult::kYes);
  EXPECT_TRUE(t.app.windows().Unload(kMDIForm1));
  EXPECT_EQ(ran, std::vector<std::string>{"quit"});
}

TEST_F(MainWindowTest, ExitMenuAsksItsOwnQuestion) {
  t.platform.answers.push_back(ui::MsgResult::kNo);
  (*main)["Men_FEnd"].Click();
  EXPECT_TRUE(ran.empty());
  t.platform.answers.push_back(ui::MsgResult::kYes);
  (*main)["Men_FEnd"].Click();
  EXPECT_EQ(ran, std::vector<std::string>{"quit"});
  ASSERT_EQ(t.platform.Messages().size(), 2u);
  for (const ui::MessageBoxRequest& m : t.platform.Messages()) {
    EXPECT_EQ(m.text, "終了してもよろしいですか？");
    EXPECT_EQ(m.title, "確認");
    EXPECT_EQ(m.buttons, ui::MsgButtons::kYesNo);
    EXPECT_EQ(m.default_button, 2);
  }
}

TEST_F(MainWindowTest, ResultsWindowButtonsRunTheirCommands) {
  // The calculate button's first check: the site name.
  t.Form(kForm11)["cmd1"].Click();
  EXPECT_EQ(t.platform.MessageTexts(), std::vector<std::string>{"築造地を入力してください。"});
  // The check-method button opens the 常時 dialog.
  t.platform.Clear();
  t.Form(kForm11)["cmd2"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm12});
}

}  // namespace
}  // namespace varnholt::forms
