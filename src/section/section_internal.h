#pragma once
// Pieces shared by the section's builder, its forces and its exporters.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/design_case.h"
#include "model/selections.h"
#include "section/section.h"

namespace varnholt::section {

/// "2.500 m": a length in a hover text.
std::string Metres(double v);
/// A dimension value as the report prints it: millimetres, "#,###".
std::string Millimetres(double v);

/// Width of a text of `height`: half an em per half-width character, an em
/// for the others (the Mincho faces' advances).
double TextWidth(const std::string& utf8, double height);

/// The box a label covers, m.
struct LabelBox {
  double left = 0, bottom = 0, width = 0, height = 0;
};
LabelBox BoxOf(const Label& label);
/// Whether the segment from a to b enters the box.
bool Crosses(const LabelBox& box, Point a, Point b);

/// Builds one drawing; the forces read what the section placed.
struct Builder {
  SectionDrawing out;
  double text_h = 0.1;
  double hw = 0;  // wall height as drawn
  double bw = 0;  // base width as drawn
  std::vector<Point> ground_line;
  double ground_top = 0;
  double fence_post_x = 0;
  double fence_height = 0;
  double fence_offset = 0;
  std::optional<std::size_t> key_polygon;
  double key_depth = 0;  // the shear key's height under the base, m
  /// Where the forces mark the base (see BaseMarks); the dimensions under
  /// the base keep their ticks off them.
  std::vector<double> base_marks;

  void Build(const SectionInputs& in, double reserve_below);
  /// A dimension along x at height y, its extension lines from y_from.
  void HorizontalDim(double x1, double x2, double y_from, double y, const std::string& text,
                     Field field, const std::string& tip);
  /// A dimension along y at x, its extension lines from x_from; the value
  /// on the `side` of the line.
  void VerticalDim(double y1, double y2, double x, const std::string& text, Field field,
                   const std::string& tip, double x_from, Anchor side = Anchor::kRight);
  void DimensionLine(bool vertical, double s1, double s2, double from, double at,
                     const std::string& text, Field field, const std::string& tip, Anchor side);
};

/// Depth that the ground reaction diagram and its labels take under the
/// base (under the shear key, when there is one), m.
double ReactionDepth(const DesignCase& dc);

/// The x of every mark the forces put on the base: the middle, the middle
/// third and middle half, and d, in ascending order.
std::vector<double> BaseMarks(const DesignCase& dc);

/// Adds the forces of a valid calculation to a drawable section.
void AddForces(Builder& builder, const DesignCase& dc, const Selections& sel);

}  // namespace varnholt::section
