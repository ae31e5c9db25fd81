#pragma once
// Inputs that describe no wall that could be built: refused by name before
// anything is computed, as a zero divisor is. Only what is impossible is
// refused; an unusual but buildable wall calculates (see plausibility.h for
// soil constants outside the practical range).

#include "calc/status.h"
#include "model/design_case.h"
#include "model/selections.h"

namespace varnholt {

/// Refuses, in the order the boxes are entered, the first of:
///  - a negative unit weight of the soil or the concrete;
///  - a negative dimension, height or surcharge of the wall section (h,
///    embedment, crest height, b, B, f, q; ho of the raised soil);
///  - with a shear key, a negative key height, position or width;
///  - with a fence, a negative fence height, distance, load height or weight;
///  - a crest width plus front projection wider than the base: the back face
///    would hang out beyond the base instead of standing on the heel.
/// The status names the box (`field`) and says why in a sentence for a box
/// titled "エラーメッセージ"; Ok when the section can be built.
CalcStatus CheckSection(const DesignCase& dc, const Selections& sel);

/// True when crest width plus front projection is wider than the base by
/// more than a rounding error. The widths are typed in metres with a few
/// decimals; their binary sum may come out a hair above a base typed equal
/// to it (0.30 + 0.27 > 0.57), and a vertical back face is a wall.
bool BaseNarrowerThanCrestAndFront(double base, double crest, double front);

}  // namespace varnholt
