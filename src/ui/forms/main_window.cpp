// The main window (MDIForm1) and the results window (Form11): their
// controls, the File menu's enabling, the toolbar, the reference tables and
// the two ways of ending the program. The commands themselves live with
// their work (results.h for the results window, App::commands for the file
// commands, preview and printing).

#include <functional>
#include <memory>
#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/handles.h"
#include "ui/forms/results.h"
#include "ui/forms/sizing_entry.h"
#include "ui/forms/summary_window.h"
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

struct ToolButton {
  int index;
  const char* command;
  const char* path;
};

constexpr ToolButton kToolButtons[] = {
    {1, "新規作成", "[ファイル]-[新規作成]"},
    {2, "開く", "[ファイル]-[開く]"},
    {3, "上書き保存", "[ファイル]-[上書き保存]"},
    {4, "", ""},
    {5, "印刷ｲﾒｰｼﾞ", "[ファイル]-[印刷ｲﾒｰｼﾞ]"},
    {6, "印刷", "[ファイル]-[印刷]"},
    {7, "", ""},
    {8, "両ケース計算", "[計算]-[両ケース計算]"},
};

void Run(const std::function<void()>& command) {
  if (command) command();
}

void ShowPrintRange(App& app) { app.Form(kForm10).ShowModal(); }

// 参考: the reference tables of the selected standard, at the top-left
// corner. File menu, 参考 and toolbar stay away until the window closes.
void OpenReference(App& app, MainWindow& main) {
  ConditionsWindow& conditions = Conditions(app);
  const char* name = conditions.residential->Value() ? kForm7
                     : conditions.road->Value()      ? kForm18
                                                     : nullptr;
  if (name == nullptr) return;
  main.file_menu->SetEnabled(false);
  main.reference_menu->SetEnabled(false);
  main.toolbar->SetVisible(false);
  ui::Window& ref = app.Form(name);
  ref.Move(0, 0);
  ref.Show();
}

// With unsaved changes, ending the program asks whether to save them; true
// when that question was asked (`go_on` holds the answer).
bool AskAboutChanges(App& app, bool& go_on) {
  if (!app.commands.unsaved || !app.commands.unsaved() || !app.commands.confirm_discard) {
    return false;
  }
  go_on = app.commands.confirm_discard();
  return true;
}

void ExitCommand(App& app) {
  bool go_on = false;
  if (AskAboutChanges(app, go_on)) {
    if (go_on) Run(app.commands.quit);
    return;
  }
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
    case 8:
      BothCasesCommand(app);
      break;
    default:
      break;
  }
}

void WireMDIForm1(ui::Window& w, MainWindow& m, App& app) {
  w.on_load = [&w] { w.Show(); };
  m.file_menu->on_click = [&app] { app.results().UpdateFileMenu(); };
  m.file_new->on_click = [&app] { Run(app.commands.file_new); };
  m.file_open->on_click = [&app] { Run(app.commands.file_open); };
  m.file_close->on_click = [&app] { Run(app.commands.file_close); };
  m.file_overwrite->on_click = [&app] { Run(app.commands.file_update); };
  m.file_save_as->on_click = [&app] { Run(app.commands.file_save_as); };
  m.file_preview->on_click = [&app] { Run(app.commands.file_image); };
  m.file_print->on_click = [&app] { ShowPrintRange(app); };
  m.file_exit->on_click = [&app] { ExitCommand(app); };
  m.reference_menu->on_click = [&app, &m] { OpenReference(app, m); };
  m.both_cases_item->on_click = [&app] { BothCasesCommand(app); };
  m.version_item->on_click = [&app] { app.Form(kForm6).Show(); };
  const ControlRef* buttons[] = {&m.new_button,     &m.open_button,  &m.overwrite_button,
                                 &m.preview_button, &m.print_button, &m.both_button};
  for (const ControlRef* b : buttons) {
    const int index = (*b)->tool_index;
    (*b)->on_click = [&app, index] { ToolButtonClicked(app, index); };
  }
  // Closing the main window by its close box or by the system.
  w.on_query_unload = [&app](bool& cancel) {
    bool go_on = false;
    if (AskAboutChanges(app, go_on)) {
      cancel = !go_on;
      if (go_on) Run(app.commands.quit);
      return;
    }
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
  MainWindow& m = w.Attach(std::make_unique<MainWindow>(w));
  // Menus are declared before their items; an item keeps its menu in the
  // container slot.
  auto menu = [&w](const char* name, const char* caption, const char* parent = "") -> Control& {
    Control& c = w.Add(name, ControlKind::kMenuItem, parent);
    c.SetCaption(caption);
    return c;
  };
  m.file_menu = menu("Men_F", "ﾌｧｲﾙ(&F)");
  m.file_new = menu("Men_FNew", "新規作成(&N)", "Men_F");
  m.file_open = menu("Men_FOpn", "開く(&O)", "Men_F");
  m.file_close = menu("Men_FCls", "閉じる(&C)", "Men_F");
  menu("Men_FL1", "-", "Men_F");
  m.file_overwrite = menu("Men_FOvw", "上書き保存(&S)", "Men_F");
  m.file_save_as = menu("Men_FSav", "名前を付けて保存(&A)", "Men_F");
  menu("Men_FL2", "-", "Men_F");
  m.file_preview = menu("Men_FImg", "印刷ｲﾒｰｼﾞ(&I)", "Men_F");
  m.file_print = menu("Men_FPrn", "印刷(&P)", "Men_F");
  menu("Men_FL3", "-", "Men_F");
  m.file_exit = menu("Men_FEnd", "終了(&X)", "Men_F");
  menu("Men_C", "計算(&C)");
  m.both_cases_item = menu("Men_CBoth", "両ケース計算(&B)", "Men_C");
  m.reference_menu = menu("Men_S", "参考(&S)");
  menu("Men_H", "ﾍﾙﾌﾟ(&H)");
  m.version_item = menu("Men_HVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)", "Men_H");

  m.toolbar = w.Add("Toolbar1", ControlKind::kFrame);
  ControlRef* by_index[] = {nullptr,       &m.new_button,     &m.open_button,  &m.overwrite_button,
                            nullptr,       &m.preview_button, &m.print_button, nullptr,
                            &m.both_button};
  for (const ToolButton& b : kToolButtons) {
    Control& c = w.Add(ToolButtonName(b.index), ControlKind::kToolButton, "Toolbar1");
    c.tool_index = b.index;
    c.SetCaption(b.command);
    if (ControlRef* ref = by_index[b.index]) *ref = c;
  }
  // Start-up: nothing to save, preview or print yet.
  for (const ControlRef* b : {&m.overwrite_button, &m.preview_button, &m.print_button}) {
    (*b)->SetEnabled(false);
  }
  WireMDIForm1(w, m, app);
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
  w.height = 3120;
  w.Move(kDimensionLeft, kResultsTop);
  ResultsWindow& r = w.Attach(std::make_unique<ResultsWindow>(w));

  r.calculate_button = AddButton(w, "cmd1", kCalculate, 60, 60, 2655);
  r.calculate_button->SetBackColor(kLightGreen);
  r.methods_button = AddButton(w, "cmd2", kCheckMethods, 2760, 60, 2655);
  r.methods_button->SetBackColor(kLightYellow);

  // A result label starts hidden; its text comes from Kekka.
  auto result = [&w](const char* name, int left, int top, ui::Alignment align,
                     int width = 900) -> Control& {
    Control& c = AddLabel(w, name, "", left, top);
    c.alignment = align;
    c.width = width;
    c.SetVisible(false);
    return c;
  };
  using A = ui::Alignment;
  r.overturning_caption = AddLabel(w, "lbl2", kOverturn, 120, 540);
  r.overturning[0] = result("lbl5", 1830, 540, A::kRight);
  r.overturning[1] = result("lbl6", 2550, 540, A::kCenter);
  r.overturning[2] = result("lbl7", 3570, 540, A::kCenter, 1800);
  r.eccentricity[0] = result("lbl22", 1830, 780, A::kRight);
  r.eccentricity[1] = result("lbl23", 2550, 780, A::kCenter);
  r.eccentricity[2] = result("lbl24", 3570, 780, A::kCenter, 1800);
  r.bearing_caption = AddLabel(w, "lbl3", kBearing, 120, 1140);
  r.bearing[0] = result("lbl8", 1800, 1140, A::kRight);
  r.bearing[1] = result("lbl9", 2700, 1140, A::kCenter);
  r.bearing[2] = result("lbl10", 3720, 1140, A::kLeft);
  r.bearing[3] = result("lbl11", 2370, 1380, A::kCenter, 300);
  r.bearing[4] = result("lbl12", 2700, 1380, A::kCenter);
  r.bearing[5] = result("lbl13", 3780, 1380, A::kLeft, 600);
  r.bearing[6] = result("lbl14", 4410, 1380, A::kLeft);
  r.sliding_caption = AddLabel(w, "lbl4", kSliding, 120, 1740);
  r.sliding[0] = result("lbl15", 1860, 1740, A::kRight);
  r.sliding[1] = result("lbl16", 2550, 1740, A::kCenter);
  r.sliding[2] = result("lbl17", 3570, 1740, A::kCenter, 1800);
  r.without_key_caption = AddLabel(w, "lbl18", kWithoutKey, 420, 2040);
  r.without_key_caption->SetVisible(false);
  r.without_key[0] = result("lbl19", 1860, 1980, A::kRight);
  r.without_key[1] = result("lbl20", 2550, 1980, A::kCenter);
  r.without_key[2] = result("lbl21", 3570, 1980, A::kCenter, 1800);

  r.overall = result("lbl25", 120, 2400, A::kLeft, 3360);
  r.sizing_button = AddSizingButton(w, app, 3570, 2340, 1800);
  r.sizing_button->SetVisible(false);

  r.calculate_button->on_click = [&app] { CalculateCommand(app); };
  r.methods_button->on_click = [&app] { CheckMethodCommand(app); };
}

}  // namespace varnholt::forms
