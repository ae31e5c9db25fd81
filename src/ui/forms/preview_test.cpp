// The preview windows and the printing commands, as a user meets them:
// 印刷ｲﾒｰｼﾞ, paging back and forth, scrolling, 閉じる and the close box,
// 印刷 through the print-range dialog and the printer dialog, and PDF出力.

#include "ui/forms/preview.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/forms/collect.h"
#include "ui/forms/results.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

/// Devices whose printer and PDF documents are recordings.
class FakeDevices final : public ReportDevices {
 public:
  struct Doc final : ReportDocument {
    Doc(FakeDevices& d, std::string target) : devices(d) { devices.opened.push_back(target); }
    report::ReportSurface& surface() override { return devices.document; }
    std::string Finish() override {
      ++devices.finished;
      return devices.finish_error;
    }
    FakeDevices& devices;
  };

  PageGeometry Page() const override { return {}; }
  double LineTwipsPerPoint() const override { return line_twips_per_point; }
  std::string FontProblem() const override { return font_problem; }
  std::string PdfTargetProblem(const std::string& path) const override {
    return path == refused_target ? "出力先「" + path + "」は読み込んだプロジェクトファイルです。"
                                  : std::string();
  }
  std::unique_ptr<ReportDocument> OpenPrinter(std::string& error) override {
    if (!open_error.empty()) {
      error = open_error;
      return nullptr;
    }
    return std::make_unique<Doc>(*this, "printer");
  }
  std::unique_ptr<ReportDocument> OpenPdf(const std::string& path, std::string& error) override {
    if (!open_error.empty()) {
      error = open_error;
      return nullptr;
    }
    return std::make_unique<Doc>(*this, path);
  }

  double line_twips_per_point = report::kTwipsPerPoint;
  std::string font_problem;
  std::string refused_target;
  std::string open_error;
  std::string finish_error;
  std::vector<std::string> opened;
  int finished = 0;
  report::RecordingSurface document;
};

std::vector<std::string> TextsOf(const report::RecordedPage* page) {
  std::vector<std::string> out;
  if (page == nullptr) return out;
  for (const auto& p : page->primitives) {
    if (const auto* t = std::get_if<report::RecordedText>(&p)) out.push_back(t->text);
  }
  return out;
}

bool HasText(const std::vector<std::string>& texts, const std::string& part) {
  return std::any_of(texts.begin(), texts.end(),
                     [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

// The footers of a printed document, page by page ("" for a page without).
std::vector<std::string> Footers(const report::RecordingSurface& doc) {
  std::vector<std::string> out;
  for (const auto& page : doc.pages()) {
    std::string footer;
    for (const auto& p : page.primitives) {
      const auto* t = std::get_if<report::RecordedText>(&p);
      if (t != nullptr && t->x == 5500 && t->y == 15500) footer = t->text;
    }
    out.push_back(footer);
  }
  return out;
}

// A literal of the earth-pressure values (KENTOU_2).
constexpr const char* kEarthPressureValues = "作用点の位置";
constexpr const char* kGeneralItems = "§１．一般事項";

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    preview.on_picture_changed = [this](const std::string& w) { changed.push_back(w); };
    main = &t.Form(kMDIForm1);
  }

  // A complete level design under 宅地造成 with its check method, calculated;
  // the coefficient computed (as the dimension window starts) or entered.
  void Calculate(bool entered = false) {
    FillLevelDesign(t.app);
    if (entered) {
      t.Form(kForm3)["opt1"].SetValue(true);
      t.Form(kForm3)["txt11"].SetText("0.297");
    }
    t.dc().ShearKeyFlag = "0";
    t.Form(kForm12)["opt1"].SetValue(true);
    CalculateCommand(t.app);
    ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
    t.platform.Clear();
  }

  bool Loaded(const char* w) { return t.app.windows().IsLoaded(w); }
  bool Shown(const char* w) { return Loaded(w) && t.Form(w).Shown(); }
  bool ToolbarVisible() { return (*main)["Toolbar1"].Visible(); }
  std::vector<std::string> Page(const char* w) { return TextsOf(preview.Picture(w)); }
  // The print-range dialog answered by the user: a range, page numbers.
  void AnswerPrintRange(const char* range, const char* first_number = nullptr) {
    t.platform.modal_actions.push_back([range, first_number](ui::Window& w) {
      w[range].Click();
      if (first_number != nullptr) {
        w["chk_P"].Click();
        w["txt_P"].SetText(first_number);
      }
      w["cmd1"].Click();
    });
  }

  TestApp t;
  FakeDevices devices;
  Preview preview{t.app, devices};
  ui::Window* main = nullptr;
  std::vector<std::string> changed;
};

TEST_F(PreviewTest, PrintImageShowsPageOneAtTheTopLeftWithoutToolbar) {
  Calculate();
  (*main)[ToolButtonName(5)].Click();
  EXPECT_FALSE(ToolbarVisible());
  ASSERT_TRUE(Shown(kForm4));
  EXPECT_EQ(t.Form(kForm4).Left(), 0);
  EXPECT_EQ(t.Form(kForm4).Top(), 0);
  EXPECT_EQ(t.Form(kForm4).Caption(), "印刷ｲﾒｰｼﾞ（1/4ページ）");
  const std::vector<std::string> page = Page(kForm4);
  ASSERT_FALSE(page.empty());
  EXPECT_NE(page.front().find(kGeneralItems), std::string::npos);
  EXPECT_TRUE(HasText(page, "横浜市"));
  EXPECT_EQ(changed, std::vector<std::string>{kForm4});
  // The main window's menus stay usable; nothing else opened.
  EXPECT_TRUE((*main)["Men_F"].Enabled());
  EXPECT_FALSE(Loaded(kForm5));
  EXPECT_TRUE(t.platform.Messages().empty());
}

TEST_F(PreviewTest, MenusOfThePreviewWindows) {
  Calculate();
  preview.FileImage();
  auto menus = [this](const char* window) {
    std::vector<std::string> out;
    for (const auto& c : t.Form(window).controls()) {
      if (c->kind() == ui::ControlKind::kMenuItem) out.push_back(c->name() + " " + c->Caption());
    }
    return out;
  };
  EXPECT_EQ(menus(kForm4), (std::vector<std::string>{"Men_Nex 次のページ", "Men_Pre 印刷",
                                                     "Men_Pdf PDF出力", "Men_Cls 閉じる"}));
  EXPECT_EQ(menus(kForm5),
            (std::vector<std::string>{"Men_Pre 前のページ", "Men_Nex 次のページ", "Men_Prn 印刷",
                                      "Men_Pdf PDF出力", "Men_Cls 閉じる"}));
  EXPECT_EQ(menus(kForm8),
            (std::vector<std::string>{"Men_Pre 前のページ", "Men_Nex 次のページ", "Men_Prn 印刷",
                                      "Men_Pdf PDF出力", "Men_Cls 閉じる"}));
  EXPECT_EQ(menus(kForm9), (std::vector<std::string>{"Men_Pre 前のページ", "Men_Prn 印刷",
                                                     "Men_Pdf PDF出力", "Men_Cls 閉じる"}));
}

TEST_F(PreviewTest, PagingDrawsTheNextPagesAndGoingBackKeepsThePicture) {
  Calculate(/*entered=*/true);
  ASSERT_EQ(ReadSelections(t.app).coefficient, CoefficientMode::kEntered);
  preview.FileImage();

  // Page 2 collects the inputs first: a mark set as a file load sets it,
  // without invalidating, is printed.
  t.Form(kForm3)["txt2"].SetText("W-9");
  t.Form(kForm4)["Men_Nex"].Click();
  EXPECT_FALSE(Shown(kForm4));
  ASSERT_TRUE(Shown(kForm5));
  EXPECT_EQ(t.Form(kForm5).Left(), 0);
  EXPECT_EQ(t.Form(kForm5).Top(), 0);
  EXPECT_TRUE(HasText(Page(kForm5), "（W-9）の設計"));
  // Coefficient entered: the earth-pressure values end page 2.
  EXPECT_TRUE(HasText(Page(kForm5), kEarthPressureValues));

  t.Form(kForm5)["Men_Nex"].Click();
  EXPECT_FALSE(Shown(kForm5));
  ASSERT_TRUE(Shown(kForm8));
  EXPECT_FALSE(HasText(Page(kForm8), kEarthPressureValues));
  EXPECT_TRUE(HasText(Page(kForm8), "荷重の集計"));
  // Page 4 is the stress check of the wall body, and the last.
  t.Form(kForm8)["Men_Nex"].Click();
  ASSERT_TRUE(Shown(kForm9));
  EXPECT_EQ(t.Form(kForm9).Caption(), "印刷ｲﾒｰｼﾞ（4/4ページ）");
  EXPECT_TRUE(HasText(Page(kForm9), "躯体の応力度照査"));
  t.Form(kForm9)["Men_Pre"].Click();
  ASSERT_TRUE(Shown(kForm8));

  // Back to page 2: shown as it was drawn, not drawn again.
  t.Form(kForm3)["txt2"].SetText("W-7");
  changed.clear();
  t.Form(kForm8)["Men_Pre"].Click();
  EXPECT_FALSE(Shown(kForm8));
  EXPECT_TRUE(Shown(kForm5));
  EXPECT_TRUE(HasText(Page(kForm5), "（W-9）の設計"));
  EXPECT_TRUE(changed.empty());
  t.Form(kForm5)["Men_Pre"].Click();
  EXPECT_TRUE(Shown(kForm4));
  EXPECT_FALSE(Shown(kForm5));

  // Forward again: page 2 is drawn anew from the windows.
  t.Form(kForm4)["Men_Nex"].Click();
  EXPECT_TRUE(HasText(Page(kForm5), "（W-7）の設計"));
  EXPECT_EQ(changed, std::vector<std::string>{kForm5});
}

// Page Down / Up, Home and End of the desktop preview.
TEST_F(PreviewTest, TurningPagesByKeysGoesAsTheMenusGo) {
  Calculate();
  preview.FileImage();
  EXPECT_FALSE(preview.TurnPage(kForm4, -1));  // no page before the first
  changed.clear();
  ASSERT_TRUE(preview.TurnPage(kForm4, 1000));  // End: every later page drawn in turn
  EXPECT_TRUE(Shown(kForm9));
  EXPECT_FALSE(Shown(kForm4));
  EXPECT_EQ(changed, (std::vector<std::string>{kForm5, kForm8, kForm9}));
  EXPECT_FALSE(preview.TurnPage(kForm9, 1));
  changed.clear();
  ASSERT_TRUE(preview.TurnPage(kForm9, -1000));  // Home: shown as drawn
  EXPECT_TRUE(Shown(kForm4));
  EXPECT_FALSE(Shown(kForm9));
  EXPECT_TRUE(changed.empty());
  EXPECT_FALSE(preview.TurnPage(kForm6, 1));  // not a preview window
}

TEST_F(PreviewTest, ComputedCoefficientPutsTheEarthPressureValuesOnPageThree) {
  Calculate();
  preview.FileImage();
  ASSERT_EQ(ReadSelections(t.app).coefficient, CoefficientMode::kComputed);
  t.Form(kForm4)["Men_Nex"].Click();
  t.Form(kForm5)["Men_Nex"].Click();
  EXPECT_FALSE(HasText(Page(kForm5), kEarthPressureValues));
  EXPECT_TRUE(HasText(Page(kForm8), kEarthPressureValues));
}

TEST_F(PreviewTest, EachCloseUnloadsItsPageAndThoseBeforeAndBringsTheToolbarBack) {
  Calculate();
  struct Case {
    const char* window;
    int pages_to_open;
  };
  for (const Case c : {Case{kForm4, 1}, Case{kForm5, 2}, Case{kForm8, 3}, Case{kForm9, 4}}) {
    preview.FileImage();
    if (c.pages_to_open >= 2) t.Form(kForm4)["Men_Nex"].Click();
    if (c.pages_to_open >= 3) t.Form(kForm5)["Men_Nex"].Click();
    if (c.pages_to_open >= 4) t.Form(kForm8)["Men_Nex"].Click();
    ASSERT_TRUE(Shown(c.window));
    ASSERT_FALSE(ToolbarVisible());
    t.Form(c.window)["Men_Cls"].Click();
    for (const char* w : {kForm4, kForm5, kForm8, kForm9}) {
      EXPECT_FALSE(Loaded(w)) << c.window << " " << w;
    }
    EXPECT_TRUE(ToolbarVisible()) << c.window;
  }
}

TEST_F(PreviewTest, CloseBoxBringsTheToolbarBackToo) {
  Calculate();
  preview.FileImage();
  t.Form(kForm4)["Men_Nex"].Click();
  // The close box of page 2; page 1 is hidden, nothing is left on screen.
  t.app.windows().Unload(kForm5);
  EXPECT_TRUE(ToolbarVisible());
  // A preview started again shows page 1 drawn anew.
  changed.clear();
  preview.FileImage();
  EXPECT_TRUE(Shown(kForm4));
  EXPECT_FALSE(ToolbarVisible());
  EXPECT_EQ(changed, std::vector<std::string>{kForm4});
}

TEST_F(PreviewTest, PrintImageAgainReplacesALaterPage) {
  Calculate();
  preview.FileImage();
  t.Form(kForm4)["Men_Nex"].Click();
  t.Form(kForm5)["Men_Nex"].Click();
  (*main)["Men_FImg"].Click();
  EXPECT_TRUE(Shown(kForm4));
  EXPECT_FALSE(Shown(kForm5));
  EXPECT_FALSE(Shown(kForm8));
}

TEST_F(PreviewTest, ScrollBarsMoveThePagePicture) {
  Calculate();
  preview.FileImage();
  ui::Window& w = t.Form(kForm4);
  // An A4 page of 11906 × 16838 twips in a viewport of 10665 × 7095.
  EXPECT_EQ(w["Picture2"].width, 11906);
  EXPECT_EQ(w["Picture2"].height, 16838);
  EXPECT_EQ(w["Picture2"].container(), "Picture1");
  EXPECT_EQ(w["HScroll1"].scroll_max, 1241);
  EXPECT_EQ(w["VScroll1"].scroll_max, 9743);
  // Half the maximum for a page step, half of that for an arrow.
  EXPECT_EQ(preview.Steps(kForm4, "HScroll1").large, 621);
  EXPECT_EQ(preview.Steps(kForm4, "HScroll1").small, 311);
  EXPECT_EQ(preview.Steps(kForm4, "VScroll1").large, 4872);
  EXPECT_EQ(preview.Steps(kForm4, "VScroll1").small, 2436);

  changed.clear();
  w["VScroll1"].SetScrollValue(4000);
  w["HScroll1"].SetScrollValue(700);
  EXPECT_EQ(w["Picture2"].top, -4000);
  EXPECT_EQ(w["Picture2"].left, -700);
  EXPECT_EQ(changed, (std::vector<std::string>{kForm4, kForm4}));
  // Scrolling never draws the page again.
  EXPECT_NE(Page(kForm4).front().find(kGeneralItems), std::string::npos);
}

TEST_F(PreviewTest, ThePictureAdvancesLinesByTheReportFacesSpacing) {
  Calculate();
  devices.line_twips_per_point = 30;
  preview.FileImage();
  const report::RecordedPage* page = preview.Picture(kForm4);
  ASSERT_NE(page, nullptr);
  // The page begins five lines of 11 points down (1100 twips at 20 twips per
  // point), the next heading three lines further (660 twips at 20).
  ASSERT_GE(page->primitives.size(), 2u);
  const auto& first = std::get<report::RecordedText>(page->primitives[0]);
  const auto& second = std::get<report::RecordedText>(page->primitives[1]);
  EXPECT_EQ(first.y, 5 * 11 * 30);
  EXPECT_EQ(second.y, 8 * 11 * 30);
}

TEST_F(PreviewTest, PrintFromThePreviewOpensTheRangeDialogAndPrintsOneJob) {
  Calculate();
  preview.FileImage();
  AnswerPrintRange("opt3", "5");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  t.Form(kForm4)["Men_Pre"].Click();
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm10});
  EXPECT_EQ(devices.opened, std::vector<std::string>{"printer"});
  EXPECT_EQ(devices.finished, 1);
  EXPECT_TRUE(devices.document.ended());
  EXPECT_EQ(Footers(devices.document),
            (std::vector<std::string>{"－ 5 －", "－ 6 －", "－ 7 －", "－ 8 －"}));
  EXPECT_TRUE(Shown(kForm4));
  EXPECT_TRUE(t.platform.Messages().empty());
}

TEST_F(PreviewTest, RangeAndNumbersOfTheDialogMakeTheJob) {
  struct Case {
    const char* option;
    const char* first;
    std::vector<std::string> footers;
    bool general_first;
    bool body_unticked = false;  // 躯体の照査 cleared: no page 4
  };
  const Case cases[] = {
      {"opt1", "5", {"－ 5 －"}, true},
      // The body-stress page follows the stability chapter.
      {"opt2", "1", {"－ 1 －", "－ 2 －", "－ 3 －"}, false},
      {"opt3", nullptr, {"", "", "", ""}, true},
      {"opt2", "1.5", {"－ 2 －", "－ 3 －", "－ 4 －"}, false},
      {"opt3", "1", {"－ 1 －", "－ 2 －", "－ 3 －"}, true, true},
      {"opt2", "1", {"－ 1 －", "－ 2 －"}, false, true},
  };
  for (const Case& c : cases) {
    TestApp app;
    FakeDevices d;
    Preview p(app.app, d);
    FillLevelDesign(app.app);
    app.dc().ShearKeyFlag = "0";
    app.Form(kForm12)["opt1"].SetValue(true);
    CalculateCommand(app.app);
    ASSERT_TRUE(app.app.results().valid());
    app.platform.modal_actions.push_back([&c](ui::Window& w) {
      w[c.option].Click();
      if (c.first != nullptr) {
        w["chk_P"].Click();
        w["txt_P"].SetText(c.first);
      }
      EXPECT_EQ(w["chk_B"].CheckValue(), 1) << "ticked by default";
      if (c.body_unticked) w["chk_B"].Click();
      w["cmd1"].Click();
    });
    app.platform.printer_answers.push_back(ui::PrinterChoice{});
    app.Form(kMDIForm1)["Men_FPrn"].Click();
    EXPECT_EQ(Footers(d.document), c.footers) << c.option;
    ASSERT_FALSE(d.document.pages().empty());
    EXPECT_EQ(HasText(TextsOf(&d.document.pages().front()), kGeneralItems), c.general_first)
        << c.option;
  }
}

TEST_F(PreviewTest, CancellingThePrinterDialogPrintsNothing) {
  Calculate();
  AnswerPrintRange("opt3");
  t.platform.printer_answers.push_back(std::nullopt);
  (*main)["Men_FPrn"].Click();
  EXPECT_TRUE(devices.opened.empty());
  EXPECT_TRUE(devices.document.pages().empty());
  EXPECT_TRUE(t.platform.Messages().empty());
}

TEST_F(PreviewTest, APrinterThatCannotStartOrFinishSaysSo) {
  Calculate();
  devices.open_error = "プリンターで印刷を開始できませんでした。";
  AnswerPrintRange("opt1");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  (*main)["Men_FPrn"].Click();
  EXPECT_EQ(t.platform.MessageTexts(), std::vector<std::string>{devices.open_error});

  t.platform.Clear();
  devices.open_error.clear();
  devices.finish_error = "印刷できませんでした。";
  AnswerPrintRange("opt1");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  (*main)["Men_FPrn"].Click();
  EXPECT_EQ(t.platform.MessageTexts(), std::vector<std::string>{devices.finish_error});
  EXPECT_EQ(t.platform.Messages().front().title, "エラーメッセージ");
}

TEST_F(PreviewTest, PdfOutputAsksForAFileAndWritesTheChosenRange) {
  Calculate();
  t.app.current_file = "/data/walls/A-1.vrh";
  std::vector<std::string> notes;
  t.app.commands.status_note = [&notes](const std::string& n) { notes.push_back(n); };
  preview.FileImage();
  AnswerPrintRange("opt2");
  t.platform.save_answers.push_back("/tmp/report/A-1");
  t.Form(kForm4)["Men_Pdf"].Click();
  ASSERT_EQ(devices.opened, std::vector<std::string>{"/tmp/report/A-1.pdf"});
  EXPECT_EQ(devices.finished, 1);
  // The status bar says where the file went; its folder is the last one.
  EXPECT_EQ(notes, std::vector<std::string>{"計算書を出力しました：/tmp/report/A-1.pdf"});
  EXPECT_EQ(t.app.last_folder, "/tmp/report");
  EXPECT_EQ(devices.document.pages().size(), 3u);  // pages 2 to 4
  // The dialog offers the project's name and folder.
  ASSERT_EQ(t.platform.calls.back().kind, ui::ScriptedPlatform::Call::kSaveFile);
  const ui::FileDialogRequest& r = t.platform.calls.back().file;
  EXPECT_EQ(r.title, "PDF出力");
  EXPECT_EQ(r.file_name, "A-1.pdf");
  EXPECT_EQ(r.initial_dir, "/data/walls");
  EXPECT_EQ(r.default_ext, "pdf");
  // No printer dialog for a file.
  for (const auto& call : t.platform.calls)
    EXPECT_NE(call.kind, ui::ScriptedPlatform::Call::kPrinter);

  // An extension typed in capitals is kept; a cancelled save writes nothing.
  AnswerPrintRange("opt1");
  t.platform.save_answers.push_back("/tmp/report/B.PDF");
  t.Form(kForm4)["Men_Pdf"].Click();
  AnswerPrintRange("opt1");
  t.platform.save_answers.push_back(std::nullopt);
  t.Form(kForm4)["Men_Pdf"].Click();
  EXPECT_EQ(devices.opened, (std::vector<std::string>{"/tmp/report/A-1.pdf", "/tmp/report/B.PDF"}));
  EXPECT_EQ(notes.size(), 2u);
  // A design never saved starts in the last folder with the old name.
  t.app.current_file.clear();
  AnswerPrintRange("opt1");
  t.platform.save_answers.push_back(std::nullopt);
  t.Form(kForm4)["Men_Pdf"].Click();
  EXPECT_EQ(t.platform.calls.back().file.initial_dir, "/tmp/report");
  EXPECT_EQ(t.platform.calls.back().file.file_name, "計算書.pdf");

  // A file that is refused anyway (the project file under another name) is
  // refused at once, not first offered for replacing.
  const std::filesystem::path refused = std::filesystem::temp_directory_path() /
                                        ("varnholt-refused-" + std::to_string(::getpid()) + ".pdf");
  std::ofstream(refused) << "project";
  devices.refused_target = refused.string();
  t.platform.Clear();
  AnswerPrintRange("opt1");
  t.platform.save_answers.push_back(refused.string());
  t.Form(kForm4)["Men_Pdf"].Click();
  EXPECT_EQ(t.platform.MessageTexts(),
            std::vector<std::string>{"出力先「" + refused.string() +
                                     "」は読み込んだプロジェクトファイルです。"});
  EXPECT_EQ(devices.opened.size(), 2u);
  std::filesystem::remove(refused);

  // After PDF出力, 印刷 goes to the printer again.
  AnswerPrintRange("opt1");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  t.Form(kForm4)["Men_Pre"].Click();
  EXPECT_EQ(devices.opened.back(), "printer");
}

TEST_F(PreviewTest, FailingLinesBeepOnScreenAndOnPaperButNotIntoAFile) {
  // μ = 0.1 makes the sliding check fail.
  FillLevelDesign(t.app);
  t.Form(kForm2)["txt10"].SetText("0.1");
  t.dc().ShearKeyFlag = "0";
  t.Form(kForm12)["opt1"].SetValue(true);
  CalculateCommand(t.app);
  ASSERT_TRUE(t.app.results().valid());
  preview.FileImage();
  t.Form(kForm4)["Men_Nex"].Click();
  t.platform.Clear();
  t.Form(kForm5)["Men_Nex"].Click();
  const int on_screen = t.platform.BeepCount();
  EXPECT_GE(on_screen, 1);

  t.platform.Clear();
  AnswerPrintRange("opt3");
  t.platform.save_answers.push_back("/tmp/wall.pdf");
  t.Form(kForm8)["Men_Pdf"].Click();
  ASSERT_EQ(devices.opened.size(), 1u);
  EXPECT_EQ(t.platform.BeepCount(), 0);

  t.platform.Clear();
  AnswerPrintRange("opt3");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  t.Form(kForm8)["Men_Prn"].Click();
  EXPECT_EQ(t.platform.BeepCount(), on_screen);
}

TEST_F(PreviewTest, InputsChangedWhileThePreviewIsOpenAreNotPrintedBesideOldResults) {
  Calculate();
  preview.FileImage();
  // The main window's menus stay usable: a design condition is edited.
  t.Form(kForm2)["txt3"].Click();
  t.Form(kForm2)["txt3"].Type("250");
  ASSERT_FALSE(t.app.results().valid());

  t.Form(kForm4)["Men_Nex"].Click();
  EXPECT_FALSE(Loaded(kForm5));
  EXPECT_TRUE(Shown(kForm4));
  t.Form(kForm4)["Men_Pre"].Click();
  t.Form(kForm4)["Men_Pdf"].Click();
  EXPECT_TRUE(t.platform.ModalWindows().empty());
  EXPECT_EQ(
      t.platform.MessageTexts(),
      (std::vector<std::string>{kMsgResultsOutdated, kMsgResultsOutdated, kMsgResultsOutdated}));
  EXPECT_TRUE(devices.opened.empty());
}

TEST_F(PreviewTest, WithoutTheReportFaceNothingIsDrawnAndTheReasonIsShown) {
  Calculate();
  devices.font_problem = "明朝体のフォントがありません。";
  (*main)[ToolButtonName(5)].Click();
  EXPECT_FALSE(Loaded(kForm4));
  EXPECT_TRUE(ToolbarVisible());
  AnswerPrintRange("opt3");
  t.platform.printer_answers.push_back(ui::PrinterChoice{});
  (*main)["Men_FPrn"].Click();
  EXPECT_TRUE(devices.opened.empty());
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{devices.font_problem, devices.font_problem}));
}

TEST(PrintJobOf, ReadsTheDialogWithoutOpeningIt) {
  TestApp t;
  t.dc().FirstPageNo = 3;
  // Never opened: the whole report without numbers.
  report::PrintJob job = PrintJobOf(t.app);
  EXPECT_FALSE(t.app.windows().IsLoaded(kForm10));
  EXPECT_EQ(job.range, report::PrintRange::kAll);
  EXPECT_FALSE(job.page_numbers);

  ui::Window& f10 = t.Form(kForm10);
  f10["opt1"].SetValue(true);
  f10["chk_P"].SetCheckValue(1);
  job = PrintJobOf(t.app);
  EXPECT_EQ(job.range, report::PrintRange::kGeneral);
  EXPECT_TRUE(job.page_numbers);
  EXPECT_EQ(job.first_page_no, 3);
  f10["opt2"].SetValue(true);
  EXPECT_EQ(PrintJobOf(t.app).range, report::PrintRange::kStability);
  EXPECT_TRUE(PrintJobOf(t.app).body_stress);

  // 躯体の照査 counts once confirmed, and a dialog loaded anew starts with
  // it as confirmed last (the desktop keeps it in the settings).
  f10["txt_P"].SetText("3");
  f10["chk_B"].Click();
  EXPECT_TRUE(PrintJobOf(t.app).body_stress);
  f10["cmd1"].Click();
  EXPECT_FALSE(PrintJobOf(t.app).body_stress);
  t.app.windows().Unload(kForm10);
  EXPECT_EQ(t.Form(kForm10)["chk_B"].CheckValue(), 0);
}

TEST(ReportInputsOf, CopiesTheDesignConditionTexts) {
  TestApp t;
  FillLevelDesign(t.app);
  t.Form(kForm2)["cbo2"].SetText("粘性土");
  const report::ReportInputs in = ReportInputsOf(t.app);
  EXPECT_EQ(in.conditions.site, "横浜市");
  EXPECT_EQ(in.conditions.fe, "200");
  EXPECT_EQ(in.conditions.back_soil, "砂質土");
  EXPECT_EQ(in.conditions.base_soil, "粘性土");
  EXPECT_EQ(in.conditions.mu, "0.5");
}

}  // namespace
}  // namespace varnholt::forms
