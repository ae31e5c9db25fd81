#include "ui/forms/box_guides.h"

#include <span>

#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// One box and its guide. The ranges are those of the reference tables the
// program shows (参考 of 宅地造成 and 道路土工); the units those printed
// beside the box.
template <typename Handles>
struct Guide {
  ControlRef Handles::*box;
  const char* text;
};

constexpr Guide<ConditionsWindow> kConditions[] = {
    {&ConditionsWindow::site_text, "築造地（計算書の表紙に印刷されます）"},
    {&ConditionsWindow::fc_text, "コンクリートの設計基準強度 Fc（道路土工では σck） (N/mm²)"},
    {&ConditionsWindow::fe_text,
     "地盤の許容応力度（長期） fe（道路土工では許容支持力度 qa） (kN/m²)、参考表 20〜1000"},
    {&ConditionsWindow::gamma_text, "土の単位体積重量 γ (kN/m³)、参考表 14〜20"},
    {&ConditionsWindow::gamma_c_text, "コンクリートの単位体積重量 γc (kN/m³)、無筋で通常 23"},
    {&ConditionsWindow::back_soil_combo, "裏込め土の種類（一覧から選ぶか入力）"},
    {&ConditionsWindow::phi_text,
     "裏込め土の内部摩擦角（道路土工ではせん断抵抗角） φ (°)、参考表 24〜35"},
    {&ConditionsWindow::delta_text, "壁面摩擦角 δ (°)、常時 δ≦2φ/3、地震時 δ≦φ/2"},
    {&ConditionsWindow::base_soil_combo, "基礎地盤の種類（一覧から選ぶか入力）"},
    {&ConditionsWindow::cohesion_text, "基礎地盤の粘着力 C (kN/m²)、入力すると考慮します"},
    {&ConditionsWindow::phi_b_text, "基礎地盤の内部摩擦角（せん断抵抗角） φB (°)、参考表 24〜35"},
    {&ConditionsWindow::mu_text, "底版と基礎地盤との摩擦係数 μ、参考表 0.3〜0.7"},
};

// The boxes both dimension windows share.
constexpr Guide<DimensionWindow> kDimensions[] = {
    {&DimensionWindow::section_text, "断面の番号 §（計算書の見出しに印刷されます）"},
    {&DimensionWindow::mark_text, "擁壁の記号（例 W-1）"},
    {&DimensionWindow::height_text, "背面の地表面から前面の地表面までの高さ h (m)"},
    {&DimensionWindow::embedment_text, "根入れ：前面の地表面から底面までの深さ (m)"},
    {&DimensionWindow::crest_above_text, "天端高さ：背面の地表面から天端までの高さ (m)"},
    {&DimensionWindow::crest_width_text, "天端幅 b (m)"},
    {&DimensionWindow::base_width_text, "底版幅 B (m)"},
    {&DimensionWindow::front_projection_text,
     "前面の水平長さ：つま先から天端の前端までの水平距離 (m)"},
    {&DimensionWindow::surcharge_text, "上載荷重 q (kN/m²)"},
    {&DimensionWindow::beta_text, "地表面（嵩上げ土では法面）と水平面とのなす角度 β (°)"},
};

constexpr Guide<LevelDimensionsWindow> kLevel[] = {
    {&LevelDimensionsWindow::ka_text, "主働土圧係数 KA、参考表 0.35〜0.50"},
};

constexpr Guide<RaisedDimensionsWindow> kRaised[] = {
    {&RaisedDimensionsWindow::slope_height_text, "法面の高さ ho (m)"},
};

constexpr Guide<ShearKeyDialog> kShearKey[] = {
    {&ShearKeyDialog::height_text, "突起の高さ H0 (m)、底版幅 B の 10〜15 %"},
    {&ShearKeyDialog::position_text, "突起の位置 B1（L1） (m)、底版の中央部 1/3 の範囲内"},
    {&ShearKeyDialog::width_text, "突起の幅 D (m)、高さと同程度"},
};

constexpr Guide<FenceDialog> kFence[] = {
    {&FenceDialog::height_text, "フェンス、柵、塀等の高さ (m)"},
    {&FenceDialog::distance_text, "擁壁天端前面からフェンス等の中心までの距離 (m)"},
    {&FenceDialog::load_text, "水平荷重 w (kN/m²、等分布) または P (kN/m、集中)"},
    {&FenceDialog::load_height_text, "水平荷重の位置 (m)"},
    {&FenceDialog::weight_text, "フェンス、柵、塀等の自重 (kN/m)"},
};

constexpr Guide<SeismicDialog> kSeismic[] = {
    {&SeismicDialog::kh_text, "設計水平震度 Kh（道路土工では標準値 Kho、参考表 0.12〜0.24）"},
    {&SeismicDialog::kv_text, "設計鉛直震度 Kv"},
};

constexpr Guide<PrintRangeDialog> kPrintRange[] = {
    {&PrintRangeDialog::first_page_text, "最初のページ番号（数字）"},
};

template <typename Handles, typename Row>
void Apply(ui::Window& w, std::span<const Row> rows) {
  Handles& h = HandlesOf<Handles>(w);
  for (const Row& row : rows) (h.*row.box)->tool_tip = row.text;
}

template <typename Handles>
void Apply(ui::Window& w, std::span<const Guide<Handles>> rows) {
  Apply<Handles, Guide<Handles>>(w, rows);
}

}  // namespace

void ApplyBoxGuides(ui::Window& w) {
  const std::string& name = w.name();
  if (name == kForm2) {
    Apply<ConditionsWindow>(w, kConditions);
  } else if (name == kForm3 || name == kForm16) {
    Apply<DimensionWindow>(w, kDimensions);
    if (name == kForm3) {
      Apply<LevelDimensionsWindow>(w, kLevel);
    } else {
      Apply<RaisedDimensionsWindow>(w, kRaised);
    }
  } else if (name == kForm15 || name == kForm19) {
    Apply<ShearKeyDialog>(w, kShearKey);
  } else if (name == kForm17) {
    Apply<FenceDialog>(w, kFence);
  } else if (name == kForm20) {
    Apply<SeismicDialog>(w, kSeismic);
  } else if (name == kForm10) {
    Apply<PrintRangeDialog>(w, kPrintRange);
  }
}

}  // namespace varnholt::forms
