#pragma once
// Design conditions window (Form2): site, standard, ground shape, fence,
// load case, materials and soils, base friction.

#include <string>
#include <vector>

namespace varnholt::forms {

class App;

/// Soil lists of cbo1 and cbo2 under each standard.
const std::vector<std::string>& ResidentialSoils();
const std::vector<std::string>& RoadSoils();

}  // namespace varnholt::forms
