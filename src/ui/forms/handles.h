#pragma once
// Typed handles to the windows' controls.
//
// A window's definition declares each control with its name, caption,
// position and default, and binds it to a member of the window's handle
// struct on the same line:
//
//   c.mu_text = AddText(w, "txt10", 2760, 6660, 600);
//
// Behaviour code reaches a control through its window's handles
// (`Conditions(app).mu_text->Text()`), never by its name, so a misspelt
// control is a compile error and "txt10" means μ in one window and β in
// another without anyone having to remember which. The name beside each
// member is the control's name in the window, which the project file and
// the tests that act as a user also use.
//
// The handles live with their window: a window unloaded and loaded again is
// built anew with fresh handles. The accessors below load a window on first
// use, as reading any of its controls does.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

/// A reference to one control, bound while its window is defined.
class ControlRef {
 public:
  ControlRef() = default;
  /// Binds the reference; used by the window's definition.
  ControlRef& operator=(ui::Control& control) {
    control_ = &control;
    return *this;
  }
  ui::Control& get() const {
    if (control_ == nullptr) {
      // A definition that forgot to bind a member; every test loading the
      // window finds it.
      std::fputs("varnholt: a control handle was never bound\n", stderr);
      std::abort();
    }
    return *control_;
  }
  ui::Control* operator->() const { return &get(); }
  ui::Control& operator*() const { return get(); }
  operator ui::Control&() const { return get(); }

 private:
  ui::Control* control_ = nullptr;
};

/// Base of every window's handles: the window itself.
struct WindowHandles : ui::WindowAttachment {
  explicit WindowHandles(ui::Window& w) : window(w) {}
  ui::Window& window;
};

// ------------------------------------------------------------ main window

/// MDIForm1: the menus and the toolbar.
struct MainWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef file_menu;         // Men_F "ﾌｧｲﾙ(&F)"
  ControlRef file_new;          // Men_FNew
  ControlRef file_open;         // Men_FOpn
  ControlRef file_close;        // Men_FCls
  ControlRef file_overwrite;    // Men_FOvw
  ControlRef file_save_as;      // Men_FSav
  ControlRef file_preview;      // Men_FImg
  ControlRef file_print;        // Men_FPrn
  ControlRef file_exit;         // Men_FEnd
  ControlRef reference_menu;    // Men_S "参考(&S)"
  ControlRef both_cases_item;   // Men_CBoth "両ケース計算(&B)"
  ControlRef version_item;      // Men_HVer
  ControlRef toolbar;           // Toolbar1
  ControlRef new_button;        // Button1
  ControlRef open_button;       // Button2
  ControlRef overwrite_button;  // Button3
  ControlRef preview_button;    // Button5
  ControlRef print_button;      // Button6
  ControlRef both_button;       // Button8 "両ケース計算"
};

// ------------------------------------------------------------ results window

/// Form11: the two commands and the summary rows. A row's labels read from
/// left to right: what is judged, its value, the verdict.
struct ResultsWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef calculate_button;             // cmd1 "安定性の検討"
  ControlRef methods_button;               // cmd2 "安定性の検討方法"
  ControlRef overturning_caption;          // lbl2 "転倒に対して"
  std::array<ControlRef, 3> overturning;   // lbl5, lbl6, lbl7
  std::array<ControlRef, 3> eccentricity;  // lbl22, lbl23, lbl24 (the second overturning row)
  ControlRef bearing_caption;              // lbl3 "支持力に対して"
  /// σmax (ｑmax) and its value, unit; then "<" or ">", the allowable value,
  /// its unit and the verdict on the line below.
  std::array<ControlRef, 7> bearing;      // lbl8 … lbl14
  ControlRef sliding_caption;             // lbl4 "滑動に対して"
  std::array<ControlRef, 3> sliding;      // lbl15, lbl16, lbl17
  ControlRef without_key_caption;         // lbl18 "突起の無い状態で"
  std::array<ControlRef, 3> without_key;  // lbl19, lbl20, lbl21
  ControlRef sizing_button;  // cmdSize "断面の自動決定…", shown while a row is NG
  ControlRef overall;        // lbl25 "総合判定：…", stability and wall body together

  /// Every result label in the order of their names, lbl5 … lbl24.
  std::vector<ui::Control*> ResultLabels() const;
};

// ------------------------------------------------------------ design conditions

/// Form2: site, standard, ground shape, fence, load case, materials, soils
/// and base friction.
struct ConditionsWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef site_text;        // txt1 築造地
  ControlRef fc_text;          // txt2 Fc (σck)
  ControlRef fe_text;          // txt3 fe (qa), long term
  ControlRef gamma_text;       // txt4 γ of soil
  ControlRef gamma_c_text;     // txt5 γc of concrete
  ControlRef back_soil_combo;  // cbo1 soil of the backfill
  ControlRef phi_text;         // txt6 φ of the backfill
  ControlRef delta_text;       // txt7 δ
  ControlRef base_soil_combo;  // cbo2 soil of the foundation ground
  ControlRef cohesion_text;    // txt8 C of the foundation ground
  ControlRef phi_b_text;       // txt9 φB
  ControlRef mu_text;          // txt10 μ

  ControlRef residential;          // opt_T 宅地造成
  ControlRef road;                 // opt_D 道路土工
  ControlRef level;                // opt1 水平
  ControlRef slope;                // opt2 一様斜面
  ControlRef raised;               // opt3 嵩上げ土
  ControlRef case_normal;          // opt4, the mark on 常時
  ControlRef case_seismic;         // opt5, the mark on 地震時
  ControlRef cohesion_considered;  // opt6 考慮する
  ControlRef cohesion_ignored;     // opt7 しない
  ControlRef mu_direct;            // opt8 直接入力
  ControlRef mu_tan_phi;           // opt9 tanφ
  ControlRef fence_none;           // opt10 無し
  ControlRef fence_with;           // opt11 有り

  ControlRef normal_button;          // cmd1 "常時"
  ControlRef seismic_button;         // cmd2 "地震時"
  ControlRef fence_button;           // cmd3 "寸法荷重入力"
  ControlRef seismic_method_button;  // cmd4 "水平荷重の計算方法震度の入力"

  ControlRef fc_prompt;     // Label3 Fc= / σck=
  ControlRef fe_prompt;     // Label6 fe= / qa=
  ControlRef phi_prompt;    // Label12 内部摩擦角 / せん断抵抗角
  ControlRef phi_b_prompt;  // Label46 the same for the foundation ground

  /// True when the friction option the window last carried out is 直接入力:
  /// a refused tanφ goes back to it.
  bool mu_direct_carried_out = false;
};

// ------------------------------------------------------------ dimension windows

/// What Form3 (水平, 一様斜面) and Form16 (嵩上げ土) share: the dimension
/// boxes, β and the 突起 choice.
struct DimensionWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef section_text;           // txt1 §
  ControlRef mark_text;              // txt2 擁壁の記号
  ControlRef height_text;            // txt3 h
  ControlRef embedment_text;         // txt4 根入れ深さ
  ControlRef crest_above_text;       // txt5 天端の高さ above the back ground
  ControlRef crest_width_text;       // txt6 天端幅 b
  ControlRef base_width_text;        // txt7 B
  ControlRef front_projection_text;  // txt8 前面の出 f
  ControlRef surcharge_text;         // txt9 上載荷重 q
  ControlRef beta_text;              // txt10 β
  /// The prompts of β: "地平面と水平面との", "なす角度：", "β=", "゜".
  std::array<ControlRef, 4> beta_labels;  // lbl13, lbl14, lbl15, lbl16
  ControlRef key_none;                    // opt5 突起 無し
  ControlRef key_with;                    // opt6 突起 有り
  ControlRef key_button;                  // cmd3 "突起の計算"

  /// The dimension boxes in the order the checks test them: h, embedment,
  /// crest height, crest width, B, front projection.
  std::array<ui::Control*, 6> Dimensions() const {
    return {&*height_text,      &*embedment_text,  &*crest_above_text,
            &*crest_width_text, &*base_width_text, &*front_projection_text};
  }
};

/// Form3: dimensions and loads for level ground and a uniform slope.
struct LevelDimensionsWindow : DimensionWindow {
  using DimensionWindow::DimensionWindow;
  ControlRef ka_text;         // txt11 KA
  ControlRef ka_entered;      // opt1, the mark of "直接入力"
  ControlRef ka_computed;     // opt2, the mark of "計算する"
  ControlRef direct_button;   // cmd1 "直接入力"
  ControlRef compute_button;  // cmd2 "計算する"
  /// The separate surcharge pressure ΔPA of the sketch (宅地造成 only).
  std::array<ControlRef, 9> surcharge_pressure_sketch;  // Line33 … lbl_dPA_H2
};

/// Form16: dimensions and loads for raised soil.
struct RaisedDimensionsWindow : DimensionWindow {
  using DimensionWindow::DimensionWindow;
  ControlRef slope_height_text;                     // txt11 ho, height of the raised slope
  ControlRef slope_surcharge_with;                  // opt1 法面上載荷重 有り
  ControlRef slope_surcharge_without;               // opt2 法面上載荷重 無し
  std::array<ControlRef, 9> slope_surcharge_lines;  // Line58 … Line66
};

// ------------------------------------------------------------ dialogs

/// Form15 (宅地造成) and Form19 (道路土工): the shear key.
struct ShearKeyDialog : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef height_text;     // txt1 H0
  ControlRef position_text;   // txt2 B1 (L1)
  ControlRef width_text;      // txt3 D
  ControlRef cohesion_check;  // chk1 支持地盤の粘着力 Ｃ を考慮する
  /// The guide values: B, H0 from … to, B1 from … to.
  ControlRef base_width_guide;              // lbl1
  ControlRef height_guide_from;             // lbl2
  ControlRef height_guide_to;               // lbl3
  ControlRef position_guide_from;           // lbl4
  ControlRef position_guide_to;             // lbl5
  std::array<ControlRef, 6> sketch_labels;  // lblOu1 … lblOu6
  ControlRef compute_button;                // cmd1 "計算"
  ControlRef cancel_button;                 // cmd2 "キャンセル"
};

/// Form17: the fence, railing or wall on the crest.
struct FenceDialog : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef load_normal;                      // opt1 常時(水平荷重無し)
  ControlRef load_distributed;                 // opt2 短期(等分布荷重)
  ControlRef load_concentrated;                // opt3 短期(集中荷重)
  ControlRef height_text;                      // txt1 フェンス等の高さ
  ControlRef distance_text;                    // txt2 distance from the front of the crest
  ControlRef load_text;                        // txt3 水平荷重 w or P
  ControlRef load_height_text;                 // txt4 水平荷重の位置
  ControlRef weight_text;                      // txt5 自重
  ControlRef load_caption;                     // lbl1 "水平荷重"
  ControlRef load_symbol;                      // lbl2 "w=" / "P="
  ControlRef load_unit;                        // lbl3 "kN/m2" / "kN/m"
  ControlRef load_height_caption;              // lbl4 "水平荷重の位置"
  ControlRef load_height_unit;                 // lbl5 "m"
  ControlRef per_metre;                        // lbl6 "(1m当り)"
  ControlRef compute_button;                   // cmd1 "計算"
  ControlRef cancel_button;                    // cmd2 "キャンセル"
  std::vector<ControlRef> distributed_sketch;  // LineDist*, LineDistHead*
  std::vector<ControlRef> point_sketch;        // LinePoint*
};

/// Form20: the seismic method and coefficients.
struct SeismicDialog : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef method_k1;      // opt_K1 ① 地震時土圧による荷重
  ControlRef method_k2;      // opt_K2 ② 慣性力＋常時の土圧
  ControlRef method_road;    // opt_D1 道路土工
  ControlRef kh_text;        // txt1 Kh (Kho under 道路土工)
  ControlRef kv_text;        // txt2 Kv
  ControlRef region_frame;   // frm1 地域別補正係数
  ControlRef region_a;       // opt_A Cz=1.0
  ControlRef region_b;       // opt_B Cz=0.85
  ControlRef region_c;       // opt_C Cz=0.70
  ControlRef kh_prompt;      // Label7 "設計水平震度  Kh=" / "…標準値 Kho="
  ControlRef ok_button;      // cmd1 "ＯＫ"
  ControlRef cancel_button;  // cmd2 "キャンセル"
};

/// What Form12 and Form14 share.
struct CheckMethodsDialog : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef heading;                        // Label1
  std::array<ControlRef, 3> bearing_legend;  // Label5, Label6, Label7
  ControlRef key_note;                       // Label10 "（突起を設ける場合は F≧1.0）"
  ControlRef deduction_caption;              // lbl1 底版の有効載荷面積
  ControlRef deduct;                         // 偏心の控除をする
  ControlRef no_deduct;                      // 偏心の控除をしない
  ControlRef ok_button;                      // cmd1 "ＯＫ"
  ControlRef cancel_button;                  // cmd2 "キャンセル"
};

/// Form12: check methods of the normal case. deduct is opt4, no_deduct opt5.
struct NormalChecksDialog : CheckMethodsDialog {
  using CheckMethodsDialog::CheckMethodsDialog;
  ControlRef overturn_f15;    // opt1 Ｆ≧1.5
  ControlRef overturn_d;      // opt2 ｄ≧Ｂ/3
  ControlRef overturn_e;      // opt3 ｅ≦Ｂ/6
  ControlRef overturn_f15_e;  // opt6 Ｆ≧1.5 かつ ｅ≦Ｂ/6
};

/// Form14: check methods of the seismic case and of short-term fence loads.
/// deduct is opt7, no_deduct opt8.
struct SeismicChecksDialog : CheckMethodsDialog {
  using CheckMethodsDialog::CheckMethodsDialog;
  ControlRef overturn_f10;     // opt1 Ｆ≧1.0
  ControlRef overturn_f12;     // opt2 Ｆ≧1.2
  ControlRef overturn_e2;      // opt3 ｅ≦Ｂ/2
  ControlRef overturn_e3;      // opt4 ｅ≦Ｂ/3
  ControlRef overturn_f10_e2;  // opt9 Ｆ≧1.0 かつ ｅ≦Ｂ/2
  ControlRef overturn_f12_e3;  // opt10 Ｆ≧1.2 かつ ｅ≦Ｂ/3
  ControlRef sliding_f10;      // opt5 Ｆ≧1.0
  ControlRef sliding_f12;      // opt6 Ｆ≧1.2
  ControlRef short_term_note;  // Label2 "(長期の２倍)" / "(長期の１.５倍)"
};

/// Form10: the print range.
struct PrintRangeDialog : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef range_general;       // opt1 一般事項
  ControlRef range_stability;     // opt2 安定計算
  ControlRef range_all;           // opt3 一般事項 ・ 安定計算
  ControlRef range_both;          // opt4 両ケース
  ControlRef numbering_check;     // chk_P ページ番号を付ける
  ControlRef body_check;          // chk_B 躯体の照査 (page 4)
  ControlRef first_page_text;     // txt_P
  ControlRef first_page_caption;  // lbl1 "最初のページ番号"
  ControlRef digits_hint;         // lbl2 "(数字を入力)"
  ControlRef ok_button;           // cmd1 "ＯＫ"
  ControlRef cancel_button;       // cmd2 "キャンセル"
};

/// Form4, Form5 and Form8: one page of the report's preview.
struct PreviewWindow : WindowHandles {
  using WindowHandles::WindowHandles;
  ControlRef viewport;        // Picture1, the part of the page on screen
  ControlRef picture;         // Picture2, the page
  ControlRef horizontal_bar;  // HScroll1
  ControlRef vertical_bar;    // VScroll1
};

// ------------------------------------------------------------ accessors

/// The handles a window's definition attached to it.
template <typename Handles>
Handles& HandlesOf(ui::Window& w) {
  return static_cast<Handles&>(*w.attachment());
}

MainWindow& Main(App& app);                          // MDIForm1
ResultsWindow& Results(App& app);                    // Form11
ConditionsWindow& Conditions(App& app);              // Form2
LevelDimensionsWindow& LevelDimensions(App& app);    // Form3
RaisedDimensionsWindow& RaisedDimensions(App& app);  // Form16
ShearKeyDialog& ResidentialKey(App& app);            // Form15
ShearKeyDialog& RoadKey(App& app);                   // Form19
FenceDialog& Fence(App& app);                        // Form17
SeismicDialog& Seismic(App& app);                    // Form20
NormalChecksDialog& NormalChecks(App& app);          // Form12
SeismicChecksDialog& SeismicChecks(App& app);        // Form14
PrintRangeDialog& PrintRange(App& app);              // Form10

}  // namespace varnholt::forms
