// Seismic coefficient dialog (Form20): the method of the seismic horizontal
// load and the design seismic coefficients.

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "Varnholt";
constexpr const char* kHeading = "地震時水平荷重の計算方法";
constexpr const char* kGuideA = "Ａ 建築基礎構造設計指針";
constexpr const char* kMethod1 = "地震時土圧による荷重";
constexpr const char* kMethod2 = "擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重";
constexpr const char* kGuideB = "Ｂ 道路土工　擁壁工指針";
constexpr const char* kMethodRoad = "擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重";
constexpr const char* kCompare =
    "Ａによる場合は、①と②の２通り計算比較し、①又は②の大きいほうを採用してください。";
constexpr const char* kInput = "震度の入力";
constexpr const char* kKh = "設計水平震度  Kh=";
constexpr const char* kKv = "設計鉛直震度　Kv=";
constexpr const char* kCz = "地域別補正係数 Cz";
constexpr const char* kRegionA = "地域区分 Ａ";
constexpr const char* kRegionB = "Ｂ";
constexpr const char* kRegionC = "Ｃ";
constexpr const char* kCzA = "Cz=1.0";
constexpr const char* kCzB = "Cz=0.85";
constexpr const char* kCzC = "Cz=0.70";
constexpr const char* kOk = "ＯＫ";
constexpr const char* kCancel = "キャンセル";
constexpr ui::Rgb kRed = 0xFF0000;

}  // namespace

void DefineForm20(ui::Window& w, App& app) {
  (void)app;
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 6600;
  w.height = 5520;

  AddLabel(w, "Label1", kHeading, 180, 120).bold = true;
  AddLabel(w, "Label2", kGuideA, 360, 480);
  AddLabel(w, "Label8", "①", 600, 780);
  AddOption(w, "opt_K1", kMethod1, 900, 780).width = 5400;
  AddLabel(w, "Label9", "②", 600, 1200);
  Control& k2 = AddOption(w, "opt_K2", kMethod2, 900, 1080);
  k2.width = 3000;
  k2.height = 480;
  AddLabel(w, "Label3", kGuideB, 360, 1620);
  AddOption(w, "opt_D1", kMethodRoad, 900, 1920).width = 5400;
  Control& note = AddLabel(w, "Label6", kCompare, 360, 2460);
  note.SetForeColor(kRed);
  note.width = 6000;
  AddFrame(w, "Frame1", "", 60, 3000, 6420, 1500);
  AddLabel(w, "Label4", kInput, 180, 240, "Frame1");
  AddLabel(w, "Label7", kKh, 240, 630, "Frame1");
  AddText(w, "txt1", 2370, 600, 720, "Frame1");
  AddLabel(w, "Label5", kKv, 780, 1050, "Frame1");
  AddText(w, "txt2", 2370, 1020, 720, "Frame1");
  AddFrame(w, "frm1", "", 3180, 120, 3120, 1320, "Frame1");
  AddLabel(w, "lbl_Cz", kCz, 120, 120, "frm1");
  AddLabel(w, "lbl_A", kRegionA, 120, 420, "frm1");
  AddOption(w, "opt_A", kCzA, 1500, 420, "frm1");
  AddLabel(w, "lbl_B", kRegionB, 1020, 720, "frm1");
  AddOption(w, "opt_B", kCzB, 1500, 720, "frm1");
  AddLabel(w, "lbl_C", kRegionC, 1020, 1020, "frm1");
  AddOption(w, "opt_C", kCzC, 1500, 1020, "frm1");
  AddButton(w, "cmd1", kOk, 1560, 4620, 1200);
  AddButton(w, "cmd2", kCancel, 2820, 4620, 1200);
}

}  // namespace varnholt::forms
