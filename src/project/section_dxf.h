#pragma once
// The section as a DXF file for CAD: AutoCAD R12 ASCII, the drawing in
// real-world size on the layers OUTLINE, GROUND, DIMENSIONS, TEXTS and
// FORCES, texts in code page 932 ($DWGCODEPAGE ANSI_932), the code page the
// Japanese CAD programs read R12 files in.

#include <string>

#include "section/section.h"

namespace varnholt::project {

/// What one drawing unit is.
enum class DxfUnit { kMillimetre, kMetre };

/// The layer names.
inline constexpr const char* kDxfLayerOutline = "OUTLINE";
inline constexpr const char* kDxfLayerGround = "GROUND";
inline constexpr const char* kDxfLayerDimensions = "DIMENSIONS";
inline constexpr const char* kDxfLayerTexts = "TEXTS";
inline constexpr const char* kDxfLayerForces = "FORCES";

/// The DXF file's bytes (CR LF line ends). Lines become LINE entities, the
/// wall, the shear key and the ground reaction closed POLYLINEs, arrows a
/// LINE with a SOLID head, labels TEXT; fills of soil are left out. The
/// title, the force scale and the first problem are TEXTs above the figure.
/// A character that code page 932 cannot hold is written as \U+XXXX.
std::string SectionDxf(const section::SectionDrawing& drawing, DxfUnit unit);

}  // namespace varnholt::project
