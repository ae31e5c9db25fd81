#pragma once
// Design conditions window (Form2): site, standard, ground shape, fence,
// load case, materials and soils, base friction.

#include <string>
#include <vector>

#include "model/selections.h"

namespace varnholt::forms {

class App;
struct ConditionsWindow;

/// Soil names offered in both soil boxes under a standard: the 宅地造成 list
/// (also at window load) or the 道路土工 list.
const std::vector<std::string>& SoilNames(Standard standard);

/// Puts the texts that follow the standard into Form2: both soil lists
/// (emptied and refilled; a soil name already chosen or typed stays), and
/// the prompts of Fc/σck, fe/qa and φ (内部摩擦角 or せん断抵抗角).
void ApplyStandardTexts(ConditionsWindow& conditions, bool road);

/// Wires every handler of Form2; called at the end of its definition.
void WireForm2(ConditionsWindow& conditions, App& app);

/// しない (opt7): the cohesion box shows "0" with the flat border.
void ShowCohesionIgnored(ConditionsWindow& conditions);

/// Masatu: μ from the foundation's friction angle. Cond[5] ← φB of txt9,
/// Cond[7] ← tan φB (degrees converted with 3.14159).
void Masatu(App& app);

/// μ = tanφB chosen (opt9), by a click or when a project is restored: μ is
/// computed from φB and shown as "0.00#". An empty φB, or one that gives no
/// tangent, is refused with a message, the caret at the start of φB, and
/// tanφ unselected (直接入力 put back when it was the option carried out
/// before). True when μ was computed.
bool ChooseTanPhi(App& app);

}  // namespace varnholt::forms
