#include "project/design_template.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/document.h"
#include "project/file_commands.h"
#include "project/test_support.h"
#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using forms::testing::FillLevelDesign;
using forms::testing::TestApp;
using testing::TempDir;
using testing::WriteAll;
using ui::MsgResult;

// A desktop-like application whose template lives in a scratch folder and
// whose status-bar notes are kept.
struct TemplateApp {
  TempDir dir;
  TestApp t;
  std::vector<std::string> notes;

  TemplateApp() {
    t.app.template_file = dir.File("templates/template.vrh");
    t.app.commands.status_note = [this](const std::string& text) { notes.push_back(text); };
    InstallFileCommands(t.app);
  }
};

TEST(DesignTemplate, NewStartsFromTheSavedConditionsUnnamedAndUnmodified) {
  TemplateApp a;
  forms::App& app = a.t.app;
  FileNew(app);
  EXPECT_FALSE(HasTemplate(app));
  forms::Conditions(app).road->Click();
  FillLevelDesign(app);
  forms::NormalChecks(app).overturn_e->Click();
  forms::NormalChecks(app).no_deduct->Click();
  ASSERT_TRUE(SaveTemplate(app));
  EXPECT_TRUE(a.t.platform.Messages().empty());  // nothing to replace yet
  ASSERT_EQ(a.notes.size(), 1u);
  EXPECT_EQ(a.notes[0], "テンプレートを保存しました：" + app.template_file);

  a.t.platform.answers.push_back(MsgResult::kNo);  // 保存しない
  FileNew(app);
  forms::ConditionsWindow& f2 = forms::Conditions(app);
  EXPECT_TRUE(f2.road->Value());
  EXPECT_EQ(f2.fc_text->Text(), "18");
  EXPECT_EQ(f2.base_soil_combo->Text(), "砂質土");
  EXPECT_EQ(f2.mu_text->Text(), "0.5");
  EXPECT_TRUE(forms::NormalChecks(app).overturn_e->Value());
  EXPECT_TRUE(forms::NormalChecks(app).no_deduct->Value());
  // The wall and the site are the next project's.
  EXPECT_EQ(f2.site_text->Text(), "");
  EXPECT_EQ(forms::LevelDimensions(app).height_text->Text(), "");
  EXPECT_EQ(app.current_file, "");
  EXPECT_FALSE(Modified(app));
  EXPECT_EQ(DocumentTitle(app), "無題 - Varnholt");

  // Replacing asks, No by default; 削除 asks too, and New starts empty again.
  f2.fc_text->SetText("24");
  a.t.platform.answers.push_back(MsgResult::kNo);
  EXPECT_FALSE(SaveTemplate(app));
  ASSERT_EQ(a.t.platform.Messages().size(), 2u);
  const ui::MessageBoxRequest replace = a.t.platform.Messages()[1];
  EXPECT_EQ(replace.text, "保存されているテンプレートを現在の設計条件で置き換えますか？");
  EXPECT_EQ(replace.title, "テンプレート");
  EXPECT_EQ(replace.buttons, ui::MsgButtons::kYesNo);
  EXPECT_EQ(replace.icon, ui::MsgIcon::kQuestion);
  EXPECT_EQ(replace.default_button, 2);
  a.t.platform.answers.push_back(MsgResult::kYes);
  EXPECT_TRUE(RemoveTemplate(app));
  EXPECT_FALSE(std::filesystem::exists(app.template_file));
  a.t.platform.answers.push_back(MsgResult::kNo);  // 保存しない
  FileNew(app);
  EXPECT_EQ(forms::Conditions(app).fc_text->Text(), "");
  EXPECT_TRUE(forms::Conditions(app).residential->Value());
  // No template is no note: saved and removed are the only two.
  EXPECT_EQ(a.notes.size(), 2u);
  EXPECT_FALSE(RemoveTemplate(app));  // nothing left to remove
}

TEST(DesignTemplate, UnreadableTemplateStartsEmptyWithOneNote) {
  TemplateApp a;
  forms::App& app = a.t.app;
  std::filesystem::create_directories(std::filesystem::path(app.template_file).parent_path());
  WriteAll(app.template_file, "not a project\r\n");
  FileNew(app);
  EXPECT_TRUE(a.t.platform.Messages().empty());
  ASSERT_EQ(a.notes.size(), 1u);
  EXPECT_EQ(a.notes[0].rfind("テンプレートを読み込めないため、空の設計で始めます：", 0), 0u);
  EXPECT_EQ(forms::Conditions(app).fc_text->Text(), "");
  EXPECT_TRUE(forms::Conditions(app).residential->Value());
  EXPECT_FALSE(Modified(app));
}

}  // namespace
}  // namespace varnholt::project
