// Print-range dialog (Form10): which pages to print and whether to number
// them. Its OK button hands over to the printing command; the dialog keeps
// its choices (hidden) for the next print, キャンセル forgets them.

#include <cmath>

#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "Varnholt";
constexpr const char* kRangeFrame = "印刷範囲の指定";
constexpr const char* kGeneral = "一般事項";
constexpr const char* kStability = "安定計算";
constexpr const char* kAll = "一般事項 ・ 安定計算";
constexpr const char* kNumbering = "ページ番号を付ける";
constexpr const char* kFirstNumber = "最初のページ番号";
constexpr const char* kDigitsHint = "(数字を入力)";
constexpr const char* kOk = "ＯＫ";
constexpr const char* kCancel = "キャンセル";
constexpr const char* kMsgNoRange = "印刷範囲を指定してください。";
constexpr const char* kMsgNoNumber = "最初のページ番号を入力してください。";

void NumberingClicked(ui::Window& w) {
  const bool on = w["chk_P"].CheckValue() == 1;
  w["lbl1"].SetEnabled(on);
  w["lbl2"].SetEnabled(on);
  if (!on) w["txt_P"].SetText("");
  w["txt_P"].SetEnabled(on);
}

void OkClicked(App& app, ui::Window& w) {
  if (!w["opt1"].Value() && !w["opt2"].Value() && !w["opt3"].Value()) {
    app.ErrorMessage(kMsgNoRange);
    return;
  }
  ui::Control& number = w["txt_P"];
  if (w["chk_P"].CheckValue() == 1 && number.Text().empty()) {
    app.ErrorMessage(kMsgNoNumber);
    app.windows().SetFocus(number);
    return;
  }
  // Whatever is not a number prints as page 0; so does a number too large
  // to represent (1e999), which would otherwise reach the footer as infinity.
  const double first = LeadingNumber(number.Text());
  app.dc().FirstPageNo = std::isfinite(first) ? first : 0;
  w.Hide();
  if (app.commands.file_print) app.commands.file_print();
}

}  // namespace

void DefineForm10(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 4560;
  w.height = 3240;

  AddFrame(w, "Frame1", kRangeFrame, 240, 120, 4020, 1260);
  AddOption(w, "opt1", kGeneral, 240, 300, "Frame1").width = 1500;
  AddOption(w, "opt2", kStability, 1920, 300, "Frame1").width = 1500;
  AddOption(w, "opt3", kAll, 240, 780, "Frame1").width = 3000;
  AddCheck(w, "chk_P", kNumbering, 360, 1560).width = 2400;
  Control& l1 = AddLabel(w, "lbl1", kFirstNumber, 600, 1980);
  l1.SetEnabled(false);
  Control& txt = AddText(w, "txt_P", 2280, 1950, 600);
  txt.SetEnabled(false);
  Control& l2 = AddLabel(w, "lbl2", kDigitsHint, 3000, 1980);
  l2.SetEnabled(false);
  Control& ok = AddButton(w, "cmd1", kOk, 840, 2520, 1200);
  AddButton(w, "cmd2", kCancel, 2400, 2520, 1200);

  // Handlers after the defaults, so setting them runs nothing.
  for (const char* name : {"opt1", "opt2", "opt3"}) {
    w[name].on_click = [&app, &ok] { app.windows().SetFocus(ok); };
  }
  w["chk_P"].on_click = [&w] { NumberingClicked(w); };
  txt.on_click = [&txt] { txt.SelectAll(); };
  txt.on_gotfocus = [&txt] { txt.SelectAll(); };
  txt.on_dblclick = [&txt] {
    txt.SetSelStart(10);
    txt.SetSelLength(static_cast<int>(txt.Text().size()));
  };
  txt.on_keypress = [&app, &ok](int& key) {
    if (key != ui::kKeyEnter) return;
    key = 0;
    app.windows().SetFocus(ok);
  };
  ok.on_click = [&app, &w] { OkClicked(app, w); };
  w["cmd2"].on_click = [&app] { app.windows().Unload(kForm10); };
}

}  // namespace varnholt::forms
