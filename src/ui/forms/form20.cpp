// Seismic coefficient dialog (Form20): the method of the seismic horizontal
// load and the design seismic coefficients.

#include "ui/forms/form20.h"

#include <initializer_list>
#include <memory>
#include <string>

#include "calc/seismic.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/dialog_boxes.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kTitle = "地震時水平荷重の計算方法";
constexpr const char* kHeading = "地震時水平荷重の計算方法";
constexpr const char* kGuideA = "Ａ 建築基礎構造設計指針";
constexpr const char* kMethod1 = "地震時土圧による荷重";
constexpr const char* kMethod2 = "擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重";
constexpr const char* kGuideB = "Ｂ 道路土工　擁壁工指針";
constexpr const char* kMethodRoad = "擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重";
constexpr const char* kCompare =
    "Ａによる場合は、①と②の２通りを「両ケース計算」で計算し、総括表で比較してください。";
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

constexpr const char* kMsgMethod = "地震時水平荷重の計算方法を選択してください。";
constexpr const char* kMsgKh = "水平震度を入力して下さい。";
constexpr const char* kMsgKv = "鉛直震度を入力して下さい。";
constexpr const char* kMsgRegion = "地域別補正係数を選択して下さい。";

bool RoadStandard(App& app) { return Conditions(app).road->Value(); }

bool AnySelected(std::initializer_list<const ControlRef*> options) {
  for (const ControlRef* o : options) {
    if ((*o)->Value()) return true;
  }
  return false;
}

// Methods ① and the road method use the seismic earth pressure, which only
// the computation gives; ② uses the normal coefficient, which may also be
// typed, except on a slope, which always needs the computed one.
void AllowTypedCoefficientByMethod(App& app) {
  const SeismicDialog& d = Seismic(app);
  LevelDimensionsWindow& f3 = LevelDimensions(app);
  const bool typed_allowed = d.method_k2->Value() && Conditions(app).level->Value();
  f3.direct_button->SetEnabled(typed_allowed);
  f3.ka_entered->SetEnabled(typed_allowed);
}

// ＯＫ: checks the choices and boxes, computes the coefficients, and makes
// the dimension window's coefficient be computed again for the new method.
void OnOk(SeismicDialog& d, App& app) {
  if (const char* missing = MissingSeismicSetting(app)) {
    app.ErrorMessage(missing);
    app.FocusAtStart(missing == kMsgMethod ? d.method_k1
                     : missing == kMsgKh   ? d.kh_text
                     : missing == kMsgKv   ? d.kv_text
                                           : d.region_a);
    return;
  }
  const CalcStatus status = Jisin(app);
  if (!status.ok()) {
    // The value is stored as typed; whatever results are shown no longer
    // belong to the coefficients, and the box is put right first.
    app.results().ClearResultsAndSlidingFactor();
    app.ErrorMessage(status.Message());
    app.FocusAtStart(status.quantity.find("Kv") != std::string::npos ? d.kv_text : d.kh_text);
    return;
  }
  d.window.Hide();

  ConditionsWindow& f2 = Conditions(app);
  if (IsLevelOrSlope(f2)) {
    // The coefficient shown belongs to the previous method.
    LevelDimensionsWindow& f3 = LevelDimensions(app);
    f3.ka_entered->SetValue(false);
    f3.ka_computed->SetValue(false);
    f3.ka_text->SetText("");
    AllowTypedCoefficientByMethod(app);
  }
  app.results().ClearResultsAndSlidingFactor();
}

}  // namespace

void ApplyKeptSeismicSettings(App& app) {
  if (!app.windows().IsLoaded(kForm20)) return;
  const SeismicDialog& d = Seismic(app);
  if (MethodOf(d) == SeismicMethod::kNone) return;
  if (IsLevelOrSlope(Conditions(app))) AllowTypedCoefficientByMethod(app);
  if (d.kh_text->Text().empty() || d.kv_text->Text().empty()) return;
  // A value the dialog's ＯＫ would refuse is stored as typed and refused
  // again by the calculation, by name.
  Jisin(app);
}

const char* MissingSeismicSetting(App& app) {
  SeismicDialog& d = Seismic(app);
  if (!AnySelected({&d.method_k1, &d.method_k2, &d.method_road})) return kMsgMethod;
  if (d.kh_text->Text().empty()) return kMsgKh;
  if (d.kv_text->Text().empty()) return kMsgKv;
  if (RoadStandard(app) && !AnySelected({&d.region_a, &d.region_b, &d.region_c})) {
    return kMsgRegion;
  }
  return nullptr;
}

CalcStatus Jisin(App& app) {
  SeismicDialog& d = Seismic(app);
  Selections sel;
  sel.standard = StandardOf(Conditions(app));
  sel.seismic_region = RegionOf(d);
  return varnholt::Jisin(app.dc(), sel, d.kh_text->Text(), d.kv_text->Text());
}

void DefineForm20(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.is_dialog = true;
  w.width = 6600;
  w.height = 5520;
  SeismicDialog& d = w.Attach(std::make_unique<SeismicDialog>(w));

  AddLabel(w, "Label1", kHeading, 180, 120).bold = true;
  AddLabel(w, "Label2", kGuideA, 360, 480);
  AddLabel(w, "Label8", "①", 600, 780);
  d.method_k1 = AddOption(w, "opt_K1", kMethod1, 900, 780);
  d.method_k1->width = 5400;
  AddLabel(w, "Label9", "②", 600, 1200);
  d.method_k2 = AddOption(w, "opt_K2", kMethod2, 900, 1080);
  d.method_k2->width = 3000;
  d.method_k2->height = 480;
  AddLabel(w, "Label3", kGuideB, 360, 1620);
  d.method_road = AddOption(w, "opt_D1", kMethodRoad, 900, 1920);
  d.method_road->width = 5400;
  Control& note = AddLabel(w, "Label6", kCompare, 360, 2460);
  note.SetForeColor(kRed);
  note.width = 6000;
  AddFrame(w, "Frame1", "", 60, 3000, 6420, 1500);
  AddLabel(w, "Label4", kInput, 180, 240, "Frame1");
  d.kh_prompt = AddLabel(w, "Label7", kKh, 240, 630, "Frame1");
  d.kh_text = AddText(w, "txt1", 2370, 600, 720, "Frame1");
  AddLabel(w, "Label5", kKv, 780, 1050, "Frame1");
  d.kv_text = AddText(w, "txt2", 2370, 1020, 720, "Frame1");
  d.region_frame = AddFrame(w, "frm1", "", 3180, 120, 3120, 1320, "Frame1");
  AddLabel(w, "lbl_Cz", kCz, 120, 120, "frm1");
  AddLabel(w, "lbl_A", kRegionA, 120, 420, "frm1");
  d.region_a = AddOption(w, "opt_A", kCzA, 1500, 420, "frm1");
  AddLabel(w, "lbl_B", kRegionB, 1020, 720, "frm1");
  d.region_b = AddOption(w, "opt_B", kCzB, 1500, 720, "frm1");
  AddLabel(w, "lbl_C", kRegionC, 1020, 1020, "frm1");
  d.region_c = AddOption(w, "opt_C", kCzC, 1500, 1020, "frm1");
  d.ok_button = AddButton(w, "cmd1", kOk, 1560, 4620, 1200);
  d.cancel_button = AddButton(w, "cmd2", kCancel, 2820, 4620, 1200);

  d.ok_button->on_click = [&d, &app] { OnOk(d, app); };
  // キャンセル keeps the choices and texts; the coefficients stay as the
  // last ＯＫ left them.
  d.cancel_button->on_click = [&w] { w.Hide(); };
  w.SetTabOrder({&*d.kh_text, &*d.kv_text, &*d.ok_button});
  WireDialogTextBox(d.kh_text, {{}, {}, [&d, &app] { app.windows().SetFocus(d.kv_text); }});
  WireDialogTextBox(d.kv_text, {{}, {}, [&d, &app] { app.windows().SetFocus(d.ok_button); }});
}

}  // namespace varnholt::forms
