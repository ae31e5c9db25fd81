// The main window (MDIForm1) and the results window (Form11): their
// controls, the File menu's enabling, the toolbar, the reference tables and
// the two ways of ending the program. The commands themselves live with
// their work (results.h for the results window, App::commands for the file
// commands, preview and printing).

#include <functional>
#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/results.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kMainTitle = "Varnholt";
constexpr const char* kResultsTitle = "安定性の検討";
constexpr const char* kCalculate = "安定性の検討";
constexpr const char* kCheckMethods = "安定性の検討方法";
constexpr const char* kOverturn = "転倒に対して";
constexpr const char* kBearing = "支持力に対して";
constexpr const char* kSliding = "滑動に対して";
constexpr const char* kWithoutKey = "突起の無い状態で";
constexpr ui::Rgb kLightGreen = 0xC0FFC0;
constexpr ui::Rgb kLightYellow = 0xFFFFC0;
// The closing of the main window asks with a half-width question mark,
// 終了(&X) with a full-width one; both are as the program has always shown.
constexpr const char* kMsgQueryUnload = "終了してもよろしいですか?";
constexpr const char* kMsgExit = "終了してもよろしいですか？";
constexpr const char* kConfirmTitle = "確認";

struct MenuItem {
  const char* name;
  const char* caption;
  const char* menu;  // the menu it drops from; empty for a menu title
};

constexpr MenuItem kMenu[] = {
    {"Men_F", "ﾌｧｲﾙ(&F)", ""},
    {"Men_FNew", "新規作成(&N)", "Men_F"},
    {"Men_FOpn", "開く(&O)", "Men_F"},
    {"Men_FCls", "閉じる(&C)", "Men_F"},
    {"Men_FL1", "-", "Men_F"},
    {"Men_FOvw", "上書き保存(&S)", "Men_F"},
    {"Men_FSav", "名前を付けて保存(&A)", "Men_F"},
    {"Men_FL2", "-", "Men_F"},
    {"Men_FImg", "印刷ｲﾒｰｼﾞ(&I)", "Men_F"},
    {"Men_FPrn", "印刷(&P)", "Men_F"},
    {"Men_FL3", "-", "Men_F"},
    {"Men_FEnd", "終了(&X)", "Men_F"},
    {"Men_S", "参考(&S)", ""},
    {"Men_H", "ﾍﾙﾌﾟ(&H)", ""},
    {"Men_HVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)", "Men_H"},
};

struct ToolButton {
  int index;
  const char* command;
  const char* path;
};

constexpr ToolButton kToolButtons[] = {
    {1, "新規作成", "[ファイル]-[新規作成]"},     {2, "開く", "[ファイル]-[開く]"},
    {3, "上書き保存", "[ファイル]-[上書き保存]"}, {4, "", ""},
    {5, "印刷ｲﾒｰｼﾞ", "[ファイル]-[印刷ｲﾒｰｼﾞ]"},   {6, "印刷", "[ファイル]-[印刷]"},
};

void Run(const std::function<void()>& command) {
  if (command) command();
}

// The File menu is opened: save, preview and print only with valid results,
// overwrite only when the project also has a file.
void UpdateFileMenu(App& app, ui::Window& w) {
  const bool valid = app.results_valid;
  w["Men_FSav"].SetEnabled(valid);
  w["Men_FImg"].SetEnabled(valid);
  w["Men_FPrn"].SetEnabled(valid);
  w["Men_FOvw"].SetEnabled(valid && !app.current_file.empty());
}

void ShowPrintRange(App& app) { app.Form(kForm10).ShowModal(); }

// 参考: the reference tables of the selected standard, at the top-left
// corner. File menu, 参考 and toolbar stay away until the window closes.
void OpenReference(App& app, ui::Window& w) {
  ui::Window& f2 = app.Form(kForm2);
  const char* name = f2["opt_T"].Value() ? kForm7 : f2["opt_D"].Value() ? kForm18 : nullptr;
  if (name == nullptr) return;
  w["Men_F"].SetEnabled(false);
  w["Men_S"].SetEnabled(false);
  w["Toolbar1"].SetVisible(false);
  ui::Window& ref = app.Form(name);
  ref.Move(0, 0);
  ref.Show();
}

void ExitCommand(App& app) {
  const ui::MsgResult answer = ui::MsgBox(app.platform(), kMsgExit, ui::MsgButtons::kYesNo,
                                          ui::MsgIcon::kNone, 2, kConfirmTitle);
  if (answer == ui::MsgResult::kYes) Run(app.commands.quit);
}

void ToolButtonClicked(App& app, int index) {
  switch (index) {
    case 1:
      Run(app.commands.file_new);
      break;
    case 2:
      Run(app.commands.file_open);
      break;
    case 3:
      Run(app.commands.file_update);
      break;
    case 5:
      Run(app.commands.file_image);
      break;
    case 6:
      ShowPrintRange(app);
      break;
    default:
      break;
  }
}

void WireMDIForm1(ui::Window& w, App& app) {
  w.on_load = [&w] { w.Show(); };
  w["Men_F"].on_click = [&app, &w] { UpdateFileMenu(app, w); };
  w["Men_FNew"].on_click = [&app] { Run(app.commands.file_new); };
  w["Men_FOpn"].on_click = [&app] { Run(app.commands.file_open); };
  w["Men_FCls"].on_click = [&app] { Run(app.commands.file_close); };
  w["Men_FOvw"].on_click = [&app] { Run(app.commands.file_update); };
  w["Men_FSav"].on_click = [&app] { Run(app.commands.file_save_as); };
  w["Men_FImg"].on_click = [&app] { Run(app.commands.file_image); };
  w["Men_FPrn"].on_click = [&app] { ShowPrintRange(app); };
  w["Men_FEnd"].on_click = [&app] { ExitCommand(app); };
  w["Men_S"].on_click = [&app, &w] { OpenReference(app, w); };
  w["Men_HVer"].on_click = [&app] { app.Form(kForm6).Show(); };
  for (const ToolButton& b : kToolButtons) {
    const int index = b.index;
    w[ToolButtonName(index)].on_click = [&app, index] { ToolButtonClicked(app, index); };
  }
  // Closing the main window by its close box or by the system.
  w.on_query_unload = [&app](bool& cancel) {
    const ui::MsgResult answer = ui::MsgBox(app.platform(), kMsgQueryUnload, ui::MsgButtons::kYesNo,
                                            ui::MsgIcon::kNone, 1, ui::kProgramTitle);
    if (answer != ui::MsgResult::kYes) {
      cancel = true;
      return;
    }
    Run(app.commands.quit);
  };
}

}  // namespace

std::string ToolButtonName(int index) { return "Button" + std::to_string(index); }

void DefineMDIForm1(ui::Window& w, App& app) {
  w.SetCaption(kMainTitle);
  w.is_main = true;
  w.width = 11400;
  w.height = 8400;
  for (const MenuItem& m : kMenu) {
    // Menu items keep their menu in the container slot.
    Control& c = w.Add(m.name, ControlKind::kMenuItem, m.menu);
    c.SetCaption(m.caption);
  }
  w.Add("Toolbar1", ControlKind::kFrame);
  for (const ToolButton& b : kToolButtons) {
    Control& c = w.Add(ToolButtonName(b.index), ControlKind::kToolButton, "Toolbar1");
    c.tool_index = b.index;
    c.SetCaption(b.command);
  }
  // Start-up: nothing to save, preview or print yet.
  for (int i : {3, 5, 6}) w[ToolButtonName(i)].SetEnabled(false);
  WireMDIForm1(w, app);
}

const char* ToolButtonPath(int index) {
  for (const ToolButton& b : kToolButtons) {
    if (b.index == index) return b.path;
  }
  return "";
}

void DefineForm11(ui::Window& w, App& app) {
  w.SetCaption(kResultsTitle);
  w.width = 5520;
  w.height = 2760;
  w.Move(5460, 4710);

  Control& c1 = AddButton(w, "cmd1", kCalculate, 60, 60, 2655);
  c1.SetBackColor(kLightGreen);
  Control& c2 = AddButton(w, "cmd2", kCheckMethods, 2760, 60, 2655);
  c2.SetBackColor(kLightYellow);

  auto row = [&w](const char* name, int left, int top, ui::Alignment align) {
    Control& c = AddLabel(w, name, "", left, top);
    c.alignment = align;
    c.width = 900;
    c.SetVisible(false);
    return &c;
  };
  using A = ui::Alignment;
  AddLabel(w, "lbl2", kOverturn, 120, 540);
  row("lbl5", 1830, 540, A::kRight);
  row("lbl6", 2550, 540, A::kCenter);
  row("lbl7", 3570, 540, A::kCenter)->width = 1800;
  row("lbl22", 1830, 780, A::kRight);
  row("lbl23", 2550, 780, A::kCenter);
  row("lbl24", 3570, 780, A::kCenter)->width = 1800;
  AddLabel(w, "lbl3", kBearing, 120, 1140);
  row("lbl8", 1800, 1140, A::kRight);
  row("lbl9", 2700, 1140, A::kCenter);
  row("lbl10", 3720, 1140, A::kLeft);
  row("lbl11", 2370, 1380, A::kCenter)->width = 300;
  row("lbl12", 2700, 1380, A::kCenter);
  row("lbl13", 3780, 1380, A::kLeft)->width = 600;
  row("lbl14", 4410, 1380, A::kLeft);
  AddLabel(w, "lbl4", kSliding, 120, 1740);
  row("lbl15", 1860, 1740, A::kRight);
  row("lbl16", 2550, 1740, A::kCenter);
  row("lbl17", 3570, 1740, A::kCenter)->width = 1800;
  Control& l18 = AddLabel(w, "lbl18", kWithoutKey, 420, 2040);
  l18.SetVisible(false);
  row("lbl19", 1860, 1980, A::kRight);
  row("lbl20", 2550, 1980, A::kCenter);
  row("lbl21", 3570, 1980, A::kCenter)->width = 1800;

  c1.on_click = [&app] { CalculateCommand(app); };
  c2.on_click = [&app] { CheckMethodCommand(app); };
}

}  // namespace varnholt::forms
