#include "project/file_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "project/document.h"
#include "project/test_support.h"
#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using forms::testing::FillLevelDesign;
using forms::testing::TestApp;
using testing::CrLf;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using ui::MsgButtons;
using ui::MsgIcon;
using ui::MsgResult;

// A new level-ground design, typed and calculated as a user would.
void CalculatedLevelDesign(TestApp& t) {
  InstallFileCommands(t.app);
  FileNew(t.app);
  FillLevelDesign(t.app);
  t.Form(forms::kForm12)["opt1"].Click();
  t.Form(forms::kForm11)["cmd1"].Click();
}

void ExpectBox(const ui::MessageBoxRequest& m, const char* text, const char* title,
               MsgButtons buttons, MsgIcon icon, int default_button) {
  EXPECT_EQ(m.text, text);
  EXPECT_EQ(m.title, title);
  EXPECT_EQ(m.buttons, buttons);
  EXPECT_EQ(m.icon, icon);
  EXPECT_EQ(m.default_button, default_button);
}

// Saves the calculated level design to `path` through 名前を付けて保存.
void SaveAs(TestApp& t, const std::string& path) {
  t.platform.save_answers.push_back(path);
  FileSaveAs(t.app);
}

// 地震時 chosen and calculated with method ①, Kh = 0.2 and the given Kv,
// the computed coefficient and the criteria F ≧ 1.0 and Fs ≧ 1.0.
void CalculateSeismicCase(TestApp& t, const char* kv) {
  forms::testing::EnterSeismicCase(t, "opt_K1", "0.2", kv);
  t.Form(forms::kForm3)["cmd2"].Click();  // 計算する
  t.Form(forms::kForm14)["opt1"].Click();
  t.Form(forms::kForm14)["opt5"].Click();
  t.Form(forms::kForm11)["cmd1"].Click();
}

// The question before unsaved inputs are lost, answered each way.
void ExpectSaveQuestion(const ui::ScriptedPlatform& platform) {
  ASSERT_EQ(platform.Messages().size(), 1u);
  ExpectBox(platform.Messages()[0], "変更を保存しますか?", "変更の保存",
            MsgButtons::kSaveDiscardCancel, MsgIcon::kQuestion, 1);
}

TEST(FileCommands, NewOpenAndCloseAskOnlyAboutUnsavedChanges) {
  TempDir dir;
  TestApp t;
  CalculatedLevelDesign(t);
  ASSERT_TRUE(Modified(t.app));
  EXPECT_EQ(DocumentTitle(t.app), "無題* - Varnholt");

  // キャンセル keeps the design.
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kCancel);
  FileNew(t.app);
  ExpectSaveQuestion(t.platform);
  EXPECT_EQ(t.Form(forms::kForm2)["txt1"].Text(), "横浜市");
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kCancel);
  FileOpen(t.app);
  ExpectSaveQuestion(t.platform);
  EXPECT_TRUE(t.platform.calls.size() == 1u);  // no Open dialog

  // 保存 of a design without a file is 名前を付けて保存; cancelling its
  // dialog cancels the command.
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kYes);
  t.platform.save_answers.push_back(std::nullopt);
  FileClose(t.app);
  EXPECT_TRUE(t.app.windows().IsLoaded(forms::kForm2));
  t.platform.answers.push_back(MsgResult::kYes);
  t.platform.save_answers.push_back(dir.File("w1"));
  FileNew(t.app);
  EXPECT_FALSE(ReadAll(dir.File("w1.vrh")).empty());
  EXPECT_EQ(t.Form(forms::kForm2)["txt1"].Text(), "");
  // A new design has no file and nothing to lose; 上書き保存 is available.
  EXPECT_EQ(t.app.current_file, "");
  EXPECT_FALSE(Modified(t.app));
  EXPECT_FALSE(t.app.results().valid());
  EXPECT_TRUE(t.Form(forms::kMDIForm1)[forms::ToolButtonName(3)].Enabled());
  EXPECT_TRUE(t.Form(forms::kForm3).Shown());
  EXPECT_FALSE(t.Form(forms::kForm3)["opt2"].Value());

  // Without changes New and Close ask nothing; a click is no change.
  t.platform.Clear();
  t.Form(forms::kForm2)["txt1"].Click();
  FileNew(t.app);
  EXPECT_TRUE(t.platform.Messages().empty());

  // 保存しない goes on without saving.
  FillLevelDesign(t.app);
  t.platform.answers.push_back(MsgResult::kNo);
  FileClose(t.app);
  ExpectSaveQuestion(t.platform);
  EXPECT_FALSE(t.app.windows().IsLoaded(forms::kForm2));
  EXPECT_EQ(t.dc().ShearKeyFlag, "0");
  EXPECT_EQ(DocumentTitle(t.app), "Varnholt");
  EXPECT_FALSE(t.Form(forms::kMDIForm1)[forms::ToolButtonName(3)].Enabled());
  t.platform.Clear();
  FileClose(t.app);
  EXPECT_TRUE(t.platform.Messages().empty());
}

TEST(FileCommands, SaveAsOntoAnExistingNameAsksFirst) {
  TempDir dir;
  const std::string path = dir.File("wall.vrh");
  WriteAll(path, "keep me");
  TestApp t;
  CalculatedLevelDesign(t);
  t.platform.Clear();

  t.platform.answers.push_back(MsgResult::kNo);
  SaveAs(t, path);
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  ExpectBox(t.platform.Messages()[0], "同名ファイルがあります。上書き保存しますか？",
            "上書き保存の確認", MsgButtons::kYesNo, MsgIcon::kQuestion, 2);
  EXPECT_EQ(ReadAll(path), "keep me");

  t.platform.answers.push_back(MsgResult::kYes);
  SaveAs(t, path);
  EXPECT_NE(ReadAll(path), "keep me");
  EXPECT_EQ(t.app.current_file, path);
  EXPECT_TRUE(t.Form(forms::kMDIForm1)[forms::ToolButtonName(3)].Enabled());

  // The dialog of 名前を付けて保存 as the program prepares it.
  const ui::FileDialogRequest& req =
      t.platform.calls.back().kind == ui::ScriptedPlatform::Call::kSaveFile
          ? t.platform.calls.back().file
          : t.platform.calls[t.platform.calls.size() - 2].file;
  EXPECT_EQ(req.title, "Varnholtの保存");
  EXPECT_EQ(req.filter, "Varnholt(.vrh)|*.vrh");
  EXPECT_EQ(req.flags, 4);
}

TEST(FileCommands, SaveAsAddsTheExtensionAndACancelOrAFailureKeepsTheFile) {
  TempDir dir;
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, dir.File("wall"));
  EXPECT_EQ(t.app.current_file, dir.File("wall.vrh"));
  EXPECT_FALSE(ReadAll(dir.File("wall.vrh")).empty());
  EXPECT_FALSE(Modified(t.app));
  EXPECT_EQ(DocumentTitle(t.app), "wall.vrh - Varnholt");
  // The next dialog starts at the file, with its name filled in.
  t.platform.Clear();
  t.platform.save_answers.push_back(std::nullopt);
  EXPECT_FALSE(FileSaveAs(t.app));
  EXPECT_EQ(t.platform.calls.at(0).file.initial_dir, dir.path().string());
  EXPECT_EQ(t.platform.calls.at(0).file.file_name, "wall.vrh");
  EXPECT_EQ(t.app.current_file, dir.File("wall.vrh"));
  // A refused save (no such folder) keeps the name and the changes.
  t.Form(forms::kForm2)["txt1"].SetText("川崎市");
  EXPECT_EQ(DocumentTitle(t.app), "wall.vrh* - Varnholt");
  SaveAs(t, dir.File("no/such/wall.vrh"));
  EXPECT_EQ(t.app.current_file, dir.File("wall.vrh"));
  EXPECT_TRUE(Modified(t.app));
  EXPECT_TRUE(t.Form(forms::kMDIForm1)[forms::ToolButtonName(3)].Enabled());
}

TEST(FileCommands, OverwriteAsksAndWithoutAFileActsAsSaveAs) {
  TempDir dir;
  TestApp t;
  CalculatedLevelDesign(t);
  t.platform.Clear();
  // No file yet: 上書き保存 shows the Save dialog instead.
  t.platform.save_answers.push_back(dir.File("a.vrh"));
  FileUpdate(t.app);
  EXPECT_EQ(t.platform.calls.at(0).kind, ui::ScriptedPlatform::Call::kSaveFile);
  const std::string first = ReadAll(dir.File("a.vrh"));
  ASSERT_FALSE(first.empty());

  t.Form(forms::kForm2)["txt1"].SetText("川崎市");
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kCancel);
  FileUpdate(t.app);
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  ExpectBox(t.platform.Messages()[0], "上書き保存してもよろしいですか？", "確認",
            MsgButtons::kOkCancel, MsgIcon::kQuestion, 2);
  EXPECT_EQ(ReadAll(dir.File("a.vrh")), first);
  t.platform.answers.push_back(MsgResult::kOk);
  FileUpdate(t.app);
  EXPECT_NE(ReadAll(dir.File("a.vrh")).find("\x90\xEC\x8D\xE8\x8E\x73"), std::string::npos);
}

TEST(FileCommands, ExitAsksAndNoKeepsEverything) {
  TestApp t;
  CalculatedLevelDesign(t);
  MarkSaved(t.app);  // as after a save: nothing to lose
  bool quit = false;
  t.app.commands.quit = [&quit] { quit = true; };
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kNo);
  t.Form(forms::kMDIForm1)["Men_FEnd"].Click();
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  ExpectBox(t.platform.Messages()[0], "終了してもよろしいですか？", "確認", MsgButtons::kYesNo,
            MsgIcon::kNone, 2);
  EXPECT_FALSE(quit);
  EXPECT_TRUE(t.app.results().valid());

  // With unsaved changes it asks about them instead: キャンセル stays,
  // 保存しない ends without saving.
  t.Form(forms::kForm2)["txt1"].SetText("川崎市");
  for (const MsgResult answer : {MsgResult::kCancel, MsgResult::kNo}) {
    t.platform.Clear();
    t.platform.answers.push_back(answer);
    t.Form(forms::kMDIForm1)["Men_FEnd"].Click();
    ExpectSaveQuestion(t.platform);
    EXPECT_EQ(quit, answer == MsgResult::kNo);
  }
}

TEST(FileCommands, CharacterOutsideTheCodePageIsReportedBeforeWriting) {
  TempDir dir;
  const std::string path = dir.File("wall.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, path);
  const std::string before = ReadAll(path);

  t.Form(forms::kForm2)["txt1"].SetText("横浜市😀");
  t.platform.Clear();
  t.platform.answers.push_back(MsgResult::kOk);
  FileUpdate(t.app);
  const auto messages = t.platform.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].title, "エラーメッセージ");
  EXPECT_EQ(messages[1].text,
            "設計条件の「築造地」に、プロジェクトファイル（Shift_JIS）に保存できない文字「😀」が"
            "あります。\nこの文字を消すか別の文字に替えてから、もう一度保存してください。");
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(forms::kForm2)["txt1"]);
}

TEST(FileCommands, FailedSaveNamesTheFileAndKeepsTheOldOne) {
  TempDir dir;
  TestApp t;
  CalculatedLevelDesign(t);
  t.platform.Clear();
  const std::string missing = dir.File("no/such/folder/wall.vrh");
  EXPECT_FALSE(SaveProject(t.app, missing));
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
  EXPECT_EQ(
      t.platform.Messages()[0].text,
      "ファイル「" + missing + "」に保存できませんでした。\n保存先のフォルダが見つかりません。");

  // A full disk while the file is synced: the old project stays, and says so.
  const std::string path = dir.File("wall.vrh");
  WriteAll(path, "old\r\n");
  FileSystemCalls full = SystemCalls();
  full.fsync = [](int) {
    errno = ENOSPC;
    return -1;
  };
  t.platform.Clear();
  EXPECT_FALSE(SaveProject(t.app, path, full));
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].text,
            "ファイル「" + path +
                "」に保存できませんでした。\nディスクの空き容量が不足しています。\n"
                "元のファイルは変更されていません。");
  EXPECT_EQ(ReadAll(path), "old\r\n");
}

TEST(FileCommands, BadFileLeavesTheOpenDesignUntouched) {
  TempDir dir;
  const std::string good = dir.File("good.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, good);
  const std::string bytes = ReadAll(good);

  // Line 17 (水平) turned into garbage.
  std::string bad = bytes;
  std::size_t p = 0;
  for (int i = 0; i < 16; ++i) p = bad.find("\r\n", p) + 2;
  bad.replace(p, 4, "Yes!");
  const std::string bad_path = dir.File("bad.vrh");
  WriteAll(bad_path, bad);

  const DesignCase dc_before = t.dc();
  t.platform.Clear();
  t.platform.open_answers.push_back(bad_path);
  const OpenResult r = FileOpen(t.app);
  EXPECT_EQ(r.outcome, OpenOutcome::kUnreadable);
  ASSERT_EQ(t.platform.Messages().size(), 1u);
  EXPECT_EQ(t.platform.Messages()[0].title, "エラーメッセージ");
  EXPECT_EQ(t.platform.Messages()[0].text,
            "ファイル「" + bad_path +
                "」はプロジェクトファイルとして読み込めません。\n"
                "17行目: True または False のはずの値が「Yes!」です。");
  EXPECT_EQ(t.app.current_file, good);
  EXPECT_TRUE(t.app.results().valid());
  EXPECT_EQ(t.dc().Calc, dc_before.Calc);
  EXPECT_EQ(t.Form(forms::kForm2)["txt1"].Text(), "横浜市");
  EXPECT_EQ(t.Form(forms::kForm11)["lbl7"].Caption(), " > 1.5 ∴O.K");
  SaveProject(t.app, dir.File("after.vrh"));
  EXPECT_EQ(ReadAll(dir.File("after.vrh")), bytes);

  t.platform.open_answers.push_back(dir.File("missing.vrh"));
  EXPECT_EQ(FileOpen(t.app).outcome, OpenOutcome::kUnreadable);
  EXPECT_EQ(t.platform.Messages().back().text,
            "ファイル「" + dir.File("missing.vrh") +
                "」を開けませんでした。\nファイルが見つかりません。");
}

// Replaces line `n` (1-based) of a file's bytes.
std::string WithLine(std::string bytes, int n, const std::string& value) {
  std::size_t p = 0;
  for (int i = 1; i < n; ++i) p = bytes.find("\r\n", p) + 2;
  bytes.replace(p, bytes.find("\r\n", p) - p, value);
  return bytes;
}

TEST(FileCommands, OpenMakesTheFlagsAgreeWithTheRestoredWindows) {
  TempDir dir;
  const std::string path = dir.File("wall.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, path);
  const std::string bytes = ReadAll(path);

  struct Case {
    const char* name;
    std::string bytes;
    const char* shear_key_flag;
  };
  // Line 1 is ShearKeyFlag, line 2 FenceLoadType, line 42 Form3.opt6 (突起 有り).
  const Case cases[] = {
      {"stale key flag without a key", WithLine(bytes, 1, "1"), "0"},
      {"stale fence load type without a fence", WithLine(bytes, 2, "2"), "0"},
      {"key selected, flag says none", WithLine(WithLine(bytes, 41, "False"), 42, "True"), "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteAll(path, c.bytes);
    TestApp u;
    u.dc().FenceH = 3;
    u.platform.open_answers.push_back(path);
    FileOpen(u.app);
    EXPECT_EQ(u.dc().ShearKeyFlag, c.shear_key_flag);
    EXPECT_EQ(u.dc().FenceLoadType, "");
    EXPECT_EQ(u.dc().FenceH, 0);
  }
}

TEST(FileCommands, OpenShowsTheResultsAndTheWindows) {
  TempDir dir;
  const std::string path = dir.File("wall.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, path);

  TestApp u;
  InstallFileCommands(u.app);
  u.platform.open_answers.push_back(path);
  u.Form(forms::kMDIForm1)["Men_FOpn"].Click();
  ui::Window& f11 = u.Form(forms::kForm11);
  EXPECT_TRUE(u.app.results().valid());
  EXPECT_EQ(u.app.current_file, path);
  EXPECT_EQ(f11["lbl6"].Caption(), "7.089");
  EXPECT_TRUE(f11["lbl6"].Visible());
  EXPECT_TRUE(u.Form(forms::kForm2).Shown());
  EXPECT_TRUE(u.Form(forms::kForm3).Shown());
  EXPECT_EQ(u.Form(forms::kForm3).Left(), 5460);
  EXPECT_EQ(f11.Top(), 4710);
  EXPECT_EQ(u.app.windows().Focused(), &f11["cmd1"]);
  for (int i : {3, 5, 6}) {
    EXPECT_TRUE(u.Form(forms::kMDIForm1)[forms::ToolButtonName(i)].Enabled());
  }
  const ui::FileDialogRequest& req = u.platform.calls.at(0).file;
  EXPECT_EQ(req.title, "Varnholtを開く");
  EXPECT_EQ(req.filter, "Varnholt(.vrh)|*.vrh");
  EXPECT_EQ(req.flags, 4);
}

TEST(FileCommands, SeismicDesignWithAFenceWithoutLoadOpensInTheSeismicCase) {
  TempDir dir;
  const std::string path = dir.File("fence.vrh");
  TestApp t;
  InstallFileCommands(t.app);
  FileNew(t.app);
  FillLevelDesign(t.app);
  ui::Window& f2 = t.Form(forms::kForm2);
  f2["opt11"].Click();  // フェンス 有り: 地震時 becomes unavailable
  t.platform.modal_actions.push_back([](ui::Window& f17) {
    f17["opt1"].Click();  // 常時(水平荷重無し)
    f17["txt1"].SetText("1.2");
    f17["txt2"].SetText("0.3");
    f17["txt5"].SetText("0.5");
    f17["cmd1"].Click();
  });
  f2["cmd3"].Click();
  ASSERT_TRUE(f2["opt5"].Enabled());
  CalculateSeismicCase(t, "0");
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  const std::string seismic_f = t.Form(forms::kForm11)["lbl6"].Caption();
  SaveAs(t, path);
  const std::string bytes = ReadAll(path);
  std::size_t lines = 0;
  for (std::size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 97u);  // with a fence

  TestApp u;
  u.platform.open_answers.push_back(path);
  ASSERT_EQ(FileOpen(u.app).outcome, OpenOutcome::kCalculated);
  ui::Window& g2 = u.Form(forms::kForm2);
  EXPECT_TRUE(g2["opt5"].Value());
  EXPECT_FALSE(g2["opt4"].Value());
  EXPECT_TRUE(g2["opt5"].Enabled());
  EXPECT_TRUE(g2["cmd4"].Enabled());
  EXPECT_EQ(u.dc().FenceLoadType, "0");
  EXPECT_EQ(u.Form(forms::kForm11)["lbl6"].Caption(), seismic_f);
}

// Both cases travel in one file: saved in 常時 after the seismic case was
// set, the file reopens with the seismic method, Kh, Kv and criteria, and
// the normal case calculates as before.
TEST(FileCommands, SeismicSettingsSurviveASaveInTheNormalCase) {
  TempDir dir;
  const std::string path = dir.File("both.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  t.Form(forms::kForm3)["cmd2"].Click();  // the computed coefficient
  t.Form(forms::kForm11)["cmd1"].Click();
  const std::string normal_f = t.Form(forms::kForm11)["lbl6"].Caption();
  ui::Window& f2 = t.Form(forms::kForm2);
  CalculateSeismicCase(t, "0.1");
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  const std::string seismic_f = t.Form(forms::kForm11)["lbl6"].Caption();
  f2["cmd1"].Click();  // 常時 again: nothing to choose again
  t.Form(forms::kForm3)["cmd2"].Click();
  t.Form(forms::kForm11)["cmd1"].Click();
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  EXPECT_EQ(t.Form(forms::kForm11)["lbl6"].Caption(), normal_f);
  SaveAs(t, path);

  TestApp u;
  u.platform.open_answers.push_back(path);
  ASSERT_EQ(FileOpen(u.app).outcome, OpenOutcome::kCalculated);
  EXPECT_TRUE(u.Form(forms::kForm2)["opt4"].Value());
  EXPECT_EQ(u.dc().Cond[cond::kKh], 0);
  EXPECT_EQ(u.Form(forms::kForm11)["lbl6"].Caption(), normal_f);
  ui::Window& g20 = u.Form(forms::kForm20);
  EXPECT_TRUE(g20["opt_K1"].Value());
  EXPECT_EQ(g20["txt1"].Text(), "0.2");
  EXPECT_EQ(g20["txt2"].Text(), "0.1");
  EXPECT_TRUE(u.Form(forms::kForm14)["opt1"].Value());
  EXPECT_TRUE(u.Form(forms::kForm14)["opt5"].Value());
  // Switching to 地震時 and calculating needs no dialog.
  u.Form(forms::kForm2)["cmd2"].Click();
  u.Form(forms::kForm3)["cmd2"].Click();
  u.Form(forms::kForm11)["cmd1"].Click();
  ASSERT_TRUE(u.app.results().valid()) << ::testing::PrintToString(u.platform.MessageTexts());
  EXPECT_DOUBLE_EQ(u.dc().Cond[cond::kKh], 0.2);
  EXPECT_EQ(u.Form(forms::kForm11)["lbl6"].Caption(), seismic_f);
}

// Files the program would not write itself: Open calculates what the
// windows show, or nothing.
TEST(FileCommands, OpenCalculatesTheCaseTheWindowsShowOrNothing) {
  TempDir dir;
  const std::string path = dir.File("wall.vrh");
  TestApp t;
  CalculatedLevelDesign(t);
  SaveAs(t, path);
  const std::string bytes = ReadAll(path);
  // Lines 20/21 常時/地震時, 26/27 fence 無し/有り, 38 KA, 39 KA typed, 43
  // method ①, 46 Kh; the fence dialog's lines follow the file.
  auto with_fence = [&bytes](bool seismic) {
    std::string b = bytes;
    for (const auto& [line, value] :
         std::vector<std::pair<int, std::string>>{{20, seismic ? "False" : "True"},
                                                  {21, seismic ? "True" : "False"},
                                                  {26, "False"},
                                                  {27, "True"},
                                                  {39, "True"},
                                                  {43, "True"},
                                                  {46, "0.2"}}) {
      b = WithLine(b, line, value);
    }
    return b + CrLf({"False", "True", "False", "1.2", "0.3", "1", "", "0.5"});
  };
  auto open = [&path](TestApp& u, const std::string& file) {
    WriteAll(path, file);
    u.platform.open_answers.push_back(path);
    return FileOpen(u.app).outcome;
  };

  // A short-term fence load is calculated in 常時, as the fence dialog's
  // 計算 leaves it: 地震時 unavailable and its coefficients gone.
  TestApp normal, seismic;
  ASSERT_EQ(open(normal, with_fence(false)), OpenOutcome::kCalculated);
  ASSERT_EQ(open(seismic, with_fence(true)), OpenOutcome::kCalculated);
  forms::ConditionsWindow& f2 = forms::Conditions(seismic.app);
  EXPECT_TRUE(f2.case_normal->Value());
  EXPECT_FALSE(f2.case_seismic->Enabled());
  EXPECT_EQ(seismic.dc().FenceLoadType, "1");
  EXPECT_EQ(seismic.dc().Cond[cond::kKh], 0);
  EXPECT_EQ(seismic.dc().Calc, normal.dc().Calc);

  // An empty coefficient box is no coefficient of 0. The inputs load, no
  // box is shown, and the status bar says once what is missing.
  std::vector<std::string> notes;
  normal.app.commands.status_note = [&notes](const std::string& n) { notes.push_back(n); };
  normal.platform.Clear();
  ASSERT_EQ(open(normal, WithLine(bytes, 38, "")), OpenOutcome::kNoResult);
  EXPECT_TRUE(normal.platform.Messages().empty());
  EXPECT_EQ(notes,
            (std::vector<std::string>{"計算していません：主働土圧係数を入力してください。"}));
  EXPECT_FALSE(normal.app.results().valid());
  EXPECT_EQ(normal.app.current_file, path);
  EXPECT_FALSE(Modified(normal.app));
  // A design saved before its site name was typed opens the same way.
  ASSERT_EQ(open(normal, WithLine(bytes, 5, "")), OpenOutcome::kNoResult);
  EXPECT_EQ(notes.size(), 2u);
  EXPECT_EQ(normal.Form(forms::kForm3)["txt7"].Text(), t.Form(forms::kForm3)["txt7"].Text());
}

}  // namespace
}  // namespace varnholt::project
