// The print-range dialog as the user fills it in.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::TestApp;

class Form10Test : public ::testing::Test {
 protected:
  void SetUp() override {
    t.app.commands.file_print = [this] {
      ++prints;
      // What printing reads: the range and the numbering, still there.
      ui::Window& w = t.Form(kForm10);
      range = w["opt1"].Value() ? 1 : w["opt2"].Value() ? 2 : w["opt3"].Value() ? 3 : 0;
    };
    w = &t.Form(kForm10);
  }
  ui::Control& operator[](const char* name) { return (*w)[name]; }

  TestApp t;
  ui::Window* w = nullptr;
  int prints = 0;
  int range = 0;
};

TEST_F(Form10Test, StartsWithNothingChosenAndTheNumberBoxOff) {
  EXPECT_EQ(w->Caption(), "印刷範囲の指定");
  EXPECT_EQ((*this)["Frame1"].Caption(), "印刷範囲の指定");
  EXPECT_EQ((*this)["opt1"].Caption(), "一般事項");
  EXPECT_EQ((*this)["opt2"].Caption(), "安定計算");
  EXPECT_EQ((*this)["opt3"].Caption(), "一般事項 ・ 安定計算");
  EXPECT_EQ((*this)["chk_P"].Caption(), "ページ番号を付ける");
  EXPECT_EQ((*this)["lbl1"].Caption(), "最初のページ番号");
  EXPECT_EQ((*this)["lbl2"].Caption(), "(数字を入力)");
  EXPECT_EQ((*this)["cmd1"].Caption(), "ＯＫ");
  EXPECT_EQ((*this)["cmd2"].Caption(), "キャンセル");
  for (const char* n : {"opt1", "opt2", "opt3"}) EXPECT_FALSE((*this)[n].Value()) << n;
  EXPECT_EQ((*this)["chk_P"].CheckValue(), 0);
  for (const char* n : {"lbl1", "txt_P", "lbl2"}) EXPECT_FALSE((*this)[n].Enabled()) << n;
  EXPECT_EQ((*this)["txt_P"].Text(), "");
}

TEST_F(Form10Test, NumberingSwitchesTheNumberBoxAndUncheckingEmptiesIt) {
  (*this)["chk_P"].Click();
  for (const char* n : {"lbl1", "txt_P", "lbl2"}) EXPECT_TRUE((*this)[n].Enabled()) << n;
  (*this)["txt_P"].Type("5");
  (*this)["chk_P"].Click();
  for (const char* n : {"lbl1", "txt_P", "lbl2"}) EXPECT_FALSE((*this)[n].Enabled()) << n;
  EXPECT_EQ((*this)["txt_P"].Text(), "");
}

TEST_F(Form10Test, ChoosingARangeMovesTheFocusToOk) {
  for (const char* n : {"opt1", "opt2", "opt3"}) {
    t.app.windows().SetFocus((*this)["chk_P"]);
    (*this)[n].Click();
    EXPECT_EQ(t.app.windows().Focused(), &(*this)["cmd1"]) << n;
  }
}

TEST_F(Form10Test, NumberBoxSelectsOnFocusSwallowsEnterAndMovesToOk) {
  (*this)["chk_P"].Click();
  ui::Control& box = (*this)["txt_P"];
  box.Type("12");
  t.app.windows().SetFocus((*this)["opt1"]);
  t.app.windows().SetFocus(box);
  EXPECT_EQ(box.SelStart(), 0);
  EXPECT_EQ(box.SelLength(), 2);
  box.SetSelStart(2);
  box.Click();
  EXPECT_EQ(box.SelLength(), 2);
  box.DblClick();  // selection start 10, clamped to the text
  EXPECT_EQ(box.SelStart(), 2);
  EXPECT_EQ(box.SelLength(), 0);
  box.TypeKey(ui::kKeyEnter);
  EXPECT_EQ(box.Text(), "12");
  EXPECT_EQ(t.app.windows().Focused(), &(*this)["cmd1"]);
}

TEST_F(Form10Test, OkWithoutARangeAsksForOneAndStaysOpen) {
  w->Show();
  (*this)["cmd1"].Click();
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].text, "印刷範囲を指定してください。");
  EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
  EXPECT_TRUE(w->Shown());
  EXPECT_EQ(prints, 0);
}

TEST_F(Form10Test, OkWithNumberingButNoNumberAsksForItAndFocusesTheBox) {
  w->Show();
  (*this)["opt2"].Click();
  (*this)["chk_P"].Click();
  (*this)["cmd1"].Click();
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].text, "最初のページ番号を入力してください。");
  EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
  EXPECT_EQ(t.app.windows().Focused(), &(*this)["txt_P"]);
  EXPECT_TRUE(w->Shown());
  EXPECT_EQ(prints, 0);
}

TEST_F(Form10Test, OkTakesTheLeadingNumberAsTheFirstPageAndPrints) {
  struct Case {
    const char* typed;
    double first;
  };
  // Anything may be typed; what is not a number prints as page 0, and so
  // does a number too large to represent.
  const Case cases[] = {{"5", 5},   {"1.5", 1.5}, {" 7頁", 7}, {"abc", 0},
                        {"-2", -2}, {"1e999", 0}, {"１２", 0}, {"&H10", 16}};
  for (const Case& c : cases) {
    t.dc().FirstPageNo = 99;
    w->Show();
    (*this)["opt3"].Click();
    if ((*this)["chk_P"].CheckValue() == 0) (*this)["chk_P"].Click();
    (*this)["txt_P"].SetText(c.typed);
    const int before = prints;
    (*this)["cmd1"].Click();
    EXPECT_EQ(prints, before + 1) << c.typed;
    EXPECT_EQ(t.dc().FirstPageNo, c.first) << c.typed;
    EXPECT_TRUE(std::isfinite(t.dc().FirstPageNo));
    EXPECT_FALSE(w->Shown()) << c.typed;
  }
  EXPECT_EQ(range, 3);
}

TEST_F(Form10Test, WithoutNumberingTheFirstPageIsZero) {
  t.dc().FirstPageNo = 4;
  (*this)["opt1"].Click();
  (*this)["cmd1"].Click();
  EXPECT_EQ(t.dc().FirstPageNo, 0);
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(range, 1);
}

TEST_F(Form10Test, OkKeepsTheChoicesForNextTimeCancelForgetsThem) {
  // Through the File menu, as the user prints twice.
  ui::Window& main = t.Form(kMDIForm1);
  t.platform.modal_actions.push_back([](ui::Window& d) {
    d["opt2"].Click();
    d["chk_P"].Click();
    d["txt_P"].Type("3");
    d["cmd1"].Click();
  });
  main["Men_FPrn"].Click();
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(range, 2);
  ASSERT_TRUE(t.app.windows().IsLoaded(kForm10));

  std::vector<std::string> seen;
  t.platform.modal_actions.push_back([&seen](ui::Window& d) {
    if (d["opt2"].Value()) seen.push_back("opt2");
    if (d["chk_P"].CheckValue() == 1) seen.push_back("chk_P");
    seen.push_back(d["txt_P"].Text());
    d["cmd2"].Click();
  });
  main["Men_FPrn"].Click();
  EXPECT_EQ(seen, (std::vector<std::string>{"opt2", "chk_P", "3"}));
  EXPECT_EQ(prints, 1);
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm10));
  EXPECT_FALSE(t.Form(kForm10)["opt2"].Value());
}

}  // namespace
}  // namespace varnholt::forms
