#pragma once
// Design conditions window (Form2): site, standard, ground shape, fence,
// load case, materials and soils, base friction.

#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

/// Soil lists of cbo1 and cbo2 under each standard.
const std::vector<std::string>& ResidentialSoils();
const std::vector<std::string>& RoadSoils();

/// Puts the texts that follow the standard into Form2: both soil lists
/// (emptied and refilled; a soil name already chosen or typed stays), and
/// the prompts of Fc/σck, fe/qa and φ (内部摩擦角 or せん断抵抗角).
void ApplyStandardTexts(ui::Window& w, bool road);

/// Wires every handler of Form2; called at the end of its definition.
void WireForm2(ui::Window& w, App& app);

/// Masatu: μ from the foundation's friction angle. Cond[5] ← φB of txt9,
/// Cond[7] ← tan φB (degrees converted with 3.14159).
void Masatu(App& app);

}  // namespace varnholt::forms
