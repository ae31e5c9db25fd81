#pragma once
// The wall section as data: what the section view, the picture and CAD
// exports and the A4 print draw, independent of any window or device.
//
// Coordinates are metres in the calculation's frame: x from the toe into the
// backfill, y up from the base. Every element carries the text a pointer
// hovering over it shows (its value with unit), so the widget, the SVG and
// the DXF need no knowledge of what they draw.

#include <optional>
#include <string>
#include <vector>

#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt::section {

/// The dimension boxes as the engineer typed them, plus the options that
/// shape the drawing. Texts are kept as typed so that an empty or mistyped
/// box can be shown as such.
struct SectionInputs {
  std::string section_no;        // § (txt1)
  std::string wall_mark;         // 擁壁の記号 (txt2)
  std::string front_projection;  // f (Form3/Form16 txt8)
  std::string crest_width;       // b (txt6)
  std::string crest_above;       // crest above the back ground (txt5)
  std::string height_h;          // h, back ground down to the front ground (txt3)
  std::string embedment;         // embedment below the front ground (txt4)
  std::string base_width;        // B (txt7)
  std::string surcharge;         // q, kN/m2 (txt9)
  std::string beta;              // β, deg (Form3 txt10 on a slope, Form16 txt10)
  std::string h0;                // H0 of the raised soil (Form16 txt11)
  // Fence dialog (Form17), read when the fence option is 有り.
  std::string fence_height;  // txt1
  std::string fence_x;       // txt2, front edge of the crest to the fence
  std::string fence_load;    // txt3, w (kN/m2) or P (kN/m)
  std::string fence_load_y;  // txt4, height of a concentrated load above the crest
  // Shear-key dialog (Form15 or Form19), read when 突起 is 有り.
  std::string key_height;    // txt1
  std::string key_position;  // txt2, toe to the key's front face (B1, L1)
  std::string key_width;     // txt3, D
  Selections sel;
};

/// The dimensions a problem can be about.
enum class Field {
  kNone,
  kFrontProjection,
  kCrestWidth,
  kCrestAbove,
  kHeightH,
  kEmbedment,
  kBaseWidth,
  kSurcharge,
  kBeta,
  kH0,
  kFenceHeight,
  kFenceX,
  kFenceLoad,
  kFenceLoadY,
  kKeyHeight,
  kKeyPosition,
  kKeyWidth,
};

/// A dimension that could not be drawn as typed: the field and one line of
/// plain Japanese ("底版幅 B が未入力です。").
struct Problem {
  Field field = Field::kNone;
  std::string reason;
};

/// Which drawing (and CAD) layer an element belongs to.
enum class Layer { kOutline, kGround, kDimension, kText, kForce };

/// How an element is coloured: plain, a dimension that could not be drawn as
/// typed (red), a force without verdict, or a judged element (O.K black, NG
/// in the program's NG colour).
enum class Tone { kPlain, kFlagged, kForce, kOk, kNg, kSoil, kConcrete };

enum class Stroke { kSolid, kDashed, kDashDot, kThick };

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
  Point a, b;
  Layer layer = Layer::kOutline;
  Tone tone = Tone::kPlain;
  Stroke stroke = Stroke::kSolid;
  std::string tip;
};

/// A filled area; `outlined` polygons also draw and export their edges
/// (the wall, the key, the ground reaction), the others are fills only
/// (the soil, which the ground lines already bound).
struct Polygon {
  std::vector<Point> points;
  Layer layer = Layer::kOutline;
  Tone tone = Tone::kConcrete;
  bool outlined = true;
  std::string tip;
};

/// Where a label's anchor point lies on its text.
enum class Anchor { kCenter, kLeft, kRight, kBelow, kAbove };

struct Label {
  Point at;
  std::string text;
  double height = 0.1;  // text height, m
  Anchor anchor = Anchor::kCenter;
  Layer layer = Layer::kText;
  Tone tone = Tone::kPlain;
  std::string tip;
};

/// A force: the shaft from tail to head, the head at the point of action.
struct Arrow {
  Point tail, head;
  Tone tone = Tone::kForce;
  std::string tip;
};

/// The force scale of a drawing: how many kN/m one metre of arrow stands
/// for, and how many kN/m2 one metre of the ground reaction diagram.
struct ForceScale {
  double kn_per_m = 0;
  double kpa_per_m = 0;
  std::string legend;  // "力 1 m = 50 kN/m、地盤反力 1 m = 100 kN/m2"
};

struct Bounds {
  double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
  bool empty() const { return !(max_x > min_x && max_y > min_y); }
};

/// Everything the view draws. `drawable` is false when not even the wall's
/// outline can be drawn (no height, say); the problems say why.
struct SectionDrawing {
  bool drawable = false;
  std::vector<Polygon> polygons;
  std::vector<Segment> segments;
  std::vector<Arrow> arrows;
  std::vector<Label> labels;
  std::vector<Problem> problems;
  /// Set when the forces of a valid calculation were added.
  std::optional<ForceScale> forces;
  /// The title line, "§1（A-1）" as typed; empty without either.
  std::string title;
  /// The text height every label is scaled from, m.
  double text_height = 0.1;

  /// The first problem's reason, the one line shown under the view.
  std::string Reason() const { return problems.empty() ? std::string() : problems[0].reason; }
  Bounds Extent() const;
};

/// Draws the section as typed: outline, ground for the shape, surcharge,
/// fence, shear key and the dimension lines with values in millimetres.
/// A dimension that is empty, not a number, negative or impossible is drawn
/// as 0 (or left out) in the flagged tone and named in `problems`.
///
/// With `results`, the forces of that calculation are added with their
/// verdicts: W, the earth pressure (and the slip plane of the trial wedge),
/// the seismic inertia, the resultant meeting the base at d with e, the
/// middle third and middle half, and the ground reaction. `results` must be
/// the design case of a valid calculation of these same inputs (the caller
/// passes nothing once the results are invalidated).
SectionDrawing BuildSection(const SectionInputs& in, const DesignCase* results = nullptr);

/// A number of a dimension box as the section reads it: the leading-number
/// rule of every input box, or nothing when the text is empty, does not
/// start like a number, or is too large to be one.
std::optional<double> ReadDimension(const std::string& text);

/// The hover text of the element under `p` (within `tolerance` metres):
/// labels and arrows first, then segments, then filled areas. Empty when
/// nothing with a text is there.
std::string TipAt(const SectionDrawing& drawing, Point p, double tolerance);

}  // namespace varnholt::section
