#include "ui/forms/form2.h"

#include <memory>

#include "model/design_inputs.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// Literals of the design conditions window.
constexpr const char* kTitle = "設計条件";
constexpr const char* kHeading = "§１.一 般 事 項";
constexpr const char* kSitePrompt = "・築 造 地：";
constexpr const char* kResidential = "宅地造成";
constexpr const char* kResidentialNote = "(宅地造成及び特定盛土等規制法)";
constexpr const char* kRoad = "道路土工";
constexpr const char* kRoadNote = "(擁壁工指針)";
constexpr const char* kShapeFrame = "地表面の形状";
constexpr const char* kLevel = "水平";
constexpr const char* kSlope = "一様斜面";
constexpr const char* kRaised = "嵩上げ土";
constexpr const char* kFenceFrame = "フェンス、柵、塀等";
constexpr const char* kNone = "無し";
constexpr const char* kWith = "有り";
constexpr const char* kFenceInput = "寸法荷重入力";
constexpr const char* kNormal = "常時";
constexpr const char* kSeismic = "地震時";
constexpr const char* kCasePrompt = "・計 算 時";
constexpr const char* kSeismicInput = "水平荷重の計算方法震度の入力";
constexpr const char* kMaterials = "・材料の許容応力度 及び 単位重量";
constexpr const char* kFcPrompt = "コンクリートの設計基準強度：Fc=";
constexpr const char* kFcPromptRoad = "コンクリートの設計基準強度：σck=";
constexpr const char* kFePrompt = "地盤の許容応力度（長期）：fe=";
constexpr const char* kFePromptRoad = "地盤の許容支持力度（長期）：qa=";
constexpr const char* kGammaPrompt = "土の単位体積重量：γ=";
constexpr const char* kGammaCPrompt = "コンクリートの単位体積重量：ｒ=";
constexpr const char* kBackSoil = "・背 面 土";
constexpr const char* kBackSoilPrompt = "土　質： ";
constexpr const char* kBackCohesion = "土の粘着力：C =";
constexpr const char* kPhiPrompt = "内部摩擦角：φ=";
constexpr const char* kPhiPromptRoad = "せん断抵抗角：φ=";
constexpr const char* kDeltaPrompt = "壁背面と土との間の壁面摩擦角：δ=";
constexpr const char* kDeltaHint1 = "常時：δ≦2φ/3";
constexpr const char* kDeltaHint2 = "地震時又は透水マット使用時：";
constexpr const char* kDeltaHint3 = "δ≦φ/2";
constexpr const char* kBaseSoil = "・基礎地盤";
constexpr const char* kBaseSoilPrompt = "土  質： ";
constexpr const char* kCohesionPrompt = "土の粘着力：";
constexpr const char* kCohesionC = "Ｃ=";
constexpr const char* kConsider = "考慮する";
constexpr const char* kNotConsider = "しない";
constexpr const char* kMuPrompt = "底盤の摩擦係数：μ=";
constexpr const char* kDirect = "直接入力";
constexpr const char* kTanPhi = "tanφ";
constexpr const char* kNmm2 = "N/mm2";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kKNm3 = "kN/m3";
constexpr const char* kDegree = "゜";

constexpr ui::Rgb kLightGreen = 0xC0FFC0;
constexpr ui::Rgb kLightCyan = 0xC0FFFF;

}  // namespace

const std::vector<std::string>& SoilNames(Standard standard) {
  static const std::vector<std::string> residential = {"岩",   "砂利",       "砂質土",  "シルト",
                                                       "粘土", "関東ローム", "改良地盤"};
  static const std::vector<std::string> road = {"岩盤",   "礫質土",     "砂質土",
                                                "粘性土", "関東ローム", "改良地盤"};
  return standard == Standard::kRoad ? road : residential;
}

void ApplyStandardTexts(ConditionsWindow& c, bool road) {
  for (ui::Control* soil : {&*c.back_soil_combo, &*c.base_soil_combo}) {
    soil->ClearItems();
    for (const std::string& s : SoilNames(road ? Standard::kRoad : Standard::kResidential)) {
      soil->AddItem(s);
    }
  }
  c.fc_prompt->SetCaption(road ? kFcPromptRoad : kFcPrompt);
  c.fe_prompt->SetCaption(road ? kFePromptRoad : kFePrompt);
  c.phi_prompt->SetCaption(road ? kPhiPromptRoad : kPhiPrompt);
  c.phi_b_prompt->SetCaption(road ? kPhiPromptRoad : kPhiPrompt);
}

void DefineForm2(ui::Window& w, App& app) {
  w.SetCaption(kTitle);
  w.width = kConditionsWidth;
  w.height = 6945;
  w.Move(0, 0);
  ConditionsWindow& c = w.Attach(std::make_unique<ConditionsWindow>(w));

  AddLabel(w, "Label1", kHeading, 120, 60).bold = true;
  AddLabel(w, "lblSite", kSitePrompt, 120, 360);
  c.site_text = AddText(w, "txt1", 1140, 330, 4080);

  Control& f5 = AddFrame(w, "Frame5", "", 0, 660, 5460, 540);
  f5.SetBackColor(kLightGreen);
  c.residential = AddOption(w, "opt_T", kResidential, 360, 60, "Frame5");
  c.residential->SetValue(true);
  AddLabel(w, "lblResidentialNote", kResidentialNote, 360, 300, "Frame5");
  c.road = AddOption(w, "opt_D", kRoad, 3540, 60, "Frame5");
  AddLabel(w, "lblRoadNote", kRoadNote, 3540, 300, "Frame5");

  AddFrame(w, "Frame1", kShapeFrame, 180, 1200, 5100, 450);
  c.level = AddOption(w, "opt1", kLevel, 1440, 120, "Frame1");
  c.level->SetValue(true);
  c.slope = AddOption(w, "opt2", kSlope, 2340, 120, "Frame1");
  c.raised = AddOption(w, "opt3", kRaised, 3600, 120, "Frame1");

  AddFrame(w, "Frame4", kFenceFrame, 180, 1680, 5100, 420);
  c.fence_none = AddOption(w, "opt10", kNone, 1920, 120, "Frame4");
  c.fence_none->SetValue(true);
  c.fence_with = AddOption(w, "opt11", kWith, 2760, 120, "Frame4");
  c.fence_button = AddButton(w, "cmd3", kFenceInput, 3540, 30, 1500, "Frame4");
  c.fence_button->SetVisible(false);

  AddLabel(w, "lblCase", kCasePrompt, 120, 2190);
  c.normal_button = AddButton(w, "cmd1", kNormal, 1440, 2130, 960);
  c.normal_button->SetBackColor(kLightCyan);
  c.seismic_button = AddButton(w, "cmd2", kSeismic, 2700, 2130, 840);
  c.seismic_button->SetBackColor(kLightCyan);
  c.case_normal = AddOption(w, "opt4", "", 1200, 2160);
  c.case_normal->SetValue(true);
  c.case_seismic = AddOption(w, "opt5", "", 2460, 2160);
  c.case_normal->width = 210;
  c.case_seismic->width = 210;
  c.seismic_method_button = AddButton(w, "cmd4", kSeismicInput, 3600, 2130, 1800);
  c.seismic_method_button->SetEnabled(false);

  AddLabel(w, "lblMaterials", kMaterials, 120, 2640);
  c.fc_prompt = AddLabel(w, "Label3", kFcPrompt, 360, 2970);
  c.fc_text = AddText(w, "txt2", 3600, 2940, 900);
  AddLabel(w, "lblFcUnit", kNmm2, 4560, 2970);
  c.fe_prompt = AddLabel(w, "Label6", kFePrompt, 360, 3270);
  c.fe_text = AddText(w, "txt3", 3600, 3240, 900);
  AddLabel(w, "lblFeUnit", kKNm2, 4560, 3270);
  AddLabel(w, "lblGamma", kGammaPrompt, 360, 3570);
  c.gamma_text = AddText(w, "txt4", 3600, 3540, 900);
  AddLabel(w, "lblGammaUnit", kKNm3, 4560, 3570);
  AddLabel(w, "lblGammaC", kGammaCPrompt, 360, 3870);
  c.gamma_c_text = AddText(w, "txt5", 3600, 3840, 900);
  AddLabel(w, "lblGammaCUnit", kKNm3, 4560, 3870);

  AddLabel(w, "lblBackSoil", kBackSoil, 120, 4260);
  AddLabel(w, "lblBackSoilPrompt", kBackSoilPrompt, 1020, 4260);
  c.back_soil_combo = AddCombo(w, "cbo1", 1920, 4230, 2400);
  AddLabel(w, "lblBackCohesion", kBackCohesion, 360, 4620);
  AddLabel(w, "lblBackCohesionValue", "0", 1860, 4620);
  AddLabel(w, "lblBackCohesionUnit", kKNm2, 2160, 4620);
  c.phi_prompt = AddLabel(w, "Label12", kPhiPrompt, 360, 4920);
  c.phi_text = AddText(w, "txt6", 3240, 4890, 600);
  AddLabel(w, "lblPhiUnit", kDegree, 3870, 4920);
  AddLabel(w, "lblDelta", kDeltaPrompt, 360, 5220);
  c.delta_text = AddText(w, "txt7", 3240, 5190, 600);
  AddLabel(w, "lblDeltaUnit", kDegree, 3870, 5220);
  AddLabel(w, "lblDeltaHint1", kDeltaHint1, 4080, 4800).font_size = 8;
  AddLabel(w, "lblDeltaHint2", kDeltaHint2, 4080, 5010).font_size = 8;
  AddLabel(w, "lblDeltaHint3", kDeltaHint3, 4080, 5220).font_size = 8;

  AddLabel(w, "lblBaseSoil", kBaseSoil, 120, 5610);
  AddLabel(w, "lblBaseSoilPrompt", kBaseSoilPrompt, 1020, 5610);
  c.base_soil_combo = AddCombo(w, "cbo2", 1920, 5580, 2400);
  AddFrame(w, "Frame3", "", 240, 5910, 5100, 390);
  AddLabel(w, "lblCohesion", kCohesionPrompt, 120, 120, "Frame3");
  AddLabel(w, "lblCohesionC", kCohesionC, 1200, 120, "Frame3");
  c.cohesion_text = AddText(w, "txt8", 1500, 90, 600, "Frame3");
  c.cohesion_text->SetText(kNoCohesionText);
  c.cohesion_text->SetBorderStyle(0);
  AddLabel(w, "lblCohesionUnit", kKNm2, 2130, 120, "Frame3");
  c.cohesion_considered = AddOption(w, "opt6", kConsider, 2760, 120, "Frame3");
  c.cohesion_ignored = AddOption(w, "opt7", kNotConsider, 3840, 120, "Frame3");
  c.cohesion_ignored->SetValue(true);
  c.phi_b_prompt = AddLabel(w, "Label46", kPhiPrompt, 360, 6360);
  c.phi_b_text = AddText(w, "txt9", 2760, 6330, 600);
  AddLabel(w, "lblPhiBUnit", kDegree, 3390, 6360);
  AddLabel(w, "lblMu", kMuPrompt, 360, 6690);
  c.mu_text = AddText(w, "txt10", 2760, 6660, 600);
  AddFrame(w, "Frame2", "", 3360, 6600, 2040, 390);
  c.mu_direct = AddOption(w, "opt8", kDirect, 60, 120, "Frame2");
  c.mu_tan_phi = AddOption(w, "opt9", kTanPhi, 1200, 120, "Frame2");

  // Window load: both soil lists start with the residential-land list.
  w.on_load = [&c] { ApplyStandardTexts(c, /*road=*/false); };
  // Closing the design conditions window leaves no valid result.
  w.on_unload = [&app] { app.results().Forget(); };
  WireForm2(c, app);
}

}  // namespace varnholt::forms
