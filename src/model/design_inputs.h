#pragma once
// What the engineer entered, as typed data: the text of every input box and
// every option, named by what they mean. This is the state a project file
// keeps and the windows show; below the windows it is the one way to hold a
// design's inputs (a copy can be changed and collected without a window).
//
// Texts are kept as typed, because the collection rule (the leading number,
// blanks ignored) and the completeness checks (an empty box) both look at
// the text. Every default is the state of a freshly opened window.

#include <array>
#include <string>

#include "model/selections.h"

namespace varnholt {

/// The text the cohesion box C holds at first and after しない.
inline constexpr const char* kNoCohesionText = "0";

/// The design conditions window (Form2).
struct ConditionInputs {
  std::string site;                        // 築造地
  std::string fc;                          // Fc (σck), N/mm2
  std::string fe;                          // fe (qa), long term, kN/m2
  std::string gamma;                       // γ of soil, kN/m3
  std::string gamma_c;                     // γc of concrete, kN/m3
  std::string back_soil;                   // soil of the backfill
  std::string phi;                         // φ of the backfill, deg
  std::string delta;                       // δ, deg
  std::string base_soil;                   // soil of the foundation ground
  std::string cohesion = kNoCohesionText;  // C of the foundation ground, kN/m2
  std::string phi_b;                       // φB, deg
  std::string mu;                          // μ

  bool operator==(const ConditionInputs&) const = default;
};

/// The dimension window of the ground shape: Form3 for 水平 and 一様斜面,
/// Form16 for 嵩上げ土. Only one is in use; the last box is KA on Form3 and
/// the height of the raised slope on Form16.
struct DimensionInputs {
  std::string section;           // §
  std::string mark;              // 擁壁の記号
  std::string height_h;          // h, back ground level down to the front ground
  std::string embedment;         // 根入れ深さ
  std::string crest_above;       // crest above the back ground
  std::string crest_width;       // b
  std::string base_width;        // B
  std::string front_projection;  // f
  std::string surcharge;         // q, kN/m2
  std::string beta;              // β, deg
  std::string ka;                // KA (Form3)
  std::string slope_height;      // ho (Form16)

  bool operator==(const DimensionInputs&) const = default;
};

/// The seismic coefficient dialog (Form20): Kh (Kho under 道路土工) and Kv.
struct SeismicInputs {
  std::string kh;
  std::string kv;

  bool operator==(const SeismicInputs&) const = default;
};

/// The shear-key dialog of the standard (Form15, Form19).
struct ShearKeyInputs {
  std::string height;     // H0
  std::string position;   // B1 (L1 under 道路土工), from the toe
  std::string width;      // D
  bool cohesion = false;  // 支持地盤の粘着力 Ｃ を考慮する

  bool operator==(const ShearKeyInputs&) const = default;
};

/// The fence dialog (Form17).
struct FenceInputs {
  std::string height;       // フェンス等の高さ
  std::string distance;     // from the front of the crest to the fence centre
  std::string load;         // horizontal load w (kN/m2) or P (kN/m)
  std::string load_height;  // height of a concentrated load above the crest
  std::string weight;       // self weight, kN/m

  bool operator==(const FenceInputs&) const = default;
};

/// Every input of a design: the boxes of each window and every option.
struct DesignInputs {
  ConditionInputs conditions;
  DimensionInputs dimensions;
  SeismicInputs seismic;
  ShearKeyInputs shear_key;
  FenceInputs fence;
  Selections options;

  bool operator==(const DesignInputs&) const = default;
};

}  // namespace varnholt
