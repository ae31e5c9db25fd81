#pragma once
// What a project file keeps: every input of the design, the two flags of
// the design case as they were saved, and the texts of the results
// window's summary rows. Reading a file gives this value; the windows are
// restored from it, and saving reads it from the windows.

#include <array>
#include <string>

#include "model/design_inputs.h"

namespace varnholt {

/// The texts of the summary rows of the results window (the caption
/// "突起の無い状態で" is not kept). Each row reads what is judged, its value
/// and the verdict; the bearing row has seven texts on two lines.
struct ResultTexts {
  std::array<std::string, 3> overturning;
  std::array<std::string, 7> bearing;
  std::array<std::string, 3> sliding;
  std::array<std::string, 3> without_key;
  std::array<std::string, 3> eccentricity;

  bool operator==(const ResultTexts&) const = default;
};

/// One project.
struct ProjectState {
  DesignInputs inputs;
  /// ShearKeyFlag and FenceLoadType as saved. Opening does not trust them:
  /// it sets both from the restored windows.
  std::string shear_key_flag;
  std::string fence_load_type;
  ResultTexts results;

  bool operator==(const ProjectState&) const = default;
};

}  // namespace varnholt
