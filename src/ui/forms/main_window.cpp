// The main window (MDIForm1) and the results window (Form11) as controls.
// Their commands are wired where their work is done.

#include <string>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
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

}  // namespace

std::string ToolButtonName(int index) { return "Button" + std::to_string(index); }

void DefineMDIForm1(ui::Window& w, App& app) {
  (void)app;
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
}

const char* ToolButtonPath(int index) {
  for (const ToolButton& b : kToolButtons) {
    if (b.index == index) return b.path;
  }
  return "";
}

void DefineForm11(ui::Window& w, App& app) {
  (void)app;
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
}

}  // namespace varnholt::forms
