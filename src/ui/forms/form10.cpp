// Print-range dialog (Form10): which pages to print and whether to number
// them. Its OK button hands over to the printing command; the dialog keeps
// its choices (hidden) for the next print, キャンセル forgets them.

#include <cmath>
#include <memory>

#include "model/leading_number.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "印刷範囲の指定";
constexpr const char* kRangeFrame = "印刷範囲の指定";
constexpr const char* kGeneral = "一般事項";
constexpr const char* kStability = "安定計算";
constexpr const char* kAll = "一般事項 ・ 安定計算";
constexpr const char* kBoth = "両ケース";
constexpr const char* kNumbering = "ページ番号を付ける";
constexpr const char* kBodyPage = "躯体の照査";
constexpr const char* kFirstNumber = "最初のページ番号";
constexpr const char* kDigitsHint = "(数字を入力)";
constexpr const char* kOk = "ＯＫ";
constexpr const char* kCancel = "キャンセル";
constexpr const char* kMsgNoRange = "印刷範囲を指定してください。";
constexpr const char* kMsgNoNumber = "最初のページ番号を入力してください。";

void NumberingClicked(PrintRangeDialog& d) {
  const bool on = d.numbering_check->CheckValue() == 1;
  d.first_page_caption->SetEnabled(on);
  d.digits_hint->SetEnabled(on);
  if (!on) d.first_page_text->SetText("");
  d.first_page_text->SetEnabled(on);
}

void OkClicked(App& app, PrintRangeDialog& d) {
  if (!d.range_general->Value() && !d.range_stability->Value() && !d.range_all->Value() &&
      !d.range_both->Value()) {
    app.ErrorMessage(kMsgNoRange);
    return;
  }
  ui::Control& number = d.first_page_text;
  if (d.numbering_check->CheckValue() == 1 && number.Text().empty()) {
    app.ErrorMessage(kMsgNoNumber);
    app.windows().SetFocus(number);
    return;
  }
  // Whatever is not a number prints as page 0; so does a number too large
  // to represent (1e999), which would otherwise reach the footer as infinity.
  const double first = LeadingNumber(number.Text());
  app.dc().FirstPageNo = std::isfinite(first) ? first : 0;
  app.print_body_stress = d.body_check->CheckValue() == 1;
  d.window.Hide();
  if (app.commands.file_print) app.commands.file_print();
}

}  // namespace

void DefineForm10(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 4560;
  w.height = 3240;
  PrintRangeDialog& d = w.Attach(std::make_unique<PrintRangeDialog>(w));

  AddFrame(w, "Frame1", kRangeFrame, 240, 120, 4020, 1260);
  d.range_general = AddOption(w, "opt1", kGeneral, 240, 300, "Frame1");
  d.range_general->width = 1500;
  d.range_stability = AddOption(w, "opt2", kStability, 1920, 300, "Frame1");
  d.range_stability->width = 1500;
  d.range_all = AddOption(w, "opt3", kAll, 240, 780, "Frame1");
  d.range_all->width = 2280;
  d.range_both = AddOption(w, "opt4", kBoth, 2640, 780, "Frame1");
  d.range_both->width = 1260;
  d.numbering_check = AddCheck(w, "chk_P", kNumbering, 360, 1560);
  d.numbering_check->width = 2400;
  d.body_check = AddCheck(w, "chk_B", kBodyPage, 2880, 1560);
  d.body_check->width = 1500;
  d.body_check->SetCheckValue(app.print_body_stress ? 1 : 0);
  d.first_page_caption = AddLabel(w, "lbl1", kFirstNumber, 600, 1980);
  d.first_page_caption->SetEnabled(false);
  d.first_page_text = AddText(w, "txt_P", 2280, 1950, 600);
  d.first_page_text->SetEnabled(false);
  d.digits_hint = AddLabel(w, "lbl2", kDigitsHint, 3000, 1980);
  d.digits_hint->SetEnabled(false);
  d.ok_button = AddButton(w, "cmd1", kOk, 840, 2520, 1200);
  d.cancel_button = AddButton(w, "cmd2", kCancel, 2400, 2520, 1200);

  // Handlers after the defaults, so setting them runs nothing.
  ui::Control& ok = d.ok_button;
  for (ControlRef* range : {&d.range_general, &d.range_stability, &d.range_all, &d.range_both}) {
    (*range)->on_click = [&app, &ok] { app.windows().SetFocus(ok); };
  }
  d.numbering_check->on_click = [&d] { NumberingClicked(d); };
  ui::Control& txt = d.first_page_text;
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
  ok.on_click = [&app, &d] { OkClicked(app, d); };
  d.cancel_button->on_click = [&app] { app.windows().Unload(kForm10); };
}

}  // namespace varnholt::forms
